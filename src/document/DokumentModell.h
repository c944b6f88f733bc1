#pragma once
// The document in memory: the header, the objects on the page and the base
// image. Every subsystem reads and changes a document through these records.
//
// Colours are 0x00BBGGRR; object positions are fractions of the page width
// and height (0.0 top-left, 1.0 bottom-right); the page is the base image
// widened by the margin extensions RandErw.

#include <QImage>
#include <QString>

#include <array>
#include <vector>

namespace kalumo {

using Farbwert = qint32; // 0x00BBGGRR

// Document types (DokTyp).
enum DokTypWert : int {
    dokBildbeschriftung = 0,
    dokLueckentext = 1,
    dokEinzelfragen = 2,
    dokMultipleChoice = 3,
    dokCluster = 4,
    dokKreuzZuordnung = 5,
    dokKreuzwortraetsel = 6,
    dokWoerterFinden = 7,
};

// Subtypes of the cloze type (DokUnterTyp).
enum DokUnterTypWert : int {
    subLueckentext = 0,
    subTabelle = 1,
    subCTest = 2,
    subLueckentextFalschwoerter = 3,
    subCTestFalschwoerter = 4,
};

// Object kinds (Typ). Some names cover a range of values; the constant is
// the first value of its range, and the single values of a range have names
// of their own below it.
enum ObjTypWert : int {
    objAbfrageBeschriftung = 0,
    objFixeBeschriftung = 1,
    objInfopunkt = 2,
    objAbfrageLuecke = 3,
    objLinkExtern = 4,
    objLinkIntern = 5,
    objAbfrageBild = 6,
    objFixesBild = 7,
    objBildLink = 8,
    objFrageAntwort = 10,
    objFrageText = 11,
    objNavKnopf = 12,        // 12..16
    objTextLabel = 17,
    objMCFrage = 20,
    objMCFrageBild = 21,
    objMCElement = 22,       // 22..29
    objTabellenZelle = 31,   // 31..34
    objClusterElement = 40,  // 40..43
    objKreuzElement = 50,    // 50..53
    objKreuzwortGitter = 60,
    objWortsucheElement = 70, // 70, 71
    objFalschwort = 90,

