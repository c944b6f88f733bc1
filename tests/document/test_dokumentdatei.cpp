#include "document/DokumentDatei.h"
#include "document/PngBild.h"
#include "document/Schriftfaktoren.h"
#include "platform/Windows1252.h"
#include "testhilfen/Fixtures.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace kalumo;
using test::Roh;

namespace {

LeseErgebnis lesen(const QByteArray &daten, DateiInhalt &inhalt, const LeseOptionen &opt = {})
{
    QBuffer b;
    b.setData(daten);
    b.open(QIODevice::ReadOnly);
    return DokumentStromLesen(b, inhalt, opt);
}

DateiInhalt lesenOk(const QByteArray &daten, const LeseOptionen &opt = {})
{
    DateiInhalt inhalt;
    const LeseErgebnis e = lesen(daten, inhalt, opt);
    EXPECT_TRUE(e.ok()) << e.Grund.toStdString();
    return inhalt;
}

// A written document read back.
DateiInhalt hinUndZurueck(Dokument &dok)
{
    return lesenOk(test::Geschrieben(dok));
}

Dokument neuesDokument()
{
    Dokument dok;
    NeuesDokument(dok);
    dok.Basisbild = test::Farbbild(40, 30, QColor(200, 210, 220));
    return dok;
}

// The stored form of a string: length prefix and bytes.
QByteArray gespeichert(const QByteArray &text)
{
    return Roh().Text(text).Daten();
}

} // namespace

TEST(Dateiformat, MinimaleDateiHatAlleStandardwerte)
{
    const DateiInhalt d = lesenOk(test::MinimaleDatei("KAL-2.24", 1));
    const HeaderDataTyp &k = d.Kopf;
    EXPECT_EQ(k.titel, "Titel");
    EXPECT_EQ(k.DokTyp, 0);
    EXPECT_EQ(k.HtgdCol, 0xFFFFFF);
    EXPECT_EQ(k.MinLuecke, 3);
    EXPECT_EQ(k.BasisbildDeck, 100);
    EXPECT_EQ(k.UebAusfuehrbar, 1);
    EXPECT_EQ(k.UebEinstSpeichern, 1);
    EXPECT_EQ(k.UebEinstGeladen, 0);
    EXPECT_EQ(k.ABAufgabe, "Aufgabe: Fülle die freien Felder aus!");
    EXPECT_EQ(k.LogoGroesse, 0.2);
    EXPECT_EQ(k.LogoAusricht, 2);
    EXPECT_EQ(k.Zielpunktgroesse, 100);
    EXPECT_EQ(k.EinrueckRand, StandardEinrueckRand(0));
    EXPECT_FALSE(d.UebEinst.has_value());
    EXPECT_FALSE(d.Schriftart.has_value());
    ASSERT_EQ(d.Objekte.size(), 1u);
    const ObjDataTyp &o = d.Objekte[0];
    EXPECT_EQ(o.FrageNummer, -1);
    EXPECT_EQ(o.LinieDicke, 1);
    EXPECT_EQ(o.HFarbe, 0xFFFFFF);
    EXPECT_EQ(o.HDeck, 0);
    EXPECT_EQ(o.BildDeck, 100);
    EXPECT_EQ(o.Abgedeckt, abgAbgedeckt);
    EXPECT_EQ(o.AnzeigeNummer, -1);
    EXPECT_EQ(o.KartRect[0], -1.0);
    EXPECT_FALSE(o.Generiert);
    EXPECT_EQ(d.Basisbild.size(), QSize(4, 3));
    // page geometry of a page without margins
    EXPECT_EQ(k.SeitRatioBreite, 4);
    EXPECT_EQ(k.SeitRatioHoehe, 3);
    EXPECT_EQ(k.BildPosX, 50);
    EXPECT_EQ(k.BildGroesse, 100);
}

