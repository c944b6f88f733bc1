#pragma once
// An exercise run without a window: the start sequence, the clock and the
// time limit, the elements of every document type and query mode, the
// judging of every answer with its counters, the advance to the next query,
// the end with its repetition loop, and the abort.
//
// The window layer shows the exercise panel: at its left the learning
// view's ViewBitmap 1:1 (BildBreite pixels wide), a bar of 3 pixels, the
// instruction line and the card column at the right; over it the elements.
// It forwards mouse and keys in panel pixels (MausDruck, MausBewegung,
// MausLos, Taste) and typed text of the input fields, runs the 100 ms timer
// (Tick) and implements the pauses of UebungsOberflaeche.

#include "document/DokumentModell.h"
#include "exercise/Abfrageliste.h"
#include "exercise/Bestenliste.h"
#include "exercise/Notenskala.h"
#include "exercise/Protokolltext.h"
#include "exercise/UebungsDienste.h"
#include "exercise/Uebungsdaten.h"
#include "exercise/Uebungseinstellungen.h"
#include "exercise/Uebungselemente.h"
#include "exercise/Uhr.h"
#include "exercise/Zufall.h"
#include "learnview/Interaktion.h"
#include "learnview/Lernansicht.h"
#include "platform/Meldungen.h"

#include <QColor>
#include <QDateTime>
#include <QRect>
#include <QSize>
#include <QString>

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace kalumo {

// The selected target: an object, none, or "judge everything".
inline constexpr int kKeineAuswahl = -1;
inline constexpr int kAllesAuswerten = -999;

// The feedback label and the tick statistics panel.
struct RueckmeldungsAnzeige
{
    QString Text;                       // "Richtig!" / "Falsch!" while shown, else empty
    QColor Farbe;
    bool StatistikSichtbar = false;     // tick statistics panel
    QString StatistikTitel;             // "Antwort-Häkchen" or "Textmarkierungen"
    int Richtig = 0, Falsch = 0, Fehlend = 0;
};

// The texts of the feedback (menu "Übungsrückmeldung...").
struct RueckmeldungsTexte
{
    QString Richtig = QStringLiteral("Richtig!");
    QString Falsch = QStringLiteral("Falsch!");
    QString MCRichtig = QStringLiteral("Richtig:");
    QString MCFalsch = QStringLiteral("Falsch:");
    QString MCFehlend = QStringLiteral("Fehlend:");
};

// The status panel: values as shown ("?" while the feedback waits for the end).
struct StatusAnzeige
{
    QString Name;                       // "Name:"
    QString Richtig;                    // "Richtig gelöst:"
    QString Von;                        // "von  " + AnzAbfragen
    QString Falsch;                     // "Fehlversuche:"
    QString Quote;                      // "Akt. Erfolgsquote:"
    QString Leistung;                   // "Gesamtleistung:"
    QString UhrBeschriftung;            // "Verbleibende Zeit:" / "Benötigte Zeit:"
    QString Uhr;                        // mm:ss
    bool UhrSichtbar = true;
};

// What the last input did, for tests and "kalumo-tool exercise".
struct Entscheidung
{
    bool Beurteilt = false;             // an answer was judged
    std::optional<bool> Richtig;        // a single answer: its verdict
};

class Uebung
{
public:
    Uebung(Dokument &dok, Lernansicht &ansicht, Meldungen &meldungen, Millisekundenquelle &uhr,
           UebDialogeTyp &dialoge);

    // ---- set-up ----
    UebungsDienste Dienste;
    UebungsOptionen Optionen;
    RueckmeldungsTexte Texte;
    NotenskalaTyp Skala;        // the grading scale of the settings; a run keeps a copy
    // The random source of the run (shuffles, distractors, image keys).
    void ZufallSetzen(std::uint32_t saat) { m_zufall.Saat(saat); }
    // The date and time a run records as its start (default: now).
    std::function<QDateTime()> Jetzt = [] { return QDateTime::currentDateTime(); };
    // Settings taken as given instead of from the dialogs (a network
    // participant's, or "kalumo-tool exercise --settings"); cleared with {}.
    void EinstellungenVorgeben(std::optional<UebEinstTyp> e) { m_vorgegeben = std::move(e); }
    // Computer and user names of the protocol head (the teacher computer
    // also its communication folder and channel); the document's values and
    // the series entry's are filled in by the run.
    ProtokollUmfeld Umgebung;

    // ---- commands ----
    // StarteUebung: art is the UebArt of the new run; false when it did not start.
    bool StarteUebung(bool dialogZeigen, int wiederholung, int art);
    // "Individual-Übung" (F7): refused while a run or the sliding puzzle is on.
    bool IndividualUebung(bool puzzleLaeuft = false);
    // "Übungs&einstellungen...": false when refused during a run.
    bool EinstellungenErlaubt();
    void UebungBeenden();
    // "Übung abbrechen": asks the guard; false when the user keeps the run.
    bool UebungAbbrechen();
    // The abort once the guard has agreed (or there was nothing to ask):
    // a participant reports it, everything goes back to the learning view.
    void Verlassen();
    // The abort guard: true when there is nothing to lose or the user agrees.
    bool UebungAbbrechenErlaubt();
    void NaechsteAbfrage();

    // ---- state ----
    bool Laeuft() const { return m_laeuft; }                  // the main window is in exercise mode
    bool Beendet() const { return !m_laeuft || m_daten.EndeGrund != endeLaeuft; }
    const UebDataTyp &Daten() const { return m_daten; }
    const Dokument &Dok() const { return m_dok; }
    UebDataTyp &Daten() { return m_daten; }
    const UebEinstTyp &UebEinst() const { return m_einst; }
    int Modus() const { return m_modus; }                     // the query mode in effect
    const std::vector<AbfrageEintrag> &AbfrageListe() const { return m_liste; }
    const std::vector<UebElement> &Elemente() const { return m_elemente; }
    const UebElement *Element(int kennung) const;
    // The topmost visible element at a panel point (its Kennung), -1 none.
    int ElementBei(QPoint p) const;
    QString Anweisung() const;
    const RueckmeldungsAnzeige &Rueckmeldung() const { return m_rueckmeldung; }
    StatusAnzeige Status() const;
    const Entscheidung &LetzteEntscheidung() const { return m_entscheidung; }
    void EntscheidungLeeren() { m_entscheidung = {}; }
    bool WiederholungMoeglich() const;
    // The finished protocol (head and course) once the run has ended; the
    // course so far while it runs.
    QString ProtokollText() const { return m_daten.ProtokollKopf + m_daten.ProtokollAblauf; }
    // What the protocol head is made of.
    ProtokollUmfeld Umfeld() const;
    // The run time in milliseconds at the last clock update.
    qint64 Dauer() const { return m_dauerMs; }
    // What the best list takes of the run.
    BestenlisteLaufTyp BestenlisteLauf() const;
    // What changed since the last call (UebAenderung bits), for an input
    // engine that reports whether to repaint; cleared by the call.
    unsigned AenderungenAbholen() { return std::exchange(m_geaendert, 0u); }
    // The info point or link the last click asked to open (-1 none); cleared
    // by the call. The surface's ObjektOeffnen has been told already.
    int OeffnenAbholen() { return std::exchange(m_oeffnen, -1); }
    // Whether the run waits for the end of a feedback pause.
    bool Pausiert() const { return m_wartet || !m_schritte.empty(); }

    // The selection: target object, basket (cluster, 1..), first element of
    // a cross-matching pair; and its frame in panel pixels (empty when none).
    int AusgewaehltesZiel() const { return m_auswahl; }
    int AusgewaehlterKorb() const { return m_korb; }
    int ErstesElement() const { return m_zweites; }
    QRect Auswahlrahmen() const;
    // The element with the keyboard focus (its Kennung, -1 none) and the
    // find-words spot with it (object, -1 none).
    int Fokus() const { return m_fokus; }
    int FokusObjekt() const { return m_fokusObjekt; }

    // ---- the panel ----
    void PanelGroesseSetzen(QSize groesse);
    QSize PanelGroesse() const { return m_panel; }
    // The baskets of a cluster page in page fractions, basket k at index k-1.
    std::vector<QRectF> Koerbe() const;
    // An object's card rectangle in panel pixels (empty when it has none).
    QRect ObjektRechteck(int objekt) const;
    // The middle of an object's drawn card, of basket k (from 1), in panel
    // pixels; nullopt when there is none.
    std::optional<QPoint> Zielmitte(int objekt) const;
    std::optional<QPoint> Korbmitte(int korb) const;

    // ---- the clock ----
    void Tick();
    QString Uhrtext() const { return m_uhrtext; }

    // ---- input (panel pixels) ----
    bool MausDruck(QPoint p, Maustaste taste);
    bool MausBewegung(QPoint p, bool linksGedrueckt);
    bool MausLos(QPoint p, Maustaste taste);
    // key: a Qt::Key, modifiers Qt::KeyboardModifiers as int; true when used.
    bool Taste(int key, int modifiers = 0);
    // An input field: a click into it (clears the "<n>" hint), its text.
    bool FeldKlick(int kennung);
    bool FeldText(int kennung, const QString &text);
    Zeigerform ZeigerFuer(QPoint p) const;
    // The end of a pause the window was asked for.
    void PauseBeendet();

private:
    // start sequence and end (Uebung.cpp)
    bool Starten(bool dialogZeigen, int wiederholung, int art);
    // Start step 5: the settings of the run from the dialog of the document
    // type (or as given), the series overrides, the grade scale.
    void EinstellungenUebernehmen(int art);
    void AbfragenMarkieren(int wiederholung);
    void Kontrollknopf();
    void AntwortReihenfolge();
    void ZieleVorbereiten();
    bool Weiterschalten(int schritte);
    void ZurLernansicht();
    void Aufraeumen();
    void UhrAktualisieren();
    void ZeitlimitErreicht();
    qint64 Laufzeit() const;
    void Protokoll(ProtokollEintrag e);
    void EndeMelden();
    ProtokollEintrag Eintrag(ProtokollArt art) const;

    // elements (UebungElemente.cpp)
    void ElementeAufbauen();
    void ElementeAnordnen();
    void Stapeln();
    void EinzelKarteZeigen();
    void EinzelPositionZeigen();
    void FrageZeigen();
    void MCFrageZeigen();
    void AktuellesZeigen();
    int ElementHinzufuegen(UebElement e);
    UebElement *ElementVon(int kennung);
    void ElementFreigeben(int kennung);
    void AlleKartenVerstecken();
    QRect KartenRechteck(const UebElement &e) const;
    QPointF Seitenbruch(QPoint panel) const;
    QPoint Ansichtspunkt(double kx, double ky) const;
    int ZielUnterKarte(const QRect &karte) const;
    int KorbBei(QPointF bruch) const;
    std::vector<int> Zielkandidaten() const;
    bool IstZielkandidat(int objekt) const;
    int Bildbreite() const;
    int AktuellesZiel() const;
    int AktuelleFrage() const;
    bool Ziehbar() const;

    // judging (UebungAntwort.cpp)
    void Antwort(int kennung);
    void ZuordnungAntwort(int kennung);
    void FrageAntwort(int kennung);
    void MCAntwort(int kennung);
    void AntwortAuswerten(int kennung, int ziel, bool richtig, const std::function<void()> &falschZeigen,
                          int pauseFalsch, std::function<void()> falschZaehlen);
    void KreuzAntwort(int kennung);
    void TexteingabeAuswerten();
    void WoerterAuswerten();
    void RichtigZeigen(UebElement *karte, const QString &tondatei);
    void FalschZeigen(UebElement *karte, int richtigeHaken, int falscheHaken, int fehlendeHaken, bool mc);
    void RueckmeldungLeeren();
    void Nachher();
    void StatistikAktualisieren();
    int AusstehendZaehlen() const;
    void ZielAktualisieren(int objekt);
    void AnsichtNeu();
    void KarteZurueck(int kennung);
    void AuswahlLeeren();
    bool Festgefahren() const;

    // the steps of a judging, run one after the other; a pause stops them
    // until the window reports its end
    void Schritt(std::function<void()> tun);
    void Pause(int ms);
    void Ablaufen();
    struct Ablaufschritt
    {
        std::function<void()> Tun;
        int PauseMs = 0;
        int GleitElement = -1;
        std::vector<QPoint> Bahn;
    };

    // input (UebungEingabe.cpp)
    bool Eingabebereit() const;
    bool KlickInAnsicht(QPoint p, Maustaste taste);
    bool Fokussierbar(const UebElement &e) const;
    bool FokusWeiter(int richtung);
    bool ZielWaehlen(int richtung);
    bool Eingabetaste();
    bool Leertaste();
    void Melden(unsigned aenderung);

    Dokument &m_dok;
    Lernansicht &m_ansicht;
    Meldungen &m_meldungen;
    Millisekundenquelle &m_uhr;
    UebDialogeTyp &m_dialoge;
    Zufall m_zufall;
    std::optional<UebEinstTyp> m_vorgegeben;

    UebDataTyp m_daten;
    UebEinstTyp m_einst;
    int m_modus = abfFrei;
    bool m_laeuft = false;
    bool m_endeGemeldet = false;            // a participant has reported the end of this run
    std::vector<AbfrageEintrag> m_liste;
    std::vector<UebElement> m_elemente;
    int m_naechsteKennung = 1;
    int m_stapel = 0;
    QSize m_panel{1209, 700};
    std::map<int, QString> m_bildCaps;      // captions of image objects before the run set their keys
    int m_nummerierung = -1;                // the learning view's numbering mode before the run

    RueckmeldungsAnzeige m_rueckmeldung;
    QString m_uhrtext = QStringLiteral("00:00");
    qint64 m_dauerMs = 0;
    Entscheidung m_entscheidung;

    // interaction state
    int m_auswahl = kKeineAuswahl;          // selected target object
    int m_korb = -1;                        // cluster: basket under the dragged card
    int m_zweites = -1;                     // cross matching: the element selected first
    int m_zieht = -1;                       // the card being dragged (Kennung)
    QPoint m_letzterPunkt;
    int m_geklickt = -1;                    // the element whose mouse-up judges (Kennung)
    int m_fokus = -1;                       // keyboard focus (Kennung)
    int m_fokusObjekt = -1;                 // keyboard focus on a find-words spot
    bool m_zielwahl = false;                // the keyboard chooses a target

    std::deque<Ablaufschritt> m_schritte;
    int m_laufNummer = 0;                   // counts starts and returns to the learning view
    bool m_wartet = false;
    bool m_laeuftAb = false;
    unsigned m_geaendert = 0;               // UebAenderung bits not yet collected
    int m_oeffnen = -1;                     // object a click asked to open
};

} // namespace kalumo
