#pragma once
// Printing a table ("Tabelle drucken"): rows of text cells with column
// widths given in screen pixels (96 dpi), drawn onto the pages of a printer
// or PDF writer. The first row is the header: bold on grey, repeated at the
// top of every page. A table wider than the page is scaled to fit.

#include <QString>
#include <QStringList>

#include <vector>

class QPagedPaintDevice;

namespace kalumo {

struct DruckTabelle
{
    QString Titel;                    // above the table on the first page; may be empty
    std::vector<QStringList> Zeilen;  // the header first
    std::vector<int> Breiten;         // per column, pixels at 96 dpi
    std::vector<bool> Rechts;         // right-aligned columns
    int ZeilenHoehe = 19;             // pixels at 96 dpi
};

// Draws the table; returns the number of pages, 0 when nothing could be drawn.
int TabelleDrucken(QPagedPaintDevice &geraet, const DruckTabelle &tabelle);

} // namespace kalumo
