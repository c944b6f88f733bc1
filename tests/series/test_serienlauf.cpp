// The series runner with a scripted exercise engine: the chain of partial
// exercises, the total result, the settings each partial exercise gets,
// packages opened for a run, aborts and failed starts.

#include "Serienhilfen.h"
#include "series/Serienlauf.h"

#include <QTemporaryDir>

#include <limits>

#include <gtest/gtest.h>

using namespace kalumo;
using namespace kalumo::test;

namespace {

// The exercise engine and the main window as the runner sees them.
class SkriptUebung : public SkriptDienste<SerienUebungsDienste>
{
public:
    void TeilnehmerNameSetzen(const QString &n) override { name = n; }
    QString TeilnehmerName() const override { return name; }
    bool NamenseingabeAn() const override { return namenseingabe; }
    QString NameAbfragen() override
    {
        ++nameGefragt;
        return eingegebenerName;
    }
    bool TeiluebungStarten(const TeiluebungStart &s) override
    {
        starts.push_back(s);
        return !scheitertBei || *scheitertBei != s.Position;
    }
    void SerieStatusZeigen(int position, int anzahl) override { status.emplace_back(position, anzahl); }
    void TeiluebungAufraeumen() override { ++aufgeraeumt; }
    SerienBewertung Bewerten(double leistung) override
    {
        bewertet = leistung;
        return {3, QStringLiteral("befriedigend"), QStringLiteral("Note")};
    }
    void StatusPanelsVerbergen() override { ++panelsVerborgen; }
    void ProtokollSetzen(const QString &p) override { protokoll = p; }
    void SerieBeendetZeigen(const UebungsserieDataTyp &serie, const SerienBewertung &b) override
    {
        endeLeistungText = LeistungProzentText(serie.Gesamtleistung);
        endeBewertung = b;
        ++endeGezeigt;
    }
    void UebungVerlassen() override { ++verlassen; }
    void DokumentSchliessen() override { ++geschlossen; }

    QString name;
    bool namenseingabe = false;
    QString eingegebenerName = QStringLiteral("Mia");
    int nameGefragt = 0;
    std::optional<int> scheitertBei;
    std::vector<TeiluebungStart> starts;
    std::vector<std::pair<int, int>> status;
    int aufgeraeumt = 0;
    double bewertet = -1;
    int panelsVerborgen = 0;
    QString protokoll;
    QString endeLeistungText;
    SerienBewertung endeBewertung;
    int endeGezeigt = 0;
    int verlassen = 0;
    int geschlossen = 0;
};

UebungsserieDokTyp eintrag(const QString &datei, int gewichtung, int zeit = 0, int modus = 0)
{
    UebungsserieDokTyp e;
    e.Datei = datei;
    e.Titel = datei;
    e.Gewichtung = gewichtung;
    e.Zeit = zeit;
    e.Abfragemodus = modus;
    return e;
}

} // namespace

