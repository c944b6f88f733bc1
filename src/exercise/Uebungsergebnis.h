#pragma once
// What the result window "Übung beendet" shows of a finished run, without
// the window: the statistics as the run computed them (the real values even
// when the status panel said "?"), the clock, the open positions, the grade
// with its word and label, and the scale with the performance for the scale
// picture.

#include "exercise/Notenskala.h"

#include <QString>

namespace kalumo {

class Uebung;

struct ErgebnisAnzeige
{
    QString Richtig;            // "Richtig gelöst:": RichtigText + "  von  " + AnzAbfragen
    QString Falsch;             // "Fehlversuche:"
    QString Quote;              // "Erfolgsquote:"
    QString Leistung;           // "Gesamtleistung:"
    QString ZeitBeschriftung;   // ErgebnisZeitBeschriftung (exercise/Protokolltext.h)
    QString Zeit;               // the clock text mm:ss
    QString Offen;              // "Offene Positionen:"
    QString NotenWort;          // "sehr gut" …
    QString NotenLabel;         // "Note:" or "Punkte:"
    QString Note;               // the grade or points
    NotenskalaTyp Skala;        // the scale the run was graded on
    double Gesamtleistung = 0;  // for the tick of the scale picture
};

ErgebnisAnzeige ErgebnisAnzeigeErmitteln(const Uebung &uebung);

// The texts of the window.
namespace ergebnistext {
inline constexpr char Titel[] = "Übung beendet";
inline constexpr char Richtig[] = "Richtig gelöst:";
inline constexpr char Falsch[] = "Fehlversuche:";
inline constexpr char Quote[] = "Erfolgsquote:";
inline constexpr char Leistung[] = "Gesamtleistung:";
inline constexpr char Offen[] = "Offene Positionen:";
inline constexpr char Bewertung[] = "Bewertung:";
inline constexpr char ZurLernansicht[] = "Zur Lernansicht";
inline constexpr char Protokoll[] = "Übungsprotokoll...";
inline constexpr char Bestenliste[] = "Bestenliste...";
} // namespace ergebnistext

} // namespace kalumo
