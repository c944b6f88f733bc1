// Drawing single objects: character height, placement, covers and numbers,
// leader lines, target points and the drawing helpers.

#include "Lernansichtshilfen.h"

#include "learnview/ObjektzeichnungIntern.h"
#include "learnview/Zeichenhilfen.h"

#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

using namespace kalumo;
using namespace kalumo::test;

namespace {

const QColor kDeck(202, 228, 255);
const QColor kDeckRand(70, 125, 187);

QRect Karte(const Lernansicht &lv, const ObjDataTyp &o)
{
    return lv.KartenPixel(o);
}

} // namespace

// A standard label on a page 870 pixels wide has a character height of 22,
// at zoom 200 % one of 44: the card is one line of that font high and a
// capital "X" is about 0.73 of the height in ink.
TEST(Objektzeichnung, StandardbeschriftungHatZeichenhoehe22Und44BeiZoom200)
{
    struct Fall
    {
        int Zoomstufe;
        int Hoehe;
    };
    for (const Fall f : {Fall{0, 22}, Fall{4, 44}}) {
        SCOPED_TRACE(f.Zoomstufe);
        Dokument dok = Seite();
        ObjDataTyp &o = Objekt(dok, objFixeBeschriftung, 0.3, 0.4, "X");
        o.Farbe = 0x000000;
        auto lv = Ansicht(dok, f.Zoomstufe);
        lv->RebuildView();
        ASSERT_EQ(lv->PageBitmap.width(), 870 * f.Hoehe / 22);
        const QFont schrift = Schrift("Arial", f.Hoehe);
        EXPECT_EQ(schrift.pixelSize(), f.Hoehe);
        const QRect karte = Karte(*lv, dok.Objekte[0]);
        EXPECT_NEAR(karte.height(), QFontMetrics(schrift).height(), 1);
        const auto [erste, letzte] = DunkleZeilen(lv->PageBitmap, karte);
        ASSERT_GE(erste, 0);
        EXPECT_NEAR(letzte - erste + 1, 0.73 * f.Hoehe, 2.0);
    }
}

// KAusr 0 takes the direction from the anchor to the card point; the
// vertical distance counts in page-width units (page 870 x 609 here).
TEST(Objektzeichnung, AutomatischeAusrichtungUndKartenlage)
{
    struct Fall
    {
        const char *Name;
        double Sx, Sy, Kx, Ky;
        int Erwartet;
    };
    const Fall faelle[] = {
        {"gleicher Punkt", 0.5, 0.5, 0.5, 0.5, 1},
        {"links auf gleicher Hoehe", 0.5, 0.5, 0.3, 0.5, 3},
        {"rechts", 0.5, 0.5, 0.7, 0.5, 1},
        {"darueber", 0.5, 0.5, 0.5, 0.3, 2},
        {"darunter", 0.5, 0.5, 0.5, 0.7, 4},
        {"flach genug fuer rechts", 0.5, 0.5, 0.6, 0.62, 1}, // 0.12 / 1.4286 < 0.1
        {"steil genug fuer unten", 0.5, 0.5, 0.6, 0.66, 4},  // 0.16 / 1.4286 > 0.1
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.Name);
        Dokument dok = Seite();
        ObjDataTyp &o = Objekt(dok, objFixeBeschriftung, f.Kx, f.Ky, "Wort");
        o.KAusr = 0;
        o.Sx = f.Sx;
        o.Sy = f.Sy;
        auto lv = Ansicht(dok);
        lv->RebuildView();
        const ObjDataTyp &r = dok.Objekte[0];
        EXPECT_EQ(r.KAusrAkt, f.Erwartet);
        const QRect k = Karte(*lv, r);
        const QPoint p = lv->SeiteZuPixel({f.Kx, f.Ky});
        switch (f.Erwartet) {
        case 1: EXPECT_EQ(k.left(), p.x() + 7); break;
        case 3: EXPECT_EQ(k.right() + 1, p.x() - 7); break;
        case 2: EXPECT_EQ(k.bottom() + 1, p.y() - 2); break;
        case 4: EXPECT_EQ(k.top(), p.y() + 2); break;
        }
        EXPECT_NEAR(r.KartHalbBreite * 870, k.width() / 2.0 + 7, 1.0);
    }
}

