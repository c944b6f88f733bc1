// The life of a run: refusals, the abort guard, the clock and the time
// limit, the repetition loop, pauses of the window, start and end state.

#include "Uebungstesthilfen.h"

#include <gtest/gtest.h>

using namespace kalumo;
using namespace kalumo::test;

namespace {

// A window that holds every pause until told and records glides.
class Fenster : public UebungsOberflaeche
{
public:
    bool Pausieren(int ms) override
    {
        Pausen.push_back(ms);
        return Halten;
    }
    bool Gleiten(int, const std::vector<QPoint> &bahn) override
    {
        Bahnen.push_back(bahn);
        return Halten;
    }
    void ZeitgeberSetzen(bool an) override { Zeitgeber = an; }
    void UebungsmodusBetreten() override { ++Betreten; }
    void LernansichtAktivieren() override { ++Verlassen; }
    bool Halten = true;
    bool Zeitgeber = false;
    int Betreten = 0, Verlassen = 0;
    std::vector<int> Pausen;
    std::vector<std::vector<QPoint>> Bahnen;
};

class Wiederholer : public Ergebnishaken
{
public:
    ErgebnisWahl Zeigen(const Uebung &, bool moeglich) override
    {
        Moeglich.push_back(moeglich);
        if (Wahlen.empty())
            return {};
        const ErgebnisWahl w = Wahlen.front();
        Wahlen.erase(Wahlen.begin());
        return w;
    }
    std::vector<ErgebnisWahl> Wahlen;
    std::vector<bool> Moeglich;
};


} // namespace

TEST(UebungLauf, AbweisungenLassenAllesWieEsWar)
{
    // no query objects
    Dokument leer = Etikettenseite({});
    ObjektHinzufuegen(leer, objFixeBeschriftung, 1, "fest", 0, 1, 0.5, 0.5, -1);
    Testlauf t(std::move(leer));
    EXPECT_FALSE(t.Starten(Einst()));
    EXPECT_EQ(t.meldungen.Texte(), QStringList{"Dieses Dokument enthält keine Abfrageobjekte."});
    EXPECT_FALSE(t.u->Laeuft());
    EXPECT_EQ(t.dok.Objekte.size(), 1u);

    // find words in text input: the check button it would add is taken back
    Testlauf editor(Etikettenseite({{"a", 0.5, 0.5}}));
    editor.dok.ObjekteditorOffen = true;
    EXPECT_FALSE(editor.Starten(Einst()));
    EXPECT_EQ(editor.meldungen.Texte(), QStringList{"Bitte zuerst den Beschriftungseditor schließen."});

    Testlauf netz(Etikettenseite({{"a", 0.5, 0.5}}));
    netz.u->Daten().UebArt = uebNetzTeilnahme;
    EXPECT_FALSE(netz.Starten(Einst()));
    netz.u->Daten().UebArt = uebNetzInitiiert;
    EXPECT_FALSE(netz.Starten(Einst()));
    EXPECT_EQ(netz.meldungen.Texte(),
              (QStringList{"Die aktuelle Netzwerk-Übung muss zunächst beendet werden, um eine eigene Übung starten "
                           "zu können.",
                           "Auf diesem Rechner wurde eine Netzwerk-Übung initiiert, die zuerst beendet werden muss. "
                           "Daher kann im Moment keine eigene Übung gestartet werden."}));
    EXPECT_EQ(netz.Zustand(0), abgAbgedeckt);

    // a text-input start with nothing to type: no check button is left behind
    Dokument bilder = Etikettenseite({});
    const int b = ObjektHinzufuegen(bilder, objAbfrageBild, 1, "", 0, 1, 0.5, 0.5, -1);
    bilder.Objekte[size_t(b)].Bild = QImage(20, 20, QImage::Format_RGBA8888);
    Testlauf eingabe(std::move(bilder));
    EXPECT_FALSE(eingabe.Starten(Einst(abfTexteingabe)));
    EXPECT_EQ(eingabe.dok.Objekte.size(), 1u);
    EXPECT_EQ(eingabe.Zustand(0), abgAbgedeckt);
}

