// The protocol of a run: its lines in every query mode (whole runs), the
// time stamps, the head with the settings section and the statistics, and
// the participant's single end report.

#include "Uebungstesthilfen.h"

#include "exercise/Protokolltext.h"

#include <QLocale>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace kalumo;
using namespace kalumo::test;

namespace {

// Answers every query of an assignment run with the mouse; the very first
// answer goes wrong on purpose.
void EinmalFalschDannRichtig(Testlauf &t)
{
    bool falschGegeben = false;
    auto offen = [&t](int i) { return t.Zustand(i) == abgAusstehend; };
    auto karteDa = [&t](int i) { return t.Sichtbar(ElementArt::Karte, i) != nullptr; };
    const int n = int(t.dok.Objekte.size());
    for (int schritt = 0; schritt < 80 && !t.ende.Erreicht; ++schritt) {
        const int modus = t.u->Modus();
        const AbfrageEintrag akt = t.u->AbfrageListe()[size_t(std::max(0, t.u->Daten().AktAbfrage))];
        int karte = -1, ziel = -1;
        if (modus == abfEinzelTexte) {
            karte = akt.Karte;
            for (int i = 0; i < n && ziel < 0; ++i)
                if (offen(i) && t.Text(i) == t.Text(karte))
                    ziel = i;
        } else if (modus == abfEinzelPositionen) {
            ziel = akt.Ziel;
            for (int i = 0; i < n && karte < 0; ++i)
                if (karteDa(i) && t.Text(i) == t.Text(ziel))
                    karte = i;
        } else {
            for (int i = 0; i < n && ziel < 0; ++i)
                if (offen(i))
                    for (int k = 0; k < n && ziel < 0; ++k)
                        if (karteDa(k) && t.Text(k) == t.Text(i)) {
                            karte = k;
                            ziel = i;
                        }
        }
        ASSERT_GE(karte, 0) << "Schritt " << schritt;
        ASSERT_GE(ziel, 0) << "Schritt " << schritt;
        if (!falschGegeben) {
            falschGegeben = true;
            for (int i = 0; i < n; ++i) {
                if (modus == abfEinzelPositionen ? (karteDa(i) && t.Text(i) != t.Text(ziel))
                                                 : (offen(i) && t.Text(i) != t.Text(karte))) {
                    const auto r = modus == abfEinzelPositionen ? KarteAufZiel(*t.u, i, ziel) : KarteAufZiel(*t.u, karte, i);
                    ASSERT_EQ(r.Urteil.Richtig, std::optional<bool>(false));
                    break;
                }
            }
            continue;
        }
        ASSERT_EQ(KarteAufZiel(*t.u, karte, ziel).Urteil.Richtig, std::optional<bool>(true)) << "Schritt " << schritt;
    }
}

} // namespace

