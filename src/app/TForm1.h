#pragma once
// The main window. It owns the current document and the state of the
// program's modes, builds its menus from the menu table and hands every
// command to the operation that owns it.

#include "app/Hauptfensterlogik.h"
#include "app/settings/Einstellungen.h"
#include "document/DokumentDateien.h"
#include "document/DokumentModell.h"
#include "learnview/Lernansicht.h"
#include "peripheral/Ansichtdruck.h"
#include "platform/QtDateidialoge.h"
#include "platform/QtDrucker.h"
#include "worksheet/ArbeitsblattOptionen.h"
#include "platform/Dateioeffner.h"
#include "platform/Einstellungsspeicher.h"
#include "platform/QtMeldungen.h"

#include <QMainWindow>

#include <map>
#include <memory>

class QLabel;
class QMenu;
class QTimer;
class QScrollArea;
class QToolButton;
class QWidget;

namespace kalumo {

class TArbeitsblattForm;
class TInfoForm;
class TLernbild;
class TWerkzeugleiste;
class TPasswortForm;
class Passwortabfrage;
class TSchiebepuzzle;
class TSPuzzleOptForm;

class TForm1 : public QMainWindow, private DokumentDienste
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Message boxes go here; tests install a scripted implementation.
    void MeldungenSetzen(Meldungen *m);
    Meldungen &Meldung() override { return *m_meldungen; }
    void DateidialogeSetzen(Dateidialoge *d);
    void DateioeffnerSetzen(Dateioeffner *o) { m_oeffner = o; }
    // The user settings store and the central configuration file; without
    // them the first activation uses the real ones.
    void EinstellungsspeicherSetzen(Einstellungsspeicher *s) { m_speicher = s; }
    void ZentraleKonfigurationSetzen(const QString &pfad)
    {
        m_zentraleKonfiguration = pfad;
        m_zentraleKonfigurationGesetzt = true;
    }
    EinstellungenTyp &Einstellungen() { return m_einst; }

    // The command-line arguments after the program name.
    void ArgumenteSetzen(const QStringList &argumente) { m_argumente = argumente; }
    // The start-up work of the first activation; runs once.
    void ErsteAktivierungAusfuehren();

    Dokument &AktuellesDokument() { return m_dok; }
    Lernansicht &Ansicht() { return *m_ansicht; }
    int Ansichtsmodus() const { return m_ansichtsmodus; }
    QAction *Aktion(const QString &name) const;
    QMenu *Menue(const QString &name) const;
    QLabel *StartInfoPan() const { return m_startInfoPan; }
    QLabel *TitelLabel() const { return m_titelLabel; }
    QScrollArea *Werkzeugleiste() const { return m_werkzeugBox; }
    bool EinstellungenGeschrieben() const { return m_einstellungenGeschrieben; }
    QToolButton *VerknuepfungsKnopf(int index) const { return m_verknuepfungsKnoepfe[size_t(index)]; }

    void ModusAnzeigen();
    void LernansichtAktivieren();
    void TitelAnzeigen() override;
    bool UebungAbbrechenErlaubt() override;

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
    ArbeitsblattOptionen &ArbeitsblattEinstellungen() { return m_arbeitsblatt; }
    TArbeitsblattForm *ArbeitsblattForm() const { return m_arbeitsblattForm; }
    // "&Schiebepuzzle" (F11): options dialog, then the puzzle on the rendered page.
    void Schiebepuzzle1Click();
    TSchiebepuzzle *Schiebepuzzle() const { return m_puzzle; }
    TSPuzzleOptForm *SPuzzleOptForm() const { return m_puzzleOptForm; }

protected:
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;
    bool eventFilter(QObject *objekt, QEvent *e) override;

private:
    // DokumentDienste
    QString Schriftart() const override { return m_schriftart; }
    void SchriftartSetzen(const QString &name) override { m_schriftart = name; }
    QImage Startbild() const override { return m_startbild; }
    void Sanduhr(bool an) override;
    void LayoutsNeuAufbauen(Dokument &dok) override;
    void NachDemLesen(Dokument &dok, bool alsAktuell) override;
    void NachDemSchliessen(Dokument &dok) override;
    QString OeffnenDialog(const QString &startOrdner) override;
    QString SpeichernDialog(const QString &startOrdner, const QString &vorschlag) override;
    void ArbeitsblattGelesen(const QString *einstellungen, const QString &aufgabe) override;
    QString ArbeitsblattZumSpeichern(const HeaderDataTyp &kopf) const override;

