// The table from document type to its page layout: what kind of page a
// header says, that each layout makes only the kinds its row names, and that
// the view draws what the current row says (after a change of type too).

#include "Lernansichtshilfen.h"

#include "document/DokumentDateien.h"
#include "learnview/Seitenlayouts.h"
#include "learnview/TextLayouts.h"
#include "learnview/Zeichenhilfen.h"
#include "platform/Meldungen.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace kalumo;
using namespace kalumo::test;

TEST(Seitenlayouts, ArtUndSchrittJeDokumenttyp)
{
    struct Fall { int typ, unter; Seitenart art; Layoutschritt schritt; bool fragen; };
    const Fall faelle[] = {
        {dokBildbeschriftung, 0, Seitenart::Bildseite, Layoutschritt::Keiner, false},
        {dokLueckentext, subLueckentext, Seitenart::Lueckentext, Layoutschritt::UmDieObjekte, false},
        {dokLueckentext, subCTestFalschwoerter, Seitenart::Lueckentext, Layoutschritt::UmDieObjekte, false},
        {dokLueckentext, subTabelle, Seitenart::Tabelle, Layoutschritt::UmDieObjekte, false},
        // a subtype a file may carry beyond the known ones counts as cloze text
        {dokLueckentext, 9, Seitenart::Lueckentext, Layoutschritt::UmDieObjekte, false},
        {dokEinzelfragen, 0, Seitenart::Einzelfragen, Layoutschritt::VorDemHintergrund, true},
        {dokMultipleChoice, 0, Seitenart::MultipleChoice, Layoutschritt::VorDemHintergrund, true},
        {dokCluster, 0, Seitenart::Cluster, Layoutschritt::UmDieObjekte, false},
        {dokKreuzZuordnung, 0, Seitenart::KreuzZuordnung, Layoutschritt::UmDieObjekte, false},
        {dokKreuzwortraetsel, 0, Seitenart::Kreuzwortraetsel, Layoutschritt::UmDieObjekte, false},
        {dokWoerterFinden, 0, Seitenart::WoerterFinden, Layoutschritt::UmDieObjekte, false},
        // a type from a newer or broken file is shown as a plain image page
        {8, 0, Seitenart::Bildseite, Layoutschritt::Keiner, false},
        {-1, 0, Seitenart::Bildseite, Layoutschritt::Keiner, false},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(testing::Message() << f.typ << "/" << f.unter);
        HeaderDataTyp kopf;
        kopf.DokTyp = f.typ;
        kopf.DokUnterTyp = f.unter;
        const Seitenlayout &s = SeitenlayoutVon(kopf);
        EXPECT_EQ(s.Art, f.art);
        EXPECT_EQ(SeitenartVon(kopf), f.art);
        EXPECT_EQ(s.Schritt, f.schritt);
        EXPECT_EQ(s.Fragenseiten, f.fragen);
        // a page with a layout knows its kinds, a page without one has none
        EXPECT_EQ(s.Layout != nullptr, f.schritt != Layoutschritt::Keiner);
        EXPECT_EQ(s.EigeneArt != nullptr, f.schritt != Layoutschritt::Keiner);
    }
}

// Every example: the layout of its row makes objects only of the kinds that
// row names, so that the check for missing layouts after reading (and the
// worksheets that ask the table) see exactly what the layout made.
TEST(Seitenlayouts, JedesLayoutMachtNurSeineArten)
{
    const QDir ordner(QStringLiteral(KALUMO_BEISPIELE_ORDNER));
    const QStringList dateien = ordner.entryList({QStringLiteral("*.kal")}, QDir::Files);
    ASSERT_GE(dateien.size(), 8);
    int mitLayout = 0;
    for (const QString &name : dateien) {
        SCOPED_TRACE(name.toStdString());
        SkriptMeldungen meldungen;
        EinfacheDokumentDienste dienste(meldungen);
        Dokument dok;
        ASSERT_TRUE(DokumentLesen(dok, dienste, ordner.filePath(name), true));
        const Seitenlayout &s = SeitenlayoutVon(dok.Kopf);
        TextLayoutsNeuAufbauen(dok);
        // the pages of single questions are stored and read, not made again
        const bool gespeichert = s.Art == Seitenart::Einzelfragen;
        int gemacht = 0;
        for (const ObjDataTyp &o : dok.Objekte) {
            if (!o.Generiert && !gespeichert)
                continue;
            ++gemacht;
            ASSERT_NE(s.EigeneArt, nullptr);
            EXPECT_TRUE(s.EigeneArt(o.Typ)) << "kind " << o.Typ;
        }
        if (s.Layout) {
            ++mitLayout;
            EXPECT_GT(gemacht, 0);
            EXPECT_FALSE(TextLayoutsFehlen(dok));
        }
    }
    EXPECT_GE(mitLayout, 7);
}

