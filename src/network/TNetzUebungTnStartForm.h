#pragma once
// The join dialog "An Netzwerk-Übung teilnehmen": the status of the
// channel's exercise, polled every 500 ms while the dialog is open, and the
// participant's name. "Teilnehmen" is enabled only while an exercise is
// available. A thin window over NetzBeitrittsstatusPruefen.

#include "network/NetzDateien.h"
#include "network/NetzTeilnehmer.h"
#include "platform/Meldungen.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kalumo {

class TNetzUebungTnStartForm : public QDialog
{
    Q_OBJECT
public:
    explicit TNetzUebungTnStartForm(Meldungen &meldungen, QWidget *parent = nullptr);

    // Shows the dialog (modal) for the exercise files p. Returns the name
    // typed when "Teilnehmen" was chosen, an empty text on "Abbrechen".
    QString Ausfuehren(const NetzPfade &p);

    // What opening does without entering the dialog's loop: "Teilnehmen"
    // disabled, "Bitte warten..." in black, the warning when the folder is
    // missing, the poll started.
    void Oeffnen(const NetzPfade &p);
    // One poll: the status line and "Teilnehmen" from the files.
    void Pruefen();
    // "Teilnehmen": refused with a message while the name is empty.
    void TeilnehmenClick();

    QString Name() const;
    const NetzBeitrittsstatus &Status() const { return m_status; }
    bool PollLaeuft() const { return m_poll.isActive(); }

    QLabel *StatusZeile() const { return m_statusZeile; }
    QLineEdit *NameFeld() const { return m_name; }
    QPushButton *TeilnehmenKnopf() const { return m_teilnehmen; }
    QPushButton *AbbrechenKnopf() const { return m_abbrechen; }

protected:
    void done(int r) override;

private:
    void statusZeigen(const NetzBeitrittsstatus &s);

    Meldungen &m_meldungen;
    NetzPfade m_pfade;
    NetzBeitrittsstatus m_status;
    QTimer m_poll;
    QLabel *m_statusZeile = nullptr;
    QLineEdit *m_name = nullptr;
    QPushButton *m_teilnehmen = nullptr;
    QPushButton *m_abbrechen = nullptr;
};

} // namespace kalumo
