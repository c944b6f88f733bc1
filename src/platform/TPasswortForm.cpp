#include "platform/TPasswortForm.h"

#include "platform/QtDialogknoepfe.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kalumo {

TPasswortForm::TPasswortForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PasswortForm"));
    auto *spalte = new QVBoxLayout(this);
    m_text = new QLabel(this);
    m_text->setWordWrap(true);
    spalte->addWidget(m_text);
    auto *form = new QFormLayout;
    m_feld = new QLineEdit(this);
    m_feld->setEchoMode(QLineEdit::Password);
    // every typed character shows as "*" (not the style's bullet)
    m_feld->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    auto *beschriftung = new QLabel(QStringLiteral("&Passwort:"), this);
    beschriftung->setBuddy(m_feld);
    form->addRow(beschriftung, m_feld);
    spalte->addLayout(form);
    QPushButton *ok = nullptr;
    QPushButton *abbrechen = nullptr;
    spalte->addLayout(OkAbbrechenZeile(this, ok, abbrechen));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

std::optional<QString> TPasswortForm::Fragen(const QString &titel, const QString &text)
{
    setWindowTitle(titel);
    m_text->setText(text);
    m_feld->clear();
    m_feld->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return m_feld->text();
}

} // namespace kalumo
