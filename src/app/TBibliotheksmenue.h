#pragma once
// The document entries of the menu "&Themenauswahl" and its commands: one
// radio entry per library document after the fixed entries, the visible
// page of 60, the mark of the current document and the column break, as
// the session's library says (Sitzung::Themen). Paging reopens the menu at
// its place so that the user sees the new page.

#include <QObject>

#include <functional>
#include <vector>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace kalumo {

class Sitzung;
class TThemenlisteForm;

class TBibliotheksmenue : public QObject
{
    Q_OBJECT
public:
    // menue: "&Themenauswahl"; aktion finds the fixed entries by name.
    TBibliotheksmenue(Sitzung &sitzung, QMenu &menue, const std::function<QAction *(const QString &)> &aktion,
                      QWidget *fenster);

    // Rebuilds the document entries from the session's library.
    void Aktualisieren();

    // The document entries, in list order ("MenueThemaItem" + index).
    const std::vector<QAction *> &Eintraege() const { return m_eintraege; }
    // The entry that starts a new column (its property "Spaltenumbruch"), or nullptr.
    QAction *Spaltenumbruch() const;
    TThemenlisteForm *Themenliste() const { return m_themenliste; }

    // "Themenliste drucken...": the dialog with the list of the library.
    void ThemenlisteDrucken();
    // The paging entries: one page back or forward, then the menu again.
    void Blaettern(bool vor);

private:
    Sitzung &m_s;
    QMenu &m_menue;
    QWidget *m_fenster;
    QActionGroup *m_gruppe;
    std::vector<QAction *> m_eintraege;
    TThemenlisteForm *m_themenliste = nullptr;
};

} // namespace kalumo
