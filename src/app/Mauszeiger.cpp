#include "app/Mauszeiger.h"

#include <QPainter>
#include <QPainterPath>

namespace kalumo {

namespace {

// Every pointer is outlined in white so that it stays visible on dark pictures.
void umrandet(QPainter &p, const QPainterPath &form, QColor fuellung)
{
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(form);
    p.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fuellung);
    p.drawPath(form);
}

QPainterPath stiftForm(double breite)
{
    // a pencil from the top right down to its tip at (2, 30)
    QPainterPath s;
    s.moveTo(2, 30);
    s.lineTo(2 + breite, 30 - 2 * breite);
    s.lineTo(26, 6 - breite + 2);
    s.lineTo(30 - breite + 2, 2 + 2);
    s.lineTo(8 - 1 + breite, 26 - breite);
    s.closeSubpath();
    return s;
}

} // namespace

MauszeigerBild MauszeigerZeichnen(MauszeigerArt art)
{
    QImage b(32, 32, QImage::Format_ARGB32_Premultiplied);
    b.fill(Qt::transparent);
    QPainter p(&b);
    p.setRenderHint(QPainter::Antialiasing);
    QPoint hotspot(0, 0);
    switch (art) {
    case MauszeigerArt::Ziehen: {
        QPainterPath pfeil;
        pfeil.moveTo(2, 2);
        pfeil.lineTo(2, 22);
        pfeil.lineTo(7, 17);
        pfeil.lineTo(11, 26);
        pfeil.lineTo(14, 25);
        pfeil.lineTo(10, 16);
        pfeil.lineTo(17, 16);
        pfeil.closeSubpath();
        umrandet(p, pfeil, Qt::white);
        QPainterPath karte;
        karte.addRoundedRect(QRectF(16, 18, 14, 10), 2, 2);
        umrandet(p, karte, QColor(0xFF, 0xE0, 0x80));
        hotspot = {2, 2};
        break;
    }
    case MauszeigerArt::Stift:
        umrandet(p, stiftForm(3), QColor(0x30, 0x60, 0xD0));
        hotspot = {2, 30};
        break;
    case MauszeigerArt::Marker:
        umrandet(p, stiftForm(6), QColor(0xF8, 0xE0, 0x20, 220));
        hotspot = {2, 30};
        break;
    case MauszeigerArt::Radierer: {
        QPainterPath r;
        r.moveTo(4, 22);
        r.lineTo(18, 8);
        r.lineTo(28, 18);
        r.lineTo(16, 30);
        r.lineTo(10, 30);
        r.closeSubpath();
        umrandet(p, r, QColor(0xF0, 0xA0, 0xB0));
        hotspot = {8, 26};
        break;
    }
    case MauszeigerArt::Stempel: {
        QPainterPath s;
        s.addRoundedRect(QRectF(11, 2, 10, 12), 3, 3);
        s.addRect(QRectF(14, 14, 4, 6));
        s.addRoundedRect(QRectF(5, 20, 22, 6), 2, 2);
        umrandet(p, s, QColor(0xA0, 0x60, 0x30));
        hotspot = {16, 30};
        break;
    }
    case MauszeigerArt::Hand: {
        QPainterPath h;
        h.addRoundedRect(QRectF(7, 12, 18, 16), 6, 6);
        for (int i = 0; i < 4; ++i)
            h.addRoundedRect(QRectF(8 + i * 4.5, 3 + (i == 0 || i == 3 ? 3 : 0), 4, 14), 2, 2);
        h.addRoundedRect(QRectF(2, 14, 8, 4), 2, 2);
        h.setFillRule(Qt::WindingFill);
        umrandet(p, h.simplified(), QColor(0xFF, 0xE4, 0xC8));
        hotspot = {16, 16};
        break;
    }
    case MauszeigerArt::Text: {
        QPainterPath t;
        t.moveTo(10, 3);
        t.lineTo(22, 3);
        t.moveTo(16, 3);
        t.lineTo(16, 29);
        t.moveTo(10, 29);
        t.lineTo(22, 29);
        p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(t);
        p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(t);
        hotspot = {16, 16};
        break;
    }
    case MauszeigerArt::Kreuz: {
        // a red cross like the one the tool sets; the tool centres its cross
        // one pixel right of the hot spot, where this one has its middle
        QPainterPath k;
        k.moveTo(8, 8);
        k.lineTo(24, 24);
        k.moveTo(24, 8);
        k.lineTo(8, 24);
        p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(k);
        p.setPen(QPen(QColor(220, 0, 0), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(k);
        hotspot = {15, 16};
        break;
    }
    }
    p.end();
    return {b, hotspot};
}

} // namespace kalumo