TEST(UebungLauf, AbbruchfrageUndAbbruch)
{
    Testlauf t(Beispiel(QStringLiteral("Blütenpflanze.kal")));
    ASSERT_TRUE(t.Starten(Einst()));
    EXPECT_TRUE(t.u->IndividualUebung() == false);
    t.meldungen.Leeren();
    t.meldungen.AntwortVormerken(Antwort::Nein);
    EXPECT_FALSE(t.u->UebungAbbrechen());
    EXPECT_TRUE(t.u->Laeuft());
    EXPECT_EQ(t.meldungen.Texte(), QStringList{"Die aktuelle Übung ist noch nicht beendet.\r\nÜbung wirklich abbrechen?"});
    EXPECT_FALSE(t.u->EinstellungenErlaubt());
    t.meldungen.AntwortVormerken(Antwort::Ja);
    EXPECT_TRUE(t.u->UebungAbbrechen());
    EXPECT_FALSE(t.u->Laeuft());
    EXPECT_FALSE(t.ansicht->UebungLaeuft);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(t.Zustand(i), abgAufgedeckt);
    EXPECT_TRUE(t.u->Elemente().empty());
    // a finished or left run asks nothing
    EXPECT_TRUE(t.u->UebungAbbrechenErlaubt());
}

TEST(UebungLauf, UhrMitUndOhneZeitlimit)
{
    Testlauf t(Beispiel(QStringLiteral("Blütenpflanze.kal")));
    UebEinstTyp e = Einst();
    e.Zeitlimit = zlMitLimit;
    e.ZLimit = 180;
    ASSERT_TRUE(t.Starten(e));
    EXPECT_EQ(t.u->Status().UhrBeschriftung, "Verbleibende Zeit:");
    t.Warten(1000);
    EXPECT_EQ(t.u->Uhrtext(), "02:59");
    t.Warten(60500);
    EXPECT_EQ(t.u->Uhrtext(), "01:58");
    EXPECT_EQ(t.u->Daten().RestZeit, 118);

    Testlauf ohne(Beispiel(QStringLiteral("Blütenpflanze.kal")));
    ASSERT_TRUE(ohne.Starten(Einst()));
    ohne.Warten(3 * 3600 * 1000 + 7000);
    EXPECT_EQ(ohne.u->Uhrtext(), "180:07");   // minutes may pass 99
    EXPECT_EQ(ohne.u->Status().UhrBeschriftung, "Benötigte Zeit:");
    EXPECT_TRUE(ohne.u->Status().UhrSichtbar);

    Testlauf versteckt(Beispiel(QStringLiteral("Blütenpflanze.kal")));
    UebEinstTyp v = Einst();
    v.Zeitlimit = zlOhneOhneUhr;
    ASSERT_TRUE(versteckt.Starten(v));
    EXPECT_FALSE(versteckt.u->Status().UhrSichtbar);
}

TEST(UebungLauf, MillisekundenLaufenNichtUeber)
{
    // a counter past 2^32 (49.7 days of uptime) still measures the run
    Testlauf t(Beispiel(QStringLiteral("Blütenpflanze.kal")));
    t.uhr.Setzen(qint64(1) << 32);
    t.uhr.Vorstellen(-50);
    UebEinstTyp e = Einst();
    e.Zeitlimit = zlMitLimit;
    e.ZLimit = 10;
    ASSERT_TRUE(t.Starten(e));
    t.Warten(2000);
    EXPECT_EQ(t.u->Daten().RestZeit, 8);
    EXPECT_EQ(t.u->Daten().EndeGrund, endeLaeuft);
}

TEST(UebungLauf, ZeitlimitNullEndetBeimErstenTakt)
{
    Testlauf t(Beispiel(QStringLiteral("Blütenpflanze.kal")));
    UebEinstTyp e = Einst();
    e.Zeitlimit = zlMitLimit;
    e.ZLimit = 0;
    ASSERT_TRUE(t.Starten(e));
    EXPECT_TRUE(t.u->Laeuft());
    t.Warten(99);
    EXPECT_FALSE(t.ende.Erreicht);
    t.Warten(1);
    ASSERT_TRUE(t.ende.Erreicht);
    EXPECT_EQ(t.ende.Daten.EndeGrund, endeZeitlimit);
    EXPECT_EQ(t.ende.Daten.OffenePositionen, 5);
    EXPECT_EQ(t.meldungen.Texte(),
              (QStringList{"Das Zeitlimit ist erreicht, die Übung wird beendet.", "Die Übung ist beendet."}));
    EXPECT_EQ(t.protokoll.back().Art, ProtokollArt::Zeitlimit);
}