TEST(Uebungsprotokoll, ZeilenJeTypUndAbfragemodus)
{
    struct Fall
    {
        const char *dokument;
        int modus;
        QStringList muster;   // each must match one line of the course
    };
    const Fall faelle[] = {
        {"Blütenpflanze.kal", abfEinzelPositionen,
         {R"(^Der Position ".+" soll das richtige Text- oder Bildkärtchen zugeordnet werden$)",
          R"(^RICHTIG - Der Position von ".+" wird das richtige Text-/Bildkärtchen zugeordnet$)",
          R"(^FALSCH - Der Position von ".+" wird das Text-/Bildkärtchen ".+" zugeordnet$)"}},
        {"Lückentext Rhein.kal", abfFrei,
         {R"(^RICHTIG - Lückentext ".+" wird der richtigen Lücke zugeordnet$)",
          R"(^FALSCH - Lückentext ".+" wird der Lücke von ".+" zugeordnet$)"}},
        {"Lückentext Rhein.kal", abfEinzelTexte,
         {R"(^Lückentext ".+" soll der richtigen Lücke zugeordnet werden$)",
          R"(^RICHTIG - Lückentext ".+" wird richtig zugeordnet$)",
          R"(^FALSCH - Lückentext ".+" wird der Lücke von ".+" zugeordnet$)"}},
        {"Kreuzworträtsel.kal", abfFrei,
         {R"(^RICHTIG - Buchstabenkärtchen ".+" wird der richtigen Position zugeordnet$)",
          R"(^FALSCH - Buchstabenkärtchen ".+" wird der Position von ".+" zugeordnet$)"}},
        {"Kreuzworträtsel.kal", abfEinzelTexte,
         {R"(^Buchstabenkärtchen ".+" soll der richtigen Position zugeordnet werden$)",
          R"(^RICHTIG - Buchstabenkärtchen ".+" wird richtig zugeordnet$)"}},
        {"Kreuzworträtsel.kal", abfEinzelPositionen,
         {R"(^Der Position ".+" soll das richtige Buchstabenkärtchen zugeordnet werden$)",
          R"(^RICHTIG - Der Position von ".+" wird das richtige Buchstabenkärtchen zugeordnet$)",
          R"(^FALSCH - Der Position von ".+" wird das Buchstabenkärtchen ".+" zugeordnet$)"}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(testing::Message() << f.dokument << " Modus " << f.modus);
        Testlauf t(Beispiel(QString::fromUtf8(f.dokument)));
        ASSERT_TRUE(t.Starten(Einst(f.modus)));
        EinmalFalschDannRichtig(t);
        ASSERT_TRUE(t.ende.Erreicht);
        const QStringList zeilen = t.Ablaufzeilen();
        EXPECT_EQ(zeilen.value(0), "Übung wird gestartet");
        for (const QString &m : f.muster)
            EXPECT_FALSE(zeilen.filter(QRegularExpression(m)).isEmpty())
                << m.toStdString() << "\n" << t.u->Daten().ProtokollAblauf.toStdString();
    }
}

TEST(Uebungsprotokoll, ClusterZeigtDieKarteFuerDenKorb)
{
    Testlauf t(Beispiel(QStringLiteral("Cluster Tiere.kal")));
    ASSERT_TRUE(t.Starten(Einst(abfEinzelTexte)));
    const int karte = t.u->AbfrageListe()[size_t(t.u->Daten().AktAbfrage)].Karte;
    t.ErwarteZeilen({"Text-/Bildkärtchen \"" + t.Text(karte) + "\" soll dem richtigen Korb zugeordnet werden"});
}

TEST(Uebungsprotokoll, StempelUndZeilenenden)
{
    // the stamp goes to the course even when the line is for the head
    QString kopf, ablauf;
    ProtokollZeile(kopf, ablauf, QStringLiteral("Kopfzeile"), true, 61'999);
    ProtokollZeile(ablauf, ablauf, QString(), false, 0);
    ProtokollZeile(ablauf, ablauf, QStringLiteral("Ablaufzeile"), true, 600'000);
    EXPECT_EQ(kopf, "Kopfzeile\r\n");
    EXPECT_EQ(ablauf, "01:01 - \r\n10:00 - Ablaufzeile\r\n");
}

TEST(Uebungsprotokoll, KopfNachDemZeitlimit)
{
    // 3 right, 1 failed attempt, 6 open when the time is up
    Dokument dok = Etikettenseite(NeunEtiketten());
    dok.Kopf.titel = QStringLiteral("Wörter üben");
    dok.Kopf.Dateiname = QStringLiteral("/schule/klasse 5/Wörter.kal");
    Testlauf t(std::move(dok));
    const QDateTime beginn(QDate(2026, 12, 11), QTime(9, 30));
    t.u->Jetzt = [beginn] { return beginn; };
    t.u->Umgebung.Rechnername = QStringLiteral("PC-07");
    t.u->Umgebung.Benutzer = QStringLiteral("schueler");
    UebEinstTyp e = Einst(abfFrei, 1, 0, 0, 2);
    e.Zeitlimit = zlMitLimit;
    e.ZLimit = 5;
    ASSERT_TRUE(t.Starten(e));
    KarteAufZiel(*t.u, 0, 0);
    KarteAufZiel(*t.u, 1, 2);
    KarteAufZiel(*t.u, 1, 1);
    KarteAufZiel(*t.u, 3, 3);
    t.Warten(5000);
    ASSERT_TRUE(t.ende.Erreicht);
    const QString kopf =
        "<tit>Übungsprotokoll\r\n"
        "Datum/Uhrzeit (Beginn):\t" + QLocale().toString(beginn, QLocale::ShortFormat) + "\r\n"
        "Teilnehmername:\t(kein Name)\r\n"
        "Rechnername:\tPC-07\r\n"
        "Rechnerbenutzer:\tschueler\r\n"
        "Übungsart:\tIndividual-Übung\r\n"
        "\r\n"
        "<tit>Übungseinstellungen\r\n"
        "Titel:\tWörter üben\r\n"
        "Datei:\tWörter.kal\r\n"
        "Dokumententyp:\tFreie Text-Bild-/Bild-Text-Zuordnung\r\n"
        "Übungsumfang:\t9 Abfragen (komplette Übung)\r\n"
        "Abfragemodus:\tfreie Zuordnung in beliebiger Reihenfolge\r\n"
        "Zeitlimit:\tja, 00:05\r\n"
        "Verhalten bei richtiger Zuordnung:\tgrünes Häkchen setzen\r\n"
        "Verhalten bei Fehlversuch:\tbeliebig viele Zuordnungsversuche erlaubt\r\n"
        "Zuordnungstexte:\talphabetisch geordnet\r\n"
        "Zuordnungsziele (Positionen):\tFragezeichen\r\n"
        "Notengrenzen bzgl. Gesamtleistung:\t85.0% / 70.0% / 55.0% / 40.0% / 25.0% / 0.0%\r\n"
        "\r\n"
        "<tit>Statistik-Zusammenfassung\r\n"
        "Richtig zugeordnet:\t3\r\n"
        "Fehlversuche:\t1\r\n"
        "Erfolgsquote:\t75.0 %\r\n"
        "Offene Positionen:\t6\r\n"
        "Verbliebene Zeit:\t00:00\r\n"
        "Gesamtleistung:\t30.0 %\r\n"
        "Bewertung:\tmangelhaft\r\n"
        "Note:\t5\r\n"
        "\r\n"
        "<tit>Detaillierter Ablauf\r\n";
    EXPECT_EQ(t.u->Daten().ProtokollKopf.toStdString(), kopf.toStdString());
    // the finished protocol is the head followed by the course
    EXPECT_TRUE(t.u->ProtokollText().startsWith(kopf));
    // the clock counts whole seconds left: 5 s are up when less than one is left
    EXPECT_TRUE(t.u->ProtokollText().endsWith("00:04 - Das Zeitlimit ist erreicht, die Übung wird beendet.\r\n"));
    EXPECT_TRUE(t.u->Daten().ProtokollAblauf.startsWith("00:00 - Übung wird gestartet\r\n"));
}

TEST(Uebungsprotokoll, EinstellungsabschnittJeArtUndTyp)
{
    auto lauf = [](int art, int dokTyp) {
        UebDataTyp d;
        d.UebArt = art;
        d.AnzAbfragen = d.GesamtAbfragen = 4;
        d.NoteMinQuote = NotenskalaTyp().NoteMinQuote;
        d.PunkteMinQuote = NotenskalaTyp().PunkteMinQuote;
        ProtokollUmfeld u;
        u.DokTyp = dokTyp;
        return std::make_pair(d, u);
    };
    struct Fall
    {
        const char *name;
        std::function<void(UebDataTyp &, ProtokollUmfeld &)> setzen;
        QStringList enthalten, fehlen;
    };
    const Fall faelle[] = {
        {"Lehrer", [](UebDataTyp &d, ProtokollUmfeld &u) {
             d.UebArt = uebNetzInitiiert;
             d.TeilnehmerName = QStringLiteral("Anna");
             u.KomOrdner = QStringLiteral("/srv/klasse");
             u.KomKanal = QStringLiteral("Raum 12");
         },
         {"Teilnehmername:\t(Initiator der Netzwerk-Übung)", "Übungsart:\tInitiierte Netzwerk-Übung",
          "Kommunikationsordner:\t/srv/klasse", "Kommunikationskanal:\tRaum 12"},
         {}},
        {"Teilnehmer", [](UebDataTyp &d, ProtokollUmfeld &) {
             d.UebArt = uebNetzTeilnahme;
             d.TeilnehmerName = QStringLiteral("nicht dieser");
             d.NetzTeilnehmerName = QStringLiteral("  Ben  ");
         },
         {"Teilnehmername:\tBen", "Übungsart:\tTeilnahme an Netzwerk-Übung"},
         {"Kommunikationsordner:"}},
        {"Teilwiederholung", [](UebDataTyp &d, ProtokollUmfeld &) {
             d.AnzAbfragen = 3;
             d.GesamtAbfragen = 9;
         },
         {"Übungsumfang:\t3 von 9 Abfragen (Teilwiederholung)", "Teilnehmername:\t(kein Name)"},
         {}},
        {"Texteingabe", [](UebDataTyp &d, ProtokollUmfeld &u) {
             u.DokTyp = dokLueckentext;
             u.DokUnterTyp = subCTest;
             u.Modus = abfTexteingabe;
             d.Zeitlimit = zlOhneOhneUhr;
         },
         {"Dokumententyp:\tC-Test", "Abfragemodus:\tTexteingabe", "Zeitlimit:\tnein, ohne Uhr"},
         {"Verhalten bei richtiger Zuordnung:", "Zuordnungstexte:"}},
        {"Cluster", [](UebDataTyp &, ProtokollUmfeld &u) {
             u.DokTyp = dokCluster;
             u.Modus = abfEinzelTexte;
         },
         {"Abfragemodus:\tEinzelabfrage Texte/Bilder", "Zeitlimit:\tnein, mit Uhr"},
         {"Verhalten bei Fehlversuch:"}},
        {"Multiple Choice", [](UebDataTyp &d, ProtokollUmfeld &u) {
             u.DokTyp = dokMultipleChoice;
             d.ZuordnungFalsch = 2;
             d.Zuordnungstexte = 0;
             d.Zuordnungsziele = 1;
         },
         {"Abfragemodus:\tkeine Falsch-Rückmeldung, jede Frage nur einmal stellen",
          "Antwortmöglichkeiten:\twie vorgegeben geordnet", "Reihenfolge der Fragen:\tzufällig gemischt"},
         {"Zuordnungstexte:"}},
        {"Einzelfragen", [](UebDataTyp &d, ProtokollUmfeld &u) {
             u.DokTyp = dokEinzelfragen;
             d.Zuordnungstexte = 0;
             d.Zuordnungsziele = 0;
         },
         {"Abfragemodus:\tsolange wiederholen, bis jede Frage richtig beantwortet wurde",
          "Antwortmöglichkeiten:\talphabetisch geordnet", "Reihenfolge der Fragen:\twie vorgegeben geordnet"},
         {}},
        {"Kreuzzuordnung mit Punkten", [](UebDataTyp &d, ProtokollUmfeld &u) {
             u.DokTyp = dokKreuzZuordnung;
             d.BewertSkala = skalaPunkte0bis12;
         },
         {"Dokumententyp:\tÜber-Kreuz-Zuordnung"},
         {"Abfragemodus:", "Zeitlimit:", "Notengrenzen"}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        auto [d, u] = lauf(uebIndividual, dokBildbeschriftung);
        f.setzen(d, u);
        const QStringList z = Einstellungsabschnitt(d, u);
        for (const QString &zeile : f.enthalten)
            EXPECT_TRUE(z.contains(zeile)) << zeile.toStdString() << "\n" << z.join('\n').toStdString();
        for (const QString &anfang : f.fehlen)
            EXPECT_TRUE(z.filter(QRegularExpression("^" + QRegularExpression::escape(anfang))).isEmpty())
                << anfang.toStdString();
        EXPECT_EQ(z.last(), "");
    }
    // the point scale lists its thresholds from the top down
    auto [d, u] = lauf(uebIndividual, dokKreuzZuordnung);
    d.BewertSkala = skalaPunkte0bis12;
    const QStringList z = Einstellungsabschnitt(d, u);
    EXPECT_TRUE(z[z.size() - 2].startsWith("Punktegrenzen bzgl. Gesamtleistung:\t")) << z[z.size() - 2].toStdString();
}

namespace {

class Serieneintrag : public Serienhaken
{
public:
    bool EintragLaden() override { return true; }
    SerienVorgaben Vorgaben() override
    {
        SerienVorgaben v;
        v.Vorhanden = true;
        v.Nummer = 2;
        v.Gewichtung = QStringLiteral("3");
        return v;
    }
    void TeiluebungBeendet(const Uebung &u) override { Protokoll = u.ProtokollText(); }
    QString Protokoll;
};

class Teilnahme : public Netzhaken
{
public:
    void Ende(const Uebung &u) override { Enden.push_back(u.Daten().EndeGrund); }
    std::vector<int> Enden;
};

} // namespace

TEST(Uebungsprotokoll, TeiluebungEinerSerieNenntNummerUndGewichtung)
{
    Testlauf t(Beispiel(QStringLiteral("Blütenpflanze.kal")));
    Serieneintrag s;
    t.u->Dienste.Serie = &s;
    t.u->EinstellungenVorgeben(Einst());
    ASSERT_TRUE(t.u->StarteUebung(false, wiedKomplett, uebSerie));
    for (int i = 0; i < 5; ++i)
        KarteAufZiel(*t.u, i, i);
    ASSERT_TRUE(t.ende.Erreicht);
    EXPECT_TRUE(s.Protokoll.startsWith("<tit>Übungsprotokoll zu Teilübung Nr. 2\r\n")) << s.Protokoll.toStdString();
    EXPECT_TRUE(s.Protokoll.contains("Übungsart:\tTeilübung einer Übungsserie\r\n"));
    EXPECT_TRUE(s.Protokoll.contains("Note:\t1\r\nGewichtung:\t3\r\n\r\n<tit>Detaillierter Ablauf\r\n"));
}

TEST(Uebungsprotokoll, TeilnehmerMeldetSeinEndeGenauEinmal)
{
    struct Fall
    {
        const char *name;
        bool zeitlimit;
        int grund;
    };
    for (const Fall &f : {Fall{"Zeitlimit", true, endeZeitlimit}, Fall{"Abbruch", false, endeAbgebrochen}}) {
        SCOPED_TRACE(f.name);
        Testlauf t(Beispiel(QStringLiteral("Blütenpflanze.kal")));
        Teilnahme netz;
        t.u->Dienste.Netz = &netz;
        UebEinstTyp e = Einst();
        e.Zeitlimit = zlMitLimit;
        e.ZLimit = 2;
        ASSERT_TRUE(t.Starten(e, wiedKomplett, uebNetzTeilnahme));
        KarteAufZiel(*t.u, 0, 0);
        if (f.zeitlimit) {
            t.Warten(3000);
            ASSERT_TRUE(t.ende.Erreicht);
        } else {
            t.u->Verlassen();
        }
        EXPECT_EQ(netz.Enden, std::vector<int>{f.grund});
    }
}
