#pragma once
// JSON views of grades and best lists for kalumo-tool, and the options that
// give a grading scale on the command line.

#include "Json.h"
#include "exercise/Bestenliste.h"
#include "exercise/Notenskala.h"

#include <QStringList>

#include <optional>

namespace kalumo {

// {"grade": 2, "word": "gut", "scale_word": "Note"} for a performance.
Json NoteJson(double gesamtleistung, const NotenskalaTyp &skala);

// {"Name", "Rechner", "Beginn", "Dauer", "Leistung"}
Json BestenlisteEintragJson(const BestListDataTyp &eintrag);
// {"keys", "entries" (file order), "sorted" (window order)}
Json BestenlisteJson(const BestenlisteInhalt &inhalt);

// A list of fractions "0.9,0.8,…" with exactly anzahl values in 0…1.
std::optional<std::vector<double>> QuotenListe(const QString &text, int anzahl);
// A fraction 0…1 given as "0.85".
std::optional<double> Quote(const QString &text);

// Takes "--note q1,…,q5" and "--punkte q1,…,q15" out of argumente (at
// position i, advancing it) into skala: true when argumente[i] was one of
// them, false when it is another word; nothing on a malformed value.
std::optional<bool> NotenskalaOption(const QStringList &argumente, qsizetype &i, NotenskalaTyp &skala);

} // namespace kalumo
