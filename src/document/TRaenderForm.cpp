#include "document/TRaenderForm.h"

#include "document/Dokumenteigenschaften.h"
#include "platform/QtDialogknoepfe.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace kalumo {

namespace {

constexpr int kFeldLaenge = 5; // characters per field

} // namespace

TRaenderForm::TRaenderForm(Meldungen &meldungen, QWidget *parent) : QDialog(parent), m_meldungen(&meldungen)
{
    setWindowTitle(QStringLiteral("Ränder"));
    setObjectName(QStringLiteral("RaenderForm"));
    auto *gruppe = new QGroupBox(QStringLiteral(" Ränder zur Einrückung "), this);
    auto *raster = new QGridLayout(gruppe);
    const char *texte[] = {"&Links:", "&Oben:", "&Rechts:", "&Unten:"};
    const char *namen[] = {"LinksEdit", "ObenEdit", "RechtsEdit", "UntenEdit"};
    // arranged as on a page: top above, left and right beside each other, bottom below
    const std::pair<int, int> orte[] = {{1, 0}, {0, 1}, {1, 2}, {2, 1}};
    for (size_t i = 0; i < m_felder.size(); ++i) {
        auto *feld = new QLineEdit(gruppe);
        feld->setObjectName(QString::fromLatin1(namen[i]));
        feld->setMaxLength(kFeldLaenge);
        feld->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
        auto *beschriftung = new QLabel(QString::fromUtf8(texte[i]), gruppe);
        beschriftung->setBuddy(feld);
        auto *zelle = new QHBoxLayout;
        zelle->addWidget(beschriftung);
        zelle->addWidget(feld);
        zelle->addWidget(new QLabel(QStringLiteral("%"), gruppe));
        raster->addLayout(zelle, orte[i].first, orte[i].second);
        m_felder[i] = feld;
    }
    setTabOrder(m_felder[feldOben], m_felder[feldLinks]);
    setTabOrder(m_felder[feldLinks], m_felder[feldRechts]);
    setTabOrder(m_felder[feldRechts], m_felder[feldUnten]);
    auto *hinweis = new QLabel(
        QStringLiteral("Die Prozentangaben beziehen sich auf die Gesamtbreite bzw. Gesamthöhe des Dokuments."), this);
    hinweis->setWordWrap(true);

    QPushButton *abbrechen = nullptr;
    QHBoxLayout *knoepfe = OkAbbrechenZeile(this, m_ok, abbrechen);
    connect(m_ok, &QPushButton::clicked, this, [this] { OkClick(); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(gruppe);
    layout->addWidget(hinweis);
    layout->addLayout(knoepfe);
}

void TRaenderForm::Fuellen(const std::array<double, 4> &rand)
{
    const QLocale locale;
    for (size_t i = 0; i < m_felder.size(); ++i)
        m_felder[i]->setText(locale.toString(rand[i] * 100, 'f', 1));
    m_ok->setFocus();
}

double TRaenderForm::wert(Feldart art) const
{
    const QString text = m_felder[size_t(art)]->text().trimmed();
    bool ok = false;
    double w = QLocale().toDouble(text, &ok);
    if (!ok)
        w = QLocale::c().toDouble(text, &ok);
    return ok && std::isfinite(w) ? w : std::numeric_limits<double>::quiet_NaN();
}

bool TRaenderForm::OkClick()
{
    const double links = wert(feldLinks), oben = wert(feldOben), rechts = wert(feldRechts), unten = wert(feldUnten);
    const QString fehler = RaenderPruefen(links, oben, rechts, unten);
    if (!fehler.isEmpty()) {
        m_meldungen->Fehler(fehler);
        return false;
    }
    m_ergebnis = {links / 100, oben / 100, rechts / 100, unten / 100};
    accept();
    return true;
}

bool TRaenderForm::RaenderEinstellen(std::array<double, 4> &rand)
{
    Fuellen(rand);
    if (exec() != QDialog::Accepted)
        return false;
    rand = m_ergebnis;
    return true;
}

} // namespace kalumo
