// The text flow: markup grammar, wrapping, gaps and tokens, re-layout.

#include "Lernansichtshilfen.h"

#include "learnview/TextFlow.h"
#include "learnview/TextLayouts.h"
#include "learnview/Zeichenhilfen.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

using namespace kalumo;
using namespace kalumo::test;

namespace {

constexpr int kHoehe = 22;

QFont Grund(int stil = 0)
{
    QFont f = Schrift(QStringLiteral("Arial"), kHoehe, stil);
    f.setKerning(false);
    return f;
}

// Width of a text in the flow's font with the style bits.
double Breite(TextFlowUmgebung &form, const QString &text, int stil = 0)
{
    return form.Masse(Grund(stil)).Breite(text);
}

struct Flussprobe : ::testing::Test
{
    Dokument dok = Seite(870, 609);
    TextFlowUmgebung form;
    QImage raster{870, 609, QImage::Format_ARGB32_Premultiplied};

    void SetUp() override
    {
        form.Dok = &dok;
        raster.fill(Qt::white);
    }

    // Sets one paragraph at (links, 0) and returns the y below it.
    int Setzen(const QString &text, int modus = fmPlain, bool erzeugen = true, int breite = 870, int links = 0,
               bool messen = false)
    {
        QPainter p(&raster);
        return TextFlow(form, &p, breite, 0, messen, Qt::black, erzeugen, modus, kHoehe, 0, text, 0, links, 609);
    }

    int Zeilenhoehe(int modus) const
    {
        const int h0 = Zeichenmasse(Grund()).Hoehe();
        const int z = Runden(h0 * 1.25);
        return modus == fmPlain ? z : Runden(z * 1.1);
    }
    int Vorlauf() const { return Runden(Zeichenmasse(Grund()).Hoehe() * 1.25 * 0.02 / 0.055); }
};

} // namespace

TEST_F(Flussprobe, StilTagsOhneRuecksichtAufGrossschreibungUndOhneVerschachtelung)
{
    struct Fall
    {
        const char *Text;
        double Erwartet; // filled below from the parts
        std::vector<std::pair<QString, int>> Teile;
    };
    const std::vector<Fall> faelle = {
        {"<b>Wort</b>", 0, {{"Wort", 1}}},
        {"<B>Wort</B>", 0, {{"Wort", 1}}},
        {"<I>Wort</i>", 0, {{"Wort", 2}}},
        {"<u>Wort</U>", 0, {{"Wort", 4}}},
        {"<B><B>fett</B>normal", 0, {{"fett", 1}, {"normal", 0}}},
        {"<b>a<i>b</b>c</i>d", 0, {{"a", 1}, {"b", 3}, {"c", 2}, {"d", 0}}},
        {"<x>Wort", 0, {{"<x>Wort", 0}}},
        {"<@POSX=5%>", 0, {{"<@POSX=5%>", 0}}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.Text);
        double erwartet = 0;
        for (const auto &[teil, stil] : f.Teile)
            erwartet += Breite(form, teil, stil);
        Setzen(QString::fromUtf8(f.Text), fmPlain, false, 870, 0, true);
        EXPECT_NEAR(form.GroessteX, erwartet + Breite(form, QStringLiteral(" ")), 0.01);
    }
    // bold ink is heavier than regular ink for the same word
    Setzen(QStringLiteral("<b>Wort</b>"));
    const int fett = Dunkel(raster, raster.rect());
    raster.fill(Qt::white);
    Setzen(QStringLiteral("Wort"));
    EXPECT_GT(fett, Dunkel(raster, raster.rect()) * 11 / 10);
    EXPECT_EQ(StripStyleTags(QStringLiteral("<B>a</b><i>b</I><u>c</u><x>")), QStringLiteral("abc<x>"));
}

