#include "exercise/TNameEingabeForm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalumo {

TNameEingabeForm::TNameEingabeForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NameEingabeForm"));
    setWindowTitle(QStringLiteral("Teilnehmername eingeben"));
    auto *spalte = new QVBoxLayout(this);
    auto *gruppe = new QGroupBox(QStringLiteral("Übungsteilnehmer"), this);
    auto *gruppenSpalte = new QVBoxLayout(gruppe);
    auto *zeile = new QHBoxLayout;
    auto *label = new QLabel(QStringLiteral("&Name:"), gruppe);
    m_name = new QLineEdit(gruppe);
    m_name->setObjectName(QStringLiteral("NameEdit"));
    m_name->setMaxLength(kTeilnehmerNameMaxLaenge);
    m_name->setMinimumWidth(220);
    label->setBuddy(m_name);
    zeile->addWidget(label);
    zeile->addWidget(m_name, 1);
    gruppenSpalte->addLayout(zeile);
    auto *hinweis = new QLabel(QStringLiteral("Bitte Name für Protokoll und Bestenliste eingeben."), gruppe);
    gruppenSpalte->addWidget(hinweis);
    spalte->addWidget(gruppe);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setDefault(true);
    knoepfe->addWidget(m_ok);
    spalte->addLayout(knoepfe);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString TNameEingabeForm::NameErfragen()
{
    m_name->selectAll();
    m_name->setFocus();
    exec();
    return m_name->text().left(kTeilnehmerNameMaxLaenge);
}

} // namespace kalumo
