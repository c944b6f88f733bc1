#include "document/Beschriftung.h"

#include <QStringList>

namespace kalumo {

namespace {

bool istLeerzeichen(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

bool brauchtAnfuehrung(const QString &zeile)
{
    for (QChar c : zeile)
        if (c.unicode() <= 32 || c == u'"' || c == u',')
            return true;
    return false;
}

QStringList zeilen(const QString &text)
{
    QStringList l;
    qsizetype start = 0;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            l << text.mid(start, i - start);
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
            ++i;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < n)
        l << text.mid(start);
    return l;
}

} // namespace

QString BeschriftungKodieren(const QString &caption)
{
    const QStringList l = zeilen(caption);
    if (l.size() == 1 && l.first().isEmpty())
        return QStringLiteral("\"\"");
    QString aus;
    for (qsizetype i = 0; i < l.size(); ++i) {
        if (i > 0)
            aus += u',';
        const QString &z = l.at(i);
        if (brauchtAnfuehrung(z)) {
            aus += u'"';
            for (QChar c : z) {
                if (c == u'"')
                    aus += u'"';
                aus += c;
            }
            aus += u'"';
        } else {
            aus += z;
        }
    }
    return aus;
}

QStringList BeschriftungEintraege(const QString &s)
{
    QStringList eintraege;
    const qsizetype n = s.size();
    qsizetype i = 0;
    auto leerUeberspringen = [&] {
        while (i < n && istLeerzeichen(s.at(i)))
            ++i;
    };
    leerUeberspringen();
    while (i < n) {
        QString eintrag;
        if (s.at(i) == u'"') {
            ++i;
            while (i < n) {
                if (s.at(i) == u'"') {
                    if (i + 1 < n && s.at(i + 1) == u'"') {
                        eintrag += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                eintrag += s.at(i++);
            }
        } else {
            while (i < n && s.at(i).unicode() > 32 && s.at(i) != u',')
                eintrag += s.at(i++);
        }
        eintraege << eintrag;
        leerUeberspringen();
        if (i < n && s.at(i) == u',') {
            ++i;
            leerUeberspringen();
            if (i >= n)
                eintraege << QString();
        } else if (i < n && s.at(i).unicode() == 0) {
            ++i; // a stray NUL would otherwise stop nothing; skip it like a blank
        }
    }
    return eintraege;
}

QString BeschriftungDekodieren(const QString &s)
{
    QString aus;
    for (const QString &eintrag : BeschriftungEintraege(s)) {
        aus += eintrag;
        aus += QLatin1String("\r\n");
    }
    while (!aus.isEmpty() && (aus.endsWith(u'\r') || aus.endsWith(u'\n')))
        aus.chop(1);
    return aus;
}

} // namespace kalumo
