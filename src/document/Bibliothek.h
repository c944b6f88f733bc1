#pragma once
// The document library: the documents of one folder as the menu
// "&Themenauswahl" lists them, sorted by file name and shown 60 at a time,
// with the previous/next steps through the list and the printable topic
// list. Scanning reads only the header of each file (KopfLesen), so large
// pictures in the documents do not slow it down.
//
// The list is transient: it is built from the folder each time and does not
// follow later changes on disk. The index of the current document in the
// list lives in the document (Dokument::Bibliotheksindex); this model holds
// the list and the first entry of the visible page.

#include <QString>

#include <vector>

namespace kalumo {

// One library entry.
struct ThemenDataTyp
{
    QString Titel;    // the document title as read from the file
    QString Datei;    // full path of the document file
    QString Sortname; // the file name without folder, in lower case; the sort key
};

inline constexpr int kBibliothekSeite = 60;      // entries per menu page
inline constexpr int kBibliothekSpaltenAb = 25;  // more entries than this break the menu into two columns
inline constexpr int kBibliothekZugriffstasten = 9; // entries 1 to 9 carry an access key
// The menu "&Themenauswahl" starts with this many fixed entries (separators included).
inline constexpr int kThemenauswahlFesteEintraege = 13;

// The "*.kal" documents of the folder (extension in any letter case; hidden
// and read-only files too, no sub-folders), each with the title from its
// header, sorted ascending by Sortname, case-insensitively and locale-aware.
// Files that are no readable document are left out without a message.
std::vector<ThemenDataTyp> BibliothekOrdnerLesen(const QString &ordner);

// Sorts the entries as the scan does (for lists built elsewhere).
void BibliothekSortieren(std::vector<ThemenDataTyp> &liste);

// The caption of the menu entry of list index i: "&" for the first nine
// (access keys 1 to 9), the number, ":  " and the title, or the file name
// when the title is blank.
QString BibliothekEintragText(const ThemenDataTyp &e, int index);

// The title, or the file name when the trimmed title is empty.
QString BibliothekAnzeigename(const ThemenDataTyp &e);

// The text of "Themenliste drucken..." in the protocol markup.
QString ThemenlisteText(const std::vector<ThemenDataTyp> &liste);

// The information after "Aktuellen Ordner neu einlesen" and "Ordner wählen...".
QString BibliothekEingelesenText(int anzahl);

// What the document entries of the menu show; the window applies it.
struct BibliotheksMenueEintrag
{
    QString Text;
    bool Sichtbar = false;
    bool Markiert = false;
    bool Spaltenumbruch = false; // starts a new menu column
};

// The two paging entries "Vorherige/Nächste 60 Dokumente anzeigen".
struct BibliotheksBlaettern
{
    QString VorherigeText;
    bool VorherigeAktiv = false;
    QString NaechsteText;
    bool NaechsteAktiv = false;
};
BibliotheksBlaettern BibliothekBlaetterzustand(int anzahl, int seitenanfang);

struct BibliotheksMenue
{
    std::vector<BibliotheksMenueEintrag> Eintraege;
    BibliotheksBlaettern Blaettern;
};

class Bibliothek
{
public:
    const std::vector<ThemenDataTyp> &Liste() const { return m_liste; }
    int Anzahl() const { return int(m_liste.size()); }
    int Seitenanfang() const { return m_seitenanfang; }

    // Takes a new list: the first page, then the page that shows the
    // current document. Returns the index of the entry whose file equals
    // aktuelleDatei (exact comparison), or -1.
    int Setzen(std::vector<ThemenDataTyp> liste, const QString &aktuelleDatei);
    // The index of the entry with this file (exact comparison), or -1.
    int IndexVon(const QString &datei) const;

    // The visible page: with a current index (>= 0) the page is moved until
    // the index lies on it, then clamped to the list.
    void SeiteAnzeigen(int bibliotheksindex);
    // The paging entries: one page back or forward, clamped.
    void SeiteZurueck();
    void SeiteVor();

    // The index "Nächstes/Vorheriges Dokument der Liste" opens: from -1 the
    // first document; -1 when the list is empty.
    int NaechstesZiel(int bibliotheksindex) const;
    int VorherigesZiel(int bibliotheksindex) const;

    // The index that starts a new menu column, or -1 (up to 25 entries).
    int Spaltenumbruch() const;
    bool Sichtbar(int index) const { return index >= m_seitenanfang && index < m_seitenanfang + kBibliothekSeite; }

    // The document entries and the paging entries as the menu shows them.
    BibliotheksMenue Menue(int bibliotheksindex) const;

private:
    void klemmen();

    std::vector<ThemenDataTyp> m_liste;
    int m_seitenanfang = 0;
};

} // namespace kalumo