TEST(Dateiformat, VersionenUndKennungen)
{
    struct Fall { const char *kennung; LeseStatus status; };
    const Fall faelle[] = {
        {"KAL-2.24", LeseStatus::Ok},
        {"KAL-2.17", LeseStatus::Ok},
        {"KAL-1.00", LeseStatus::Ok},
        {"RUV-1.01", LeseStatus::Ok},
        {"KAL-2.25", LeseStatus::NeuereVersion},
        {"KAL-3.00", LeseStatus::NeuereVersion},
        {"XYZ-1.00", LeseStatus::UngueltigesFormat},
        {"kal-2.24", LeseStatus::UngueltigesFormat},
    };
    for (const Fall &f : faelle) {
        DateiInhalt d;
        EXPECT_EQ(lesen(test::MinimaleDatei(f.kennung), d).Status, f.status) << f.kennung;
    }
    // something that is not a document at all
    DateiInhalt d;
    EXPECT_EQ(lesen(QByteArray("\x89PNG\r\n\x1a\n-----------"), d).Status, LeseStatus::UngueltigesFormat);
    EXPECT_EQ(lesen(QByteArray(), d).Status, LeseStatus::UngueltigesFormat);
}

TEST(Dateiformat, PktCapGiltAuchAlsVorhandenWennNurPktCap2GelistetIst)
{
    Roh r;
    r.Text("KAL-2.24").Text("|OB-PktCap2|").Text("1.00").Text("").Text("").Text("");
    r.Int(1);
    test::MinimalesObjekt(r, objInfopunkt, 0.5, 0.5, "Info-Text");
    r.Text("Titel 1").Text("Titel 2"); // OB-PktCap (found inside "OB-PktCap2"), then OB-PktCap2
    r.Png(test::Farbbild(2, 2, Qt::white));
    const DateiInhalt d = lesenOk(r.Daten());
    ASSERT_EQ(d.Objekte.size(), 1u);
    EXPECT_EQ(d.Objekte[0].PktCap, "Titel 1");
    EXPECT_EQ(d.Objekte[0].PktCap2, "Titel 2");
    EXPECT_EQ(d.Objekte[0].Cap, "Info-Text");
}

TEST(Dateiformat, PunktobjekteOhnePktCapBekommenIhreStandardfarbenUndTitel)
{
    Roh r;
    r.Text("KAL-2.00").Text("|OB-Farbe|OB-HFarbe|OB-HDeck|").Text("1.00").Text("").Text("").Text("");
    const int typen[] = {objInfopunkt, objLinkExtern, objLinkIntern, objFixeBeschriftung};
    r.Int(4);
    for (int typ : typen) {
        test::MinimalesObjekt(r, typ, 0.1, 0.2);
        r.Int(0x111111).Int(0x222222).Int(40); // Farbe, HFarbe, HDeck
    }
    r.Png(test::Farbbild(2, 2, Qt::white));
    const DateiInhalt d = lesenOk(r.Daten());
    struct Erwartet { const char *titel; Farbwert farbe, hfarbe; int hdeck; };
    const Erwartet erwartet[] = {
        {"Info", 0xFFFFFF, 0xFD5F00, 100},
        {"Link", 0xFFFFFF, 0x2F35A4, 100},
        {"Dok.", 0xFFFFFF, 0x4A9829, 100},
        {"", 0x111111, 0x222222, 40},
    };
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(d.Objekte[i].PktCap, erwartet[i].titel) << i;
        EXPECT_EQ(d.Objekte[i].Farbe, erwartet[i].farbe) << i;
        EXPECT_EQ(d.Objekte[i].HFarbe, erwartet[i].hfarbe) << i;
        EXPECT_EQ(d.Objekte[i].HDeck, erwartet[i].hdeck) << i;
    }
}

TEST(Dateiformat, EinrueckRandUnterBeidenSchluesselnOderNachTyp)
{
    auto datei = [](const QByteArray &schluessel, bool mitRand) {
        Roh r;
        r.Text("KAL-2.24").Text(schluessel).Text("1.00").Text("").Text("").Text("");
        r.Int(dokEinzelfragen);
        if (mitRand)
            r.Double(0.1).Double(0.2).Double(0.3).Double(0.4);
        r.Int(0).Png(test::Farbbild(2, 2, Qt::white));
        return r.Daten();
    };
    const std::array<double, 4> gelesen{0.1, 0.2, 0.3, 0.4};
    EXPECT_EQ(lesenOk(datei("|HD-DokTyp|HD-EinrueckRand|", true)).Kopf.EinrueckRand, gelesen);
    EXPECT_EQ(lesenOk(datei("|HD-DokTyp|HD-Einr\xFC" "ckRand|", true)).Kopf.EinrueckRand, gelesen);
    EXPECT_EQ(lesenOk(datei("|HD-DokTyp|", false)).Kopf.EinrueckRand, StandardEinrueckRand(dokEinzelfragen));
}

