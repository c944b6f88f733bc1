// Whole runs of every document type and query mode, from the start to the
// moment the result is due: object states, open positions, end reason and
// counters.

#include "Uebungstesthilfen.h"

#include "exercise/Normtext.h"
#include "learnview/FragenLayouts.h"
#include "learnview/TextLayouts.h"

#include <gtest/gtest.h>

#include <set>

using namespace kalumo;
using namespace kalumo::test;

namespace {

// The labels of the flower page are objects 0 .. 4.
constexpr int kEtiketten = 5;

void AlleRichtig(Testlauf &t, int anzahl)
{
    for (int i = 0; i < anzahl; ++i) {
        const Aktionsergebnis r = KarteAufZiel(*t.u, i, i);
        EXPECT_FALSE(r.Ignoriert) << i;
        EXPECT_EQ(r.Urteil.Richtig, std::optional<bool>(true)) << i;
    }
}

} // namespace

TEST(UebungTypen, FreieZuordnungOhneFehlerIstHundertProzent)
{
    Testlauf t(Beispiel(QStringLiteral("Blütenpflanze.kal")));
    ASSERT_TRUE(t.Starten(Einst()));
    EXPECT_EQ(t.u->Daten().OffenePositionen, kEtiketten);
    for (int i = 0; i < kEtiketten; ++i) {
        EXPECT_EQ(t.Zustand(i), abgAusstehend);
        EXPECT_TRUE(t.Sichtbar(ElementArt::Karte, i));
    }
    AlleRichtig(t, kEtiketten);
    ASSERT_TRUE(t.ende.Erreicht);
    const UebDataTyp &d = t.ende.Daten;
    EXPECT_EQ(d.EndeGrund, endeFertig);
    EXPECT_EQ(d.OffenePositionen, 0);
    EXPECT_EQ(d.RichtigText, "5");
    EXPECT_EQ(d.FalschText, "0");
    EXPECT_EQ(d.QuoteText, "100.0 %");
    EXPECT_EQ(d.LeistungText, "100.0 %");
    EXPECT_EQ(d.Note, 1);
    for (int i = 0; i < kEtiketten; ++i)
        EXPECT_EQ(t.ende.Zustaende[size_t(i)], abgAufgedeckt);
    // then the learning view: no run, no elements, the page uncovered
    EXPECT_FALSE(t.u->Laeuft());
    EXPECT_TRUE(t.u->Elemente().empty());
    EXPECT_EQ(t.meldungen.Texte(), QStringList{"Die Übung ist beendet."});
    t.ErwarteZeilen({"Übung wird gestartet",
                     "RICHTIG - Text-/Bildkärtchen \"" + t.Text(0) + "\" wird der richtigen Position zugeordnet"});
}

TEST(UebungTypen, RueckmeldungsartenSetzenDieZustaende)
{
    // card 0 first onto the wrong target 1, then onto its own; the rest right
    struct Fall
    {
        int zr, zf, rifa;
        int nachFalsch;     // state of target 1 right after the wrong drop
        int nachRichtig;    // state of target 0 after the right drop
        int ende1;          // state of target 1 when the result is due
        int offen, falsch;  // open positions and failed attempts at the end
    };
    const Fall faelle[] = {
        {0, 0, 0, abgAusstehend, abgAufgedeckt, abgAufgedeckt, 0, 1},
        {1, 0, 0, abgAusstehend, abgGeloest, abgGeloest, 0, 1},
        {2, 0, 0, abgAusstehend, abgOhneRueckmeldung, abgOhneRueckmeldung, 0, 1},
        {0, 1, 0, abgFehlversuch, abgAufgedeckt, abgFehlversuch, 0, 1},
        {1, 1, 0, abgFehlversuch, abgGeloest, abgFehlversuch, 0, 1},
        // feedback only at the end: closed without mark, revealed at the end
        {0, 0, 1, abgOhneRueckmeldung, abgOhneRueckmeldung, abgFehlversuch, 0, 1},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(testing::Message() << "ZR " << f.zr << " ZF " << f.zf << " RiFa " << f.rifa);
        Testlauf t(Beispiel(QStringLiteral("Blütenpflanze.kal")));
        UebEinstTyp e = Einst(abfFrei, f.zr, f.zf);
        e.RiFaRueckmeldung = f.rifa;
        ASSERT_TRUE(t.Starten(e));
        const Aktionsergebnis falsch = KarteAufZiel(*t.u, 0, 1);
        EXPECT_EQ(falsch.Urteil.Richtig, std::optional<bool>(false));
        EXPECT_EQ(t.Zustand(1), f.nachFalsch);
        EXPECT_EQ(t.dok.Objekte[1].Fehlversuche, 1);
        EXPECT_EQ(t.dok.Objekte[0].KartenFehlversuche, 1);
        t.ErwarteZeilen({"FALSCH - Text-/Bildkärtchen \"" + t.Text(0) + "\" wird der Position von \"" + t.Text(1)
                         + "\" zugeordnet"});
        // the card is back at its origin, unless feedback waits for the end (it is gone)
        EXPECT_EQ(t.Sichtbar(ElementArt::Karte, 0) != nullptr, f.rifa == 0);
        if (f.rifa == 1) {
            // without its card position 0 stays open; the others are answered
            for (int i = 1; i < kEtiketten; ++i)
                KarteAufZiel(*t.u, i, i);
        } else {
            KarteAufZiel(*t.u, 0, 0);
            EXPECT_EQ(t.Zustand(0), f.nachRichtig);
            for (int i = 1; i < kEtiketten; ++i)
                KarteAufZiel(*t.u, i, i);
        }
        if (f.zf == 1) {
            // position 1 is closed; card 1 has nowhere to go, the run is over
            EXPECT_TRUE(t.ende.Erreicht);
        }
        ASSERT_TRUE(t.ende.Erreicht);
        EXPECT_EQ(t.ende.Zustaende[1], f.ende1);
        EXPECT_EQ(t.ende.Daten.Falsch, f.falsch);
        EXPECT_EQ(t.ende.Daten.EndeGrund, endeFertig);
    }
}

