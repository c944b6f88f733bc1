#pragma once
// What the exercise series needs from the rest of the program. The main
// window implements SerienUebungsDienste (the exercise engine starts the
// partial exercises); tests and kalumo-tool implement only what they use.

#include "platform/Dateidialoge.h"
#include "platform/Meldungen.h"
#include "series/Uebungsserie.h"

#include <QString>

namespace kalumo {

// Everything the engine needs to start one partial exercise (StarteUebung
// with no settings dialog, repetition mode 0 and UebArt uebSerie).
struct TeiluebungStart
{
    int Position = 0;               // index of the partial exercise, from 0
    int Anzahl = 0;                 // partial exercises of the series
    QString Datei;                  // the file to read: the package, or the document itself
    qint64 Offset = 0;              // > 0: the document is embedded in Datei at this byte
    qint64 Laenge = 0;              // and has this many bytes
    int Abfragemodus = abfrageFreieZuordnung;   // the entry's query mode
    int Uebungsmodus = uebmodusWiederholen;     // the series' exercise mode (wrong-feedback value)
    int RueckmeldungRichtig = 0;                // the series' right-feedback value
    int Zeit = 0;                   // time limit in minutes, 0 = none
    int Gewichtung = 1;

    bool AusPaket() const { return Offset > 0; }
    int ZLimit() const { return ZeitlimitSekunden(Zeit); }
    bool operator==(const TeiluebungStart &) const = default;
};

// Files, dialogs, the grading scale and the library: what the package
// operations and the creation dialog need.
class SerienDateiDienste
{
public:
    virtual ~SerienDateiDienste() = default;

    virtual Meldungen &Meldung() = 0;
    virtual Dateidialoge &Dialoge() = 0;

    // The user's grading scale: written into new packages; a package that
    // carries a scale replaces it (also for later exercises and the
    // settings stored at the end of the program).
    virtual SerienSkalaTyp Skala() const = 0;
    virtual void SkalaSetzen(const SerienSkalaTyp &skala) = 0;

    virtual void Sanduhr(bool an) {}
    // The current library folder of the topic menu.
    virtual QString Bibliotheksordner() const { return {}; }
    virtual void BibliotheksordnerSetzen(const QString &ordner) {}
    virtual void BibliothekNeuAufbauen() {}
};

// What the series runner needs from the exercise engine and the main window.
class SerienUebungsDienste : public SerienDateiDienste
{
public:
    // The exercise-abort guard and the save question, asked before a series
    // replaces the current document.
    virtual bool UebungAbbrechenErlaubt() { return true; }
    virtual bool AenderungenSpeichernFragen() { return true; }

    // The option "&Namenseingabe bei Übungen" and the name dialog; the name
    // may stay empty.
    virtual bool NamenseingabeAn() const { return true; }
    virtual QString NameAbfragen() { return {}; }
    // TeilnehmerName of the run record.
    virtual void TeilnehmerNameSetzen(const QString &name) = 0;
    virtual QString TeilnehmerName() const = 0;

    // Loads the document of the partial exercise (TeiluebungDokumentLesen),
    // applies the series settings (SerienEinstellungenAnwenden) and starts
    // the run; false when the document could not be read (its messages have
    // been shown) or the run did not start. At the end of the run the engine
    // calls TeiluebungBeendet instead of showing its result window.
    virtual bool TeiluebungStarten(const TeiluebungStart &start) = 0;

    // The series status panel: Position + 1 and "von  " + Anzahl (when the
    // status information option is on).
    virtual void SerieStatusZeigen(int position, int anzahl) {}
    // After a partial exercise: the exercise panel of a question or
    // multiple-choice document is hidden.
    virtual void TeiluebungAufraeumen() {}

    // NoteBerechnen, NotenWort and the scale word for the total result.
    virtual SerienBewertung Bewerten(double gesamtleistung) = 0;

    // The end of the series: the status panels of exercise and series are
    // hidden, the total protocol goes into the protocol window, the end
    // dialog "Übungsserie beendet" is shown modally.
    virtual void StatusPanelsVerbergen() {}
    virtual void ProtokollSetzen(const QString &gesamtprotokoll) {}
    virtual void SerieBeendetZeigen(const UebungsserieDataTyp &serie, const SerienBewertung &bewertung) = 0;

    // UebArt := 0, the exercise is stopped and the learning view redrawn
    // (at the end of a series, and when a partial exercise could not start).
    virtual void UebungVerlassen() {}
    // Closes the current document as "Schließen" does (after a package ran).
    virtual void DokumentSchliessen() {}
};

} // namespace kalumo