TEST(Dateiformat, AlteDateienRechnenFsizeVonBildernUmUndErgaenzenDieSechsteKreuzwortfarbe)
{
    Roh r;
    r.Text("RUV-1.01").Text("|HD-DokTyp|HD-Schriftart|").Text("1.00").Text("").Text("").Text("");
    r.Int(dokKreuzwortraetsel);
    r.Int(30).Int(30);
    for (int i = 0; i < 900; ++i)
        r.Text(i == 31 ? "A" : "");
    r.Int(30);
    for (int i = 0; i < 30; ++i)
        r.Text("");
    r.Int(30);
    for (int i = 0; i < 30; ++i)
        r.Text("");
    for (int f : {1, 2, 3, 4, 0x0A0B0C})
        r.Int(f);
    r.Text("Arial Black");
    r.Int(3);
    const QImage bild = test::Farbbild(3, 3, Qt::black);
    for (int typ : {objFixesBild, objAbfrageBild, objFixeBeschriftung}) {
        r.Double(0.5).Double(0.5).Double(0.5).Double(0.5).Text("x");
        r.Int(0).Int(0).Int(1).Int(typ).Int(0).Int(10).Int(0); // Fsize 10
        if (typ != objFixeBeschriftung)
            r.Png(bild);
    }
    r.Png(test::Farbbild(2, 2, Qt::white));

    LeseOptionen opt;
    opt.SchriftInstalliert = [](const QString &) { return true; };
    const DateiInhalt d = lesenOk(r.Daten(), opt);
    EXPECT_EQ(d.Kopf.KreuzGitter[1][1], "A");
    EXPECT_EQ(d.Kopf.KreuzFarben[4], 0x0A0B0C);
    EXPECT_EQ(d.Kopf.KreuzFarben[5], 0x0A0B0C);
    EXPECT_EQ(d.Schriftart.value_or(""), "Arial Black");
    // round(((2 * 10 + 22) * 1.2632 - 22) / 2) = round(15.527)
    EXPECT_EQ(d.Objekte[0].Fsize, 16);
    EXPECT_EQ(d.Objekte[1].Fsize, 16);
    EXPECT_EQ(d.Objekte[2].Fsize, 10);
}

TEST(Dateiformat, FsizeUmrechnungRundetHalbeZurGeradenZahl)
{
    struct { int alt; double faktor; int neu; } faelle[] = {
        {10, 1.0, 10}, {0, 1.0, 0}, {-8, 1.0, -8},
        {1, 1.25, 4},    // (24 * 1.25 - 22) / 2 = 4
        {3, 1.0625, 4},  // 3.875
        {0, 1.5, 6},     // 5.5 goes up to the even 6
        {2, 1.5, 8},     // 8.5 goes down to the even 8
        {-8, 1.5, -6},   // -6.5 goes to -6
    };
    for (const auto &f : faelle)
        EXPECT_EQ(AltesFsizeUmrechnen(f.alt, f.faktor), f.neu) << f.alt << " " << f.faktor;
}

TEST(Dateiformat, TabellengroesseAusserhalbDerGrenzenIstBeschaedigt)
{
    struct Fall { int zeilen, spalten; bool ok; };
    const Fall faelle[] = {{1, 1, true}, {16, 12, true}, {0, 2, false}, {-1, 2, false}, {17, 2, false},
                           {5, 0, false}, {5, 13, false}, {5, -3, false}, {0x7FFFFFFF, 2, false}};
    for (const Fall &f : faelle) {
        Roh r;
        r.Text("KAL-2.24").Text("|HD-DokTyp|HD-LueckenTabelleZeilen|HD-LueckenTabelleSpalten|");
        r.Text("1.00").Text("").Text("").Text("").Int(dokCluster);
        r.Int(f.zeilen).Int(f.spalten);
        if (f.ok)
            for (int i = 0; i < f.zeilen * f.spalten; ++i)
                r.Text("z");
        r.Int(0).Png(test::Farbbild(2, 2, Qt::white));
        DateiInhalt d;
        const LeseErgebnis e = lesen(r.Daten(), d);
        EXPECT_EQ(e.ok(), f.ok) << f.zeilen << "x" << f.spalten;
        if (!f.ok) {
            EXPECT_EQ(e.Status, LeseStatus::Beschaedigt);
        }
    }
}

