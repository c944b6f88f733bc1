// Mouse and keyboard on the exercise panel, where the elements stand, what
// the instruction line says and what the view draws of the run.

#include "Uebungstesthilfen.h"

#include "learnview/TextLayouts.h"

#include <gtest/gtest.h>

using namespace kalumo;
using namespace kalumo::test;

namespace {

constexpr int kTab = 0x01000001, kReturn = 0x01000004, kRechts = 0x01000014, kLeer = 0x20, kEscape = 0x01000000;

int Gruen(const QImage &bild, QRect r)
{
    int n = 0;
    r &= bild.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            n += (c.green() > 150 && c.red() < 100 && c.blue() < 100) ? 1 : 0;
        }
    return n;
}

} // namespace

TEST(UebungEingabe, KartenstapelVonUntenNachOben)
{
    std::vector<Etikett> viele;
    for (int i = 0; i < 14; ++i)
        viele.push_back({QStringLiteral("E%1").arg(i), 0.05 + 0.06 * i, 0.5});
    Testlauf t(Etikettenseite(viele), QSize(1000, 600));
    ASSERT_TRUE(t.Starten(Einst(abfFrei, 0, 0, 0, 0)));
    const auto &liste = t.u->AbfrageListe();
    // the last entry lies lowest, right in the card column
    const UebElement *letzte = t.Sichtbar(ElementArt::Karte, liste.back().Karte);
    ASSERT_TRUE(letzte);
    EXPECT_EQ(letzte->Rechteck, QRect(1000 - 180, 600 - 48, 180, 46));
    const UebElement *vorletzte = t.Sichtbar(ElementArt::Karte, liste[liste.size() - 2].Karte);
    EXPECT_EQ(vorletzte->Rechteck.top(), 600 - 2 * 48);
    // a card that would start above 100 pixels begins a new pile, 12 further left and 7 higher
    const int jeStapel = (600 - 100) / 48;   // tops 552, 504, ... 120
    const UebElement *neu = t.Sichtbar(ElementArt::Karte, liste[liste.size() - 1 - size_t(jeStapel)].Karte);
    EXPECT_EQ(neu->Rechteck.topLeft(), QPoint(1000 - 180 - 12, 600 - 7 - 48));
}

TEST(UebungEingabe, TastaturZiehtKarteAufEinZiel)
{
    Testlauf t(Beispiel(QStringLiteral("Blütenpflanze.kal")));
    ASSERT_TRUE(t.Starten(Einst(abfFrei, 0, 0, 0, 0)));
    EXPECT_TRUE(t.u->Taste(kTab));
    const UebElement *karte = t.u->Element(t.u->Fokus());
    ASSERT_TRUE(karte);
    EXPECT_EQ(karte->Art, ElementArt::Karte);
    // the arrows choose a target; it is framed
    EXPECT_TRUE(t.u->Taste(kRechts));
    const int erstes = t.u->AusgewaehltesZiel();
    EXPECT_GE(erstes, 0);
    EXPECT_FALSE(t.u->Auswahlrahmen().isEmpty());
    // Tab moves on among the targets while one is being chosen
    EXPECT_TRUE(t.u->Taste(kTab));
    EXPECT_NE(t.u->AusgewaehltesZiel(), erstes);
    EXPECT_TRUE(t.u->Taste(kEscape));
    EXPECT_TRUE(t.u->Auswahlrahmen().isEmpty());
    // choose the card's own target and drop it with Enter
    const int soll = karte->Objekt;
    EXPECT_TRUE(t.u->Taste(kReturn));   // Enter on a card starts the choice
    for (int i = 0; i < 5 && t.u->AusgewaehltesZiel() != soll; ++i)
        t.u->Taste(kRechts);
    ASSERT_EQ(t.u->AusgewaehltesZiel(), soll);
    EXPECT_TRUE(t.u->Taste(kReturn));
    EXPECT_EQ(t.u->LetzteEntscheidung().Richtig, std::optional<bool>(true));
    EXPECT_EQ(t.Zustand(soll), abgAufgedeckt);
    EXPECT_TRUE(t.u->Auswahlrahmen().isEmpty());
}

