#include "exercise/Notenskala.h"
#include "exercise/NotenskalaEingabe.h"
#include "exercise/Notenskalabild.h"

#include "testhilfen/QtAusgabe.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kalumo;

namespace {

NotenskalaTyp Skala(int skala)
{
    NotenskalaTyp s;
    s.BewertSkala = skala;
    return s;
}

struct NotenFall
{
    int skala;
    double leistung;
    int note;
    const char *wort;
};

void PrintTo(const NotenFall &f, std::ostream *os)
{
    *os << "Skala " << f.skala << ", Leistung " << f.leistung;
}

class NotenBerechnen : public ::testing::TestWithParam<NotenFall>
{};

} // namespace

TEST_P(NotenBerechnen, GrenzenMitDenVorgaben)
{
    const NotenFall &f = GetParam();
    const int note = NoteBerechnen(f.leistung, Skala(f.skala));
    EXPECT_EQ(note, f.note);
    EXPECT_EQ(NotenWort(note, f.skala), QString::fromUtf8(f.wort));
}

INSTANTIATE_TEST_SUITE_P(
    AlleSkalen, NotenBerechnen,
    ::testing::Values(
        // 1 (best) to 6: the threshold itself still earns the grade
        NotenFall{0, 1.0, 1, "sehr gut"}, NotenFall{0, 0.85, 1, "sehr gut"}, NotenFall{0, 17.0 / 20.0, 1, "sehr gut"},
        NotenFall{0, 0.8499, 2, "gut"}, NotenFall{0, 0.70, 2, "gut"}, NotenFall{0, 0.6999, 3, "befriedigend"},
        NotenFall{0, 0.55, 3, "befriedigend"}, NotenFall{0, 0.40, 4, "ausreichend"},
        NotenFall{0, 0.25, 5, "mangelhaft"}, NotenFall{0, 0.2499, 6, "ungenügend"},
        NotenFall{0, 0.0, 6, "ungenügend"},
        // 1 (best) to 5: below grade 4 everything is 5, the sixth threshold is not used
        NotenFall{1, 0.85, 1, "sehr gut"}, NotenFall{1, 0.40, 4, "ausreichend"},
        NotenFall{1, 0.3999, 5, "mangelhaft"}, NotenFall{1, 0.25, 5, "mangelhaft"},
        NotenFall{1, 0.0, 5, "mangelhaft"},
        // 0 to 15 points
        NotenFall{2, 1.0, 15, "sehr gut"}, NotenFall{2, 0.95, 15, "sehr gut"}, NotenFall{2, 0.949, 14, "sehr gut"},
        NotenFall{2, 0.85, 13, "sehr gut"}, NotenFall{2, 0.8499, 12, "gut"}, NotenFall{2, 0.70, 10, "gut"},
        NotenFall{2, 0.6999, 9, "befriedigend"}, NotenFall{2, 0.55, 7, "befriedigend"},
        NotenFall{2, 0.50, 6, "ausreichend"}, NotenFall{2, 0.40, 4, "ausreichend"},
        NotenFall{2, 0.3999, 3, "mangelhaft"}, NotenFall{2, 0.25, 1, "mangelhaft"},
        NotenFall{2, 0.24, 0, "ungenügend"}, NotenFall{2, 0.0, 0, "ungenügend"},
        // 1 to 5 (best): the grade numbers count the other way
        NotenFall{3, 0.90, 5, "sehr gut"}, NotenFall{3, 0.85, 5, "sehr gut"}, NotenFall{3, 0.8499, 4, "gut"},
        NotenFall{3, 0.55, 3, "befriedigend"}, NotenFall{3, 0.40, 2, "ausreichend"},
        NotenFall{3, 0.3999, 1, "mangelhaft"}, NotenFall{3, 0.10, 1, "mangelhaft"},
        // 0 to 12 points: the thresholds of 13 to 15 are ignored
        NotenFall{4, 1.0, 12, "sehr gut"}, NotenFall{4, 0.96, 12, "sehr gut"}, NotenFall{4, 0.80, 12, "sehr gut"},
        NotenFall{4, 0.7999, 11, "sehr gut"}, NotenFall{4, 0.70, 10, "sehr gut"}, NotenFall{4, 0.65, 9, "gut"},
        NotenFall{4, 0.50, 6, "befriedigend"}, NotenFall{4, 0.40, 4, "befriedigend"},
        NotenFall{4, 0.35, 3, "ausreichend"}, NotenFall{4, 0.25, 1, "ausreichend"},
        NotenFall{4, 0.24, 0, "mangelhaft"}, NotenFall{4, 0.0, 0, "mangelhaft"},
        // a stored scale the program does not know counts as scale 0
        NotenFall{7, 0.8499, 2, "gut"}, NotenFall{-1, 0.2499, 6, "ungenügend"}));

