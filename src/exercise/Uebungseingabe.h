#pragma once
// The exercise as an input engine: everything a picture widget forwards
// while a run takes the picture area over. A press, a move, a release, the
// mouse leaving, a key with the text it types, and the 100 ms clock reading
// arrive here; the answer says whether to repaint, which info point or link
// to open and whether the run is over. Ueberzeichnen paints what the run
// shows over the learning view's ViewBitmap (bar, instruction line,
// feedback, the elements, the selection frame and the focus).
//
// Points are panel pixels whose origin is the top-left corner of ViewBitmap:
// the card column lies right of the picture (x >= BildBreite), so a widget
// forwards points outside the picture too.
//
// The input fields of text input are elements of the engine, not widgets: a
// click gives a field the focus, the keys type into it (its text and the
// caret at its end), Backspace deletes the last character, Tab and Enter
// move on. Everything else (dragging, ticking, clicking, the keyboard
// drag of Tab/arrows/Enter, Space, Escape) is Uebung's own input.

#include "exercise/Uebung.h"

#include <QPoint>
#include <QString>

class QPainter;

namespace kalumo {

// The answer to one input event.
struct UebEingabeAntwort
{
    bool Neuzeichnen = false;   // the view or what the run draws over it changed
    int Aktivieren = -1;        // info point or link a click asks to open
    bool Verbraucht = false;    // the key was used: the window does nothing more with it
    bool LaufEnde = false;      // the run has returned to the learning view
};

class UebungsEingabe
{
public:
    explicit UebungsEingabe(Uebung &uebung) : m_u(uebung) {}

    UebEingabeAntwort MausDruck(QPoint p, Maustaste taste);
    UebEingabeAntwort MausBewegung(QPoint p, bool linksGedrueckt, bool rechtsGedrueckt);
    UebEingabeAntwort MausLos(QPoint p, Maustaste taste);
    UebEingabeAntwort MausWeg();
    // taste: a Qt::Key; zusatz: Qt::KeyboardModifiers as int; text: what the key types.
    UebEingabeAntwort Taste(int taste, int zusatz, const QString &text);
    // The clock: the reading is the run's own millisecond source; Takt ticks it.
    UebEingabeAntwort Takt();
    Zeigerform ZeigerFuer(QPoint p) const { return m_u.ZeigerFuer(p); }
    // Paints over ViewBitmap (the painter's origin at its top-left corner).
    void Ueberzeichnen(QPainter &p) const;

    Uebung &Lauf() { return m_u; }

private:
    // Collects what changed during one call.
    UebEingabeAntwort Antwort(bool verbraucht, bool liefVorher);
    bool Tippen(int taste, const QString &text);

    Uebung &m_u;
};

} // namespace kalumo
