#pragma once
// "Übungseinstellungen für Einzelfragen und Multiple-Choice-Fragen": the order
// of the questions, the order of the answers (its first item reads
// "Alphabetisch geordnet" for single questions and "Wie vorgegeben
// geordnet" for multiple choice), the query mode and the time limit.

#include "exercise/TUebOptBasisForm.h"

#include <vector>

namespace kalumo {

class TUebOptFragenForm : public TUebOptBasisForm
{
    Q_OBJECT
public:
    explicit TUebOptFragenForm(QWidget *parent = nullptr);

    QRadioButton *ZuordnungszieleKnopf(int wert) const { return m_ziele[size_t(wert)]; }
    QRadioButton *ZuordnungstexteKnopf(int wert) const { return m_texte[size_t(wert)]; }
    QRadioButton *ZuordnungFalschKnopf(int wert) const { return m_falsch[size_t(wert)]; }

protected:
    void WerteLaden(const UebDialogeTyp &d, int dokTyp) override;
    void WerteSchreiben(UebDialogeTyp &d) const override;

private:
    std::vector<QRadioButton *> m_ziele, m_texte, m_falsch;
};

} // namespace kalumo
