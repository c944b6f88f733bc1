#pragma once
// What an exercise run needs from the rest of the program. Every service is
// optional: a run without windows (tests, "kalumo-tool exercise") leaves
// them out and gets no pauses, no sounds and no dialogs.
//
//   UebungsOberflaeche  the window layer: mode changes, the 100 ms timer,
//                       repaint requests, feedback pauses and the card glide
//   Protokollsenke      one call per protocol line, with its kind and values
//   Ergebnishaken       the result window at the end of a run
//   Tondienst           the feedback sounds
//   Notenhaken          the grade of an overall performance (without it:
//                       NoteBerechnen on the scale the run started with)
//   Namensabfrage       the name dialog before an individual run
//   Einstellungsdialog  the settings dialog of the document type
//   Serienhaken         the exercise series around a partial exercise
//   Netzhaken           the network exercise around a participant's run

#include "exercise/Uebungsdaten.h"
#include "exercise/Uebungseinstellungen.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace kalumo {

class Uebung;

// What changed since the last notification (bits).
enum UebAenderung : unsigned {
    aendElemente = 1u << 0,     // elements: shown, hidden, moved, coloured, freed
    aendAnsicht = 1u << 1,      // the learning view's ViewBitmap
    aendAnweisung = 1u << 2,    // the instruction line
    aendStatus = 1u << 3,       // the status panel values
    aendRueckmeldung = 1u << 4, // feedback label and tick statistics
    aendUhr = 1u << 5,          // the clock text
    aendAuswahl = 1u << 6,      // the selection frame or the keyboard focus
    aendAlles = 0xFFFFu,
};

class UebungsOberflaeche
{
public:
    virtual ~UebungsOberflaeche() = default;

    // Start step 12: pointer tool, exercise mode, tool flap hidden, the
    // learning view's picture hidden and the exercise panel shown.
    virtual void UebungsmodusBetreten() {}
    // The run is left: back to the learning view (mode 2).
    virtual void LernansichtAktivieren() {}
    // The "Individual- Übung" button shown pressed or not (start step 4).
    virtual void IndividualKnopf(bool gedrueckt) {}
    // The 100 ms clock timer on or off; it calls Uebung::Tick().
    virtual void ZeitgeberSetzen(bool an) {}
    // Something the panel shows has changed.
    virtual void Aktualisieren(unsigned aenderung) {}
    // A feedback pause: true when the window waits ms milliseconds, drops
    // every input meanwhile and then calls Uebung::PauseBeendet(); false
    // when the run is to go on at once.
    virtual bool Pausieren(int ms) { return false; }
    // The card glide: top-left positions of the card, one per millisecond,
    // ending at its origin. Like Pausieren: true when the window animates
    // and then calls Uebung::PauseBeendet().
    virtual bool Gleiten(int element, const std::vector<QPoint> &bahn) { return false; }
    // A click during the run on an info point or link that may open.
    virtual void ObjektOeffnen(int objekt) {}
    // The check button of multiple choice closes an open info window.
    virtual void InfofensterSchliessen() {}
};

// One line of the run's protocol, with the values it is made of. Texts of
// objects are normalised captions.
enum class ProtokollArt {
    Start,             // "Übung wird gestartet"
    KarteGezeigt,      // single query of texts/images shows the card Karte
    PositionGezeigt,   // single query of positions shows the target Ziel
    FrageGezeigt,      // a question: Ziel, Optionen (+ Loesungen)
    Antwort,           // an answer: Richtig, Karte, Ziel (cross matching: Karte first, Ziel second element)
    Haekchen,          // multiple choice after its answer: Anzahl richtig / falsch / fehlend
    Texteingabe,       // one input field: Ergebnis, Ziel, Eingabe
    Textstelle,        // one find-words spot: Ergebnis, Ziel
    Textmarkierungen,  // the find-words summary
    Zeitlimit,         // the time limit is reached
};

enum class EingabeErgebnis { Richtig, Alternativ, Falsch, Fehlend };

