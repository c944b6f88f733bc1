#include "exercise/TUebOptBasisForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace kalumo {

namespace {

constexpr int kZeitfeldStellen = 2;

QLineEdit *Zeitfeld(QWidget *eltern, const QString &name)
{
    auto *feld = new QLineEdit(eltern);
    feld->setObjectName(name);
    feld->setMaxLength(kZeitfeldStellen);
    // 0..59 with at most two digits: a keystroke that would leave that range is refused
    feld->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-5]?[0-9]")), feld));
    feld->setAlignment(Qt::AlignRight);
    feld->setFixedWidth(36);
    return feld;
}

} // namespace

QString Gepolstert(const QString &text)
{
    return QLatin1Char(' ') + text + QLatin1Char(' ');
}

TUebOptBasisForm::TUebOptBasisForm(const QString &zeigenText, const QString &mitLimitText, QWidget *parent)
    : QDialog(parent)
{
    auto *spalte = new QVBoxLayout(this);

    m_netzPan = new QLabel(QString::fromUtf8(kNetzUebInitText), this);
    m_netzPan->setObjectName(QStringLiteral("NetzUebInitPan"));
    m_netzPan->setWordWrap(true);
    m_netzPan->setFrameShape(QFrame::Panel);
    m_netzPan->setStyleSheet(QStringLiteral("background: #FFFFE1; padding: 4px;"));
    m_netzPan->hide();
    spalte->addWidget(m_netzPan);

    m_gruppen = new QVBoxLayout;
    spalte->addLayout(m_gruppen);

    auto *zeit = new QGroupBox(Gepolstert(QStringLiteral("Zeitlimit")), this);
    zeit->setObjectName(QStringLiteral("ZeitlimitRadioGroup"));
    auto *zeitSpalte = new QVBoxLayout(zeit);
    auto *zeitGruppe = new QButtonGroup(this);
    const QString texte[] = {QStringLiteral("Ohne Zeitlimit, mit Uhr"), mitLimitText,
                             QStringLiteral("Ohne Zeitlimit, ohne Uhr")};
    for (int i = 0; i < 3; ++i) {
        m_zeitlimit[size_t(i)] = new QRadioButton(Gepolstert(texte[i]), zeit);
        m_zeitlimit[size_t(i)]->setObjectName(QStringLiteral("Zeitlimit%1").arg(i));
        zeitGruppe->addButton(m_zeitlimit[size_t(i)], i);
    }
    m_minuten = Zeitfeld(zeit, QStringLiteral("ZLimitMinEdit"));
    m_sekunden = Zeitfeld(zeit, QStringLiteral("ZLimitSekEdit"));
    auto *limitZeile = new QHBoxLayout;
    limitZeile->addWidget(m_zeitlimit[zlMitLimit]);
    limitZeile->addWidget(m_minuten);
    limitZeile->addWidget(new QLabel(QStringLiteral("Min."), zeit));
    limitZeile->addWidget(m_sekunden);
    limitZeile->addWidget(new QLabel(QStringLiteral("Sek."), zeit));
    limitZeile->addStretch(1);
    zeitSpalte->addWidget(m_zeitlimit[zlOhneMitUhr]);
    zeitSpalte->addLayout(limitZeile);
    zeitSpalte->addWidget(m_zeitlimit[zlOhneOhneUhr]);
    // editing either field chooses the limit
    for (QLineEdit *feld : {m_minuten, m_sekunden})
        connect(feld, &QLineEdit::textEdited, this, [this] { m_zeitlimit[zlMitLimit]->setChecked(true); });
    spalte->addWidget(zeit);

    m_zeigen = new QCheckBox(zeigenText, this);
    m_zeigen->setObjectName(QStringLiteral("UebOptZeigenCheck"));
    spalte->addWidget(m_zeigen);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    m_starten = new QPushButton(QStringLiteral("Übung starten"), this);
    m_starten->setObjectName(QStringLiteral("StartenButton"));
    m_starten->setDefault(true);
    m_schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    m_schliessen->setObjectName(QStringLiteral("SchliessenButton"));
    knoepfe->addWidget(m_starten);
    knoepfe->addWidget(m_schliessen);
    spalte->addLayout(knoepfe);
    connect(m_starten, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_schliessen, &QPushButton::clicked, this, &QDialog::reject);
}

