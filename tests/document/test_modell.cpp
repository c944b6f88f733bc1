#include "document/DokumentModell.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kalumo;

TEST(Modell, NeuesDokumentHatDieAnfangswerte)
{
    Dokument dok;
    dok.Kopf.Dateiname = "/tmp/alt.kal";
    dok.Kopf.titel = "alt";
    dok.Kopf.Geaendert = true;
    dok.Bibliotheksindex = 4;
    dok.Vorgaben = {0, 4, 3};
    NeuesDokument(dok);
    const HeaderDataTyp &k = dok.Kopf;
    EXPECT_EQ(dok.ZuvorAngezeigtesDokument, "/tmp/alt.kal");
    EXPECT_TRUE(k.Dateiname.isEmpty());
    EXPECT_TRUE(k.titel.isEmpty());
    EXPECT_EQ(k.vers, "1.00");
    EXPECT_EQ(k.ABAufgabe, "Aufgabe: Fülle die freien Felder aus!");
    EXPECT_EQ(k.LueckenTabelleZeilen, 5);
    EXPECT_EQ(k.LueckenTabelleSpalten, 2);
    EXPECT_EQ(k.UebEinstSpeichern, 1);
    EXPECT_EQ(k.UebAusfuehrbar, 1);
    EXPECT_EQ(k.MinLuecke, 3);
    EXPECT_EQ(k.LueckentabelleSpaltenHtgd[0].Farbe, 0xBEFF7F);
    EXPECT_EQ(k.LueckentabelleSpaltenHtgd[6].Farbe, 0xBF7FFF); // palette repeats every five columns
    EXPECT_EQ(k.LueckentabelleSpaltenHtgd[11].Deckkraft, 50);
    EXPECT_EQ(k.KreuzFarben[5], 0x0000C0);
    EXPECT_EQ(k.SeitenverhaeltnisArt, 0);
    EXPECT_EQ(k.SeitRatioBreite, 4);
    EXPECT_EQ(k.SeitRatioHoehe, 3);
    EXPECT_EQ(dok.Bibliotheksindex, -1);
    EXPECT_FALSE(k.Geaendert);
    EXPECT_TRUE(dok.Objekte.empty());
}

TEST(Modell, ObjektHinzufuegenSetztDieFelderNachArt)
{
    Dokument dok;
    dok.Kopf.TextCol = 0x123456;
    struct { int typ; int hdeck; } faelle[] = {{0, 0}, {1, 0}, {2, 100}, {4, 100}, {5, 100}, {7, 0}, {20, 0}};
    for (const auto &f : faelle) {
        const int i = ObjektHinzufuegen(dok, f.typ, 1, "Text", 3, 2, 0.25, 0.75, 7);
        const ObjDataTyp &o = dok.Objekte[size_t(i)];
        EXPECT_EQ(o.HDeck, f.hdeck) << f.typ;
        EXPECT_EQ(o.Typ, f.typ);
        EXPECT_EQ(o.Cap, "Text");
        EXPECT_EQ(o.Fsize, 3);
        EXPECT_EQ(o.KAusr, 2);
        EXPECT_EQ(o.Sx, 0.25);
        EXPECT_EQ(o.Sy, 0.75);
        EXPECT_EQ(o.FrageNummer, 7);
        EXPECT_EQ(o.Abgedeckt, abgAbgedeckt);
        EXPECT_EQ(o.BildDeck, 100);
        EXPECT_EQ(o.Farbe, 0x123456);
        EXPECT_EQ(o.KartBreite, -1.0);
        EXPECT_TRUE(o.Generiert);
    }
    EXPECT_EQ(dok.Objekte.size(), std::size(faelle));
}

