#include "peripheral/Tabellendruck.h"

#include <QFont>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace kalumo {

int TabelleDrucken(QPagedPaintDevice &geraet, const DruckTabelle &t)
{
    if (t.Zeilen.empty() || t.Breiten.empty())
        return 0;
    QPainter maler;
    if (!maler.begin(&geraet))
        return 0;
    const QRect seite = geraet.pageLayout().paintRectPixels(geraet.logicalDpiX());
    const QRect flaeche(0, 0, seite.width(), seite.height());
    const int gesamt = std::accumulate(t.Breiten.begin(), t.Breiten.end(), 0);
    double faktor = geraet.logicalDpiX() / 96.0;
    if (gesamt * faktor > flaeche.width())
        faktor = double(flaeche.width()) / gesamt;
    const int zeilenHoehe = std::max(1, int(t.ZeilenHoehe * faktor));
    const int rand = std::max(1, int(3 * faktor));

    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(std::max(1, int(zeilenHoehe * 0.6)));
    QFont fett = schrift;
    fett.setBold(true);

    int seiten = 1;
    int y = 0;
    if (!t.Titel.isEmpty()) {
        QFont titel = fett;
        titel.setPixelSize(std::max(1, int(zeilenHoehe * 0.9)));
        maler.setFont(titel);
        maler.drawText(QRect(0, 0, flaeche.width(), zeilenHoehe * 2), Qt::AlignLeft | Qt::AlignVCenter, t.Titel);
        y = zeilenHoehe * 2;
    }
    auto zeile = [&](const QStringList &zellen, bool kopf) {
        maler.setFont(kopf ? fett : schrift);
        int x = 0;
        for (size_t s = 0; s < t.Breiten.size(); ++s) {
            const int breite = int(t.Breiten[s] * faktor);
            const QRect zelle(x, y, breite, zeilenHoehe);
            if (kopf)
                maler.fillRect(zelle, QColor(224, 224, 224));
            maler.setPen(QColor(128, 128, 128));
            maler.drawRect(zelle);
            maler.setPen(Qt::black);
            const bool rechts = s < t.Rechts.size() && t.Rechts[s];
            const QString text = s < size_t(zellen.size()) ? zellen[qsizetype(s)] : QString();
            maler.drawText(zelle.adjusted(rand, 0, -rand, 0),
                           (rechts ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                           maler.fontMetrics().elidedText(text, Qt::ElideRight, std::max(0, breite - 2 * rand)));
            x += breite;
        }
        y += zeilenHoehe;
    };
    zeile(t.Zeilen.front(), true);
    for (size_t i = 1; i < t.Zeilen.size(); ++i) {
        if (y + zeilenHoehe > flaeche.height()) {
            if (!geraet.newPage())
                break;
            ++seiten;
            y = 0;
            zeile(t.Zeilen.front(), true);
        }
        zeile(t.Zeilen[i], false);
    }
    maler.end();
    return seiten;
}

} // namespace kalumo