TEST(UebungTypen, OhneFalschRueckmeldungVerschwindetDieKarteUndDerLaufEndet)
{
    Testlauf t(Beispiel(QStringLiteral("Blütenpflanze.kal")));
    ASSERT_TRUE(t.Starten(Einst(abfFrei, 0, 2)));
    KarteAufZiel(*t.u, 0, 1);
    EXPECT_EQ(t.Zustand(1), abgOhneRueckmeldung);
    EXPECT_FALSE(t.Sichtbar(ElementArt::Karte, 0));
    EXPECT_TRUE(t.meldungen.Texte().isEmpty());
    EXPECT_EQ(t.u->Status().Richtig, "?");   // the status keeps its secret
    for (int i = 2; i < kEtiketten; ++i)
        KarteAufZiel(*t.u, i, i);
    // card 1 has no open place and card 0 is gone: position 0 can never be
    // answered, so the run ends instead of waiting forever
    ASSERT_TRUE(t.ende.Erreicht);
    EXPECT_EQ(t.ende.Daten.OffenePositionen, 1);
    EXPECT_EQ(t.ende.Daten.EndeGrund, endeFertig);
}

TEST(UebungTypen, EinzelabfrageTexteZeigtEineKarteUndHoltFalscheZurueck)
{
    Testlauf t(Beispiel(QStringLiteral("Blütenpflanze.kal")));
    ASSERT_TRUE(t.Starten(Einst(abfEinzelTexte, 0, 0, 1, 0)));
    EXPECT_EQ(t.Sichtbare(ElementArt::Karte), 1);
    const auto &liste = t.u->AbfrageListe();
    const int erste = liste[0].Karte;
    ASSERT_TRUE(t.Sichtbar(ElementArt::Karte, erste));
    // centred in the card column
    const QRect r = t.Sichtbar(ElementArt::Karte, erste)->Rechteck;
    EXPECT_EQ(r.left(), 1209 - 180);
    EXPECT_EQ(r.top(), (700 - r.height()) / 2);
    // wrong: the card is hidden and comes back after all the others
    const int falschesZiel = (erste + 1) % kEtiketten;
    EXPECT_EQ(KarteAufZiel(*t.u, erste, falschesZiel).Urteil.Richtig, std::optional<bool>(false));
    std::vector<int> folge;
    for (int schritt = 0; schritt < kEtiketten && !t.ende.Erreicht; ++schritt) {
        ASSERT_EQ(t.Sichtbare(ElementArt::Karte), 1);
        const int k = liste[size_t(t.u->Daten().AktAbfrage)].Karte;
        folge.push_back(k);
        KarteAufZiel(*t.u, k, k);
    }
    ASSERT_FALSE(folge.empty());
    EXPECT_NE(folge.front(), erste);
    EXPECT_EQ(folge.back(), erste);
    ASSERT_TRUE(t.ende.Erreicht);
    EXPECT_EQ(t.ende.Daten.RichtigText, "5");
    EXPECT_EQ(t.ende.Daten.FalschText, "1");
    // the protocol announced every card it showed
    const long gezeigt = std::count_if(t.protokoll.begin(), t.protokoll.end(), [](const ProtokollEintrag &e) {
        return e.Art == ProtokollArt::KarteGezeigt;
    });
    EXPECT_EQ(gezeigt, 6);
    t.ErwarteZeilen({"Text-/Bildkärtchen \"" + t.Text(erste) + "\" soll der richtigen Position zugeordnet werden",
                     "FALSCH - Text-/Bildkärtchen \"" + t.Text(erste) + "\" wird der Position von \""
                         + t.Text(falschesZiel) + "\" zugeordnet",
                     "RICHTIG - Text-/Bildkärtchen \"" + t.Text(erste) + "\" wird richtig zugeordnet"});
}

