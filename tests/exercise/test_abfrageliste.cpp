#include "exercise/Abfrageliste.h"
#include "exercise/Normtext.h"

#include "Uebungstesthilfen.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace kalumo;
using namespace kalumo::test;

namespace {

std::vector<int> Spalte(const std::vector<AbfrageEintrag> &l, bool karte)
{
    std::vector<int> v;
    for (const AbfrageEintrag &e : l)
        v.push_back(karte ? e.Karte : e.Ziel);
    return v;
}

std::vector<AbfrageEintrag> Liste(Dokument &dok, const UebEinstTyp &e, std::uint32_t saat)
{
    for (ObjDataTyp &o : dok.Objekte)
        o.Abgedeckt = IstGefragt(dok.Kopf.DokTyp, e.AbfrageModus, o.Typ) ? abgAusstehend : abgAufgedeckt;
    Zufall z(saat);
    return AbfrageListeAufbauen(dok, e, z);
}

} // namespace

TEST(Abfrageliste, GefragteArtenJeTyp)
{
    struct Fall
    {
        int dokTyp, modus, typ;
        bool gefragt;
    };
    const Fall faelle[] = {
        {dokBildbeschriftung, abfFrei, objAbfrageBild, true},
        {dokBildbeschriftung, abfTexteingabe, objAbfrageBild, false},
        {dokBildbeschriftung, abfTexteingabe, objAbfrageBeschriftung, true},
        {dokLueckentext, abfTexteingabe, 34, false},
        {dokLueckentext, abfEinzelTexte, 34, true},
        {dokKreuzwortraetsel, abfTexteingabe, objKreuzwortGitter, true},
        {dokLueckentext, abfFrei, objFalschwort, false},
        {dokEinzelfragen, abfFrei, objFrageAntwort, true},
        {dokEinzelfragen, abfFrei, objFrageText, false},
        {dokMultipleChoice, abfFrei, objMCFrageBild, true},
        {dokMultipleChoice, abfFrei, 24, false},
        {dokCluster, abfFrei, 41, true},
        {dokCluster, abfFrei, 40, false},
        {dokKreuzZuordnung, abfFrei, 53, true},
        {dokKreuzZuordnung, abfFrei, 50, false},
        {dokWoerterFinden, abfFrei, 71, true},
    };
    for (const Fall &f : faelle)
        EXPECT_EQ(IstGefragt(f.dokTyp, f.modus, f.typ), f.gefragt) << f.dokTyp << "/" << f.modus << "/" << f.typ;
    // a cluster knows no text input, questions no query modes
    EXPECT_EQ(WirksamerAbfrageModus(dokCluster, abfTexteingabe), abfFrei);
    EXPECT_EQ(WirksamerAbfrageModus(dokEinzelfragen, abfEinzelTexte), abfFrei);
    EXPECT_EQ(WirksamerAbfrageModus(dokLueckentext, 7), abfFrei);
}

TEST(Abfrageliste, ZaehltJeTyp)
{
    struct Fall
    {
        const char *datei;
        int modus;
        int anzahl;
    };
    const Fall faelle[] = {
        {"Blütenpflanze.kal", abfFrei, 5},
        {"Lückentext Rhein.kal", abfFrei, 6},
        {"Tabelle Formen.kal", abfFrei, 8},        // 3 text cells, 1 image cell, 4 gaps
        {"Tabelle Formen.kal", abfTexteingabe, 4}, // only the gaps
        {"Kreuzworträtsel.kal", abfFrei, 8},
        {"Einzelfragen Hauptstädte.kal", abfFrei, 4},
        {"Multiple Choice Formen und Tiere.kal", abfFrei, 3},
        {"Cluster Tiere.kal", abfFrei, 8},
        {"Kreuzzuordnung Länder.kal", abfFrei, 6},   // pairs: three rows of two pairs
        {"Wörter finden Namenwörter.kal", abfFrei, 6},
    };
    for (const Fall &f : faelle) {
        Dokument dok = Beispiel(QString::fromUtf8(f.datei));
        for (ObjDataTyp &o : dok.Objekte)
            o.Abgedeckt = abgAusstehend;
        EXPECT_EQ(AbfragenZaehlen(dok, f.modus, true), f.anzahl) << f.datei;
    }
}