    // the buttons of question pages
    objNavZurueck = objNavKnopf,  // "<" previous question
    objNavVor = 13,               // ">" next question
    objNavErste = 14,             // "|<" first question
    objNavLetzte = 15,            // ">|" last question
    objNavZufall = 16,            // "?" a random other question
    // the elements of a multiple-choice page (22..27 are never stored)
    objMCFragetext = objMCElement, // the question text
    objMCBild = 23,               // the question's picture
    objMCMarke = 24,              // the tick box of an answer
    objMCAntwort = 25,            // an answer text
    objOkKnopf = 26,              // "OK": the check button (of every exercise)
    objMCAntwortBild = 27,        // a picture answer
    objMCInfopunkt = 28,          // the question's info point
    objMCLink = 29,               // the question's link
    // table cells: 30 + the cell's Art
    objTabelleBild = objTabellenZelle, // fixed image (never stored)
    objTabelleAbfrageBild = 32,   // query image (never stored)
    objTabelleBildLink = 33,      // image with a linked file
    objTabelleAbfrageText = 34,   // query text (never stored)
    // cluster cards: 40 + the cell's Art
    objClusterText = objClusterElement,
    objClusterAbfrageText = 41,
    objClusterBild = 42,
    objClusterAbfrageBild = 43,
    // cross-matching elements: 50 + the cell's Art
    objKreuzText = objKreuzElement,
    objKreuzAbfrageText = 51,
    objKreuzBild = 52,
    objKreuzAbfrageBild = 53,
    // find words: a word to find ("<<...>>") and one that must not be marked ("[[...]]")
    objWortsucheWort = objWortsucheElement,
    objWortsucheFalle = 71,
};

// The families of kinds that the layouts make together.
constexpr bool IstNavKnopf(int t) { return t >= objNavZurueck && t <= objNavZufall; }
// The kinds of a single-question page (answer, text, buttons, labels).
constexpr bool IstEinzelfragenart(int t) { return t >= objFrageAntwort && t <= objTextLabel; }
// The elements of a multiple-choice page made from its question objects.
constexpr bool IstMCElement(int t) { return t >= objMCFragetext && t <= objMCLink; }
constexpr bool IstTabellenZelle(int t) { return t >= objTabelleBild && t <= objTabelleAbfrageText; }
constexpr bool IstClusterElement(int t) { return t >= objClusterText && t <= objClusterAbfrageBild; }
constexpr bool IstKreuzElement(int t) { return t >= objKreuzText && t <= objKreuzAbfrageBild; }
constexpr bool IstWortsucheElement(int t) { return t == objWortsucheWort || t == objWortsucheFalle; }
// The object kind of a table cell, cluster card or cross-matching element
// made from a cell of this Art.
constexpr int TabellenZellenTyp(int art) { return objTabelleBild - 1 + art; }
constexpr int ClusterTyp(int art) { return objClusterText + art; }
constexpr int KreuzTyp(int art) { return objKreuzText + art; }

// Layers (Ebene).
enum EbeneWert : int {
    ebeneBasisbild = 0,
    ebeneTexteUndBilder = 1,
    ebeneInfopunkte = 2,
    ebeneLayout = 3,
};

QString EbeneName(int ebene);

// Kinds that make a document executable as an exercise.
bool IstAbfrageTyp(int typ);
// Point objects: info points and links (kinds 2, 4, 5).
bool IstPunktTyp(int typ);
// Kinds that carry an image in Bild (6, 7, 8, 21).
bool IstBildTyp(int typ);
// Kinds generated by the layouts that are never written to a file.
bool IstNieGespeichert(int typ);

// Title and background colour a point object gets by default.
QString StandardPunktTitel(int typ);
Farbwert StandardPunktHintergrund(int typ);

// Untertyp of a multiple-choice question whose answers are images.
constexpr int kMCBildantworten = 1;

// UebEinstSpeichern: the exercise settings travel with the document and
// cannot be changed before an exercise.
constexpr int kUebEinstGesperrt = 2;

constexpr int kTabelleMaxZeilen = 16;
constexpr int kTabelleMaxSpalten = 12;
constexpr int kKreuzGroesse = 30;
constexpr int kMaxAntworten = 12;
constexpr int kUebEinstAnzahl = 10;

// One cell of the table of cloze tables, cluster and cross-matching documents.
struct lueckentabellearrtyp
{
    QString Text;
    QImage Bild;
    int Art = 0;
    QString BildKenn;
    QString Link;
    int Groesse = 20;
    int BildkarteAnpassen = 0;
    int PunktInUebung = 0;
    int Belegt = -1;                    // not stored: cluster exercise, card in the cell; -1 free
    int KartenIndex = -1;               // not stored: cluster, index of the card made from the cell

