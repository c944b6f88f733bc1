#include "document/Schriftfaktoren.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>

#include <cmath>
#include <utility>

namespace kalumo {

namespace {

// (ascent + descent) / em of common fonts, divided by Arial's 1.117.
// Names are compared exactly, as the old program did.
constexpr std::pair<const char16_t *, double> kFaktoren[] = {
    {u"Arial", 1.0},
    {u"Arial Black", 1.2632},
    {u"Arial Narrow", 1.0134},
    {u"Batang", 0.8953},
    {u"Calibri", 1.0931},
    {u"Cambria Math", 4.9955},
    {u"Cambria", 1.0480},
    {u"Comic Sans MS", 1.2435},
    {u"Courier New", 1.0143},
    {u"Georgia", 1.0170},
    {u"Tahoma", 1.0806},
    {u"Times New Roman", 0.9911},
    {u"Trebuchet MS", 1.0394},
    {u"Verdana", 1.0877},
    {u"Segoe UI", 1.1907},
    {u"Liberation Sans", 1.0},
    {u"Liberation Serif", 0.9911},
    {u"Liberation Mono", 1.0143},
    {u"DejaVu Sans", 1.0421},
};

} // namespace

double GemessenerSchriftHoehenFaktor(const QString &schriftart)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return 0.0;
    QFont f(schriftart);
    f.setPixelSize(1000);
    const QFontMetricsF m(f);
    return m.height() / 1117.0;
}

double SchriftHoehenFaktor(const QString &schriftart)
{
    for (const auto &[name, faktor] : kFaktoren)
        if (schriftart == QStringView(name))
            return faktor;
    const double gemessen = GemessenerSchriftHoehenFaktor(schriftart);
    return gemessen > 0.0 ? gemessen : 1.0;
}

int AltesFsizeUmrechnen(int altesFsize, double faktor)
{
    // halves go to the even neighbour
    return int(std::nearbyint(((2.0 * altesFsize + 22.0) * faktor - 22.0) / 2.0));
}

} // namespace kalumo
