#include "platform/EMail.h"

#include <QProcess>

namespace kalumo {

XdgEMailProgramm::XdgEMailProgramm(const QString &befehl) : m_befehl(befehl)
{
    if (m_befehl.isEmpty())
        m_befehl = qEnvironmentVariable("KALUMO_EMAIL_BEFEHL");
    if (m_befehl.isEmpty())
        m_befehl = QStringLiteral("xdg-email");
}

QStringList XdgEMailProgramm::Argumente(const QStringList &anhaenge, const QString &text, const QString &betreff)
{
    QStringList a{QStringLiteral("--utf8"), QStringLiteral("--subject"), betreff, QStringLiteral("--body"), text};
    for (const QString &pfad : anhaenge)
        a << QStringLiteral("--attach") << pfad;
    return a;
}

int XdgEMailProgramm::Senden(const QStringList &anhaenge, const QString &text, const QString &betreff)
{
    // not parented: a mail program that is still open when the waiting time
    // is over must not be ended with this object
    auto *prozess = new QProcess;
    prozess->setProgram(m_befehl);
    prozess->setArguments(Argumente(anhaenge, text, betreff));
    prozess->setStandardInputFile(QProcess::nullDevice());
    prozess->setStandardOutputFile(QProcess::nullDevice());
    prozess->setStandardErrorFile(QProcess::nullDevice());
    prozess->start();
    if (!prozess->waitForStarted(WartezeitMs)) {
        delete prozess;
        return 1;
    }
    if (!prozess->waitForFinished(WartezeitMs)) {
        QObject::connect(prozess, &QProcess::finished, prozess, &QObject::deleteLater);
        return 0;
    }
    const int ergebnis = prozess->exitStatus() == QProcess::NormalExit ? prozess->exitCode() : 1;
    delete prozess;
    return ergebnis;
}

QStringList AnhaengeAusListe(const QString &liste)
{
    QStringList pfade;
    qsizetype i = 0;
    const qsizetype n = liste.size();
    while (i < n) {
        while (i < n && (liste[i] == u',' || liste[i].isSpace()))
            ++i;
        if (i >= n)
            break;
        QString pfad;
        if (liste[i] == u'"') {
            ++i;
            while (i < n && liste[i] != u'"')
                pfad += liste[i++];
            ++i;   // the closing quote
        } else {
            while (i < n && liste[i] != u',')
                pfad += liste[i++];
            pfad = pfad.trimmed();
        }
        if (!pfad.isEmpty())
            pfade << pfad;
    }
    return pfade;
}

QString AnhaengeAlsListe(const QStringList &pfade)
{
    QStringList teile;
    for (const QString &p : pfade)
        teile << u'"' + p + u'"';
    return teile.join(u',');
}

QString EMailErfolgText()
{
    return QStringLiteral("Die Nachricht wurde dem E-Mail-Programm erfolgreich übermittelt. Falls Ihr E-Mail-Programm "
                          "Nachrichten nicht sofort versendet, sondern erst im Postausgang zwischenspeichert, müssen Sie "
                          "den Versand in Ihrem E-Mail-Programm noch selbst auslösen.");
}

QString EMailFehlerText()
{
    return QStringLiteral("Der E-Mail-Versand wurde abgebrochen oder es ist ein Fehler aufgetreten.");
}

int EMailSenden(EMailProgramm &programm, Meldungen &meldungen, const QString &anhaenge, const QString &text,
                const QString &betreff)
{
    const int ergebnis = programm.Senden(AnhaengeAusListe(anhaenge), text, betreff);
    if (ergebnis == 0)
        meldungen.Information(EMailErfolgText());
    else
        meldungen.Warnung(EMailFehlerText());
    return ergebnis;
}

} // namespace kalumo
