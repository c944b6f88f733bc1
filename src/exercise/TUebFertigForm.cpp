#include "exercise/TUebFertigForm.h"

#include "exercise/Notenskalabild.h"
#include "exercise/Protokolltext.h"
#include "exercise/Uebung.h"

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kalumo {

namespace {
constexpr QSize kSkalenbildGroesse{110, 210};
} // namespace

TUebFertigForm::TUebFertigForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("UebFertigForm"));
    setWindowTitle(QString::fromUtf8(ergebnistext::Titel));

    auto *werte = new QGridLayout;
    werte->setHorizontalSpacing(16);
    int zeile = 0;
    auto paar = [&](QLabel *beschriftung, const char *name) {
        werte->addWidget(beschriftung, zeile, 0);
        werte->addWidget(wertLabel(name), zeile, 1);
        ++zeile;
    };
    paar(new QLabel(QString::fromUtf8(ergebnistext::Richtig), this), "Richtig");
    paar(new QLabel(QString::fromUtf8(ergebnistext::Falsch), this), "Falsch");
    paar(new QLabel(QString::fromUtf8(ergebnistext::Quote), this), "Quote");
    paar(new QLabel(QString::fromUtf8(ergebnistext::Leistung), this), "Leistung");
    m_zeitBeschriftung = new QLabel(ErgebnisZeitBeschriftung(0), this);
    paar(m_zeitBeschriftung, "Zeit");
    paar(new QLabel(QString::fromUtf8(ergebnistext::Offen), this), "Offen");
    werte->setRowMinimumHeight(zeile++, 8);
    auto *bewertung = new QLabel(QString::fromUtf8(ergebnistext::Bewertung), this);
    QLabel *wort = wertLabel("NotenWort");
    QFont fett = wort->font();
    fett.setBold(true);
    fett.setPointSizeF(fett.pointSizeF() * 1.3);
    wort->setFont(fett);
    werte->addWidget(bewertung, zeile, 0);
    werte->addWidget(wort, zeile++, 1);
    m_notenLabel = new QLabel(QStringLiteral("Note:"), this);
    QLabel *note = wertLabel("Note");
    note->setFont(fett);
    werte->addWidget(m_notenLabel, zeile, 0);
    werte->addWidget(note, zeile++, 1);
    werte->setColumnStretch(1, 1);
    werte->setRowStretch(zeile, 1);

    m_skalenbild = new QLabel(this);
    m_skalenbild->setObjectName(QStringLiteral("Skalenbild"));
    m_skalenbild->setFixedSize(kSkalenbildGroesse);

    auto *oben = new QHBoxLayout;
    oben->addLayout(werte, 1);
    oben->addSpacing(12);
    oben->addWidget(m_skalenbild, 0, Qt::AlignTop);

    m_wiederholung = new QGroupBox(QString::fromUtf8(uebtext::Wiederholen), this);
    m_komplett = new QRadioButton(QString::fromUtf8(uebtext::WiederholenKomplett), m_wiederholung);
    m_fehler = new QRadioButton(QString::fromUtf8(uebtext::WiederholenFehler), m_wiederholung);
    m_komplett->setChecked(true);
    auto *wiederholungSpalte = new QVBoxLayout(m_wiederholung);
    wiederholungSpalte->addWidget(m_komplett);
    wiederholungSpalte->addWidget(m_fehler);

    m_eingetragen = new QLabel(BestenlisteEingetragenText(), this);
    m_eingetragen->setObjectName(QStringLiteral("EingetragenLabel"));
    m_eingetragen->setWordWrap(true);
    m_eingetragen->setVisible(false);

    m_wiederholen = new QPushButton(QString::fromUtf8(uebtext::Wiederholen), this);
    m_wiederholen->setDefault(true);
    m_lernansicht = new QPushButton(QString::fromUtf8(ergebnistext::ZurLernansicht), this);
    m_protokoll = new QPushButton(QString::fromUtf8(ergebnistext::Protokoll), this);
    m_bestenliste = new QPushButton(QString::fromUtf8(ergebnistext::Bestenliste), this);
    m_eintragen = new QPushButton(InBestenlisteEintragenText(), this);
    m_eintragen->setVisible(false);
    for (QPushButton *k : {m_lernansicht, m_protokoll, m_bestenliste, m_eintragen})
        k->setAutoDefault(false);
    connect(m_wiederholen, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_lernansicht, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_protokoll, &QPushButton::clicked, this, [this] {
        if (ProtokollZeigen)
            ProtokollZeigen();
    });
    connect(m_bestenliste, &QPushButton::clicked, this, [this] {
        if (BestenlisteZeigen)
            BestenlisteZeigen();
    });
    connect(m_eintragen, &QPushButton::clicked, this, &TUebFertigForm::EintragenClick);

    auto *nebenKnoepfe = new QHBoxLayout;
    nebenKnoepfe->addWidget(m_protokoll);
    nebenKnoepfe->addWidget(m_bestenliste);
    nebenKnoepfe->addWidget(m_eintragen);
    nebenKnoepfe->addStretch(1);
    auto *hauptKnoepfe = new QHBoxLayout;
    hauptKnoepfe->addStretch(1);
    hauptKnoepfe->addWidget(m_wiederholen);
    hauptKnoepfe->addWidget(m_lernansicht);

    auto *spalte = new QVBoxLayout(this);
    spalte->addLayout(oben);
    spalte->addWidget(m_wiederholung);
    spalte->addWidget(m_eingetragen);
    spalte->addLayout(nebenKnoepfe);
    spalte->addLayout(hauptKnoepfe);
}

