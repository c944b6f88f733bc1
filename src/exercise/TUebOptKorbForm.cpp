#include "exercise/TUebOptKorbForm.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace kalumo {

TUebOptKorbForm::TUebOptKorbForm(QWidget *parent)
    : TUebOptBasisForm(QStringLiteral("Dieses Dialogfenster vor jeder Übung anzeigen"),
                       QStringLiteral("Mit Zeitlimit:"), parent)
{
    setObjectName(QStringLiteral("UebOptKorbForm"));
    Gruppen()->addWidget(Radiogruppe(QStringLiteral("Abfragemodus"),
                                     {QStringLiteral("Freie Zuordnung"), QStringLiteral("Einzelabfrage Texte/Bilder")},
                                     QStringLiteral("AbfrageModusRadioGroup"), m_abfrageModus));
}

void TUebOptKorbForm::WerteLaden(const UebDialogeTyp &d, int dokTyp)
{
    Q_UNUSED(dokTyp)
    const UebOptKorbTyp &o = d.UebOptKorb;
    Waehlen(m_abfrageModus, o.AbfrageModus);
    ZeitlimitSetzen({o.Zeitlimit, o.ZLimitMin, o.ZLimitSek});
}

void TUebOptKorbForm::WerteSchreiben(UebDialogeTyp &d) const
{
    UebOptKorbTyp &o = d.UebOptKorb;
    o.AbfrageModus = Gewaehlt(m_abfrageModus);
    const ZeitlimitWerte z = Zeitlimit();
    o.Zeitlimit = z.Zeitlimit;
    o.ZLimitMin = z.ZLimitMin;
    o.ZLimitSek = z.ZLimitSek;
}

} // namespace kalumo
