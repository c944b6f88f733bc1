// The layouts of cloze, table, find-words and crossword pages.

#include "Lernansichtshilfen.h"

#include "learnview/TextFlow.h"
#include "learnview/TextLayouts.h"
#include "learnview/Zeichenhilfen.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace kalumo;
using namespace kalumo::test;

namespace {

// A page of 870 x 609 pixels (s = 1) of the type, laid out by the text layouts.
struct Layoutprobe : ::testing::Test
{
    Dokument dok = Seite(870, 609);
    std::unique_ptr<Lernansicht> lv;

    void Typ(int dokTyp, int unterTyp = 0)
    {
        dok.Kopf.DokTyp = dokTyp;
        dok.Kopf.DokUnterTyp = unterTyp;
        dok.Kopf.EinrueckRand = StandardEinrueckRand(dokTyp);
    }
    void Aufbauen()
    {
        lv = Ansicht(dok);
        lv->Haken = &StandardTextLayouts();
        lv->RebuildView();
        TextLayoutsNeuAufbauen(*lv);
        lv->RebuildView();
    }
    std::vector<const ObjDataTyp *> Art(int typ) const
    {
        std::vector<const ObjDataTyp *> v;
        for (const ObjDataTyp &o : dok.Objekte)
            if (o.Typ == typ)
                v.push_back(&o);
        return v;
    }
    // Measures paragraphs as the cloze layout does at character height c.
    int Textunterkante(const QStringList &absaetze, int c, int links, int rechterRand, int y)
    {
        TextFlowUmgebung form;
        form.Dok = &dok;
        for (const QString &a : absaetze)
            y = TextFlow(form, nullptr, 870, rechterRand, true, Qt::black, false, fmCloze, c, 0, a, y, links, 609);
        return y;
    }
};

QString LangerText(int woerter, int jedesNte)
{
    QString t;
    for (int i = 0; i < woerter; ++i) {
        if (i > 0)
            t += (i % 40 == 0) ? QStringLiteral("\r\n") : QStringLiteral(" ");
        t += (jedesNte > 0 && i % jedesNte == 0) ? QStringLiteral("<<Wort%1>>").arg(i) : QStringLiteral("Text");
    }
    return t;
}

} // namespace

TEST_F(Layoutprobe, LueckentextMachtLueckenUndFalschwoerter)
{
    Typ(dokLueckentext, subLueckentextFalschwoerter);
    dok.Kopf.lueckentext = QStringLiteral("Der <<Rhein|Rhine>> fließt in die <<Nordsee>>.\r\nZweite Zeile.");
    dok.Kopf.fragentext = QStringLiteral("  Main \r\n\r\n   \r\nElbe");
    Aufbauen();
    const auto luecken = Art(objAbfrageLuecke);
    ASSERT_EQ(luecken.size(), 2u);
    EXPECT_EQ(luecken[0]->Cap, QStringLiteral("Rhein"));
    EXPECT_EQ(luecken[0]->BildKenn, QStringLiteral("|Rhein|Rhine|"));
    EXPECT_LT(luecken[0]->Kx, luecken[1]->Kx);
    EXPECT_NEAR(luecken[0]->Ky, luecken[1]->Ky, 1e-9);
    const auto falsch = Art(objFalschwort);
    ASSERT_EQ(falsch.size(), 2u);
    EXPECT_EQ(falsch[0]->Cap, QStringLiteral("  Main "));
    EXPECT_EQ(falsch[0]->Ebene, 0);
    EXPECT_EQ(falsch[0]->KAusr, 1);
    EXPECT_EQ(falsch[1]->Cap, QStringLiteral("Elbe"));
    EXPECT_EQ(dok.Kopf.TextSchriftHoehe, -22);
    // rebuilding again replaces the objects instead of adding to them
    TextLayoutsNeuAufbauen(*lv);
    EXPECT_EQ(dok.Objekte.size(), 4u);
}

TEST_F(Layoutprobe, LaufenderTextNurMitTextebene)
{
    Typ(dokLueckentext);
    dok.Kopf.lueckentext = QStringLiteral("Viel Text vor der <<Lücke>> und dahinter.");
    Aufbauen();
    const QRect zeile(0, 0, 870, 60);
    EXPECT_GT(Dunkel(lv->PageBitmap, zeile), 200);
    lv->Ebene1Check = false;
    lv->RebuildView();
    // the gap is on layer 1 as well: nothing is left of the line
    EXPECT_EQ(Dunkel(lv->PageBitmap, zeile), 0);
    lv->UebungLaeuft = true;
    lv->RebuildView();
    EXPECT_GT(Dunkel(lv->PageBitmap, zeile), 200);
}