TEST(Dateiformat, ReichesDokumentUebersteht_SchreibenUndLesenUnveraendert)
{
    Dokument dok = neuesDokument();
    HeaderDataTyp &k = dok.Kopf;
    k.DokTyp = dokCluster;
    k.titel = "Tiere und Pflanzen – „Übung“";
    k.autor = "Frau Müller";
    k.bemerkung = "Zeile 1\r\nZeile 2";
    k.lueckentext = "Der <<Hund|Köter>> bellt.";
    k.fragentext = "Frage?//Antwort";
    k.RandErw = {0.1, 0.05, 0.2, 0.0};
    k.EinrueckRand = {0.01, 0.02, 0.03, 0.04};
    k.HtgdCol = 0x00ABCDEF;
    k.BasisbildDeck = 70;
    k.MinLuecke = 5;
    k.LernansichtSperren = 1;
    k.ArbeitsblattSperren = 1;
    k.UebEinstSpeichern = 2;
    k.LueckenTabelleZeilen = 3;
    k.LueckenTabelleSpalten = 3;
    k.LueckenTabelleLinie = 1;
    k.LueckenTabelleLinieCol = 0x123456;
    k.LueckenTabelle[0][0] = {"Hund", {}, 1, "", "", 20, 0, 0};
    k.LueckenTabelle[1][2] = {"Katze", test::Farbbild(8, 8, Qt::yellow), 3, "k", "katze.html", 35, 1, 1};
    k.LueckenTabelle[2][1] = {"nicht gespeichert", {}, 0, "", "", 20, 0, 0};
    k.LueckentabelleSpaltenHtgd[2] = {0x010203, 77};
    k.BilderPasswort = "geheim";
    k.DokPasswort = "Schloss";
    k.Arbeitsblatt = "1|2|3";
    k.ABAufgabe = "Aufgabe: Ordne zu!";
    k.TextCol = 0x0000FF;
    k.FragBtnHtgdCol = 0x00FF00;
    k.FragBtnTextCol = 0x000001;
    k.LueckentextCol = 0x808080;
    k.ABLogo = test::Farbbild(12, 6, QColor(1, 2, 3, 4));
    k.LogoGroesse = 0.33;
    k.LogoAusricht = 1;
    k.Fusszeile = "Schule am See";
    k.FusszeileAusricht = 2;
    k.Zielpunktgroesse = 60;

    ObjektHinzufuegen(dok, objAbfrageBeschriftung, 1, "Zeile 1\r\n\r\nZeile, 3", 4, 2, 0.3, 0.4, 2);
    ObjektHinzufuegen(dok, objInfopunkt, 2, "Info", 0, 1, 0.6, 0.7, -1);
    ObjektHinzufuegen(dok, objFixesBild, 1, "", 0, 5, 0.2, 0.2, -1);
    ObjektHinzufuegen(dok, objMCFrage, 1, "Frage", 0, 0, 0.5, 0.5, 1);
    ObjDataTyp &a = dok.Objekte[0];
    a.Sx = 0.125;
    a.Sline = 1;
    a.Stil = 5;
    a.LinieFarbe = 0x0A0A0A;
    a.LinieDicke = 3;
    a.KAusrAkt = 4;
    a.Tondatei = "klang.wav";
    a.BildKenn = "id";
    a.BildkarteAnpassen = 1;
    dok.Objekte[1].PktCap = "Mehr";
    dok.Objekte[1].PktCap2 = "dazu";
    dok.Objekte[1].PunktInUebung = 1;
    dok.Objekte[2].Bild = test::Farbbild(9, 7, QColor(9, 8, 7, 6));
    dok.Objekte[2].BildDeck = 55;
    ObjDataTyp &mc = dok.Objekte[3];
    mc.Untertyp = kMCBildantworten;
    mc.AntwortAnz = 2;
    mc.BildAntw[0] = test::Farbbild(5, 5, Qt::red);
    mc.BildAntw[1] = test::Farbbild(6, 6, Qt::blue);
    mc.MCInfoLinkData = {1, 2, 3, 4, 5, 6};

    const QByteArray bytes = test::Geschrieben(dok);
    DateiInhalt d = lesenOk(bytes);
    // what was read, written again, gives the same bytes
    Dokument zurueck;
    zurueck.Kopf = d.Kopf;
    zurueck.Objekte = d.Objekte;
    zurueck.Basisbild = d.Basisbild;
    EXPECT_EQ(test::Geschrieben(zurueck), bytes);

    const HeaderDataTyp &g = d.Kopf;
    EXPECT_EQ(g.titel, k.titel);
    EXPECT_EQ(g.bemerkung, k.bemerkung);
    EXPECT_EQ(g.RandErw, k.RandErw);
    EXPECT_EQ(g.EinrueckRand, k.EinrueckRand);
    EXPECT_EQ(g.BilderPasswort, "geheim");
    EXPECT_EQ(g.DokPasswort, "Schloss");
    EXPECT_EQ(g.LueckenTabelle[0][0].Text, "Hund");
    EXPECT_TRUE(g.LueckenTabelle[0][0].Bild.isNull()); // kind 1 carries no image in a cluster document
    EXPECT_EQ(g.LueckenTabelle[1][2].Link, "katze.html");
    EXPECT_EQ(g.LueckenTabelle[1][2].Groesse, 35);
    EXPECT_EQ(g.LueckenTabelle[1][2].Bild, k.LueckenTabelle[1][2].Bild);
    EXPECT_EQ(g.LueckentabelleSpaltenHtgd[2], (SpaltenHintergrund{0x010203, 77}));
    EXPECT_EQ(g.ABLogo, k.ABLogo);
    EXPECT_EQ(g.LogoGroesse, 0.33);
    EXPECT_EQ(g.Fusszeile, "Schule am See");
    EXPECT_EQ(g.UebEinstSpeichern, 2);
    EXPECT_EQ(g.UebEinstGeladen, 1);
    ASSERT_EQ(d.Objekte.size(), 4u);
    EXPECT_EQ(d.Objekte[0].Cap, "Zeile 1\r\n\r\nZeile, 3");
    EXPECT_EQ(d.Objekte[0].Tondatei, "klang.wav");
    EXPECT_EQ(d.Objekte[0].Sx, 0.125);
    EXPECT_EQ(d.Objekte[1].PktCap2, "dazu");
    EXPECT_EQ(d.Objekte[2].Bild, dok.Objekte[2].Bild);
    EXPECT_EQ(d.Objekte[3].BildAntw[1], mc.BildAntw[1]);
    EXPECT_TRUE(d.Objekte[3].BildAntw[2].isNull());
    EXPECT_EQ(d.Objekte[3].MCInfoLinkData, (std::array<int, 6>{1, 2, 3, 4, 5, 6}));
}