TEST(Objektzeichnung, LeereAbfragebeschriftungHatKarteDeckungUndNummer)
{
    Dokument dok = Seite();
    Objekt(dok, objAbfrageBeschriftung, 0.5, 0.5, "");
    Objekt(dok, objFixeBeschriftung, 0.5, 0.8, "");
    for (int modus : {numFragezeichen, numGeordnet}) {
        SCOPED_TRACE(modus);
        auto lv = Ansicht(dok);
        lv->AssignNumbers(modus, true);
        const QRect abfrage = Karte(*lv, dok.Objekte[0]);
        EXPECT_EQ(abfrage.width(), 30);
        EXPECT_EQ(abfrage.height(), QFontMetrics(Schrift("Arial", 22)).height());
        const QImage &b = lv->PageBitmap;
        EXPECT_TRUE(FarbeIst(b, abfrage.topLeft(), kDeckRand));
        EXPECT_TRUE(FarbeIst(b, abfrage.topLeft() + QPoint(1, 1), kDeck));
        EXPECT_GT(Dunkel(b, abfrage.adjusted(1, 1, -1, -1)), 5); // "?"
        const int rot = Zaehlen(b, abfrage, QColor(255, 0, 0), 60);
        if (modus == numGeordnet) {
            EXPECT_EQ(dok.Objekte[0].AnzeigeNummer, 1);
            EXPECT_GT(rot, 5);
            EXPECT_GT(Zaehlen(b, abfrage, Qt::white, 2), 20);
        } else {
            EXPECT_EQ(rot, 0);
        }
        // the fixed label has no card and leaves the page untouched
        const ObjDataTyp &fix = dok.Objekte[1];
        EXPECT_EQ(fix.KartRect[0], fix.KartRect[2]);
        EXPECT_EQ(fix.KartRect[1], fix.KartRect[3]);
        EXPECT_EQ(Zaehlen(b, QRect(lv->SeiteZuPixel({0.5, 0.8}) - QPoint(30, 20), QSize(60, 40)), Qt::white, 0),
                  60 * 40);
    }
}

TEST(Objektzeichnung, AbgedeckteKartenSindHellblauMitRandUndUeberDeckenAlles)
{
    Dokument dok = Seite(870, 609, QColor(0, 128, 0));
    ObjDataTyp &a = Objekt(dok, objAbfrageBeschriftung, 0.4, 0.4, "Hauptstadt");
    a.ZIndex = -5; // low, still drawn last while covered
    ObjDataTyp &f = Objekt(dok, objFixeBeschriftung, 0.4, 0.4, "Ueberdeckung");
    f.HDeck = 100;
    f.HFarbe = 0x0000FF;
    f.ZIndex = 7;
    auto lv = Ansicht(dok);
    lv->RebuildView();
    const QRect k = Karte(*lv, dok.Objekte[0]);
    ASSERT_GT(k.width(), 60);
    const QImage &b = lv->ViewBitmap;
    for (QPoint p : {k.topLeft(), k.bottomRight(), QPoint(k.left(), k.center().y()), QPoint(k.right(), k.top() + 3)})
        EXPECT_TRUE(FarbeIst(b, p, kDeckRand)) << p.x() << "," << p.y();
    for (QPoint p : {k.topLeft() + QPoint(2, 2), k.bottomRight() - QPoint(2, 2), QPoint(k.left() + 4, k.center().y())})
        EXPECT_TRUE(FarbeIst(b, p, kDeck)) << p.x() << "," << p.y();
    // uncovered, the fixed label with the higher ZIndex lies over the query label
    dok.Objekte[0].Abgedeckt = abgAufgedeckt;
    lv->RebuildView();
    EXPECT_TRUE(FarbeIst(lv->ViewBitmap, Karte(*lv, dok.Objekte[1]).topLeft() + QPoint(1, 1), QColor(255, 0, 0)));
}

