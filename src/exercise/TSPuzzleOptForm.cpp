#include "exercise/TSPuzzleOptForm.h"

#include "exercise/Schiebepuzzle.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kalumo {

TSPuzzleOptForm::TSPuzzleOptForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SPuzzleOptForm"));
    setWindowTitle(QStringLiteral("Einstellungen zum Schiebepuzzle"));

    auto *spalte = new QVBoxLayout(this);
    auto *gruppen = new QHBoxLayout;

    auto *anklickbarkeit = new QGroupBox(QStringLiteral(" Anklickbarkeit "), this);
    anklickbarkeit->setObjectName(QStringLiteral("AnklickbarkeitRadioGroup"));
    auto *anklickSpalte = new QVBoxLayout(anklickbarkeit);
    auto *anklickGruppe = new QButtonGroup(this);
    const char *anklickTexte[] = {" Nur Nachbarteile anklickbar ", " Jedes Teil anklickbar "};
    for (int i = 0; i < 2; ++i) {
        m_anklickbarkeit[size_t(i)] = new QRadioButton(QString::fromUtf8(anklickTexte[i]), anklickbarkeit);
        anklickGruppe->addButton(m_anklickbarkeit[size_t(i)], i);
        anklickSpalte->addWidget(m_anklickbarkeit[size_t(i)]);
    }
    anklickSpalte->addStretch(1);

    auto *teile = new QGroupBox(QStringLiteral(" Puzzle-Teile "), this);
    teile->setObjectName(QStringLiteral("TeileRadioGroup"));
    auto *teileSpalte = new QVBoxLayout(teile);
    auto *teileGruppe = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        const int n = kPuzzleMinTeile + i;
        m_teile[size_t(i)] = new QRadioButton(QStringLiteral(" %1 x %1").arg(n), teile);
        teileGruppe->addButton(m_teile[size_t(i)], i);
        teileSpalte->addWidget(m_teile[size_t(i)]);
    }

    gruppen->addWidget(anklickbarkeit);
    gruppen->addWidget(teile);
    spalte->addLayout(gruppen);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    m_starten = new QPushButton(QStringLiteral("Schiebepuzzle starten"), this);
    m_starten->setDefault(true);
    m_schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    knoepfe->addWidget(m_starten);
    knoepfe->addWidget(m_schliessen);
    spalte->addLayout(knoepfe);
    connect(m_starten, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_schliessen, &QPushButton::clicked, this, &QDialog::reject);

    AnklickbarkeitSetzen(anklickbarNurNachbarn);
    TeileSetzen(kPuzzleMinTeile);
}

int TSPuzzleOptForm::Anklickbarkeit() const
{
    return m_anklickbarkeit[1]->isChecked() ? anklickbarJedesTeil : anklickbarNurNachbarn;
}

void TSPuzzleOptForm::AnklickbarkeitSetzen(int wert)
{
    m_anklickbarkeit[wert == anklickbarJedesTeil ? 1 : 0]->setChecked(true);
}

bool TSPuzzleOptForm::NurNachbarn() const
{
    return Anklickbarkeit() == anklickbarNurNachbarn;
}

int TSPuzzleOptForm::Teile() const
{
    for (int i = 0; i < 4; ++i)
        if (m_teile[size_t(i)]->isChecked())
            return kPuzzleMinTeile + i;
    return kPuzzleMinTeile;
}

void TSPuzzleOptForm::TeileSetzen(int n)
{
    m_teile[size_t(std::clamp(n, kPuzzleMinTeile, kPuzzleMaxTeile) - kPuzzleMinTeile)]->setChecked(true);
}

QRadioButton *TSPuzzleOptForm::AnklickbarkeitKnopf(int wert) const
{
    return wert == anklickbarJedesTeil || wert == anklickbarNurNachbarn ? m_anklickbarkeit[size_t(wert)] : nullptr;
}

QRadioButton *TSPuzzleOptForm::TeileKnopf(int n) const
{
    return n >= kPuzzleMinTeile && n <= kPuzzleMaxTeile ? m_teile[size_t(n - kPuzzleMinTeile)] : nullptr;
}

} // namespace kalumo