TEST_F(Layoutprobe, LeererLueckentextHatKeineObjekte)
{
    for (int unter : {0, 2, 3, 4}) {
        SCOPED_TRACE(unter);
        dok.Objekte.clear();
        Typ(dokLueckentext, unter);
        dok.Kopf.fragentext = QStringLiteral("Falsch");
        ObjektHinzufuegen(dok, objAbfrageLuecke, 1, QStringLiteral("alt"), 0, 2, 0.5, 0.5, 0);
        Aufbauen();
        EXPECT_TRUE(dok.Objekte.empty());
    }
}

TEST_F(Layoutprobe, NeuzeichnenVerschiebtLueckenUndBehaeltIhrenZustand)
{
    Typ(dokLueckentext, subCTest);
    dok.Kopf.lueckentext = QStringLiteral("Ein Te<<xt>> mit Lü<<cken>> und noch ei<<ner>>.");
    Aufbauen();
    ASSERT_EQ(Art(objAbfrageLuecke).size(), 3u);
    dok.Objekte[1].Abgedeckt = abgAufgedeckt;
    const double kx = dok.Objekte[0].Kx;
    dok.Kopf.EinrueckRand[0] = 0.2;
    lv->RebuildView();
    ASSERT_EQ(dok.Objekte.size(), 3u);
    EXPECT_NEAR(dok.Objekte[0].Kx, kx + 0.2 - 0.035, 0.003);
    EXPECT_EQ(dok.Objekte[0].Abgedeckt, abgAbgedeckt);
    EXPECT_EQ(dok.Objekte[1].Abgedeckt, abgAufgedeckt);
    // another view size keeps the fractions
    const double ky = dok.Objekte[2].Ky;
    lv->Ansichtsgroesse = {1740, 1218};
    lv->RebuildView();
    EXPECT_NEAR(dok.Objekte[2].Ky, ky, 0.01);
    EXPECT_EQ(dok.Objekte[1].Abgedeckt, abgAufgedeckt);
}

TEST_F(Layoutprobe, ZuLangerLueckentextWirdInSchrittenKleiner)
{
    // the character heights the fitting rule passes through from 22 (s = 1)
    std::vector<int> folge{22};
    while (folge.back() >= 9)
        folge.push_back(folge.back() - std::max(1, Runden(folge.back() * 0.1)));
    struct Fall
    {
        int Woerter;
        bool Unten; // ends below 9 pixels
    };
    for (const Fall f : {Fall{150, false}, Fall{400, false}, Fall{900, false}, Fall{6000, true}}) {
        SCOPED_TRACE(f.Woerter);
        dok.Objekte.clear();
        Typ(dokLueckentext);
        dok.Kopf.lueckentext = LangerText(f.Woerter, 10);
        Aufbauen();
        const int c = 22 + lv->GapFontOffset;
        EXPECT_EQ(dok.Kopf.TextSchriftHoehe, -c);
        const auto stelle = std::find(folge.begin(), folge.end(), c);
        ASSERT_NE(stelle, folge.end()) << c;
        const QStringList absaetze = dok.Kopf.lueckentext.split(QStringLiteral("\r\n"));
        const int links = Runden(870 * 0.035), oben = Runden(609 * 0.01);
        if (f.Unten) {
            EXPECT_EQ(c, folge.back());
        } else {
            EXPECT_LE(Textunterkante(absaetze, c, links, links, oben), 609);
        }
        if (stelle != folge.begin()) {
            EXPECT_GT(Textunterkante(absaetze, *(stelle - 1), links, links, oben), 609);
        }
        EXPECT_EQ(int(Art(objAbfrageLuecke).size()), (f.Woerter + 9) / 10);
    }
}

