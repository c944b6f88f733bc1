#include "platform/Windows1252.h"

#include <array>

namespace kalumo {

namespace {

// Unicode code points of the bytes 0x80..0x9F; the rest of the code page
// equals Latin-1.
constexpr std::array<char16_t, 32> k80bis9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char zuByte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (size_t i = 0; i < k80bis9F.size(); ++i)
        if (k80bis9F[i] == c)
            return char(0x80 + i);
    return '?';
}

} // namespace

QString AusWindows1252(const char *daten, qsizetype laenge)
{
    QString s(laenge, Qt::Uninitialized);
    QChar *ziel = s.data();
    for (qsizetype i = 0; i < laenge; ++i) {
        const unsigned char b = static_cast<unsigned char>(daten[i]);
        ziel[i] = (b >= 0x80 && b <= 0x9F) ? QChar(k80bis9F[b - 0x80]) : QChar(char16_t(b));
    }
    return s;
}

QByteArray NachWindows1252(const QString &text)
{
    QByteArray b(text.size(), Qt::Uninitialized);
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            ++i; // a character outside the basic plane becomes one '?'
            b[n++] = '?';
            continue;
        }
        b[n++] = zuByte(c);
    }
    b.truncate(n);
    return b;
}

} // namespace kalumo
