#pragma once
// The options of a worksheet as the window "Arbeitsblatt" shows them, the
// settings text a document stores them in, and the limits of the picture
// options.
//
// The settings text holds ten fields, each followed by "|": the box size as
// its list text ("110 %"), margins (0/1), font adjustment, base image (0/1),
// further objects (0/1), picture x, y and size with one decimal and ".",
// full width (0/1), orientation (0 portrait, 1 landscape).

#include "platform/Produkt.h"

#include <QString>
#include <QStringList>

namespace kalumo {

// What is made (ModeRadio, " Was soll erstellt werden ").
enum ArbeitsblattVariante : int {
    abArbeitsblatt = 0,        // "Arbeitsblatt"
    abLoesungKomplett = 1,     // "Lösungsblatt (komplett)"
    abLoesungFolie = 2,        // "Lösungsblatt (Auflegefolie)"
    abAusschneideblatt = 3,    // "Ausschneideblatt"
};

QStringList VariantenTexte();

struct ArbeitsblattOptionen
{
    int Variante = abArbeitsblatt;
    // header fields "Name", "Klasse", "Datum", "Fach", "Blatt-Nr."
    bool ABName = true;
    bool ABKlasse = true;
    bool ABDatum = true;
    bool ABFach = false;
    bool ABBlattNr = false;
    QString Titel;                   // TitelEdit; empty: no title line
    bool TitelVerwenden = true;      // TitelCheck "Titel des Dokuments verwenden"
    QString Aufgabe;                 // AufgMemo
    bool Textvorgabe = true;         // "Antworttexte vorgeben"
    int Kaestchengroesse = 110;      // percent, 30..200 in steps of 10
    bool ErstBuchstabeVorgabe = false;
    bool ZeichnungenEinbinden = false;
    bool Basisbild = true;           // BasisbildCheck0 and BasisbildCheck (kept equal)
    double BasisbildGroesse = 100.0; // percent of the page width, at most 300
    double BasisbildX = 0.0;         // -20..20
    double BasisbildY = 0.0;         // at least -20
    bool Vollbreite = false;
    bool Raender = true;             // "Ränder für Lückentext übernehmen"
    int MaxFontSize = 0;             // -10..10
    bool Objekte = true;             // "Weitere Objekte zeigen"
    int AbFrage = 1;                 // 1..99999
    int Spalten = 1;                 // 1..20
    bool Querformat = false;         // OrientRadio
    // Set by a change of the orientation, cleared by every drawing: the
    // picture size is computed anew for the new page.
    bool OrientierungGeaendert = false;

    bool operator==(const ArbeitsblattOptionen &) const = default;
};

// The list of "Kästchengröße:": "30 %" … "200 %".
QStringList KaestchengroessenTexte();
QString KaestchengroesseText(int prozent);
// The percent of a list text; -1 when the text is not in the list.
int KaestchengroesseAusText(const QString &text);

// The limits the window applies after every step and on leaving a field.
void BildoptionenBegrenzen(ArbeitsblattOptionen &o);
// All options into their ranges (values read from a file may be anything).
void OptionenBegrenzen(ArbeitsblattOptionen &o);

// The settings text of the ten stored fields.
QString ArbeitsblattEinstellungenText(const ArbeitsblattOptionen &o);
// Reads a settings text into o; fields that are missing keep their value.
void ArbeitsblattEinstellungenLesen(const QString &text, ArbeitsblattOptionen &o);

// The option panels of the window and which document types show them.
enum class Optionsfeld {
    Textvorgabe,          // all but 3 and 5
    Kaestchengroesse,     // 0, 1, 4, 6
    ErstBuchstabe,        // 0
    ZeichnungenEinbinden, // 0
    Basisbild0,           // 0, 5
    Bildoptionen,         // 1, 4, 7: base image, size, x, y, full width, margins, font adjustment
    Objekte,              // 1, 7
    AbFrage,              // 2, 3
};
bool OptionsfeldSichtbar(Optionsfeld feld, int dokTyp);

// The address written at the right end of the footer line is kProduktAdresse.
// The text at the left end of the footer line.
inline constexpr char kErstelltMit[] = "Erstellt mit Kalumo.";

} // namespace kalumo
