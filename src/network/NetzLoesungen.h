#pragma once
// The solution numbers of a network exercise and the information text
// NetzProtokoll of the control display.
//
// Every object of the document gets a solution number (0: none). A
// participant reports the judged object by its index; the teacher computer
// writes the result into the query column of that object's number.
//   single questions   FrageNummer of each answer (kind 10)
//   multiple choice    FrageNummer of the questions (kinds 20, 21)
//   cluster            FrageNummer of the query cards (kinds 41, 43)
//   cross matching     each element carries the FrageNummer of its partner
//   all other types    AnzeigeNummer of every query object (text input:
//                      only kinds 0, 3 and 60)
// The numbers of the last group are those the learning view shows: when
// it shows question marks, the caller numbers the fields in order first.

#include "document/DokumentModell.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace kalumo {

// texteingabe: the exercise runs in the query mode "Texteingabe".
std::vector<int> NetzLoesungsnummern(const Dokument &dok, bool texteingabe);

// The number of query columns of the control display: the number of
// queries, none for find words and for text input.
int NetzAbfragespalten(const Dokument &dok, bool texteingabe, int anzAbfragen);

// The highest solution number: the number of query columns that every
// reported object can be shown in. It stands in for the number of queries
// where no exercise run has counted them (the tools).
int NetzHoechsteLoesungsnummer(const std::vector<int> &nummern);

// The solution of one numbered object: multiple choice the answer texts
// after the correct marks of the question (marks whose caption is exactly
// "+") joined by ", " or "(keine)"; image elements of cluster and cross
// matching "(Bild)"; otherwise the normalised caption.
using Normierung = std::function<QString(const QString &)>;
QString NetzLoesungText(const Dokument &dok, int index, const Normierung &normieren);

// NetzProtokoll: "<tit>Netzwerk-Übung", the settings section of the teacher
// computer (given as lines), "<tit>Lösungen", the two notes, then one line
// per numbered object — the number (letters with NumArt 1, else right-aligned
// in four characters), " - ", the solution — sorted without regard to case
// and trimmed. Every line ends with CR LF.
QString NetzProtokollAufbauen(const Dokument &dok, const std::vector<int> &nummern,
                              const QStringList &einstellungsabschnitt, const Normierung &normieren);

} // namespace kalumo
