// The sliding puzzle in the main window: F11 with the options dialog, the
// puzzle mode with its status panel, the refusal while it runs, the guard
// of the "Übung abbrechen" button, and solving back to the learning view.
// KALUMO_BILDSCHIRMFOTOS=FOLDER keeps pictures of a 4 x 4 puzzle in progress
// and of the solved one.

#include "exercise/Puzzlehilfen.h"

#include "app/TForm1.h"
#include "app/TLernbild.h"
#include "exercise/TSPuzzleOptForm.h"
#include "exercise/TSchiebepuzzle.h"
#include "platform/Dateidialoge.h"
#include "platform/Einstellungsspeicher.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace kalumo;
using namespace kalumo::test;

namespace {

struct Fenster
{
    BeobachteteMeldungen meldungen;
    SkriptDateidialoge dialoge;
    EinstellungsspeicherImSpeicher speicher;
    SkriptTonausgabe ton;
    TForm1 form;

    explicit Fenster(const QStringList &argumente)
    {
        form.MeldungenSetzen(&meldungen);
        form.DateidialogeSetzen(&dialoge);
        form.EinstellungsspeicherSetzen(&speicher);
        form.ZentraleKonfigurationSetzen({});
        form.ArgumenteSetzen(argumente);
        form.resize(1024, 740);
        form.show();
        form.ErsteAktivierungAusfuehren();
        // the program's own feedback sounds, played by a scripted output
        form.TonausgabeSetzen(&ton);
        form.Einstellungen().Ordner.Sound = QStringLiteral(KALUMO_BEISPIELE_ORDNER) + "/../sound/";
    }

    // F11, and in the dialog the given choice and button.
    void puzzleWaehlen(int n, bool starten)
    {
        QTimer::singleShot(0, &form, [this, n, starten] {
            TSPuzzleOptForm *d = form.SPuzzleOptForm();
            EXPECT_TRUE(d->isVisible());
            d->TeileKnopf(n)->setChecked(true);
            (starten ? d->StartenKnopf() : d->SchliessenKnopf())->click();
        });
        form.Aktion("Schiebepuzzle1")->trigger();
    }

    QToolButton *knopf(const char *name) const { return form.findChild<QToolButton *>(name); }
    QLabel *status() const { return form.findChild<QLabel *>("SPuzzleStatusPan"); }
};

void foto(QWidget &w, const char *name)
{
    const QString ordner = qEnvironmentVariable("KALUMO_BILDSCHIRMFOTOS");
    if (ordner.isEmpty())
        return;
    QCoreApplication::processEvents(); // pending layout requests first
    w.grab().save(ordner + "/" + name);
}

QString beispiel(const char *name)
{
    return QStringLiteral(KALUMO_BEISPIELE_ORDNER) + "/" + QString::fromUtf8(name);
}

} // namespace

