#pragma once
// Opening a file with the system's default action, and starting a program.
// The windows use QtDateioeffner; tests record the calls with
// SkriptDateioeffner.

#include <QString>
#include <QStringList>

namespace kalumo {

class Dateioeffner
{
public:
    virtual ~Dateioeffner() = default;

    // Hands the file to the desktop's default application; false when that failed.
    virtual bool Oeffnen(const QString &pfad) = 0;
    // Runs an executable file as a program of its own; false when it did not start.
    virtual bool Starten(const QString &pfad) = 0;
    // Hands a web address to the desktop's browser; false when that failed.
    virtual bool AdresseOeffnen(const QString &adresse) = 0;
};

class QtDateioeffner : public Dateioeffner
{
public:
    bool Oeffnen(const QString &pfad) override;   // QDesktopServices::openUrl
    bool Starten(const QString &pfad) override;   // QProcess::startDetached, in the program's folder
    bool AdresseOeffnen(const QString &adresse) override; // QDesktopServices::openUrl
};

// Records every call ("oeffnen:PATH", "starten:PATH", "adresse:URL") and answers with Erfolg.
class SkriptDateioeffner : public Dateioeffner
{
public:
    bool Oeffnen(const QString &pfad) override
    {
        Aufrufe << QStringLiteral("oeffnen:") + pfad;
        return Erfolg;
    }
    bool Starten(const QString &pfad) override
    {
        Aufrufe << QStringLiteral("starten:") + pfad;
        return Erfolg;
    }
    bool AdresseOeffnen(const QString &adresse) override
    {
        Aufrufe << QStringLiteral("adresse:") + adresse;
        return Erfolg;
    }

    bool Erfolg = true;
    QStringList Aufrufe;
};

} // namespace kalumo
