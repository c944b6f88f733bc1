#pragma once
// The clicks that reach the page itself while an exercise runs: info points,
// links and image links on the info-point layer that are usable in exercises
// (PunktInUebung), the info point and link of a multiple-choice question
// always, and the spots of a find-words page, which a click marks and
// unmarks. The exercise's own input (cards, fields, the check button) comes
// first and hands the clicks it does not use to this engine; on its own it
// is the engine of a run that has nothing else to click.

#include "learnview/Eingabemaschine.h"
#include "learnview/Lernansicht.h"

namespace kalumo {

class Uebungsklicks : public Eingabemaschine
{
public:
    explicit Uebungsklicks(Lernansicht &ansicht) : m_ansicht(ansicht) {}

    // The object a click reaches at the view point; -1 when none.
    int HitTest(QPoint ansicht) const;

    // A left click opens the object (Aktivieren) or switches a find-words
    // spot between marked (abgMarkiert) and abgAufgedeckt.
    Eingabereaktion MausDruck(QPoint p, Maustaste taste) override;
    Eingabereaktion MausBewegung(QPoint, bool, bool) override { return {}; }
    Eingabereaktion MausLos(QPoint, Maustaste) override { return {}; }
    // The hand over what a click reaches.
    Zeigerform ZeigerFuer(QPoint p) const override;

private:
    Lernansicht &m_ansicht;
};

} // namespace kalumo
