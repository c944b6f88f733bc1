#pragma once
// The user's actions on a run, made with the mouse as the user makes them:
// drag a card onto a target or into a basket, type into a field, tick, click
// an answer, the check button or two cross-matching elements, mark a spot,
// let time pass. Used by "kalumo-tool exercise", the tests and the
// benchmark. Each answers whether the program did something with it.

#include "exercise/Uebung.h"
#include "exercise/Uhr.h"

namespace kalumo {

struct Aktionsergebnis
{
    bool Ignoriert = false;      // no such visible element, no target: nothing happened
    Entscheidung Urteil;         // what was judged
};

// A point where the element is not covered by another one: its middle when
// that is free, else the first free point, from the right edge leftwards
// (piles of cards overlap at their left).
QPoint Griffpunkt(const Uebung &u, const UebElement &e);

// Drags the visible card that shows object `karte` so that the middle of its
// left edge lies on the middle of object `ziel`, and releases it.
Aktionsergebnis KarteAufZiel(Uebung &u, int karte, int ziel, Maustaste taste = Maustaste::Links);
// Cluster: drags the card so that its centre lies in the middle of basket k (from 1).
Aktionsergebnis KarteInKorb(Uebung &u, int karte, int korb);
// Clicks into the input field on `ziel` and types text after what it holds.
Aktionsergebnis Tippen(Uebung &u, int ziel, const QString &text);
// Clicks the tick box of object `objekt`.
Aktionsergebnis Ankreuzen(Uebung &u, int objekt);
// Single questions: clicks the answer card of object `objekt`.
Aktionsergebnis AntwortKlicken(Uebung &u, int objekt);
// Clicks the visible check button.
Aktionsergebnis Pruefen(Uebung &u);
// Cross matching: clicks the element `erstes`, then `zweites`.
Aktionsergebnis Verbinden(Uebung &u, int erstes, int zweites);
// Find words: clicks the spot `objekt` on the view.
Aktionsergebnis Markieren(Uebung &u, int objekt);
// Lets ms milliseconds pass; every 100 ms tick of the timer in between fires.
// `naechsterTick` is the clock time of the next tick (100 after the start).
Aktionsergebnis Warten(Uebung &u, Handuhr &uhr, qint64 ms, qint64 &naechsterTick);

} // namespace kalumo
