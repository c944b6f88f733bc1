#include "exercise/Protokolldatei.h"

#include "document/DokumentDateien.h"
#include "peripheral/Rtf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace kalumo {

namespace {

// Far more protocols than a folder ever holds in one second.
constexpr int kHoechsterZaehler = 100000;

QString Zeitstempel(const QDateTime &zeit)
{
    const QDate d = zeit.date();
    const QTime t = zeit.time();
    return QString::asprintf("%4.4d%2.2d%2.2d-%2.2d%2.2d%2.2d", d.year(), d.month(), d.day(), t.hour(), t.minute(),
                             t.second());
}

QString Dateisicher(QString name)
{
    for (QChar &c : name)
        if (c == u'/' || c == u'\\' || c == u':' || c == u'*' || c == u'?' || c == u'"' || c == u'<' || c == u'>'
            || c == u'|' || c.unicode() < 0x20)
            c = u'_';
    return name;
}

} // namespace

QString ProtokollDateiname(const QDateTime &zeit, const QString &rechner, int zaehler)
{
    return Zeitstempel(zeit) + u'-' + Dateisicher(rechner) + u'-' + QString::number(zaehler) + QStringLiteral(".rtf");
}

QString EMailProtokollDateiname(const QDateTime &zeit, int zaehler)
{
    return QStringLiteral("email-kalprotokoll-") + Zeitstempel(zeit) + u'-' + QString::number(zaehler)
        + QStringLiteral(".rtf");
}

std::optional<QString> ProtokollDateiSchreiben(const QString &ordner, const std::function<QString(int)> &name,
                                               const QString &protokoll, QString *versucht)
{
    const QDir dir(ordner);
    const QString erster = dir.filePath(name(0));
    if (versucht)
        *versucht = erster;
    if (ordner.isEmpty() || !dir.exists())
        return std::nullopt;
    const QByteArray bytes = ProtokollAlsRtf(protokoll);
    QTemporaryFile temp(dir.filePath(QStringLiteral(".kalprotokoll-XXXXXX")));
    if (!temp.open() || temp.write(bytes) != bytes.size() || !temp.flush())
        return std::nullopt;
    temp.close();
    for (int n = 0; n < kHoechsterZaehler; ++n) {
        const QString ziel = dir.filePath(name(n));
        if (QFileInfo::exists(ziel))
            continue;
        // rename never replaces an existing file: a name taken meanwhile
        // by another writer is skipped
        if (temp.rename(ziel)) {
            temp.setAutoRemove(false);
            QFile::setPermissions(ziel, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
            return ziel;
        }
        if (!QFileInfo::exists(ziel))
            return std::nullopt;
    }
    return std::nullopt;
}

QString ProtokollDateifehlerText(const QString &pfad, const QString &zusatz)
{
    QString t = MeldungNichtSchreibbar(pfad);
    if (!zusatz.isEmpty())
        t += QStringLiteral("\r\n\r\n") + zusatz;
    return t;
}

QString ProtokollAutoSpeichernZusatz()
{
    return QStringLiteral("Das Übungsprotokoll konnte nicht automatisch gespeichert werden. Überprüfen Sie die "
                          "Einstellungen unter \"Optionen / Ordner für Protokolle und Bestenlisten\".");
}

QString ProtokollEMailZusatz()
{
    return QStringLiteral("Das Übungsprotokoll konnte nicht für den E-Mail-Versand zwischengespeichert werden. "
                          "Überprüfen Sie die Einstellungen unter \"Optionen | Ordner für Protokolle und "
                          "Bestenlisten\".");
}

std::optional<QString> ProtokollAutoSpeichern(const QString &protokoll, const QString &protokollOrdner,
                                              const QString &rechner, const QDateTime &jetzt, Meldungen &meldungen)
{
    QString versucht;
    const std::optional<QString> pfad = ProtokollDateiSchreiben(
        protokollOrdner, [&](int n) { return ProtokollDateiname(jetzt, rechner, n); }, protokoll, &versucht);
    if (!pfad)
        meldungen.Fehler(ProtokollDateifehlerText(QDir::toNativeSeparators(versucht), ProtokollAutoSpeichernZusatz()));
    return pfad;
}

std::optional<QString> ProtokollFuerEMailSpeichern(const QString &protokoll, const QString &protokollOrdner,
                                                   const QDateTime &jetzt, Meldungen &meldungen)
{
    QString versucht;
    const std::optional<QString> pfad = ProtokollDateiSchreiben(
        protokollOrdner, [&](int n) { return EMailProtokollDateiname(jetzt, n); }, protokoll, &versucht);
    if (!pfad)
        meldungen.Fehler(ProtokollDateifehlerText(QDir::toNativeSeparators(versucht), ProtokollEMailZusatz()));
    return pfad;
}

bool KommentarAnhaengen(QString &protokoll, const QString &kommentar)
{
    const QString k = kommentar.trimmed();
    if (k.isEmpty())
        return false;
    protokoll += QStringLiteral("\r\n") + QString::fromLatin1(kTitelMarke) + QStringLiteral("Kommentar\r\n") + k;
    return true;
}

QString ProtokollEMailBetreff()
{
    return QStringLiteral("Kalumo-Übungsprotokoll");
}

QString ProtokollEMailText(const UebungsprotokollTyp &protokoll)
{
    if (protokoll.Serie)
        return QStringLiteral("Anbei Kalumo-Übungsprotokoll zur Übungsserie\r\n");
    return QStringLiteral("Anbei Kalumo-Übungsprotokoll zu Themendokument: ") + protokoll.DokumentDatei
        + QStringLiteral("\r\n");
}

} // namespace kalumo
