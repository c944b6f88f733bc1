// The bodies of the sheet by document type: picture pages, text pages with
// their font fitting and the table, single questions, multiple choice and
// cluster.

#include "worksheet/ArbeitsblattIntern.h"

#include "learnview/FragenLayouts.h"
#include "learnview/Objektarten.h"
#include "learnview/Zeichenhilfen.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace kalumo::blatt {

namespace {

const QColor kRot(255, 0, 0);

double Einrueck(const HeaderDataTyp &k, int i)
{
    const double v = k.EinrueckRand[size_t(i)];
    return std::isfinite(v) ? std::clamp(v, 0.0, 0.45) : 0.0;
}

// The font sizes of the fitting: steps of 0.5 below 48, of 1 from 48, of 2 from 56.
double Schriftstufe(double s)
{
    if (s < 48)
        return std::floor(s * 2) / 2;
    if (s < 56)
        return std::floor(s);
    return std::floor(s / 2) * 2;
}

int Zeichenhoehe(double s)
{
    return std::max(1, Runden(s * 0.625));
}

} // namespace

void BildseitenKoerper(Blatt &b)
{
    const int typ = b.Typ();
    Startbild start = Startbild::Weiss;
    if (b.Rahmen && ((typ == dokBildbeschriftung && b.O.ZeichnungenEinbinden) || typ == dokKreuzwortraetsel))
        start = Startbild::Lernbild;
    else if (b.Rahmen && b.O.Basisbild)
        start = Startbild::Hintergrund;
    const bool lernbild = start == Startbild::Lernbild;
    // the view's picture already holds the fixed images and image links
    const QImage bild = Seitenbild(
        b, start,
        [lernbild](const ObjDataTyp &o) { return lernbild && (o.Typ == objFixesBild || o.Typ == objBildLink) ? -1 : 0; },
        QStringLiteral("bildseite"));
    const double bw = std::max(1, bild.width()), bh = std::max(1, bild.height());
    double w = b.W, h = b.W * bh / bw, x = 0;
    if (b.Y + h > b.Unten) {
        h = std::max(0.0, b.Unten - b.Y);
        w = h * bw / bh;
        x = (b.W - w) / 2;
    }
    if (h <= 0)
        return;
    const QRectF ziel(x, b.Y, w, h);
    b.P.drawImage(ziel, bild);
    if (b.Rahmen)
        b.Rahmenlinie(ziel);
    b.Y += h;
}

namespace {

// The text of a text page, paragraph by paragraph.
QStringList Textabsaetze(const Dokument &dok)
{
    QString text = dok.Kopf.lueckentext;
    if (dok.Kopf.DokTyp == dokWoerterFinden) {
        text.remove(QLatin1String("[["));
        text.remove(QLatin1String("]]"));
    }
    return Absaetze(text);
}

struct Textrahmen
{
    double Links = 0, Rechts = 0, Oben = 0, Unten = 0;
};

double TextSetzen(Blatt &b, TextFlowUmgebung &form, const QStringList &absaetze, const Textrahmen &r, int hoehe,
                  bool zeichnen)
{
    double y = r.Oben;
    for (const QString &a : absaetze)
        y = b.Fluss(form, zeichnen, Qt::black, b.Flussmodus(), hoehe, a, y, r.Links, r.Rechts);
    return y;
}

// The table of a cloze table page; returns its end.
double TabelleSetzen(Blatt &b, TextFlowUmgebung &form, const Textrahmen &r, int hoehe, bool zeichnen)
{
    const HeaderDataTyp &k = b.Dok.Kopf;
    const int zeilen = std::clamp(k.LueckenTabelleZeilen, 1, kTabelleMaxZeilen);
    const int spalten = std::clamp(k.LueckenTabelleSpalten, 1, kTabelleMaxSpalten);
    // h of font 25 sizes the pictures, whatever the text's font
    const double h = QFontMetrics(Schrift(QStringLiteral("Arial"), 25)).height();
    const double w = r.Rechts - r.Links;
    const double luecke = 0.03 * w;
    const double c = (w - (spalten - 1) * luecke) / spalten;
    const bool linien = k.LueckenTabelleLinie == 1;
    const QColor linienfarbe = Farbe(k.LueckenTabelleLinieCol);
    const double tabelleOben = r.Oben;
    double y = r.Oben;
    for (int z = 0; z < zeilen; ++z) {
        double ende = y;
        for (int s = 0; s < spalten; ++s) {
            const lueckentabellearrtyp &zelle = k.LueckenTabelle[size_t(z)][size_t(s)];
            const double links = r.Links + s * (c + luecke);
            const double mitte = links + c / 2;
            switch (zelle.Art) {
            case zelleFixbild:
            case zelleAbfrageBild:
            case zelleBildLink: {
                const QImage &bild = zelle.Bild.isNull() ? Leerbild() : zelle.Bild;
                const int groesse = std::clamp(zelle.Groesse, 0, 400);
                double ph = Runden((groesse * 2 + 22) * h / 22.0);
                double pw = bild.height() > 0 ? ph * bild.width() / bild.height() : ph;
                if (pw > 0.9 * c) {
                    ph *= 0.9 * c / pw;
                    pw = 0.9 * c;
                }
                const QRectF platz(mitte - pw / 2, y + 0.5 * h, pw, ph);
                if (zeichnen && zelle.Art == zelleFixbild && b.Rahmen)
                    b.P.drawImage(platz, bild);
                if (zeichnen && zelle.Art == zelleAbfrageBild) {
                    if (b.Antworten)
                        b.P.drawImage(platz, bild);
                    if (b.Rahmen)
                        b.Linie(mitte - 0.45 * c, platz.bottom() + 0.25 * h, mitte + 0.45 * c, platz.bottom() + 0.25 * h);
                }
                ende = std::max(ende, platz.bottom() + 0.5 * h);
                break;
            }
            case zelleAbfrageText: {
                double e = y;
                for (const QString &a : Absaetze(zelle.Text))
                    e = b.Fluss(form, zeichnen && b.Antworten, kRot, fmSolution, hoehe, a, e, links, links + c);
                ende = std::max(ende, e);
                break;
            }
            default: {
                double e = y;
                for (const QString &a : Absaetze(zelle.Text))
                    e = b.Fluss(form, zeichnen, Qt::black, b.Flussmodus(), hoehe, a, e, links, links + c);
                ende = std::max(ende, e);
                break;
            }
            }
        }
        if (zeichnen && linien && b.Rahmen && z + 1 < zeilen) {
            const double l = b.O.Raender ? r.Links : 0, re = b.O.Raender ? r.Rechts : b.W;
            b.Linie(l, ende, re, ende, linienfarbe);
        }
        y = ende;
    }
    if (zeichnen && linien && b.Rahmen)
        for (int s = 1; s < spalten; ++s) {
            const double x = r.Links + s * (c + luecke) - luecke / 2;
            b.Linie(x, tabelleOben, x, y, linienfarbe);
        }
    return y;
}

} // namespace

