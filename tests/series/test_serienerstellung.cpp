// The creation dialog's logic without a window: the folder scan, the table,
// the list check, writing and loading packages, and unpacking.

#include "Serienhilfen.h"
#include "series/Seriendateien.h"
#include "series/Serienerstellung.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kalumo;
using namespace kalumo::test;

namespace {

class Erstellung : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        ordner = tmp.filePath("serie");
        QDir().mkpath(ordner);
    }
    QString datei(const QString &name) const { return ordner + "/" + name; }
    void dokument(const QString &name, const QString &titel, int typ = dokBildbeschriftung, bool eigene = false)
    {
        DateiSchreiben(datei(name), DokumentBytes(titel, typ, eigene));
    }
    // b (cloze), A (questions), c (cluster), e (labelling with stored settings), d (crossword)
    void fuenfDokumente()
    {
        dokument("b.kal", "Lücken", dokLueckentext);
        dokument("A.kal", "", dokEinzelfragen);
        dokument("c.kal", "Körbe", dokCluster);
        dokument("e.kal", "Eigene", dokBildbeschriftung, true);
        dokument("d.kal", "Rätsel", dokKreuzwortraetsel);
    }
    QStringList spalte(const Serienerstellung &e, int s) const
    {
        QStringList l;
        for (int z = 1; z < e.Zeilen(); ++z)
            l << e.Zelle(z, s);
        return l;
    }

    QTemporaryDir tmp;
    QString ordner;
    UebungsserieDataTyp serie;
    SkriptSerienDateiDienste d;
};

} // namespace

