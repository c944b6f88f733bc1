// The layouts of single questions, multiple choice, cluster cards with their
// baskets and cross matching.

#include "Lernansichtshilfen.h"

#include "learnview/FragenLayouts.h"
#include "learnview/Interaktion.h"
#include "learnview/TextLayouts.h"
#include "learnview/Zeichenhilfen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace kalumo;
using namespace kalumo::test;

namespace {

constexpr double kTol = 1e-9;

// A page of 870 x 609 pixels of the type, laid out through the hook.
struct Fragenprobe : ::testing::Test
{
    Dokument dok = Seite(870, 609);
    std::unique_ptr<Lernansicht> lv;

    void Typ(int dokTyp)
    {
        dok.Kopf.DokTyp = dokTyp;
        dok.Kopf.EinrueckRand = StandardEinrueckRand(dokTyp);
    }
    double L() const { return dok.Kopf.EinrueckRand[0]; }
    double T() const { return dok.Kopf.EinrueckRand[1]; }
    double R() const { return dok.Kopf.EinrueckRand[2]; }
    double B() const { return dok.Kopf.EinrueckRand[3]; }
    void Ansehen()
    {
        if (!lv) {
            lv = Ansicht(dok);
            lv->Haken = &StandardTextLayouts();
        }
        lv->RebuildView();
    }
    void Aufbauen()
    {
        Ansehen();
        TextLayoutsNeuAufbauen(*lv);
        lv->RebuildView();
    }
    std::vector<const ObjDataTyp *> Art(int typ, int frage = -2) const
    {
        std::vector<const ObjDataTyp *> v;
        for (const ObjDataTyp &o : dok.Objekte)
            if (o.Typ == typ && (frage == -2 || o.FrageNummer == frage))
                v.push_back(&o);
        return v;
    }
    ObjDataTyp &MCFrage(const QStringList &felder, int typ = objMCFrage)
    {
        ObjDataTyp &o = Objekt(dok, typ, -1, -1, KommatextSchreiben(felder));
        o.MCInfoLinkData = StandardMCInfoLinkData();
        return o;
    }
    QString Antworten(int n) const
    {
        QStringList l;
        for (int i = 0; i < n; ++i)
            l << (i % 3 == 0 ? QStringLiteral("+Antwort %1") : QStringLiteral("-Antwort %1")).arg(i + 1);
        return l.join(QStringLiteral("\r\n"));
    }
    // A cell of the table.
    lueckentabellearrtyp &Zelle(int z, int s) { return dok.Kopf.LueckenTabelle[size_t(z)][size_t(s)]; }
};

// ---- single questions ----

TEST_F(Fragenprobe, EinzelfragenSeitenAusDenZeilen)
{
    Typ(dokEinzelfragen);
    dok.Kopf.fragentext = QStringLiteral("Erste? // eins\r\n\r\n   \r\n  Zweite ohne Antwort  \r\n"
                                         "Dritte?//drei // mehr\nVierte?//vier\rFünfte? //");
    Aufbauen();
    EXPECT_EQ(dok.Kopf.AnzFrageNummern, 5);
    EXPECT_EQ(lv->AktFrageNummer, 1);
    ASSERT_EQ(Art(objFrageText).size(), 5u);
    ASSERT_EQ(Art(objFrageAntwort).size(), 5u);
    ASSERT_EQ(Art(objTextLabel).size(), 10u);

    struct Fall { int k; const char16_t *frage, *antwort; };
    const Fall faelle[] = {
        {1, u"Erste?", u"eins"},
        {2, u"Zweite ohne Antwort", u"---"},
        {3, u"Dritte?", u"drei // mehr"},
        {4, u"Vierte?", u"vier"},
        {5, u"Fünfte?", u""},
    };
    const double h = (1 - T() - B()) / 0.64;
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.k);
        const auto frage = Art(objFrageText, f.k), antwort = Art(objFrageAntwort, f.k),
                   labels = Art(objTextLabel, f.k);
        ASSERT_EQ(frage.size(), 1u);
        ASSERT_EQ(antwort.size(), 1u);
        ASSERT_EQ(labels.size(), 2u);
        EXPECT_EQ(frage[0]->Cap, QString::fromUtf16(f.frage));
        EXPECT_EQ(antwort[0]->Cap, QString::fromUtf16(f.antwort));
        EXPECT_EQ(labels[0]->Cap, QStringLiteral("Frage Nr. %1 von 5").arg(f.k));
        EXPECT_EQ(labels[1]->Cap, QStringLiteral("Antwort:"));
        EXPECT_NEAR(frage[0]->Kx, L(), kTol);
        EXPECT_NEAR(frage[0]->Ky, T() + h * 0.22, kTol);
        EXPECT_NEAR(labels[0]->Ky, T() + 0.01, kTol);
        EXPECT_NEAR(antwort[0]->Kx, L() + 0.125, kTol);
        EXPECT_NEAR(antwort[0]->Ky, T() + h * 0.435, kTol);
        EXPECT_EQ(frage[0]->Fsize, 5);
        EXPECT_EQ(labels[0]->Fsize, -5);
        EXPECT_EQ(antwort[0]->Abgedeckt, abgAbgedeckt);
        EXPECT_EQ(antwort[0]->KAusr, 1);
    }
    EXPECT_EQ(Art(objFrageText, 2)[0]->Cap, QStringLiteral("Zweite ohne Antwort"));
}

