#include "platform/QtDateidialoge.h"

#include "platform/QtMeldungen.h"

#include <QDir>
#include <QFileDialog>

namespace kalumo {

QString QtDateidialoge::Oeffnen(const QString &titel, const QString &ordner, const QString &filter)
{
    QFileDialog dlg(DialogEltern(m_eltern), titel, ordner, filter);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().first();
}

QString QtDateidialoge::Speichern(const QString &titel, const QString &ordner, const QString &filter,
                                  const QString &vorschlag, const QString &standardEndung)
{
    QFileDialog dlg(DialogEltern(m_eltern), titel, ordner, filter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix(standardEndung);
    if (!vorschlag.isEmpty())
        dlg.selectFile(vorschlag);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().first();
}

QString QtDateidialoge::SpeichernMitFilter(const QString &titel, const QString &ordner, const QString &filter,
                                          const QString &vorschlag, const QString &standardEndung, QString *filterWahl)
{
    QFileDialog dlg(DialogEltern(m_eltern), titel, ordner, filter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix(standardEndung);
    if (!vorschlag.isEmpty())
        dlg.selectFile(vorschlag);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    if (filterWahl)
        *filterWahl = dlg.selectedNameFilter();
    return dlg.selectedFiles().first();
}

QString QtDateidialoge::Ordner(const QString &titel, const QString &ordner)
{
    const QString d = QFileDialog::getExistingDirectory(DialogEltern(m_eltern), titel, ordner);
    return d.isEmpty() ? d : QDir::cleanPath(d) + QLatin1Char('/');
}

} // namespace kalumo
