// The sheet as a display list: header, title, task, answer bank, the bodies
// and the variants; the stored settings text and the limits of the options.

#include "learnview/FragenLayouts.h"
#include "learnview/Lernansichtshilfen.h"
#include "learnview/TextLayouts.h"
#include "learnview/Zeichenhilfen.h"
#include "worksheet/Arbeitsblatt.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>

#include <algorithm>

using namespace kalumo;
using namespace kalumo::test;

namespace {

ArbeitsblattOptionen Optionen(int variante = abArbeitsblatt)
{
    ArbeitsblattOptionen o;
    o.Variante = variante;
    o.Titel = QStringLiteral("Titel");
    o.Aufgabe = QStringLiteral("Aufgabe: Fülle die freien Felder aus!");
    return o;
}

Dokument Lueckentext(const QString &text)
{
    Dokument dok = Seite(870, 609);
    dok.Kopf.DokTyp = dokLueckentext;
    dok.Kopf.lueckentext = text;
    TextLayoutsNeuAufbauen(dok);
    return dok;
}

std::vector<const Zeichenbefehl *> Rot(const Zeichenliste &l, Blattteil teil)
{
    std::vector<const Zeichenbefehl *> aus;
    for (const Zeichenbefehl *b : l.Texte(teil))
        if (l.Farbe(*b) == QColor(255, 0, 0))
            aus.push_back(b);
    return aus;
}

std::vector<QLineF> Linien(const Zeichenliste &l, Blattteil teil)
{
    std::vector<QLineF> aus;
    for (const Zeichenbefehl *b : l.Befehlsliste(teil))
        if (b->Typ == Befehlsart::Linien)
            for (const QLineF &x : b->Linien)
                aus.push_back(x);
    return aus;
}

std::vector<QRectF> Rechtecke(const Zeichenliste &l, Blattteil teil)
{
    std::vector<QRectF> aus;
    for (const Zeichenbefehl *b : l.Befehlsliste(teil))
        if (b->Typ == Befehlsart::Rechtecke)
            for (const QRectF &r : b->Rechtecke)
                aus.push_back(r);
    return aus;
}

double Oben(const Zeichenliste &l, const Zeichenbefehl &b)
{
    return b.Position.y() - QFontMetricsF(b.Schrift).ascent();
}

} // namespace

TEST(Arbeitsblatt, KopffelderTitelUndAufgabeNehmenNurIhrenPlatz)
{
    Dokument dok = Seite(400, 300);
    dok.Kopf.ABLogo = QImage(200, 100, QImage::Format_RGB32);
    dok.Kopf.ABLogo.fill(Qt::blue);
    dok.Kopf.LogoGroesse = 0.2;

    ArbeitsblattOptionen o = Optionen();
    const Zeichenliste mit = ArbeitsblattZeichnen(dok, o);
    ASSERT_EQ(mit.Texte(Blattteil::Kopffelder).size(), 3u); // Name, Klasse, Datum
    EXPECT_EQ(mit.Texte(Blattteil::Kopffelder)[0]->Text, "Name:");

    // all five off: no header line, the title follows the logo directly
    o.ABName = o.ABKlasse = o.ABDatum = o.ABFach = o.ABBlattNr = false;
    const Zeichenliste ohne = ArbeitsblattZeichnen(dok, o);
    EXPECT_TRUE(ohne.Befehlsliste(Blattteil::Kopffelder).empty());
    const double logoHoehe = 200.0 * 100 / 200;
    const double h15 = QFontMetrics(Schrift("Arial", 15)).height(), h18 = QFontMetrics(Schrift("Arial", 18)).height();
    const auto titel = ohne.Texte(Blattteil::Titel);
    ASSERT_EQ(titel.size(), 1u);
    EXPECT_NEAR(Oben(ohne, *titel[0]), logoHoehe + h15 + 0.5 * h18, 1.0);

    // empty title and task leave no space: the body starts right below the header
    o.Titel.clear();
    o.Aufgabe = QStringLiteral("  \r\n ");
    o.Textvorgabe = false;
    const Zeichenliste leer = ArbeitsblattZeichnen(dok, o);
    EXPECT_TRUE(leer.Befehlsliste(Blattteil::Titel).empty());
    EXPECT_TRUE(leer.Befehlsliste(Blattteil::Aufgabe).empty());
    const auto koerper = leer.Befehlsliste(Blattteil::Koerper);
    ASSERT_FALSE(koerper.empty());
    EXPECT_NEAR(leer.Umriss(*koerper[0]).top(), logoHoehe + h15, 1.0);
}