TEST_F(Erstellung, OrdnerEinlesenSortiertUndSetztStandardwerte)
{
    fuenfDokumente();
    DateiSchreiben(datei("kaputt.kal"), "kein Dokument");
    DateiSchreiben(datei("notiz.txt"), DokumentBytes("Notiz"));
    dokument("Gross.KAL", "Groß");
    Serienerstellung e(serie, d);
    e.Felder.Ordner = ordner;   // without trailing separator
    e.Felder.StdGewichtung = 3;
    e.Felder.StdZeit = 10;
    ASSERT_TRUE(e.SerieOrdnerEinlesen());
    EXPECT_EQ(e.Felder.Ordner, ordner + "/");
    EXPECT_TRUE(d.meldungen.Texte().isEmpty());
    EXPECT_EQ(d.sanduhr, 0);

    EXPECT_EQ(e.Zeilen(), 7);
    for (int s = 0; s < kSerienSpalten; ++s)
        EXPECT_EQ(e.Zelle(0, s), Serienerstellung::Kopfzeile()[s]);
    EXPECT_EQ(spalte(e, spalteDatei), (QStringList{"A.kal", "b.kal", "c.kal", "d.kal", "e.kal", "Gross.KAL"}));
    EXPECT_EQ(spalte(e, spaltePos), (QStringList{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(spalte(e, spalteAktiv), QStringList(6, "ja"));
    EXPECT_EQ(spalte(e, spalteTitel), (QStringList{"(ohne Titel)", "Lücken", "Körbe", "Rätsel", "Eigene", "Groß"}));
    EXPECT_EQ(spalte(e, spalteGewichtung), QStringList(6, "3"));
    EXPECT_EQ(spalte(e, spalteZeit), QStringList(6, "10"));
    EXPECT_EQ(spalte(e, spalteAbfragemodus),
              (QStringList{"-", "Freie Zuordnung", "Freie Zuordnung", "Freie Zuordnung", "wird aus KAL geladen",
                           "Freie Zuordnung"}));
    const UebungsserieDokTyp &a = serie.Dokumente[0];
    EXPECT_EQ(a.Datei, ordner + "/A.kal");
    EXPECT_EQ(a.Sortname, "a.kal");
    EXPECT_EQ(a.DokTyp, dokEinzelfragen);
    EXPECT_EQ(a.Offset, 0);
}

TEST_F(Erstellung, UngueltigerOrdner)
{
    fuenfDokumente();
    Serienerstellung e(serie, d);
    e.Felder.Ordner = ordner;
    ASSERT_TRUE(e.SerieOrdnerEinlesen());
    e.Felder.Ordner = tmp.filePath("fehlt");
    EXPECT_FALSE(e.SerieOrdnerEinlesen());
    EXPECT_EQ(d.meldungen.Texte(), QStringList{"Der angegebene Ordner für die Übungsserie ist ungültig."});
    EXPECT_EQ(e.Zeilen(), 2);
    EXPECT_EQ(e.Zelle(1, spalteTitel), "");
    EXPECT_TRUE(serie.Dokumente.empty());
    // clicks on the empty row do nothing
    e.ZelleGeklickt(1, spalteAktiv);
    e.ZelleBearbeitet(1, spalteGewichtung, "5");
    EXPECT_EQ(e.Zelle(1, spalteAktiv), "");
}

TEST_F(Erstellung, AnzeigenNimmtOrdnerfeldOderBibliotheksordner)
{
    fuenfDokumente();
    d.bibliothek = ordner + "/";
    Serienerstellung e(serie, d);
    e.Anzeigen();
    EXPECT_EQ(e.Felder.Ordner, ordner + "/");
    EXPECT_EQ(serie.Dokumente.size(), 5u);

    const QString anderer = tmp.filePath("anderer");
    QDir().mkpath(anderer);
    DateiSchreiben(anderer + "/x.kal", DokumentBytes("X"));
    e.Felder.Ordner = anderer;
    e.Anzeigen();
    EXPECT_EQ(serie.Dokumente.size(), 1u) << "an existing folder in the field is kept";
}

TEST_F(Erstellung, TabellenzellenLesenZurueck)
{
    fuenfDokumente();
    Serienerstellung e(serie, d);
    e.Felder.Ordner = ordner;
    ASSERT_TRUE(e.SerieOrdnerEinlesen());

    const std::vector<std::pair<QString, int>> zahlen = {
        {" 2 5 ", 25}, {"x", 0}, {"", 0}, {"2,5", 2}, {"3.5", 4}, {"-1.5", -2}, {"7", 7}, {"1e12", 2147483647}};
    for (const auto &[text, wert] : zahlen) {
        e.ZelleBearbeitet(1, spalteGewichtung, text);
        EXPECT_EQ(serie.Dokumente[0].Gewichtung, wert) << text.toStdString();
        EXPECT_EQ(e.Zelle(1, spalteGewichtung), text);
    }
    e.ZelleBearbeitet(2, spalteZeit, "12");
    EXPECT_EQ(serie.Dokumente[1].Zeit, 12);
    e.ZelleBearbeitet(2, spalteTitel, "neu");   // not editable
    EXPECT_EQ(e.Zelle(2, spalteTitel), "Lücken");

    // Aktiv switches with every click and is read back
    e.ZelleGeklickt(3, spalteAktiv);
    EXPECT_EQ(e.Zelle(3, spalteAktiv), "nein");
    EXPECT_FALSE(serie.Dokumente[2].Aktiv);
    e.Doppelklick();
    EXPECT_EQ(e.Zelle(3, spalteAktiv), "ja");
    EXPECT_TRUE(serie.Dokumente[2].Aktiv);
}

TEST_F(Erstellung, AbfragemodusSchaltenNachDokumenttyp)
{
    fuenfDokumente();
    Serienerstellung e(serie, d);
    e.Felder.Ordner = ordner;
    ASSERT_TRUE(e.SerieOrdnerEinlesen());
    // rows: 1 A questions, 2 b cloze, 3 c cluster, 4 d crossword, 5 e stored settings
    auto klicks = [&](int zeile, int n) {
        QStringList l;
        for (int i = 0; i < n; ++i) {
            e.ZelleGeklickt(zeile, spalteAbfragemodus);
            l << e.Zelle(zeile, spalteAbfragemodus);
        }
        return l;
    };
    EXPECT_EQ(klicks(3, 3), (QStringList{"Texte/Bilder einzeln", "Freie Zuordnung", "Texte/Bilder einzeln"}));
    EXPECT_EQ(serie.Dokumente[2].Abfragemodus, 1);
    EXPECT_EQ(klicks(2, 5), (QStringList{"Texte/Bilder einzeln", "Positionen einzeln", "Texteingabe",
                                         "Freie Zuordnung", "Texte/Bilder einzeln"}));
    EXPECT_EQ(klicks(4, 3).last(), "Texteingabe");
    EXPECT_EQ(klicks(5, 2), QStringList(2, "wird aus KAL geladen"));
    EXPECT_EQ(klicks(1, 2), QStringList(2, "-"));
    // a double click repeats the last cell's action
    e.ZelleGeklickt(3, spalteAbfragemodus);
    e.Doppelklick();
    EXPECT_EQ(serie.Dokumente[2].Abfragemodus, 1);
}

TEST_F(Erstellung, ZeilenVerschieben)
{
    fuenfDokumente();
    Serienerstellung e(serie, d);
    e.Felder.Ordner = ordner;
    ASSERT_TRUE(e.SerieOrdnerEinlesen());
    e.ZelleBearbeitet(1, spalteGewichtung, "9");   // typed, travels with its row
    ASSERT_TRUE(e.ZeileVerschieben(1, 3));
    EXPECT_EQ(spalte(e, spalteDatei), (QStringList{"b.kal", "c.kal", "A.kal", "d.kal", "e.kal"}));
    EXPECT_EQ(spalte(e, spaltePos), (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(e.Zelle(3, spalteGewichtung), "9");
    ASSERT_TRUE(e.ZeileVerschieben(5, 1));
    EXPECT_EQ(spalte(e, spalteDatei), (QStringList{"e.kal", "b.kal", "c.kal", "A.kal", "d.kal"}));
    ASSERT_TRUE(e.ZeileVerschieben(1, 99)) << "beyond the last row: to the end";
    EXPECT_EQ(spalte(e, spalteDatei).last(), "e.kal");
    EXPECT_FALSE(e.ZeileVerschieben(0, 2)) << "the header row stays";
    EXPECT_FALSE(e.ZeileVerschieben(2, 2));
}

TEST_F(Erstellung, ListePruefenMeldetFehlendeAuswahlUndGewichte)
{
    fuenfDokumente();
    Serienerstellung e(serie, d);
    e.Felder.Ordner = ordner;
    ASSERT_TRUE(e.SerieOrdnerEinlesen());
    e.Felder.Titel = "Mein Test";
    e.Felder.Information = "Klasse / Kurs: <tab>7b";
    for (int z = 1; z <= 5; ++z)
        e.ZelleGeklickt(z, spalteAktiv);
    EXPECT_FALSE(e.SerieListePruefen());
    EXPECT_EQ(serie.Protokolltitel, "Mein Test");
    EXPECT_EQ(serie.Information, "Klasse / Kurs: <tab>7b");

    e.ZelleGeklickt(2, spalteAktiv);
    e.ZelleGeklickt(4, spalteAktiv);
    e.ZelleBearbeitet(2, spalteGewichtung, "0");
    e.ZelleBearbeitet(4, spalteGewichtung, "0");
    e.ZelleBearbeitet(1, spalteGewichtung, "-3");   // inactive: does not count
    EXPECT_FALSE(e.SerieListePruefen());
    e.ZelleBearbeitet(4, spalteGewichtung, "-1");
    EXPECT_FALSE(e.SerieListePruefen());
    e.ZelleBearbeitet(4, spalteGewichtung, "1");
    EXPECT_TRUE(e.SerieListePruefen());
    EXPECT_EQ(d.meldungen.Texte(),
              (QStringList{"Es wurden noch keine Kalumo-Dokumente für die Übungs-Serie ausgewählt.",
                           MeldungGewichtungNull(), MeldungGewichtungNegativ(4)}));

    ASSERT_TRUE(e.SerieDirektStarten());
    ASSERT_EQ(serie.Dokumente.size(), 2u);
    EXPECT_EQ(QFileInfo(serie.Dokumente[0].Datei).fileName(), "b.kal");
    EXPECT_EQ(QFileInfo(serie.Dokumente[1].Datei).fileName(), "d.kal");
}

TEST_F(Erstellung, PaketMitDreiVonFuenfAktivenInTabellenreihenfolge)
{
    fuenfDokumente();
    Serienerstellung e(serie, d);
    e.Felder.Ordner = ordner;
    e.Felder.StdGewichtung = 2;
    e.Felder.StdZeit = 4;
    e.Felder.Uebungsmodus = 1;
    e.Felder.Titel = "Mein Test";
    ASSERT_TRUE(e.SerieOrdnerEinlesen());
    d.skala.BewertSkala = 4;
    d.skala.NoteMinQuote[2] = 0.5;
    e.ZelleGeklickt(2, spalteAktiv);   // b off
    e.ZelleGeklickt(4, spalteAktiv);   // d off
    ASSERT_TRUE(e.ZeileVerschieben(5, 1));   // e first
    e.ZelleBearbeitet(2, spalteZeit, "15");  // A
    e.ZelleGeklickt(4, spalteAbfragemodus);  // c: cluster to 1

    EXPECT_FALSE(e.SeriePaketSchreiben()) << "save dialog cancelled";
    EXPECT_EQ(d.dialoge.LetzterTitel, "Übungs-Serien-Paket erstellen");
    EXPECT_EQ(d.dialoge.LetzterOrdner, ordner + "/");
    EXPECT_EQ(d.dialoge.LetzterVorschlag, "Mein Test.kausp");

    const QString pfad = tmp.filePath("paket");   // the extension is added
    d.dialoge.Antworten = {pfad};
    ASSERT_TRUE(e.SeriePaketSchreiben());
    EXPECT_EQ(d.sanduhr, 0);
    SeriePaketInhalt p;
    ASSERT_TRUE(SeriePaketDateiLesen(pfad + ".kausp", p).ok());
    EXPECT_EQ(p.Version, "01.02");
    EXPECT_EQ(p.Ordner, ordner + "/");
    EXPECT_EQ(p.StdGewichtung, 2);
    EXPECT_EQ(p.StdZeit, 4);
    EXPECT_EQ(p.Uebungsmodus, 1);
    EXPECT_EQ(p.Protokolltitel, "Mein Test");
    EXPECT_EQ(p.Skala, d.skala);
    ASSERT_EQ(p.Eintraege.size(), 3u);
    const QStringList namen = {"e.kal", "A.kal", "c.kal"};
    const std::vector<int> modi = {abfrageAusKal, abfrageKeiner, abfrageTexteEinzeln};
    const QByteArray bytes = Dateibytes(pfad + ".kausp");
    for (size_t i = 0; i < 3; ++i) {
        const SeriePaketEintrag &x = p.Eintraege[i];
        EXPECT_EQ(x.Datei, datei(namen[qsizetype(i)]));
        EXPECT_EQ(x.Sortname, namen[qsizetype(i)].toLower());
        EXPECT_EQ(x.Abfragemodus, modi[i]);
        EXPECT_EQ(x.Gewichtung, 2);
        EXPECT_EQ(x.Zeit, i == 1 ? 15 : 4);
        EXPECT_EQ(bytes.mid(x.Offset, x.Laenge), Dateibytes(datei(namen[qsizetype(i)])));
    }
    // the list is kept: writing does not remove inactive entries
    EXPECT_EQ(serie.Dokumente.size(), 5u);
}

TEST_F(Erstellung, UnlesbaresDokumentSchreibtNichts)
{
    fuenfDokumente();
    Serienerstellung e(serie, d);
    e.Felder.Ordner = ordner;
    ASSERT_TRUE(e.SerieOrdnerEinlesen());
    const QString pfad = tmp.filePath("alt.kausp");
    DateiSchreiben(pfad, "altes Paket");
    DateiSchreiben(datei("c.kal"), "inzwischen kaputt");
    d.dialoge.Antworten = {pfad};
    EXPECT_FALSE(e.SeriePaketSchreiben());
    EXPECT_EQ(d.meldungen.Texte(), QStringList{MeldungNichtLesbar(datei("c.kal"))});
    EXPECT_EQ(Dateibytes(pfad), "altes Paket");

    QFile::remove(datei("c.kal"));
    d.meldungen.Leeren();
    d.dialoge.Antworten = {pfad};
    EXPECT_FALSE(e.SeriePaketSchreiben());
    EXPECT_EQ(d.meldungen.Texte(), QStringList{MeldungDateiFehlt(datei("c.kal"))});
    EXPECT_EQ(Dateibytes(pfad), "altes Paket");
}

TEST_F(Erstellung, EntpackenSchreibtNurSichereNamenInDenOrdner)
{
    const QString paket = tmp.filePath("boese.kausp");
    const std::vector<PaketEintragRoh> eintraege = {
        {"../x.kal", "Eins", "x.kal", 1, 0, 0, DokumentBytes("Eins")},
        {"/etc/x.kal", "Zwei", "x.kal", 1, 0, 0, DokumentBytes("Zwei")},
        {"C:\\x.kal", "Drei", "x.kal", 1, 0, 0, DokumentBytes("Drei")},
    };
    DateiSchreiben(paket, PaketRoh("01.02", eintraege));
    const QString ziel = tmp.filePath("ziel");
    QDir().mkpath(ziel);
    const bool etcVorher = QFileInfo::exists("/etc/x.kal");

    const EntpackErgebnis r = SeriePaketEntpacken(paket, ziel, d);
    ASSERT_TRUE(r.Ok);
    EXPECT_EQ(r.Namen, (QStringList{"x.kal", "x (2).kal", "x (3).kal"}));
    EXPECT_EQ(QDir(ziel).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
              (QStringList{"x (2).kal", "x (3).kal", "x.kal"}));
    EXPECT_EQ(Dateibytes(ziel + "/x.kal"), eintraege[0].Dokument);
    EXPECT_EQ(Dateibytes(ziel + "/x (3).kal"), eintraege[2].Dokument);
    EXPECT_FALSE(QFileInfo::exists(tmp.filePath("x.kal")));
    EXPECT_EQ(QFileInfo::exists("/etc/x.kal"), etcVorher);
    EXPECT_TRUE(d.meldungen.Texte().isEmpty());
}

TEST_F(Erstellung, EntpackenFragtVorDemUeberschreiben)
{
    const QString paket = tmp.filePath("p.kausp");
    const std::vector<PaketEintragRoh> eintraege = {
        {"/a/eins.kal", "Eins", "eins.kal", 1, 0, 0, DokumentBytes("Eins")},
        {"/a/zwei.kal", "Zwei", "zwei.kal", 1, 0, 0, DokumentBytes("Zwei")},
        {"/a/drei.kal", "Drei", "drei.kal", 1, 0, 0, DokumentBytes("Drei")},
    };
    DateiSchreiben(paket, PaketRoh("01.02", eintraege));
    const QString ziel = tmp.filePath("ziel/");
    QDir().mkpath(ziel);
    DateiSchreiben(ziel + "eins.kal", "alt eins");
    DateiSchreiben(ziel + "zwei.kal", "alt zwei");
    DateiSchreiben(ziel + "drei.kal", "alt drei");

    d.meldungen.AntwortVormerken(Antwort::Nein);
    d.meldungen.AntwortVormerken(Antwort::Ja);
    d.meldungen.AntwortVormerken(Antwort::Abbrechen);
    const EntpackErgebnis r = SeriePaketEntpacken(paket, ziel, d);
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.Geschrieben, QStringList{ziel + "zwei.kal"});
    EXPECT_EQ(Dateibytes(ziel + "eins.kal"), "alt eins");
    EXPECT_EQ(Dateibytes(ziel + "zwei.kal"), eintraege[1].Dokument);
    EXPECT_EQ(Dateibytes(ziel + "drei.kal"), "alt drei");
    ASSERT_EQ(d.meldungen.Gezeigt().size(), 3u);
    EXPECT_EQ(d.meldungen.Gezeigt()[0].Art, MeldungArt::Frage);
    EXPECT_EQ(d.meldungen.Gezeigt()[0].Text,
              "Die Datei \"" + ziel + "eins.kal\" existiert bereits.\r\nSoll sie überschrieben werden?");

    // a link is never written through
    const QString draussen = tmp.filePath("draussen.kal");
    DateiSchreiben(draussen, "fremd");
    QFile::remove(ziel + "eins.kal");
    ASSERT_TRUE(QFile::link(draussen, ziel + "eins.kal"));
    d.meldungen.Leeren();
    d.meldungen.AntwortVormerken(Antwort::Ja);
    d.meldungen.AntwortVormerken(Antwort::Ja);
    const EntpackErgebnis r2 = SeriePaketEntpacken(paket, ziel, d);
    EXPECT_TRUE(r2.Ok);
    EXPECT_EQ(r2.Namen[0], "eins (2).kal");
    EXPECT_EQ(Dateibytes(draussen), "fremd");
    EXPECT_EQ(Dateibytes(ziel + "eins (2).kal"), eintraege[0].Dokument);
}

TEST_F(Erstellung, EntpackenUndOeffnenBefehle)
{
    const QString paket = tmp.filePath("Meine Serie.kausp");
    DateiSchreiben(paket, PaketRoh("01.02", {{"C:\\S\\a.kal", "A", "a.kal", 1, 0, 0, DokumentBytes("A")}}));
    const QString ziel = tmp.filePath("themen");
    QDir().mkpath(ziel);
    d.dialoge.Antworten = {paket, ziel};
    EXPECT_EQ(BefehlSerieEntpacken(d, tmp.path()), ziel + "/");
    EXPECT_EQ(d.dialoge.LetzterTitel, "Ordner zum Entpacken der Übungs-Serie auswählen");
    EXPECT_EQ(d.dialoge.LetzterOrdner, tmp.path());
    EXPECT_EQ(d.bibliothek, ziel + "/");
    EXPECT_EQ(d.bibliothekNeu, 1);
    EXPECT_TRUE(QFileInfo::exists(ziel + "/a.kal"));

    const QString serien = tmp.filePath("kausp");
    d.dialoge.Antworten = {paket};
    EXPECT_FALSE(BefehlSerieOeffnen(d, serien, tmp.path())) << "the series folder does not exist";
    EXPECT_EQ(d.meldungen.Texte(), QStringList{"Der angegebene Ordner zum Öffnen von Übungs-Serien ist ungültig."});
    QDir().mkpath(serien);
    d.dialoge.Antworten = {paket};
    const auto geoeffnet = BefehlSerieOeffnen(d, serien, tmp.path());
    ASSERT_TRUE(geoeffnet);
    EXPECT_EQ(geoeffnet->Paket, paket);
    EXPECT_EQ(geoeffnet->Ordner, serien + "/Meine Serie/");
    EXPECT_TRUE(QFileInfo::exists(serien + "/Meine Serie/a.kal"));
}

TEST_F(Erstellung, PaketLadenAusEntpacktemOrdner)
{
    const QString paket = tmp.filePath("p.kausp");
    std::vector<PaketEintragRoh> eintraege = {
        {"C:\\S\\c.kal", "Körbe", "c.kal", 4, 3, 1, DokumentBytes("Körbe", dokCluster)},
        {"C:\\S\\e.kal", "Eigene", "e.kal", 1, 0, -2, DokumentBytes("Eigene", dokBildbeschriftung, true)},
        {"C:\\S\\weg.kal", "Weg", "weg.kal", 1, 0, 0, DokumentBytes("Weg")},
    };
    DateiSchreiben(paket, PaketRoh("01.02", eintraege, 2, "Serie X", "Info"));
    const QString ziel = tmp.filePath("entpackt/");
    ASSERT_TRUE(SeriePaketEntpacken(paket, ziel, d).Ok);
    QFile::remove(ziel + "weg.kal");

    Serienerstellung e(serie, d);
    e.Felder.Paketpfad = paket;
    e.Felder.Ordner = ziel;
    e.Anzeigen();
    EXPECT_EQ(e.Felder.StdGewichtung, 2);
    EXPECT_EQ(e.Felder.StdZeit, 7);
    EXPECT_EQ(e.Felder.Uebungsmodus, 2);
    EXPECT_EQ(e.Felder.Titel, "Serie X");
    EXPECT_EQ(e.Felder.Information, "Info");
    EXPECT_EQ(d.skalaGesetzt, 1);
    ASSERT_EQ(serie.Dokumente.size(), 3u);
    EXPECT_EQ(serie.Dokumente[0].Datei, ziel + "c.kal") << "the unpacked file, not the path of the author's computer";
    EXPECT_EQ(serie.Dokumente[0].DokTyp, dokCluster);
    EXPECT_EQ(serie.Dokumente[0].Abfragemodus, 1);
    EXPECT_EQ(serie.Dokumente[0].Gewichtung, 4);
    EXPECT_EQ(serie.Dokumente[0].Zeit, 3);
    EXPECT_EQ(serie.Dokumente[1].Abfragemodus, abfrageAusKal);
    EXPECT_FALSE(serie.Dokumente[2].Aktiv);
    EXPECT_EQ(serie.Dokumente[2].DokTyp, -1);
    EXPECT_EQ(spalte(e, spalteAktiv), (QStringList{"ja", "ja", "nein"}));
    EXPECT_EQ(d.meldungen.Texte().size(), 1);
    EXPECT_EQ(d.sanduhr, 0);

    // the loaded list writes a package again, from the unpacked files
    const QString neu = tmp.filePath("neu.kausp");
    d.dialoge.Antworten = {neu};
    ASSERT_TRUE(e.SeriePaketSchreiben());
    SeriePaketInhalt p;
    ASSERT_TRUE(SeriePaketDateiLesen(neu, p).ok());
    ASSERT_EQ(p.Eintraege.size(), 2u);
    EXPECT_EQ(Dateibytes(neu).mid(p.Eintraege[0].Offset, p.Eintraege[0].Laenge), eintraege[0].Dokument);
}

TEST_F(Erstellung, PaketLadenMitFalscherKennungOderGekuerzt)
{
    const QString paket = tmp.filePath("p.kausp");
    DateiSchreiben(paket, DokumentBytes("kein Paket"));
    Serienerstellung e(serie, d);
    EXPECT_FALSE(e.SeriePaketLaden(paket, ordner));
    EXPECT_EQ(d.meldungen.Texte(), (QStringList{"Ungültiges Dateiformat.", MeldungNichtLesbar(paket)}));
    EXPECT_EQ(e.Zeilen(), 2);

    const QByteArray gut = PaketRoh("01.01", {{"/a/a.kal", "A", "a.kal", 1, 0, 0, DokumentBytes("A")},
                                              {"/a/b.kal", "B", "b.kal", 1, 0, 0, DokumentBytes("B")}});
    DateiSchreiben(paket, gut.left(gut.size() - 10));
    d.meldungen.Leeren();
    EXPECT_FALSE(e.SeriePaketLaden(paket, ordner));
    EXPECT_EQ(d.meldungen.Texte(), QStringList{MeldungNichtLesbar(paket)});
    EXPECT_EQ(e.Zeilen(), 3) << "the table shows what was read";
}
