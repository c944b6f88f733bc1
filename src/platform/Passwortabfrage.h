#pragma once
// Asking the user for a password, behind an interface for tests.

#include <QString>

#include <deque>
#include <optional>

namespace kalumo {

// The caption of every password dialog.
inline constexpr char kPasswortTitel[] = "Bitte Passwort eingeben";

class Passwortabfrage
{
public:
    virtual ~Passwortabfrage() = default;
    // The typed password, or nothing when the user cancelled.
    virtual std::optional<QString> Fragen(const QString &titel, const QString &text) = 0;
};

class SkriptPasswortabfrage : public Passwortabfrage
{
public:
    std::optional<QString> Fragen(const QString &titel, const QString &text) override
    {
        ++Anzahl;
        LetzterText = text;
        if (Antworten.empty())
            return std::nullopt;
        const bool beantwortet = Antworten.front().has_value();
        const QString wert = beantwortet ? *Antworten.front() : QString();
        Antworten.pop_front();
        if (!beantwortet)
            return std::nullopt;
        return wert;
    }
    std::deque<std::optional<QString>> Antworten;
    QString LetzterText;
    int Anzahl = 0;
};

} // namespace kalumo
