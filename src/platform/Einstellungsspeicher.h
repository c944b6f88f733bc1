#pragma once
// The per-user settings: named values of type bool, int, double or string.
// Value names compare without regard to case ("UebOpt-ZeitLimit" and
// "UebOpt-Zeitlimit" are the same value). The program keeps them in an INI
// file under $XDG_CONFIG_HOME/Kalumo/; tests use the store in memory.

#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <variant>

namespace kalumo {

using EinstellungsWert = std::variant<bool, int, double, QString>;

class Einstellungsspeicher
{
public:
    virtual ~Einstellungsspeicher() = default;

    virtual bool hat(const QString &name) const = 0;

    // The value converted to the asked type; the default when the value is
    // absent or cannot be read as that type.
    virtual bool Bool(const QString &name, bool vorgabe) const = 0;
    virtual int Int(const QString &name, int vorgabe) const = 0;
    virtual double Double(const QString &name, double vorgabe) const = 0;
    virtual QString Text(const QString &name, const QString &vorgabe) const = 0;

    virtual void setzen(const QString &name, bool wert) = 0;
    virtual void setzen(const QString &name, int wert) = 0;
    virtual void setzen(const QString &name, double wert) = 0;
    virtual void setzen(const QString &name, const QString &wert) = 0;
    // A literal is a string (it would otherwise pick the bool overload).
    void setzen(const QString &name, const char *wert) { setzen(name, QString::fromUtf8(wert)); }

    // Makes the values permanent; false when they could not be written.
    virtual bool sichern() = 0;
};

// The values in memory; both stores below build on it. A value keeps the
// spelling of its name from when it was first stored.
class WerteSpeicher : public Einstellungsspeicher
{
public:
    bool hat(const QString &name) const override;
    bool Bool(const QString &name, bool vorgabe) const override;
    int Int(const QString &name, int vorgabe) const override;
    double Double(const QString &name, double vorgabe) const override;
    QString Text(const QString &name, const QString &vorgabe) const override;

    void setzen(const QString &name, bool wert) override { ablegen(name, wert); }
    void setzen(const QString &name, int wert) override { ablegen(name, wert); }
    void setzen(const QString &name, double wert) override { ablegen(name, wert); }
    void setzen(const QString &name, const QString &wert) override { ablegen(name, wert); }
    using Einstellungsspeicher::setzen;

    // Names in their stored spelling, and the value as it was stored.
    QStringList Namen() const;
    std::optional<EinstellungsWert> Wert(const QString &name) const;
    void entfernen(const QString &name);

    // How a value is written as text: doubles in the shortest form that reads
    // back to the same number, bools as "true"/"false".
    static QString AlsText(const EinstellungsWert &wert);

protected:
    void ablegen(const QString &name, const EinstellungsWert &wert);
    const EinstellungsWert *suchen(const QString &name) const;

    struct Eintrag
    {
        QString Name;
        EinstellungsWert Wert;
    };
    std::map<QString, Eintrag> m_werte;   // key: the name in lower case
};

// For tests and the command-line tool: nothing leaves memory.
class EinstellungsspeicherImSpeicher : public WerteSpeicher
{
public:
    bool sichern() override
    {
        ++m_gesichert;
        return true;
    }
    int Gesichert() const { return m_gesichert; }

private:
    int m_gesichert = 0;
};

// The INI file of the user. Read completely when constructed (a missing or
// unreadable file gives an empty store); sichern() writes every value,
// including those this version of the program does not know.
class IniEinstellungsspeicher : public WerteSpeicher
{
public:
    explicit IniEinstellungsspeicher(const QString &pfad = StandardPfad());

    // $XDG_CONFIG_HOME/Kalumo/Kalumo.ini
    static QString StandardPfad();
    const QString &Pfad() const { return m_pfad; }

    bool sichern() override;

private:
    QString m_pfad;
};

} // namespace kalumo