TEST(Dateiformat, BeschriftungenStehenBytegenauInDerDatei)
{
    struct Fall { const char *caption; QByteArray gespeichert; };
    const Fall faelle[] = {
        {"a b", "\"a b\""},
        {"x\r\n\r\ny,z", "x,,\"y,z\""},
        {"Öl", "\xD6l"},
    };
    for (const Fall &f : faelle) {
        Dokument dok = neuesDokument();
        ObjektHinzufuegen(dok, objFixeBeschriftung, 1, QString::fromUtf8(f.caption), 0, 0, 0.5, 0.5, -1);
        EXPECT_TRUE(test::Geschrieben(dok).contains(gespeichert(f.gespeichert))) << f.caption;
    }
}

TEST(Dateiformat, PasswoerterSindMitXorVerschluesselt)
{
    Dokument dok = neuesDokument();
    dok.Kopf.BilderPasswort = "abc";
    dok.Kopf.DokPasswort = "Zü";
    const QByteArray bytes = test::Geschrieben(dok);
    EXPECT_TRUE(bytes.contains(gespeichert(QByteArray("\x0A\x09\x08"))));              // 'a','b','c' ^ 0x6B
    EXPECT_TRUE(bytes.contains(gespeichert(QByteArray("\x31\x97"))));                  // 'Z', 0xFC ^ 0x6B
    EXPECT_FALSE(bytes.contains("abc"));
    const DateiInhalt d = lesenOk(bytes);
    EXPECT_EQ(d.Kopf.DokPasswort, "Zü");
}