TEST(Arbeitsblatt, FusszeileMitAdresseUndDokumentText)
{
    Dokument dok = Seite(400, 300);
    dok.Kopf.Fusszeile = QStringLiteral("Klasse 4b");
    dok.Kopf.FusszeileAusricht = 2;
    const Zeichenliste l = ArbeitsblattZeichnen(dok, Optionen());
    const auto t = l.Texte(Blattteil::Fusszeile);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0]->Text, "Erstellt mit Kalumo.");
    EXPECT_EQ(t[2]->Text, "Klasse 4b");
    // right-aligned at the page edge, on the last line
    EXPECT_NEAR(l.Umriss(*t[2]).right(), 1000, 1.0);
    EXPECT_NEAR(l.Umriss(*t[2]).bottom(), 1625, 4.0);
}

TEST(Arbeitsblatt, AuflegefolieTrifftDieKaestchenDesArbeitsblatts)
{
    // the bank's separators decide the line breaks: without them in the
    // overlay its body would start one bank line higher
    QString text = QStringLiteral("Im Text:");
    for (int i = 0; i < 12; ++i)
        text += QStringLiteral(" <<Wortbreit%1>>").arg(char('a' + i));
    text += QStringLiteral("\r\nEnde <<Schluss>>.");
    const Dokument dok = Lueckentext(text);
    const Zeichenliste blatt = ArbeitsblattZeichnen(dok, Optionen(abArbeitsblatt));
    const Zeichenliste folie = ArbeitsblattZeichnen(dok, Optionen(abLoesungFolie));

    // worksheet: a black line per gap; overlay: the red answer at its start
    std::vector<QLineF> luecken;
    for (const QLineF &l : Linien(blatt, Blattteil::Koerper))
        if (l.dy() == 0 && l.length() < 300)
            luecken.push_back(l);
    const auto antworten = Rot(folie, Blattteil::Koerper);
    ASSERT_EQ(antworten.size(), 13u);
    ASSERT_EQ(luecken.size(), 13u);
    const double versatz = luecken[0].y1() - antworten[0]->Position.y();
    for (size_t i = 0; i < antworten.size(); ++i) {
        EXPECT_NEAR(antworten[i]->Position.x(), luecken[i].x1(), 0.01) << i;
        EXPECT_NEAR(luecken[i].y1() - antworten[i]->Position.y(), versatz, 0.01) << i;
    }
    // the overlay draws no frame, header, title or task
    EXPECT_TRUE(folie.Befehlsliste(Blattteil::Kopffelder).empty());
    EXPECT_TRUE(folie.Befehlsliste(Blattteil::Titel).empty());
    EXPECT_TRUE(folie.Befehlsliste(Blattteil::Aufgabe).empty());
    EXPECT_TRUE(Rechtecke(folie, Blattteil::Koerper).empty());
}

TEST(Arbeitsblatt, BildseiteLiegtInAllenDreiVariantenGleich)
{
    Dokument dok = Seite(870, 609, QColor(200, 230, 255));
    Objekt(dok, objAbfrageBeschriftung, 0.3, 0.3, "Blüte");
    Objekt(dok, objAbfrageBeschriftung, 0.6, 0.6, "Wurzel");
    QRectF lage[3];
    for (int v = 0; v < 3; ++v) {
        const Zeichenliste l = ArbeitsblattZeichnen(dok, Optionen(v));
        for (const Zeichenbefehl *b : l.Befehlsliste(Blattteil::Koerper))
            if (b->Typ == Befehlsart::Bild)
                lage[v] = b->Rechteck;
        EXPECT_FALSE(lage[v].isEmpty()) << v;
    }
    EXPECT_EQ(lage[0], lage[1]);
    EXPECT_EQ(lage[0], lage[2]);
}