TEST(UebungTypen, EinzelabfragePositionenNimmtNurDieMarkiertePosition)
{
    Testlauf t(Beispiel(QStringLiteral("Lückentext Wald mit Falschwörtern.kal")));
    ASSERT_TRUE(t.Starten(Einst(abfEinzelPositionen, 0, 0, 1, 1)));
    const auto &liste = t.u->AbfrageListe();
    // wrong-word cards are in the list, but never the current position
    EXPECT_EQ(std::count_if(liste.begin(), liste.end(), [](const AbfrageEintrag &e) { return e.Ziel < 0; }), 3);
    EXPECT_GE(liste[size_t(t.u->Daten().AktAbfrage)].Ziel, 0);
    const auto luecken = t.ObjekteVon(objAbfrageLuecke);
    int runden = 0;
    while (!t.ende.Erreicht && runden++ < 20) {
        const int ziel = liste[size_t(t.u->Daten().AktAbfrage)].Ziel;
        ASSERT_GE(ziel, 0);
        EXPECT_EQ(t.ansicht->AktAbfrageObjekt, ziel);
        // another open gap does not take a card
        for (int andere : luecken)
            if (andere != ziel && t.Zustand(andere) == abgAusstehend) {
                EXPECT_TRUE(KarteAufZiel(*t.u, andere, andere).Ignoriert);
                break;
            }
        // a wrong word is a failed attempt; the next position is asked, this one comes back later
        if (runden == 1) {
            const int falschwort = t.ObjekteVon(objFalschwort).front();
            EXPECT_EQ(KarteAufZiel(*t.u, falschwort, ziel).Urteil.Richtig, std::optional<bool>(false));
            t.ErwarteZeilen({"Der Lücke \"" + t.Text(ziel) + "\" soll der richtige Lückentext zugeordnet werden",
                             "FALSCH - Der Lücke \"" + t.Text(ziel) + "\" wird der Lückentext \"" + t.Text(falschwort)
                                 + "\" zugeordnet"});
            EXPECT_NE(liste[size_t(t.u->Daten().AktAbfrage)].Ziel, ziel);
            continue;
        }
        const Aktionsergebnis r = KarteAufZiel(*t.u, ziel, ziel);
        t.ErwarteZeilen({"RICHTIG - Der Lücke \"" + t.Text(ziel) + "\" wird der richtige Lückentext zugeordnet"});
        EXPECT_EQ(r.Urteil.Richtig, std::optional<bool>(true))
            << "Runde " << runden << " Ziel " << ziel << " ignoriert " << r.Ignoriert << " Karte "
            << (t.Sichtbar(ElementArt::Karte, ziel) != nullptr);
    }
    ASSERT_TRUE(t.ende.Erreicht);
    EXPECT_EQ(t.ende.Daten.AnzAbfragen, 6);
    EXPECT_EQ(t.ende.Daten.FalschText, "1");
    EXPECT_EQ(t.ende.Daten.RichtigText, "6");
    // the wrong words are still there, nobody can place them
    EXPECT_EQ(t.ende.Elemente.size(), 3u);
}

TEST(UebungTypen, TexteingabeMitAlternativenUndGrossschreibung)
{
    Testlauf t(Beispiel(QStringLiteral("Lückentext Rhein.kal")));
    UebEinstTyp e = Einst(abfTexteingabe);
    e.AnzZeichenVorgeben = 1;
    ASSERT_TRUE(t.Starten(e));
    const auto luecken = t.ObjekteVon(objAbfrageLuecke);
    ASSERT_EQ(luecken.size(), 6u);
    // each field shows the expected length in grey until it is clicked
    const UebElement *feld = t.Sichtbar(ElementArt::Eingabefeld, luecken[0]);
    ASSERT_TRUE(feld);
    EXPECT_EQ(feld->Text, "<6>");
    EXPECT_TRUE(feld->Hinweis);
    // the field stands on the text line of its gap
    const auto mitte = t.u->Zielmitte(luecken[0]);
    ASSERT_TRUE(mitte);
    EXPECT_NEAR(feld->Rechteck.center().x(), mitte->x(), 2);
    EXPECT_LT(feld->Rechteck.top(), mitte->y());
    EXPECT_TRUE(t.Sichtbar(ElementArt::Weiter, t.ObjekteVon(26).front()));

    const QStringList eingaben = {"Flüsse", "Schweizer Alpen", "Bodensee", "norden", "Frankreich", ""};
    for (int i = 0; i < 6; ++i)
        if (!eingaben[i].isEmpty())
            EXPECT_FALSE(Tippen(*t.u, luecken[size_t(i)], eingaben[i]).Ignoriert);
    const Aktionsergebnis r = Pruefen(*t.u);
    EXPECT_TRUE(r.Urteil.Beurteilt);
    EXPECT_FALSE(r.Urteil.Richtig.has_value());
    ASSERT_TRUE(t.ende.Erreicht);
    EXPECT_EQ(t.ende.Daten.RichtigText, "4");
    EXPECT_EQ(t.ende.Daten.FalschText, "2");
    EXPECT_EQ(t.ende.Daten.OffenePositionen, 0);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(t.ende.Zustaende[size_t(luecken[size_t(i)])], abgAufgedeckt);
        EXPECT_EQ(t.ende.Fehlversuche[size_t(luecken[size_t(i)])], (i == 3 || i == 5) ? 1 : 0);
    }
    // the fields keep their colours for the result
    for (const UebElement &f : t.ende.Elemente)
        if (f.Art == ElementArt::Eingabefeld)
            EXPECT_EQ(f.Flaeche, f.Objekt == luecken[3] || f.Objekt == luecken[5] ? elementfarbe::Falsch
                                                                                   : elementfarbe::Richtig);
    std::vector<EingabeErgebnis> ergebnisse;
    for (const ProtokollEintrag &p : t.protokoll)
        if (p.Art == ProtokollArt::Texteingabe)
            ergebnisse.push_back(p.Ergebnis);
    EXPECT_EQ(ergebnisse, (std::vector<EingabeErgebnis>{EingabeErgebnis::Richtig, EingabeErgebnis::Alternativ,
                                                        EingabeErgebnis::Richtig, EingabeErgebnis::Falsch,
                                                        EingabeErgebnis::Richtig, EingabeErgebnis::Falsch}));
    t.ErwarteZeilen({"RICHTIG - Texteingabe \"" + t.Text(luecken[0]) + "\" wurde richtig eingegeben",
                     "RICHTIG - alternative Texteingabe \"Schweizer Alpen\" für \"" + t.Text(luecken[1]) + "\" eingegeben",
                     "FALSCH - Texteingabe \"norden\" statt \"" + t.Text(luecken[3]) + "\" eingegeben",
                     "FALSCH - Texteingabe \"\" statt \"" + t.Text(luecken[5]) + "\" eingegeben"});
}