TEST(UebungEingabe, TastaturInDenKorb)
{
    Testlauf t(Beispiel(QStringLiteral("Cluster Tiere.kal")));
    ASSERT_TRUE(t.Starten(Einst()));
    ASSERT_TRUE(t.u->Taste(kTab));
    const int karte = t.u->Element(t.u->Fokus())->Objekt;
    const int korb = t.dok.Objekte[size_t(karte)].KorbSpalte + 1;
    for (int i = 0; i < 3 && t.u->AusgewaehlterKorb() != korb; ++i)
        t.u->Taste(kRechts);
    ASSERT_EQ(t.u->AusgewaehlterKorb(), korb);
    EXPECT_FALSE(t.u->Auswahlrahmen().isEmpty());
    EXPECT_TRUE(t.u->Taste(kReturn));
    EXPECT_EQ(t.u->LetzteEntscheidung().Richtig, std::optional<bool>(true));
}

TEST(UebungEingabe, TastaturKreuztAnUndPrueft)
{
    Testlauf t(Beispiel(QStringLiteral("Multiple Choice Formen und Tiere.kal")));
    ASSERT_TRUE(t.Starten(Einst(abfFrei, 0, 0, 0, 0)));
    int angekreuzt = 0;
    for (int schritt = 0; schritt < 10; ++schritt) {
        ASSERT_TRUE(t.u->Taste(kTab));
        const UebElement *e = t.u->Element(t.u->Fokus());
        ASSERT_TRUE(e);
        if (e->Art == ElementArt::Ankreuzfeld && t.dok.Objekte[size_t(e->Objekt)].Cap == "+") {
            EXPECT_TRUE(t.u->Taste(kLeer));
            EXPECT_TRUE(t.u->Element(t.u->Fokus())->Angekreuzt());
            ++angekreuzt;
        }
        if (e->Art == ElementArt::Weiter) {
            EXPECT_TRUE(t.u->Taste(kReturn));
            break;
        }
    }
    EXPECT_EQ(angekreuzt, 2);
    EXPECT_EQ(t.u->LetzteEntscheidung().Richtig, std::optional<bool>(true));
}

TEST(UebungEingabe, FehlgriffeUndTreffer)
{
    // two targets close together: the card's left edge middle decides
    Testlauf t(Etikettenseite({{"links", 0.3, 0.5}, {"rechts", 0.34, 0.5}, {"weit", 0.8, 0.9}}));
    ASSERT_TRUE(t.Starten(Einst()));
    const UebElement *karte = t.Sichtbar(ElementArt::Karte, 0);
    const QPoint griff = karte->Rechteck.center();
    const QPoint versatz = griff - karte->Rechteck.topLeft();
    const QPoint a = *t.u->Zielmitte(0), b = *t.u->Zielmitte(1);
    ASSERT_LT(a.x(), b.x());
    // the left edge's middle on "links", the card overlapping "rechts" too
    t.u->MausDruck(griff, Maustaste::Links);
    t.u->MausBewegung(QPoint(a.x(), a.y() - karte->Rechteck.height() / 2) + versatz, true);
    EXPECT_EQ(t.u->AusgewaehltesZiel(), 0);
    // released with the right button: never judged, the card lies where it was let go
    const QRect dort = t.Sichtbar(ElementArt::Karte, 0)->Rechteck;
    EXPECT_FALSE(t.u->MausLos(dort.center(), Maustaste::Rechts));
    EXPECT_FALSE(t.u->LetzteEntscheidung().Beurteilt);
    EXPECT_EQ(t.Sichtbar(ElementArt::Karte, 0)->Rechteck, dort);
    EXPECT_EQ(t.Zustand(0), abgAusstehend);
    // only overlapping (the card's top over the bottom of "rechts"): the second pass finds it
    t.u->MausDruck(dort.center(), Maustaste::Links);
    t.u->MausBewegung(QPoint(b.x() - 10, b.y() + 10) + versatz, true);
    EXPECT_EQ(t.u->AusgewaehltesZiel(), 1);
    // nowhere: nothing judged, the card stays where it was dropped
    t.u->MausBewegung(QPoint(20, 20) + versatz, true);
    EXPECT_EQ(t.u->AusgewaehltesZiel(), -1);
    t.u->MausLos(QPoint(20, 20) + versatz, Maustaste::Links);
    EXPECT_FALSE(t.u->LetzteEntscheidung().Beurteilt);
    EXPECT_EQ(t.Sichtbar(ElementArt::Karte, 0)->Rechteck.topLeft(), QPoint(20, 20));
    // dragging never leaves the panel
    t.u->MausDruck(QPoint(20, 20) + versatz, Maustaste::Links);
    t.u->MausBewegung(QPoint(-500, -500), true);
    EXPECT_EQ(t.Sichtbar(ElementArt::Karte, 0)->Rechteck.topLeft(), QPoint(0, 0));
    t.u->MausLos(QPoint(-500, -500), Maustaste::Links);
}

