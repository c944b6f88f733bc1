#include "exercise/TNotenskalaForm.h"

#include "platform/QtDialogknoepfe.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kalumo {

namespace {

QLineEdit *prozentFeld(QWidget *eltern, const QString &name)
{
    auto *feld = new QLineEdit(eltern);
    feld->setObjectName(name);
    feld->setAlignment(Qt::AlignRight);
    feld->setFixedWidth(60);
    return feld;
}

QLabel *grau(QLabel *label)
{
    label->setStyleSheet(QStringLiteral("color: #606060;"));
    return label;
}

} // namespace

TNotenskalaForm::TNotenskalaForm(const NotenskalaTyp &skala, Meldungen &meldungen, QWidget *parent)
    : QDialog(parent), m_meldungen(meldungen), m_alt(skala), m_ergebnis(skala)
{
    setWindowTitle(QStringLiteral("Noten-/Punkteskala zur Bewertung der Übungsergebnisse"));
    const NotenskalaEingabeTyp eingabe = NotenskalaEingabe(skala);
    m_skala = eingabe.Skala;

    // grades
    auto *noten = new QGroupBox(QStringLiteral("Notengrenzen bezüglich Erfolgsquote"), this);
    auto *notenRaster = new QGridLayout(noten);
    notenRaster->addWidget(grau(new QLabel(QStringLiteral("Empfehlung"), noten)), 0, 3);
    for (int n = 1; n <= 6; ++n) {
        m_notenText[size_t(n)] = new QLabel(noten);
        m_noten[size_t(n)] = prozentFeld(noten, QStringLiteral("Note%1").arg(n));
        m_noten[size_t(n)]->setText(eingabe.Note[size_t(n)]);
        m_notenProzent[size_t(n)] = new QLabel(QStringLiteral("%"), noten);
        m_notenEmpfehlung[size_t(n)] = grau(new QLabel(NotenEmpfehlung(n), noten));
        notenRaster->addWidget(m_notenText[size_t(n)], n, 0);
        notenRaster->addWidget(m_noten[size_t(n)], n, 1);
        notenRaster->addWidget(m_notenProzent[size_t(n)], n, 2);
        notenRaster->addWidget(m_notenEmpfehlung[size_t(n)], n, 3);
    }
    m_noten[6]->setEnabled(false);   // the lowest grade reaches down to 0 %

    // points
    auto *punkte = new QGroupBox(QStringLiteral("Punktegrenzen bezüglich Erfolgsquote"), this);
    auto *punkteRaster = new QGridLayout(punkte);
    punkteRaster->addWidget(grau(new QLabel(QStringLiteral("Empfehlung"), punkte)), 0, 3);
    for (int p = 15; p >= 0; --p) {
        const int zeile = 16 - p;
        m_punkteText[size_t(p)] = new QLabel(PunkteZeilenText(p), punkte);
        m_punkte[size_t(p)] = prozentFeld(punkte, QStringLiteral("Punkte%1").arg(p));
        m_punkte[size_t(p)]->setText(eingabe.Punkte[size_t(p)]);
        m_punkteProzent[size_t(p)] = new QLabel(QStringLiteral("%"), punkte);
        m_punkteEmpfehlung[size_t(p)] = grau(new QLabel(PunkteEmpfehlung(p), punkte));
        punkteRaster->addWidget(m_punkteText[size_t(p)], zeile, 0);
        punkteRaster->addWidget(m_punkte[size_t(p)], zeile, 1);
        punkteRaster->addWidget(m_punkteProzent[size_t(p)], zeile, 2);
        punkteRaster->addWidget(m_punkteEmpfehlung[size_t(p)], zeile, 3);
    }
    m_punkte[0]->setEnabled(false);   // 0 points start at 0 %
    punkteRaster->setRowStretch(17, 1);

    // the scale in use
    auto *skalen = new QGroupBox(QStringLiteral("Verwendete Skala zur Bewertung"), this);
    auto *skalenSpalte = new QVBoxLayout(skalen);
    auto *gruppe = new QButtonGroup(this);
    for (int s = 0; s < kSkalenAnzahl; ++s) {
        m_skalen[size_t(s)] = new QRadioButton(SkalaText(s), skalen);
        m_skalen[size_t(s)]->setObjectName(QStringLiteral("Skala%1").arg(s));
        gruppe->addButton(m_skalen[size_t(s)], s);
        skalenSpalte->addWidget(m_skalen[size_t(s)]);
    }
    m_skalen[size_t(m_skala)]->setChecked(true);
    connect(gruppe, &QButtonGroup::idClicked, this, &TNotenskalaForm::skalaGewaehlt);

    auto *hinweis = new QLabel(NotenskalaHinweisText(), this);
    hinweis->setWordWrap(true);

    auto *links = new QVBoxLayout;
    links->addWidget(noten);
    links->addWidget(skalen);
    links->addWidget(hinweis);
    links->addStretch(1);
    auto *spalten = new QHBoxLayout;
    spalten->addLayout(links);
    spalten->addWidget(punkte);
    auto *ganz = new QVBoxLayout(this);
    ganz->addLayout(spalten);
    ganz->addLayout(OkAbbrechenZeile(this, m_ok, m_abbrechen));
    connect(m_ok, &QPushButton::clicked, this, &TNotenskalaForm::OkClick);

    zeilenAnpassen();
}

