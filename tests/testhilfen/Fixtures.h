#pragma once
// Small hand-built document files for the reader tests: the bytes are put
// together item by item, so that every test shows exactly what the file holds.

#include "document/DokumentModell.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace kalumo::test {

// Appends the primitive items of the file format.
class Roh
{
public:
    Roh &Int(qint32 v);
    Roh &Double(double v);
    Roh &Text(const QByteArray &bytes);   // length-prefixed, bytes as given
    Roh &Text(const char *text) { return Text(QByteArray(text)); }
    Roh &Png(const QImage &bild);         // as the writer stores it
    Roh &Bytes(const QByteArray &b) { m_daten += b; return *this; }
    const QByteArray &Daten() const { return m_daten; }

private:
    QByteArray m_daten;
};

// A solid-colour picture in the program's format.
QImage Farbbild(int breite, int hoehe, QColor farbe);

// A minimal object record for a key list that holds no OB- keys: four
// doubles, the caption and the seven ints.
void MinimalesObjekt(Roh &r, int typ, double kx, double ky, const QByteArray &cap = "x");

// The smallest valid file: magic, key list "|", four header strings,
// the given number of minimal objects and a 4 x 3 base image.
QByteArray MinimaleDatei(const char *kennung = "KAL-2.24", int objekte = 0);

// The bytes a document becomes when written by the writer.
QByteArray Geschrieben(Dokument &dok);

// Writes a small document with this title (and document password) to
// pfad: a light blue base image of the given size. False when the file
// cannot be written.
bool DokumentAblegen(const QString &pfad, const QString &titel, const QString &dokPasswort = {},
                     QSize bild = QSize(40, 30));


} // namespace kalumo::test
