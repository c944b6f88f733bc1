#pragma once
// A caption is stored as a one-line comma list: every line on its own,
// quoted (with doubled quotes inside) when it holds a blank, a control
// character, a double quote or a comma. A single empty line is stored as "".

#include <QString>

namespace kalumo {

QString BeschriftungKodieren(const QString &caption);
QString BeschriftungDekodieren(const QString &gespeichert);

} // namespace kalumo