TEST_F(Layoutprobe, TabellenzeileSoHochWieIhreHoechsteZelle)
{
    struct Fall
    {
        const char *Text;
        bool TextHoeher;
    };
    for (const Fall f : {Fall{"eins\r\nzwei\r\ndrei\r\nvier\r\nfünf", true}, Fall{"eins", false}}) {
        SCOPED_TRACE(f.Text);
        dok.Objekte.clear();
        Typ(dokLueckentext, subTabelle);
        dok.Kopf.LueckenTabelleZeilen = 4;
        dok.Kopf.LueckenTabelleSpalten = 2;
        auto &t = dok.Kopf.LueckenTabelle;
        t[0][0].Text = QString::fromUtf8(f.Text);
        t[0][1].Art = zelleAbfrageText;
        t[0][1].Text = QStringLiteral("Antwort");
        t[1][0].Art = zelleAbfrageText;
        t[1][0].Text = QStringLiteral("Zweite");
        t[1][1].Art = zelleFixbild;
        t[1][1].Bild = QImage(20, 20, QImage::Format_RGBA8888);
        t[1][1].Bild.fill(Qt::red);
        t[1][1].Groesse = 30;
        Aufbauen();
        const auto abfragen = Art(objTabelleAbfrageText);
        ASSERT_EQ(abfragen.size(), 2u);
        ASSERT_EQ(Art(objTabelleBild).size(), 1u);
        const int oben = Runden(609 * 0.01);
        const int h = Runden((1 - 0.01) * 609 / 4);
        const int text = Textunterkante(QString::fromUtf8(f.Text).split(QStringLiteral("\r\n")), 22,
                                        Runden(870 * 0.035), 0, oben);
        const int abfrage = oben + Runden(h * 0.75);
        EXPECT_EQ(text > abfrage, f.TextHoeher);
        const int zeile2 = std::max(text, abfrage);
        EXPECT_NEAR(abfragen[1]->Ky, zeile2 / 609.0 + 0.015, 0.004);
        EXPECT_NEAR(Art(objTabelleBild)[0]->Ky, zeile2 / 609.0 + 0.0035, 0.004);
        // both cells of a row share its top
        EXPECT_NEAR(abfragen[0]->Ky, oben / 609.0 + 0.015, 1e-9);
        const int g = Runden((1 - 0.07) * 870 * 0.03), w = Runden(((1 - 0.07) * 870 - g) / 2.0);
        EXPECT_NEAR(abfragen[0]->KartBreite, w * 0.95 / 870, 1e-9);
        EXPECT_NEAR(abfragen[0]->Kx, (w + g + Runden(870 * 0.035) + w * 0.5) / 870, 1e-9);
        EXPECT_EQ(abfragen[0]->Cap, QStringLiteral("Antwort"));
        EXPECT_EQ(Art(objTabelleBild)[0]->Fsize, 30);
    }
}

TEST_F(Layoutprobe, TabellengitterNurMitTextebene)
{
    Typ(dokLueckentext, subTabelle);
    dok.Kopf.LueckenTabelleZeilen = 2;
    dok.Kopf.LueckenTabelleSpalten = 2;
    dok.Kopf.LueckenTabelleLinie = 1;
    dok.Kopf.LueckenTabelleLinieCol = 0x00FF00; // green
    Aufbauen();
    const QColor gruen(0, 255, 0);
    const int g = Runden((1 - 0.07) * 870 * 0.03), w = Runden(((1 - 0.07) * 870 - g) / 2.0);
    const int mitte = w + g + Runden(870 * 0.035) - g / 2;
    EXPECT_GT(Zaehlen(lv->PageBitmap, QRect(mitte, 0, 1, 609), gruen, 10), 20);
    lv->Ebene1Check = false;
    lv->RebuildView();
    EXPECT_EQ(Zaehlen(lv->PageBitmap, lv->PageBitmap.rect(), gruen, 10), 0);
}

TEST_F(Layoutprobe, KreuzwortSchriftstufeNachGroesseDesGitters)
{
    struct Fall
    {
        int Breite, Hoehe;
        int Fsize;
    };
    for (const Fall f : {Fall{11, 5, 0}, Fall{1, 1, 54}, Fall{5, 16, -2}, Fall{30, 30, -4}}) {
        SCOPED_TRACE(f.Breite * 100 + f.Hoehe);
        dok.Objekte.clear();
        Typ(dokKreuzwortraetsel);
        dok.Kopf.KreuzGitter = {};
        // a row and a column from the top-left used cell; the full grid uses both corners
        const int x0 = f.Breite == 30 ? 0 : 2, y0 = f.Breite == 30 ? 0 : 3;
        dok.Kopf.KreuzGitter[size_t(x0 + f.Breite - 1)][size_t(y0)] = QStringLiteral("A");
        dok.Kopf.KreuzGitter[size_t(x0)][size_t(y0 + f.Hoehe - 1)] = QStringLiteral("B");
        dok.Kopf.TextCol = 0;
        dok.Kopf.KreuzFarben[3] = 0x123456;
        Aufbauen();
        const auto buchstaben = Art(objKreuzwortGitter);
        ASSERT_FALSE(buchstaben.empty());
        for (const ObjDataTyp *o : buchstaben)
            EXPECT_EQ(o->Fsize, f.Fsize);
        EXPECT_EQ(dok.Kopf.TextCol, 0x123456);
        EXPECT_EQ(buchstaben[0]->Farbe, 0x123456);
        EXPECT_EQ(buchstaben[0]->KAusr, 5);
    }
}

