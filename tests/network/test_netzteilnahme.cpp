// A participant computer's run (NetzTeilnahme) against a teacher computer in
// the same process: the messages of a real exercise run, the repetition
// while registration is open and its refusal once it is closed, the
// participant's own settings afterwards, and the object a report names.

#include "network/NetzLehrer.h"
#include "network/NetzTeilnahme.h"

#include "exercise/Uebungsaktionen.h"
#include "learnview/TextLayouts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kalumo;

namespace {

// The result window: "Übung wiederholen", always.
class ImmerWiederholen : public Ergebnishaken
{
public:
    ErgebnisWahl Zeigen(const Uebung &, bool) override
    {
        ++Gezeigt;
        return {true, wiedKomplett};
    }
    int Gezeigt = 0;
};

// The last answer ends the run (a repetition may already have started the next).
void AlleRichtig(Uebung &u)
{
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(KarteAufZiel(u, i, i).Urteil.Beurteilt) << i;
    EXPECT_FALSE(KarteAufZiel(u, 4, 4).Ignoriert);
}

} // namespace

TEST(NetzTeilnahme, WiederholungNurBeiOffenerAnmeldung)
{
    QTemporaryDir dir;
    SkriptMeldungen lm;
    EinfacheDokumentDienste ldienste(lm);
    Dokument vorlage;
    ASSERT_TRUE(DokumentLesen(vorlage, ldienste, QStringLiteral(KALUMO_BEISPIELE "/Blütenpflanze.kal"), true));
    NetzLehrerStart start;
    start.Kom.Ordner = dir.path() + QLatin1Char('/');
    start.Kom.Kanal = QStringLiteral("R");
    start.Kom.Verfahren = netzVerfahrenOrdner;
    start.Rechner = QStringLiteral("LEHRER");
    start.Einstellungen.NetzKennung = start.Rechner;
    NotenskalaTyp lehrerSkala;
    lehrerSkala.BewertSkala = 1;
    start.Einstellungen = NetzUebEinstMitSkala(start.Einstellungen, lehrerSkala, 0);
    start.Loesungsnummern = {1, 2, 3, 4, 5};
    start.Abfragespalten = 5;
    NetzLehrer lehrer(lm, [](int) {});
    ASSERT_TRUE(lehrer.Initiieren(start, vorlage, ldienste)) << lm.Texte().join('\n').toStdString();

    // the participant computer; its messages go straight to the teacher's receiving
    SkriptMeldungen m;
    EinfacheDokumentDienste dienste(m);
    UebDialogeTyp dialoge;
    Dokument dok;
    Lernansicht ansicht(dok, dienste.Schriftart());
    ansicht.Haken = &StandardTextLayouts();
    ansicht.NummerierungsModus = numGeordnet;
    Handuhr uhr;
    Uebung u(dok, ansicht, m, uhr, dialoge);
    NotenskalaTyp eigene;
    eigene.BewertSkala = 3;
    u.Skala = eigene;
    ImmerWiederholen ergebnis;
    u.Dienste.Ergebnis = &ergebnis;
    std::vector<QStringList> gesendet;
    int geschlossen = 0;
    {
        NetzTeilnahme t(u, dok, dienste, m, uhr, [](int) {});
        t.Rechner = QStringLiteral("PC-A");
        t.Senden = [&](const QStringList &zeilen) {
            gesendet.push_back(zeilen);
            lehrer.NachrichtEmpfangen(QStringLiteral("PC-A"), NachrichtText(zeilen), QStringLiteral("anna"));
            return true;
        };
        t.BeimSchliessen = [&] { ++geschlossen; };
        ASSERT_TRUE(t.Beitreten(start.Kom, QStringLiteral("Anna")));
        EXPECT_EQ(u.Daten().UebArt, uebNetzTeilnahme);
        EXPECT_EQ(u.Daten().NetzKennung, "LEHRER");
        // the teacher's scale travels in the settings file and replaces the own one during the run
        EXPECT_EQ(u.Skala.BewertSkala, 1);
        const QString erste = u.Daten().TeilnehmerKennung;

        // the first run ends; "Übung wiederholen" joins again: a second row of the same computer
        AlleRichtig(u);
        ASSERT_EQ(lehrer.Teilnehmerzahl(), 2);
        EXPECT_NE(u.Daten().TeilnehmerKennung, erste);
        EXPECT_TRUE(u.Laeuft());

        // registration closed: the repetition after the second run is refused
        EXPECT_FALSE(lehrer.AnmeldungZulassen(false));
        AlleRichtig(u);
        EXPECT_EQ(lehrer.Teilnehmerzahl(), 2);
        EXPECT_TRUE(m.Texte().contains(NetzWiederholungAbgelehntText())) << m.Texte().join('\n').toStdString();
        EXPECT_EQ(geschlossen, 1);
        EXPECT_FALSE(t.Nimmt());
        EXPECT_FALSE(u.Laeuft());
        EXPECT_EQ(ergebnis.Gezeigt, 2);
        EXPECT_EQ(t.Beitritte(), 2);
    }
    // the own scale is back
    EXPECT_EQ(u.Skala.BewertSkala, 3);
    EXPECT_EQ(u.Dienste.Netz, nullptr);

    // per run: TN-INIT, five TN-AKTION, one TN-FERTIG and one TN-BESTLIST, in this order
    ASSERT_EQ(gesendet.size(), 16u);
    for (int lauf = 0; lauf < 2; ++lauf) {
        const int a = lauf * 8;
        EXPECT_EQ(gesendet[size_t(a)][0], kTnInit);
        for (int i = 1; i <= 5; ++i)
            EXPECT_EQ(gesendet[size_t(a + i)][0], kTnAktion);
        EXPECT_EQ(gesendet[size_t(a + 6)][0], kTnFertig);
        EXPECT_EQ(gesendet[size_t(a + 6)][2], QString::number(endeFertig));
        EXPECT_EQ(gesendet[size_t(a + 7)][0], kTnBestlist);
    }
    for (int zeile = 0; zeile < 2; ++zeile) {
        EXPECT_EQ(lehrer.Kontrolle().Zelle(zeile, 3), "fertig");   // "Status"
        for (int s = 1; s <= 5; ++s)
            EXPECT_EQ(lehrer.Kontrolle().Zelle(zeile, kNetzFesteSpalten + s - 1), "ok") << zeile << s;
    }
    EXPECT_EQ(lehrer.Bestenlisteneintraege(), 2);
    EXPECT_EQ(lehrer.Statistik().Ignoriert, 0);
    lehrer.Beenden();
}