QGroupBox *TUebOptBasisForm::Radiogruppe(const QString &titel, const QStringList &texte, const QString &name,
                                         std::vector<QRadioButton *> &knoepfe)
{
    auto *gruppe = new QGroupBox(Gepolstert(titel), this);
    gruppe->setObjectName(name);
    auto *spalte = new QVBoxLayout(gruppe);
    auto *knopfgruppe = new QButtonGroup(gruppe);
    knoepfe.clear();
    for (int i = 0; i < texte.size(); ++i) {
        auto *knopf = new QRadioButton(Gepolstert(texte[i]), gruppe);
        knopf->setObjectName(name + QString::number(i));
        knopfgruppe->addButton(knopf, i);
        spalte->addWidget(knopf);
        knoepfe.push_back(knopf);
    }
    return gruppe;
}

int TUebOptBasisForm::Gewaehlt(const std::vector<QRadioButton *> &knoepfe)
{
    for (size_t i = 0; i < knoepfe.size(); ++i)
        if (knoepfe[i]->isChecked())
            return int(i);
    return 0;
}

void TUebOptBasisForm::Waehlen(const std::vector<QRadioButton *> &knoepfe, int wert)
{
    // a value outside the group leaves the group as it is
    if (wert >= 0 && wert < int(knoepfe.size()))
        knoepfe[size_t(wert)]->setChecked(true);
}

ZeitlimitWerte TUebOptBasisForm::Zeitlimit() const
{
    ZeitlimitWerte z;
    for (int i = 0; i < 3; ++i)
        if (m_zeitlimit[size_t(i)]->isChecked())
            z.Zeitlimit = i;
    z.ZLimitMin = m_minuten->text();
    z.ZLimitSek = m_sekunden->text();
    return z;
}

void TUebOptBasisForm::ZeitlimitSetzen(const ZeitlimitWerte &z)
{
    if (z.Zeitlimit >= 0 && z.Zeitlimit < 3)
        m_zeitlimit[size_t(z.Zeitlimit)]->setChecked(true);
    m_minuten->setText(z.ZLimitMin.left(kZeitfeldStellen));
    m_sekunden->setText(z.ZLimitSek.left(kZeitfeldStellen));
}

void TUebOptBasisForm::Oeffnen(const UebDialogeTyp &d, int dokTyp, bool netzwerk)
{
    WerteLaden(d, dokTyp);
    m_zeigen->setChecked(d.UebOptZeigen);
    setWindowTitle(UebDialogTitel(dokTyp, netzwerk));
    m_netzPan->setVisible(netzwerk);
    GroesseAnpassen();
}

void TUebOptBasisForm::Uebernehmen(UebDialogeTyp &d) const
{
    WerteSchreiben(d);
}

void TUebOptBasisForm::Schliessen(UebDialogeTyp &d)
{
    d.UebOptZeigen = m_zeigen->isChecked();
    m_netzPan->hide();
    GroesseAnpassen();
    setWindowTitle(windowTitle().startsWith(QLatin1String("Netzwerk-")) ? windowTitle().mid(9) : windowTitle());
}

bool TUebOptBasisForm::Ausfuehren(UebDialogeTyp &d, int dokTyp, bool netzwerk)
{
    Oeffnen(d, dokTyp, netzwerk);
    const bool starten = exec() == QDialog::Accepted;
    if (starten)
        Uebernehmen(d);
    Schliessen(d);
    return starten;
}

} // namespace kalumo
