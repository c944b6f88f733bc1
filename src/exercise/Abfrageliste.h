#pragma once
// Which objects an exercise asks, how many queries they make, and the query
// list AbfrageListe with its shuffles and sorts.

#include "document/DokumentModell.h"
#include "exercise/Uebungsdaten.h"
#include "exercise/Uebungseinstellungen.h"
#include "exercise/Zufall.h"

#include <vector>

namespace kalumo {

// Text input of image labelling, cloze and crossword documents.
bool IstTexteingabe(int dokTyp, int abfrageModus);
// The drag types: image labelling, cloze, cluster, crossword.
bool IstZuordnungstyp(int dokTyp);
// The query modes a document type knows; any other counts as free assignment.
int WirksamerAbfrageModus(int dokTyp, int abfrageModus);

// Whether objects of kind typ are asked in a document of this type and mode.
bool IstGefragt(int dokTyp, int abfrageModus, int typ);
// Whether such an object counts as a query (cross matching counts pairs, find
// words only kind 70).
bool ZaehltAlsAbfrage(int dokTyp, int typ);

// The number of queries: asked objects (only those pending, -5, when
// nurAusstehend), cross matching halved.
int AbfragenZaehlen(const Dokument &dok, int abfrageModus, bool nurAusstehend);

// The caption by which an image of kind 6, 32 or 53 is matched: BildKenn +
// " (Bildkennung)", or twenty random letters + " (Zufallskennung für Bild)"
// when kinds 6 and 32 have none.
QString Bildkennung(const ObjDataTyp &o, Zufall &zufall);

// Builds AbfrageListe of a run from the pending objects (Abgedeckt -5):
// captions of images set, wrong-word cards appended, then shuffled and
// sorted as the settings say (not in text input).
std::vector<AbfrageEintrag> AbfrageListeAufbauen(Dokument &dok, const UebEinstTyp &e, Zufall &zufall);

// Only the ordering steps, on a list made elsewhere.
void AbfrageListeOrdnen(std::vector<AbfrageEintrag> &liste, const Dokument &dok, const UebEinstTyp &e,
                        Zufall &zufall);

// Compares two captions as the sorts do: without regard to case, by the
// rules of the German language.
int KartenVergleich(const QString &a, const QString &b);

} // namespace kalumo
