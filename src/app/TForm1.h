#pragma once
// The main window. It holds the session (the program's state without a
// window) and presents it: it builds its menus from the menu table, applies
// the menu and panel state in one place (ZustandAnzeigen), hands every
// command to the operation that owns it and forwards the picture area's
// input to the session's current engine.

#include "app/Hauptfensterlogik.h"
#include "app/Sitzung.h"
#include "peripheral/Ansichtdruck.h"
#include "platform/QtDrucker.h"
#include "platform/Dateioeffner.h"
#include "platform/EMail.h"
#include "platform/QtDateidialoge.h"
#include "platform/QtMeldungen.h"
#include "platform/QtTonausgabe.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMainWindow>

#include <map>
#include <memory>

class QLabel;
class QTimer;
class QMenu;
class QScrollArea;
class QToolButton;
class QWidget;

namespace kalumo {

class TArbeitsblattForm;
class TBestListForm;
class TMasterProtForm;
class TNetzUebungTnStartForm;
class TBibliotheksmenue;
class TDokEigenschaftenForm;
class TRaenderForm;
class TSchriftartForm;
class TSeitenverhaeltnisForm;
class TInfoForm;
class TLernbild;
class TWerkzeugleiste;
class TPasswortForm;
class Passwortabfrage;
class TSchiebepuzzle;
class TSPuzzleOptForm;
class TNameEingabeForm;
class TUebEinstDialoge;
class TUebFertigForm;
class TUebProtokollForm;
class TSerienteil;
class TUebStatusPan;
class TUebungPan;
class TUebserieStatusPan;

class TForm1 : public QMainWindow, private SitzungsAnzeige
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Message boxes go here; tests install a scripted implementation.
    void MeldungenSetzen(Meldungen *m);
    void DateidialogeSetzen(Dateidialoge *d);
    void DateioeffnerSetzen(Dateioeffner *o) { m_oeffner = o; }
    // The user settings store and the central configuration file; without
    // them the first activation uses the real ones.
    void EinstellungsspeicherSetzen(Einstellungsspeicher *s) { m_sitzung.EinstellungsspeicherSetzen(s); }
    void ZentraleKonfigurationSetzen(const QString &pfad) { m_sitzung.ZentraleKonfigurationSetzen(pfad); }
    EinstellungenTyp &Einstellungen() { return m_sitzung.Einstellungen(); }
    // The sound output of exercises and the puzzle; tests install a scripted one.
    void TonausgabeSetzen(Tonausgabe *t) { m_sitzung.TonausgabeSetzen(t ? t : &m_qtTon); }
    // The millisecond clock of runs; tests install a hand-set one.
    void UhrSetzen(Millisekundenquelle *uhr) { m_sitzung.UhrSetzen(uhr); }

    // The command-line arguments after the program name.
    void ArgumenteSetzen(const QStringList &argumente) { m_argumente = argumente; }
    // The start-up work of the first activation; runs once.
    void ErsteAktivierungAusfuehren();

    // The program's state this window presents.
    Sitzung &Programmzustand() { return m_sitzung; }
    Dokument &AktuellesDokument() { return m_sitzung.Dok(); }
    Lernansicht &Ansicht() { return m_sitzung.Ansicht(); }
    int Ansichtsmodus() const { return m_sitzung.Modus(); }
    QAction *Aktion(const QString &name) const;
    QMenu *Menue(const QString &name) const;
    QLabel *StartInfoPan() const { return m_startInfoPan; }
    QLabel *TitelLabel() const { return m_titelLabel; }
    QScrollArea *Werkzeugleiste() const { return m_werkzeugBox; }
    bool EinstellungenGeschrieben() const { return m_sitzung.EinstellungenGeschrieben(); }
    QToolButton *VerknuepfungsKnopf(int index) const { return m_verknuepfungsKnoepfe[size_t(index)]; }

    // The menus, panels and buttons as the program state says (Menuezustand.h).
    void ZustandAnzeigen();
    void LernansichtAktivieren();
    void TitelAnzeigen() override;
    bool UebungAbbrechenErlaubt() { return m_sitzung.UebungAbbrechenErlaubt(); }

