#include "network/TMasterProtForm.h"

#include "document/DokumentDateien.h"
#include "exercise/TProtokollAnzeige.h"
#include "peripheral/Rtf.h"
#include "peripheral/Tabellendruck.h"
#include "platform/QtDrucker.h"
#include "platform/QtRaster.h"
#include "platform/Windows1252.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace kalumo {

namespace {
constexpr int kZellenRand = 5;   // pixels on each side of a cell's text
} // namespace

TMasterProtForm::TMasterProtForm(NetzLehrer &lehrer, Meldungen &meldungen, Dateidialoge &dialoge, QWidget *parent)
    : QDialog(parent), m_lehrer(lehrer), m_meldungen(meldungen), m_dialoge(dialoge), m_ordner(QDir::homePath())
{
    setObjectName(QStringLiteral("MasterProtForm"));
    setModal(false);
    m_druckziel = TProtokollAnzeige::StandardDruckziel();
    m_kommentar = TProtokollAnzeige::StandardKommentardialog(KontrollKommentarTitel());

    m_teilnehmerKnopf = new QPushButton(KontrollTeilnehmerSeiteText(), this);
    m_teilnehmerKnopf->setToolTip(QStringLiteral("Echtzeit-Teilnehmerprotokoll anzeigen"));
    m_infoKnopf = new QPushButton(KontrollInformationSeiteText(), this);
    m_infoKnopf->setToolTip(QStringLiteral("Informationen zur Netzwerk-Übung anzeigen"));
    for (QPushButton *k : {m_teilnehmerKnopf, m_infoKnopf}) {
        k->setCheckable(true);
        k->setAutoExclusive(true);
    }
    connect(m_teilnehmerKnopf, &QPushButton::clicked, this, [this] { SeiteZeigen(Seite::Teilnehmer); });
    connect(m_infoKnopf, &QPushButton::clicked, this, [this] { SeiteZeigen(Seite::Information); });

    m_tabelle = new QTableWidget(this);
    m_tabelle->setObjectName(QStringLiteral("TeilnehmerGrid"));
    // the columns keep their widths; the text is set small enough to fit them
    RasterEinrichten(m_tabelle);

    m_info = new TProtokollAnzeige(this);
    m_info->setObjectName(QStringLiteral("InfoMemo"));

    m_seiten = new QStackedWidget(this);
    m_seiten->addWidget(m_tabelle);
    m_seiten->addWidget(m_info);

    auto *hinweis = new QLabel(KontrollHinweisText(), this);
    hinweis->setWordWrap(true);
    m_anmeldung = new QCheckBox(KontrollAnmeldungText(), this);
    m_anmeldung->setChecked(true);
    connect(m_anmeldung, &QCheckBox::clicked, this, &TMasterProtForm::AnmeldungClick);

    auto *schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    auto *kopieren = new QPushButton(QStringLiteral("In Zw.abl. kopieren"), this);
    auto *speichern = new QPushButton(QStringLiteral("Speichern..."), this);
    auto *drucken = new QPushButton(QStringLiteral("Drucken..."), this);
    auto *kommentar = new QPushButton(QStringLiteral("Kommentar hinzufügen..."), this);
    kommentar->setObjectName(QStringLiteral("KommentarKnopf"));
    auto *bestenliste = new QPushButton(QStringLiteral("Bestenliste..."), this);
    m_beenden = new QPushButton(QStringLiteral("Netz-Übung beenden und schließen"), this);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::hide);
    connect(kopieren, &QPushButton::clicked, this, &TMasterProtForm::ZwischenablageClick);
    connect(speichern, &QPushButton::clicked, this, &TMasterProtForm::SpeichernClick);
    connect(drucken, &QPushButton::clicked, this, &TMasterProtForm::DruckenClick);
    connect(kommentar, &QPushButton::clicked, this, &TMasterProtForm::KommentarClick);
    connect(bestenliste, &QPushButton::clicked, this, &TMasterProtForm::BestenlisteClick);
    connect(m_beenden, &QPushButton::clicked, this, &TMasterProtForm::BeendenClick);
    // the comment belongs to the information page
    connect(m_seiten, &QStackedWidget::currentChanged, kommentar,
            [kommentar](int seite) { kommentar->setEnabled(seite == int(Seite::Information)); });
    kommentar->setEnabled(false);

    auto *seitenKnoepfe = new QHBoxLayout;
    seitenKnoepfe->addWidget(m_teilnehmerKnopf);
    seitenKnoepfe->addWidget(m_infoKnopf);
    seitenKnoepfe->addStretch(1);
    seitenKnoepfe->addWidget(bestenliste);

    auto *unten = new QHBoxLayout;
    auto *links = new QVBoxLayout;
    links->addWidget(hinweis);
    links->addWidget(m_anmeldung);
    unten->addLayout(links, 1);
    auto *knoepfe = new QVBoxLayout;
    auto *reihe1 = new QHBoxLayout;
    reihe1->addWidget(kopieren);
    reihe1->addWidget(speichern);
    reihe1->addWidget(drucken);
    reihe1->addWidget(kommentar);
    auto *reihe2 = new QHBoxLayout;
    reihe2->addStretch(1);
    reihe2->addWidget(m_beenden);
    reihe2->addWidget(schliessen);
    knoepfe->addLayout(reihe1);
    knoepfe->addLayout(reihe2);
    unten->addLayout(knoepfe);

    auto *spalte = new QVBoxLayout(this);
    spalte->addLayout(seitenKnoepfe);
    spalte->addWidget(m_seiten, 1);
    spalte->addLayout(unten);
    resize(900, 480);

    Einrichten();
}