struct ProtokollEintrag
{
    ProtokollArt Art = ProtokollArt::Start;
    qint64 Laufzeit = 0;          // milliseconds since the start (the time stamp)
    int DokTyp = 0;
    int DokUnterTyp = 0;
    int AbfrageModus = 0;
    bool Richtig = false;
    EingabeErgebnis Ergebnis = EingabeErgebnis::Richtig;
    int Karte = -1, Ziel = -1;    // objects
    QString KarteText, ZielText;  // normText of their captions
    QString Eingabe;              // text input: the field's text as typed
    int FrageNummer = -1;
    QString Fragetext;            // the question (multiple choice: its first item)
    bool FrageMitBild = false;
    QStringList Optionen;         // answer options in the order shown
    std::vector<bool> Loesungen;  // per option: the solution / a correct answer
    QStringList Angekreuzt;       // multiple choice: ticked answer texts
    int AnzRichtig = 0, AnzFalsch = 0, AnzFehlend = 0;
};

class Protokollsenke
{
public:
    virtual ~Protokollsenke() = default;
    virtual void Zeile(const ProtokollEintrag &eintrag) = 0;
};

// The result window's answer.
struct ErgebnisWahl
{
    bool Wiederholen = false;      // "Übung wiederholen"; else "Zur Lernansicht"
    int Wiederholung = wiedKomplett;
};

class Ergebnishaken
{
public:
    virtual ~Ergebnishaken() = default;
    // Shows the result; wiederholungMoeglich says whether the repeat choice
    // is enabled (otherwise it stands on its first item).
    virtual ErgebnisWahl Zeigen(const Uebung &uebung, bool wiederholungMoeglich) = 0;
};

class Tondienst
{
public:
    virtual ~Tondienst() = default;
    // eigeneDatei: the object's own sound file, empty for the configured one.
    virtual void TonRichtig(const QString &eigeneDatei) = 0;
    virtual void TonFalsch() = 0;
};

class Notenhaken
{
public:
    virtual ~Notenhaken() = default;
    virtual int Note(double gesamtleistung, const UebDataTyp &lauf) = 0;
};

class Namensabfrage
{
public:
    virtual ~Namensabfrage() = default;
    // TNameEingabeForm; the text as entered (at most 30 characters, may be empty).
    virtual QString NameErfragen() = 0;
};

class Einstellungsdialog
{
public:
    virtual ~Einstellungsdialog() = default;
    // Shows the settings dialog of the document type over the dialog values;
    // true when it closes with "Übung starten".
    virtual bool Zeigen(int dokTyp) = 0;
};

class Serienhaken
{
public:
    virtual ~Serienhaken() = default;
    // Start step 2: loads the document of the current series entry.
    virtual bool EintragLaden() = 0;
    // Start step 5: what the entry asks of its run.
    virtual SerienVorgaben Vorgaben() = 0;
    // The end of a partial exercise: the series goes on.
    virtual void TeiluebungBeendet(const Uebung &uebung) = 0;
};

class Netzhaken
{
public:
    virtual ~Netzhaken() = default;
    virtual void Fortschritt(const Uebung &) {}
    virtual void Ende(const Uebung &) {}
    // The participant asks the teacher for a repetition.
    virtual bool WiederholungErbitten() { return false; }
    // A participant's document is closed and the start page shown.
    virtual void DokumentSchliessen() {}
};

struct UebungsDienste
{
    UebungsOberflaeche *Oberflaeche = nullptr;
    Protokollsenke *Protokoll = nullptr;
    Ergebnishaken *Ergebnis = nullptr;
    Tondienst *Ton = nullptr;
    Notenhaken *Note = nullptr;
    Namensabfrage *Name = nullptr;
    Einstellungsdialog *Dialog = nullptr;
    Serienhaken *Serie = nullptr;
    Netzhaken *Netz = nullptr;
    // Called at the moment the result is due, before it is shown and before
    // the run returns to the learning view (the tool takes its picture here).
    std::function<void(const Uebung &)> BeimErgebnis;
};

// The options of the menu "Optionen" that a run reads.
struct UebungsOptionen
{
    bool Namenseingabe = true;             // "&Namenseingabe bei Übungen"
    bool ErgebnisfensterAnzeigen = true;   // "Übungs&ergebnisfenster anzeigen"
};

} // namespace kalumo
