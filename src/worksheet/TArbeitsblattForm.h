#pragma once
// The window "Arbeitsblatt": what is made and its options on the left, the
// preview of the sheet on the right, and printing, export and the clipboard.
// It lives as long as the program; its options are the owner's
// ArbeitsblattOptionen, so they keep their values between openings and a
// saved document stores them.

#include "peripheral/TDruckForm.h"
#include "platform/Dateidialoge.h"
#include "platform/Drucker.h"
#include "platform/Meldungen.h"
#include "worksheet/Arbeitsblatt.h"

#include <QDialog>
#include <QImage>

#include <array>
#include <functional>
#include <map>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;

namespace kalumo {

// The print dialog of a sheet: " Position und Größe " in centimetres with
// the sheet's ratio, the printer and the line about the orientation.
class TArbblattDruckForm : public TDruckForm
{
    Q_OBJECT
public:
    TArbblattDruckForm(Drucker &drucker, Meldungen &meldungen, QWidget *parent = nullptr);
    // lage is kept for portrait; in landscape the dialog shows the margins
    // and the sizes swapped.
    void Vorbereiten(const Zeichenliste &blatt, const QString &titel, const Drucklage &lage, bool verhaeltnis,
                     int kopien, bool querformat);
    // The values back in portrait order.
    Drucklage LageHochformat() const;
    QLabel *OrientierungLabel() const { return m_orientierung; }

private:
    const Zeichenliste *m_blatt = nullptr;
    QString m_titel;
    bool m_quer = false;
    QLabel *m_orientierung = nullptr;
};

class TArbeitsblattForm : public QDialog
{
    Q_OBJECT
public:
    TArbeitsblattForm(Meldungen &meldungen, Dateidialoge &dialoge, Drucker &drucker, QWidget *parent = nullptr);
    ~TArbeitsblattForm() override;

    // The command "&Arbeitsblatt erstellen...": prepares the document, shows
    // the window modally for it and tidies up afterwards. form is created on
    // first use and kept.
    static void Zeigen(TArbeitsblattForm *&form, QWidget *eltern, Dokument &dok, const ArbeitsblattQuelle &quelle,
                       ArbeitsblattOptionen &optionen, Meldungen &meldungen, Dateidialoge &dialoge, Drucker &drucker);

    // Without showing the window (tests): fills it for dok and draws.
    void Oeffnen(Dokument &dok, const ArbeitsblattQuelle &quelle, ArbeitsblattOptionen &optionen);
    // Writes the task back into the document and frees the sheet.
    void Schliessen();

    // DrawSheet with the current controls; nothing while the window is closed.
    void DrawSheet();
    const Zeichenliste &Blatt() const { return m_blatt; }
    int Zeichnungen() const { return m_zeichnungen; }
    QImage Vorschaubild() const { return m_vorschau; }
    const ArbeitsblattOptionen &Optionen() const;

    void ZuruecksetzenClick();
    void DruckenClick();
    void ExportierenClick();
    void ZwischenablageClick();
    // Steps of the picture options; each limits the values and redraws.
    void BildSchritt(double groesse, double x, double y);
    void FontSchritt(int schritt);

    QRadioButton *ModeRadio(int variante) const { return m_mode[size_t(variante)]; }
    QCheckBox *Kopffeld(int i) const { return m_kopf[size_t(i)]; }
    QLineEdit *TitelEdit() const { return m_titelEdit; }
    QCheckBox *TitelCheck() const { return m_titelCheck; }
    QPlainTextEdit *AufgMemo() const { return m_aufgMemo; }
    QCheckBox *TextvorgabeCheck() const { return m_textvorgabe; }
    QComboBox *KaestchengroesseCombo() const { return m_kaestchen; }
    QCheckBox *ErstBuchstabeVorgabeCheck() const { return m_erstBuchstabe; }
    QCheckBox *ZeichnungenEinbindenCheck() const { return m_zeichnungen0; }
    QCheckBox *BasisbildCheck0() const { return m_basisbild0; }
    QCheckBox *BasisbildCheck() const { return m_basisbild; }
    QLineEdit *BasisbildGroesse() const { return m_groesse; }
    QLineEdit *BasisbildX() const { return m_x; }
    QLineEdit *BasisbildY() const { return m_y; }
    QCheckBox *VollbreiteCheck() const { return m_vollbreite; }
    QCheckBox *RaenderCheck() const { return m_raender; }
    QLineEdit *MaxFontSize() const { return m_maxFont; }
    QCheckBox *ObjekteCheck() const { return m_objekte; }
    QSpinBox *AbFrageEdit() const { return m_abFrage; }
    QComboBox *SpaltenComboBox() const { return m_spalten; }
    QRadioButton *OrientRadio(int i) const { return i == 0 ? m_hoch : m_quer; }
    QScrollArea *Vorschaubox() const { return m_box; }
    QLabel *Vorschau() const { return m_bild; }
    QPushButton *Knopf(const QString &name) const;
    // The panels shown for the document type.
    QWidget *Feld(Optionsfeld f) const;

    // For tests: the print dialog before it is shown.
    std::function<void(TArbblattDruckForm &)> DruckdialogPruefen;

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void done(int r) override;

private:
    void aufbauen();
    void anzeigen();        // options into the controls
    void einlesen();        // controls into the options
    void geaendert();       // a control changed: read and draw
    void vorschauZeigen();
    void titelUmschalten(bool an);

    Meldungen &m_meldungen;
    Dateidialoge &m_dialoge;
    Drucker &m_drucker;
    Dokument *m_dok = nullptr;
    ArbeitsblattOptionen *m_opt = nullptr;
    ArbeitsblattOptionen m_eigene;
    std::unique_ptr<Arbeitsblattzeichner> m_zeichner;
    Zeichenliste m_blatt;
    QImage m_vorschau;
    int m_zeichnungen = 0;
    bool m_offen = false;
    bool m_fuellen = false;
    Drucklage m_drucklage;
    bool m_druckVerhaeltnis = true;
    int m_kopien = 1;
    int m_ziehenY = -1;

    std::array<QRadioButton *, 4> m_mode{};
    std::array<QCheckBox *, 5> m_kopf{};
    QLineEdit *m_titelEdit = nullptr;
    QCheckBox *m_titelCheck = nullptr;
    QPlainTextEdit *m_aufgMemo = nullptr;
    QCheckBox *m_textvorgabe = nullptr;
    QComboBox *m_kaestchen = nullptr;
    QCheckBox *m_erstBuchstabe = nullptr, *m_zeichnungen0 = nullptr, *m_basisbild0 = nullptr, *m_basisbild = nullptr;
    QLineEdit *m_groesse = nullptr, *m_x = nullptr, *m_y = nullptr, *m_maxFont = nullptr;
    QCheckBox *m_vollbreite = nullptr, *m_raender = nullptr, *m_objekte = nullptr;
    QSpinBox *m_abFrage = nullptr;
    QComboBox *m_spalten = nullptr;
    QRadioButton *m_hoch = nullptr, *m_quer = nullptr;
    QScrollArea *m_box = nullptr;
    QLabel *m_bild = nullptr;
    std::map<Optionsfeld, QWidget *> m_felder;
    std::map<QString, QPushButton *> m_knoepfe;
};

// The message of the tool button when the author locked the worksheets.
inline constexpr char kArbeitsblattGesperrt[] = "Die Arbeitsblatt-Funktion ist bei diesem Dokument vom Autor gesperrt.";

} // namespace kalumo
