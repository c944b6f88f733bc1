#include "series/TUebungsserieForm.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kalumo {

namespace {

QLabel *hinweis(const QString &text, QWidget *eltern)
{
    auto *l = new QLabel(text, eltern);
    l->setWordWrap(true);
    return l;
}

QString mitZeilenende(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

} // namespace

TUebungsserieForm::TUebungsserieForm(UebungsserieDataTyp &serie, SerienDateiDienste &dienste, QWidget *parent)
    : QDialog(parent), m_logik(serie, dienste), m_d(dienste)
{
    setWindowTitle(QStringLiteral("Übungs-Serie erstellen"));
    setObjectName(QStringLiteral("UebungsserieForm"));
    auto *spalte = new QVBoxLayout(this);

    auto *ordnerZeile = new QHBoxLayout;
    auto *ordnerLabel = new QLabel(QStringLiteral("&Ordner:"), this);
    m_ordner = new QLineEdit(this);
    m_ordner->setObjectName(QStringLiteral("OrdnerEdit"));
    ordnerLabel->setBuddy(m_ordner);
    m_durchsuchen = new QPushButton(QStringLiteral("Durchsuchen..."), this);
    ordnerZeile->addWidget(ordnerLabel);
    ordnerZeile->addWidget(m_ordner, 1);
    ordnerZeile->addWidget(m_durchsuchen);
    spalte->addLayout(ordnerZeile);

    spalte->addWidget(hinweis(QStringLiteral("Erstellen Sie idealerweise einen neuen Ordner und kopieren Sie dort alle "
                                             "Einzelübungen (Kalumo-Dokumente) hinein."),
                              this));
    spalte->addWidget(hinweis(QStringLiteral("Die Bewertungsgewichtung und maximale Zeit (in Minuten, 0 = unbegrenzt) "
                                             "der Einzelübungen sind veränderbar. Klicken Sie dazu einfach in das "
                                             "jeweilige Tabellenfeld und geben Sie Ihre Werte ein."),
                              this));
    spalte->addWidget(hinweis(QStringLiteral("Die Reihenfolge der Übungen können Sie durch Ziehen der "
                                             "Positionsnummern in der Tabelle anpassen. Mit einem Klick in die "
                                             "Spalte \"Aktiv\" nehmen Sie eine Übung in die Serie auf oder "
                                             "entfernen sie daraus."),
                              this));

    auto *standardZeile = new QHBoxLayout;
    m_stdGewichtung = new QSpinBox(this);
    m_stdGewichtung->setObjectName(QStringLiteral("StdGewichtungEdit"));
    m_stdGewichtung->setRange(kStdGewichtungMin, kStdGewichtungMax);
    m_stdZeit = new QSpinBox(this);
    m_stdZeit->setObjectName(QStringLiteral("StdZeitEdit"));
    m_stdZeit->setRange(kStdZeitMin, kStdZeitMax);
    standardZeile->addWidget(new QLabel(QStringLiteral("Std.-Gewichtung:"), this));
    standardZeile->addWidget(m_stdGewichtung);
    standardZeile->addSpacing(20);
    standardZeile->addWidget(new QLabel(QStringLiteral("Standard-Zeit:"), this));
    standardZeile->addWidget(m_stdZeit);
    standardZeile->addWidget(new QLabel(QStringLiteral("Minuten"), this));
    standardZeile->addStretch(1);
    spalte->addLayout(standardZeile);

    m_tabelle = new QTableWidget(this);
    m_tabelle->setObjectName(QStringLiteral("SerieGrid"));
    m_tabelle->setColumnCount(kSerienSpalten);
    m_tabelle->setHorizontalHeaderLabels(Serienerstellung::Kopfzeile());
    m_tabelle->verticalHeader()->hide();
    m_tabelle->verticalHeader()->setDefaultSectionSize(Serienerstellung::kZeilenhoehe);
    m_tabelle->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabelle->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_tabelle->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                               | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    // the widths of the table, widened where this system's font needs more
    // room for a header or a query-mode text
    int breite = 0;
    const auto breiten = Serienerstellung::Spaltenbreiten();
    const QFontMetrics kopfMetrik(m_tabelle->horizontalHeader()->font());
    const QFontMetrics zellMetrik(m_tabelle->font());
    for (int s = 0; s < kSerienSpalten; ++s) {
        int b = std::max(breiten[size_t(s)], kopfMetrik.horizontalAdvance(Serienerstellung::Kopfzeile()[s]) + 12);
        if (s == spalteAbfragemodus) {
            for (int m = abfrageAusKal; m <= abfrageTexteingabe; ++m)
                b = std::max(b, zellMetrik.horizontalAdvance(AbfragemodusText(m)) + 12);
        }
        m_tabelle->setColumnWidth(s, b);
        breite += b;
    }
    m_tabelle->setMinimumSize(breite + 4 + m_tabelle->verticalScrollBar()->sizeHint().width(), 200);
    m_tabelle->viewport()->installEventFilter(this);
    spalte->addWidget(m_tabelle, 1);

    auto *modusGruppe = new QGroupBox(QStringLiteral(" Übungsmodus, wenn nicht im KAL-Dok. gespeichert  (*) "), this);
    auto *modusSpalte = new QVBoxLayout(modusGruppe);
    m_modusGruppe = new QButtonGroup(this);
    for (int m = 0; m < kUebungsmodusAnzahl; ++m) {
        m_modus[size_t(m)] = new QRadioButton(UebungsmodusText(m), modusGruppe);
        m_modusGruppe->addButton(m_modus[size_t(m)], m);
        modusSpalte->addWidget(m_modus[size_t(m)]);
    }
    modusSpalte->addWidget(new QLabel(QStringLiteral("(**) nicht bei Über-Kreuz-Zuordnung und Cluster-Übung"), modusGruppe));
    spalte->addWidget(modusGruppe);

    auto *titelZeile = new QHBoxLayout;
    m_titel = new QLineEdit(this);
    m_titel->setObjectName(QStringLiteral("TitelEdit"));
    titelZeile->addWidget(new QLabel(QStringLiteral("Titel (für Protokoll):"), this));
    titelZeile->addWidget(m_titel, 1);
    spalte->addLayout(titelZeile);
    spalte->addWidget(
        new QLabel(QStringLiteral("Weitere Information (für Protokoll, Tabulator als '<tab>' eingeben):"), this));
    m_information = new QPlainTextEdit(this);
    m_information->setObjectName(QStringLiteral("InformationMemo"));
    m_information->setFixedHeight(70);
    spalte->addWidget(m_information);
    spalte->addWidget(hinweis(QStringLiteral("(*) Abfragemodus und Übungsmodus gelten nur für Übungen, bei denen "
                                             "Übungseinstellungen nicht im KAL-Dokument selbst gespeichert sind (vgl. "
                                             "Autorenfunktion / Dokumenteigenschaften)."),
                              this));

    auto *skalaZeile = new QHBoxLayout;
    m_notenskala = new QPushButton(QStringLiteral("Notenskala..."), this);
    m_notenskala->setEnabled(false);
    skalaZeile->addWidget(m_notenskala);
    skalaZeile->addWidget(hinweis(QStringLiteral("Änderungen, die hier an der Notenskala vorgenommen werden, "
                                                 "verändern die Standard-Notenskala-Einstellungen."),
                                  this),
                          1);
    spalte->addLayout(skalaZeile);

    auto *knopfZeile = new QHBoxLayout;
    m_einlesen = new QPushButton(QStringLiteral("Ordner neu einlesen und Standardwerte setzen"), this);
    m_paket = new QPushButton(QStringLiteral("Übungs-Serien-Paket erstellen..."), this);
    m_starten = new QPushButton(QStringLiteral("Übungs-Serie direkt starten"), this);
    m_starten->setDefault(true);
    m_schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    for (QPushButton *k : {m_einlesen, m_paket, m_starten, m_schliessen})
        k->setAutoDefault(k == m_starten);
    knopfZeile->addWidget(m_einlesen);
    knopfZeile->addStretch(1);
    knopfZeile->addWidget(m_paket);
    knopfZeile->addWidget(m_starten);
    knopfZeile->addWidget(m_schliessen);
    spalte->addLayout(knopfZeile);

    connect(m_durchsuchen, &QPushButton::clicked, this, &TUebungsserieForm::DurchsuchenClick);
    connect(m_einlesen, &QPushButton::clicked, this, &TUebungsserieForm::EinlesenClick);
    connect(m_paket, &QPushButton::clicked, this, &TUebungsserieForm::PaketClick);
    connect(m_starten, &QPushButton::clicked, this, &TUebungsserieForm::StartenClick);
    connect(m_schliessen, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_notenskala, &QPushButton::clicked, this, [this] {
        if (m_notenskalaDialog)
            m_notenskalaDialog();
    });
    connect(m_tabelle, &QTableWidget::cellClicked, this, &TUebungsserieForm::zelleGeklickt);
    connect(m_tabelle, &QTableWidget::cellDoubleClicked, this, &TUebungsserieForm::zelleDoppelklick);
    connect(m_tabelle, &QTableWidget::cellChanged, this, &TUebungsserieForm::zelleGeaendert);

    felderAnzeigen();
    tabelleAnzeigen();
}

void TUebungsserieForm::PaketSetzen(const QString &paket, const QString &ordner)
{
    m_logik.Felder.Paketpfad = paket;
    if (!paket.isEmpty())
        m_logik.Felder.Ordner = ordner;
    felderAnzeigen();
}

int TUebungsserieForm::Uebungsmodus() const
{
    const int m = m_modusGruppe->checkedId();
    return m < 0 ? uebmodusWiederholen : m;
}

void TUebungsserieForm::NotenskalaDialogSetzen(std::function<void()> dialog)
{
    m_notenskalaDialog = std::move(dialog);
    m_notenskala->setEnabled(bool(m_notenskalaDialog));
}

void TUebungsserieForm::felderUebernehmen()
{
    SerienErstellungFelder &f = m_logik.Felder;
    f.Ordner = m_ordner->text();
    f.StdGewichtung = m_stdGewichtung->value();
    f.StdZeit = m_stdZeit->value();
    f.Uebungsmodus = Uebungsmodus();
    f.Titel = m_titel->text();
    f.Information = mitZeilenende(m_information->toPlainText());
}

void TUebungsserieForm::felderAnzeigen()
{
    const SerienErstellungFelder &f = m_logik.Felder;
    m_ordner->setText(f.Ordner);
    m_stdGewichtung->setValue(f.StdGewichtung);
    m_stdZeit->setValue(f.StdZeit);
    m_modus[size_t(UebungsmodusGueltig(f.Uebungsmodus))]->setChecked(true);
    m_titel->setText(f.Titel);
    QString info = f.Information;
    m_information->setPlainText(info.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void TUebungsserieForm::tabelleAnzeigen()
{
    m_fuellen = true;
    m_tabelle->setRowCount(m_logik.Zeilen() - 1);
    for (int z = 1; z < m_logik.Zeilen(); ++z)
        zeileAnzeigen(z);
    m_fuellen = false;
}

void TUebungsserieForm::zeileAnzeigen(int zeile)
{
    const bool vorher = m_fuellen;
    m_fuellen = true;
    const bool mitEintrag = size_t(zeile - 1) < m_logik.Serie().Dokumente.size();
    for (int s = 0; s < kSerienSpalten; ++s) {
        QTableWidgetItem *item = m_tabelle->item(zeile - 1, s);
        if (!item) {
            item = new QTableWidgetItem;
            m_tabelle->setItem(zeile - 1, s, item);
        }
        item->setText(m_logik.Zelle(zeile, s));
        item->setTextAlignment(Serienerstellung::Zentriert(s) ? Qt::AlignCenter : Qt::AlignVCenter | Qt::AlignLeft);
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (mitEintrag && Serienerstellung::Bearbeitbar(s))
            flags |= Qt::ItemIsEditable;
        item->setFlags(flags);
    }
    m_fuellen = vorher;
}

void TUebungsserieForm::zelleGeklickt(int zeile, int spalte)
{
    m_logik.ZelleGeklickt(zeile + 1, spalte);
    zeileAnzeigen(zeile + 1);
}

void TUebungsserieForm::zelleDoppelklick(int, int)
{
    m_logik.Doppelklick();
    if (m_logik.LetzteZeile() >= 1)
        zeileAnzeigen(m_logik.LetzteZeile());
}

void TUebungsserieForm::zelleGeaendert(int zeile, int spalte)
{
    if (m_fuellen)
        return;
    const QTableWidgetItem *item = m_tabelle->item(zeile, spalte);
    m_logik.ZelleBearbeitet(zeile + 1, spalte, item ? item->text() : QString());
}

bool TUebungsserieForm::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == m_tabelle->viewport()) {
        if (ereignis->type() == QEvent::MouseButtonPress) {
            const auto *maus = static_cast<QMouseEvent *>(ereignis);
            const QModelIndex i = m_tabelle->indexAt(maus->position().toPoint());
            if (maus->button() == Qt::LeftButton && i.isValid() && i.column() == spaltePos
                && size_t(i.row()) < m_logik.Serie().Dokumente.size()) {
                m_ziehVon = i.row();
                m_tabelle->viewport()->setCursor(Qt::ClosedHandCursor);
            }
        } else if (ereignis->type() == QEvent::MouseButtonRelease && m_ziehVon >= 0) {
            const auto *maus = static_cast<QMouseEvent *>(ereignis);
            const QPoint p = maus->position().toPoint();
            int nach = m_tabelle->rowAt(p.y());
            if (nach < 0 && p.y() >= 0)
                nach = m_tabelle->rowCount() - 1;   // below the last row: to the end
            const int von = m_ziehVon;
            m_ziehVon = -1;
            m_tabelle->viewport()->unsetCursor();
            if (nach >= 0 && nach != von && m_logik.ZeileVerschieben(von + 1, nach + 1)) {
                tabelleAnzeigen();
                m_tabelle->setCurrentCell(nach, spaltePos);
                return true;
            }
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void TUebungsserieForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    felderUebernehmen();
    m_logik.Anzeigen();
    m_logik.Felder.Paketpfad.clear();   // loaded once
    felderAnzeigen();
    tabelleAnzeigen();
    m_starten->setFocus();
}

void TUebungsserieForm::DurchsuchenClick()
{
    const QString gewaehlt = m_d.Dialoge().Ordner(QStringLiteral("Ordner für Übungsserie auswählen"), m_ordner->text());
    if (gewaehlt.isEmpty())
        return;
    m_ordner->setText(gewaehlt);
    EinlesenClick();
}

void TUebungsserieForm::EinlesenClick()
{
    felderUebernehmen();
    const bool ok = m_logik.SerieOrdnerEinlesen();
    m_ordner->setText(m_logik.Felder.Ordner);
    tabelleAnzeigen();
    if (!ok) {
        m_ordner->setFocus();
        m_ordner->selectAll();
    }
}

void TUebungsserieForm::PaketClick()
{
    felderUebernehmen();
    m_logik.SeriePaketSchreiben();
    tabelleAnzeigen();
}

void TUebungsserieForm::StartenClick()
{
    felderUebernehmen();
    if (!m_logik.SerieDirektStarten()) {
        tabelleAnzeigen();
        return;
    }
    tabelleAnzeigen();
    accept();
}

} // namespace kalumo
