#include "learnview/Zeichenhilfen.h"

#include <QFontMetrics>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace kalumo {

int Runden(double x)
{
    if (!std::isfinite(x))
        return 0;
    x = std::clamp(x, -1.0e9, 1.0e9);
    return int(std::nearbyint(x));
}

int Alpha(int deckkraft)
{
    return Runden(std::clamp(deckkraft, 0, 100) / 100.0 * 255.0);
}

QColor Farbe(Farbwert wert, int deckkraft)
{
    const quint32 v = quint32(wert);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF), Alpha(deckkraft));
}

QImage BildAufbereiten(const QImage &bild, QSize groesse, int deckkraft)
{
    deckkraft = std::clamp(deckkraft, 0, 100);
    QImage b = bild.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (b.size() != groesse)
        b = b.scaled(groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (deckkraft < 100) {
        QImage blass(b.size(), QImage::Format_ARGB32_Premultiplied);
        blass.fill(Qt::transparent);
        QPainter p(&blass);
        p.setOpacity(Alpha(deckkraft) / 255.0);
        p.drawImage(0, 0, b);
        p.end();
        b = blass;
    }
    return b;
}

QColor Abgedunkelt(const QColor &farbe)
{
    return QColor(int(farbe.red() * 0.7), int(farbe.green() * 0.7), int(farbe.blue() * 0.7), farbe.alpha());
}

QFont Schrift(const QString &name, int hoehe, int stil)
{
    QFont f(name);
    f.setPixelSize(std::max(1, hoehe));
    f.setBold(stil & 1);
    f.setItalic(stil & 2);
    f.setUnderline(stil & 4);
    f.setStrikeOut(stil & 8);
    return f;
}

int BeschriftungsHoehe(int fsize, double s)
{
    return std::max(1, Runden((std::clamp(fsize, kFsizeMin, kFsizeMax) * 2 + 22) * s));
}

QString WingdingsZeichen(int codepunkt)
{
    switch (codepunkt) {
    case 0xFC: return QString(QChar(0x2714));               // heavy check mark
    case 0xFB: return QString(QChar(0x2716));               // heavy multiplication x
    case 0xAB: return QString(QChar(0x2605));               // black star
    case 'J': return QString(QChar(0x263A));                // smiling face
    case 'K': return QString::fromUcs4(U"\U0001F610");     // neutral face
    case 'L': return QString(QChar(0x2639));                // frowning face
    }
    return QString(QChar(codepunkt));
}

QFont WingdingsSchrift(int hoehe)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(1, hoehe));
    return f;
}

QFont FitText(QPainter *painter, const QString &text, bool zeichnen, int ausrichtung, int vertikal,
              int maxHoehe, QRect &rechteck, QFont schrift, const QColor &farbe)
{
    int flags = Qt::TextWordWrap | Qt::TextDontClip;
    flags |= ausrichtung == 1 ? Qt::AlignHCenter : ausrichtung == 2 ? Qt::AlignRight : Qt::AlignLeft;
    const int startGroesse = std::max(1, schrift.pixelSize());
    int groesse = startGroesse;
    const int breite = std::max(1, rechteck.width());
    auto messen = [&] {
        return QFontMetrics(schrift).boundingRect(QRect(0, 0, breite, 1 << 20), flags, text);
    };
    QRect gemessen = messen();
    // every step makes the font at least one pixel smaller, so this ends
    while (gemessen.height() > maxHoehe && groesse > 3) {
        groesse = std::max(3, std::min(groesse - 1, Runden(groesse * 0.9)));
        schrift.setPixelSize(groesse);
        gemessen = messen();
    }
    const int hoehe = rechteck.height();
    if (vertikal == 2)
        rechteck.translate(0, Runden((hoehe - gemessen.height()) / 2.0));
    else if (vertikal == 3)
        rechteck.translate(0, hoehe - gemessen.height());
    else if (vertikal == 1 && gemessen.height() > hoehe)
        rechteck.translate(0, -Runden(double(groesse) * hoehe / startGroesse * 0.25));
    if (zeichnen && painter) {
        painter->setFont(schrift);
        painter->setPen(farbe);
        painter->drawText(rechteck, flags, text);
    } else if (!zeichnen) {
        const int frei = std::max(0, breite - gemessen.width());
        if (ausrichtung == 2)
            rechteck.translate(frei, 0);
        else if (ausrichtung == 1)
            rechteck.translate(frei / 2, 0);
    }
    return schrift;
}

int PunktEcken(const QRectF &r)
{
    const double radius = std::max(std::abs(r.width()), std::abs(r.height())) / 2.0;
    const int n = Runden(radius * 0.4 / 4.0) * 4;
    return std::clamp(n, 24, 4096);
}

void DrawPoint(QPainter &painter, QRectF r, const PunktArt &art)
{
    if (art.Zielpunkt) {
        const int groesse = std::clamp(art.Zielpunktgroesse, 0, kZielpunktgroesseMax);
        if (groesse == 0)
            return;
        if (groesse != 100) {
            const QPointF m = r.center();
            const double f = groesse / 100.0;
            r = QRectF(m.x() - r.width() * f / 2, m.y() - r.height() * f / 2, r.width() * f, r.height() * f);
        }
    }
    const int n = PunktEcken(r);
    const QPointF m = r.center();
    const double rx = r.width() / 2.0, ry = r.height() / 2.0;
    QPolygonF ecken;
    ecken.reserve(n + 1);
    for (int i = 0; i <= n; ++i) {
        const double w = 2.0 * M_PI * i / n;
        ecken << QPointF(m.x() + rx * std::cos(w), m.y() + ry * std::sin(w));
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(art.Fuellung);
    painter.drawPolygon(ecken);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(art.Umriss, 1));
    painter.drawPolyline(ecken);
    if (!art.Zeile1.isEmpty() || !art.Zeile2.isEmpty()) {
        painter.setFont(art.Schrift);
        painter.setPen(art.Textfarbe);
        const QFontMetrics fm(art.Schrift);
        const int zeilenhoehe = fm.height();
        auto zeile = [&](const QString &text, double mitteY) {
            const QRectF z(m.x() - 1.0e5, mitteY - zeilenhoehe / 2.0, 2.0e5, zeilenhoehe);
            painter.drawText(z, Qt::AlignCenter | Qt::TextDontClip, text);
        };
        if (art.Zeile2.isEmpty()) {
            zeile(art.Zeile1, m.y());
        } else {
            const int versatz = Runden(0.475 * zeilenhoehe);
            zeile(art.Zeile1, m.y() - versatz);
            zeile(art.Zeile2, m.y() + versatz);
        }
    }
    painter.restore();
}

} // namespace kalumo
