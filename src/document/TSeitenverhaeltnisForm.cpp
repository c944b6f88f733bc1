#include "document/TSeitenverhaeltnisForm.h"

#include "platform/QtDialogknoepfe.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kalumo {

namespace {

constexpr int kRatioMax = 9999;
constexpr SeitenVorgaben kBildschirm{1, 10, 7};
constexpr SeitenVorgaben kArbeitsblatt{1, 10, 12};

} // namespace

TSeitenverhaeltnisForm::TSeitenverhaeltnisForm(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Seitenverhältnis des Dokuments"));
    setObjectName(QStringLiteral("SeitenverhaeltnisForm"));
    m_seiten = new QTabWidget(this);
    m_seiten->addTab(seiteBauen(m_teile[seiteAktuell], m_transformieren,
                                QStringLiteral(" &Position von Beschriftungen, Bildern, Infopunkten transformieren ")),
                     QStringLiteral(" &Aktuelles Dokument "));
    m_seiten->addTab(seiteBauen(m_teile[seiteVorgabe], m_vollflaeche,
                                QStringLiteral(" Bei &Zeichenblattfunktion \"Neues Blatt\" immer an Fenstergröße anpassen")),
                     QStringLiteral(" &Voreinstellung für neue Dokumente "));
    QPushButton *ok = nullptr, *abbrechen = nullptr;
    QHBoxLayout *knoepfe = OkAbbrechenZeile(this, ok, abbrechen);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_seiten);
    layout->addLayout(knoepfe);
}

QWidget *TSeitenverhaeltnisForm::seiteBauen(Teil &t, QCheckBox *&zusatz, const QString &zusatzText)
{
    auto *seite = new QWidget(m_seiten);
    auto *l = new QVBoxLayout(seite);
    t.Beibehalten = new QRadioButton(QStringLiteral(" Seitenverhältnis des &Basisbildes beibehalten "), seite);
    t.Fest = new QRadioButton(QStringLiteral(" &Seitenverhältnis festlegen und Basisbild verzerrungsfrei einpassen "),
                              seite);
    t.Breite = new QSpinBox(seite);
    t.Hoehe = new QSpinBox(seite);
    auto *form = new QFormLayout;
    for (QSpinBox *s : {t.Breite, t.Hoehe}) {
        s->setRange(1, kRatioMax);
        // editing a width or height chooses the fixed ratio
        connect(s, &QSpinBox::valueChanged, this, [f = t.Fest] { f->setChecked(true); });
    }
    form->addRow(QStringLiteral("&Breite:"), t.Breite);
    form->addRow(QStringLiteral("&Höhe:"), t.Hoehe);
    const Seite art = &t == &m_teile[seiteAktuell] ? seiteAktuell : seiteVorgabe;
    auto *bildschirm = new QPushButton(QStringLiteral("optimiert für Bildschirm (10:7)"), seite);
    auto *blatt = new QPushButton(QStringLiteral("optimiert für Arbeitsblatt (10:12)"), seite);
    connect(bildschirm, &QPushButton::clicked, this, [this, art] { Bildschirm(art); });
    connect(blatt, &QPushButton::clicked, this, [this, art] { Arbeitsblatt(art); });
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(bildschirm);
    knoepfe->addWidget(blatt);
    zusatz = new QCheckBox(zusatzText, seite);
    l->addWidget(t.Beibehalten);
    l->addWidget(t.Fest);
    l->addLayout(form);
    l->addLayout(knoepfe);
    l->addWidget(zusatz);
    l->addStretch();
    return seite;
}

void TSeitenverhaeltnisForm::setzen(Seite s, const SeitenVorgaben &v)
{
    Teil &t = m_teile[s];
    const bool gueltig = v.SeitRatioBreite > 0 && v.SeitRatioHoehe > 0;
    t.Breite->setValue(gueltig ? v.SeitRatioBreite : kBildschirm.SeitRatioBreite);
    t.Hoehe->setValue(gueltig ? v.SeitRatioHoehe : kBildschirm.SeitRatioHoehe);
    (v.SeitenverhaeltnisArt == 1 ? t.Fest : t.Beibehalten)->setChecked(true);
}

SeitenVorgaben TSeitenverhaeltnisForm::lesen(Seite s) const
{
    const Teil &t = m_teile[s];
    return {t.Fest->isChecked() ? 1 : 0, t.Breite->value(), t.Hoehe->value()};
}

void TSeitenverhaeltnisForm::Fuellen(const HeaderDataTyp &kopf, const SeitenVorgaben &vorgabe,
                                     bool neuesBlattVollflaeche)
{
    setzen(seiteAktuell, {kopf.SeitenverhaeltnisArt, kopf.SeitRatioBreite, kopf.SeitRatioHoehe});
    setzen(seiteVorgabe, vorgabe);
    m_transformieren->setChecked(false);
    m_vollflaeche->setChecked(neuesBlattVollflaeche);
    m_seiten->setCurrentIndex(seiteAktuell);
}

SeitenVorgaben TSeitenverhaeltnisForm::Aktuell() const
{
    return lesen(seiteAktuell);
}

bool TSeitenverhaeltnisForm::Transformieren() const
{
    return m_transformieren->isChecked();
}

SeitenVorgaben TSeitenverhaeltnisForm::Vorgabe() const
{
    return lesen(seiteVorgabe);
}

bool TSeitenverhaeltnisForm::NeuesBlattVollflaeche() const
{
    return m_vollflaeche->isChecked();
}

void TSeitenverhaeltnisForm::Bildschirm(Seite s)
{
    setzen(s, kBildschirm);
}

void TSeitenverhaeltnisForm::Arbeitsblatt(Seite s)
{
    setzen(s, kArbeitsblatt);
}

} // namespace kalumo
