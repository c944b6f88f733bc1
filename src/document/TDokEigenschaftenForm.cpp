#include "document/TDokEigenschaftenForm.h"

#include "platform/QtDialogknoepfe.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kalumo {

namespace {

constexpr int kLogoVorschau = 120; // pixels of the logo preview
constexpr int kLogoProzentMax = 100;

const QStringList &Ausrichtungen()
{
    static const QStringList l{QStringLiteral("linksbündig"), QStringLiteral("mittig"), QStringLiteral("rechtsbündig")};
    return l;
}

QString PasswortHinweis()
{
    return QStringLiteral("Ein Passwort ist eine Sperre in Kalumo, keine Verschlüsselung: Das Dokument bleibt für "
                          "andere Programme lesbar. Vertrauliche Inhalte schützt es nicht.");
}

} // namespace

TDokEigenschaftenForm::TDokEigenschaftenForm(Meldungen &meldungen, Passwortabfrage &bilderAbfrage, QWidget *parent)
    : QDialog(parent), m_meldungen(&meldungen), m_bilderAbfrage(&bilderAbfrage)
{
    setWindowTitle(QStringLiteral("Dokumenteigenschaften"));
    setObjectName(QStringLiteral("DokEigenschaftenForm"));
    m_seiten = new QTabWidget(this);

    // ---- general ----
    auto *allgemein = new QWidget(m_seiten);
    auto *form = new QFormLayout(allgemein);
    m_datei = new QLabel(allgemein);
    m_ordnerLabel = new QLabel(allgemein);
    m_ordnerLabel->setWordWrap(true);
    m_groesse = new QLabel(allgemein);
    m_geaendert = new QLabel(allgemein);
    form->addRow(QStringLiteral("Datei:"), m_datei);
    form->addRow(QStringLiteral("Ordner:"), m_ordnerLabel);
    form->addRow(QStringLiteral("Größe:"), m_groesse);
    form->addRow(QStringLiteral("Geändert am:"), m_geaendert);
    m_typ = new QLabel(allgemein);
    form->addRow(QStringLiteral("&Dokumententyp:"), m_typ);
    m_titel = new QLineEdit(allgemein);
    auto *typAnfuegen = new QPushButton(QStringLiteral("Dok.typ an Titel anfügen"), allgemein);
    connect(typAnfuegen, &QPushButton::clicked, this, [this] { DokTypAnfuegenClick(); });
    auto *titelZeile = new QHBoxLayout;
    titelZeile->addWidget(m_titel, 1);
    titelZeile->addWidget(typAnfuegen);
    auto *titelLabel = new QLabel(QStringLiteral("&Titel:"), allgemein);
    titelLabel->setBuddy(m_titel);
    form->addRow(titelLabel, titelZeile);
    m_autor = new QLineEdit(allgemein);
    form->addRow(QStringLiteral("&Autor:"), m_autor);
    m_bemerkung = new QLineEdit(allgemein);
    form->addRow(QStringLiteral("&Bemerkung:"), m_bemerkung);
    m_nummerierung = new QComboBox(allgemein);
    m_nummerierung->addItems({QStringLiteral("Zahlen: 1, 2, 3, ..."), QStringLiteral("Buchstaben: A, B, C, ...")});
    form->addRow(QStringLiteral("&Nummerierung:"), m_nummerierung);
    m_geordnet = new QComboBox(allgemein);
    m_geordnet->addItems({QStringLiteral("von oben nach unten"), QStringLiteral("alphabetisch")});
    form->addRow(QStringLiteral("&Geordnet:"), m_geordnet);
    m_zielpunkt = new QComboBox(allgemein);
    m_zielpunkt->addItems(ZielpunktListe());
    form->addRow(QStringLiteral("&Zielpunktgröße in Übungen:"), m_zielpunkt);
    m_passwortStatus = new QLabel(allgemein);
    auto *passwortAendern = new QPushButton(QStringLiteral("&Passwortschutz ändern..."), allgemein);
    connect(passwortAendern, &QPushButton::clicked, this, [this] { PasswortAendernClick(); });
    for (QWidget *w : {static_cast<QWidget *>(m_passwortStatus), static_cast<QWidget *>(passwortAendern)})
        w->setToolTip(PasswortHinweis());
    auto *passwortZeile = new QHBoxLayout;
    passwortZeile->addWidget(m_passwortStatus, 1);
    passwortZeile->addWidget(passwortAendern);
    form->addRow(QStringLiteral("Passwort für Bildexport:"), passwortZeile);
    auto *hinweis = new QLabel(PasswortHinweis(), allgemein);
    hinweis->setWordWrap(true);
    form->addRow(hinweis);
    m_seiten->addTab(allgemein, QStringLiteral("  Allgemein  "));

    // ---- worksheet ----
    auto *blatt = new QWidget(m_seiten);
    auto *blattForm = new QFormLayout(blatt);
    m_logoBild = new QLabel(blatt);
    m_logoBild->setObjectName(QStringLiteral("LogoImg"));
    m_logoBild->setFixedSize(kLogoVorschau, kLogoVorschau);
    m_logoBild->setFrameShape(QFrame::StyledPanel);
    m_logoBild->setAlignment(Qt::AlignCenter);
    auto *logoKnoepfe = new QVBoxLayout;
    const std::pair<const char *, void (TDokEigenschaftenForm::*)()> knoepfe[] = {
        {"aus Zwisch.abl.", &TDokEigenschaftenForm::LogoAusZwischenablageClick},
        {"aus Datei...", &TDokEigenschaftenForm::LogoAusDateiClick},
        {"In Zw.abl. kopieren", &TDokEigenschaftenForm::LogoKopierenClick},
        {"Bild löschen", &TDokEigenschaftenForm::LogoLoeschenClick},
    };
    for (const auto &[text, methode] : knoepfe) {
        auto *k = new QPushButton(QString::fromUtf8(text), blatt);
        connect(k, &QPushButton::clicked, this, [this, m = methode] { (this->*m)(); });
        logoKnoepfe->addWidget(k);
    }
    auto *logoZeile = new QHBoxLayout;
    logoZeile->addWidget(m_logoBild);
    logoZeile->addLayout(logoKnoepfe);
    logoZeile->addStretch();
    blattForm->addRow(QStringLiteral("Logo:"), logoZeile);
    m_logoGroesse = new QSpinBox(blatt);
    m_logoGroesse->setRange(1, kLogoProzentMax);
    m_logoGroesse->setSuffix(QStringLiteral(" Prozent der Seitenbreite des Arbeitsblattes bei Hochformat"));
    blattForm->addRow(QStringLiteral("Größe des Logos:"), m_logoGroesse);
    m_logoAusricht = new QComboBox(blatt);
    m_logoAusricht->addItems(Ausrichtungen());
    blattForm->addRow(QStringLiteral("Ausrichtung des Logos:"), m_logoAusricht);
    m_fusszeile = new QLineEdit(blatt);
    blattForm->addRow(QStringLiteral("Fußzeile:"), m_fusszeile);
    m_fussAusricht = new QComboBox(blatt);
    m_fussAusricht->addItems(Ausrichtungen());
    blattForm->addRow(QStringLiteral("Ausrichtung der Fußzeile:"), m_fussAusricht);
    auto *fuerAlle = new QPushButton(QStringLiteral("Für alle Dokumente des aktuellen Ordners übernehmen"), blatt);
    fuerAlle->setObjectName(QStringLiteral("FuerAlleKnopf"));
    connect(fuerAlle, &QPushButton::clicked, this, [this] { FuerAlleClick(); });
    blattForm->addRow(fuerAlle);
    m_seiten->addTab(blatt, QStringLiteral("  Arbeitsblatt  "));

    // ---- exercise settings ----
    auto *ueb = new QWidget(m_seiten);
    auto *uebLayout = new QVBoxLayout(ueb);
    auto *uebGruppe = new QGroupBox(QStringLiteral(" Speicherung der Übungseinstellungen beim Neuabspeichern "), ueb);
    auto *uebGruppeLayout = new QVBoxLayout(uebGruppe);
    const char *uebTexte[] = {"nicht im KAL-Dokument speichern",
                              "im KAL-Dokument speichern, Einstellungen sind vor einer Übung änderbar",
                              "im KAL-Dokument speichern, Einstellungen sind gesperrt"};
    for (size_t i = 0; i < m_uebEinst.size(); ++i) {
        m_uebEinst[i] = new QRadioButton(QString::fromUtf8(uebTexte[i]), uebGruppe);
        uebGruppeLayout->addWidget(m_uebEinst[i]);
    }
    m_geladen = new QLabel(ueb);
    uebLayout->addWidget(uebGruppe);
    uebLayout->addWidget(m_geladen);
    uebLayout->addWidget(
        new QLabel(QStringLiteral("Änderungen wirken sich erst nach Speichern und erneutem Öffnen des Dokuments aus."), ueb));
    uebLayout->addStretch();
    m_seiten->addTab(ueb, QStringLiteral("Speicherung Übungseinstellungen"));

    // ---- restrictions ----
    auto *sperren = new QWidget(m_seiten);
    auto *sperrLayout = new QVBoxLayout(sperren);
    auto paar = [&](const QString &titel, QRadioButton *&frei, QRadioButton *&gesperrt) {
        auto *g = new QGroupBox(titel, sperren);
        auto *l = new QVBoxLayout(g);
        frei = new QRadioButton(QStringLiteral("verfügbar"), g);
        gesperrt = new QRadioButton(QStringLiteral("gesperrt"), g);
        l->addWidget(frei);
        l->addWidget(gesperrt);
        sperrLayout->addWidget(g);
    };
    paar(QStringLiteral(" Lernansicht (Lösungsansicht) "), m_lernFrei, m_lernSperre);
    paar(QStringLiteral(" Arbeitsblatt "), m_blattFrei, m_blattSperre);
    sperrLayout->addStretch();
    m_seiten->addTab(sperren, QStringLiteral("Beschränkungen"));

    // ---- buttons ----
    auto *seitenverhaeltnis = new QPushButton(QStringLiteral("&Seitenverhältnis..."), this);
    connect(seitenverhaeltnis, &QPushButton::clicked, this, [this] {
        if (SeitenverhaeltnisZeigen)
            SeitenverhaeltnisZeigen();
    });
    QPushButton *ok = nullptr, *abbrechen = nullptr;
    QHBoxLayout *unten = OkAbbrechenZeile(this, ok, abbrechen);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    unten->insertWidget(0, seitenverhaeltnis);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_seiten);
    layout->addLayout(unten);
}

