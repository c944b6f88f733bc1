#pragma once
// The dialogs the user sees.

#include "platform/Dateidialoge.h"

class QWidget;

namespace kalumo {

class QtDateidialoge : public Dateidialoge
{
public:
    explicit QtDateidialoge(QWidget *eltern = nullptr) : m_eltern(eltern) {}
    QString Oeffnen(const QString &titel, const QString &ordner, const QString &filter) override;
    QString Speichern(const QString &titel, const QString &ordner, const QString &filter, const QString &vorschlag,
                      const QString &standardEndung) override;
    QString Ordner(const QString &titel, const QString &ordner) override;
    QString SpeichernMitFilter(const QString &titel, const QString &ordner, const QString &filter,
                               const QString &vorschlag, const QString &standardEndung, QString *filterWahl) override;

private:
    QWidget *m_eltern;
};

} // namespace kalumo
