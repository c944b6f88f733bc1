#pragma once
// A caption is stored as a one-line comma list: every line on its own,
// quoted (with doubled quotes inside) when it holds a blank, a control
// character, a double quote or a comma. A single empty line is stored as "".

#include <QString>
#include <QStringList>

namespace kalumo {

QString BeschriftungKodieren(const QString &caption);
QString BeschriftungDekodieren(const QString &gespeichert);

// The items of a stored comma list, in order; a comma at the very end
// stands before one more, empty item.
QStringList BeschriftungEintraege(const QString &gespeichert);

} // namespace kalumo
