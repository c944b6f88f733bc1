#pragma once
// Dialog "Noten-/Punkteskala zur Bewertung der Übungsergebnisse": the grade
// thresholds, the point thresholds and the scale in use. "OK" checks the
// fields (NotenskalaPruefen) and closes only when they are valid; the
// caller then applies Ergebnis().

#include "exercise/NotenskalaEingabe.h"
#include "platform/Meldungen.h"

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kalumo {

class TNotenskalaForm : public QDialog
{
    Q_OBJECT
public:
    TNotenskalaForm(const NotenskalaTyp &skala, Meldungen &meldungen, QWidget *parent = nullptr);

    // "Notens&kala...": refuses with an information while an exercise runs
    // or when config.ini locks the scale; else shows the dialog and applies
    // the values on "OK". Returns whether the scale was changed.
    static bool Ausfuehren(QWidget *parent, NotenskalaTyp &skala, const NotenskalaZugang &zugang,
                           Meldungen &meldungen);

    // The scale as taken over on "OK".
    const NotenskalaTyp &Ergebnis() const { return m_ergebnis; }
    // The fields as they stand.
    NotenskalaEingabeTyp Eingaben() const;

    QLineEdit *NotenFeld(int note) const { return m_noten[size_t(note)]; }          // 1…6
    QLineEdit *PunkteFeld(int punkte) const { return m_punkte[size_t(punkte)]; }    // 0…15
    QLabel *NotenText(int note) const { return m_notenText[size_t(note)]; }
    QLabel *PunkteText(int punkte) const { return m_punkteText[size_t(punkte)]; }
    QRadioButton *SkalaKnopf(int skala) const { return m_skalen[size_t(skala)]; }
    QPushButton *OkKnopf() const { return m_ok; }
    QPushButton *AbbrechenKnopf() const { return m_abbrechen; }

    void OkClick();

private:
    void skalaGewaehlt(int skala);
    void zeilenAnpassen();

    Meldungen &m_meldungen;
    NotenskalaTyp m_alt;
    NotenskalaTyp m_ergebnis;
    int m_skala = 0;
    std::array<QLineEdit *, 7> m_noten{};
    std::array<QLabel *, 7> m_notenText{};
    std::array<QLabel *, 7> m_notenProzent{};
    std::array<QLabel *, 7> m_notenEmpfehlung{};
    std::array<QLineEdit *, 16> m_punkte{};
    std::array<QLabel *, 16> m_punkteText{};
    std::array<QLabel *, 16> m_punkteProzent{};
    std::array<QLabel *, 16> m_punkteEmpfehlung{};
    std::array<QRadioButton *, kSkalenAnzahl> m_skalen{};
    QPushButton *m_ok = nullptr;
    QPushButton *m_abbrechen = nullptr;
};

} // namespace kalumo
