// Writes the example documents bundled with the program into a folder:
//   kalumo-beispiele FOLDER
// The pictures are drawn here, without text, so that the files come out the
// same on every machine.

#include "Werkzeugdienste.h"
#include "document/DokumentDateien.h"
#include "learnview/FragenLayouts.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>

using namespace kalumo;

namespace {

QImage alsDokumentbild(const QImage &b)
{
    return b.convertToFormat(QImage::Format_RGBA8888);
}

QImage weissesBlatt(int w, int h)
{
    QImage b(w, h, QImage::Format_RGBA8888);
    b.fill(Qt::white);
    return b;
}

QImage blumenBild()
{
    QImage b(800, 640, QImage::Format_ARGB32);
    b.fill(QColor(0xEE, 0xF6, 0xFF));
    QPainter p(&b);
    p.setRenderHint(QPainter::Antialiasing);
    // soil
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9C, 0x72, 0x4A));
    p.drawRect(0, 470, 800, 170);
    // roots
    p.setPen(QPen(QColor(0xE8, 0xD8, 0xB0), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(400, 470, 360, 560);
    p.drawLine(400, 470, 440, 580);
    p.drawLine(400, 470, 400, 610);
    p.drawLine(370, 540, 330, 575);
    p.drawLine(430, 550, 475, 565);
    // stem
    p.setPen(QPen(QColor(0x2E, 0x8B, 0x3A), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(400, 470, 400, 230);
    // leaves
    p.setPen(QPen(QColor(0x1E, 0x6B, 0x2A), 2));
    p.setBrush(QColor(0x3C, 0xB0, 0x4C));
    QPainterPath links;
    links.moveTo(400, 400);
    links.cubicTo(340, 330, 260, 340, 230, 370);
    links.cubicTo(280, 410, 350, 420, 400, 400);
    p.drawPath(links);
    QPainterPath rechts;
    rechts.moveTo(400, 340);
    rechts.cubicTo(460, 270, 540, 280, 570, 310);
    rechts.cubicTo(520, 350, 450, 360, 400, 340);
    p.drawPath(rechts);
    // petals
    p.setPen(QPen(QColor(0xB0, 0x20, 0x50), 2));
    p.setBrush(QColor(0xF0, 0x50, 0x80));
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(400, 170);
        p.rotate(i * 45.0);
        p.drawEllipse(QRectF(-22, -105, 44, 90));
        p.restore();
    }
    // centre of the flower
    p.setPen(QPen(QColor(0xB0, 0x80, 0x00), 2));
    p.setBrush(QColor(0xFF, 0xC8, 0x20));
    p.drawEllipse(QPointF(400, 170), 32, 32);
    p.end();
    return alsDokumentbild(b);
}

QImage formBild(int art)
{
    QImage b(160, 160, QImage::Format_ARGB32);
    b.fill(Qt::transparent);
    QPainter p(&b);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x20, 0x40, 0x90), 6));
    p.setBrush(QColor(0x70, 0xA0, 0xF0));
    if (art == 0) {
        p.drawEllipse(QRectF(16, 16, 128, 128));
    } else if (art == 1) {
        p.drawRect(QRectF(24, 24, 112, 112));
    } else {
        QPolygonF d;
        d << QPointF(80, 16) << QPointF(148, 140) << QPointF(12, 140);
        p.drawPolygon(d);
    }
    p.end();
    return alsDokumentbild(b);
}

// Pictures for the quiz and card examples: 0 circle, 1 square, 2 triangle,
// 3 hexagon, 4 star.
QImage formBildFarbig(int art, QColor fuellung)
{
    QImage b(160, 160, QImage::Format_ARGB32);
    b.fill(Qt::white);
    QPainter p(&b);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(fuellung.darker(180), 6));
    p.setBrush(fuellung);
    QPolygonF ecken;
    if (art == 0) {
        p.drawEllipse(QRectF(20, 20, 120, 120));
    } else if (art == 1) {
        p.drawRect(QRectF(26, 26, 108, 108));
    } else if (art == 2) {
        ecken << QPointF(80, 18) << QPointF(146, 138) << QPointF(14, 138);
    } else {
        const int n = art == 3 ? 6 : 10;
        for (int i = 0; i < n; ++i) {
            const double w = i * 2 * M_PI / n - M_PI / 2;
            const double radius = (art == 4 && i % 2 == 1) ? 28 : 64;
            ecken << QPointF(80 + radius * std::cos(w), 80 + radius * std::sin(w));
        }
    }
    if (!ecken.isEmpty())
        p.drawPolygon(ecken);
    p.end();
    return alsDokumentbild(b);
}

