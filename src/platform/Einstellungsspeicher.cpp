#include "platform/Einstellungsspeicher.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>

#include <cmath>
#include <limits>

namespace kalumo {

namespace {

QString schluessel(const QString &name) { return name.toLower(); }

std::optional<bool> textAlsBool(const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const qlonglong zahl = t.toLongLong(&ok);
    if (ok)
        return zahl != 0;
    return std::nullopt;
}

std::optional<int> doubleAlsInt(double d)
{
    if (!std::isfinite(d) || d < double(std::numeric_limits<int>::min()) || d > double(std::numeric_limits<int>::max()))
        return std::nullopt;
    return int(std::lround(d));
}

} // namespace

bool WerteSpeicher::hat(const QString &name) const { return suchen(name) != nullptr; }

const EinstellungsWert *WerteSpeicher::suchen(const QString &name) const
{
    const auto it = m_werte.find(schluessel(name));
    return it == m_werte.end() ? nullptr : &it->second.Wert;
}

void WerteSpeicher::ablegen(const QString &name, const EinstellungsWert &wert)
{
    auto [it, neu] = m_werte.try_emplace(schluessel(name), Eintrag{name, wert});
    if (!neu)
        it->second.Wert = wert;
}

void WerteSpeicher::entfernen(const QString &name) { m_werte.erase(schluessel(name)); }

QStringList WerteSpeicher::Namen() const
{
    QStringList namen;
    for (const auto &[k, e] : m_werte)
        namen << e.Name;
    return namen;
}

std::optional<EinstellungsWert> WerteSpeicher::Wert(const QString &name) const
{
    if (const EinstellungsWert *w = suchen(name))
        return *w;
    return std::nullopt;
}

QString WerteSpeicher::AlsText(const EinstellungsWert &wert)
{
    switch (wert.index()) {
    case 0: return std::get<bool>(wert) ? QStringLiteral("true") : QStringLiteral("false");
    case 1: return QString::number(std::get<int>(wert));
    case 2: return QString::number(std::get<double>(wert), 'g', QLocale::FloatingPointShortest);
    default: return std::get<QString>(wert);
    }
}

bool WerteSpeicher::Bool(const QString &name, bool vorgabe) const
{
    const EinstellungsWert *w = suchen(name);
    if (!w)
        return vorgabe;
    switch (w->index()) {
    case 0: return std::get<bool>(*w);
    case 1: return std::get<int>(*w) != 0;
    case 2: return std::get<double>(*w) != 0.0;
    default: return textAlsBool(std::get<QString>(*w)).value_or(vorgabe);
    }
}

int WerteSpeicher::Int(const QString &name, int vorgabe) const
{
    const EinstellungsWert *w = suchen(name);
    if (!w)
        return vorgabe;
    switch (w->index()) {
    case 0: return std::get<bool>(*w) ? 1 : 0;
    case 1: return std::get<int>(*w);
    case 2: return doubleAlsInt(std::get<double>(*w)).value_or(vorgabe);
    default: {
        const QString t = std::get<QString>(*w).trimmed();
        bool ok = false;
        const int zahl = t.toInt(&ok);
        if (ok)
            return zahl;
        // a flag stored as text ("true") reads as 1, like a bool value
        if (const auto b = textAlsBool(t))
            return *b ? 1 : 0;
        return vorgabe;
    }
    }
}

double WerteSpeicher::Double(const QString &name, double vorgabe) const
{
    const EinstellungsWert *w = suchen(name);
    if (!w)
        return vorgabe;
    switch (w->index()) {
    case 0: return std::get<bool>(*w) ? 1.0 : 0.0;
    case 1: return std::get<int>(*w);
    case 2: return std::get<double>(*w);
    default: {
        bool ok = false;
        const double zahl = std::get<QString>(*w).trimmed().toDouble(&ok);
        return ok ? zahl : vorgabe;
    }
    }
}

QString WerteSpeicher::Text(const QString &name, const QString &vorgabe) const
{
    const EinstellungsWert *w = suchen(name);
    return w ? AlsText(*w) : vorgabe;
}

QString IniEinstellungsspeicher::StandardPfad()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Kalumo/Kalumo.ini");
}

IniEinstellungsspeicher::IniEinstellungsspeicher(const QString &pfad)
    : m_pfad(pfad)
{
    if (!QFileInfo(m_pfad).isFile())
        return;
    // Every value is kept as the text of the file; the typed readers convert.
    QSettings datei(m_pfad, QSettings::IniFormat);
    for (const QString &name : datei.allKeys()) {
        const QVariant v = datei.value(name);
        // an unquoted comma in a hand-edited file makes QSettings split the text
        const QString text = v.typeId() == QMetaType::QStringList ? v.toStringList().join(QLatin1String(", "))
                                                                   : v.toString();
        ablegen(name, text);
    }
}

bool IniEinstellungsspeicher::sichern()
{
    const QFileInfo info(m_pfad);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QSettings datei(m_pfad, QSettings::IniFormat);
    datei.clear();
    for (const auto &[k, e] : m_werte)
        datei.setValue(e.Name, AlsText(e.Wert));
    datei.sync();
    return datei.status() == QSettings::NoError;
}

} // namespace kalumo
