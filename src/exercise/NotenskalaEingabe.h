#pragma once
// What the scale dialog "Noten-/Punkteskala zur Bewertung der
// Übungsergebnisse" does, without the window: its fields as texts, the
// labels and rows per scale, the check on "OK", taking the values over, and
// when the dialog may be opened at all.

#include "exercise/Notenskala.h"

#include <QString>

#include <array>
#include <optional>

namespace kalumo {

// The fields as typed: percentages with one decimal ("85,0"); a decimal
// point is accepted as well. Note[n] for grades 1…6 (index 0 unused),
// Punkte[p] for 0…15 points.
struct NotenskalaEingabeTyp
{
    std::array<QString, 7> Note;
    std::array<QString, 16> Punkte;
    int Skala = skalaNote1bis6;

    bool operator==(const NotenskalaEingabeTyp &) const = default;
};

// A threshold as the field shows it: × 100 with one decimal and a decimal comma.
QString ProzentFeldText(double quote);
// A typed percentage (comma or point); nothing when it is not a number.
std::optional<double> ProzentLesen(const QString &text);

NotenskalaEingabeTyp NotenskalaEingabe(const NotenskalaTyp &skala);

// Choosing a scale: scale 1 sets grade field 5 to 0; scale 0 while field 5
// is 0 sets it to 25.
void SkalaWaehlen(NotenskalaEingabeTyp &e, int skala);

// "Note 1 - sehr gut" … "Note 6 - ungenügend"; scale 3 counts the five rows
// from "Note 5 - sehr gut" down to "Note 1 - mangelhaft".
QString NotenZeilenText(int skala, int zeile);
bool NotenZeileSichtbar(int skala, int zeile);      // the sixth row only on scales 0, 2, 4
QString PunkteZeilenText(int punkte);               // "15 Punkte" … "1 Punkt", "0 Punkte"
bool PunkteZeileSichtbar(int skala, int punkte);    // scale 4 hides 13, 14 and 15
// The recommended value beside a field: the default, e.g. "85,0 %".
QString NotenEmpfehlung(int zeile);
QString PunkteEmpfehlung(int punkte);

struct NotenskalaPruefung
{
    bool Ok = true;
    QString Meldung;       // the first violation
    bool PunkteFeld = false;
    int Feld = 0;          // the field that breaks the rule (grade or points)
};

// The check of "OK": grades 1…5 within 0…100 and not below the next grade;
// then points from the highest of the scale down to 1 within 0…100 and not
// below the next lower. A field that is not a number breaks the rule of its row.
NotenskalaPruefung NotenskalaPruefen(const NotenskalaEingabeTyp &e);

// Takes the checked fields over: thresholds 1…5 and 1…15 (hidden rows
// included) and the scale. A field whose text still shows the old value
// keeps the old value exactly; a field that is not a number keeps it too.
NotenskalaTyp NotenskalaUebernehmen(const NotenskalaEingabeTyp &e, const NotenskalaTyp &alt);

// May the scale be changed now? Asked of the main window.
class NotenskalaZugang
{
public:
    virtual ~NotenskalaZugang() = default;
    virtual bool UebungLaeuft() const = 0;          // an exercise (or the sliding puzzle) is running
    virtual bool ZentralGesperrt() const = 0;       // config.ini: [OptionenAenderbar] Notenskala=0
};

// The same as fixed values, for callers and tests without a main window.
struct NotenskalaZustand : NotenskalaZugang
{
    bool Laeuft = false;
    bool Gesperrt = false;
    bool UebungLaeuft() const override { return Laeuft; }
    bool ZentralGesperrt() const override { return Gesperrt; }
};

QString NotenskalaHinweisText();   // "Die Noten-/Punkteskala kann während einer Übung nicht geändert werden."
QString NotenskalaGesperrtText();
// Empty when the dialog may open; else the information to show instead.
QString NotenskalaVerweigerung(const NotenskalaZugang &zugang);

} // namespace kalumo