TEST(UebungTypen, AlternativenWerdenEinzelnVerglichen)
{
    Testlauf t(Beispiel(QStringLiteral("Lückentext Rhein.kal")));
    ASSERT_TRUE(t.Starten(Einst(abfTexteingabe)));
    const int alpen = t.ObjekteVon(objAbfrageLuecke)[1];
    EXPECT_EQ(t.dok.Objekte[size_t(alpen)].BildKenn, "|Alpen|Schweizer Alpen|");
    // the text between two bars is no answer
    Tippen(*t.u, alpen, "Alpen|Schweizer Alpen");
    Pruefen(*t.u);
    ASSERT_TRUE(t.ende.Erreicht);
    EXPECT_EQ(t.ende.Fehlversuche[size_t(alpen)], 1);
}

TEST(UebungTypen, KreuzwortraetselGleicheBuchstabenPassenUeberall)
{
    Testlauf t(Beispiel(QStringLiteral("Kreuzworträtsel.kal")));
    ASSERT_TRUE(t.Starten(Einst(abfFrei, 1)));
    const auto buchstaben = t.ObjekteVon(objKreuzwortGitter);
    ASSERT_EQ(buchstaben.size(), 8u);
    // every card to the last position with the same letter
    for (int karte : buchstaben) {
        int ziel = -1;
        for (int b : buchstaben)
            if (t.dok.Objekte[size_t(b)].Cap == t.dok.Objekte[size_t(karte)].Cap && t.Zustand(b) == abgAusstehend)
                ziel = b;
        ASSERT_GE(ziel, 0);
        EXPECT_EQ(KarteAufZiel(*t.u, karte, ziel).Urteil.Richtig, std::optional<bool>(true));
        t.ErwarteZeilen({"RICHTIG - Buchstabenkärtchen \"" + t.Text(karte) + "\" wird der richtigen Position zugeordnet"});
    }
    ASSERT_TRUE(t.ende.Erreicht);
    for (int b : buchstaben)
        EXPECT_EQ(t.ende.Zustaende[size_t(b)], abgGeloest);
    EXPECT_EQ(t.ende.Daten.RichtigText, "8");
}

TEST(UebungTypen, TabelleMitBildzelle)
{
    Testlauf t(Beispiel(QStringLiteral("Tabelle Formen.kal")));
    ASSERT_TRUE(t.Starten(Einst()));
    const auto bilder = t.ObjekteVon(32);
    ASSERT_EQ(bilder.size(), 1u);
    EXPECT_EQ(t.dok.Objekte[size_t(bilder[0])].Cap, "Dreieck (Bildkennung)");
    const UebElement *bildkarte = t.Sichtbar(ElementArt::Karte, bilder[0]);
    ASSERT_TRUE(bildkarte);
    EXPECT_TRUE(bildkarte->MitBild);
    EXPECT_TRUE(bildkarte->Text.isEmpty());
    for (const AbfrageEintrag &e : std::vector<AbfrageEintrag>(t.u->AbfrageListe()))
        KarteAufZiel(*t.u, e.Ziel, e.Ziel);
    ASSERT_TRUE(t.ende.Erreicht);
    EXPECT_EQ(t.ende.Daten.RichtigText, "8");
    // back in the learning view the image has its own caption again
    EXPECT_EQ(t.dok.Objekte[size_t(bilder[0])].Cap, "");
}

TEST(UebungTypen, EinzelfragenAntwortkarten)
{
    Testlauf t(Beispiel(QStringLiteral("Einzelfragen Hauptstädte.kal")));
    ASSERT_TRUE(t.Starten(Einst(abfFrei, 0, 0, 1, 0)));
    const auto antworten = t.ObjekteVon(objFrageAntwort);
    ASSERT_EQ(antworten.size(), 4u);
    // four distinct answers: four cards, one of them the solution, in the grid
    EXPECT_EQ(t.Sichtbare(ElementArt::Karte), 4);
    const int ziel = t.u->AbfrageListe()[size_t(t.u->Daten().AktAbfrage)].Ziel;
    EXPECT_EQ(t.ansicht->AktFrageNummer, t.dok.Objekte[size_t(ziel)].FrageNummer);
    ASSERT_TRUE(t.Sichtbar(ElementArt::Karte, ziel));
    std::set<int> reihen;
    for (const UebElement &e : t.u->Elemente())
        if (e.Sichtbar) {
            EXPECT_GE(e.Rechteck.width(), 150);
            reihen.insert(e.Rechteck.top());
        }
    EXPECT_EQ(reihen.size(), 2u);   // three columns: rows of 3 and 1

    // a wrong answer keeps the question pending; it comes back after the others
    int falsch = -1;
    for (int a : antworten)
        if (a != ziel && t.Sichtbar(ElementArt::Karte, a))
            falsch = a;
    EXPECT_EQ(AntwortKlicken(*t.u, falsch).Urteil.Richtig, std::optional<bool>(false));
    EXPECT_EQ(t.Zustand(ziel), abgAusstehend);
    {
        // the question, its options as shown with the solution marked, the answer
        const QStringList z = t.Ablaufzeilen();
        const int frage = int(z.indexOf(QStringLiteral("Frage Nr. ") + QString::number(t.dok.Objekte[size_t(ziel)].FrageNummer)));
        ASSERT_GE(frage, 1) << t.u->Daten().ProtokollAblauf.toStdString();
        EXPECT_EQ(z[frage - 1], "");
        EXPECT_FALSE(z[frage + 1].isEmpty());   // the question's text
        EXPECT_TRUE(z[frage + 2].startsWith("Antwortmöglichkeiten: \""));
        EXPECT_TRUE(z[frage + 2].contains("\"" + t.Text(ziel) + "\" (Lösung)"));
        EXPECT_EQ(z[frage + 2].count("(Lösung)"), 1);
        EXPECT_EQ(z[frage + 2].count("\", \""), 3);
        EXPECT_EQ(z[frage + 3], "FALSCH - Gewählte Antwort: \"" + t.Text(falsch) + "\"");
    }
    EXPECT_EQ(t.Sichtbare(ElementArt::Karte), 4);   // the next question
    std::vector<int> gefragt;
    while (!t.ende.Erreicht && gefragt.size() < 10) {
        const int z = t.u->AbfrageListe()[size_t(t.u->Daten().AktAbfrage)].Ziel;
        gefragt.push_back(z);
        EXPECT_EQ(AntwortKlicken(*t.u, z).Urteil.Richtig, std::optional<bool>(true));
    }
    EXPECT_EQ(gefragt.size(), 4u);
    EXPECT_EQ(gefragt.back(), ziel);
    ASSERT_TRUE(t.ende.Erreicht);
    EXPECT_EQ(t.ende.Daten.RichtigText, "4");
    EXPECT_EQ(t.ende.Daten.FalschText, "1");
    EXPECT_EQ(t.ende.Daten.LeistungText, "80.0 %");
    t.ErwarteZeilen({"RICHTIG - Gewählte Antwort: \"" + t.Text(ziel) + "\""});
}

