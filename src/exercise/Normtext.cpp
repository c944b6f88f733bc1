#include "exercise/Normtext.h"

namespace kalumo {

namespace {

// Every occurrence of von replaced by nach in one left-to-right pass.
QString EinDurchgang(const QString &text, const QString &von, const QString &nach)
{
    QString aus = text;
    aus.replace(von, nach);
    return aus;
}

bool IstKleinbuchstabe(QChar c)
{
    return c != c.toUpper();
}

} // namespace

QString normText(const QString &text)
{
    // 1. words broken at the line end
    QString t;
    t.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'-' && i + 2 < text.size() && text[i + 1] == u'\r' && text[i + 2] == u'\n') {
            const bool klein = i + 3 < text.size() && IstKleinbuchstabe(text[i + 3]);
            if (!klein)
                t += u'-';
            i += 2;
            continue;
        }
        t += text[i];
    }
    // 2. line breaks to blanks, blank runs shortened
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    t.replace(QLatin1Char('\r'), QLatin1Char(' '));
    t = EinDurchgang(t, QStringLiteral("   "), QStringLiteral(" "));
    t = EinDurchgang(t, QStringLiteral("  "), QStringLiteral(" "));
    // 3. control characters and blanks at both ends
    qsizetype a = 0, e = t.size();
    while (a < e && t[a].unicode() <= 0x20)
        ++a;
    while (e > a && t[e - 1].unicode() <= 0x20)
        --e;
    t = t.mid(a, e - a);
    // 4.
    if (!t.isEmpty() && t[0].unicode() == 0xFF)
        t.prepend(QLatin1Char(' '));
    return t;
}

} // namespace kalumo
