#pragma once
// The ten exercise settings of a run (UebEinst), the values of the four
// settings dialogs, the way between them, the keys under which the dialog
// values persist and what a document stores of them.
//
// Which dialog serves a document depends on its type:
//   single questions, multiple choice   TUebOptFragenForm
//   cluster                             TUebOptKorbForm
//   cross matching, find words          TUebOptKreuzverbindungForm
//   every other type                    TUebOptForm
// The dialogs hold radio item indices, minutes and seconds as text (as the
// numeric fields hold them) and check boxes; the run takes plain numbers.

#include "document/DokumentDatei.h"
#include "document/DokumentModell.h"

#include <QString>

#include <array>

namespace kalumo {

// Values of the settings members.
enum AbfrageModusWert : int {
    abfFrei = 0,             // free assignment in any order
    abfEinzelTexte = 1,      // single query of texts/images
    abfEinzelPositionen = 2, // single query of positions
    abfTexteingabe = 3,      // text input
};

enum ZeitlimitWert : int {
    zlOhneMitUhr = 0,   // no limit, clock shown
    zlMitLimit = 1,     // time limit
    zlOhneOhneUhr = 2,  // no limit, no clock
};

// The ten settings in the order the document stores them.
struct UebEinstTyp
{
    int UebEinstSpeichern = 1;   // 0 not stored, 1 stored and changeable, 2 stored and locked
    int RiFaRueckmeldung = 0;    // 1: feedback only at the end
    int ZuordnungRichtig = 0;    // 0 show the label, 1 green tick, 2 no feedback
    int ZuordnungFalsch = 0;     // 0 any number of attempts, 1 red cross, 2 no feedback
    int Zuordnungstexte = 1;     // 0 alphabetical (multiple choice: stored order), 1 random
    int Zuordnungsziele = 1;     // 0 ordered numbers, 1 random numbers, 2 question marks
    int AbfrageModus = abfFrei;
    int Zeitlimit = zlOhneMitUhr;
    int ZLimit = 180;            // seconds
    int AnzZeichenVorgeben = 0;  // text input: the field shows the expected length

    bool operator==(const UebEinstTyp &) const = default;