TEST(UebungTypen, EinzelfragenJedeFrageNurEinmal)
{
    Testlauf t(Beispiel(QStringLiteral("Einzelfragen Hauptstädte.kal")));
    ASSERT_TRUE(t.Starten(Einst(abfFrei, 0, 1, 0, 0)));
    const int ziel = t.u->AbfrageListe()[size_t(t.u->Daten().AktAbfrage)].Ziel;
    int falsch = -1;
    for (const UebElement &e : t.u->Elemente())
        if (e.Sichtbar && e.Objekt != ziel)
            falsch = e.Objekt;
    ASSERT_GE(falsch, 0);
    AntwortKlicken(*t.u, falsch);
    EXPECT_EQ(t.Zustand(ziel), abgFalschGeschlossen);
    for (int i = 0; i < 3; ++i)
        AntwortKlicken(*t.u, t.u->AbfrageListe()[size_t(t.u->Daten().AktAbfrage)].Ziel);
    ASSERT_TRUE(t.ende.Erreicht);
    EXPECT_EQ(t.ende.Daten.OffenePositionen, 0);
    EXPECT_EQ(t.ende.Zustaende[size_t(ziel)], abgFalschGeschlossen);
    EXPECT_EQ(t.ende.Daten.LeistungText, "75.0 %");
}

namespace {

Dokument McSeite(const QString &antworten)
{
    Dokument dok = Beispiel(QStringLiteral("Multiple Choice Formen und Tiere.kal"));
    dok.Objekte.erase(std::remove_if(dok.Objekte.begin(), dok.Objekte.end(),
                                     [](const ObjDataTyp &o) { return o.Typ != objMCFrage && o.Typ != objMCFrageBild; }),
                      dok.Objekte.end());
    dok.Objekte.resize(1);
    dok.Objekte[0].Typ = objMCFrage;
    dok.Objekte[0].Cap = KommatextSchreiben({"Welche?", antworten, "", "", "", ""});
    TextLayoutsNeuAufbauen(dok, QStringLiteral("Arial"), QSize(1024, 700), numGeordnet);
    return dok;
}

// Ticks the boxes whose answer text is in texte.
void Ankreuzen(Testlauf &t, const QStringList &texte)
{
    for (int k : t.ObjekteVon(24))
        if (texte.contains(t.dok.Objekte[size_t(k + 1)].Cap))
            EXPECT_FALSE(kalumo::Ankreuzen(*t.u, k).Ignoriert);
}

} // namespace

TEST(UebungTypen, MultipleChoiceTeilpunkte)
{
    struct Fall
    {
        int zf;
        QStringList haken;
        QString richtig, falsch;
        int zustand;
        QString linie, haekchen;
    };
    const Fall faelle[] = {
        // 3 correct, 2 right + 1 wrong tick
        {1, {"a", "b", "d"}, "0.33", "0.67", abgFalschGeschlossen,
         "FALSCH bzw. NICHT KOMPLETT RICHTIG - Gewählte Antwort(en): \"a\", \"b\", \"d\"",
         "Häkchen - richtig: 2 - falsch: 1 - fehlend: 1"},
        {1, {"a", "b", "c"}, "1.00", "0.00", abgAufgedeckt, "RICHTIG - Gewählte Antwort(en): \"a\", \"b\", \"c\"",
         "Häkchen - richtig: 3 - falsch: 0 - fehlend: 0"},
        {2, {"d"}, "0.00", "1.00", abgFalschGeschlossen, "FALSCH bzw. NICHT KOMPLETT RICHTIG - Gewählte Antwort(en): \"d\"",
         "Häkchen - richtig: 0 - falsch: 1 - fehlend: 3"},
        {1, {}, "0.00", "1.00", abgFalschGeschlossen, "FALSCH bzw. NICHT KOMPLETT RICHTIG - Gewählte Antwort(en): - keine -",
         "Häkchen - richtig: 0 - falsch: 0 - fehlend: 3"},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.haken.join(',').toStdString());
        Testlauf t(McSeite("+a\r\n+b\r\n+c\r\n-d"));
        ASSERT_TRUE(t.Starten(Einst(abfFrei, 0, f.zf, 0, 0)));
        EXPECT_EQ(t.Sichtbare(ElementArt::Ankreuzfeld), 4);
        Ankreuzen(t, f.haken);
        Pruefen(*t.u);
        ASSERT_TRUE(t.ende.Erreicht);
        EXPECT_EQ(t.ende.Daten.RichtigText, f.richtig);
        EXPECT_EQ(t.ende.Daten.FalschText, f.falsch);
        EXPECT_EQ(t.ende.Zustaende[0], f.zustand);
        EXPECT_EQ(t.Ablaufzeilen().mid(1, 5),
                  (QStringList{"", "Frage Nr. 1", "Welche?",
                               "Antwortmöglichkeiten: \"a\" (zutreffend), \"b\" (zutreffend), \"c\" (zutreffend), \"d\"",
                               f.linie}));
        t.ErwarteZeilen({f.haekchen});
    }
}

