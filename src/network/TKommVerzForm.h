#pragma once
// The dialog "Kommunikation für Netzwerk-Übungen": the communication
// folder, the way the participants' messages travel, and the channel, with
// "&Zugriffstest". A thin window over the checks of NetzKommunikation.

#include "network/NetzKommunikation.h"
#include "platform/Dateidialoge.h"
#include "platform/Meldungen.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kalumo {

class TKommVerzForm : public QDialog
{
    Q_OBJECT
public:
    // kom: the settings the dialog shows and, on "OK", stores.
    TKommVerzForm(NetzKomTyp &kom, Meldungen &meldungen, Dateidialoge &dialoge, QWidget *parent = nullptr);

    // "Netzwerk-&Kommunikation...": refused (with its message) while this
    // computer takes part in or runs a network exercise; otherwise the
    // dialog with the current settings. True when they were stored.
    bool Ausfuehren(bool uebungsmodus, int uebArt);

    // The fields from kom.
    void Laden();
    void OkClick();
    void DurchsuchenClick();
    void ZugriffstestClick();

    QLineEdit *OrdnerFeld() const { return m_ordner; }
    QLineEdit *KanalFeld() const { return m_kanal; }
    QRadioButton *DatagrammKnopf() const { return m_datagramm; }
    QRadioButton *OrdnerKnopf() const { return m_ordnerVerfahren; }
    QLabel *PortHinweis() const { return m_portHinweis; }

private:
    KommDialogWerte werte() const;
    void portHinweisZeigen();

    NetzKomTyp &m_kom;
    Meldungen &m_meldungen;
    Dateidialoge &m_dialoge;
    QLineEdit *m_ordner = nullptr;
    QLineEdit *m_kanal = nullptr;
    QRadioButton *m_datagramm = nullptr;
    QRadioButton *m_ordnerVerfahren = nullptr;
    QLabel *m_portHinweis = nullptr;
};

} // namespace kalumo
