#pragma once
// The dialog "Dokumenteigenschaften": the file facts of the current
// document and its descriptive fields, numbering, target point size, image
// password, worksheet logo and footer, the storing of the exercise settings
// and the two restrictions. A thin window over Dokumenteigenschaften.h: it
// shows EigenschaftenWerte and gives them back; the caller takes them over.

#include "document/Dokumenteigenschaften.h"
#include "platform/Dateidialoge.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace kalumo {

class TDokEigenschaftenForm : public QDialog
{
    Q_OBJECT
public:
    enum Seite { seiteAllgemein = 0, seiteArbeitsblatt = 1, seiteUebEinst = 2, seiteBeschraenkungen = 3 };

    TDokEigenschaftenForm(Meldungen &meldungen, Passwortabfrage &bilderAbfrage, QWidget *parent = nullptr);
    void MeldungenSetzen(Meldungen &m) { m_meldungen = &m; }
    void BilderAbfrageSetzen(Passwortabfrage &a) { m_bilderAbfrage = &a; }
    void DateidialogeSetzen(Dateidialoge *d) { m_dialoge = d; }

    // Shows the values of this document (its image password flag is used
    // by the logo copy); "OK" gives them back through Werte().
    void Fuellen(HeaderDataTyp &kopf, const QString &bibliotheksordner);
    EigenschaftenWerte Werte() const;

    // The button "&Seitenverhältnis..." and "Für alle Dokumente des
    // aktuellen Ordners übernehmen" are the caller's.
    std::function<void()> SeitenverhaeltnisZeigen;
    std::function<void(const LogoFusszeile &)> FuerAlleUebernehmen;

    // The buttons.
    void PasswortAendernClick();
    void DokTypAnfuegenClick();
    void LogoAusZwischenablageClick();
    void LogoAusDateiClick();
    void LogoKopierenClick();
    void LogoLoeschenClick();
    void FuerAlleClick();

    QTabWidget *Seiten() const { return m_seiten; }
    QLineEdit *TitelEdit() const { return m_titel; }
    QLineEdit *AutorEdit() const { return m_autor; }
    QLineEdit *BemerkungEdit() const { return m_bemerkung; }
    QComboBox *NummerierungCombo() const { return m_nummerierung; }
    QComboBox *GeordnetCombo() const { return m_geordnet; }
    QComboBox *ZielpunktCombo() const { return m_zielpunkt; }
    QLabel *PasswortLabel() const { return m_passwortStatus; }
    QLabel *GroesseLabel() const { return m_groesse; }
    QLineEdit *FusszeileEdit() const { return m_fusszeile; }
    QSpinBox *LogoGroesseSpin() const { return m_logoGroesse; }
    QRadioButton *UebEinstRadio(int wert) const { return m_uebEinst[size_t(wert)]; }
    QRadioButton *LernansichtGesperrt() const { return m_lernSperre; }
    QRadioButton *ArbeitsblattGesperrt() const { return m_blattSperre; }

private:
    void logoZeigen();
    void passwortZeigen();

    Meldungen *m_meldungen;
    Passwortabfrage *m_bilderAbfrage;
    Dateidialoge *m_dialoge = nullptr;
    HeaderDataTyp *m_kopf = nullptr;
    QString m_ordner;
    QImage m_logo;
    QString m_bilderPasswort;

    QTabWidget *m_seiten = nullptr;
    QLabel *m_datei = nullptr, *m_ordnerLabel = nullptr, *m_groesse = nullptr, *m_geaendert = nullptr;
    QLabel *m_typ = nullptr, *m_passwortStatus = nullptr, *m_logoBild = nullptr, *m_geladen = nullptr;
    QLineEdit *m_titel = nullptr, *m_autor = nullptr, *m_bemerkung = nullptr, *m_fusszeile = nullptr;
    QComboBox *m_nummerierung = nullptr, *m_geordnet = nullptr, *m_zielpunkt = nullptr;
    QComboBox *m_logoAusricht = nullptr, *m_fussAusricht = nullptr;
    QSpinBox *m_logoGroesse = nullptr;
    std::array<QRadioButton *, 3> m_uebEinst{};
    QRadioButton *m_lernFrei = nullptr, *m_lernSperre = nullptr, *m_blattFrei = nullptr, *m_blattSperre = nullptr;
};

} // namespace kalumo
