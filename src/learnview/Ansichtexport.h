#pragma once
// Writing the captured view to a picture file ("Ansicht in Bilddatei
// speichern") and copying it to the clipboard.

#include <QImage>
#include <QString>

namespace kalumo {

class Meldungen;
class Dateidialoge;

enum class Bildformat { Unbekannt, Png, Jpeg, Bmp };

// By the extension of the name, in any case: ".png", ".jpg", ".bmp".
Bildformat FormatNachEndung(const QString &dateiname);

// Writes raster as JPEG with quality 99 for ".jpg", as PNG with compression
// level 5 for ".png" and as BMP otherwise; false when the file cannot be written.
bool SaveRaster(const QImage &raster, const QString &dateiname);
// JPEG through libjpeg (quality 0..100).
bool JpegSchreiben(const QImage &raster, const QString &dateiname, int qualitaet);

// Asks for the file name and writes bild; every failure is reported through
// meldungen. A name with any other extension writes nothing.
bool AnsichtExportieren(const QImage &bild, Meldungen &meldungen, Dateidialoge &dialoge,
                        const QString &ordner = {});

// The picture as a bitmap on the system clipboard.
void InZwischenablageKopieren(const QImage &bild);

} // namespace kalumo
