#include "network/TNetzUebungTnStartForm.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalumo {

TNetzUebungTnStartForm::TNetzUebungTnStartForm(Meldungen &meldungen, QWidget *parent)
    : QDialog(parent), m_meldungen(meldungen)
{
    setObjectName(QStringLiteral("NetzUebungTnStartForm"));
    setWindowTitle(NetzBeitrittTitel());
    m_poll.setInterval(kNetzBeitrittPollMs);
    connect(&m_poll, &QTimer::timeout, this, &TNetzUebungTnStartForm::Pruefen);

    auto *statusGruppe = new QGroupBox(QStringLiteral(" Status der Netzwerk-Übung "), this);
    m_statusZeile = new QLabel(statusGruppe);
    m_statusZeile->setObjectName(QStringLiteral("StatusLabel"));
    QFont fett = m_statusZeile->font();
    fett.setBold(true);
    m_statusZeile->setFont(fett);
    auto *statusHinweis = new QLabel(
        QStringLiteral("Die Netzwerk-Übung muss am Lehrer-PC mit \"Lehrersteuerung\" / \"Netzwerk-Übung "
                       "initiieren\" gestartet werden."),
        statusGruppe);
    statusHinweis->setWordWrap(true);
    auto *statusSpalte = new QVBoxLayout(statusGruppe);
    statusSpalte->addWidget(m_statusZeile);
    statusSpalte->addWidget(statusHinweis);

    auto *tnGruppe = new QGroupBox(QStringLiteral(" Übungsteilnehmer "), this);
    auto *nameText = new QLabel(QStringLiteral("&Name oder Rechnernummer:"), tnGruppe);
    m_name = new QLineEdit(tnGruppe);
    m_name->setObjectName(QStringLiteral("NameEdit"));
    m_name->setMaxLength(kNetzNameHoechstlaengeDialog);
    nameText->setBuddy(m_name);
    auto *laenge = new QLabel(QStringLiteral("(max. 20 Zeichen)"), tnGruppe);
    auto *tnHinweis = new QLabel(QStringLiteral("Tragen Sie Ihren Namen oder die Nummer Ihres Rechners ein und "
                                                "wählen Sie \"Teilnehmen\", sobald oben eine Netzwerk-Übung "
                                                "angezeigt wird."),
                                 tnGruppe);
    tnHinweis->setWordWrap(true);
    auto *nameReihe = new QHBoxLayout;
    nameReihe->addWidget(nameText);
    nameReihe->addWidget(m_name, 1);
    nameReihe->addWidget(laenge);
    auto *tnSpalte = new QVBoxLayout(tnGruppe);
    tnSpalte->addLayout(nameReihe);
    tnSpalte->addWidget(tnHinweis);

    m_teilnehmen = new QPushButton(QStringLiteral("Teilnehmen"), this);
    m_teilnehmen->setDefault(true);
    m_abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    connect(m_teilnehmen, &QPushButton::clicked, this, &TNetzUebungTnStartForm::TeilnehmenClick);
    connect(m_abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(m_teilnehmen);
    knoepfe->addWidget(m_abbrechen);

    auto *spalte = new QVBoxLayout(this);
    spalte->addWidget(statusGruppe);
    spalte->addWidget(tnGruppe);
    spalte->addLayout(knoepfe);
    setMinimumWidth(460);
    statusZeigen(NetzBeitrittsstatusAnfang());
}

void TNetzUebungTnStartForm::statusZeigen(const NetzBeitrittsstatus &s)
{
    m_status = s;
    m_statusZeile->setText(s.Text);
    QPalette p = m_statusZeile->palette();
    p.setColor(QPalette::WindowText, QColor(s.Farbe));
    m_statusZeile->setPalette(p);
    m_teilnehmen->setEnabled(s.Verfuegbar);
}

void TNetzUebungTnStartForm::Oeffnen(const NetzPfade &p)
{
    m_pfade = p;
    statusZeigen(NetzBeitrittsstatusAnfang());
    m_name->setFocus();
    if (!QFileInfo(p.Ordner).isDir())
        m_meldungen.Warnung(NetzKomOrdnerFehltText());
    m_poll.start();
}

void TNetzUebungTnStartForm::Pruefen()
{
    statusZeigen(NetzBeitrittsstatusPruefen(m_pfade));
}

QString TNetzUebungTnStartForm::Name() const
{
    return m_name->text().trimmed();
}

void TNetzUebungTnStartForm::TeilnehmenClick()
{
    if (Name().isEmpty()) {
        m_meldungen.Information(NetzNameFehltText());
        m_name->setFocus();
        return;
    }
    accept();
}

void TNetzUebungTnStartForm::done(int r)
{
    // the poll ends with the dialog
    m_poll.stop();
    QDialog::done(r);
}

QString TNetzUebungTnStartForm::Ausfuehren(const NetzPfade &p)
{
    Oeffnen(p);
    return exec() == QDialog::Accepted ? Name() : QString();
}

} // namespace kalumo