TEST(Arbeitsblatt, AusschneideblattMitDreiSpalten)
{
    Dokument dok = Lueckentext(QStringLiteral("Der <<Rhein>> fließt in die <<Nordsee>>."));
    ArbeitsblattOptionen o = Optionen(abAusschneideblatt);
    o.Spalten = 3;
    const Zeichenliste l = ArbeitsblattZeichnen(dok, o);
    const auto karten = Rechtecke(l, Blattteil::Antwortbank);
    ASSERT_EQ(karten.size(), 6u);
    for (int zeile = 0; zeile < 2; ++zeile) {
        EXPECT_DOUBLE_EQ(karten[size_t(3 * zeile)].left(), 0);
        EXPECT_DOUBLE_EQ(karten[size_t(3 * zeile + 1)].left(), 333);
        EXPECT_DOUBLE_EQ(karten[size_t(3 * zeile + 2)].left(), 667);
    }
    // every answer three times, no body, header and task places blank
    const auto texte = l.Texte(Blattteil::Antwortbank);
    EXPECT_EQ(std::count_if(texte.begin(), texte.end(), [](auto *b) { return b->Text == " Rhein "; }), 3);
    EXPECT_TRUE(l.Befehlsliste(Blattteil::Koerper).empty());
    EXPECT_TRUE(l.Befehlsliste(Blattteil::Kopffelder).empty());
    EXPECT_TRUE(l.Befehlsliste(Blattteil::Aufgabe).empty());
    EXPECT_FALSE(l.Texte(Blattteil::Titel).empty());
}

TEST(Arbeitsblatt, AusschneideblattMultipleChoiceNurTitelUndFuss)
{
    Dokument dok = Seite(870, 609);
    dok.Kopf.DokTyp = dokMultipleChoice;
    ObjDataTyp &q = Objekt(dok, objMCFrage, 0, 0);
    q.Cap = KommatextSchreiben({"Welche?", "+ Hund\r\n- Forelle", "", "", "", ""});
    const Zeichenliste l = ArbeitsblattZeichnen(dok, Optionen(abAusschneideblatt));
    for (const Zeichenbefehl *b : l.Befehlsliste())
        EXPECT_TRUE(b->Teil == Blattteil::Titel || b->Teil == Blattteil::Fusszeile) << int(b->Teil);
}

TEST(Arbeitsblatt, Antwortbank)
{
    struct Fall
    {
        const char *Text;
        QStringList Erwartet;
    };
    const Fall faelle[] = {
        {"Der <<Rhein>> und der <<Rhein>>.", {"Rhein", "Rhein"}},           // equal gaps: two entries
        {"<<äpfel>> <<Birne>> <<apfel>> <<Zitrone>>", {"apfel", "äpfel", "Birne", "Zitrone"}}, // without case
        {"<<Rot|rot>> <<Blau>>", {"Blau", "Rot"}},          // the first alternative
    };
    for (const Fall &f : faelle) {
        const Dokument dok = Lueckentext(QString::fromUtf8(f.Text));
        EXPECT_EQ(Antworttexte(dok, Optionen()), f.Erwartet) << f.Text;
    }
    // "Antworttexte vorgeben" off: no bank on the worksheet, but on the cut-out sheet
    const Dokument dok = Lueckentext(QStringLiteral("<<eins>> <<zwei>>"));
    ArbeitsblattOptionen o = Optionen();
    o.Textvorgabe = false;
    EXPECT_TRUE(Antworttexte(dok, o).isEmpty());
    o.Variante = abAusschneideblatt;
    EXPECT_EQ(Antworttexte(dok, o).size(), 2);
}

