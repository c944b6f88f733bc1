// The renderer: composing the page, the rebuild, layers, zoom and window,
// stacking, the incremental update and hostile values.

#include "Lernansichtshilfen.h"

#include "learnview/Zeichenhilfen.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

using namespace kalumo;
using namespace kalumo::test;

TEST(Seitenaufbau, ComposePagePasstDieSeiteEinUndLiefertDasFenster)
{
    struct Fall
    {
        QSize Verfuegbar;
        double Zoom;
        QSize Ziel;
        double Breite, Hoehe; // window as page fractions
    };
    const Fall faelle[] = {
        {{800, 800}, 1.0, {800, 400}, 1.0, 1.0},
        {{800, 800}, 2.0, {800, 800}, 0.5, 1.0},
        {{400, 100}, 1.0, {200, 100}, 1.0, 1.0},
        {{400, 100}, 1.5, {300, 100}, 1.0, 2.0 / 3.0},
    };
    Dokument dok = Seite(1000, 500, Qt::red);
    Lernansicht lv(dok);
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.Zoom);
        QImage ziel;
        const auto fenster = lv.ComposePage(ziel, f.Verfuegbar, f.Zoom);
        EXPECT_EQ(ziel.size(), f.Ziel);
        EXPECT_DOUBLE_EQ(fenster[0], 0.0);
        EXPECT_NEAR(fenster[2], f.Breite, 1e-9);
        EXPECT_NEAR(fenster[3], f.Hoehe, 1e-9);
        EXPECT_TRUE(FarbeIst(ziel, {ziel.width() / 2, ziel.height() / 2}, Qt::red));
    }
}

TEST(Seitenaufbau, RaenderHintergrundfarbeUndDeckkraftDesBasisbilds)
{
    Dokument dok = Seite(600, 600, QColor(255, 0, 0));
    dok.Kopf.RandErw = {0.25, 0, 0.25, 0};
    dok.Kopf.HtgdCol = 0xFF0000; // blue
    struct Fall
    {
        int Deck;
        QColor Mitte;
    };
    for (const Fall f : {Fall{100, QColor(255, 0, 0)}, Fall{0, QColor(0, 0, 255)}, Fall{50, QColor(128, 0, 127)}}) {
        SCOPED_TRACE(f.Deck);
        dok.Kopf.BasisbildDeck = f.Deck;
        Lernansicht lv(dok);
        lv.Ansichtsgroesse = {900, 600};
        lv.RebuildView();
        EXPECT_EQ(lv.PageBitmap.size(), QSize(900, 600));
        EXPECT_TRUE(FarbeIst(lv.PageBitmap, {450, 300}, f.Mitte, 3));
        EXPECT_TRUE(FarbeIst(lv.PageBitmap, {50, 300}, QColor(0, 0, 255)));
        EXPECT_TRUE(FarbeIst(lv.PageBitmap, {850, 300}, QColor(0, 0, 255)));
    }
}

// The page is never wider than 2000 pixels before zoom, margins included.
TEST(Seitenaufbau, GrosseBasisbilderWerdenAuf2000PixelBegrenzt)
{
    struct Fall
    {
        QSize Basis;
        std::array<double, 4> Rand;
        QSize Seite;
    };
    const Fall faelle[] = {
        {{3000, 1500}, {0, 0, 0, 0}, {2000, 1000}},
        {{3000, 1500}, {0.5, 0, 0.5, 0}, {2000, 500}},
        {{1500, 1000}, {0, 0, 0, 0}, {1500, 1000}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.Basis.width());
        Dokument dok = Seite(f.Basis.width(), f.Basis.height(), Qt::green);
        dok.Kopf.RandErw = f.Rand;
        Lernansicht lv(dok);
        EXPECT_EQ(lv.SeitenRaster(), f.Seite);
        lv.Ansichtsgroesse = {4000, 4000};
        lv.RebuildView();
        EXPECT_EQ(lv.PageBitmap.width(), 4000);
    }
}

TEST(Seitenaufbau, OhneEbeneBasisbildIstDieSeiteWeissDieObjekteBleiben)
{
    Dokument dok = Seite(600, 400, QColor(0, 0, 255));
    dok.Kopf.RandErw = {0.1, 0.1, 0.1, 0.1};
    dok.Kopf.HtgdCol = 0x00FF00;
    ObjDataTyp &text = Objekt(dok, objFixeBeschriftung, 0.5, 0.5, "Sichtbar", ebeneTexteUndBilder);
    text.HDeck = 100;
    text.HFarbe = 0x0000FF;
    Objekt(dok, objFixeBeschriftung, 0.3, 0.2, "Basisebene", ebeneBasisbild).HDeck = 100;
    dok.Objekte[1].KartRect = {-1, -1, -1, -1};
    Lernansicht lv(dok);
    lv.Ansichtsgroesse = {720, 480};
    lv.Ebene0Check = false;
    lv.RebuildView();
    const QImage &b = lv.ViewBitmap;
    for (QPoint p : {QPoint(2, 2), QPoint(360, 50), QPoint(100, 400), QPoint(719, 479)})
        EXPECT_TRUE(FarbeIst(b, p, Qt::white, 0)) << p.x() << "," << p.y();
    EXPECT_TRUE(FarbeIst(b, lv.KartenPixel(dok.Objekte[0]).topLeft() + QPoint(1, 1), QColor(255, 0, 0)));
    EXPECT_LT(dok.Objekte[1].KartRect[0], 0.0); // the layer-0 object is hidden

    lv.UebungLaeuft = true; // every layer counts during an exercise
    lv.RebuildView();
    EXPECT_TRUE(FarbeIst(lv.ViewBitmap, {360, 50}, QColor(0, 0, 255)));
    EXPECT_GE(dok.Objekte[1].KartRect[0], 0.0);
}

