#pragma once
// The participant computer's side of a network exercise without windows:
// what the join dialog shows while it waits, reading the exercise files
// when joining, and sending the messages to the teacher computer.
//
// A participant never deletes any file of the channel: only the teacher
// computer removes exercise files (NetzLehrer), and the teacher deletes
// the message files it has read. Closing a participant's program leaves
// the channel as it is, so the exercise goes on for everyone else.

#include "document/DokumentDateien.h"
#include "network/NetzDateien.h"
#include "network/NetzKommunikation.h"
#include "platform/Meldungen.h"
#include "platform/Netzweg.h"

#include <QRgb>
#include <QString>
#include <QStringList>

#include <memory>

class QRandomGenerator;

namespace kalumo {

// ---- texts -------------------------------------------------------------------
QString NetzBeitrittTitel();               // "An Netzwerk-Übung teilnehmen"
QString NetzBeitrittWartenText();          // "Bitte warten..."
QString NetzNichtInitiiertText();          // "Netzwerk-Übung nicht initiiert. Bitte warten..."
QString NetzVerfuegbarText(const QString &titel);   // "Netzwerk-Übung verfügbar: " + title or "(kein Titel)"
QString NetzKomOrdnerFehltText();          // the communication folder does not exist
QString NetzNameFehltText();               // "Bitte Name oder Rechnernummer eintragen!"
QString NetzBeitrittImUebungsmodusText();  // the current exercise must end first
QString NetzBeitrittAmLehrerPCText();      // the exercise was initiated on this computer
QString NetzWiederholungAbgelehntText();   // "Eine Wiederholung der Netzwerk-Übung wurde nicht zugelassen."

inline constexpr int kNetzNameHoechstlaengeDialog = 20;   // "(max. 20 Zeichen)"
inline constexpr int kNetzTeilnehmerKennungLaenge = 30;

// ---- the join dialog's poll (every 500 ms) ------------------------------------

inline constexpr int kNetzBeitrittPollMs = 500;

struct NetzBeitrittsstatus
{
    bool Verfuegbar = false;        // "Teilnehmen" enabled
    QString Text;
    QRgb Farbe = qRgb(0, 0, 0);
};

// The status line before the first poll: "Bitte warten..." in black.
NetzBeitrittsstatus NetzBeitrittsstatusAnfang();
// Available when the marker, the settings file and the document exist and
// the document's header can be read: its title in RGB(0,128,0); otherwise
// "Netzwerk-Übung nicht initiiert. Bitte warten..." in RGB(255,0,0).
NetzBeitrittsstatus NetzBeitrittsstatusPruefen(const NetzPfade &p);

// ---- joining ---------------------------------------------------------------------

// 30 random capitals A…Z: the identifier of one participant run.
QString NetzTeilnehmerKennungErzeugen(QRandomGenerator &zufall);

// Steps 1 to 3 of joining: the marker, the settings file and the document
// must exist (else false without a message); the document is read as the
// current one (its reader shows its own messages); the settings file is
// read into einst, and when it cannot be read "Fehler beim Einlesen der
// Datei …" is shown. False when the participant cannot join.
bool NetzBeitrittDateienLesen(const NetzPfade &p, Dokument &dok, DokumentDienste &dienste, NetzUebEinstTyp &einst,
                              Meldungen &meldungen);

// ---- sending (NachrichtSenden) ----------------------------------------------------

// Sends each message in its envelope by the channel's method: datagrams to
// the teacher computer (dropped without notice when it cannot be reached),
// or message files in the folder (a file that cannot be written shows the
// file error).
class NetzTeilnehmerVersand
{
public:
    // lehrerRechner: NetzKennung from the settings file.
    NetzTeilnehmerVersand(const NetzKomTyp &kom, const QString &lehrerRechner, const QString &benutzer,
                          const QString &rechner, Meldungen &meldungen, QRandomGenerator *zufall = nullptr);
    ~NetzTeilnehmerVersand();

    bool Senden(const QStringList &zeilen);

    const QString &LetzterFehler() const { return m_fehler; }

private:
    NetzKomTyp m_kom;
    NetzPfade m_pfade;
    QString m_benutzer;
    QString m_rechner;
    Meldungen &m_meldungen;
    QRandomGenerator *m_zufall;
    std::unique_ptr<NetzAbsender> m_absender;
    QString m_fehler;
};

} // namespace kalumo
