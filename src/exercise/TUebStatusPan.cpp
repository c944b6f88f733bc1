#include "exercise/TUebStatusPan.h"

#include <QGridLayout>
#include <QLabel>

namespace kalumo {

namespace {

QLabel *Wert(QWidget *eltern, const QString &name)
{
    auto *l = new QLabel(eltern);
    l->setObjectName(name);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

} // namespace

TUebStatusPan::TUebStatusPan(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("UebStatusPan"));
    setFrameShape(QFrame::StyledPanel);
    auto *raster = new QGridLayout(this);
    raster->setContentsMargins(6, 2, 6, 2);
    raster->setHorizontalSpacing(6);
    raster->setVerticalSpacing(0);
    m_name = Wert(this, QStringLiteral("NameLabel"));
    m_richtig = Wert(this, QStringLiteral("RichtigLabel"));
    m_von = new QLabel(this);
    m_von->setObjectName(QStringLiteral("VonLabel"));
    m_falsch = Wert(this, QStringLiteral("FalschLabel"));
    m_quote = Wert(this, QStringLiteral("QuoteLabel"));
    m_leistung = Wert(this, QStringLiteral("LeistungLabel"));
    m_uhrBeschriftung = new QLabel(this);
    m_uhrBeschriftung->setObjectName(QStringLiteral("UhrBeschriftung"));
    m_uhr = Wert(this, QStringLiteral("UhrLabel"));
    QFont gross = m_uhr->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.6);
    m_uhr->setFont(gross);

    // two columns of captions and values, the clock at the right
    raster->addWidget(new QLabel(QStringLiteral("Name:"), this), 0, 0);
    raster->addWidget(m_name, 0, 1, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Richtig gelöst:"), this), 1, 0);
    raster->addWidget(m_richtig, 1, 1);
    raster->addWidget(m_von, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Fehlversuche:"), this), 2, 0);
    raster->addWidget(m_falsch, 2, 1);
    raster->addWidget(new QLabel(QStringLiteral("Akt. Erfolgsquote:"), this), 0, 3);
    raster->addWidget(m_quote, 0, 4);
    raster->addWidget(new QLabel(QStringLiteral("Gesamtleistung:"), this), 1, 3);
    raster->addWidget(m_leistung, 1, 4);
    raster->addWidget(m_uhrBeschriftung, 0, 5);
    raster->addWidget(m_uhr, 1, 5, 2, 1, Qt::AlignTop);
}

void TUebStatusPan::Anzeigen(const StatusAnzeige &s)
{
    m_name->setText(s.Name);
    m_richtig->setText(s.Richtig);
    m_von->setText(s.Von);
    m_falsch->setText(s.Falsch);
    m_quote->setText(s.Quote);
    m_leistung->setText(s.Leistung);
    m_uhrBeschriftung->setText(s.UhrBeschriftung);
    // the label is only rewritten when the text changes
    if (m_uhr->text() != s.Uhr)
        m_uhr->setText(s.Uhr);
    m_uhrBeschriftung->setVisible(s.UhrSichtbar);
    m_uhr->setVisible(s.UhrSichtbar);
}

} // namespace kalumo
