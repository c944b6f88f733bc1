#pragma once
// What the dialogs "Dateiordner" and "Verknüpfungsfelder" decide, without
// a window: checking the fields on "OK", "Löschen", and the link buttons of
// the toolbar. The dialogs TDateiordnerForm and TVerknuepfungsfelderForm
// only show the fields and call these functions.

#include "app/settings/Einstellungen.h"
#include "platform/Dateioeffner.h"
#include "platform/Meldungen.h"

#include <QString>
#include <Qt>

#include <array>
#include <optional>

namespace kalumo {

// The six fields of "Dateiordner", in the order they are checked.
enum class Ordnerfeld { Chronik, Protokolle, Bestenlisten, Tauschboerse, BilderGalerie, Serien };
inline constexpr int kOrdnerfeldAnzahl = 6;
using OrdnerEingaben = std::array<QString, kOrdnerfeldAnzahl>;   // indexed by Ordnerfeld

inline QString &Eingabe(OrdnerEingaben &e, Ordnerfeld f) { return e[size_t(f)]; }
inline const QString &Eingabe(const OrdnerEingaben &e, Ordnerfeld f) { return e[size_t(f)]; }

OrdnerEingaben DateiordnerEingaben(const OrdnerTyp &ordner);
void DateiordnerUebernehmen(const OrdnerEingaben &eingaben, OrdnerTyp &ordner);

// "Der angegebene Ordner für die Chronik-Screenshots ist ungültig." and so on.
QString DateiordnerFehlermeldung(Ordnerfeld feld);

struct OrdnerPruefung
{
    std::optional<Ordnerfeld> Fehlerfeld;   // empty when every folder is valid
    QString Meldung;
};

// Field by field in check order: a non-empty text lacking the trailing '/'
// gets one (in eingaben), then the folder must exist. Stops at the first
// invalid field; an empty field is invalid.
OrdnerPruefung DateiordnerPruefen(OrdnerEingaben &eingaben);

// The four link fields; V1 .. V3 are 0 .. 2.
enum class Verknuepfungsfeld { V1, V2, V3, Bildschirmtastatur };

// "Die für Verknüpfungsfeld V1 angegebene Datei ist ungültig." and so on.
QString VerknuepfungFehlermeldung(Verknuepfungsfeld feld);

struct VerknuepfungsPruefung
{
    std::optional<Verknuepfungsfeld> Fehlerfeld;
    QString Meldung;
};

// Every trimmed program path that is not empty must name an existing file.
VerknuepfungsPruefung VerknuepfungenPruefen(const VerknuepfungsfelderTyp &felder);

// Program paths, captions and hints trimmed, as they are applied.
VerknuepfungsfelderTyp VerknuepfungenBereinigt(const VerknuepfungsfelderTyp &felder);

// "Löschen": empties the program and resets caption and hint (for the
// keyboard only the hint, to "Bildschirmtastatur").
void VerknuepfungLoeschen(VerknuepfungsfelderTyp &felder, Verknuepfungsfeld feld);

// "Die Datei \"PATH\" kann nicht geöffnet werden."
QString MeldungDateiNichtOeffnen(const QString &pfad);

// Opens the program or file of a link button: an executable file is started,
// anything else goes to the default application. Shows the error on failure.
bool VerknuepfungOeffnen(const QString &pfad, Dateioeffner &oeffner, Meldungen &meldungen);

// A left or middle click on a button whose program is set opens it; any
// other click, or a button without program, opens the dialog.
enum class VerknuepfungsKlick { Oeffnen, DialogZeigen };
VerknuepfungsKlick VerknuepfungKlickAuswerten(const QString &programm, Qt::MouseButton knopf);

} // namespace kalumo
