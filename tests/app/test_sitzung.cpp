// The program's state without a window: modes and runs, the engine the
// picture area forwards to, opening, uncovering, drawing and closing a
// document, the closing questions and the settings written once.

#include "Beispielpaket.h"
#include "Probelauf.h"

#include "app/Serienanbindung.h"
#include "app/Sitzung.h"
#include "exercise/Puzzlehilfen.h"
#include "exercise/Puzzlelauf.h"
#include "exercise/Uebungsaktionen.h"
#include "exercise/Uebungslauf.h"
#include "platform/Dateidialoge.h"
#include "platform/Einstellungsspeicher.h"
#include "platform/Meldungen.h"
#include "series/Seriepaket.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace kalumo;
using kalumo::test::Probelauf;

namespace {

const QColor kDeckblau(202, 228, 255);

QString beispiel(const char *name)
{
    return QStringLiteral(KALUMO_BEISPIELE_ORDNER) + "/" + QString::fromUtf8(name);
}

// What the window would hear.
struct Anzeige : SitzungsAnzeige
{
    int Gelesen = 0, Geschlossen = 0, Modus = 0, Titel = 0;
    void DokumentGelesen(bool) override { ++Gelesen; }
    void DokumentGeschlossen() override { ++Geschlossen; }
    void ModusGewechselt() override { ++Modus; }
    void TitelAnzeigen() override { ++Titel; }
};

struct Probe
{
    QTemporaryDir ordner;
    Sitzung s{ordner.path()};
    SkriptMeldungen meldungen;
    SkriptDateidialoge dialoge;
    Anzeige anzeige;

    Probe()
    {
        s.MeldungenSetzen(&meldungen);
        s.DateidialogeSetzen(&dialoge);
        s.AnzeigeSetzen(&anzeige);
        s.Ansicht().Ansichtsgroesse = QSize(870, 609);
    }
    // The centre of an object's card in view pixels.
    QPoint Karte(int i) const
    {
        const Lernansicht &a = s.Ansicht();
        return a.KartenPixel(s.Dok().Objekte[size_t(i)]).translated(-a.AnsichtsVersatz()).center();
    }
    int Deckblau() const
    {
        const QImage bild = s.Ansicht().ViewBitmap.convertToFormat(QImage::Format_RGB32);
        int n = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                n += bild.pixel(x, y) == kDeckblau.rgb();
        return n;
    }
};

} // namespace