    void menuesBauen();
    void panelsBauen();
    void werkzeugleisteAnordnen();
    void lernbildZeigen();
    void vorschauSchreiben(const Startargumente &a);
    void tasteAusfuehren(TastenAktion aktion);
    void abbauen();
    void rahmenSetzen(bool mitRahmen);
    void einstellungenAnwenden();
    void einstellungenEinsammeln();
    void optionUmschalten(const QString &name, bool an);
    void verknuepfungsKnoepfeAktualisieren();
    void verknuepfungGeklickt(int index, Qt::MouseButton knopf);
    void menueHaekchenSetzen();

    Dokument m_dok;
    QtMeldungen m_qtMeldungen;
    Meldungen *m_meldungen = &m_qtMeldungen;
    QtDateidialoge m_qtDialoge;
    Dateidialoge *m_dialoge = &m_qtDialoge;
    QtDateioeffner m_qtOeffner;
    Dateioeffner *m_oeffner = &m_qtOeffner;
    QtDrucker m_qtDrucker{this};
    Drucker *m_drucker = &m_qtDrucker;
    ArbeitsblattOptionen m_arbeitsblatt;
    TArbeitsblattForm *m_arbeitsblattForm = nullptr;
    AnsichtDruckZustand m_ansichtDruck;
    std::unique_ptr<Einstellungsspeicher> m_eigenerSpeicher;
    Einstellungsspeicher *m_speicher = nullptr;
    QString m_zentraleKonfiguration;
    bool m_zentraleKonfigurationGesetzt = false;
    EinstellungenTyp m_einst;
    std::unique_ptr<Lernansicht> m_ansicht;
    TInfoForm *m_infoForm = nullptr;
    TPasswortForm *m_passwortForm = nullptr;
    Passwortabfrage *m_passwortabfrage = nullptr;
    QString m_schriftart = QStringLiteral("Arial");
    QImage m_startbild;
    QStringList m_argumente;

    // state of the window
    int m_ansichtsmodus = modusLernansicht;
    int m_uebArt = 0;
    bool m_ersteAktivierung = true;
    bool m_beendet = false;
    bool m_layoutAktiv = true;
    int m_aktFrageNummer = 0;
    int m_nummerierungsmodus = 1;
    QString m_startordner;
    QString m_startdokument;
    int m_werkzeugleisteOffen = 1;
    int m_werkzeugposition = 0;
    bool m_titelVerborgen = false;
    bool m_statusinfo = true;
    bool m_notenskalaAenderbar = true;
    bool m_einstellungenGeschrieben = false;
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
    QLabel *m_uebStatusPan = nullptr;
    QLabel *m_serieStatusPan = nullptr;
    QLabel *m_puzzleStatusPan = nullptr;
    QWidget *m_lernKartPan = nullptr;
    TLernbild *m_lernKartPicImg = nullptr;
    TWerkzeugleiste *m_werkzeugleiste = nullptr;
    QLabel *m_startInfoPan = nullptr;
    QWidget *m_uebungPan = nullptr;
    TSchiebepuzzle *m_puzzle = nullptr;
    TSPuzzleOptForm *m_puzzleOptForm = nullptr;
    QTimer *m_uhr = nullptr; // the exercise clock, 100 ms
    QLabel *m_gesperrtPan = nullptr;
    QScrollArea *m_werkzeugBox = nullptr;
    QToolButton *m_klappKnopf = nullptr;
    std::array<QToolButton *, kVerknuepfungsAnzahl + 1> m_verknuepfungsKnoepfe{}; // V1..V3, keyboard
};

} // namespace kalumo
