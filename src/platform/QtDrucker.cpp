#include "platform/QtDrucker.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace kalumo {

QtDrucker::QtDrucker(QWidget *eltern) : m_eltern(eltern), m_drucker(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
}

QtDrucker::~QtDrucker() = default;

bool QtDrucker::Vorhanden() const
{
    return !QPrinterInfo::availablePrinterNames().isEmpty() && m_drucker->isValid()
           && !m_drucker->printerName().isEmpty();
}

QString QtDrucker::Geraetename() const
{
    return m_drucker->printerName();
}

QString QtDrucker::Anschluss() const
{
    // CUPS knows queues, not ports: the queue's location stands in for it
    const QPrinterInfo info(*m_drucker);
    return info.isNull() ? QString() : info.location();
}

bool QtDrucker::Einrichten()
{
    if (!Vorhanden())
        return false;
    QPageSetupDialog dialog(m_drucker.get(), m_eltern);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDrucker::Drucken(const Druckauftrag &auftrag, const Zeichnen &zeichnen, QString &fehler)
{
    if (!Vorhanden()) {
        fehler = QString::fromUtf8(kKeinDruckerMeldung);
        return false;
    }
    QPrinter &d = *m_drucker;
    d.setFullPage(false);
    d.setPageOrientation(auftrag.Querformat ? QPageLayout::Landscape : QPageLayout::Portrait);
    d.setCopyCount(std::clamp(auftrag.Kopien, 1, 999));
    d.setDocName(auftrag.Titel);
    QPainter p;
    if (!p.begin(&d)) {
        fehler = QStringLiteral("Der Druckauftrag konnte nicht gestartet werden.");
        return false;
    }
    // 0.1 mm per unit
    const double proZehntel = d.resolution() / 254.0;
    p.scale(proZehntel, proZehntel);
    const QRectF papier = d.paperRect(QPrinter::Millimeter);
    const QRectF bereich = d.pageRect(QPrinter::Millimeter);
    const QPointF versatz((bereich.left() - papier.left()) * 10.0, (bereich.top() - papier.top()) * 10.0);
    zeichnen(p, versatz);
    const bool ok = p.end() && d.printerState() != QPrinter::Error && d.printerState() != QPrinter::Aborted;
    if (!ok)
        fehler = QStringLiteral("Der Druckauftrag ist fehlgeschlagen.");
    return ok;
}

std::unique_ptr<QPagedPaintDevice> DruckzielWaehlen(QWidget *eltern, const QString &auftrag)
{
    auto drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
    drucker->setDocName(auftrag);
    QPrintDialog dialog(drucker.get(), eltern);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return drucker;
}

} // namespace kalumo