TEST(Sitzung, LaufUebernimmtEingabeUndModusUndGehtWieder)
{
    Probe p;
    EXPECT_EQ(p.s.Modus(), modusLernansicht);
    EXPECT_EQ(&p.s.Eingabe(), static_cast<Eingabemaschine *>(&p.s.Lerninteraktion()));

    int verlassen = 0, zerstoert = 0;
    auto lauf = std::make_unique<Probelauf>();
    lauf->art = uebSerie;
    lauf->verlassen = &verlassen;
    lauf->zerstoert = &zerstoert;
    Probelauf *roh = lauf.get();
    p.s.LaufStarten(std::move(lauf));
    EXPECT_EQ(p.s.Modus(), modusUebung);
    EXPECT_EQ(p.s.UebArt(), uebSerie);
    EXPECT_EQ(p.anzeige.Modus, 1);
    EXPECT_EQ(&p.s.Eingabe(), static_cast<Eingabemaschine *>(roh));
    // the picture area's input reaches the run, not the learning view
    p.s.Eingabe().MausDruck({10, 10}, Maustaste::Links);
    EXPECT_EQ(roh->druecke, 1);
    p.s.Takt(1200);
    EXPECT_EQ(roh->letzterTakt, 1200);
    EXPECT_FALSE(p.s.Takt(1300).LaufEnde);
    // in an exercise the file commands and the learning view are locked
    const MenueZustand z = MenueZustandBerechnen(p.s.MenueEingabenErmitteln());
    EXPECT_FALSE(z.Eintrag("Oeffnen1").Aktiv);
    EXPECT_TRUE(z.SerieStatusSichtbar);
    EXPECT_EQ(z.LernansichtKnopfText, "Übung abbrechen");

    // leaving a run returns to the pointer at 100 %
    p.s.Lerninteraktion().WerkzeugSetzen(wzHand);
    p.s.Ansicht().ZoomStufe = 4;
    p.s.LernansichtAktivieren();
    EXPECT_EQ(p.s.Lerninteraktion().Werkzeug(), wzZeiger);
    EXPECT_EQ(p.s.Ansicht().ZoomStufe, 0);
    EXPECT_EQ(verlassen, 1);
    EXPECT_EQ(zerstoert, 1);
    EXPECT_EQ(p.s.Lauf(), nullptr);
    EXPECT_EQ(p.s.Modus(), modusLernansicht);
    EXPECT_EQ(p.s.UebArt(), uebIndividual);
    EXPECT_EQ(p.anzeige.Modus, 2);
    EXPECT_EQ(&p.s.Eingabe(), static_cast<Eingabemaschine *>(&p.s.Lerninteraktion()));
    EXPECT_EQ(p.s.Takt(1400).Neuzeichnen, false); // nothing left to tick
    EXPECT_TRUE(MenueZustandBerechnen(p.s.MenueEingabenErmitteln()).Eintrag("Oeffnen1").Aktiv);

    // a second run replaces the first only after leaving it
    int verlassen2 = 0;
    auto a = std::make_unique<Probelauf>();
    a->verlassen = &verlassen2;
    p.s.LaufStarten(std::move(a));
    p.s.LaufStarten(std::make_unique<Probelauf>());
    EXPECT_EQ(verlassen2, 1);
    // no run: nothing changes
    p.s.LaufStarten(nullptr);
    EXPECT_NE(p.s.Lauf(), nullptr);
}

TEST(Sitzung, UebungsschutzJeModusUndStand)
{
    struct Fall { int modus; bool beendet; Antwort antwort; bool erlaubt; const char *frage; };
    const char *uebung = "Die aktuelle Übung ist noch nicht beendet.\r\nÜbung wirklich abbrechen?";
    const char *puzzle = "Das aktuelle Schiebepuzzle ist noch nicht gelöst.\r\nÜbung wirklich abbrechen?";
    const Fall faelle[] = {
        {modusLernansicht, false, Antwort::Nein, true, nullptr},
        {modusUebung, false, Antwort::Nein, false, uebung},
        {modusUebung, false, Antwort::Ja, true, uebung},
        {modusUebung, true, Antwort::Nein, true, nullptr},
        {modusSchiebepuzzle, false, Antwort::Nein, false, puzzle},
        {modusSchiebepuzzle, true, Antwort::Nein, true, nullptr}, // solved: its question would be untrue
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.modus * 10 + f.beendet);
        Probe p;
        if (f.modus != modusLernansicht) {
            auto lauf = std::make_unique<Probelauf>();
            lauf->modus = f.modus;
            lauf->beendet = f.beendet;
            p.s.LaufStarten(std::move(lauf));
        }
        p.meldungen.AntwortVormerken(f.antwort);
        EXPECT_EQ(p.s.UebungAbbrechenErlaubt(), f.erlaubt);
        EXPECT_EQ(p.meldungen.Texte(), f.frage ? QStringList{QString::fromUtf8(f.frage)} : QStringList{});
        // a refused guard keeps the run
        EXPECT_EQ(p.s.Modus(), f.modus);
    }
}