TEST(Notenskala, EigeneGrenzenZaehlen)
{
    NotenskalaTyp s;
    s.NoteMinQuote = {1.0, 0.95, 0.90, 0.80, 0.70, 0.60, 0.0};
    EXPECT_EQ(NoteBerechnen(0.9, s), 2);
    EXPECT_EQ(NoteBerechnen(0.65, s), 5);
    EXPECT_EQ(NoteBerechnen(0.59, s), 6);
    s.BewertSkala = skalaPunkte0bis15;
    s.PunkteMinQuote[15] = 1.0;   // 15 points only for a perfect run
    EXPECT_EQ(NoteBerechnen(0.99, s), 14);
    EXPECT_EQ(NoteBerechnen(1.0, s), 15);
}

TEST(Notenskala, WorteUndTexteDerSkalen)
{
    const char *wort[] = {"Note", "Note", "Punkte", "Note", "Punkte"};
    const char *text[] = {"Notenskala: 1 (beste) bis 6", "Notenskala: 1 (beste) bis 5", "Punkteskala: 0 bis 15 (beste)",
                          "Notenskala: 1 bis 5 (beste)", "Punkteskala: 0 bis 12 (beste)"};
    for (int s = 0; s < kSkalenAnzahl; ++s) {
        EXPECT_EQ(SkalaWort(s), wort[s]) << s;
        EXPECT_EQ(SkalaText(s), text[s]) << s;
    }
    // grades a scale does not have have no word
    EXPECT_EQ(NotenWort(6, skalaNote1bis5), "");
    EXPECT_EQ(NotenWort(13, skalaPunkte0bis12), "");
    EXPECT_EQ(NotenWort(-1, skalaPunkte0bis15), "");
}

TEST(Notenskala, GrenzenZeileDesProtokolls)
{
    EXPECT_EQ(SkalaGrenzenZeile(Skala(0)),
              "Notengrenzen bzgl. Gesamtleistung:\t85.0% / 70.0% / 55.0% / 40.0% / 25.0% / 0.0%");
    EXPECT_EQ(SkalaGrenzenZeile(Skala(3)), "Notengrenzen bzgl. Gesamtleistung:\t85.0% / 70.0% / 55.0% / 40.0% / 25.0%");
    EXPECT_EQ(SkalaGrenzenZeile(Skala(4)),
              "Punktegrenzen bzgl. Gesamtleistung:\t80.0% / 75.0% / 70.0% / 65.0% / 60.0% / 55.0% / 50.0% / 45.0% / "
              "40.0% / 35.0% / 30.0% / 25.0% / 0.0%");
    EXPECT_TRUE(SkalaGrenzenZeile(Skala(2)).startsWith("Punktegrenzen bzgl. Gesamtleistung:\t95.0% / 90.0% / "));
}

// --- the dialog without its window --------------------------------------

TEST(NotenskalaEingabe, FelderZeigenProzentMitKommaUndLesenBeides)
{
    const NotenskalaEingabeTyp e = NotenskalaEingabe(NotenskalaTyp{});
    EXPECT_EQ(e.Note[1], "85,0");
    EXPECT_EQ(e.Note[6], "0,0");
    EXPECT_EQ(e.Punkte[15], "95,0");
    EXPECT_EQ(e.Punkte[0], "0,0");
    EXPECT_EQ(NotenEmpfehlung(2), "70,0 %");
    EXPECT_EQ(PunkteEmpfehlung(1), "25,0 %");

    EXPECT_EQ(ProzentLesen("57,5"), 57.5);
    EXPECT_EQ(ProzentLesen(" 57.5 % "), 57.5);
    EXPECT_EQ(ProzentLesen("abc"), std::nullopt);
    EXPECT_EQ(ProzentLesen(""), std::nullopt);
    EXPECT_EQ(ProzentLesen("nan"), std::nullopt);
}