TEST(Ansicht, ZoomstufenFensterUndUmrechnungen)
{
    Dokument dok = Seite(1000, 700, Qt::white);
    Lernansicht lv(dok);
    lv.Ansichtsgroesse = {1000, 700};
    lv.RebuildView();
    EXPECT_EQ(lv.ViewWindow, (std::array<double, 4>{0, 0, 1, 1}));
    lv.Verkleinern();
    EXPECT_EQ(lv.ZoomStufe, 0);
    lv.Vergroessern();
    EXPECT_EQ(lv.ZoomStufe, 2);
    EXPECT_EQ(lv.PageBitmap.size(), QSize(1500, 1050));
    lv.Vergroessern();
    lv.Vergroessern();
    EXPECT_EQ(lv.ZoomStufe, 4);
    EXPECT_EQ(lv.PageBitmap.size(), QSize(2000, 1400));
    EXPECT_EQ(lv.ViewBitmap.size(), QSize(1000, 700));
    // re-centred on the old centre
    EXPECT_NEAR(lv.ViewWindow[0], 0.25, 1e-9);
    EXPECT_NEAR(lv.ViewWindow[3], 0.75, 1e-9);

    lv.Verschieben(-10000, 100);
    EXPECT_DOUBLE_EQ(lv.ViewWindow[0], 0.0);
    EXPECT_NEAR(lv.ViewWindow[1], 0.25 + 100.0 / 1400, 1e-9);
    EXPECT_EQ(lv.AnsichtsVersatz(), QPoint(0, 450));

    const QPointF seite = lv.AnsichtZuSeite({500, 350});
    EXPECT_NEAR(seite.x(), 0.25, 1e-9);
    EXPECT_NEAR(seite.y(), (450 + 350) / 1400.0, 1e-9);
    const QPointF zurueck = lv.SeiteZuAnsicht(seite);
    EXPECT_NEAR(zurueck.x(), 500, 1e-6);
    EXPECT_NEAR(zurueck.y(), 350, 1e-6);
    EXPECT_EQ(lv.AnsichtZuSeite({-50, 5000}), QPointF(0.0, 1.0)); // clamped
    EXPECT_EQ(lv.SeiteZuPixel({0.5, 0.25}), QPoint(1000, 350));
}

TEST(Ansicht, PresentViewZeigtDasFensterDerSeite)
{
    Dokument dok = Seite(1000, 700, Qt::white);
    ObjDataTyp &o = Objekt(dok, objFixeBeschriftung, 0.3, 0.3, "Rot");
    o.HDeck = 100;
    o.HFarbe = 0x0000FF;
    Lernansicht lv(dok);
    lv.Ansichtsgroesse = {500, 350};
    lv.ZoomStufe = 4;
    lv.RebuildView();
    for (int schritt = 0; schritt < 3; ++schritt) {
        lv.Verschieben(37, 23);
        const QPoint v = lv.AnsichtsVersatz();
        const QRect karte = lv.KartenPixel(dok.Objekte[0]);
        const QPoint innen = karte.topLeft() + QPoint(2, 2) - v;
        ASSERT_TRUE(lv.ViewBitmap.rect().contains(innen));
        EXPECT_TRUE(FarbeIst(lv.ViewBitmap, innen, QColor(255, 0, 0)));
        EXPECT_TRUE(FarbeIst(lv.CleanViewBitmap, innen, QColor(255, 0, 0)));
        EXPECT_TRUE(FarbeIst(lv.ViewBitmap, innen - QPoint(4, 4), Qt::white));
    }
}

TEST(Stapelung, AufsteigenderZIndexUndAbgedeckteZuletzt)
{
    Dokument dok = Seite();
    const int z[] = {5, -3, 0, INT_MIN, INT_MAX, 0};
    for (int i = 0; i < 6; ++i)
        Objekt(dok, i == 2 ? objAbfrageBeschriftung : objFixeBeschriftung, 0.1, 0.1, "x").ZIndex = z[i];
    dok.Objekte[4].Typ = objAbfrageBild; // covered, drawn last
    Lernansicht lv(dok);
    EXPECT_EQ(lv.Stapelfolge(), (std::vector<int>{3, 1, 5, 0, 2, 4}));
    dok.Objekte[2].Abgedeckt = abgAufgedeckt;
    EXPECT_EQ(lv.Stapelfolge(), (std::vector<int>{3, 1, 2, 5, 0, 4}));
}