// The sliding puzzle runs in the session's run slot: mode 4, its engine
// takes the input, menus and panels follow, the solving move ends it and the
// document is as before.
TEST(Sitzung, SchiebepuzzleAlsLauf)
{
    Probe p;
    ASSERT_TRUE(p.s.DokumentOeffnen(beispiel("Blütenpflanze.kal")));
    p.s.Neuaufbau();
    const size_t objekte = p.s.Dok().Objekte.size();
    std::vector<int> deckung;
    for (const ObjDataTyp &o : p.s.Dok().Objekte)
        deckung.push_back(o.Abgedeckt);

    test::SkriptZufall zufall(test::ZweiVorDemZiel(4));
    std::unique_ptr<Puzzlelauf> lauf =
        Puzzlelauf::Bauen(p.s.Ansicht().PageBitmap, 4, true, {800, 600}, zufall, 0);
    ASSERT_NE(lauf, nullptr);
    Puzzlelauf *roh = lauf.get();
    EXPECT_EQ(roh->Brett().QuellBild.size(), p.s.Ansicht().PageBitmap.size());
    p.s.LaufStarten(std::move(lauf));
    EXPECT_EQ(p.s.Modus(), modusSchiebepuzzle);
    EXPECT_EQ(p.anzeige.Modus, 1);
    EXPECT_EQ(&p.s.Eingabe(), &roh->Eingabe());
    MenueZustand z = MenueZustandBerechnen(p.s.MenueEingabenErmitteln());
    EXPECT_FALSE(z.Eintrag("Oeffnen1").Aktiv);
    EXPECT_FALSE(z.Eintrag("ArbeitsblattErstellen1").Aktiv);
    EXPECT_FALSE(z.LernbildSichtbar);
    EXPECT_TRUE(z.UebungPanSichtbar);
    EXPECT_TRUE(z.PuzzleStatusSichtbar);
    EXPECT_TRUE(z.IndividualGedrueckt);
    EXPECT_EQ(z.LernansichtKnopfText, "Übung abbrechen");

    // the guard asks while the puzzle is unsolved
    p.meldungen.AntwortVormerken(Antwort::Nein);
    EXPECT_FALSE(p.s.UebungAbbrechenErlaubt());
    EXPECT_EQ(p.s.Modus(), modusSchiebepuzzle);

    // the clock and the keys reach the puzzle; the second move solves it
    EXPECT_TRUE(p.s.Takt(2000).Neuzeichnen);
    EXPECT_TRUE(p.s.Eingabe().Taste(Qt::Key_Left, Qt::NoModifier, {}).Neuzeichnen);
    EXPECT_TRUE(p.s.Eingabe().Taste(Qt::Key_Left, Qt::NoModifier, {}).LaufEnde);
    EXPECT_TRUE(p.s.UebungAbbrechenErlaubt()); // solved: nothing to lose
    p.s.LernansichtAktivieren();
    EXPECT_EQ(p.s.Modus(), modusLernansicht);
    EXPECT_EQ(p.s.Lauf(), nullptr);
    z = MenueZustandBerechnen(p.s.MenueEingabenErmitteln());
    EXPECT_TRUE(z.LernbildSichtbar);
    EXPECT_FALSE(z.UebungPanSichtbar);
    EXPECT_FALSE(z.StartInfoSichtbar);
    ASSERT_EQ(p.s.Dok().Objekte.size(), objekte);
    for (size_t i = 0; i < objekte; ++i)
        EXPECT_EQ(p.s.Dok().Objekte[i].Abgedeckt, deckung[i]) << i;
}

