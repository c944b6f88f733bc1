#pragma once
// Images inside the program's files are complete PNG datastreams without a
// length prefix: the reader decodes chunk by chunk up to IEND and leaves the
// device just behind it.
//
// Decoded bitmaps are QImage::Format_RGBA8888 with straight alpha. PNGs of
// colour type 4 and 6 keep their alpha; all others give opaque bitmaps.
// Written PNGs are always colour type 4 (grey pictures) or 6, 8 bits per
// sample, zlib level 5.

#include <QIODevice>
#include <QImage>

namespace kalumo {

// Largest picture the reader accepts: at most this many pixels per side and
// in all (a 4000 x 3000 photo needs 12 million).
constexpr int kPngMaxSeite = 20000;
constexpr qint64 kPngMaxPixel = 100'000'000;

// Reads one PNG datastream at the current position of geraet. Returns a null
// image (and fehler, if given, names the cause) when the stream is damaged,
// truncated or too large. farbtyp, if given, receives the PNG colour type.
QImage PngLesen(QIODevice &geraet, QString *fehler = nullptr, int *farbtyp = nullptr);

// Writes bild as one PNG datastream; false when the device refuses bytes.
bool PngSchreiben(QIODevice &geraet, const QImage &bild, int stufe = 5);

// The bitmap in the program's own format (straight RGBA, 8 bits per channel).
QImage AlsRgba(const QImage &bild);

} // namespace kalumo
