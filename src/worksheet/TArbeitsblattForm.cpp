#include "worksheet/TArbeitsblattForm.h"

#include "worksheet/Arbeitsblattexport.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyleHints>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cmath>

namespace kalumo {

namespace {

class Sanduhr
{
public:
    Sanduhr() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Sanduhr() { QApplication::restoreOverrideCursor(); }
};

QString Dezimal(double v)
{
    return QLocale(QLocale::German, QLocale::Germany).toString(v, 'f', 1);
}

double DezimalLesen(const QString &text, double ersatz)
{
    QString t = text.trimmed();
    t.remove(QLatin1Char(' '));
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok && std::isfinite(v) ? v : ersatz;
}

Drucklage Getauscht(const Drucklage &l)
{
    return {l.Oben, l.Links, l.Hoehe, l.Breite};
}

} // namespace

// ---- print dialog ----

TArbblattDruckForm::TArbblattDruckForm(Drucker &drucker, Meldungen &meldungen, QWidget *parent)
    : TDruckForm(QStringLiteral("Arbeitsblatt drucken"), drucker, meldungen, parent)
{
    setObjectName(QStringLiteral("ArbblattDruckForm"));
    m_orientierung = new QLabel(this);
    m_orientierung->setObjectName(QStringLiteral("OrientierungLabel"));
    Spalte()->insertWidget(2, m_orientierung);
    AuftragSetzen([this, &drucker](const Drucklage &lage, int kopien, QString &fehler) {
        if (!m_blatt)
            return false;
        Druckauftrag auftrag;
        auftrag.Titel = m_titel;
        auftrag.Kopien = kopien;
        auftrag.Querformat = m_quer;
        const Zeichenliste &blatt = *m_blatt;
        return drucker.Drucken(
            auftrag, [&](QPainter &p, QPointF versatz) { blatt.Abspielen(p, DruckRechteck(lage, versatz)); }, fehler);
    });
}

void TArbblattDruckForm::Vorbereiten(const Zeichenliste &blatt, const QString &titel, const Drucklage &lage,
                                     bool verhaeltnis, int kopien, bool querformat)
{
    m_blatt = &blatt;
    m_titel = titel;
    m_quer = querformat;
    const double r = blatt.Seite.height() > 0 ? blatt.Seite.width() / blatt.Seite.height() : 1.0;
    Setzen(querformat ? Getauscht(lage) : lage, verhaeltnis, kopien, r);
    m_orientierung->setText(querformat ? QStringLiteral("Ausdruck erfolgt im Querformat")
                                       : QStringLiteral("Ausdruck erfolgt im Hochformat"));
}

Drucklage TArbblattDruckForm::LageHochformat() const
{
    return m_quer ? Getauscht(Lage()) : Lage();
}

// ---- the window ----

TArbeitsblattForm::TArbeitsblattForm(Meldungen &meldungen, Dateidialoge &dialoge, Drucker &drucker, QWidget *parent)
    : QDialog(parent), m_meldungen(meldungen), m_dialoge(dialoge), m_drucker(drucker),
      m_drucklage(Drucklage{2.2, 1.4, 16.5, 26.8})
{
    setObjectName(QStringLiteral("ArbeitsblattForm"));
    setWindowTitle(QStringLiteral("Arbeitsblatt"));
    setModal(true);
    setSizeGripEnabled(true);
    resize(932, 662);
    aufbauen();
}

TArbeitsblattForm::~TArbeitsblattForm() = default;

void TArbeitsblattForm::aufbauen()
{
    auto *haupt = new QHBoxLayout(this);
    auto *linksBox = new QScrollArea(this);
    linksBox->setWidgetResizable(true);
    linksBox->setFixedWidth(390);
    auto *links = new QWidget(linksBox);
    auto *spalte = new QVBoxLayout(links);
    linksBox->setWidget(links);
    haupt->addWidget(linksBox);

    auto check = [&](QWidget *eltern, const QString &name, const QString &text) {
        auto *c = new QCheckBox(text, eltern);
        c->setObjectName(name);
        connect(c, &QCheckBox::toggled, this, &TArbeitsblattForm::geaendert);
        return c;
    };

    // what is made
    auto *was = new QGroupBox(QStringLiteral(" Was soll erstellt werden "), links);
    was->setObjectName(QStringLiteral("ModeRadio"));
    auto *wasSpalte = new QVBoxLayout(was);
    auto *gruppe = new QButtonGroup(this);
    const QStringList varianten = VariantenTexte();
    for (int i = 0; i < 4; ++i) {
        m_mode[size_t(i)] = new QRadioButton(varianten.at(i), was);
        gruppe->addButton(m_mode[size_t(i)], i);
        wasSpalte->addWidget(m_mode[size_t(i)]);
    }
    connect(gruppe, &QButtonGroup::idToggled, this, [this](int, bool an) {
        if (an)
            geaendert();
    });
    spalte->addWidget(was);

    // layout of the sheet
    auto *gestaltung = new QGroupBox(QStringLiteral(" Gestaltung "), links);
    auto *g = new QVBoxLayout(gestaltung);
    auto *kopfZeile = new QGridLayout;
    const char *kopfTexte[] = {"Name", "Klasse", "Datum", "Fach", "Blatt-Nr."};
    const char *kopfNamen[] = {"ABNameBox", "ABKlasseBox", "ABDatumBox", "ABFachBox", "ABBlattNrBox"};
    for (int i = 0; i < 5; ++i) {
        m_kopf[size_t(i)] = check(gestaltung, QString::fromLatin1(kopfNamen[i]), QString::fromUtf8(kopfTexte[i]));
        kopfZeile->addWidget(m_kopf[size_t(i)], i / 3, i % 3);
    }
    g->addLayout(kopfZeile);
    g->addWidget(new QLabel(QStringLiteral("Titelzeile (frei lassen, falls nicht gewünscht)"), gestaltung));
    m_titelEdit = new QLineEdit(gestaltung);
    m_titelEdit->setObjectName(QStringLiteral("TitelEdit"));
    connect(m_titelEdit, &QLineEdit::textEdited, this, &TArbeitsblattForm::geaendert);
    g->addWidget(m_titelEdit);
    m_titelCheck = new QCheckBox(QStringLiteral("Titel des Dokuments verwenden"), gestaltung);
    m_titelCheck->setObjectName(QStringLiteral("TitelCheck"));
    connect(m_titelCheck, &QCheckBox::toggled, this, &TArbeitsblattForm::titelUmschalten);
    g->addWidget(m_titelCheck);
    g->addWidget(new QLabel(QStringLiteral("Aufgabenstellung"), gestaltung));
    m_aufgMemo = new QPlainTextEdit(gestaltung);
    m_aufgMemo->setObjectName(QStringLiteral("AufgMemo"));
    m_aufgMemo->setFixedHeight(60);
    connect(m_aufgMemo, &QPlainTextEdit::textChanged, this, &TArbeitsblattForm::geaendert);
    g->addWidget(m_aufgMemo);

    auto feld = [&](Optionsfeld f, QWidget *w) {
        m_felder[f] = w;
        g->addWidget(w);
    };
    m_textvorgabe = check(gestaltung, QStringLiteral("TextvorgabeCheck"), QStringLiteral("Antworttexte vorgeben"));
    feld(Optionsfeld::Textvorgabe, m_textvorgabe);

    auto *kaestchen = new QWidget(gestaltung);
    auto *kz = new QHBoxLayout(kaestchen);
    kz->setContentsMargins(0, 0, 0, 0);
    kz->addWidget(new QLabel(QStringLiteral("Kästchengröße:"), kaestchen));
    m_kaestchen = new QComboBox(kaestchen);
    m_kaestchen->setObjectName(QStringLiteral("KaestchengroesseCombo"));
    m_kaestchen->addItems(KaestchengroessenTexte());
    connect(m_kaestchen, &QComboBox::currentIndexChanged, this, &TArbeitsblattForm::geaendert);
    kz->addWidget(m_kaestchen);
    kz->addStretch(1);
    feld(Optionsfeld::Kaestchengroesse, kaestchen);

    m_erstBuchstabe = check(gestaltung, QStringLiteral("ErstBuchstabeVorgabeCheck"),
                            QStringLiteral("ersten Buchstaben voreintragen"));
    feld(Optionsfeld::ErstBuchstabe, m_erstBuchstabe);
    m_zeichnungen0 = check(gestaltung, QStringLiteral("ZeichnungenEinbindenCheck"),
                           QStringLiteral("Zeichnungen einbinden (wie Lernansicht)"));
    feld(Optionsfeld::ZeichnungenEinbinden, m_zeichnungen0);
    m_basisbild0 = check(gestaltung, QStringLiteral("BasisbildCheck0"), QStringLiteral("Basisbild anzeigen"));
    feld(Optionsfeld::Basisbild0, m_basisbild0);

    // the picture options of text and cluster pages
    auto *bild = new QWidget(gestaltung);
    auto *bg = new QGridLayout(bild);
    bg->setContentsMargins(0, 0, 0, 0);
    m_basisbild = check(bild, QStringLiteral("BasisbildCheck"), QStringLiteral("Basisbild anzeigen"));
    bg->addWidget(m_basisbild, 0, 0, 1, 4);
    auto stufe = [&](int zeile, const QString &name, const QString &text, QLineEdit *&edit, const QString &minus,
                     const QString &plus, std::function<void()> weniger, std::function<void()> mehr) {
        bg->addWidget(new QLabel(text, bild), zeile, 0);
        edit = new QLineEdit(bild);
        edit->setObjectName(name);
        edit->setFixedWidth(60);
        connect(edit, &QLineEdit::editingFinished, this, &TArbeitsblattForm::geaendert);
        bg->addWidget(edit, zeile, 1);
        auto *a = new QPushButton(minus, bild);
        auto *b = new QPushButton(plus, bild);
        a->setObjectName(name + QStringLiteral("Minus"));
        b->setObjectName(name + QStringLiteral("Plus"));
        m_knoepfe[a->objectName()] = a;
        m_knoepfe[b->objectName()] = b;
        connect(a, &QPushButton::clicked, this, weniger);
        connect(b, &QPushButton::clicked, this, mehr);
        bg->addWidget(a, zeile, 2);
        bg->addWidget(b, zeile, 3);
    };
    stufe(1, QStringLiteral("BasisbildGroesse"), QStringLiteral("Bildgröße (%):"), m_groesse, QStringLiteral("kleiner"),
          QStringLiteral("größer"), [this] { BildSchritt(-1, 0, 0); }, [this] { BildSchritt(1, 0, 0); });
    stufe(2, QStringLiteral("BasisbildX"), QStringLiteral("X-Bildposition:"), m_x, QStringLiteral("links"),
          QStringLiteral("rechts"), [this] { BildSchritt(0, -0.1, 0); }, [this] { BildSchritt(0, 0.1, 0); });
    stufe(3, QStringLiteral("BasisbildY"), QStringLiteral("Y-Bildposition:"), m_y, QStringLiteral("höher"),
          QStringLiteral("tiefer"), [this] { BildSchritt(0, 0, -0.1); }, [this] { BildSchritt(0, 0, 0.1); });
    m_vollbreite = check(bild, QStringLiteral("VollbreiteCheck"), QStringLiteral("Basisbild auf volle Seitenbreite fixieren"));
    bg->addWidget(m_vollbreite, 4, 0, 1, 4);
    m_raender = check(bild, QStringLiteral("RaenderCheck"), QStringLiteral("Ränder für Lückentext übernehmen"));
    bg->addWidget(m_raender, 5, 0, 1, 4);
    stufe(6, QStringLiteral("MaxFontSize"), QStringLiteral("Schriftanpassung:"), m_maxFont, QStringLiteral("kleiner"),
          QStringLiteral("größer"), [this] { FontSchritt(-1); }, [this] { FontSchritt(1); });
    feld(Optionsfeld::Bildoptionen, bild);

    m_objekte = check(gestaltung, QStringLiteral("ObjekteCheck"), QStringLiteral("Weitere Objekte zeigen"));
    feld(Optionsfeld::Objekte, m_objekte);

    auto *ab = new QWidget(gestaltung);
    auto *az = new QGridLayout(ab);
    az->setContentsMargins(0, 0, 0, 0);
    az->addWidget(new QLabel(QStringLiteral("Ab Frage Nr.:"), ab), 0, 0);
    m_abFrage = new QSpinBox(ab);
    m_abFrage->setObjectName(QStringLiteral("AbFrageEdit"));
    m_abFrage->setRange(1, 99999);
    connect(m_abFrage, &QSpinBox::valueChanged, this, &TArbeitsblattForm::geaendert);
    az->addWidget(m_abFrage, 0, 1);
    az->addWidget(new QLabel(QStringLiteral("(falls nicht alles auf eine Seite passt)"), ab), 1, 0, 1, 2);
    feld(Optionsfeld::AbFrage, ab);
    spalte->addWidget(gestaltung);

    auto *unten = new QHBoxLayout;
    unten->addWidget(new QLabel(QStringLiteral("Spalten:"), links));
    m_spalten = new QComboBox(links);
    m_spalten->setObjectName(QStringLiteral("SpaltenComboBox"));
    for (int i = 1; i <= 20; ++i)
        m_spalten->addItem(QString::number(i));
    connect(m_spalten, &QComboBox::currentIndexChanged, this, &TArbeitsblattForm::geaendert);
    unten->addWidget(m_spalten);
    unten->addStretch(1);
    spalte->addLayout(unten);

    auto *orient = new QGroupBox(QStringLiteral(" Orientierung "), links);
    orient->setObjectName(QStringLiteral("OrientRadio"));
    auto *oz = new QHBoxLayout(orient);
    m_hoch = new QRadioButton(QStringLiteral("Hochformat"), orient);
    m_quer = new QRadioButton(QStringLiteral("Querformat"), orient);
    oz->addWidget(m_hoch);
    oz->addWidget(m_quer);
    connect(m_quer, &QRadioButton::toggled, this, [this] {
        if (m_fuellen || !m_opt)
            return;
        m_opt->OrientierungGeaendert = true;
        geaendert();
    });
    spalte->addWidget(orient);
    spalte->addStretch(1);

    // preview and buttons
    auto *rechts = new QVBoxLayout;
    m_box = new QScrollArea(this);
    m_box->setObjectName(QStringLiteral("VorschauBox"));
    m_box->setAlignment(Qt::AlignCenter);
    m_box->setBackgroundRole(QPalette::Dark);
    m_bild = new QLabel(m_box);
    m_bild->setObjectName(QStringLiteral("VorschauPan"));
    m_bild->setAlignment(Qt::AlignCenter);
    m_box->setWidget(m_bild);
    m_bild->installEventFilter(this);
    m_box->viewport()->installEventFilter(this);
    rechts->addWidget(m_box, 1);
    auto *knoepfe = new QHBoxLayout;
    const struct { const char *Name; const char *Text; void (TArbeitsblattForm::*Methode)(); } k[] = {
        {"ZuruecksetzenBtn", "Zurücksetzen", &TArbeitsblattForm::ZuruecksetzenClick},
        {"VorschauBtn", "Vorschau aktualisieren", &TArbeitsblattForm::DrawSheet},
        {"DruckenBtn", "Drucken...", &TArbeitsblattForm::DruckenClick},
        {"ExportierenBtn", "Exportieren...", &TArbeitsblattForm::ExportierenClick},
        {"ZwischenablageBtn", "In Zwischenablage kopieren", &TArbeitsblattForm::ZwischenablageClick},
    };
    for (const auto &e : k) {
        auto *b = new QPushButton(QString::fromUtf8(e.Text), this);
        b->setObjectName(QString::fromLatin1(e.Name));
        connect(b, &QPushButton::clicked, this, e.Methode);
        m_knoepfe[b->objectName()] = b;
        knoepfe->addWidget(b);
    }
    knoepfe->addStretch(1);
    auto *schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    schliessen->setObjectName(QStringLiteral("SchliessenBtn"));
    m_knoepfe[schliessen->objectName()] = schliessen;
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    knoepfe->addWidget(schliessen);
    rechts->addLayout(knoepfe);
    haupt->addLayout(rechts, 1);
}

QPushButton *TArbeitsblattForm::Knopf(const QString &name) const
{
    auto it = m_knoepfe.find(name);
    return it == m_knoepfe.end() ? nullptr : it->second;
}

QWidget *TArbeitsblattForm::Feld(Optionsfeld f) const
{
    auto it = m_felder.find(f);
    return it == m_felder.end() ? nullptr : it->second;
}

const ArbeitsblattOptionen &TArbeitsblattForm::Optionen() const
{
    return m_opt ? *m_opt : m_eigene;
}

void TArbeitsblattForm::anzeigen()
{
    const ArbeitsblattOptionen &o = Optionen();
    m_fuellen = true;
    m_mode[size_t(std::clamp(o.Variante, 0, 3))]->setChecked(true);
    const bool kopf[] = {o.ABName, o.ABKlasse, o.ABDatum, o.ABFach, o.ABBlattNr};
    for (int i = 0; i < 5; ++i)
        m_kopf[size_t(i)]->setChecked(kopf[i]);
    m_titelEdit->setText(o.Titel);
    m_titelCheck->setChecked(o.TitelVerwenden);
    if (m_aufgMemo->toPlainText() != o.Aufgabe)
        m_aufgMemo->setPlainText(o.Aufgabe);
    m_textvorgabe->setChecked(o.Textvorgabe);
    m_kaestchen->setCurrentIndex(std::clamp((o.Kaestchengroesse - 30) / 10, 0, m_kaestchen->count() - 1));
    m_erstBuchstabe->setChecked(o.ErstBuchstabeVorgabe);
    m_zeichnungen0->setChecked(o.ZeichnungenEinbinden);
    m_basisbild0->setChecked(o.Basisbild);
    m_basisbild->setChecked(o.Basisbild);
    m_groesse->setText(Dezimal(o.BasisbildGroesse));
    m_x->setText(Dezimal(o.BasisbildX));
    m_y->setText(Dezimal(o.BasisbildY));
    m_vollbreite->setChecked(o.Vollbreite);
    m_raender->setChecked(o.Raender);
    m_maxFont->setText(QString::number(o.MaxFontSize));
    m_objekte->setChecked(o.Objekte);
    m_abFrage->setValue(o.AbFrage);
    m_spalten->setCurrentIndex(std::clamp(o.Spalten, 1, 20) - 1);
    (o.Querformat ? m_quer : m_hoch)->setChecked(true);
    m_fuellen = false;
}

void TArbeitsblattForm::einlesen()
{
    if (!m_opt)
        return;
    ArbeitsblattOptionen &o = *m_opt;
    for (int i = 0; i < 4; ++i)
        if (m_mode[size_t(i)]->isChecked())
            o.Variante = i;
    o.ABName = m_kopf[0]->isChecked();
    o.ABKlasse = m_kopf[1]->isChecked();
    o.ABDatum = m_kopf[2]->isChecked();
    o.ABFach = m_kopf[3]->isChecked();
    o.ABBlattNr = m_kopf[4]->isChecked();
    o.Titel = m_titelEdit->text();
    o.TitelVerwenden = m_titelCheck->isChecked();
    o.Aufgabe = m_aufgMemo->toPlainText();
    o.Textvorgabe = m_textvorgabe->isChecked();
    o.Kaestchengroesse = 30 + 10 * std::max(0, m_kaestchen->currentIndex());
    o.ErstBuchstabeVorgabe = m_erstBuchstabe->isChecked();
    o.ZeichnungenEinbinden = m_zeichnungen0->isChecked();
    // the two base-image boxes are kept equal: the one the user changed wins
    QObject *quelle = sender();
    o.Basisbild = quelle == m_basisbild0 ? m_basisbild0->isChecked() : m_basisbild->isChecked();
    o.BasisbildGroesse = DezimalLesen(m_groesse->text(), o.BasisbildGroesse);
    o.BasisbildX = DezimalLesen(m_x->text(), o.BasisbildX);
    o.BasisbildY = DezimalLesen(m_y->text(), o.BasisbildY);
    o.Vollbreite = m_vollbreite->isChecked();
    o.Raender = m_raender->isChecked();
    o.MaxFontSize = std::clamp(int(DezimalLesen(m_maxFont->text(), o.MaxFontSize)), -10, 10);
    o.Objekte = m_objekte->isChecked();
    o.AbFrage = m_abFrage->value();
    o.Spalten = m_spalten->currentIndex() + 1;
    o.Querformat = m_quer->isChecked();
    BildoptionenBegrenzen(o);
}

void TArbeitsblattForm::geaendert()
{
    if (m_fuellen || !m_offen)
        return;
    einlesen();
    DrawSheet();
    // the limits and the mirrored box show in the controls
    anzeigen();
}

void TArbeitsblattForm::BildSchritt(double groesse, double x, double y)
{
    if (!m_opt)
        return;
    einlesen();
    m_opt->BasisbildGroesse = std::round((m_opt->BasisbildGroesse + groesse) * 10) / 10;
    m_opt->BasisbildX = std::round((m_opt->BasisbildX + x) * 10) / 10;
    m_opt->BasisbildY = std::round((m_opt->BasisbildY + y) * 10) / 10;
    BildoptionenBegrenzen(*m_opt);
    anzeigen();
    DrawSheet();
}

void TArbeitsblattForm::FontSchritt(int schritt)
{
    if (!m_opt)
        return;
    einlesen();
    m_opt->MaxFontSize = std::clamp(m_opt->MaxFontSize + schritt, -10, 10);
    anzeigen();
    DrawSheet();
}

void TArbeitsblattForm::titelUmschalten(bool an)
{
    if (m_fuellen || !m_offen || !m_opt || !m_dok)
        return;
    if (an) {
        m_titelEdit->setText(m_dok->Kopf.titel);
    } else if (m_meldungen.Frage(QStringLiteral("Titelzeile ganz entfernen?")) == Antwort::Ja) {
        m_titelEdit->clear();
    }
    geaendert();
}

void TArbeitsblattForm::Oeffnen(Dokument &dok, const ArbeitsblattQuelle &quelle, ArbeitsblattOptionen &optionen)
{
    m_dok = &dok;
    m_opt = &optionen;
    m_zeichner = std::make_unique<Arbeitsblattzeichner>(dok, quelle);
    if (optionen.TitelVerwenden)
        optionen.Titel = dok.Kopf.titel;
    optionen.Aufgabe = dok.Kopf.ABAufgabe;
    const int typ = dok.Kopf.DokTyp;
    for (const auto &[f, w] : m_felder)
        w->setVisible(OptionsfeldSichtbar(f, typ));
    anzeigen();
    m_offen = true;
    DrawSheet();
}

void TArbeitsblattForm::Schliessen()
{
    if (!m_offen)
        return;
    m_offen = false;
    if (m_dok) {
        // the task typed here goes back into the document
        const QString aufgabe = m_aufgMemo->toPlainText();
        if (aufgabe != m_dok->Kopf.ABAufgabe) {
            m_dok->Kopf.ABAufgabe = aufgabe;
            m_dok->Kopf.Geaendert = true;
        }
    }
    m_blatt = Zeichenliste{};
    m_vorschau = QImage();
    m_bild->clear();
    m_zeichner.reset();
    m_dok = nullptr;
}

void TArbeitsblattForm::done(int r)
{
    Schliessen();
    QDialog::done(r);
}

void TArbeitsblattForm::DrawSheet()
{
    if (!m_offen || !m_zeichner || !m_opt)
        return;
    Sanduhr sanduhr;
    m_blatt = m_zeichner->DrawSheet(*m_opt);
    ++m_zeichnungen;
    // the picture of the page's own size, shown scaled
    const QSizeF s = m_blatt.Seite;
    m_vorschau = m_blatt.Bitmap(QSize(int(std::round(s.width())) + 1, int(std::round(s.height()))));
    vorschauZeigen();
}

void TArbeitsblattForm::vorschauZeigen()
{
    if (m_vorschau.isNull())
        return;
    // the sheet keeps 1600 : 2600 (or 2600 : 1600) with a border of 20 pixels
    const bool quer = m_blatt.Seite.width() > m_blatt.Seite.height();
    const int breite = std::max(60, m_box->viewport()->width() - 2);
    const int blattB = breite - 40;
    const int blattH = int(std::round(blattB * (quer ? 1600.0 / 2600.0 : 2600.0 / 1600.0)));
    QImage panel(blattB + 40, blattH + 40, QImage::Format_ARGB32_Premultiplied);
    panel.fill(QColor(128, 128, 128));
    QPainter p(&panel);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(QRect(20, 20, blattB, blattH), m_vorschau);
    p.end();
    m_bild->setPixmap(QPixmap::fromImage(panel));
    m_bild->resize(panel.size());
}

void TArbeitsblattForm::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    vorschauZeigen();
}

