// The drawing tools on the view rasters: pen, shapes, markers, transparent
// colours, eraser, stamps, cross and text.

#include "Lernansichtshilfen.h"

#include "learnview/Interaktion.h"
#include "learnview/Werkzeuge.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kalumo;
using namespace kalumo::test;

namespace {

// A white page with a black bar standing for a line of text.
struct Leinwand
{
    Dokument dok;
    std::unique_ptr<Lernansicht> lv;
    std::unique_ptr<Interaktion> ia;
    const QRect Text{100, 100, 300, 20};

    Leinwand()
        : dok(Seite(870, 609, Qt::white))
    {
        for (int y = Text.top(); y <= Text.bottom(); ++y)
            for (int x = Text.left(); x <= Text.right(); ++x)
                dok.Basisbild.setPixelColor(x, y, Qt::black);
        lv = Ansicht(dok);
        lv->RebuildView();
        ia = std::make_unique<Interaktion>(*lv);
    }
    const QImage &V() const { return lv->ViewBitmap; }
    void Strich(QPoint a, QPoint b)
    {
        ia->MausDruck(a, Maustaste::Links);
        ia->MausBewegung((a + b) / 2, true, false);
        ia->MausBewegung(b, true, false);
        ia->MausLos(b, Maustaste::Links);
    }
};

} // namespace

TEST(Groessen, TabellenDerGroessenUndFarben)
{
    const int breite[] = {3, 7, 13, 21}, radier[] = {32, 64, 96, 128}, stempel[] = {32, 64, 96, 128},
              text[] = {18, 36, 54, 72};
    for (int g = 1; g <= 4; ++g) {
        EXPECT_EQ(Stiftbreite(g), breite[g - 1]);
        EXPECT_EQ(Radiergroesse(g), radier[g - 1]);
        EXPECT_EQ(Stempelpunkte(g), stempel[g - 1]);
        EXPECT_EQ(Textpunkte(g), text[g - 1]);
    }
    EXPECT_EQ(Stiftbreite(0), 3);
    EXPECT_EQ(Stiftbreite(9), 21);
    struct Fall { int Index; QColor Farbe; };
    const Fall farben[] = {{11, {255, 0, 0}}, {14, {0, 0, 255}}, {25, {255, 255, 255}}, {26, {0, 0, 0}},
                           {27, {0, 128, 0}}, {28, {255, 128, 0}}, {29, {192, 0, 255}}, {30, {0, 192, 255}}};
    for (const Fall &f : farben)
        EXPECT_EQ(Stiftfarbe(f.Index), f.Farbe) << f.Index;
    EXPECT_TRUE(IstTransparent(12));
    EXPECT_FALSE(IstTransparent(22));
}

TEST(Stift, DickeSegmenteMitRundenGelenken)
{
    Leinwand l;
    l.ia->WerkzeugSetzen(wzStift);
    l.ia->GroesseSetzen(4); // 21 pixels
    l.ia->FarbeSetzen(24);
    l.Strich({200, 300}, {400, 300});
    const QColor blau(0, 0, 255);
    EXPECT_TRUE(FarbeIst(l.V(), {300, 300}, blau, 10));
    EXPECT_TRUE(FarbeIst(l.V(), {300, 292}, blau, 10));
    EXPECT_TRUE(FarbeIst(l.V(), {300, 315}, Qt::white, 3));
    // the round start: inside the circle before the segment, not at its corner
    EXPECT_TRUE(FarbeIst(l.V(), {192, 300}, blau, 10));
    EXPECT_TRUE(FarbeIst(l.V(), {191, 291}, Qt::white, 10));
    EXPECT_TRUE(l.lv->AnsichtGezeichnet);
    // strokes live in the view only
    EXPECT_TRUE(FarbeIst(l.lv->PageBitmap, {300, 300}, Qt::white, 3));
}

TEST(Transparent, StrichUeberSchwarzemTextLaesstIhnSchwarz)
{
    Leinwand l;
    l.ia->WerkzeugSetzen(wzStift);
    l.ia->GroesseSetzen(4);
    for (int farbe : {11, 12, 13, 14}) {
        SCOPED_TRACE(farbe);
        l.ia->FarbeSetzen(farbe);
        l.Strich({150, 114}, {350, 114});
        EXPECT_TRUE(FarbeIst(l.V(), {250, 114}, Qt::black, 2));
        EXPECT_TRUE(FarbeIst(l.V(), {200, 106}, Qt::black, 2));
        // just below the bar the colour shows on white
        EXPECT_TRUE(FarbeIst(l.V(), {250, 122}, Stiftfarbe(farbe), 10));
        l.ia->AlleZeichnungenEntfernen();
    }
    // the opaque colour covers the text
    l.ia->FarbeSetzen(21);
    l.Strich({150, 110}, {350, 110});
    EXPECT_TRUE(FarbeIst(l.V(), {250, 110}, QColor(255, 0, 0), 10));
}

