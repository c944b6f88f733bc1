#pragma once
// The logic of the creation dialog "Übungs-Serie erstellen": the folder
// scan, the table of documents with its clicks and edits, the check of the
// list, writing a package and loading one. The window TUebungsserieForm
// shows this state and forwards its controls' events; tests drive it
// without a window.
//
// The table has a header row (row 0) and one row per entry; row r shows
// entry r - 1. Only the weight and time cells are edited as text; a click
// on "Aktiv" switches it, a click on "Abfragemodus (*)" steps the mode.

#include "series/Seriendienste.h"
#include "series/Seriepaket.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace kalumo {

enum SerienSpalte : int {
    spaltePos = 0,
    spalteAktiv,
    spalteTitel,
    spalteDatei,
    spalteGewichtung,
    spalteZeit,
    spalteAbfragemodus,
};
inline constexpr int kSerienSpalten = 7;

// The dialog's own fields (besides the series record). The folder field
// keeps its value between uses of the dialog.
struct SerienErstellungFelder
{
    QString Ordner;
    int StdGewichtung = 1;          // 1 to 999
    int StdZeit = 0;                // 0 to 999 minutes
    int Uebungsmodus = uebmodusWiederholen;
    QString Titel = SerienTitelVorgabe();
    QString Information = SerienInformationVorgabe();
    QString Paketpfad;              // a package to load when the dialog is shown
};

inline constexpr int kStdGewichtungMin = 1;
inline constexpr int kStdGewichtungMax = 999;
inline constexpr int kStdZeitMin = 0;
inline constexpr int kStdZeitMax = 999;

class Serienerstellung
{
public:
    Serienerstellung(UebungsserieDataTyp &serie, SerienDateiDienste &dienste);

    SerienErstellungFelder Felder;

    // The header row, the column widths in pixels, the row height, which
    // columns are centred and which cells are edited as text.
    static QStringList Kopfzeile();
    static std::array<int, kSerienSpalten> Spaltenbreiten();
    static constexpr int kZeilenhoehe = 19;
    static bool Zentriert(int spalte);
    static bool Bearbeitbar(int spalte);

    // Rows including the header row: max(entries + 1, 2).
    int Zeilen() const { return int(m_zellen.size()); }
    QString Zelle(int zeile, int spalte) const;

    UebungsserieDataTyp &Serie() { return m_serie; }
    const UebungsserieDataTyp &Serie() const { return m_serie; }

    // Showing the dialog: a package path loads that package; otherwise an
    // existing folder in the folder field is scanned, else the current
    // library folder.
    void Anzeigen();

    // "Ordner neu einlesen und Standardwerte setzen": lists the readable
    // documents of the folder, sorted by file name without regard to case.
    // false (with "Der angegebene Ordner für die Übungsserie ist ungültig.")
    // when the folder does not exist.
    bool SerieOrdnerEinlesen();

    // Reads every row back, takes title and information from the fields;
    // false with a message when no entry is active or the weights of the
    // active entries are negative or sum to 0.
    bool SerieListePruefen();

    // "Übungs-Serien-Paket erstellen...": the list check, the save dialog,
    // then the package of the active entries in list order. The dialog stays
    // open in every case; returns whether a package was written.
    bool SeriePaketSchreiben();

    // Fills the list from a package whose documents lie in ordner (the
    // dialog opened by "Öffnen..."): each entry's Datei becomes ordner + its
    // unpacked name, DokTyp and the default query mode come from that file's
    // header. An entry whose file is not there is listed inactive.
    bool SeriePaketLaden(const QString &pfad, const QString &ordner);

    // "Übungs-Serie direkt starten": the list check, then the inactive
    // entries are removed. true: the dialog closes with OK and the caller
    // runs the series (SerieAusListeStarten).
    bool SerieDirektStarten();

    // The table's events. A click selects a cell: "Aktiv" switches and
    // "Abfragemodus (*)" steps. A double click repeats the action of the
    // last selected cell. An edit of a weight or time cell reads the row
    // back. Dragging the position number of row von onto row nach moves
    // that entry there.
    void ZelleGeklickt(int zeile, int spalte);
    void Doppelklick();
    void ZelleBearbeitet(int zeile, int spalte, const QString &text);
    bool ZeileVerschieben(int von, int nach);

    // Rewrites every row from the list / only the header and one empty row.
    void TabelleFuellen();
    void TabelleZuruecksetzen();

    // Reads row zeile back into its entry.
    void ZeileZuruecklesen(int zeile);

    int LetzteZeile() const { return m_letzteZeile; }
    int LetzteSpalte() const { return m_letzteSpalte; }

private:
    UebungsserieDokTyp *eintrag(int zeile);

    UebungsserieDataTyp &m_serie;
    SerienDateiDienste &m_d;
    std::vector<std::array<QString, kSerienSpalten>> m_zellen;
    int m_letzteZeile = -1;
    int m_letzteSpalte = -1;
};

// The entry SerieOrdnerEinlesen makes for a document file.
UebungsserieDokTyp SerienEintragAusKopf(const QString &datei, const HeaderDataTyp &kopf, int gewichtung, int zeit);

} // namespace kalumo