TEST(Arbeitsblatt, EinzelfragenAbFrageFuenfBisZurErstenDieNichtPasst)
{
    Dokument dok = Seite(870, 609);
    dok.Kopf.DokTyp = dokEinzelfragen;
    QString text;
    for (int i = 1; i <= 60; ++i)
        text += i == 7 ? QStringLiteral("Frage ohne Antwort\r\n") : QStringLiteral("Frage %1 // Antwort %1\r\n").arg(i);
    dok.Kopf.fragentext = text;
    ArbeitsblattOptionen o = Optionen(abLoesungKomplett);
    o.AbFrage = 5;
    const Zeichenliste l = ArbeitsblattZeichnen(dok, o);
    QStringList fragen;
    QStringList antworten;
    double unterstes = 0;
    for (const Zeichenbefehl *b : l.Texte(Blattteil::Koerper)) {
        (l.Farbe(*b) == QColor(255, 0, 0) ? antworten : fragen) << b->Text.trimmed();
        unterstes = std::max(unterstes, l.Umriss(*b).bottom());
    }
    ASSERT_GE(fragen.size(), 5);
    EXPECT_TRUE(fragen[0].startsWith("5. ")) << fragen[0].toStdString();
    EXPECT_EQ(antworten[2], "---"); // question 7
    EXPECT_LT(fragen.size(), 56);   // not everything fits
    EXPECT_LT(unterstes, 1625 - 1.5 * QFontMetrics(Schrift("Arial", 25)).height());
    // on the worksheet the answers' space stays blank
    o.Variante = abArbeitsblatt;
    EXPECT_TRUE(Rot(ArbeitsblattZeichnen(dok, o), Blattteil::Koerper).empty());
}

TEST(Arbeitsblatt, MultipleChoiceKaestchenUndZweiSpalten)
{
    Dokument dok = Seite(870, 609);
    dok.Kopf.DokTyp = dokMultipleChoice;
    ObjDataTyp &text = Objekt(dok, objMCFrage, 0, 0);
    text.Cap = KommatextSchreiben({"Säugetiere?", "+ Hund\r\n- Forelle\r\n+ Delfin", "", "", "", ""});
    ObjDataTyp &bilder = Objekt(dok, objMCFrage, 0, 0);
    bilder.Untertyp = kMCBildantworten;
    bilder.Cap = KommatextSchreiben({"Kreis?", "+ Bild\r\n- Bild\r\n- Bild\r\n- Bild\r\n- Bild", "", "", "", ""});
    for (int i = 0; i < 5; ++i) {
        bilder.BildAntw[size_t(i)] = QImage(40, 40, QImage::Format_RGB32);
        bilder.BildAntw[size_t(i)].fill(Qt::green);
    }
    const double h = QFontMetrics(Schrift("Arial", 25)).height();

    // worksheet: an empty square for every answer
    const Zeichenliste blatt = ArbeitsblattZeichnen(dok, Optionen(abArbeitsblatt));
    std::vector<QRectF> kaesten;
    for (const QRectF &r : Rechtecke(blatt, Blattteil::Koerper))
        if (std::abs(r.width() - h) < 0.01 && std::abs(r.height() - h) < 0.01)
            kaesten.push_back(r);
    ASSERT_EQ(kaesten.size(), 8u);
    // five picture answers: 1 to 3 in the first column, 4 and 5 in the second
    for (int i = 3; i < 8; ++i)
        EXPECT_NEAR(kaesten[size_t(i)].left(), (i < 6 ? 0.05 : 0.5) * 1000 - 2, 0.01) << i;
    EXPECT_NEAR(kaesten[6].top(), kaesten[3].top(), 0.01);
    for (const Zeichenbefehl *b : blatt.Befehlsliste(Blattteil::Koerper)) {
        if (b->Typ == Befehlsart::Bild) {
            EXPECT_NE(b->Bild.cacheKey(), Hakenbild().cacheKey());
        }
    }

    // solution: the tick for correct, the dash for wrong, in the boxes
    const Zeichenliste loesung = ArbeitsblattZeichnen(dok, Optionen(abLoesungKomplett));
    std::vector<const Zeichenbefehl *> marken;
    for (const Zeichenbefehl *b : loesung.Befehlsliste(Blattteil::Koerper))
        if (b->Typ == Befehlsart::Bild && std::abs(b->Rechteck.width() - h) < 0.01)
            marken.push_back(b);
    ASSERT_EQ(marken.size(), 8u);
    const bool richtig[] = {true, false, true, true, false, false, false, false};
    for (size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(marken[i]->Bild.cacheKey(), (richtig[i] ? Hakenbild() : Strichbild()).cacheKey()) << i;
        EXPECT_EQ(marken[i]->Rechteck, kaesten[i]) << i;
    }
}