TEST_F(Fragenprobe, NavigationsknoepfeUnterDemRahmen)
{
    Typ(dokEinzelfragen);
    dok.Kopf.fragentext = QStringLiteral("a//b");
    Aufbauen();
    const int reihenfolge[] = {objNavErste, objNavZurueck, objNavVor, objNavLetzte, objNavZufall};
    for (int i = 0; i < 5; ++i) {
        const auto k = Art(reihenfolge[i]);
        ASSERT_EQ(k.size(), 1u);
        EXPECT_NEAR(k[0]->Kx, L() + i * 0.06, kTol);
        EXPECT_NEAR(k[0]->Ky, 1 - B() - 0.03, kTol);
        EXPECT_EQ(k[0]->Ebene, ebeneInfopunkte);
        EXPECT_EQ(k[0]->FrageNummer, -1);
        EXPECT_TRUE(k[0]->Cap.isEmpty());
    }
}

TEST_F(Fragenprobe, AktuelleFrageBleibtImBereich)
{
    struct Fall { const char *text; int vorher, nachher, anzahl; };
    const Fall faelle[] = {
        {"a\r\nb\r\nc", -1, 1, 3}, {"a\r\nb\r\nc", 0, 1, 3}, {"a\r\nb\r\nc", 2, 2, 3},
        {"a\r\nb\r\nc", 3, 3, 3},  {"a\r\nb\r\nc", 7, 1, 3}, {"\r\n   \r\n", 2, -1, 0},
        {"\r\n   \r\n", -1, -1, 0}, {"", 2, 2, 0}, // an empty text keeps the current question
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.text);
        Dokument d = Seite(870, 609);
        d.Kopf.DokTyp = dokEinzelfragen;
        d.Kopf.EinrueckRand = StandardEinrueckRand(dokEinzelfragen);
        d.Kopf.AnzFrageNummern = 9;
        d.Kopf.fragentext = QString::fromLatin1(f.text);
        auto ansicht = Ansicht(d);
        ansicht->RebuildView();
        ansicht->AktFrageNummer = f.vorher;
        LayoutQuestions(*ansicht, true);
        EXPECT_EQ(ansicht->AktFrageNummer, f.nachher);
        EXPECT_EQ(d.Kopf.AnzFrageNummern, f.anzahl);
    }
}

TEST_F(Fragenprobe, OhneNeuaufbauNurDieAktuelleFrage)
{
    Typ(dokEinzelfragen);
    dok.Kopf.fragentext = QStringLiteral("a//1\r\nb//2");
    Aufbauen();
    const size_t anzahl = dok.Objekte.size();
    lv->AktFrageNummer = 5; // the list was shortened
    lv->RebuildView();
    EXPECT_EQ(lv->AktFrageNummer, 1);
    EXPECT_EQ(dok.Objekte.size(), anzahl);
    // a second rebuild through the hook does not double the pages
    TextLayoutsNeuAufbauen(*lv);
    EXPECT_EQ(dok.Objekte.size(), anzahl);
}

TEST_F(Fragenprobe, KnoepfeUndTastenBlaetternDurchDieFragen)
{
    Typ(dokEinzelfragen);
    dok.Kopf.fragentext = QStringLiteral("a//1\r\nb//2\r\nc//3");
    Aufbauen();
    Interaktion ia(*lv);
    ASSERT_EQ(lv->AktFrageNummer, 1);
    EXPECT_TRUE(ia.FrageWechseln(objNavVor));
    EXPECT_EQ(lv->AktFrageNummer, 2);
    lv->RebuildView(); // the layout without rebuild keeps a valid question
    EXPECT_EQ(lv->AktFrageNummer, 2);
    EXPECT_TRUE(ia.FrageWechseln(objNavLetzte));
    EXPECT_EQ(lv->AktFrageNummer, 3);
    EXPECT_TRUE(ia.FrageWechseln(objNavZurueck));
    EXPECT_EQ(lv->AktFrageNummer, 2);
    for (int i = 0; i < 20; ++i) {
        const int vorher = lv->AktFrageNummer;
        EXPECT_TRUE(ia.FrageWechseln(objNavZufall));
        EXPECT_NE(lv->AktFrageNummer, vorher);
        EXPECT_GE(lv->AktFrageNummer, 1);
        EXPECT_LE(lv->AktFrageNummer, 3);
    }
}

