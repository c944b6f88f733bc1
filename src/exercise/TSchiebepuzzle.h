#pragma once
// The sliding puzzle on the exercise panel: a thin window over a puzzle run
// (Puzzlelauf). It paints the panel and the frame, shows one tile panel
// "SPuzzlePan<k>" per tile (the hand pointer on clickable ones), forwards
// mouse clicks and the arrow keys to the run's engine, keeps the status
// panel's text and, when the picture is whole again, shows the hidden tile,
// then the message.
//
// The main window builds a run with LaufBauen, hands it to the session and
// shows it here (Zeigen) while the session holds it; it calls UhrTick after
// the session's clock, and Beenden before the run goes. Starten builds and
// shows a run this window keeps itself (a puzzle without a session).

#include "exercise/Puzzlelauf.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QLabel;

namespace kalumo {

class Meldungen;
class TSchiebepuzzle;

// One tile: a panel that draws its picture from the board.
class TPuzzleTeil : public QWidget
{
public:
    TPuzzleTeil(int teil, TSchiebepuzzle &puzzle, QWidget *parent);
    int Tag() const { return m_teil; }

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;

private:
    int m_teil;
    TSchiebepuzzle &m_puzzle;
};

class TSchiebepuzzle : public QWidget
{
    Q_OBJECT
public:
    explicit TSchiebepuzzle(Meldungen &meldungen, QWidget *parent = nullptr);
    ~TSchiebepuzzle() override;

    void MeldungenSetzen(Meldungen *m) { m_meldungen = m; }
    // The millisecond counter (the exercise clock); steady_clock unless set.
    using Uhr = std::function<qint64()>;
    void UhrSetzen(Uhr uhr) { m_uhr = std::move(uhr); }
    // Where the shuffle draws its numbers; without one every puzzle gets a
    // freshly seeded generator.
    void ZufallSetzen(PuzzleZufall *zufall) { m_zufall = zufall; }
    // The label of the main window that shows the puzzle's status.
    void StatusPanelSetzen(QLabel *label) { m_statusPan = label; }
    // Called when the picture is whole, before the message (the success sound).
    std::function<void()> ErfolgsTon;

    // A new run of n x n tiles cut from bild, sized to this panel, shuffled
    // with this window's random source; its clock starts now. Nothing, with
    // the message shown, when there is no picture.
    std::unique_ptr<Puzzlelauf> LaufBauen(const QImage &bild, int n, bool nurNachbarn);
    // Shows a run someone else holds until Beenden.
    void Zeigen(Puzzlelauf &lauf);
    // LaufBauen and Zeigen with a run this window keeps. False, with the
    // message shown, when there is no picture.
    bool Starten(const QImage &bild, int n, bool nurNachbarn);
    // Removes the tiles and lets go of the run; the clock no longer counts.
    void Beenden();
    bool Laeuft() const { return m_lauf && !m_lauf->Beendet(); }
    bool Geloest() const { return m_lauf && m_lauf->Beendet(); }
    // Every 100 ms from the exercise clock: the elapsed time in the status.
    void UhrTick();
    // The status after the run was given a clock reading from elsewhere.
    void StatusAktualisieren() { statusZeigen(); }

    const Schiebepuzzle &Brett() const;
    // The tile panel of tile teil (nullptr when there is none).
    TPuzzleTeil *Teil(int teil) const;

    // A mouse down on tile teil.
    void TeilKlick(int teil);
    // An arrow key (Qt::Key_Left …): the tile next to the hole on that side
    // slides into it. True when the key was one of the four.
    bool PfeilTaste(int taste);

signals:
    // The puzzle is solved and the message was shown: back to the learning view.
    void PuzzleGeloest();

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void reagieren(const Eingabereaktion &r);
    void teileAnordnen();
    void teileEntfernen();
    void statusZeigen();
    qint64 jetzt() const;

    Meldungen *m_meldungen;
    Uhr m_uhr;
    PuzzleZufall *m_zufall = nullptr;
    QLabel *m_statusPan = nullptr;
    Puzzlelauf *m_lauf = nullptr;
    std::unique_ptr<Puzzlelauf> m_eigenerLauf;
    std::vector<TPuzzleTeil *> m_teile;
    QString m_statusText;
};

} // namespace kalumo