TEST(TForm1Schiebepuzzle, F11StartetAufDerSeiteUndGeloestGehtEsZurLernansicht)
{
    Fenster f({beispiel("Blütenpflanze.kal")});
    ASSERT_TRUE(f.meldungen.Texte().isEmpty()) << f.meldungen.Texte().join("|").toStdString();
    EXPECT_TRUE(f.form.Aktion("Schiebepuzzle1")->isEnabled());
    EXPECT_EQ(f.form.Aktion("Schiebepuzzle1")->shortcut(), QKeySequence("F11"));
    SkriptZufall zufall(ZweiVorDemZiel(4));
    TSchiebepuzzle *puzzle = f.form.Schiebepuzzle();
    puzzle->ZufallSetzen(&zufall);

    f.puzzleWaehlen(4, true);
    ASSERT_EQ(f.form.Ansichtsmodus(), modusSchiebepuzzle);
    ASSERT_TRUE(puzzle->Laeuft());
    EXPECT_TRUE(puzzle->isVisible());
    EXPECT_EQ(puzzle->Brett().Spalten, 4);
    EXPECT_TRUE(puzzle->Brett().NurNachbarn);
    EXPECT_EQ(puzzle->Brett().QuellBild.size(), f.form.Ansicht().PageBitmap.size());
    EXPECT_EQ(puzzle->geometry().topLeft(), QPoint(9, 8));
    EXPECT_FALSE(f.form.Lernbild()->isVisible());
    EXPECT_FALSE(f.form.Werkzeugleiste()->isVisible());
    EXPECT_TRUE(f.status()->isVisible());
    EXPECT_TRUE(f.status()->text().startsWith("Richtig: 13 von  16   Falsch: 3"));
    EXPECT_EQ(f.knopf("LernansichtBtn")->text(), "Übung abbrechen");
    EXPECT_TRUE(f.knopf("IndividualBtn")->isChecked());
    // the board fills the panel's width or height less the margin
    const Schiebepuzzle &b = puzzle->Brett();
    EXPECT_TRUE(4 * b.TeilBreite >= puzzle->width() - 20 - 4 || 4 * b.TeilHoehe >= puzzle->height() - 20 - 4);
    foto(f.form, "schiebepuzzle_4x4.png");

    // a second start is refused while this one runs
    f.form.Aktion("Schiebepuzzle1")->trigger();
    EXPECT_EQ(f.meldungen.Texte(), QStringList{PuzzleUebungLaeuftMeldung()});

    // "Übung abbrechen" asks; "Nein" keeps the puzzle
    f.meldungen.Leeren();
    f.knopf("LernansichtBtn")->click();
    EXPECT_EQ(f.meldungen.Texte(), QStringList{PuzzleAbbruchFrage()});
    EXPECT_EQ(f.form.Ansichtsmodus(), modusSchiebepuzzle);
    EXPECT_TRUE(puzzle->Laeuft());

    // the arrow keys reach the puzzle, and the last move shows the whole page before the message
    f.meldungen.Leeren();
    bool gesehen = false;
    f.meldungen.BeiInformation = [&](const QString &) {
        gesehen = true;
        EXPECT_TRUE(puzzle->Teil(15)->isVisible());
        EXPECT_EQ(f.form.Ansichtsmodus(), modusSchiebepuzzle);
        foto(f.form, "schiebepuzzle_geloest.png");
    };
    puzzle->setFocus();
    QTest::keyClick(puzzle, Qt::Key_Left);
    QTest::keyClick(puzzle, Qt::Key_Left);
    EXPECT_TRUE(gesehen);
    EXPECT_EQ(f.meldungen.Texte(), QStringList{"Das Schiebepuzzle ist gelöst!"});
    // with the success sound of exercises
    ASSERT_EQ(f.ton.Aufrufe.size(), 1);
    EXPECT_TRUE(f.ton.Aufrufe[0].startsWith("spielen:"));
    EXPECT_TRUE(f.ton.Aufrufe[0].endsWith("/sound/richtig1.wav"));

    // back in the learning view
    EXPECT_EQ(f.form.Ansichtsmodus(), modusLernansicht);
    EXPECT_FALSE(puzzle->isVisible());
    EXPECT_FALSE(puzzle->Laeuft());
    EXPECT_TRUE(f.form.Lernbild()->isVisible());
    EXPECT_TRUE(f.form.Werkzeugleiste()->isVisible());
    EXPECT_FALSE(f.status()->isVisible());
    EXPECT_EQ(f.knopf("LernansichtBtn")->text(), "Lernansicht");
}

TEST(TForm1Schiebepuzzle, SchliessenImDialogUndAbbrechenMitJa)
{
    Fenster f({});
    f.puzzleWaehlen(3, false);
    EXPECT_EQ(f.form.Ansichtsmodus(), modusLernansicht);
    EXPECT_FALSE(f.knopf("IndividualBtn")->isChecked());
    EXPECT_TRUE(f.meldungen.Texte().isEmpty());

    // without a document the start picture is the page
    f.puzzleWaehlen(5, true);
    ASSERT_EQ(f.form.Ansichtsmodus(), modusSchiebepuzzle);
    EXPECT_EQ(f.form.Schiebepuzzle()->Brett().Spalten, 5);
    EXPECT_FALSE(f.form.StartInfoPan()->isVisible());

    f.meldungen.AntwortVormerken(Antwort::Ja);
    f.knopf("LernansichtBtn")->click();
    EXPECT_EQ(f.meldungen.Texte(), QStringList{PuzzleAbbruchFrage()});
    EXPECT_EQ(f.form.Ansichtsmodus(), modusLernansicht);
    EXPECT_FALSE(f.form.Schiebepuzzle()->Laeuft());
    EXPECT_TRUE(f.form.StartInfoPan()->isVisible());
}
