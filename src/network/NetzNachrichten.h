#pragma once
// The four messages of a participant computer and their envelope.
//
// A message is a list of text lines; in transport every line is followed by
// CR LF. The first line names it:
//
//   "TN-INIT"      TeilnehmerKennung; NetzTeilnehmerName; start time (as text)
//   "TN-AKTION"    TeilnehmerKennung; reported object index (-1 none); its
//                  Abgedeckt; its Fehlversuche; EndeGrund; start time;
//                  AnzAbfragen; Richtig; Falsch (two decimals for multiple
//                  choice, none otherwise, decimal point); OffenePositionen;
//                  clock text; Erfolgsquote × 100 and Gesamtleistung × 100
//                  (one decimal, decimal point); grade
//   "TN-FERTIG"    TeilnehmerKennung; EndeGrund; clock text
//   "TN-BESTLIST"  TeilnehmerKennung; NetzTeilnehmerName; computer name;
//                  StartZeit as date-time value; elapsed milliseconds;
//                  Gesamtleistung — the two decimal numbers in the general
//                  format with the system's decimal separator
//
// The envelope adds three lines in front: "Message", the sender's user
// name and the sender's computer name. A datagram carries the envelope as
// one text; a message file holds four strings (the primitive items of the
// document files): "Message", user name, computer name, message text.
// Texts travel as Windows-1252.
//
// Reading checks everything before anyone uses it: the size, the line
// count, every number (parses, lies in its range), every text (length, no
// control characters). What fails is refused with a short fixed reason
// (never containing received text), so that counting reasons needs no
// memory beyond the list of reasons.

#include "exercise/Uebungsdaten.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>
#include <variant>

namespace kalumo {

inline constexpr char kNetzUmschlagKopf[] = "Message";
inline constexpr char kTnInit[] = "TN-INIT";
inline constexpr char kTnAktion[] = "TN-AKTION";
inline constexpr char kTnFertig[] = "TN-FERTIG";
inline constexpr char kTnBestlist[] = "TN-BESTLIST";

// EndeGrund of a participant run: the run record's values (exercise/Uebungsdaten.h),
// shown as "aktiv", "fertig", "abgebr." and "timeout".
QString EndeGrundStatus(int endeGrund);   // the status word; empty for an unknown value

// Limits of what a message may carry.
inline constexpr int kNetzKennungHoechstlaenge = 64;
inline constexpr int kNetzNameHoechstlaenge = 100;
inline constexpr int kNetzRechnerHoechstlaenge = 255;
inline constexpr int kNetzKurztextHoechstlaenge = 32;     // times, clock texts
inline constexpr int kNetzZahlHoechstwert = 1000000;      // counts of queries and answers
inline constexpr int kNetzFehlversucheHoechstwert = 999;

struct TnInitTyp
{
    QString TeilnehmerKennung;
    QString NetzTeilnehmerName;
    QString StartZeit;   // as shown

    bool operator==(const TnInitTyp &) const = default;
};

struct TnAktionTyp
{
    QString TeilnehmerKennung;
    int Objekt = -1;          // reported object index, -1 none
    int Abgedeckt = 0;        // that object's Abgedeckt (0 without object)
    int Fehlversuche = 0;     // that object's Fehlversuche (0 without object)
    int EndeGrund = endeLaeuft;
    QString StartZeit;
    int AnzAbfragen = 0;
    double Richtig = 0.0;
    double Falsch = 0.0;
    int OffenePositionen = 0;
    QString Uhr;              // the clock text
    double Erfolgsquote = 0.0;     // 0…1
    double Gesamtleistung = 0.0;   // 0…1
    int Note = 0;

    // As the lines show them: "3" or "0.33"; "85.0".
    QString RichtigText;
    QString FalschText;
    QString QuoteText;
    QString LeistungText;

    bool operator==(const TnAktionTyp &) const = default;
};

struct TnFertigTyp
{
    QString TeilnehmerKennung;
    int EndeGrund = endeFertig;
    QString Uhr;

    bool operator==(const TnFertigTyp &) const = default;
};

struct TnBestlistTyp
{
    QString TeilnehmerKennung;
    QString NetzTeilnehmerName;
    QString Rechner;
    double StartZeit = 0.0;    // date-time value
    qint32 DauerMs = 0;
    double Gesamtleistung = 0.0;

    bool operator==(const TnBestlistTyp &) const = default;
};

using NetzNachricht = std::variant<TnInitTyp, TnAktionTyp, TnFertigTyp, TnBestlistTyp>;

// ---- building (participant) ------------------------------------------------

// The values of a judged answer; the texts are formatted from them.
struct TnAktionWerte
{
    QString TeilnehmerKennung;
    int Objekt = -1;
    int Abgedeckt = 0;
    int Fehlversuche = 0;
    int EndeGrund = endeLaeuft;
    QString StartZeit;
    int AnzAbfragen = 0;
    double Richtig = 0.0;
    double Falsch = 0.0;
    bool MultipleChoice = false;   // two decimals for Richtig and Falsch
    int OffenePositionen = 0;
    QString Uhr;
    double Erfolgsquote = 0.0;
    double Gesamtleistung = 0.0;
    int Note = 0;
};

QStringList TnInitZeilen(const TnInitTyp &m);
QStringList TnAktionZeilen(const TnAktionWerte &w);
QStringList TnFertigZeilen(const TnFertigTyp &m);
// decimalSeparator: the system's; tests pass '.' or ','.
QStringList TnBestlistZeilen(const TnBestlistTyp &m, QChar dezimaltrenner);
QChar SystemDezimaltrenner();

// A time as the start-time lines carry it ("14:05:09").
QString NetzZeitText(const QTime &zeit);

// Lines to the message text: every line followed by CR LF.
QString NachrichtText(const QStringList &zeilen);

// ---- reading (teacher) -------------------------------------------------------

// Reads a message text; nullopt and the reason when it is refused. A
// TN-BESTLIST accepts '.' and ',' as decimal separator.
std::optional<NetzNachricht> NachrichtLesen(const QString &text, QString *grund = nullptr);

// ---- the envelope ------------------------------------------------------------

struct NetzUmschlag
{
    QString Benutzer;
    QString Rechner;
    QString Text;   // the message text

    bool operator==(const NetzUmschlag &) const = default;
};

QByteArray UmschlagAlsDatagramm(const NetzUmschlag &u);
QByteArray UmschlagAlsDatei(const NetzUmschlag &u);

// nullopt and the reason when the bytes are no envelope of the program.
std::optional<NetzUmschlag> DatagrammLesen(const QByteArray &daten, QString *grund = nullptr);
std::optional<NetzUmschlag> NachrichtendateiLesen(const QByteArray &daten, QString *grund = nullptr);

} // namespace kalumo
