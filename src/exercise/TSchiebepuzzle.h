#pragma once
// The sliding puzzle on the exercise panel: a thin window over the board
// (Schiebepuzzle). It paints the panel and the frame, shows one tile panel
// "SPuzzlePan<k>" per tile (the hand pointer on clickable ones), takes mouse
// clicks and the arrow keys, keeps the status panel's text and, when the
// picture is whole again, shows the hidden tile, then the message.
//
// The owner starts it on a picture (Starten), calls UhrTick with the
// exercise clock every 100 ms, and returns to the learning view on
// PuzzleGeloest or after the exercise guard allowed leaving (Beenden).

#include "exercise/Schiebepuzzle.h"

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

    // A new puzzle of n x n tiles cut from bild, sized to this panel; the
    // clock starts. False, with the message shown, when there is no picture.
    bool Starten(const QImage &bild, int n, bool nurNachbarn);
    // Removes the tiles; the clock no longer counts.
    void Beenden();
    bool Laeuft() const { return m_laeuft; }
    bool Geloest() const { return m_brett.Geloest(); }
    // Every 100 ms from the exercise clock: the elapsed time in the status.
    void UhrTick();

    const Schiebepuzzle &Brett() const { return m_brett; }
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
    void zugAuswerten(ZugErgebnis z);
    void teileAnordnen();
    void teileEntfernen();
    void statusZeigen();
    qint64 jetzt() const;

    Meldungen *m_meldungen;
    Uhr m_uhr;
    PuzzleZufall *m_zufall = nullptr;
    QLabel *m_statusPan = nullptr;
    Schiebepuzzle m_brett;
    std::vector<TPuzzleTeil *> m_teile;
    bool m_laeuft = false;
    QString m_statusText;
};

} // namespace kalumo
