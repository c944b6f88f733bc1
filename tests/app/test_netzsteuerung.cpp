// The network exercise in the session: a teacher session and a participant
// session in one process, meeting in a temporary folder through message
// files: initiation, the restrictions on both sides, the join into the run
// slot, the abort with its report, the document closed after the run, the
// end with its question.

#include "app/Netzsteuerung.h"
#include "app/Sitzung.h"
#include "exercise/Uebungsaktionen.h"
#include "exercise/Uebungslauf.h"
#include "platform/Meldungen.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kalumo;

namespace {

struct Rechner
{
    explicit Rechner(const QString &kom)
    {
        s.MeldungenSetzen(&meldungen);
        s.Ansicht().Ansichtsgroesse = QSize(870, 609);
        s.Einstellungen().Ordner.NetzKom = kom;
        s.Einstellungen().NetzKomKanal = QStringLiteral("RAUM-1");
        s.Einstellungen().NetzKomVerfahren = netzVerfahrenOrdner;
    }
    QTemporaryDir ordner;
    Sitzung s{ordner.path()};
    SkriptMeldungen meldungen;
};

} // namespace

TEST(Netzsteuerung, LehrerUndTeilnehmerInDerSitzung)
{
    QTemporaryDir kom;
    Rechner lehrer(kom.path());
    Rechner schueler(kom.path());
    Netzsteuerung &l = lehrer.s.Netz();
    Netzsteuerung &t = schueler.s.Netz();

    // nothing to join yet; the end without an exercise only informs
    EXPECT_FALSE(t.Beitreten(QStringLiteral("Anna")));
    EXPECT_FALSE(l.Beenden());
    EXPECT_EQ(lehrer.meldungen.Texte().last(), NetzKeineUebungText());

    ASSERT_TRUE(lehrer.s.DokumentOeffnen(QStringLiteral(KALUMO_BEISPIELE_ORDNER "/Blütenpflanze.kal")));
    // the settings dialog cancelled: nothing happens
    EXPECT_EQ(l.Initiieren([](int) { return false; }), Netzsteuerung::Initiierung::Abgebrochen);
    EXPECT_FALSE(NetzMarkeVorhanden(NetzPfadeVon(l.Kom().Ordner, l.Kom().Kanal)));
    int dialogTyp = -1;
    ASSERT_EQ(l.Initiieren([&](int typ) { dialogTyp = typ; return true; }), Netzsteuerung::Initiierung::Gestartet)
        << lehrer.meldungen.Texte().join('\n').toStdString();
    EXPECT_EQ(dialogTyp, lehrer.s.Dok().Kopf.DokTyp);
    EXPECT_EQ(lehrer.s.UebArt(), uebNetzInitiiert);
    EXPECT_EQ(l.Initiieren({}), Netzsteuerung::Initiierung::LaeuftSchon);
    const NetzPfade p = NetzPfadeVon(l.Kom().Ordner, l.Kom().Kanal);
    EXPECT_TRUE(NetzMarkeVorhanden(p));

    // the teacher computer: no own exercise, no joining, no communication settings
    lehrer.meldungen.Leeren();
    EXPECT_FALSE(lehrer.s.IndividualUebung());
    EXPECT_FALSE(l.BeitrittMoeglich());
    EXPECT_FALSE(l.KommunikationAenderbar());
    EXPECT_EQ(lehrer.meldungen.Texte().size(), 3) << lehrer.meldungen.Texte().join('\n').toStdString();
    EXPECT_TRUE(lehrer.meldungen.Texte().contains(NetzBeitrittAmLehrerPCText()));

    // the participant joins: the exercise document is its current one, the run in the slot
    ASSERT_TRUE(t.Beitreten(QStringLiteral("Anna"))) << schueler.meldungen.Texte().join('\n').toStdString();
    EXPECT_EQ(schueler.s.Modus(), modusUebung);
    EXPECT_EQ(schueler.s.UebArt(), uebNetzTeilnahme);
    EXPECT_NE(schueler.s.AktuelleUebung(), nullptr);
    EXPECT_TRUE(schueler.s.DokumentOffen());
    EXPECT_EQ(schueler.s.Dok().Kopf.titel, lehrer.s.Dok().Kopf.titel);
    schueler.meldungen.Leeren();
    EXPECT_FALSE(schueler.s.IndividualUebung());
    EXPECT_FALSE(t.KommunikationAenderbar());
    EXPECT_FALSE(t.BeitrittMoeglich());
    EXPECT_EQ(schueler.meldungen.Texte().size(), 3);

    // one answer, then the abort (the question answered "Ja")
    EXPECT_TRUE(KarteAufZiel(schueler.s.Uebungsobjekt(), 0, 0).Urteil.Beurteilt);
    schueler.meldungen.AntwortVormerken(Antwort::Ja);
    EXPECT_TRUE(schueler.s.Uebungsobjekt().UebungAbbrechen());
    schueler.s.LernansichtAktivieren();
    QCoreApplication::processEvents();
    EXPECT_FALSE(schueler.s.DokumentOffen());   // the start page again
    EXPECT_FALSE(t.NimmtTeil());

    // the teacher's row: joined, one answer, aborted; nothing for the best list
    l.Lehrer().Abholen();
    ASSERT_EQ(l.Lehrer().Teilnehmerzahl(), 1);
    EXPECT_EQ(l.Lehrer().Kontrolle().Zelle(0, 2), "Anna");
    EXPECT_EQ(l.Lehrer().Kontrolle().Zelle(0, 3), "abgebr.");
    EXPECT_EQ(l.Lehrer().Kontrolle().Zelle(0, kNetzFesteSpalten), "ok");
    EXPECT_EQ(l.Lehrer().Bestenlisteneintraege(), 0);
    EXPECT_EQ(l.Lehrer().Statistik().Ignoriert, 0);

    // the end: "Nein" keeps it, "Ja" ends it; the files go, the mark too
    lehrer.meldungen.AntwortVormerken(Antwort::Nein);
    EXPECT_FALSE(l.Beenden());
    EXPECT_TRUE(l.LehrerAktiv());
    lehrer.meldungen.AntwortVormerken(Antwort::Ja);
    EXPECT_TRUE(l.Beenden());
    EXPECT_FALSE(l.LehrerAktiv());
    EXPECT_EQ(lehrer.s.UebArt(), uebIndividual);
    EXPECT_FALSE(QFileInfo::exists(p.Dokument()));
    EXPECT_FALSE(NetzMarkeVorhanden(p));
    EXPECT_TRUE(l.KommunikationAenderbar());
}