TEST(UebungTypen, MultipleChoiceWiederholteFrageVerdientHoechstensEins)
{
    Testlauf t(McSeite("+a\r\n+b\r\n+c\r\n-d"));
    ASSERT_TRUE(t.Starten(Einst(abfFrei, 0, 0, 0, 0)));
    Ankreuzen(t, {"a", "b", "d"});
    EXPECT_EQ(Pruefen(*t.u).Urteil.Richtig, std::optional<bool>(false));
    EXPECT_EQ(t.Zustand(0), abgAusstehend);
    // asked again: every box unticked
    for (const UebElement &e : t.u->Elemente())
        if (e.Art == ElementArt::Ankreuzfeld)
            EXPECT_FALSE(e.Angekreuzt());
    Ankreuzen(t, {"a", "b", "c"});
    EXPECT_EQ(Pruefen(*t.u).Urteil.Richtig, std::optional<bool>(true));
    ASSERT_TRUE(t.ende.Erreicht);
    EXPECT_EQ(t.ende.Daten.RichtigText, "1.00");
    EXPECT_EQ(t.ende.Daten.FalschText, "1.00");
    EXPECT_EQ(t.ende.Daten.QuoteText, "50.0 %");
    // the tick line after each answer
    std::vector<int> fehlend;
    for (const ProtokollEintrag &p : t.protokoll)
        if (p.Art == ProtokollArt::Haekchen)
            fehlend.push_back(p.AnzFehlend);
    EXPECT_EQ(fehlend, (std::vector<int>{1, 0}));
}

TEST(UebungTypen, MultipleChoiceBeispielKomplett)
{
    Testlauf t(Beispiel(QStringLiteral("Multiple Choice Formen und Tiere.kal")));
    ASSERT_TRUE(t.Starten(Einst(abfFrei, 1, 0, 1, 1)));
    for (int frage = 0; frage < 3; ++frage) {
        ASSERT_FALSE(t.ende.Erreicht);
        const int ziel = t.u->AbfrageListe()[size_t(t.u->Daten().AktAbfrage)].Ziel;
        const int nummer = t.dok.Objekte[size_t(ziel)].FrageNummer;
        for (int k : t.ObjekteVon(24))
            if (t.dok.Objekte[size_t(k)].FrageNummer == nummer) {
                EXPECT_TRUE(t.Sichtbar(ElementArt::Ankreuzfeld, k));
                if (t.dok.Objekte[size_t(k)].Cap == "+")
                    kalumo::Ankreuzen(*t.u, k);
            } else {
                EXPECT_FALSE(t.Sichtbar(ElementArt::Ankreuzfeld, k));
            }
        EXPECT_EQ(Pruefen(*t.u).Urteil.Richtig, std::optional<bool>(true));
    }
    ASSERT_TRUE(t.ende.Erreicht);
    EXPECT_EQ(t.ende.Daten.RichtigText, "3.00");
    // the question with an image says so
    t.ErwarteZeilen({normText(KommatextLesen(t.dok.Objekte[1].Cap).value(0)) + " (Bild)"});
    for (int z : t.ObjekteVon(objMCFrage))
        EXPECT_EQ(t.ende.Zustaende[size_t(z)], abgGeloest);
}

namespace {

Dokument Clusterseite(const std::vector<std::vector<QString>> &spalten)
{
    Dokument dok = Beispiel(QStringLiteral("Cluster Tiere.kal"));
    HeaderDataTyp &k = dok.Kopf;
    k.LueckenTabelleSpalten = int(spalten.size());
    size_t zeilen = 0;
    for (const auto &s : spalten)
        zeilen = std::max(zeilen, s.size());
    k.LueckenTabelleZeilen = int(zeilen);
    for (auto &zeile : k.LueckenTabelle)
        for (lueckentabellearrtyp &c : zeile)
            c = lueckentabellearrtyp();
    for (size_t s = 0; s < spalten.size(); ++s)
        for (size_t z = 0; z < spalten[s].size(); ++z) {
            k.LueckenTabelle[z][s].Text = spalten[s][z];
            k.LueckenTabelle[z][s].Art = 1;
        }
    TextLayoutsNeuAufbauen(dok, QStringLiteral("Arial"), QSize(1024, 700), numGeordnet);
    return dok;
}

} // namespace

