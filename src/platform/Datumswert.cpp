#include "platform/Datumswert.h"

#include <cmath>

namespace kalumo {

namespace {

constexpr qint64 kMsProTag = 86400000;

QDate nullpunkt()
{
    return QDate(1899, 12, 30);
}

} // namespace

double DatumswertAus(const QDateTime &zeit)
{
    if (!zeit.isValid())
        return 0.0;
    const qint64 tage = nullpunkt().daysTo(zeit.date());
    const double bruch = double(zeit.time().msecsSinceStartOfDay()) / double(kMsProTag);
    // before the zero point the day counts backwards, its time forwards
    return tage >= 0 ? double(tage) + bruch : double(tage) - bruch;
}

QDateTime DatumswertZuZeit(double wert)
{
    // 1 January 100 to 31 December 9999
    if (!std::isfinite(wert) || wert < -657434.0 || wert >= 2958466.0)
        return {};
    const double ganz = std::trunc(wert);
    qint64 ms = std::llround(std::fabs(wert - ganz) * double(kMsProTag));
    qint64 tage = qint64(ganz);
    if (ms >= kMsProTag) {   // rounded up to the next midnight
        ms = 0;
        tage += wert >= 0 ? 1 : -1;
    }
    return QDateTime(nullpunkt().addDays(tage), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

double DatumswertJetzt()
{
    return DatumswertAus(QDateTime::currentDateTime());
}

} // namespace kalumo
