#pragma once
// The record of one exercise run (UebDataTyp) and the query list
// (AbfrageListe): which object's text or image is brought to which place.

// UebArt (uebIndividual, uebNetzTeilnahme, uebNetzInitiiert, uebSerie) is
// the session's, in learnview/Ansichtslauf.h.
#include "learnview/Ansichtslauf.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <vector>

namespace kalumo {

// Why the run ended (EndeGrund).
enum EndeGrundWert : int {
    endeLaeuft = 0,
    endeFertig = 1,        // every query answered
    endeAbgebrochen = 2,   // a participant aborted
    endeZeitlimit = 3,     // the time limit was reached
};

// Repetition modes of StarteUebung.
enum WiederholungWert : int {
    wiedKomplett = 0,      // "Komplett wiederholen"
    wiedFehler = 1,        // "Nur Abfragen wiederholen, die nicht auf Anhieb korrekt gelöst wurden"
};

// One entry of AbfrageListe: object indices; a wrong-word card has Ziel -1.
struct AbfrageEintrag
{
    int Karte = -1;
    int Ziel = -1;
    bool operator==(const AbfrageEintrag &) const = default;
};

struct UebDataTyp
{
    int GesamtAbfragen = 0;        // queries of the complete exercise
    int AnzAbfragen = 0;           // queries in this run
    int AnzFalschwoerter = 0;      // wrong-word cards
    double Richtig = 0;            // correct answers (fractional for multiple choice)
    double Falsch = 0;             // failed attempts
    double Erfolgsquote = 0;       // 0..1
    double Gesamtleistung = 0;     // 0..1
    QString RichtigText, FalschText, QuoteText, LeistungText;
    int Note = 0;
    qint64 StartTick = 0;          // millisecond counter at the start (64 bits: it never wraps)
    double StartZeit = 0;          // days since 1899-12-30, the fraction is the time of day
    int BildBreite = 0;            // width of the document image inside the exercise panel
    int RiFaRueckmeldung = 0;
    int ZuordnungRichtig = 0;
    int ZuordnungFalsch = 0;
    int Zuordnungstexte = 1;
    int Zuordnungsziele = 1;
    int AbfrageModus = 0;
    int Zeitlimit = 0;
    int ZLimit = 180;
    int RestZeit = 0;              // remaining seconds
    int OffenePositionen = 0;      // queries not yet answered
    int EndeGrund = endeLaeuft;
    int AktAbfrage = 0;            // current entry in the single-query modes
    QString ProtokollAblauf;       // filled by the protocol of the run
    QString ProtokollKopf;
    int UebArt = uebIndividual;
    QString NetzKennung, TeilnehmerKennung, NetzTeilnehmerName;
    QString TeilnehmerName;
    bool InBestenliste = false;
    std::array<double, 7> NoteMinQuote{};    // copy of the grade thresholds
    std::array<double, 17> PunkteMinQuote{}; // copy of the point thresholds
    int BewertSkala = 0;                     // copy of the scale selection
    int AnzZeichenVorgeben = 0;
};

// Messages of the run.
namespace uebtext {
inline constexpr char NetzTeilnahmeLaeuft[] =
    "Die aktuelle Netzwerk-Übung muss zunächst beendet werden, um eine eigene Übung starten zu können.";
inline constexpr char NetzInitiiert[] =
    "Auf diesem Rechner wurde eine Netzwerk-Übung initiiert, die zuerst beendet werden muss. Daher kann im Moment "
    "keine eigene Übung gestartet werden.";
inline constexpr char EditorOffen[] = "Bitte zuerst den Beschriftungseditor schließen.";
inline constexpr char KeineAbfragen[] = "Dieses Dokument enthält keine Abfrageobjekte.";
inline constexpr char Zeitlimit[] = "Das Zeitlimit ist erreicht, die Übung wird beendet.";
inline constexpr char Beendet[] = "Die Übung ist beendet.";
inline constexpr char WiederholungAbgelehnt[] = "Eine Wiederholung der Netzwerk-Übung wurde nicht zugelassen.";
inline constexpr char AbbrechenFrage[] = "Die aktuelle Übung ist noch nicht beendet.\r\nÜbung wirklich abbrechen?";
inline constexpr char LaeuftNoch[] =
    "Die aktuelle Übung ist noch nicht beendet.\r\nWählen Sie \"Übung abbrechen\", um die aktuelle Übung vorzeitig "
    "abzubrechen.";
inline constexpr char EinstellungenWaehrendUebung[] =
    "Die Übungseinstellungen können nicht während der Übung geändert werden.";
inline constexpr char FehlerAufgetreten[] = "Fehler aufgetreten (";
inline constexpr char Wiederholen[] = "Übung wiederholen";
inline constexpr char WiederholenKomplett[] = "Komplett wiederholen";
inline constexpr char WiederholenFehler[] =
    "Nur Abfragen wiederholen, die nicht auf Anhieb korrekt gelöst wurden";
// the name dialog
inline constexpr char NameTitel[] = "Teilnehmername eingeben";
inline constexpr char NameGruppe[] = "Übungsteilnehmer";
inline constexpr char NameLabel[] = "&Name:";
inline constexpr char NameHinweis[] = "Bitte Name für Protokoll und Bestenliste eingeben.";
inline constexpr int NameMaxLaenge = 30;
} // namespace uebtext

// Days since 1899-12-30 for a date and time given in local time.
double TageSeit1899(const QDateTime &zeit);

// The clock text: minutes and seconds, each at least two digits ("03:07").
QString Uhrtext(qint64 sekunden);

} // namespace kalumo