TEST_F(Layoutprobe, KreuzwortKaestchenUndBuchstabenposition)
{
    Typ(dokKreuzwortraetsel);
    auto &g = dok.Kopf.KreuzGitter;
    // used cells span columns 4..7 and rows 2..3
    g[4][2] = QStringLiteral("#W12");
    g[5][2] = QStringLiteral("A");
    g[6][2] = QStringLiteral("B");
    g[7][2] = QStringLiteral("C");
    g[5][3] = QStringLiteral("#");
    Aufbauen();
    const double l = 0.035, t = 0.035, r = 0.035;
    const double cw = (1 - (r + 0.28 * (1 - r - l)) - l) / 4 * (870 - 2);
    const double ch = (1 - t - 0.035) / 2 * (609 - 2);
    const double d = std::min(cw, ch), fx = d / 870, fy = d / 609;
    const auto buchstaben = Art(objKreuzwortGitter);
    ASSERT_EQ(buchstaben.size(), 3u);
    EXPECT_EQ(buchstaben[0]->Cap, QStringLiteral("A"));
    EXPECT_NEAR(buchstaben[0]->Kx, 1.5 * fx + l, 1e-9);
    EXPECT_NEAR(buchstaben[0]->Ky, 0.5 * fy + t, 1e-9);
    EXPECT_NEAR(buchstaben[2]->Kx, 3.5 * fx + l, 1e-9);
    // the marker "#W12" shows W12 in the marker cell; "#" shows nothing and has no box
    const QImage &seite = lv->PageBitmap;
    auto zelle = [&](int x, int y) {
        return QRect(Runden((x * fx + l) * 870) + 3, Runden((y * fy + t) * 609) + 3, Runden(fx * 870) - 6,
                     Runden(fy * 609) - 6);
    };
    EXPECT_GT(Dunkel(seite, zelle(0, 0)), 10);
    EXPECT_EQ(Dunkel(seite, zelle(1, 1)), 0);
    EXPECT_EQ(Zaehlen(seite, zelle(1, 1), QColor(0xF0, 0xF0, 0xF0), 2), 0);
    EXPECT_GT(Zaehlen(seite, zelle(2, 0).adjusted(0, 0, 0, -Runden(fy * 609) / 2), QColor(0xF0, 0xF0, 0xF0), 2), 50);
}

TEST_F(Layoutprobe, KreuzwortHinweiseMitUndOhneSenkrecht)
{
    const QColor gruen(0, 255, 0);
    struct Fall
    {
        bool MitSenkrecht;
    };
    int nurWaagerecht = 0;
    for (const Fall f : {Fall{false}, Fall{true}}) {
        SCOPED_TRACE(f.MitSenkrecht);
        dok.Objekte.clear();
        Typ(dokKreuzwortraetsel);
        dok.Kopf.KreuzGitter[0][0] = QStringLiteral("A");
        dok.Kopf.KreuzFarben[5] = 0x00FF00;
        dok.Kopf.KreuzTexteWaagerecht[0] = QStringLiteral("Erster Hinweis");
        dok.Kopf.KreuzTexteSenkrecht[3] = f.MitSenkrecht ? QStringLiteral("Nach unten") : QString();
        Aufbauen();
        const QRect spalte(Runden((1 - (0.035 + 0.25 * 0.93)) * 870), 0, Runden(0.25 * 0.93 * 870), 609);
        const int titel = Zaehlen(lv->PageBitmap, spalte, gruen, 40);
        EXPECT_GT(titel, 20);
        if (!f.MitSenkrecht) {
            nurWaagerecht = titel;
        } else {
            EXPECT_GT(titel, nurWaagerecht * 3 / 2);
        }
    }
}

TEST_F(Layoutprobe, KreuzwortOhneKaestchenZeichnetNurHinweise)
{
    Typ(dokKreuzwortraetsel);
    dok.Kopf.KreuzFarben[0] = 0x00FF00;
    dok.Kopf.KreuzTexteWaagerecht[0] = QStringLiteral("Hinweis");
    Aufbauen();
    EXPECT_TRUE(Art(objKreuzwortGitter).empty());
    EXPECT_EQ(Zaehlen(lv->PageBitmap, lv->PageBitmap.rect(), QColor(0, 255, 0), 10), 0);
    EXPECT_GT(Dunkel(lv->PageBitmap, QRect(650, 0, 220, 100)), 10);
}