TEST_F(Fragenprobe, GelesenesDokumentBrauchtSeiten)
{
    Typ(dokEinzelfragen);
    dok.Kopf.fragentext = QStringLiteral("a//1");
    EXPECT_TRUE(TextLayoutsFehlen(dok));
    TextLayoutsNeuAufbauen(dok);
    EXPECT_FALSE(TextLayoutsFehlen(dok));
    EXPECT_EQ(Art(objFrageAntwort).size(), 1u);
}

// ---- multiple choice ----

TEST(Kommatext, LesenUndSchreiben)
{
    const QStringList l = KommatextLesen(QStringLiteral("\"a, b\",\"x\r\ny\", c ,\"\"\"q\"\"\",,"));
    ASSERT_EQ(l.size(), 6);
    EXPECT_EQ(l[0], QStringLiteral("a, b"));
    EXPECT_EQ(l[1], QStringLiteral("x\r\ny"));
    EXPECT_EQ(l[2], QStringLiteral("c"));
    EXPECT_EQ(l[3], QStringLiteral("\"q\""));
    EXPECT_EQ(l[4], QString());
    EXPECT_EQ(l[5], QString());
    const QStringList felder{QStringLiteral("Frage, lang"), QStringLiteral("+a\r\n-b \"c\""), QString()};
    EXPECT_EQ(KommatextLesen(KommatextSchreiben(felder)), felder);
    EXPECT_TRUE(KommatextLesen(QString()).isEmpty());
}

TEST(MCFragetext, SchriftNachLaenge)
{
    struct Fall { int laenge, fsize; };
    const Fall faelle[] = {{0, 5}, {60, 5}, {71, 5}, {72, 4}, {90, 3}, {120, 0}, {132, -1}, {200, -1}, {5000, -1}};
    for (const Fall &f : faelle)
        EXPECT_EQ(FragetextFsize(f.laenge), f.fsize) << f.laenge;
}

TEST_F(Fragenprobe, MCFragetextVon90Und200Zeichen)
{
    Typ(dokMultipleChoice);
    MCFrage({QString(90, u'x') + QStringLiteral("   "), QStringLiteral("+a")});
    MCFrage({QString(200, u'y'), QStringLiteral("+a")});
    Aufbauen();
    ASSERT_EQ(Art(objMCFragetext).size(), 2u);
    EXPECT_EQ(Art(objMCFragetext, 1)[0]->Fsize, 3);
    EXPECT_EQ(Art(objMCFragetext, 1)[0]->Cap, QString(90, u'x'));
    EXPECT_EQ(Art(objMCFragetext, 2)[0]->Fsize, -1);
    EXPECT_NEAR(Art(objMCFragetext, 1)[0]->Ky, T() + 0.08, kTol);
    EXPECT_EQ(dok.Kopf.AnzFrageNummern, 2);
    EXPECT_EQ(Art(objTextLabel, 2)[0]->Cap, QStringLiteral("Frage Nr. 2 von 2"));
}

TEST_F(Fragenprobe, MCHoechstensZwoelfAntworten)
{
    Typ(dokMultipleChoice);
    MCFrage({QStringLiteral("Frage"), Antworten(15)});
    Aufbauen();
    const auto marken = Art(objMCMarke), texte = Art(objMCAntwort);
    ASSERT_EQ(marken.size(), 12u);
    ASSERT_EQ(texte.size(), 12u);
    EXPECT_EQ(texte.back()->Cap, QStringLiteral("Antwort 12"));
    const double hoehe = 1 - T() - B();
    const double y0 = hoehe * 0.47 / 0.915 + T();
    const double rs = std::min((12 * 0.1 / 12 + 0.6) / 12, 0.15) * hoehe / 0.915;
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(marken[size_t(i)]->AntwortAnz, 12);
        EXPECT_EQ(marken[size_t(i)]->Abgedeckt, abgAbgedeckt);
        EXPECT_NEAR(marken[size_t(i)]->Kx, L() + 0.12, kTol);
        EXPECT_NEAR(marken[size_t(i)]->Ky, (i - 5.5) * rs + y0, kTol);
        EXPECT_NEAR(texte[size_t(i)]->Kx, L() + 0.18, kTol);
        EXPECT_EQ(marken[size_t(i)]->Bild, i % 3 == 0 ? Hakenbild() : Strichbild());
    }
    ASSERT_EQ(Art(objOkKnopf).size(), 1u);
    EXPECT_NEAR(Art(objOkKnopf)[0]->Ky, (12 - 5.5) * rs + y0, kTol);
}