TEST(Modell, ObjektLoeschenBehaeltDieReihenfolgeUndIgnoriertUngueltigeIndizes)
{
    Dokument dok;
    for (const char *c : {"a", "b", "c"})
        ObjektHinzufuegen(dok, objFixeBeschriftung, 1, c, 0, 0, 0, 0, -1);
    ObjektLoeschen(dok, -1);
    ObjektLoeschen(dok, 3);
    ASSERT_EQ(dok.Objekte.size(), 3u);
    ObjektLoeschen(dok, 1);
    ASSERT_EQ(dok.Objekte.size(), 2u);
    EXPECT_EQ(dok.Objekte[0].Cap, "a");
    EXPECT_EQ(dok.Objekte[1].Cap, "c");
    ObjektLoeschen(dok, 0);
    ObjektLoeschen(dok, 0);
    EXPECT_TRUE(dok.Objekte.empty());
}

TEST(Modell, Abfragearten)
{
    for (int typ = -1; typ <= 100; ++typ) {
        const bool erwartet = typ == 0 || typ == 3 || typ == 6 || typ == 11 || typ == 20 || typ == 21 || typ == 32
            || typ == 34 || typ == 41 || typ == 43 || typ == 51 || typ == 53 || typ == 60;
        EXPECT_EQ(IstAbfrageTyp(typ), erwartet) << typ;
    }
    std::vector<ObjDataTyp> objekte(6);
    const int keineAbfrage[] = {1, 2, 4, 5, 7, 8};
    for (size_t i = 0; i < objekte.size(); ++i)
        objekte[i].Typ = keineAbfrage[i];
    EXPECT_FALSE(HatAbfrageobjekte(objekte));
    objekte[3].Typ = objAbfrageBild;
    EXPECT_TRUE(HatAbfrageobjekte(objekte));
}

TEST(Modell, StandardEinrueckRandNachTyp)
{
    using R = std::array<double, 4>;
    const std::pair<int, R> faelle[] = {
        {0, {0, 0, 0, 0}},
        {1, {0.035, 0.01, 0.035, 0.0}},
        {7, {0.035, 0.01, 0.035, 0.0}},
        {2, {0.1, 0.165, 0.05, 0.195}},
        {3, {0.05, 0.04, 0.05, 0.045}},
        {4, {0.035, 0.03, 0.035, 0.03}},
        {5, {0.035, 0.03, 0.035, 0.03}},
        {6, {0.035, 0.035, 0.035, 0.035}},
        {99, {0, 0, 0, 0}},
    };
    for (const auto &[typ, rand] : faelle)
        EXPECT_EQ(StandardEinrueckRand(typ), rand) << typ;
}

TEST(Modell, SeitengeometrieNachDemLaden)
{
    struct Fall
    {
        std::array<double, 4> rand;
        int pw, ph;
        double posX, posY, groesse;
    };
    const Fall faelle[] = {
        {{0, 0, 0, 0}, 1000, 500, 50, 50, 100},
        {{0, 0, 0.5, 0}, 1500, 500, 0, 50, 100},       // only the right side extended
        {{0.25, 0.1, 0.25, 0.1}, 1500, 600, 50, 50, 500.0 / 600 * 100},
        {{0.3, 0, 0.1, 0.2}, 1400, 600, 75, 0, 500.0 / 600 * 100},
    };
    for (const Fall &f : faelle) {
        HeaderDataTyp k;
        k.RandErw = f.rand;
        SeitengeometrieAbleiten(k, 1000, 500);
        EXPECT_EQ(k.SeitenverhaeltnisArt, 1);
        EXPECT_EQ(k.SeitRatioBreite, f.pw);
        EXPECT_EQ(k.SeitRatioHoehe, f.ph);
        EXPECT_DOUBLE_EQ(k.BildPosX, f.posX);
        EXPECT_DOUBLE_EQ(k.BildPosY, f.posY);
        EXPECT_NEAR(k.BildGroesse, f.groesse, 1e-9);
    }
}

TEST(Modell, SeiteAnwendenMitFestemVerhaeltnis)
{
    Dokument dok;
    dok.Basisbild = QImage(1000, 1000, QImage::Format_RGBA8888);
    HeaderDataTyp &k = dok.Kopf;
    k.SeitenverhaeltnisArt = 1;
    k.SeitRatioBreite = 10;
    k.SeitRatioHoehe = 7;
    k.BildGroesse = 100;
    k.BildPosX = k.BildPosY = 50;
    SeiteAnwenden(dok, false);
    EXPECT_NEAR(k.RandErw[0], 0.2145, 1e-12);
    EXPECT_NEAR(k.RandErw[2], 0.2145, 1e-12);
    EXPECT_EQ(k.RandErw[1], 0.0);
    EXPECT_EQ(k.RandErw[3], 0.0);
    EXPECT_TRUE(k.Geaendert);
    SeitengeometrieAbleiten(k, 1000, 1000);
    EXPECT_EQ(k.SeitRatioBreite, 1429);
    EXPECT_EQ(k.SeitRatioHoehe, 1000);
}