TEST(UebungLauf, ZeitlimitBewertetQuoteUndLeistung)
{
    // 3 right, 1 failed attempt, 6 open when the time is up
    Testlauf t(Etikettenseite(NeunEtiketten()));
    UebEinstTyp e = Einst();
    e.Zeitlimit = zlMitLimit;
    e.ZLimit = 5;
    ASSERT_TRUE(t.Starten(e));
    KarteAufZiel(*t.u, 0, 0);
    KarteAufZiel(*t.u, 1, 2);
    KarteAufZiel(*t.u, 1, 1);
    KarteAufZiel(*t.u, 2, 2);
    t.Warten(5000);
    ASSERT_TRUE(t.ende.Erreicht);
    EXPECT_EQ(t.ende.Daten.QuoteText, "75.0 %");
    EXPECT_EQ(t.ende.Daten.LeistungText, "30.0 %");
    EXPECT_EQ(t.ende.Daten.Note, 5);   // the scale the run started with: 1 to 6
    EXPECT_EQ(t.ende.Daten.OffenePositionen, 6);
    EXPECT_EQ(t.ende.Daten.RestZeit, 0);
}

TEST(UebungLauf, ZeitlimitInDerTexteingabeBewertetAlleFelder)
{
    Testlauf t(Beispiel(QStringLiteral("Lückentext Rhein.kal")));
    UebEinstTyp e = Einst(abfTexteingabe);
    e.Zeitlimit = zlMitLimit;
    e.ZLimit = 60;
    ASSERT_TRUE(t.Starten(e));
    const auto luecken = t.ObjekteVon(objAbfrageLuecke);
    Tippen(*t.u, luecken[0], "Flüsse");
    Tippen(*t.u, luecken[2], "Bodensee");
    t.Warten(60000);
    ASSERT_TRUE(t.ende.Erreicht);
    EXPECT_EQ(t.ende.Daten.EndeGrund, endeZeitlimit);
    EXPECT_EQ(t.ende.Daten.RichtigText, "2");
    EXPECT_EQ(t.ende.Daten.FalschText, "4");   // empty fields are failed attempts
    EXPECT_EQ(t.ende.Daten.OffenePositionen, 0);
}

TEST(UebungLauf, TeilwiederholungNummeriertNurDieFehlversuche)
{
    Testlauf t(Etikettenseite({{"eins", 0.2, 0.2}, {"zwei", 0.4, 0.3}, {"drei", 0.6, 0.4}, {"vier", 0.8, 0.5}}));
    Wiederholer w;
    w.Wahlen = {{true, wiedFehler}};
    t.u->Dienste.Ergebnis = &w;
    ASSERT_TRUE(t.Starten(Einst(abfFrei, 0, 0, 1, 0)));
    KarteAufZiel(*t.u, 1, 3);   // fails at position "vier" with card "zwei"
    for (int i = 0; i < 4; ++i)
        KarteAufZiel(*t.u, i, i);
    ASSERT_TRUE(t.ende.Erreicht);
    ASSERT_EQ(w.Moeglich, std::vector<bool>{true});
    // the repetition runs: cards and targets with failed attempts only
    ASSERT_TRUE(t.u->Laeuft());
    EXPECT_EQ(t.u->Daten().AnzAbfragen, 2);
    EXPECT_EQ(t.u->Daten().GesamtAbfragen, 4);
    EXPECT_EQ(t.Zustand(0), abgAufgedeckt);
    EXPECT_EQ(t.Zustand(1), abgAusstehend);
    EXPECT_EQ(t.Zustand(3), abgAusstehend);
    EXPECT_EQ(t.dok.Objekte[1].AnzeigeNummer, 1);
    EXPECT_EQ(t.dok.Objekte[3].AnzeigeNummer, 2);
    EXPECT_EQ(t.Sichtbare(ElementArt::Karte), 2);
    // no failed attempt this time: the choice is disabled, a complete run follows
    w.Wahlen = {{true, wiedFehler}};
    t.ende = {};
    KarteAufZiel(*t.u, 1, 1);
    KarteAufZiel(*t.u, 3, 3);
    ASSERT_TRUE(t.ende.Erreicht);
    EXPECT_EQ(t.ende.Daten.AnzAbfragen, 2);
    EXPECT_EQ(w.Moeglich, (std::vector<bool>{true, false}));
    ASSERT_TRUE(t.u->Laeuft());
    EXPECT_EQ(t.u->Daten().AnzAbfragen, 4);
    // "Zur Lernansicht"
    for (int i = 0; i < 4; ++i)
        KarteAufZiel(*t.u, i, i);
    EXPECT_FALSE(t.u->Laeuft());
}

