#include "exercise/TBestListForm.h"

#include "document/DokumentDateien.h"
#include "peripheral/Tabellendruck.h"
#include "platform/QtRaster.h"
#include "platform/Windows1252.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kalumo {

TBestListForm::TBestListForm(Meldungen &meldungen, Dateidialoge &dialoge, QWidget *parent)
    : QDialog(parent), m_meldungen(meldungen), m_dialoge(dialoge), m_ordner(QDir::homePath())
{
    setWindowTitle(BestenlisteTitel(BestenlisteArt::Individual));
    m_druckziel = [](QWidget *eltern) -> std::unique_ptr<QPagedPaintDevice> {
        auto drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
        drucker->setDocName(QStringLiteral("Bestenliste"));
        QPrintDialog dialog(drucker.get(), eltern);
        if (dialog.exec() != QDialog::Accepted)
            return nullptr;
        return drucker;
    };

    m_tabelle = new QTableWidget(this);
    m_tabelle->setObjectName(QStringLiteral("BestListGrid"));
    const QStringList kopf = BestenlisteKopfzeile();
    m_tabelle->setColumnCount(int(kopf.size()));
    m_tabelle->setHorizontalHeaderLabels(kopf);
    // the columns keep their widths; the text is set small enough to fit them
    RasterEinrichten(m_tabelle);
    const std::vector<int> breiten = BestenlisteSpaltenbreiten();
    int gesamt = 0;
    for (size_t s = 0; s < breiten.size(); ++s) {
        m_tabelle->setColumnWidth(int(s), breiten[s]);
        gesamt += breiten[s];
    }
    m_tabelle->setMinimumWidth(gesamt + 2 * m_tabelle->frameWidth() + 20);
    m_tabelle->setMinimumHeight(19 * 12);

    auto *hinweis = new QLabel(QStringLiteral("Teil-Wiederholungen werden nicht berücksichtigt."), this);

    m_drucken = new QPushButton(QStringLiteral("Drucken..."), this);
    m_speichern = new QPushButton(QStringLiteral("Speichern..."), this);
    m_zwischenablage = new QPushButton(QStringLiteral("In Zwischenablage"), this);
    m_schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    m_schliessen->setDefault(true);
    connect(m_drucken, &QPushButton::clicked, this, &TBestListForm::DruckenClick);
    connect(m_speichern, &QPushButton::clicked, this, &TBestListForm::SpeichernClick);
    connect(m_zwischenablage, &QPushButton::clicked, this, &TBestListForm::ZwischenablageClick);
    connect(m_schliessen, &QPushButton::clicked, this, &QDialog::accept);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(m_drucken);
    knoepfe->addWidget(m_speichern);
    knoepfe->addWidget(m_zwischenablage);
    knoepfe->addStretch(1);
    knoepfe->addWidget(m_schliessen);

    auto *spalte = new QVBoxLayout(this);
    spalte->addWidget(m_tabelle, 1);
    spalte->addWidget(hinweis);
    spalte->addLayout(knoepfe);

    Fuellen({BestenlisteTitel(BestenlisteArt::Individual), {}});
}

void TBestListForm::Fuellen(const BestenlisteAnzeige &anzeige)
{
    setWindowTitle(anzeige.Titel);
    m_eintraege = anzeige.Eintraege;
    const std::vector<QStringList> zeilen = BestenlisteZeilen(m_eintraege);
    const std::vector<bool> rechts = BestenlisteRechtsbuendig();
    m_tabelle->clearContents();
    // at least one body row, even for an empty list
    m_tabelle->setRowCount(std::max(1, int(zeilen.size())));
    for (size_t z = 0; z < zeilen.size(); ++z) {
        for (qsizetype s = 0; s < zeilen[z].size(); ++s) {
            auto *zelle = new QTableWidgetItem(zeilen[z][s]);
            zelle->setTextAlignment(Qt::AlignVCenter | (rechts[size_t(s)] ? Qt::AlignRight : Qt::AlignLeft));
            m_tabelle->setItem(int(z), int(s), zelle);
        }
    }
    m_drucken->setEnabled(!m_eintraege.empty());
}

void TBestListForm::Zeigen(const BestenlisteOrt &ort)
{
    const std::optional<BestenlisteAnzeige> anzeige = BestenlisteFuerAnzeige(ort, m_meldungen);
    if (!anzeige)
        return;
    Fuellen(*anzeige);
    exec();
}

void TBestListForm::DruckenClick()
{
    std::unique_ptr<QPagedPaintDevice> ziel = m_druckziel ? m_druckziel(this) : nullptr;
    if (!ziel)
        return;
    DruckTabelle tabelle;
    tabelle.Titel = windowTitle();
    tabelle.Zeilen.push_back(BestenlisteKopfzeile());
    for (const QStringList &z : BestenlisteZeilen(m_eintraege))
        tabelle.Zeilen.push_back(z);
    tabelle.Breiten = BestenlisteSpaltenbreiten();
    tabelle.Rechts = BestenlisteRechtsbuendig();
    if (TabelleDrucken(*ziel, tabelle) == 0)
        m_meldungen.Fehler(QStringLiteral("Die Bestenliste konnte nicht gedruckt werden."));
}

void TBestListForm::SpeichernClick()
{
    const QString pfad = m_dialoge.Speichern(QStringLiteral("Bestenliste in Datei speichern"), m_ordner,
                                             QStringLiteral("Textdatei (*.txt);;Alle Dateien (*)"),
                                             QStringLiteral("bestenliste.txt"), QStringLiteral("txt"));
    if (pfad.isEmpty())
        return;
    QSaveFile datei(pfad);
    const QByteArray text = NachWindows1252(BestenlisteText(m_eintraege));
    if (!datei.open(QIODevice::WriteOnly) || datei.write(text) != text.size() || !datei.commit()) {
        m_meldungen.Fehler(MeldungNichtSchreibbar(pfad));
        return;
    }
    m_ordner = QFileInfo(pfad).absolutePath();
}

void TBestListForm::ZwischenablageClick()
{
    QApplication::clipboard()->setText(BestenlisteText(m_eintraege));
}

} // namespace kalumo
