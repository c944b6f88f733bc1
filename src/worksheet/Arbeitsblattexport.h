#pragma once
// Writing a sheet to a file: Enhanced Metafile, placeable Windows Metafile,
// PDF (vector, fonts embedded), SVG and PNG; the choice of the format in
// the dialog "Arbeitsblatt exportieren"; the data the clipboard receives.

#include "worksheet/Zeichenliste.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QMimeData;

namespace kalumo {

enum class Blattformat { Unbekannt, Emf, Wmf, Pdf, Svg, Png };

// By the extension of the name, in any case.
Blattformat BlattformatNachEndung(const QString &pfad);

// The dialog's title and filter (Qt notation), and the message of a refused name.
inline constexpr char kExportTitel[] = "Arbeitsblatt exportieren";
QString ExportFilter();
inline constexpr char kUngueltigeEndung[] = "Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung.";

// The format a name from the dialog is written in, given the filter the
// user chose: a metafile filter takes only ".emf" and ".wmf", the other
// filters only their own extension, "Alle Dateien" any of the five. A name
// without extension gets that of the filter (".emf" by default) in pfad.
// Unbekannt: the name is refused.
Blattformat ExportformatPruefen(QString &pfad, const QString &filterWahl);

// The printed size of a sheet in millimetres: 16.5 cm wide in portrait,
// 26.8 cm in landscape, the height by the page's ratio.
QSizeF BlattMillimeter(const Zeichenliste &liste);

// Where a sheet lies on an A4 page by default, in centimetres: left and top
// margin, width and height (portrait 2.2, 1.4, 16.5, 26.8; landscape the
// values swapped).
QRectF StandardDrucklage(bool querformat);

QByteArray BlattPdf(const Zeichenliste &liste, const QString &titel);
QByteArray BlattSvg(const Zeichenliste &liste, const QString &titel);
// The sheet as a bitmap of this width on white.
QImage BlattBild(const Zeichenliste &liste, int breite = 1600);

// Writes the sheet in the format; false with a German message in fehler.
// A file that exists is replaced only when everything was written.
bool BlattSchreiben(const Zeichenliste &liste, const QString &pfad, Blattformat format, const QString &titel,
                    QString *fehler);

// The sheet for the clipboard: as SVG, PDF and Enhanced Metafile (vector)
// and as a bitmap.
QMimeData *BlattZwischenablage(const Zeichenliste &liste, const QString &titel);

} // namespace kalumo