TEST_F(Flussprobe, LueckenzeichenImInfotextSindText)
{
    const QString text = QStringLiteral("ein <<Wort>> hier");
    Setzen(text, fmPlain, true, 870, 0, true);
    EXPECT_NEAR(form.GroessteX, Breite(form, text + QLatin1Char(' ')), 0.01);
    EXPECT_TRUE(dok.Objekte.empty());
    Setzen(text, fmCloze, true);
    ASSERT_EQ(dok.Objekte.size(), 1u);
    EXPECT_EQ(dok.Objekte[0].Cap, QStringLiteral("Wort"));
    // closing markers without an opening one, and a gap never closed, are text
    dok.Objekte.clear();
    for (const QString &t : {QStringLiteral("a >> b ]] c"), QStringLiteral("a <<offen bis zum Ende")}) {
        SCOPED_TRACE(t.toStdString());
        Setzen(t, fmFindWords, true, 870, 0, true);
        EXPECT_TRUE(dok.Objekte.empty());
        const QString sichtbar = t.contains(QLatin1String("<<")) ? QString(t).remove(QLatin1String("<<")) : t;
        EXPECT_NEAR(form.GroessteX, Breite(form, sichtbar + QLatin1Char(' ')), 0.01);
    }
}

TEST_F(Flussprobe, LueckeMitAlternativenUndKommaBleibtAufIhrerZeile)
{
    const QString vorn = QStringLiteral("Die ");
    const double bisLuecke = Breite(form, vorn) + Breite(form, QStringLiteral(" Stadt"));
    // the page ends right behind the gap: the comma would not fit as ordinary text
    const int breite = int(std::ceil(bisLuecke)) + 2;
    const int y = Setzen(vorn + QStringLiteral("<<Stadt|Ort>>, dann"), fmCloze, true, breite);
    ASSERT_EQ(dok.Objekte.size(), 1u);
    const ObjDataTyp &o = dok.Objekte[0];
    EXPECT_EQ(o.Typ, objAbfrageLuecke);
    EXPECT_EQ(o.Cap, QStringLiteral("Stadt"));
    EXPECT_EQ(o.BildKenn, QStringLiteral("|Stadt|Ort|"));
    EXPECT_EQ(o.Abgedeckt, abgAbgedeckt);
    EXPECT_EQ(o.KAusr, 2);
    EXPECT_EQ(o.Ebene, 1);
    EXPECT_TRUE(o.Generiert);
    // gap and comma on the first line, "dann" on the second
    EXPECT_EQ(y, Vorlauf() + 2 * Zeilenhoehe(fmCloze));
    const int h0 = Zeichenmasse(Grund()).Hoehe();
    EXPECT_NEAR(o.Ky, (Vorlauf() + h0 + 4.0) / 609.0, 1e-9);
    EXPECT_NEAR(o.Kx, (Breite(form, vorn) + Breite(form, QStringLiteral(" Stadt")) / 2) / breite, 1e-9);
    EXPECT_GE(form.GroessteX, bisLuecke + Breite(form, QStringLiteral(",")) - 0.01);
}

TEST_F(Flussprobe, KurzeLueckeBekommtMinLueckeMalX)
{
    struct Fall
    {
        int MinLuecke;
        const char *Luecke;
        const char *Breitentext;
    };
    const Fall faelle[] = {
        {3, "ab", " XXX"},
        {5, "ab", " XXXXX"},
        {0, "a", " XX"},
        {3, "Zugspitze", " Zugspitze"},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.Luecke);
        dok.Kopf.MinLuecke = f.MinLuecke;
        Setzen(QStringLiteral("<<") + QString::fromUtf8(f.Luecke) + QStringLiteral(">>"), fmCloze, false, 870, 0,
               true);
        // the closing blank of the paragraph follows the gap
        EXPECT_NEAR(form.GroessteX, Breite(form, QString::fromUtf8(f.Breitentext) + QLatin1Char(' ')), 0.01);
    }
}

TEST_F(Flussprobe, ZuBreitesWortWirdAmZeichenGeteilt)
{
    const QString wort = QStringLiteral("Donaudampfschifffahrtsgesellschaft");
    const int breite = 150;
    const int y = Setzen(wort, fmPlain, false, breite);
    // as many lines as pieces of at most breite - 10 pixels
    int zeilen = 1;
    double x = 0;
    for (QChar c : wort) {
        const double w = Breite(form, QString(c));
        if (x + w > breite - 10) {
            ++zeilen;
            x = 0;
        }
        x += w;
    }
    EXPECT_GE(zeilen, 3);
    EXPECT_EQ(y, Vorlauf() + zeilen * Zeilenhoehe(fmPlain));
    EXPECT_LE(form.GroessteX, breite - 10 + 0.01);
    EXPECT_EQ(Dunkel(raster, QRect(breite - 8, 0, 870 - breite + 8, 609)), 0);
}

