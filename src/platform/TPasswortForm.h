#pragma once
// The modal dialog that asks for a password ("*" for every typed character).

#include "platform/Passwortabfrage.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace kalumo {

class TPasswortForm : public QDialog, public Passwortabfrage
{
    Q_OBJECT
public:
    explicit TPasswortForm(QWidget *parent = nullptr);
    std::optional<QString> Fragen(const QString &titel, const QString &text) override;
    QLineEdit *Feld() const { return m_feld; }

private:
    QLabel *m_text = nullptr;
    QLineEdit *m_feld = nullptr;
};

} // namespace kalumo
