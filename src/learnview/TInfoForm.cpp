#include "learnview/TInfoForm.h"

#include "peripheral/Rtf.h"
#include "platform/Dateidialoge.h"
#include "platform/Meldungen.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>

namespace kalumo {

TInfoForm::TInfoForm(Meldungen &meldungen, Dateidialoge &dialoge, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_meldungen(&meldungen), m_dialoge(&dialoge)
{
    setObjectName(QStringLiteral("InfoForm"));
    setWindowTitle(QStringLiteral("Information"));
    setModal(false);
    resize(480, 300);
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(4, 4, 4, 4);
    m_box = new QScrollArea(this);
    m_box->setBackgroundRole(QPalette::Base);
    QPalette weiss = m_box->palette();
    weiss.setColor(QPalette::Base, Qt::white);
    m_box->setPalette(weiss);
    m_box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_bild = new QLabel(m_box);
    m_bild->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_box->setWidget(m_bild);
    spalte->addWidget(m_box, 1);

    auto *knoepfe = new QHBoxLayout;
    m_schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    m_drucken = new QPushButton(QStringLiteral("Drucken..."), this);
    m_speichern = new QPushButton(QStringLiteral("Speichern..."), this);
    m_zwischenablage = new QPushButton(QStringLiteral("In Zwischenablage"), this);
    for (QPushButton *k : {m_schliessen, m_drucken, m_speichern, m_zwischenablage})
        knoepfe->addWidget(k);
    knoepfe->addStretch(1);
    spalte->addLayout(knoepfe);
    connect(m_schliessen, &QPushButton::clicked, this, &QDialog::close);
    connect(m_drucken, &QPushButton::clicked, this, &TInfoForm::Drucken1Click);
    connect(m_speichern, &QPushButton::clicked, this, &TInfoForm::Speichern1Click);
    connect(m_zwischenablage, &QPushButton::clicked, this, &TInfoForm::Zwischenablage1Click);
}

int TInfoForm::TextBreite() const
{
    return std::max(1, m_box->width() - 30);
}

void TInfoForm::Anzeigen(const QImage &raster, const QString &kopie, const QRect &lage)
{
    m_kopie = kopie;
    m_bild->setPixmap(QPixmap::fromImage(raster));
    m_bild->resize(raster.size());
    setGeometry(lage);
    m_box->verticalScrollBar()->setValue(0);
    show();
    raise();
}

void TInfoForm::Drucken1Click()
{
    QPrinter drucker;
    drucker.setDocName(QStringLiteral("Infotext"));
    QPrintDialog dialog(&drucker, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QTextDocument text;
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSize(11);
    text.setDefaultFont(schrift);
    text.setPlainText(m_kopie);
    text.print(&drucker);
}

void TInfoForm::Speichern1Click()
{
    const QString pfad = m_dialoge->Speichern(QStringLiteral("Infotext in Datei speichern"), QString(),
                                             QStringLiteral("Rich Text (*.rtf);;Textdatei (*.txt)"), QString(),
                                             QStringLiteral("rtf"));
    if (pfad.isEmpty())
        return;
    const bool alsText = QFileInfo(pfad).suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0;
    QSaveFile datei(pfad);
    const QByteArray inhalt = alsText ? m_kopie.toUtf8() : RtfAusText(m_kopie);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size() || !datei.commit())
        m_meldungen->Fehler(QStringLiteral("Die Datei \"") + pfad + QStringLiteral("\" kann nicht geschrieben werden."));
}

void TInfoForm::Zwischenablage1Click()
{
    QGuiApplication::clipboard()->setText(m_kopie);
}

} // namespace kalumo