TEST_F(Flussprobe, WortumbruchAmLetztenBlank)
{
    const double ein = Breite(form, QStringLiteral("eins zwei "));
    const int breite = int(ein + Breite(form, QStringLiteral("dr"))) + 10;
    const int y = Setzen(QStringLiteral("eins zwei drei"), fmPlain, false, breite, 0, true);
    EXPECT_EQ(y, Vorlauf() + 2 * Zeilenhoehe(fmPlain));
    EXPECT_NEAR(form.GroessteX, Breite(form, QStringLiteral("eins zwei")), 0.01);
}

TEST_F(Flussprobe, AusgezeichnetesWortAmZeilenendeWirdGanzUmbrochen)
{
    // the line holds "Sonnenblumen " and "Fett" but not the whole word: the
    // blank before the tag is the break point, as it is without the tag
    const QString vorn = QStringLiteral("Sonnenblumen ");
    const struct
    {
        const char *Text;
        int Stil; // of "Fettgedruckt"
    } faelle[] = {
        {"Sonnenblumen Fettgedruckt", 0},
        {"Sonnenblumen <b>Fettgedruckt</b>", 1},
        {"Sonnenblumen <i>Fettgedruckt</i>", 2},
        {"Sonnenblumen <U>Fettgedruckt</U>", 4},
        {"Sonnenblumen <@COL=FF0000>Fettgedruckt</@COL>", 0},
        {"Sonnenblumen <b><i>Fettgedruckt</i></b>", 3},
        {"<b>Sonnenblumen </b>Fettgedruckt", 0},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.Text);
        const double erste = Breite(form, vorn, QString::fromUtf8(f.Text).startsWith("<b>") ? 1 : 0);
        const double wort = Breite(form, QStringLiteral("Fettgedruckt"), f.Stil);
        const int breite = int(std::ceil(erste + Breite(form, QStringLiteral("Fett"), f.Stil))) + 10 + 2;
        ASSERT_LT(wort + 10, breite) << "the word fits on a line of its own";
        ASSERT_GT(erste + wort + 10, breite) << "but not behind the first word";
        raster.fill(Qt::white);
        const int y = Setzen(QString::fromUtf8(f.Text), fmPlain, false, breite);
        EXPECT_EQ(y, Vorlauf() + 2 * Zeilenhoehe(fmPlain));
        // nothing of the word on the first line, the whole word on the second
        const int oben = Vorlauf(), zeile = Zeilenhoehe(fmPlain);
        EXPECT_EQ(Dunkel(raster, QRect(int(erste) + 2, oben, breite, zeile)), 0);
        EXPECT_GT(Dunkel(raster, QRect(int(wort) - 8, oben + zeile, 6, zeile)), 0) << "the last letters";
    }
}

TEST_F(Flussprobe, AngehaengterBlankSchiebtDasLetzteWortNichtUm)
{
    // the blank closing every paragraph misses the usable edge by itself
    for (const char *text : {"eins zwei", "eins <b>zwei</b>", "eins <<zwei>>"}) {
        SCOPED_TRACE(text);
        const bool fett = QString::fromUtf8(text).contains("<b>");
        const bool luecke = QString::fromUtf8(text).contains("<<");
        const double ohneBlank = luecke ? Breite(form, QStringLiteral("eins  zwei"))
                                        : Breite(form, QStringLiteral("eins ")) + Breite(form, QStringLiteral("zwei"), fett);
        const int breite = int(std::ceil(ohneBlank)) + 10 + 1;
        ASSERT_GT(ohneBlank + Breite(form, QStringLiteral(" ")), breite - 10);
        const int modus = luecke ? fmCloze : fmPlain;
        EXPECT_EQ(Setzen(QString::fromUtf8(text), modus, true, breite, 0, true), Vorlauf() + Zeilenhoehe(modus));
    }
}

