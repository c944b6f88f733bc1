#pragma once
// The exercise series inside the program. The series runner (series/
// Serienlauf.h) asks for documents, the exercise engine, messages and the
// grading scale; this class answers over the session. The engine in turn
// asks the series for the document and the overrides of each partial
// exercise and reports its end (Serienhaken); both directions meet here.
//
// A partial exercise starts the engine with UebArt uebSerie: the engine
// loads the entry's document (EintragLaden), applies the entry's overrides
// (Vorgaben) and at its end hands Gesamtleistung and the finished protocol
// to the runner instead of showing its result window. The next partial
// exercise starts from within that call; the exercise stays in the run slot
// until the series ends or is abandoned. Leaving the run for the learning
// view ("Übung abbrechen") abandons the series.
//
// What only a window can show (the end dialog, the protocol window, the
// series status) goes through Serienfenster; without one the end dialog is
// skipped and the protocol stays in the record.

#include "exercise/UebungsDienste.h"
#include "series/Serienlauf.h"

#include <memory>

namespace kalumo {

class Sitzung;

class Serienfenster
{
public:
    virtual ~Serienfenster() = default;
    // "Übungsserie beendet", modal.
    virtual void SerieBeendetZeigen(const UebungsserieDataTyp &serie, const SerienBewertung &bewertung) = 0;
    // The total protocol goes into the protocol window.
    virtual void ProtokollSetzen(const QString &gesamtprotokoll) { Q_UNUSED(gesamtprotokoll) }
    // The series status panel changed (position from 0), or is hidden.
    virtual void SerieStatusZeigen(int position, int anzahl) { Q_UNUSED(position) Q_UNUSED(anzahl) }
    virtual void StatusPanelsVerbergen() {}
};

class Serienanbindung : public SerienUebungsDienste, public Serienhaken
{
public:
    explicit Serienanbindung(Sitzung &sitzung);
    ~Serienanbindung() override;

    void FensterSetzen(Serienfenster *f) { m_fenster = f; }

    const UebungsserieDataTyp &Serie() const { return m_serie; }
    UebungsserieDataTyp &Serie() { return m_serie; }
    bool Laeuft() const { return SerieLaeuft(m_serie); }

    // ---- commands ----
    // "Übungs-/Testserie ausführen..." and "Ausführen...": guard, save
    // question, the package dialog, the start question.
    bool Ausfuehren();
    // A package given on the command line (its start question comes first).
    bool PaketOeffnen(const QString &pfad);
    // "Übungs-Serie direkt starten" of the creation dialog.
    bool AusListeStarten(int uebungsmodus);
    // The run went back to the learning view: a series still running is
    // abandoned (no total protocol, no end dialog).
    void LaufVerlassen();

    // ---- SerienDateiDienste ----
    Meldungen &Meldung() override;
    Dateidialoge &Dialoge() override;
    SerienSkalaTyp Skala() const override;
    void SkalaSetzen(const SerienSkalaTyp &skala) override;
    void Sanduhr(bool an) override;
    QString Bibliotheksordner() const override;
    void BibliotheksordnerSetzen(const QString &ordner) override;

    // ---- SerienUebungsDienste ----
    bool UebungAbbrechenErlaubt() override;
    bool AenderungenSpeichernFragen() override;
    bool NamenseingabeAn() const override;
    QString NameAbfragen() override;
    void TeilnehmerNameSetzen(const QString &name) override;
    QString TeilnehmerName() const override;
    bool TeiluebungStarten(const TeiluebungStart &start) override;
    void SerieStatusZeigen(int position, int anzahl) override;
    SerienBewertung Bewerten(double gesamtleistung) override;
    void StatusPanelsVerbergen() override;
    void ProtokollSetzen(const QString &gesamtprotokoll) override;
    void SerieBeendetZeigen(const UebungsserieDataTyp &serie, const SerienBewertung &bewertung) override;
    void UebungVerlassen() override;
    void DokumentSchliessen() override;

    // ---- Serienhaken ----
    bool EintragLaden() override;
    SerienVorgaben Vorgaben() override;
    void TeiluebungBeendet(const Uebung &uebung) override;

private:
    Sitzung &m_s;
    Serienfenster *m_fenster = nullptr;
    std::unique_ptr<Dateidialoge> m_keineDialoge;
    UebungsserieDataTyp m_serie;
    TeiluebungStart m_start;
    bool m_dokumentEinstellungen = false;
};

} // namespace kalumo