TEST(Serienlauf, GewichteteGesamtleistungUndMeldungen)
{
    UebungsserieDataTyp serie;
    serie.Protokolltitel = "Bio-Test";
    serie.Information = "A<tab>B";
    serie.Dokumente = {eintrag("/s/a.kal", 1), eintrag("/s/b.kal", 1, 5), eintrag("/s/c.kal", 2)};
    SkriptUebung d;
    d.namenseingabe = true;

    ASSERT_TRUE(SerieAusListeStarten(serie, d, uebmodusOhneRueckmeldung, false));
    EXPECT_EQ(d.nameGefragt, 1);
    EXPECT_EQ(d.name, "Mia");
    EXPECT_EQ(d.bibliothekNeu, 1);
    EXPECT_EQ(serie.Gewichtssumme, 4.0);
    ASSERT_EQ(d.starts.size(), 1u);
    EXPECT_EQ(d.starts[0].Datei, "/s/a.kal");
    EXPECT_FALSE(d.starts[0].AusPaket());
    EXPECT_EQ(d.starts[0].Uebungsmodus, 2);
    EXPECT_EQ(d.starts[0].RueckmeldungRichtig, 2);

    TeiluebungBeendet(serie, d, 1.0, "<tit>Übungsprotokoll zu Teilübung Nr. 1");
    ASSERT_EQ(d.starts.size(), 2u);
    EXPECT_EQ(d.starts[1].Position, 1);
    EXPECT_EQ(d.starts[1].ZLimit(), 300);   // Zeit 5
    EXPECT_EQ(d.starts[0].ZLimit(), 0);
    TeiluebungBeendet(serie, d, 0.5, "P2");
    TeiluebungBeendet(serie, d, 0.25, "P3");

    EXPECT_EQ(d.meldungen.Texte(),
              (QStringList{"Teilübung Nr. 1 von 3 ist beendet.\r\nMit Klick auf OK startet die nächste Teilübung.",
                           "Teilübung Nr. 2 von 3 ist beendet.\r\nMit Klick auf OK startet die nächste Teilübung.",
                           "Teilübung Nr. 3 von 3 ist beendet."}));
    for (const auto &m : d.meldungen.Gezeigt())
        EXPECT_EQ(m.Art, MeldungArt::Information);
    EXPECT_DOUBLE_EQ(serie.Gesamtleistung, 0.5);
    EXPECT_DOUBLE_EQ(d.bewertet, 0.5);
    EXPECT_EQ(d.endeLeistungText, "50.0 %");
    EXPECT_EQ(serie.Note, 3);
    EXPECT_EQ(d.endeGezeigt, 1);
    EXPECT_EQ(d.panelsVerborgen, 1);
    EXPECT_EQ(d.aufgeraeumt, 3);
    EXPECT_EQ(d.verlassen, 1);
    EXPECT_EQ(d.geschlossen, 0) << "documents read from their own files stay open";
    EXPECT_EQ(d.status, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}, {2, 3}}));
    EXPECT_FALSE(SerieLaeuft(serie));

    const QString erwartet = QStringLiteral(
        "<tit>Gesamtprotokoll der Übungsserie\r\n\r\n"
        "<tit>Bio-Test\r\n\r\n"
        "A\tB\r\n\r\n"
        "Teilnehmername:\tMia\r\n\r\n\r\n"
        "<tit>Gesamtergebnis\r\n"
        "Gesamtleistung:\t50.0 %\r\n"
        "Bewertung:\tbefriedigend\r\n"
        "Note:\t3\r\n"
        "\r\n\r\n<tit>Übungsprotokoll zu Teilübung Nr. 1\r\n\r\nP2\r\n\r\nP3\r\n");
    EXPECT_EQ(serie.Gesamtprotokoll, erwartet);
    EXPECT_EQ(d.protokoll, erwartet);

    // a late result after the end changes nothing
    TeiluebungBeendet(serie, d, 1.0, "spät");
    EXPECT_EQ(d.endeGezeigt, 1);
    EXPECT_DOUBLE_EQ(serie.Gesamtleistung, 0.5);
}

TEST(Serienlauf, ProtokollOhneTitelInformationUndName)
{
    UebungsserieDataTyp serie;
    serie.Dokumente = {eintrag("/s/a.kal", 1)};
    SkriptUebung d;
    d.eingegebenerName.clear();
    ASSERT_TRUE(SerieStarten(serie, d, false));
    EXPECT_EQ(d.nameGefragt, 0) << "the name option is off and the name not compulsory";
    TeiluebungBeendet(serie, d, 0.123, "P");
    EXPECT_EQ(serie.Gesamtprotokoll, "<tit>Gesamtprotokoll der Übungsserie\r\n\r\n"
                                     "Teilnehmername:\t(kein Name)\r\n\r\n\r\n"
                                     "<tit>Gesamtergebnis\r\n"
                                     "Gesamtleistung:\t12.3 %\r\n"
                                     "Bewertung:\tbefriedigend\r\n"
                                     "Note:\t3\r\n"
                                     "\r\n\r\nP\r\n");
}

TEST(Serienlauf, AbbruchUndGescheiterterStartBeendenDieSerieOhneErgebnis)
{
    {
        UebungsserieDataTyp serie;
        serie.Dokumente = {eintrag("/s/a.kal", 1), eintrag("/s/b.kal", 1)};
        SkriptUebung d;
        ASSERT_TRUE(SerieStarten(serie, d, false));
        SerieAbbrechen(serie);
        TeiluebungBeendet(serie, d, 1.0, "P");
        EXPECT_EQ(d.starts.size(), 1u);
        EXPECT_TRUE(d.meldungen.Texte().isEmpty());
        EXPECT_EQ(d.endeGezeigt, 0);
        EXPECT_TRUE(serie.Gesamtprotokoll.isEmpty());
    }
    {
        UebungsserieDataTyp serie;
        serie.Dokumente = {eintrag("/s/a.kal", 1), eintrag("/s/fehlt.kal", 1), eintrag("/s/c.kal", 1)};
        SkriptUebung d;
        d.scheitertBei = 1;
        ASSERT_TRUE(SerieStarten(serie, d, false));
        TeiluebungBeendet(serie, d, 1.0, "P");
        EXPECT_EQ(d.starts.size(), 2u);
        EXPECT_FALSE(SerieLaeuft(serie));
        EXPECT_EQ(d.verlassen, 1);
        EXPECT_EQ(d.endeGezeigt, 0);
        TeiluebungBeendet(serie, d, 1.0, "P");
        EXPECT_EQ(d.starts.size(), 2u);
    }
}

