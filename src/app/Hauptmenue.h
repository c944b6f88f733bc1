#pragma once
// The main menu as data: every entry with its caption (access key marked
// with '&'), shortcut and control name. The main window builds its menu bar
// from this table; entries whose function does not exist yet are shown
// disabled.

#include <QString>

#include <vector>

namespace kalumo {

struct MenuePunkt
{
    QString Name;      // control name, e.g. "Oeffnen1"
    QString Text;      // caption, '&' before the access key; empty for a separator
    QString Kurzwahl;  // portable QKeySequence text, e.g. "Ctrl+O"; empty for none
    bool Verfuegbar = false; // the function exists in this program
    bool Ankreuzbar = false; // a check item
    bool Sichtbar = true;
    std::vector<MenuePunkt> Unterpunkte;

    bool IstTrenner() const { return Text.isEmpty(); }
};

// The menus of the menu bar, left to right.
const std::vector<MenuePunkt> &Hauptmenue();

// The entry with this control name anywhere in the tree, or nullptr.
const MenuePunkt *MenuePunktSuchen(const QString &name);

} // namespace kalumo
