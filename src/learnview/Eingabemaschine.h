#pragma once
// Input engines: what the picture area (LernKartPicImg) forwards its mouse
// and keys to. Exactly one engine is current: the learning view's
// Interaktion, while an exercise runs the exercise's input (cards, fields),
// while the sliding puzzle runs the puzzle's. The session (app/Sitzung)
// says which one; the picture widget only forwards and repaints.
//
// Points are ViewBitmap pixels (0, 0 is the picture's top-left corner,
// wherever the widget centres it). An engine changes the view's rasters or
// its own state and says so in its answer; it never touches a widget. After
// every event the window asks for the pointer shape, and when it paints it
// draws ViewBitmap and then what the engine draws over it (Ueberzeichnen):
// a selection, a card being dragged, a puzzle board.

#include <QPoint>
#include <QString>

class QPainter;

namespace kalumo {

enum class Maustaste { Links, Rechts, Mitte };

// The pointer shape the view should show.
enum class Zeigerform { Standard, Handpunkt, Hand, Stift, Marker, Radierer, Stempel, Kreuz, Text, Fadenkreuz };

// The answer to one input event.
struct Eingabereaktion
{
    bool Neuzeichnen = false;    // ViewBitmap or what is drawn over it changed
    int Aktivieren = -1;         // info point or link to open (ObjektAktivieren)
    bool TextfeldOeffnen = false; // the text tool asks for its one-line field
    QPoint Textposition;         // where the click of the text tool was
    bool Verbraucht = false;     // the key was handled: the window does nothing more with it
    bool LaufEnde = false;       // the engine's run is over: back to the learning view
};

class Eingabemaschine
{
public:
    virtual ~Eingabemaschine() = default;

    virtual Eingabereaktion MausDruck(QPoint p, Maustaste taste) = 0;
    virtual Eingabereaktion MausBewegung(QPoint p, bool linksGedrueckt, bool rechtsGedrueckt) = 0;
    virtual Eingabereaktion MausLos(QPoint p, Maustaste taste) = 0;
    // The mouse left the picture area.
    virtual Eingabereaktion MausWeg() { return {}; }
    // A key while the picture area has the focus: taste is a Qt::Key, zusatz
    // the Qt::KeyboardModifiers as int, text what the key types (may be empty).
    virtual Eingabereaktion Taste(int taste, int zusatz, const QString &text)
    {
        Q_UNUSED(taste) Q_UNUSED(zusatz) Q_UNUSED(text) return {};
    }
    virtual Zeigerform ZeigerFuer(QPoint p) const = 0;
    // Paints over ViewBitmap; the painter's origin is the picture's top-left corner.
    virtual void Ueberzeichnen(QPainter &p) const { Q_UNUSED(p) }
};

} // namespace kalumo