TEST(NotenskalaEingabe, ZeilenJeSkala)
{
    EXPECT_EQ(NotenZeilenText(0, 1), "Note 1 - sehr gut");
    EXPECT_EQ(NotenZeilenText(0, 6), "Note 6 - ungenügend");
    EXPECT_EQ(NotenZeilenText(3, 1), "Note 5 - sehr gut");
    EXPECT_EQ(NotenZeilenText(3, 5), "Note 1 - mangelhaft");
    EXPECT_EQ(NotenZeilenText(2, 4), "Note 4 - ausreichend");
    for (int s = 0; s < kSkalenAnzahl; ++s)
        EXPECT_EQ(NotenZeileSichtbar(s, 6), s != 1 && s != 3) << s;
    EXPECT_EQ(PunkteZeilenText(15), "15 Punkte");
    EXPECT_EQ(PunkteZeilenText(1), "1 Punkt");
    EXPECT_EQ(PunkteZeilenText(0), "0 Punkte");
    EXPECT_FALSE(PunkteZeileSichtbar(4, 13));
    EXPECT_TRUE(PunkteZeileSichtbar(4, 12));
    EXPECT_TRUE(PunkteZeileSichtbar(2, 15));
}

TEST(NotenskalaEingabe, SkalaWaehlenSetztFeldFuenf)
{
    NotenskalaEingabeTyp e = NotenskalaEingabe(NotenskalaTyp{});
    SkalaWaehlen(e, 1);
    EXPECT_EQ(e.Note[5], "0,0");
    SkalaWaehlen(e, 0);
    EXPECT_EQ(e.Note[5], "25,0");
    e.Note[5] = "20,0";
    SkalaWaehlen(e, 0);   // only a zero is replaced
    EXPECT_EQ(e.Note[5], "20,0");
    SkalaWaehlen(e, 2);
    EXPECT_EQ(e.Skala, 2);
    EXPECT_EQ(e.Note[5], "20,0");
}

struct PruefFall
{
    const char *name;
    std::function<void(NotenskalaEingabeTyp &)> aendern;
    const char *meldung;   // empty: accepted
};

void PrintTo(const PruefFall &f, std::ostream *os)
{
    *os << f.name;
}

class NotenskalaPruefung_ : public ::testing::TestWithParam<PruefFall>
{};

