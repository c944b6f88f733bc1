#pragma once
// The exercise series: several documents run one after another as partial
// exercises of one test, each with a weight and an optional time limit,
// ending with one total result, one grade and one total protocol.
//
// This file holds the series record, its entries, the texts the series
// shows and the arithmetic of the total result. The package file is in
// Seriepaket.h, the runner in Serienlauf.h, the creation dialog's logic in
// Serienerstellung.h.

#include "document/DokumentModell.h"

#include <QString>

#include <array>
#include <vector>

namespace kalumo {

// Query mode of a series entry (Abfragemodus). 0 to 3 are the values of
// the exercise setting AbfrageModus.
enum SerienAbfragemodusWert : int {
    abfrageAusKal = -2,             // "wird aus KAL geladen": the document stores its own settings
    abfrageKeiner = -1,             // "-": the document type has no query mode
    abfrageFreieZuordnung = 0,      // "Freie Zuordnung"
    abfrageTexteEinzeln = 1,        // "Texte/Bilder einzeln"
    abfragePositionenEinzeln = 2,   // "Positionen einzeln"
    abfrageTexteingabe = 3,         // "Texteingabe"
};

// The text of a query mode in the column "Abfragemodus (*)"; empty for an
// unknown value.
QString AbfragemodusText(int modus);

// Whether a document type has a query mode (image labelling, cloze,
// cluster, crossword) and the highest mode it may take (cluster: 1, else 3).
bool HatAbfragemodus(int dokTyp);
int HoechsterAbfragemodus(int dokTyp);

// The query mode an entry gets from its document's header: -2 when the
// document stores its own settings, 0 for the types with a query mode, -1
// for the others.
int StandardAbfragemodus(const HeaderDataTyp &kopf);

// One click on the query-mode cell: 0, 1, 2, 3, 0, … (cluster 0, 1, 0, …);
// -1, -2 and unknown document types never change.
int AbfragemodusWeiter(int dokTyp, int modus);

// Exercise mode of the whole series (Uebungsmodus).
enum SerienUebungsmodusWert : int {
    uebmodusWiederholen = 0,        // repeat until everything is right
    uebmodusEinVersuch = 1,         // one attempt per question or position
    uebmodusOhneRueckmeldung = 2,   // one attempt, no right/wrong feedback
};
inline constexpr int kUebungsmodusAnzahl = 3;

// The three texts of the radio group, with their blanks.
QString UebungsmodusText(int modus);
// A stored mode outside 0…2 counts as 0.
int UebungsmodusGueltig(int modus);
// RueckmeldungRichtig of a series: 2 when the exercise mode is 2, else 0.
int RueckmeldungRichtigFuer(int uebungsmodus);

// The grading scale a package carries: the thresholds that a user may set
// (NoteMinQuote[1…5] at index 0…4, PunkteMinQuote[1…15] at index 0…14)
// and the chosen scale. The fixed ends (1.0 and 0.0) are not stored.
inline constexpr int kSerieNotenGrenzen = 5;
inline constexpr int kSeriePunkteGrenzen = 15;

struct SerienSkalaTyp
{
    std::array<double, kSerieNotenGrenzen> NoteMinQuote = {0.85, 0.70, 0.55, 0.40, 0.25};
    std::array<double, kSeriePunkteGrenzen> PunkteMinQuote = {0.25, 0.30, 0.35, 0.40, 0.45, 0.50, 0.55, 0.60,
                                                              0.65, 0.70, 0.75, 0.80, 0.85, 0.90, 0.95};
    int BewertSkala = 0;

    bool operator==(const SerienSkalaTyp &) const = default;
};

// A scale read from a file made usable: thresholds clamped to 0…1, an
// unknown scale number becomes 0.
SerienSkalaTyp SkalaGueltig(SerienSkalaTyp skala);

// One document of a series.
struct UebungsserieDokTyp
{
    QString Datei;                  // full path (in a package: the path it had when the package was made)
    QString Titel;                  // "(ohne Titel)" when the document has none
    QString Sortname;               // lower-case file name, the sort key
    int DokTyp = -1;                // from the document's header; -1 when unknown (not stored in a package)
    int Abfragemodus = abfrageFreieZuordnung;
    int Gewichtung = 1;             // weight in the total result
    int Zeit = 0;                   // time limit in minutes; 0 = no limit
    qint64 Offset = 0;              // byte position of the embedded document in the package; 0 outside
    qint64 Laenge = 0;              // its length in bytes; 0 outside a package
    bool Aktiv = true;              // takes part ("ja"/"nein")