TEST(Serienlauf, LeereListeUndGewichteOhneSummeWerdenAbgelehnt)
{
    struct Fall
    {
        const char *name;
        std::vector<UebungsserieDokTyp> dokumente;
        QString meldung;
    };
    const std::vector<Fall> faelle = {
        {"leer", {}, MeldungKeineDokumente()},
        {"Summe 0", {eintrag("/a.kal", 0), eintrag("/b.kal", 0)}, MeldungGewichtungNull()},
        {"negativ", {eintrag("/a.kal", 2), eintrag("/b.kal", -2)}, MeldungGewichtungNegativ(2)},
    };
    for (const Fall &f : faelle) {
        UebungsserieDataTyp serie;
        serie.Dokumente = f.dokumente;
        SkriptUebung d;
        EXPECT_FALSE(SerieStarten(serie, d, true)) << f.name;
        EXPECT_EQ(d.meldungen.Texte(), QStringList{f.meldung}) << f.name;
        EXPECT_TRUE(d.starts.empty()) << f.name;
        EXPECT_EQ(d.nameGefragt, 0) << f.name;
        EXPECT_FALSE(SerieLaeuft(serie)) << f.name;
    }
    // a result that is no number or out of range counts within 0…1
    EXPECT_DOUBLE_EQ(SerienGesamtleistung(3.0, 2.0), 1.0);
    EXPECT_DOUBLE_EQ(SerienGesamtleistung(1.0, 0.0), 0.0);
    UebungsserieDataTyp serie;
    serie.Dokumente = {eintrag("/a.kal", 1)};
    SkriptUebung d;
    ASSERT_TRUE(SerieStarten(serie, d, false));
    TeiluebungBeendet(serie, d, std::numeric_limits<double>::quiet_NaN(), "P");
    EXPECT_EQ(d.endeLeistungText, "0.0 %");
}

