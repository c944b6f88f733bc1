// Mouse and commands on the learning view: uncovering by click, the middle
// button, empty places, panning at the edges, undo and its rules, the
// question buttons and the tool choice.

#include "Lernansichtshilfen.h"

#include "learnview/Interaktion.h"
#include "learnview/Uebungsklicks.h"
#include "learnview/Objektarten.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>

using namespace kalumo;
using namespace kalumo::test;

namespace {

const QColor kDeckblau(202, 228, 255);

// A page with two covered query labels, shown 1:1.
struct Buehne
{
    Dokument dok;
    std::unique_ptr<Lernansicht> lv;
    std::unique_ptr<Interaktion> ia;

    explicit Buehne(int zoom = 0)
        : dok(Seite(870, 609, Qt::white))
    {
        Objekt(dok, objAbfrageBeschriftung, 0.25, 0.3, "Blatt");
        Objekt(dok, objAbfrageBeschriftung, 0.7, 0.7, "Wurzel");
        lv = Ansicht(dok, zoom);
        lv->RebuildView();
        ia = std::make_unique<Interaktion>(*lv);
    }
    QRect Karte(int i) const { return lv->KartenPixel(dok.Objekte[size_t(i)]).translated(-lv->AnsichtsVersatz()); }
    QPoint Mitte(int i) const { return Karte(i).center(); }
    int Blau(int i) const { return Zaehlen(lv->ViewBitmap, Karte(i), kDeckblau); }
    void Strich(QPoint a, QPoint b)
    {
        ia->MausDruck(a, Maustaste::Links);
        ia->MausBewegung(b, true, false);
        ia->MausLos(b, Maustaste::Links);
    }
};

} // namespace

TEST(Aufdecken, EinKlickDecktNurDiesesFeldAufDerZweiteDecktEsWiederZu)
{
    Buehne b;
    const int flaeche = b.Karte(0).width() * b.Karte(0).height();
    ASSERT_GT(b.Blau(0), flaeche / 3);
    ASSERT_GT(b.Blau(1), 0);

    b.ia->MausDruck(b.Mitte(0), Maustaste::Links);
    b.ia->MausLos(b.Mitte(0), Maustaste::Links);
    EXPECT_EQ(b.dok.Objekte[0].Abgedeckt, abgAufgedeckt);
    EXPECT_EQ(b.dok.Objekte[1].Abgedeckt, abgAbgedeckt);
    EXPECT_EQ(b.Blau(0), 0);
    EXPECT_GT(Dunkel(b.lv->ViewBitmap, b.Karte(0)), 10);
    EXPECT_GT(b.Blau(1), 0);

    b.ia->MausDruck(b.Mitte(0), Maustaste::Links);
    b.ia->MausLos(b.Mitte(0), Maustaste::Links);
    EXPECT_EQ(b.dok.Objekte[0].Abgedeckt, abgAbgedeckt);
    EXPECT_GT(b.Blau(0), flaeche / 3);
}

TEST(Aufdecken, MittlereTasteDecktAuchMitDemStiftAufDieLinkeZeichnet)
{
    Buehne b;
    ASSERT_TRUE(b.ia->WerkzeugSetzen(wzStift));
    b.Strich(b.Mitte(1), b.Mitte(1) + QPoint(3, 0));
    EXPECT_EQ(b.dok.Objekte[1].Abgedeckt, abgAbgedeckt);
    EXPECT_TRUE(FarbeIst(b.lv->ViewBitmap, b.Mitte(1), QColor(255, 0, 0), 10));

    b.ia->MausDruck(b.Mitte(0), Maustaste::Mitte);
    b.ia->MausLos(b.Mitte(0), Maustaste::Mitte);
    EXPECT_EQ(b.dok.Objekte[0].Abgedeckt, abgAufgedeckt);
    EXPECT_EQ(b.Blau(0), 0);
    EXPECT_EQ(b.ia->Werkzeug(), wzStift);
}

