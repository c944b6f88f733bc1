#pragma once
// Drawing a worksheet from a document: the pupils' worksheet, the complete
// solution, the solution overlay for a transparency and the cut-out cards.
//
// The sheet is a page of 1000 x 1625 page units (1625 x 1000 in landscape)
// recorded as a Zeichenliste. From the top: logo, header fields, title,
// task, the answer bank, the body by document type, and the footer.
// Variants 0 to 2 compute the same layout and differ only in what they
// draw, so that the overlay matches the worksheet position for position.

#include "document/DokumentModell.h"
#include "learnview/Lernansicht.h"
#include "worksheet/ArbeitsblattOptionen.h"
#include "worksheet/Zeichenliste.h"

#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

namespace kalumo {

// The page of a sheet in page units.
QSizeF Blattgroesse(bool querformat);

// What a sheet is drawn from besides the document and the options.
struct ArbeitsblattQuelle
{
    QString Schriftart = QStringLiteral("Arial");   // the document font
    // The learning view's current picture with its drawings; a null image
    // lets the generator lay the page out itself.
    QImage Lernbild;
    std::array<bool, 4> Ebenen{true, true, true, true}; // layer check boxes of the view
    // Shuffles the picture answers of the bank, once for all drawings.
    std::uint32_t Saat = 1;
};

// The learning view's picture with the strokes of the drawing tools that
// are still only in the view.
QImage AktuellesLernbild(const Lernansicht &ansicht);

class Arbeitsblattzeichner
{
public:
    // Keeps a copy of the document: drawing never changes the caller's.
    Arbeitsblattzeichner(const Dokument &dok, ArbeitsblattQuelle quelle);
    ~Arbeitsblattzeichner();
    Arbeitsblattzeichner(const Arbeitsblattzeichner &) = delete;
    Arbeitsblattzeichner &operator=(const Arbeitsblattzeichner &) = delete;

    // Draws the whole sheet. After a change of orientation it computes the
    // picture size of text pages anew (and writes it into o); it clears
    // o.OrientierungGeaendert.
    Zeichenliste DrawSheet(ArbeitsblattOptionen &o);

    const Dokument &Dok() const { return m_dok; }
    // The size of the page raster the bodies of picture pages are drawn in.
    QSize Seitenraster();

    struct Intern;

private:
    Dokument m_dok;
    ArbeitsblattQuelle m_quelle;
    std::unique_ptr<Intern> m_intern;
};

// Before the sheet of a cross-matching document is drawn (and after it): the
// page is laid out anew, so that every element stands in its row; with
// mischen the query elements are then permuted vertically with the seed,
// as before an exercise run.
void KreuzzuordnungVorbereiten(Dokument &dok, const QString &schriftart, bool mischen, std::uint32_t saat);

// One call for tools and tests: the sheet of dok with the options o.
Zeichenliste ArbeitsblattZeichnen(const Dokument &dok, ArbeitsblattOptionen o,
                                  const ArbeitsblattQuelle &quelle = {});

// The answer texts of a document's answer bank in bank order (for tests
// and tools); bilder receives the number of picture answers.
QStringList Antworttexte(const Dokument &dok, const ArbeitsblattOptionen &o, int *bilder = nullptr);

// A caption on one line, as answers are compared: a hyphen at a line end
// before a lower-case letter joins the word, line breaks become blanks,
// runs of blanks shrink to one, leading and trailing blanks go.
QString EinzeiligerText(const QString &text);

// The pre-filled answer of "ersten Buchstaben voreintragen": a blank, the
// first character, then on average 1.9375 blanks for every further
// character; line breaks are kept.
QString ErsterBuchstabeVorgabe(const QString &antwort);

} // namespace kalumo