TEST(Arbeitsblatt, ErsterBuchstabeUndEinzeiligeAntworten)
{
    EXPECT_EQ(ErsterBuchstabeVorgabe("Wurzel"), " W" + QString(10, ' '));
    EXPECT_EQ(ErsterBuchstabeVorgabe("Ab\r\nc"), " A  \r\n  ");
    EXPECT_EQ(EinzeiligerText("Blü-\r\nte"), "Blüte");
    EXPECT_EQ(EinzeiligerText("Nord-\r\nSee"), "Nord-See");
    EXPECT_EQ(EinzeiligerText("  zwei\r\nZeilen  "), "zwei Zeilen");
}

TEST(Arbeitsblatt, QuerformatRechnetDasBildNeu)
{
    Dokument dok = Lueckentext(QStringLiteral("Ein <<Text>>."));
    ArbeitsblattOptionen o = Optionen();
    o.BasisbildGroesse = 50;
    o.BasisbildY = 3;
    o.Querformat = true;
    o.OrientierungGeaendert = true;
    Arbeitsblattzeichner z(dok, {});
    const Zeichenliste l = z.DrawSheet(o);
    EXPECT_EQ(l.Seite, QSizeF(1625, 1000));
    EXPECT_FALSE(o.OrientierungGeaendert);
    EXPECT_DOUBLE_EQ(o.BasisbildY, 0);
    EXPECT_GT(o.BasisbildGroesse, 50);
    EXPECT_LE(o.BasisbildGroesse, 100);
}

TEST(ArbeitsblattOptionen, GrenzenDerBildoptionen)
{
    struct Fall { double G, X, Y, EG, EX, EY; };
    const Fall faelle[] = {
        {500, 35, -50, 300, 20, -20},
        {100, -35, 5, 100, -20, 5},
        {300, 20, -20, 300, 20, -20},
    };
    for (const Fall &f : faelle) {
        ArbeitsblattOptionen o;
        o.BasisbildGroesse = f.G;
        o.BasisbildX = f.X;
        o.BasisbildY = f.Y;
        BildoptionenBegrenzen(o);
        EXPECT_DOUBLE_EQ(o.BasisbildGroesse, f.EG);
        EXPECT_DOUBLE_EQ(o.BasisbildX, f.EX);
        EXPECT_DOUBLE_EQ(o.BasisbildY, f.EY);
    }
}