TEST(UebungEingabe, AnweisungJeTypUndModus)
{
    struct Fall
    {
        const char *datei;
        int modus;
        const char *text;
    };
    const Fall faelle[] = {
        {"Blütenpflanze.kal", abfEinzelTexte, "Ziehe das Kärtchen an die richtige Position!"},
        {"Kreuzworträtsel.kal", abfEinzelPositionen, "Ziehe das richtige Kärtchen an die markierte Position!"},
        {"Blütenpflanze.kal", abfTexteingabe, ""},
        {"Lückentext Rhein.kal", abfTexteingabe, "Fülle die Textlücken richtig aus!"},
        {"C-Test Jahreszeiten.kal", abfEinzelTexte, "Ziehe den Lückentext an die richtige Position!"},
        {"Cluster Tiere.kal", abfFrei, "Ziehe die Kärtchen in den jeweils richtigen Korb!"},
        {"Einzelfragen Hauptstädte.kal", abfFrei, "Klicke auf die richtige Antwort!"},
        {"Multiple Choice Formen und Tiere.kal", abfFrei, "Markiere alle zutreffenden Antworten!"},
        {"Kreuzzuordnung Länder.kal", abfFrei,
         "Klicke zusammen- gehörige Elemente nacheinander an, um diese mit einer Linie zu verbinden!"},
        {"Wörter finden Namenwörter.kal", abfFrei, "Klicke die richtigen Textstellen an!"},
    };
    for (const Fall &f : faelle) {
        Testlauf t(Beispiel(QString::fromUtf8(f.datei)));
        ASSERT_TRUE(t.Starten(Einst(f.modus))) << f.datei;
        EXPECT_EQ(t.u->Anweisung(), QString::fromUtf8(f.text)) << f.datei;
    }
}

