#pragma once
// Shared by the layout files: the text frame in pixels, paragraphs, deleting
// the objects of a layout's kinds.

#include "learnview/Lernansicht.h"
#include "learnview/TextFlow.h"

#include <QStringList>

#include <initializer_list>

namespace kalumo::textlayout {

// The text frame EinrueckRand (left, top, right, bottom) of the page raster.
struct Rahmen
{
    int W = 1, H = 1;
    double S = 1.0;
    double L = 0, T = 0, R = 0, B = 0; // fractions
};
Rahmen RahmenVon(const Lernansicht &lv);

// The lines of a text; each, with trailing blanks removed, is one paragraph.
QStringList Absaetze(const QString &text);

// Deletes every object whose kind is one of arten, from the highest index down.
void ArtenLoeschen(Dokument &dok, std::initializer_list<int> arten);
// Deletes every object whose kind the test accepts, from the highest index down.
void ArtenLoeschen(Dokument &dok, bool (*art)(int));

// A text-flow environment for the view.
void UmgebungEinrichten(TextFlowUmgebung &form, Lernansicht &lv);

} // namespace kalumo::textlayout