TEST(Sitzung, OeffnenAufdeckenZeichnenSchliessen)
{
    Probe p;
    // the start picture stands while no document is open
    EXPECT_FALSE(p.s.Dok().Basisbild.isNull());
    p.dialoge.Antworten.push_back(beispiel("Blütenpflanze.kal"));
    ASSERT_TRUE(p.s.Oeffnen());
    EXPECT_EQ(p.dialoge.LetzterTitel, "Dokument öffnen");
    EXPECT_EQ(p.anzeige.Gelesen, 1);
    EXPECT_TRUE(p.s.Dok().Kopf.Dateiname.endsWith("Blütenpflanze.kal"));
    p.s.Neuaufbau();
    ASSERT_EQ(p.s.Dok().Objekte[0].Typ, objAbfrageBeschriftung);
    const int vorher = p.Deckblau();
    EXPECT_GT(vorher, 500);

    // uncovering through the engine the picture area forwards to
    const QPoint karte = p.Karte(0);
    p.s.Eingabe().MausDruck(karte, Maustaste::Links);
    EXPECT_EQ(p.s.Dok().Objekte[0].Abgedeckt, abgAufgedeckt);
    EXPECT_LT(p.Deckblau(), vorher);
    EXPECT_EQ(p.s.Eingabe().ZeigerFuer(karte), Zeigerform::Handpunkt);

    // a pen stroke across an empty part of the page
    ASSERT_TRUE(p.s.Lerninteraktion().WerkzeugSetzen(wzStift));
    Eingabemaschine &e = p.s.Eingabe();
    const int y = p.s.Ansicht().ViewBitmap.height() - 12;
    e.MausDruck({20, y}, Maustaste::Links);
    for (int x = 30; x <= 120; x += 10)
        e.MausBewegung({x, y}, true, false);
    e.MausLos({120, y}, Maustaste::Links);
    EXPECT_TRUE(p.s.Ansicht().AnsichtGezeichnet);
    const QColor strich = p.s.Ansicht().ViewBitmap.pixelColor(70, y);
    EXPECT_GT(strich.red(), 200);
    EXPECT_LT(strich.green(), 60);

    // a changed document is not closed when the save question is cancelled
    p.s.Dok().Kopf.Geaendert = true;
    p.meldungen.AntwortVormerken(Antwort::Abbrechen);
    EXPECT_FALSE(p.s.Schliessen());
    EXPECT_FALSE(p.s.Dok().Objekte.empty());
    p.s.Dok().Kopf.Geaendert = false;
    ASSERT_TRUE(p.s.Schliessen());
    EXPECT_EQ(p.anzeige.Geschlossen, 1);
    EXPECT_TRUE(p.s.Dok().Objekte.empty());
    EXPECT_TRUE(p.s.Dok().Kopf.Dateiname.isEmpty());
    EXPECT_TRUE(p.s.Dok().ZuvorAngezeigtesDokument.endsWith("Blütenpflanze.kal"));
    // the view of an empty document rebuilds without a field
    p.s.Neuaufbau();
    EXPECT_EQ(p.Deckblau(), 0);
}

TEST(Sitzung, SchliessfolgeUndEinstellungenEinmal)
{
    Probe p;
    EinstellungsspeicherImSpeicher speicher;
    p.s.EinstellungsspeicherSetzen(&speicher);
    p.s.ZentraleKonfigurationSetzen({});
    // without loaded settings nothing is written
    p.s.EinstellungenSpeichern();
    EXPECT_EQ(speicher.Gesichert(), 0);
    p.s.EinstellungenLaden();

    // an unfinished exercise refused: nothing more is asked
    p.s.LaufStarten(std::make_unique<Probelauf>());
    p.meldungen.AntwortVormerken(Antwort::Nein);
    EXPECT_FALSE(p.s.SchliessenErlaubt(false));
    EXPECT_EQ(p.meldungen.Texte().size(), 1);
    // agreed: the end dialog comes, "Nein, weiter arbeiten" keeps the program
    p.meldungen.Leeren();
    p.meldungen.AntwortVormerken(Antwort::Ja);
    p.meldungen.AntwortVormerken(Antwort::Nein);
    EXPECT_FALSE(p.s.SchliessenErlaubt(false));
    EXPECT_EQ(p.meldungen.Texte().last(), "Programm beenden?");
    // a preview run ends without the end dialog
    p.s.LernansichtAktivieren();
    p.meldungen.Leeren();
    EXPECT_TRUE(p.s.SchliessenErlaubt(true));
    EXPECT_TRUE(p.meldungen.Texte().isEmpty());

    p.s.Einstellungen().Sound = false;
    p.s.EinstellungenSpeichern();
    p.s.EinstellungenSpeichern();
    EXPECT_EQ(speicher.Gesichert(), 1);
    EXPECT_FALSE(speicher.Bool("opt-sound", true));
}