TEST(UebungEingabe, MultipleChoiceKaestchenStehenAnIhrenNeuenPlaetzen)
{
    Testlauf t(Beispiel(QStringLiteral("Multiple Choice Formen und Tiere.kal")));
    ASSERT_TRUE(t.Starten(Einst(abfFrei, 0, 0, 1, 0)));
    const auto &karte = t.ansicht->Antwortzuordnung;
    ASSERT_EQ(karte.size(), t.dok.Objekte.size());
    // every box of a question goes to a box place of the same question
    const int seite = int(std::lround(t.ansicht->PageBitmap.width() * 34.0 / 870));
    int bewegt = 0;
    for (int k : t.ObjekteVon(24)) {
        const int platz = karte[size_t(k)];
        ASSERT_GE(platz, 0);
        EXPECT_EQ(t.dok.Objekte[size_t(platz)].Typ, 24);
        EXPECT_EQ(t.dok.Objekte[size_t(platz)].FrageNummer, t.dok.Objekte[size_t(k)].FrageNummer);
        EXPECT_EQ(karte[size_t(k + 1)], platz + 1);   // the answer text moves with its box
        bewegt += platz != k ? 1 : 0;
        if (const UebElement *e = t.Sichtbar(ElementArt::Ankreuzfeld, k)) {
            const ObjDataTyp &p = t.dok.Objekte[size_t(platz)];
            const QPointF q = t.ansicht->SeiteZuAnsicht(QPointF(p.Kx, p.Ky));
            EXPECT_EQ(e->Rechteck.left(), int(std::lround(q.x())) + 10);
            EXPECT_EQ(e->Rechteck.size(), QSize(seite, seite));
            // the view drew the answer text at the new place too
            const ObjDataTyp &text = t.dok.Objekte[size_t(k + 1)];
            const ObjDataTyp &ort = t.dok.Objekte[size_t(platz + 1)];
            if (text.FrageNummer == t.ansicht->AktFrageNummer)
                EXPECT_NEAR((text.KartRect[1] + text.KartRect[3]) / 2, ort.Ky, 0.03);
        }
    }
    EXPECT_GT(bewegt, 0);
    t.meldungen.AntwortVormerken(Antwort::Ja);
    t.u->UebungAbbrechen();
    EXPECT_TRUE(t.ansicht->Antwortzuordnung.empty());
}

TEST(UebungEingabe, DieAnsichtZeichnetHakenUndZielpunkte)
{
    Testlauf t(Beispiel(QStringLiteral("Blütenpflanze.kal")));
    ASSERT_TRUE(t.Starten(Einst(abfFrei, 1)));
    const auto &o = t.dok.Objekte[0];
    const QRect punkt(t.ansicht->SeiteZuAnsicht(QPointF(o.KartRect[0], o.KartRect[1])).toPoint(),
                      t.ansicht->SeiteZuAnsicht(QPointF(o.KartRect[2], o.KartRect[3])).toPoint());
    // a target point of round(30 s) pixels
    const double s = t.ansicht->PageBitmap.width() / 870.0;
    EXPECT_NEAR(punkt.width(), 30 * s, 1.5);
    EXPECT_EQ(Gruen(t.ansicht->ViewBitmap, punkt), 0);
    KarteAufZiel(*t.u, 0, 0);
    ASSERT_EQ(t.Zustand(0), abgGeloest);
    const QRect haken(t.ansicht->SeiteZuAnsicht(QPointF(o.KartRect[0], o.KartRect[1])).toPoint(), QSize(44, 38));
    EXPECT_GT(Gruen(t.ansicht->ViewBitmap, haken), 30);
}

TEST(UebungEingabe, ZeigerUndKreuzflaechen)
{
    Testlauf t(Beispiel(QStringLiteral("Kreuzzuordnung Länder.kal")));
    ASSERT_TRUE(t.Starten(Einst()));
    int flaechen = 0;
    for (const UebElement &e : t.u->Elemente()) {
        ASSERT_EQ(e.Art, ElementArt::Kreuzflaeche);
        EXPECT_EQ(e.Rechteck.size(), QSize(40, 40));
        EXPECT_EQ(t.u->ZeigerFuer(e.Rechteck.center()), Zeigerform::Handpunkt);
        // beside the element's card point: right of it for even list places, left of it for odd
        const ObjDataTyp &o = t.dok.Objekte[size_t(e.Objekt)];
        const QPointF q = t.ansicht->SeiteZuAnsicht(QPointF(o.Kx, o.Ky));
        EXPECT_NEAR(e.Rechteck.top(), q.y() - 20, 1.0);
        if (o.KAusr != 5)
            EXPECT_NEAR(e.Rechteck.left(), e.Platz % 2 == 0 ? q.x() + 9 : q.x() - 50, 1.0);
        ++flaechen;
    }
    EXPECT_EQ(flaechen, 12);
    EXPECT_EQ(t.u->ZeigerFuer(QPoint(2, 2)), Zeigerform::Standard);
}
