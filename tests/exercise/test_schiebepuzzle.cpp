// The sliding puzzle's board without a window: tile sizes and places, the
// shuffle, the click rules, the arrow keys, the counts and the status texts.

#include "Puzzlehilfen.h"

#include "exercise/Puzzlelauf.h"
#include "platform/Meldungen.h"

#include <set>

#include <gtest/gtest.h>

using namespace kalumo;
using namespace kalumo::test;

namespace {

const PuzzleMasse kMasse{40, 30, 10, 10};

// A built n x n board rearranged to the picture's order with the hole at
// (spalte, zeile): the hole's tile and the tile there changed places.
Schiebepuzzle brettMitLoch(int n, bool nurNachbarn, int spalte, int zeile)
{
    Schiebepuzzle b;
    SkriptZufall zufall;
    EXPECT_TRUE(b.PuzzleAufbauen(n, nurNachbarn, Zellbild(n, 120, 90), kMasse, zufall));
    for (int s = 0; s < n; ++s)
        for (int z = 0; z < n; ++z)
            b.Feld[size_t(s)][size_t(z)] = s + z * n;
    std::swap(b.Feld[size_t(n - 1)][size_t(n - 1)], b.Feld[size_t(spalte)][size_t(zeile)]);
    b.LeerSpalte = spalte;
    b.LeerZeile = zeile;
    b.Zuege = 0;
    b.Zaehlen();
    return b;
}

} // namespace

TEST(PuzzleMasse, KachelgroesseUndLageNachBildUndPanel)
{
    struct Fall
    {
        const char *was;
        QSize bild, panel;
        int n;
        PuzzleMasse erwartet;
    };
    const Fall faelle[] = {
        // relatively wider than the panel: sized by the width, centred vertically
        {"breites Bild, hohes Fenster", {1000, 100}, {600, 900}, 3, {193, 19, 10, 421}},
        {"hohes Bild, breites Fenster", {100, 1000}, {900, 600}, 3, {19, 193, 421, 10}},
        {"etwas breiter als das Panel", {800, 600}, {820, 620}, 4, {200, 150, 10, 10}},
        {"gleiches Seitenverhältnis: nach der Höhe", {400, 300}, {800, 600}, 3, {257, 193, 14, 10}},
        {"6 x 6", {870, 609}, {1000, 800}, 6, {163, 114, 11, 58}},
        // a window too small still gives tiles with room for a picture
        {"Panel ohne Fläche", {400, 300}, {0, 0}, 3, {10, 8, 0, 0}},
        {"extrem breites Bild", {10000, 1}, {600, 900}, 3, {193, 8, 10, 438}},
        {"n unter 3 gilt als 3", {300, 300}, {320, 320}, 1, {100, 100, 10, 10}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.was);
        const std::optional<PuzzleMasse> m = PuzzleMasseBerechnen(f.bild, f.panel, f.n);
        ASSERT_TRUE(m.has_value());
        EXPECT_EQ(m->TeilBreite, f.erwartet.TeilBreite);
        EXPECT_EQ(m->TeilHoehe, f.erwartet.TeilHoehe);
        EXPECT_EQ(m->LinksOffset, f.erwartet.LinksOffset);
        EXPECT_EQ(m->ObenOffset, f.erwartet.ObenOffset);
    }
}

TEST(PuzzleMasse, BildOhnePixelWirdAbgelehntStattDurchNullZuTeilen)
{
    for (QSize bild : {QSize(0, 0), QSize(0, 300), QSize(400, 0), QSize(-1, -1)})
        EXPECT_FALSE(PuzzleMasseBerechnen(bild, {800, 600}, 3).has_value()) << bild.width() << "x" << bild.height();

    Schiebepuzzle b;
    SkriptZufall zufall;
    EXPECT_FALSE(b.PuzzleAufbauen(3, true, QImage(), kMasse, zufall));
    EXPECT_FALSE(b.Aufgebaut());
    EXPECT_EQ(zufall.Gezogen, 0);

    // a running board stays as it was
    ASSERT_TRUE(b.PuzzleAufbauen(4, true, Zellbild(4, 80, 80), kMasse, zufall));
    const auto feld = b.Feld;
    EXPECT_FALSE(b.PuzzleAufbauen(3, false, QImage(0, 0, QImage::Format_RGB32), kMasse, zufall));
    EXPECT_EQ(b.Spalten, 4);
    EXPECT_TRUE(b.NurNachbarn);
    EXPECT_EQ(b.Feld, feld);
}

