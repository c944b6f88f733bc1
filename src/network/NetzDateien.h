#pragma once
// The files of a network exercise in the communication folder. With the
// folder F and the channel K the prefix is P = F + K + "-":
//
//   P + "vkdnetzuebung.vkd"   the exercise document (the document format)
//   P + "vkdnetzuebung.dat"   the settings file (below)
//   P + "vkdnetzuebung.okx"   the marker: it holds "NetzUebDateiOKX", and
//                             while it exists participants may join
//   P + "vkdnetzuebung.hsc"   the network best list (kept at the end)
//   P + "vkdnetzuebung-TN-" + 12 capitals + ".dat"
//                             one message file per message (method 0)
//
// Only the teacher computer writes and deletes the exercise files; a
// participant only reads them (and, with the folder method, writes message
// files that the teacher deletes).
//
// The settings file holds, as the primitive items of the document files:
//   1 string  "vkdnetzuebung.dat" (not compared when read)
//   2 string  key list "NetzUebungMaster|RiFaRueckmeldungItemIndex|…|"
//   3 string  NetzKennung, the name of the teacher computer
//   4 int ×8  RiFaRueckmeldung, ZuordnungRichtig, ZuordnungFalsch,
//             Zuordnungstexte, Zuordnungsziele, AbfrageModus, Zeitlimit, ZLimit
//   5 double ×7   NoteMinQuote[0…6]      only when the key list names "NoteMinQuote"
//   6 double ×17  PunkteMinQuote[0…16]   only with "PunkteMinQuote"
//   7 int     BewertSkala                only with "BewertSkala"
//   8 int     AnzZeichenVorgeben         only with "AnzZeichenVorgeben"

#include "exercise/Notenskala.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <array>
#include <optional>

class QRandomGenerator;

namespace kalumo {

struct NetzPfade
{
    QString Ordner;   // with trailing '/'
    QString Kanal;

    QString Praefix() const;               // Ordner + Kanal + "-"
    QString Dokument() const;              // P + "vkdnetzuebung.vkd"
    QString Einstellungen() const;         // P + "vkdnetzuebung.dat"
    QString Marke() const;                 // P + "vkdnetzuebung.okx"
    QString Bestenliste() const;           // P + "vkdnetzuebung.hsc"
    // The file name pattern of the message files, without folder:
    // Kanal + "-vkdnetzuebung-TN-*.dat".
    QString NachrichtenMuster() const;
    // A new message file name without folder: 12 random capitals A…Z.
    QString NachrichtendateiName(QRandomGenerator &zufall) const;
};

NetzPfade NetzPfadeVon(const QString &ordner, const QString &kanal);

inline constexpr char kNetzMarkeInhalt[] = "NetzUebDateiOKX";
inline constexpr char kNetzEinstellungsdateiName[] = "vkdnetzuebung.dat";
inline constexpr char kNetzEinstellungsSchluessel[] =
    "NetzUebungMaster|RiFaRueckmeldungItemIndex|ZuordnungRichtigItemIndex|ZuordnungFalschItemIndex|"
    "ZuordnungstexteItemIndex|ZuordnungszieleItemIndex|AbfrageModusItemIndex|ZeitLimitIndex|ZeitLimitWert|"
    "NoteMinQuote|PunkteMinQuote|BewertSkala|AnzZeichenVorgeben|";
// A settings file is a few hundred bytes; nothing larger is read.
inline constexpr qint64 kNetzEinstellungsdateiHoechstgroesse = 64 * 1024;

// AbfrageModus 3: the answers are typed ("Texteingabe").
inline constexpr int kAbfrageModusTexteingabe = 3;

// The exercise settings the teacher computer hands to the participants.
struct NetzUebEinstTyp
{
    QString NetzKennung;   // computer name of the teacher computer
    int RiFaRueckmeldung = 0;
    int ZuordnungRichtig = 0;
    int ZuordnungFalsch = 0;
    int Zuordnungstexte = 1;
    int Zuordnungsziele = 1;
    int AbfrageModus = 0;
    int Zeitlimit = 0;
    int ZLimit = 180;       // seconds
    // absent: the participant keeps its own value
    std::optional<std::array<double, kNotenGrenzen>> NoteMinQuote;
    std::optional<std::array<double, kPunkteGrenzen>> PunkteMinQuote;
    std::optional<int> BewertSkala;
    std::optional<int> AnzZeichenVorgeben;

    bool operator==(const NetzUebEinstTyp &) const = default;
};

// All four optional parts present, from a grade scale.
NetzUebEinstTyp NetzUebEinstMitSkala(NetzUebEinstTyp e, const NotenskalaTyp &skala, int anzZeichenVorgeben);

// The settings of a run in the order of the stored exercise settings
// (UebEinstSpeichern, RiFaRueckmeldung, ZuordnungRichtig, ZuordnungFalsch,
// Zuordnungstexte, Zuordnungsziele, AbfrageModus, Zeitlimit, ZLimit,
// AnzZeichenVorgeben). RiFaRueckmeldung becomes 0, as for every network
// exercise; the grade scale is not set.
NetzUebEinstTyp NetzUebEinstAusBlock(const std::array<qint32, 10> &block);

// An empty text when every setting lies in the range its dialog offers
// (the range the participants' reader accepts), else the setting's name.
QString NetzUebEinstPruefen(const NetzUebEinstTyp &e);

// The participant's grade scale: the file's thresholds and scale where it
// brings them, the participant's own (eigene) otherwise.
NotenskalaTyp NetzNotenskala(const NetzUebEinstTyp &e, const NotenskalaTyp &eigene);

// The bytes of the settings file. The key list names exactly the optional
// parts that are present (a teacher computer writes all of them).
QByteArray NetzEinstellungsdateiBytes(const NetzUebEinstTyp &e);

// Reads a settings file from the current position of geraet. Every length
// is checked against the bytes left; a value outside its range (a setting
// no dialog offers, a threshold outside 0…1, an unknown scale) is refused
// as damage. Throws LeseFehler (document/Bytestrom.h) with the reason.
NetzUebEinstTyp NetzEinstellungenStromLesen(QIODevice &geraet);

// Reads the file; false with the reason when it is missing, too large or damaged.
bool NetzEinstellungsdateiLesen(const QString &pfad, NetzUebEinstTyp &e, QString *grund = nullptr);

// Writes the file through a temporary file beside it; false when it could
// not be written completely (the old file then stays as it was).
bool NetzEinstellungsdateiSchreiben(const QString &pfad, const NetzUebEinstTyp &e);

// "Fehler beim Einlesen der Datei \"" + pfad + "\""
QString NetzEinlesefehlerText(const QString &pfad);
// The file error of a file that cannot be written ("Die Datei \"…\" kann
// nicht geschrieben werden. Mögliche Ursachen: …").
QString NetzDateifehlerText(const QString &pfad);

// ---- the marker -----------------------------------------------------------
bool NetzMarkeSchreiben(const NetzPfade &p);
bool NetzMarkeLoeschen(const NetzPfade &p);   // true when it is gone
bool NetzMarkeVorhanden(const NetzPfade &p);

// The marker, the settings file and the document all exist.
bool NetzUebungsdateienVorhanden(const NetzPfade &p);

} // namespace kalumo
