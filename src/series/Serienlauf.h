#pragma once
// The series runner: a package opened for a run, the start of a series,
// the chain of partial exercises and the total result.
//
//   idle -> package read -> start question -> partial exercise 0 -> … ->
//   partial exercise N-1 -> finished (end dialog, total protocol) -> idle
//
// The exercise engine runs each partial exercise (SerienUebungsDienste::
// TeiluebungStarten) and hands its result back through TeiluebungBeendet
// instead of showing its result window. Aborting a partial exercise
// abandons the series (SerieAbbrechen): no total protocol, no end dialog.

#include "document/DokumentDatei.h"
#include "document/DokumentDateien.h"
#include "series/Seriendienste.h"

namespace kalumo {

// Positions of the ten exercise settings in a UebEinstBlock.
namespace uebeinst {
inline constexpr int UebEinstSpeichern = 0;
inline constexpr int RiFaRueckmeldung = 1;
inline constexpr int ZuordnungRichtig = 2;
inline constexpr int ZuordnungFalsch = 3;
inline constexpr int Zuordnungstexte = 4;
inline constexpr int Zuordnungsziele = 5;
inline constexpr int AbfrageModus = 6;
inline constexpr int Zeitlimit = 7;
inline constexpr int ZLimit = 8;
inline constexpr int AnzZeichenVorgeben = 9;
} // namespace uebeinst

// What partial exercise `position` of the series needs: its file (the
// package at the entry's Offset when the series came from a package, else
// the entry's own file), its query mode, time and weight, and the series'
// exercise mode.
TeiluebungStart TeiluebungBeschreiben(const UebungsserieDataTyp &serie, int position);

// Reads the document of a partial exercise as a document that is not the
// current library document. A document from a package has no file name.
bool TeiluebungDokumentLesen(Dokument &dok, DokumentDienste &dienste, const TeiluebungStart &start);

// The series overrides, applied to the settings the engine took from the
// dialogs (UebEinst order). When the document did not bring its own
// settings: AbfrageModus := the entry's query mode for image labelling,
// cloze, cluster and crossword documents (a mode the type cannot take
// becomes 0), else 0; for types 0 to 3 and crossword ZuordnungRichtig :=
// RueckmeldungRichtig, ZuordnungFalsch := Uebungsmodus, Zuordnungstexte :=
// 0, Zuordnungsziele := 1, for the others both feedback values 0. In every
// case Zeitlimit := 1 if the entry has a time, else 0, and ZLimit := Zeit x 60.
void SerienEinstellungenAnwenden(UebEinstBlock &einst, const TeiluebungStart &start, int dokTyp,
                                 bool dokumentEinstellungen);

// Reads a package for a run and asks whether to start it; Ja starts the
// series with the name question. A package with a grading scale hands it
// to the user's settings. Returns whether the series started.
bool SeriePaketOeffnen(UebungsserieDataTyp &serie, SerienUebungsDienste &d, const QString &pfad);

// Starts the series held in the record; namePflicht forces the name
// question. Refuses an empty list and weights that sum to 0 (or a negative
// weight) with a message. Returns whether partial exercise 0 started.
bool SerieStarten(UebungsserieDataTyp &serie, SerienUebungsDienste &d, bool namePflicht);

// The end of partial exercise Position: leistung is the run's
// Gesamtleistung (0 to 1), protokoll its finished protocol text. Shows
// "Teilübung Nr. … ist beendet." and starts the next one, or finishes the
// series. Ignored when no series runs.
void TeiluebungBeendet(UebungsserieDataTyp &serie, SerienUebungsDienste &d, double leistung,
                       const QString &protokoll);

// A partial exercise was aborted: the series is abandoned.
void SerieAbbrechen(UebungsserieDataTyp &serie);

inline bool SerieLaeuft(const UebungsserieDataTyp &serie)
{
    return serie.Zustand == SerienZustand::Laeuft;
}

// "Übungs-/Testserie ausführen..." and "Ausführen...": the exercise-abort
// guard and the save question, then the package open dialog (starting in
// startordner), then SeriePaketOeffnen.
bool BefehlSerieAusfuehren(UebungsserieDataTyp &serie, SerienUebungsDienste &d, const QString &startordner);

// "Übungs-Serie direkt starten" of the creation dialog, after the dialog
// closed with OK: the documents are read from their own files.
bool SerieAusListeStarten(UebungsserieDataTyp &serie, SerienUebungsDienste &d, int uebungsmodus, bool namePflicht);

} // namespace kalumo
