#pragma once
// The user settings, the working folders and the central configuration.
//
// Start-up: EinstellungenVorgaben (defaults of the folder table and of every
// setting), EinstellungenLaden (the user's stored values), then
// ZentraleKonfigurationLaden (the administrator's config.ini wins for every
// section it switches on). EinstellungenSpeichern writes every value back at
// the end of a run, so preset values end up in the user's store as well.
//
// A folder is stored with a trailing '/'.

#include "document/DokumentModell.h"
#include "exercise/Notenskala.h"
#include "exercise/Uebungseinstellungen.h"
#include "learnview/Werkzeuge.h"
#include "platform/Einstellungsspeicher.h"
#include "platform/Netzweg.h"

#include <QString>
#include <QStringList>

#include <array>

class QRandomGenerator;

namespace kalumo {

// Value names of the user settings.
namespace einstellung {
inline constexpr char OptSound[] = "Opt-Sound";
inline constexpr char OptUebNameEingabe[] = "Opt-UebNameEingabe";
inline constexpr char OptUebStatusInfo[] = "Opt-UebStatusInfo";
inline constexpr char OptAutoProtSpeichern[] = "Opt-AutoProtSpeichern";
inline constexpr char OptErgebBestListEintragen[] = "Opt-ErgebBestListEintragen";
inline constexpr char OptUebErgebAnzeigen[] = "Opt-UebErgebAnzeigen";
inline constexpr char NetzKomOrdner[] = "NetzKomOrdner";
inline constexpr char NetzKomKanal[] = "NetzKomKanal";
inline constexpr char NetzKomVerfahren[] = "NetzKomVerfahren";
inline constexpr char OptChronikOrdner[] = "Opt-ChronikOrdner";
inline constexpr char OptTauschboerseOrdner[] = "Opt-TauschboerseOrdner";
inline constexpr char OptBilderGalerieOrdner[] = "Opt-BilderGalerieOrdner";
inline constexpr char OptProtOrdner[] = "Opt-ProtOrdner";
inline constexpr char OptBestListOrdner[] = "Opt-BestListOrdner";
inline constexpr char OptKAUSPOrdner[] = "Opt-KAUSPOrdner";
inline constexpr char OptVerknuepfung[] = "Opt-Verknuepfung";             // + 1 .. 3
inline constexpr char OptVerknuepfungName[] = "Opt-VerknuepfungName";     // + 1 .. 3
inline constexpr char OptVerknuepfungHint[] = "Opt-VerknuepfungHint";     // + 1 .. 3
inline constexpr char OptVerknuepfungT[] = "Opt-VerknuepfungT";
inline constexpr char OptVerknuepfungHintT[] = "Opt-VerknuepfungHintT";
inline constexpr char OptWerkzeugPos[] = "Opt-WerkzeugPos";
inline constexpr char StartUpdatePruefen[] = "StartUpdatePruefen";
// "Opt-NoteMinQuote", "Opt-PunkteMinQuote", "Opt-BewertSkala": exercise/Notenskala.h
inline constexpr char OptSchriftart[] = "Opt-Schriftart";
inline constexpr char OptRueckmeldungRichtigTonDatei[] = "Opt-Uebungsrueckmeldung-RichtigTonDatei";
inline constexpr char OptRueckmeldungFalschTonDatei[] = "Opt-Uebungsrueckmeldung-FalschTonDatei";
inline constexpr char OptRueckmeldungRichtigText[] = "Opt-Uebungsrueckmeldung-RichtigText";
inline constexpr char OptRueckmeldungFalschText[] = "Opt-Uebungsrueckmeldung-FalschText";
inline constexpr char OptRueckmeldungMCRichtigText[] = "Opt-Uebungsrueckmeldung-MCRichtigText";
inline constexpr char OptRueckmeldungMCFalschText[] = "Opt-Uebungsrueckmeldung-MCFalschText";
inline constexpr char OptRueckmeldungMCFehlendText[] = "Opt-Uebungsrueckmeldung-MCFehlendText";
inline constexpr char OptTafelanschriebSchriftart[] = "Opt-TafelanschriebSchriftart";
inline constexpr char OptTafelanschriebSchriftgroesse[] = "Opt-TafelanschriebSchriftgroesse";   // + 1 .. 4
inline constexpr char TBBenutzer[] = "TB-Benutzer";
inline constexpr char TBName[] = "TB-Name";
inline constexpr char TBEmail[] = "TB-Email";
inline constexpr char TBZugangscode[] = "TB-Zugangscode";
inline constexpr char TBKennwort[] = "TB-Kennwort";
inline constexpr char DokSeitRatioArt[] = "Dok-SeitRatioArt";
inline constexpr char DokSeitRatioBreite[] = "Dok-SeitRatioBreite";
inline constexpr char DokSeitRatioHoehe[] = "Dok-SeitRatioHoehe";
inline constexpr char DokSeitRatioNeuesBlattVollflaeche[] = "Dok-SeitRatioNeuesBlattVollflaeche";
inline constexpr char EditorSchriftartFontName[] = "EditorSchriftart-FontName";
inline constexpr char EditorSchriftartFontSize[] = "EditorSchriftart-FontSize";
inline constexpr char EditorSchriftartFontFett[] = "EditorSchriftart-FontFett";
inline constexpr char SymbolstempelZeichen[] = "Symbolstempel-Zeichen";
inline constexpr char SymbolstempelFontname[] = "Symbolstempel-Fontname";   // + 1 .. 10

// Name + number, e.g. Nummeriert(OptNoteMinQuote, 1) == "Opt-NoteMinQuote1".
QString Nummeriert(const char *praefix, int nummer);
} // namespace einstellung

// The fixed installation prefix of the exchange user id "TB-Benutzer".
inline constexpr char kTBBenutzerPraefix[] = "KALUMO-LX";

inline constexpr int kTafelSchriftgroessen = 4;
inline constexpr int kVerknuepfungsAnzahl = 3;

// Where the program finds its files and where it may write.
struct OrdnerUmgebung
{
    QString Programm;            // folder of the program file
    QString Ressourcen;          // sound, help, setup: the program folder, or <prefix>/share/kalumo/ when installed
    QString Daten;               // $XDG_DATA_HOME/Kalumo/
    bool ProgrammBeschreibbar = false;   // portable use: working folders below the program folder
};

// programmOrdner with or without trailing '/'. An installed program
// (<prefix>/bin with <prefix>/share/kalumo) never writes below its folder.
OrdnerUmgebung OrdnerUmgebungErmitteln(const QString &programmOrdner);

struct OrdnerTyp
{
    QString Programm;
    QString Sound;            // fixed: "sound/"
    QString Hilfe;            // fixed: "hilfe/"
    QString Setup;            // fixed: "setup/", the setup program for mail attachments
    QString Chronik;          // "Opt-ChronikOrdner", "chronik/"
    QString Tauschboerse;     // "Opt-TauschboerseOrdner", "tauschboerse/"
    QString BilderGalerie;    // "Opt-BilderGalerieOrdner", "bildergalerie/"
    QString Protokolle;       // "Opt-ProtOrdner", "protokolle/"
    QString Bestenlisten;     // "Opt-BestListOrdner", "bestenlisten/"
    QString NetzKom;          // "NetzKomOrdner", "kom/"
    QString Kausp;            // "Opt-KAUSPOrdner", "kausp/"
    QString Start;            // start folder, the program folder until the command line or "Themenordner" says otherwise
    QString Bibliothek;       // current library folder, likewise
};

OrdnerTyp OrdnerVorgaben(const OrdnerUmgebung &umgebung);

// Creates the writable working folders of vorgaben that do not exist yet
// (only defaults: a folder the user chose is never created behind his back).
bool ArbeitsordnerAnlegen(const OrdnerTyp &vorgaben);

// Appends '/' to a non-empty folder that lacks one.
QString MitTrennzeichen(const QString &ordner);

// The on-screen keyboard: the first of "onboard", "florence" on the PATH
// (or in suchpfade when given), else empty.
QString BildschirmtastaturVorgabe(const QStringList &suchpfade = {});

struct VerknuepfungTyp
{
    QString Datei;     // program or file the button opens
    QString Name;      // caption of the button
    QString Hinweis;   // its tool tip