TEST_F(Fragenprobe, MCOhneAntwortenEineRichtige)
{
    Typ(dokMultipleChoice);
    MCFrage({QStringLiteral("Nur die Frage")});
    MCFrage({QStringLiteral("Leere Antworten"), QStringLiteral("  ")});
    Aufbauen();
    for (int k = 1; k <= 2; ++k) {
        SCOPED_TRACE(k);
        const auto marken = Art(objMCMarke, k), texte = Art(objMCAntwort, k);
        ASSERT_EQ(marken.size(), 1u);
        ASSERT_EQ(texte.size(), 1u);
        EXPECT_EQ(marken[0]->Cap, QStringLiteral("+"));
        EXPECT_EQ(marken[0]->Bild, Hakenbild());
        EXPECT_EQ(texte[0]->Cap, QStringLiteral("Antwort"));
        EXPECT_EQ(marken[0]->AntwortAnz, 1);
    }
}

TEST_F(Fragenprobe, MCFuenfBildantwortenInZweiSpalten)
{
    Typ(dokMultipleChoice);
    ObjDataTyp &q = MCFrage({QStringLiteral("Welches Bild?"),
                             QStringLiteral("+ Bild\r\n- Bild\r\n- Bild\r\n- Bild\r\n- Bild")});
    q.Untertyp = kMCBildantworten;
    for (int i = 0; i < 5; ++i) {
        q.BildAntw[size_t(i)] = QImage(10 + i, 10, QImage::Format_RGBA8888);
        q.BildAntw[size_t(i)].fill(Qt::red);
    }
    Aufbauen();
    const auto marken = Art(objMCMarke), bilder = Art(objMCAntwortBild);
    ASSERT_EQ(marken.size(), 5u);
    ASSERT_EQ(bilder.size(), 5u);
    const double breite = 1 - L() - R(), hoehe = 1 - T() - B();
    const double y0 = hoehe * 0.47 / 0.915 + T();
    const double rs = std::min((5 * 0.1 / 12 + 0.6) / 3, 0.2) * hoehe / 0.915;
    const double zweite = breite * 0.45 / 0.9 + L();
    struct Fall { double x; int reihe; };
    const Fall faelle[] = {{L() + 0.05, 0}, {L() + 0.05, 1}, {L() + 0.05, 2}, {zweite, 0}, {zweite, 1}};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(marken[size_t(i)]->Kx, faelle[i].x, kTol);
        EXPECT_NEAR(marken[size_t(i)]->Ky, (faelle[i].reihe - 1.0) * rs + y0, kTol);
        EXPECT_NEAR(bilder[size_t(i)]->Kx, faelle[i].x + 0.06, kTol);
        EXPECT_NEAR(bilder[size_t(i)]->KartBreite, (breite - 0.3) * 0.5, kTol);
        EXPECT_EQ(bilder[size_t(i)]->Bild.width(), 10 + i);
        EXPECT_EQ(bilder[size_t(i)]->Fsize, int(std::lround(rs * 200)) - 10);
        EXPECT_EQ(bilder[size_t(i)]->Cap, QStringLiteral("Bild"));
    }
    // "OK" under the second column
    const auto ok = Art(objOkKnopf);
    ASSERT_EQ(ok.size(), 1u);
    EXPECT_EQ(ok[0]->Cap, QStringLiteral("OK"));
    EXPECT_NEAR(ok[0]->Kx, zweite, kTol);
    EXPECT_NEAR(ok[0]->Ky, (3 - 1.0 - 0.1) * rs + y0, kTol);
}

TEST_F(Fragenprobe, MCFragebildSchiebtDieAntwortenNachRechts)
{
    Typ(dokMultipleChoice);
    ObjDataTyp &q = MCFrage({QStringLiteral("Was ist das?"), QStringLiteral("+a\r\n-b")}, objMCFrageBild);
    q.Bild = QImage(300, 100, QImage::Format_RGBA8888);
    q.Bild.fill(Qt::blue);
    Aufbauen();
    const double breite = 1 - L() - R();
    const auto bild = Art(objMCBild);
    ASSERT_EQ(bild.size(), 1u);
    EXPECT_NEAR(bild[0]->Kx, L(), kTol);
    EXPECT_NEAR(bild[0]->KartBreite, breite * 0.4 / 0.9, kTol);
    EXPECT_EQ(bild[0]->Fsize, int(std::lround(std::lround(breite * 120 / 0.95) / (3.0 / 1.05))));
    for (const ObjDataTyp *m : Art(objMCMarke))
        EXPECT_NEAR(m->Kx, breite * 0.45 / 0.9 + L(), kTol);
}