void TDokEigenschaftenForm::Fuellen(HeaderDataTyp &kopf, const QString &bibliotheksordner)
{
    m_kopf = &kopf;
    m_ordner = bibliotheksordner;
    const Dateifakten f = DateifaktenLesen(kopf.Dateiname, QLocale());
    m_datei->setText(f.Datei);
    m_ordnerLabel->setText(f.Ordner);
    m_groesse->setText(f.Groesse);
    m_geaendert->setText(f.GeaendertAm);
    m_typ->setText(DokTypName(kopf));

    const EigenschaftenWerte w = EigenschaftenLesen(kopf);
    m_titel->setText(w.Titel);
    m_autor->setText(w.Autor);
    m_bemerkung->setText(w.Bemerkung);
    m_nummerierung->setCurrentIndex(w.NumArt != 0 ? 1 : 0);
    m_geordnet->setCurrentIndex(w.GeordnetArt != 0 ? 1 : 0);
    m_zielpunkt->setCurrentIndex(w.ZielpunktIndex);
    m_bilderPasswort = w.BilderPasswort;
    passwortZeigen();
    m_logo = w.Logo;
    logoZeigen();
    m_logoGroesse->setValue(w.LogoProzent);
    m_logoAusricht->setCurrentIndex(std::clamp(w.LogoAusricht, 0, 2));
    m_fusszeile->setText(w.Fusszeile);
    m_fussAusricht->setCurrentIndex(std::clamp(w.FusszeileAusricht, 0, 2));
    m_uebEinst[size_t(std::clamp(w.UebEinstSpeichern, 0, 2))]->setChecked(true);
    m_geladen->setText(kopf.UebEinstGeladen ? QStringLiteral("Übungseinstellungen wurden aus KAL-Dokument geladen.")
                                            : QStringLiteral("Übungseinstellungen wurden NICHT aus KAL-Dokument geladen."));
    (w.LernansichtSperren ? m_lernSperre : m_lernFrei)->setChecked(true);
    (w.ArbeitsblattSperren ? m_blattSperre : m_blattFrei)->setChecked(true);
    m_seiten->setCurrentIndex(seiteAllgemein);
}