    // Compares what a file holds; the run-time fields are left out.
    bool operator==(const lueckentabellearrtyp &o) const
    {
        return Text == o.Text && Bild == o.Bild && Art == o.Art && BildKenn == o.BildKenn && Link == o.Link
               && Groesse == o.Groesse && BildkarteAnpassen == o.BildkarteAnpassen
               && PunktInUebung == o.PunktInUebung;
    }
};

// Cell kinds (lueckentabellearrtyp::Art) of the text-image table (cloze subtype 1).
enum TabellenzellartWert : int {
    zelleText = 0,        // "Text": running text that may hold gaps
    zelleFixbild = 1,     // "Stat. Bild"
    zelleAbfrageBild = 2, // "Abfrage-Bild"
    zelleBildLink = 3,    // "Bild-Link"
    zelleAbfrageText = 4, // "Abfrage-Text"
};
// Cell kinds of the cluster and cross-matching tables.
enum KartenzellartWert : int {
    karteText = 0,        // "Stat. Text"
    karteAbfrageText = 1, // "Abfrage-Text"
    karteBild = 2,        // "Stat. Bild"
    karteAbfrageBild = 3, // "Abfrage-Bild"
};

// Whether a cell of this kind carries an image in a document of this type.
bool ZelleTraegtBild(int dokTyp, int art);

struct SpaltenHintergrund
{
    Farbwert Farbe = 0;
    int Deckkraft = 50;
    bool operator==(const SpaltenHintergrund &) const = default;
};

using KreuzGitterTyp = std::array<std::array<QString, kKreuzGroesse>, kKreuzGroesse>; // [x][y]

struct HeaderDataTyp
{
    QString Dateiname;                  // not stored
    QString vers = QStringLiteral("1.00");
    QString titel;
    QString autor;
    QString bemerkung;
    QString lueckentext;
    QString fragentext;
    std::array<SpaltenHintergrund, kTabelleMaxSpalten> LueckentabelleSpaltenHtgd = StandardSpaltenHtgd();
    std::array<std::array<lueckentabellearrtyp, kTabelleMaxSpalten>, kTabelleMaxZeilen> LueckenTabelle{};
    int LueckenTabelleZeilen = 5;
    int LueckenTabelleSpalten = 2;
    int LueckenTabelleLinie = 0;
    Farbwert LueckenTabelleLinieCol = 0xC0C0C0;
    int AnzFrageNummern = 0;
    int DokTyp = dokBildbeschriftung;
    int DokUnterTyp = subLueckentext;
    bool Geaendert = false;             // not stored
    std::array<double, 4> RandErw{0, 0, 0, 0};
    int NumArt = 0;
    int GeordnetArt = 0;
    int SeitenverhaeltnisArt = 1;       // not stored, preset
    int SeitRatioBreite = 10;           // not stored, preset; after loading the page width
    int SeitRatioHoehe = 7;             // not stored, preset; after loading the page height
    double Rand = 0.0;                  // derived
    double BildGroesse = 100.0;         // derived
    double BildPosX = 50.0;             // derived
    double BildPosY = 50.0;             // derived
    std::array<double, 4> EinrueckRand{0, 0, 0, 0};
    Farbwert TextCol = 0x000000;
    Farbwert HtgdCol = 0xFFFFFF;
    Farbwert FragBtnHtgdCol = 0xFF0000;
    Farbwert FragBtnTextCol = 0xFFFFFF;
    Farbwert LueckentextCol = 0xFF0000;
    int MinLuecke = 3;
    int ZIndexMin = 0;                  // not stored, never above 0
    int ZIndexMax = 0;                  // not stored, never below 0
    QString BilderPasswort;
    QString DokPasswort;
    bool BilderPasswortOk = false;      // not stored
    bool DokPasswortOk = false;         // not stored
    int TextSchriftHoehe = 0;           // not stored
    QString Arbeitsblatt;
    QString ABAufgabe = StandardABAufgabe();
    QImage ABLogo;
    double LogoGroesse = 0.2;
    int LogoAusricht = 2;
    QString Fusszeile;
    int FusszeileAusricht = 0;
    int BasisbildDeck = 100;
    int Zielpunktgroesse = 100;
    KreuzGitterTyp KreuzGitter{};
    std::array<QString, kKreuzGroesse> KreuzTexteWaagerecht{};
    std::array<QString, kKreuzGroesse> KreuzTexteSenkrecht{};
    std::array<Farbwert, 6> KreuzFarben = StandardKreuzFarben();
    int UebEinstSpeichern = 1;
    int UebEinstGeladen = 0;            // not stored
    int UebAusfuehrbar = 1;
    int LernansichtSperren = 0;
    int ArbeitsblattSperren = 0;

    static std::array<SpaltenHintergrund, kTabelleMaxSpalten> StandardSpaltenHtgd();
    static std::array<Farbwert, 6> StandardKreuzFarben();
    static QString StandardABAufgabe();