TEST(Aufdecken, KlickAufLeereStelleTutNichts)
{
    Buehne b;
    const auto zaehler = b.lv->Aufbauzaehler;
    const QPoint leer(20, 580);
    ASSERT_EQ(b.ia->HitTest(leer), -1);
    const QRgb vorher1 = b.lv->ViewBitmap.pixel(leer), vorher2 = b.lv->ViewBitmap.pixel(b.Mitte(0));
    for (Maustaste t : {Maustaste::Links, Maustaste::Mitte}) {
        const Eingabereaktion r = b.ia->MausDruck(leer, t);
        b.ia->MausLos(leer, t);
        EXPECT_FALSE(r.Neuzeichnen);
        EXPECT_EQ(r.Aktivieren, -1);
    }
    EXPECT_EQ(b.lv->Aufbauzaehler, zaehler);
    EXPECT_EQ(b.dok.Objekte[0].Abgedeckt, abgAbgedeckt);
    EXPECT_EQ(b.dok.Objekte[1].Abgedeckt, abgAbgedeckt);
    EXPECT_EQ(b.lv->ViewBitmap.pixel(leer), vorher1);
    EXPECT_EQ(b.lv->ViewBitmap.pixel(b.Mitte(0)), vorher2);
}

TEST(Aufdecken, InfopunktWirdGeoeffnetNichtUmgeschaltet)
{
    Buehne b;
    Objekt(b.dok, objInfopunkt, 0.5, 0.1, "i", 2);
    b.lv->RebuildView();
    const QPoint p = b.Karte(2).center();
    const Eingabereaktion r = b.ia->MausDruck(p, Maustaste::Links);
    EXPECT_EQ(r.Aktivieren, 2);
    b.lv->Ebene2Check = false;
    b.lv->RebuildView();
    EXPECT_EQ(b.ia->HitTest(p), -1);
}

TEST(Aufdecken, ImObjekteditorSchaltetEinLinksklickNie)
{
    Buehne b;
    b.dok.ObjekteditorOffen = true;
    b.ia->MausDruck(b.Mitte(0), Maustaste::Links);
    b.ia->MausLos(b.Mitte(0), Maustaste::Links);
    EXPECT_EQ(b.dok.Objekte[0].Abgedeckt, abgAbgedeckt);
    EXPECT_FALSE(b.ia->WerkzeugSetzen(wzStift));
    EXPECT_EQ(b.ia->Werkzeug(), wzZeiger);
}

TEST(Aufdecken, HitTestNimmtDasObersteUndUebersteigtKeinenRiesigenZBereich)
{
    Buehne b;
    Objekt(b.dok, objAbfrageBeschriftung, 0.25, 0.3, "Blatt");  // same place as object 0
    b.dok.Kopf.ZIndexMin = INT_MIN;
    b.dok.Kopf.ZIndexMax = INT_MAX;
    b.lv->RebuildView();
    EXPECT_EQ(b.ia->HitTest(b.Mitte(0)), 2);
    b.dok.Objekte[0].ZIndex = 5;
    EXPECT_EQ(b.ia->HitTest(b.Mitte(0)), 0);
    EXPECT_EQ(b.ia->HitTest({-5, 10}), -1);
}

TEST(Verschieben, AmRandIstSchlussUndDieGroesseBleibt)
{
    Buehne b(4);
    const QSize ansicht = b.lv->Ansichtsgroesse, bild = b.lv->ViewBitmap.size();
    const double ww = b.lv->ViewWindow[2] - b.lv->ViewWindow[0], wh = b.lv->ViewWindow[3] - b.lv->ViewWindow[1];
    ASSERT_LT(ww, 0.99);
    struct Fall { Maustaste Taste; int Werkzeug; QPoint Zug; double Links, Oben; };
    const Fall faelle[] = {
        {Maustaste::Rechts, wzZeiger, {-5000, -5000}, 1.0 - ww, 1.0 - wh},
        {Maustaste::Links, wzHand, {5000, 5000}, 0.0, 0.0},
        {Maustaste::Rechts, wzStift, {-5000, 0}, 1.0 - ww, 0.0},
    };
    for (const Fall &f : faelle) {
        b.ia->WerkzeugSetzen(f.Werkzeug);
        const QPoint start(400, 300);
        b.ia->MausDruck(start, f.Taste);
        for (int i = 1; i <= 10; ++i)
            b.ia->MausBewegung(start + f.Zug * i / 10, f.Taste == Maustaste::Links, f.Taste == Maustaste::Rechts);
        b.ia->MausLos(start + f.Zug, f.Taste);
        EXPECT_NEAR(b.lv->ViewWindow[0], f.Links, 1e-9);
        EXPECT_NEAR(b.lv->ViewWindow[1], f.Oben, 1e-9);
        EXPECT_NEAR(b.lv->ViewWindow[2] - b.lv->ViewWindow[0], ww, 1e-9);
        EXPECT_NEAR(b.lv->ViewWindow[3] - b.lv->ViewWindow[1], wh, 1e-9);
        EXPECT_EQ(b.lv->Ansichtsgroesse, ansicht);
        EXPECT_EQ(b.lv->ViewBitmap.size(), bild);
    }
}

