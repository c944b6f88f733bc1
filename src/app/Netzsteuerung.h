#pragma once
// The network exercise in the session, without windows: the teacher
// computer's initiation, end and registration (one NetzLehrer for the
// session's lifetime; its exercise files go when the session ends while it
// is active), and the participant's join with its run in the session's run
// slot (NetzTeilnahme over the session's exercise). The main window adds
// the dialogs and the control display (TForm1Netz.cpp).

#include "network/NetzKommunikation.h"
#include "network/NetzLehrer.h"
#include "network/NetzTeilnahme.h"

#include <functional>
#include <memory>

namespace kalumo {

class Sitzung;

// The exercise settings of the dialogs as the settings file carries them,
// with the grade scale (the counterpart of NetzUebEinstFuerLauf).
NetzUebEinstTyp NetzUebEinstAusUebEinst(const UebEinstTyp &e, const NotenskalaTyp &skala);

class Netzsteuerung
{
public:
    explicit Netzsteuerung(Sitzung &s);
    ~Netzsteuerung();

    // The communication settings of the user settings and config.ini.
    NetzKomTyp Kom() const;

    // ---- teacher computer ----
    enum class Initiierung {
        Abgelehnt,     // a run may not be left, the editor is open, the files failed
        Abgebrochen,   // the settings dialog was cancelled
        Gestartet,
        LaeuftSchon,   // this computer's exercise is active: show the control display
    };
    // "&Netzwerk-Übung initiieren..." (F9). einstellungsdialog shows the
    // "Netzwerk-" settings dialog of the document type (true: go on).
    Initiierung Initiieren(const std::function<bool(int dokTyp)> &einstellungsdialog);
    // "Netzwerk-Übung &beenden": without an active exercise the
    // information; otherwise the question (when fragen), then the end.
    // True when the exercise was ended.
    bool Beenden(bool fragen = true);
    bool LehrerAktiv() const { return m_lehrer.Aktiv(); }
    NetzLehrer &Lehrer() { return m_lehrer; }

    // ---- participant computer ----
    // Step 1 of "An Netzwerk-Übung teilnehmen...": refused in a run or the
    // puzzle, on the teacher computer of an active exercise and with the
    // object editor open (each with its message).
    bool BeitrittMoeglich();
    // NetzUebungBeitreten with the name typed in the join dialog.
    bool Beitreten(const QString &name);
    bool NimmtTeil() const { return m_teilnahme && m_teilnahme->Nimmt(); }
    NetzTeilnahme *Teilnahme() { return m_teilnahme.get(); }

    // "Netzwerk-&Kommunikation...": refused while this computer takes part
    // in or runs a network exercise (its files would be lost).
    bool KommunikationAenderbar();

    // After a participant's run, once it has left the slot: its document
    // is closed and the start page shows. The session calls this when it
    // returns to the learning view; a run that left the slot already is
    // followed up from the event loop.
    void NachDemLauf();

private:
    Sitzung &m_s;
    NetzLehrer m_lehrer;
    EinfacheDokumentDienste m_dienste;
    std::unique_ptr<NetzTeilnahme> m_teilnahme;
    bool m_schliessen = false;
};

} // namespace kalumo