    bool operator==(const UebungsserieDokTyp &) const = default;
};

// Where the series stands.
enum class SerienZustand {
    Leerlauf,   // nothing runs (also after the end or an abort)
    Laeuft,     // partial exercise Position runs
};

// The series (one instance, held by the main window; the creation dialog
// edits the same instance).
struct UebungsserieDataTyp
{
    int Position = 0;               // partial exercise now running, from 0
    int Anzahl = 0;                 // partial exercises of the running series
    int Note = 0;                   // grade of the whole series
    double Punkte = 0.0;            // sum of Gewichtung x the run's Gesamtleistung
    double Gewichtssumme = 0.0;     // sum of all Gewichtung
    double Gesamtleistung = 0.0;    // Punkte / Gewichtssumme, 0 to 1
    QString Gesamtprotokoll;        // protocol texts of the finished partial exercises
    int Uebungsmodus = uebmodusWiederholen;
    int RueckmeldungRichtig = 0;    // 2 when Uebungsmodus is 2, else 0
    QString Paketdatei;             // package being run; empty when the documents are read from their own files
    QString Protokolltitel;
    QString Information;            // several lines; "<tab>" stands for a tab
    std::vector<UebungsserieDokTyp> Dokumente;   // in run order

    // The grading scale of the last package read (when it carried one);
    // it has been handed to the user's settings as well.
    SerienSkalaTyp Skala;
    bool SkalaAusPaket = false;

    SerienZustand Zustand = SerienZustand::Leerlauf;
};

// Initial values of the creation dialog's title and information fields.
QString SerienTitelVorgabe();        // "Titel der Übungsserie"
QString SerienInformationVorgabe();  // three lines "Fach / Thema: <tab>", …

// "(ohne Titel)"
QString OhneTitelText();

// The information text with every "<tab>" replaced: by one blank for the
// start question, by a tab for the protocol.
QString InformationMitLeerzeichen(const QString &information);
QString InformationMitTabulator(const QString &information);

// The start question of a package.
QString SerieStartFrage(const QString &protokolltitel, const QString &information);

// "Teilübung Nr. 1 von 3 ist beendet.\r\nMit Klick auf OK startet die nächste
// Teilübung." (the second sentence only while a partial exercise follows).
QString TeiluebungBeendetText(int beendet, int anzahl);

// The second line of the series status panel: "von  " + Anzahl.
QString SerieStatusVonText(int anzahl);

// Time limit of a partial exercise in seconds (Zeit x 60, never negative).
int ZeitlimitSekunden(int zeitMinuten);

// Punkte / Gewichtssumme, kept within 0…1; 0 when the weights sum to 0 or less.
double SerienGesamtleistung(double punkte, double gewichtssumme);

// A performance as the series shows it: "50.0 %".
QString LeistungProzentText(double gesamtleistung);

// What the grading of the whole series gives.
struct SerienBewertung
{
    int Note = 0;
    QString NotenWort;   // "sehr gut" …
    QString SkalaWort;   // "Note" or "Punkte"
};

// The total protocol: heading, title, information, participant, the
// total result and the protocols of the partial exercises.
QString GesamtprotokollText(const UebungsserieDataTyp &serie, const QString &teilnehmerName,
                            const SerienBewertung &bewertung);

// The messages of the series.
QString MeldungKeineDokumente();          // "Es wurden noch keine Kalumo-Dokumente für die Übungs-Serie ausgewählt."
QString MeldungSerienordnerUngueltig();   // "Der angegebene Ordner für die Übungsserie ist ungültig."
QString MeldungGewichtungNull();
QString MeldungGewichtungNegativ(int nummer);

// Checks the weights of the entries that take part: none negative, and a
// sum above 0 (the total result divides by it). Empty when they are fine.
QString GewichtungenPruefen(const std::vector<UebungsserieDokTyp> &dokumente, bool nurAktive);

// A weight or time cell read back: blanks removed, read as a decimal number
// (point or comma) and rounded to the nearest integer, halves to the even
// neighbour; a text that is no number gives 0. Values beyond the range of
// an int are cut to it.
int ZellenZahl(const QString &text);

} // namespace kalumo
