#pragma once
// Best lists: one file per document (".hsc") for individual runs and one
// shared file per network exercise. A file holds the magic "VKD-HSC-1.00",
// a key list and then entries until its end; each entry holds, in this
// order, the fields whose key the key list names: "HSC-Name" string,
// "HSC-Rechner" string, "HSC-Beginn" double (date-time value), "HSC-Dauer"
// int (milliseconds), "HSC-Leistung" double (0…1). The writer always writes
// all five.
//
// Files grow by appending and are never rewritten: an entry is appended by
// writing the old bytes and the new entry to a temporary file beside the
// list and renaming it over the list, so a failed or interrupted append
// leaves the file exactly as it was.

#include "platform/Meldungen.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace kalumo {

struct BestListDataTyp
{
    QString Name;
    QString Rechner;       // computer name
    double Beginn = 0.0;   // start of the run (date-time value, see platform/Datumswert.h)
    qint32 Dauer = 0;      // milliseconds of the run
    double Leistung = 0.0; // overall performance 0…1

    bool operator==(const BestListDataTyp &) const = default;
};

inline constexpr char kBestenlisteMagie[] = "VKD-HSC-1.00";
// A list this large (more than a million entries) is not read: it is no best list.
inline constexpr qint64 kBestenlisteHoechstgroesse = qint64(64) << 20;
inline constexpr char kBestenlisteSchluessel[] = "|HSC-Name|HSC-Rechner|HSC-Beginn|HSC-Dauer|HSC-Leistung|";

// What a best-list file holds.
struct BestenlisteInhalt
{
    QString Schluessel = QString::fromLatin1(kBestenlisteSchluessel);   // the key list as stored
    std::vector<BestListDataTyp> Eintraege;                              // in file order
};

// Reads a whole list from the current position to the end of geraet.
// Every length is checked against the bytes left; a different magic, a cut
// inside an entry or any other damage throws LeseFehler (document/Bytestrom.h).
BestenlisteInhalt BestenlisteStromLesen(QIODevice &geraet);

// The bytes of one entry as the key list lays it out.
QByteArray BestenlisteEintragBytes(const BestListDataTyp &eintrag,
                                   const QString &schluessel = QString::fromLatin1(kBestenlisteSchluessel));
// The bytes of a new list: magic, key list and the entries.
QByteArray BestenlisteBytes(const BestenlisteInhalt &inhalt);

enum class BestenlisteArt { Individual, Netzwerk };

// The pause between two attempts (100 ms); tests pass one that does not wait.
using Pause = std::function<void(int millisekunden)>;
Pause WartePause();   // sleeps on the calling thread, processes no input

inline constexpr int kBestenlisteVersuche = 5;
inline constexpr int kBestenlistePauseMs = 100;

// One attempt to append: reads the list (a missing or empty file is
// started with magic and key list), refuses a list it cannot read, and
// replaces the file with the old bytes plus the entry in the layout of the
// file's own key list. False, with the file untouched, on any failure.
bool BestenlisteAnhaengen(const QString &pfad, const BestListDataTyp &eintrag);

// BestenlisteEintragen: up to five attempts with 100 ms between them; when
// all fail, the write error (with the folder hint for individual lists) as
// an error box. Returns whether the entry was made.
bool BestenlisteEintragen(const QString &pfad, const BestListDataTyp &eintrag, BestenlisteArt art,
                          Meldungen &meldungen, const Pause &pause = WartePause());

// One attempt to read the whole file; false (and fehler) when it is missing,
// unreadable or damaged.
bool BestenlisteDateiLesen(const QString &pfad, BestenlisteInhalt &inhalt, QString *fehler = nullptr);

// BestenlisteLesen: the list is emptied; a missing file gives the
// information "no entries yet"; otherwise up to five attempts with 100 ms
// between them, and when all fail the read error as an error box.
bool BestenlisteLesen(const QString &pfad, BestenlisteArt art, std::vector<BestListDataTyp> &liste,
                      Meldungen &meldungen, const Pause &pause = WartePause(), QString *schluessel = nullptr);

QString BestenlisteLeerText(BestenlisteArt art);        // information when the file does not exist
QString BestenlisteLesefehlerText(const QString &pfad, BestenlisteArt art);
QString BestenlisteSchreibfehlerText(const QString &pfad, BestenlisteArt art);
QString BestenlisteTitel(BestenlisteArt art);           // "Bestenliste - Individual-Übung" …

