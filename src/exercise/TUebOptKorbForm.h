#pragma once
// "Übungseinstellungen für Cluster-Übung": the query mode ("Freie Zuordnung",
// "Einzelabfrage Texte/Bilder") and the time limit.

#include "exercise/TUebOptBasisForm.h"

#include <vector>

namespace kalumo {

class TUebOptKorbForm : public TUebOptBasisForm
{
    Q_OBJECT
public:
    explicit TUebOptKorbForm(QWidget *parent = nullptr);

    QRadioButton *AbfrageModusKnopf(int wert) const { return m_abfrageModus[size_t(wert)]; }

protected:
    void WerteLaden(const UebDialogeTyp &d, int dokTyp) override;
    void WerteSchreiben(UebDialogeTyp &d) const override;

private:
    std::vector<QRadioButton *> m_abfrageModus;
};

} // namespace kalumo
