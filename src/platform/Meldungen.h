#pragma once
// Every message box of the program goes through this interface, so that the
// windows show real dialogs while tests and the command-line tool answer and
// record them.

#include <QString>
#include <QStringList>
#include <deque>

namespace kalumo {

enum class MeldungArt { Information, Frage, Warnung, Fehler };

enum class Antwort { Ok, Ja, Nein, Abbrechen };

enum class FrageKnoepfe { JaNein, JaNeinAbbrechen };

// Caption of the box for each kind: "Information", "Bestätigung", "Warnung", "Fehler".
QString MeldungTitel(MeldungArt art);

class Meldungen
{
public:
    virtual ~Meldungen() = default;

    virtual void Information(const QString &text) = 0;
    virtual void Warnung(const QString &text) = 0;
    virtual void Fehler(const QString &text) = 0;
    virtual Antwort Frage(const QString &text, FrageKnoepfe knoepfe = FrageKnoepfe::JaNein) = 0;
    // A Yes/No question with a caption and button texts of its own, such as
    // the end dialog "Beenden" with "Ja, beenden" / "Nein, weiter arbeiten".
    virtual Antwort EigeneFrage(const QString &titel, const QString &text, const QString &ja, const QString &nein)
    {
        return Frage(text);
    }
};

// One shown message, as recorded by the scripted implementations.
struct GezeigteMeldung
{
    MeldungArt Art;
    QString Text;
};

// For tests: records every text and answers questions from a queue
// (Nein when the queue is empty, so an unexpected question never destroys data).
class SkriptMeldungen : public Meldungen
{
public:
    void Information(const QString &text) override;
    void Warnung(const QString &text) override;
    void Fehler(const QString &text) override;
    Antwort Frage(const QString &text, FrageKnoepfe knoepfe = FrageKnoepfe::JaNein) override;

    void AntwortVormerken(Antwort a) { m_antworten.push_back(a); }
    const std::vector<GezeigteMeldung> &Gezeigt() const { return m_gezeigt; }
    QStringList Texte() const;
    void Leeren() { m_gezeigt.clear(); }

private:
    std::vector<GezeigteMeldung> m_gezeigt;
    std::deque<Antwort> m_antworten;
};

// For the command-line tool: every message on one line of standard error
// (line breaks inside a message become blanks); questions are answered "Nein".
class StderrMeldungen : public Meldungen
{
public:
    void Information(const QString &text) override;
    void Warnung(const QString &text) override;
    void Fehler(const QString &text) override;
    Antwort Frage(const QString &text, FrageKnoepfe knoepfe = FrageKnoepfe::JaNein) override;

    static QString Einzeilig(const QString &text);
};

} // namespace kalumo