QImage fischBild()
{
    QImage b(200, 140, QImage::Format_ARGB32);
    b.fill(QColor(0xDD, 0xEE, 0xFF));
    QPainter p(&b);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x20, 0x50, 0x80), 3));
    p.setBrush(QColor(0xF0, 0x90, 0x30));
    p.drawEllipse(QRectF(30, 35, 120, 70));
    QPolygonF schwanz;
    schwanz << QPointF(145, 70) << QPointF(190, 35) << QPointF(190, 105);
    p.drawPolygon(schwanz);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(60, 62), 5, 5);
    p.end();
    return alsDokumentbild(b);
}

QImage vogelBild()
{
    QImage b(200, 140, QImage::Format_ARGB32);
    b.fill(QColor(0xEE, 0xF8, 0xE8));
    QPainter p(&b);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x30, 0x30, 0x60), 3));
    p.setBrush(QColor(0x50, 0x80, 0xD0));
    p.drawEllipse(QRectF(50, 50, 100, 60));   // body
    p.drawEllipse(QRectF(120, 25, 45, 45));   // head
    p.setBrush(QColor(0xF0, 0xC0, 0x20));
    QPolygonF schnabel;
    schnabel << QPointF(163, 42) << QPointF(190, 50) << QPointF(162, 58);
    p.drawPolygon(schnabel);
    p.setBrush(QColor(0x30, 0x50, 0xA0));
    QPolygonF fluegel;
    fluegel << QPointF(70, 70) << QPointF(120, 72) << QPointF(85, 30);
    p.drawPolygon(fluegel);
    p.setPen(QPen(QColor(0x60, 0x40, 0x20), 4));
    p.drawLine(90, 110, 85, 132);
    p.drawLine(110, 110, 115, 132);
    p.end();
    return alsDokumentbild(b);
}

struct Beispielschreiber
{
    QDir ordner;
    StderrMeldungen meldungen;
    bool ok = true;

    void speichern(Dokument &dok, const char *name)
    {
        // saved as the program saves an opened document: with its layout run
        WerkzeugDienste dienste(meldungen);
        dienste.LayoutsNeuAufbauen(dok);
        ok = DokumentSchreiben(dok, dienste, ordner.filePath(QString::fromUtf8(name)), true) && ok;
    }
};

Dokument neu()
{
    Dokument dok;
    NeuesDokument(dok);
    dok.Kopf.autor = QStringLiteral("Kalumo-Beispiele");
    return dok;
}

// A text-centred page on a white sheet with the margins of its type.
Dokument textseite(int dokTyp, const QString &titel, int unterTyp = subLueckentext)
{
    Dokument dok = neu();
    dok.Basisbild = weissesBlatt(870, 620);
    dok.Kopf.DokTyp = dokTyp;
    dok.Kopf.DokUnterTyp = unterTyp;
    dok.Kopf.EinrueckRand = StandardEinrueckRand(dokTyp);
    dok.Kopf.titel = titel;
    return dok;
}

void blume(Beispielschreiber &s)
{
    Dokument dok = neu();
    dok.Basisbild = blumenBild();
    dok.Kopf.titel = QStringLiteral("Aufbau einer Blütenpflanze");
    dok.Kopf.bemerkung = QStringLiteral("Ordne die Begriffe den Teilen der Pflanze zu.");
    // the labels stand on a strip to the right of the picture
    dok.Kopf.RandErw = {0.0, 0.0, 0.4, 0.0};
    const double seitenBreite = 800 * 1.4, seitenHoehe = 640;
    struct Teil { const char16_t *name; double x, y, ky; };
    const Teil teile[] = {
        {u"Kronblatt", 470, 100, 0.14},
        {u"Blüte", 430, 160, 0.30},
        {u"Laubblatt", 530, 310, 0.46},
        {u"Stängel", 404, 440, 0.62},
        {u"Wurzel", 440, 575, 0.86},
    };
    for (const Teil &t : teile) {
        const int i = ObjektHinzufuegen(dok, objAbfrageBeschriftung, ebeneTexteUndBilder, QString::fromUtf16(t.name), 4,
                                        1, 820.0 / seitenBreite, t.ky, -1);
        ObjDataTyp &o = dok.Objekte[size_t(i)];
        o.Sline = 1;
        o.Sx = t.x / seitenBreite;
        o.Sy = t.y / seitenHoehe;
        o.LinieFarbe = 0x404040;
        o.LinieDicke = 2;
        o.HFarbe = 0xFFFFFF;
        o.HDeck = 90;
        o.Generiert = false;
    }
    const int info = ObjektHinzufuegen(dok, objInfopunkt, ebeneInfopunkte,
                                       QStringLiteral("Die Wurzel hält die Pflanze im Boden fest\r\nund nimmt Wasser und "
                                                      "Nährsalze auf."),
                                       0, 1, 520.0 / seitenBreite, 600.0 / seitenHoehe, -1);
    dok.Objekte[size_t(info)].PktCap = StandardPunktTitel(objInfopunkt);
    dok.Objekte[size_t(info)].HFarbe = StandardPunktHintergrund(objInfopunkt);
    dok.Objekte[size_t(info)].Farbe = 0xFFFFFF;
    const int titel = ObjektHinzufuegen(dok, objFixeBeschriftung, ebeneLayout,
                                        QStringLiteral("Aufbau einer Blütenpflanze"), 8, 5, 0.5 / 1.4, 0.045, -1);
    dok.Objekte[size_t(titel)].Stil = 1;
    for (ObjDataTyp &o : dok.Objekte)
        o.Generiert = false;
    s.speichern(dok, "Blütenpflanze.kal");
}

