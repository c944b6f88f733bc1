#pragma once
// The communication settings of network exercises and the checks of their
// dialog "Kommunikation für Netzwerk-Übungen" (TKommVerzForm).
//
// All computers of one exercise name the same communication folder and the
// same channel. The files of an exercise are the folder followed by the
// channel and "-" (the prefix P, see NetzDateien.h). With the method 1 the
// participants send their messages as datagrams and need only read access
// to the folder; with 0 they write message files and need write access.

#include "platform/Meldungen.h"
#include "platform/Netzweg.h"

#include <QString>

namespace kalumo {

// "NetzKomVerfahren"
enum NetzVerfahrenWert : int {
    netzVerfahrenOrdner = 0,      // everything through the folder
    netzVerfahrenDatagramm = 1,   // exercise files in the folder, messages as datagrams ("empfohlen")
};

inline constexpr int kNetzKanalHoechstlaenge = 8;

struct NetzKomTyp
{
    QString Ordner;                            // "NetzKomOrdner", with trailing '/'
    QString Kanal = QStringLiteral("MASTER-1");   // "NetzKomKanal"
    int Verfahren = netzVerfahrenDatagramm;    // "NetzKomVerfahren"
    int Basisport = kNetzBasisportVorgabe;     // config.ini only: "NetzKom" / "NetzKomBasisport"

    bool operator==(const NetzKomTyp &) const = default;
};

// An unknown method counts as the recommended one (1).
int NetzVerfahrenGueltig(int verfahren);

// ---- texts ----------------------------------------------------------------
QString KommDialogTitel();                 // "Kommunikation für Netzwerk-Übungen"
QString KommOrdnerWahlTitel();             // "Kommunikationsordner festlegen"
QString KommGesperrtText();                // refusal during a network exercise
QString KommOrdnerUngueltigText();         // "Der angegebene Ordner ist ungültig."
QString KommKanalZuLangText();             // the channel is longer than 8 characters
QString KommKanalUngueltigText();          // characters a file name cannot hold
QString KommKanalLeerText();
QString KommDatagrammTestText();           // "Aufgrund Mailslot-Kommunikation kein Datei-Zugriffstest erforderlich."
QString KommTestErfolgreichText();         // "Test für Lese- und Schreibzugriff erfolgreich."
// The rights message; ausDialog leaves out the hint on the menu entry.
QString KommRechteText(const QString &ordner, bool ausDialog);
// The explanation of the datagram method beside its radio button: the port
// the teacher computer receives on, to be opened in its firewall.
QString KommPortHinweis(const QString &kanal, int basisport);

// ---- checks ----------------------------------------------------------------

// The dialog may open: not while this computer takes part in a network
// exercise (exercise mode with UebArt 1), and not while it runs one as
// teacher computer (UebArt 2, in any mode) — the running exercise would
// lose its files. Shows the refusal.
bool KommEinstellungenAenderbar(bool uebungsmodus, int uebArt, Meldungen &meldungen);

// An empty text when the channel can be used, else the message.
QString KommKanalPruefen(const QString &kanal);

// The access test "&Zugriffstest": with datagrams nothing to test (an
// information unless still); with the folder method the file "AVXZ_" + n
// (n the first number whose file does not exist) is created in the folder
// and deleted again. still: no message on success (the test of "OK").
bool KommZugriffstest(const QString &ordner, int verfahren, Meldungen &meldungen, bool ausDialog, bool still);

// What the dialog's fields hold.
struct KommDialogWerte
{
    QString Ordner;
    QString Kanal;
    int Verfahren = netzVerfahrenDatagramm;
};

enum class KommOkErgebnis {
    Uebernommen,            // stored; the dialog closes
    UebernommenTestFehlt,   // stored, but the access test failed: the dialog stays open
    OrdnerUngueltig,        // nothing stored, the folder field gets the focus
    KanalUngueltig,         // nothing stored, the channel field gets the focus
    Gesperrt,               // nothing stored: a network exercise of this computer runs
};

// "OK": a '/' is appended to a non-empty folder; the folder must exist and
// the channel be usable; then the access test runs silently and folder,
// channel and method are stored in kom (the base port stays). While
// netzUebungAktiv nothing is stored.
KommOkErgebnis KommEinstellungenUebernehmen(KommDialogWerte &werte, NetzKomTyp &kom, bool netzUebungAktiv,
                                            Meldungen &meldungen);

} // namespace kalumo
