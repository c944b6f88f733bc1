#pragma once
// The text flow: sets one paragraph of marked-up text into a raster or a
// worksheet canvas. It wraps at the right edge, switches bold, italic and
// underline, draws rules, tabs and right-aligned fields, and turns the gaps
// "<<...>>" of cloze texts and the tokens "<<...>>" / "[[...]]" of find-words
// texts into objects (or moves the objects that exist).
//
// Markup, checked in this order at every position (tags without regard to
// case): <B> </B> <I> </I> <U> </U>, "<<" (not in fmPlain), "[[" (fmFindWords),
// ">>", "]]", <@COL=rrggbb> and </@COL> (removed), <@LINIE> (rule to the
// right page edge), <@POSX=nn%> (tab to nn % of the page width), <@REB=nn>
// (the next nn characters right-aligned in a field nn digits wide).

#include "document/DokumentModell.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include <cstdint>
#include <memory>
#include <unordered_map>

class QPainter;

namespace kalumo {

enum FlowMode : int {
    fmPlain = 0,       // info texts: style tags only
    fmWorksheet = 1,   // worksheet: black answer lines
    fmAnswers = 2,     // answer overlay: red answers only
    fmSolution = 3,    // solution sheet: lines and red answers
    fmFindWords = 77,  // find-words page: tokens of kind 70 and 71
    fmCloze = 99,      // cloze page: gaps of kind 3
};

class Zeichenmasse;

// What the text flow needs of its caller besides the call arguments, and the
// state that lives longer than one paragraph (the running object index).
struct TextFlowUmgebung
{
    TextFlowUmgebung();
    ~TextFlowUmgebung();
    TextFlowUmgebung(const TextFlowUmgebung &) = delete;
    TextFlowUmgebung &operator=(const TextFlowUmgebung &) = delete;

    Dokument *Dok = nullptr;             // objects and header; may be null for plain texts
    QString Schriftart = QStringLiteral("Arial");
    bool Ebene1Check = true;             // " Texte && Bilder "
    bool UebungLaeuft = false;
    int Kastengroesse = 100;             // worksheet box size in percent (30..200)
    int Objektindex = 0;                 // running index of re-layout; reset before a text
    int Reserve = 10;                    // kept free at the right edge for ordinary text
    bool OhneVorlauf = false;            // no lead-in above the first line (card captions)
    int Grundstil = 0;                   // style bits every paragraph starts with (card captions)

    // Set by every call: the largest x reached (pixels of the canvas).
    double GroessteX = 0;

    Zeichenmasse &Masse(const QFont &schrift);

private:
    std::unordered_map<std::uint64_t, std::unique_ptr<Zeichenmasse>> m_masse;
};

// Sets one paragraph and returns the y of the line below it.
//   seitenBreite, seitenHoehe  turn object positions into page fractions; the
//                              tab and the rule refer to seitenBreite
//   rechterRand                the usable right edge is seitenBreite - rechterRand
//   nurMessen                  nothing is drawn; positions advance and objects move
//   erzeugen                   gaps and tokens create objects instead of moving them
//   schriftHoehe               character height in pixels (0: not set; negative
//                              values count as their amount)
//   schriftGroesse             size in points at 96 dpi (0: not set)
int TextFlow(TextFlowUmgebung &form, QPainter *canvas, int seitenBreite, int rechterRand, bool nurMessen,
             const QColor &farbe, bool erzeugen, int flowMode, int schriftHoehe, int schriftGroesse,
             const QString &absatz, int y, int links, int seitenHoehe);

// The text without <b> </b> <i> </i> <u> </u>, matched without regard to case.
QString StripStyleTags(const QString &text);
// The gap text up to its first "|" (all of it when there is none).
QString FirstAlternative(const QString &lueckentext);
// An info text as the info-point window sets it: its lines one after the
// other in fmPlain, black, 14 points, from y = 0 at the left edge of the
// raster, whose width is the line width. Returns the height needed,
// which may exceed the raster.
int InfotextSetzen(QImage &raster, const QString &text, const QString &schriftart = QStringLiteral("Arial"));
// Whether a caption holds a tag of the plain flow (styles, colours, rule, tab, field).
bool HatAuszeichnung(const QString &text);

// Character widths of one font, kept while a text is set.
class Zeichenmasse
{
public:
    explicit Zeichenmasse(const QFont &schrift);
    double Breite(QChar c);
    double Breite(QStringView text);
    int Hoehe() const { return m_hoehe; }
    int Oberlaenge() const { return m_oberlaenge; }
    const QFont &Schrift() const { return m_schrift; }

private:
    QFont m_schrift;
    double m_latin[256];
    std::unordered_map<char16_t, double> m_rest;
    int m_hoehe = 0;
    int m_oberlaenge = 0;
};

} // namespace kalumo
