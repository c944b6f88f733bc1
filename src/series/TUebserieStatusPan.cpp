#include "series/TUebserieStatusPan.h"

#include "series/Uebungsserie.h"

#include <QLabel>
#include <QVBoxLayout>

namespace kalumo {

TUebserieStatusPan::TUebserieStatusPan(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("UebserieStatusPan"));
    setFrameShape(QFrame::StyledPanel);
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(6, 2, 6, 2);
    spalte->setSpacing(0);
    m_titel = new QLabel(QStringLiteral("Teilübung"), this);
    m_nummer = new QLabel(this);
    m_nummer->setObjectName(QStringLiteral("UebserieNrLabel"));
    QFont gross = m_nummer->font();
    gross.setBold(true);
    gross.setPointSizeF(gross.pointSizeF() * 2.0);
    m_nummer->setFont(gross);
    m_von = new QLabel(this);
    m_von->setObjectName(QStringLiteral("UebserieVonLabel"));
    for (QLabel *l : {m_titel, m_nummer, m_von}) {
        l->setAlignment(Qt::AlignCenter);
        spalte->addWidget(l);
    }
}

void TUebserieStatusPan::Anzeigen(int position, int anzahl)
{
    m_nummer->setText(QString::number(position + 1));
    m_von->setText(SerieStatusVonText(anzahl));
}

} // namespace kalumo
