#include "peripheral/TDruckForm.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace kalumo {

TDruckForm::TDruckForm(const QString &titel, Drucker &drucker, Meldungen &meldungen, QWidget *parent)
    : QDialog(parent), m_druckerDienst(drucker), m_meldungen(meldungen)
{
    setWindowTitle(titel);
    setModal(true);
    m_spalte = new QVBoxLayout(this);

    auto *lage = new QGroupBox(QStringLiteral(" Position und Größe "), this);
    auto *form = new QFormLayout(lage);
    auto feld = [&](const QString &name, const QString &text) {
        auto *e = new QLineEdit(lage);
        e->setObjectName(name);
        auto *zeile = new QHBoxLayout;
        zeile->addWidget(e);
        zeile->addWidget(new QLabel(QStringLiteral("cm"), lage));
        auto *l = new QLabel(text, lage);
        l->setBuddy(e);
        form->addRow(l, zeile);
        return e;
    };
    m_links = feld(QStringLiteral("LinksEdit"), QStringLiteral("&Linker Rand:"));
    m_oben = feld(QStringLiteral("ObenEdit"), QStringLiteral("&Oberer Rand:"));
    m_breite = feld(QStringLiteral("BreiteEdit"), QStringLiteral("&Breite:"));
    m_hoehe = feld(QStringLiteral("HoeheEdit"), QStringLiteral("&Höhe:"));
    m_verhaeltnis = new QCheckBox(QStringLiteral("Korrektes &Seitenverhältnis"), lage);
    form->addRow(m_verhaeltnis);
    m_kopien = new QSpinBox(lage);
    m_kopien->setRange(1, 999);
    auto *kl = new QLabel(QStringLiteral("&Kopien:"), lage);
    kl->setBuddy(m_kopien);
    form->addRow(kl, m_kopien);
    m_spalte->addWidget(lage);

    auto *gruppe = new QGroupBox(QStringLiteral(" Drucker "), this);
    auto *zeile = new QHBoxLayout(gruppe);
    m_drucker = new QLabel(gruppe);
    m_drucker->setObjectName(QStringLiteral("DruckerLabel"));
    m_einrichten = new QPushButton(QStringLiteral("Einrichten..."), gruppe);
    zeile->addWidget(m_drucker, 1);
    zeile->addWidget(m_einrichten);
    m_spalte->addWidget(gruppe);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    m_druckenKnopf = new QPushButton(QStringLiteral("Drucken"), this);
    m_druckenKnopf->setDefault(true);
    m_abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    knoepfe->addWidget(m_druckenKnopf);
    knoepfe->addWidget(m_abbrechen);
    m_spalte->addStretch(1);
    m_spalte->addLayout(knoepfe);

    connect(m_breite, &QLineEdit::textEdited, this, &TDruckForm::breiteGeaendert);
    connect(m_hoehe, &QLineEdit::textEdited, this, &TDruckForm::hoeheGeaendert);
    connect(m_verhaeltnis, &QCheckBox::toggled, this, [this](bool an) {
        if (an)
            breiteGeaendert();
    });
    connect(m_einrichten, &QPushButton::clicked, this, [this] {
        m_druckerDienst.Einrichten();
        m_drucker->setText(DruckerZeile(m_druckerDienst));
    });
    connect(m_druckenKnopf, &QPushButton::clicked, this, &TDruckForm::DruckenClick);
    connect(m_abbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

QString TDruckForm::Zentimeter(double wert)
{
    return QLocale(QLocale::German, QLocale::Germany).toString(wert, 'f', 1);
}

double TDruckForm::ZentimeterLesen(const QString &text, double ersatz)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok && std::isfinite(v) && v >= 0 && v <= 1000 ? v : ersatz;
}

void TDruckForm::Setzen(const Drucklage &lage, bool verhaeltnis, int kopien, double r)
{
    m_r = std::isfinite(r) && r > 0 ? r : 1.0;
    m_links->setText(Zentimeter(lage.Links));
    m_oben->setText(Zentimeter(lage.Oben));
    m_breite->setText(Zentimeter(lage.Breite));
    m_hoehe->setText(Zentimeter(lage.Hoehe));
    const QSignalBlocker sperre(m_verhaeltnis);
    m_verhaeltnis->setChecked(verhaeltnis);
    m_kopien->setValue(std::clamp(kopien, 1, 999));
}

Drucklage TDruckForm::Lage() const
{
    Drucklage l;
    l.Links = ZentimeterLesen(m_links->text(), 0);
    l.Oben = ZentimeterLesen(m_oben->text(), 0);
    l.Breite = ZentimeterLesen(m_breite->text(), 0);
    l.Hoehe = ZentimeterLesen(m_hoehe->text(), 0);
    return l;
}

bool TDruckForm::Verhaeltnis() const
{
    return m_verhaeltnis->isChecked();
}

int TDruckForm::Kopien() const
{
    return m_kopien->value();
}

void TDruckForm::breiteGeaendert()
{
    if (!m_verhaeltnis->isChecked())
        return;
    const double b = ZentimeterLesen(m_breite->text(), -1);
    if (b >= 0)
        m_hoehe->setText(Zentimeter(b / m_r));
}

void TDruckForm::hoeheGeaendert()
{
    if (!m_verhaeltnis->isChecked())
        return;
    const double h = ZentimeterLesen(m_hoehe->text(), -1);
    if (h >= 0)
        m_breite->setText(Zentimeter(h * m_r));
}

void TDruckForm::Aktivieren()
{
    m_drucker->setText(DruckerZeile(m_druckerDienst));
    breiteGeaendert();
    m_druckenKnopf->setFocus();
}

void TDruckForm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    Aktivieren();
}

void TDruckForm::DruckenClick()
{
    QString fehler;
    if (!m_druckerDienst.Vorhanden()) {
        m_meldungen.Fehler(QString::fromUtf8(kKeinDruckerMeldung));
        return;
    }
    if (m_auftrag && !m_auftrag(Lage(), Kopien(), fehler)) {
        m_meldungen.Fehler(fehler.isEmpty() ? QStringLiteral("Der Druckauftrag ist fehlgeschlagen.") : fehler);
        return;
    }
    accept();
}

} // namespace kalumo
