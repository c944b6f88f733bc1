#pragma once
// "Teilnehmername eingeben": the participant's name before an individual
// run (group "Übungsteilnehmer", "&Name:", at most 30 characters, "OK").
// The name may stay empty; closing the window keeps what was typed.

#include "exercise/UebungsDienste.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace kalumo {

inline constexpr int kTeilnehmerNameMaxLaenge = 30;

class TNameEingabeForm : public QDialog, public Namensabfrage
{
    Q_OBJECT
public:
    explicit TNameEingabeForm(QWidget *parent = nullptr);

    // Namensabfrage: shows the dialog modally with the last name selected.
    QString NameErfragen() override;

    QLineEdit *NameEdit() const { return m_name; }
    QPushButton *OkKnopf() const { return m_ok; }

private:
    QLineEdit *m_name = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace kalumo