// The object a report names: the judged target; for cross matching the
// second element when the first carries a pair number.
TEST(NetzTeilnahme, GemeldetesObjekt)
{
    Dokument d;
    for (int i = 0; i < 4; ++i)
        ObjektHinzufuegen(d, objAbfrageBeschriftung, ebeneTexteUndBilder, QStringLiteral("x"), 0, 0, 0.1, 0.1, -1);
    d.Objekte[0].FrageNummer = 2;
    struct Fall
    {
        int DokTyp;
        ProtokollArt Art;
        int Karte, Ziel, Erwartet;
    };
    const Fall faelle[] = {
        {dokBildbeschriftung, ProtokollArt::Antwort, 1, 3, 3},
        {dokKreuzZuordnung, ProtokollArt::Antwort, 0, 3, 3},    // the first carries pair number 2
        {dokKreuzZuordnung, ProtokollArt::Antwort, 1, 0, 1},    // it does not
        {dokBildbeschriftung, ProtokollArt::Antwort, 1, 9, -1},        // outside the document
        {dokLueckentext, ProtokollArt::Texteingabe, -1, 2, -1}, // typed input names none
        {dokWoerterFinden, ProtokollArt::Textstelle, -1, 2, -1},
    };
    for (const Fall &f : faelle) {
        d.Kopf.DokTyp = f.DokTyp;
        ProtokollEintrag e;
        e.Art = f.Art;
        e.Karte = f.Karte;
        e.Ziel = f.Ziel;
        EXPECT_EQ(NetzGemeldetesObjekt(d, e), f.Erwartet) << f.DokTyp << ' ' << f.Karte << ' ' << f.Ziel;
    }
}

// The settings file decides the run; what it leaves out stays the participant's.
TEST(NetzTeilnahme, EinstellungenDesLaufs)
{
    UebEinstTyp eigene;
    eigene.AnzZeichenVorgeben = 1;
    eigene.UebEinstSpeichern = 2;
    NetzUebEinstTyp netz;
    netz.AbfrageModus = 3;
    netz.Zeitlimit = zlMitLimit;
    netz.ZLimit = 75;
    netz.ZuordnungFalsch = 1;
    UebEinstTyp e = NetzUebEinstFuerLauf(netz, eigene);
    EXPECT_EQ(e.AbfrageModus, 3);
    EXPECT_EQ(e.Zeitlimit, zlMitLimit);
    EXPECT_EQ(e.ZLimit, 75);
    EXPECT_EQ(e.ZuordnungFalsch, 1);
    EXPECT_EQ(e.AnzZeichenVorgeben, 1);
    EXPECT_EQ(e.UebEinstSpeichern, 2);
    netz.AnzZeichenVorgeben = 0;
    EXPECT_EQ(NetzUebEinstFuerLauf(netz, eigene).AnzZeichenVorgeben, 0);
}
