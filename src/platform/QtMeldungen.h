#pragma once
// The message boxes the user sees: modal, with the German captions.

#include "platform/Meldungen.h"

class QWidget;

namespace kalumo {

class QtMeldungen : public Meldungen
{
public:
    explicit QtMeldungen(QWidget *eltern = nullptr) : m_eltern(eltern) {}
    void ElternSetzen(QWidget *eltern) { m_eltern = eltern; }

    void Information(const QString &text) override;
    void Warnung(const QString &text) override;
    void Fehler(const QString &text) override;
    Antwort Frage(const QString &text, FrageKnoepfe knoepfe = FrageKnoepfe::JaNein) override;
    Antwort EigeneFrage(const QString &titel, const QString &text, const QString &ja, const QString &nein) override;

private:
    QWidget *m_eltern;
};

} // namespace kalumo
