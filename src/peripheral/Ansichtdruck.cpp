#include "peripheral/Ansichtdruck.h"

#include <algorithm>

namespace kalumo {

double AnsichtVerhaeltnis(QSize bild)
{
    if (bild.width() < 1 || bild.height() < 1)
        return 1.0;
    return double(bild.width()) / bild.height();
}

bool AnsichtDrucken(Drucker &drucker, const QImage &bild, const Drucklage &lage, int kopien, const QString &titel,
                    QString &fehler)
{
    if (!drucker.Vorhanden()) {
        fehler = QString::fromUtf8(kKeinDruckerMeldung);
        return false;
    }
    Druckauftrag auftrag;
    auftrag.Titel = titel;
    auftrag.Kopien = std::clamp(kopien, 1, 999);
    return drucker.Drucken(
        auftrag,
        [&](QPainter &p, QPointF versatz) {
            p.setRenderHint(QPainter::SmoothPixmapTransform, true);
            p.drawImage(DruckRechteck(lage, versatz), bild);
        },
        fehler);
}

} // namespace kalumo
