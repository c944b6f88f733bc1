// Numbering of the query fields.

#include "Lernansichtshilfen.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kalumo;
using namespace kalumo::test;

namespace {

std::vector<int> Nummern(const Dokument &dok)
{
    std::vector<int> n;
    for (const ObjDataTyp &o : dok.Objekte)
        n.push_back(o.AnzeigeNummer);
    return n;
}

} // namespace

TEST(Nummerierung, GeordnetVonObenNachUntenDannVonLinksNachRechts)
{
    Dokument dok = Seite();
    Objekt(dok, objAbfrageBeschriftung, 0.7, 0.5, "d");
    Objekt(dok, objAbfrageBeschriftung, 0.2, 0.5, "c");
    Objekt(dok, objAbfrageBild, 0.9, 0.1, "b");
    Objekt(dok, objFixeBeschriftung, 0.1, 0.0, "fest");  // no candidate
    Objekt(dok, objAbfrageBeschriftung, 0.5, 0.5, "A");
    Objekt(dok, objMCFrage, 0.1, 0.9, "Frage");          // candidate, but no query field
    dok.Objekte[5].Abgedeckt = abgAbgedeckt;
    dok.Objekte[3].AnzeigeNummer = -1; // as after loading; not a candidate, stays
    Lernansicht lv(dok);

    lv.AssignNumbers(numGeordnet, false);
    EXPECT_EQ(Nummern(dok), (std::vector<int>{4, 2, 1, -1, 3, -1}));
    EXPECT_EQ(dok.Objekte[5].Abgedeckt, abgAufgedeckt);
    EXPECT_EQ(lv.NummerierungsModus, numGeordnet);

    // alphabetical, case-insensitive
    dok.Kopf.GeordnetArt = 1;
    lv.AssignNumbers(numGeordnet, false);
    EXPECT_EQ(Nummern(dok), (std::vector<int>{4, 3, 2, -1, 1, -1}));

    lv.AssignNumbers(numFragezeichen, false);
    EXPECT_EQ(Nummern(dok), (std::vector<int>{0, 0, 0, -1, 0, -1}));
}

TEST(Nummerierung, ZufaelligMischtBeiJederWahlNeuUndEineSaatLegtFest)
{
    Dokument dok = Seite();
    for (int i = 0; i < 12; ++i)
        Objekt(dok, objAbfrageBeschriftung, 0.05 * i, 0.1, QString::number(i));
    auto zufaellig = [&dok](Lernansicht &lv) {
        lv.AssignNumbers(numZufaellig, false);
        const std::vector<int> n = Nummern(dok);
        std::vector<int> sortiert = n;
        std::sort(sortiert.begin(), sortiert.end());
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(sortiert[size_t(i)], i + 1) << "a permutation of 1 to 12";
        return n;
    };

    // three choices of "Zufällig" give three numberings (12! of them are possible)
    Lernansicht lv(dok);
    const std::vector<int> a = zufaellig(lv), b = zufaellig(lv), c = zufaellig(lv);
    EXPECT_NE(a, b);
    EXPECT_NE(b, c);
    EXPECT_NE(a, c);
    // a second view (the next start of the program) does not repeat the first
    Lernansicht zweite(dok);
    EXPECT_NE(zufaellig(zweite), a);

    // a seed of its own gives a fixed numbering
    lv.Zufallssaat(42);
    const std::vector<int> fest = zufaellig(lv);
    lv.AssignNumbers(numGeordnet, false);
    lv.Zufallssaat(42);
    EXPECT_EQ(zufaellig(lv), fest);
    zweite.Zufallssaat(42);
    EXPECT_EQ(zufaellig(zweite), fest);
}

TEST(Nummerierung, AntwortmarkenWerdenJeFrageDurchgezaehlt)
{
    Dokument dok = Seite();
    dok.Kopf.DokTyp = dokMultipleChoice;
    for (int frage : {1, 1, 1, 2, 2}) {
        ObjDataTyp &o = Objekt(dok, objMCMarke, 0.5, 0.5, "x");
        o.FrageNummer = frage;
        o.AntwortAnz = frage == 1 ? 3 : 2;
    }
    Lernansicht lv(dok);
    lv.AssignNumbers(numGeordnet, false);
    EXPECT_EQ(Nummern(dok), (std::vector<int>{1, 2, 3, 1, 2}));
    lv.AssignNumbers(numZufaellig, false);
    std::vector<int> n = Nummern(dok);
    std::sort(n.begin(), n.begin() + 3);
    std::sort(n.begin() + 3, n.end());
    EXPECT_EQ(n, (std::vector<int>{1, 2, 3, 1, 2}));
}

TEST(Nummerierung, NummerntextAlsZahlOderBuchstabe)
{
    struct Fall
    {
        int NumArt;
        int Nummer;
        const char *Text;
    };
    const Fall faelle[] = {
        {0, 0, "?"}, {0, -1, "?"}, {0, 27, "27"}, {1, 1, "A"}, {1, 26, "Z"},
        {1, 27, "A'"}, {1, 28, "B'"}, {1, 52, "Z'"}, {1, 53, "A''"},
    };
    Dokument dok = Seite();
    Objekt(dok, objAbfrageBeschriftung, 0.5, 0.5, "x");
    Lernansicht lv(dok);
    for (const Fall &f : faelle) {
        dok.Kopf.NumArt = f.NumArt;
        dok.Objekte[0].AnzeigeNummer = f.Nummer;
        EXPECT_EQ(lv.NumberText(0), QString::fromUtf8(f.Text)) << f.NumArt << " " << f.Nummer;
    }
    EXPECT_EQ(lv.NumberText(5), "?");
    EXPECT_EQ(lv.NumberText(-1), "?");
}

TEST(Nummerierung, SechsundzwanzigFelderHeissenAbisZ)
{
    Dokument dok = Seite();
    dok.Kopf.NumArt = 1;
    for (int i = 0; i < 53; ++i)
        Objekt(dok, objAbfrageBeschriftung, 0.5, 0.01 * i, "x");
    Lernansicht lv(dok);
    lv.AssignNumbers(numGeordnet, false);
    EXPECT_EQ(lv.NumberText(0), "A");
    EXPECT_EQ(lv.NumberText(25), "Z");
    EXPECT_EQ(lv.NumberText(26), "A'");
    EXPECT_EQ(lv.NumberText(52), "A''");
}