TEST(Verschieben, ZeichnungenWandernMitUndDasUndoWirdVergessen)
{
    Buehne b(4);
    b.ia->WerkzeugSetzen(wzStift);
    b.Strich({300, 200}, {340, 200});
    ASSERT_TRUE(FarbeIst(b.lv->ViewBitmap, {320, 200}, QColor(255, 0, 0), 10));
    ASSERT_TRUE(b.ia->UndoVorhanden());
    b.ia->MausDruck({300, 300}, Maustaste::Rechts);
    EXPECT_FALSE(b.ia->UndoVorhanden());
    b.ia->MausBewegung({250, 300}, false, true);
    b.ia->MausLos({250, 300}, Maustaste::Rechts);
    EXPECT_TRUE(FarbeIst(b.lv->ViewBitmap, {270, 200}, QColor(255, 0, 0), 10));
    EXPECT_FALSE(b.ia->Rueckgaengig());
}

TEST(Rueckgaengig, EineStufeUndAlleZeichnungenEntfernen)
{
    Buehne b;
    b.ia->WerkzeugSetzen(wzStift);
    b.Strich({100, 500}, {200, 500});
    ASSERT_TRUE(FarbeIst(b.lv->ViewBitmap, {150, 500}, QColor(255, 0, 0), 10));
    EXPECT_TRUE(b.ia->Rueckgaengig());
    EXPECT_TRUE(FarbeIst(b.lv->ViewBitmap, {150, 500}, Qt::white, 3));
    EXPECT_FALSE(b.ia->Rueckgaengig());

    b.Strich({100, 500}, {200, 500});
    b.ia->AlleZeichnungenEntfernen();
    EXPECT_TRUE(FarbeIst(b.lv->ViewBitmap, {150, 500}, Qt::white, 3));
    EXPECT_TRUE(b.ia->Rueckgaengig());
    EXPECT_TRUE(FarbeIst(b.lv->ViewBitmap, {150, 500}, QColor(255, 0, 0), 10));
}

TEST(Rueckgaengig, ZoomenNachDemZeichnenEntferntZeichnungUndUndo)
{
    Buehne b;
    b.ia->WerkzeugSetzen(wzStift);
    b.ia->GroesseSetzen(4);
    b.Strich({100, 500}, {200, 500});
    ASSERT_TRUE(b.ia->UndoVorhanden());
    b.ia->ZoomSetzen(2);
    b.ia->ZoomSetzen(0);
    EXPECT_EQ(Zaehlen(b.lv->ViewBitmap, {90, 480, 120, 40}, QColor(255, 0, 0), 20), 0);
    EXPECT_FALSE(b.ia->UndoVorhanden());
    EXPECT_FALSE(b.ia->Rueckgaengig());
    EXPECT_EQ(Zaehlen(b.lv->ViewBitmap, {90, 480, 120, 40}, QColor(255, 0, 0), 20), 0);

    // a rebuild made by someone else makes the copy stale as well
    b.Strich({100, 500}, {200, 500});
    b.lv->RebuildView();
    EXPECT_FALSE(b.ia->Rueckgaengig());
}

TEST(Rueckgaengig, AufdeckenEinesFeldesVergisstDieKopie)
{
    Buehne b;
    b.ia->WerkzeugSetzen(wzStift);
    b.Strich({100, 500}, {200, 500});
    b.ia->MausDruck(b.Mitte(0), Maustaste::Mitte);
    EXPECT_FALSE(b.ia->UndoVorhanden());
    EXPECT_TRUE(FarbeIst(b.lv->ViewBitmap, {150, 500}, QColor(255, 0, 0), 10));
}

TEST(Fragen, DieKnoepfeBewegenDieAktuelleFrageInIhrenGrenzen)
{
    struct Fall { int Typ, Anzahl, Vorher, Nachher; };
    const Fall faelle[] = {
        {objNavZurueck, 5, 3, 2}, {objNavZurueck, 5, 1, 1}, {objNavVor, 5, 3, 4}, {objNavVor, 5, 5, 5},
        {objNavErste, 5, 4, 1},   {objNavLetzte, 5, 2, 5},  {objNavZufall, 1, 1, 1}, {objNavVor, 0, 3, 3},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.Typ);
        Dokument dok = Seite(870, 609);
        dok.Kopf.AnzFrageNummern = f.Anzahl;
        Objekt(dok, f.Typ, 0.5, 0.5, "", 1);
        auto lv = Ansicht(dok);
        lv->AktFrageNummer = f.Vorher;
        lv->RebuildView();
        Interaktion ia(*lv);
        const QRect k = lv->KartenPixel(dok.Objekte[0]);
        ASSERT_FALSE(k.isEmpty());
        ia.MausDruck(k.center(), Maustaste::Links);
        EXPECT_EQ(lv->AktFrageNummer, f.Nachher);
    }
}