TEST(Objektzeichnung, FragezeichenPasstSichDerKartenhoeheAn)
{
    struct Fall
    {
        int Karte;
        int Hoechstens;
    };
    const int voll = QFontMetrics(Schrift("Arial", 22)).height();
    for (const Fall f : {Fall{voll, 22}, Fall{12, 11}, Fall{0, 1}, Fall{-5, 1}}) {
        SCOPED_TRACE(f.Karte);
        const int h = zeichnung::FragezeichenHoehe("Arial", 22, 0, f.Karte);
        EXPECT_LE(h, f.Hoechstens);
        EXPECT_GE(h, 1);
        if (h > 1) {
            EXPECT_LE(QFontMetrics(Schrift("Arial", h)).height(), f.Karte);
        }
    }
}

// LinieDicke w draws w x w one-pixel lines offset by -w/2 .. -w/2 + w - 1.
TEST(Objektzeichnung, LeitlinieAusWMalWEinpixellinien)
{
    struct Fall
    {
        int Dicke;
        int Oben, Unten; // rows covered around the line's row
    };
    for (const Fall f : {Fall{1, 0, 0}, Fall{2, -1, 0}, Fall{4, -2, 1}, Fall{5, -2, 2}}) {
        SCOPED_TRACE(f.Dicke);
        Dokument dok = Seite();
        ObjDataTyp &o = Objekt(dok, objFixeBeschriftung, 600.0 / 870, 300.0 / 609, "Ziel");
        o.Sline = 1;
        o.Sx = 100.0 / 870;
        o.Sy = 300.0 / 609;
        o.LinieDicke = f.Dicke;
        o.LinieFarbe = 0x0000FF;
        auto lv = Ansicht(dok);
        lv->RebuildView();
        const QImage &b = lv->PageBitmap;
        for (int x : {150, 300, 500}) {
            for (int dy = -4; dy <= 4; ++dy) {
                const bool erwartet = dy >= f.Oben && dy <= f.Unten;
                EXPECT_EQ(FarbeIst(b, {x, 300 + dy}, QColor(255, 0, 0), 0), erwartet) << "x " << x << " dy " << dy;
            }
        }
        // the band also starts w/2 pixels before the anchor
        EXPECT_EQ(FarbeIst(b, {100 + f.Oben, 300}, QColor(255, 0, 0), 0), true);
        EXPECT_EQ(FarbeIst(b, {100 + f.Oben - 1, 300}, QColor(255, 0, 0), 0), false);
    }
}

TEST(Objektzeichnung, ZielpunktFolgtDerZielpunktgroesse)
{
    struct Fall
    {
        int Groesse;
        bool Mitte, Aussen; // fill at the centre's left half, fill near the rim
    };
    for (const Fall f : {Fall{100, true, true}, Fall{50, true, false}, Fall{0, false, false}}) {
        SCOPED_TRACE(f.Groesse);
        Dokument dok = Seite();
        dok.Kopf.Zielpunktgroesse = f.Groesse;
        Objekt(dok, objAbfrageBeschriftung, 0.5, 0.5, "Ziel").Abgedeckt = abgAusstehend;
        dok.Objekte[0].KAusr = 5;
        auto lv = Ansicht(dok);
        lv->UebungLaeuft = true;
        lv->RebuildView();
        const QRect k = Karte(*lv, dok.Objekte[0]);
        EXPECT_EQ(k.width(), 30);
        EXPECT_EQ(k.height(), 30);
        const QColor fuellung(236, 237, 232);
        const QPoint m = k.center();
        EXPECT_EQ(FarbeIst(lv->PageBitmap, m - QPoint(5, 0), fuellung, 2), f.Mitte);
        EXPECT_EQ(FarbeIst(lv->PageBitmap, m - QPoint(11, 0), fuellung, 2), f.Aussen);
        if (f.Groesse == 0) {
            EXPECT_EQ(Zaehlen(lv->PageBitmap, k.adjusted(-2, -2, 2, 2), Qt::white, 0), 34 * 34);
        }
    }
}

