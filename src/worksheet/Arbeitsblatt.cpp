// The sheet from top to bottom: logo, header fields, title, task, answer
// bank, body and footer; the page bitmaps the bodies of picture pages start
// from.

#include "worksheet/Arbeitsblatt.h"

#include "learnview/FragenLayouts.h"
#include "learnview/Objektarten.h"
#include "learnview/TextLayouts.h"
#include "learnview/Zeichenhilfen.h"
#include "worksheet/ArbeitsblattIntern.h"

#include <QCollator>
#include <QFontMetricsF>
#include <QLocale>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace kalumo {

using namespace blatt;

QSizeF Blattgroesse(bool querformat)
{
    return querformat ? QSizeF(1625, 1000) : QSizeF(1000, 1625);
}

QImage AktuellesLernbild(const Lernansicht &ansicht)
{
    QImage bild = ansicht.PageBitmap;
    if (ansicht.AnsichtGezeichnet && !bild.isNull() && ansicht.ViewBitmap.format() == bild.format())
        RechteckKopieren(bild, ansicht.AnsichtsVersatz(), ansicht.ViewBitmap, ansicht.ViewBitmap.rect());
    return bild;
}

QString EinzeiligerText(const QString &text)
{
    QString t = text;
    // a word broken at the line end is joined; a hyphen before a capital stays
    for (qsizetype i = t.indexOf(QLatin1String("-\r\n")); i >= 0; i = t.indexOf(QLatin1String("-\r\n"), i)) {
        const qsizetype danach = i + 3;
        const bool klein = danach < t.size() && t[danach] != t[danach].toUpper();
        if (klein)
            t.remove(i, 3);
        else
            t.remove(i + 1, 2);
    }
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    t.replace(QLatin1Char('\r'), QLatin1Char(' '));
    t.replace(QLatin1String("   "), QLatin1String(" "));
    t.replace(QLatin1String("  "), QLatin1String(" "));
    qsizetype a = 0, e = t.size();
    while (a < e && t[a] <= QLatin1Char(' '))
        ++a;
    while (e > a && t[e - 1] <= QLatin1Char(' '))
        --e;
    return t.mid(a, e - a);
}

QString ErsterBuchstabeVorgabe(const QString &antwort)
{
    if (antwort.isEmpty())
        return antwort;
    QString aus = QStringLiteral(" ") + antwort.at(0);
    double summe = 0;
    for (qsizetype i = 1; i < antwort.size(); ++i) {
        const QChar c = antwort.at(i);
        if (c == u'\r' || c == u'\n') {
            aus += c;
            continue;
        }
        summe += 1.9375;
        while (summe > 0) {
            aus += QLatin1Char(' ');
            summe -= 1;
        }
    }
    return aus;
}

// ---- the generator ----

Arbeitsblattzeichner::Intern::Intern(Dokument &dok, const ArbeitsblattQuelle &q)
    : Ansicht(dok, q.Schriftart)
{
    Ansicht.Haken = &StandardTextLayouts();
    Ansicht.Ebene0Check = q.Ebenen[0];
    Ansicht.Ebene1Check = q.Ebenen[1];
    Ansicht.Ebene2Check = q.Ebenen[2];
    Ansicht.Ebene3Check = q.Ebenen[3];
    Lernbild = q.Lernbild;
}

