// The network exercise through the main window: a teacher window and a
// pupil window in one process, meeting in a temporary folder through
// message files. F9 with the "Netzwerk-" settings dialog, the control
// display, F8 with the join dialog, the run on the pupil's panel, its abort
// reported to the teacher, the end from the menu.
//
// KALUMO_BILDSCHIRMFOTOS=FOLDER keeps pictures of the control display and
// the pupil's window for a look by eye.

#include "app/Netzsteuerung.h"
#include "app/TForm1.h"
#include "exercise/TUebOptBasisForm.h"
#include "network/TMasterProtForm.h"
#include "network/TNetzUebungTnStartForm.h"
#include "platform/Dateidialoge.h"
#include "platform/Einstellungsspeicher.h"
#include "platform/Meldungen.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kalumo;

namespace {

struct Fenster
{
    SkriptMeldungen meldungen;
    SkriptDateidialoge dialoge;
    EinstellungsspeicherImSpeicher speicher;
    TForm1 form;

    explicit Fenster(const QString &kom)
    {
        form.MeldungenSetzen(&meldungen);
        form.DateidialogeSetzen(&dialoge);
        form.EinstellungsspeicherSetzen(&speicher);
        form.ZentraleKonfigurationSetzen(QString());
        form.show();
        form.ErsteAktivierungAusfuehren();
        form.Einstellungen().Ordner.NetzKom = kom + QLatin1Char('/');
        form.Einstellungen().NetzKomKanal = QStringLiteral("FENSTER");
        form.Einstellungen().NetzKomVerfahren = netzVerfahrenOrdner;
    }
};

template <class F>
bool Warten(F bedingung, int ms = 60000)
{
    QElapsedTimer t;
    t.start();
    while (!bedingung()) {
        if (t.elapsed() > ms)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

void Foto(QWidget &w, const char *name)
{
    const QString ordner = qEnvironmentVariable("KALUMO_BILDSCHIRMFOTOS");
    if (!ordner.isEmpty())
        w.grab().save(ordner + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".png"));
}

} // namespace

TEST(TForm1Netz, LehrerUndSchuelerFenster)
{
    QTemporaryDir kom;
    Fenster lehrer(kom.path());
    Fenster schueler(kom.path());
    ASSERT_TRUE(lehrer.form.Programmzustand().DokumentOeffnen(QStringLiteral(KALUMO_BEISPIELE_ORDNER "/Blütenpflanze.kal")));
    for (const char *name : {"NetzUebungInitiieren1", "NetzUebungBeenden1", "Kontrollanzeige1", "NetzUebungTeilnehmen1",
                             "BestenlisteNetz1", "NetzKommunikation1"})
        EXPECT_TRUE(lehrer.form.Aktion(QString::fromLatin1(name))->isEnabled()) << name;

    // F9: the settings dialog with "Netzwerk-" before its caption, "Übung starten"
    QString titel;
    QTimer::singleShot(0, [&] {
        auto *d = qobject_cast<TUebOptBasisForm *>(QApplication::activeModalWidget());
        ASSERT_TRUE(d);
        titel = d->windowTitle();
        d->StartenKnopf()->click();
    });
    lehrer.form.Aktion(QStringLiteral("NetzUebungInitiieren1"))->trigger();
    EXPECT_TRUE(titel.startsWith("Netzwerk-")) << titel.toStdString();
    EXPECT_EQ(lehrer.form.Programmzustand().UebArt(), uebNetzInitiiert);
    TMasterProtForm *anzeige = lehrer.form.Kontrollanzeige();
    EXPECT_TRUE(anzeige->isVisible());
    EXPECT_EQ(anzeige->windowTitle(), "Netzwerk-Übung - Kontrollanzeige - Status: aktiv");
    // the teacher computer joins no exercise and starts none of its own
    lehrer.meldungen.Leeren();
    lehrer.form.Aktion(QStringLiteral("NetzUebungTeilnehmen1"))->trigger();
    lehrer.form.Aktion(QStringLiteral("NetzKommunikation1"))->trigger();
    EXPECT_EQ(lehrer.meldungen.Texte().size(), 2);

    // F8 on the pupil's computer: the join dialog waits for the exercise, then "Teilnehmen"
    bool verfuegbarGesehen = false;
    QTimer::singleShot(0, [&] {
        auto *d = qobject_cast<TNetzUebungTnStartForm *>(QApplication::activeModalWidget());
        ASSERT_TRUE(d);
        d->NameFeld()->setText(QStringLiteral("Anna"));
        verfuegbarGesehen = Warten([d] { return d->TeilnehmenKnopf()->isEnabled(); });
        Foto(*d, "fenster_beitritt");
        d->TeilnehmenKnopf()->click();
    });
    schueler.form.Aktion(QStringLiteral("NetzUebungTeilnehmen1"))->trigger();
    EXPECT_TRUE(verfuegbarGesehen);
    ASSERT_EQ(schueler.form.Ansichtsmodus(), modusUebung) << schueler.meldungen.Texte().join('\n').toStdString();
    EXPECT_EQ(schueler.form.Programmzustand().UebArt(), uebNetzTeilnahme);
    Foto(schueler.form, "fenster_teilnehmer");

    // the row appears at the teacher's
    ASSERT_TRUE(Warten([&] { return lehrer.form.Programmzustand().Netz().Lehrer().Teilnehmerzahl() == 1; }));
    EXPECT_EQ(anzeige->Tabelle()->item(0, 2)->text(), "Anna");

    // the pupil aborts: "abgebr." at the teacher's, the pupil sees the start page
    schueler.meldungen.AntwortVormerken(Antwort::Ja);
    schueler.form.UebungAbbrechen1Click();
    ASSERT_TRUE(Warten([&] { return !schueler.form.Programmzustand().DokumentOffen(); }));
    EXPECT_EQ(schueler.form.Ansichtsmodus(), modusLernansicht);
    ASSERT_TRUE(Warten([&] { return anzeige->Tabelle()->item(0, 3)->text() == "abgebr."; }));
    Foto(*anzeige, "fenster_kontrollanzeige");

    // the end from the menu, confirmed
    lehrer.meldungen.AntwortVormerken(Antwort::Ja);
    lehrer.form.Aktion(QStringLiteral("NetzUebungBeenden1"))->trigger();
    EXPECT_EQ(lehrer.form.Programmzustand().UebArt(), uebIndividual);
    EXPECT_FALSE(lehrer.form.Programmzustand().Netz().LehrerAktiv());
}
