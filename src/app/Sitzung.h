#pragma once
// The program's state without a window: the current document with its
// learning view and interaction, the run that may take the picture area over
// (an exercise or the sliding puzzle, learnview/Ansichtslauf.h), the mode,
// the user settings, and the commands on them: opening, saving and closing
// documents, starting and leaving runs, the exercise guard and the closing
// questions, the start from the command line and the preview picture.
//
// TForm1 holds one session and presents it: the picture area forwards its
// input to Eingabe(), the window hears of changes through SitzungsAnzeige
// and computes its menus and panels from MenueEingabenErmitteln(). Tests
// drive the whole program state through a session without any window.
//
// Exercises: the session owns the one exercise (Uebung) over its document
// and view; "Individual-Übung" and "Übungseinstellungen..." start it, and
// when its start sequence enters exercise mode the session puts an
// Uebungslauf into the run slot. The window gives the exercise its panel
// (UebungsOberflaecheSetzen), the sound output, the name and settings
// dialogs; without them a run has no pauses, no sounds and no dialogs.
//
// Where the coming parts attach: an exercise run or the sliding puzzle
// through LaufStarten (see learnview/Ansichtslauf.h for who owns what, how
// the view redraws and how the mode changes); the network exercise marks the
// teacher computer with UebArtSetzen; worksheets read Dok() and Ansicht().

#include "app/Hauptfensterlogik.h"
#include "app/Menuezustand.h"
#include "app/Uebungsende.h"
#include "app/settings/Einstellungen.h"
#include "document/Bibliothek.h"
#include "document/DokumentDateien.h"
#include "document/Dokumenteigenschaften.h"
#include "exercise/Rueckmeldungston.h"
#include "exercise/Uebung.h"
#include "exercise/Uebungstoene.h"
#include "learnview/Ansichtslauf.h"
#include "learnview/Interaktion.h"
#include "learnview/Lernansicht.h"
#include "worksheet/ArbeitsblattOptionen.h"

#include <memory>

namespace kalumo {

class Dateidialoge;
class Einstellungsspeicher;
class Netzsteuerung;
class Serienanbindung;
class Uebungslauf;
struct TeiluebungStart;

// What the session tells the window that presents it. Every call has an
// empty default.
class SitzungsAnzeige
{
public:
    virtual ~SitzungsAnzeige() = default;
    virtual void Sanduhr(bool an) { Q_UNUSED(an) }
    // The file name or title of the document changed.
    virtual void TitelAnzeigen() {}
    // A document was read (alsAktuell: it is now the current document).
    virtual void DokumentGelesen(bool alsAktuell) { Q_UNUSED(alsAktuell) }
    // "Schließen" emptied the document.
    virtual void DokumentGeschlossen() {}
    // A run started or ended: menus, panels, the engine of the picture area.
    virtual void ModusGewechselt() {}
    // The library list or its visible page changed: the menu "&Themenauswahl".
    virtual void BibliothekGeaendert() {}
};

class Sitzung : private DokumentDienste
{
public:
    // programmOrdner: where the program's files are (the defaults of the
    // settings and folders are taken from it).
    explicit Sitzung(const QString &programmOrdner);
    ~Sitzung() override;
    Sitzung(const Sitzung &) = delete;
    Sitzung &operator=(const Sitzung &) = delete;

    // ---- services ----
    // Message boxes and file dialogs; the window installs its own, tests
    // scripted ones. Without them messages go to standard error (questions
    // are answered "Nein") and dialogs are cancelled.
    void MeldungenSetzen(Meldungen *m) { m_meldungen = m; }
    void DateidialogeSetzen(Dateidialoge *d) { m_dialoge = d; }
    Dateidialoge *DateiDialoge() const { return m_dialoge; }
    void AnzeigeSetzen(SitzungsAnzeige *a) { m_anzeige = a; }
    Meldungen &Meldung() override { return *m_meldungen; }

    // ---- state ----
    Dokument &Dok() { return m_dok; }
    const Dokument &Dok() const { return m_dok; }
    Lernansicht &Ansicht() { return m_ansicht; }
    const Lernansicht &Ansicht() const { return m_ansicht; }
    Interaktion &Lerninteraktion() { return m_interaktion; }
    EinstellungenTyp &Einstellungen() { return m_einst; }
    // The worksheet settings (a document may bring its own).
    ArbeitsblattOptionen &Arbeitsblatt() { return m_arbeitsblatt; }
    // A document was read and not closed since (else the start picture shows).
    bool DokumentOffen() const { return m_dokumentOffen; }
    // A click on the start page hides its hint (until a document is closed).
    void StartHinweisVerbergen() { m_startHinweisVerborgen = true; }
    const EinstellungenTyp &Einstellungen() const { return m_einst; }
    // The picture shown while no document is open.
    QImage Startbild() const override { return m_startbild; }
    // The document font ("Opt-Schriftart"; a document that stores one replaces it).
    QString Schriftart() const override { return m_einst.Schriftart; }
    void SchriftartSetzen(const QString &name) override;