void TMasterProtForm::titelSetzen()
{
    setWindowTitle(KontrollanzeigeTitel(m_lehrer.Aktiv()));
}

void TMasterProtForm::spaltenEinrichten()
{
    const NetzKontrollModell &k = m_lehrer.Kontrolle();
    const QStringList kopf = k.Kopfzeile();
    m_tabelle->clear();
    m_tabelle->setColumnCount(int(kopf.size()));
    m_tabelle->setHorizontalHeaderLabels(kopf);
    const std::vector<int> breiten = k.Spaltenbreiten();
    for (size_t s = 0; s < breiten.size(); ++s) {
        m_tabelle->setColumnWidth(int(s), breiten[s]);
        breiteAnpassen(int(s), kopf[qsizetype(s)]);
    }
    // one empty body row while nobody has joined
    m_tabelle->setRowCount(int(k.AnzeigeZeilen().size()));
    for (int z = 0; z < k.Zeilenzahl(); ++z)
        zeileZeigen(z);
}

void TMasterProtForm::zeileZeigen(int zeile)
{
    const NetzKontrollModell &k = m_lehrer.Kontrolle();
    if (zeile < 0 || zeile >= k.Zeilenzahl())
        return;
    if (m_tabelle->columnCount() != k.Spaltenzahl()) {
        spaltenEinrichten();
        return;
    }
    if (zeile >= m_tabelle->rowCount())
        m_tabelle->setRowCount(zeile + 1);
    const std::vector<bool> rechts = k.Rechtsbuendig();
    const QStringList &z = k.Zeilen()[size_t(zeile)];
    for (qsizetype s = 0; s < z.size(); ++s) {
        QTableWidgetItem *zelle = m_tabelle->item(zeile, int(s));
        if (!zelle) {
            zelle = new QTableWidgetItem;
            zelle->setTextAlignment(Qt::AlignVCenter | (rechts[size_t(s)] ? Qt::AlignRight : Qt::AlignLeft));
            m_tabelle->setItem(zeile, int(s), zelle);
        }
        if (zelle->text() != z[s]) {
            zelle->setText(z[s]);
            breiteAnpassen(int(s), z[s]);
        }
    }
}

void TMasterProtForm::breiteAnpassen(int spalte, const QString &text)
{
    // the given widths are the least; a column grows until its cells fit
    const int noetig = m_tabelle->fontMetrics().horizontalAdvance(text) + 2 * kZellenRand;
    if (noetig > m_tabelle->columnWidth(spalte))
        m_tabelle->setColumnWidth(spalte, noetig);
}

void TMasterProtForm::informationZeigen()
{
    m_info->ProtokollSetzen(m_lehrer.Protokoll());
}

QTextEdit *TMasterProtForm::Information() const
{
    return m_info;
}

void TMasterProtForm::Einrichten()
{
    m_lehrer.ZeileGeaendert = [this](int zeile) { zeileZeigen(zeile); };
    spaltenEinrichten();
    informationZeigen();
    m_anmeldung->setChecked(m_lehrer.Aktiv());
    m_beenden->setEnabled(m_lehrer.Aktiv());
    SeiteZeigen(Seite::Teilnehmer);
    titelSetzen();
}