NotenskalaEingabeTyp TNotenskalaForm::Eingaben() const
{
    NotenskalaEingabeTyp e;
    for (int n = 1; n <= 6; ++n)
        e.Note[size_t(n)] = m_noten[size_t(n)]->text();
    for (int p = 0; p <= 15; ++p)
        e.Punkte[size_t(p)] = m_punkte[size_t(p)]->text();
    e.Skala = m_skala;
    return e;
}

void TNotenskalaForm::skalaGewaehlt(int skala)
{
    NotenskalaEingabeTyp e = Eingaben();
    SkalaWaehlen(e, skala);
    m_skala = e.Skala;
    m_noten[5]->setText(e.Note[5]);
    zeilenAnpassen();
}

void TNotenskalaForm::zeilenAnpassen()
{
    for (int n = 1; n <= 6; ++n) {
        const bool sichtbar = NotenZeileSichtbar(m_skala, n);
        m_notenText[size_t(n)]->setText(NotenZeilenText(m_skala, n));
        for (QWidget *w : std::initializer_list<QWidget *>{m_notenText[size_t(n)], m_noten[size_t(n)],
                                                           m_notenProzent[size_t(n)], m_notenEmpfehlung[size_t(n)]})
            w->setVisible(sichtbar);
    }
    // hidden rows take no room: the remaining point rows move up
    for (int p = 0; p <= 15; ++p) {
        const bool sichtbar = PunkteZeileSichtbar(m_skala, p);
        for (QWidget *w : std::initializer_list<QWidget *>{m_punkteText[size_t(p)], m_punkte[size_t(p)],
                                                           m_punkteProzent[size_t(p)], m_punkteEmpfehlung[size_t(p)]})
            w->setVisible(sichtbar);
    }
}

void TNotenskalaForm::OkClick()
{
    const NotenskalaEingabeTyp e = Eingaben();
    const NotenskalaPruefung pruefung = NotenskalaPruefen(e);
    if (!pruefung.Ok) {
        m_meldungen.Fehler(pruefung.Meldung);
        QLineEdit *feld = pruefung.PunkteFeld ? PunkteFeld(pruefung.Feld) : NotenFeld(pruefung.Feld);
        feld->setFocus();
        feld->selectAll();
        return;
    }
    m_ergebnis = NotenskalaUebernehmen(e, m_alt);
    accept();
}

bool TNotenskalaForm::Ausfuehren(QWidget *parent, NotenskalaTyp &skala, const NotenskalaZugang &zugang,
                                 Meldungen &meldungen)
{
    const QString verweigert = NotenskalaVerweigerung(zugang);
    if (!verweigert.isEmpty()) {
        meldungen.Information(verweigert);
        return false;
    }
    TNotenskalaForm dialog(skala, meldungen, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    skala = dialog.Ergebnis();
    return true;
}

} // namespace kalumo
