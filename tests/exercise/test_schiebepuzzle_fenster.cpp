// The sliding puzzle's window driven offscreen: tiles with their hand
// pointer, mouse clicks and arrow keys, the status panel with the clock, the
// whole picture before the message, sizing in a tall window, resizing, the
// refusal of a missing picture, and the options dialog.

#include "Puzzlehilfen.h"

#include "exercise/TSPuzzleOptForm.h"
#include "exercise/TSchiebepuzzle.h"
#include "platform/Meldungen.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace kalumo;
using namespace kalumo::test;

namespace {

struct Aufbau
{
    BeobachteteMeldungen meldungen;
    qint64 uhr = 50000;
    QLabel status;
    TSchiebepuzzle puzzle{meldungen};
    SkriptZufall zufall;

    explicit Aufbau(QSize groesse = {600, 480}, std::deque<int> mischfolge = ZweiVorDemZiel(3))
        : zufall(std::move(mischfolge))
    {
        puzzle.resize(groesse);
        puzzle.UhrSetzen([this] { return uhr; });
        puzzle.StatusPanelSetzen(&status);
        puzzle.ZufallSetzen(&zufall);
        puzzle.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&puzzle));
    }

    TPuzzleTeil *teilBei(int spalte, int zeile) const
    {
        return puzzle.Teil(puzzle.Brett().Feld[size_t(spalte)][size_t(zeile)]);
    }
    QPoint loch() const { return {puzzle.Brett().LeerSpalte, puzzle.Brett().LeerZeile}; }
};

// Every tile panel shows where the board says, the hidden one is hidden,
// and exactly the clickable ones carry the hand.
void tafelPruefen(const TSchiebepuzzle &p)
{
    const Schiebepuzzle &b = p.Brett();
    for (int teil = 0; teil < b.Teilanzahl(); ++teil) {
        SCOPED_TRACE(testing::Message() << "Teil " << teil);
        auto *t = p.findChild<QWidget *>(QStringLiteral("SPuzzlePan%1").arg(teil));
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t, p.Teil(teil));
        EXPECT_EQ(t->property("Tag").toInt(), teil);
        EXPECT_EQ(t->geometry(), b.TeilRechteck(teil));
        EXPECT_EQ(t->isVisible(), teil != b.LeerTeil);
        EXPECT_EQ(t->cursor().shape(), b.TeilAnklickbar(teil) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
}

} // namespace

TEST(TSchiebepuzzle, NurNachbarnMitDerMausBisZumGanzenBild)
{
    Aufbau a;
    ASSERT_TRUE(a.puzzle.Starten(Zellbild(3, 300, 200), 3, true));
    EXPECT_TRUE(a.puzzle.Laeuft());
    EXPECT_EQ(a.loch(), QPoint(0, 2));
    tafelPruefen(a.puzzle);
    int haende = 0;
    for (int teil = 0; teil < 9; ++teil)
        haende += a.puzzle.Teil(teil)->cursor().shape() == Qt::PointingHandCursor;
    EXPECT_EQ(haende, 2); // above and right of the hole in the corner
    EXPECT_EQ(a.status.text(), "Richtig: 6 von  9   Falsch: 3   Lösungsquote: 66.7 %   Züge: 0   "
                               "Benötigte Zeit: 00:00");

    // a far tile, or another button, does nothing
    QTest::mouseClick(a.teilBei(2, 0), Qt::LeftButton);
    QTest::mouseClick(a.teilBei(1, 2), Qt::RightButton);
    EXPECT_EQ(a.puzzle.Brett().Zuege, 0);
    EXPECT_EQ(a.loch(), QPoint(0, 2));

    // the tile beside the hole slides into it
    TPuzzleTeil *sechs = a.teilBei(1, 2);
    const QRect lochRechteck = a.puzzle.Brett().TeilRechteck(a.puzzle.Brett().LeerTeil);
    QTest::mouseClick(sechs, Qt::LeftButton);
    EXPECT_EQ(sechs->geometry().topLeft(), lochRechteck.topLeft());
    EXPECT_EQ(a.loch(), QPoint(1, 2));
    EXPECT_TRUE(a.status.text().contains("Züge: 1"));
    tafelPruefen(a.puzzle);

    // the last move: the whole picture is there before the message
    std::vector<QString> folge;
    a.puzzle.ErfolgsTon = [&] { folge.push_back("Ton"); };
    QSignalSpy geloest(&a.puzzle, &TSchiebepuzzle::PuzzleGeloest);
    a.meldungen.BeiInformation = [&](const QString &text) {
        folge.push_back(text);
        TPuzzleTeil *letztes = a.puzzle.Teil(8);
        EXPECT_TRUE(letztes->isVisible());
        EXPECT_EQ(letztes->geometry(), a.puzzle.Brett().TeilRechteck(8));
        const QImage bild = a.puzzle.grab().toImage();
        for (int teil = 0; teil < 9; ++teil) {
            const QRect r = a.puzzle.Brett().TeilRechteck(teil);
            EXPECT_TRUE(FarbeNahe(bild.pixelColor(r.center()), Zellfarbe(teil))) << "Teil " << teil;
        }
        EXPECT_TRUE(a.status.text().contains("Falsch: 0"));
        EXPECT_TRUE(a.status.text().contains("Lösungsquote: 100.0 %"));
        EXPECT_EQ(geloest.count(), 0);
    };
    QTest::mouseClick(a.teilBei(2, 2), Qt::LeftButton);
    EXPECT_EQ(folge, (std::vector<QString>{"Ton", "Das Schiebepuzzle ist gelöst!"}));
    EXPECT_EQ(geloest.count(), 1);
    EXPECT_TRUE(a.puzzle.Geloest());
    EXPECT_FALSE(a.puzzle.Laeuft());

    // the clock stands still, further clicks do nothing
    const QString endstand = a.status.text();
    a.uhr += 30000;
    a.puzzle.UhrTick();
    QTest::mouseClick(a.teilBei(1, 1), Qt::LeftButton);
    EXPECT_EQ(a.status.text(), endstand);
    EXPECT_EQ(a.meldungen.Texte().size(), 1);

    a.puzzle.Beenden();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(a.puzzle.findChildren<TPuzzleTeil *>().isEmpty());
}