    void TabelleLeeren();
};

// The cover state Abgedeckt of an object. The learning view knows only
// covered and uncovered; an exercise run keeps its query states in the same
// field. The values are those the program has always held in memory.
enum AbgedecktWert : int {
    abgAbgedeckt = -1,             // covered: the blue card with "?" or the number
    abgAufgedeckt = 0,             // uncovered; in a run: solved or not asked, content visible
    abgAusstehend = -5,            // in a run: still to be answered (target point with its number)
    abgFalschGeschlossen = -6,     // question answered wrongly and closed (questions, multiple choice)
    abgOhneRueckmeldung = -4,      // closed without feedback (circle with "X")
    abgFehlversuch = -3,           // closed after a failed attempt (red cross)
    abgGeloest = -2,               // solved (green tick)
    abgVerbindbar = 5,             // cross matching: element waiting to be connected
    abgMarkiert = 7,               // find words: spot marked by the user
};

struct ObjDataTyp
{
    double Sx = 0, Sy = 0;
    double Kx = 0, Ky = 0;
    double KartBreite = -1.0, KartHoehe = -1.0;  // not stored
    QString Cap;
    QString PktCap;
    QString PktCap2;
    QString BildKenn;
    int KAusr = 0;
    int TAusr = 0;
    int Ebene = 0;
    int Typ = 0;
    int Untertyp = 0;                   // multiple-choice questions: kMCBildantworten
    int Sline = 0;
    int Fsize = 0;
    int Stil = 0;
    Farbwert Farbe = 0;
    Farbwert LinieFarbe = 0;
    Farbwert HFarbe = 0;
    int HDeck = 0;
    int LinieDicke = 0;
    int Abgedeckt = abgAbgedeckt;       // not stored: AbgedecktWert
    int AnzeigeNummer = -1;             // not stored
    int FrageNummer = -1;
    int AntwortAnz = 0;
    int Fehlversuche = 0;               // not stored
    int KartenFehlversuche = 0;         // not stored
    std::array<double, 4> KartRect{-1.0, -1.0, -1.0, -1.0}; // not stored
    int KAusrAkt = 0;
    double KartHalbBreite = 0, KartHalbHoehe = 0;  // not stored
    int KartPosX = -1, KartPosY = -1;   // not stored
    QImage Bild;
    int BildDeck = 100;
    std::array<QImage, kMaxAntworten> BildAntw{};
    std::array<int, 6> MCInfoLinkData{};
    int ZIndex = 0;
    int BildkarteAnpassen = 0;
    int PunktInUebung = 0;
    QString Tondatei;
    bool Generiert = false;             // not stored
    int PartnerIndex = -1;              // not stored: cross matching, index of the paired element
    int KorbZeile = -1, KorbSpalte = -1; // not stored: cluster, the cell a query card was made from

    // The run-time fields as they are after loading.
    void LaufzeitZuruecksetzen(bool objekteditorOffen);
};

std::array<int, 6> StandardMCInfoLinkData();

// Presets of the page ratio taken by a new document (user settings).
struct SeitenVorgaben
{
    int SeitenverhaeltnisArt = 1;
    int SeitRatioBreite = 10;
    int SeitRatioHoehe = 7;
};

// The current document as the main window holds it.
struct Dokument
{
    HeaderDataTyp Kopf;
    std::vector<ObjDataTyp> Objekte;
    QImage Basisbild;

    QString Bibliotheksordner;          // folder of the last document opened from a file
    QString ZuvorAngezeigtesDokument;   // "Zuvor angezeigtes Dokument"
    int Bibliotheksindex = -1;          // index in the library list, -1 when not from it
    bool ObjekteditorOffen = false;
    SeitenVorgaben Vorgaben;
};

// The 100 x 100 placeholder picture for objects whose image is missing.
const QImage &Leerbild();

// Resets the header of the current document; objects and base image stay.
void NeuesDokument(Dokument &dok);
void ObjekteLeeren(Dokument &dok);
int ObjektHinzufuegen(Dokument &dok, int typ, int ebene, const QString &caption, int fsize, int kausr,
                      double kx, double ky, int frageNummer);
void ObjektLoeschen(Dokument &dok, int index);
bool HatAbfrageobjekte(const std::vector<ObjDataTyp> &objekte);
std::array<double, 4> StandardEinrueckRand(int dokTyp);

// Derives SeitenverhaeltnisArt, SeitRatioBreite/-Hoehe, Rand, BildGroesse and
// BildPosX/Y from the base image size and RandErw, as after loading.
void SeitengeometrieAbleiten(HeaderDataTyp &kopf, int bildBreite, int bildHoehe);

// Hook that reruns the layouts of the text-centred types and redraws the
// view. Empty until the renderer and the layouts exist.
struct DokumentNeuaufbau
{
    virtual ~DokumentNeuaufbau() = default;
    virtual void LayoutsNeuAufbauen(Dokument &) {}
    virtual void Neuzeichnen(Dokument &) {}
};

// Recomputes RandErw from the page ratio and the base image placement;
// with transformieren the objects keep their place on the base image.
void SeiteAnwenden(Dokument &dok, bool transformieren, DokumentNeuaufbau *neuaufbau = nullptr);

QString DokTypName(int dokTyp, int dokUnterTyp);
QString DokTypName(const HeaderDataTyp &kopf);

void AlleAbdecken(Dokument &dok, DokumentNeuaufbau *neuaufbau = nullptr);
void AlleAufdecken(Dokument &dok, DokumentNeuaufbau *neuaufbau = nullptr);

// Widens ZIndexMin/ZIndexMax so that they cover every object.
void ZIndexGrenzenAnpassen(Dokument &dok);

} // namespace kalumo
