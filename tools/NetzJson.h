#pragma once
// JSON views of the network exercise for kalumo-tool: the settings file and
// what the teacher computer received.

#include "Json.h"
#include "network/NetzDateien.h"
#include "network/NetzLehrer.h"

namespace kalumo {

// {"NetzKennung", "RiFaRueckmeldung", "ZuordnungRichtig", "ZuordnungFalsch",
//  "Zuordnungstexte", "Zuordnungsziele", "AbfrageModus", "Zeitlimit",
//  "ZLimit", "NoteMinQuote" (7 numbers or null), "PunkteMinQuote" (17 or
//  null), "BewertSkala" (or null), "AnzZeichenVorgeben" (or null)}
Json NetzEinstellungenJson(const NetzUebEinstTyp &e);

// One object per row of the control display, keyed by the column headings,
// each cell as the grid shows it.
Json NetzZeilenJson(const NetzKontrollModell &k);

// {"count": n, "reasons": {reason: count, …}}
Json NetzIgnoriertJson(const NetzEmpfangsstatistik &s);

} // namespace kalumo
