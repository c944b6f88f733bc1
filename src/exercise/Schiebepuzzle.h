#pragma once
// The sliding puzzle ("Schiebepuzzle") without a window: the rendered
// document picture is cut into n x n tiles, the tile of the bottom-right
// corner is taken away, the rest is shuffled by random slides of the hole,
// and the user restores the picture by clicking tiles (or with the arrow
// keys). This file holds the board, the tile sizes and places, the shuffle
// with an injected random source, the click rules, the counts and the texts
// of the status panel; TSchiebepuzzle is the thin window over it.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QtGlobal>

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace kalumo {

class Meldungen;

// The board is n x n tiles, n = 3 .. 6.
inline constexpr int kPuzzleMinTeile = 3;
inline constexpr int kPuzzleMaxTeile = 6;
// Below this a tile has no room for its bevel and picture; a window that
// small still shows the board, just with tiles of this size.
inline constexpr int kPuzzleMinTeilgroesse = 8;
// Room left around the board inside the panel (both sides together).
inline constexpr int kPuzzleRand = 20;

// Colours of the panel behind the board and of the frame around it.
inline constexpr QRgb kPuzzleHintergrund = 0xFFF0F0F0; // RGB(240, 240, 240)
inline constexpr QRgb kPuzzleRahmenfarbe = 0xFFD4DBDB; // RGB(212, 219, 219)

// The click rules, numbered as the options dialog lists them.
enum AnklickbarkeitWert : int { anklickbarNurNachbarn = 0, anklickbarJedesTeil = 1 };

// A direction on the board as (column step, row step). The shuffle draws
// the hole's step in this order: right, up, left, down.
enum class PuzzleRichtung : int { Rechts = 0, Hoch = 1, Links = 2, Runter = 3 };
QPoint RichtungsSchritt(PuzzleRichtung r);

// Where the shuffle gets its numbers: uniform in 0 .. anzahl - 1.
class PuzzleZufall
{
public:
    virtual ~PuzzleZufall() = default;
    virtual int Zahl(int anzahl) = 0;
};

// The program's generator: a Mersenne twister, freshly seeded for every
// puzzle; tests give it a fixed seed.
class MtPuzzleZufall : public PuzzleZufall
{
public:
    MtPuzzleZufall(); // seeded from the system's entropy
    explicit MtPuzzleZufall(std::uint32_t saat) : m_gen(saat) {}
    int Zahl(int anzahl) override;

private:
    std::mt19937 m_gen;
};

// Tile size and the board's top-left corner inside the panel.
struct PuzzleMasse
{
    int TeilBreite = 0;
    int TeilHoehe = 0;
    int LinksOffset = 0;
    int ObenOffset = 0;

    bool operator==(const PuzzleMasse &) const = default;
};

// Tiles as large as the panel allows with the picture's proportions: a
// picture wider than the panel (relatively) is sized by the panel's width
// and centred vertically, otherwise by its height and centred horizontally.
// Empty when the picture has no pixels.
std::optional<PuzzleMasse> PuzzleMasseBerechnen(QSize bild, QSize panel, int n);

// What the puzzle says and asks.
QString PuzzleOhneBildMeldung();      // refusal: no picture to cut
QString PuzzleGeloestMeldung();       // "Das Schiebepuzzle ist gelöst!"
QString PuzzleAbbruchFrage();         // the exercise guard's question while the puzzle runs
QString PuzzleUebungLaeuftMeldung();  // refusal while an exercise or a puzzle runs
QString PuzzleObjekteditorMeldung();  // refusal while the object editor is open

// The checks before the options dialog: nothing may run and the object
// editor must be closed; a refusal is shown as information.
bool SchiebepuzzleStartErlaubt(bool uebungOderPuzzleLaeuft, bool objekteditorOffen, Meldungen &m);

// What one shuffle did: rounds of slides (a round that left the board
// solved is followed by another), slides made and numbers drawn (a draw that
// would move the hole off the board is discarded).
struct MischBericht
{
    int Runden = 0;
    int Schiebungen = 0;
    int Wuerfe = 0;
};

// Slides per shuffle round: 4 * n * n * (n + n), 216 for 3 x 3.
int SchiebungenProRunde(int n);

enum class ZugErgebnis { KeinZug, Gezogen, Geloest };

class Schiebepuzzle
{
public:
    QImage QuellBild;           // the rendered document picture the tiles are cut from
    int LinksOffset = 0;        // board's top-left corner in the panel
    int ObenOffset = 0;
    int TeilBreite = 0;         // tile size in pixels
    int TeilHoehe = 0;
    int Spalten = 0;            // board size (both n)
    int Zeilen = 0;
    int LeerSpalte = 0;         // position of the hole
    int LeerZeile = 0;
    int LeerTeil = 0;           // number of the hidden tile (n * n - 1)
    // Tile number at each position [column][row]; tile k belongs at
    // column k mod n, row k div n.
    std::array<std::array<int, kPuzzleMaxTeile>, kPuzzleMaxTeile> Feld{};
    bool NurNachbarn = true;    // only tiles next to the hole may be clicked
    qint64 StartTick = 0;       // millisecond counter at the start
    int Zuege = 0;              // moves made
    int AnzRichtig = 0;         // positions holding their own tile
    int AnzFalsch = 0;          // positions holding another tile (the hole counts like a tile)

    // A new board of n x n tiles (n is held to 3 .. 6) cut from quellBild,
    // shuffled with zufall; moves start at 0. False, with the board left as
    // it was, when the picture has no pixels.
    bool PuzzleAufbauen(int n, bool nurNachbarn, const QImage &quellBild, const PuzzleMasse &masse,
                        PuzzleZufall &zufall, MischBericht *bericht = nullptr);
    // New tile size and origin (the window changed size); the arrangement,
    // the moves and the clock stay.
    void PuzzleNeuAnordnen(const PuzzleMasse &masse);

    // Random slides of the hole until at least one position holds a
    // foreign tile; counts at the end.
    MischBericht Mischen(PuzzleZufall &zufall);
    void Zaehlen();

    bool Aufgebaut() const { return Spalten > 0; }
    bool Geloest() const { return Aufgebaut() && AnzFalsch == 0; }
    int Teilanzahl() const { return Spalten * Zeilen; }

    // Column and row where tile teil lies now ((-1, -1) for no such tile).
    QPoint TeilPosition(int teil) const;
    // A tile is clickable when every tile is, or when it lies exactly one
    // step (horizontally or vertically) from the hole. The hole never is.
    bool Anklickbar(int spalte, int zeile) const;
    bool TeilAnklickbar(int teil) const;

    // Where tile teil lies in the panel: (TeilBreite + 1) x (TeilHoehe + 1)
    // pixels at its place, so neighbours share their border line.
    QRect TeilRechteck(int teil) const;
    // The frame around the board, one pixel larger than n x tile size.
    QRect BrettRechteck() const;
    // The part of QuellBild that tile teil shows (its home cell less one
    // pixel at each side).
    QRect QuellRechteck(int teil) const;
    // The tile as drawn: white, a black border, a raised bevel and its part
    // of the picture stretched to (TeilBreite - 3) x (TeilHoehe - 3).
    const QImage &TeilBild(int teil) const;

    // A click on tile teil: a clickable tile changes places with the hole
    // (with every tile clickable, a far tile jumps straight into it).
    ZugErgebnis TeilKlick(int teil);
    // The tile next to the hole that can move in direction r slides into
    // the hole (the arrow keys).
    ZugErgebnis Schieben(PuzzleRichtung r);

    // Texts of the status panel.
    QString RichtigText() const { return QString::number(AnzRichtig); }
    QString VonText() const { return QStringLiteral("von  ") + QString::number(Teilanzahl()); }
    QString FalschText() const { return QString::number(AnzFalsch); }
    QString QuoteText() const;            // "44.4 %"
    QString ZuegeText() const { return QString::number(Zuege); }
    QString ZeitText(qint64 jetzt) const; // elapsed whole seconds as mm:ss
    // The whole panel in one line.
    QString StatusText(qint64 jetzt) const;

private:
    ZugErgebnis tauschen(int spalte, int zeile);
    void teilbilderMachen();

    std::vector<QImage> m_teilbilder;
};

} // namespace kalumo
