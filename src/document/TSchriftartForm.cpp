#include "document/TSchriftartForm.h"

#include "platform/QtDialogknoepfe.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalumo {

namespace {

constexpr int kSichtbareZeilen = 20;
constexpr int kVorschauPunkt = 18;

} // namespace

TSchriftartForm::TSchriftartForm(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Dokument-Schriftart"));
    setObjectName(QStringLiteral("SchriftartForm"));
    auto *gruppe = new QGroupBox(QStringLiteral(" Schriftart für Dokumentendarstellung "), this);
    m_liste = new QComboBox(gruppe);
    m_liste->setObjectName(QStringLiteral("SchriftartCombo"));
    m_liste->setEditable(false);
    m_liste->setMaxVisibleItems(kSichtbareZeilen);
    m_liste->addItems(QFontDatabase::families()); // filled once: the fonts installed now
    auto *beschriftung = new QLabel(QStringLiteral("&Schriftart:"), gruppe);
    beschriftung->setBuddy(m_liste);
    m_vorschau = new QLabel(gruppe);
    m_vorschau->setObjectName(QStringLiteral("VorschauPan"));
    m_vorschau->setFrameShape(QFrame::StyledPanel);
    m_vorschau->setAlignment(Qt::AlignCenter);
    m_vorschau->setMinimumSize(320, 60);
    auto *hinweis = new QLabel(QStringLiteral("Die gewählte Schriftart wird im Dokument gespeichert und beim Öffnen des "
                                              "Dokuments wieder eingestellt."),
                               gruppe);
    hinweis->setWordWrap(true);
    auto *raster = new QGridLayout(gruppe);
    raster->addWidget(beschriftung, 0, 0);
    raster->addWidget(m_liste, 0, 1);
    raster->addWidget(new QLabel(QStringLiteral("Vorschau:"), gruppe), 1, 0, Qt::AlignTop);
    raster->addWidget(m_vorschau, 1, 1);
    raster->addWidget(hinweis, 2, 0, 1, 2);
    connect(m_liste, &QComboBox::currentIndexChanged, this, [this] { vorschauZeigen(); });

    QPushButton *abbrechen = nullptr;
    QHBoxLayout *knoepfe = OkAbbrechenZeile(this, m_ok, abbrechen);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(gruppe);
    layout->addLayout(knoepfe);
}

void TSchriftartForm::Fuellen(const QString &schriftart)
{
    m_liste->setCurrentIndex(m_liste->findText(schriftart, Qt::MatchFixedString));
    vorschauZeigen();
    m_ok->setFocus();
}

QString TSchriftartForm::Auswahl() const
{
    return m_liste->currentIndex() < 0 ? QString() : m_liste->currentText();
}

void TSchriftartForm::vorschauZeigen()
{
    const QString name = Auswahl();
    QFont schrift(name.isEmpty() ? font().family() : name, kVorschauPunkt);
    m_vorschau->setFont(schrift);
    m_vorschau->setText(name);
}

bool TSchriftartForm::SchriftartWaehlen(QString &schriftart)
{
    Fuellen(schriftart);
    if (exec() != QDialog::Accepted || Auswahl().isEmpty())
        return false;
    schriftart = Auswahl();
    return true;
}

} // namespace kalumo