TEST_F(Fragenprobe, MCInfoUndLinkNebeneinander)
{
    struct Fall { const char16_t *titel; double abstand; const char16_t *gezeigt; };
    const Fall faelle[] = {{u"", 0.06, u"Info"}, {u"Hi", 0.06, u"Hi"}, {u"Zehn Zeich", 0.10, u"Zehn Zeich"}};
    for (const Fall &f : faelle) {
        SCOPED_TRACE(QString::fromUtf16(f.titel).toStdString());
        dok.Objekte.clear();
        Typ(dokMultipleChoice);
        MCFrage({QStringLiteral("F"), QStringLiteral("+a"), QStringLiteral("Info-Text"),
                 QStringLiteral("datei.pdf"), QString::fromUtf16(f.titel)});
        Aufbauen();
        const auto info = Art(objMCInfopunkt), link = Art(objMCLink);
        ASSERT_EQ(info.size(), 1u);
        ASSERT_EQ(link.size(), 1u);
        EXPECT_EQ(info[0]->PktCap, QString::fromUtf16(f.gezeigt));
        EXPECT_EQ(info[0]->Cap, QStringLiteral("Info-Text"));
        EXPECT_EQ(link[0]->PktCap, QStringLiteral("Link"));
        EXPECT_NEAR(info[0]->Kx, L(), kTol);
        EXPECT_NEAR(link[0]->Kx, L() + f.abstand, kTol);
        EXPECT_NEAR(link[0]->Ky, T() + 0.16, kTol);
        EXPECT_EQ(info[0]->HFarbe, StandardMCInfoLinkData()[2]);
    }
}

TEST_F(Fragenprobe, MCAntwortMitZeilenumbruch)
{
    Typ(dokMultipleChoice);
    MCFrage({QStringLiteral("F"), QStringLiteral("-  erste<br>zweite  \r\n\r\n+b")});
    Aufbauen();
    const auto texte = Art(objMCAntwort);
    ASSERT_EQ(texte.size(), 2u); // the blank line makes no answer but keeps its row
    EXPECT_EQ(texte[0]->Cap, QStringLiteral("erste\r\nzweite"));
    EXPECT_EQ(Art(objMCMarke)[0]->AntwortAnz, 3);
}

TEST_F(Fragenprobe, MCAntworttextStehtNebenSeinemKaestchen)
{
    Typ(dokMultipleChoice);
    MCFrage({QStringLiteral("Welche Tiere sind Säugetiere?"), QStringLiteral("+Hund\r\n-Forelle")});
    // a long answer wraps to the right margin and stays centred on its box
    MCFrage({QStringLiteral("Lang"), QStringLiteral("+") + QStringLiteral("Wort ").repeated(40)});
    Aufbauen();
    for (const ObjDataTyp *t : Art(25, 1)) {
        SCOPED_TRACE(t->Cap.toStdString());
        const QRect karte = lv->KartenPixel(*t);
        ASSERT_FALSE(karte.isEmpty());
        const QRect tinte = DunklerBereich(lv->PageBitmap, QRect(karte.left() - 12, karte.top(), 870, karte.height()));
        // the ink starts at the card's left edge, 20 pixels right of the box
        // (not centred towards the margin)
        EXPECT_NEAR(tinte.left(), karte.left(), 4);
        EXPECT_LE(tinte.right(), karte.right() + 2);
    }
    lv->AktFrageNummer = 2;
    lv->RedrawObjects();
    const QRect karte = lv->KartenPixel(*Art(25, 2)[0]);
    const QRect tinte = DunklerBereich(lv->PageBitmap, QRect(karte.left(), karte.top() - 200, 870, karte.height() + 400));
    ASSERT_GT(tinte.height(), 2 * karte.height()) << "the answer wraps";
    EXPECT_NEAR(tinte.left(), karte.left(), 4);
    EXPECT_NEAR(tinte.center().y(), karte.center().y(), karte.height() / 2.0 + 2);
}

// ---- cluster ----

TEST(Schriftskalierung, ScaleFsize)
{
    struct Fall { int f; double faktor; int erwartet; };
    const Fall faelle[] = {{0, 1.0, 0}, {0, 0.7, -3}, {20, 1.0, 20}, {20, 0.5, 4}, {0, 0.0, -11}, {4, 0.9, 2}}; // halves to even
    for (const Fall &f : faelle)
        EXPECT_EQ(ScaleFsize(f.f, f.faktor), f.erwartet) << f.f << " " << f.faktor;
}

