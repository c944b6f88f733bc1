#pragma once
// The message boxes the user sees: modal, with the German captions.

#include "platform/Meldungen.h"

class QWidget;

namespace kalumo {

// The window a box or file dialog belongs to: the modal window in front (a
// window that stays on top, such as the result of a run, would otherwise
// cover a box that belongs to the main window), else the active window,
// else vorgabe.
QWidget *DialogEltern(QWidget *vorgabe);

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