QLabel *TUebFertigForm::wertLabel(const char *name)
{
    auto *l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name) + QStringLiteral("Wert"));
    return l;
}

QLabel *TUebFertigForm::Wert(const char *name) const
{
    return findChild<QLabel *>(QString::fromLatin1(name) + QStringLiteral("Wert"));
}

void TUebFertigForm::Fuellen(const ErgebnisAnzeige &a, bool wiederholungMoeglich,
                             const BestenlisteAmEnde &bestenliste)
{
    Wert("Richtig")->setText(a.Richtig);
    Wert("Falsch")->setText(a.Falsch);
    Wert("Quote")->setText(a.Quote);
    Wert("Leistung")->setText(a.Leistung);
    m_zeitBeschriftung->setText(a.ZeitBeschriftung);
    Wert("Zeit")->setText(a.Zeit);
    Wert("Offen")->setText(a.Offen);
    Wert("NotenWort")->setText(a.NotenWort);
    m_notenLabel->setText(a.NotenLabel);
    Wert("Note")->setText(a.Note);
    m_skalenbild->setPixmap(QPixmap::fromImage(
        NotenskalaBild(a.Skala, a.Gesamtleistung, kSkalenbildGroesse, palette().color(QPalette::Window))));
    m_komplett->setChecked(true);
    m_fehler->setEnabled(wiederholungMoeglich);
    m_wiederholung->setEnabled(wiederholungMoeglich);
    m_eingetragen->setVisible(bestenliste.Eingetragen);
    m_eintragen->setVisible(bestenliste.Anbieten && !bestenliste.Eingetragen);
    m_wiederholen->setFocus();
    adjustSize();
}

ErgebnisWahl TUebFertigForm::Wahl() const
{
    ErgebnisWahl w;
    w.Wiederholen = result() == QDialog::Accepted;
    w.Wiederholung = m_fehler->isEnabled() && m_fehler->isChecked() ? wiedFehler : wiedKomplett;
    return w;
}

ErgebnisWahl TUebFertigForm::Zeigen(const Uebung &uebung, bool wiederholungMoeglich)
{
    Fuellen(ErgebnisAnzeigeErmitteln(uebung), wiederholungMoeglich,
            BestenlisteStand ? BestenlisteStand() : BestenlisteAmEnde{});
    setResult(QDialog::Rejected);
    if (m_fahrer) {
        show();
        m_fahrer(*this);
        if (isVisible())
            reject();
    } else {
        exec();
    }
    return Wahl();
}

void TUebFertigForm::EintragenClick()
{
    if (!InBestenlisteEintragen || !InBestenlisteEintragen())
        return;
    m_eintragen->setVisible(false);
    m_eingetragen->setVisible(true);
}

} // namespace kalumo