// The find-words text is fragentext when it is filled, else lueckentext; an
// empty lueckentext makes nothing.
TEST_F(Layoutprobe, WoerterFindenNimmtFragentextSonstLueckentext)
{
    struct Fall
    {
        const char *Lueckentext;
        const char *Fragentext;
        std::vector<std::pair<int, QString>> Tokens;
    };
    const std::vector<Fall> faelle = {
        {"Ein <<Haus>> und [[Garten]].", "", {{objWortsucheWort, "Haus"}, {objWortsucheFalle, "Garten"}}},
        {"Ein <<Haus>>.", "Ein <<Haus>> mit [[Dach]].", {{objWortsucheWort, "Haus"}, {objWortsucheFalle, "Dach"}}},
        {"", "Ein <<Haus>>.", {}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.Fragentext);
        dok.Objekte.clear();
        Typ(dokWoerterFinden);
        dok.Kopf.lueckentext = QString::fromUtf8(f.Lueckentext);
        dok.Kopf.fragentext = QString::fromUtf8(f.Fragentext);
        Aufbauen();
        ASSERT_EQ(dok.Objekte.size(), f.Tokens.size());
        for (size_t i = 0; i < f.Tokens.size(); ++i) {
            EXPECT_EQ(dok.Objekte[i].Typ, f.Tokens[i].first);
            EXPECT_EQ(dok.Objekte[i].Cap, f.Tokens[i].second);
        }
    }
}

TEST_F(Layoutprobe, LernansichtRendernLegtGelesenenLueckentextAus)
{
    Typ(dokLueckentext);
    dok.Kopf.lueckentext = QStringLiteral("Ein <<Wort>> hier.");
    EXPECT_TRUE(TextLayoutsFehlen(dok));
    const QImage bild = LernansichtRendern(dok, {870, 609}, 0, false);
    ASSERT_EQ(Art(objAbfrageLuecke).size(), 1u);
    EXPECT_FALSE(TextLayoutsFehlen(dok));
    // the covered gap shows its cover colour
    EXPECT_GT(Zaehlen(bild, bild.rect(), QColor(202, 228, 255), 3), 100);
}

TEST(Kartentext, AuszeichnungInBeschriftungen)
{
    Dokument dok = Seite(870, 609);
    ObjDataTyp &o = Objekt(dok, objFixeBeschriftung, 0.5, 0.5, QStringLiteral("<b>fett</b> und <u>unter</u>"));
    o.KAusr = 5;
    auto lv = Ansicht(dok);
    lv->RebuildView();
    const QRect karte = lv->KartenPixel(dok.Objekte[0]);
    const QImage ohne = lv->PageBitmap.copy();
    lv->Haken = &StandardTextLayouts();
    lv->RebuildView();
    // the tags are gone: less ink than the plain drawing with the tags as text,
    // and the card is measured without them
    EXPECT_GT(Dunkel(lv->PageBitmap, karte), 0);
    EXPECT_LT(Dunkel(lv->PageBitmap, karte), Dunkel(ohne, karte));
    const QRect gesetzt = lv->KartenPixel(dok.Objekte[0]);
    EXPECT_LT(gesetzt.width(), karte.width() * 3 / 4);
    EXPECT_EQ(gesetzt.height(), karte.height());
    // a caption without markup is drawn as before
    dok.Objekte[0].Cap = QStringLiteral("a < b");
    lv->RebuildView();
    const QImage mitHaken = lv->PageBitmap.copy();
    lv->Haken = nullptr;
    lv->RebuildView();
    EXPECT_EQ(mitHaken, lv->PageBitmap);
}

TEST_F(Layoutprobe, NeuaufbauOhneAnsichtNummeriertInDerGewaehltenArt)
{
    Typ(dokKreuzwortraetsel);
    dok.Kopf.KreuzGitter[0][0] = QStringLiteral("A");
    dok.Kopf.KreuzGitter[1][0] = QStringLiteral("B");
    // a letter read from a file is replaced
    ObjektHinzufuegen(dok, objKreuzwortGitter, 1, QStringLiteral("alt"), 0, 5, 0.9, 0.9, 0);
    dok.Objekte.back().Generiert = false;
    EXPECT_TRUE(TextLayoutsFehlen(dok));
    TextLayoutsNeuAufbauen(dok, QStringLiteral("Arial"), {1024, 700}, numGeordnet);
    ASSERT_EQ(dok.Objekte.size(), 2u);
    EXPECT_EQ(dok.Objekte[0].Cap, QStringLiteral("A"));
    EXPECT_EQ(dok.Objekte[0].AnzeigeNummer, 1);
    EXPECT_EQ(dok.Objekte[1].AnzeigeNummer, 2);
    EXPECT_FALSE(TextLayoutsFehlen(dok));
}
