#pragma once
// Height factors of fonts, relative to Arial: the line height of a font
// at a character height of 1000 pixels divided by Arial's 1117. Old documents
// stored the size of image captions in a unit that depended on the font.

#include <QString>

namespace kalumo {

// The factor from the table, or measured with the installed font when the
// name is not in it (1.0 without a running GUI application).
double SchriftHoehenFaktor(const QString &schriftart);

// The factor measured with Qt's font metrics; 0 when it cannot be measured.
double GemessenerSchriftHoehenFaktor(const QString &schriftart);

// New Fsize of an image object of a file older than 2.17.
int AltesFsizeUmrechnen(int altesFsize, double faktor);

} // namespace kalumo
