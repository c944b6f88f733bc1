#pragma once
// Enhanced Metafile (EMF) and placeable Windows Metafile (WMF) of a sheet,
// written from its display list, for office programs and drawing programs.
//
// Both use the records a sheet needs: pens, solid brushes, fonts, polylines,
// polygons, rectangles, ellipses, text with character advances, and
// pictures as device-independent bitmaps (on white: the formats know no
// transparency). Logical units are tenths of a page unit, mapped onto the
// sheet's physical size.

#include "worksheet/Zeichenliste.h"

#include <QByteArray>
#include <QSizeF>

namespace kalumo {

// Logical units of the metafiles per page unit.
inline constexpr int kMetaEinheiten = 10;

// groesseMm: the printed size of the sheet in millimetres.
QByteArray EmfErzeugen(const Zeichenliste &liste, QSizeF groesseMm);
QByteArray WmfErzeugen(const Zeichenliste &liste, QSizeF groesseMm);

} // namespace kalumo