void lueckentext(Beispielschreiber &s)
{
    Dokument dok = textseite(dokLueckentext, QStringLiteral("Der Rhein"), subLueckentext);
    dok.Kopf.lueckentext = QStringLiteral(
        "Der Rhein ist mit rund 1230 km einer der längsten <<Flüsse>> Europas.\r\n"
        "Er entspringt in den <<Alpen|Schweizer Alpen>> und fließt durch den <<Bodensee>>.\r\n"
        "Bei Basel wendet er sich nach <<Norden>> und bildet die Grenze zwischen Deutschland und "
        "<<Frankreich>>.\r\n"
        "In den Niederlanden mündet er schließlich in die <<Nordsee>>.");
    s.speichern(dok, "Lückentext Rhein.kal");
}

void einzelfragen(Beispielschreiber &s)
{
    Dokument dok = textseite(dokEinzelfragen, QStringLiteral("Hauptstädte Europas"));
    dok.Kopf.fragentext = QStringLiteral("Wie heißt die Hauptstadt von Frankreich?//Paris\r\n"
                                         "Wie heißt die Hauptstadt von Österreich?//Wien\r\n"
                                         "Wie heißt die Hauptstadt von Italien?//Rom\r\n"
                                         "Wie heißt die Hauptstadt von Spanien?//Madrid");
    s.speichern(dok, "Einzelfragen Hauptstädte.kal");
}

void tabelle(Beispielschreiber &s)
{
    Dokument dok = textseite(dokLueckentext, QStringLiteral("Geometrische Formen"), subTabelle);
    dok.Kopf.LueckenTabelleZeilen = 3;
    dok.Kopf.LueckenTabelleSpalten = 3;
    dok.Kopf.LueckenTabelleLinie = 1;
    const char16_t *namen[] = {u"Kreis", u"Quadrat", u"Dreieck"};
    const char16_t *saetze[] = {
        u"Ein Kreis hat keine <<Ecken>>.",
        u"Ein Quadrat hat vier gleich lange <<Seiten>>\r\nund vier rechte <<Winkel>>.",
        u"Ein Dreieck hat <<drei|3>> Ecken.",
    };
    for (int r = 0; r < 3; ++r) {
        lueckentabellearrtyp &text = dok.Kopf.LueckenTabelle[size_t(r)][0];
        text.Text = QString::fromUtf16(namen[r]);
        text.Art = zelleAbfrageText;
        lueckentabellearrtyp &bild = dok.Kopf.LueckenTabelle[size_t(r)][1];
        bild.Art = r == 2 ? zelleAbfrageBild : zelleFixbild;
        bild.Bild = formBild(r);
        bild.BildKenn = r == 2 ? QStringLiteral("Dreieck") : QString();
        bild.Groesse = 40;
        lueckentabellearrtyp &satz = dok.Kopf.LueckenTabelle[size_t(r)][2];
        satz.Text = QString::fromUtf16(saetze[r]); // running text with gaps
    }
    s.speichern(dok, "Tabelle Formen.kal");
}