// The baskets of a cluster page belong to its row: the same page as an image
// page shows the plain background, and as cloze text it gets no cards.
TEST(Seitenlayouts, DieAnsichtFolgtDerZeileDesAktuellenTyps)
{
    Dokument dok = Seite(870, 609, Qt::white);
    dok.Kopf.DokTyp = dokCluster;
    dok.Kopf.EinrueckRand = StandardEinrueckRand(dokCluster);
    dok.Kopf.LueckenTabelleZeilen = 1;
    dok.Kopf.LueckenTabelleSpalten = 2;
    dok.Kopf.LueckentabelleSpaltenHtgd[0] = {0x0000FF, 100}; // red, opaque
    dok.Kopf.LueckenTabelle[0][0].Text = QStringLiteral("Korb");
    auto lv = Ansicht(dok);
    lv->Haken = &StandardTextLayouts();
    TextLayoutsNeuAufbauen(*lv);
    lv->RebuildView();
    const QPoint korb(Runden(870 * 0.2), Runden(609 * 0.9));
    EXPECT_TRUE(FarbeIst(lv->BackgroundBitmap, korb, QColor(255, 0, 0)));
    ASSERT_EQ(dok.Objekte.size(), 1u);

    dok.Kopf.DokTyp = dokBildbeschriftung;
    lv->RebuildView();
    EXPECT_TRUE(FarbeIst(lv->BackgroundBitmap, korb, Qt::white));

    dok.Kopf.DokTyp = dokLueckentext;
    dok.Kopf.lueckentext = QStringLiteral("Ein <<Wort>>.");
    ObjektLoeschen(dok, 0);
    TextLayoutsNeuAufbauen(*lv);
    ASSERT_EQ(dok.Objekte.size(), 1u);
    EXPECT_EQ(dok.Objekte[0].Typ, objAbfrageLuecke);
}

// A change of the page ratio (the page-ratio dialog applies it) reruns the
// layouts: crossword letters and cluster and cross-matching cards stand
// where a fresh layout of the new page puts them, not where they stood on
// the old page.
TEST(Seitenlayouts, SeitenverhaeltnisLaesstGenerierteObjekteFolgen)
{
    for (const char *name : {"Kreuzworträtsel.kal", "Cluster Tiere.kal", "Kreuzzuordnung Länder.kal"}) {
        SCOPED_TRACE(name);
        StderrMeldungen meldungen;
        EinfacheDokumentDienste dienste(meldungen);
        Dokument dok;
        ASSERT_TRUE(DokumentLesen(dok, dienste, QStringLiteral(KALUMO_BEISPIELE_ORDNER "/") + QString::fromUtf8(name), true));
        const QSize groesse(870, 609);
        Lernansicht lv(dok, QStringLiteral("Arial"));
        lv.Ansichtsgroesse = groesse;
        lv.RebuildView();
        TextLayoutsNeuAufbauen(lv);
        auto generiert = [](const Dokument &d) {
            std::vector<QPointF> orte;
            for (const ObjDataTyp &o : d.Objekte)
                if (o.Generiert)
                    orte.emplace_back(o.Kx, o.Ky);
            return orte;
        };
        const std::vector<QPointF> vorher = generiert(dok);
        ASSERT_FALSE(vorher.empty());

        dok.Kopf.SeitenverhaeltnisArt = 1;
        dok.Kopf.SeitRatioBreite = 10;
        dok.Kopf.SeitRatioHoehe = 12;
        LernansichtNeuaufbau neuaufbau(lv);
        SeiteAnwenden(dok, true, &neuaufbau);
        EXPECT_TRUE(dok.Kopf.Geaendert);

        Dokument frisch = dok;
        Lernansicht lf(frisch, QStringLiteral("Arial"));
        lf.Ansichtsgroesse = groesse;
        lf.RebuildView();
        TextLayoutsNeuAufbauen(lf);
        const std::vector<QPointF> nachher = generiert(dok), erwartet = generiert(frisch);
        ASSERT_EQ(nachher.size(), erwartet.size());
        bool bewegt = false;
        for (size_t i = 0; i < nachher.size(); ++i) {
            EXPECT_NEAR(nachher[i].x(), erwartet[i].x(), 1e-3);
            EXPECT_NEAR(nachher[i].y(), erwartet[i].y(), 1e-3);
            if (i < vorher.size())
                bewegt = bewegt || std::abs(nachher[i].y() - vorher[i].y()) > 1e-3;
        }
        // the crossword's squares keep their shape, so its letters move on a taller page
        if (QString::fromUtf8(name).startsWith("Kreuzwort"))
            EXPECT_TRUE(bewegt);
    }
}
