#pragma once
// Readable failures for Qt strings in EXPECT_EQ (UTF-8 text instead of bytes).

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList &l, std::ostream *os)
{
    *os << "[\"" << l.join(QLatin1String("\", \"")).toStdString() << "\"]";
}
QT_END_NAMESPACE
