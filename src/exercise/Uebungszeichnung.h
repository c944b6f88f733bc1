#pragma once
// The exercise panel drawn without a window: the learning view's ViewBitmap
// at the left (1:1), the bar of 3 pixels right of it, the instruction line,
// the feedback label or the tick statistics, and over it every visible
// element (cards, image cards, tick boxes, "Weiter", input fields with the
// caret of the focused one, the marked cross-matching hit area), the
// selection frame and the keyboard focus. The exercise panel widget paints
// with it, the tests and "kalumo-tool" draw pictures with it.

#include <QImage>
#include <QRect>

class QPainter;

namespace kalumo {

class Uebung;
struct Dokument;
struct UebElement;

// Colours of the marks the keyboard adds.
namespace zeichnungsfarbe {
inline const QColor Auswahlrahmen(255, 128, 0);
inline const QColor Fokus(0, 90, 200);
} // namespace zeichnungsfarbe

// The parts of the panel that are drawn.
enum UebZeichenteil : unsigned {
    zeichAnsicht = 1u << 0,      // ViewBitmap at the left
    zeichHintergrund = 1u << 1,  // bar, instruction line, feedback
    zeichElemente = 1u << 2,     // elements, selection frame, focus
    zeichAlles = 0xFFu,
};

// Paints the panel of the run into p (origin: the panel's top-left corner).
// ansicht: the learning view's ViewBitmap; ohne: an element left out (the
// window draws a gliding card itself), -1 none.
void UebungZeichnen(QPainter &p, const Uebung &uebung, const Dokument &dok, const QImage &ansicht,
                    unsigned teile = zeichAlles, int ohne = -1);

// One element as the panel shows it.
void ElementZeichnen(QPainter &p, const UebElement &e, const Dokument &dok, bool fokus);

// The panel as a picture of its size.
QImage UebungsBild(const Uebung &uebung, const Dokument &dok, const QImage &ansicht);

// The font of the instruction line (Arial 10) and of cards (Arial 11 bold)
// as pixel heights at the screen's 96 dots per inch.
inline constexpr int kAnweisungSchrifthoehe = 13;
inline constexpr int kKartenSchrifthoehe = 15;
inline constexpr int kKartenSchriftMinimum = 9;   // 7 pt
inline constexpr int kRueckmeldungOben = 100;     // feedback label: pixels from the top

} // namespace kalumo