TEST(TSchiebepuzzle, PfeiltastenUndUhr)
{
    Aufbau a;
    ASSERT_TRUE(a.puzzle.Starten(Zellbild(3, 300, 300), 3, true));
    a.puzzle.setFocus();

    a.uhr += 65400;
    a.puzzle.UhrTick();
    EXPECT_TRUE(a.status.text().endsWith("Benötigte Zeit: 01:05"));

    struct Schritt
    {
        Qt::Key taste;
        Qt::KeyboardModifiers mod;
        QPoint loch;
        int zuege;
    };
    const Schritt schritte[] = {
        {Qt::Key_Right, Qt::NoModifier, {0, 2}, 0},   // nothing left of the hole
        {Qt::Key_Down, Qt::NoModifier, {0, 1}, 1},    // the tile above comes down
        {Qt::Key_Down, Qt::ControlModifier, {0, 1}, 1},
        {Qt::Key_Up, Qt::NoModifier, {0, 2}, 2},
        {Qt::Key_Left, Qt::NoModifier, {1, 2}, 3},    // the tile to the right goes left
    };
    for (const Schritt &s : schritte) {
        SCOPED_TRACE(testing::Message() << "Taste " << s.taste);
        QTest::keyClick(&a.puzzle, s.taste, s.mod);
        EXPECT_EQ(a.loch(), s.loch);
        EXPECT_EQ(a.puzzle.Brett().Zuege, s.zuege);
        tafelPruefen(a.puzzle);
    }
    EXPECT_TRUE(a.status.text().contains("Züge: 3"));
    QTest::keyClick(&a.puzzle, Qt::Key_Left);
    EXPECT_TRUE(a.puzzle.Geloest());
    EXPECT_EQ(a.meldungen.Texte(), QStringList{"Das Schiebepuzzle ist gelöst!"});
}

TEST(TSchiebepuzzle, JedesTeilAnklickbar)
{
    Aufbau a;
    ASSERT_TRUE(a.puzzle.Starten(Zellbild(3, 300, 300), 3, false));
    tafelPruefen(a.puzzle);
    TPuzzleTeil *fern = a.teilBei(2, 0);
    EXPECT_EQ(fern->cursor().shape(), Qt::PointingHandCursor);
    const QRect lochRechteck = a.puzzle.Brett().TeilRechteck(a.puzzle.Brett().LeerTeil);
    QTest::mouseClick(fern, Qt::LeftButton);
    EXPECT_EQ(fern->geometry().topLeft(), lochRechteck.topLeft());
    EXPECT_EQ(a.loch(), QPoint(2, 0));
    EXPECT_EQ(a.puzzle.Brett().Zuege, 1);
}

