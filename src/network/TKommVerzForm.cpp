#include "network/TKommVerzForm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kalumo {

TKommVerzForm::TKommVerzForm(NetzKomTyp &kom, Meldungen &meldungen, Dateidialoge &dialoge, QWidget *parent)
    : QDialog(parent), m_kom(kom), m_meldungen(meldungen), m_dialoge(dialoge)
{
    setObjectName(QStringLiteral("KommVerzForm"));
    setWindowTitle(KommDialogTitel());

    auto *ordnerGruppe = new QGroupBox(QStringLiteral(" Kommunikations&ordner "), this);
    m_ordner = new QLineEdit(ordnerGruppe);
    m_ordner->setObjectName(QStringLiteral("OrdnerEdit"));
    auto *durchsuchen = new QPushButton(QStringLiteral("&Durchsuchen..."), ordnerGruppe);
    connect(durchsuchen, &QPushButton::clicked, this, &TKommVerzForm::DurchsuchenClick);
    auto *ordnerText = new QLabel(
        QStringLiteral("Alle Rechner (Lehrer-PC und Teilnehmer-PCs) müssen hier denselben Ordner angeben. Alle "
                       "benötigen Lesezugriff auf diesen Ordner, mindestens der Lehrer-PC auch Schreibzugriff."),
        ordnerGruppe);
    ordnerText->setWordWrap(true);
    auto *ordnerReihe = new QHBoxLayout;
    ordnerReihe->addWidget(m_ordner, 1);
    ordnerReihe->addWidget(durchsuchen);
    auto *ordnerSpalte = new QVBoxLayout(ordnerGruppe);
    ordnerSpalte->addLayout(ordnerReihe);
    ordnerSpalte->addWidget(ordnerText);

    auto *wegGruppe = new QGroupBox(QStringLiteral(" Kommunikation vom Übungs-&Teilnehmer zum Lehrer-PC "), this);
    m_datagramm = new QRadioButton(
        QStringLiteral(" Kombiniert: Kommunikationsordner und über Mailslots (virtuelle Dateien)  -  empfohlen "),
        wegGruppe);
    m_portHinweis = new QLabel(wegGruppe);
    m_portHinweis->setWordWrap(true);
    m_ordnerVerfahren = new QRadioButton(
        QStringLiteral(" Kommunikation erfolgt über den oben angegebenen Kommunikationsordner. "), wegGruppe);
    auto *ordnerHinweis = new QLabel(
        QStringLiteral("Die Teilnehmer-PCs benötigen dann auch Schreibzugriff auf den Kommunikationsordner."),
        wegGruppe);
    ordnerHinweis->setWordWrap(true);
    auto *wegSpalte = new QVBoxLayout(wegGruppe);
    wegSpalte->addWidget(m_datagramm);
    wegSpalte->addWidget(m_portHinweis);
    wegSpalte->addWidget(m_ordnerVerfahren);
    wegSpalte->addWidget(ordnerHinweis);

    auto *kanalGruppe = new QGroupBox(QStringLiteral(" Kommunikations&kanal "), this);
    m_kanal = new QLineEdit(kanalGruppe);
    m_kanal->setObjectName(QStringLiteral("KanalEdit"));
    m_kanal->setMaxLength(kNetzKanalHoechstlaenge);
    m_kanal->setMaximumWidth(120);
    connect(m_kanal, &QLineEdit::textChanged, this, &TKommVerzForm::portHinweisZeigen);
    auto *kanalReihe = new QHBoxLayout(kanalGruppe);
    kanalReihe->addWidget(m_kanal);
    kanalReihe->addWidget(new QLabel(QStringLiteral("(max. 8 Zeichen)"), kanalGruppe));
    kanalReihe->addStretch(1);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto *abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    auto *test = new QPushButton(QStringLiteral("&Zugriffstest"), this);
    connect(ok, &QPushButton::clicked, this, &TKommVerzForm::OkClick);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(test, &QPushButton::clicked, this, &TKommVerzForm::ZugriffstestClick);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(test);
    knoepfe->addStretch(1);
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);

    auto *spalte = new QVBoxLayout(this);
    spalte->addWidget(ordnerGruppe);
    spalte->addWidget(wegGruppe);
    spalte->addWidget(kanalGruppe);
    spalte->addLayout(knoepfe);
    // the wrapped explanations take the height they need at this width
    spalte->setSizeConstraint(QLayout::SetMinimumSize);
    setMinimumWidth(680);
    Laden();
}

void TKommVerzForm::portHinweisZeigen()
{
    m_portHinweis->setText(KommPortHinweis(m_kanal->text().trimmed(), m_kom.Basisport));
}

void TKommVerzForm::Laden()
{
    m_ordner->setText(m_kom.Ordner);
    m_kanal->setText(m_kom.Kanal);
    (NetzVerfahrenGueltig(m_kom.Verfahren) == netzVerfahrenOrdner ? m_ordnerVerfahren : m_datagramm)->setChecked(true);
    portHinweisZeigen();
}

KommDialogWerte TKommVerzForm::werte() const
{
    return {m_ordner->text().trimmed(), m_kanal->text().trimmed(),
            m_ordnerVerfahren->isChecked() ? netzVerfahrenOrdner : netzVerfahrenDatagramm};
}

bool TKommVerzForm::Ausfuehren(bool uebungsmodus, int uebArt)
{
    if (!KommEinstellungenAenderbar(uebungsmodus, uebArt, m_meldungen))
        return false;
    Laden();
    return exec() == QDialog::Accepted;
}

void TKommVerzForm::OkClick()
{
    KommDialogWerte w = werte();
    // the dialog opens only when no network exercise of this computer runs
    switch (KommEinstellungenUebernehmen(w, m_kom, false, m_meldungen)) {
    case KommOkErgebnis::Uebernommen:
        accept();
        return;
    case KommOkErgebnis::UebernommenTestFehlt:
        m_ordner->setText(w.Ordner);
        m_ordner->setFocus();
        return;
    case KommOkErgebnis::OrdnerUngueltig:
        m_ordner->setFocus();
        return;
    case KommOkErgebnis::KanalUngueltig:
        m_kanal->setFocus();
        return;
    case KommOkErgebnis::Gesperrt:
        return;
    }
}

void TKommVerzForm::DurchsuchenClick()
{
    const QString ordner = m_dialoge.Ordner(KommOrdnerWahlTitel(), m_ordner->text());
    if (!ordner.isEmpty())
        m_ordner->setText(ordner.endsWith(QLatin1Char('/')) ? ordner : ordner + QLatin1Char('/'));
}

void TKommVerzForm::ZugriffstestClick()
{
    const KommDialogWerte w = werte();
    KommZugriffstest(w.Ordner, w.Verfahren, m_meldungen, true, false);
}

} // namespace kalumo
