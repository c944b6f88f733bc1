#pragma once
// A run that takes the picture area over for a while: an exercise (mode 3)
// or the sliding puzzle (mode 4). The session (app/Sitzung) owns the one
// that runs and switches the program's mode to it; its engine receives the
// picture area's input until the run is left.
//
// How a run attaches:
//  - the exercise (or the puzzle) builds its run over the session's view
//    (Sitzung::Ansicht(), whose document it may change: cover states, run
//    numbers) and hands it over with Sitzung::LaufStarten, which takes
//    ownership and sets the mode to Modus();
//  - while it runs, Sitzung::Eingabe() is the run's Eingabe(): the picture
//    area forwards every press, move, release and key to it and repaints
//    when the answer says so; the run draws into the view's rasters
//    (RenderObject, ObjektAktualisieren, RedrawObjects) and over them
//    (Eingabemaschine::Ueberzeichnen);
//  - the window's 100 ms clock calls Sitzung::Takt, which hands the clock
//    reading to Takt();
//  - an answer with LaufEnde, or the user's "Übung abbrechen" once the
//    exercise guard (Sitzung::UebungAbbrechenErlaubt) agreed, ends in
//    Sitzung::LernansichtAktivieren: the session calls Verlassen(), drops the
//    run, returns to mode 2 and rebuilds the view.

#include "learnview/Eingabemaschine.h"

#include <QtGlobal>

namespace kalumo {

// The modes of the program (Ansichtsmodus).
enum AnsichtsmodusWert : int { modusLernansicht = 2, modusUebung = 3, modusSchiebepuzzle = 4 };

// Who started an exercise run (UebArt).
enum UebArtWert : int {
    uebIndividual = 0,    // "Individual-Übung"
    uebNetzTeilnahme = 1, // a participant of a network exercise
    uebNetzInitiiert = 2, // this computer initiated a network exercise (no run here)
    uebSerie = 10,        // a partial exercise of an exercise series
};

class Ansichtslauf
{
public:
    virtual ~Ansichtslauf() = default;

    // modusUebung or modusSchiebepuzzle.
    virtual int Modus() const = 0;
    // The kind of exercise run; uebIndividual for the puzzle.
    virtual int UebArt() const { return uebIndividual; }
    // Finished (or solved): leaving it loses nothing.
    virtual bool Beendet() const = 0;
    // The engine the picture area forwards to while the run lasts.
    virtual Eingabemaschine &Eingabe() = 0;
    // Every 100 ms with the millisecond clock's reading.
    virtual Eingabereaktion Takt(qint64 ms) { Q_UNUSED(ms) return {}; }
    // The session leaves the run (end or abort): the run puts back what it
    // changed in the document and the view that must not outlive it.
    virtual void Verlassen() {}
};

} // namespace kalumo