TEST(Fragen, ZufallsknopfWaehltNieDieAktuelleFrage)
{
    Dokument dok = Seite(870, 609);
    dok.Kopf.AnzFrageNummern = 3;
    Objekt(dok, objNavZufall, 0.5, 0.5, "", 1);
    auto lv = Ansicht(dok);
    lv->AktFrageNummer = 1;
    lv->RebuildView();
    Interaktion ia(*lv);
    ia.ZufallSetzen(7);
    const QPoint p = lv->KartenPixel(dok.Objekte[0]).center();
    bool gesehen[4] = {};
    for (int i = 0; i < 60; ++i) {
        const int vorher = lv->AktFrageNummer;
        ia.MausDruck(p, Maustaste::Links);
        ASSERT_NE(lv->AktFrageNummer, vorher);
        ASSERT_GE(lv->AktFrageNummer, 1);
        ASSERT_LE(lv->AktFrageNummer, 3);
        gesehen[lv->AktFrageNummer] = true;
    }
    EXPECT_TRUE(gesehen[1] && gesehen[2] && gesehen[3]);
}

TEST(Fragen, ZufallsknopfWiederholtNichtInJedemLaufDieselbeFolge)
{
    Dokument dok = Seite(870, 609);
    dok.Kopf.AnzFrageNummern = 3;
    Objekt(dok, 16, 0.5, 0.5, "", 1);
    // the questions 40 clicks of "?" show; each click has two choices
    auto folge = [&dok](std::optional<quint32> saat) {
        auto lv = Ansicht(dok);
        lv->AktFrageNummer = 1;
        lv->RebuildView();
        Interaktion ia(*lv);
        if (saat)
            ia.ZufallSetzen(*saat);
        const QPoint p = lv->KartenPixel(dok.Objekte[0]).center();
        std::vector<int> n;
        for (int i = 0; i < 40; ++i) {
            ia.MausDruck(p, Maustaste::Links);
            n.push_back(lv->AktFrageNummer);
        }
        return n;
    };
    EXPECT_NE(folge(std::nullopt), folge(std::nullopt)) << "seeded from the clock";
    EXPECT_EQ(folge(7u), folge(7u)) << "a seed of its own";
}

TEST(Werkzeugwahl, GroesseUndFarbeWechselnVomZeigerZumGewaehltenStift)
{
    Buehne b;
    b.ia->WerkzeugSetzen(wzEllipse);
    b.ia->WerkzeugSetzen(wzHand);
    b.ia->FarbeSetzen(13);
    EXPECT_EQ(b.ia->Werkzeug(), wzEllipse);
    EXPECT_EQ(b.ia->StiftFarbe(), 13);
    b.ia->WerkzeugSetzen(wzRadierer);
    b.ia->GroesseSetzen(3);
    EXPECT_EQ(b.ia->Werkzeug(), wzRadierer);
    b.ia->FarbeSetzen(99);
    EXPECT_EQ(b.ia->StiftFarbe(), 13);
    EXPECT_TRUE(b.ia->StempelSetzen(4));
    EXPECT_EQ(b.ia->Werkzeug(), wzStempel);
    EXPECT_EQ(b.ia->StempelNr(), 4);
}

TEST(Bereich, AuswahlInfotextUndAusschnitt)
{
    Buehne b;
    b.ia->WerkzeugSetzen(wzBereich);
    b.ia->MausDruck({300, 200}, Maustaste::Links);
    b.ia->MausBewegung({100, 150}, true, false);
    b.ia->MausLos({100, 150}, Maustaste::Links);
    EXPECT_EQ(b.ia->Bereich(), QRect(100, 150, 200, 50));
    EXPECT_EQ(b.ia->BereichInfo(), " (100,150) - (299,199)  B:200 H:50");
    EXPECT_EQ(b.ia->CaptureView().size(), QSize(200, 50));
    b.ia->BereichVerschieben({-1000, 5});
    EXPECT_EQ(b.ia->Bereich(), QRect(0, 155, 200, 50));
    // choosing the tool again removes the selection; the capture is then the whole view
    b.ia->WerkzeugSetzen(wzBereich);
    EXPECT_FALSE(b.ia->BereichVorhanden());
    EXPECT_EQ(b.ia->CaptureView().size(), b.lv->ViewBitmap.size());
    // a selection of zero size is removed at release
    b.ia->MausDruck({50, 50}, Maustaste::Links);
    b.ia->MausLos({50, 50}, Maustaste::Links);
    EXPECT_FALSE(b.ia->BereichVorhanden());
}

