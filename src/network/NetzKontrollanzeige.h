#pragma once
// The participant page of the control display ("Kontrollanzeige") without
// its window: one row per participant run, each cell as the grid shows it.
//
// Columns: "Nr.", "Rechner", "Teilnehmer", "Status", "Beginn", "Zeit"
// ("Restzeit" with a time limit), "Anz.", "Richtig", "Falsch", "Quote",
// "Offen", "Leistung", the scale word ("Note" or "Punkte"), then one
// column per query headed 1 … n (none for find words and text input).
// Rows are never removed during an exercise.

#include <QString>
#include <QStringList>

#include <vector>

namespace kalumo {

struct TnAktionTyp;

enum NetzSpalte : int {
    spNr = 0,
    spRechner,
    spTeilnehmer,
    spStatus,
    spBeginn,
    spZeit,
    spAnz,
    spRichtig,
    spFalsch,
    spQuote,
    spOffen,
    spLeistung,
    spNote,
    kNetzFesteSpalten,   // 13; the query columns follow
};

// The window title: "Netzwerk-Übung - Kontrollanzeige - Status: aktiv" / "… beendet".
QString KontrollanzeigeTitel(bool aktiv);

// The texts of the control display.
QString KontrollTeilnehmerSeiteText();   // "Teilnehmer- Protokoll"
QString KontrollInformationSeiteText();  // "Übungs- Information"
QString KontrollAnmeldungText();         // "Anmeldung weiterer Teilnehmer zulassen"
QString KontrollHinweisText();           // the note on joining while further participants are allowed
QString KontrollKommentarTitel();        // "Kommentar zur Übungsinformation hinzufügen"

// A comment on the information page is appended as the exercise
// protocol's comments are: KommentarAnhaengen (exercise/Protokolldatei.h).

class NetzKontrollModell
{
public:
    // abfragespalten: the number of queries (0 for find words and text input).
    void Einrichten(int abfragespalten, bool zeitlimit, const QString &skalaWort);

    int Spaltenzahl() const { return kNetzFesteSpalten + m_abfragespalten; }
    int Abfragespalten() const { return m_abfragespalten; }
    QStringList Kopfzeile() const;
    std::vector<int> Spaltenbreiten() const;     // 30, 60, 60, 45, 50, 40 …, "Leistung" 50, grade 30, queries 25
    std::vector<bool> Rechtsbuendig() const;     // all but "Rechner" and "Teilnehmer"

    int Zeilenzahl() const { return int(m_zeilen.size()); }
    const std::vector<QStringList> &Zeilen() const { return m_zeilen; }
    // The grid's body: the rows, or one empty row while there is none.
    std::vector<QStringList> AnzeigeZeilen() const;
    QString Zelle(int zeile, int spalte) const;

    // A participant joined: a new row ("Nr." its number from 1, "Status"
    // "aktiv"); returns its index.
    int TeilnehmerHinzufuegen(const QString &rechner, const QString &name, const QString &beginn);
    // A judged answer; loesungsnummer is the solution number of the
    // reported object (0 when there is none): its query column shows "f"
    // per failed attempt and " ok" when solved.
    void AktionEintragen(int zeile, const TnAktionTyp &m, int loesungsnummer);
    void FertigEintragen(int zeile, int endeGrund, const QString &uhr);

    // The cell of a query column: "f" × fehlversuche, then " ok" when the
    // reported Abgedeckt is 0 or -2, trimmed ("ok", "f", "ff ok").
    static QString AbfrageZelle(int fehlversuche, int abgedeckt);

    // Every grid row including the header, cells separated by a tab, each
    // row ended by CR LF (as the best list's text).
    QString Text() const;

private:
    int m_abfragespalten = 0;
    bool m_zeitlimit = false;
    QString m_skalaWort = QStringLiteral("Note");
    std::vector<QStringList> m_zeilen;
};

} // namespace kalumo
