#pragma once
// A sheet recorded once as a list of vector drawing commands in page units,
// replayed into every target: the preview bitmap, a printer, PDF, SVG and
// the metafile writers.
//
// Zeichenaufnahme is a paint device: whatever a QPainter draws on it (lines,
// rectangles, polygons, paths, text, images) becomes one command of the
// list, with the pen, brush, font and transformation it was drawn with.
// Clipping is not recorded; the sheet never clips.

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QPaintDevice>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QTransform>

#include <memory>
#include <vector>

class QPainter;

namespace kalumo {

// The part of the sheet a command belongs to; tests and tools ask for it,
// the targets ignore it.
enum class Blattteil : int {
    Keiner = 0,
    Logo,
    Kopffelder,
    Titel,
    Aufgabe,
    Antwortbank,
    Koerper,
    Fusszeile,
};

// Pen, brush and transformation of one or more commands.
struct Zeichenzustand
{
    QPen Stift;
    QBrush Pinsel;
    QTransform Transformation;
    bool Kantenglaettung = false;

    bool operator==(const Zeichenzustand &o) const
    {
        return Stift == o.Stift && Pinsel == o.Pinsel && Transformation == o.Transformation
               && Kantenglaettung == o.Kantenglaettung;
    }
};

enum class Befehlsart : int {
    Linien,     // Linien
    Rechtecke,  // Rechtecke
    Ellipse,    // Rechteck
    Polygon,    // Punkte, Gerade: odd-even fill
    Polylinie,  // Punkte
    Pfad,       // Pfad
    Punkte,     // Punkte
    Text,       // Text at Position (start of the baseline) in Schrift
    Bild,       // Bild, its part Quelle stretched into Rechteck
};

struct Zeichenbefehl
{
    Befehlsart Typ = Befehlsart::Linien;
    int Zustand = 0;              // index into Zeichenliste::Zustaende
    Blattteil Teil = Blattteil::Keiner;
    QList<QLineF> Linien;
    QList<QRectF> Rechtecke;
    QPolygonF Punkte;
    bool Gerade = true;           // polygon fill rule odd-even (false: winding)
    QPainterPath Pfad;
    QRectF Rechteck;
    QRectF Quelle;
    QImage Bild;
    QString Text;
    QPointF Position;
    QFont Schrift;                // without underline and strike-out: those are recorded as lines
};

class Zeichenliste
{
public:
    QSizeF Seite{1000, 1625};     // the page in page units
    std::vector<Zeichenzustand> Zustaende;
    std::vector<Zeichenbefehl> Befehle;

    bool Leer() const { return Befehle.empty(); }

    // Replays the page into the painter's current coordinates (page units).
    void Abspielen(QPainter &p) const;
    // Replays the page stretched into ziel (coordinates of the painter).
    void Abspielen(QPainter &p, const QRectF &ziel) const;
    // The page as a bitmap of this size on white.
    QImage Bitmap(QSize groesse) const;

    // For tests and tools: the commands of one part (Keiner: all).
    std::vector<const Zeichenbefehl *> Befehlsliste(Blattteil teil = Blattteil::Keiner) const;
    std::vector<const Zeichenbefehl *> Texte(Blattteil teil = Blattteil::Keiner) const;
    // All text of the page in drawing order, one command per line.
    QString Klartext() const;
    // The colour a command was drawn with (the pen).
    QColor Farbe(const Zeichenbefehl &b) const;
    // The bounding box of a command in page units.
    QRectF Umriss(const Zeichenbefehl &b) const;
};

class Aufnahmemaschine;

// The paint device that records into a Zeichenliste. Its size is the
// list's page in whole units, 96 dots per inch.
class Zeichenaufnahme : public QPaintDevice
{
public:
    explicit Zeichenaufnahme(Zeichenliste &ziel);
    ~Zeichenaufnahme() override;

    // The part following commands belong to.
    void TeilSetzen(Blattteil teil);
    Blattteil Teil() const;

    QPaintEngine *paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metrik) const override;

private:
    Zeichenliste &m_ziel;
    std::unique_ptr<Aufnahmemaschine> m_maschine;
};

} // namespace kalumo
