#include "platform/Drucker.h"

#include <algorithm>

namespace kalumo {

QString DruckerZeile(const Drucker &d)
{
    if (!d.Vorhanden())
        return QString::fromUtf8(kKeinDrucker);
    const QString anschluss = d.Anschluss();
    return anschluss.isEmpty() ? d.Geraetename() : d.Geraetename() + QStringLiteral(" an ") + anschluss;
}

QRectF DruckRechteck(const Drucklage &lage, QPointF versatz)
{
    auto zehntel = [](double cm) { return double(qRound(cm * 100.0)); };
    const double links = std::max(0.0, zehntel(lage.Links) - versatz.x());
    const double oben = std::max(0.0, zehntel(lage.Oben) - versatz.y());
    return {links, oben, zehntel(lage.Breite), zehntel(lage.Hoehe)};
}

} // namespace kalumo