TEST(UebungTypen, ClusterKoerbe)
{
    Testlauf t(Beispiel(QStringLiteral("Cluster Tiere.kal")));
    ASSERT_TRUE(t.Starten(Einst()));
    EXPECT_EQ(t.u->Koerbe().size(), 3u);
    const int hund = t.Objekt(41, "Hund"), amsel = t.Objekt(41, "Amsel");
    ASSERT_GE(hund, 0);
    // into the wrong basket: counted on the card
    EXPECT_EQ(KarteInKorb(*t.u, amsel, 1).Urteil.Richtig, std::optional<bool>(false));
    t.ErwarteZeilen({"FALSCH - Text-/Bildkärtchen \"Amsel\" wird dem falschen Korb zugeordnet"});
    EXPECT_EQ(t.dok.Objekte[size_t(amsel)].Fehlversuche, 1);
    EXPECT_EQ(t.dok.Objekte[size_t(amsel)].KartenFehlversuche, 1);
    EXPECT_EQ(KarteInKorb(*t.u, hund, 1).Urteil.Richtig, std::optional<bool>(true));
    EXPECT_EQ(t.Zustand(hund), abgAufgedeckt);
    t.ErwarteZeilen({"RICHTIG - Text-/Bildkärtchen \"Hund\" wird dem richtigen Korb zugeordnet"});
    // every other card into the basket of its column
    for (int k : t.ObjekteVon(41))
        if (t.Zustand(k) == abgAusstehend)
            KarteInKorb(*t.u, k, t.dok.Objekte[size_t(k)].KorbSpalte + 1);
    for (int k : t.ObjekteVon(43))
        KarteInKorb(*t.u, k, t.dok.Objekte[size_t(k)].KorbSpalte + 1);
    ASSERT_TRUE(t.ende.Erreicht);
    EXPECT_EQ(t.ende.Daten.RichtigText, "8");
    EXPECT_EQ(t.ende.Daten.FalschText, "1");
}

TEST(UebungTypen, ClusterGleicheKartenFuellenVerschiedeneZellenUndDieDritteScheitert)
{
    // basket 1 holds two "Hund", basket 2 a third one
    Testlauf t(Clusterseite({{"Hund", "Hund"}, {"Hund", "Katze"}}));
    ASSERT_TRUE(t.Starten(Einst()));
    std::vector<int> hunde;
    for (int k : t.ObjekteVon(41))
        if (t.dok.Objekte[size_t(k)].Cap == "Hund")
            hunde.push_back(k);
    ASSERT_EQ(hunde.size(), 3u);
    EXPECT_EQ(KarteInKorb(*t.u, hunde[2], 1).Urteil.Richtig, std::optional<bool>(true));
    EXPECT_EQ(KarteInKorb(*t.u, hunde[1], 1).Urteil.Richtig, std::optional<bool>(true));
    // both cells of basket 1 are taken now (top to bottom), the one in basket 2 is free
    EXPECT_EQ(t.Zustand(hunde[0]), abgAufgedeckt);
    EXPECT_EQ(t.Zustand(hunde[2]), abgAufgedeckt);
    EXPECT_EQ(t.Zustand(hunde[1]), abgAusstehend);
    EXPECT_EQ(KarteInKorb(*t.u, hunde[0], 1).Urteil.Richtig, std::optional<bool>(false));
    EXPECT_EQ(t.Zustand(hunde[1]), abgAusstehend);
    EXPECT_EQ(KarteInKorb(*t.u, hunde[0], 2).Urteil.Richtig, std::optional<bool>(true));
    EXPECT_EQ(t.Zustand(hunde[1]), abgAufgedeckt);
}

TEST(UebungTypen, KreuzzuordnungPaare)
{
    Testlauf t(Beispiel(QStringLiteral("Kreuzzuordnung Länder.kal")));
    ASSERT_TRUE(t.Starten(Einst(abfFrei, 0, 0, 1, 2)));
    EXPECT_EQ(t.u->Daten().OffenePositionen, 6);
    std::vector<int> elemente;
    for (int i = 0; i < int(t.dok.Objekte.size()); ++i)
        if (t.dok.Objekte[size_t(i)].Typ == 51) {
            elemente.push_back(i);
            EXPECT_EQ(t.Zustand(i), abgVerbindbar);
            EXPECT_EQ(t.dok.Objekte[size_t(i)].Sline, 0);
        }
    ASSERT_EQ(elemente.size(), 12u);
    // two of one column: the marking only moves
    const int links0 = elemente[0], links1 = elemente[2];
    const Aktionsergebnis spalte = Verbinden(*t.u, links0, links1);
    EXPECT_FALSE(spalte.Urteil.Beurteilt);
    EXPECT_FALSE(spalte.Ignoriert);
    EXPECT_EQ(t.u->ErstesElement(), links1);
    // a wrong pair counts on both elements
    const int partnerVon1 = t.dok.Objekte[size_t(links1)].PartnerIndex;
    EXPECT_EQ(Verbinden(*t.u, links0, partnerVon1).Urteil.Richtig, std::optional<bool>(false));
    t.ErwarteZeilen({"FALSCH - \"" + t.Text(links0) + "\" wird mit \"" + t.Text(partnerVon1) + "\" verbunden"});
    EXPECT_EQ(t.dok.Objekte[size_t(links0)].Fehlversuche, 1);
    EXPECT_EQ(t.dok.Objekte[size_t(partnerVon1)].KartenFehlversuche, 1);
    // every pair right: the element further right gets the line
    for (int i = 0; i < int(t.dok.Objekte.size()); ++i)
        if (t.dok.Objekte[size_t(i)].Typ == 51 && t.dok.Objekte[size_t(i)].PartnerIndex == i + 1
            && t.Zustand(i) == abgVerbindbar) {
            const int partner = t.dok.Objekte[size_t(i)].PartnerIndex;
            EXPECT_EQ(Verbinden(*t.u, i, partner).Urteil.Richtig, std::optional<bool>(true));
            t.ErwarteZeilen({"RICHTIG - \"" + t.Text(i) + "\" wird mit \"" + t.Text(partner) + "\" verbunden"});
            EXPECT_EQ(t.dok.Objekte[size_t(partner)].Sline, 5);
        }
    ASSERT_TRUE(t.ende.Erreicht);
    EXPECT_EQ(t.ende.Daten.OffenePositionen, 0);
    EXPECT_EQ(t.ende.Daten.RichtigText, "6");
    EXPECT_EQ(t.ende.Daten.FalschText, "1");
    // back in the learning view the elements stand in their rows again
    for (const ObjDataTyp &o : t.dok.Objekte)
        if (o.Typ == 51 && o.Sline == 5)
            EXPECT_DOUBLE_EQ(o.Ky, o.Sy);
}

