#pragma once
// The dialog "Übungs-Serie erstellen": a folder of documents becomes the
// list of a series; weights, times, "Aktiv" and the query mode are set in
// the table, the order by dragging the position numbers. It either writes a
// package ("Übungs-Serien-Paket erstellen...") and stays open, or closes
// with OK on "Übungs-Serie direkt starten"; the caller then runs the series
// (SerieAusListeStarten with Uebungsmodus()).
//
// The window is a thin view of Serienerstellung; messages and the file and
// folder dialogs go through the SerienDateiDienste, so tests drive it.

#include "series/Serienerstellung.h"

#include <QDialog>

#include <array>
#include <functional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace kalumo {

class TUebungsserieForm : public QDialog
{
    Q_OBJECT
public:
    TUebungsserieForm(UebungsserieDataTyp &serie, SerienDateiDienste &dienste, QWidget *parent = nullptr);

    // The package to load when the dialog is shown next ("Öffnen..."), with
    // the folder its documents were unpacked into; an empty path scans the
    // folder field as usual.
    void PaketSetzen(const QString &paket, const QString &ordner);

    // The exercise mode chosen in the radio group.
    int Uebungsmodus() const;

    // "Notenskala..." opens the grading-scale dialog through this hook; the
    // button is disabled until one is set.
    void NotenskalaDialogSetzen(std::function<void()> dialog);

    Serienerstellung &Logik() { return m_logik; }

    // Controls, for the window tests.
    QLineEdit *OrdnerFeld() const { return m_ordner; }
    QPushButton *DurchsuchenKnopf() const { return m_durchsuchen; }
    QSpinBox *StdGewichtungFeld() const { return m_stdGewichtung; }
    QSpinBox *StdZeitFeld() const { return m_stdZeit; }
    QTableWidget *Tabelle() const { return m_tabelle; }
    QRadioButton *UebungsmodusKnopf(int modus) const { return m_modus[size_t(modus)]; }
    QLineEdit *TitelFeld() const { return m_titel; }
    QPlainTextEdit *InformationFeld() const { return m_information; }
    QPushButton *NotenskalaKnopf() const { return m_notenskala; }
    QPushButton *EinlesenKnopf() const { return m_einlesen; }
    QPushButton *PaketKnopf() const { return m_paket; }
    QPushButton *StartenKnopf() const { return m_starten; }
    QPushButton *SchliessenKnopf() const { return m_schliessen; }

    // The handlers of the buttons.
    void DurchsuchenClick();
    void EinlesenClick();
    void PaketClick();
    void StartenClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void felderUebernehmen();   // controls -> Felder
    void felderAnzeigen();      // Felder -> controls
    void tabelleAnzeigen();
    void zeileAnzeigen(int zeile);
    void zelleGeklickt(int zeile, int spalte);
    void zelleDoppelklick(int zeile, int spalte);
    void zelleGeaendert(int zeile, int spalte);

    Serienerstellung m_logik;
    SerienDateiDienste &m_d;
    std::function<void()> m_notenskalaDialog;

    QLineEdit *m_ordner = nullptr;
    QPushButton *m_durchsuchen = nullptr;
    QSpinBox *m_stdGewichtung = nullptr;
    QSpinBox *m_stdZeit = nullptr;
    QTableWidget *m_tabelle = nullptr;
    std::array<QRadioButton *, kUebungsmodusAnzahl> m_modus{};
    QButtonGroup *m_modusGruppe = nullptr;
    QLineEdit *m_titel = nullptr;
    QPlainTextEdit *m_information = nullptr;
    QPushButton *m_notenskala = nullptr;
    QPushButton *m_einlesen = nullptr;
    QPushButton *m_paket = nullptr;
    QPushButton *m_starten = nullptr;
    QPushButton *m_schliessen = nullptr;
    bool m_fuellen = false;      // the table is being filled: no edits
    int m_ziehVon = -1;          // row whose position number is being dragged
};

} // namespace kalumo
