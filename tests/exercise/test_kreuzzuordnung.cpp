#include "exercise/Kreuzzuordnung.h"

#include "Uebungstesthilfen.h"
#include "learnview/FragenLayouts.h"

#include <gtest/gtest.h>

#include <map>

using namespace kalumo;
using namespace kalumo::test;

namespace {

// A cross-matching page of `zeilen` query rows and 2 or 3 columns.
Dokument Kreuzseite(int zeilen, int spalten)
{
    Dokument dok = Beispiel(QStringLiteral("Kreuzzuordnung Länder.kal"));
    dok.Kopf.LueckenTabelleSpalten = spalten;
    dok.Kopf.LueckenTabelleZeilen = zeilen;
    for (int z = 0; z < zeilen; ++z)
        for (int s = 0; s < spalten; ++s) {
            lueckentabellearrtyp &c = dok.Kopf.LueckenTabelle[size_t(z)][size_t(s)];
            c.Art = 1;
            c.Text = QStringLiteral("Z%1S%2").arg(z).arg(s);
        }
    Lernansicht lv(dok);
    lv.RebuildView();
    LayoutCrossMatching(lv, true);
    return dok;
}

std::map<int, double> Nummerierte(const Dokument &dok, bool sy)
{
    std::map<int, double> m;
    for (const ObjDataTyp &o : dok.Objekte)
        if ((o.Typ == 51 || o.Typ == 53) && o.FrageNummer >= 1)
            m[o.FrageNummer] = sy ? o.Sy : o.Ky;
    return m;
}

std::multiset<double> Werte(const std::map<int, double> &m)
{
    std::multiset<double> s;
    for (const auto &[n, v] : m)
        s.insert(v);
    return s;
}

} // namespace

TEST(Kreuzzuordnung, ZweiSpaltenKeinElementNebenSeinemPartner)
{
    for (std::uint32_t saat = 1; saat <= 8; ++saat) {
        Dokument dok = Kreuzseite(5, 2);
        const auto vorher = Nummerierte(dok, false);
        ASSERT_EQ(vorher.size(), 5u);
        Zufall z(saat);
        KreuzElementePermutieren(dok, z);
        const auto ky = Nummerierte(dok, false), sy = Nummerierte(dok, true);
        for (const auto &[n, y] : ky)
            EXPECT_NE(y, sy.at(n)) << "Paar " << n << ", Saat " << saat;
        // rows are exchanged, none invented
        EXPECT_EQ(Werte(ky), Werte(vorher));
    }
}

TEST(Kreuzzuordnung, DreiSpaltenZweitePaareFolgenIhrenZeilen)
{
    for (std::uint32_t saat = 1; saat <= 8; ++saat) {
        Dokument dok = Kreuzseite(4, 3);
        EXPECT_EQ(KreuzAbfragenZaehlen(dok), 8);
        Zufall z(saat);
        KreuzElementePermutieren(dok, z);
        const auto ky = Nummerierte(dok, false), sy = Nummerierte(dok, true);
        ASSERT_EQ(ky.size(), 8u);
        for (const auto &[n, y] : ky)
            EXPECT_NE(y, sy.at(n)) << "Paar " << n << ", Saat " << saat;
        // the hidden column-2 twin of every row stands where its column-2
        // element stands, and the column-3 anchor is at the twin's row
        std::vector<const ObjDataTyp *> e;
        for (const ObjDataTyp &o : dok.Objekte)
            if (o.Typ >= 50 && o.Typ <= 53)
                e.push_back(&o);
        ASSERT_EQ(e.size(), 16u);
        for (int zeile = 0; zeile < 4; ++zeile) {
            const ObjDataTyp &spalte2 = *e[size_t(2 * zeile + 1)];
            const ObjDataTyp &zwilling = *e[size_t(8 + 2 * zeile)];
            const ObjDataTyp &spalte3 = *e[size_t(8 + 2 * zeile + 1)];
            EXPECT_EQ(zwilling.Ky, spalte2.Ky);
            EXPECT_EQ(spalte3.Sy, zwilling.Ky);
        }
    }
}

TEST(Kreuzzuordnung, EinPaarUndUnerreichbareAnordnungenEnden)
{
    Dokument eins = Kreuzseite(1, 2);
    Zufall z(3);
    KreuzElementePermutieren(eins, z);   // one pass, nothing to exchange with
    EXPECT_EQ(Nummerierte(eins, false), Nummerierte(eins, true));

    // a run of two queries on a page of four: numbers 3 and 4 never move;
    // the search gives up instead of looping forever
    Dokument teil = Kreuzseite(4, 2);
    KreuzElementePermutieren(teil, 2, z);
    const auto ky = Nummerierte(teil, false), sy = Nummerierte(teil, true);
    EXPECT_EQ(ky.at(3), sy.at(3));
    EXPECT_EQ(ky.at(4), sy.at(4));
}
