#pragma once
// The settings of cross matching and find words: the time limit only. Its
// caption names the document type ("Übungseinstellungen für
// Über-Kreuz-Zuordnung", "… für \"Wörter etc. finden\""); nothing persists.

#include "exercise/TUebOptBasisForm.h"

namespace kalumo {

class TUebOptKreuzverbindungForm : public TUebOptBasisForm
{
    Q_OBJECT
public:
    explicit TUebOptKreuzverbindungForm(QWidget *parent = nullptr);

protected:
    void WerteLaden(const UebDialogeTyp &d, int dokTyp) override;
    void WerteSchreiben(UebDialogeTyp &d) const override;
};

} // namespace kalumo
