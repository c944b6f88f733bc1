#pragma once
// The button row at the bottom of the program's dialogs: "OK" (default)
// and "Abbrechen" on the right.

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

namespace kalumo {

inline QHBoxLayout *OkAbbrechenZeile(QDialog *dialog, QPushButton *&ok, QPushButton *&abbrechen)
{
    auto *zeile = new QHBoxLayout;
    zeile->addStretch(1);
    ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setDefault(true);
    abbrechen = new QPushButton(QStringLiteral("Abbrechen"), dialog);
    zeile->addWidget(ok);
    zeile->addWidget(abbrechen);
    QObject::connect(abbrechen, &QPushButton::clicked, dialog, &QDialog::reject);
    return zeile;
}

} // namespace kalumo
