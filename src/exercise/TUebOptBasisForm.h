#pragma once
// What the four exercise settings dialogs share: the caption of the document
// type (prefixed "Netzwerk-" while the dialog initiates a network exercise,
// with the panel NetzUebInitPan), the time limit group with its minute and
// second fields (0..59, two digits; editing either selects the limit), the
// check box of the shared flag UebOptZeigen (shown when the dialog opens,
// written back when it closes) and the buttons "Übung starten" (OK) and
// "Schließen". Each dialog adds its own groups and moves its values in
// and out of UebDialogeTyp.

#include "exercise/Uebungseinstellungen.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace kalumo {

class TUebOptBasisForm : public QDialog
{
    Q_OBJECT
public:
    // Loads the values, sets the caption of the document type and shows or
    // hides the network panel; the dialog is then shown by the caller.
    void Oeffnen(const UebDialogeTyp &d, int dokTyp, bool netzwerk = false);
    // Writes the dialog's values into d (what "Übung starten" takes over).
    void Uebernehmen(UebDialogeTyp &d) const;
    // The closing: the shared check box back into d; the caption restored
    // and the network panel hidden.
    void Schliessen(UebDialogeTyp &d);
    // Oeffnen, modal, Schliessen; on "Übung starten" the values are taken
    // over. Returns whether the dialog closed with "Übung starten".
    bool Ausfuehren(UebDialogeTyp &d, int dokTyp, bool netzwerk = false);

    QRadioButton *ZeitlimitKnopf(int wert) const { return m_zeitlimit[size_t(wert)]; }
    QLineEdit *MinutenFeld() const { return m_minuten; }
    QLineEdit *SekundenFeld() const { return m_sekunden; }
    QCheckBox *ZeigenCheck() const { return m_zeigen; }
    QPushButton *StartenKnopf() const { return m_starten; }
    QPushButton *SchliessenKnopf() const { return m_schliessen; }
    QLabel *NetzUebInitPan() const { return m_netzPan; }

protected:
    // zeigenText: the check box; mitLimitText: the second item of the time group.
    TUebOptBasisForm(const QString &zeigenText, const QString &mitLimitText, QWidget *parent);

    // The layout the dialog's own groups go into (above the time group).
    QVBoxLayout *Gruppen() const { return m_gruppen; }
    // A group of padded radio items; the buttons land in knoepfe.
    QGroupBox *Radiogruppe(const QString &titel, const QStringList &texte, const QString &name,
                           std::vector<QRadioButton *> &knoepfe);
    static int Gewaehlt(const std::vector<QRadioButton *> &knoepfe);
    static void Waehlen(const std::vector<QRadioButton *> &knoepfe, int wert);

    ZeitlimitWerte Zeitlimit() const;
    void ZeitlimitSetzen(const ZeitlimitWerte &z);

    // The size after a change of what is shown (the network panel).
    virtual void GroesseAnpassen() { adjustSize(); }
    virtual void WerteLaden(const UebDialogeTyp &d, int dokTyp) = 0;
    virtual void WerteSchreiben(UebDialogeTyp &d) const = 0;

private:
    QVBoxLayout *m_gruppen = nullptr;
    std::array<QRadioButton *, 3> m_zeitlimit{};
    QLineEdit *m_minuten = nullptr;
    QLineEdit *m_sekunden = nullptr;
    QCheckBox *m_zeigen = nullptr;
    QLabel *m_netzPan = nullptr;
    QPushButton *m_starten = nullptr;
    QPushButton *m_schliessen = nullptr;
};

// The item text of a radio group: one blank on each side.
QString Gepolstert(const QString &text);

} // namespace kalumo
