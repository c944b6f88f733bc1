#pragma once
// What kind of page a document is and which layout makes it: one row per
// document type (the cloze type by its subtype). The learning view runs the
// row's layout on every rebuild; worksheets and exercises ask the same table
// what kind of page they have in front of them instead of testing DokTyp.

#include "document/DokumentModell.h"

class QImage;

namespace kalumo {

class Lernansicht;

enum class Seitenart {
    Bildseite,        // objects placed on the base image (and any unknown type)
    Lueckentext,      // running text with gaps: cloze, C-test, both with wrong words
    Tabelle,          // text-image table
    Einzelfragen,     // one page per question, with the question buttons
    MultipleChoice,   // one page per multiple-choice question
    Cluster,          // cards sorted into baskets
    KreuzZuordnung,   // pairs of elements connected across
    Kreuzwortraetsel,
    WoerterFinden,
};

// When the layout of a page runs while the view is rebuilt.
enum class Layoutschritt {
    Keiner,
    VorDemHintergrund, // question pages: before BackgroundBitmap is taken (the pages stay put)
    UmDieObjekte,      // text pages: before the fixed pass and again after the objects
};

struct Seitenlayout
{
    Seitenart Art = Seitenart::Bildseite;
    Layoutschritt Schritt = Layoutschritt::Keiner;
    // Lays the page out on the view's PageBitmap; with neuAufbauen the
    // objects of the layout's kinds are deleted and made anew, without it
    // the existing ones are only moved.
    void (*Layout)(Lernansicht &lv, bool neuAufbauen) = nullptr;
    // Drawn into the page raster while it is composed (the cluster baskets).
    void (*Hintergrund)(Lernansicht &lv, QImage &raster) = nullptr;
    // The object kinds the layout makes (nullptr: none).
    bool (*EigeneArt)(int typ) = nullptr;
    // Question pages: only the objects of the current question are shown.
    bool Fragenseiten = false;
};

Seitenart SeitenartVon(const HeaderDataTyp &kopf);
const Seitenlayout &SeitenlayoutVon(const HeaderDataTyp &kopf);

} // namespace kalumo