TEST_P(NotenskalaPruefung_, ErsterVerstossWirdGemeldet)
{
    NotenskalaEingabeTyp e = NotenskalaEingabe(NotenskalaTyp{});
    GetParam().aendern(e);
    const NotenskalaPruefung p = NotenskalaPruefen(e);
    const QString erwartet = QString::fromUtf8(GetParam().meldung);
    EXPECT_EQ(p.Ok, erwartet.isEmpty());
    if (!erwartet.isEmpty()) {
        EXPECT_EQ(p.Meldung, "Alle Werte müssen im Bereich von 0 bis 100% liegen.\r\n" + erwartet);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, NotenskalaPruefung_,
    ::testing::Values(
        PruefFall{"Vorgaben", [](NotenskalaEingabeTyp &) {}, ""},
        PruefFall{"GleicheWerteErlaubt", [](NotenskalaEingabeTyp &e) { e.Note[2] = "85"; }, ""},
        PruefFall{"NoteUeber100", [](NotenskalaEingabeTyp &e) { e.Note[1] = "100,1"; },
                  "Der Wert für Note 1 darf nicht kleiner sein als der Wert für Note 2."},
        PruefFall{"NoteKleinerAlsNaechste", [](NotenskalaEingabeTyp &e) { e.Note[3] = "71"; },
                  "Der Wert für Note 2 darf nicht kleiner sein als der Wert für Note 3."},
        PruefFall{"NoteNegativ", [](NotenskalaEingabeTyp &e) { e.Note[5] = "-1"; },
                  "Der Wert für Note 5 darf nicht kleiner sein als der Wert für Note 6."},
        PruefFall{"KeineZahl", [](NotenskalaEingabeTyp &e) { e.Note[4] = "vierzig"; },
                  "Der Wert für Note 3 darf nicht kleiner sein als der Wert für Note 4."},
        PruefFall{"NotenVorPunkten",
                  [](NotenskalaEingabeTyp &e) {
                      e.Punkte[7] = "99";
                      e.Note[2] = "90";
                  },
                  "Der Wert für Note 1 darf nicht kleiner sein als der Wert für Note 2."},
        PruefFall{"PunkteKleinerAlsDarunter", [](NotenskalaEingabeTyp &e) { e.Punkte[7] = "61"; },
                  "Der Wert für 8 Punkte darf nicht kleiner sein als der Wert für 7 Punkte."},
        PruefFall{"PunkteUeber100", [](NotenskalaEingabeTyp &e) { e.Punkte[15] = "101"; },
                  "Der Wert für 15 Punkte darf nicht kleiner sein als der Wert für 14 Punkte."},
        PruefFall{"PunkteEinsUnterNull", [](NotenskalaEingabeTyp &e) { e.Punkte[1] = "-0,5"; },
                  "Der Wert für 1 Punkte darf nicht kleiner sein als der Wert für 0 Punkte."},
        PruefFall{"Skala4PrueftNurBis12",
                  [](NotenskalaEingabeTyp &e) {
                      e.Skala = 4;
                      e.Punkte[14] = "10";
                  },
                  ""},
        PruefFall{"Skala4Zwoelf",
                  [](NotenskalaEingabeTyp &e) {
                      e.Skala = 4;
                      e.Punkte[12] = "200";
                  },
                  "Der Wert für 12 Punkte darf nicht kleiner sein als der Wert für 11 Punkte."}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(NotenskalaEingabe, UebernehmenAuchVerborgeneZeilenUndUnveraenderteExakt)
{
    NotenskalaTyp alt;
    alt.NoteMinQuote[2] = 0.7000000000000001;   // shown as "70,0"
    NotenskalaEingabeTyp e = NotenskalaEingabe(alt);
    e.Note[1] = "90";
    e.Punkte[14] = "91,5";   // hidden on scale 4, taken over all the same
    e.Punkte[3] = "kaputt";  // never stored as a number it is not
    e.Skala = 4;
    const NotenskalaTyp neu = NotenskalaUebernehmen(e, alt);
    EXPECT_EQ(neu.NoteMinQuote[1], 0.9);
    EXPECT_EQ(neu.NoteMinQuote[2], 0.7000000000000001);
    EXPECT_EQ(neu.PunkteMinQuote[14], 0.915);
    EXPECT_EQ(neu.PunkteMinQuote[3], alt.PunkteMinQuote[3]);
    EXPECT_EQ(neu.BewertSkala, 4);
    // the fixed ends stay
    EXPECT_EQ(neu.NoteMinQuote[0], 1.0);
    EXPECT_EQ(neu.NoteMinQuote[6], 0.0);
    EXPECT_EQ(neu.PunkteMinQuote[0], 0.0);
    EXPECT_EQ(neu.PunkteMinQuote[16], 1.0);
}

TEST(NotenskalaEingabe, VerweigerungBeiSperreUndWaehrendEinerUebung)
{
    NotenskalaZustand z;
    EXPECT_EQ(NotenskalaVerweigerung(z), "");
    z.Laeuft = true;
    EXPECT_EQ(NotenskalaVerweigerung(z), "Die Noten-/Punkteskala kann während einer Übung nicht geändert werden.");
    z.Gesperrt = true;
    EXPECT_EQ(NotenskalaVerweigerung(z), NotenskalaGesperrtText());
}

// --- the scale picture ----------------------------------------------------

namespace {

bool Nahe(QColor a, QColor b, int toleranz = 24)
{
    return std::abs(a.red() - b.red()) <= toleranz && std::abs(a.green() - b.green()) <= toleranz
        && std::abs(a.blue() - b.blue()) <= toleranz;
}

// The colour in the middle of a range, at the bar's left side (clear of the grade number).
QColor FarbeBei(const QImage &bild, double unten, double oben)
{
    const SkalaBildGeometrie g = SkalaBildAufteilung(bild.size());
    const int y = (g.Hoehe(unten) + g.Hoehe(oben)) / 2;
    return bild.pixelColor(g.Balken.left() + 3, y);
}

} // namespace

TEST(Notenskalabild, AbschnitteJeSkala)
{
    const auto a0 = SkalaAbschnitte(Skala(0));
    ASSERT_EQ(a0.size(), 6u);
    EXPECT_EQ(a0[0].Note, 1);
    EXPECT_EQ(a0[0].Oben, 1.0);
    EXPECT_EQ(a0[5].Note, 6);
    EXPECT_EQ(a0[5].Unten, 0.0);
    EXPECT_EQ(a0[5].Oben, 0.25);

    // scales 1 and 3: the lowest grade reaches down to 0 %
    const auto a1 = SkalaAbschnitte(Skala(1));
    ASSERT_EQ(a1.size(), 5u);
    EXPECT_EQ(a1[4].Unten, 0.0);
    EXPECT_EQ(a1[4].Oben, 0.40);
    const auto a3 = SkalaAbschnitte(Skala(3));
    ASSERT_EQ(a3.size(), 5u);
    EXPECT_EQ(a3[0].Note, 5);
    EXPECT_EQ(a3[4].Note, 1);
    EXPECT_EQ(a3[4].Farbe, SkalaFarbe(5));

    // points: 15 … 0; scale 4 lets 12 points reach 100 %
    const auto a2 = SkalaAbschnitte(Skala(2));
    ASSERT_EQ(a2.size(), 16u);
    EXPECT_EQ(a2[0].Note, 15);
    EXPECT_EQ(a2[0].Farbe, SkalaFarbe(1));
    EXPECT_EQ(a2[3].Note, 12);
    EXPECT_EQ(a2[3].Farbe, SkalaFarbe(2));
    EXPECT_EQ(a2[15].Farbe, SkalaFarbe(6));
    const auto a4 = SkalaAbschnitte(Skala(4));
    ASSERT_EQ(a4.size(), 13u);
    EXPECT_EQ(a4[0].Note, 12);
    EXPECT_EQ(a4[0].Unten, 0.80);
    EXPECT_EQ(a4[0].Oben, 1.0);
    EXPECT_EQ(a4[0].Farbe, SkalaFarbe(2));   // colour number (18 - p) div 3 on both point scales
}

TEST(Notenskalabild, UnsinnigeGrenzenErgebenKeineLeerenOderUmgekehrtenFelder)
{
    NotenskalaTyp s;
    s.NoteMinQuote = {1.0, 1.5, 0.7, 0.8, -3.0, 0.25, 0.0};
    for (const SkalaAbschnitt &a : SkalaAbschnitte(s)) {
        EXPECT_GE(a.Unten, 0.0);
        EXPECT_LE(a.Oben, 1.0);
        EXPECT_LT(a.Unten, a.Oben);
    }
    const QImage bild = NotenskalaBild(s, std::nan(""), QSize(150, 200), Qt::white);
    EXPECT_EQ(bild.size(), QSize(150, 200));
}

TEST(Notenskalabild, FarbenStehenAufDerHoeheIhrerGrenzen)
{
    const QColor grau(240, 240, 240);
    for (int skala = 0; skala < kSkalenAnzahl; ++skala) {
        const NotenskalaTyp s = Skala(skala);
        const QImage bild = NotenskalaBild(s, 0.5, QSize(160, 320), grau);
        for (const SkalaAbschnitt &a : SkalaAbschnitte(s))
            EXPECT_TRUE(Nahe(FarbeBei(bild, a.Unten, a.Oben), a.Farbe)) << "Skala " << skala << " Note " << a.Note;
        // background around the picture, left of the tick
        EXPECT_TRUE(Nahe(bild.pixelColor(2, 2), grau, 2));
    }
}

TEST(Notenskalabild, StrichAufDerHoeheDerLeistung)
{
    const QImage bild = NotenskalaBild(Skala(0), 0.6, QSize(160, 320), Qt::white);
    const SkalaBildGeometrie g = SkalaBildAufteilung(bild.size());
    const int y = g.Hoehe(0.6);
    EXPECT_TRUE(Nahe(bild.pixelColor(g.Balken.left() - 5, y), Qt::black, 40));
    EXPECT_TRUE(Nahe(bild.pixelColor(g.Balken.left() - 5, g.Hoehe(0.3)), Qt::white, 2));
    // the value is written left of the tick, on its height
    int dunkel = 0;
    for (int x = 0; x < g.Balken.left() - 12; ++x)
        for (int dy = -3; dy <= 3; ++dy)
            dunkel += bild.pixelColor(x, y + dy).lightness() < 128;
    EXPECT_GT(dunkel, 5);
}
