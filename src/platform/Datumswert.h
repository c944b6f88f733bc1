#pragma once
// Dates with times as the program's files keep them: a double counting days
// since 30 December 1899, midnight, local time; the fraction is the time of
// day (for days before that date the fraction still counts forwards from
// midnight, as in the files of the program's earlier versions).

#include <QDateTime>

namespace kalumo {

double DatumswertAus(const QDateTime &zeit);

// An invalid QDateTime for a value that is no day between the years 100 and 9999.
QDateTime DatumswertZuZeit(double wert);

// The current local time as such a value.
double DatumswertJetzt();

} // namespace kalumo