    // Ansichtsmodus: modusLernansicht, modusUebung or modusSchiebepuzzle.
    int Modus() const { return m_lauf ? m_lauf->Modus() : int(modusLernansicht); }
    // UebArt: the run's kind while one runs, else the teacher's mark (or 0).
    int UebArt() const { return m_lauf ? m_lauf->UebArt() : m_uebArt; }
    // The network exercise marks the computer that initiated it (uebNetzInitiiert).
    void UebArtSetzen(int art) { m_uebArt = art; }

    // The toolbar of the learning view is expanded.
    bool WerkzeugleisteOffen() const { return m_werkzeugleisteOffen; }
    void WerkzeugleisteOffenSetzen(bool offen) { m_werkzeugleisteOffen = offen; }
    // Folder and document of the command line ("Startseite" returns to them).
    const QString &Startordner() const { return m_startordner; }
    const QString &Startdokument() const { return m_startdokument; }

    // Everything the menus and panels depend on (Menuezustand.h).
    MenueEingaben MenueEingabenErmitteln() const;

    // ---- input ----
    // The engine the picture area forwards to: the run's while one runs,
    // else the learning view's interaction.
    Eingabemaschine &Eingabe();

    // ---- runs (learnview/Ansichtslauf.h) ----
    // Takes the run over and switches to its mode; the view is rebuilt.
    void LaufStarten(std::unique_ptr<Ansichtslauf> lauf);
    Ansichtslauf *Lauf() const { return m_lauf.get(); }
    // Back to the learning view: the run (if any) is left and dropped, the
    // view rebuilt. Asks nothing: callers ask UebungAbbrechenErlaubt first.
    void LernansichtAktivieren();
    // The 100 ms clock: hands the reading to the run.
    Eingabereaktion Takt(qint64 ms);
    // The exercise guard: true when nothing runs, the run is finished, or
    // the user agrees to abort it.
    bool UebungAbbrechenErlaubt() override;

    // ---- exercises ----
    // The exercise: its record, list and elements stay readable after a run
    // (the result, the protocol and the best list take them from here); its
    // Dienste take the result window and the protocol sink.
    Uebung &Uebungsobjekt() { return m_uebung; }
    const Uebung &Uebungsobjekt() const { return m_uebung; }
    // The exercise run in the slot, or nullptr.
    Uebungslauf *AktuelleUebung() const;
    // The window's side of a run: the exercise panel (pauses, the card
    // glide, repaints, the "Individual- Übung" button, opening info points).
    // The clock is not the panel's: the window's 100 ms clock calls Takt.
    void UebungsOberflaecheSetzen(UebungsOberflaeche *o)
    {
        m_fensterOberflaeche = o;
        m_uebung.Dienste.Oberflaeche = &m_laufOberflaeche;
    }
    void TonausgabeSetzen(Tonausgabe *t);
    void NamensabfrageSetzen(Namensabfrage *n) { m_uebung.Dienste.Name = n; }
    void EinstellungsdialogSetzen(Einstellungsdialog *d) { m_uebung.Dienste.Dialog = d; }
    // The result window at the end of a run ("Übung beendet").
    void ErgebnisfensterSetzen(Ergebnishaken *e) { m_uebung.Dienste.Ergebnis = e; }
    // The end of a run before its result window: the last protocol, its
    // automatic saving, the best list (app/Uebungsende.h).
    Uebungsende &Ende() { return m_uebungsende; }
    // "In Bestenliste eintragen" of the result window.
    bool InBestenlisteEintragen() { return m_uebungsende.Eintragen(m_uebung, *m_meldungen); }
    // The millisecond source of runs (exercise and puzzle); a steady system
    // clock unless one is set (tests move a hand-set one).
    void UhrSetzen(Millisekundenquelle *uhr) { m_uhrQuelle = uhr ? uhr : &m_systemuhr; }
    qint64 Millisekunden() const { return m_uhrQuelle->Millisekunden(); }
    // "Individual-&Übung" (F7): refused while a run or the puzzle is on;
    // otherwise the start sequence, with the settings dialog when the user
    // asked for it before every exercise. True when the run started.
    bool IndividualUebung();
    // "Übungs&einstellungen..." (Alt+F7): refused during a run; the dialog of
    // the document type, and "Übung starten" starts an individual run
    // without showing the dialog again.
    bool Uebungseinstellungen();
    // The success sound of a run (a solved sliding puzzle).
    void ErfolgsTon();
    // The options of the menu "Optionen", the grading scale and the
    // feedback texts and sounds as the settings say now.
    void UebungVorbereiten();
    // The messages and the clock of runs: they follow the session's.
    Meldungen &Laufmeldungen() { return m_uebMeldungen; }
    const Millisekundenquelle &Laufuhr() const { return m_uebUhr; }
    // The network exercise (teacher computer and participant).
    Netzsteuerung &Netz() { return *m_netz; }