EigenschaftenWerte TDokEigenschaftenForm::Werte() const
{
    EigenschaftenWerte w;
    w.Titel = m_titel->text();
    w.Autor = m_autor->text();
    w.Bemerkung = m_bemerkung->text();
    w.NumArt = m_nummerierung->currentIndex();
    w.GeordnetArt = m_geordnet->currentIndex();
    w.ZielpunktIndex = m_zielpunkt->currentIndex();
    w.BilderPasswort = m_bilderPasswort;
    w.Logo = m_logo;
    w.LogoProzent = m_logoGroesse->value();
    w.LogoAusricht = m_logoAusricht->currentIndex();
    w.Fusszeile = m_fusszeile->text();
    w.FusszeileAusricht = m_fussAusricht->currentIndex();
    for (size_t i = 0; i < m_uebEinst.size(); ++i)
        if (m_uebEinst[i]->isChecked())
            w.UebEinstSpeichern = int(i);
    w.LernansichtSperren = m_lernSperre->isChecked() ? 1 : 0;
    w.ArbeitsblattSperren = m_blattSperre->isChecked() ? 1 : 0;
    return w;
}

void TDokEigenschaftenForm::passwortZeigen()
{
    m_passwortStatus->setText(m_bilderPasswort.isEmpty() ? QStringLiteral("Passwort nicht gesetzt")
                                                         : QStringLiteral("Passwort gesetzt"));
}

