#include "exercise/Notenskalabild.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kalumo {

namespace {

double begrenzt(double q)
{
    return std::isfinite(q) ? std::clamp(q, 0.0, 1.0) : 0.0;
}

// Left of the bar: the performance value and its tick; right: the thresholds.
constexpr int kLinks = 50;
constexpr int kBalkenBreite = 28;
constexpr int kRandOben = 8;
constexpr int kRandUnten = 8;
constexpr int kStrich = 10;

QFont schrift(int punkt)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(punkt);
    f.setBold(true);
    return f;
}

} // namespace

QColor SkalaFarbe(int nummer)
{
    switch (nummer) {
    case 1: return QColor(0, 255, 0);
    case 2: return QColor(191, 255, 0);
    case 3: return QColor(255, 255, 0);
    case 4: return QColor(255, 224, 0);
    case 5: return QColor(255, 160, 0);
    default: return QColor(255, 0, 0);
    }
}

std::vector<SkalaAbschnitt> SkalaAbschnitte(const NotenskalaTyp &s)
{
    std::vector<SkalaAbschnitt> abschnitte;
    const int skala = SkalaGueltig(s.BewertSkala);
    auto hinzu = [&](int note, double unten, double oben, int farbe) {
        unten = begrenzt(unten);
        oben = begrenzt(oben);
        if (oben > unten)
            abschnitte.push_back({note, unten, oben, SkalaFarbe(farbe)});
    };
    if (IstPunkteskala(skala)) {
        const int oben = HoechstePunkte(skala);
        for (int p = oben; p >= 0; --p) {
            const double grenzeOben = p == oben ? 1.0 : s.PunkteMinQuote[size_t(p + 1)];
            hinzu(p, s.PunkteMinQuote[size_t(p)], grenzeOben, (18 - p) / 3);
        }
        return abschnitte;
    }
    const int e = skala == skalaNote1bis6 ? 6 : 5;
    for (int i = 1; i <= e; ++i) {
        const double unten = i == e && skala != skalaNote1bis6 ? 0.0 : s.NoteMinQuote[size_t(i)];
        const double oben = i == 1 ? 1.0 : s.NoteMinQuote[size_t(i - 1)];
        hinzu(skala == skalaNote5bis1 ? 6 - i : i, unten, oben, i);
    }
    return abschnitte;
}

int SkalaBildGeometrie::Hoehe(double quote) const
{
    return Balken.top() + int(std::lround((1.0 - begrenzt(quote)) * (Balken.height() - 1)));
}

SkalaBildGeometrie SkalaBildAufteilung(QSize groesse)
{
    SkalaBildGeometrie g;
    const int hoehe = std::max(10, groesse.height() - kRandOben - kRandUnten);
    g.Balken = QRect(kLinks, kRandOben, kBalkenBreite, hoehe);
    return g;
}

QImage NotenskalaBild(const NotenskalaTyp &s, double leistung, QSize groesse, const QColor &hintergrund)
{
    groesse = groesse.expandedTo(QSize(kLinks + kBalkenBreite + 40, 40)).boundedTo(QSize(4000, 4000));
    QImage bild(groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(hintergrund);
    const SkalaBildGeometrie g = SkalaBildAufteilung(groesse);
    const QRect &b = g.Balken;

    QPainter maler(&bild);
    maler.setRenderHint(QPainter::TextAntialiasing);
    const QFont klein = schrift(7);
    const QFontMetrics km(klein);
    maler.setFont(klein);

    const std::vector<SkalaAbschnitt> abschnitte = SkalaAbschnitte(s);
    for (const SkalaAbschnitt &a : abschnitte) {
        const int y0 = g.Hoehe(a.Oben);
        const int y1 = g.Hoehe(a.Unten);
        const QRect feld(b.left(), y0, b.width(), std::max(1, y1 - y0));
        maler.fillRect(feld, a.Farbe);
        maler.setPen(QColor(96, 96, 96));
        maler.drawLine(b.left(), y1, b.right(), y1);
        if (feld.height() >= km.ascent()) {
            maler.setPen(Qt::black);
            maler.drawText(feld, Qt::AlignCenter, QString::number(a.Note));
        }
    }
    maler.setPen(QColor(96, 96, 96));
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(b.adjusted(0, 0, -1, -1));

    // the thresholds beside their boundaries, top down, none over another
    maler.setPen(Qt::black);
    int letzteY = -1000;
    auto grenze = [&](double q) {
        const int y = g.Hoehe(q);
        if (y - letzteY < km.height() - 2)
            return;
        letzteY = y;
        const QString text = QString::number(std::lround(begrenzt(q) * 100.0)) + u'%';
        maler.drawText(QRect(b.right() + 4, y - km.height() / 2, groesse.width() - b.right() - 4, km.height()),
                       Qt::AlignLeft | Qt::AlignVCenter, text);
    };
    if (IstPunkteskala(s.BewertSkala))
        grenze(1.0);
    for (const SkalaAbschnitt &a : abschnitte)
        grenze(a.Unten);

    // the achieved performance
    if (std::isfinite(leistung)) {
        const int y = g.Hoehe(leistung);
        maler.setPen(QPen(Qt::black, 1));
        maler.drawLine(b.left() - kStrich, y, b.left() - 1, y);
        maler.drawLine(b.left() - kStrich, y + 1, b.left() - 1, y + 1);
        const QFont gross = schrift(8);
        const QFontMetrics gm(gross);
        maler.setFont(gross);
        const QString text = QString::number(begrenzt(leistung) * 100.0, 'f', 1) + u'%';
        const int top = std::clamp(y - gm.height() / 2, 0, groesse.height() - gm.height());
        maler.drawText(QRect(0, top, b.left() - kStrich - 2, gm.height()), Qt::AlignRight | Qt::AlignVCenter, text);
    }
    return bild;
}

} // namespace kalumo
