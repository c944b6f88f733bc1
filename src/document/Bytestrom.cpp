#include "document/Bytestrom.h"

#include "platform/Windows1252.h"

#include <QtEndian>

#include <cmath>
#include <cstring>

namespace kalumo {

Leser::Leser(QIODevice &geraet) : m_geraet(geraet), m_ende(geraet.isSequential() ? -1 : geraet.size()) {}

qint64 Leser::Rest() const
{
    if (m_ende < 0)
        return m_geraet.bytesAvailable();
    return m_ende - m_geraet.pos();
}

void Leser::Lesen(char *ziel, qint64 n)
{
    if (n < 0 || n > Rest())
        throw LeseFehler("Ende der Datei erreicht");
    qint64 gelesen = 0;
    while (gelesen < n) {
        const qint64 r = m_geraet.read(ziel + gelesen, n - gelesen);
        if (r <= 0)
            throw LeseFehler("Lesefehler");
        gelesen += r;
    }
}

void Leser::Ueberspringen(qint64 n)
{
    if (n < 0 || n > Rest())
        throw LeseFehler("Ende der Datei erreicht");
    if (!m_geraet.isSequential()) {
        if (!m_geraet.seek(m_geraet.pos() + n))
            throw LeseFehler("Lesefehler");
        return;
    }
    char puffer[4096];
    while (n > 0) {
        const qint64 stueck = std::min<qint64>(n, sizeof puffer);
        Lesen(puffer, stueck);
        n -= stueck;
    }
}

qint32 Leser::Int()
{
    char b[4];
    Lesen(b, 4);
    return qFromLittleEndian<qint32>(b);
}

double Leser::Double()
{
    char b[8];
    Lesen(b, 8);
    const quint64 bits = qFromLittleEndian<quint64>(b);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    if (!std::isfinite(d))
        throw LeseFehler("ungültige Zahl");
    return d;
}

QByteArray Leser::Roh()
{
    const qint32 n = Int();
    if (n < 0 || n > Rest())
        throw LeseFehler("ungültige Textlänge");
    QByteArray b(n, Qt::Uninitialized);
    if (n > 0)
        Lesen(b.data(), n);
    return b;
}

QString Leser::Text()
{
    return AusWindows1252(Roh());
}

void Schreiber::Schreiben(const char *daten, qint64 n)
{
    if (n <= 0)
        return;
    if (m_geraet.write(daten, n) != n)
        throw SchreibFehler("Schreibfehler");
}

void Schreiber::Int(qint32 wert)
{
    char b[4];
    qToLittleEndian<qint32>(wert, b);
    Schreiben(b, 4);
}

void Schreiber::Double(double wert)
{
    quint64 bits;
    std::memcpy(&bits, &wert, sizeof bits);
    char b[8];
    qToLittleEndian<quint64>(bits, b);
    Schreiben(b, 8);
}

void Schreiber::Roh(const QByteArray &bytes)
{
    Int(qint32(bytes.size()));
    Schreiben(bytes.constData(), bytes.size());
}

void Schreiber::Text(const QString &text)
{
    Roh(NachWindows1252(text));
}

} // namespace kalumo