void TextseitenKoerper(Blatt &b)
{
    const Dokument &dok = b.Dok;
    const bool basis = b.O.Basisbild;
    auto durchgang = [basis](const ObjDataTyp &o) {
        const int t = o.Typ;
        if (t == objAbfrageLuecke || (t >= 31 && t <= 34) || t == 70 || t == 71)
            return -1;
        if (!basis && o.Ebene == ebeneBasisbild && t != objAbfrageBeschriftung && t != objAbfrageBild)
            return -1;
        return 0;
    };
    const Startbild start = b.Rahmen && basis ? Startbild::Hintergrund : Startbild::Weiss;
    const QImage bild = Seitenbild(b, start, durchgang, QStringLiteral("textseite|%1").arg(basis ? 1 : 0));
    const double oben = b.Y;
    QRectF sichtbar;
    const QRectF bildteil = BildteilSetzen(b, bild, &sichtbar);

    // the text frame, over the picture
    Textrahmen r;
    r.Links = 0.02 * b.W;
    double breite = 0.97 * b.W;
    r.Oben = oben;
    r.Unten = b.Unten;
    if (b.O.Raender) {
        const HeaderDataTyp &k = dok.Kopf;
        r.Links = std::max(r.Links, Einrueck(k, 0) * b.W);
        breite = std::min(breite, (1 - Einrueck(k, 0) - Einrueck(k, 2)) * b.W);
        r.Oben = oben + Einrueck(k, 1) * bildteil.height();
        r.Unten = b.Unten - Einrueck(k, 3) * bildteil.height();
    }
    r.Rechts = r.Links + std::max(1.0, breite);

    TextFlowUmgebung form;
    b.Umgebung(form);
    const bool tabelle = dok.Kopf.DokTyp == dokLueckentext && dok.Kopf.DokUnterTyp == subTabelle;
    const QStringList absaetze = Textabsaetze(dok);
    auto setzen = [&](int hoehe, bool zeichnen) {
        return tabelle ? TabelleSetzen(b, form, r, hoehe, zeichnen) : TextSetzen(b, form, absaetze, r, hoehe, zeichnen);
    };
    double s = Schriftstufe(48 + b.O.MaxFontSize / 0.625);
    double ende = setzen(Zeichenhoehe(s), false);
    while (ende > r.Unten && s > 8) {
        s = Schriftstufe(s - 0.000001);
        ende = setzen(Zeichenhoehe(s), false);
    }
    ende = setzen(Zeichenhoehe(s), true);

    if (b.Rahmen) {
        const double unten = std::min(std::max(sichtbar.isEmpty() ? oben : sichtbar.bottom(), ende), b.Unten);
        b.Rahmenlinie(QRectF(0, oben, b.W, std::max(0.0, unten - oben)));
    }
    b.Y = std::max(ende, bildteil.bottom());
}