TEST(Dateiformat, BildartenOhneBildFallenZurueckUndBildlinksBekommenDasLeerbild)
{
    struct Fall { int typ; int gespeichert; bool leerbild; };
    const Fall faelle[] = {{objAbfrageBild, objAbfrageBeschriftung, false},
                           {objFixesBild, objFixeBeschriftung, false},
                           {objMCFrageBild, objMCFrage, false},
                           {objBildLink, objBildLink, true}};
    for (const Fall &f : faelle) {
        Dokument dok = neuesDokument();
        ObjektHinzufuegen(dok, f.typ, 1, "c", 0, 0, 0.5, 0.5, -1);
        const DateiInhalt d = hinUndZurueck(dok);
        EXPECT_EQ(dok.Objekte[0].Typ, f.gespeichert) << "in memory, kind " << f.typ;
        EXPECT_EQ(d.Objekte[0].Typ, f.gespeichert) << "in the file, kind " << f.typ;
        EXPECT_EQ(d.Objekte[0].Bild.isNull(), !f.leerbild);
        if (f.leerbild) {
            EXPECT_EQ(dok.Objekte[0].Bild, Leerbild());
            EXPECT_EQ(d.Objekte[0].Bild, Leerbild());
        }
    }
}

TEST(Dateiformat, ObjekteWerdenNachZIndexGeschriebenUndInDateireihenfolgeGelesen)
{
    Dokument dok = neuesDokument();
    const std::pair<const char *, int> objekte[] = {{"a", 2}, {"b", -1}, {"c", 0}, {"d", -1}, {"e", 2}};
    for (const auto &[cap, z] : objekte) {
        const int i = ObjektHinzufuegen(dok, objFixeBeschriftung, 1, cap, 0, 0, 0.5, 0.5, -1);
        dok.Objekte[size_t(i)].ZIndex = z;
    }
    // the writer does not rely on the bounds being kept up to date
    dok.Kopf.ZIndexMin = dok.Kopf.ZIndexMax = 0;
    const DateiInhalt d = hinUndZurueck(dok);
    QString reihenfolge;
    for (const ObjDataTyp &o : d.Objekte)
        reihenfolge += o.Cap;
    EXPECT_EQ(reihenfolge, "bdcae");
    EXPECT_EQ(d.Kopf.ZIndexMin, -1);
    EXPECT_EQ(d.Kopf.ZIndexMax, 2);
}

TEST(Dateiformat, ErzeugteArtenWerdenNichtGeschrieben)
{
    Dokument dok = neuesDokument();
    for (int typ : {3, 22, 23, 24, 25, 26, 27, 31, 32, 34, 1, 28, 33, 60, 90})
        ObjektHinzufuegen(dok, typ, 1, QString::number(typ), 0, 0, 0.5, 0.5, -1);
    const DateiInhalt d = hinUndZurueck(dok);
    QStringList typen;
    for (const ObjDataTyp &o : d.Objekte)
        typen << o.Cap;
    EXPECT_EQ(typen, (QStringList{"1", "28", "33", "60", "90"}));
}

TEST(Dateiformat, UebAusfuehrbarWirdBeimSchreibenNeuBerechnet)
{
    struct Fall { std::vector<int> typen; int ausfuehrbar; };
    const Fall faelle[] = {
        {{}, 0},
        {{1, 2, 4, 5, 7, 8}, 0},
        {{1, 0}, 1},
        {{60}, 1},
        {{3}, 1},  // a generated gap counts although it is not written
    };
    for (const Fall &f : faelle) {
        Dokument dok = neuesDokument();
        for (int typ : f.typen) {
            const int i = ObjektHinzufuegen(dok, typ, 1, "x", 0, 0, 0.5, 0.5, -1);
            if (IstBildTyp(typ))
                dok.Objekte[size_t(i)].Bild = test::Farbbild(2, 2, Qt::red);
        }
        dok.Kopf.UebAusfuehrbar = 1 - f.ausfuehrbar;
        const DateiInhalt d = hinUndZurueck(dok);
        EXPECT_EQ(dok.Kopf.UebAusfuehrbar, f.ausfuehrbar);
        EXPECT_EQ(d.Kopf.UebAusfuehrbar, f.ausfuehrbar);
    }
}

TEST(Dateiformat, LueckentextOhneTabellenblockObwohlDieSchluesselGelistetSind)
{
    Dokument dok = neuesDokument();
    dok.Kopf.DokTyp = dokLueckentext;
    dok.Kopf.DokUnterTyp = subLueckentext;
    dok.Kopf.LueckenTabelle[0][0].Text = "nicht gespeichert";
    const QByteArray bytes = test::Geschrieben(dok);
    EXPECT_TRUE(bytes.contains("HD-LueckenTabelleZeilen"));
    EXPECT_FALSE(bytes.contains("nicht gespeichert"));
    const DateiInhalt d = lesenOk(bytes);
    EXPECT_TRUE(d.Kopf.LueckenTabelle[0][0].Text.isEmpty());

    dok.Kopf.DokUnterTyp = subTabelle;
    EXPECT_TRUE(test::Geschrieben(dok).contains("nicht gespeichert"));
}

