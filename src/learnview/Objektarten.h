#pragma once
// The kind sets by which the learning view decides how an object is sized,
// when it is drawn and whether it is covered and numbered.

namespace kalumo {

namespace artdetail {
template <int... Arten>
constexpr bool enthalten(int typ)
{
    return ((typ == Arten) || ...);
}
} // namespace artdetail

// Drawn after all other objects while covered.
constexpr bool IstAbdeckbar(int t) { return artdetail::enthalten<0, 3, 6, 10, 24, 32, 34, 60, 70, 71>(t); }
// Drawn into BackdropBitmap in the fixed pass.
constexpr bool IstFestesObjekt(int t)
{
    return artdetail::enthalten<1, 2, 4, 5, 7, 8, 28, 29, 31, 33, 40, 42, 50, 52>(t);
}
// Query fields: drawn once more on top, covered with the blue card, numbered.
constexpr bool IstAbfragefeld(int t)
{
    return artdetail::enthalten<0, 3, 6, 32, 34, 41, 43, 51, 53, 60, 70, 71>(t);
}
// Sized as a label or image card.
constexpr bool IstKarte(int t)
{
    return artdetail::enthalten<0, 1, 3, 6, 7, 8, 31, 32, 33, 34, 40, 41, 42, 43, 50, 51, 52, 53, 60, 70, 71>(t);
}
// Sized as a round point.
constexpr bool IstPunktart(int t) { return artdetail::enthalten<2, 4, 5, 12, 13, 14, 15, 16, 28, 29>(t); }
// Sized from Bild when the object has an image.
constexpr bool IstBildart(int t)
{
    return artdetail::enthalten<6, 7, 8, 23, 24, 27, 31, 32, 33, 42, 43, 52, 53>(t);
}
// An empty caption is measured as one blank.
constexpr bool IstLeerAlsBlank(int t) { return artdetail::enthalten<0, 3, 34, 41, 51, 60>(t); }
// The text is not shifted inside a wider card.
constexpr bool OhneInnenausrichtung(int t)
{
    return artdetail::enthalten<3, 31, 32, 34, 40, 41, 42, 43, 50, 51, 52, 53, 70, 71>(t);
}
// Content drawn on worksheets too.
constexpr bool ImmerMitInhalt(int t) { return artdetail::enthalten<1, 7, 8, 31, 33, 40, 42, 50, 51, 52, 53>(t); }
// Answer box on worksheets.
constexpr bool HatArbeitsblattKasten(int t) { return artdetail::enthalten<0, 3, 6, 10, 32, 34, 60>(t); }
// Answer text in red on answer sheets.
constexpr bool HatArbeitsblattAntwort(int t) { return artdetail::enthalten<0, 3, 6, 10, 24, 32, 34, 60>(t); }
// Candidates of the numbering.
constexpr bool IstNummerierbar(int t)
{
    return artdetail::enthalten<0, 3, 6, 20, 21, 32, 34, 41, 43, 51, 53, 60, 70, 71>(t);
}
// Kinds of the question and multiple-choice pages that belong to one question.
constexpr bool IstFrageseitenart(int t) { return (t >= 10 && t <= 17) || (t >= 22 && t <= 27); }
// Cross-matching elements are drawn only when a layout made them.
constexpr bool IstKreuzElement(int t) { return t >= 50 && t <= 53; }

} // namespace kalumo