TEST(Schiebepuzzle, FrischesPuzzleIstNieGeloestUndEineVertauschungVerschiebtZweiTeile)
{
    for (int n = kPuzzleMinTeile; n <= kPuzzleMaxTeile; ++n) {
        for (std::uint32_t saat = 0; saat < 150; ++saat) {
            SCOPED_TRACE(testing::Message() << n << " x " << n << ", Saat " << saat);
            Schiebepuzzle b;
            MtPuzzleZufall zufall(saat);
            MischBericht bericht;
            ASSERT_TRUE(b.PuzzleAufbauen(n, true, Zellbild(n, 60, 60), kMasse, zufall, &bericht));
            EXPECT_FALSE(b.Geloest());
            EXPECT_GE(b.AnzFalsch, 2);
            EXPECT_EQ(b.AnzRichtig + b.AnzFalsch, n * n);
            EXPECT_EQ(b.Zuege, 0);
            // every slide counted, a round at a time
            EXPECT_EQ(bericht.Schiebungen, bericht.Runden * SchiebungenProRunde(n));
            EXPECT_GE(bericht.Wuerfe, bericht.Schiebungen);
            // still one of each tile, the hidden one at the hole
            std::set<int> teile;
            for (int s = 0; s < n; ++s)
                for (int z = 0; z < n; ++z)
                    teile.insert(b.Feld[size_t(s)][size_t(z)]);
            EXPECT_EQ(int(teile.size()), n * n);
            EXPECT_EQ(*teile.begin(), 0);
            EXPECT_EQ(*teile.rbegin(), n * n - 1);
            EXPECT_EQ(b.LeerTeil, n * n - 1);
            EXPECT_EQ(b.Feld[size_t(b.LeerSpalte)][size_t(b.LeerZeile)], b.LeerTeil);
        }
    }
}

TEST(Schiebepuzzle, SchiebungenJeMischrunde)
{
    const std::pair<int, int> faelle[] = {{3, 216}, {4, 512}, {5, 1000}, {6, 1728}};
    for (const auto &[n, schiebungen] : faelle)
        EXPECT_EQ(SchiebungenProRunde(n), schiebungen) << n;
}

TEST(Schiebepuzzle, VerworfeneZuegeZaehlenNichtUndEineGeloesteRundeWirdWiederholt)
{
    // from the corner, "right" and "down" would leave the board: discarded;
    // then left/right 108 times: 216 slides that end where they began
    std::deque<int> folge{kRechts, kRunter};
    for (int i = 0; i < 108; ++i) {
        folge.push_back(kLinks);
        folge.push_back(kRechts);
    }
    SkriptZufall zufall(folge, 7);
    Schiebepuzzle b;
    MischBericht bericht;
    ASSERT_TRUE(b.PuzzleAufbauen(3, true, Zellbild(3, 90, 90), kMasse, zufall, &bericht));
    EXPECT_GE(bericht.Runden, 2);
    EXPECT_EQ(bericht.Schiebungen, bericht.Runden * 216);
    EXPECT_EQ(bericht.Wuerfe, zufall.Gezogen);
    EXPECT_GE(bericht.Wuerfe, bericht.Schiebungen + 2);
    EXPECT_FALSE(b.Geloest());

    // exactly one round when its end is not solved: there and back, then two to the left
    SkriptZufall genau(ZweiVorDemZiel(3));
    ASSERT_TRUE(b.PuzzleAufbauen(3, true, Zellbild(3, 90, 90), kMasse, genau, &bericht));
    EXPECT_EQ(bericht.Runden, 1);
    EXPECT_EQ(bericht.Wuerfe, 216);
    EXPECT_EQ(b.LeerSpalte, 0);
    EXPECT_EQ(b.LeerZeile, 2);
    EXPECT_EQ(b.AnzFalsch, 3);
    EXPECT_EQ(b.AnzRichtig, 6);

    // 6 x 6: 1728 slides a round
    SkriptZufall sechs(ZweiVorDemZiel(6));
    ASSERT_TRUE(b.PuzzleAufbauen(6, true, Zellbild(6, 60, 60), kMasse, sechs, &bericht));
    EXPECT_EQ(bericht.Runden, 1);
    EXPECT_EQ(bericht.Schiebungen, 1728);
    EXPECT_EQ(bericht.Wuerfe, 1728);
    EXPECT_EQ(b.LeerSpalte, 3);
}