TEST(Dateiformat, UebungseinstellungenUndSchriftart)
{
    Dokument dok = neuesDokument();
    dok.Kopf.UebEinstSpeichern = 1;
    SchreibOptionen opt;
    opt.UebEinst = {0, 1, 2, 0, 1, 3, 1, 125, 1};
    opt.Schriftart = "Verdana";
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    DokumentStromSchreiben(b, dok, opt);
    const DateiInhalt d = lesenOk(b.data());
    ASSERT_TRUE(d.UebEinst.has_value());
    EXPECT_EQ(*d.UebEinst, (UebEinstBlock{1, 0, 1, 2, 0, 1, 3, 1, 125, 1}));
    EXPECT_EQ(d.Kopf.UebEinstGeladen, 1);
    EXPECT_EQ(d.Schriftart.value_or(""), "Verdana");

    LeseOptionen nichtInstalliert;
    nichtInstalliert.SchriftInstalliert = [](const QString &n) { return n == "Arial"; };
    EXPECT_EQ(lesenOk(b.data(), nichtInstalliert).WirksameSchriftart, "Arial");
    LeseOptionen behalten;
    behalten.Schriftart = "Courier New";
    EXPECT_EQ(lesenOk(test::MinimaleDatei(), behalten).WirksameSchriftart, "Courier New");
}

TEST(Dateiformat, SchluessellisteIstVollstaendigUndInCodepage1252)
{
    const QByteArray &s = VollstaendigeSchluesselliste();
    EXPECT_TRUE(s.startsWith("|HD-vers|HD-titel|"));
    EXPECT_TRUE(s.endsWith("|HD-LernansichtSperren|HD-ArbeitsblattSperren|OB-Tondatei|"));
    EXPECT_TRUE(s.contains("|HD-Einr\xFC" "ckRand|"));
    EXPECT_TRUE(s.contains("|OB-PktHtgdDeck|HD-ABLogo|OB-PktCap2|"));
    EXPECT_EQ(s.count('|'), 74);
}

TEST(Kopf, LiestNurDenKopf)
{
    Dokument dok = neuesDokument();
    dok.Kopf.titel = "Nur der Kopf";
    dok.Kopf.DokTyp = dokMultipleChoice;
    dok.Kopf.UebEinstSpeichern = 0;
    dok.Kopf.EinrueckRand = {0.5, 0.25, 0.125, 0.0625};
    QByteArray bytes = test::Geschrieben(dok);
    // everything after the header is damaged: the header reader must not notice
    const qsizetype titel = bytes.indexOf("Nur der Kopf");
    for (qsizetype i = titel + 400; i < bytes.size(); ++i)
        bytes[i] = char(0xEE);
    QBuffer b;
    b.setData(bytes);
    b.open(QIODevice::ReadOnly);
    HeaderDataTyp kopf;
    QString kennung;
    ASSERT_TRUE(KopfStromLesen(b, kopf, &kennung).ok());
    EXPECT_EQ(kennung, "KAL-2.24");
    EXPECT_EQ(kopf.titel, "Nur der Kopf");
    EXPECT_EQ(kopf.DokTyp, dokMultipleChoice);
    EXPECT_EQ(kopf.EinrueckRand, (std::array<double, 4>{0.5, 0.25, 0.125, 0.0625}));
    EXPECT_EQ(kopf.UebEinstSpeichern, 0);
    EXPECT_EQ(kopf.UebEinstGeladen, 0);
    EXPECT_LT(b.pos(), titel + 400);

    DateiInhalt d;
    EXPECT_EQ(lesen(bytes, d).Status, LeseStatus::Beschaedigt);
}

TEST(Kopf, VersionWirdNichtVerglichenKennungSchon)
{
    for (const auto &[kennung, ok] : {std::pair{"KAL-9.99", true}, std::pair{"RUV-1.01", true}, std::pair{"ABC-2.24", false}}) {
        QBuffer b;
        b.setData(test::MinimaleDatei(kennung));
        b.open(QIODevice::ReadOnly);
        HeaderDataTyp kopf;
        EXPECT_EQ(KopfStromLesen(b, kopf).ok(), ok) << kennung;
    }
}
