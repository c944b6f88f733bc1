#pragma once
// "Übung beendet": the result of a run (statistics, time, open positions,
// the grade with its word and the scale picture), the repeat choice and the
// way on: "Übung wiederholen" or "Zur Lernansicht"; "Übungsprotokoll...",
// "Bestenliste..." and, when the run may still be entered, "In Bestenliste
// eintragen". Stays on top. The main window gives it the protocol window,
// the best list and the entry through its hooks.
//
// As the run's Ergebnishaken it shows itself modally and returns the
// choice. A test installs a Fahrer instead of the modal loop: the window is
// shown, the Fahrer clicks, and the choice is read when it returns.

#include "exercise/Bestenliste.h"
#include "exercise/UebungsDienste.h"
#include "exercise/Uebungsergebnis.h"

#include <QDialog>

#include <functional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kalumo {

class TUebFertigForm : public QDialog, public Ergebnishaken
{
    Q_OBJECT
public:
    explicit TUebFertigForm(QWidget *parent = nullptr);

    // Ergebnishaken: fills the window from the run and shows it modally.
    ErgebnisWahl Zeigen(const Uebung &uebung, bool wiederholungMoeglich) override;

    // Fills the window. The repeat choice stands on its first item and is
    // enabled only when a repetition of the failed queries is possible.
    void Fuellen(const ErgebnisAnzeige &anzeige, bool wiederholungMoeglich, const BestenlisteAmEnde &bestenliste);
    // The choice as the window was left.
    ErgebnisWahl Wahl() const;

    // Hooks of the main window.
    std::function<void()> ProtokollZeigen;           // "Übungsprotokoll..."
    std::function<void()> BestenlisteZeigen;         // "Bestenliste..."
    std::function<bool()> InBestenlisteEintragen;    // true when the entry was made
    std::function<BestenlisteAmEnde()> BestenlisteStand;   // how the run's end left the best list

    using Fahrer = std::function<void(TUebFertigForm &)>;
    void FahrerSetzen(Fahrer f) { m_fahrer = std::move(f); }

    void EintragenClick();

    QLabel *Wert(const char *name) const;          // "Richtig", "Falsch", "Quote", "Leistung", "Zeit", "Offen", "NotenWort", "Note"
    QLabel *ZeitBeschriftung() const { return m_zeitBeschriftung; }
    QLabel *NotenLabel() const { return m_notenLabel; }
    QLabel *Skalenbild() const { return m_skalenbild; }
    QLabel *EingetragenLabel() const { return m_eingetragen; }
    QGroupBox *WiederholungGruppe() const { return m_wiederholung; }
    QRadioButton *KomplettKnopf() const { return m_komplett; }
    QRadioButton *FehlerKnopf() const { return m_fehler; }
    QPushButton *WiederholenKnopf() const { return m_wiederholen; }
    QPushButton *LernansichtKnopf() const { return m_lernansicht; }
    QPushButton *ProtokollKnopf() const { return m_protokoll; }
    QPushButton *BestenlisteKnopf() const { return m_bestenliste; }
    QPushButton *EintragenKnopf() const { return m_eintragen; }

private:
    QLabel *wertLabel(const char *name);

    Fahrer m_fahrer;
    QLabel *m_zeitBeschriftung = nullptr;
    QLabel *m_notenLabel = nullptr;
    QLabel *m_skalenbild = nullptr;
    QLabel *m_eingetragen = nullptr;
    QGroupBox *m_wiederholung = nullptr;
    QRadioButton *m_komplett = nullptr;
    QRadioButton *m_fehler = nullptr;
    QPushButton *m_wiederholen = nullptr;
    QPushButton *m_lernansicht = nullptr;
    QPushButton *m_protokoll = nullptr;
    QPushButton *m_bestenliste = nullptr;
    QPushButton *m_eintragen = nullptr;
};

} // namespace kalumo