// A session that ends while its exercise is active removes the exercise files.
TEST(Netzsteuerung, ProgrammendeRaeumtDieUebungsdateienAuf)
{
    QTemporaryDir kom;
    NetzPfade p;
    {
        Rechner lehrer(kom.path());
        ASSERT_TRUE(lehrer.s.DokumentOeffnen(QStringLiteral(KALUMO_BEISPIELE_ORDNER "/Blütenpflanze.kal")));
        ASSERT_EQ(lehrer.s.Netz().Initiieren({}), Netzsteuerung::Initiierung::Gestartet);
        p = NetzPfadeVon(lehrer.s.Netz().Kom().Ordner, lehrer.s.Netz().Kom().Kanal);
        ASSERT_TRUE(QFileInfo::exists(p.Dokument()));
    }
    EXPECT_FALSE(QFileInfo::exists(p.Dokument()));
    EXPECT_FALSE(QFileInfo::exists(p.Einstellungen()));
    EXPECT_FALSE(NetzMarkeVorhanden(p));
}

// The settings of the dialogs go into the settings file with the grade scale;
// feedback is always immediate.
TEST(Netzsteuerung, EinstellungenFuerDieEinstellungsdatei)
{
    UebEinstTyp e;
    e.RiFaRueckmeldung = 1;
    e.AbfrageModus = 3;
    e.Zeitlimit = zlMitLimit;
    e.ZLimit = 90;
    e.AnzZeichenVorgeben = 1;
    NotenskalaTyp skala;
    skala.BewertSkala = 2;
    const NetzUebEinstTyp n = NetzUebEinstAusUebEinst(e, skala);
    EXPECT_EQ(n.RiFaRueckmeldung, 0);
    EXPECT_EQ(n.AbfrageModus, 3);
    EXPECT_EQ(n.Zeitlimit, zlMitLimit);
    EXPECT_EQ(n.ZLimit, 90);
    EXPECT_EQ(n.BewertSkala, 2);
    EXPECT_EQ(n.AnzZeichenVorgeben, 1);
    EXPECT_TRUE(n.NoteMinQuote.has_value());
    // and back: the participant's run takes them
    const UebEinstTyp zurueck = NetzUebEinstFuerLauf(n, UebEinstTyp{});
    EXPECT_EQ(zurueck.AbfrageModus, 3);
    EXPECT_EQ(zurueck.ZLimit, 90);
    EXPECT_EQ(zurueck.AnzZeichenVorgeben, 1);
}
