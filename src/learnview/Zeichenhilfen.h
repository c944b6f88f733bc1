#pragma once
// Drawing helpers of the learning view: colours and fonts, text fitting,
// round points and the symbol glyphs that stand in for "Wingdings".

#include "document/DokumentModell.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

namespace kalumo {

// Bounds of the values a document file may carry; everything that sizes a
// drawing is clamped to them first.
constexpr int kFsizeMin = -8;
constexpr int kFsizeMax = 400;
constexpr int kLinieDickeMax = 20;
constexpr int kMinLueckeMax = 100;
constexpr int kZielpunktgroesseMax = 100;
constexpr double kRandErwMax = 10.0;

// Rounds halves to the even neighbour, as all page computations do.
int Runden(double x);

// 0x00BBGGRR to a colour; deckkraft in percent (clamped to 0..100).
QColor Farbe(Farbwert wert, int deckkraft = 100);
// Percent to alpha 0..255.
int Alpha(int deckkraft);
// Each channel times 0.7, alpha kept.
QColor Abgedunkelt(const QColor &farbe);

// A picture as the view draws it: premultiplied, scaled smoothly to groesse
// and faded to deckkraft percent (clamped to 0..100).
QImage BildAufbereiten(const QImage &bild, QSize groesse, int deckkraft);

// A font of character height hoehe pixels (at least 1) with the style bits
// of Stil: 1 bold, 2 italic, 4 underline, 8 strike-out.
QFont Schrift(const QString &name, int hoehe, int stil = 0);
// The character height of a caption: round((Fsize * 2 + 22) * s), Fsize clamped.
int BeschriftungsHoehe(int fsize, double s);

// The Unicode stand-in for a "Wingdings" code point the program uses:
// 0xFC tick, 0xFB cross, 0xAB star, 'J' 'K' 'L' faces. Other code points
// come back unchanged.
QString WingdingsZeichen(int codepunkt);
// The font the stand-ins are drawn with, at the given pixel height.
QFont WingdingsSchrift(int hoehe);

// FitText: fits a text into a rectangle by making the font smaller, then
// draws it (or only measures it).
//   ausrichtung 0 left, 1 centred, 2 right
//   vertikal    0 top, 1 lifted when too high, 2 centred, 3 bottom
// rechteck is moved as described by the vertical mode (and, when zeichnen is
// false, horizontally by the free width); the result is the font used.
QFont FitText(QPainter *painter, const QString &text, bool zeichnen, int ausrichtung, int vertikal,
              int maxHoehe, QRect &rechteck, QFont schrift, const QColor &farbe);

struct PunktArt
{
    QColor Umriss;
    QColor Fuellung;
    bool Zielpunkt = false;
    int Zielpunktgroesse = 100;  // percent; only for target points
    QString Zeile1;              // caption line 1
    QString Zeile2;              // caption line 2, may be empty
    QFont Schrift;
    QColor Textfarbe = Qt::black;
};

// The vertices of the polygon that stands for the ellipse inscribed in r:
// n + 1 of them, n = max(24, round(max(rx, ry) * 0.4) to a multiple of 4).
int PunktEcken(const QRectF &r);

// DrawPoint: an anti-aliased polygon ellipse with a 1-pixel outline and a
// centred caption of one or two lines.
void DrawPoint(QPainter &painter, QRectF rechteck, const PunktArt &art);

} // namespace kalumo
