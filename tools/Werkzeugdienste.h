#pragma once
// What the command-line tools need around reading and writing: the settings
// in memory, and the layouts of the text-centred types run as after opening,
// for a view of 1024 x 700 pixels with ordered numbering.

#include "document/DokumentDateien.h"
#include "learnview/Lernansicht.h"
#include "learnview/TextLayouts.h"

namespace kalumo {

class WerkzeugDienste : public EinfacheDokumentDienste
{
public:
    using EinfacheDokumentDienste::EinfacheDokumentDienste;
    void LayoutsNeuAufbauen(Dokument &dok) override
    {
        TextLayoutsNeuAufbauen(dok, Schriftart(), QSize(1024, 700), numGeordnet);
    }
};

} // namespace kalumo
