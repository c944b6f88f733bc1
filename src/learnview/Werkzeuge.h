#pragma once
// The drawing tools of the learning view as operations on the view rasters:
// pen segments, shapes, markers, the eraser, stamps and text. Everything
// here paints into ViewBitmap (32-bit premultiplied) and, for the
// transparent colours, through OverlayBitmap (32-bit straight alpha).

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>

namespace kalumo {

// The tools (Werkzeug).
enum WerkzeugNr : int {
    wzZeiger = 1,
    wzHand = 2,
    wzStift = 3,
    wzMarkerGelb = 4,
    wzMarkerGruen = 5,
    wzRadierer = 6,
    wzStempel = 7,
    wzKreuz = 8,
    wzText = 9,
    wzLinie = 10,
    wzPfeil = 11,
    wzDoppelpfeil = 12,
    wzRechteck = 13,
    wzRechteckGefuellt = 14,
    wzEllipse = 15,
    wzEllipseGefuellt = 16,
    wzDreieck = 17,
    wzDreieckGefuellt = 18,
    wzBereich = 19,
};

inline constexpr int kStempelAnzahl = 10;

// One character (of the symbol font) and one font per stamp symbol.
struct SymbolstempelTyp
{
    QString Zeichen = QString::fromUtf8("üû«JKL+-rf");
    std::array<QString, kStempelAnzahl> Fontname = {
        QStringLiteral("Wingdings"), QStringLiteral("Wingdings"), QStringLiteral("Wingdings"),
        QStringLiteral("Wingdings"), QStringLiteral("Wingdings"), QStringLiteral("Wingdings"),
        QStringLiteral("Arial"), QStringLiteral("Arial"), QStringLiteral("Arial"), QStringLiteral("Arial")};
};

constexpr bool IstForm(int werkzeug) { return werkzeug >= wzLinie && werkzeug <= wzDreieckGefuellt; }
// Tools that draw strokes with the left button (pen, markers, eraser, stamp, cross, text, shapes).
constexpr bool IstZeichenwerkzeug(int werkzeug) { return werkzeug >= wzStift && werkzeug <= wzDreieckGefuellt; }

constexpr int kGroessen = 4;
constexpr int kMarkerBreite = 25;

// The size table: pen width and eraser square in pixels, stamp and text in points (size 1..4, clamped).
int Stiftbreite(int groesse);
int Radiergroesse(int groesse);
int Stempelpunkte(int groesse);
int Textpunkte(int groesse);
// Points to pixels of the view (96 pixels per inch).
int PunkteZuPixel(int punkte);

// The colour table (11..14 transparent, 21..30 opaque); unknown indices give red.
QColor Stiftfarbe(int index);
constexpr bool IstTransparent(int farbindex) { return farbindex >= 11 && farbindex <= 14; }
// Colour indices in the order of the colour menu (0 = separator).
inline constexpr int kFarbmenue[] = {21, 28, 22, 23, 27, 30, 24, 29, 25, 26, 0, 11, 12, 13, 14};

// The outline of a shape tool from a to b (lines for 10..12, the rest in the normalised rectangle).
QPainterPath Formumriss(int werkzeug, QPoint a, QPoint b, int breite);

// Draws path filled (fuellen) or stroked with a round pen of breite onto ziel;
// transparent colours go through overlay and are combined darker-per-channel.
// Returns the changed area of ziel.
QRect PfadZeichnen(QImage &ziel, QImage &overlay, const QPainterPath &pfad, bool fuellen, int breite,
                   const QColor &farbe, bool transparent);

// One freehand segment: the segment as a polygon of the pen width and a
// filled circle of that width at its start.
QRect StiftSegment(QImage &ziel, QImage &overlay, QPoint von, QPoint nach, int breite, const QColor &farbe,
                   bool transparent);
// A finished shape of the tools 10..18 with the pen width.
QRect FormZeichnen(QImage &ziel, QImage &overlay, int werkzeug, QPoint a, QPoint b, int breite,
                   const QColor &farbe, bool transparent);
// The one-pixel inverted outline of a shape; drawing it twice restores the raster.
void FormInvertieren(QImage &ziel, int werkzeug, QPoint a, QPoint b);
// A marker segment 25 pixels wide combined by bitwise AND.
QRect MarkerSegment(QImage &ziel, QPoint von, QPoint nach, const QColor &farbe);
// The eraser square of kante pixels centred on mitte, copied from sauber.
QRect Radieren(QImage &ziel, const QImage &sauber, QPoint mitte, int kante);
// Keeps per channel the darker value of ziel and overlay (composed on white) in bereich,
// then clears overlay there to transparent white.
void DunklerKombinieren(QImage &ziel, QImage &overlay, QRect bereich);

// One character centred on mitte; "Wingdings" codes are mapped to their stand-ins.
QRect ZeichenStempeln(QImage &ziel, QChar zeichen, const QString &schriftart, int pixel, const QColor &farbe,
                      QPoint mitte);
// The font of the text tool.
QFont Textschrift(const QString &schriftart, int groesse);
// Text with its top-left corner at oben (transparent background).
QRect TextZeichnen(QImage &ziel, const QString &text, const QFont &schrift, const QColor &farbe, QPoint oben);

} // namespace kalumo