TEST(Sitzung, KommandozeileMitOrdnerOderFehlendemDokument)
{
    Probe p;
    p.s.KommandozeileAusfuehren(KommandozeileAuswerten({QStringLiteral(KALUMO_BEISPIELE_ORDNER)}));
    EXPECT_EQ(QDir(p.s.Startordner()), QDir(QStringLiteral(KALUMO_BEISPIELE_ORDNER)));
    EXPECT_EQ(QDir(p.s.Dok().Bibliotheksordner), QDir(QStringLiteral(KALUMO_BEISPIELE_ORDNER)));
    EXPECT_TRUE(p.s.Dok().Kopf.Dateiname.isEmpty());

    Probe q;
    q.s.KommandozeileAusfuehren(KommandozeileAuswerten({beispiel("gibt es nicht.kal")}));
    EXPECT_TRUE(q.s.Startdokument().isEmpty());
    ASSERT_EQ(q.meldungen.Texte().size(), 1);
    EXPECT_TRUE(q.meldungen.Texte()[0].endsWith("existiert nicht."));

    Probe r;
    r.s.KommandozeileAusfuehren(KommandozeileAuswerten({beispiel("Lückentext Rhein.kal")}));
    EXPECT_TRUE(r.s.Startdokument().endsWith("Lückentext Rhein.kal"));
    // the cloze text was laid out: its gaps exist
    EXPECT_TRUE(std::any_of(r.s.Dok().Objekte.begin(), r.s.Dok().Objekte.end(),
                            [](const ObjDataTyp &o) { return o.Typ == objAbfrageLuecke; }));
}

namespace {

// A session with an exercise document, the dialogs before the run switched off.
struct Uebungsprobe : Probe
{
    Handuhr uhr{1000};
    explicit Uebungsprobe(const char *dokument)
    {
        s.UhrSetzen(&uhr);
        EXPECT_TRUE(s.DokumentOeffnen(beispiel(dokument)));
        s.Einstellungen().UebOptZeigen = false;
        s.Einstellungen().UebNameEingabe = false;
    }
    // Drags the card of object k onto object ziel through the session's engine.
    Eingabereaktion ablegen(int k, int ziel)
    {
        const Uebung &u = s.Uebungsobjekt();
        const UebElement *karte = nullptr;
        for (const UebElement &e : u.Elemente())
            if (e.Sichtbar && e.Art == ElementArt::Karte && e.Objekt == k)
                karte = &e;
        EXPECT_NE(karte, nullptr);
        if (!karte)
            return {};
        const QPoint griff = Griffpunkt(u, *karte);
        const QPoint mitte = *u.Zielmitte(ziel);
        const QPoint los = QPoint(mitte.x(), mitte.y() - karte->Rechteck.height() / 2) + (griff - karte->Rechteck.topLeft());
        s.Eingabe().MausDruck(griff, Maustaste::Links);
        s.Eingabe().MausBewegung(los, true, false);
        return s.Eingabe().MausLos(los, Maustaste::Links);
    }
};

} // namespace

TEST(Sitzung, UebungAlsLaufBisZumEnde)
{
    Uebungsprobe p("Blütenpflanze.kal");
    const int wechsel = p.anzeige.Modus;
    ASSERT_TRUE(p.s.IndividualUebung());
    ASSERT_EQ(p.s.Modus(), modusUebung);
    EXPECT_EQ(p.anzeige.Modus, wechsel + 1);
    Uebungslauf *lauf = p.s.AktuelleUebung();
    ASSERT_NE(lauf, nullptr);
    EXPECT_EQ(&p.s.Eingabe(), &lauf->Eingabe());
    EXPECT_FALSE(p.s.UebungAbbrechenErlaubt()); // the guard asks, "Nein" is the scripted answer
    // every card onto its own target; the last answer ends the run
    Eingabereaktion r;
    for (const AbfrageEintrag &e : std::vector<AbfrageEintrag>(p.s.Uebungsobjekt().AbfrageListe())) {
        r = p.ablegen(e.Karte, e.Karte);
        if (r.LaufEnde)
            break;
        EXPECT_TRUE(r.Neuzeichnen);
    }
    EXPECT_TRUE(r.LaufEnde);
    const UebDataTyp &d = p.s.Uebungsobjekt().Daten();
    EXPECT_EQ(d.EndeGrund, endeFertig);
    EXPECT_EQ(d.Richtig, d.AnzAbfragen);
    EXPECT_EQ(d.Falsch, 0);
    EXPECT_TRUE(p.meldungen.Texte().contains("Die Übung ist beendet."));
    // finished: nothing to lose; the window leaves the run
    EXPECT_TRUE(p.s.UebungAbbrechenErlaubt());
    p.s.LernansichtAktivieren();
    EXPECT_EQ(p.s.Modus(), modusLernansicht);
    EXPECT_EQ(p.s.Lauf(), nullptr);
    for (const ObjDataTyp &o : p.s.Dok().Objekte)
        EXPECT_TRUE(o.Abgedeckt == abgAbgedeckt || o.Abgedeckt == abgAufgedeckt) << o.Abgedeckt;
}

