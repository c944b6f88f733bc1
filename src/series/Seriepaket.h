#pragma once
// The exercise-series package (.kausp): the settings of a series, its list
// of documents and complete copies of the document files, built from the
// primitive items of the document files (Bytestrom.h). Items in order:
//
//   1 string   magic "KASUP-"
//   2 string   version: "01.02" when written; "01.01" and older are read
//   3 string   reserved, written empty
//   4 string   the folder the documents were taken from
//   5 int      default weight of the creation dialog
//   6 int      default time of the creation dialog
//   7 int      Uebungsmodus
//   8 int      N, the number of entries
//   9 string   Protokolltitel
//  10 string   Information (lines separated by CR LF)
//  11          from "01.02": 5 doubles NoteMinQuote[1…5], 15 doubles
//              PunkteMinQuote[1…15], int BewertSkala
//  12 N times  string Datei, string Titel, string Sortname, int Gewichtung,
//              int Zeit, and from "01.01": int Abfragemodus
//  13 N times  string: the bytes of each document file, in entry order
//
// Versions compare as text ("01.01" < "01.02"). Bytes after the last
// document are ignored. An embedded document is read in place: its Offset
// is the position of its first byte, four bytes after the start of its
// string item.

#include "document/DokumentDatei.h"
#include "series/Uebungsserie.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kalumo {

inline constexpr char kSeriePaketKennung[] = "KASUP-";
inline constexpr char kSeriePaketVersion[] = "01.02";
inline constexpr char kSerieVersionAbfragemodus[] = "01.01";   // entries carry Abfragemodus from here on
inline constexpr char kSerieVersionSkala[] = "01.02";          // the grading scale is stored from here on

// version >= mindestens, compared as text.
bool SerieVersionMindestens(const QString &version, const char *mindestens);

// One entry of the list (item 12) with the place of its document (item 13).
struct SeriePaketEintrag
{
    QString Datei;
    QString Titel;
    QString Sortname;
    qint32 Gewichtung = 1;
    qint32 Zeit = 0;
    std::optional<qint32> Abfragemodus;   // absent before "01.01"
    qint64 Offset = 0;                    // position of the document's first byte
    qint64 Laenge = 0;                    // its length in bytes

    bool operator==(const SeriePaketEintrag &) const = default;
};

// Everything a package holds except the document bytes.
struct SeriePaketInhalt
{
    QString Kennung;
    QString Version;
    QString Reserviert;
    QString Ordner;
    qint32 StdGewichtung = 1;
    qint32 StdZeit = 0;
    qint32 Uebungsmodus = 0;
    QString Protokolltitel;
    QString Information;
    std::optional<SerienSkalaTyp> Skala;   // present from "01.02"
    std::vector<SeriePaketEintrag> Eintraege;
};

// Reads a package from the current position of geraet up to the end of
// its last document, which is skipped, not read. N and every length are
// checked against the bytes that are left before anything is allocated; a
// negative N is refused. On failure Eintraege holds the entries of item 12
// that were read completely (their Offset and Laenge are 0 unless item 13
// was reached).
LeseErgebnis SeriePaketStromLesen(QIODevice &geraet, SeriePaketInhalt &inhalt);

// Reads the package file at pfad. A missing or unopenable file is
// LeseStatus::Beschaedigt.
LeseErgebnis SeriePaketDateiLesen(const QString &pfad, SeriePaketInhalt &inhalt);

// Writes a package of version "01.02": Version and Reserviert of inhalt are
// ignored, Skala must be present (else the defaults go in), an entry
// without Abfragemodus is written with 0. dokumente holds the bytes of each
// entry's document, in entry order. Throws SchreibFehler when the device
// refuses bytes or the package would not fit the 32-bit positions.
void SeriePaketStromSchreiben(QIODevice &geraet, const SeriePaketInhalt &inhalt,
                              const std::vector<QByteArray> &dokumente);

// Writes the package through a temporary file beside pfad, so that a
// failed write leaves an existing file untouched.
bool SeriePaketDateiSchreiben(const QString &pfad, const SeriePaketInhalt &inhalt,
                              const std::vector<QByteArray> &dokumente);

// The bytes of an embedded document; throws LeseFehler when the range lies
// outside the device.
QByteArray EingebettetesDokument(QIODevice &geraet, qint64 offset, qint64 laenge);

// The file-name part of a stored path: whatever follows the last '/' or
// '\' (packages made on other systems store either).
QString DateinamenTeil(const QString &pfad);

// A plain file name for a stored path that is safe to write into a folder:
// no folders, "..", absolute paths or drive letters, no characters that are
// invalid in file names (on this system or on the Windows computers that
// share a classroom folder), no leading dot, no reserved device name, and
// the extension ".kal" unless it already ends in ".kal" or ".vkd".
// nummer (from 1) names a document whose stored name leaves nothing.
QString SichererDateiname(const QString &gespeichert, int nummer);

// The safe names of all entries of a package, made unique without regard to
// case: the second "x.kal" becomes "x (2).kal".
QStringList EntpackNamen(const std::vector<QString> &dateien);

} // namespace kalumo
