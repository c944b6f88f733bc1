#pragma once
// The grading scales: a run's overall performance (0…1) becomes a school
// grade or a number of points. The thresholds and the chosen scale are a
// user setting, copied into every run when it starts.
//
// NoteMinQuote[i] is the lowest performance that still earns grade i
// (index 0 = 1.0 and index 6 = 0.0 are fixed ends); PunkteMinQuote[p] the
// lowest that earns p points (index 0 = 0.0 and 16 = 1.0 are fixed ends).
// Only NoteMinQuote[1…5] and PunkteMinQuote[1…15] are stored.

#include <QString>

#include <array>

namespace kalumo {

enum BewertSkalaWert : int {
    skalaNote1bis6 = 0,     // "Notenskala: 1 (beste) bis 6"
    skalaNote1bis5 = 1,     // "Notenskala: 1 (beste) bis 5"
    skalaPunkte0bis15 = 2,  // "Punkteskala: 0 bis 15 (beste)"
    skalaNote5bis1 = 3,     // "Notenskala: 1 bis 5 (beste)"
    skalaPunkte0bis12 = 4,  // "Punkteskala: 0 bis 12 (beste)"
};
inline constexpr int kSkalenAnzahl = 5;

inline constexpr int kNotenGrenzen = 7;    // NoteMinQuote[0…6]
inline constexpr int kPunkteGrenzen = 17;  // PunkteMinQuote[0…16]
inline constexpr int kNotenAnzahl = 5;     // stored: NoteMinQuote[1…5]
inline constexpr int kPunkteAnzahl = 15;   // stored: PunkteMinQuote[1…15]

// Value names in the user settings store.
namespace einstellung {
inline constexpr char OptNoteMinQuote[] = "Opt-NoteMinQuote";             // + 1 .. 5
inline constexpr char OptPunkteMinQuote[] = "Opt-PunkteMinQuote";         // + 1 .. 15
inline constexpr char OptBewertSkala[] = "Opt-BewertSkala";
} // namespace einstellung

struct NotenskalaTyp
{
    std::array<double, kNotenGrenzen> NoteMinQuote = {1.0, 0.85, 0.70, 0.55, 0.40, 0.25, 0.0};
    std::array<double, kPunkteGrenzen> PunkteMinQuote = {0.0,  0.25, 0.30, 0.35, 0.40, 0.45, 0.50, 0.55, 0.60,
                                                         0.65, 0.70, 0.75, 0.80, 0.85, 0.90, 0.95, 1.0};
    int BewertSkala = skalaNote1bis6;

    bool operator==(const NotenskalaTyp &) const = default;
};

// Calls f(name, field) for every stored value, in the order the settings
// store lists them ("Opt-NoteMinQuote1" … "5", "Opt-PunkteMinQuote1" …
// "15", "Opt-BewertSkala"). Loading and saving both go through it.
template <class S, class F>
void NotenskalaEinstellungen(S &skala, F &&f)
{
    for (int i = 1; i <= kNotenAnzahl; ++i)
        f(QString::fromLatin1(einstellung::OptNoteMinQuote) + QString::number(i), skala.NoteMinQuote[size_t(i)]);
    for (int i = 1; i <= kPunkteAnzahl; ++i)
        f(QString::fromLatin1(einstellung::OptPunkteMinQuote) + QString::number(i), skala.PunkteMinQuote[size_t(i)]);
    f(QString::fromLatin1(einstellung::OptBewertSkala), skala.BewertSkala);
}

// An unknown scale (a stored value out of range) counts as scale 0.
int SkalaGueltig(int skala);
bool IstPunkteskala(int skala);
// 15 (scale 2) or 12 (scale 4); 0 for grade scales.
int HoechstePunkte(int skala);

// The grade (scales 0, 1, 3) or the points (2, 4) for a performance.
int NoteBerechnen(double gesamtleistung, const NotenskalaTyp &skala);

// "sehr gut" … "ungenügend" for a grade on the given scale; empty for a
// grade the scale does not have.
QString NotenWort(int note, int skala);

// "Note" or "Punkte": the word of the grade label ("Note:", "Punkte:").
QString SkalaWort(int skala);

// The text of the scale in the dialog, "Notenskala: 1 (beste) bis 6" ….
QString SkalaText(int skala);

// The six grade words in order.
QString NotenWortNummer(int nummer);   // 1 "sehr gut" … 6 "ungenügend"

// The protocol line of the thresholds, e.g. "Notengrenzen bzgl.
// Gesamtleistung:\t85.0% / 70.0% / 55.0% / 40.0% / 25.0% / 0.0%".
QString SkalaGrenzenZeile(const NotenskalaTyp &skala);

} // namespace kalumo
