#include "platform/IniDatei.h"

#include "platform/Windows1252.h"

#include <QFile>
#include <QStringDecoder>

#include <cmath>
#include <limits>
#include <optional>

namespace kalumo {

namespace {

// Keeps a config.ini that is not one from growing without bound in memory.
constexpr qint64 kGroessteDatei = 4 * 1024 * 1024;

QString dekodieren(const QByteArray &bytes)
{
    QByteArray b = bytes;
    if (b.startsWith("\xEF\xBB\xBF"))
        b.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(b);
    if (!utf8.hasError())
        return text;
    return AusWindows1252(b);
}

QString ohneAnfuehrungszeichen(const QString &wert)
{
    if (wert.size() >= 2) {
        const QChar a = wert.front();
        if ((a == u'"' || a == u'\'') && wert.back() == a)
            return wert.mid(1, wert.size() - 2);
    }
    return wert;
}

std::optional<qlonglong> ganzeZahl(const QString &text)
{
    bool ok = false;
    qlonglong zahl = text.toLongLong(&ok, 10);
    if (!ok && text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        zahl = text.mid(2).toLongLong(&ok, 16);
    else if (!ok && text.startsWith(u'$'))
        zahl = text.mid(1).toLongLong(&ok, 16);
    return ok ? std::optional<qlonglong>(zahl) : std::nullopt;
}

} // namespace

IniDatei IniDatei::Laden(const QString &pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    IniDatei ini = AusBytes(f.read(kGroessteDatei));
    ini.m_vorhanden = true;
    return ini;
}

IniDatei IniDatei::AusBytes(const QByteArray &bytes)
{
    IniDatei ini;
    ini.m_vorhanden = true;
    std::map<QString, QString> *sektion = nullptr;
    const QString text = dekodieren(bytes);
    for (QStringView zeile : QStringView(text).split(u'\n')) {
        zeile = zeile.trimmed();
        if (zeile.isEmpty() || zeile.front() == u';' || zeile.front() == u'#')
            continue;
        if (zeile.front() == u'[') {
            const qsizetype ende = zeile.indexOf(u']');
            if (ende < 0) {
                sektion = nullptr;
                continue;
            }
            sektion = &ini.m_sektionen[zeile.mid(1, ende - 1).trimmed().toString().toLower()];
            continue;
        }
        const qsizetype gleich = zeile.indexOf(u'=');
        if (!sektion || gleich <= 0)
            continue;
        const QString name = zeile.left(gleich).trimmed().toString().toLower();
        if (name.isEmpty())
            continue;
        sektion->try_emplace(name, ohneAnfuehrungszeichen(zeile.mid(gleich + 1).trimmed().toString()));
    }
    return ini;
}

bool IniDatei::hatSektion(const QString &sektion) const
{
    return m_sektionen.count(sektion.toLower()) > 0;
}

const QString *IniDatei::suchen(const QString &sektion, const QString &schluessel) const
{
    const auto s = m_sektionen.find(sektion.toLower());
    if (s == m_sektionen.end())
        return nullptr;
    const auto k = s->second.find(schluessel.toLower());
    return k == s->second.end() ? nullptr : &k->second;
}

bool IniDatei::hat(const QString &sektion, const QString &schluessel) const
{
    return suchen(sektion, schluessel) != nullptr;
}

QString IniDatei::Text(const QString &sektion, const QString &schluessel, const QString &vorgabe) const
{
    const QString *w = suchen(sektion, schluessel);
    return w ? *w : vorgabe;
}

int IniDatei::Int(const QString &sektion, const QString &schluessel, int vorgabe) const
{
    const QString *w = suchen(sektion, schluessel);
    const auto zahl = w ? ganzeZahl(*w) : std::nullopt;
    if (!zahl || *zahl < std::numeric_limits<int>::min() || *zahl > std::numeric_limits<int>::max())
        return vorgabe;
    return int(*zahl);
}

bool IniDatei::Bool(const QString &sektion, const QString &schluessel, bool vorgabe) const
{
    const QString *w = suchen(sektion, schluessel);
    if (!w)
        return vorgabe;
    if (w->compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (w->compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    const auto zahl = ganzeZahl(*w);
    return zahl ? *zahl != 0 : vorgabe;
}

double IniDatei::Double(const QString &sektion, const QString &schluessel, double vorgabe) const
{
    const QString *w = suchen(sektion, schluessel);
    if (!w)
        return vorgabe;
    QString t = *w;
    if (!t.contains(u'.'))
        t.replace(u',', u'.');
    bool ok = false;
    const double zahl = t.toDouble(&ok);
    return ok && std::isfinite(zahl) ? zahl : vorgabe;
}

} // namespace kalumo