TEST(Transparent, UeberlagerungenMischenDunklerJeKanal)
{
    Leinwand l;
    l.ia->WerkzeugSetzen(wzStift);
    l.ia->GroesseSetzen(3);
    l.ia->FarbeSetzen(12); // yellow
    l.Strich({100, 400}, {300, 400});
    l.ia->FarbeSetzen(14); // blue across it
    l.Strich({200, 350}, {200, 450});
    EXPECT_TRUE(FarbeIst(l.V(), {200, 400}, Qt::black, 3));
    EXPECT_TRUE(FarbeIst(l.V(), {150, 400}, QColor(255, 255, 0), 10));
    // the overlay is clear again
    EXPECT_EQ(qAlpha(l.lv->OverlayBitmap.pixel(150, 400)), 0);
}

TEST(Marker, BitweisesUndLaesstDunklesDunkel)
{
    Leinwand l;
    struct Fall { int Werkzeug; QColor AufWeiss; };
    for (const Fall &f : {Fall{wzMarkerGelb, {255, 255, 0}}, Fall{wzMarkerGruen, {0, 255, 0}}}) {
        l.ia->WerkzeugSetzen(f.Werkzeug);
        l.Strich({150, 110}, {350, 110});
        EXPECT_TRUE(FarbeIst(l.V(), {250, 110}, Qt::black, 0));
        EXPECT_TRUE(FarbeIst(l.V(), {250, 121}, f.AufWeiss, 0));   // 11 below the centre: inside 25 pixels
        EXPECT_TRUE(FarbeIst(l.V(), {250, 140}, Qt::white, 0));
        l.ia->AlleZeichnungenEntfernen();
    }
    // yellow over blue gives black, as AND does
    QImage bild(20, 20, QImage::Format_ARGB32_Premultiplied);
    bild.fill(QColor(0, 0, 255));
    MarkerSegment(bild, {10, 10}, {11, 10}, QColor(255, 255, 0));
    EXPECT_TRUE(FarbeIst(bild, {10, 10}, Qt::black, 0));
    EXPECT_EQ(qAlpha(bild.pixel(10, 10)), 255);
}

TEST(Radierer, QuadratAusDerSauberenAnsicht)
{
    Leinwand l;
    l.ia->WerkzeugSetzen(wzStift);
    l.ia->GroesseSetzen(4);
    l.Strich({100, 300}, {500, 300});
    l.ia->WerkzeugSetzen(wzRadierer);
    l.ia->GroesseSetzen(1); // 32 pixels
    l.ia->MausDruck({300, 300}, Maustaste::Links);
    l.ia->MausLos({300, 300}, Maustaste::Links);
    EXPECT_TRUE(FarbeIst(l.V(), {300, 300}, Qt::white, 0));
    EXPECT_TRUE(FarbeIst(l.V(), {285, 300}, Qt::white, 0));
    EXPECT_TRUE(FarbeIst(l.V(), {320, 300}, QColor(255, 0, 0), 10));
    // covered fields and text come back as rendered
    l.ia->WerkzeugSetzen(wzStift);
    l.Strich({200, 110}, {260, 110});
    l.ia->WerkzeugSetzen(wzRadierer);
    l.ia->MausDruck({230, 110}, Maustaste::Links);
    l.ia->MausLos({230, 110}, Maustaste::Links);
    EXPECT_TRUE(FarbeIst(l.V(), {230, 110}, Qt::black, 0));
}

TEST(Formen, JedeFormAnIhrenStellen)
{
    // shape, sampled point that must be coloured, sampled point that must stay white
    struct Fall { int Werkzeug; QPoint Farbig; QPoint Weiss; };
    const QPoint a(200, 200), b(400, 360);
    const Fall faelle[] = {
        {wzLinie, {300, 280}, {300, 220}},
        {wzPfeil, {392, 345}, {210, 230}},
        {wzDoppelpfeil, {208, 215}, {380, 300}},
        {wzRechteck, {300, 200}, {300, 280}},
        {wzRechteckGefuellt, {300, 280}, {300, 190}},
        {wzEllipse, {300, 202}, {300, 280}},
        {wzEllipseGefuellt, {300, 280}, {203, 203}},
        {wzDreieck, {300, 360}, {300, 300}},
        {wzDreieckGefuellt, {300, 300}, {210, 210}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.Werkzeug);
        Leinwand l;
        l.ia->WerkzeugSetzen(f.Werkzeug);
        l.ia->GroesseSetzen(2);
        l.ia->MausDruck(a, Maustaste::Links);
        l.ia->MausBewegung({300, 300}, true, false);
        l.ia->MausBewegung(b, true, false);
        // while dragging only the thin inverted outline shows
        EXPECT_FALSE(FarbeIst(l.V(), f.Farbig, QColor(255, 0, 0), 10));
        l.ia->MausLos(b, Maustaste::Links);
        EXPECT_TRUE(FarbeIst(l.V(), f.Farbig, QColor(255, 0, 0), 10));
        EXPECT_TRUE(FarbeIst(l.V(), f.Weiss, Qt::white, 3));
        // no trace of the outline is left anywhere
        EXPECT_EQ(Zaehlen(l.V(), l.V().rect(), Qt::black, 60), l.Text.width() * l.Text.height());
    }
}

