#include "platform/Meldungen.h"

#include <cstdio>

namespace kalumo {

QString MeldungTitel(MeldungArt art)
{
    switch (art) {
    case MeldungArt::Information: return QStringLiteral("Information");
    case MeldungArt::Frage: return QStringLiteral("Bestätigung");
    case MeldungArt::Warnung: return QStringLiteral("Warnung");
    case MeldungArt::Fehler: return QStringLiteral("Fehler");
    }
    return {};
}

void SkriptMeldungen::Information(const QString &text) { m_gezeigt.push_back({MeldungArt::Information, text}); }
void SkriptMeldungen::Warnung(const QString &text) { m_gezeigt.push_back({MeldungArt::Warnung, text}); }
void SkriptMeldungen::Fehler(const QString &text) { m_gezeigt.push_back({MeldungArt::Fehler, text}); }

Antwort SkriptMeldungen::Frage(const QString &text, FrageKnoepfe)
{
    m_gezeigt.push_back({MeldungArt::Frage, text});
    if (m_antworten.empty())
        return Antwort::Nein;
    Antwort a = m_antworten.front();
    m_antworten.pop_front();
    return a;
}

QStringList SkriptMeldungen::Texte() const
{
    QStringList l;
    for (const auto &m : m_gezeigt)
        l << m.Text;
    return l;
}

QString StderrMeldungen::Einzeilig(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String(" "));
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    t.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return t;
}

static void zeile(const QString &text)
{
    const QByteArray b = StderrMeldungen::Einzeilig(text).toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stderr);
    std::fputc('\n', stderr);
}

void StderrMeldungen::Information(const QString &text) { zeile(text); }
void StderrMeldungen::Warnung(const QString &text) { zeile(text); }
void StderrMeldungen::Fehler(const QString &text) { zeile(text); }
Antwort StderrMeldungen::Frage(const QString &text, FrageKnoepfe)
{
    zeile(text);
    return Antwort::Nein;
}

} // namespace kalumo
