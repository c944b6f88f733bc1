#include "series/TUebserieFertigForm.h"

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalumo {

TUebserieFertigForm::TUebserieFertigForm(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Übungsserie beendet"));
    setObjectName(QStringLiteral("UebserieFertigForm"));
    auto *spalte = new QVBoxLayout(this);
    auto *gruppen = new QHBoxLayout;

    auto *zusammenfassung = new QGroupBox(QStringLiteral(" Zusammenfassung der Übungsserie "), this);
    auto *raster = new QGridLayout(zusammenfassung);
    QFont fett = font();
    fett.setBold(true);
    fett.setPointSizeF(fett.pointSizeF() * 1.3);
    auto wert = [&](int zeile, const QString &text, QLabel *&label) {
        auto *l = new QLabel(text, zusammenfassung);
        raster->addWidget(l, zeile, 0);
        label = new QLabel(zusammenfassung);
        label->setFont(fett);
        raster->addWidget(label, zeile, 1);
        return l;
    };
    wert(0, QStringLiteral("Gesamtleistung:"), m_leistung);
    wert(1, QStringLiteral("Bewertung:"), m_bewertung);
    m_noteLabel = wert(2, QStringLiteral("Schulnote:"), m_note);
    raster->setRowStretch(3, 1);
    raster->setColumnStretch(1, 1);
    raster->setColumnMinimumWidth(1, 140);
    gruppen->addWidget(zusammenfassung, 1);

    auto *skala = new QGroupBox(QStringLiteral(" Bewertungsskala "), this);
    auto *skalaSpalte = new QVBoxLayout(skala);
    m_bild = new QLabel(skala);
    m_bild->setObjectName(QStringLiteral("SkalaImg"));
    m_bild->setFixedSize(kSkalabildGroesse);
    skalaSpalte->addWidget(m_bild);
    gruppen->addWidget(skala);
    spalte->addLayout(gruppen);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    m_protokoll = new QPushButton(QStringLiteral("Übungsprotokoll..."), this);
    m_protokoll->setDefault(true);
    m_protokoll->setEnabled(false);
    m_schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    m_schliessen->setAutoDefault(false);
    knoepfe->addWidget(m_protokoll);
    knoepfe->addWidget(m_schliessen);
    spalte->addLayout(knoepfe);

    connect(m_schliessen, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_protokoll, &QPushButton::clicked, this, [this] {
        if (m_protokollZeigen)
            m_protokollZeigen(m_gesamtprotokoll);
    });
}

void TUebserieFertigForm::SkalabildSetzen(Skalabild bild)
{
    m_skalabild = std::move(bild);
}

void TUebserieFertigForm::ProtokollfensterSetzen(std::function<void(const QString &)> zeigen)
{
    m_protokollZeigen = std::move(zeigen);
    m_protokoll->setEnabled(bool(m_protokollZeigen));
}

void TUebserieFertigForm::Anzeigen(const UebungsserieDataTyp &serie, const SerienBewertung &bewertung)
{
    m_leistung->setText(LeistungProzentText(serie.Gesamtleistung));
    m_bewertung->setText(bewertung.NotenWort);
    m_noteLabel->setText(bewertung.SkalaWort + QLatin1Char(':'));
    m_note->setText(QString::number(bewertung.Note));
    m_gesamtprotokoll = serie.Gesamtprotokoll;
    if (m_skalabild)
        m_bild->setPixmap(QPixmap::fromImage(m_skalabild(serie.Gesamtleistung, kSkalabildGroesse)));
    else
        m_bild->clear();
}

} // namespace kalumo