void TDokEigenschaftenForm::logoZeigen()
{
    if (m_logo.isNull()) {
        m_logoBild->setPixmap({});
        return;
    }
    m_logoBild->setPixmap(QPixmap::fromImage(
        m_logo.scaled(kLogoVorschau - 4, kLogoVorschau - 4, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TDokEigenschaftenForm::PasswortAendernClick()
{
    if (!m_kopf)
        return;
    if (const std::optional<QString> neu = BilderPasswortNeu(*m_kopf, m_bilderPasswort, *m_bilderAbfrage, *m_meldungen))
        m_bilderPasswort = *neu;
    passwortZeigen();
}

void TDokEigenschaftenForm::DokTypAnfuegenClick()
{
    if (m_kopf)
        m_titel->setText(TitelMitDokTyp(m_titel->text(), *m_kopf));
}

void TDokEigenschaftenForm::LogoAusZwischenablageClick()
{
    const QImage bild = QApplication::clipboard()->image();
    if (bild.isNull()) {
        m_meldungen->Information(QStringLiteral("Die Zwischenablage enthält keine Bitmap-Grafik."));
        return;
    }
    m_logo = bild.convertToFormat(QImage::Format_RGBA8888);
    logoZeigen();
}

void TDokEigenschaftenForm::LogoAusDateiClick()
{
    if (!m_dialoge)
        return;
    const QString pfad = m_dialoge->Oeffnen(QStringLiteral("Logo öffnen"), m_ordner,
                                            QStringLiteral("Bilder (*.bmp *.png *.jpg);;Alle Dateien (*)"));
    if (pfad.isEmpty())
        return;
    if (!LogoEndungErlaubt(pfad)) {
        m_meldungen->Fehler(LogoEndungFehlerText());
        return;
    }
    QImageReader leser(pfad);
    leser.setAllocationLimit(256); // megabytes: a logo never needs more
    const QImage bild = leser.read();
    if (bild.isNull()) {
        m_meldungen->Fehler(QStringLiteral("Die Datei \"") + pfad + QStringLiteral("\" kann nicht gelesen werden."));
        return;
    }
    m_logo = bild.convertToFormat(QImage::Format_RGBA8888);
    logoZeigen();
}

void TDokEigenschaftenForm::LogoKopierenClick()
{
    if (m_logo.isNull() || !m_kopf || !BilderPasswortPruefen(*m_kopf, *m_bilderAbfrage, *m_meldungen))
        return;
    QApplication::clipboard()->setImage(m_logo);
}

void TDokEigenschaftenForm::LogoLoeschenClick()
{
    m_logo = QImage();
    logoZeigen();
}

void TDokEigenschaftenForm::FuerAlleClick()
{
    if (m_meldungen->Frage(FuerAlleFrageText(m_ordner)) != Antwort::Ja)
        return;
    if (FuerAlleUebernehmen)
        FuerAlleUebernehmen(LogoFusszeileAus(Werte()));
}

} // namespace kalumo
