#pragma once
// A participant computer's run in a network exercise, without windows:
// joining (the files of the channel, the settings of the teacher computer,
// a new identifier, TN-INIT, the start of the run), the reports of the run
// (TN-AKTION after every judging, TN-FERTIG and TN-BESTLIST at its end) and
// the repetition (a new join with a new identifier).
//
// NetzTeilnahme plugs into the exercise as its Netzhaken and, to learn
// which object an answer judged, as its protocol sink (the previous sink
// goes on receiving every line). The main window and "kalumo-tool
// netz-teilnehmer" use it alike.

#include "exercise/Bestenliste.h"
#include "exercise/Uebung.h"
#include "network/NetzNachrichten.h"
#include "network/NetzTeilnehmer.h"

#include <QDateTime>
#include <QRandomGenerator>

#include <functional>
#include <memory>

namespace kalumo {

// The settings of a participant's run: the teacher computer's values, and
// the participant's own where the settings file leaves a value out.
UebEinstTyp NetzUebEinstFuerLauf(const NetzUebEinstTyp &netz, const UebEinstTyp &eigene);

// The object a TN-AKTION reports for a protocol line of an answer: the
// judged target; for cross matching the second element when the first
// carries a pair number, else the first. -1 for lines that judge no single
// target (text input, find words).
int NetzGemeldetesObjekt(const Dokument &dok, const ProtokollEintrag &eintrag);

// The values of TN-AKTION after a judging of the run.
TnAktionWerte NetzAktionWerte(const Uebung &u, int objekt, const QString &startzeit, int note);

class NetzTeilnahme : public Netzhaken, public Protokollsenke
{
public:
    // Hooks itself into u.Dienste (Netz and Protokoll); the destructor
    // takes it out again. dok is the document the run works on (the join
    // reads the exercise document into it); uhr the run's clock.
    NetzTeilnahme(Uebung &u, Dokument &dok, DokumentDienste &dienste, Meldungen &meldungen,
                  const Millisekundenquelle &uhr, Pause pause = WartePause());
    ~NetzTeilnahme() override;

    // NetzUebungBeitreten: false (with the messages the steps show) when
    // the exercise is not open for joining, its files cannot be read or the
    // run does not start.
    bool Beitreten(const NetzKomTyp &kom, const QString &name);

    // This computer's names in the envelope (default: the system's).
    QString Benutzer;
    QString Rechner;
    // Sends one message; by default NetzTeilnehmerVersand over the
    // channel's method. Tests put their own in.
    std::function<bool(const QStringList &zeilen)> Senden;
    // Reads the exercise document as the current one; by default into the
    // document given above with the services given above.
    std::function<bool(const QString &pfad)> DokumentLaden;
    // Called when the participant's document is to be closed (after the
    // result window, or at an abort); the window shows the start page.
    std::function<void()> BeimSchliessen;
    // The random source of the identifiers.
    void ZufallSetzen(quint32 saat) { m_zufall.seed(saat); }

    bool Nimmt() const { return m_nimmtTeil; }   // a participant's run is on or its result shown
    const NetzUebEinstTyp &NetzEinstellungen() const { return m_netz; }
    int GesendeteNachrichten() const { return m_gesendet; }
    int Beitritte() const { return m_beitritte; }

    // Netzhaken
    void Fortschritt(const Uebung &u) override;
    void Ende(const Uebung &u) override;
    bool WiederholungErbitten() override;
    void DokumentSchliessen() override;
    // Protokollsenke
    void Zeile(const ProtokollEintrag &eintrag) override;

private:
    bool senden(const QStringList &zeilen);
    int note(const Uebung &u) const;
    void eigeneEinstellungenZurueck();

    Uebung &m_uebung;
    Dokument &m_dok;
    DokumentDienste &m_dienste;
    Meldungen &m_meldungen;
    const Millisekundenquelle &m_uhr;
    Pause m_pause;
    Protokollsenke *m_weiter = nullptr;
    Netzhaken *m_vorherNetz = nullptr;
    QRandomGenerator m_zufall;

    NetzKomTyp m_kom;
    QString m_name;
    NetzUebEinstTyp m_netz;
    std::unique_ptr<NetzTeilnehmerVersand> m_versand;
    QString m_startzeit;            // the start time as the messages carry it
    int m_objekt = -1;              // the object of the last judged answer
    QString m_endeGemeldet;         // the identifier whose end was reported
    bool m_nimmtTeil = false;
    bool m_eigeneGesichert = false;
    NotenskalaTyp m_eigeneSkala;
    int m_gesendet = 0;
    int m_beitritte = 0;
};

} // namespace kalumo
