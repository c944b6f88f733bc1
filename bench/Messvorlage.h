#pragma once
// The document both measuring programs work on, and the plain libpng
// baselines the document reader and writer are compared with.
//
// The document is a photo-sized page (4000 x 3000) with 500 objects; it is
// built once per process and written to a temporary folder.

#include "document/DokumentModell.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <vector>

namespace kalumo::messung {

constexpr int kBasisBreite = 4000;
constexpr int kBasisHoehe = 3000;
constexpr int kObjektAnzahl = 500;
constexpr int kBildObjekte = 20;
constexpr int kInfopunkte = 12;
constexpr int kKleinbildSeite = 64;

// Smooth colour gradients with a little sensor noise from a linear
// congruential generator: compresses like a photo, not like a flat area.
QImage FotoBild(int breite, int hoehe, std::uint32_t saat);

// Fills dok with the base image and the 500 objects.
void VorlageDokumentBauen(Dokument &dok);

struct Vorlage
{
    QTemporaryDir Ordner;
    QString Pfad;              // the document file inside Ordner
    qint64 DateiGroesse = 0;
    Dokument Dok;              // as written (the writer adjusts a few fields)
    QByteArray BasisPng;       // the base image as PngSchreiben stores it
};

// Built on first use; aborts the program when the document cannot be written.
Vorlage &VorlageHolen();

// libpng alone: decodes a complete PNG datastream of colour type 6 from memory
// into ziel (breite * 4 bytes per row, at least as large as the picture).
// False on damaged data or a different size or format.
bool LibpngDekodieren(const QByteArray &png, unsigned char *ziel, int breite, int hoehe);

// libpng alone: encodes an RGBA8888 picture as colour type 6 with the given
// zlib level and the default filters; ziel is cleared first.
bool LibpngKodieren(const QImage &bild, int stufe, std::vector<unsigned char> &ziel);

} // namespace kalumo::messung
