#pragma once
// The interactive elements of an exercise run, as the exercise panel shows
// them: cards to drag or click, input fields, tick boxes, the "Weiter"
// button and the transparent hit areas of cross matching. Positions are
// pixels of the exercise panel; its left part shows the learning view 1:1,
// so a point left of BildBreite is a view pixel too.

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

#include <vector>

namespace kalumo {

enum class ElementArt {
    Karte,          // text or image card, answer card
    Eingabefeld,    // single-line input of text input
    Ankreuzfeld,    // multiple-choice tick box
    Weiter,         // the check button "Weiter"
    Kreuzflaeche,   // cross matching: a transparent hit area over an element
};

// Colours and sizes the panel draws with.
namespace elementfarbe {
inline const QColor Karte(255, 243, 144);
inline const QColor Kartentext(33, 33, 31);
inline const QColor Richtig(155, 255, 143);
inline const QColor Falsch(255, 150, 143);
inline const QColor KreuzMarkiert(255, 192, 0);
inline const QColor Feld(238, 238, 255);
inline const QColor Feldtext(0, 0, 255);
inline const QColor Feldhinweis(128, 128, 128);
inline const QColor Trennbalken(225, 225, 217);
inline const QColor RueckmeldungRichtig(0, 128, 0);
inline const QColor RueckmeldungFalsch(255, 0, 0);
} // namespace elementfarbe

inline constexpr int kKartenBreite = 180;
inline constexpr int kKartenHoehe = 46;
inline constexpr int kKartenspalte = 185;   // the card column and the bar left of it
inline constexpr int kFeldMaxLaenge = 255;

struct UebElement
{
    ElementArt Art = ElementArt::Karte;
    int Kennung = 0;           // unique within the run
    int Nummer = 0;            // the number of its name "UebElemPan<n>"
    int Objekt = -1;           // the document object it stands for
    QRect Rechteck;            // panel pixels
    bool Sichtbar = true;
    QString Text;              // what it shows; a tick box: Cap + "-" or "+", the second character ticked
    bool MitBild = false;      // an image card: the object's image, scaled to fit, no text
    QColor Flaeche = elementfarbe::Karte;
    QColor Textfarbe = elementfarbe::Kartentext;
    int Schrifthoehe = 0;      // input fields: pixel height of their font
    bool Hinweis = false;      // an input field shows the grey "<n>" hint
    QPoint Ursprung;           // where a dragged card came from (top-left)
    int Platz = -1;            // cross matching: its list position; single questions: its slot 0..5
    int Stapel = 0;            // stacking: higher is drawn later and hit first

    QString Name() const { return QStringLiteral("UebElemPan") + QString::number(Nummer); }
    bool Angekreuzt() const { return Art == ElementArt::Ankreuzfeld && Text.size() >= 2 && Text[1] == u'+'; }
};

// The name of an element kind in "kalumo-tool exercise".
const char *ElementArtName(ElementArt art);

} // namespace kalumo