    bool operator==(const VerknuepfungTyp &) const = default;
};

// Caption "V1" and hint "Programmverknüpfung 1" of link n (0-based).
QString VerknuepfungNameVorgabe(int index);
QString VerknuepfungHinweisVorgabe(int index);
inline constexpr char kBildschirmtastaturHinweis[] = "Bildschirmtastatur";

struct VerknuepfungsfelderTyp
{
    std::array<VerknuepfungTyp, kVerknuepfungsAnzahl> Felder = {{
        {QString(), VerknuepfungNameVorgabe(0), VerknuepfungHinweisVorgabe(0)},
        {QString(), VerknuepfungNameVorgabe(1), VerknuepfungHinweisVorgabe(1)},
        {QString(), VerknuepfungNameVorgabe(2), VerknuepfungHinweisVorgabe(2)},
    }};
    QString TastaturDatei;                                               // "Opt-VerknuepfungT"
    QString TastaturHinweis = QString::fromUtf8(kBildschirmtastaturHinweis);   // "Opt-VerknuepfungHintT"

    bool operator==(const VerknuepfungsfelderTyp &) const = default;
};

struct UebungsrueckmeldungTyp
{
    QString RichtigTonDatei = QStringLiteral("richtig1.wav");
    QString FalschTonDatei = QStringLiteral("falsch1.wav");
    QString RichtigText = QStringLiteral("Richtig!");
    QString FalschText = QStringLiteral("Falsch!");
    QString MCRichtigText = QStringLiteral("Richtig:");
    QString MCFalschText = QStringLiteral("Falsch:");
    QString MCFehlendText = QStringLiteral("Fehlend:");
};

// Exchange access ("TB-...").
struct TauschboerseTyp
{
    QString Benutzer;   // generated when absent
    QString Name;
    QString Email;
    QString Zugangscode;
    QString Kennwort;
};

struct EditorSchriftTyp
{
    QString FontName = QStringLiteral("Arial");
    int FontSize = 10;
    bool FontFett = false;
};

// Only from config.ini, section "Proxy"; not a user setting.
struct ProxyTyp
{
    bool Vorgegeben = false;   // the section was switched on
    QString Server;
    int Port = 0;
    QString Benutzer;
    QString Passwort;
    bool BasicAuthentication = false;
};

// Only from config.ini, section "OptionenAenderbar": false disables the
// matching menu entry in every mode.
struct AenderbarTyp
{
    bool Namenseingabe = true;
    bool Statusinfo = true;
    bool ProtokollAutospeichern = true;
    bool BestenlisteAutoeintrag = true;
    bool UebungsergebnisAnzeigen = true;
    bool Notenskala = true;                  // "Notens&kala..."
    bool ProtokollderletztenUebung = true;   // "&Protokoll der letzten Übung..."
};

// The user settings include the values of the exercise settings dialogs
// (UebOpt, UebOptFragen, UebOptKorb persist; see exercise/Uebungseinstellungen.h).
struct EinstellungenTyp : UebDialogeTyp
{
    // menu "Optionen"
    bool Sound = true;                      // "Opt-Sound"
    bool UebNameEingabe = true;             // "Opt-UebNameEingabe"
    bool UebStatusInfo = true;              // "Opt-UebStatusInfo"
    bool AutoProtSpeichern = false;         // "Opt-AutoProtSpeichern"
    bool ErgebBestListEintragen = false;    // "Opt-ErgebBestListEintragen"
    bool UebErgebAnzeigen = true;           // "Opt-UebErgebAnzeigen"

