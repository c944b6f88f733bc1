#include "app/settings/TDateiordnerForm.h"

#include "platform/QtDialogknoepfe.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalumo {

namespace {

const char *feldName(Ordnerfeld f)
{
    switch (f) {
    case Ordnerfeld::Chronik: return "OrdnerChronik";
    case Ordnerfeld::Protokolle: return "OrdnerProtokolle";
    case Ordnerfeld::Bestenlisten: return "OrdnerBestenlisten";
    case Ordnerfeld::Tauschboerse: return "OrdnerTauschboerse";
    case Ordnerfeld::BilderGalerie: return "OrdnerBilderGalerie";
    case Ordnerfeld::Serien: return "OrdnerSerien";
    }
    return "";
}

} // namespace

QString TDateiordnerForm::Gruppentitel(Ordnerfeld f)
{
    switch (f) {
    case Ordnerfeld::Chronik: return QStringLiteral(" Ordner für Chronik-Screenshots ");
    case Ordnerfeld::Protokolle: return QStringLiteral(" Ordner für Protokolle ");
    case Ordnerfeld::Bestenlisten: return QStringLiteral(" Ordner für Bestenlisten ");
    case Ordnerfeld::Tauschboerse: return QStringLiteral(" Ordner für Tauschbörse ");
    case Ordnerfeld::BilderGalerie: return QStringLiteral(" Ordner für Bildergalerie ");
    case Ordnerfeld::Serien: return QStringLiteral(" Ordner zum Öffnen von Übungs-Serien ");
    }
    return {};
}

QString TDateiordnerForm::Waehlertitel(Ordnerfeld f)
{
    switch (f) {
    case Ordnerfeld::Chronik: return QStringLiteral("Ordner für Chronik-Screenshots festlegen");
    case Ordnerfeld::Protokolle: return QStringLiteral("Ordner für Protokolle festlegen");
    case Ordnerfeld::Bestenlisten: return QStringLiteral("Ordner für Bestenlisten festlegen");
    case Ordnerfeld::Tauschboerse: return QStringLiteral("Ordner für Tauschbörse festlegen");
    case Ordnerfeld::BilderGalerie: return QStringLiteral("Ordner für Bildergalerie festlegen");
    case Ordnerfeld::Serien: return QStringLiteral("Ordner zum Öffnen von Übungs-Serien festlegen");
    }
    return {};
}

TDateiordnerForm::TDateiordnerForm(const OrdnerEingaben &ordner, Meldungen &meldungen, QWidget *parent)
    : QDialog(parent), m_meldungen(meldungen), m_eingaben(ordner)
{
    setWindowTitle(QStringLiteral("Dateiordner"));
    m_ordnerwahl = [](QWidget *eltern, const QString &titel, const QString &start) {
        return QFileDialog::getExistingDirectory(eltern, titel, start);
    };

    auto *spalte = new QVBoxLayout(this);
    // shown in this order; checked in the order of Ordnerfeld
    for (Ordnerfeld f : {Ordnerfeld::Bestenlisten, Ordnerfeld::Protokolle, Ordnerfeld::Chronik,
                         Ordnerfeld::Tauschboerse, Ordnerfeld::BilderGalerie, Ordnerfeld::Serien}) {
        auto *gruppe = new QGroupBox(Gruppentitel(f), this);
        auto *gruppenSpalte = new QVBoxLayout(gruppe);
        auto *zeile = new QHBoxLayout;
        auto *feld = new QLineEdit(Eingabe(ordner, f), gruppe);
        feld->setObjectName(QString::fromLatin1(feldName(f)));
        feld->setMinimumWidth(380);
        auto *knopf = new QPushButton(QStringLiteral("Durchsuchen..."), gruppe);
        zeile->addWidget(feld, 1);
        zeile->addWidget(knopf);
        gruppenSpalte->addLayout(zeile);
        if (f == Ordnerfeld::Serien) {
            gruppenSpalte->addWidget(
                new QLabel(QStringLiteral("In diesem Ordner werden geöffnete Übungs-Serien zwischengespeichert."), gruppe));
        }
        spalte->addWidget(gruppe);
        m_felder[size_t(f)] = feld;
        m_durchsuchen[size_t(f)] = knopf;
        connect(knopf, &QPushButton::clicked, this, [this, f] { durchsuchen(f); });
    }

    spalte->addLayout(OkAbbrechenZeile(this, m_ok, m_abbrechen));
    connect(m_ok, &QPushButton::clicked, this, &TDateiordnerForm::OkClick);
}

void TDateiordnerForm::durchsuchen(Ordnerfeld f)
{
    QLineEdit *feld = Feld(f);
    const QString start = QFileInfo(feld->text()).isDir() ? feld->text() : QString();
    const QString gewaehlt = m_ordnerwahl(this, Waehlertitel(f), start);
    if (!gewaehlt.isEmpty())
        feld->setText(MitTrennzeichen(QDir::toNativeSeparators(gewaehlt)));
}

void TDateiordnerForm::OkClick()
{
    OrdnerEingaben eingaben;
    for (int i = 0; i < kOrdnerfeldAnzahl; ++i)
        eingaben[size_t(i)] = m_felder[size_t(i)]->text();
    const OrdnerPruefung pruefung = DateiordnerPruefen(eingaben);
    for (int i = 0; i < kOrdnerfeldAnzahl; ++i)
        m_felder[size_t(i)]->setText(eingaben[size_t(i)]);
    if (pruefung.Fehlerfeld) {
        m_meldungen.Fehler(pruefung.Meldung);
        QLineEdit *feld = Feld(*pruefung.Fehlerfeld);
        feld->setFocus();
        feld->selectAll();
        return;
    }
    m_eingaben = eingaben;
    accept();
}

bool TDateiordnerForm::Ausfuehren(QWidget *parent, OrdnerTyp &ordner, Meldungen &meldungen)
{
    TDateiordnerForm dialog(DateiordnerEingaben(ordner), meldungen, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    DateiordnerUebernehmen(dialog.Eingaben(), ordner);
    return true;
}

} // namespace kalumo