    // ---- exercise series ----
    // The series runner and its menu commands (app/Serienanbindung.h).
    Serienanbindung &Serien() { return *m_serien; }
    // A partial exercise: its document read as a document that is not the
    // library's current one (from a package it has no file name); then the
    // run of kind uebSerie with the series' hook, without settings dialog.
    bool TeildokumentLesen(const TeiluebungStart &start);
    bool SerienteilStarten(Serienhaken &serie);
    void SanduhrZeigen(bool an) { Sanduhr(an); }

    // ---- documents ----
    bool Oeffnen();                          // "Öffnen..." (dialog)
    bool DokumentOeffnen(const QString &pfad); // read as the current document
    bool Speichern();
    bool SpeichernUnter();
    bool Schliessen();
    bool AenderungenSpeichernFragen();

    // ---- library (SitzungBibliothek.cpp) ----
    // The documents of the current folder as the menu "&Themenauswahl" lists
    // them; the index of the current document is Dok().Bibliotheksindex.
    const Bibliothek &Themen() const { return m_bibliothek; }
    // Rebuilds the list from the folder of the current document's file, or
    // from the current library folder when there is none.
    void BibliothekEinlesen();
    // A click on a document entry: the exercise guard and the save question,
    // then the entry's file as current document.
    bool BibliotheksdokumentOeffnen(int index);
    // "Nächstes/Vorheriges Dokument der Liste" (learning view only).
    void NaechstesDokument() { bibliothekSchritt(true); }
    void VorherigesDokument() { bibliothekSchritt(false); }
    // The paging entries: one page forward or back.
    void BibliothekBlaettern(bool vor);
    // "Aktuellen Ordner neu einlesen": rebuild and report the count.
    void OrdnerNeuEinlesen();
    // "Ordner wählen...": a folder chooser; the chosen folder becomes the
    // library folder and the document is closed. True after a choice.
    bool OrdnerWaehlen();
    // "Startseite": the start document again, or the start folder and the start page.
    bool Startseite();
    // "Zuvor angezeigtes Dokument".
    bool ZuvorAngezeigtesDokument();
    // "Für alle Dokumente des aktuellen Ordners übernehmen": saves the current
    // document, gives every document of the library folder the logo and
    // footer (fortschritt(n, anzahl) before each), reads the current
    // document again and reports the files left untouched by name.
    bool LogoFuerAlleUebernehmen(const LogoFusszeile &werte, const std::function<void(int, int)> &fortschritt = {});
    // The folder the library lists.
    QString BibliothekOrdner() const;

    // ---- view ----
    // A full rebuild of the learning view in the current document font.
    void Neuaufbau();

    // ---- settings ----
    // The user settings store and the central configuration file; without
    // them the real ones are used.
    void EinstellungsspeicherSetzen(Einstellungsspeicher *s) { m_speicher = s; }
    void ZentraleKonfigurationSetzen(const QString &pfad);
    // The first activation: working folders, the user's settings, then
    // config.ini, which wins; the settings take effect.
    void EinstellungenLaden();
    // At the end of a run the user confirmed: writes the settings, once.
    void EinstellungenSpeichern();
    bool EinstellungenGeschrieben() const { return m_einstellungenGeschrieben; }

    // ---- start and end ----
    // Start folder and document (or package) from the command line.
    void KommandozeileAusfuehren(const Startargumente &a);
    // The learning picture as shown, scaled to hoehe, saved as datei.
    bool VorschauSchreiben(const QString &datei, int hoehe);
    // The closing questions in their order: exercise guard, save question,
    // and (unless ohneEndfrage) the end dialog "Beenden".
    bool SchliessenErlaubt(bool ohneEndfrage);

private:
    // DokumentDienste
    void Sanduhr(bool an) override;
    void LayoutsNeuAufbauen(Dokument &dok) override;
    void NachDemLesen(Dokument &dok, bool alsAktuell) override;
    void NachDemSchliessen(Dokument &dok) override;
    QString OeffnenDialog(const QString &startOrdner) override;
    QString SpeichernDialog(const QString &startOrdner, const QString &vorschlag) override;
    void TitelAnzeigen() override;
    void ArbeitsblattGelesen(const QString *einstellungen, const QString &aufgabe) override;
    QString ArbeitsblattZumSpeichern(const HeaderDataTyp &kopf) const override;

