#pragma once
// The vertical permutation of the cross-matching elements before a run (and
// before a worksheet of a cross-matching page is drawn): the right-hand
// elements of the query pairs change rows so that none stands beside its
// partner.
//
// Only the right-hand element of each query pair carries a pair number in
// FrageNummer (1, 2, 3, ... in row order); its anchor (Sx, Sy) stays at the
// row of its left partner, its card point Ky moves. With three columns the
// second pairs (column 2 and column 3) follow their rows in a first phase
// and are permuted among themselves in a second.

#include "document/DokumentModell.h"
#include "exercise/Zufall.h"

namespace kalumo {

// The number of query pairs of a cross-matching page: its elements of kinds
// 51 and 53, halved.
int KreuzAbfragenZaehlen(const Dokument &dok);

// Permutes for a run of `abfragen` queries (pairs). Every pass is bounded:
// when no arrangement can leave every numbered element away from its
// partner's row (for example when some numbers are not part of the run),
// the last arrangement stays.
void KreuzElementePermutieren(Dokument &dok, int abfragen, Zufall &zufall);

// The same for all query pairs of the page (what a worksheet shows).
void KreuzElementePermutieren(Dokument &dok, Zufall &zufall);

} // namespace kalumo