TEST(Sitzung, UebungAbbrechenZeitlimitUndAbweisungen)
{
    Uebungsprobe p("Blütenpflanze.kal");
    // abort: the run is left and the objects lose their run states
    ASSERT_TRUE(p.s.IndividualUebung());
    EXPECT_EQ(p.s.Dok().Objekte[0].Abgedeckt, abgAusstehend);
    p.meldungen.AntwortVormerken(Antwort::Ja);
    ASSERT_TRUE(p.s.UebungAbbrechenErlaubt());
    p.s.LernansichtAktivieren();
    EXPECT_FALSE(p.s.Uebungsobjekt().Laeuft());
    for (const ObjDataTyp &o : p.s.Dok().Objekte)
        EXPECT_TRUE(o.Abgedeckt == abgAbgedeckt || o.Abgedeckt == abgAufgedeckt) << o.Abgedeckt;

    // a time limit of 00:00 ends the run at the first tick of the clock
    p.s.Einstellungen().UebOpt.Zeitlimit = zlMitLimit;
    p.s.Einstellungen().UebOpt.ZLimitMin = QStringLiteral("0");
    p.s.Einstellungen().UebOpt.ZLimitSek = QStringLiteral("0");
    p.meldungen.Leeren();
    ASSERT_TRUE(p.s.IndividualUebung());
    p.uhr.Vorstellen(100);
    EXPECT_TRUE(p.s.Takt(p.s.Millisekunden()).LaufEnde);
    EXPECT_EQ(p.s.Uebungsobjekt().Daten().EndeGrund, endeZeitlimit);
    EXPECT_EQ(p.meldungen.Texte(), (QStringList{"Das Zeitlimit ist erreicht, die Übung wird beendet.",
                                                "Die Übung ist beendet."}));
    p.s.LernansichtAktivieren();

    // refusals: while the puzzle runs, on the teacher computer, and settings
    // the document keeps for itself
    p.meldungen.Leeren();
    auto puzzle = std::make_unique<Probelauf>();
    puzzle->modus = modusSchiebepuzzle;
    p.s.LaufStarten(std::move(puzzle));
    EXPECT_FALSE(p.s.IndividualUebung());
    EXPECT_FALSE(p.s.Uebungseinstellungen());
    p.s.LernansichtAktivieren();
    p.s.UebArtSetzen(uebNetzInitiiert);
    EXPECT_FALSE(p.s.IndividualUebung());
    EXPECT_EQ(p.s.Modus(), modusLernansicht);
    p.s.UebArtSetzen(uebIndividual);
    p.s.Dok().Kopf.UebEinstSpeichern = kUebEinstGesperrt;
    EXPECT_FALSE(p.s.Uebungseinstellungen());
    EXPECT_EQ(p.meldungen.Texte(),
              (QStringList{"Die aktuelle Übung ist noch nicht beendet.\r\nWählen Sie \"Übung abbrechen\", um die "
                           "aktuelle Übung vorzeitig abzubrechen.",
                           "Die Übungseinstellungen können nicht während der Übung geändert werden.",
                           "Auf diesem Rechner wurde eine Netzwerk-Übung initiiert, die zuerst beendet werden muss. "
                           "Daher kann im Moment keine eigene Übung gestartet werden."}));
}

