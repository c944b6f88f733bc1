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
#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

namespace kalumo {

TInfoForm::TInfoForm(Meldungen &meldungen, Dateidialoge &dialoge, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_meldungen(&meldungen), m_dialoge(&dialoge)
{
    setObjectName(QStringLiteral("InfoForm"));
    setWindowTitle(QStringLiteral("Information"));
    setModal(false);
    resize(480, 300);
    setMinimumSize(200, 120);
    setSizeGripEnabled(true);
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
    // a little white around the text (inside the 30 pixels kept free)
    m_bild->setContentsMargins(6, 4, 0, 4);
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

void TInfoForm::TextSetzen()
{
    if (!m_setzer)
        return;
    const QImage raster = InfotextRaster(m_text, TextBreite(), m_setzer);
    m_bild->setPixmap(QPixmap::fromImage(raster));
    m_bild->resize(raster.size().grownBy(m_bild->contentsMargins()));
}

void TInfoForm::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    // the text follows the width of the window
    if (m_setzer && m_bild->pixmap().width() != TextBreite())
        TextSetzen();
}

QMargins TInfoForm::Rahmen() const
{
    // the window manager's frame: this window's once it has been shown,
    // before that the main window's as an estimate
    auto raender = [](const QWidget *w) {
        const QRect a = w->frameGeometry(), i = w->geometry();
        return QMargins(i.left() - a.left(), i.top() - a.top(), a.right() - i.right(), a.bottom() - i.bottom());
    };
    if (testAttribute(Qt::WA_WState_Created) && frameGeometry() != geometry())
        return raender(this);
    if (parentWidget() && parentWidget()->window()->isVisible())
        return raender(parentWidget()->window());
    return {};
}

void TInfoForm::AufDenBildschirm()
{
    const QScreen *bildschirm = parentWidget() ? parentWidget()->screen() : screen();
    if (!bildschirm)
        return;
    const QRect frei = bildschirm->availableGeometry();
    const QMargins rahmen = Rahmen();
    // never taller or wider than the screen, the title bar never above its edge
    const QSize innen(std::min(width(), frei.width() - rahmen.left() - rahmen.right()),
                      std::min(height(), frei.height() - rahmen.top() - rahmen.bottom()));
    if (innen != size() && innen.width() > 0 && innen.height() > 0)
        resize(innen);
    const QRect aussen(pos(), size().grownBy(rahmen));
    move(kalumo::AufDemBildschirm(aussen, frei).topLeft());
}

void TInfoForm::Anzeigen(const QString &text, const QString &kopie, Textsetzer setzer, const QRect &hauptfenster)
{
    m_kopie = kopie;
    m_text = text;
    m_setzer = std::move(setzer);
    // the width the window has (480 pixels at first, or what the user made
    // it); the scroll box gets its size from the layout before the text is set
    layout()->activate();
    TextSetzen();
    // everything the window shows besides the text: buttons, margins, the box's frame
    const int zusatz = height() - m_box->height() + 2 * m_box->frameWidth();
    const QRect lage = InfofensterLage(hauptfenster, width(), m_bild->height(), zusatz);
    resize(lage.size());
    move(lage.topLeft());
    AufDenBildschirm();
    m_box->verticalScrollBar()->setValue(0);
    show();
    raise();
    // the frame is known once the window is shown, with a window manager
    // perhaps only a moment later
    AufDenBildschirm();
    QTimer::singleShot(100, this, [this] {
        if (isVisible())
            AufDenBildschirm();
    });
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