TEST(ArbeitsblattOptionen, GespeicherterEinstellungstext)
{
    ArbeitsblattOptionen o;
    o.Kaestchengroesse = 50;
    o.Raender = false;
    o.Basisbild = false;
    ArbeitsblattEinstellungenLesen("110 %|1|0|1|1|0.0|0.0|100.0|0|0|", o);
    EXPECT_EQ(o.Kaestchengroesse, 110);
    EXPECT_TRUE(o.Raender);
    EXPECT_EQ(o.MaxFontSize, 0);
    EXPECT_TRUE(o.Basisbild);
    EXPECT_TRUE(o.Objekte);
    EXPECT_DOUBLE_EQ(o.BasisbildX, 0);
    EXPECT_DOUBLE_EQ(o.BasisbildY, 0);
    EXPECT_DOUBLE_EQ(o.BasisbildGroesse, 100);
    EXPECT_FALSE(o.Vollbreite);
    EXPECT_FALSE(o.Querformat);

    // round trip of other values, one decimal with a point
    o.Kaestchengroesse = 200;
    o.MaxFontSize = -3;
    o.BasisbildX = -1.25;
    o.BasisbildY = 2.5;
    o.BasisbildGroesse = 87.3;
    o.Vollbreite = true;
    o.Querformat = true;
    const QString text = ArbeitsblattEinstellungenText(o);
    EXPECT_EQ(text, "200 %|1|-3|1|1|-1.3|2.5|87.3|1|1|");
    ArbeitsblattOptionen p;
    ArbeitsblattEinstellungenLesen(text, p);
    EXPECT_EQ(ArbeitsblattEinstellungenText(p), text);

    // blanks inside numbers are ignored, unreadable numbers count 0, an
    // unknown box size selects nothing, a short text keeps the rest
    ArbeitsblattOptionen q;
    ArbeitsblattEinstellungenLesen("115 %|0|- 2|x|1|1 .5|", q);
    EXPECT_EQ(q.Kaestchengroesse, 110);
    EXPECT_FALSE(q.Raender);
    EXPECT_EQ(q.MaxFontSize, -2);
    EXPECT_FALSE(q.Basisbild);
    EXPECT_DOUBLE_EQ(q.BasisbildX, 1.5);
    EXPECT_DOUBLE_EQ(q.BasisbildGroesse, 100);
}

TEST(ArbeitsblattOptionen, FelderJeDokumenttyp)
{
    EXPECT_TRUE(OptionsfeldSichtbar(Optionsfeld::ErstBuchstabe, dokBildbeschriftung));
    EXPECT_FALSE(OptionsfeldSichtbar(Optionsfeld::ErstBuchstabe, dokLueckentext));
    EXPECT_FALSE(OptionsfeldSichtbar(Optionsfeld::Textvorgabe, dokMultipleChoice));
    EXPECT_FALSE(OptionsfeldSichtbar(Optionsfeld::Textvorgabe, dokKreuzZuordnung));
    EXPECT_TRUE(OptionsfeldSichtbar(Optionsfeld::Bildoptionen, dokCluster));
    EXPECT_TRUE(OptionsfeldSichtbar(Optionsfeld::AbFrage, dokEinzelfragen));
    EXPECT_TRUE(OptionsfeldSichtbar(Optionsfeld::Kaestchengroesse, dokKreuzwortraetsel));
}

// The sheet of a cross-matching page lays its elements out on a page of its
// own: they must stand where the learning view puts them, not squeezed
// against the right edge of a page that was never built.
TEST(Arbeitsblatt, KreuzzuordnungStehtWieInDerLernansicht)
{
    Dokument dok = Seite(870, 609);
    dok.Kopf.DokTyp = dokKreuzZuordnung;
    dok.Kopf.LueckenTabelleZeilen = 3;
    dok.Kopf.LueckenTabelleSpalten = 3;
    for (int z = 0; z < 3; ++z)
        for (int s = 0; s < 3; ++s) {
            dok.Kopf.LueckenTabelle[size_t(z)][size_t(s)].Text = QStringLiteral("z%1s%2").arg(z).arg(s);
            dok.Kopf.LueckenTabelle[size_t(z)][size_t(s)].Art = z == 0 ? 0 : 1;
        }
    Dokument ansicht = dok;
    TextLayoutsNeuAufbauen(ansicht);
    KreuzzuordnungVorbereiten(dok, QStringLiteral("Arial"), false, 0);
    ASSERT_EQ(dok.Objekte.size(), ansicht.Objekte.size());
    ASSERT_FALSE(dok.Objekte.empty());
    for (size_t i = 0; i < dok.Objekte.size(); ++i) {
        SCOPED_TRACE(i);
        const ObjDataTyp &a = dok.Objekte[i], &b = ansicht.Objekte[i];
        EXPECT_EQ(a.Typ, b.Typ);
        EXPECT_NEAR(a.Kx, b.Kx, 0.01);
        EXPECT_NEAR(a.Ky, b.Ky, 0.01);
        EXPECT_NEAR(a.KartBreite, b.KartBreite, 0.01);
        EXPECT_GT(a.Kx, 0.0);
        EXPECT_LT(a.Kx, 1.0);
    }
}
