#pragma once
// What the program does when an exercise run (not a partial exercise of a
// series) has ended, before the result window shows: it keeps the finished
// protocol for the protocol window and "&Protokoll der letzten Übung...",
// saves it automatically when "Übungs&protokolle automatisch speichern" is
// on, and enters a complete individual run into the document's best list
// when "Ergebnisse Individual-Übung automatisch in &Bestenliste eintragen"
// is on (otherwise the result window offers "In Bestenliste eintragen").

#include "app/settings/Einstellungen.h"
#include "exercise/Bestenliste.h"
#include "exercise/Protokolldatei.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

namespace kalumo {

class Uebung;

class Uebungsende
{
public:
    // The computer's name, the time of the saving and the pause between two
    // attempts at the best list; tests set their own.
    std::function<QString()> Rechner;
    std::function<QDateTime()> Jetzt = [] { return QDateTime::currentDateTime(); };
    Pause BestenlistePause = WartePause();
    // Told when a new protocol is kept (an open protocol window shows it).
    std::function<void()> NeuesProtokoll;

    Uebungsende();

    // At the end of a run; dauerMs: the run's elapsed milliseconds. Sets the
    // run's InBestenliste when the entry was made.
    void Verarbeiten(Uebung &uebung, const EinstellungenTyp &einst, qint64 dauerMs, Meldungen &meldungen);

    // The last finished protocol (with the comments added since).
    UebungsprotokollTyp &LetztesProtokoll() { return m_protokoll; }
    const UebungsprotokollTyp &LetztesProtokoll() const { return m_protokoll; }
    // The total protocol of an exercise series becomes the last protocol
    // (comments added to it since stay when it is taken again).
    void SerienprotokollUebernehmen(const QString &gesamtprotokoll);
    // The file the automatic saving wrote at the last end (empty when none).
    const QString &GespeichertesProtokoll() const { return m_gespeichert; }

    // How the last end left the best list: entered, or the entry offered.
    BestenlisteAmEnde Bestenliste() const { return m_bestenliste; }
    // "In Bestenliste eintragen": the entry for the last run; true when made.
    bool Eintragen(Uebung &uebung, Meldungen &meldungen);
    // The individual list of the last run's document (empty when unsaved).
    const QString &BestenlistePfad() const { return m_bestenlistePfad; }

private:
    UebungsprotokollTyp m_protokoll;
    QString m_gespeichert;
    BestenlisteLaufTyp m_lauf;
    QString m_bestenlistePfad;
    BestenlisteAmEnde m_bestenliste;
};

} // namespace kalumo