TEST(UebungLauf, GleicheTexteUndGleicheBildkennungenSindAustauschbar)
{
    Dokument dok = Etikettenseite({{"Baum", 0.2, 0.2}, {" Baum\r\n", 0.5, 0.5}, {"Haus", 0.8, 0.8}});
    for (const double x : {0.3, 0.6, 0.9}) {
        const int i = ObjektHinzufuegen(dok, objAbfrageBild, 1, "", 0, 1, x, 0.1, -1);
        dok.Objekte[size_t(i)].Bild = QImage(40, 30, QImage::Format_RGBA8888);
        dok.Objekte[size_t(i)].Bild.fill(Qt::red);
        dok.Objekte[size_t(i)].BildKenn = x < 0.5 ? "Apfel" : x < 0.8 ? "Apfel" : "";
    }
    Testlauf t(std::move(dok));
    ASSERT_TRUE(t.Starten(Einst()));
    // a card of either "Baum" fits both targets
    EXPECT_EQ(KarteAufZiel(*t.u, 0, 1).Urteil.Richtig, std::optional<bool>(true));
    EXPECT_EQ(KarteAufZiel(*t.u, 1, 0).Urteil.Richtig, std::optional<bool>(true));
    // equal BildKenn: interchangeable; without: unique
    EXPECT_EQ(KarteAufZiel(*t.u, 3, 4).Urteil.Richtig, std::optional<bool>(true));
    EXPECT_EQ(KarteAufZiel(*t.u, 5, 3).Urteil.Richtig, std::optional<bool>(false));
    EXPECT_EQ(KarteAufZiel(*t.u, 4, 3).Urteil.Richtig, std::optional<bool>(true));
}

TEST(UebungLauf, PausenVerschluckenEingabenUndVerzoegernDasZeitlimit)
{
    Testlauf t(Beispiel(QStringLiteral("Blütenpflanze.kal")));
    Fenster f;
    t.u->Dienste.Oberflaeche = &f;
    UebEinstTyp e = Einst(abfFrei, 1);
    e.Zeitlimit = zlMitLimit;
    e.ZLimit = 1;
    ASSERT_TRUE(t.Starten(e));
    EXPECT_TRUE(f.Zeitgeber);
    EXPECT_EQ(f.Betreten, 1);
    KarteAufZiel(*t.u, 0, 0);
    // the right answer waits for its pause: the target is still open
    EXPECT_EQ(f.Pausen, std::vector<int>{750});
    EXPECT_TRUE(t.u->Pausiert());
    EXPECT_EQ(t.Zustand(0), abgAusstehend);
    EXPECT_EQ(t.u->Rueckmeldung().Text, "Richtig!");
    EXPECT_EQ(t.Sichtbar(ElementArt::Karte, 0)->Flaeche, elementfarbe::Richtig);
    // input during the pause is dropped, not kept for later
    const Aktionsergebnis verschluckt = KarteAufZiel(*t.u, 1, 1);
    EXPECT_TRUE(verschluckt.Ignoriert);
    EXPECT_FALSE(t.u->Taste(0x01000001));
    // the time runs out during the pause: the clock moves, the run goes on
    t.Warten(1500);
    EXPECT_EQ(t.u->Uhrtext(), "00:00");
    EXPECT_TRUE(t.u->Laeuft());
    EXPECT_EQ(t.u->Daten().EndeGrund, endeLaeuft);
    t.u->PauseBeendet();
    EXPECT_FALSE(t.u->Pausiert());
    EXPECT_EQ(t.Zustand(0), abgGeloest);
    EXPECT_EQ(t.u->Rueckmeldung().Text, "");
    EXPECT_EQ(t.Zustand(1), abgAusstehend);   // the dropped input did nothing
    // the first tick after the pause checks the limit, once
    t.Warten(100);
    ASSERT_TRUE(t.ende.Erreicht);
    EXPECT_EQ(t.ende.Daten.EndeGrund, endeZeitlimit);
    EXPECT_EQ(t.meldungen.Texte().count("Das Zeitlimit ist erreicht, die Übung wird beendet."), 1);
    EXPECT_FALSE(f.Zeitgeber);
    EXPECT_EQ(f.Verlassen, 1);
}

