#include "learnview/Infofenster.h"
#include "platform/Meldungen.h"
#include "platform/Passwortabfrage.h"

#include <gtest/gtest.h>

using namespace kalumo;

TEST(Infofenster, Passwort)
{
    struct Fall { const char *gespeichert; std::optional<QString> eingabe; bool ok; int fragen; bool fehler; };
    const Fall faelle[] = {
        {"", std::nullopt, true, 0, false},
        {"Geheim", QString("Geheim"), true, 1, false},
        {"Geheim", QString("geheim"), false, 1, true}, // exact, case-sensitive
        {"Geheim", std::nullopt, false, 1, false},     // cancelled: no message
    };
    for (const Fall &f : faelle) {
        SkriptMeldungen m;
        SkriptPasswortabfrage abfrage;
        abfrage.Antworten.push_back(f.eingabe);
        EXPECT_EQ(PunktPasswortPruefen(f.gespeichert, abfrage, m), f.ok) << f.gespeichert;
        EXPECT_EQ(abfrage.Anzahl, f.fragen);
        EXPECT_EQ(m.Texte(), f.fehler ? QStringList{"Das Passwort ist falsch."} : QStringList{});
    }
}

TEST(Infofenster, RasterWaechstMitDemTextUndWirdAbgeschnitten)
{
    struct Fall { int benoetigt; int aufrufe; int hoehe; };
    const Fall faelle[] = {{120, 1, 120}, {3000, 1, 3000}, {3500, 2, 3500}, {1'000'000, 2, kInfotextMaxHoehe}};
    for (const Fall &f : faelle) {
        int aufrufe = 0;
        const QImage r = InfotextRaster("x", 400, [&](QImage &raster, const QString &) {
            ++aufrufe;
            EXPECT_EQ(raster.pixel(0, 0), qRgb(255, 255, 255));
            return f.benoetigt;
        });
        EXPECT_EQ(aufrufe, f.aufrufe) << f.benoetigt;
        EXPECT_EQ(r.height(), f.hoehe) << f.benoetigt;
        EXPECT_EQ(r.width(), 400);
    }
}

TEST(Infofenster, LageObenRechtsUndHoechstens566Hoch)
{
    const QRect haupt(100, 50, 1000, 700);
    EXPECT_EQ(InfofensterLage(haupt, 300, 200), QRect(794, 56, 300, 234));
    EXPECT_EQ(InfofensterLage(haupt, 300, 200, 50), QRect(794, 56, 300, 250));
    EXPECT_EQ(InfofensterLage(haupt, 300, 5000).height(), 566);
}

TEST(Infofenster, RahmenWirdAufDenBildschirmGeschoben)
{
    const QRect schirm(0, 0, 1024, 768);
    struct Fall { QRect rahmen; QPoint erwartet; };
    const Fall faelle[] = {
        {{100, 50, 300, 200}, {100, 50}},     // on the screen: stays
        {{100, -30, 300, 200}, {100, 0}},     // title bar above the edge
        {{900, 10, 300, 200}, {724, 10}},     // beyond the right edge
        {{-50, 700, 300, 200}, {0, 568}},     // left of and below the screen
        {{-50, -50, 2000, 1000}, {0, 0}},     // larger than the screen: top-left stays
    };
    for (const Fall &f : faelle) {
        const QRect r = AufDemBildschirm(f.rahmen, schirm);
        EXPECT_EQ(r.topLeft(), f.erwartet) << f.rahmen.x() << "," << f.rahmen.y();
        EXPECT_EQ(r.size(), f.rahmen.size());
    }
    // a screen beside the primary one
    EXPECT_EQ(AufDemBildschirm(QRect(1000, -5, 300, 200), QRect(1024, 0, 800, 600)).topLeft(), QPoint(1024, 0));
}