void FragenKoerper(Blatt &b)
{
    QStringList fragen;
    for (const QString &z : Absaetze(b.Dok.Kopf.fragentext))
        if (!z.trimmed().isEmpty())
            fragen << z.trimmed();
    TextFlowUmgebung form;
    b.Umgebung(form);
    const double h = b.Hx;
    const double links = 0.02 * b.W, rechts = 0.97 * b.W;
    const double anfang = b.Y;
    bool gezeichnet = false;
    for (int k = std::max(1, b.O.AbFrage); k <= int(fragen.size()); ++k) {
        const QString &zeile = fragen.at(k - 1);
        const qsizetype trenner = zeile.indexOf(QLatin1String("//"));
        const QString frage = trenner < 0 ? zeile : zeile.left(trenner).trimmed();
        const QString antwort = trenner < 0 ? QStringLiteral("---") : zeile.mid(trenner + 2).trimmed();
        const QString absatz = QString::number(k) + QStringLiteral(". ") + frage;
        auto block = [&](bool zeichnen) {
            const double e = b.Fluss(form, zeichnen && b.Rahmen, Qt::black, fmPlain, 25, absatz, b.Y, links, rechts);
            return double(b.Fluss(form, zeichnen && b.Antworten, kRot, fmPlain, 25, antwort, e, links, rechts));
        };
        if (block(false) >= b.H - 1.5 * h)
            break;
        const double ende = block(true);
        if (b.Rahmen)
            b.Linie(0, ende, b.W, ende);
        b.Y = ende;
        gezeichnet = true;
    }
    if (b.Rahmen && gezeichnet)
        b.Rahmenlinie(QRectF(0, anfang, b.W, b.Y - anfang));
}

namespace {

// One multiple-choice question; returns the end of its block.
double MCFrage(Blatt &b, TextFlowUmgebung &form, const ObjDataTyp &q, int nummer, bool zeichnen)
{
    const double h = b.Hx, W = b.W;
    const bool rahmen = zeichnen && b.Rahmen, antworten = zeichnen && b.Antworten;
    const QStringList e = KommatextLesen(q.Cap);
    const QString frage = e.isEmpty() ? QString() : e.at(0).trimmed();
    const QString antwortText = e.size() >= 2 ? e.at(1).trimmed() : QString();

    double y = b.Y;
    const QStringList frageZeilen = Absaetze(frage);
    for (qsizetype i = 0; i < frageZeilen.size(); ++i) {
        const QString absatz = i == 0 ? QString::number(nummer) + QStringLiteral(". ") + frageZeilen.at(i) : frageZeilen.at(i);
        y = b.Fluss(form, rahmen, Qt::black, fmPlain, 25, absatz, y, 0.02 * W, 0.97 * W);
    }
    const double t = y + 0.35 * h;
    double x = 0.05 * W;
    double tiefster = t;

    if (q.Typ == objMCFrageBild) {
        const QImage &bild = q.Bild.isNull() ? Leerbild() : q.Bild;
        double ph = 8 * h;
        double pw = bild.height() > 0 ? ph * bild.width() / bild.height() : ph;
        if (pw > 0.45 * W) {
            ph *= 0.45 * W / pw;
            pw = 0.45 * W;
        }
        if (rahmen)
            b.P.drawImage(QRectF(0.02 * W, t, pw, ph), bild);
        x = 0.5 * W;
        tiefster = std::max(tiefster, t + ph + 0.75 * h);
    }

    const bool bildAntworten = q.Untertyp == kMCBildantworten;
    const QStringList zeilen = Absaetze(antwortText);
    const int n = int(zeilen.size());
    const bool zweiSpalten = bildAntworten && q.Typ == objMCFrage;
    const int zweiteSpalte = (n + 1) / 2;
    y = t - 0.5 * h;
    for (int i = 0; i < n; ++i) {
        if (zweiSpalten && i == zweiteSpalte) {
            tiefster = std::max(tiefster, y + 0.9 * h);
            x = 0.5 * W;
            y = t - 0.5 * h;
        }
        const QString zeile = zeilen.at(i).trimmed();
        if (zeile.isEmpty())
            continue;
        const bool richtig = zeile.at(0) == u'+';
        const QString text = zeile.mid(1).trimmed();
        if (bildAntworten)
            y += 1.5 * h;
        const QRectF kasten(x - 2, y + 0.5 * h, h, h);
        if (rahmen)
            b.Rahmenlinie(kasten);
        if (antworten)
            b.P.drawImage(kasten, richtig ? Hakenbild() : Strichbild());
        if (!bildAntworten) {
            y = b.Fluss(form, rahmen, Qt::black, fmPlain, 25, text, y, x + 0.05 * W, 0.97 * W) - 0.4 * h;
            continue;
        }
        const QImage &bild = i < kMaxAntworten && !q.BildAntw[size_t(i)].isNull() ? q.BildAntw[size_t(i)] : Leerbild();
        double ph = 4 * h;
        double pw = bild.height() > 0 ? ph * bild.width() / bild.height() : ph;
        if (pw > 0.35 * W) {
            const double neu = ph * 0.35 * W / pw;
            y += 0.5 * (ph - neu);
            ph = neu;
            pw = 0.35 * W;
        }
        y -= h;
        if (rahmen)
            b.P.drawImage(QRectF(x + 0.05 * W, y, pw, ph), bild);
        y += ph;
    }
    const double ende = std::max(tiefster, y + 0.9 * h);
    if (rahmen)
        b.Linie(0, ende, W, ende);
    return ende;
}

} // namespace