TEST(UebungLauf, KarteGleitetZurueckOderSpringtBeiKurzemWeg)
{
    Testlauf t(Beispiel(QStringLiteral("Blütenpflanze.kal")));
    Fenster f;
    f.Halten = false;
    t.u->Dienste.Oberflaeche = &f;
    ASSERT_TRUE(t.Starten(Einst()));
    const QRect vorher = t.Sichtbar(ElementArt::Karte, 0)->Rechteck;
    KarteAufZiel(*t.u, 0, 1);
    ASSERT_EQ(f.Bahnen.size(), 1u);
    const auto &bahn = f.Bahnen[0];
    EXPECT_EQ(bahn.back(), vorher.topLeft());
    const QPoint weg = bahn.front() - vorher.topLeft();
    EXPECT_NEAR(double(bahn.size()), std::round(std::hypot(weg.x(), weg.y()) / 2) + 1, 1.0);
    EXPECT_EQ(t.Sichtbar(ElementArt::Karte, 0)->Rechteck, vorher);
    EXPECT_EQ(f.Pausen, (std::vector<int>{100}));

    // a card that goes back one pixel does not glide, it is put back
    Dokument nah = Etikettenseite({{"a", 0.3, 0.5}, {"b", 0.6, 0.5}});
    Testlauf n(std::move(nah));
    n.u->Dienste.Oberflaeche = &f;
    f.Bahnen.clear();
    f.Pausen.clear();
    ASSERT_TRUE(n.Starten(Einst()));
    // released with the right button over target "a": nothing is judged, the card stays
    const Aktionsergebnis rechts = KarteAufZiel(*n.u, 1, 0, Maustaste::Rechts);
    EXPECT_FALSE(rechts.Urteil.Beurteilt);
    EXPECT_EQ(n.Zustand(0), abgAusstehend);
    const UebElement *karte = n.Sichtbar(ElementArt::Karte, 1);
    ASSERT_TRUE(karte);
    const QRect dort = karte->Rechteck;
    const QPoint griff = dort.center();
    n.u->MausDruck(griff, Maustaste::Links);
    n.u->MausBewegung(griff + QPoint(1, 0), true);
    EXPECT_EQ(n.u->AusgewaehltesZiel(), 0);
    n.u->MausLos(griff + QPoint(1, 0), Maustaste::Links);
    EXPECT_EQ(n.u->LetzteEntscheidung().Richtig, std::optional<bool>(false));
    EXPECT_TRUE(f.Bahnen.empty());
    EXPECT_EQ(n.Sichtbar(ElementArt::Karte, 1)->Rechteck, dort);
}

TEST(UebungLauf, StartzeitUndAufzeichnung)
{
    Testlauf t(Beispiel(QStringLiteral("Blütenpflanze.kal")));
    t.u->Jetzt = [] { return QDateTime(QDate(2024, 1, 1), QTime(12, 0)); };
    ASSERT_TRUE(t.Starten(Einst()));
    EXPECT_DOUBLE_EQ(t.u->Daten().StartZeit, 45292.5);
    EXPECT_EQ(t.u->Daten().BildBreite, 1209 - 185);
    EXPECT_EQ(t.ansicht->Ansichtsgroesse, QSize(1024, 700));
    ASSERT_FALSE(t.protokoll.empty());
    EXPECT_EQ(t.protokoll.front().Art, ProtokollArt::Start);
    EXPECT_EQ(t.u->Anweisung(), "Ziehe die Kärtchen an die jeweils richtige Position!");
    EXPECT_EQ(TageSeit1899(QDateTime(QDate(1899, 12, 30), QTime(6, 0))), 0.25);
}