void Arbeitsblattzeichner::Intern::Aufbauen()
{
    if (Aufgebaut)
        return;
    Aufgebaut = true;
    if (!Lernbild.isNull()) {
        Raster = Lernbild.size();
    } else {
        // print quality: the page twice as wide as a view of 870 pixels
        const QSize seite = Ansicht.SeitenRaster();
        const double pw = std::max(1, seite.width()), ph = std::max(1, seite.height());
        constexpr int kKante = 1740;
        Raster = ph > pw ? QSize(std::max(1, Runden(kKante * pw / ph)), kKante)
                         : QSize(kKante, std::max(1, Runden(kKante * ph / pw)));
    }
    Ansicht.Ansichtsgroesse = Raster;
    Ansicht.ZoomStufe = 0;
    Ansicht.ViewWindow = {0, 0, 0, 0};
    if (TextLayoutsFehlen(Ansicht.Dok()))
        TextLayoutsNeuAufbauen(Ansicht);
    Ansicht.RebuildView();
    if (Lernbild.isNull())
        Lernbild = Ansicht.PageBitmap;
    if (Lernbild.format() != QImage::Format_ARGB32_Premultiplied)
        Lernbild = Lernbild.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

Arbeitsblattzeichner::Arbeitsblattzeichner(const Dokument &dok, ArbeitsblattQuelle quelle)
    : m_dok(dok), m_quelle(std::move(quelle)), m_intern(std::make_unique<Intern>(m_dok, m_quelle))
{
}

Arbeitsblattzeichner::~Arbeitsblattzeichner() = default;

QSize Arbeitsblattzeichner::Seitenraster()
{
    m_intern->Aufbauen();
    return m_intern->Raster;
}

namespace blatt {

RenderPurpose Blatt::Zweck() const
{
    switch (O.Variante) {
    case abLoesungKomplett: return rpSolution;
    case abLoesungFolie: return rpAnswers;
    }
    return rpWorksheet;
}

int Blatt::Flussmodus() const
{
    switch (O.Variante) {
    case abLoesungKomplett: return fmSolution;
    case abLoesungFolie: return fmAnswers;
    }
    return fmWorksheet;
}

void Blatt::Schrift(int hoehe, bool fett)
{
    Aktuell = kalumo::Schrift(QStringLiteral("Arial"), hoehe, fett ? 1 : 0);
    Aktuell.setKerning(false);
    Hx = QFontMetrics(Aktuell).height();
    P.setFont(Aktuell);
}

double Blatt::Breite(const QString &text) const
{
    return QFontMetricsF(Aktuell).horizontalAdvance(text);
}

void Blatt::Text(double x, double y, const QString &text, int ausrichtung, const QColor &farbe)
{
    if (text.isEmpty())
        return;
    const QFontMetricsF fm(Aktuell);
    if (ausrichtung == 1)
        x -= fm.horizontalAdvance(text) / 2;
    else if (ausrichtung == 2)
        x -= fm.horizontalAdvance(text);
    P.setFont(Aktuell);
    P.setPen(farbe);
    P.drawText(QPointF(x, y + fm.ascent()), text);
}

void Blatt::Linie(double x1, double y1, double x2, double y2, const QColor &farbe, double dicke)
{
    P.setPen(QPen(farbe, dicke, Qt::SolidLine, Qt::FlatCap));
    P.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void Blatt::Rahmenlinie(const QRectF &r)
{
    P.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    P.setBrush(Qt::NoBrush);
    P.drawRect(r);
}

void Blatt::Umgebung(TextFlowUmgebung &form) const
{
    form.Dok = &Dok;
    form.Schriftart = Q.Schriftart.isEmpty() ? QStringLiteral("Arial") : Q.Schriftart;
    form.Kastengroesse = O.Kaestchengroesse;
    form.Ebene1Check = true;
    form.UebungLaeuft = false;
}

int Blatt::Fluss(TextFlowUmgebung &form, bool zeichnen, const QColor &farbe, int modus, int hoehe,
                 const QString &absatz, double y, double links, double rechts)
{
    const int w = Runden(W);
    return TextFlow(form, zeichnen ? &P : nullptr, w, w - Runden(rechts), !zeichnen, farbe, false, modus, hoehe, 0,
                    absatz, Runden(y), Runden(links), Runden(H));
}

QStringList Absaetze(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList zeilen = t.split(QLatin1Char('\n'));
    for (QString &z : zeilen) {
        qsizetype e = z.size();
        while (e > 0 && z[e - 1] == u' ')
            --e;
        z.truncate(e);
    }
    return zeilen;
}

QImage Seitenbild(Blatt &b, Startbild start, const std::function<int(const ObjDataTyp &)> &durchgang,
                  const QString &schluessel)
{
    Arbeitsblattzeichner::Intern &I = b.I;
    I.Aufbauen();
    const bool vorgeben = b.O.Variante == abArbeitsblatt && b.O.ErstBuchstabeVorgabe;
    const QString s = QStringLiteral("%1|%2|%3|%4|%5").arg(int(start)).arg(int(b.Zweck())).arg(b.O.Kaestchengroesse)
                          .arg(vorgeben ? 1 : 0).arg(schluessel);
    if (s == I.BildSchluessel && !I.KoerperBild.isNull())
        return I.KoerperBild;

    QImage bild;
    switch (start) {
    case Startbild::Lernbild: bild = I.Lernbild.copy(); break;
    case Startbild::Hintergrund:
        bild = I.Ansicht.BackgroundBitmap.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        break;
    case Startbild::Weiss: break;
    }
    if (bild.size() != I.Raster) {
        bild = QImage(I.Raster, QImage::Format_ARGB32_Premultiplied);
        bild.fill(Qt::white);
    }

    std::vector<ObjDataTyp> &objekte = b.Dok.Objekte;
    std::vector<int> folge(objekte.size());
    for (size_t i = 0; i < folge.size(); ++i)
        folge[i] = int(i);
    std::stable_sort(folge.begin(), folge.end(),
                     [&](int x, int y) { return objekte[size_t(x)].ZIndex < objekte[size_t(y)].ZIndex; });

    RenderOptionen opt;
    opt.Zweck = b.Zweck();
    opt.Kastengroesse = b.O.Kaestchengroesse;
    opt.LinieZeichnen = true;
    QPainter p(&bild);
    for (int runde = 0; runde < 2; ++runde) {
        for (int i : folge) {
            ObjDataTyp &o = objekte[size_t(i)];
            if (IstKreuzElement(o.Typ) && !o.Generiert)
                continue;
            if (durchgang(o) != runde)
                continue;
            if (vorgeben && o.Typ == objAbfrageBeschriftung) {
                const QString cap = o.Cap;
                const int tausr = o.TAusr;
                o.Cap = ErsterBuchstabeVorgabe(cap);
                o.TAusr = 0;
                RenderOptionen v = opt;
                v.AntwortVorgeben = true;
                I.Ansicht.RenderObject(p, bild.size(), i, v);
                o.Cap = cap;
                o.TAusr = tausr;
                continue;
            }
            I.Ansicht.RenderObject(p, bild.size(), i, opt);
        }
    }
    p.end();
    I.BildSchluessel = s;
    I.KoerperBild = bild;
    return bild;
}

QRectF BildteilSetzen(Blatt &b, const QImage &bild, QRectF *sichtbar)
{
    ArbeitsblattOptionen &o = b.O;
    const double bw = std::max(1, bild.width()), bh = std::max(1, bild.height());
    if (o.OrientierungGeaendert) {
        double breite = b.W;
        if (b.Y + breite * bh / bw > b.Unten)
            breite = std::max(0.0, (b.Unten - b.Y) * bw / bh);
        o.BasisbildGroesse = std::round(breite / b.W * 1000.0) / 10.0;
        o.BasisbildY = 0;
    }
    double breite = o.BasisbildGroesse / 100.0 * b.W;
    const double hoehe = breite * bh / bw;
    if (o.Vollbreite)
        breite = b.W;
    const QRectF ziel((b.W - breite) / 2.0 + o.BasisbildX * 62.5, b.Y + o.BasisbildY * 62.5, breite, hoehe);
    const QRectF raum(0, b.Y, b.W, std::max(0.0, b.Unten - b.Y));
    const QRectF teil = ziel & raum;
    if (sichtbar)
        *sichtbar = teil;
    if (breite <= 0 || hoehe <= 0 || teil.isEmpty())
        return ziel;
    // the source is cut in proportion
    const double fx = bw / ziel.width(), fy = bh / ziel.height();
    const QRectF quelle((teil.left() - ziel.left()) * fx, (teil.top() - ziel.top()) * fy, teil.width() * fx,
                        teil.height() * fy);
    b.P.drawImage(teil, bild, quelle);
    return ziel;
}

} // namespace blatt

namespace {

// The answers of the bank: texts sorted, pictures shuffled.
struct Antwortbank
{
    QStringList Texte;
    std::vector<QImage> Bilder;
};

bool IstBildantwort(int typ)
{
    return typ == objAbfrageBild || typ == objTabelleAbfrageBild || typ == objClusterAbfrageBild || typ == objKreuzAbfrageBild;
}

bool Gesammelt(const ObjDataTyp &o, const HeaderDataTyp &k, const ArbeitsblattOptionen &opt)
{
    const int t = o.Typ;
    const bool abfrage = t == objAbfrageBeschriftung || t == objAbfrageBild;
    switch (k.DokTyp) {
    case dokBildbeschriftung: return abfrage;
    case dokLueckentext:
        return t == objAbfrageLuecke || t == 32 || t == 34 || (opt.Objekte && abfrage)
               || (k.DokUnterTyp == subLueckentextFalschwoerter && t == objFalschwort);
    case dokEinzelfragen: return t == objFrageAntwort && o.FrageNummer >= opt.AbFrage;
    case dokCluster: return t == 41 || t == 43 || abfrage;
    case dokKreuzZuordnung: return (t == 51 || t == 53) && o.Generiert;
    case dokKreuzwortraetsel: return t == objKreuzwortGitter || abfrage;
    case dokWoerterFinden: return t == objWortsucheElement || (opt.Objekte && abfrage);
    }
    return false;
}

Antwortbank Sammeln(const Dokument &dok, const ArbeitsblattOptionen &opt, std::uint32_t saat)
{
    Antwortbank bank;
    const int typ = dok.Kopf.DokTyp;
    const bool ausschneiden = opt.Variante == abAusschneideblatt;
    if (!((opt.Textvorgabe && typ != dokMultipleChoice && typ != dokKreuzZuordnung)
          || (ausschneiden && typ != dokMultipleChoice)))
        return bank;
    for (const ObjDataTyp &o : dok.Objekte) {
        if (!Gesammelt(o, dok.Kopf, opt))
            continue;
        if (IstBildantwort(o.Typ)) {
            bank.Bilder.push_back(o.Bild.isNull() ? Leerbild() : o.Bild);
            continue;
        }
        const QString t = EinzeiligerText(o.Cap);
        if (!t.isEmpty())
            bank.Texte << t;
    }
    QCollator sortierung{QLocale(QLocale::German, QLocale::Germany)};
    sortierung.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(bank.Texte.begin(), bank.Texte.end(),
                     [&](const QString &a, const QString &b) { return sortierung.compare(a, b) < 0; });
    // each position in turn swapped with a uniformly random one
    QRandomGenerator zufall(saat);
    const int n = int(bank.Bilder.size());
    for (int i = 0; i < n; ++i)
        std::swap(bank.Bilder[size_t(i)], bank.Bilder[size_t(zufall.bounded(n))]);
    return bank;
}

void Logo(Blatt &b)
{
    const QImage &logo = b.Dok.Kopf.ABLogo;
    if (logo.isNull() || logo.width() < 1 || logo.height() < 1)
        return;
    b.Teil(Blattteil::Logo);
    const double groesse = std::isfinite(b.Dok.Kopf.LogoGroesse) ? std::clamp(b.Dok.Kopf.LogoGroesse, 0.0, 1.0) : 0.2;
    double w = groesse * 1000.0;
    double h = w * logo.height() / logo.width();
    // a very tall logo would leave no room for the sheet
    if (h > b.H / 2) {
        h = b.H / 2;
        w = h * logo.width() / logo.height();
    }
    double x = b.W - w;
    if (b.Dok.Kopf.LogoAusricht == 0)
        x = 0;
    else if (b.Dok.Kopf.LogoAusricht == 1)
        x = (b.W - w) / 2;
    if (b.Rahmen && w > 0)
        b.P.drawImage(QRectF(x, 0, w, h), logo);
    b.Schrift(15);
    b.Y = h + b.Hx;
}

void Kopffelder(Blatt &b)
{
    b.Teil(Blattteil::Kopffelder);
    b.Schrift(18);
    const struct { bool An; const char *Text; int Gewicht; } felder[] = {
        {b.O.ABName, "Name:", 3}, {b.O.ABKlasse, "Klasse:", 1}, {b.O.ABDatum, "Datum:", 1},
        {b.O.ABFach, "Fach:", 1}, {b.O.ABBlattNr, "Blatt-Nr.:", 1},
    };
    int summe = 0;
    for (const auto &f : felder)
        summe += f.An ? f.Gewicht : 0;
    if (summe == 0)
        return;
    if (b.Rahmen) {
        b.Linie(0, b.Y + b.Hx, b.W, b.Y + b.Hx);
        double x = 0;
        for (const auto &f : felder) {
            if (!f.An)
                continue;
            b.Text(x, b.Y, QString::fromUtf8(f.Text));
            x += b.W * f.Gewicht / summe;
        }
    }
    b.Y += 2.5 * b.Hx;
}

void Titel(Blatt &b)
{
    if (b.O.Titel.isEmpty())
        return;
    b.Teil(Blattteil::Titel);
    b.Y += 0.5 * b.Hx; // of font 18
    b.Schrift(30, true);
    if (b.Rahmen || b.Ausschneiden) {
        b.Text(b.W / 2, b.Y, b.O.Titel, 1);
        b.Rahmenlinie(QRectF(0, b.Y - 0.3 * b.Hx, b.W, 1.6 * b.Hx));
    }
    b.Y += 2 * b.Hx;
}

void Aufgabe(Blatt &b)
{
    QString text = b.O.Aufgabe;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    qsizetype e = text.size();
    while (e > 0 && (text[e - 1] == u' ' || text[e - 1] == u'\n' || text[e - 1] == u'\t'))
        --e;
    text.truncate(e);
    if (text.isEmpty())
        return;
    b.Teil(Blattteil::Aufgabe);
    b.Schrift(25);
    const int flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
    const QRectF raum(0, b.Y, b.W, b.H * 4);
    const QFontMetricsF fm(b.Aktuell);
    // the appended line break adds one empty line
    const double hoehe = fm.boundingRect(raum, flags, text).height() + fm.lineSpacing();
    if (b.Rahmen) {
        b.P.setPen(Qt::black);
        b.P.setFont(b.Aktuell);
        b.P.drawText(raum, flags, text);
    }
    b.Y += hoehe;
}

// A line of the bank wider than the page is set by the text flow.
void Bankzeile(Blatt &b, TextFlowUmgebung &form, const QString &zeile, int hoehe)
{
    if (b.Breite(zeile) <= b.W) {
        if (b.Rahmen)
            b.Text(0, b.Y, zeile);
        b.Y += 1.25 * b.Hx;
        return;
    }
    b.Y = b.Fluss(form, b.Rahmen, Qt::black, fmPlain, hoehe, zeile, b.Y - 0.4 * b.Hx, 0, 0.97 * b.W);
}

void AntwortbankZeichnen(Blatt &b)
{
    const Antwortbank bank = Sammeln(b.Dok, b.O, b.Q.Saat);
    if (bank.Texte.isEmpty() && bank.Bilder.empty())
        return;
    b.Teil(Blattteil::Antwortbank);
    const int hoehe = b.Ausschneiden ? 25 : 22;
    b.Schrift(hoehe);
    const double h = b.Hx;
    const QString trenner = QStringLiteral(" - ");
    const double s = b.Breite(trenner);
    const int spalten = std::clamp(b.O.Spalten, 1, 20);
    auto spalteX = [&](int k) { return double(Runden(b.W / spalten * (k - 1))); };
    TextFlowUmgebung form;
    b.Umgebung(form);

    // pictures first
    double x = 0;
    bool zeileMitBildern = false;
    for (size_t i = 0; i < bank.Bilder.size(); ++i) {
        const QImage &bild = bank.Bilder[i];
        const double bh = 2 * h;
        const double bw = bild.height() > 0 ? bh * bild.width() / bild.height() : bh;
        if (b.Ausschneiden) {
            for (int k = 1; k <= spalten; ++k) {
                const double xk = spalteX(k);
                b.P.drawImage(QRectF(xk + Runden(s / 2), b.Y, bw, bh), bild);
                b.Rahmenlinie(QRectF(QPointF(xk, b.Y - 0.25 * h), QPointF(xk + bw + s, b.Y + 2.25 * h)));
            }
            b.Y += 2.5 * h + 6;
            continue;
        }
        const bool letztes = i + 1 == bank.Bilder.size() && bank.Texte.isEmpty();
        const double mit = bw + (letztes ? 0 : s);
        if (x > 0 && x + mit > b.W) {
            x = 0;
            b.Y += 2.5 * h;
        }
        if (b.Rahmen) {
            b.P.drawImage(QRectF(x, b.Y, bw, bh), bild);
            if (!letztes)
                b.Text(x + bw, b.Y + 0.5 * h, trenner);
        }
        x += mit;
        zeileMitBildern = true;
    }
    if (zeileMitBildern)
        b.Y += 2.5 * h;
    if (!bank.Bilder.empty() && bank.Texte.isEmpty())
        b.Y += h;

    // then the texts
    if (b.Ausschneiden) {
        for (const QString &antwort : bank.Texte) {
            const QString karte = QLatin1Char(' ') + antwort + QLatin1Char(' ');
            const double kb = b.Breite(karte);
            if (kb <= b.W) {
                for (int k = 1; k <= spalten; ++k) {
                    const double xk = spalteX(k);
                    b.Text(xk, b.Y, karte);
                    b.Rahmenlinie(QRectF(QPointF(xk, b.Y - 0.125 * h), QPointF(xk + kb, b.Y + 1.125 * h)));
                }
                b.Y += 1.25 * h + 6;
                continue;
            }
            for (int k = 1; k <= spalten; ++k) {
                const double y0 = b.Y;
                const int ende = b.Fluss(form, true, Qt::black, fmPlain, hoehe, karte, y0 - 0.4 * h, 0, 0.97 * b.W);
                b.Rahmenlinie(QRectF(QPointF(0, y0 - 0.125 * h), QPointF(b.W, ende - 0.125 * h)));
                b.Y = ende + 6;
            }
        }
        if (!bank.Texte.isEmpty())
            b.Y += 1.25 * h;
    } else {
        // the separator belongs to the layout in every variant, so that the
        // overlay keeps the worksheet's positions
        QString zeile;
        for (qsizetype i = 0; i < bank.Texte.size(); ++i) {
            QString antwort = bank.Texte.at(i);
            if (i + 1 < bank.Texte.size())
                antwort += trenner;
            if (zeile.isEmpty()) {
                zeile = antwort;
            } else if (b.Breite(zeile + antwort) <= b.W) {
                zeile += antwort;
            } else {
                Bankzeile(b, form, zeile, hoehe);
                zeile = antwort;
            }
        }
        if (!zeile.isEmpty())
            Bankzeile(b, form, zeile, hoehe);
    }
    b.Y += h;
}

void Fusszeile(Blatt &b)
{
    b.Teil(Blattteil::Fusszeile);
    b.Schrift(15);
    const QString fuss = EinzeiligerText(b.Dok.Kopf.Fusszeile);
    const double yf = b.H - (fuss.isEmpty() ? 1 : 2) * b.Hx;
    if (!(b.Rahmen || b.Ausschneiden))
        return;
    b.Linie(0, yf, b.W, yf);
    b.Text(0, yf, QString::fromUtf8(kErstelltMit));
    b.Text(b.W, yf, QString::fromUtf8(kProduktAdresse), 2);
    if (fuss.isEmpty())
        return;
    switch (b.Dok.Kopf.FusszeileAusricht) {
    case 1: b.Text(b.W / 2, yf + b.Hx, fuss, 1); break;
    case 2: b.Text(b.W, yf + b.Hx, fuss, 2); break;
    default: b.Text(0, yf + b.Hx, fuss, 0); break;
    }
}

} // namespace

Zeichenliste Arbeitsblattzeichner::DrawSheet(ArbeitsblattOptionen &o)
{
    OptionenBegrenzen(o);
    Zeichenliste liste;
    liste.Seite = Blattgroesse(o.Querformat);
    Zeichenaufnahme geraet(liste);
    QPainter p(&geraet);
    Blatt b(p, geraet, o, *m_intern, m_dok, m_quelle);
    b.W = liste.Seite.width();
    b.H = liste.Seite.height();
    b.Rahmen = o.Variante == abArbeitsblatt || o.Variante == abLoesungKomplett;
    b.Antworten = o.Variante == abLoesungKomplett || o.Variante == abLoesungFolie;
    b.Ausschneiden = o.Variante == abAusschneideblatt;

    Logo(b);
    Kopffelder(b);
    Titel(b);
    Aufgabe(b);
    // the body may reach down to the footer
    b.Schrift(15);
    b.Unten = b.H - (EinzeiligerText(m_dok.Kopf.Fusszeile).isEmpty() ? 1 : 2) * b.Hx;
    AntwortbankZeichnen(b);
    if (!b.Ausschneiden) {
        b.Teil(Blattteil::Koerper);
        b.Schrift(25);
        switch (m_dok.Kopf.DokTyp) {
        case dokBildbeschriftung:
        case dokKreuzZuordnung:
        case dokKreuzwortraetsel: BildseitenKoerper(b); break;
        case dokLueckentext:
        case dokWoerterFinden: TextseitenKoerper(b); break;
        case dokEinzelfragen: FragenKoerper(b); break;
        case dokMultipleChoice: MultipleChoiceKoerper(b); break;
        case dokCluster: ClusterKoerper(b); break;
        }
    }
    Fusszeile(b);
    p.end();
    o.OrientierungGeaendert = false;
    return liste;
}

void KreuzzuordnungVorbereiten(Dokument &dok, const QString &schriftart, bool mischen, std::uint32_t saat)
{
    if (dok.Kopf.DokTyp != dokKreuzZuordnung)
        return;
    Lernansicht ansicht(dok, schriftart);
    ansicht.Haken = &StandardTextLayouts();
    // the elements are placed in fractions of the page: the page must exist first
    ansicht.Ansichtsgroesse = ansicht.SeitenRaster();
    ansicht.ZoomStufe = 0;
    ansicht.RebuildView();

    LayoutCrossMatching(ansicht, true);
    if (!mischen)
        return;
    // Seam: the vertical permutation of the query elements belongs to the
    // exercise engine (src/exercise/Kreuzzuordnung.h), called here with saat
    // once it exists; until then the elements keep their rows.
    (void)saat;
}

Zeichenliste ArbeitsblattZeichnen(const Dokument &dok, ArbeitsblattOptionen o, const ArbeitsblattQuelle &quelle)
{
    Arbeitsblattzeichner z(dok, quelle);
    return z.DrawSheet(o);
}

QStringList Antworttexte(const Dokument &dok, const ArbeitsblattOptionen &o, int *bilder)
{
    const Antwortbank bank = Sammeln(dok, o, 1);
    if (bilder)
        *bilder = int(bank.Bilder.size());
    return bank.Texte;
}

} // namespace kalumo