TEST(UebungTypen, WoerterFindenVierzigProzent)
{
    Dokument dok = Beispiel(QStringLiteral("Wörter finden Namenwörter.kal"));
    dok.Kopf.lueckentext = QStringLiteral("<<Eins>> <<Zwei>> <<Drei>> <<Vier>> <<Fünf>> [[sechs]] [[sieben]] [[acht]]");
    TextLayoutsNeuAufbauen(dok, QStringLiteral("Arial"), QSize(1024, 700), numGeordnet);
    Testlauf t(std::move(dok));
    ASSERT_TRUE(t.Starten(Einst()));
    EXPECT_EQ(t.u->Daten().AnzAbfragen, 5);
    const auto richtige = t.ObjekteVon(70), falsche = t.ObjekteVon(71);
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(Markieren(*t.u, richtige[size_t(i)]).Ignoriert);
    Markieren(*t.u, falsche[0]);
    Markieren(*t.u, falsche[1]);
    Markieren(*t.u, falsche[2]);
    Markieren(*t.u, falsche[2]);   // marked and unmarked again
    EXPECT_EQ(t.Zustand(falsche[2]), abgAufgedeckt);
    EXPECT_EQ(t.Zustand(richtige[0]), abgMarkiert);
    EXPECT_TRUE(Pruefen(*t.u).Urteil.Beurteilt);
    ASSERT_TRUE(t.ende.Erreicht);
    EXPECT_EQ(t.ende.Daten.QuoteText, "40.0 %");
    EXPECT_EQ(t.ende.Daten.LeistungText, "40.0 %");
    EXPECT_EQ(t.ende.Daten.RichtigText, "4");
    EXPECT_EQ(t.ende.Daten.FalschText, "2");
    EXPECT_EQ(t.ende.Daten.OffenePositionen, 0);
    const auto summe = std::find_if(t.protokoll.begin(), t.protokoll.end(),
                                    [](const ProtokollEintrag &p) { return p.Art == ProtokollArt::Textmarkierungen; });
    ASSERT_NE(summe, t.protokoll.end());
    EXPECT_EQ(summe->AnzRichtig, 4);
    EXPECT_EQ(summe->AnzFalsch, 2);
    EXPECT_EQ(summe->AnzFehlend, 1);
    t.ErwarteZeilen({"RICHTIG - Textstelle \"" + t.Text(richtige[0]) + "\" wurde richtig markiert",
                     "FEHLEND - Textstelle \"" + t.Text(richtige[4]) + "\" wurde nicht markiert",
                     "FALSCH - Textstelle \"" + t.Text(falsche[0]) + "\" wurde fälschlich markiert",
                     "Textmarkierungen - richtig: 4 - falsch: 2 - fehlend: 1"});
    // the repetition is never offered for find words
    EXPECT_FALSE(t.u->WiederholungMoeglich());
}

TEST(UebungTypen, ClusterBilderOhneKennungSindEinzigartigUndWiederholbar)
{
    Dokument dok = Beispiel(QStringLiteral("Cluster Tiere.kal"));
    for (auto &zeile : dok.Kopf.LueckenTabelle)
        for (lueckentabellearrtyp &c : zeile)
            if (c.Art == 3)
                c.BildKenn.clear();
    TextLayoutsNeuAufbauen(dok, QStringLiteral("Arial"), QSize(1024, 700), numGeordnet);
    QStringList kennungen[2];
    for (int runde = 0; runde < 2; ++runde) {
        Testlauf t(dok);
        ASSERT_TRUE(t.Starten(Einst()));
        for (int k : t.ObjekteVon(43)) {
            const ObjDataTyp &o = t.dok.Objekte[size_t(k)];
            kennungen[runde] << o.Cap;
            EXPECT_TRUE(o.Cap.endsWith(QStringLiteral(" (Zufallskennung für Bild)")));
            EXPECT_EQ(t.dok.Kopf.LueckenTabelle[size_t(o.KorbZeile)][size_t(o.KorbSpalte)].Text, o.Cap);
        }
        // each image fits its own basket only
        const auto bilder = t.ObjekteVon(43);
        ASSERT_EQ(bilder.size(), 2u);
        EXPECT_EQ(KarteInKorb(*t.u, bilder[0], t.dok.Objekte[size_t(bilder[0])].KorbSpalte + 1).Urteil.Richtig,
                  std::optional<bool>(true));
    }
    // the same seed draws the same keys
    EXPECT_EQ(kennungen[0], kennungen[1]);
    EXPECT_NE(kennungen[0][0], kennungen[0][1]);
}