void kreuzwort(Beispielschreiber &s)
{
    Dokument dok = textseite(dokKreuzwortraetsel, QStringLiteral("Kleines Kreuzworträtsel"));
    auto &g = dok.Kopf.KreuzGitter; // [x][y]
    auto setzen = [&](int x, int y, const char16_t *t) { g[size_t(x)][size_t(y)] = QString::fromUtf16(t); };
    // across 1: HAUS from (1,1); down 2: AST from (2,1); across 3: BAUM from (0,4) crossing nothing
    setzen(0, 1, u"#W1");
    setzen(1, 1, u"H"); setzen(2, 1, u"A"); setzen(3, 1, u"U"); setzen(4, 1, u"S");
    setzen(2, 0, u"#S2");
    setzen(2, 2, u"S"); setzen(2, 3, u"T");
    setzen(4, 0, u"#S3");
    setzen(4, 2, u"E"); setzen(4, 3, u"E");
    dok.Kopf.KreuzTexteWaagerecht[0] = QStringLiteral("Darin wohnt man");
    dok.Kopf.KreuzTexteSenkrecht[1] = QStringLiteral("Teil eines Baumes");
    dok.Kopf.KreuzTexteSenkrecht[2] = QStringLiteral("Stehendes Gewässer");
    s.speichern(dok, "Kreuzworträtsel.kal");
}

void falschwoerter(Beispielschreiber &s)
{
    Dokument dok = textseite(dokLueckentext, QStringLiteral("Im Wald"), subLueckentextFalschwoerter);
    dok.Kopf.lueckentext = QStringLiteral(
        "<b>Der Wald</b>\r\n"
        "Im Wald wachsen Laubbäume wie die <<Buche|Eiche>> und Nadelbäume wie die <<Fichte|Tanne|Kiefer>>.\r\n"
        "Der <<Specht>> klopft mit seinem Schnabel Löcher in die Rinde.\r\n"
        "Nachts geht der <<Fuchs>> auf die Jagd, am Tag schläft er in seinem <<Bau>>.\r\n"
        "Im Herbst sammelt das <<Eichhörnchen>> Nüsse für den Winter.");
    dok.Kopf.fragentext = QStringLiteral("Palme\r\nDelfin\r\nKaktus");
    s.speichern(dok, "Lückentext Wald mit Falschwörtern.kal");
}

void ctest(Beispielschreiber &s)
{
    Dokument dok = textseite(dokLueckentext, QStringLiteral("Die Jahreszeiten"), subCTest);
    dok.Kopf.MinLuecke = 2;
    dok.Kopf.lueckentext = QStringLiteral(
        "Das Ja<<hr>> hat vi<<er>> Jahreszeiten. I<<m>> Frühling blü<<hen>> die Blu<<men>>, "
        "im Som<<mer>> ist es wa<<rm>>. I<<m>> Herbst fal<<len>> die Blät<<ter>> von d<<en>> Bäumen, "
        "und i<<m>> Winter sch<<neit>> es of<<t>>.");
    s.speichern(dok, "C-Test Jahreszeiten.kal");
}

void woerterFinden(Beispielschreiber &s)
{
    Dokument dok = textseite(dokWoerterFinden, QStringLiteral("Namenwörter finden"));
    dok.Kopf.lueckentext = QStringLiteral(
        "Finde alle Namenwörter!\r\n"
        "Der <<Hund>> läuft [[schnell]] über die <<Wiese>>.\r\n"
        "Am <<Himmel>> fliegen viele [[bunte]] <<Drachen>>.\r\n"
        "Meine <<Schwester>> [[liest]] ein spannendes <<Buch>>.");
    s.speichern(dok, "Wörter finden Namenwörter.kal");
}

// A multiple-choice question object as the question editor stores it.
ObjDataTyp &mcFrage(Dokument &dok, const QStringList &felder, int nummer)
{
    const int i = ObjektHinzufuegen(dok, objMCFrage, ebeneTexteUndBilder, KommatextSchreiben(felder), 0, 0, -1.0,
                                    -1.0, nummer);
    ObjDataTyp &o = dok.Objekte[size_t(i)];
    o.MCInfoLinkData = StandardMCInfoLinkData();
    o.Generiert = false;
    return o;
}