TEST(Schiebepuzzle, NurNachbarnDesLochsSindAnklickbar)
{
    struct Fall
    {
        int spalte, zeile;
        std::set<std::pair<int, int>> anklickbar;
    };
    const Fall faelle[] = {
        {1, 1, {{1, 0}, {0, 1}, {2, 1}, {1, 2}}},
        {0, 0, {{1, 0}, {0, 1}}},
        {2, 1, {{2, 0}, {1, 1}, {2, 2}}},
        {2, 2, {{2, 1}, {1, 2}}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(testing::Message() << "Loch bei " << f.spalte << "," << f.zeile);
        const Schiebepuzzle b = brettMitLoch(3, true, f.spalte, f.zeile);
        for (int teil = 0; teil < 9; ++teil) {
            const QPoint p = b.TeilPosition(teil);
            EXPECT_EQ(b.TeilAnklickbar(teil), f.anklickbar.count({p.x(), p.y()}) == 1) << "Teil " << teil;
        }
        EXPECT_FALSE(b.TeilAnklickbar(b.LeerTeil));
    }
}

TEST(Schiebepuzzle, KlickTauschtMitDemLochUndZaehltDenZug)
{
    Schiebepuzzle b = brettMitLoch(3, true, 1, 1);
    const int fern = b.Feld[0][0];
    EXPECT_EQ(b.TeilKlick(fern), ZugErgebnis::KeinZug);
    EXPECT_EQ(b.Zuege, 0);
    EXPECT_EQ(b.TeilPosition(fern), QPoint(0, 0));

    const int nachbar = b.Feld[1][0];
    EXPECT_EQ(b.TeilKlick(nachbar), ZugErgebnis::Gezogen);
    EXPECT_EQ(b.TeilPosition(nachbar), QPoint(1, 1));
    EXPECT_EQ(b.LeerSpalte, 1);
    EXPECT_EQ(b.LeerZeile, 0);
    EXPECT_EQ(b.Feld[1][0], b.LeerTeil);
    EXPECT_EQ(b.Zuege, 1);
    // the hidden tile cannot be clicked, nor a tile that does not exist
    EXPECT_EQ(b.TeilKlick(b.LeerTeil), ZugErgebnis::KeinZug);
    EXPECT_EQ(b.TeilKlick(42), ZugErgebnis::KeinZug);
    EXPECT_EQ(b.Zuege, 1);
}

TEST(Schiebepuzzle, JedesTeilAnklickbarSpringtInEinemZugInsLoch)
{
    Schiebepuzzle b = brettMitLoch(3, false, 2, 1);
    for (int teil = 0; teil < 9; ++teil)
        EXPECT_EQ(b.TeilAnklickbar(teil), teil != b.LeerTeil) << teil;
    const int fern = b.Feld[0][0];
    EXPECT_EQ(b.TeilKlick(fern), ZugErgebnis::Gezogen);
    EXPECT_EQ(b.TeilPosition(fern), QPoint(2, 1));
    EXPECT_EQ(b.LeerSpalte, 0);
    EXPECT_EQ(b.LeerZeile, 0);
    EXPECT_EQ(b.Zuege, 1);
    // everything else stayed
    EXPECT_EQ(b.Feld[1][1], 4);
    EXPECT_EQ(b.Feld[2][2], 5);

    // the same click with only neighbours clickable does nothing
    Schiebepuzzle nachbarn = brettMitLoch(3, true, 2, 1);
    EXPECT_EQ(nachbarn.TeilKlick(0), ZugErgebnis::KeinZug);
    EXPECT_EQ(nachbarn.Zuege, 0);
}

TEST(Schiebepuzzle, LetzterZugLoestUndDanachGeschiehtNichtsMehr)
{
    // the hole one to the left of its home: tile 7 sits at the bottom-right
    Schiebepuzzle b = brettMitLoch(3, true, 1, 2);
    EXPECT_EQ(b.AnzFalsch, 2);
    EXPECT_EQ(b.AnzRichtig, 7);
    EXPECT_EQ(b.QuoteText(), "77.8 %");
    EXPECT_EQ(b.TeilKlick(7), ZugErgebnis::Geloest);
    EXPECT_TRUE(b.Geloest());
    EXPECT_EQ(b.AnzRichtig, 9);
    EXPECT_EQ(b.QuoteText(), "100.0 %");
    EXPECT_EQ(b.TeilKlick(5), ZugErgebnis::KeinZug);
    EXPECT_EQ(b.Schieben(PuzzleRichtung::Runter), ZugErgebnis::KeinZug);
    EXPECT_EQ(b.Zuege, 1);
}

TEST(Schiebepuzzle, PfeiltasteSchiebtDasTeilNebenDemLochInDieseRichtung)
{
    struct Fall
    {
        PuzzleRichtung richtung;
        QPoint herkunft; // where the moving tile comes from
    };
    const Fall faelle[] = {
        {PuzzleRichtung::Links, {2, 1}},
        {PuzzleRichtung::Rechts, {0, 1}},
        {PuzzleRichtung::Hoch, {1, 2}},
        {PuzzleRichtung::Runter, {1, 0}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(int(f.richtung));
        Schiebepuzzle b = brettMitLoch(3, true, 1, 1);
        const int teil = b.Feld[size_t(f.herkunft.x())][size_t(f.herkunft.y())];
        EXPECT_EQ(b.Schieben(f.richtung), ZugErgebnis::Gezogen);
        EXPECT_EQ(b.TeilPosition(teil), QPoint(1, 1));
        EXPECT_EQ(QPoint(b.LeerSpalte, b.LeerZeile), f.herkunft);
        EXPECT_EQ(b.Zuege, 1);
        // the keys work with every click rule
        b.NurNachbarn = false;
        EXPECT_EQ(b.Schieben(f.richtung), ZugErgebnis::KeinZug) << "nothing beyond the edge";
        EXPECT_EQ(b.Zuege, 1);
    }
}

TEST(Schiebepuzzle, TeileLiegenImRasterUndZeigenIhrenBildteil)
{
    Schiebepuzzle b;
    SkriptZufall zufall;
    const QImage bild = Zellbild(3, 90, 60);
    ASSERT_TRUE(b.PuzzleAufbauen(3, true, bild, {40, 30, 10, 20}, zufall));
    // home cells less one pixel at each side
    EXPECT_EQ(b.QuellRechteck(0), QRect(1, 1, 28, 18));
    EXPECT_EQ(b.QuellRechteck(4), QRect(31, 21, 28, 18));
    EXPECT_EQ(b.QuellRechteck(8), QRect(61, 41, 28, 18));
    EXPECT_EQ(b.BrettRechteck(), QRect(9, 19, 123, 93));
    for (int teil = 0; teil < 9; ++teil) {
        SCOPED_TRACE(teil);
        const QPoint p = b.TeilPosition(teil);
        EXPECT_EQ(b.TeilRechteck(teil), QRect(10 + p.x() * 40, 20 + p.y() * 30, 41, 31));
        const QImage &t = b.TeilBild(teil);
        ASSERT_EQ(t.size(), QSize(41, 31));
        EXPECT_TRUE(FarbeNahe(t.pixelColor(0, 0), Qt::black, 2));
        EXPECT_TRUE(FarbeNahe(t.pixelColor(40, 30), Qt::black, 2));
        EXPECT_TRUE(FarbeNahe(t.pixelColor(20, 15), Zellfarbe(teil)));
        EXPECT_TRUE(FarbeNahe(t.pixelColor(3, 3), Zellfarbe(teil)));
    }

    // a picture with fewer pixels than tiles still gives every tile a part of it
    Schiebepuzzle klein;
    ASSERT_TRUE(klein.PuzzleAufbauen(6, true, Zellbild(2, 2, 2), kMasse, zufall));
    for (int teil = 0; teil < 36; ++teil) {
        const QRect r = klein.QuellRechteck(teil);
        EXPECT_FALSE(r.isEmpty()) << teil;
        EXPECT_TRUE(QRect(0, 0, 2, 2).contains(r)) << teil;
    }
}

TEST(Schiebepuzzle, NeuAnordnenBehaeltStellungZuegeUndUhr)
{
    Schiebepuzzle b = brettMitLoch(4, true, 3, 2);
    b.StartTick = 5000;
    b.TeilKlick(b.Feld[2][2]);
    const auto feld = b.Feld;
    b.PuzzleNeuAnordnen({25, 20, 3, 4});
    EXPECT_EQ(b.Feld, feld);
    EXPECT_EQ(b.Zuege, 1);
    EXPECT_EQ(b.StartTick, 5000);
    EXPECT_EQ(b.TeilRechteck(b.Feld[1][3]), QRect(3 + 25, 4 + 60, 26, 21));
    EXPECT_EQ(b.TeilBild(0).size(), QSize(26, 21));
}

TEST(Schiebepuzzle, StatuszeileMitQuoteUndUhr)
{
    Schiebepuzzle b = brettMitLoch(4, true, 0, 0);
    b.StartTick = 1000;
    EXPECT_EQ(b.VonText(), "von  16");
    EXPECT_EQ(b.AnzRichtig, 14);
    EXPECT_EQ(b.QuoteText(), "87.5 %");

    const std::pair<qint64, const char *> zeiten[] = {
        {1000, "00:00"}, {1999, "00:00"}, {126999, "02:05"}, {500, "00:00"}, {1000 + 6000 * 1000, "100:00"}};
    for (const auto &[jetzt, text] : zeiten)
        EXPECT_EQ(b.ZeitText(jetzt), text) << jetzt;

    EXPECT_EQ(b.StatusText(4000), "Richtig: 14 von  16   Falsch: 2   Lösungsquote: 87.5 %   Züge: 0   "
                                  "Benötigte Zeit: 00:03");
}

TEST(Schiebepuzzle, StartNurWennNichtsLaeuftUndDerEditorZuIst)
{
    struct Fall
    {
        bool laeuft, editor, erlaubt;
        QString meldung;
    };
    const Fall faelle[] = {
        {false, false, true, {}},
        {true, false, false,
         "Die aktuelle Übung ist noch nicht beendet.\r\nWählen Sie \"Übung abbrechen\", um die aktuelle Übung "
         "vorzeitig abzubrechen."},
        {false, true, false, "Bitte zuerst den Beschriftungseditor schließen."},
    };
    for (const Fall &f : faelle) {
        SkriptMeldungen m;
        EXPECT_EQ(SchiebepuzzleStartErlaubt(f.laeuft, f.editor, m), f.erlaubt);
        EXPECT_EQ(m.Texte(), f.meldung.isEmpty() ? QStringList{} : QStringList{f.meldung});
    }
    EXPECT_EQ(PuzzleAbbruchFrage(), "Das aktuelle Schiebepuzzle ist noch nicht gelöst.\r\nÜbung wirklich abbrechen?");
}

// The puzzle as the session's run: its engine takes presses at points of the
// panel and the arrow keys, its clock stops with the last move, and the
// solving move ends the run.
TEST(Puzzlelauf, EingabeUhrUndEnde)
{
    SkriptZufall zufall(ZweiVorDemZiel(3));
    std::unique_ptr<Puzzlelauf> lauf = Puzzlelauf::Bauen(Zellbild(3, 300, 300), 3, true, {600, 480}, zufall, 1000);
    ASSERT_NE(lauf, nullptr);
    EXPECT_EQ(lauf->Modus(), modusSchiebepuzzle);
    EXPECT_EQ(lauf->UebArt(), uebIndividual);
    EXPECT_FALSE(lauf->Beendet());
    Eingabemaschine &e = lauf->Eingabe();
    const Schiebepuzzle &b = lauf->Brett();
    ASSERT_EQ(QPoint(b.LeerSpalte, b.LeerZeile), QPoint(0, 2));
    auto mitte = [&](int spalte, int zeile) { return b.TeilRechteck(b.Feld[size_t(spalte)][size_t(zeile)]).center(); };

    // where a point lies: every pixel of a cell is that cell's tile, outside none
    EXPECT_EQ(lauf->TeilBei(mitte(2, 1)), b.Feld[2][1]);
    EXPECT_EQ(lauf->TeilBei({b.LinksOffset, b.ObenOffset}), b.Feld[0][0]);
    EXPECT_EQ(lauf->TeilBei({b.LinksOffset + 3 * b.TeilBreite - 1, b.ObenOffset}), b.Feld[2][0]);
    EXPECT_EQ(lauf->TeilBei({b.LinksOffset - 1, b.ObenOffset}), -1);
    EXPECT_EQ(lauf->TeilBei({b.LinksOffset + 3 * b.TeilBreite, b.ObenOffset}), -1);
    EXPECT_EQ(e.ZeigerFuer(mitte(1, 2)), Zeigerform::Handpunkt);
    EXPECT_EQ(e.ZeigerFuer(mitte(2, 0)), Zeigerform::Standard);
    EXPECT_EQ(e.ZeigerFuer({0, 0}), Zeigerform::Standard);

    // a far tile, another button or the hole do nothing; the neighbour moves
    struct Druck { QPoint p; Maustaste t; bool zug; };
    const Druck druecke[] = {
        {mitte(2, 0), Maustaste::Links, false},
        {mitte(1, 2), Maustaste::Rechts, false},
        {mitte(0, 2), Maustaste::Links, false},
        {{0, 0}, Maustaste::Links, false},
    };
    for (const Druck &d : druecke) {
        const Eingabereaktion r = e.MausDruck(d.p, d.t);
        EXPECT_FALSE(r.Neuzeichnen || r.LaufEnde) << d.p.x() << "," << d.p.y();
    }
    EXPECT_EQ(b.Zuege, 0);

    // the clock: the status changes with the seconds
    EXPECT_TRUE(lauf->StatusText().endsWith("00:00"));
    EXPECT_FALSE(lauf->Takt(1500).Neuzeichnen);
    EXPECT_TRUE(lauf->Takt(66000).Neuzeichnen);
    EXPECT_TRUE(lauf->StatusText().endsWith("01:05"));

    // arrow keys are the puzzle's, with or without a move; with Ctrl they are not
    EXPECT_TRUE(e.Taste(Qt::Key_Right, Qt::NoModifier, {}).Verbraucht); // nothing left of the hole
    EXPECT_EQ(b.Zuege, 0);
    EXPECT_FALSE(e.Taste(Qt::Key_Left, Qt::ControlModifier, {}).Verbraucht);
    EXPECT_FALSE(e.Taste(Qt::Key_A, Qt::NoModifier, QStringLiteral("a")).Verbraucht);
    EXPECT_EQ(b.Zuege, 0);
    const Eingabereaktion erster = e.Taste(Qt::Key_Left, Qt::KeypadModifier, {});
    EXPECT_TRUE(erster.Neuzeichnen);
    EXPECT_FALSE(erster.LaufEnde);
    const Eingabereaktion letzter = e.MausDruck(mitte(2, 2), Maustaste::Links);
    EXPECT_TRUE(letzter.LaufEnde);
    EXPECT_TRUE(lauf->Beendet());
    EXPECT_EQ(b.Zuege, 2);

    // solved: the clock stands, nothing moves any more
    const QString endstand = lauf->StatusText();
    EXPECT_FALSE(lauf->Takt(200000).Neuzeichnen);
    EXPECT_EQ(lauf->StatusText(), endstand);
    EXPECT_FALSE(e.Taste(Qt::Key_Right, Qt::NoModifier, {}).Neuzeichnen);
    EXPECT_EQ(e.ZeigerFuer(mitte(1, 2)), Zeigerform::Standard);

    // a new panel size moves the tiles, not the arrangement
    const int teil = b.Feld[1][1];
    lauf->PanelGroesse({300, 300});
    EXPECT_EQ(lauf->TeilBei(b.TeilRechteck(teil).center()), teil);
    EXPECT_EQ(b.Zuege, 2);

    // no picture, no run
    EXPECT_EQ(Puzzlelauf::Bauen(QImage(), 3, true, {600, 480}, zufall, 0), nullptr);
}