TEST_F(Flussprobe, LinieAlleinZiehtEineRegelUndEndetEineZeileTiefer)
{
    const int links = 100;
    const int y = Setzen(QStringLiteral("<@LINIE>"), fmPlain, false, 870, links);
    EXPECT_EQ(y, Vorlauf() + Zeilenhoehe(fmPlain));
    const int ly = Vorlauf() + Zeilenhoehe(fmPlain) / 2 - 1;
    EXPECT_GE(Dunkel(raster, QRect(links, ly, 870 - links, 1)), 870 - links - 2);
    EXPECT_EQ(Dunkel(raster, QRect(0, ly, links - 1, 1)), 0);
    EXPECT_EQ(Dunkel(raster, QRect(0, 0, 870, ly - 1)), 0);
    // measure-only moves on as well but draws nothing
    raster.fill(Qt::white);
    EXPECT_EQ(Setzen(QStringLiteral("<@LINIE>"), fmPlain, false, 870, links, true), y);
    EXPECT_EQ(Dunkel(raster, raster.rect()), 0);
}

TEST_F(Flussprobe, TabRechtsbuendigesFeldUndFarbtags)
{
    Setzen(QStringLiteral("a<@POSX=50%>b"), fmPlain, false, 800, 0, true);
    EXPECT_NEAR(form.GroessteX, 400 + Breite(form, QStringLiteral("b ")), 0.01);
    Setzen(QStringLiteral("<@REB=05> 1234x"), fmPlain, false, 800, 0, true);
    EXPECT_NEAR(form.GroessteX, 5 * Breite(form, QStringLiteral("0")) + Breite(form, QStringLiteral("x ")), 0.01);
    Setzen(QStringLiteral("<@COL=FF0000>rot</@COL>"), fmPlain, false, 800, 0, true);
    EXPECT_NEAR(form.GroessteX, Breite(form, QStringLiteral("rot ")), 0.01);
    // a tab with one digit is text
    Setzen(QStringLiteral("<@POSX=5%>"), fmPlain, false, 800, 0, true);
    EXPECT_NEAR(form.GroessteX, Breite(form, QStringLiteral("<@POSX=5%> ")), 0.01);
}

TEST_F(Flussprobe, TokensImWoerterFindenModus)
{
    dok.Kopf.DokTyp = dokWoerterFinden;
    dok.Kopf.TextCol = 0x112233;
    Setzen(QStringLiteral("Ein <<Haus>> und [[Baum]]."), fmFindWords, true);
    ASSERT_EQ(dok.Objekte.size(), 2u);
    EXPECT_EQ(dok.Objekte[0].Typ, objWortsucheWort);
    EXPECT_EQ(dok.Objekte[0].Cap, QStringLiteral("Haus"));
    EXPECT_EQ(dok.Objekte[0].TAusr, 1);
    EXPECT_TRUE(dok.Objekte[0].BildKenn.isEmpty());
    EXPECT_EQ(dok.Objekte[1].Typ, objWortsucheFalle);
    EXPECT_EQ(dok.Objekte[1].Cap, QStringLiteral("Baum"));
    EXPECT_EQ(dok.Objekte[1].Farbe, 0x112233);
    const int h0 = Zeichenmasse(Grund()).Hoehe();
    EXPECT_NEAR(dok.Objekte[1].Ky, (Vorlauf() + h0 + 4.0 * 609 / 1100) / 609.0, 1e-9);
}

