#pragma once
// The kind sets by which the learning view decides how an object is sized,
// when it is drawn and whether it is covered, numbered or clickable.

#include "document/DokumentModell.h"

namespace kalumo {

namespace artdetail {
template <int... Arten>
constexpr bool enthalten(int typ)
{
    return ((typ == Arten) || ...);
}
} // namespace artdetail

// Drawn after all other objects while covered.
constexpr bool IstAbdeckbar(int t)
{
    return artdetail::enthalten<objAbfrageBeschriftung, objAbfrageLuecke, objAbfrageBild, objFrageAntwort, objMCMarke,
                                objTabelleAbfrageBild, objTabelleAbfrageText, objKreuzwortGitter, objWortsucheWort,
                                objWortsucheFalle>(t);
}
// Drawn into BackdropBitmap in the fixed pass.
constexpr bool IstFestesObjekt(int t)
{
    return artdetail::enthalten<objFixeBeschriftung, objInfopunkt, objLinkExtern, objLinkIntern, objFixesBild,
                                objBildLink, objMCInfopunkt, objMCLink, objTabelleBild, objTabelleBildLink,
                                objClusterText, objClusterBild, objKreuzText, objKreuzBild>(t);
}
// Query fields: drawn once more on top, covered with the blue card, numbered.
constexpr bool IstAbfragefeld(int t)
{
    return artdetail::enthalten<objAbfrageBeschriftung, objAbfrageLuecke, objAbfrageBild, objTabelleAbfrageBild,
                                objTabelleAbfrageText, objClusterAbfrageText, objClusterAbfrageBild,
                                objKreuzAbfrageText, objKreuzAbfrageBild, objKreuzwortGitter, objWortsucheWort,
                                objWortsucheFalle>(t);
}
// Sized as a label or image card.
constexpr bool IstKarte(int t)
{
    return artdetail::enthalten<objAbfrageBeschriftung, objFixeBeschriftung, objAbfrageLuecke, objAbfrageBild,
                                objFixesBild, objBildLink, objWortsucheWort, objWortsucheFalle, objKreuzwortGitter>(t)
           || IstTabellenZelle(t) || IstClusterElement(t) || IstKreuzElement(t);
}
// Sized as a round point.
constexpr bool IstPunktart(int t)
{
    return artdetail::enthalten<objInfopunkt, objLinkExtern, objLinkIntern, objMCInfopunkt, objMCLink>(t)
           || IstNavKnopf(t);
}
// Sized from Bild when the object has an image.
constexpr bool IstBildart(int t)
{
    return artdetail::enthalten<objAbfrageBild, objFixesBild, objBildLink, objMCBild, objMCMarke, objMCAntwortBild,
                                objClusterBild, objClusterAbfrageBild, objKreuzBild, objKreuzAbfrageBild>(t)
           || (IstTabellenZelle(t) && t != objTabelleAbfrageText);
}
// The image kinds whose card keeps the wider gap to its anchor.
constexpr bool IstBildkarte(int t)
{
    return artdetail::enthalten<objAbfrageBild, objFixesBild, objBildLink, objTabelleBild, objTabelleAbfrageBild,
                                objTabelleBildLink, objClusterBild, objClusterAbfrageBild, objKreuzBild,
                                objKreuzAbfrageBild>(t);
}
// An empty caption is measured as one blank.
constexpr bool IstLeerAlsBlank(int t)
{
    return artdetail::enthalten<objAbfrageBeschriftung, objAbfrageLuecke, objTabelleAbfrageText,
                                objClusterAbfrageText, objKreuzAbfrageText, objKreuzwortGitter>(t);
}
// The text is not shifted inside a wider card.
constexpr bool OhneInnenausrichtung(int t)
{
    return t == objAbfrageLuecke || (IstTabellenZelle(t) && t != objTabelleBildLink) || IstClusterElement(t)
           || IstKreuzElement(t) || IstWortsucheElement(t);
}
// Content drawn on worksheets too.
constexpr bool ImmerMitInhalt(int t)
{
    return artdetail::enthalten<objFixeBeschriftung, objFixesBild, objBildLink, objTabelleBild, objTabelleBildLink,
                                objClusterText, objClusterBild, objKreuzText, objKreuzAbfrageText, objKreuzBild,
                                objKreuzAbfrageBild>(t);
}
// Answer box on worksheets.
constexpr bool HatArbeitsblattKasten(int t)
{
    return artdetail::enthalten<objAbfrageBeschriftung, objAbfrageLuecke, objAbfrageBild, objFrageAntwort,
                                objTabelleAbfrageBild, objTabelleAbfrageText, objKreuzwortGitter>(t);
}
// Answer text in red on answer sheets.
constexpr bool HatArbeitsblattAntwort(int t) { return HatArbeitsblattKasten(t) || t == objMCMarke; }
// Candidates of the numbering.
constexpr bool IstNummerierbar(int t) { return IstAbfragefeld(t) || t == objMCFrage || t == objMCFrageBild; }
// Kinds of the question and multiple-choice pages that belong to one question.
constexpr bool IstFrageseitenart(int t)
{
    return IstEinzelfragenart(t) || (IstMCElement(t) && t != objMCInfopunkt && t != objMCLink);
}
// Sized as a card only when they belong to the current question.
constexpr bool IstFragekarte(int t)
{
    return artdetail::enthalten<objFrageText, objMCFragetext, objMCBild, objMCAntwort, objMCAntwortBild>(t);
}
// The same outside exercises.
constexpr bool IstLernfragekarte(int t)
{
    return artdetail::enthalten<objFrageAntwort, objTextLabel, objMCMarke>(t);
}
// Answers on question pages that are covered and uncovered like query fields.
constexpr bool IstFrageabfrage(int t) { return t == objFrageAntwort || t == objMCMarke; }
// A click opens them (info points, links, image links).
constexpr bool IstOeffenbar(int t)
{
    return artdetail::enthalten<objInfopunkt, objLinkExtern, objLinkIntern, objBildLink, objMCInfopunkt, objMCLink,
                                objTabelleBildLink>(t);
}

} // namespace kalumo
