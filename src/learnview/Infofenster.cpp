#include "learnview/Infofenster.h"

#include "platform/Meldungen.h"
#include "platform/Passwortabfrage.h"

#include <algorithm>

namespace kalumo {

bool PunktPasswortPruefen(const QString &passwort, Passwortabfrage &abfrage, Meldungen &meldungen)
{
    if (passwort.isEmpty())
        return true;
    const std::optional<QString> eingabe =
        abfrage.Fragen(QString::fromUtf8(kPasswortTitel), QString::fromUtf8(kPasswortText));
    if (!eingabe)
        return false;
    if (*eingabe != passwort) {
        meldungen.Fehler(QStringLiteral("Das Passwort ist falsch."));
        return false;
    }
    return true;
}

QImage InfotextRaster(const QString &text, int breite, const Textsetzer &setzer)
{
    breite = std::clamp(breite, 1, 8000);
    QImage raster(breite, kInfotextStartHoehe, QImage::Format_ARGB32_Premultiplied);
    raster.fill(Qt::white);
    int benoetigt = setzer(raster, text);
    if (benoetigt > raster.height()) {
        raster = QImage(breite, std::min(benoetigt, kInfotextMaxHoehe), QImage::Format_ARGB32_Premultiplied);
        raster.fill(Qt::white);
        benoetigt = setzer(raster, text);
    }
    return raster.copy(0, 0, breite, std::clamp(benoetigt, 1, raster.height()));
}

QRect InfofensterLage(const QRect &haupt, int fensterBreite, int rasterHoehe, int zusatz)
{
    const int hoehe = std::min(rasterHoehe + zusatz, 566);
    return {haupt.right() - 6 - fensterBreite + 1, haupt.top() + 6, fensterBreite, hoehe};
}

QRect AufDemBildschirm(QRect rahmen, const QRect &bildschirm)
{
    if (bildschirm.isEmpty())
        return rahmen;
    if (rahmen.right() > bildschirm.right())
        rahmen.moveRight(bildschirm.right());
    if (rahmen.bottom() > bildschirm.bottom())
        rahmen.moveBottom(bildschirm.bottom());
    if (rahmen.left() < bildschirm.left())
        rahmen.moveLeft(bildschirm.left());
    if (rahmen.top() < bildschirm.top())
        rahmen.moveTop(bildschirm.top());
    return rahmen;
}

} // namespace kalumo
