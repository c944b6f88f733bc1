#include "app/settings/TVerknuepfungsfelderForm.h"

#include "platform/QtDialogknoepfe.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalumo {

namespace {

constexpr Verknuepfungsfeld kAlle[] = {Verknuepfungsfeld::V1, Verknuepfungsfeld::V2, Verknuepfungsfeld::V3,
                                       Verknuepfungsfeld::Bildschirmtastatur};

bool istTastatur(Verknuepfungsfeld f) { return f == Verknuepfungsfeld::Bildschirmtastatur; }

QString feldBezeichnung(Verknuepfungsfeld f)
{
    return istTastatur(f) ? QStringLiteral("für Bildschirmtastatur") : VerknuepfungNameVorgabe(int(f));
}

// "1" .. "3" and "T", as in the value names of the settings.
QString namensEndung(Verknuepfungsfeld f)
{
    return istTastatur(f) ? QStringLiteral("T") : QString::number(int(f) + 1);
}

} // namespace

QString TVerknuepfungsfelderForm::Waehlertitel(Verknuepfungsfeld f)
{
    return QStringLiteral("Datei für Verknüpfungsfeld ") + feldBezeichnung(f) + QStringLiteral(" auswählen");
}

QString TVerknuepfungsfelderForm::Dateifilter()
{
    return QStringLiteral("Alle Dateien (*);;Shell-Skripte (*.sh)");
}

TVerknuepfungsfelderForm::TVerknuepfungsfelderForm(const VerknuepfungsfelderTyp &werte, Meldungen &meldungen,
                                                   QWidget *parent)
    : QDialog(parent), m_meldungen(meldungen)
{
    setWindowTitle(QStringLiteral("Frei belegbare Verknüpfungsfelder für externe Programme"));
    m_dateiwahl = [](QWidget *eltern, const QString &titel, const QString &start, const QString &filter) {
        return QFileDialog::getOpenFileName(eltern, titel, start, filter);
    };

    auto *spalte = new QVBoxLayout(this);
    for (Verknuepfungsfeld f : kAlle) {
        auto *gruppe = new QGroupBox(QStringLiteral("Verknüpfungsfeld ") + feldBezeichnung(f), this);
        auto *raster = new QGridLayout(gruppe);
        Zeile &z = m_zeilen[size_t(f)];
        const QString endung = namensEndung(f);

        z.Programm = new QLineEdit(gruppe);
        z.Programm->setObjectName(QStringLiteral("Programm") + endung);
        z.Programm->setMinimumWidth(320);
        z.Durchsuchen = new QPushButton(QStringLiteral("Durchsuchen..."), gruppe);
        z.Loeschen = new QPushButton(QStringLiteral("Löschen"), gruppe);
        raster->addWidget(new QLabel(QStringLiteral("Programm:"), gruppe), 0, 0);
        raster->addWidget(z.Programm, 0, 1);
        raster->addWidget(z.Durchsuchen, 0, 2);
        raster->addWidget(z.Loeschen, 0, 3);
        int reihe = 1;
        if (!istTastatur(f)) {
            z.Beschriftung = new QLineEdit(gruppe);
            z.Beschriftung->setObjectName(QStringLiteral("Beschriftung") + endung);
            raster->addWidget(new QLabel(QStringLiteral("Beschriftung:"), gruppe), reihe, 0);
            raster->addWidget(z.Beschriftung, reihe++, 1);
        }
        z.Hinweis = new QLineEdit(gruppe);
        z.Hinweis->setObjectName(QStringLiteral("Hinweis") + endung);
        raster->addWidget(new QLabel(QStringLiteral("Hinweis:"), gruppe), reihe, 0);
        raster->addWidget(z.Hinweis, reihe, 1);
        spalte->addWidget(gruppe);

        connect(z.Durchsuchen, &QPushButton::clicked, this, [this, f] { durchsuchen(f); });
        connect(z.Loeschen, &QPushButton::clicked, this, [this, f] { loeschen(f); });
    }

    spalte->addLayout(OkAbbrechenZeile(this, m_ok, m_abbrechen));
    connect(m_ok, &QPushButton::clicked, this, &TVerknuepfungsfelderForm::OkClick);

    anzeigen(werte);
}

void TVerknuepfungsfelderForm::anzeigen(const VerknuepfungsfelderTyp &werte)
{
    for (int i = 0; i < kVerknuepfungsAnzahl; ++i) {
        const VerknuepfungTyp &v = werte.Felder[size_t(i)];
        m_zeilen[size_t(i)].Programm->setText(v.Datei);
        m_zeilen[size_t(i)].Beschriftung->setText(v.Name);
        m_zeilen[size_t(i)].Hinweis->setText(v.Hinweis);
    }
    const Zeile &t = m_zeilen[size_t(Verknuepfungsfeld::Bildschirmtastatur)];
    t.Programm->setText(werte.TastaturDatei);
    t.Hinweis->setText(werte.TastaturHinweis);
}

VerknuepfungsfelderTyp TVerknuepfungsfelderForm::Werte() const
{
    VerknuepfungsfelderTyp werte;
    for (int i = 0; i < kVerknuepfungsAnzahl; ++i) {
        const Zeile &z = m_zeilen[size_t(i)];
        werte.Felder[size_t(i)] = {z.Programm->text(), z.Beschriftung->text(), z.Hinweis->text()};
    }
    const Zeile &t = m_zeilen[size_t(Verknuepfungsfeld::Bildschirmtastatur)];
    werte.TastaturDatei = t.Programm->text();
    werte.TastaturHinweis = t.Hinweis->text();
    return werte;
}

void TVerknuepfungsfelderForm::durchsuchen(Verknuepfungsfeld f)
{
    QLineEdit *feld = ProgrammFeld(f);
    const QString start = QFileInfo(feld->text().trimmed()).absolutePath();
    const QString gewaehlt = m_dateiwahl(this, Waehlertitel(f), feld->text().trimmed().isEmpty() ? QString() : start,
                                         Dateifilter());
    if (!gewaehlt.isEmpty())
        feld->setText(gewaehlt);
}

void TVerknuepfungsfelderForm::loeschen(Verknuepfungsfeld f)
{
    VerknuepfungsfelderTyp werte = Werte();
    VerknuepfungLoeschen(werte, f);
    anzeigen(werte);
}

void TVerknuepfungsfelderForm::OkClick()
{
    const VerknuepfungsPruefung pruefung = VerknuepfungenPruefen(Werte());
    if (pruefung.Fehlerfeld) {
        m_meldungen.Fehler(pruefung.Meldung);
        QLineEdit *feld = ProgrammFeld(*pruefung.Fehlerfeld);
        feld->setFocus();
        feld->selectAll();
        return;
    }
    anzeigen(VerknuepfungenBereinigt(Werte()));
    accept();
}

bool TVerknuepfungsfelderForm::Ausfuehren(QWidget *parent, VerknuepfungsfelderTyp &werte, Meldungen &meldungen)
{
    TVerknuepfungsfelderForm dialog(werte, meldungen, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    werte = dialog.Werte();
    return true;
}

} // namespace kalumo
