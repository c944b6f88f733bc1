#pragma once
// The program's own mouse pointers, drawn at start-up (32 x 32 pixels).

#include <QImage>
#include <QPoint>

namespace kalumo {

enum class MauszeigerArt { Ziehen, Stift, Marker, Radierer, Stempel, Hand, Text, Kreuz };

struct MauszeigerBild
{
    QImage Bild;
    QPoint Hotspot;
};

MauszeigerBild MauszeigerZeichnen(MauszeigerArt art);

} // namespace kalumo