void MultipleChoiceKoerper(Blatt &b)
{
    TextFlowUmgebung form;
    b.Umgebung(form);
    const double h = b.Hx;
    const double anfang = b.Y;
    bool gezeichnet = false;
    int nummer = 0;
    for (const ObjDataTyp &q : b.Dok.Objekte) {
        if (q.Typ != objMCFrage && q.Typ != objMCFrageBild)
            continue;
        ++nummer;
        if (nummer < b.O.AbFrage)
            continue;
        if (MCFrage(b, form, q, nummer, false) >= b.H - 1.5 * h)
            break;
        b.Y = MCFrage(b, form, q, nummer, true);
        gezeichnet = true;
    }
    if (b.Rahmen && gezeichnet)
        b.Rahmenlinie(QRectF(0, anfang, b.W, b.Y - anfang));
}

void ClusterKoerper(Blatt &b)
{
    const bool basis = b.O.Basisbild;
    auto durchgang = [](const ObjDataTyp &o) { return IstClusterElement(o.Typ) ? 1 : 0; };
    const Startbild start = b.Rahmen && basis ? Startbild::Hintergrund : Startbild::Weiss;
    QImage bild = Seitenbild(b, start, durchgang, QStringLiteral("cluster|%1").arg(basis ? 1 : 0));
    if (b.Rahmen) {
        // the writing lines under the query cells and the column lines
        const HeaderDataTyp &k = b.Dok.Kopf;
        const int wb = bild.width(), hb = bild.height();
        const int zeilen = std::clamp(k.LueckenTabelleZeilen, 1, kTabelleMaxZeilen);
        const int spalten = std::clamp(k.LueckenTabelleSpalten, 1, kTabelleMaxSpalten);
        const double l = Einrueck(k, 0) * wb, o = Einrueck(k, 1) * hb;
        const double r = (1 - Einrueck(k, 2)) * wb, u = (1 - Einrueck(k, 3)) * hb;
        const double spaltenbreite = (r - l) / spalten;
        const double zeilenhoehe = (u - o - 0.05 * hb) / zeilen;
        bild = bild.copy();
        QPainter p(&bild);
        p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap));
        for (int z = 0; z < zeilen; ++z)
            for (int s = 0; s < spalten; ++s) {
                const lueckentabellearrtyp &zelle = k.LueckenTabelle[size_t(z)][size_t(s)];
                const bool abfrage =
                    (zelle.Art == karteAbfrageText && !zelle.Text.trimmed().isEmpty()) || zelle.Art == karteAbfrageBild;
                if (!abfrage)
                    continue;
                const double mitte = l + (s + 0.5) * spaltenbreite;
                const double y = o + (z + 0.95) * zeilenhoehe + 0.05 * hb;
                p.drawLine(QPointF(mitte - 0.4 * spaltenbreite, y), QPointF(mitte + 0.4 * spaltenbreite, y));
            }
        if (k.LueckenTabelleLinie == 1) {
            p.setPen(QPen(Farbe(k.LueckenTabelleLinieCol), 2, Qt::SolidLine, Qt::FlatCap));
            for (int s = 1; s < spalten; ++s)
                p.drawLine(QPointF(l + s * spaltenbreite, o), QPointF(l + s * spaltenbreite, u));
        }
        p.end();
    }
    QRectF sichtbar;
    const QRectF teil = BildteilSetzen(b, bild, &sichtbar);
    if (b.Rahmen) {
        const double oben = sichtbar.isEmpty() ? b.Y : sichtbar.top();
        const double unten = std::min(b.Y + teil.height(), b.Unten);
        if (unten > oben)
            b.Rahmenlinie(QRectF(0, oben, b.W, unten - oben));
    }
    b.Y += teil.height();
}

} // namespace kalumo::blatt