namespace {

// The window's side of a series: the end dialog and the total protocol.
struct Serienprobe : Serienfenster
{
    int Beendet = 0;
    QString Gesamtleistung, Protokoll;
    std::vector<std::pair<int, int>> Status;
    void SerieBeendetZeigen(const UebungsserieDataTyp &serie, const SerienBewertung &) override
    {
        ++Beendet;
        Gesamtleistung = LeistungProzentText(serie.Gesamtleistung);
    }
    void ProtokollSetzen(const QString &p) override { Protokoll = p; }
    void SerieStatusZeigen(int position, int anzahl) override { Status.emplace_back(position, anzahl); }
};

// Answers every query of the running partial exercise right.
Eingabereaktion AllesRichtig(Uebungsprobe &p)
{
    Eingabereaktion r;
    for (const AbfrageEintrag &e : std::vector<AbfrageEintrag>(p.s.Uebungsobjekt().AbfrageListe())) {
        r = p.ablegen(e.Karte, e.Karte);
        if (r.LaufEnde || p.s.Uebungsobjekt().Daten().EndeGrund != endeLaeuft)
            break;
    }
    return r;
}

} // namespace

TEST(Sitzung, SerieAusPaketVonDerKommandozeileBisZumGesamtprotokoll)
{
    // three documents of weights 1, 1, 2; the third has one minute and gets no answer
    Uebungsprobe p("Blütenpflanze.kal");
    const QString paket = p.ordner.filePath("arbeit.kausp");
    ASSERT_TRUE(test::BeispielpaketSchreiben(paket, QStringLiteral("Klassenarbeit"),
                                             {{"Blütenpflanze.kal", 1}, {"Tabelle Formen.kal", 1}, {"Blütenpflanze.kal", 2, 1}}));
    Serienprobe fenster;
    p.s.Serien().FensterSetzen(&fenster);

    p.meldungen.AntwortVormerken(Antwort::Ja);   // "Die Übungs-Serie wird jetzt gestartet. Fortfahren?"
    p.s.KommandozeileAusfuehren(KommandozeileAuswerten({paket}));
    ASSERT_TRUE(p.s.Serien().Laeuft()) << p.meldungen.Texte().join('|').toStdString();
    ASSERT_EQ(p.s.Modus(), modusUebung);
    EXPECT_EQ(p.s.UebArt(), uebSerie);
    // a document from a package has no file name: "Speichern" cannot overwrite the package
    EXPECT_TRUE(p.s.Dok().Kopf.Dateiname.isEmpty());

    AllesRichtig(p);
    EXPECT_TRUE(p.meldungen.Texte().contains(
        "Teilübung Nr. 1 von 3 ist beendet.\r\nMit Klick auf OK startet die nächste Teilübung."));
    ASSERT_EQ(p.s.Modus(), modusUebung);
    EXPECT_EQ(p.s.Dok().Kopf.titel, "Geometrische Formen");   // the second document is in
    AllesRichtig(p);
    ASSERT_EQ(p.s.Uebungsobjekt().Daten().ZLimit, 60);
    // the third runs out of time
    p.uhr.Setzen(p.uhr.Millisekunden() + 61'000);
    const Eingabereaktion r = p.s.Takt(p.uhr.Millisekunden());
    EXPECT_TRUE(r.LaufEnde);
    EXPECT_TRUE(p.meldungen.Texte().contains("Teilübung Nr. 3 von 3 ist beendet."));
    EXPECT_EQ(fenster.Beendet, 1);
    EXPECT_EQ(fenster.Gesamtleistung, "50.0 %");
    EXPECT_EQ(fenster.Status, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}, {2, 3}}));
    EXPECT_TRUE(fenster.Protokoll.startsWith("<tit>Gesamtprotokoll der Übungsserie\r\n\r\n<tit>Klassenarbeit\r\n"));
    for (int nr = 1; nr <= 3; ++nr)
        EXPECT_TRUE(fenster.Protokoll.contains(QStringLiteral("<tit>Übungsprotokoll zu Teilübung Nr. %1\r\n").arg(nr)));
    EXPECT_TRUE(fenster.Protokoll.contains("Gewichtung:\t2\r\n"));
    EXPECT_FALSE(p.s.Serien().Laeuft());
    // the window leaves the run; the package's document is closed
    p.s.LernansichtAktivieren();
    EXPECT_EQ(p.s.Modus(), modusLernansicht);
    EXPECT_EQ(p.s.UebArt(), uebIndividual);
    EXPECT_FALSE(p.s.DokumentOffen());
}

