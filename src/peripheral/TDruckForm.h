#pragma once
// The print dialog of pictures placed on the paper in centimetres: " Position
// und Größe " with margins, width and height, "Korrektes &Seitenverhältnis"
// and "&Kopien:", " Drucker " with the printer line and "Einrichten...",
// "Drucken" and "Abbrechen". The owner hands it the job that prints.

#include "platform/Drucker.h"
#include "platform/Meldungen.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

namespace kalumo {

class TDruckForm : public QDialog
{
    Q_OBJECT
public:
    TDruckForm(const QString &titel, Drucker &drucker, Meldungen &meldungen, QWidget *parent = nullptr);

    // r: width / height of what is printed
    void Setzen(const Drucklage &lage, bool verhaeltnis, int kopien, double r);
    Drucklage Lage() const;
    bool Verhaeltnis() const;
    int Kopien() const;
    double Seitenverhaeltnis() const { return m_r; }

    // The job "Drucken" runs with the values of the dialog; false with a message.
    using Auftrag = std::function<bool(const Drucklage &lage, int kopien, QString &fehler)>;
    void AuftragSetzen(Auftrag a) { m_auftrag = std::move(a); }

    QLineEdit *LinksFeld() const { return m_links; }
    QLineEdit *ObenFeld() const { return m_oben; }
    QLineEdit *BreiteFeld() const { return m_breite; }
    QLineEdit *HoeheFeld() const { return m_hoehe; }
    QCheckBox *VerhaeltnisCheck() const { return m_verhaeltnis; }
    QSpinBox *KopienFeld() const { return m_kopien; }
    QLabel *DruckerLabel() const { return m_drucker; }
    QPushButton *EinrichtenKnopf() const { return m_einrichten; }
    QPushButton *DruckenKnopf() const { return m_druckenKnopf; }
    QPushButton *AbbrechenKnopf() const { return m_abbrechen; }

    // Refreshes the printer line and applies the ratio rule once, as on activation.
    void Aktivieren();
    void DruckenClick();

    // A length in centimetres as the fields show it ("2,2") and back.
    static QString Zentimeter(double wert);
    static double ZentimeterLesen(const QString &text, double ersatz);

protected:
    void showEvent(QShowEvent *e) override;
    // Rows the subclass adds under the printer group.
    QVBoxLayout *Spalte() const { return m_spalte; }

private:
    void breiteGeaendert();
    void hoeheGeaendert();

    Drucker &m_druckerDienst;
    Meldungen &m_meldungen;
    double m_r = 1.0;
    Auftrag m_auftrag;
    QVBoxLayout *m_spalte = nullptr;
    QLineEdit *m_links = nullptr, *m_oben = nullptr, *m_breite = nullptr, *m_hoehe = nullptr;
    QCheckBox *m_verhaeltnis = nullptr;
    QSpinBox *m_kopien = nullptr;
    QLabel *m_drucker = nullptr;
    QPushButton *m_einrichten = nullptr, *m_druckenKnopf = nullptr, *m_abbrechen = nullptr;
};

} // namespace kalumo