TEST(TSchiebepuzzle, BreitesBildImHohenFensterUndGroessenaenderung)
{
    Aufbau a({500, 900});
    ASSERT_TRUE(a.puzzle.Starten(Zellbild(3, 1200, 100), 3, true));
    const Schiebepuzzle &b = a.puzzle.Brett();
    EXPECT_EQ(b.TeilBreite, 160);
    EXPECT_EQ(b.TeilHoehe, 13);
    QRect brett;
    for (int teil = 0; teil < 9; ++teil)
        brett |= a.puzzle.Teil(teil)->geometry();
    // sized by the width, centred vertically
    EXPECT_EQ(brett.left(), 10);
    EXPECT_LE(std::abs((500 - 1 - brett.right()) - brett.left()), 2);
    EXPECT_LE(std::abs((900 - 1 - brett.bottom()) - brett.top()), 2);
    EXPECT_GT(brett.top(), 400);

    const QImage bild = a.puzzle.grab().toImage();
    EXPECT_TRUE(FarbeNahe(bild.pixelColor(3, 3), QColor(240, 240, 240), 2));
    EXPECT_TRUE(FarbeNahe(bild.pixelColor(b.LinksOffset - 1, b.ObenOffset + 5), QColor(212, 219, 219), 2));
    EXPECT_TRUE(FarbeNahe(bild.pixelColor(b.LinksOffset + 3 * b.TeilBreite + 1, b.ObenOffset + 5), QColor(212, 219, 219), 2));

    // a move, then a new window size: same arrangement, moves and clock, new tiles
    QTest::mouseClick(a.teilBei(0, 1), Qt::LeftButton);
    const auto feld = b.Feld;
    a.puzzle.resize(900, 500);
    EXPECT_EQ(b.Feld, feld);
    EXPECT_EQ(b.Zuege, 1);
    EXPECT_EQ(b.StartTick, 50000);
    EXPECT_EQ(b.TeilBreite, 293);
    tafelPruefen(a.puzzle);
}

TEST(TSchiebepuzzle, OhneBildEineMeldungStattEinesPuzzles)
{
    Aufbau a;
    EXPECT_FALSE(a.puzzle.Starten(QImage(), 4, true));
    EXPECT_FALSE(a.puzzle.Laeuft());
    EXPECT_TRUE(a.puzzle.findChildren<TPuzzleTeil *>().isEmpty());
    EXPECT_EQ(a.meldungen.Texte(), QStringList{PuzzleOhneBildMeldung()});
    EXPECT_TRUE(a.meldungen.Texte().first().startsWith("Das Schiebepuzzle kann nicht gestartet werden"));
    a.puzzle.UhrTick();
    QTest::keyClick(&a.puzzle, Qt::Key_Left);
    EXPECT_TRUE(a.status.text().isEmpty());
}

TEST(TSPuzzleOptForm, TexteVorgabenUndKnoepfe)
{
    TSPuzzleOptForm dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Einstellungen zum Schiebepuzzle");
    QStringList gruppen;
    for (QGroupBox *g : dialog.findChildren<QGroupBox *>())
        gruppen << g->title();
    EXPECT_EQ(gruppen, (QStringList{" Anklickbarkeit ", " Puzzle-Teile "}));
    EXPECT_EQ(dialog.AnklickbarkeitKnopf(anklickbarNurNachbarn)->text(), " Nur Nachbarteile anklickbar ");
    EXPECT_EQ(dialog.AnklickbarkeitKnopf(anklickbarJedesTeil)->text(), " Jedes Teil anklickbar ");
    for (int n = 3; n <= 6; ++n)
        EXPECT_EQ(dialog.TeileKnopf(n)->text(), QStringLiteral(" %1 x %1").arg(n));
    EXPECT_EQ(dialog.StartenKnopf()->text(), "Schiebepuzzle starten");
    EXPECT_EQ(dialog.SchliessenKnopf()->text(), "Schließen");
    // defaults: only neighbours, 3 x 3
    EXPECT_TRUE(dialog.NurNachbarn());
    EXPECT_EQ(dialog.Teile(), 3);

    QTest::mouseClick(dialog.AnklickbarkeitKnopf(anklickbarJedesTeil), Qt::LeftButton);
    QTest::mouseClick(dialog.TeileKnopf(5), Qt::LeftButton);
    EXPECT_FALSE(dialog.TeileKnopf(3)->isChecked());
    dialog.StartenKnopf()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.NurNachbarn());
    EXPECT_EQ(dialog.Anklickbarkeit(), anklickbarJedesTeil);
    EXPECT_EQ(dialog.Teile(), 5);

    // shown again it keeps the choice; "Schließen" rejects
    dialog.show();
    EXPECT_EQ(dialog.Teile(), 5);
    dialog.SchliessenKnopf()->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}
