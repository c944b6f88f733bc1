#pragma once
// The layouts of the pages generated from text: cloze text (with C-test and
// wrong words), text-image table, find words and crossword. Each draws the
// parts that are not objects into PageBitmap and, with neuAufbauen, deletes
// the objects of its kinds and creates them anew; without it, it only moves
// the existing gaps, tokens and table cells, so cover states and numbers
// survive zooming and resizing.

#include "learnview/FragenLayouts.h"
#include "learnview/LayoutHaken.h"
#include "learnview/Lernansicht.h"

#include <QSize>
#include <QString>

namespace kalumo {

// The layouts of one kind of page each; SeitenlayoutVon (Seitenlayouts.h)
// says which one a document gets. Each works on the view's PageBitmap and
// does nothing while there is none.
// Cloze text, C-test and their wrong-word variants.
void LayoutCloze(Lernansicht &lv, bool neuAufbauen);
// The text-image table (cloze subtype 1).
void LayoutTable(Lernansicht &lv, bool neuAufbauen);
// Find words. Its paragraphs are the lines of fragentext, or of lueckentext
// while fragentext is empty; nothing happens while lueckentext is empty.
void LayoutFindWords(Lernansicht &lv, bool neuAufbauen);
void LayoutCrossword(Lernansicht &lv, bool neuAufbauen);

// The character height of running text before shrinking: round(22 * s).
int Textgrundhoehe(const Lernansicht &lv);

// All layouts in their rebuilding mode on the view's current page (the page
// is built first when the view has none yet). The question pages of single
// questions are stored with the document; they are made here only while
// the document has none.
void TextLayoutsNeuAufbauen(Lernansicht &lv);
// The same for a document without a view of its own, e.g. after loading:
// a temporary view of the given size lays the page out. The positions are
// page fractions, so a later view of another size only moves them.
// nummerierung is the NummerierungsModus the query fields are numbered in.
void TextLayoutsNeuAufbauen(Dokument &dok, const QString &schriftart = QStringLiteral("Arial"),
                            QSize ansicht = QSize(1024, 700), int nummerierung = numFragezeichen);
// Whether the document is of a type these layouts make objects for and none
// of those objects was made by a layout yet (freshly read documents).
bool TextLayoutsFehlen(const Dokument &dok);

// The hook a Lernansicht takes to lay out its page (by the table of page
// layouts) on every rebuild and redraw, and to set marked-up captions of cards.
class TextLayouts : public LayoutHaken
{
public:
    void SeiteVorbereiten(Lernansicht &lv) override;
    void SeiteSetzen(Lernansicht &lv) override;
    void Hintergrund(Lernansicht &lv, QImage &raster) override;
    bool KartentextSetzen(QPainter &p, const ObjDataTyp &o, const QRect &r, const QFont &schrift,
                          const QColor &farbe, int tausr) override;
    bool KartentextMessen(const ObjDataTyp &o, const QFont &schrift, int breite, QSize &groesse) override;
};

// The layouts' hook shared by views that need nothing else.
TextLayouts &StandardTextLayouts();

// Sets a marked-up caption line by line into r (TAusr 0 left, 1 centred,
// 2 right); tabs and rules refer to the width of r. Returns the size used.
QSize AuszeichnungSetzen(QPainter *p, const QString &text, const QRect &r, const QFont &schrift,
                         const QColor &farbe, int tausr, bool nurMessen);

} // namespace kalumo