TEST(Abfrageliste, AlphabetischUndGleicheSchluesselBehaltenIhreGemischteFolge)
{
    Dokument dok = Etikettenseite({{"birne", 0.5, 0.5},
                                   {"Apfel", 0.2, 0.8},
                                   {"Baum", 0.8, 0.2},
                                   {"Zwetschge", 0.1, 0.2},
                                   {"baum", 0.3, 0.5},
                                   {"Äpfel", 0.6, 0.8},
                                   {"BAUM", 0.9, 0.5}});
    for (std::uint32_t saat : {1u, 2u, 3u, 4u, 5u}) {
        const auto gemischt = Spalte(Liste(dok, Einst(abfFrei, 0, 0, 1, 0), saat), true);
        const auto sortiert = Liste(dok, Einst(abfFrei, 0, 0, 0, 0), saat);
        std::vector<QString> texte;
        for (int k : Spalte(sortiert, true))
            texte.push_back(dok.Objekte[size_t(k)].Cap);
        // German order without regard to case: Apfel, Äpfel, Baum-baum-BAUM, birne, Zwetschge
        ASSERT_EQ(texte.size(), 7u);
        EXPECT_EQ(texte[0], "Apfel");
        EXPECT_EQ(texte[1], QStringLiteral("Äpfel"));
        EXPECT_EQ(texte[5], "birne");
        EXPECT_EQ(texte[6], "Zwetschge");
        // the three "Baum" in the order the shuffle left them
        std::vector<int> baeume;
        for (int k : gemischt)
            if (normText(dok.Objekte[size_t(k)].Cap).toLower() == "baum")
                baeume.push_back(k);
        const auto karten = Spalte(sortiert, true);
        EXPECT_EQ(std::vector<int>(karten.begin() + 2, karten.begin() + 5), baeume) << "Saat " << saat;
        // the targets top to bottom, then left to right
        EXPECT_EQ(Spalte(sortiert, false), (std::vector<int>{3, 2, 4, 0, 6, 1, 5}));
    }
}

TEST(Abfrageliste, ZieleNachBeschriftungMischungUndTexteingabe)
{
    Dokument dok = Etikettenseite({{"Cäsar", 0.5, 0.1}, {"anton", 0.5, 0.2}, {"Berta", 0.5, 0.3}});
    dok.Kopf.GeordnetArt = 1;
    EXPECT_EQ(Spalte(Liste(dok, Einst(abfFrei, 0, 0, 1, 0), 3), false), (std::vector<int>{1, 2, 0}));
    // random targets: every object once
    auto ziele = Spalte(Liste(dok, Einst(abfFrei, 0, 0, 1, 1), 3), false);
    std::sort(ziele.begin(), ziele.end());
    EXPECT_EQ(ziele, (std::vector<int>{0, 1, 2}));
    // text input keeps the object order in both columns
    const auto eingabe = Liste(dok, Einst(abfTexteingabe, 0, 0, 1, 1), 3);
    EXPECT_EQ(Spalte(eingabe, true), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(Spalte(eingabe, false), (std::vector<int>{0, 1, 2}));
}

TEST(Abfrageliste, FalschwoerterNurFreiUndPositionen)
{
    Dokument dok = Beispiel(QStringLiteral("Lückentext Wald mit Falschwörtern.kal"));
    for (int modus : {abfFrei, abfEinzelTexte, abfEinzelPositionen}) {
        const auto l = Liste(dok, Einst(modus), 9);
        const long ohneZiel = std::count_if(l.begin(), l.end(), [](const AbfrageEintrag &e) { return e.Ziel < 0; });
        EXPECT_EQ(l.size(), modus == abfEinzelTexte ? 6u : 9u) << modus;
        EXPECT_EQ(ohneZiel, modus == abfEinzelTexte ? 0 : 3) << modus;
    }
}

TEST(Abfrageliste, MultipleChoiceBehaeltDieKartenfolge)
{
    Dokument dok = Beispiel(QStringLiteral("Multiple Choice Formen und Tiere.kal"));
    const auto l = Liste(dok, Einst(abfFrei, 0, 0, 1, 0), 4);
    const auto karten = Spalte(l, true);
    EXPECT_TRUE(std::is_sorted(karten.begin(), karten.end()));
    EXPECT_EQ(Spalte(l, false), karten);
}

TEST(Abfrageliste, Bildkennungen)
{
    Zufall z(11);
    ObjDataTyp bild;
    bild.Typ = objAbfrageBild;
    bild.BildKenn = QStringLiteral("Hund");
    EXPECT_EQ(Bildkennung(bild, z), QStringLiteral("Hund (Bildkennung)"));
    bild.BildKenn = QStringLiteral("  ");
    const QString zufall = Bildkennung(bild, z);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[a-z]{20} \\(Zufallskennung für Bild\\)$")).match(zufall).hasMatch())
        << zufall.toStdString();
    EXPECT_NE(Bildkennung(bild, z), zufall);
    ObjDataTyp kreuz;
    kreuz.Typ = 53;
    EXPECT_EQ(Bildkennung(kreuz, z), QStringLiteral(" (Bildkennung)"));
}