bool TArbeitsblattForm::eventFilter(QObject *o, QEvent *e)
{
    QScrollBar *leiste = m_box->verticalScrollBar();
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        auto *m = static_cast<QMouseEvent *>(e);
        if (m->button() == Qt::LeftButton) {
            m_ziehenY = int(m->globalPosition().y());
            return true;
        }
        break;
    }
    case QEvent::MouseMove: {
        auto *m = static_cast<QMouseEvent *>(e);
        if (m_ziehenY >= 0 && (m->buttons() & Qt::LeftButton)) {
            const int y = int(m->globalPosition().y());
            leiste->setValue(leiste->value() - (y - m_ziehenY));
            m_ziehenY = y;
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease: m_ziehenY = -1; break;
    case QEvent::Wheel: {
        auto *w = static_cast<QWheelEvent *>(e);
        const int schritte = w->angleDelta().y() / 120;
        const int zeilen = QApplication::wheelScrollLines();
        leiste->setValue(leiste->value() - schritte * zeilen * leiste->singleStep());
        return true;
    }
    default: break;
    }
    return QDialog::eventFilter(o, e);
}

void TArbeitsblattForm::ZuruecksetzenClick()
{
    if (!m_opt || !m_dok)
        return;
    if (!m_dok->Kopf.Arbeitsblatt.isEmpty())
        ArbeitsblattEinstellungenLesen(m_dok->Kopf.Arbeitsblatt, *m_opt);
    m_opt->Aufgabe = m_dok->Kopf.ABAufgabe;
    anzeigen();
    DrawSheet();
}