TEST(Modell, SeiteAnwendenBehaeltDieLageDerObjekteAufDemBasisbild)
{
    Dokument dok;
    dok.Basisbild = QImage(800, 600, QImage::Format_RGBA8888);
    dok.Kopf.RandErw = {0, 0, 0, 0};
    dok.Kopf.SeitenverhaeltnisArt = 1;
    dok.Kopf.SeitRatioBreite = 2;
    dok.Kopf.SeitRatioHoehe = 1;
    dok.Kopf.BildGroesse = 80;
    dok.Kopf.BildPosX = 25;
    dok.Kopf.BildPosY = 50;
    ObjektHinzufuegen(dok, objAbfrageBeschriftung, 1, "a", 0, 0, 0.5, 0.25, -1);
    ObjektHinzufuegen(dok, objAbfrageLuecke, 1, "g", 0, 0, 0.5, 0.25, -1); // generated kinds stay
    SeiteAnwenden(dok, true);
    const auto &r = dok.Kopf.RandErw;
    // the base-image pixel under the object before must still be under it
    const double pixelX = dok.Objekte[0].Kx * (r[0] + 1 + r[2]) * 800 - r[0] * 800;
    const double pixelY = dok.Objekte[0].Ky * (r[1] + 1 + r[3]) * 600 - r[1] * 600;
    EXPECT_NEAR(pixelX, 400, 1e-9);
    EXPECT_NEAR(pixelY, 150, 1e-9);
    EXPECT_EQ(dok.Objekte[1].Kx, 0.5);
}

TEST(Modell, DokTypNamen)
{
    EXPECT_EQ(DokTypName(0, 3), "Freie Text-Bild-/Bild-Text-Zuordnung");
    EXPECT_EQ(DokTypName(1, 0), "Lückentext");
    EXPECT_EQ(DokTypName(1, 1), "Tabellarische Text-Bild-/Bild-Text-Zuordnung");
    EXPECT_EQ(DokTypName(1, 4), "C-Test mit Falschwörtern");
    EXPECT_EQ(DokTypName(1, 9), "Lückentext"); // any other subtype counts as 0
    EXPECT_EQ(DokTypName(5, 0), "Über-Kreuz-Zuordnung");
    EXPECT_EQ(DokTypName(7, 0), "Wörter/Wortbestandteile/Wortgruppen finden");
}

TEST(Modell, AlleAbdeckenUndAufdeckenZeichnenNeu)
{
    struct Zaehler : DokumentNeuaufbau
    {
        int neu = 0;
        void Neuzeichnen(Dokument &) override { ++neu; }
    } zaehler;
    Dokument dok;
    ObjektHinzufuegen(dok, objAbfrageBeschriftung, 1, "a", 0, 0, 0, 0, -1);
    ObjektHinzufuegen(dok, objAbfrageBild, 1, "b", 0, 0, 0, 0, -1);
    AlleAufdecken(dok, &zaehler);
    EXPECT_EQ(dok.Objekte[0].Abgedeckt, abgAufgedeckt);
    EXPECT_EQ(dok.Objekte[1].Abgedeckt, abgAufgedeckt);
    AlleAbdecken(dok, &zaehler);
    EXPECT_EQ(dok.Objekte[1].Abgedeckt, abgAbgedeckt);
    EXPECT_EQ(zaehler.neu, 2);
}

TEST(Modell, LeerbildIst100mal100)
{
    EXPECT_EQ(Leerbild().size(), QSize(100, 100));
    EXPECT_EQ(Leerbild().format(), QImage::Format_RGBA8888);
}