    OrdnerTyp Ordner;                       // folder values; NetzKom is "NetzKomOrdner"
    QString NetzKomKanal = QStringLiteral("MASTER-1");
    int NetzKomVerfahren = 1;
    // config.ini only ("NetzKom" / "NetzKomBasisport"): the first port of the
    // datagram channels (platform/Netzweg.h); never stored per user
    int NetzKomBasisport = kNetzBasisportVorgabe;

    VerknuepfungsfelderTyp Verknuepfungen;
    int WerkzeugPos = 0;                    // 0 right, other left
    bool StartUpdatePruefen = false;

    NotenskalaTyp Notenskala;               // "Opt-NoteMinQuote1…5", "Opt-PunkteMinQuote1…15", "Opt-BewertSkala"

    QString Schriftart = QStringLiteral("Arial");
    UebungsrueckmeldungTyp Rueckmeldung;
    QString TafelanschriebSchriftart = QStringLiteral("Arial");
    std::array<int, kTafelSchriftgroessen> TafelanschriebSchriftgroesse = {18, 36, 54, 72};

    TauschboerseTyp Tauschboerse;
    SeitenVorgaben Seite;                   // "Dok-SeitRatioArt", "-Breite", "-Hoehe"
    bool NeuesBlattVollflaeche = true;      // "Dok-SeitRatioNeuesBlattVollflaeche"
    EditorSchriftTyp EditorSchrift;
    SymbolstempelTyp Symbolstempel;

    // from config.ini only
    ProxyTyp Proxy;
    AenderbarTyp Aenderbar;
    QString Themenordner;                   // "Start"/"Themenordner": library start folder without command-line argument
};

// Every setting at its default; folders after the folder table for the
// given program folder, the keyboard program from the PATH.
EinstellungenTyp EinstellungenVorgaben(const QString &programmOrdner);
EinstellungenTyp EinstellungenVorgaben(const OrdnerUmgebung &umgebung);

// Applies every stored value that exists; generates "TB-Benutzer" when it
// is absent or empty (digits from zufall, or the system generator).
void EinstellungenLaden(const Einstellungsspeicher &speicher, EinstellungenTyp &e, QRandomGenerator *zufall = nullptr);

// Writes every user setting and makes the store permanent; false when it
// could not be written.
bool EinstellungenSpeichern(Einstellungsspeicher &speicher, const EinstellungenTyp &e);

// Every value name EinstellungenSpeichern writes.
QStringList EinstellungsNamen();

// kTBBenutzerPraefix, "-" and 20 decimal digits drawn uniformly.
QString TBBenutzerErzeugen(QRandomGenerator &zufall);

// The folders that may hold a central config.ini: each of $XDG_CONFIG_DIRS
// (default /etc/xdg) + "/Kalumo/".
QStringList SystemKonfigurationsOrdner();

// The config.ini beside the program, else the first in systemOrdner; empty when none exists.
QString ZentraleKonfigurationFinden(const QString &programmOrdner,
                                    const QStringList &systemOrdner = SystemKonfigurationsOrdner());

// Applies the switched-on sections of the central configuration. Returns
// false (and changes nothing) when the file does not exist.
bool ZentraleKonfigurationLaden(const QString &iniPfad, EinstellungenTyp &e);

} // namespace kalumo
