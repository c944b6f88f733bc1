#pragma once
// A plain INI file as administrators write it (the central config.ini):
// "[Sektion]" lines and "Schluessel=Wert" lines, read the way the classic
// profile functions read them. Section and key names compare without regard
// to case, the first occurrence of a key wins, values are trimmed and lose
// one pair of enclosing quotes, lines starting with ';' or '#' are comments.
// Backslashes and commas are plain characters. The text is UTF-8, or
// Windows-1252 when it is not valid UTF-8 (a file brought from Windows).

#include <QByteArray>
#include <QString>

#include <map>

namespace kalumo {

class IniDatei
{
public:
    // An unreadable or missing file gives an empty IniDatei (Vorhanden() false).
    static IniDatei Laden(const QString &pfad);
    static IniDatei AusBytes(const QByteArray &bytes);

    bool Vorhanden() const { return m_vorhanden; }
    bool hatSektion(const QString &sektion) const;
    bool hat(const QString &sektion, const QString &schluessel) const;

    // The default when the key is missing or its text is not of the type.
    QString Text(const QString &sektion, const QString &schluessel, const QString &vorgabe) const;
    // Decimal, or hexadecimal with "0x" or "$".
    int Int(const QString &sektion, const QString &schluessel, int vorgabe) const;
    // An integer (not 0 is true) or "true"/"false".
    bool Bool(const QString &sektion, const QString &schluessel, bool vorgabe) const;
    // Decimal point or decimal comma.
    double Double(const QString &sektion, const QString &schluessel, double vorgabe) const;

private:
    const QString *suchen(const QString &sektion, const QString &schluessel) const;

    bool m_vorhanden = false;
    std::map<QString, std::map<QString, QString>> m_sektionen;   // lower-case names
};

} // namespace kalumo