    void ModusMelden();
    void BibliothekNeuAufbauen() override { BibliothekEinlesen(); }
    void bibliothekMelden();
    void bibliothekSchritt(bool vor);
    // The run's result is due (Uebung's BeimErgebnis).
    void UebungsergebnisDa();
    bool uebungStarten(bool dialogZeigen);

    // Messages and the clock of the exercise go wherever the session's go at
    // the moment (the window installs its own after the session is made).
    class Weitermeldungen : public Meldungen
    {
    public:
        explicit Weitermeldungen(Sitzung &s) : m_s(s) {}
        void Information(const QString &t) override { m_s.Meldung().Information(t); }
        void Warnung(const QString &t) override { m_s.Meldung().Warnung(t); }
        void Fehler(const QString &t) override { m_s.Meldung().Fehler(t); }
        Antwort Frage(const QString &t, FrageKnoepfe k) override { return m_s.Meldung().Frage(t, k); }
        Antwort EigeneFrage(const QString &titel, const QString &t, const QString &ja, const QString &nein) override
        {
            return m_s.Meldung().EigeneFrage(titel, t, ja, nein);
        }

    private:
        Sitzung &m_s;
    };
    class Weiteruhr : public Millisekundenquelle
    {
    public:
        explicit Weiteruhr(const Sitzung &s) : m_s(s) {}
        qint64 Millisekunden() const override { return m_s.Millisekunden(); }

    private:
        const Sitzung &m_s;
    };
    // The exercise's surface: entering exercise mode puts the run into the
    // slot; everything else goes on to the window's panel.
    class Laufoberflaeche : public UebungsOberflaeche
    {
    public:
        explicit Laufoberflaeche(Sitzung &s) : m_s(s) {}
        void UebungsmodusBetreten() override;
        void LernansichtAktivieren() override;
        void IndividualKnopf(bool gedrueckt) override;
        void Aktualisieren(unsigned aenderung) override;
        bool Pausieren(int ms) override;
        bool Gleiten(int element, const std::vector<QPoint> &bahn) override;
        void ObjektOeffnen(int objekt) override;
        void InfofensterSchliessen() override;

    private:
        Sitzung &m_s;
    };

    Meldungen *m_meldungen;
    Dateidialoge *m_dialoge = nullptr;
    SitzungsAnzeige *m_anzeige = nullptr;
    std::unique_ptr<Meldungen> m_ersatzMeldungen;

    EinstellungenTyp m_einst;
    ArbeitsblattOptionen m_arbeitsblatt;
    QImage m_startbild;
    bool m_dokumentOffen = false;
    bool m_startHinweisVerborgen = false;
    Dokument m_dok;
    Lernansicht m_ansicht;
    Interaktion m_interaktion;
    Systemuhr m_systemuhr;
    Millisekundenquelle *m_uhrQuelle = &m_systemuhr;
    Weitermeldungen m_uebMeldungen{*this};
    Weiteruhr m_uebUhr{*this};
    Laufoberflaeche m_laufOberflaeche{*this};
    UebungsOberflaeche *m_fensterOberflaeche = nullptr;
    StummeTonausgabe m_stumm;
    Tonausgabe *m_tonausgabe = &m_stumm;
    TonEinstellungenTyp m_tonEinst;
    std::unique_ptr<Uebungstoene> m_toene;
    Uebung m_uebung;
    Uebungsende m_uebungsende;
    std::unique_ptr<Serienanbindung> m_serien;
    std::unique_ptr<Ansichtslauf> m_lauf;
    int m_uebArt = uebIndividual;
    Bibliothek m_bibliothek;
    bool m_werkzeugleisteOffen = true;
    QString m_startordner;
    QString m_startdokument;

    std::unique_ptr<Einstellungsspeicher> m_eigenerSpeicher;
    Einstellungsspeicher *m_speicher = nullptr;
    QString m_zentraleKonfiguration;
    bool m_zentraleKonfigurationGesetzt = false;
    bool m_einstellungenGeladen = false;
    bool m_einstellungenGeschrieben = false;
    // last: it goes first, while the exercise it hooks into still exists
    std::unique_ptr<Netzsteuerung> m_netz;
};

} // namespace kalumo
