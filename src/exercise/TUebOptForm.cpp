#include "exercise/TUebOptForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace kalumo {

TUebOptForm::TUebOptForm(QWidget *parent)
    : TUebOptBasisForm(QStringLiteral(" Dialog vor jeder Übung anzeigen (falls nicht gesperrt)  "),
                       QStringLiteral("Mit Zeitlimit:"), parent)
{
    setObjectName(QStringLiteral("UebOptForm"));

    auto *oben = new QHBoxLayout;
    oben->addWidget(Radiogruppe(QStringLiteral("Abfragemodus"),
                                {QStringLiteral("Freie Zuordnung"), QStringLiteral("Einzelabfrage Texte/Bilder"),
                                 QStringLiteral("Einzelabfrage Positionen"), QStringLiteral("Texteingabe")},
                                QStringLiteral("AbfrageModusRadioGroup"), m_abfrageModus));
    auto *rechts = new QVBoxLayout;
    m_erweitertKnopf = new QPushButton(QStringLiteral("Erweitert..."), this);
    m_erweitertKnopf->setObjectName(QStringLiteral("ErweitertButton"));
    rechts->addWidget(m_erweitertKnopf);
    rechts->addStretch(1);
    oben->addLayout(rechts);
    Gruppen()->addLayout(oben);

    m_anzZeichen = new QCheckBox(QStringLiteral("Anzahl der Zeichen im Eingabefeld vorgeben <?>"), this);
    m_anzZeichen->setObjectName(QStringLiteral("AnzZeichenVorgabeCheck"));
    Gruppen()->addWidget(m_anzZeichen);

    // the four groups behind "Erweitert..."; the text-input panel lies over them
    m_erweitertPan = new QWidget(this);
    m_erweitertPan->setObjectName(QStringLiteral("ErweitertPan"));
    auto *raster = new QGridLayout(m_erweitertPan);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->addWidget(Radiogruppe(QStringLiteral("Verhalten bei richtiger Zuordnung"),
                                  {QStringLiteral("Beschriftung einblenden"), QStringLiteral("Grünes Häkchen setzen")},
                                  QStringLiteral("ZuordnungRichtigRadioGroup"), m_richtig),
                      0, 0);
    QGroupBox *falsch = Radiogruppe(QStringLiteral("Verhalten bei falscher Zuordnung (Fehlversuch)"),
                                    {QStringLiteral("Beliebig viele Zuordnungsversuche erlaubt"),
                                     QStringLiteral("Rotes Kreuz setzen,")},
                                    QStringLiteral("ZuordnungFalschRadioGroup"), m_falsch);
    auto *hinweis = new QLabel(QStringLiteral("keine erneute Zuordnung an dieser Position"), falsch);
    hinweis->setIndent(24);
    falsch->layout()->addWidget(hinweis);
    raster->addWidget(falsch, 0, 1);
    raster->addWidget(Radiogruppe(QStringLiteral("Zuordnungstexte"),
                                  {QStringLiteral("Alphabetisch geordnet"), QStringLiteral("Zufällig gemischt")},
                                  QStringLiteral("ZuordnungstexteRadioGroup"), m_texte),
                      1, 0);
    raster->addWidget(Radiogruppe(QStringLiteral("Zuordnungsziele (Positionen)"),
                                  {QStringLiteral("Geordnet nummeriert"), QStringLiteral("Zufällig gemischt nummeriert"),
                                   QStringLiteral("Fragezeichen")},
                                  QStringLiteral("ZuordnungszieleRadioGroup"), m_ziele),
                      1, 1);
    // the feedback control: never set by the user
    QGroupBox *riFa = Radiogruppe(QStringLiteral("Rückmeldung"),
                                  {QStringLiteral("Bei jeder Zuordnung"), QStringLiteral("Erst am Ende der Übung")},
                                  QStringLiteral("RiFaRueckmeldungRadioGroup"), m_riFa);
    riFa->hide();
    raster->addWidget(riFa, 2, 0);
    Gruppen()->addWidget(m_erweitertPan);

    m_texteingabePan = new QLabel(QString::fromUtf8(kTexteingabeHinweis), m_erweitertPan);
    m_texteingabePan->setObjectName(QStringLiteral("TexteingabePan"));
    m_texteingabePan->setAlignment(Qt::AlignCenter);
    m_texteingabePan->setWordWrap(true);
    m_texteingabePan->setAutoFillBackground(true);
    m_texteingabePan->setFrameShape(QFrame::Panel);
    m_texteingabePan->hide();

    connect(m_erweitertKnopf, &QPushButton::clicked, this, &TUebOptForm::ErweitertClick);
    for (QRadioButton *k : m_abfrageModus)
        connect(k, &QRadioButton::toggled, this, &TUebOptForm::Abstimmen);
    for (QRadioButton *k : m_riFa)
        connect(k, &QRadioButton::toggled, this, &TUebOptForm::Abstimmen);

    m_erweitertPan->hide();
    Waehlen(m_riFa, 0);
    HoeheSetzen();
}

