#pragma once
// The four exercise settings dialogs, made once and kept, and the one that
// serves a document type: the run's Einstellungsdialog ("Übung starten"
// starts the run with the values taken over) and the network variant with
// "Netzwerk-" before the caption and the initiation panel.

#include "exercise/UebungsDienste.h"

#include <QObject>

class QWidget;

namespace kalumo {

class TUebOptBasisForm;
class TUebOptForm;
class TUebOptFragenForm;
class TUebOptKorbForm;
class TUebOptKreuzverbindungForm;

class TUebEinstDialoge : public Einstellungsdialog
{
public:
    // werte: the dialog values of the user settings, read and written back.
    TUebEinstDialoge(UebDialogeTyp &werte, QWidget *parent = nullptr);
    ~TUebEinstDialoge() override;

    bool Zeigen(int dokTyp) override { return Ausfuehren(dokTyp, false); }
    // The dialog of the network exercise's initiation.
    bool NetzwerkZeigen(int dokTyp) { return Ausfuehren(dokTyp, true); }

    // The dialog that serves a document type.
    TUebOptBasisForm *Dialog(int dokTyp) const;
    TUebOptForm *UebOpt() const { return m_uebOpt; }
    TUebOptFragenForm *Fragen() const { return m_fragen; }
    TUebOptKorbForm *Korb() const { return m_korb; }
    TUebOptKreuzverbindungForm *Kreuzverbindung() const { return m_kreuz; }

private:
    bool Ausfuehren(int dokTyp, bool netzwerk);

    UebDialogeTyp &m_werte;
    TUebOptForm *m_uebOpt;
    TUebOptFragenForm *m_fragen;
    TUebOptKorbForm *m_korb;
    TUebOptKreuzverbindungForm *m_kreuz;
};

} // namespace kalumo