TEST_F(Fragenprobe, ClusterKartenInDenKoerben)
{
    Typ(dokCluster);
    dok.Kopf.LueckenTabelleZeilen = 2;
    dok.Kopf.LueckenTabelleSpalten = 5;
    for (int s = 0; s < 5; ++s) {
        Zelle(0, s).Text = QStringLiteral("Korb %1").arg(s);
        Zelle(1, s).Text = QStringLiteral("Karte %1").arg(s);
        Zelle(1, s).Art = karteAbfrageText;
    }
    Zelle(1, 2).Text = QStringLiteral("   "); // leaves its place empty
    Aufbauen();
    EXPECT_EQ(Art(objClusterText).size(), 5u);
    const auto karten = Art(objClusterAbfrageText);
    ASSERT_EQ(karten.size(), 4u);
    const int W = lv->PageBitmap.width(), H = lv->PageBitmap.height();
    const double cw = std::lround((1 - R() - L()) * W / 5);
    const double g = std::lround(H * 0.05);
    const double rh = std::lround(((1 - T() - B()) * H - g) / 2);
    const int spalten[] = {0, 1, 3, 4};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const ObjDataTyp &k = *karten[size_t(i)];
        EXPECT_EQ(k.Fsize, -3);
        EXPECT_EQ(k.FrageNummer, i + 1);
        EXPECT_EQ(k.KorbZeile, 1);
        EXPECT_EQ(k.KorbSpalte, spalten[i]);
        EXPECT_EQ(k.KAusr, 5);
        EXPECT_EQ(k.TAusr, 1);
        EXPECT_NEAR(k.Kx, (std::lround(W * L()) + spalten[i] * cw + cw * 0.5) / W, 1e-6);
        EXPECT_NEAR(k.Ky, (1.5 * rh + std::lround(H * T()) + g) / H, 1e-6);
        EXPECT_NEAR(k.KartBreite, cw * 0.95 / W, 1e-6);
        EXPECT_NEAR(k.KartHoehe, rh * 0.85 / H, 1e-6);
        const int index = int(&k - dok.Objekte.data());
        EXPECT_EQ(Zelle(1, spalten[i]).KartenIndex, index);
        EXPECT_EQ(Zelle(1, spalten[i]).Belegt, -1);
    }
    EXPECT_EQ(Zelle(1, 2).KartenIndex, -1);
    EXPECT_EQ(Zelle(0, 0).KartenIndex, -1);
}

TEST_F(Fragenprobe, ClusterAbfragebildMitKennung)
{
    Typ(dokCluster);
    dok.Kopf.LueckenTabelleZeilen = 1;
    dok.Kopf.LueckenTabelleSpalten = 2;
    for (int s = 0; s < 2; ++s) {
        Zelle(0, s).Art = karteAbfrageBild;
        Zelle(0, s).Bild = QImage(20, 20, QImage::Format_RGBA8888);
        Zelle(0, s).Bild.fill(Qt::green);
        Zelle(0, s).Groesse = 30;
    }
    Zelle(0, 0).BildKenn = QStringLiteral("Fisch");
    Aufbauen();
    const auto bilder = Art(objClusterAbfrageBild);
    ASSERT_EQ(bilder.size(), 2u);
    EXPECT_EQ(bilder[0]->Cap, QStringLiteral("Fisch (Bildkennung)"));
    EXPECT_EQ(Zelle(0, 0).Text, bilder[0]->Cap);
    EXPECT_EQ(bilder[0]->Fsize, 30); // two columns: factor 1
    const QString zufall = bilder[1]->Cap;
    const QString ende = QStringLiteral(" (Zufallskennung für Bild)");
    ASSERT_TRUE(zufall.endsWith(ende));
    const QString kennung = zufall.left(zufall.size() - ende.size());
    ASSERT_EQ(kennung.size(), 20);
    EXPECT_TRUE(std::all_of(kennung.begin(), kennung.end(), [](QChar c) { return c >= u'a' && c <= u'z'; }));
    EXPECT_EQ(Zelle(0, 1).Text, zufall);
    // every rebuild draws a new identifier
    TextLayoutsNeuAufbauen(*lv);
    EXPECT_NE(Art(objClusterAbfrageBild)[1]->Cap, zufall);
    EXPECT_EQ(Zelle(0, 1).Text, Art(objClusterAbfrageBild)[1]->Cap);
    EXPECT_EQ(Art(objClusterAbfrageBild)[0]->Cap, QStringLiteral("Fisch (Bildkennung)"));
}

TEST_F(Fragenprobe, ClusterOhneNeuaufbauUnveraendert)
{
    Typ(dokCluster);
    Zelle(0, 0).Text = QStringLiteral("a");
    Zelle(0, 0).Art = karteAbfrageText;
    Aufbauen();
    ASSERT_EQ(dok.Objekte.size(), 1u);
    dok.Objekte[0].Kx = 0.123;
    lv->RebuildView();
    ASSERT_EQ(dok.Objekte.size(), 1u);
    EXPECT_EQ(dok.Objekte[0].Kx, 0.123);
}