    // Menu commands of this window.
    void Oeffnen1Click();
    void Speichern1Click();
    void SpeichernUnter1Click();
    void Schliessen1Click();
    void Vollbild1Click();
    void Fenster1Click();
    void Minimieren1Click();
    void WerkzeugleisteKlappen1Click();
    void WerkzeugpositionSetzen(int position);
    void Info1Click();
    void Inhalt1Click();   // the help page in the desktop's browser
    void Website1Click();  // the product's home page
    void EbeneUmschalten(int ebene, bool sichtbar);
    void NummerierungSetzen(int modus);
    void ZoomstufeSetzen(int stufe);
    void AlleAbdecken1Click();
    void AlleAufdecken1Click();
    // Opens the window of the info point with this index (password first).
    void ShowInfoText(int index);
    void PasswortabfrageSetzen(Passwortabfrage *a) { m_passwortabfrage = a; }
    TInfoForm *InfoForm() const { return m_infoForm; }
    TLernbild *Lernbild() const { return m_lernKartPicImg; }
    TWerkzeugleiste *Werkzeugknoepfe() const { return m_werkzeugleiste; }
    // An info point, link or image link was clicked.
    void ObjektAktivieren(int index);
    void Dateiordner1Click();
    void Verknuepfungsfelder1Click();
    // Worksheets and printing the view.
    void DruckerSetzen(Drucker *d) { m_drucker = d; }
    void ArbeitsblattErstellen1Click();
    void Drucken1Click();
    ArbeitsblattOptionen &ArbeitsblattEinstellungen() { return m_sitzung.Arbeitsblatt(); }
    TArbeitsblattForm *ArbeitsblattForm() const { return m_arbeitsblattForm; }
    // "&Schiebepuzzle" (F11): options dialog, then the puzzle on the rendered page.
    void Schiebepuzzle1Click();
    TSchiebepuzzle *Schiebepuzzle() const { return m_puzzle; }
    TSPuzzleOptForm *SPuzzleOptForm() const { return m_puzzleOptForm; }
    // "Individual-&Übung" (F7) and the button "Individual- Übung".
    void IndividualUebung1Click();
    // "Übungs&einstellungen..." (Alt+F7).
    void Uebungseinstellungen1Click();
    // "Übung &abbrechen" and the button that reads so during a run: asks the guard.
    void UebungAbbrechen1Click();
    TUebungPan *UebungsFlaeche() const { return m_uebungsFlaeche; }
    TUebStatusPan *UebStatusPan() const { return m_uebStatusPan; }
    TUebEinstDialoge *UebEinstDialoge() const { return m_uebEinstDialoge.get(); }
    TNameEingabeForm *NameEingabeForm() const { return m_nameForm; }
    // The end of a run (TForm1Uebungsende.cpp): the result window, the
    // protocol window ("&Protokoll der letzten Übung..."), the feedback dialog.
    TUebFertigForm *UebFertigForm() const { return m_uebFertigForm; }
    TUebProtokollForm *UebProtokollForm();
    void ProtokollLetzteUebung1Click();
    void Uebungsrueckmeldung1Click();
    // "&Bestenliste Individual-Übung..." (Ctrl+F7): the current document's list.
    void BestenlisteIndividual1Click();
    // The mail program of "Per E-Mail versenden"; tests install a scripted one.
    void EMailProgrammSetzen(EMailProgramm *e);
    // The network exercise (TForm1Netz.cpp): the teacher menu, joining, the
    // network best list and the communication settings.
    void NetzUebungInitiieren1Click();
    void NetzUebungBeenden1Click();
    void Kontrollanzeige1Click();
    void NetzUebungTeilnehmen1Click();
    void BestenlisteNetz1Click();
    void NetzKommunikation1Click();
    TMasterProtForm *Kontrollanzeige();
    TNetzUebungTnStartForm *BeitrittForm();
    TBestListForm *NetzBestListForm() const { return m_netzBestListForm; }
    // The document entries of "&Themenauswahl" and the dialog "Themenliste".
    TBibliotheksmenue *Bibliotheksmenue() const { return m_bibliotheksmenue; }
    // Document properties, passwords, page ratio, font and margins (TForm1Dokument.cpp).
    void Dokumenteigenschaften1Click();
    void PasswortSpeichernUnter1Click();
    void Seitenverhaeltnis1Click();
    void DokumentSchriftart1Click();
    // "Ränder" for the content editors: true when confirmed (the margins are then set).
    bool RaenderEinstellen();
    TDokEigenschaftenForm *EigenschaftenForm() const { return m_eigenschaftenForm; }
    TSeitenverhaeltnisForm *SeitenverhaeltnisForm() const { return m_seitenForm; }
    TSchriftartForm *SchriftartForm() const { return m_schriftForm; }
    TRaenderForm *RaenderForm() const { return m_raenderForm; }
    // The exercise series: its menu commands, status panel and end dialog.
    TSerienteil *Serienteil() const { return m_serienteil; }
    TUebserieStatusPan *SerieStatusPan() const { return m_serieStatusPan; }
    // "Notens&kala...": refused during a run and when config.ini locks it.
    void Notenskala1Click();

protected:
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;
    bool eventFilter(QObject *objekt, QEvent *e) override;

private:
    // SitzungsAnzeige
    void Sanduhr(bool an) override;
    void DokumentGelesen(bool alsAktuell) override;
    void DokumentGeschlossen() override;
    void ModusGewechselt() override;
    void BibliothekGeaendert() override;

    void menuesBauen();
    // the library menu and its dialog (TForm1Bibliothek.cpp)
    void BibliotheksmenueBauen();
    void BibliotheksmenueMeldungen(Meldungen *m);
    void BibliotheksmenueDateidialoge(Dateidialoge *d);
    void DokumentdialogeBauen();
    Passwortabfrage &dokPasswortabfrage();
    Passwortabfrage &bilderPasswortabfrage();
    void panelsBauen();
    void werkzeugleisteAnordnen();
    void lernbildZeigen();
    void tasteAusfuehren(TastenAktion aktion);
    void abbauen();
    void rahmenSetzen(bool mitRahmen);
    void verknuepfungsKnoepfeAktualisieren();
    void verknuepfungGeklickt(int index, Qt::MouseButton knopf);
    void uhrTick();
    // The exercise went back to the learning view: the window leaves its run.
    void uebungsendePruefen();
    // The result window and the menu entries of the end of a run.
    void uebungsendeEinrichten();
    void uebungsprotokollZeigen(bool modal);
    void ergebnisBestenlisteZeigen();
    void netzVerbinden();