TEST(Formen, PfeilspitzeHatIhreLaenge)
{
    const QPainterPath p = Formumriss(wzPfeil, {0, 100}, {200, 100}, 7);
    // round(7 x 0.7 x 5) = 24 pixels at 20 degrees back from the tip
    const QRectF r = p.boundingRect();
    EXPECT_NEAR(r.top(), 100 - 24 * std::sin(20 * M_PI / 180), 0.01);
    EXPECT_NEAR(r.bottom(), 100 + 24 * std::sin(20 * M_PI / 180), 0.01);
}

TEST(Formen, GummibandZweimalInvertiertStelltAllesWiederHer)
{
    Leinwand l;
    const QImage vorher = l.V().copy();
    FormInvertieren(l.lv->ViewBitmap, wzEllipse, {120, 90}, {330, 140});
    EXPECT_TRUE(FarbeIst(l.V(), {225, 90}, Qt::black, 0));   // top of the outline on white
    EXPECT_TRUE(FarbeIst(l.V(), {225, 100}, Qt::black, 0));  // inside: untouched
    int weiss = 0;
    for (int x = 100; x < 400; ++x)
        weiss += FarbeIst(l.V(), {x, 120}, Qt::white, 0);
    EXPECT_GE(weiss, 1); // the outline crosses the black bar inverted
    FormInvertieren(l.lv->ViewBitmap, wzEllipse, {120, 90}, {330, 140});
    EXPECT_TRUE(l.V() == vorher);
}

TEST(Stempel, ZeichenInGroesseUndFarbeUmDenKlickpunkt)
{
    Leinwand l;
    l.ia->StempelSetzen(1); // Wingdings tick
    l.ia->FarbeSetzen(27);
    l.ia->MausDruck({400, 400}, Maustaste::Links);
    l.ia->MausBewegung({420, 400}, true, false); // once per click
    l.ia->MausLos({420, 400}, Maustaste::Links);
    const QColor gruen(0, 128, 0);
    const int um = Zaehlen(l.V(), {405 - 30, 401 - 30, 60, 60}, gruen, 40);
    EXPECT_GT(um, 80);
    EXPECT_EQ(Zaehlen(l.V(), {470, 350, 100, 100}, gruen, 40), 0);

    // an Arial stamp ("+") at size 2 is larger
    Leinwand m;
    m.ia->StempelSetzen(7);
    m.ia->GroesseSetzen(2);
    m.ia->MausDruck({400, 400}, Maustaste::Links);
    m.ia->MausLos({400, 400}, Maustaste::Links);
    const auto [oben, unten] = DunkleZeilen(m.V(), {300, 300, 200, 200});
    ASSERT_GE(oben, 0);
    EXPECT_GT(unten - oben, 25);
    EXPECT_LT(std::abs((oben + unten) / 2 - 401), 12);
}

TEST(Stempel, RotesKreuz)
{
    Leinwand l;
    l.ia->WerkzeugSetzen(wzKreuz);
    l.ia->FarbeSetzen(24); // the cross stays red
    l.ia->MausDruck({500, 400}, Maustaste::Links);
    l.ia->MausLos({500, 400}, Maustaste::Links);
    EXPECT_GT(Zaehlen(l.V(), {470, 370, 60, 60}, QColor(220, 0, 0), 40), 60);
    EXPECT_EQ(Zaehlen(l.V(), {470, 370, 60, 60}, QColor(0, 0, 255), 40), 0);
}

TEST(Text, FeldImBildUndUebernahme)
{
    Leinwand l;
    l.ia->WerkzeugSetzen(wzText);
    l.ia->GroesseSetzen(2);
    const Eingabereaktion r = l.ia->MausDruck({860, 600}, Maustaste::Links);
    ASSERT_TRUE(r.TextfeldOeffnen);
    const QRect feld = l.ia->TextfeldRechteck(r.Textposition, "Hallo");
    EXPECT_TRUE(l.V().rect().contains(feld));
    EXPECT_GE(feld.width(), 70);
    EXPECT_EQ(l.ia->TextfeldRechteck({0, 0}, QString(500, 'W')).width(), l.V().width());
    l.ia->FarbeSetzen(24);
    l.ia->TextUebernehmen({200, 300}, "Wurzel");
    EXPECT_GT(Zaehlen(l.V(), {200, 300, 200, feld.height()}, QColor(0, 0, 255), 60), 40);
    EXPECT_TRUE(l.ia->Rueckgaengig());
    EXPECT_EQ(Zaehlen(l.V(), {200, 300, 200, feld.height()}, QColor(0, 0, 255), 60), 0);
}
