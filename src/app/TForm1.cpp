#include "app/TForm1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QStackedLayout>

namespace kalumo {

namespace {

QString startSeitenText()
{
    const QString q = QStringLiteral("\"");
    const QString crlf = QStringLiteral("\n");
    return QStringLiteral("Um ein Kalumo-Dokument anzuzeigen,") + crlf + crlf + QStringLiteral("rufen Sie das Menü ") + q
        + QStringLiteral("Themenauswahl") + q + QStringLiteral(" oder ") + q + QStringLiteral("Datei / Öffnen") + q
        + QStringLiteral(" auf.") + crlf + crlf + crlf + crlf + QStringLiteral("Für einen neuen Tafelanschrieb") + crlf
        + crlf + QStringLiteral("klicken Sie auf den Knopf ") + q + QStringLiteral("Neues Blatt") + q
        + QStringLiteral(" (rechts bei Tafelanschrieb).") + crlf;
}

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent), m_qtMeldungen(this)
{
    QMenu *datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    QAction *oeffnen = datei->addAction(QStringLiteral("Ö&ffnen..."), this, &TForm1::Oeffnen1Click);
    oeffnen->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    QAction *speichern = datei->addAction(QStringLiteral("&Speichern"), this, &TForm1::Speichern1Click);
    speichern->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    QAction *unter = datei->addAction(QStringLiteral("Speichern &unter..."), this, &TForm1::SpeichernUnter1Click);
    unter->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    QAction *schliessen = datei->addAction(QStringLiteral("Schl&ießen"), this, &TForm1::Schliessen1Click);
    schliessen->setShortcut(QKeySequence(QStringLiteral("Ctrl+F4")));
    datei->addSeparator();
    datei->addAction(QStringLiteral("&Beenden"), this, &QWidget::close);

    auto *flaeche = new QWidget(this);
    auto *stapel = new QStackedLayout(flaeche);
    stapel->setStackingMode(QStackedLayout::StackAll);
    m_bild = new QLabel(flaeche);
    m_bild->setAlignment(Qt::AlignCenter);
    m_bild->setMinimumSize(200, 150);
    m_startInfo = new QLabel(startSeitenText(), flaeche);
    m_startInfo->setAlignment(Qt::AlignCenter);
    m_startInfo->setStyleSheet(QStringLiteral("color: #6F6F6A; font-size: 16pt;"));
    stapel->addWidget(m_startInfo);
    stapel->addWidget(m_bild);
    setCentralWidget(flaeche);

    m_dok.Basisbild = Startbild();
    NeuesDokument(m_dok);
    TitelAnzeigen();
    resize(1024, 720);
    BildZeigen();
}

QImage TForm1::Startbild() const
{
    QImage b(1000, 700, QImage::Format_RGBA8888);
    b.fill(QColor(0xFF, 0xFF, 0xFF));
    return b;
}

void TForm1::Kommandozeile(const QStringList &argumente)
{
    if (argumente.isEmpty() || argumente.first().isEmpty())
        return;
    const QFileInfo info(argumente.first());
    if (info.isDir()) {
        m_dok.Bibliotheksordner = info.absoluteFilePath() + QLatin1Char('/');
        return;
    }
    m_dok.Bibliotheksordner = info.absolutePath() + QLatin1Char('/');
    if (!info.fileName().isEmpty()) {
        DokumentLesen(m_dok, *this, info.absoluteFilePath(), true);
        TitelAnzeigen();
        BildZeigen();
    }
}

void TForm1::Oeffnen1Click()
{
    BefehlOeffnen(m_dok, *this);
    BildZeigen();
}

void TForm1::Speichern1Click()
{
    BefehlSpeichern(m_dok, *this);
}

void TForm1::SpeichernUnter1Click()
{
    BefehlSpeichernUnter(m_dok, *this);
}

void TForm1::Schliessen1Click()
{
    BefehlSchliessen(m_dok, *this);
    BildZeigen();
}

void TForm1::Sanduhr(bool an)
{
    if (an)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TForm1::NachDemLesen(Dokument &, bool) {}

void TForm1::NachDemSchliessen(Dokument &) {}

QString TForm1::OeffnenDialog(const QString &startOrdner)
{
    return QFileDialog::getOpenFileName(this, QString::fromUtf8(kOeffnenTitel), startOrdner, DokumentDateifilter());
}

QString TForm1::SpeichernDialog(const QString &startOrdner, const QString &vorschlag)
{
    QFileDialog dlg(this, QString::fromUtf8(kSpeichernTitel), startOrdner, DokumentDateifilter());
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix(QStringLiteral("kal"));
    if (!vorschlag.isEmpty())
        dlg.selectFile(vorschlag);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().first();
}

void TForm1::TitelAnzeigen()
{
    QString titel = QStringLiteral("Kalumo");
    if (!m_dok.Kopf.Dateiname.isEmpty())
        titel += QStringLiteral(" - ") + QFileInfo(m_dok.Kopf.Dateiname).fileName();
    setWindowTitle(titel);
}

void TForm1::BildZeigen()
{
    const bool offen = !m_dok.Kopf.Dateiname.isEmpty();
    m_startInfo->setVisible(!offen);
    m_bild->setVisible(offen);
    if (!offen || m_dok.Basisbild.isNull()) {
        m_bild->clear();
        return;
    }
    // until the learning view exists: the page with its base image, scaled to the window
    const HeaderDataTyp &k = m_dok.Kopf;
    const int pw = std::max(1, k.SeitRatioBreite);
    const int ph = std::max(1, k.SeitRatioHoehe);
    QImage seite(pw, ph, QImage::Format_ARGB32_Premultiplied);
    const int c = k.HtgdCol;
    seite.fill(QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
    {
        QPainter p(&seite);
        p.setOpacity(k.BasisbildDeck / 100.0);
        p.drawImage(QPointF(k.RandErw[0] * m_dok.Basisbild.width(), k.RandErw[1] * m_dok.Basisbild.height()),
                    m_dok.Basisbild);
    }
    const QSize ziel = m_bild->size().boundedTo(seite.size());
    m_bild->setPixmap(QPixmap::fromImage(seite.scaled(ziel, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TForm1::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    BildZeigen();
}

void TForm1::closeEvent(QCloseEvent *e)
{
    if (!AenderungenSpeichernFragen(m_dok, *this)) {
        e->ignore();
        return;
    }
    e->accept();
}

} // namespace kalumo
