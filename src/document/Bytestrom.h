#pragma once
// The primitive items of the program's binary files: little-endian 32-bit
// ints, IEEE doubles and length-prefixed Windows-1252 strings. The reader
// checks every length against the bytes that are left and throws
// LeseFehler instead of reading past the end; the writer throws
// SchreibFehler when the device refuses bytes.

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <stdexcept>

namespace kalumo {

struct LeseFehler : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

struct SchreibFehler : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

class Leser
{
public:
    // Reads from the current position of geraet up to its end.
    explicit Leser(QIODevice &geraet);

    qint32 Int();
    double Double();           // only finite values are accepted
    QByteArray Roh();          // a string's bytes as stored
    QString Text();            // a string, decoded from Windows-1252
    void Ueberspringen(qint64 n);

    qint64 Rest() const;
    qint64 Position() const { return m_geraet.pos(); }
    QIODevice &Geraet() { return m_geraet; }

    // Reads exactly n bytes into ziel or throws.
    void Lesen(char *ziel, qint64 n);

private:
    QIODevice &m_geraet;
    qint64 m_ende;
};

class Schreiber
{
public:
    explicit Schreiber(QIODevice &geraet) : m_geraet(geraet) {}

    void Int(qint32 wert);
    void Double(double wert);
    void Roh(const QByteArray &bytes);  // a string given as bytes
    void Text(const QString &text);     // a string, encoded as Windows-1252
    void Schreiben(const char *daten, qint64 n);

    QIODevice &Geraet() { return m_geraet; }

private:
    QIODevice &m_geraet;
};

} // namespace kalumo