TEST(Aktualisierung, AufdeckenEinesFeldesGleichtDemNeuaufbau)
{
    Dokument dok = Seite(870, 609, QColor(230, 240, 200));
    for (int i = 0; i < 6; ++i)
        Objekt(dok, objAbfrageBeschriftung, 0.2 + 0.1 * i, 0.15 * (i + 1), QString("Feld %1").arg(i));
    Lernansicht lv(dok);
    lv.Ansichtsgroesse = {600, 400};
    lv.ZoomStufe = 2;
    lv.AssignNumbers(numGeordnet, true);
    lv.Verschieben(100, 80);
    const QRect karte = lv.KartenPixel(dok.Objekte[3]).translated(-lv.AnsichtsVersatz());
    ASSERT_TRUE(lv.ViewBitmap.rect().contains(karte));
    ASSERT_GT(Zaehlen(lv.ViewBitmap, karte, QColor(202, 228, 255)), karte.width() * karte.height() / 3);

    lv.FeldAufdecken(3);
    EXPECT_EQ(dok.Objekte[3].Abgedeckt, abgAufgedeckt);
    EXPECT_EQ(Zaehlen(lv.ViewBitmap, karte, QColor(202, 228, 255)), 0);
    EXPECT_GT(Dunkel(lv.ViewBitmap, karte), 20);
    const QImage inkrementell = lv.ViewBitmap.copy();
    const QImage sauber = lv.CleanBitmap.copy();

    lv.RebuildView();
    int abweichend = 0;
    for (int y = 0; y < inkrementell.height(); ++y)
        for (int x = 0; x < inkrementell.width(); ++x)
            abweichend += !FarbeIst(lv.ViewBitmap, {x, y}, inkrementell.pixelColor(x, y), 8);
    EXPECT_LT(abweichend, 20);
    EXPECT_EQ(Zaehlen(sauber, lv.KartenPixel(dok.Objekte[3]), QColor(202, 228, 255)), 0);
}

TEST(Robustheit, FeindlicheWerteZeichnenOhneAbsturzUndSchnell)
{
    Dokument dok = Seite(400, 300, Qt::white);
    dok.Kopf.MinLuecke = INT_MAX;
    dok.Kopf.Zielpunktgroesse = INT_MAX;
    dok.Kopf.RandErw = {1e300, std::numeric_limits<double>::quiet_NaN(), -5.0, 3.0};
    dok.Kopf.EinrueckRand = {-1e9, 2.0, std::numeric_limits<double>::infinity(), 0.5};
    dok.Kopf.ZIndexMin = INT_MIN;
    dok.Kopf.ZIndexMax = INT_MAX;
    const int arten[] = {0, 1, 2, 3, 6, 7, 10, 11, 12, 22, 24, 25, 34, 40, 51, 60, 70, 99, -7};
    int n = 0;
    for (int typ : arten) {
        ObjDataTyp &o = Objekt(dok, typ, 0.05 * (n % 20), 0.9 - 0.04 * n, "Wort");
        o.LinieDicke = INT_MAX;
        o.Sline = (n % 2) ? 1 : 5;
        o.Sx = n == 3 ? std::numeric_limits<double>::quiet_NaN() : 1e12;
        o.Sy = -1e12;
        o.ZIndex = (n % 2) ? INT_MIN : INT_MAX;
        o.Fsize = 400;
        o.KAusr = n % 3 ? 99 : -4;
        o.KAusrAkt = INT_MIN;
        o.HDeck = INT_MAX;
        o.BildDeck = INT_MIN;
        o.AntwortAnz = INT_MAX;
        o.KartBreite = 1e200;
        o.KartHoehe = 1e200;
        o.Abgedeckt = (n % 5) - 5;
        o.Ebene = n % 4;
        o.FrageNummer = -1;
        if (typ == objAbfrageBild || typ == objFixesBild)
            o.Bild = QImage(20000, 1, QImage::Format_RGBA8888);
        ++n;
    }
    dok.Objekte[1].Ebene = 1234;
    for (int modus : {numGeordnet, numZufaellig}) {
        const QImage bild = LernansichtRendern(dok, {1024, 700}, 4, false, "Arial", modus);
        EXPECT_FALSE(bild.isNull());
    }
    Lernansicht lv(dok);
    lv.UebungLaeuft = true;
    lv.GapFontOffset = INT_MAX;
    lv.ZoomSetzen(INT_MAX);
    EXPECT_EQ(lv.ZoomStufe, 4);
    for (int i = -1; i <= int(dok.Objekte.size()); ++i)
        lv.FeldAufdecken(i);
    EXPECT_LE(lv.SeitenRaster().width(), kMaxSeitenbreite);
}
