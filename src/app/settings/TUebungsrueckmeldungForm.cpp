#include "app/settings/TUebungsrueckmeldungForm.h"

#include "platform/QtDialogknoepfe.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalumo {

namespace {

QLineEdit *feld(QWidget *eltern, const QString &text, const char *name)
{
    auto *f = new QLineEdit(text, eltern);
    f->setObjectName(QString::fromLatin1(name));
    return f;
}

} // namespace

TUebungsrueckmeldungForm::TUebungsrueckmeldungForm(const UebungsrueckmeldungTyp &w, Dateidialoge &dialoge,
                                                   const QString &soundOrdner, QWidget *parent)
    : QDialog(parent), m_dialoge(dialoge), m_soundOrdner(soundOrdner)
{
    setObjectName(QStringLiteral("UebungsrueckmeldungForm"));
    setWindowTitle(QString::fromUtf8(rueckmeldungtext::Titel));

    auto zeile = [](QGridLayout *g, int z, const QString &text, QLineEdit *f) {
        auto *l = new QLabel(text, f->parentWidget());
        l->setBuddy(f);
        g->addWidget(l, z, 0);
        g->addWidget(f, z, 1);
    };

    auto *textGruppe = new QGroupBox(QString::fromUtf8(rueckmeldungtext::TextGruppe), this);
    auto *textGitter = new QGridLayout(textGruppe);
    m_richtig = feld(textGruppe, w.RichtigText, "RichtigText");
    m_falsch = feld(textGruppe, w.FalschText, "FalschText");
    zeile(textGitter, 0, QStringLiteral("Richtige Antwort:"), m_richtig);
    zeile(textGitter, 1, QStringLiteral("Falsche Antwort:"), m_falsch);
    textGitter->setColumnStretch(1, 1);

    auto *tonGruppe = new QGroupBox(QString::fromUtf8(rueckmeldungtext::TonGruppe), this);
    auto *tonGitter = new QGridLayout(tonGruppe);
    m_richtigTon = feld(tonGruppe, w.RichtigTonDatei, "RichtigTonDatei");
    m_falschTon = feld(tonGruppe, w.FalschTonDatei, "FalschTonDatei");
    zeile(tonGitter, 0, QStringLiteral("Richtige Antwort:"), m_richtigTon);
    zeile(tonGitter, 1, QStringLiteral("Falsche Antwort:"), m_falschTon);
    m_richtigDurchsuchen = new QPushButton(QStringLiteral("Durchsuchen..."), tonGruppe);
    m_falschDurchsuchen = new QPushButton(QStringLiteral("Durchsuchen..."), tonGruppe);
    tonGitter->addWidget(m_richtigDurchsuchen, 0, 2);
    tonGitter->addWidget(m_falschDurchsuchen, 1, 2);
    tonGitter->setColumnStretch(1, 1);
    connect(m_richtigDurchsuchen, &QPushButton::clicked, this, [this] { durchsuchen(m_richtigTon); });
    connect(m_falschDurchsuchen, &QPushButton::clicked, this, [this] { durchsuchen(m_falschTon); });

    auto *kurzGruppe = new QGroupBox(QString::fromUtf8(rueckmeldungtext::KurzGruppe), this);
    auto *kurzGitter = new QGridLayout(kurzGruppe);
    m_mcRichtig = feld(kurzGruppe, w.MCRichtigText, "MCRichtigText");
    m_mcFalsch = feld(kurzGruppe, w.MCFalschText, "MCFalschText");
    m_mcFehlend = feld(kurzGruppe, w.MCFehlendText, "MCFehlendText");
    zeile(kurzGitter, 0, QStringLiteral("Richtige Häkchen / Textmarkierungen:"), m_mcRichtig);
    zeile(kurzGitter, 1, QStringLiteral("Falsche Häkchen / Textmarkierungen:"), m_mcFalsch);
    zeile(kurzGitter, 2, QStringLiteral("Fehlende Häkchen / Textmarkierungen:"), m_mcFehlend);
    kurzGitter->setColumnStretch(1, 1);

    auto *spalte = new QVBoxLayout(this);
    spalte->addWidget(textGruppe);
    spalte->addWidget(tonGruppe);
    spalte->addWidget(kurzGruppe);
    spalte->addLayout(OkAbbrechenZeile(this, m_ok, m_abbrechen));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    resize(640, sizeHint().height());
}

UebungsrueckmeldungTyp TUebungsrueckmeldungForm::Werte() const
{
    UebungsrueckmeldungTyp w;
    w.RichtigText = m_richtig->text();
    w.FalschText = m_falsch->text();
    w.RichtigTonDatei = m_richtigTon->text().trimmed();
    w.FalschTonDatei = m_falschTon->text().trimmed();
    w.MCRichtigText = m_mcRichtig->text();
    w.MCFalschText = m_mcFalsch->text();
    w.MCFehlendText = m_mcFehlend->text();
    return w;
}

void TUebungsrueckmeldungForm::durchsuchen(QLineEdit *f)
{
    const QString pfad = m_dialoge.Oeffnen(QString::fromUtf8(rueckmeldungtext::TonWahlTitel), m_soundOrdner,
                                           QString::fromUtf8(rueckmeldungtext::TonFilter));
    if (pfad.isEmpty())
        return;
    const QFileInfo datei(pfad);
    // a file of the sound folder is found by its name
    const bool imSoundordner = !m_soundOrdner.isEmpty()
        && QDir(datei.absolutePath()).canonicalPath() == QDir(m_soundOrdner).canonicalPath();
    f->setText(imSoundordner ? datei.fileName() : QDir::toNativeSeparators(pfad));
}

bool TUebungsrueckmeldungForm::Ausfuehren(QWidget *parent, UebungsrueckmeldungTyp &werte, Dateidialoge &dialoge,
                                          const QString &soundOrdner)
{
    TUebungsrueckmeldungForm dialog(werte, dialoge, soundOrdner, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    werte = dialog.Werte();
    return true;
}

} // namespace kalumo