void multipleChoice(Beispielschreiber &s)
{
    Dokument dok = textseite(dokMultipleChoice, QStringLiteral("Formen und Tiere"));
    mcFrage(dok,
            {QStringLiteral("Welche dieser Tiere sind Säugetiere?"),
             QStringLiteral("+Hund\r\n-Forelle\r\n-Amsel\r\n+Delfin"),
             QStringLiteral("Säugetiere bringen lebende Junge zur Welt\r\nund säugen sie mit Milch."),
             QString(), QString(), QString()},
            1);
    ObjDataTyp &bildfrage = mcFrage(dok,
                                    {QStringLiteral("Wie viele Ecken hat diese Form?"),
                                     QStringLiteral("-Zwei\r\n+Drei\r\n-Vier\r\n-Fünf"), QString(), QString(),
                                     QString(), QString()},
                                    2);
    bildfrage.Typ = objMCFrageBild;
    bildfrage.Bild = formBildFarbig(2, QColor(0x70, 0xC0, 0x70));
    ObjDataTyp &bildantworten = mcFrage(
        dok,
        {QStringLiteral("Welche Form ist ein Kreis?"),
         QStringLiteral("+ Bild\r\n- Bild\r\n- Bild\r\n- Bild\r\n- Bild"), QString(), QString(), QString(),
         QString()},
        3);
    bildantworten.Untertyp = kMCBildantworten;
    bildantworten.AntwortAnz = 5;
    const QColor farben[] = {QColor(0xF0, 0x80, 0x60), QColor(0x70, 0xA0, 0xF0), QColor(0xF0, 0xD0, 0x40),
                             QColor(0xA0, 0x70, 0xD0), QColor(0x60, 0xC0, 0xB0)};
    for (int i = 0; i < 5; ++i)
        bildantworten.BildAntw[size_t(i)] = formBildFarbig(i, farben[i]);
    s.speichern(dok, "Multiple Choice Formen und Tiere.kal");
}

// Texts into the first rows of the table: the first row as static text, the
// others as query texts.
template <size_t Zeilen, size_t Spalten>
void zellenFuellen(Dokument &dok, const char16_t *(&texte)[Zeilen][Spalten])
{
    for (size_t z = 0; z < Zeilen; ++z)
        for (size_t k = 0; k < Spalten; ++k) {
            lueckentabellearrtyp &zelle = dok.Kopf.LueckenTabelle[z][k];
            zelle.Text = QString::fromUtf16(texte[z][k]);
            zelle.Art = z == 0 ? 0 : 1;
        }
}

void cluster(Beispielschreiber &s)
{
    Dokument dok = textseite(dokCluster, QStringLiteral("Tiere ordnen"));
    dok.Kopf.LueckenTabelleZeilen = 4;
    dok.Kopf.LueckenTabelleSpalten = 3;
    dok.Kopf.LueckenTabelleLinie = 1;
    dok.Kopf.LueckenTabelleLinieCol = 0x808080;
    const char16_t *texte[3][3] = {
        {u"Säugetiere", u"Vögel", u"Fische"},
        {u"Hund", u"Amsel", u"Forelle"},
        {u"Pferd", u"Meise", u"Hai"},
    };
    zellenFuellen(dok, texte); // headings stay, the animals are sorted
    // the last row: two pictures to sort, the mammal column left empty
    lueckentabellearrtyp &vogel = dok.Kopf.LueckenTabelle[3][1];
    vogel.Art = karteAbfrageBild;
    vogel.Bild = vogelBild();
    vogel.BildKenn = QStringLiteral("Vogel");
    vogel.Groesse = 40;
    lueckentabellearrtyp &fisch = dok.Kopf.LueckenTabelle[3][2];
    fisch.Art = karteAbfrageBild;
    fisch.Bild = fischBild();
    fisch.BildKenn = QStringLiteral("Fisch");
    fisch.Groesse = 40;
    s.speichern(dok, "Cluster Tiere.kal");
}

void kreuzzuordnung(Beispielschreiber &s)
{
    Dokument dok = textseite(dokKreuzZuordnung, QStringLiteral("Länder, Hauptstädte und Sprachen"));
    dok.Kopf.LueckenTabelleZeilen = 4;
    dok.Kopf.LueckenTabelleSpalten = 3;
    dok.Kopf.LueckenTabelleLinieCol = 0x3060C0;
    const char16_t *texte[4][3] = {
        {u"Frankreich", u"Paris", u"Französisch"},
        {u"Italien", u"Rom", u"Italienisch"},
        {u"Spanien", u"Madrid", u"Spanisch"},
        {u"Polen", u"Warschau", u"Polnisch"},
    };
    zellenFuellen(dok, texte); // the first row is the worked example
    s.speichern(dok, "Kreuzzuordnung Länder.kal");
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("Aufruf: kalumo-beispiele ORDNER\n", stderr);
        return 2;
    }
    Beispielschreiber s;
    s.ordner = QDir(QString::fromLocal8Bit(argv[1]));
    if (!s.ordner.mkpath(QStringLiteral("."))) {
        std::fputs("Ordner kann nicht angelegt werden\n", stderr);
        return 1;
    }
    blume(s);
    lueckentext(s);
    einzelfragen(s);
    tabelle(s);
    kreuzwort(s);
    falschwoerter(s);
    ctest(s);
    woerterFinden(s);
    multipleChoice(s);
    cluster(s);
    kreuzzuordnung(s);
    return s.ok ? 0 : 1;
}
