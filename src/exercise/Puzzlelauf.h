#pragma once
// The sliding puzzle as a run of the session (mode 4): it owns the board
// (Schiebepuzzle), takes the clock's readings and is the input engine of
// the puzzle panel. The session holds it in its run slot while it lasts
// (learnview/Ansichtslauf.h); TSchiebepuzzle only shows it and forwards
// its clicks and keys here.
//
// Points are pixels of the puzzle panel (the board's frame lies at
// LinksOffset, ObenOffset). A press on a tile is a click on it; the arrow
// keys slide the tile next to the hole. The answer says when the panel must
// be redrawn and when the picture is whole again (LaufEnde): the window then
// shows the hidden tile and the message and returns to the learning view.

#include "exercise/Schiebepuzzle.h"
#include "learnview/Ansichtslauf.h"

#include <memory>
#include <optional>

namespace kalumo {

// The direction an arrow key (a Qt::Key) slides a tile; none for other keys.
std::optional<PuzzleRichtung> PfeilRichtung(int taste);

class Puzzlelauf : public Ansichtslauf, private Eingabemaschine
{
public:
    // A puzzle of n x n tiles cut from bild for a panel of this size,
    // shuffled with zufall; its clock starts at jetzt (ms). Nothing when the
    // picture has no pixels.
    static std::unique_ptr<Puzzlelauf> Bauen(const QImage &bild, int n, bool nurNachbarn, QSize panel,
                                             PuzzleZufall &zufall, qint64 jetzt);

    const Schiebepuzzle &Brett() const { return m_brett; }
    // The panel changed size: the tiles follow, the arrangement stays.
    void PanelGroesse(QSize panel);
    // The status panel's line at the last clock reading.
    QString StatusText() const { return m_brett.StatusText(m_jetzt); }

    // Ansichtslauf
    int Modus() const override { return modusSchiebepuzzle; }
    bool Beendet() const override { return m_brett.Geloest(); }
    Eingabemaschine &Eingabe() override { return *this; }
    Eingabereaktion Takt(qint64 ms) override;

    // The tile whose cell holds p (-1 outside the board).
    int TeilBei(QPoint p) const;

private:
    Puzzlelauf() = default;

    // Eingabemaschine
    Eingabereaktion MausDruck(QPoint p, Maustaste taste) override;
    Eingabereaktion MausBewegung(QPoint, bool, bool) override { return {}; }
    Eingabereaktion MausLos(QPoint, Maustaste) override { return {}; }
    Eingabereaktion Taste(int taste, int zusatz, const QString &text) override;
    Zeigerform ZeigerFuer(QPoint p) const override;

    Eingabereaktion zug(ZugErgebnis z);

    Schiebepuzzle m_brett;
    qint64 m_jetzt = 0;
};

} // namespace kalumo
