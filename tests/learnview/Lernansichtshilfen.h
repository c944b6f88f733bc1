#pragma once
// Small pages for the learning-view tests: a solid base image, labels and
// points placed by page fractions, and pixel probes with a tolerance.

#include "document/DokumentModell.h"
#include "learnview/Lernansicht.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <memory>

namespace kalumo::test {

// A document whose base image is breite x hoehe in one colour.
Dokument Seite(int breite = 870, int hoehe = 609, QColor farbe = Qt::white);

// Appends an object of the kind at the card point (kx, ky), anchor = card point.
ObjDataTyp &Objekt(Dokument &dok, int typ, double kx, double ky, const QString &cap = {}, int ebene = 1);

// A view whose picture area has exactly the page size, so that the page is
// drawn 1:1 at zoom 0.
std::unique_ptr<Lernansicht> Ansicht(Dokument &dok, int zoomstufe = 0);

// Whether the pixel has the colour within tol in every channel.
bool FarbeIst(const QImage &bild, QPoint p, QColor farbe, int tol = 3);
// Number of pixels in r that have the colour within tol.
int Zaehlen(const QImage &bild, QRect r, QColor farbe, int tol = 3);
// Number of pixels in r darker than a grey of 128 (text ink).
int Dunkel(const QImage &bild, QRect r);
// Rows of r that hold dark pixels: first and last (-1, -1 when none).
std::pair<int, int> DunkleZeilen(const QImage &bild, QRect r);
// The smallest rectangle around the dark pixels of r (empty when none).
QRect DunklerBereich(const QImage &bild, QRect r);

} // namespace kalumo::test
