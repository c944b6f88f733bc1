#include "platform/Dateioeffner.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace kalumo {

bool QtDateioeffner::Oeffnen(const QString &pfad)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(pfad));
}

bool QtDateioeffner::AdresseOeffnen(const QString &adresse)
{
    const QUrl url = QUrl::fromUserInput(adresse);
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool QtDateioeffner::Starten(const QString &pfad)
{
    return QProcess::startDetached(pfad, {}, QFileInfo(pfad).absolutePath());
}

} // namespace kalumo
