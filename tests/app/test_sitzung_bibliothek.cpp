// The library commands of the session: stepping through the list, paging,
// rereading and choosing the folder, the start page and the document shown
// before.

#include "app/Sitzung.h"
#include "platform/Dateidialoge.h"
#include "platform/Meldungen.h"
#include "testhilfen/Fixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kalumo;

namespace {

struct Anzeige : SitzungsAnzeige
{
    int Bibliothek = 0;
    void BibliothekGeaendert() override { ++Bibliothek; }
};

struct Probe
{
    QTemporaryDir programm;
    QTemporaryDir ordner;
    QDir d{ordner.path()};
    Sitzung s{programm.path()};
    SkriptMeldungen meldungen;
    SkriptDateidialoge dialoge;
    Anzeige anzeige;

    explicit Probe(int anzahl)
    {
        s.MeldungenSetzen(&meldungen);
        s.DateidialogeSetzen(&dialoge);
        s.AnzeigeSetzen(&anzeige);
        s.Ansicht().Ansichtsgroesse = QSize(870, 609);
        for (int i = 0; i < anzahl; ++i)
            EXPECT_TRUE(test::DokumentAblegen(Datei(i), QStringLiteral("Thema %1").arg(i + 1)));
        Startargumente a;
        a.Startordner = ordner.path() + "/";
        s.KommandozeileAusfuehren(a);
    }
    QString Datei(int i) const { return d.filePath(QStringLiteral("t%1.kal").arg(i, 3, 10, QLatin1Char('0'))); }
    int Index() const { return s.Dok().Bibliotheksindex; }
};

} // namespace

TEST(SitzungBibliothek, StartLiestDenStartordnerUndNaechstesBeginntBeimErsten)
{
    Probe p(3);
    EXPECT_EQ(p.s.Themen().Anzahl(), 3);
    EXPECT_GE(p.anzeige.Bibliothek, 1);
    EXPECT_EQ(p.Index(), -1);
    p.s.NaechstesDokument();
    EXPECT_EQ(p.s.Dok().Kopf.Dateiname, p.Datei(0));
    EXPECT_EQ(p.Index(), 0);
    p.s.NaechstesDokument();
    p.s.NaechstesDokument();
    EXPECT_EQ(p.Index(), 2);
    // on the last entry nothing changes: neither the document nor the list
    p.s.Dok().Kopf.Geaendert = true; // a reread would ask
    p.s.NaechstesDokument();
    EXPECT_EQ(p.Index(), 2);
    EXPECT_TRUE(p.s.Dok().Kopf.Geaendert);
    EXPECT_TRUE(p.meldungen.Gezeigt().empty());
    p.s.Dok().Kopf.Geaendert = false;
    p.s.VorherigesDokument();
    EXPECT_EQ(p.s.Dok().Kopf.Dateiname, p.Datei(1));
    EXPECT_EQ(p.Index(), 1);
    // the document shown before
    EXPECT_TRUE(p.s.ZuvorAngezeigtesDokument());
    EXPECT_EQ(p.s.Dok().Kopf.Dateiname, p.Datei(2));
    EXPECT_EQ(p.Index(), 2);
}

TEST(SitzungBibliothek, GeaendertesDokumentFragtUndAbbrechenBleibt)
{
    Probe p(2);
    ASSERT_TRUE(p.s.BibliotheksdokumentOeffnen(0));
    p.s.Dok().Kopf.Geaendert = true;
    p.meldungen.AntwortVormerken(Antwort::Abbrechen);
    EXPECT_FALSE(p.s.BibliotheksdokumentOeffnen(1));
    EXPECT_EQ(p.s.Dok().Kopf.Dateiname, p.Datei(0));
    EXPECT_EQ(p.Index(), 0);
    EXPECT_FALSE(p.s.BibliotheksdokumentOeffnen(-1));
    EXPECT_FALSE(p.s.BibliotheksdokumentOeffnen(2));
}

TEST(SitzungBibliothek, VerschwundeneDateiMeldetUndLeertDasDokument)
{
    Probe p(2);
    ASSERT_TRUE(QFile::remove(p.Datei(1)));
    EXPECT_FALSE(p.s.BibliotheksdokumentOeffnen(1));
    EXPECT_FALSE(p.meldungen.Gezeigt().empty());
    EXPECT_EQ(p.Index(), -1);
}

TEST(SitzungBibliothek, NeuEinlesenUndOrdnerWaehlenMeldenDieAnzahl)
{
    Probe p(2);
    ASSERT_TRUE(test::DokumentAblegen(p.Datei(2), "neu"));
    p.s.OrdnerNeuEinlesen();
    ASSERT_EQ(p.meldungen.Texte().size(), 1);
    EXPECT_TRUE(p.meldungen.Texte()[0].startsWith("3 Themendokument(e) eingelesen.\r\n"));

    QTemporaryDir anderer;
    ASSERT_TRUE(test::DokumentAblegen(anderer.path() + "/x.kal", "x"));
    ASSERT_TRUE(p.s.BibliotheksdokumentOeffnen(0));
    p.dialoge.Antworten.push_back(anderer.path());
    EXPECT_TRUE(p.s.OrdnerWaehlen());
    EXPECT_EQ(p.dialoge.LetzterTitel, "Aktuellen Ordner wählen");
    EXPECT_TRUE(p.s.Dok().Kopf.Dateiname.isEmpty()); // closed as "Schließen"
    EXPECT_EQ(p.s.Themen().Anzahl(), 1);
    EXPECT_EQ(p.meldungen.Texte().last().left(2), "1 ");
    // the start page returns to the start folder
    EXPECT_TRUE(p.s.Startseite());
    EXPECT_EQ(p.s.Themen().Anzahl(), 3);
}

TEST(SitzungBibliothek, BlaetternUndSeiteDesAktuellenDokuments)
{
    Probe p(70);
    EXPECT_EQ(p.s.Themen().Seitenanfang(), 0);
    EXPECT_TRUE(p.s.MenueEingabenErmitteln().BibliothekAnzahl == 70);
    p.s.BibliothekBlaettern(true);
    EXPECT_EQ(p.s.Themen().Seitenanfang(), 10);
    p.s.BibliothekBlaettern(false);
    EXPECT_EQ(p.s.Themen().Seitenanfang(), 0);
    ASSERT_TRUE(p.s.BibliotheksdokumentOeffnen(65));
    EXPECT_EQ(p.s.Themen().Seitenanfang(), 10);
    // a document read from elsewhere is not from the list
    QTemporaryDir anderer;
    ASSERT_TRUE(test::DokumentAblegen(anderer.path() + "/y.kal", "y"));
    ASSERT_TRUE(p.s.DokumentOeffnen(anderer.path() + "/y.kal"));
    EXPECT_EQ(p.Index(), -1);
}
