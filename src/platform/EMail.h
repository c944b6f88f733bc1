#pragma once
// Handing a message to the user's e-mail program: a new mail with subject,
// body and attachments and no recipient, which the user completes and sends
// there. The program uses xdg-email; tests use SkriptEMailProgramm or point
// the command at a script of their own.

#include "platform/Meldungen.h"

#include <QString>
#include <QStringList>

namespace kalumo {

class EMailProgramm
{
public:
    virtual ~EMailProgramm() = default;
    // 0 when the mail program took the message; anything else when it is
    // missing, refused or failed.
    virtual int Senden(const QStringList &anhaenge, const QString &text, const QString &betreff) = 0;
};

// xdg-email --utf8 --subject … --body … --attach … (one --attach per file).
// The command is "xdg-email" unless the constructor or the environment
// variable KALUMO_EMAIL_BEFEHL names another.
class XdgEMailProgramm : public EMailProgramm
{
public:
    explicit XdgEMailProgramm(const QString &befehl = QString());

    int Senden(const QStringList &anhaenge, const QString &text, const QString &betreff) override;

    static QStringList Argumente(const QStringList &anhaenge, const QString &text, const QString &betreff);
    const QString &Befehl() const { return m_befehl; }

    // A mail program that opens its window from xdg-email and keeps it open
    // holds xdg-email until it is closed: after this long the hand-over
    // counts as done and the program runs on by itself.
    int WartezeitMs = 5000;

private:
    QString m_befehl;
};

// For tests: records each call and answers with Ergebnis.
class SkriptEMailProgramm : public EMailProgramm
{
public:
    struct Aufruf
    {
        QStringList Anhaenge;
        QString Text;
        QString Betreff;
    };
    int Senden(const QStringList &anhaenge, const QString &text, const QString &betreff) override
    {
        Aufrufe.push_back({anhaenge, text, betreff});
        return Ergebnis;
    }
    int Ergebnis = 0;
    std::vector<Aufruf> Aufrufe;
};

// The attachment list as the program passes it around: paths in double
// quotes separated by commas ("\"/a b/x.kal\",\"/c,d/y.rtf\""); an unquoted
// item runs to the next comma.
QStringList AnhaengeAusListe(const QString &liste);
QString AnhaengeAlsListe(const QStringList &pfade);

// EMailSenden: hands the message over and tells the user how it went (the
// information that the message reached the mail program, or the warning
// that sending was cancelled or failed). Returns the mail program's result.
int EMailSenden(EMailProgramm &programm, Meldungen &meldungen, const QString &anhaenge, const QString &text,
                const QString &betreff);

QString EMailErfolgText();
QString EMailFehlerText();

} // namespace kalumo
