#include "exercise/TUebOptFragenForm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kalumo {

TUebOptFragenForm::TUebOptFragenForm(QWidget *parent)
    : TUebOptBasisForm(QStringLiteral("Dieses Dialogfenster vor jeder Übung anzeigen"),
                       QStringLiteral("Zeitlimit von:"), parent)
{
    setObjectName(QStringLiteral("UebOptFragenForm"));
    auto *zeile = new QHBoxLayout;
    zeile->addWidget(Radiogruppe(QStringLiteral("Reihenfolge der Fragen"),
                                 {QStringLiteral("Wie vorgegeben geordnet"), QStringLiteral("Zufällig gemischt")},
                                 QStringLiteral("ZuordnungszieleRadioGroup"), m_ziele));
    zeile->addWidget(Radiogruppe(QStringLiteral("Reihenfolge der Antwortvorgaben"),
                                 {QStringLiteral("Alphabetisch geordnet"), QStringLiteral("Zufällig gemischt")},
                                 QStringLiteral("ZuordnungstexteRadioGroup"), m_texte));
    Gruppen()->addLayout(zeile);
    Gruppen()->addWidget(Radiogruppe(QStringLiteral("Abfragemodus"),
                                     {QStringLiteral("Solange wiederholen, bis jede Frage richtig beantwortet wurde"),
                                      QStringLiteral("Jede Frage nur einmal stellen")},
                                     QStringLiteral("ZuordnungFalschRadioGroup"), m_falsch));
}

void TUebOptFragenForm::WerteLaden(const UebDialogeTyp &d, int dokTyp)
{
    const UebOptFragenTyp &o = d.UebOptFragen;
    m_texte[0]->setText(Gepolstert(dokTyp == dokMultipleChoice ? QStringLiteral("Wie vorgegeben geordnet")
                                                               : QStringLiteral("Alphabetisch geordnet")));
    Waehlen(m_ziele, o.Zuordnungsziele);
    Waehlen(m_texte, o.Zuordnungstexte);
    Waehlen(m_falsch, o.ZuordnungFalsch);
    ZeitlimitSetzen({o.Zeitlimit, o.ZLimitMin, o.ZLimitSek});
}

void TUebOptFragenForm::WerteSchreiben(UebDialogeTyp &d) const
{
    UebOptFragenTyp &o = d.UebOptFragen;
    o.Zuordnungsziele = Gewaehlt(m_ziele);
    o.Zuordnungstexte = Gewaehlt(m_texte);
    o.ZuordnungFalsch = Gewaehlt(m_falsch);
    const ZeitlimitWerte z = Zeitlimit();
    o.Zeitlimit = z.Zeitlimit;
    o.ZLimitMin = z.ZLimitMin;
    o.ZLimitSek = z.ZLimitSek;
}

} // namespace kalumo
