#include "exercise/TUebOptKreuzverbindungForm.h"

namespace kalumo {

TUebOptKreuzverbindungForm::TUebOptKreuzverbindungForm(QWidget *parent)
    : TUebOptBasisForm(QStringLiteral("Dieses Dialogfenster vor jeder Übung anzeigen"),
                       QStringLiteral("Mit Zeitlimit:"), parent)
{
    setObjectName(QStringLiteral("UebOptKreuzverbindungForm"));
}

void TUebOptKreuzverbindungForm::WerteLaden(const UebDialogeTyp &d, int dokTyp)
{
    Q_UNUSED(dokTyp)
    const UebOptKreuzTyp &o = d.UebOptKreuz;
    ZeitlimitSetzen({o.Zeitlimit, o.ZLimitMin, o.ZLimitSek});
}

void TUebOptKreuzverbindungForm::WerteSchreiben(UebDialogeTyp &d) const
{
    const ZeitlimitWerte z = Zeitlimit();
    d.UebOptKreuz.Zeitlimit = z.Zeitlimit;
    d.UebOptKreuz.ZLimitMin = z.ZLimitMin;
    d.UebOptKreuz.ZLimitSek = z.ZLimitSek;
}

} // namespace kalumo
