#pragma once
// The open, save and folder dialogs, behind an interface so that tests can
// answer them. An empty result means the dialog was cancelled.

#include <QString>
#include <deque>

namespace kalumo {

class Dateidialoge
{
public:
    virtual ~Dateidialoge() = default;
    // filter in Qt notation: "Name (*.ext);;Other (*)"
    virtual QString Oeffnen(const QString &titel, const QString &ordner, const QString &filter) = 0;
    // asks before overwriting; standardEndung is appended to a name without one
    virtual QString Speichern(const QString &titel, const QString &ordner, const QString &filter,
                              const QString &vorschlag, const QString &standardEndung) = 0;
    virtual QString Ordner(const QString &titel, const QString &ordner) = 0;
    // As Speichern; filterWahl receives the filter the user chose (empty when unknown).
    virtual QString SpeichernMitFilter(const QString &titel, const QString &ordner, const QString &filter,
                                       const QString &vorschlag, const QString &standardEndung, QString *filterWahl)
    {
        if (filterWahl)
            filterWahl->clear();
        return Speichern(titel, ordner, filter, vorschlag, standardEndung);
    }
};

// For tests: answers from a queue (empty = cancelled) and remembers what was asked.
class SkriptDateidialoge : public Dateidialoge
{
public:
    QString Oeffnen(const QString &titel, const QString &ordner, const QString &filter) override
    {
        LetzterTitel = titel;
        LetzterOrdner = ordner;
        return naechste();
    }
    QString Speichern(const QString &titel, const QString &ordner, const QString &, const QString &vorschlag,
                      const QString &) override
    {
        LetzterTitel = titel;
        LetzterOrdner = ordner;
        LetzterVorschlag = vorschlag;
        return naechste();
    }
    QString Ordner(const QString &titel, const QString &ordner) override
    {
        LetzterTitel = titel;
        LetzterOrdner = ordner;
        return naechste();
    }

    QString SpeichernMitFilter(const QString &titel, const QString &ordner, const QString &filter,
                               const QString &vorschlag, const QString &standardEndung, QString *filterWahl) override
    {
        LetzterFilter = filter;
        if (filterWahl)
            *filterWahl = Filterwahl;
        return Speichern(titel, ordner, filter, vorschlag, standardEndung);
    }

    std::deque<QString> Antworten;
    QString Filterwahl;   // the filter a scripted save dialog reports as chosen
    QString LetzterTitel, LetzterOrdner, LetzterVorschlag, LetzterFilter;

private:
    QString naechste()
    {
        if (Antworten.empty())
            return {};
        QString a = Antworten.front();
        Antworten.pop_front();
        return a;
    }
};

} // namespace kalumo
