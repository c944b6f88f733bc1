#include "testhilfen/Fixtures.h"

#include "document/DokumentDatei.h"
#include "document/PngBild.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>

#include <cstring>

namespace kalumo::test {

Roh &Roh::Int(qint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    m_daten.append(b, 4);
    return *this;
}

Roh &Roh::Double(double v)
{
    quint64 bits;
    std::memcpy(&bits, &v, 8);
    char b[8];
    qToLittleEndian(bits, b);
    m_daten.append(b, 8);
    return *this;
}

Roh &Roh::Text(const QByteArray &bytes)
{
    Int(qint32(bytes.size()));
    m_daten += bytes;
    return *this;
}

Roh &Roh::Png(const QImage &bild)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    PngSchreiben(puffer, bild);
    m_daten += puffer.data();
    return *this;
}

QImage Farbbild(int breite, int hoehe, QColor farbe)
{
    QImage b(breite, hoehe, QImage::Format_RGBA8888);
    b.fill(farbe);
    return b;
}

void MinimalesObjekt(Roh &r, int typ, double kx, double ky, const QByteArray &cap)
{
    r.Double(kx).Double(ky).Double(kx).Double(ky).Text(cap);
    r.Int(0).Int(0).Int(1).Int(typ).Int(0).Int(0).Int(0);
}

QByteArray MinimaleDatei(const char *kennung, int objekte)
{
    Roh r;
    r.Text(kennung).Text("|").Text("1.00").Text("Titel").Text("Autor").Text("");
    r.Int(objekte);
    for (int i = 0; i < objekte; ++i)
        MinimalesObjekt(r, objFixeBeschriftung, 0.5, 0.5);
    r.Png(Farbbild(4, 3, Qt::red));
    return r.Daten();
}

QByteArray Geschrieben(Dokument &dok)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    DokumentStromSchreiben(puffer, dok);
    return puffer.data();
}

bool DokumentAblegen(const QString &pfad, const QString &titel, const QString &dokPasswort, QSize bild)
{
    Dokument dok;
    NeuesDokument(dok);
    dok.Kopf.titel = titel;
    dok.Kopf.DokPasswort = dokPasswort;
    dok.Basisbild = Farbbild(bild.width(), bild.height(), QColor(200, 220, 240));
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(Geschrieben(dok)) > 0;
}

} // namespace kalumo::test
