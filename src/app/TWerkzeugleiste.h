#pragma once
// The tool bar of the learning view: the groups "Mauszeigerfunktion",
// "Zoom", "Nummerierung", "Darstellung", "Ebenen", " Werkzeugeinstellung"
// and "Exportfunktionen" with their buttons, menus and hints. Every command
// runs through the picture area's interaction logic; the signals tell the
// main window what to mirror in its menus.

#include "app/settings/Einstellungen.h"

#include <QIcon>
#include <QWidget>

#include <array>
#include <map>
#include <vector>

class QCheckBox;
class QGroupBox;
class QMenu;
class QToolButton;

namespace kalumo {

class Dateidialoge;
class Meldungen;
class TLernbild;

// Draws the 18 x 18 icon of a stamp: the character in black, 40 pixels
// high, on a 36 x 36 white picture, then reduced.
QImage StempelSymbolZeichnen(QChar zeichen, const QString &schriftart);

class TWerkzeugleiste : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kBreite = 118;
    // room between a heading and the bar's edge, and between a button's
    // caption and its border
    static constexpr int kUeberschriftEinzug = 6;
    static constexpr int kKnopfRand = 4;

    TWerkzeugleiste(TLernbild &bild, Meldungen &meldungen, Dateidialoge &dialoge,
                    const SymbolstempelTyp &stempel, QWidget *parent = nullptr);

    void MeldungenSetzen(Meldungen *m) { m_meldungen = m; }
    void DateidialogeSetzen(Dateidialoge *d) { m_dialoge = d; }
    // New stamp characters or fonts (after "Konfig."): redraws the icons.
    void StempelSetzen(const SymbolstempelTyp &stempel);
    // Mirrors tool, zoom, numbering and layers from the logic to the buttons.
    void ZustandAnzeigen();

    // A button or menu by its object name ("ZeigerBtn", "StiftMenu", ...).
    QToolButton *Knopf(const QString &name) const;
    QMenu *Menue(const QString &name) const;
    QCheckBox *Ebene(int nummer) const { return m_ebenen[size_t(nummer)]; }

public slots:
    // Every selection the main menu offers as well.
    void WerkzeugWaehlen(int werkzeug);
    void StiftWaehlen(int eintrag);     // pen menu entry 1..10
    void GroesseWaehlen(int groesse);
    void FarbeWaehlen(int farbindex);
    void StempelWaehlen(int nummer);
    void ZoomWaehlen(int stufe);
    // Ctrl + numeric-pad plus / minus: one step of the zoom buttons (100, 150, 200 %).
    void ZoomSchritt(int richtung);
    void NummerierungWaehlen(int modus);
    void EbeneSchalten(int ebene, bool sichtbar);
    void AlleAbdecken();
    void AlleAufdecken();
    void Rueckgaengig();
    void ZeichnungenEntfernen();
    bool Exportieren();
    void InZwischenablage();

signals:
    void AnsichtGeaendert();
    void WerkzeugGeaendert(int werkzeug);
    void ZoomGeaendert(int stufe);
    void NummerierungGeaendert(int modus);
    void EbenenGeaendert();
    void DruckenAngefordert();          // "Ansicht drucken" (print dialog of the view)
    void ArbeitsblattAngefordert();     // "Arbeitsblatt erstellen"
    void StempelKonfigurieren();        // "Konfig." of the stamp menu

private:
    QToolButton *NeuerKnopf(const QString &name, const QString &hinweis, const QString &text = {});
    void UeberschriftenEinpassen(const std::vector<QGroupBox *> &gruppen);
    void KnopftextEinpassen(QToolButton *k);
    QMenu *NeuesMenue(const QString &name);
    void MenuesAufbauen();
    bool ZeichnenErlaubt();
    void NachBefehl();

    TLernbild &m_bild;
    Meldungen *m_meldungen;
    Dateidialoge *m_dialoge;
    SymbolstempelTyp m_stempel;
    std::map<QString, QToolButton *> m_knoepfe;
    std::map<QString, QMenu *> m_menues;
    std::array<QCheckBox *, 4> m_ebenen{};
    std::array<QIcon, 10> m_stiftSymbole;
    std::array<QIcon, 10> m_stempelSymbole;
};

} // namespace kalumo