TEST(Sitzung, SerieWirdMitDemAbbruchEinerTeiluebungAufgegeben)
{
    Uebungsprobe p("Blütenpflanze.kal");
    Serienprobe fenster;
    p.s.Serien().FensterSetzen(&fenster);
    UebungsserieDataTyp &serie = p.s.Serien().Serie();
    for (int i = 0; i < 2; ++i) {
        UebungsserieDokTyp e;
        e.Datei = beispiel("Blütenpflanze.kal");
        e.Titel = QStringLiteral("Blüte");
        e.Zeit = 2;
        serie.Dokumente.push_back(e);
    }
    ASSERT_TRUE(p.s.Serien().AusListeStarten(uebmodusEinVersuch));
    // the entry's time reaches the run
    EXPECT_EQ(p.s.Uebungsobjekt().Daten().Zeitlimit, zlMitLimit);
    EXPECT_EQ(p.s.Uebungsobjekt().Daten().ZLimit, 120);
    EXPECT_EQ(p.s.UebArt(), uebSerie);
    // "Übung abbrechen": the guard asks, the run is left, the series abandoned
    p.meldungen.AntwortVormerken(Antwort::Ja);
    ASSERT_TRUE(p.s.UebungAbbrechenErlaubt());
    p.s.LernansichtAktivieren();
    EXPECT_FALSE(p.s.Serien().Laeuft());
    EXPECT_EQ(fenster.Beendet, 0);
    EXPECT_EQ(p.s.Modus(), modusLernansicht);
    // an individual run afterwards is an individual run
    ASSERT_TRUE(p.s.IndividualUebung());
    EXPECT_EQ(p.s.UebArt(), uebIndividual);
}

// The total protocol of a series becomes the last protocol; taking the same
// one again keeps the comments added to it.
TEST(Uebungsende, SerienprotokollWirdLetztesProtokoll)
{
    Uebungsende ende;
    int neu = 0;
    ende.NeuesProtokoll = [&] { ++neu; };
    EXPECT_FALSE(ende.LetztesProtokoll().Vorhanden());
    const QString serie = "<tit>Übungsserie\r\nGesamtleistung:\t80.0 %\r\n";
    ende.SerienprotokollUebernehmen(serie);
    EXPECT_TRUE(ende.LetztesProtokoll().Serie);
    EXPECT_EQ(ende.LetztesProtokoll().Text, serie);
    EXPECT_EQ(ProtokollEMailText(ende.LetztesProtokoll()), "Anbei Kalumo-Übungsprotokoll zur Übungsserie\r\n");
    EXPECT_TRUE(KommentarAnhaengen(ende.LetztesProtokoll().Text, "Gut."));
    ende.SerienprotokollUebernehmen(serie);
    EXPECT_TRUE(ende.LetztesProtokoll().Text.endsWith("<tit>Kommentar\r\nGut."));
    EXPECT_EQ(neu, 1);
    ende.SerienprotokollUebernehmen("<tit>Übungsserie\r\nGesamtleistung:\t40.0 %\r\n");
    EXPECT_FALSE(ende.LetztesProtokoll().Text.contains("Kommentar"));
    EXPECT_EQ(neu, 2);
}
