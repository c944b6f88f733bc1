#include "exercise/TUebProtokollForm.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPagedPaintDevice>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalumo {

TUebProtokollForm::TUebProtokollForm(Meldungen &meldungen, Dateidialoge &dialoge, EMailProgramm &email,
                                     QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint)
    , m_meldungen(meldungen)
    , m_dialoge(dialoge)
    , m_email(&email)
    , m_speicherOrdner(QDir::homePath())
    , m_druckziel(TProtokollAnzeige::StandardDruckziel())
    , m_kommentar(TProtokollAnzeige::StandardKommentardialog(QString::fromUtf8(protokolltext::KommentarTitel)))
{
    setObjectName(QStringLiteral("UebProtokollForm"));
    setWindowTitle(QString::fromUtf8(protokolltext::Titel));
    m_anzeige = new TProtokollAnzeige(this);
    m_anzeige->setObjectName(QStringLiteral("ProtokollMemo"));

    m_kopieren = new QPushButton(QStringLiteral("In Zwischenablage kopieren"), this);
    m_speichern = new QPushButton(QStringLiteral("Speichern..."), this);
    m_drucken = new QPushButton(QStringLiteral("Drucken..."), this);
    m_kommentarKnopf = new QPushButton(QStringLiteral("Kommentar hinzufügen..."), this);
    m_emailKnopf = new QPushButton(QStringLiteral("Per E-Mail versenden"), this);
    m_schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    // Escape closes the window (QDialog rejects on Escape); Enter adds no default action
    for (QPushButton *k : {m_kopieren, m_speichern, m_drucken, m_kommentarKnopf, m_emailKnopf, m_schliessen})
        k->setAutoDefault(false);
    connect(m_schliessen, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_kopieren, &QPushButton::clicked, this, &TUebProtokollForm::KopierenClick);
    connect(m_speichern, &QPushButton::clicked, this, &TUebProtokollForm::SpeichernClick);
    connect(m_drucken, &QPushButton::clicked, this, &TUebProtokollForm::DruckenClick);
    connect(m_kommentarKnopf, &QPushButton::clicked, this, &TUebProtokollForm::KommentarClick);
    connect(m_emailKnopf, &QPushButton::clicked, this, &TUebProtokollForm::EMailClick);

    auto *knoepfe = new QGridLayout;
    knoepfe->addWidget(m_kopieren, 0, 0);
    knoepfe->addWidget(m_speichern, 0, 1);
    knoepfe->addWidget(m_drucken, 0, 2);
    knoepfe->addWidget(m_kommentarKnopf, 1, 0);
    knoepfe->addWidget(m_emailKnopf, 1, 1);
    knoepfe->addWidget(m_schliessen, 1, 3);
    knoepfe->setColumnStretch(3, 1);
    knoepfe->setAlignment(m_schliessen, Qt::AlignRight);

    auto *spalte = new QVBoxLayout(this);
    spalte->addWidget(m_anzeige, 1);
    spalte->addLayout(knoepfe);
    resize(620, 560);
}

void TUebProtokollForm::Fuellen(UebungsprotokollTyp &protokoll)
{
    m_protokoll = &protokoll;
    m_anzeige->ProtokollSetzen(protokoll.Text);
}

void TUebProtokollForm::Zeigen(UebungsprotokollTyp &protokoll, bool modal)
{
    Fuellen(protokoll);
    setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    show();
    raise();
    activateWindow();
}

void TUebProtokollForm::KopierenClick()
{
    m_anzeige->Kopieren();
}

void TUebProtokollForm::SpeichernClick()
{
    m_anzeige->Speichern(m_dialoge, m_meldungen, QString::fromUtf8(protokolltext::SpeichernTitel), m_speicherOrdner,
                         QStringLiteral("uebungsprotokoll.rtf"));
}

void TUebProtokollForm::DruckenClick()
{
    std::unique_ptr<QPagedPaintDevice> ziel =
        m_druckziel ? m_druckziel(this, QString::fromUtf8(protokolltext::Druckauftrag)) : nullptr;
    if (ziel)
        m_anzeige->Drucken(*ziel);
}

void TUebProtokollForm::KommentarClick()
{
    if (!m_protokoll || !m_kommentar)
        return;
    const std::optional<QString> k = m_kommentar(this);
    if (!k || !KommentarAnhaengen(m_protokoll->Text, *k))
        return;
    // the comment goes below what is shown; the protocol is not cleared
    m_anzeige->ProtokollSetzen(m_protokoll->Text);
    m_anzeige->moveCursor(QTextCursor::End);
}

void TUebProtokollForm::EMailClick()
{
    if (!m_protokoll)
        return;
    const std::optional<QString> pfad =
        ProtokollFuerEMailSpeichern(m_protokoll->Text, m_protokollOrdner, Jetzt(), m_meldungen);
    if (!pfad)
        return;
    EMailSenden(*m_email, m_meldungen, AnhaengeAlsListe({*pfad}), ProtokollEMailText(*m_protokoll),
                ProtokollEMailBetreff());
}

} // namespace kalumo
