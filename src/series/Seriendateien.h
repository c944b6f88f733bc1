#pragma once
// Package files with the program's messages: reading a package for a run
// or for the creation dialog, writing one from a list of documents, and
// unpacking its documents into a folder.

#include "series/Seriendienste.h"
#include "series/Seriepaket.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kalumo {

// Filter of the package dialogs (Qt notation of "Kalumo-Übungs-Serien-Paket
// (*.kausp)|*.kausp|Alle Dateien (*.*)|*.*") and their titles.
QString SeriePaketDateifilter();
inline constexpr char kSeriePaketEndung[] = "kausp";
inline constexpr char kSeriePaketOeffnenTitel[] = "Kalumo-Übungs-Serien-Paket öffnen";
inline constexpr char kSeriePaketErstellenTitel[] = "Übungs-Serien-Paket erstellen";
inline constexpr char kSerieEntpackenOrdnerTitel[] = "Ordner zum Entpacken der Übungs-Serie auswählen";

// "Die Datei "…" existiert bereits.\r\nSoll sie überschrieben werden?"
QString MeldungDateiUeberschreiben(const QString &pfad);
// "Der angegebene Ordner zum Öffnen von Übungs-Serien ist ungültig."
QString MeldungSerienOeffnenOrdnerUngueltig();

// Reads a package and shows what went wrong: a missing file, "Ungültiges
// Dateiformat." for a wrong magic (followed by the read error when
// nachFormatfehlerLesefehler), the read error for a damaged package.
bool SeriePaketMitMeldungLesen(const QString &pfad, SeriePaketInhalt &inhalt, Meldungen &meldungen,
                               bool nachFormatfehlerLesefehler = false);

// Writes a package from a list: kopf gives items 4 to 11 (its entries are
// ignored), dokumente the entries in run order, each with its file. Every
// document is read before the package is created; a document that cannot
// be read shows its read error and nothing is written. A failed write shows
// the write error and leaves an existing file untouched.
bool SeriePaketAusListeSchreiben(const QString &pfad, const SeriePaketInhalt &kopf,
                                 const std::vector<UebungsserieDokTyp> &dokumente, Meldungen &meldungen);

struct EntpackErgebnis
{
    bool Gelesen = false;       // the package could be read
    bool Ok = false;            // and every document was dealt with
    QStringList Namen;          // the name each entry has in the folder (also for those kept)
    QStringList Geschrieben;    // full paths of the files written
};

// Writes the documents embedded in the package into ordner, each under its
// safe name (EntpackNamen). An existing file is overwritten only when the
// user agrees (Ja); Nein keeps it, Abbrechen stops. A name that exists as
// something other than a plain file (a folder, a link) is never written
// through: the document gets the next free name.
EntpackErgebnis SeriePaketEntpacken(const QString &paket, const QString &ordner, SerienDateiDienste &d);

// The folder an opened package is unpacked into: a folder named after the
// package inside the series folder ("Opt-KAUSPOrdner"), with trailing '/'.
QString SerieOeffnenOrdner(const QString &serienordner, const QString &paket);

// "Ent&packen und in Themenauswahl bereitstellen....": pick a package,
// pick a folder (starting at the package's folder), unpack, and make the
// folder the current library folder. Returns the folder, empty when
// cancelled or failed.
QString BefehlSerieEntpacken(SerienDateiDienste &d, const QString &startordner);

// "Öffnen...": pick a package and unpack it into SerieOeffnenOrdner. The
// caller then shows the creation dialog with this package and folder.
struct GeoeffnetesPaket
{
    QString Paket;
    QString Ordner;
};
std::optional<GeoeffnetesPaket> BefehlSerieOeffnen(SerienDateiDienste &d, const QString &serienordner,
                                                   const QString &startordner);

// A folder text with a trailing '/' (unless empty).
QString SerienOrdnerMitTrenner(const QString &ordner);

} // namespace kalumo