TEST(Serienlauf, EinstellungenDerTeiluebungNachDokumenttyp)
{
    // settings from the dialogs: 0 RiFa 1 ZRichtig 1 ZFalsch 2 Texte 2 Ziele 3 Modus 1 Limit 1 ZLimit 99 AnzZeichen 1
    const UebEinstBlock dialog{1, 0, 1, 2, 1, 2, 1, 1, 99, 1};
    TeiluebungStart s;
    s.Abfragemodus = 3;
    s.Uebungsmodus = 2;
    s.RueckmeldungRichtig = 2;
    s.Zeit = 5;
    struct Fall
    {
        int dokTyp;
        bool eigene;
        UebEinstBlock erwartet;
    };
    const std::vector<Fall> faelle = {
        {dokBildbeschriftung, false, {1, 0, 2, 2, 0, 1, 3, 1, 300, 1}},
        {dokLueckentext, false, {1, 0, 2, 2, 0, 1, 3, 1, 300, 1}},
        {dokEinzelfragen, false, {1, 0, 2, 2, 0, 1, 0, 1, 300, 1}},
        {dokMultipleChoice, false, {1, 0, 2, 2, 0, 1, 0, 1, 300, 1}},
        {dokCluster, false, {1, 0, 0, 0, 1, 2, 0, 1, 300, 1}},   // mode 3 is impossible for a cluster
        {dokKreuzZuordnung, false, {1, 0, 0, 0, 1, 2, 0, 1, 300, 1}},
        {dokKreuzwortraetsel, false, {1, 0, 2, 2, 0, 1, 3, 1, 300, 1}},
        {dokWoerterFinden, false, {1, 0, 0, 0, 1, 2, 0, 1, 300, 1}},
        {dokBildbeschriftung, true, {1, 0, 1, 2, 1, 2, 1, 1, 300, 1}},   // only the time
    };
    for (const Fall &f : faelle) {
        UebEinstBlock e = dialog;
        SerienEinstellungenAnwenden(e, s, f.dokTyp, f.eigene);
        EXPECT_EQ(e, f.erwartet) << "Typ " << f.dokTyp << (f.eigene ? " mit eigenen" : "");
    }
    TeiluebungStart ohneZeit;
    ohneZeit.Abfragemodus = 1;
    UebEinstBlock e = dialog;
    SerienEinstellungenAnwenden(e, ohneZeit, dokCluster, false);
    EXPECT_EQ(e[uebeinst::AbfrageModus], 1);
    EXPECT_EQ(e[uebeinst::Zeitlimit], 0);
    EXPECT_EQ(e[uebeinst::ZLimit], 0);
    EXPECT_EQ(ZeitlimitSekunden(1'000'000'000), std::numeric_limits<int>::max());
}

class Paketlauf : public ::testing::Test
{
protected:
    QString paketAnlegen(const QByteArray &version, std::vector<PaketEintragRoh> eintraege)
    {
        const QString pfad = tmp.filePath("serie.kausp");
        DateiSchreiben(pfad, PaketRoh(version, eintraege, 2, "Bio-Test", "A<tab>B"));
        return pfad;
    }
    std::vector<PaketEintragRoh> dreiDokumente()
    {
        return {{"C:\\S\\a.kal", "A", "a.kal", 1, 0, 3, DokumentBytes("A")},
                {"C:\\S\\b.kal", "B", "b.kal", 1, 5, 1, DokumentBytes("B", dokCluster)},
                {"C:\\S\\c.kal", "C", "c.kal", 2, 0, 0, DokumentBytes("C", dokEinzelfragen)}};
    }

    QTemporaryDir tmp;
    UebungsserieDataTyp serie;
    SkriptUebung d;
};

TEST_F(Paketlauf, FrageUndStartMitNamenspflicht)
{
    const QString pfad = paketAnlegen("01.02", dreiDokumente());
    d.meldungen.AntwortVormerken(Antwort::Ja);
    ASSERT_TRUE(SeriePaketOeffnen(serie, d, pfad));
    ASSERT_FALSE(d.meldungen.Gezeigt().empty());
    EXPECT_EQ(d.meldungen.Gezeigt()[0].Art, MeldungArt::Frage);
    EXPECT_EQ(d.meldungen.Gezeigt()[0].Text,
              "Die Übungs-Serie wird jetzt gestartet. Fortfahren?\r\n\r\nBio-Test\r\n\r\nA B");
    EXPECT_EQ(d.nameGefragt, 1) << "a package always asks for the name";
    EXPECT_EQ(serie.Paketdatei, pfad);
    EXPECT_EQ(serie.Uebungsmodus, 2);
    EXPECT_EQ(serie.RueckmeldungRichtig, 2);
    EXPECT_EQ(d.skalaGesetzt, 1);
    EXPECT_EQ(d.skala.BewertSkala, 2);
    EXPECT_DOUBLE_EQ(d.skala.NoteMinQuote[0], 0.9);

    ASSERT_EQ(d.starts.size(), 1u);
    const QByteArray bytes = Dateibytes(pfad);
    EXPECT_EQ(d.starts[0].Datei, pfad);
    EXPECT_TRUE(d.starts[0].AusPaket());
    EXPECT_EQ(d.starts[0].Abfragemodus, 3);
    EXPECT_EQ(bytes.mid(d.starts[0].Offset, d.starts[0].Laenge), dreiDokumente()[0].Dokument);

    TeiluebungBeendet(serie, d, 1.0, "P1");
    TeiluebungBeendet(serie, d, 0.5, "P2");
    TeiluebungBeendet(serie, d, 0.25, "P3");
    EXPECT_EQ(d.endeLeistungText, "50.0 %");
    EXPECT_EQ(d.geschlossen, 1) << "after a package the document is closed";
    EXPECT_TRUE(serie.Gesamtprotokoll.contains("A\tB\r\n"));
}

TEST_F(Paketlauf, AbgelehnteFrageBehaeltDieDaten)
{
    const QString pfad = paketAnlegen("01.01", dreiDokumente());
    d.meldungen.AntwortVormerken(Antwort::Nein);
    EXPECT_FALSE(SeriePaketOeffnen(serie, d, pfad));
    EXPECT_TRUE(d.starts.empty());
    EXPECT_EQ(serie.Dokumente.size(), 3u);
    EXPECT_EQ(serie.Paketdatei, pfad);
    EXPECT_EQ(d.skalaGesetzt, 0) << "01.01 carries no grading scale";
}

TEST_F(Paketlauf, AlteVersionLaeuftMitAbfragemodusNull)
{
    const QString pfad = paketAnlegen("01.00", dreiDokumente());
    d.meldungen.AntwortVormerken(Antwort::Ja);
    ASSERT_TRUE(SeriePaketOeffnen(serie, d, pfad));
    for (const UebungsserieDokTyp &e : serie.Dokumente)
        EXPECT_EQ(e.Abfragemodus, 0);
    EXPECT_EQ(d.skalaGesetzt, 0);
    EXPECT_EQ(d.starts[0].Abfragemodus, 0);
}

TEST_F(Paketlauf, KaputteUndUnbrauchbarePaketeStartenNichts)
{
    struct Fall
    {
        const char *name;
        QByteArray bytes;
        QStringList meldungen;
    };
    const QString pfad = tmp.filePath("serie.kausp");
    const QByteArray gut = PaketRoh("01.02", dreiDokumente());
    auto nullGewichte = dreiDokumente();
    for (auto &e : nullGewichte)
        e.Gewichtung = 0;
    const std::vector<Fall> faelle = {
        {"Dokument", DokumentBytes("X"), {"Ungültiges Dateiformat."}},
        {"gekürzt", gut.left(gut.size() - 1), {MeldungNichtLesbar(pfad)}},
        {"leer", PaketRoh("01.02", {}), {"Das Übungs-Serien-Paket \"" + pfad + "\" enthält keine Kalumo-Dokumente."}},
        {"Gewichte 0", PaketRoh("01.02", nullGewichte), {MeldungGewichtungNull()}},
    };
    for (const Fall &f : faelle) {
        DateiSchreiben(pfad, f.bytes);
        UebungsserieDataTyp s;
        SkriptUebung u;
        EXPECT_FALSE(SeriePaketOeffnen(s, u, pfad)) << f.name;
        EXPECT_EQ(u.meldungen.Texte(), f.meldungen) << f.name;
        EXPECT_TRUE(u.starts.empty()) << f.name;
    }
    UebungsserieDataTyp s;
    SkriptUebung u;
    EXPECT_FALSE(SeriePaketOeffnen(s, u, tmp.filePath("fehlt.kausp")));
    EXPECT_EQ(u.meldungen.Texte(), QStringList{MeldungDateiFehlt(tmp.filePath("fehlt.kausp"))});
}

TEST_F(Paketlauf, MenueAusfuehrenFragtWaechterUndOeffnetDenDialog)
{
    const QString pfad = paketAnlegen("01.02", dreiDokumente());
    d.dialoge.Antworten = {pfad};
    d.meldungen.AntwortVormerken(Antwort::Nein);
    EXPECT_FALSE(BefehlSerieAusfuehren(serie, d, tmp.path()));
    EXPECT_EQ(d.dialoge.LetzterTitel, "Kalumo-Übungs-Serien-Paket öffnen");
    EXPECT_EQ(d.dialoge.LetzterOrdner, tmp.path());
    EXPECT_EQ(serie.Paketdatei, pfad);
    EXPECT_FALSE(BefehlSerieAusfuehren(serie, d, tmp.path())) << "cancelled dialog";
}

TEST_F(Paketlauf, TeiluebungAusPaketHatKeinenDateinamen)
{
    const QString pfad = paketAnlegen("01.02", dreiDokumente());
    const QByteArray vorher = Dateibytes(pfad);
    d.meldungen.AntwortVormerken(Antwort::Ja);
    ASSERT_TRUE(SeriePaketOeffnen(serie, d, pfad));

    SkriptMeldungen meldungen;
    struct Dienste : EinfacheDokumentDienste
    {
        using EinfacheDokumentDienste::EinfacheDokumentDienste;
        QString SpeichernDialog(const QString &, const QString &) override
        {
            ++gefragt;
            return {};
        }
        int gefragt = 0;
    } dienste(meldungen);
    Dokument dok;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(TeiluebungDokumentLesen(dok, dienste, TeiluebungBeschreiben(serie, i))) << i;
        EXPECT_EQ(dok.Kopf.titel, QString(QChar('A' + i)));
        EXPECT_TRUE(dok.Kopf.Dateiname.isEmpty());
        // "Speichern" asks for a new name instead of writing over the package
        dok.Kopf.Geaendert = true;
        EXPECT_FALSE(BefehlSpeichern(dok, dienste));
        EXPECT_EQ(dienste.gefragt, i + 1);
    }
    EXPECT_EQ(Dateibytes(pfad), vorher);
    EXPECT_TRUE(meldungen.Texte().isEmpty());

    // a document of the list is read from its own file and keeps its name
    const QString eigen = tmp.filePath("eigen.kal");
    DateiSchreiben(eigen, DokumentBytes("Eigen"));
    UebungsserieDataTyp liste;
    liste.Dokumente = {eintrag(eigen, 1)};
    ASSERT_TRUE(TeiluebungDokumentLesen(dok, dienste, TeiluebungBeschreiben(liste, 0)));
    EXPECT_EQ(dok.Kopf.Dateiname, eigen);
}
