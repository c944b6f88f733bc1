#include "learnview/Werkzeuge.h"

#include "learnview/Lernansicht.h"
#include "learnview/Zeichenhilfen.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kalumo {

namespace {

constexpr int kKombinierRand = 15;

int GroessenIndex(int groesse) { return std::clamp(groesse, 1, kGroessen) - 1; }

QPointF Punkt(QPoint p) { return QPointF(p); }

void KopfLinien(QPainterPath &pfad, QPointF spitze, QPointF von, int breite)
{
    const double dx = von.x() - spitze.x(), dy = von.y() - spitze.y();
    if (dx == 0 && dy == 0)
        return;
    const double winkel = std::atan2(dy, dx);
    const double laenge = Runden(breite * 0.7 * 5);
    const double abweichung = 20.0 * std::numbers::pi / 180.0;
    for (double w : {winkel - abweichung, winkel + abweichung}) {
        pfad.moveTo(spitze);
        pfad.lineTo(spitze + QPointF(std::cos(w) * laenge, std::sin(w) * laenge));
    }
}

void OverlayBereitstellen(QImage &overlay, QSize groesse)
{
    if (overlay.size() != groesse || overlay.format() != QImage::Format_ARGB32) {
        overlay = QImage(groesse, QImage::Format_ARGB32);
        overlay.fill(QColor(255, 255, 255, 0));
    }
}

// Transparent colours are painted into the overlay first and combined with
// the picture afterwards (Fertig); opaque ones go straight into the picture.
QImage &Leinwand(QImage &ziel, QImage &overlay, bool transparent)
{
    if (!transparent)
        return ziel;
    OverlayBereitstellen(overlay, ziel.size());
    return overlay;
}

QRect Fertig(QImage &ziel, QImage &overlay, QRect bereich, bool transparent)
{
    bereich &= ziel.rect();
    if (transparent)
        DunklerKombinieren(ziel, overlay, bereich);
    return bereich;
}

QPen RunderStift(const QColor &farbe, int breite)
{
    return QPen(farbe, std::max(1, breite), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QRect Umgebung(const QRectF &r, int rand)
{
    return r.toAlignedRect().adjusted(-rand, -rand, rand, rand);
}

} // namespace

int Stiftbreite(int groesse)
{
    static constexpr int werte[kGroessen] = {3, 7, 13, 21};
    return werte[GroessenIndex(groesse)];
}

int Radiergroesse(int groesse) { return 32 * (GroessenIndex(groesse) + 1); }
int Stempelpunkte(int groesse) { return 32 * (GroessenIndex(groesse) + 1); }
int Textpunkte(int groesse) { return 18 * (GroessenIndex(groesse) + 1); }
int PunkteZuPixel(int punkte) { return std::max(1, Runden(punkte * 96.0 / 72.0)); }

QColor Stiftfarbe(int index)
{
    switch (index) {
    case 11: case 21: return QColor(255, 0, 0);
    case 12: case 22: return QColor(255, 255, 0);
    case 13: case 23: return QColor(0, 255, 0);
    case 14: case 24: return QColor(0, 0, 255);
    case 25: return QColor(255, 255, 255);
    case 26: return QColor(0, 0, 0);
    case 27: return QColor(0, 128, 0);
    case 28: return QColor(255, 128, 0);
    case 29: return QColor(192, 0, 255);
    case 30: return QColor(0, 192, 255);
    }
    return QColor(255, 0, 0);
}

QPainterPath Formumriss(int werkzeug, QPoint a, QPoint b, int breite)
{
    QPainterPath pfad;
    const QPointF pa = Punkt(a), pb = Punkt(b);
    const QRectF r = QRectF(pa, pb).normalized();
    switch (werkzeug) {
    case wzLinie:
    case wzPfeil:
    case wzDoppelpfeil:
        pfad.moveTo(pa);
        pfad.lineTo(pb);
        if (werkzeug != wzLinie)
            KopfLinien(pfad, pb, pa, breite);
        if (werkzeug == wzDoppelpfeil)
            KopfLinien(pfad, pa, pb, breite);
        break;
    case wzRechteck:
    case wzRechteckGefuellt:
        pfad.addRect(r);
        break;
    case wzEllipse:
    case wzEllipseGefuellt:
        pfad.addEllipse(r);
        break;
    case wzDreieck:
    case wzDreieckGefuellt:
        pfad.moveTo(r.left(), r.bottom());
        pfad.lineTo(r.right(), r.bottom());
        pfad.lineTo(r.center().x(), r.top());
        pfad.closeSubpath();
        break;
    default:
        break;
    }
    return pfad;
}

void DunklerKombinieren(QImage &ziel, QImage &overlay, QRect bereich)
{
    bereich &= ziel.rect() & overlay.rect();
    if (bereich.isEmpty() || ziel.depth() != 32 || overlay.depth() != 32)
        return;
    const QRgb leer = qRgba(255, 255, 255, 0);
    for (int y = bereich.top(); y <= bereich.bottom(); ++y) {
        QRgb *z = reinterpret_cast<QRgb *>(ziel.scanLine(y));
        QRgb *o = reinterpret_cast<QRgb *>(overlay.scanLine(y));
        for (int x = bereich.left(); x <= bereich.right(); ++x) {
            const QRgb ov = o[x];
            const int a = qAlpha(ov);
            if (a == 0)
                continue;
            // the overlay pixel as it would look on white
            auto aufWeiss = [a](int kanal) { return 255 - (a * (255 - kanal) + 127) / 255; };
            const QRgb zv = z[x];
            z[x] = qRgba(std::min(qRed(zv), aufWeiss(qRed(ov))), std::min(qGreen(zv), aufWeiss(qGreen(ov))),
                         std::min(qBlue(zv), aufWeiss(qBlue(ov))), qAlpha(zv));
            o[x] = leer;
        }
    }
}

QRect PfadZeichnen(QImage &ziel, QImage &overlay, const QPainterPath &pfad, bool fuellen, int breite,
                   const QColor &farbe, bool transparent)
{
    if (ziel.isNull() || pfad.isEmpty())
        return {};
    {
        QPainter p(&Leinwand(ziel, overlay, transparent));
        p.setRenderHint(QPainter::Antialiasing, true);
        if (fuellen) {
            p.setPen(Qt::NoPen);
            p.setBrush(farbe);
            p.drawPath(pfad);
        } else {
            p.setPen(RunderStift(farbe, breite));
            p.setBrush(Qt::NoBrush);
            p.drawPath(pfad);
        }
    }
    return Fertig(ziel, overlay, Umgebung(pfad.boundingRect(), (fuellen ? 1 : breite / 2 + 2) + kKombinierRand),
                  transparent);
}

QRect StiftSegment(QImage &ziel, QImage &overlay, QPoint von, QPoint nach, int breite, const QColor &farbe,
                   bool transparent)
{
    if (ziel.isNull())
        return {};
    const double r = std::max(1, breite) / 2.0;
    QPolygonF streifen;
    const double dx = nach.x() - von.x(), dy = nach.y() - von.y();
    const double laenge = std::hypot(dx, dy);
    if (laenge > 0) {
        const double nx = -dy / laenge * r, ny = dx / laenge * r;
        streifen << QPointF(von.x() + nx, von.y() + ny) << QPointF(nach.x() + nx, nach.y() + ny)
                 << QPointF(nach.x() - nx, nach.y() - ny) << QPointF(von.x() - nx, von.y() - ny);
    }
    {
        // polygon and circle painted one after the other: in one path their
        // windings could cancel where they overlap
        QPainter p(&Leinwand(ziel, overlay, transparent));
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(farbe);
        if (!streifen.isEmpty())
            p.drawPolygon(streifen);
        p.drawEllipse(Punkt(von), r, r);
    }
    return Fertig(ziel, overlay, Umgebung(QRectF(Punkt(von), Punkt(nach)).normalized(), int(r) + 2 + kKombinierRand),
                  transparent);
}

QRect FormZeichnen(QImage &ziel, QImage &overlay, int werkzeug, QPoint a, QPoint b, int breite,
                   const QColor &farbe, bool transparent)
{
    if (!IstForm(werkzeug))
        return {};
    const bool gefuellt = werkzeug == wzRechteckGefuellt || werkzeug == wzEllipseGefuellt
                          || werkzeug == wzDreieckGefuellt;
    if (werkzeug == wzEllipse) {
        // the outline lies inside the rectangle
        const double h = breite / 2.0;
        QRectF r = QRectF(Punkt(a), Punkt(b)).normalized().adjusted(h, h, -h, -h);
        if (r.width() < 0 || r.height() < 0)
            r = QRectF(r.center(), QSizeF(0, 0));
        QPainterPath pfad;
        pfad.addEllipse(r);
        return PfadZeichnen(ziel, overlay, pfad, false, breite, farbe, transparent);
    }
    return PfadZeichnen(ziel, overlay, Formumriss(werkzeug, a, b, breite), gefuellt, breite, farbe, transparent);
}

void FormInvertieren(QImage &ziel, int werkzeug, QPoint a, QPoint b)
{
    if (ziel.isNull() || ziel.depth() != 32)
        return;
    const QPainterPath pfad = Formumriss(werkzeug, a, b, 3);
    const QRect bereich = Umgebung(pfad.boundingRect(), 2) & ziel.rect();
    if (bereich.isEmpty())
        return;
    // the outline as a mask, so that every pixel is inverted exactly once
    QImage maske(bereich.size(), QImage::Format_ARGB32_Premultiplied);
    maske.fill(Qt::transparent);
    {
        QPainter p(&maske);
        p.translate(-bereich.topLeft());
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(pfad);
    }
    for (int y = 0; y < bereich.height(); ++y) {
        const QRgb *m = reinterpret_cast<const QRgb *>(maske.constScanLine(y));
        QRgb *z = reinterpret_cast<QRgb *>(ziel.scanLine(bereich.top() + y)) + bereich.left();
        for (int x = 0; x < bereich.width(); ++x)
            if (qAlpha(m[x]) >= 128)
                z[x] ^= 0x00FFFFFFu;
    }
}

QRect MarkerSegment(QImage &ziel, QPoint von, QPoint nach, const QColor &farbe)
{
    if (ziel.isNull())
        return {};
    QPainter p(&ziel);
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.setPen(RunderStift(farbe, kMarkerBreite));
    if (von == nach)
        p.drawPoint(von);
    else
        p.drawLine(von, nach);
    return Umgebung(QRectF(Punkt(von), Punkt(nach)).normalized(), kMarkerBreite / 2 + 2) & ziel.rect();
}

QRect Radieren(QImage &ziel, const QImage &sauber, QPoint mitte, int kante)
{
    const QRect quadrat(mitte.x() - kante / 2, mitte.y() - kante / 2, kante, kante);
    RechteckKopieren(ziel, quadrat.topLeft(), sauber, quadrat);
    return quadrat & ziel.rect();
}

QRect ZeichenStempeln(QImage &ziel, QChar zeichen, const QString &schriftart, int pixel, const QColor &farbe,
                      QPoint mitte)
{
    if (ziel.isNull())
        return {};
    QString text;
    QFont schrift;
    if (schriftart.compare(QLatin1String("Wingdings"), Qt::CaseInsensitive) == 0) {
        text = WingdingsZeichen(zeichen.unicode());
        schrift = WingdingsSchrift(pixel);
    } else {
        text = QString(zeichen);
        schrift = QFont(schriftart.isEmpty() ? QStringLiteral("Arial") : schriftart);
        schrift.setPixelSize(std::max(1, pixel));
    }
    const QFontMetrics fm(schrift);
    const int breite = fm.horizontalAdvance(text);
    const QRect kasten(mitte.x() - breite / 2, mitte.y() - fm.height() / 2, breite, fm.height());
    QPainter p(&ziel);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(schrift);
    p.setPen(farbe);
    p.drawText(QPoint(kasten.left(), kasten.top() + fm.ascent()), text);
    return kasten & ziel.rect();
}

QFont Textschrift(const QString &schriftart, int groesse)
{
    QFont f(schriftart.isEmpty() ? QStringLiteral("Arial") : schriftart);
    f.setPixelSize(PunkteZuPixel(Textpunkte(groesse)));
    return f;
}

QRect TextZeichnen(QImage &ziel, const QString &text, const QFont &schrift, const QColor &farbe, QPoint oben)
{
    if (ziel.isNull() || text.isEmpty())
        return {};
    const QFontMetrics fm(schrift);
    QPainter p(&ziel);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(schrift);
    p.setPen(farbe);
    p.drawText(QPoint(oben.x(), oben.y() + fm.ascent()), text);
    return QRect(oben, QSize(fm.horizontalAdvance(text), fm.height())) & ziel.rect();
}

} // namespace kalumo