// Window order: highest performance first, on equal performance the shorter
// run, on full equality the earlier entry.
void BestenlisteSortieren(std::vector<BestListDataTyp> &liste);

// --- where the lists are ----------------------------------------------------

// The best-list folder plus the document's file name with its extension
// replaced by ".hsc" (documents of the same name share a list). Empty when
// the document has no file name.
QString BestenlistePfadIndividual(const QString &bestenlistenOrdner, const QString &dokumentDatei);
// The communication folder, the channel name, "-" and "vkdnetzuebung.hsc".
QString BestenlistePfadNetz(const QString &komOrdner, const QString &kanal);

// --- the window's grid -------------------------------------------------------

// "Pos.", "Name", "Rechner", "Leistung", "Zeit (Min:Sek)", "Datum/Uhrzeit".
QStringList BestenlisteKopfzeile();
// The grid rows of the entries in their given order (header not included):
// position from 1, name, computer, performance "85.0 %", duration "mm:ss",
// start in the system's short date-time format.
std::vector<QStringList> BestenlisteZeilen(const std::vector<BestListDataTyp> &liste);
// Every row including the header, cells separated by a tab, rows ended by CR LF.
QString BestenlisteText(const std::vector<BestListDataTyp> &liste);
// Column widths 40, 200, 100, 80, 80, 140; columns 1, 4 and 5 right-aligned.
std::vector<int> BestenlisteSpaltenbreiten();
std::vector<bool> BestenlisteRechtsbuendig();
QString DauerText(qint64 millisekunden);   // whole seconds as mm:ss (minutes may pass 99)

// --- showing a list ---------------------------------------------------------

struct BestenlisteAnzeige
{
    QString Titel;
    std::vector<BestListDataTyp> Eintraege;   // sorted
};

// BestenlisteZeigen without the window: the refusals of the individual list
// (no document file, a network participation running), then reading (a
// failed read shows an empty list) and sorting. Nothing when refused.
struct BestenlisteOrt
{
    BestenlisteArt Art = BestenlisteArt::Individual;
    QString Pfad;                   // from BestenlistePfadIndividual / -Netz
    bool DokumentGespeichert = true;
    bool NetzTeilnahmeAktiv = false;
};
std::optional<BestenlisteAnzeige> BestenlisteFuerAnzeige(const BestenlisteOrt &ort, Meldungen &meldungen,
                                                         const Pause &pause = WartePause());

// --- entering a finished run ----------------------------------------------

// What a finished run contributes to the best list.
struct BestenlisteLaufTyp
{
    bool Individual = true;       // UebArt is uebIndividual
    bool Komplett = true;         // AnzAbfragen = GesamtAbfragen (no partial repetition)
    QString TeilnehmerName;
    double StartZeit = 0.0;       // date-time value
    qint64 DauerMs = 0;           // elapsed milliseconds at the last clock update
    double Gesamtleistung = 0.0;
};

// Only complete individual runs of a saved document (pfad not empty) are
// entered, however they ended.
bool BestenlisteEintragErlaubt(const BestenlisteLaufTyp &lauf, const QString &pfad);
// Name "(kein Name)" when empty after trimming, this computer's name, the
// duration clamped to what the file can hold.
BestListDataTyp BestenlisteEintragAusLauf(const BestenlisteLaufTyp &lauf, const QString &rechner);

// "Das Ergebnis wurde in die Bestenliste eingetragen." and the button text
// "In Bestenliste eintragen".
QString BestenlisteEingetragenText();
QString InBestenlisteEintragenText();

// "In Bestenliste eintragen" and the automatic entry: makes the entry in
// the document's individual list (pfad from BestenlistePfadIndividual).
// False when the run may not be entered (nothing shown) or writing failed
// (the error box has then been shown; the result window opens the folder
// dialog).
bool InBestenlisteEintragen(const BestenlisteLaufTyp &lauf, const QString &pfad, const QString &rechner,
                            Meldungen &meldungen, const Pause &pause = WartePause());

// At the end of a run: with the option "automatically enter" on, the entry
// is made. Eingetragen: show BestenlisteEingetragenText() and set
// InBestenliste; Anbieten: show the button "In Bestenliste eintragen".
struct BestenlisteAmEnde
{
    bool Eingetragen = false;
    bool Anbieten = false;
};
BestenlisteAmEnde BestenlisteNachUebung(const BestenlisteLaufTyp &lauf, bool automatischEintragen,
                                        const QString &pfad, const QString &rechner, Meldungen &meldungen,
                                        const Pause &pause = WartePause());

} // namespace kalumo