TEST_F(Flussprobe, NeuesSetzenOhneErzeugenVerschiebtDieVorhandenenLuecken)
{
    const QString text = QStringLiteral("Eins <<zwei>> drei <<vier>> fünf");
    Setzen(text, fmCloze, true, 870, 0);
    ASSERT_EQ(dok.Objekte.size(), 2u);
    dok.Objekte[0].Abgedeckt = abgAufgedeckt;
    const double kx0 = dok.Objekte[0].Kx, kx1 = dok.Objekte[1].Kx;
    form.Objektindex = 0;
    Setzen(text, fmCloze, false, 870, 100);
    ASSERT_EQ(dok.Objekte.size(), 2u);
    EXPECT_NEAR(dok.Objekte[0].Kx, kx0 + 100.0 / 870, 1e-9);
    EXPECT_NEAR(dok.Objekte[1].Kx, kx1 + 100.0 / 870, 1e-9);
    EXPECT_EQ(dok.Objekte[0].Sx, dok.Objekte[0].Kx);
    EXPECT_EQ(dok.Objekte[0].Abgedeckt, abgAufgedeckt);
    EXPECT_EQ(dok.Objekte[1].Abgedeckt, abgAbgedeckt);
    // no object left: nothing moves, nothing is made
    Setzen(text, fmCloze, false, 870, 200);
    EXPECT_EQ(dok.Objekte.size(), 2u);
    EXPECT_NEAR(dok.Objekte[0].Kx, kx0 + 100.0 / 870, 1e-9);
}

TEST(Textflusshilfen, ErsteAlternativeUndAuszeichnung)
{
    EXPECT_EQ(FirstAlternative(QStringLiteral("a|b|c")), QStringLiteral("a"));
    EXPECT_EQ(FirstAlternative(QStringLiteral("abc")), QStringLiteral("abc"));
    EXPECT_EQ(FirstAlternative(QStringLiteral("|b")), QString());
    EXPECT_TRUE(HatAuszeichnung(QStringLiteral("x <I>y")));
    EXPECT_TRUE(HatAuszeichnung(QStringLiteral("<@LINIE>")));
    EXPECT_FALSE(HatAuszeichnung(QStringLiteral("a < b <<c>>")));
}

TEST_F(Flussprobe, ArbeitsblattModiZeichnenLinieUndRoteAntwort)
{
    struct Fall
    {
        int Modus;
        bool Linie, Rot, Text;
    };
    const Fall faelle[] = {
        {fmWorksheet, true, false, true},
        {fmAnswers, false, true, false},
        {fmSolution, true, true, true},
    };
    const int h0 = Zeichenmasse(Grund()).Hoehe();
    const double vorn = Breite(form, QStringLiteral("Wort "));
    const double w = Breite(form, QStringLiteral(" Antwort"));
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.Modus);
        raster.fill(Qt::white);
        Setzen(QStringLiteral("Wort <<Antwort>>"), f.Modus, true);
        EXPECT_TRUE(dok.Objekte.empty());
        const int ly = Vorlauf() + h0;
        const QRect linie(int(vorn) + 2, ly, int(w) - 4, 1);
        EXPECT_EQ(Zaehlen(raster, linie, Qt::black, 60) >= linie.width() - 2, f.Linie);
        EXPECT_EQ(Zaehlen(raster, QRect(int(vorn), 0, int(w), ly - 1), QColor(255, 0, 0), 90) > 10, f.Rot);
        EXPECT_EQ(Dunkel(raster, QRect(0, 0, int(vorn) - 4, ly - 1)) > 10, f.Text);
    }
    // the worksheet box size widens the gap
    form.Kastengroesse = 200;
    Setzen(QStringLiteral("<<Antwort>>"), fmWorksheet, false, 870, 0, true);
    EXPECT_NEAR(form.GroessteX, 2 * Runden(w) + Breite(form, QStringLiteral(" ")), 1.01);
}

TEST(Infotext, LangerTextBrauchtMehrAlsDasRaster)
{
    QString text;
    for (int i = 0; i < 140; ++i)
        text += QStringLiteral("Zeile <b>%1</b>\r\n").arg(i);
    QImage raster(400, 3000, QImage::Format_ARGB32_Premultiplied);
    raster.fill(Qt::white);
    const int hoehe = InfotextSetzen(raster, text);
    EXPECT_GT(hoehe, 3000);
    QImage gross(400, hoehe, QImage::Format_ARGB32_Premultiplied);
    gross.fill(Qt::white);
    EXPECT_EQ(InfotextSetzen(gross, text), hoehe);
    // the last line is drawn in the larger raster
    EXPECT_GT(Dunkel(gross, QRect(0, hoehe - 80, 400, 80)), 10);
}
