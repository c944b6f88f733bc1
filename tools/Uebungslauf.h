#pragma once
// An exercise run on the command line, shared by "kalumo-tool exercise" and
// "kalumo-tool netz-teilnehmer": the messages (the abort question answered
// "Ja"), the services that put a document's stored settings into the
// dialogs, the action file, the tool clock and the JSON of the run.

#include "Json.h"
#include "Werkzeugdienste.h"
#include "exercise/Uebung.h"
#include "exercise/Uhr.h"
#include "platform/Meldungen.h"

#include <QJsonArray>
#include <QStringList>

#include <functional>
#include <optional>

namespace kalumo {

// The messages go to standard error as usual and are kept; the abort
// question is answered "Ja", as the user who chose "Übung abbrechen" would.
class Werkzeugmeldungen : public StderrMeldungen
{
public:
    void Information(const QString &text) override;
    void Fehler(const QString &text) override;
    Antwort Frage(const QString &text, FrageKnoepfe) override;
    QStringList Gezeigt;
};

// The document's stored settings go into the dialogs, as when the program
// opens it.
class Uebungsdienste : public WerkzeugDienste
{
public:
    Uebungsdienste(Meldungen &m, UebDialogeTyp &dialoge) : WerkzeugDienste(m), m_dialoge(dialoge) {}
    void UebEinstGelesen(const UebEinstBlock &block, bool inDialoge) override;
    std::array<qint32, kUebEinstAnzahl - 1> UebEinstZumSpeichern(const HeaderDataTyp &kopf) const override;

private:
    UebDialogeTyp &m_dialoge;
};

// {"queries": [[card, target]…], "objects": […], "elements": […]}
Json UebungsbildJson(const Uebung &u, const Dokument &dok);
// The run record: GesamtAbfragen … AktAbfrage.
Json UebungslaufJson(const UebDataTyp &d);

// The run's end for the output: taken the moment its result is due (call
// Festhalten from BeimErgebnis: the picture, the record, the protocol and
// the grade), else after the last action (the picture and the record; no
// protocol and no grade then).
struct Laufende
{
    std::optional<Json> Bild, Lauf, Protokoll, Note;
    void Festhalten(const Uebung &u, const Dokument &dok);
    // {"refused": null, "start", "actions", "end", "run", "protocol",
    // "grade"}; callers may add fields.
    Json Ausgabe(const Json &anfang, const Json &aktionen, const Uebung &u, const Dokument &dok);
};

// Reads the action file (a path, or "-" for standard input). nullopt with
// the message in fehler when it cannot be read or is no JSON list.
std::optional<QJsonArray> AktionsdateiLesen(const QString &pfad, QString &fehler);

// Runs the actions on the run with the tool clock: one object per action
// {"judged", "right", "ignored"}. nullopt with the message in fehler for an
// action the tool does not know. nachAktion (when set) is called after each.
std::optional<Json> AktionenAusfuehren(Uebung &u, Handuhr &uhr, const QJsonArray &aktionen, QString &fehler,
                                       const std::function<void()> &nachAktion = {});

// A message on standard error as one line; returns 2 (wrong usage).
int Aufruffehler(const QString &text);

} // namespace kalumo
