#pragma once
// Printing the view ("Ansicht drucken"): the picture of the view or of the
// area selection, placed on the paper at a position and size in centimetres.

#include "platform/Drucker.h"

#include <QImage>
#include <QSize>

namespace kalumo {

// What the dialog keeps between uses.
struct AnsichtDruckZustand
{
    Drucklage Lage;                  // 2.0, 2.0, 17.0, 17.0
    bool Seitenverhaeltnis = true;
    int Kopien = 1;
};

// The ratio width / height of the picture: of the area selection when it
// is used, else of the page as last rendered.
double AnsichtVerhaeltnis(QSize bild);

// Prints bild stretched into the rectangle of lage; false with a message.
bool AnsichtDrucken(Drucker &drucker, const QImage &bild, const Drucklage &lage, int kopien, const QString &titel,
                    QString &fehler);

} // namespace kalumo
