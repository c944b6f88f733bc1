#pragma once
// The scale picture of the result windows: a vertical bar from 100 % (top)
// to 0 % (bottom), one coloured rectangle per grade between its threshold
// and the next higher one, the grade numbers, the thresholds in percent and
// a black tick at the achieved performance.

#include "exercise/Notenskala.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

#include <vector>

namespace kalumo {

// One rectangle of the bar: the grade it stands for, its range and colour.
struct SkalaAbschnitt
{
    int Note = 0;          // the grade or points shown in it
    double Unten = 0.0;    // its threshold
    double Oben = 1.0;     // the next higher threshold (1.0 for the best grade)
    QColor Farbe;
};

// The rectangles from best to worst. Scales 1 and 3 reach down to 0 %;
// scale 4 ignores the thresholds of 13…15 points (12 points reach 100 %).
// Thresholds out of 0…1 are clamped; empty ranges are left out.
std::vector<SkalaAbschnitt> SkalaAbschnitte(const NotenskalaTyp &skala);

// Colour number 1…6 (best to worst): RGB(0,255,0), RGB(191,255,0),
// RGB(255,255,0), RGB(255,224,0), RGB(255,160,0), RGB(255,0,0).
QColor SkalaFarbe(int nummer);

// Where the bar sits in a picture of the given size, and the height of a
// performance in it.
struct SkalaBildGeometrie
{
    QRect Balken;
    int Hoehe(double quote) const;   // y of a performance (1.0 at the top, 0.0 at the bottom)
};
SkalaBildGeometrie SkalaBildAufteilung(QSize groesse);

// The picture; leistung is the achieved performance (a value outside 0…1
// is drawn at the nearest end; nothing is marked when it is not a number).
QImage NotenskalaBild(const NotenskalaTyp &skala, double leistung, QSize groesse, const QColor &hintergrund);

} // namespace kalumo
