#pragma once
// "Übungsprotokoll": the last finished protocol of a run as read-only rich
// text, stays on top. "Schließen" (also Escape), "In Zwischenablage
// kopieren", "Speichern..." (RTF), "Drucken..." (job "Übungsprotokoll"),
// "Kommentar hinzufügen..." (appended under the heading "Kommentar", kept
// with the protocol) and "Per E-Mail versenden" (the protocol saved into the
// protocol folder and handed to the mail program as attachment).

#include "exercise/Protokolldatei.h"
#include "exercise/TProtokollAnzeige.h"
#include "platform/Dateidialoge.h"
#include "platform/EMail.h"
#include "platform/Meldungen.h"

#include <QDateTime>
#include <QDialog>

#include <functional>

class QPushButton;

namespace kalumo {

namespace protokolltext {
inline constexpr char Titel[] = "Übungsprotokoll";
inline constexpr char SpeichernTitel[] = "Übungsprotokoll in Datei speichern";
inline constexpr char KommentarTitel[] = "Kommentar zum Übungsprotokoll hinzufügen";
inline constexpr char Druckauftrag[] = "Übungsprotokoll";
} // namespace protokolltext

class TUebProtokollForm : public QDialog
{
    Q_OBJECT
public:
    TUebProtokollForm(Meldungen &meldungen, Dateidialoge &dialoge, EMailProgramm &email, QWidget *parent = nullptr);

    // Shows the protocol; comments are added to it (it outlives the window's
    // showing). modal: over the result window, which waits for it.
    void Zeigen(UebungsprotokollTyp &protokoll, bool modal);
    // The text shown for a protocol (without showing the window).
    void Fuellen(UebungsprotokollTyp &protokoll);

    // The protocol folder ("Per E-Mail versenden") and the folder the save
    // dialog starts in.
    void ProtokollOrdnerSetzen(const QString &ordner) { m_protokollOrdner = ordner; }
    void SpeicherOrdnerSetzen(const QString &ordner) { m_speicherOrdner = ordner; }
    // The time of the e-mail file's name (now unless a test sets one).
    std::function<QDateTime()> Jetzt = [] { return QDateTime::currentDateTime(); };
    void DruckzielSetzen(TProtokollAnzeige::Druckziel ziel) { m_druckziel = std::move(ziel); }
    void KommentardialogSetzen(TProtokollAnzeige::Kommentardialog d) { m_kommentar = std::move(d); }
    void EMailProgrammSetzen(EMailProgramm &email) { m_email = &email; }

    void KopierenClick();
    void SpeichernClick();
    void DruckenClick();
    void KommentarClick();
    void EMailClick();

    TProtokollAnzeige *Anzeige() const { return m_anzeige; }
    QPushButton *SchliessenKnopf() const { return m_schliessen; }
    QPushButton *KopierenKnopf() const { return m_kopieren; }
    QPushButton *SpeichernKnopf() const { return m_speichern; }
    QPushButton *DruckenKnopf() const { return m_drucken; }
    QPushButton *KommentarKnopf() const { return m_kommentarKnopf; }
    QPushButton *EMailKnopf() const { return m_emailKnopf; }

private:
    Meldungen &m_meldungen;
    Dateidialoge &m_dialoge;
    EMailProgramm *m_email;
    UebungsprotokollTyp *m_protokoll = nullptr;
    QString m_protokollOrdner;
    QString m_speicherOrdner;
    TProtokollAnzeige::Druckziel m_druckziel;
    TProtokollAnzeige::Kommentardialog m_kommentar;
    TProtokollAnzeige *m_anzeige = nullptr;
    QPushButton *m_schliessen = nullptr;
    QPushButton *m_kopieren = nullptr;
    QPushButton *m_speichern = nullptr;
    QPushButton *m_drucken = nullptr;
    QPushButton *m_kommentarKnopf = nullptr;
    QPushButton *m_emailKnopf = nullptr;
};

} // namespace kalumo