void TUebOptForm::Abstimmen()
{
    const bool texteingabe = Gewaehlt(m_abfrageModus) == abfTexteingabe;
    m_texteingabePan->setVisible(texteingabe);
    m_texteingabePan->setGeometry(m_erweitertPan->rect());
    m_texteingabePan->raise();
    // the failed-assignment group only while feedback comes at every assignment
    const bool sofort = Gewaehlt(m_riFa) == 0;
    if (!sofort)
        Waehlen(m_falsch, 1);
    for (QRadioButton *k : m_falsch)
        k->setEnabled(sofort);
}

void TUebOptForm::resizeEvent(QResizeEvent *e)
{
    TUebOptBasisForm::resizeEvent(e);
    m_texteingabePan->setGeometry(m_erweitertPan->rect());
}

void TUebOptForm::HoeheSetzen()
{
    // the fixed height is lifted while the layout measures what it needs
    setMinimumHeight(0);
    setMaximumHeight(QWIDGETSIZE_MAX);
    layout()->activate();
    const int soll = m_erweitert ? kUebOptHoeheErweitert : kUebOptHoeheReduziert;
    // never smaller than the controls need
    const int hoehe = std::max(soll, layout()->minimumSize().height());
    setFixedHeight(hoehe);
}

void TUebOptForm::ErweitertClick()
{
    m_erweitert = !m_erweitert;
    m_erweitertPan->setVisible(m_erweitert);
    m_erweitertKnopf->setText(m_erweitert ? QStringLiteral("Reduziert...") : QStringLiteral("Erweitert..."));
    HoeheSetzen();
    Abstimmen();
    if (!m_erweitert)
        return;
    // grown: the bottom stays 80 pixels above the screen's bottom, the top not above 0
    const QScreen *bildschirm = screen();
    if (!bildschirm)
        return;
    const QRect flaeche = bildschirm->geometry();
    const int unten = flaeche.bottom() - kUebOptBildschirmAbstand;
    QRect r = frameGeometry();
    if (r.bottom() > unten)
        move(x(), std::max(flaeche.top(), y() - (r.bottom() - unten)));
}

void TUebOptForm::WerteLaden(const UebDialogeTyp &d, int dokTyp)
{
    Q_UNUSED(dokTyp)
    const UebOptTyp &o = d.UebOpt;
    Waehlen(m_abfrageModus, o.AbfrageModus);
    ZeitlimitSetzen({o.Zeitlimit, o.ZLimitMin, o.ZLimitSek});
    Waehlen(m_richtig, o.ZuordnungRichtig);
    Waehlen(m_riFa, o.RiFaRueckmeldung);
    Waehlen(m_falsch, o.ZuordnungFalsch);
    Waehlen(m_texte, o.Zuordnungstexte);
    Waehlen(m_ziele, o.Zuordnungsziele);
    m_anzZeichen->setChecked(o.AnzZeichenVorgeben);
    Abstimmen();
}

void TUebOptForm::WerteSchreiben(UebDialogeTyp &d) const
{
    UebOptTyp &o = d.UebOpt;
    o.AbfrageModus = Gewaehlt(m_abfrageModus);
    const ZeitlimitWerte z = Zeitlimit();
    o.Zeitlimit = z.Zeitlimit;
    o.ZLimitMin = z.ZLimitMin;
    o.ZLimitSek = z.ZLimitSek;
    o.ZuordnungRichtig = Gewaehlt(m_richtig);
    o.ZuordnungFalsch = Gewaehlt(m_falsch);
    o.Zuordnungstexte = Gewaehlt(m_texte);
    o.Zuordnungsziele = Gewaehlt(m_ziele);
    o.AnzZeichenVorgeben = m_anzZeichen->isChecked();
    o.RiFaRueckmeldung = Gewaehlt(m_riFa);
}

} // namespace kalumo
