#pragma once
// Where the layouts of the text-centred document types plug into the
// learning view. Every call has an empty default; TextLayouts runs the
// layout that the table of page layouts (Seitenlayouts.h) names for the
// document's type.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QImage;
class QPainter;

namespace kalumo {

class Lernansicht;
struct ObjDataTyp;

class LayoutHaken
{
public:
    virtual ~LayoutHaken() = default;

    // Before BackgroundBitmap is taken (step 7 of RebuildView): question pages.
    virtual void SeiteVorbereiten(Lernansicht &) {}
    // Before the fixed pass and again after the objects (steps 9 and 12): text pages.
    virtual void SeiteSetzen(Lernansicht &) {}
    // Drawn into the page raster while it is composed (the cluster baskets).
    virtual void Hintergrund(Lernansicht &, QImage &) {}

    // The text flow for a card's caption. Return true when the caption was
    // set here; false leaves it to the plain drawing of the renderer (one
    // line per caption line, style bits of Stil, no markup).
    virtual bool KartentextSetzen(QPainter &, const ObjDataTyp &, const QRect &, const QFont &, const QColor &,
                                  int /*tausr*/)
    {
        return false;
    }
    // The size of a caption that KartentextSetzen sets, measured within
    // breite pixels; false leaves the measuring to the renderer.
    virtual bool KartentextMessen(const ObjDataTyp &, const QFont &, int /*breite*/, QSize &) { return false; }
};

} // namespace kalumo
