#include "app/Hauptmenue.h"

#include <functional>

namespace kalumo {

namespace {

// Shorthands for building the table.
MenuePunkt p(const char *name, const char *text, const char *kurz = "", bool verfuegbar = false)
{
    MenuePunkt m;
    m.Name = QString::fromUtf8(name);
    m.Text = QString::fromUtf8(text);
    m.Kurzwahl = QString::fromUtf8(kurz);
    m.Verfuegbar = verfuegbar;
    return m;
}

MenuePunkt an(MenuePunkt m)
{
    m.Verfuegbar = true;
    return m;
}

MenuePunkt kreuz(MenuePunkt m)
{
    m.Ankreuzbar = true;
    return m;
}

MenuePunkt versteckt(MenuePunkt m)
{
    m.Sichtbar = false;
    return m;
}

MenuePunkt trenner()
{
    return MenuePunkt{};
}

MenuePunkt menue(const char *name, const char *text, std::vector<MenuePunkt> unter)
{
    MenuePunkt m = p(name, text);
    m.Verfuegbar = true;
    m.Unterpunkte = std::move(unter);
    return m;
}

std::vector<MenuePunkt> bauen()
{
    // Ü on a German keyboard is the key Qt calls "Ü"
    return {
        menue("Datei1", "&Datei",
              {
                  an(p("Oeffnen1", "Ö&ffnen...", "Ctrl+O")),
                  an(p("Dokumenteigenschaften1", "Do&kumenteigenschaften...", "Alt+Return")),
                  an(p("Speichern1", "&Speichern", "Ctrl+S")),
                  an(p("SpeichernUnter1", "Speichern &unter...", "Ctrl+Shift+S")),
                  an(p("PasswortSpeichernUnter1", "Passwortgeschützt speichern unter...")),
                  p("TafelanschriebSpeichern1", "&Tafelanschrieb als KAL speichern..."),
                  trenner(),
                  p("EMailVersenden1", "Per E-&Mail versenden...", "Ctrl+M"),
                  an(p("Drucken1", "&Drucken...", "Ctrl+P")),
                  an(p("Druckereinrichtung1", "D&ruckereinrichtung...")),
                  an(p("Exportieren1", "&Exportieren...", "Ctrl+E")),
                  an(p("InZwischenablageKopieren1", "In &Zwischenablage kopieren", "Ctrl+C")),
                  trenner(),
                  an(p("ArbeitsblattErstellen1", "&Arbeitsblatt erstellen...", "F6")),
                  trenner(),
                  an(p("Schliessen1", "Sch&ließen", "Ctrl+F4")),
                  an(p("Beenden1", "&Beenden")),
              }),
        menue("Themenauswahl1", "&Themenauswahl",
              {
                  an(p("Startseite1", "&Startseite", "Alt+Home")),
                  an(p("ZuvorAngezeigt1", "&Zuvor angezeigtes Dokument", "Alt+Backspace")),
                  trenner(),
                  an(p("VorherigesDokument1", "&Vorheriges Dokument der Liste", "PgUp")),
                  an(p("NaechstesDokument1", "&Nächstes Dokument der Liste", "PgDown")),
                  trenner(),
                  an(p("OrdnerNeuEinlesen1", "&Aktuellen Ordner neu einlesen", "Ctrl+F5")),
                  an(p("OrdnerWaehlen1", "&Ordner wählen...", "Ctrl+W")),
                  an(p("ThemenlisteDrucken1", "Themenliste &drucken...")),
                  trenner(),
                  an(p("Vorherige60Dokumente1", "Vorherige 60 Dokumente anzeigen")),
                  an(p("Naechste60Dokumente1", "Nächste 60 Dokumente anzeigen")),
                  trenner(),
                  // the documents of the library follow (TBibliotheksmenue)
              }),
        menue("Lernansicht1", "&Lernansicht",
              {
                  an(p("WerkzeugleisteKlappen1", "Werkzeugleiste zu&klappen", "Alt+W")),
                  menue("Ebenen1", "&Ebenen",
                        {
                            an(kreuz(p("Ebene0Menue", "&Basisbild"))),
                            an(kreuz(p("Ebene3Menue", "&Layout"))),
                            an(kreuz(p("Ebene1Menue", "&Texte und Bilder"))),
                            an(kreuz(p("Ebene2Menue", "Info&punkte"))),
                        }),
                  menue("Darstellung1", "&Darstellung",
                        {
                            an(p("AlleAbdecken1", "Alle Abfragefelder &abdecken", "Ctrl+Down")),
                            an(p("AlleAufdecken1", "Alle Abfragefelder auf&decken", "Ctrl+Up")),
                            an(p("AbdeckblattEinblenden1", "Abdeckblatt &einblenden")),
                            an(p("AbdeckblattAusblenden1", "Abdeckblatt aus&blenden")),
                        }),
                  menue("Nummerierung1", "&Nummerierung Abfragefelder",
                        {
                            an(kreuz(p("NummerierungGeordnet1", "&Geordnet"))),
                            an(kreuz(p("NummerierungZufaellig1", "&Zufällig"))),
                            an(kreuz(p("NummerierungFragezeichen1", "&Fragezeichen"))),
                        }),
                  menue("Zoomstufe1", "&Zoomstufe",
                        {
                            an(kreuz(p("Zoom100", "&100 %"))),
                            an(kreuz(p("Zoom150", "1&50 %"))),
                            an(kreuz(p("Zoom200", "&200 % "))),
                        }),
                  an(p("ZeichnungenEntfernen1", "Alle &Zeichnungen entfernen", "Ctrl+Del")),
                  versteckt(menue("AusschnittScrollen1", "&Ausschnitt scrollen", {})),
                  // hidden: its shortcuts choose the tools of the tool bar (Ctrl + the tool's number)
                  versteckt(menue("Werkzeug1", "&Werkzeug",
                                  {
                                      an(kreuz(p("ZeigerWerkzeug1", "&Zeiger zum Auf-/Abdecken", "Ctrl+1"))),
                                      an(kreuz(p("HandWerkzeug1", "Hand zum &Verschieben", "Ctrl+2"))),
                                      an(kreuz(p("StiftWerkzeug1", "Roter &Stift, deckend", "Ctrl+3"))),
                                      an(kreuz(p("GelbMarker1", "Gelber &Marker, teiltransparent", "Ctrl+4"))),
                                      an(kreuz(p("GruenMarker1", "&Grüner Marker, teiltransparent", "Ctrl+5"))),
                                      an(kreuz(p("RadierWerkzeug1", "&Radierwerkzeug", "Ctrl+6"))),
                                      an(kreuz(p("Haekchen1", "Grünes &Häkchen", "Ctrl+7"))),
                                      an(kreuz(p("RotesKreuz1", "Rotes &Kreuz", "Ctrl+8"))),
                                      an(kreuz(p("Schlagwoerter1", "Schlag&wörter einsetzen", "Ctrl+9"))),
                                  })),
              }),
        menue("Uebung1", "&Übung",
              {
                  an(p("IndividualUebung1", "Individual-&Übung", "F7")),
                  an(p("Uebungseinstellungen1", "Übungs&einstellungen...", "Alt+F7")),
                  an(p("BestenlisteIndividual1", "&Bestenliste Individual-Übung...", "Ctrl+F7")),
                  an(p("ProtokollLetzteUebung1", "&Protokoll der letzten Übung...")),
                  trenner(),
                  an(p("NetzUebungTeilnehmen1", "An Netzwerk-Übung &teilnehmen...", "F8")),
                  an(p("BestenlisteNetz1", "Besten&liste Netzwerk-Übung...", "Ctrl+F8")),
                  trenner(),
                  an(p("UebungsserieAusfuehren1", "Übungs-/Testserie ausführen...", "Ctrl+Shift+Ü")),
                  an(p("Schiebepuzzle1", "&Schiebepuzzle", "F11")),
                  trenner(),
                  an(p("UebungAbbrechen1", "Übung &abbrechen")),
              }),
        menue("Lehrersteuerung1", "Lehrer&steuerung",
              {
                  an(p("NetzUebungInitiieren1", "&Netzwerk-Übung initiieren...", "F9")),
                  an(p("NetzUebungBeenden1", "Netzwerk-Übung &beenden")),
                  an(p("Kontrollanzeige1", "&Kontrollanzeige...", "Alt+F9")),
                  an(p("LehrerBestenlisteNetz1", "&Bestenliste Netzwerk-Übung...")),
              }),
        menue("Autorenfunktion1", "&Autorenfunktion",
              {
                  menue("NeuesDokument1", "&Neues Dokument anlegen",
                        {
                            p("NeuLueckentext1", "&Lückentext..."),
                            p("NeuEinzelfragen1", "&Einzelfragen..."),
                            p("NeuMultipleChoice1", "&Multiple-Choice-Fragen..."),
                            p("NeuTabelle1", "&Tabellarische Text-Bild-/Bild-Text-Zuordnung..."),
                            p("NeuBildbeschriftung1", "Freie Text-&Bild-/Bild-Text-Zuordnung..."),
                            p("NeuCTest1", "&C-Test-Generator..."),
                            p("NeuLueckentextFalschwoerter1", "Erweiterter Lückentext mit &Falschwörtern..."),
                            p("NeuCTestFalschwoerter1", "Erweiterter C-Test mit Falschwörtern..."),
                            p("NeuCluster1", "Clu&ster-Übung..."),
                            p("NeuKreuzZuordnung1", "Über-&Kreuz-Zuordnung..."),
                            p("NeuKreuzwortraetsel1", "Kreuz&worträtsel..."),
                            p("NeuWoerterFinden1", "Wö&rter/Wortbestandteile/Wortgruppen finden..."),
                        }),
                  menue("Uebungsserie1", "&Übungs-/Testserie",
                        {
                            an(p("UebungsserieErstellen1", "&Erstellen...", "Ctrl+Ü")),
                            an(p("UebungsserieAusfuehren2", "Ausführen...")),
                            an(p("UebungsserieOeffnen1", "Öffnen...")),
                            an(p("UebungsserieEntpacken1", "Ent&packen und in Themenauswahl bereitstellen....")),
                        }),
                  p("AssistentEinblenden1", "&Assistent einblenden", "Ctrl+Shift+A"),
                  trenner(),
                  p("DokumentBearbeiten1", "&Dokument bearbeiten...", "F2"),
                  an(p("Dokumenteigenschaften2", "Dokument&eigenschaften...", "Alt+Return")),
                  an(p("Seitenverhaeltnis1", "&Seitenverhältnis...", "Ctrl+Shift+T")),
                  menue("Basisbild1", "&Basisbild",
                        {
                            p("BasisbildAusDatei1", "Einfügen aus &Datei...", "Ctrl+Shift+O"),
                            p("BasisbildAusZwischenablage1", "Einfügen aus &Zwischenablage", "Ctrl+Shift+V"),
                            p("BasisbildKopieren1", "&Kopieren in Zwischenablage", "Ctrl+Shift+C"),
                            p("BasisbildLoeschen1", "&Löschen", "Ctrl+Shift+Del"),
                            p("BasisbildGroesse1", "&Größe, Ausrichtung, Deckkraft...", "Ctrl+Shift+G"),
                        }),
                  menue("Objekteditor1", "Objekteditor: &Texte, Bilder, Infopunkte",
                        {
                            p("ObjekteBearbeiten1", "&Bearbeiten...", "F3"),
                            p("ObjekteTransformieren1", "&Transformieren..."),
                            p("ObjekteAlleLoeschen1", "Alle &löschen"),
                        }),
                  p("EditorSchriftart1", "Edi&tor-Schriftart..."),
                  trenner(),
                  p("VorschaubilderGenerieren1", "&Vorschaubilder generieren..."),
                  p("BilderHerunterskalieren1", "Bilder &herunterskalieren..."),
                  p("Bildergalerie1", "Bilder&galerie...", "Ctrl+Shift+B"),
              }),
        menue("Anzeige1", "An&zeige",
              {
                  an(p("Vollbild1", "&Vollbild", "Ctrl+L")),
                  an(p("Fenster1", "&Fenster", "Ctrl+F")),
                  an(p("Minimieren1", "&Minimieren", "Ctrl+N")),
              }),
        menue("Optionen1", "&Optionen",
              {
                  an(kreuz(p("Tonausgabe1", "&Tonausgabe"))),
                  an(kreuz(p("Namenseingabe1", "&Namenseingabe bei Übungen"))),
                  an(kreuz(p("Statusinfo1", "&Statusinformation bei Übungen anzeigen"))),
                  an(kreuz(p("UebErgebAnzeigen1", "Übungs&ergebnisfenster anzeigen"))),
                  an(kreuz(p("AutoProtSpeichern1", "Übungs&protokolle automatisch speichern"))),
                  an(kreuz(p("ErgebBestListEintragen1", "Ergebnisse Individual-Übung automatisch in &Bestenliste eintragen"))),
                  trenner(),
                  an(p("NetzKommunikation1", "Netzwerk-&Kommunikation...")),
                  an(p("DokumentSchriftart1", "Dokument-Schrift&art...")),
                  p("TafelanschriebSchriftart1", "Tafelansch&rieb-Schriftart..."),
                  an(p("Notenskala1", "Notens&kala...")),
                  an(p("Dateiordner1", "&Dateiordner...")),
                  an(p("Verknuepfungsfelder1", "&Verknüpfungsfelder...")),
                  menue("Werkzeugleiste1", "&Werkzeugleiste",
                        {
                            an(kreuz(p("WerkzeugleisteLinks1", "&Links"))),
                            an(kreuz(p("WerkzeugleisteRechts1", "&Rechts"))),
                        }),
                  an(p("Uebungsrueckmeldung1", "Übungsrückmeldung...")),
                  p("Notizbox1", "Noti&zbox..."),
              }),
        menue("Tauschboerse1", "Tausch&börse",
              {
                  p("TauschboerseOeffnen1", "Internet-&Tauschbörse öffnen...", "Ctrl+I"),
                  p("DokumentHochladen1", "Aktuelles Dokument &hochladen...", "Ctrl+H"),
                  p("ZugangEinrichten1", "&Zugang einrichten..."),
                  versteckt(p("AGBAnzeigen1", "&AGB anzeigen...")),
              }),
        menue("Hilfe1", "&Hilfe",
              {
                  an(p("Inhalt1", "&Inhalt", "F1")),
                  an(p("Website1", "Kalumo-&Website")),
                  trenner(),
                  p("UpdateInformationen1", "&Update-Informationen"),
                  kreuz(p("UpdatePruefen1", "Bei Programmstart auf Update prüfen")),
                  trenner(),
                  an(p("Info1", "Inf&o...")),
              }),
    };
}

const MenuePunkt *suchen(const std::vector<MenuePunkt> &liste, const QString &name)
{
    for (const MenuePunkt &m : liste) {
        if (m.Name == name)
            return &m;
        if (const MenuePunkt *u = suchen(m.Unterpunkte, name))
            return u;
    }
    return nullptr;
}

} // namespace

const std::vector<MenuePunkt> &Hauptmenue()
{
    static const std::vector<MenuePunkt> menue = bauen();
    return menue;
}

const MenuePunkt *MenuePunktSuchen(const QString &name)
{
    return suchen(Hauptmenue(), name);
}

} // namespace kalumo