void TMasterProtForm::Zeigen()
{
    titelSetzen();
    show();
    raise();
    activateWindow();
}

TMasterProtForm::Seite TMasterProtForm::AktuelleSeite() const
{
    return m_seiten->currentIndex() == int(Seite::Information) ? Seite::Information : Seite::Teilnehmer;
}

void TMasterProtForm::SeiteZeigen(Seite s)
{
    m_seiten->setCurrentIndex(int(s));
    m_teilnehmerKnopf->setChecked(s == Seite::Teilnehmer);
    m_infoKnopf->setChecked(s == Seite::Information);
}

void TMasterProtForm::ZwischenablageClick()
{
    if (AktuelleSeite() == Seite::Teilnehmer) {
        QApplication::clipboard()->setText(m_lehrer.Kontrolle().Text());
        return;
    }
    m_info->Kopieren();
}

void TMasterProtForm::SpeichernClick()
{
    if (AktuelleSeite() == Seite::Information) {
        m_info->Speichern(m_dialoge, m_meldungen, QStringLiteral("Übungsinformation in Datei speichern"), m_ordner,
                          QStringLiteral("uebungsinformation.rtf"));
        return;
    }
    const QString pfad = m_dialoge.Speichern(QStringLiteral("Teilnehmerprotokoll in Datei speichern"), m_ordner,
                                             QStringLiteral("Textdatei (*.txt);;Alle Dateien (*)"),
                                             QStringLiteral("teilnehmerprotokoll.txt"), QStringLiteral("txt"));
    if (pfad.isEmpty())
        return;
    const QByteArray bytes = NachWindows1252(m_lehrer.Kontrolle().Text());
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(bytes) != bytes.size() || !datei.commit()) {
        m_meldungen.Fehler(MeldungNichtSchreibbar(pfad));
        return;
    }
    m_ordner = QFileInfo(pfad).absolutePath();
}

void TMasterProtForm::DruckenClick()
{
    const bool teilnehmer = AktuelleSeite() == Seite::Teilnehmer;
    std::unique_ptr<QPagedPaintDevice> ziel =
        m_druckziel ? m_druckziel(this, teilnehmer ? QStringLiteral("Teilnehmerprotokoll")
                                                   : QStringLiteral("Netzwerk-Übung"))
                    : nullptr;
    if (!ziel)
        return;
    if (teilnehmer) {
        const NetzKontrollModell &k = m_lehrer.Kontrolle();
        DruckTabelle tabelle;
        tabelle.Titel = KontrollanzeigeTitel(m_lehrer.Aktiv());
        tabelle.Zeilen.push_back(k.Kopfzeile());
        for (const QStringList &z : k.Zeilen())
            tabelle.Zeilen.push_back(z);
        tabelle.Breiten = k.Spaltenbreiten();
        tabelle.Rechts = k.Rechtsbuendig();
        if (TabelleDrucken(*ziel, tabelle) == 0)
            m_meldungen.Fehler(QStringLiteral("Das Teilnehmerprotokoll konnte nicht gedruckt werden."));
        return;
    }
    m_info->Drucken(*ziel);
}

void TMasterProtForm::KommentarClick()
{
    if (!m_kommentar)
        return;
    const std::optional<QString> k = m_kommentar(this);
    if (!k)
        return;
    m_lehrer.KommentarHinzufuegen(*k);
    informationZeigen();
}

void TMasterProtForm::BestenlisteClick()
{
    if (BestenlisteZeigen)
        BestenlisteZeigen();
}

void TMasterProtForm::AnmeldungClick(bool zulassen)
{
    const bool offen = m_lehrer.AnmeldungZulassen(zulassen);
    m_anmeldung->setChecked(offen);
}

void TMasterProtForm::BeendenClick()
{
    if (m_lehrer.Aktiv() && m_meldungen.Frage(NetzBeendenFrageText()) != Antwort::Ja)
        return;
    m_lehrer.Beenden();
    m_anmeldung->setChecked(false);
    m_beenden->setEnabled(false);
    titelSetzen();
    if (NachDemBeenden)
        NachDemBeenden();
    hide();
}

} // namespace kalumo
