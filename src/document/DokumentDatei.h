#pragma once
// The .kal document file (and the older .vkd files) as a byte stream.
//
// A file starts with its magic ("KAL-2.24") and a key list such as
// "|HD-vers|HD-titel|...|"; every optional field is present exactly when its
// key occurs anywhere in that list (a plain substring search). The writer
// always writes every field and the complete list.
//
// These functions work on plain values and know nothing of windows; the
// operations on the current document are in DokumentDateien.h.

#include "document/DokumentModell.h"

#include <QByteArray>
#include <QIODevice>

#include <array>
#include <functional>
#include <optional>

namespace kalumo {

class Leser;
class Schreiber;

// The magic the writer puts at the start of every document.
inline constexpr char kDokumentKennung[] = "KAL-2.24";
// The newest file version this program reads.
inline constexpr char kNeuesteVersion[] = "2.24";

// The complete key list the writer stores (Windows-1252 bytes).
const QByteArray &VollstaendigeSchluesselliste();

// The ten exercise settings in the order of the HD-UebEinst block; the first
// is UebEinstSpeichern.
using UebEinstBlock = std::array<qint32, kUebEinstAnzahl>;

// Everything a document file holds.
struct DateiInhalt
{
    QString Kennung;                  // magic as stored, e.g. "KAL-2.24"
    QByteArray Schluessel;            // key list as stored
    HeaderDataTyp Kopf;
    std::vector<ObjDataTyp> Objekte;
    QImage Basisbild;
    std::optional<UebEinstBlock> UebEinst; // present when the file stores HD-UebEinst
    std::optional<QString> Schriftart;     // present when the file stores HD-Schriftart
    QString WirksameSchriftart;            // the document font after reading (stored or kept, "Arial" if not installed)

    // Characters 5 to 8 of the magic, e.g. "2.24".
    QString Version() const { return Kennung.mid(4, 4); }
};

enum class LeseStatus {
    Ok,
    UngueltigesFormat, // magic neither "KAL-" nor "RUV-"
    NeuereVersion,     // written by a newer program
    Beschaedigt,       // truncated, damaged or out of bounds
};

struct LeseErgebnis
{
    LeseStatus Status = LeseStatus::Ok;
    QString Grund; // what was wrong, for tests and diagnostics (not shown to users)
    bool ok() const { return Status == LeseStatus::Ok; }
};

struct LeseOptionen
{
    // The current document font; kept when the file stores none.
    QString Schriftart = QStringLiteral("Arial");
    // Whether a font is installed; a stored font that is not becomes "Arial".
    std::function<bool(const QString &)> SchriftInstalliert;
    // Height factor of a font for the conversion of old files.
    std::function<double(const QString &)> SchriftFaktor;
    // The object editor is open: loaded query fields start uncovered.
    bool ObjekteditorOffen = false;
    // Page-ratio presets of a new header.
    SeitenVorgaben Vorgaben;
};

// Reads a whole document from the current position of geraet: the document
// ends with its base image. Never reads past the end of the device and
// never allocates more than the remaining bytes can describe.
LeseErgebnis DokumentStromLesen(QIODevice &geraet, DateiInhalt &inhalt, const LeseOptionen &optionen = {});

// Reads the header only (up to the first int of the exercise-settings block);
// no image is read. UebEinstGeladen tells whether the file stores settings
// to be used.
LeseErgebnis KopfStromLesen(QIODevice &geraet, HeaderDataTyp &kopf, QString *kennung = nullptr);

struct SchreibOptionen
{
    // The nine exercise settings after UebEinstSpeichern, as collected
    // for the document's type.
    std::array<qint32, kUebEinstAnzahl - 1> UebEinst{0, 0, 0, 1, 1, 0, 0, 180, 0};
    QString Schriftart = QStringLiteral("Arial");
    qint32 AnsiCodepage = 1252;
    qint32 OemCodepage = 850;
};

// Writes the document. Applies the kind fallbacks (image kinds without an
// image) and the placeholder picture to the objects in dok, and recomputes
// UebAusfuehrbar. Throws SchreibFehler when the device refuses bytes.
void DokumentStromSchreiben(QIODevice &geraet, Dokument &dok, const SchreibOptionen &optionen = {});

} // namespace kalumo