TEST_F(Fragenprobe, KoerbeAlsSpaltenImRahmen)
{
    Typ(dokCluster);
    dok.Kopf.LueckenTabelleSpalten = 2;
    dok.Kopf.LueckenTabelleLinie = 1;
    dok.Kopf.LueckenTabelleLinieCol = 0x000000;
    dok.Kopf.LueckentabelleSpaltenHtgd[0] = {0x0000FF, 100}; // red
    dok.Kopf.LueckentabelleSpaltenHtgd[1] = {0xFF0000, 50};  // blue, half
    Ansehen();
    const QImage &p = lv->PageBitmap;
    const int W = p.width(), H = p.height();
    auto punkt = [&](double x, double y) { return QPoint(int(x * W), int(y * H)); };
    const double mitte = (T() + 1 - B()) / 2;
    const double links = L() + (1 - L() - R()) * 0.25, rechts = L() + (1 - L() - R()) * 0.75;
    EXPECT_TRUE(FarbeIst(p, punkt(links, mitte), QColor(255, 0, 0)));
    EXPECT_TRUE(FarbeIst(p, punkt(rechts, mitte), QColor(127, 127, 255), 3));
    EXPECT_TRUE(FarbeIst(p, punkt(links, T() / 2), Qt::white));
    const int grenze = int(std::lround(W * L())) + int(std::lround((1 - R() - L()) * W / 2));
    EXPECT_TRUE(FarbeIst(p, QPoint(grenze, int(mitte * H)), Qt::black));
    // during an exercise a "?" target stands at the top of each basket
    lv->UebungLaeuft = true;
    lv->RebuildView();
    EXPECT_GT(Zaehlen(lv->PageBitmap, QRect(punkt(links - 0.05, T()), punkt(links + 0.05, T() + 0.08)),
                      QColor(255, 0, 0), 40),
              0);
    EXPECT_GT(Zaehlen(lv->PageBitmap, QRect(punkt(links - 0.05, T()), punkt(links + 0.05, T() + 0.08)),
                      QColor(236, 237, 232), 2),
              0);
}

// ---- cross matching ----

TEST_F(Fragenprobe, KreuzzuordnungZweiSpalten)
{
    Typ(dokKreuzZuordnung);
    dok.Kopf.LueckenTabelleZeilen = 3;
    dok.Kopf.LueckenTabelleSpalten = 2;
    dok.Kopf.LueckenTabelleLinieCol = 0x123456;
    const char *texte[3][2] = {{"ab", "Beispiel"}, {"", "x"}, {"links", "rechts"}};
    for (int z = 0; z < 3; ++z)
        for (int s = 0; s < 2; ++s) {
            Zelle(z, s).Text = QString::fromLatin1(texte[z][s]);
            Zelle(z, s).Art = z == 0 ? karteText : karteAbfrageText;
        }
    Aufbauen();
    ASSERT_EQ(dok.Objekte.size(), 6u);
    const int W = lv->PageBitmap.width();
    const double cw = std::lround((1 - R() - L()) * W * 0.5), q = std::lround(cw * 0.25);
    struct Fall { int typ; const char *cap; int partner; int frage; int kausr; int tausr; };
    const Fall faelle[] = {{objKreuzText, "ab  ", 1, -1, 3, 2},       {objKreuzText, "Beispiel", 0, -1, 1, 0},
                           {objKreuzAbfrageText, "    ", 3, -1, 3, 2}, {objKreuzAbfrageText, "x   ", 2, 1, 1, 0},
                           {objKreuzAbfrageText, "links", 5, -1, 3, 2}, {objKreuzAbfrageText, "rechts", 4, 2, 1, 0}};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const ObjDataTyp &o = dok.Objekte[size_t(i)];
        EXPECT_EQ(o.Typ, faelle[i].typ);
        EXPECT_EQ(o.Cap, QString::fromLatin1(faelle[i].cap));
        EXPECT_EQ(o.PartnerIndex, faelle[i].partner);
        EXPECT_EQ(o.FrageNummer, faelle[i].frage);
        EXPECT_EQ(o.KAusr, faelle[i].kausr);
        EXPECT_EQ(o.TAusr, faelle[i].tausr);
        EXPECT_EQ(o.BildKenn, QStringLiteral("Paar#%1").arg(i / 2 + 1));
        EXPECT_NEAR(o.KartBreite, (cw - q) / W, 1e-9);
        EXPECT_TRUE(lv->Zeichenbar(o));
        if (i % 2 == 1) {
            // the line starts at the left partner's card point
            const ObjDataTyp &l = dok.Objekte[size_t(i - 1)];
            EXPECT_EQ(o.Sline, 5);
            EXPECT_EQ(o.LinieDicke, 2);
            EXPECT_EQ(o.LinieFarbe, 0x123456);
            EXPECT_NEAR(o.Sx, l.Kx, 1e-9);
            EXPECT_NEAR(o.Sy, l.Ky, 1e-9);
            EXPECT_NEAR(o.Ky, l.Ky, 1e-9);
        }
    }
}

