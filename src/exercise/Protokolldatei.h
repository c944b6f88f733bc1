#pragma once
// The finished protocol of a run as a file: the automatic saving into the
// protocol folder, the attachment of "Per E-Mail versenden", the comments
// the protocol window adds, and the text of the e-mail.
//
// Names carry the date and time of the saving and a counter from 0 that
// rises until the name is free; the rich text is written to a temporary
// file beside the target and renamed to the first free name, so an
// existing protocol is never overwritten and a failed write leaves nothing
// half written behind.

#include "platform/Meldungen.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

namespace kalumo {

// The last finished protocol as the protocol window shows it: the text
// (ProtokollKopf followed by ProtokollAblauf, plus any added comments) and
// what the e-mail says about it.
struct UebungsprotokollTyp
{
    QString Text;
    bool Serie = false;          // the protocol of an exercise series
    QString DokumentDatei;       // the document's file name without folder

    bool Vorhanden() const { return !Text.isEmpty(); }
};

// "%4.4d%2.2d%2.2d-%2.2d%2.2d%2.2d-%s-%d.rtf": date, time, computer name
// (characters a file name cannot hold become '_'), counter.
QString ProtokollDateiname(const QDateTime &zeit, const QString &rechner, int zaehler);
// "email-kalprotokoll-%4.4d%2.2d%2.2d-%2.2d%2.2d%2.2d-%d.rtf".
QString EMailProtokollDateiname(const QDateTime &zeit, int zaehler);

// Writes the protocol as rich text under the first free name name(0),
// name(1), … in ordner. The path written, or nothing (and in versucht the
// path that could not be written) on failure.
std::optional<QString> ProtokollDateiSchreiben(const QString &ordner, const std::function<QString(int)> &name,
                                               const QString &protokoll, QString *versucht = nullptr);

// The file error of protocols and best lists with an addition after an
// empty line.
QString ProtokollDateifehlerText(const QString &pfad, const QString &zusatz);
QString ProtokollAutoSpeichernZusatz();   // "Das Übungsprotokoll konnte nicht automatisch gespeichert werden. …"
QString ProtokollEMailZusatz();           // "… für den E-Mail-Versand zwischengespeichert werden. …"

// ProtokollAutoSpeichern: the protocol in the protocol folder under
// ProtokollDateiname; on failure the file error with its addition as an
// error box. The path written, or nothing.
std::optional<QString> ProtokollAutoSpeichern(const QString &protokoll, const QString &protokollOrdner,
                                              const QString &rechner, const QDateTime &jetzt, Meldungen &meldungen);

// The attachment of "Per E-Mail versenden": as above under
// EMailProtokollDateiname, with its own addition.
std::optional<QString> ProtokollFuerEMailSpeichern(const QString &protokoll, const QString &protokollOrdner,
                                                   const QDateTime &jetzt, Meldungen &meldungen);

// Appends CR LF, "<tit>Kommentar", CR LF and the comment when the trimmed
// comment is not empty; false (nothing appended) otherwise.
bool KommentarAnhaengen(QString &protokoll, const QString &kommentar);

QString ProtokollEMailBetreff();   // "Kalumo-Übungsprotokoll"
// "Anbei Kalumo-Übungsprotokoll zur Übungsserie" or "… zu Themendokument: "
// + the document's file name, each followed by CR LF.
QString ProtokollEMailText(const UebungsprotokollTyp &protokoll);

} // namespace kalumo