TEST(Objektzeichnung, UebungsmarkenHakenKreuzUndX)
{
    struct Fall
    {
        int Zustand;
        QColor Farbe;
    };
    for (const Fall f : {Fall{-2, QColor(0, 196, 0)}, Fall{-3, QColor(220, 0, 0)}}) {
        SCOPED_TRACE(f.Zustand);
        Dokument dok = Seite();
        Objekt(dok, objAbfrageBeschriftung, 0.5, 0.5, "Antwort").Abgedeckt = f.Zustand;
        auto lv = Ansicht(dok);
        lv->UebungLaeuft = true;
        lv->RebuildView();
        const QRect k = Karte(*lv, dok.Objekte[0]);
        EXPECT_EQ(k.size(), QSize(44, 38));
        EXPECT_GT(Zaehlen(lv->PageBitmap, k.adjusted(-10, -10, 10, 10), f.Farbe, 40), 40);
    }
}

TEST(Objektzeichnung, WingdingsZeichenHabenEinenErsatzInDejaVuSans)
{
    const QFontMetrics fm(WingdingsSchrift(43));
    struct Fall
    {
        int Code;
        char32_t Zeichen;
    };
    for (const Fall f : {Fall{0xFC, 0x2714}, Fall{0xFB, 0x2716}, Fall{0xAB, 0x2605}, Fall{'J', 0x263A},
                         Fall{'K', 0x1F610}, Fall{'L', 0x2639}}) {
        SCOPED_TRACE(f.Code);
        const QString z = WingdingsZeichen(f.Code);
        EXPECT_EQ(z.toUcs4().value(0), f.Zeichen);
        EXPECT_TRUE(fm.inFontUcs4(f.Zeichen));
    }
}

TEST(Zeichenhilfen, FitTextVerkleinertBisZurHoeheOderDreiPixel)
{
    QImage bild(400, 300, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::white);
    QPainter p(&bild);
    const QString text = "Ein ziemlich langer Satz, der in eine schmale Spalte umbrochen wird.";
    struct Fall
    {
        int MaxHoehe;
        int Vertikal;
    };
    for (const Fall f : {Fall{200, 0}, Fall{60, 2}, Fall{1, 0}}) {
        SCOPED_TRACE(f.MaxHoehe);
        QRect r(10, 10, 150, 250);
        const QFont s = FitText(&p, text, false, 0, f.Vertikal, f.MaxHoehe, r, Schrift("Arial", 30), Qt::black);
        const int hoehe = QFontMetrics(s).boundingRect(QRect(0, 0, 150, 10000), Qt::TextWordWrap, text).height();
        if (s.pixelSize() > 3) {
            EXPECT_LE(hoehe, f.MaxHoehe);
        } else {
            EXPECT_EQ(s.pixelSize(), 3);
        }
        if (f.Vertikal == 2) {
            EXPECT_NEAR(r.top(), 10 + (250 - hoehe) / 2.0, 1.0);
        }
    }
}

TEST(Zeichenhilfen, PunktEckenUndFarben)
{
    EXPECT_EQ(PunktEcken(QRectF(0, 0, 30, 30)), 24);
    EXPECT_EQ(PunktEcken(QRectF(0, 0, 1000, 400)), 200);
    EXPECT_EQ(PunktEcken(QRectF(0, 0, 1010, 20)), 200);
    EXPECT_EQ(Farbe(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(Farbe(0xFF0000, 50).alpha(), 128);
    EXPECT_EQ(Abgedunkelt(QColor(100, 200, 10)), QColor(70, 140, 7));
    EXPECT_EQ(BeschriftungsHoehe(0, 1.0), 22);
    EXPECT_EQ(BeschriftungsHoehe(-50, 1.0), 6);   // Fsize clamped to -8
    EXPECT_EQ(BeschriftungsHoehe(5000, 1.0), 822); // and to 400
}