TEST_F(Fragenprobe, KreuzzuordnungDreiSpaltenMitZwillingen)
{
    Typ(dokKreuzZuordnung);
    dok.Kopf.LueckenTabelleZeilen = 3;
    dok.Kopf.LueckenTabelleSpalten = 3;
    for (int z = 0; z < 3; ++z)
        for (int s = 0; s < 3; ++s) {
            Zelle(z, s).Text = QStringLiteral("z%1s%2").arg(z).arg(s);
            Zelle(z, s).Art = z == 1 ? karteText : karteAbfrageText; // the middle row is the example
        }
    Aufbauen();
    // first pass: 3 x 2, second pass: 3 x (twin + column 2)
    ASSERT_EQ(dok.Objekte.size(), 12u);
    std::vector<int> fragen1, fragen2;
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(dok.Objekte[size_t(i)].BildKenn, QStringLiteral("Paar#%1").arg(i / 2 + 1));
    for (int i = 6; i < 12; ++i) {
        SCOPED_TRACE(i);
        const ObjDataTyp &o = dok.Objekte[size_t(i)];
        EXPECT_EQ(o.BildKenn, QStringLiteral("Paar2#%1").arg((i - 6) / 2 + 1));
        const bool zwilling = i % 2 == 0;
        EXPECT_EQ(lv->Zeichenbar(o), !zwilling);
        EXPECT_EQ(o.PartnerIndex, zwilling ? i + 1 : i - 1);
        if (zwilling) {
            EXPECT_EQ(o.Cap, dok.Objekte[size_t(i - 6 + 1)].Cap); // the middle cell once more
            EXPECT_EQ(o.FrageNummer, -1);
            EXPECT_EQ(o.KAusr, 3);
        } else {
            EXPECT_EQ(o.Sline, 5);
            EXPECT_EQ(o.Cap, QStringLiteral("z%1s2").arg((i - 6) / 2));
        }
    }
    // the pair numbers run down column 1, then column 2
    EXPECT_EQ(dok.Objekte[1].FrageNummer, 1);
    EXPECT_EQ(dok.Objekte[3].FrageNummer, -1);
    EXPECT_EQ(dok.Objekte[5].FrageNummer, 2);
    EXPECT_EQ(dok.Objekte[7].FrageNummer, 3);
    EXPECT_EQ(dok.Objekte[9].FrageNummer, -1);
    EXPECT_EQ(dok.Objekte[11].FrageNummer, 4);
    // the middle column is centred between the outer ones
    EXPECT_EQ(dok.Objekte[1].KAusr, 5);
    EXPECT_EQ(dok.Objekte[1].TAusr, 1);
    EXPECT_LT(dok.Objekte[0].Kx, dok.Objekte[1].Kx);
    EXPECT_LT(dok.Objekte[1].Kx, dok.Objekte[7].Kx);
    // the hidden twins are not numbered
    for (int i = 6; i < 12; i += 2)
        EXPECT_LT(dok.Objekte[size_t(i)].AnzeigeNummer, 1);
}

TEST_F(Fragenprobe, TabellengroessenAusserhalbDesBereichs)
{
    struct Fall { int typ, zeilen, spalten; size_t hoechstens; };
    const Fall faelle[] = {
        {dokCluster, 0, 0, 1},          {dokCluster, -5, -3, 1},      {dokCluster, 1000, 1000, 16 * 12},
        {dokKreuzZuordnung, 0, 0, 2},   {dokKreuzZuordnung, -1, 2, 2}, {dokKreuzZuordnung, 500, 99, 16 * 4},
        {dokKreuzZuordnung, 2, -7, 4},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(testing::Message() << f.typ << " " << f.zeilen << " " << f.spalten);
        Dokument d = Seite(870, 609);
        d.Kopf.DokTyp = f.typ;
        d.Kopf.EinrueckRand = StandardEinrueckRand(f.typ);
        d.Kopf.LueckenTabelleZeilen = f.zeilen;
        d.Kopf.LueckenTabelleSpalten = f.spalten;
        for (auto &zeile : d.Kopf.LueckenTabelle)
            for (auto &zelle : zeile)
                zelle.Text = QStringLiteral("t");
        auto ansicht = Ansicht(d);
        ansicht->Haken = &StandardTextLayouts();
        ansicht->RebuildView();
        TextLayoutsNeuAufbauen(*ansicht);
        ansicht->RebuildView();
        EXPECT_GE(d.Objekte.size(), 1u);
        EXPECT_LE(d.Objekte.size(), f.hoechstens);
        for (const ObjDataTyp &o : d.Objekte) {
            EXPECT_TRUE(std::isfinite(o.Kx) && std::isfinite(o.Ky));
            EXPECT_GT(o.KartBreite, 0.0);
            EXPECT_GT(o.KartHoehe, 0.0);
        }
    }
}

} // namespace
