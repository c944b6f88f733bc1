#pragma once
// Shared by the files that draw a sheet: the state of one drawing and the
// helpers for text at a top-left point, lines and frames in page units.

#include "learnview/TextFlow.h"
#include "worksheet/Arbeitsblatt.h"

#include <QFont>
#include <QPainter>

#include <functional>

namespace kalumo {

struct Arbeitsblattzeichner::Intern
{
    explicit Intern(Dokument &dok, const ArbeitsblattQuelle &q);

    Lernansicht Ansicht;      // lays the page out and renders the objects
    QSize Raster;             // size of the page bitmaps
    bool Aufgebaut = false;   // Ansicht holds the page
    QImage Lernbild;          // the view's picture (given or laid out here)

    // the last body bitmap and what it was made for
    QString BildSchluessel;
    QImage KoerperBild;

    void Aufbauen();
};

namespace blatt {

// The state of one drawing.
struct Blatt
{
    Blatt(QPainter &p, Zeichenaufnahme &g, ArbeitsblattOptionen &o, Arbeitsblattzeichner::Intern &i, Dokument &d,
          const ArbeitsblattQuelle &q)
        : P(p), Geraet(g), O(o), I(i), Dok(d), Q(q)
    {
    }

    QPainter &P;
    Zeichenaufnahme &Geraet;
    ArbeitsblattOptionen &O;
    Arbeitsblattzeichner::Intern &I;
    Dokument &Dok;
    const ArbeitsblattQuelle &Q;
    double W = 1000, H = 1625;
    bool Rahmen = true;       // logo, header, task, frames, base image, boxes, fixed content
    bool Antworten = false;   // answers
    bool Ausschneiden = false;
    double Y = 0;             // running position
    double Hx = 0;            // height of "X" in the font last set
    double Unten = 1625;      // B: the lowest point of the body
    QFont Aktuell;

    int Typ() const { return Dok.Kopf.DokTyp; }
    RenderPurpose Zweck() const;
    int Flussmodus() const;

    // Font "Arial" of this character height; sets Hx.
    void Schrift(int hoehe, bool fett = false);
    double Breite(const QString &text) const;
    // Text with its top-left corner at (x, y); ausrichtung 0 left, 1 centred on x, 2 right-aligned at x.
    void Text(double x, double y, const QString &text, int ausrichtung = 0, const QColor &farbe = Qt::black);
    void Linie(double x1, double y1, double x2, double y2, const QColor &farbe = Qt::black, double dicke = 1);
    void Rahmenlinie(const QRectF &r);
    void Teil(Blattteil t) { Geraet.TeilSetzen(t); }

    // A text-flow environment for the document.
    void Umgebung(TextFlowUmgebung &form) const;
    // One paragraph through the text flow; returns its end.
    int Fluss(TextFlowUmgebung &form, bool zeichnen, const QColor &farbe, int modus, int hoehe, const QString &absatz,
              double y, double links, double rechts);
};

// The bodies by document type (ArbeitsblattKoerper.cpp).
void BildseitenKoerper(Blatt &b);
void TextseitenKoerper(Blatt &b);
void FragenKoerper(Blatt &b);
void MultipleChoiceKoerper(Blatt &b);
void ClusterKoerper(Blatt &b);

// The page bitmap a body starts from, with the objects rendered onto it
// (Arbeitsblatt.cpp).
enum class Startbild { Weiss, Hintergrund, Lernbild };
// durchgang tells for every object whether it is drawn in the first pass
// (0), the second (1) or not at all (-1); schluessel names what the bitmap
// depends on besides the variant, so that a redraw can reuse it.
QImage Seitenbild(Blatt &b, Startbild start, const std::function<int(const ObjDataTyp &)> &durchgang,
                  const QString &schluessel);

// Places a page bitmap as the picture part of text and cluster pages;
// returns its rectangle on the sheet (uncut).
QRectF BildteilSetzen(Blatt &b, const QImage &bild, QRectF *sichtbar = nullptr);

// The lines of a text with trailing blanks removed.
QStringList Absaetze(const QString &text);

} // namespace blatt
} // namespace kalumo