void TArbeitsblattForm::DruckenClick()
{
    if (!m_dok || m_blatt.Leer())
        return;
    QString titel = m_dok->Kopf.titel;
    if (titel.isEmpty())
        titel = QFileInfo(m_dok->Kopf.Dateiname).fileName();
    TArbblattDruckForm dialog(m_drucker, m_meldungen, this);
    dialog.Vorbereiten(m_blatt, titel, m_drucklage, m_druckVerhaeltnis, m_kopien, Optionen().Querformat);
    if (DruckdialogPruefen) {
        dialog.Aktivieren();
        DruckdialogPruefen(dialog);
    } else {
        dialog.exec();
    }
    m_drucklage = dialog.LageHochformat();
    m_druckVerhaeltnis = dialog.Verhaeltnis();
    m_kopien = dialog.Kopien();
}

void TArbeitsblattForm::ExportierenClick()
{
    if (!m_dok || m_blatt.Leer())
        return;
    QString wahl;
    QString pfad = m_dialoge.SpeichernMitFilter(QString::fromUtf8(kExportTitel), QFileInfo(m_dok->Kopf.Dateiname).path(),
                                                ExportFilter(), m_dok->Kopf.titel, QString(), &wahl);
    if (pfad.isEmpty())
        return;
    const Blattformat format = ExportformatPruefen(pfad, wahl);
    if (format == Blattformat::Unbekannt) {
        m_meldungen.Fehler(QString::fromUtf8(kUngueltigeEndung));
        return;
    }
    QString fehler;
    Sanduhr sanduhr;
    if (!BlattSchreiben(m_blatt, pfad, format, m_dok->Kopf.titel, &fehler))
        m_meldungen.Fehler(fehler);
}

void TArbeitsblattForm::ZwischenablageClick()
{
    if (!m_dok || m_blatt.Leer())
        return;
    Sanduhr sanduhr;
    QApplication::clipboard()->setMimeData(BlattZwischenablage(m_blatt, m_dok->Kopf.titel));
}

void TArbeitsblattForm::Zeigen(TArbeitsblattForm *&form, QWidget *eltern, Dokument &dok,
                               const ArbeitsblattQuelle &quelle, ArbeitsblattOptionen &optionen, Meldungen &meldungen,
                               Dateidialoge &dialoge, Drucker &drucker)
{
    if (dok.Kopf.ArbeitsblattSperren == 1) {
        meldungen.Information(QString::fromUtf8(kArbeitsblattGesperrt));
        return;
    }
    if (!form)
        form = new TArbeitsblattForm(meldungen, dialoge, drucker, eltern);
    KreuzzuordnungVorbereiten(dok, quelle.Schriftart, true, quelle.Saat);
    form->Oeffnen(dok, quelle, optionen);
    form->exec();
    form->Schliessen();
    KreuzzuordnungVorbereiten(dok, quelle.Schriftart, false, 0);
}

} // namespace kalumo