    UebEinstBlock AlsBlock() const;
    static UebEinstTyp AusBlock(const UebEinstBlock &b);
};

// The time limit group, the same in all four dialogs.
struct ZeitlimitWerte
{
    int Zeitlimit = zlOhneMitUhr;            // radio item
    QString ZLimitMin = QStringLiteral("3"); // 0..59
    QString ZLimitSek = QStringLiteral("0"); // 0..59
};

// TUebOptForm: assignment, cloze, table and crossword documents ("UebOpt-...").
struct UebOptTyp
{
    int AbfrageModus = abfFrei;
    int Zeitlimit = zlOhneMitUhr;
    QString ZLimitMin = QStringLiteral("3");
    QString ZLimitSek = QStringLiteral("0");
    int ZuordnungRichtig = 0;
    int ZuordnungFalsch = 0;
    int Zuordnungstexte = 1;
    int Zuordnungsziele = 1;
    bool AnzZeichenVorgeben = false;
    int RiFaRueckmeldung = 0;   // the hidden control; never set by the user
};

// TUebOptFragenForm: single questions and multiple choice ("UebOptFragen-...").
struct UebOptFragenTyp
{
    int ZuordnungFalsch = 0;
    int Zuordnungstexte = 1;
    int Zeitlimit = zlOhneMitUhr;
    QString ZLimitMin = QStringLiteral("3");
    QString ZLimitSek = QStringLiteral("0");
    int Zuordnungsziele = 1;
};

// TUebOptKorbForm: cluster documents ("UebOptKorb-...").
struct UebOptKorbTyp
{
    int AbfrageModus = abfFrei;
    int Zeitlimit = zlOhneMitUhr;
    QString ZLimitMin = QStringLiteral("3");
    QString ZLimitSek = QStringLiteral("0");
};

// TUebOptKreuzverbindungForm: cross matching and find words; not persisted.
struct UebOptKreuzTyp
{
    int Zeitlimit = zlOhneMitUhr;
    QString ZLimitMin = QStringLiteral("3");
    QString ZLimitSek = QStringLiteral("0");
};

// The values of all four dialogs and their shared check box. The user
// settings of the program include them (the first three persist).
struct UebDialogeTyp
{
    UebOptTyp UebOpt;
    UebOptFragenTyp UebOptFragen;
    UebOptKorbTyp UebOptKorb;
    UebOptKreuzTyp UebOptKreuz;
    bool UebOptZeigen = true;   // "Dialog vor jeder Übung anzeigen"; on at program start, not persisted
};

// Which dialog serves a document type.
enum class UebDialogArt { UebOpt, Fragen, Korb, Kreuzverbindung };
UebDialogArt UebEinstDialog(int dokTyp);

// Captions and radio items of the dialogs.
QString UebDialogTitel(int dokTyp, bool netzwerk = false);
inline constexpr char kNetzUebInitText[] =
    "Klicken Sie auf \"Übung starten\" um die Netzwerk-Übung zu initiieren.        Alle getätigten Einstellungen werden "
    "an die Übungsteilnehmer übermittelt.";
inline constexpr char kTexteingabeHinweis[] =
    "Beim Abfragemodus \"Texteingabe\" sind keine weiteren Optionen verfügbar.";

// A minute or second field: the number 0..59 it holds, 0 when it holds none.
int ZeitfeldWert(const QString &feld);
// Seconds of a time limit group: minutes * 60 + seconds.
int ZLimitSekunden(const QString &min, const QString &sek);

// What the series asks of a partial exercise whose document brought no
// stored settings.
struct SerienVorgaben
{
    bool Vorhanden = false;       // the run is a series entry
    bool DokumentHatEinstellungen = false;
    int AbfrageModus = abfFrei;
    int ZuordnungRichtig = 0;
    int ZuordnungFalsch = 0;
    int ZeitlimitMinuten = 0;     // > 0: a time limit of that many minutes
    int Nummer = 0;               // the entry's number in the series (from 1), for the protocol
    QString Gewichtung;           // the entry's weight as the protocol shows it
};

// The settings of a run from the dialog of its document type (the heart of
// Uebung::EinstellungenUebernehmen); `bisher` gives the values the dialog
// does not set (AbfrageModus of cross matching and find words).
// RiFaRueckmeldung is 0.
UebEinstTyp EinstellungenAusDialogen(const UebDialogeTyp &d, int dokTyp, const UebEinstTyp &bisher = {});
// Then the series overrides, when the run is a series entry.
void SerienVorgabenAnwenden(UebEinstTyp &e, int dokTyp, const SerienVorgaben &serie);

// EinstellungenInDialoge: stored document settings into all four dialogs.
// A value outside a radio group leaves that group as it is.
void EinstellungenInDialoge(const UebEinstTyp &e, UebDialogeTyp &d);

// The document hooks: a read block goes into the dialogs when the document
// asks for it; a saved document takes the nine settings after
// UebEinstSpeichern from the dialog of its type.
void UebEinstDokumentGelesen(UebDialogeTyp &d, const UebEinstBlock &block, bool inDialoge);
std::array<qint32, kUebEinstAnzahl - 1> UebEinstFuerDokument(const UebDialogeTyp &d, const HeaderDataTyp &kopf);

// The default settings of a document type: the dialog defaults taken over.
UebEinstTyp UebEinstVorgabe(int dokTyp);

// Keys of the persisted dialog values. The time-limit index of TUebOptForm
// is written as "UebOpt-ZeitLimit"; names compare without regard to case.
namespace uebkey {
inline constexpr char UebOptAbfrageModus[] = "UebOpt-AbfrageModus";
inline constexpr char UebOptZeitlimit[] = "UebOpt-ZeitLimit";
inline constexpr char UebOptZLimitMin[] = "UebOpt-ZLimitMin";
inline constexpr char UebOptZLimitSek[] = "UebOpt-ZLimitSek";
inline constexpr char UebOptZuordnungRichtig[] = "UebOpt-ZuordnungRichtig";
inline constexpr char UebOptZuordnungFalsch[] = "UebOpt-ZuordnungFalsch";
inline constexpr char UebOptZuordnungstexte[] = "UebOpt-Zuordnungstexte";
inline constexpr char UebOptZuordnungsziele[] = "UebOpt-Zuordnungsziele";
inline constexpr char UebOptAnzZeichenVorgeben[] = "UebOpt-AnzZeichenVorgeben";
inline constexpr char UebOptFragenZuordnungFalsch[] = "UebOptFragen-ZuordnungFalsch";
inline constexpr char UebOptFragenZuordnungstexte[] = "UebOptFragen-Zuordnungstexte";
inline constexpr char UebOptFragenZuordnungsziele[] = "UebOptFragen-Zuordnungsziele";
inline constexpr char UebOptFragenZeitlimit[] = "UebOptFragen-Zeitlimit";
inline constexpr char UebOptFragenZLimitMin[] = "UebOptFragen-ZLimitMin";
inline constexpr char UebOptFragenZLimitSek[] = "UebOptFragen-ZLimitSek";
inline constexpr char UebOptKorbAbfrageModus[] = "UebOptKorb-AbfrageModus";
inline constexpr char UebOptKorbZeitlimit[] = "UebOptKorb-Zeitlimit";
inline constexpr char UebOptKorbZLimitMin[] = "UebOptKorb-ZLimitMin";
inline constexpr char UebOptKorbZLimitSek[] = "UebOptKorb-ZLimitSek";
} // namespace uebkey

// Calls f(name, field) for every persisted dialog value; the settings of the
// program load and save them through this one list.
template <class D, class F>
void JedeUebEinstellung(D &d, F &&f)
{
    using namespace uebkey;
    f(QString::fromLatin1(UebOptAbfrageModus), d.UebOpt.AbfrageModus);
    f(QString::fromLatin1(UebOptZeitlimit), d.UebOpt.Zeitlimit);
    f(QString::fromLatin1(UebOptZLimitMin), d.UebOpt.ZLimitMin);
    f(QString::fromLatin1(UebOptZLimitSek), d.UebOpt.ZLimitSek);
    f(QString::fromLatin1(UebOptZuordnungRichtig), d.UebOpt.ZuordnungRichtig);
    f(QString::fromLatin1(UebOptZuordnungFalsch), d.UebOpt.ZuordnungFalsch);
    f(QString::fromLatin1(UebOptZuordnungstexte), d.UebOpt.Zuordnungstexte);
    f(QString::fromLatin1(UebOptZuordnungsziele), d.UebOpt.Zuordnungsziele);
    f(QString::fromLatin1(UebOptAnzZeichenVorgeben), d.UebOpt.AnzZeichenVorgeben);
    f(QString::fromLatin1(UebOptFragenZuordnungFalsch), d.UebOptFragen.ZuordnungFalsch);
    f(QString::fromLatin1(UebOptFragenZuordnungstexte), d.UebOptFragen.Zuordnungstexte);
    f(QString::fromLatin1(UebOptFragenZeitlimit), d.UebOptFragen.Zeitlimit);
    f(QString::fromLatin1(UebOptFragenZLimitMin), d.UebOptFragen.ZLimitMin);
    f(QString::fromLatin1(UebOptFragenZLimitSek), d.UebOptFragen.ZLimitSek);
    f(QString::fromLatin1(UebOptFragenZuordnungsziele), d.UebOptFragen.Zuordnungsziele);
    f(QString::fromLatin1(UebOptKorbAbfrageModus), d.UebOptKorb.AbfrageModus);
    f(QString::fromLatin1(UebOptKorbZeitlimit), d.UebOptKorb.Zeitlimit);
    f(QString::fromLatin1(UebOptKorbZLimitMin), d.UebOptKorb.ZLimitMin);
    f(QString::fromLatin1(UebOptKorbZLimitSek), d.UebOptKorb.ZLimitSek);
}

// Settings from a file or the network may hold anything: every member
// outside its range becomes its default, a negative ZLimit 0.
UebEinstTyp UebEinstBereinigt(UebEinstTyp e);

} // namespace kalumo
