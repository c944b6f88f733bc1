#pragma once
// What the main window decides without being a window: the display check,
// the caption and title label, the command line, the keyboard, and the order
// of the closing questions. The menu and panel state is in Menuezustand.h.

#include "learnview/Ansichtslauf.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>

namespace kalumo {

class Meldungen;

inline constexpr char kAnwendungsTitel[] = "Kalumo";

// --- display check -------------------------------------------------------

bool AnzeigeGeeignet(int breite, int hoehe, int farbtiefe);
QString AnzeigeWarnung(int breite, int hoehe, int farbtiefe);

// --- title ---------------------------------------------------------------

// "Kalumo", or "Kalumo - name.kal" when a document file is current.
QString FensterTitel(const QString &dateiname);
// The document title label: a blank, "(n) " for entry n of the library list,
// then the title, "(ohne Titel)", or "?" while the title is hidden.
QString TitelLabelText(int bibliotheksindex, const QString &titel, bool verborgen);

// --- start page ----------------------------------------------------------

QString StartseitenText();
// The picture shown while no document is open.
QImage StartbildErzeugen();

// --- command line --------------------------------------------------------

struct Startargumente
{
    QString Startordner;   // with a trailing '/'; empty when the command line names none
    QString Startdokument; // a document to open
    QString Paket;         // an exercise-series package (.kausp) to open
    bool Vorschau = false; // "/vb": write a preview picture and end
    QString VorschauDatei = QStringLiteral("vorschaubild.png");
    int VorschauHoehe = 200;
};

Startargumente KommandozeileAuswerten(const QStringList &argumente);

// --- keyboard ------------------------------------------------------------

enum class TastenAktion {
    Keine,
    FensterZuruecksetzen, // Shift+Alt+G: window to (0, 0), 1076 x 780
    ErsteFrage,
    LetzteFrage,
    VorherigeFrage,
    NaechsteFrage,
    ZoomHinein,
    ZoomHeraus,
};

struct TastenZustand
{
    int DokTyp = 0;
    int AnzFrageNummern = 0;
    bool ObjekteditorOffen = false;
    // while the sliding puzzle runs only Shift+Alt+G acts: its arrow keys move tiles
    int Ansichtsmodus = modusLernansicht;
};

// key is a Qt::Key, modifiers Qt::KeyboardModifiers as int.
TastenAktion TasteAuswerten(int key, int modifiers, const TastenZustand &z);
// The question button a question key stands for (objNavErste …), -1 for other actions.
int FrageKnopf(TastenAktion a);

// --- closing -------------------------------------------------------------

// The steps of closing the main window, each of which may refuse.
class SchliessSchritte
{
public:
    virtual ~SchliessSchritte() = default;
    virtual bool UebungAbbrechenErlaubt() = 0;
    virtual void NetzTeilnahmeAbbrechen() {}
    virtual bool AenderungenSpeichernFragen() = 0;
    virtual bool ChronikFragen() { return true; }
    virtual bool BeendenBestaetigen() = 0;
};

// Runs the closing questions in their order; false as soon as one refuses.
bool SchliessenErlaubt(SchliessSchritte &s);

// The chronicle question for n stored screenshots (n > 0).
QString ChronikFrage(int anzahl, const QString &ordner);

// The end dialog "Beenden": true for "Ja, beenden".
inline constexpr char kBeendenTitel[] = "Beenden";
inline constexpr char kBeendenFrage[] = "Programm beenden?";
inline constexpr char kBeendenJa[] = "Ja, beenden";
inline constexpr char kBeendenNein[] = "Nein, weiter arbeiten";

// --- exercise guard ------------------------------------------------------

struct UebungsZustand
{
    int Ansichtsmodus = modusLernansicht;
    bool UebungBeendet = true;
};

// The question before an exercise or the sliding puzzle is left; true when
// there is nothing to lose or the user agrees.
bool UebungAbbrechenErlaubt(const UebungsZustand &z, Meldungen &m);

} // namespace kalumo
