#pragma once
// The state of the main window's menus and panels as one pure function of
// the program state: for every entry of the menu table whether it is
// enabled, checked and visible (and its caption where that changes), and
// which panels and buttons show what. The window applies the result in one
// place (TForm1::ZustandAnzeigen) after every change.
//
// An entry is enabled only when its function exists (MenuePunkt::Verfuegbar),
// the mode allows it and the central configuration does not lock it.

#include "app/settings/Einstellungen.h"
#include "learnview/Ansichtslauf.h"

#include <QString>

#include <array>
#include <map>

namespace kalumo {

// What the menus and panels depend on.
struct MenueEingaben
{
    int Ansichtsmodus = modusLernansicht;
    int UebArt = uebIndividual;
    // the options of the menu "Optionen" and the locks of config.ini
    EinstellungenTyp Einstellungen;
    // the document's locks
    int UebEinstSpeichern = 1;
    int LernansichtSperren = 0;
    int ArbeitsblattSperren = 0;
    // the learning view
    std::array<bool, 4> Ebenen{true, true, true, true}; // by layer number (EbeneWert)
    int Nummerierung = 1;
    int ZoomStufe = 0;
    int Werkzeug = 1;                                   // the tool of the learning view (WerkzeugArt)
    bool WerkzeugleisteOffen = true;
    int Werkzeugposition = 0;                           // 0 right, other left
    bool AGBAdresse = false;                            // an address of the terms page is configured
    bool DokumentOffen = false;                         // else the start picture and its hint show
    bool StartHinweisVerborgen = false;                 // a click on the start page hid the hint
    bool StartDialogOffen = false;                      // the start dialog of a run is open
    int BibliothekAnzahl = 0;                           // documents in the library list
    int BibliothekSeitenanfang = 0;                     // first entry of the visible page
    bool ProtokollVorhanden = false;                    // a run has finished and left its protocol
};

struct EintragZustand
{
    bool Aktiv = false;
    bool Angekreuzt = false; // only for check items
    bool Sichtbar = true;
    QString Text;            // the caption
};

struct MenueZustand
{
    // every named entry and submenu of the menu table
    std::map<QString, EintragZustand> Eintraege;

    bool TitelPanSichtbar = true;
    bool UebStatusSichtbar = false;
    bool SerieStatusSichtbar = false;
    bool PuzzleStatusSichtbar = false;
    bool LernansichtGesperrtSichtbar = false;
    bool LernbildSichtbar = true;       // the picture area (LernKartPicImg)
    bool WerkzeugleisteSichtbar = true; // the toolbar box beside it
    bool UebungPanSichtbar = false;     // the exercise panel, holding one of:
    bool UebungsflaecheSichtbar = false; //   the exercise (picture, instruction line, cards)
    bool PuzzleSichtbar = false;        //   the puzzle board
    bool StartInfoSichtbar = true;      // the hint of the start page
    bool LernansichtGedrueckt = true;
    bool IndividualGedrueckt = false;
    bool NetzGedrueckt = false;
    QString LernansichtKnopfText = QStringLiteral("Lernansicht");
    // the button that collapses the toolbar: its arrow points where the toolbar goes
    QString KlappKnopfText = QStringLiteral(">");
    QString KlappKnopfHinweis = QStringLiteral("Werkzeugleiste zuklappen");

    const EintragZustand &Eintrag(const QString &name) const;
};

MenueZustand MenueZustandBerechnen(const MenueEingaben &e);

// The check items of the menu "Optionen" and the setting each one shows.
struct Optionseintrag
{
    const char *Name;
    bool EinstellungenTyp::*Feld;
};
const std::array<Optionseintrag, 6> &Optionseintraege();

// The entries of the hidden menu "&Werkzeug" and the tool each one chooses;
// the pen entry stands for the pen of the pen menu.
struct Werkzeugeintrag
{
    const char *Name;
    int Werkzeug;
};
const std::array<Werkzeugeintrag, 9> &Werkzeugeintraege();

} // namespace kalumo