namespace {

class Serie : public Serienhaken
{
public:
    bool EintragLaden() override { return true; }
    SerienVorgaben Vorgaben() override
    {
        SerienVorgaben v;
        v.Vorhanden = true;
        v.AbfrageModus = abfEinzelPositionen;
        return v;
    }
    void TeiluebungBeendet(const Uebung &) override { ++Beendet; }
    int Beendet = 0;
};

} // namespace

TEST(UebungLauf, SerieOhneAbfragenEndetSofort)
{
    // a cloze of wrong words only, asked by position: nothing to ask
    Dokument dok = Beispiel(QStringLiteral("Lückentext Wald mit Falschwörtern.kal"));
    dok.Objekte.erase(std::remove_if(dok.Objekte.begin(), dok.Objekte.end(),
                                     [](const ObjDataTyp &o) { return o.Typ == objAbfrageLuecke; }),
                      dok.Objekte.end());
    Testlauf t(std::move(dok));
    Serie s;
    t.u->Dienste.Serie = &s;
    ASSERT_TRUE(t.u->StarteUebung(false, wiedKomplett, uebSerie));
    EXPECT_EQ(s.Beendet, 1);
    ASSERT_TRUE(t.ende.Erreicht);
    EXPECT_EQ(t.ende.Daten.EndeGrund, endeFertig);
    EXPECT_EQ(t.ende.Daten.AnzAbfragen, 0);
    EXPECT_EQ(t.u->Modus(), abfEinzelPositionen);
    EXPECT_TRUE(t.meldungen.Texte().isEmpty());
}

namespace {

class Dialog : public Einstellungsdialog
{
public:
    bool Zeigen(int dokTyp) override
    {
        Gezeigt.push_back(dokTyp);
        return Antwort;
    }
    bool Antwort = true;
    std::vector<int> Gezeigt;
};

class Name : public Namensabfrage
{
public:
    QString NameErfragen() override
    {
        ++Gefragt;
        return QStringLiteral("Maximiliane Musterfrau-Beispielhausen");
    }
    int Gefragt = 0;
};

class Knopf : public UebungsOberflaeche
{
public:
    void IndividualKnopf(bool gedrueckt) override { Zustaende.push_back(gedrueckt); }
    std::vector<bool> Zustaende;
};

} // namespace

TEST(UebungLauf, DialogNameUndFragezeichen)
{
    Testlauf t(Beispiel(QStringLiteral("Blütenpflanze.kal")));
    Dialog d;
    Name n;
    Knopf k;
    t.u->Dienste.Dialog = &d;
    t.u->Dienste.Name = &n;
    t.u->Dienste.Oberflaeche = &k;
    // the dialog's values: question marks instead of numbers
    t.dialoge.UebOpt.Zuordnungsziele = 2;
    // "Schließen" in the dialog: no run, the button is released again
    d.Antwort = false;
    EXPECT_FALSE(t.u->StarteUebung(true, wiedKomplett, uebIndividual));
    EXPECT_EQ(k.Zustaende, (std::vector<bool>{true, false}));
    EXPECT_EQ(n.Gefragt, 0);
    d.Antwort = true;
    ASSERT_TRUE(t.u->StarteUebung(true, wiedKomplett, uebIndividual));
    EXPECT_EQ(d.Gezeigt, (std::vector<int>{dokBildbeschriftung, dokBildbeschriftung}));
    EXPECT_EQ(n.Gefragt, 1);
    EXPECT_EQ(t.u->Daten().TeilnehmerName, "Maximiliane Musterfrau-Beispie");   // at most 30 characters
    EXPECT_EQ(t.u->Status().Name, "Maximiliane Musterfrau-Beispie");
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(t.dok.Objekte[size_t(i)].AnzeigeNummer, 0);
        EXPECT_EQ(t.ansicht->NumberText(i), "?");
    }
    t.meldungen.AntwortVormerken(Antwort::Ja);
    ASSERT_TRUE(t.u->UebungAbbrechen());
    // a document whose settings are locked shows no dialog; with the name question off nobody asks
    t.dok.Kopf.UebEinstSpeichern = 2;
    t.u->Optionen.Namenseingabe = false;
    ASSERT_TRUE(t.u->StarteUebung(true, wiedKomplett, uebIndividual));
    EXPECT_EQ(d.Gezeigt.size(), 2u);
    EXPECT_EQ(n.Gefragt, 1);
    EXPECT_EQ(t.u->Status().Name, "-");
}