    // What the exercise asks of the main window beyond its panel.
    class Fensteroberflaeche : public UebungsOberflaeche
    {
    public:
        explicit Fensteroberflaeche(TForm1 &f) : m_f(f) {}
        void LernansichtAktivieren() override;
        void IndividualKnopf(bool gedrueckt) override;
        void ObjektOeffnen(int objekt) override;
        void InfofensterSchliessen() override;

    private:
        TForm1 &m_f;
    };

    Sitzung m_sitzung;
    QtMeldungen m_qtMeldungen;
    Meldungen *m_meldungen = &m_qtMeldungen;
    QtDateidialoge m_qtDialoge;
    Dateidialoge *m_dialoge = &m_qtDialoge;
    // captions' shortcut texts of entries whose key belongs to another entry
    QHash<QString, QString> m_kurzwahlTexte;
    QtDateioeffner m_qtOeffner;
    Dateioeffner *m_oeffner = &m_qtOeffner;
    QtDrucker m_qtDrucker{this};
    Drucker *m_drucker = &m_qtDrucker;
    TArbeitsblattForm *m_arbeitsblattForm = nullptr;
    AnsichtDruckZustand m_ansichtDruck;
    TInfoForm *m_infoForm = nullptr;
    TPasswortForm *m_passwortForm = nullptr;
    Passwortabfrage *m_passwortabfrage = nullptr;
    QStringList m_argumente;
    // the exercise clock: every 100 ms while a run lasts; the readings are
    // the session's milliseconds
    QTimer *m_uhr = nullptr;
    QtTonausgabe m_qtTon;
    Fensteroberflaeche m_fensterOberflaeche{*this};
    std::unique_ptr<TUebEinstDialoge> m_uebEinstDialoge;
    TNameEingabeForm *m_nameForm = nullptr;
    TUebFertigForm *m_uebFertigForm = nullptr;
    TUebProtokollForm *m_uebProtokollForm = nullptr;   // made when first shown
    XdgEMailProgramm m_xdgEMail;
    EMailProgramm *m_email = &m_xdgEMail;
    TMasterProtForm *m_kontrollanzeige = nullptr;
    TNetzUebungTnStartForm *m_beitrittForm = nullptr;
    TBestListForm *m_netzBestListForm = nullptr;
    TBibliotheksmenue *m_bibliotheksmenue = nullptr;
    TDokEigenschaftenForm *m_eigenschaftenForm = nullptr;
    TSeitenverhaeltnisForm *m_seitenForm = nullptr;
    TSchriftartForm *m_schriftForm = nullptr;
    TRaenderForm *m_raenderForm = nullptr;
    TPasswortForm *m_bilderPasswortForm = nullptr; // the second instance: the image password
    // a start dialog of a run is open (its button shows pressed)
    bool m_startDialogOffen = false;

    // state of the window
    bool m_ersteAktivierung = true;
    bool m_beendet = false;
    bool m_layoutAktiv = true;
    bool m_titelVerborgen = false;
    bool m_vorschauLauf = false;

    std::map<QString, QAction *> m_aktionen;
    std::map<QString, QMenu *> m_menues;

    QWidget *m_lernPan = nullptr;
    QWidget *m_infoPan = nullptr;
    QWidget *m_titelPan = nullptr;
    QLabel *m_titelLabel = nullptr;
    QToolButton *m_individualKnopf = nullptr;
    QToolButton *m_lernansichtKnopf = nullptr;
    QToolButton *m_netzKnopf = nullptr;
    QToolButton *m_vorherigesKnopf = nullptr;
    QToolButton *m_naechstesKnopf = nullptr;
    TUebStatusPan *m_uebStatusPan = nullptr;
    TUebserieStatusPan *m_serieStatusPan = nullptr;
    TSerienteil *m_serienteil = nullptr;
    QLabel *m_puzzleStatusPan = nullptr;
    QWidget *m_lernKartPan = nullptr;
    TLernbild *m_lernKartPicImg = nullptr;
    TWerkzeugleiste *m_werkzeugleiste = nullptr;
    QLabel *m_startInfoPan = nullptr;
    QWidget *m_uebungPan = nullptr;
    TSchiebepuzzle *m_puzzle = nullptr;
    TUebungPan *m_uebungsFlaeche = nullptr;
    TSPuzzleOptForm *m_puzzleOptForm = nullptr;
    QLabel *m_gesperrtPan = nullptr;
    QScrollArea *m_werkzeugBox = nullptr;
    QToolButton *m_klappKnopf = nullptr;
    std::array<QToolButton *, kVerknuepfungsAnzahl + 1> m_verknuepfungsKnoepfe{}; // V1..V3, keyboard
};

} // namespace kalumo
