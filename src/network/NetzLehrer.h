#pragma once
// The teacher computer of a network exercise without its windows: it puts
// the exercise files into the communication folder, receives the
// participants' messages, keeps the control display's rows and the shared
// best list, and removes the exercise files at the end.
//
// Every message is checked before it touches anything (NetzNachrichten.h):
// unknown identifiers, object indices outside the document, numbers out of
// range and broken envelopes are ignored and counted with their reason. A
// best-list report is taken only from a known identifier, once per
// participant run, and never from a run that was aborted. The number of
// rows is limited, so no sender can make the teacher's memory grow without
// bound.
//
// Receiving runs on the thread of the event loop: the transport's notifier
// (datagrams) or its 150 ms timer (message files) calls in. A headless loop
// can also call Abholen() itself.

#include "document/DokumentDateien.h"
#include "exercise/Bestenliste.h"
#include "exercise/Protokolldatei.h"
#include "network/NetzDateien.h"
#include "network/NetzKommunikation.h"
#include "network/NetzKontrollanzeige.h"
#include "network/NetzLoesungen.h"
#include "network/NetzNachrichten.h"
#include "platform/Meldungen.h"
#include "platform/Netzweg.h"

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace kalumo {

inline constexpr int kNetzHoechstzeilen = 2000;

// What the teacher computer received, for the tools and for diagnosis.
struct NetzEmpfangsstatistik
{
    int Empfangen = 0;                  // messages handled
    int Ignoriert = 0;                  // messages and packets refused
    std::map<QString, int> Gruende;     // reason → count (the reasons are fixed texts)

    void Ignorieren(const QString &grund)
    {
        ++Ignoriert;
        ++Gruende[grund];
    }
};

// What an initiation needs besides the document.
struct NetzLehrerStart
{
    NetzKomTyp Kom;
    QString Rechner;                    // this computer's name (NetzKennung)
    NetzUebEinstTyp Einstellungen;      // NetzKennung is set to Rechner
    std::vector<int> Loesungsnummern;   // NetzLoesungsnummern
    int Abfragespalten = 0;             // NetzAbfragespalten
    QString SkalaWort = QStringLiteral("Note");
    QString Protokoll;                  // NetzProtokollAufbauen
};

// Everything an initiation derives from the document and the settings
// (steps 7 to 10 of the initiation): the solution numbers, the query
// columns, the scale word and NetzProtokoll. The document's query fields
// must be numbered as the learning view shows them; anzAbfragen is the
// number of queries of the run; einstellungsabschnitt the settings section
// of the protocol for the teacher computer.
NetzLehrerStart NetzLehrerStartAufbauen(const Dokument &dok, const NetzKomTyp &kom, const QString &rechner,
                                        const NetzUebEinstTyp &einstellungen, int anzAbfragen,
                                        const QStringList &einstellungsabschnitt, const Normierung &normieren);

// The reasons under which refused messages are counted.
namespace netzgrund {
inline constexpr char UnbekannteKennung[] = "unbekannte Teilnehmerkennung";
inline constexpr char DoppelteAnmeldung[] = "Teilnehmerkennung bereits angemeldet";
inline constexpr char ZuVieleTeilnehmer[] = "zu viele Teilnehmer";
inline constexpr char ObjektAusserhalb[] = "Objektindex außerhalb des Dokuments";
inline constexpr char BestenlisteDoppelt[] = "Bestenlisten-Meldung doppelt";
inline constexpr char BestenlisteAbgebrochen[] = "Bestenlisten-Meldung einer abgebrochenen Übung";
inline constexpr char NichtAktiv[] = "keine Netzwerk-Übung aktiv";
} // namespace netzgrund

// The settings section of NetzProtokoll: the run record of the teacher
// computer (an initiated network exercise with its communication folder and
// channel) over the document and the settings given to the participants.
QStringList NetzEinstellungsabschnitt(const Dokument &dok, const NetzKomTyp &kom, const NetzUebEinstTyp &einstellungen,
                                      int anzAbfragen, const QDateTime &beginn, const QString &rechner,
                                      const QString &benutzer);

class NetzLehrer
{
public:
    explicit NetzLehrer(Meldungen &meldungen, Pause pause = WartePause());
    ~NetzLehrer();

    // The teacher state without files and receiving: empties the
    // participant lists, takes the solution numbers and sets up the rows.
    // Messages handed to PaketVerarbeiten are taken from now on (tests
    // and tools feed them directly); Beenden deletes no files then.
    void Einrichten(const NetzLehrerStart &start);

    // Initiation, file steps and receiving, in this order: the old exercise
    // files and the network best list are deleted, the document and the
    // settings file written; only when both were written completely does
    // receiving start and the marker file appear (written last). A file
    // that cannot be written shows the file error and ends the initiation
    // (false; no marker, the half-made files are removed). A receiving that
    // cannot start (the port is taken) shows an error and ends it too.
    bool Initiieren(const NetzLehrerStart &start, const Dokument &dok, DokumentDienste &dienste);

    bool Aktiv() const { return m_aktiv; }
    const NetzPfade &Pfade() const { return m_pfade; }

    // The end: receiving stops and the exercise files are deleted; the best
    // list stays. The question before it is the caller's (NetzBeendenFrage).
    void Beenden();

    // "Anmeldung weiterer Teilnehmer zulassen": creates or deletes the
    // marker while the exercise is active; otherwise checking shows "Es ist
    // keine Netzwerk-Übung aktiv." Returns whether registration is open.
    bool AnmeldungZulassen(bool zulassen);

    // One packet from the transport.
    void PaketVerarbeiten(const NetzPaket &paket);
    // One message of the envelope (NachrichtEmpfangen).
    void NachrichtEmpfangen(const QString &rechner, const QString &text, const QString &benutzer);
    // A packet the transport dropped.
    void Verworfen(const NetzVerworfen &v);

    // Fetches what the transport holds now (for headless loops and tests).
    int Abholen();

    const NetzKontrollModell &Kontrolle() const { return m_kontrolle; }
    const NetzEmpfangsstatistik &Statistik() const { return m_statistik; }
    const QString &Protokoll() const { return m_protokoll; }
    // "Kommentar hinzufügen..." on the information page.
    void KommentarHinzufuegen(const QString &kommentar) { KommentarAnhaengen(m_protokoll, kommentar); }
    int Teilnehmerzahl() const { return int(m_kennungen.size()); }
    // The row of an identifier, -1 when unknown.
    int Zeile(const QString &kennung) const;
    // The participant runs that have ended (TN-FERTIG received, or a best-list report).
    int BeendeteLaeufe() const { return m_beendet.size(); }
    int Bestenlisteneintraege() const { return m_bestlistGemeldet.size(); }
    // The participant runs after which nothing more is expected: those
    // with a best-list report, and those whose end reports an abort.
    int AbgeschlosseneLaeufe() const { return m_abgeschlossen.size(); }

    // Called after every change of a row (the window redraws it).
    std::function<void(int zeile)> ZeileGeaendert;

    // Only the teacher computer deletes exercise files: the document, the
    // settings file, the marker and every message file of the channel. The
    // network best list stays.
    static void UebungsdateienLoeschen(const NetzPfade &p);

private:
    bool nachrichtAnnehmen(const NetzNachricht &n, const QString &rechner);
    void empfangStarten();
    void empfangStoppen();

    Meldungen &m_meldungen;
    Pause m_pause;
    bool m_aktiv = false;
    bool m_dateienAngelegt = false;   // by Initiieren: only then does Beenden delete files
    bool m_lesefehlerGezeigt = false;
    NetzPfade m_pfade;
    NetzKomTyp m_kom;
    std::vector<int> m_loesungen;
    NetzKontrollModell m_kontrolle;
    QString m_protokoll;
    std::vector<QString> m_kennungen;   // row i belongs to identifier i
    std::vector<QString> m_rechner;     // and to computer i
    QHash<QString, int> m_zeileVon;
    QSet<QString> m_bestlistGemeldet;
    QSet<QString> m_beendet;
    QSet<QString> m_abgebrochen;
    QSet<QString> m_abgeschlossen;
    NetzEmpfangsstatistik m_statistik;
    std::unique_ptr<NetzAnnahme> m_annahme;
};

// The question of "Netzwerk-Übung beenden" and the information without an
// active exercise.
QString NetzBeendenFrageText();
QString NetzKeineUebungText();   // "Es ist keine Netzwerk-Übung aktiv."

} // namespace kalumo