TEST(Uebung, NurFreigegebeneInfopunkteOeffnenWortmarkenSchalten)
{
    Buehne b;
    Objekt(b.dok, objInfopunkt, 0.5, 0.1, "i", 2);            // 2: not allowed in exercises
    ObjDataTyp &frei = Objekt(b.dok, objInfopunkt, 0.1, 0.9, "i", 2);
    frei.PunktInUebung = 1;                                    // 3
    Objekt(b.dok, objWortsucheWort, 0.5, 0.5, "Wort", 1);                  // 4: find-words token
    b.lv->UebungLaeuft = true;
    b.lv->RebuildView();
    Uebungsklicks klicks(*b.lv);
    auto klick = [&](QPoint p) { return klicks.MausDruck(p, Maustaste::Links); };
    EXPECT_EQ(klick(b.Karte(2).center()).Aktivieren, -1);
    EXPECT_EQ(klick(b.Karte(3).center()).Aktivieren, 3);
    EXPECT_EQ(klicks.ZeigerFuer(b.Karte(3).center()), Zeigerform::Handpunkt);
    EXPECT_EQ(klicks.ZeigerFuer(b.Karte(2).center()), Zeigerform::Standard);
    // query labels are not reached through this path
    EXPECT_EQ(klicks.HitTest(b.Mitte(0)), -1);
    const QPoint wort = b.Karte(4).center();
    ASSERT_EQ(klicks.HitTest(wort), 4);
    b.dok.Objekte[4].Abgedeckt = abgAufgedeckt;
    // only the left button marks
    EXPECT_FALSE(klicks.MausDruck(wort, Maustaste::Rechts).Neuzeichnen);
    EXPECT_EQ(b.dok.Objekte[4].Abgedeckt, abgAufgedeckt);
    EXPECT_TRUE(klick(wort).Neuzeichnen);
    EXPECT_EQ(b.dok.Objekte[4].Abgedeckt, abgMarkiert);
    klick(wort);
    EXPECT_EQ(b.dok.Objekte[4].Abgedeckt, abgAufgedeckt);
}

TEST(Fragen, TastenWieKnoepfe)
{
    Dokument dok = Seite(870, 609);
    dok.Kopf.AnzFrageNummern = 4;
    auto lv = Ansicht(dok);
    lv->AktFrageNummer = 2;
    lv->RebuildView();
    Interaktion ia(*lv);
    EXPECT_TRUE(ia.FrageWechseln(objNavLetzte));
    EXPECT_EQ(lv->AktFrageNummer, 4);
    EXPECT_TRUE(ia.FrageWechseln(objNavVor));
    EXPECT_EQ(lv->AktFrageNummer, 4);
    EXPECT_TRUE(ia.FrageWechseln(objNavErste));
    EXPECT_EQ(lv->AktFrageNummer, 1);
    EXPECT_FALSE(ia.FrageWechseln(objAbfrageLuecke));
    dok.Kopf.AnzFrageNummern = 0;
    EXPECT_FALSE(ia.FrageWechseln(objNavVor));
    EXPECT_EQ(lv->AktFrageNummer, 1);
}

TEST(Verschieben, EinGezogenesGummibandGehtNichtInDieSeite)
{
    Buehne b;
    b.ia->WerkzeugSetzen(wzRechteck);
    const QImage vorher = b.lv->ViewBitmap.copy();
    b.ia->MausDruck({100, 400}, Maustaste::Links);
    b.ia->MausBewegung({300, 500}, true, false);
    ASSERT_FALSE(b.lv->ViewBitmap == vorher);
    b.ia->MausDruck({300, 500}, Maustaste::Rechts);
    b.ia->MausLos({300, 500}, Maustaste::Rechts);
    b.ia->MausLos({300, 500}, Maustaste::Links);
    EXPECT_TRUE(FarbeIst(b.lv->ViewBitmap, {200, 400}, Qt::white, 0));
    EXPECT_TRUE(FarbeIst(b.lv->PageBitmap, {200, 400}, Qt::white, 0));
}
