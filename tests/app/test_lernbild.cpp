// The picture area and the tool bar of the learning view, driven by mouse
// events offscreen: uncovering, the middle button, panning at the edge,
// drawing, the text field, the tool bar's buttons, menus and messages, the
// cover sheet, and a screenshot of a drawn-on document.

#include "learnview/Lernansichtshilfen.h"

#include "app/Mauszeiger.h"
#include "app/TAbdeckblatt.h"
#include "app/TLernbild.h"
#include "app/TWerkzeugleiste.h"
#include "document/DokumentDateien.h"
#include "learnview/Abdeckblatt.h"
#include "platform/Dateidialoge.h"
#include "platform/Meldungen.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <set>

using namespace kalumo;
using namespace kalumo::test;

namespace {

const QColor kDeckblau(202, 228, 255);

// Picture area and tool bar side by side, as in the main window.
struct Aufbau
{
    Sitzung sitzung{QDir::tempPath()};
    Dokument &dok = sitzung.Dok();
    Lernansicht *lv = &sitzung.Ansicht();
    SkriptMeldungen meldungen;
    SkriptDateidialoge dialoge;
    QWidget fenster;
    TLernbild *bild = nullptr;
    TWerkzeugleiste *leiste = nullptr;

    explicit Aufbau(Dokument d = Seite(870, 609, Qt::white))
    {
        dok = std::move(d);
        auto *zeile = new QHBoxLayout(&fenster);
        zeile->setContentsMargins(0, 0, 0, 0);
        bild = new TLernbild(sitzung, &fenster);
        leiste = new TWerkzeugleiste(*bild, meldungen, dialoge, SymbolstempelTyp{}, &fenster);
        zeile->addWidget(bild, 1);
        zeile->addWidget(leiste);
        QObject::connect(bild, &TLernbild::GroesseGeaendert, bild, [this](QSize g) {
            lv->Ansichtsgroesse = g;
            bild->Logik().Neuaufbau();
            bild->Aktualisieren();
        });
        fenster.resize(870 + TWerkzeugleiste::kBreite, 609);
        fenster.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&fenster));
        lv->Ansichtsgroesse = bild->size();
        bild->Logik().Neuaufbau();
    }
    // A view point in widget coordinates.
    QPoint W(QPoint ansicht) const { return ansicht + bild->Bildversatz(); }
    QRect Karte(int i) const { return lv->KartenPixel(dok.Objekte[size_t(i)]).translated(-lv->AnsichtsVersatz()); }
};

void Maus(QWidget *w, QEvent::Type art, QPoint p, Qt::MouseButton knopf, Qt::MouseButtons gehalten)
{
    QMouseEvent e(art, QPointF(p), QPointF(w->mapToGlobal(p)), knopf, gehalten, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void Klick(QWidget *w, QPoint p, Qt::MouseButton knopf = Qt::LeftButton)
{
    Maus(w, QEvent::MouseButtonPress, p, knopf, knopf);
    Maus(w, QEvent::MouseButtonRelease, p, knopf, Qt::NoButton);
}

void Ziehen(QWidget *w, QPoint von, QPoint nach, Qt::MouseButton knopf = Qt::LeftButton, int schritte = 8)
{
    Maus(w, QEvent::MouseButtonPress, von, knopf, knopf);
    for (int i = 1; i <= schritte; ++i)
        Maus(w, QEvent::MouseMove, von + (nach - von) * i / schritte, Qt::NoButton, knopf);
    Maus(w, QEvent::MouseButtonRelease, nach, knopf, Qt::NoButton);
}

Dokument ZweiFelder()
{
    Dokument dok = Seite(870, 609, Qt::white);
    Objekt(dok, objAbfrageBeschriftung, 0.3, 0.3, "Blatt");
    Objekt(dok, objAbfrageBeschriftung, 0.7, 0.7, "Wurzel");
    return dok;
}

} // namespace

TEST(Lernbild, KlickDecktAufUndWiederZuMittlereTasteAuchMitStift)
{
    Aufbau a(ZweiFelder());
    const QRect k0 = a.Karte(0), k1 = a.Karte(1);
    ASSERT_GT(Zaehlen(a.lv->ViewBitmap, k0, kDeckblau), 0);
    Klick(a.bild, a.W(k0.center()));
    EXPECT_EQ(a.dok.Objekte[0].Abgedeckt, abgAufgedeckt);
    EXPECT_EQ(a.dok.Objekte[1].Abgedeckt, abgAbgedeckt);
    const QImage bildschirm = a.bild->grab().toImage();
    EXPECT_EQ(Zaehlen(bildschirm, k0.translated(a.bild->Bildversatz()), kDeckblau), 0);
    Klick(a.bild, a.W(k0.center()));
    EXPECT_EQ(a.dok.Objekte[0].Abgedeckt, abgAbgedeckt);

    a.leiste->StiftWaehlen(1);
    ASSERT_EQ(a.bild->Logik().Werkzeug(), wzStift);
    Klick(a.bild, a.W(k1.center()), Qt::MiddleButton);
    EXPECT_EQ(a.dok.Objekte[1].Abgedeckt, abgAufgedeckt);
    // a click on an empty place does nothing
    const auto zaehler = a.lv->Aufbauzaehler;
    a.leiste->WerkzeugWaehlen(wzZeiger);
    Klick(a.bild, a.W({10, 590}));
    EXPECT_EQ(a.lv->Aufbauzaehler, zaehler);
}

TEST(Lernbild, VerschiebenStopptAmRandUndAendertKeineGroesse)
{
    Aufbau a(ZweiFelder());
    a.leiste->ZoomWaehlen(4);
    const QSize fenster = a.fenster.size(), bild = a.bild->size(), raster = a.lv->ViewBitmap.size();
    const double ww = a.lv->ViewWindow[2] - a.lv->ViewWindow[0];
    Ziehen(a.bild, a.W({600, 400}), a.W({-3000, -3000}), Qt::RightButton);
    EXPECT_NEAR(a.lv->ViewWindow[0], 1.0 - ww, 1e-9);
    EXPECT_NEAR(a.lv->ViewWindow[2] - a.lv->ViewWindow[0], ww, 1e-9);
    a.leiste->WerkzeugWaehlen(wzHand);
    Ziehen(a.bild, a.W({100, 100}), a.W({4000, 4000}));
    EXPECT_NEAR(a.lv->ViewWindow[0], 0.0, 1e-9);
    EXPECT_NEAR(a.lv->ViewWindow[1], 0.0, 1e-9);
    EXPECT_EQ(a.fenster.size(), fenster);
    EXPECT_EQ(a.bild->size(), bild);
    EXPECT_EQ(a.lv->ViewBitmap.size(), raster);
}

TEST(Lernbild, StiftZeichnetUndZoomenEntferntZeichnungUndUndo)
{
    Aufbau a;
    a.leiste->StiftWaehlen(1);
    a.leiste->GroesseWaehlen(3);
    Ziehen(a.bild, a.W({100, 300}), a.W({400, 300}));
    const QImage bildschirm = a.bild->grab().toImage();
    EXPECT_TRUE(FarbeIst(bildschirm, a.W({250, 300}), QColor(255, 0, 0), 10));
    a.leiste->ZoomWaehlen(2);
    a.leiste->ZoomWaehlen(0);
    a.leiste->Rueckgaengig();
    EXPECT_EQ(Zaehlen(a.lv->ViewBitmap, {100, 290, 300, 20}, QColor(255, 0, 0), 30), 0);
}

TEST(Lernbild, TextfeldMitEnterUndEscape)
{
    Aufbau a;
    a.leiste->WerkzeugWaehlen(wzText);
    a.leiste->FarbeWaehlen(24);
    Klick(a.bild, a.W({200, 200}));
    QLineEdit *feld = a.bild->Textfeld();
    ASSERT_TRUE(feld->isVisible());
    EXPECT_EQ(feld->toolTip(), "Text übernehmen mit Enter, abbrechen mit ESC");
    const int breiteLeer = feld->width();
    QTest::keyClicks(feld, "Hallo");
    EXPECT_GT(feld->width(), breiteLeer);
    QTest::keyClick(feld, Qt::Key_Return);
    EXPECT_FALSE(feld->isVisible());
    EXPECT_GT(Zaehlen(a.lv->ViewBitmap, {195, 195, 150, 60}, QColor(0, 0, 255), 60), 30);

    Klick(a.bild, a.W({200, 400}));
    QTest::keyClicks(feld, "weg");
    QTest::keyClick(feld, Qt::Key_Escape);
    EXPECT_FALSE(feld->isVisible());
    EXPECT_EQ(Zaehlen(a.lv->ViewBitmap, {195, 395, 150, 60}, QColor(0, 0, 255), 60), 0);
    // another tool hides the field
    Klick(a.bild, a.W({200, 400}));
    a.leiste->WerkzeugWaehlen(wzZeiger);
    EXPECT_FALSE(feld->isVisible());
}

TEST(Werkzeugleiste, GruppenKnoepfeMenuesUndHinweise)
{
    Aufbau a;
    EXPECT_EQ(a.leiste->width(), 118);
    struct Fall { const char *Name; const char *Hinweis; };
    const Fall faelle[] = {
        {"ZeigerBtn", "Zeiger zum Auf- und Abdecken von Abfragefeldern"},
        {"HandBtn", "Bildausschnitt verschieben"},
        {"StiftBtn", "Zeichenstift"},
        {"RadierBtn", "Radierer"},
        {"SymbolBtn", "Symbolstempel"},
        {"TexteingabeBtn", "Text"},
        {"StrichdickeBtn", "Größe"},
        {"FarbeBtn", "Farbe"},
        {"AlleAufdeckenBtn", "Alle Abfragefelder aufdecken"},
        {"MarkEntfBtn", "Alle Zeichnungen entfernen"},
        {"RueckgaengigBtn", "Letzte Zeichenaktion rückgängig machen"},
        {"AbdeckerBtn", "verschiebbares Abdeckblatt ein-/ausblenden"},
        {"ExportBtn", "Ansicht in Bilddatei speichern"},
        {"ClipbordBtn", "Ansicht in Zwischenablage kopieren"},
    };
    for (const Fall &f : faelle) {
        QToolButton *k = a.leiste->Knopf(f.Name);
        ASSERT_NE(k, nullptr) << f.Name;
        EXPECT_EQ(k->toolTip(), QString::fromUtf8(f.Hinweis)) << f.Name;
    }
    EXPECT_EQ(a.leiste->Knopf("AlleAufdeckenBtn")->text(), "Lösung");
    EXPECT_EQ(a.leiste->Menue("StiftMenu")->actions().size(), 10);
    QStringList farben;
    for (QAction *x : a.leiste->Menue("FarbeMenu")->actions())
        farben << (x->isSeparator() ? "-" : x->objectName());
    EXPECT_EQ(farben, (QStringList{"Farbe21", "Farbe28", "Farbe22", "Farbe23", "Farbe27", "Farbe30", "Farbe24",
                                   "Farbe29", "Farbe25", "Farbe26", "-", "Farbe11", "Farbe12", "Farbe13",
                                   "Farbe14"}));
    EXPECT_EQ(a.leiste->Menue("FarbeMenu")->actions().at(11)->text(), "rot - transparent");
    const QList<QAction *> stempel = a.leiste->Menue("SymbolMenu")->actions();
    ASSERT_EQ(stempel.size(), 11);
    EXPECT_EQ(stempel[3]->text(), "Stempel 4");
    EXPECT_EQ(stempel[10]->text(), "Konfig.");
    EXPECT_EQ(a.leiste->Ebene(1)->text(), " Texte && Bilder ");
    EXPECT_TRUE(a.leiste->Knopf("ZeigerBtn")->isChecked());
    EXPECT_TRUE(a.leiste->Knopf("ZoomPan0")->isChecked());
}

TEST(Werkzeugleiste, UeberschriftenUndKnopftexteHabenPlatz)
{
    Aufbau a;
    QApplication::processEvents();
    const QList<QGroupBox *> gruppen = a.leiste->findChildren<QGroupBox *>();
    QStringList titel;
    std::set<int> links;
    for (QGroupBox *g : gruppen) {
        titel << g->title();
        QStyleOptionGroupBox opt;
        opt.initFrom(g);
        opt.text = g->title();
        opt.textAlignment = g->alignment();
        opt.lineWidth = 1;
        opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
        SCOPED_TRACE(g->title().toStdString());
        // the whole heading lies inside its group and the bar
        EXPECT_GE(label.left(), 0);
        EXPECT_LE(label.right(), g->width() - 1);
        EXPECT_LE(g->mapTo(a.leiste, label.topRight()).x(), a.leiste->width() - 1);
        EXPECT_GE(QFontMetrics(g->font()).horizontalAdvance(g->title()), 1);
        EXPECT_LE(QFontMetrics(g->font()).horizontalAdvance(g->title()), label.width());
        links.insert(g->mapTo(a.leiste, label.topLeft()).x());
    }
    EXPECT_TRUE(titel.contains("Werkzeugeinstellung")) << titel.join(", ").toStdString();
    EXPECT_EQ(links.size(), 1u) << "every heading starts at the same place";
    // captions such as "100 %" keep room to the button's border
    for (const char *name : {"ZoomPan0", "ZoomPan2", "ZoomPan4", "NummerModeSort", "NummerModeZufall",
                             "AlleAufdeckenBtn"}) {
        const QToolButton *k = a.leiste->Knopf(name);
        EXPECT_LE(QFontMetrics(k->font()).horizontalAdvance(k->text()) + 2 * TWerkzeugleiste::kKnopfRand,
                  k->width())
            << name;
        EXPECT_GE(k->font().pixelSize(), 7) << name;
    }
    const QString fotos = qEnvironmentVariable("KALUMO_BILDSCHIRMFOTOS");
    if (!fotos.isEmpty())
        a.leiste->grab().toImage().scaled(3 * a.leiste->width(), 3 * a.leiste->height()).save(fotos + "/werkzeugleiste.png");
}

TEST(Werkzeugleiste, AuswahlStiftmenueGroesseUndSperreImEditor)
{
    Aufbau a;
    a.leiste->Menue("StiftMenu")->actions().at(5)->trigger(); // entry 6 is tool 14
    EXPECT_EQ(a.bild->Logik().Werkzeug(), wzRechteckGefuellt);
    EXPECT_TRUE(a.leiste->Knopf("StiftBtn")->isChecked());
    a.leiste->WerkzeugWaehlen(wzHand);
    a.leiste->Menue("StrichdickeMenu")->actions().at(2)->trigger();
    EXPECT_EQ(a.bild->Logik().Werkzeug(), wzRechteckGefuellt);
    EXPECT_EQ(a.bild->Logik().StiftGroesse(), 3);
    // the pen button brings back the pen last chosen in its menu
    a.leiste->WerkzeugWaehlen(wzZeiger);
    a.leiste->Knopf("StiftBtn")->click();
    EXPECT_EQ(a.bild->Logik().Werkzeug(), wzRechteckGefuellt);

    a.leiste->WerkzeugWaehlen(wzZeiger);
    a.dok.ObjekteditorOffen = true;
    for (const char *name : {"StiftBtn", "RadierBtn", "TexteingabeBtn", "SymbolBtn"}) {
        a.meldungen.Leeren();
        a.leiste->Knopf(name)->click();
        EXPECT_EQ(a.bild->Logik().Werkzeug(), wzZeiger) << name;
        ASSERT_EQ(a.meldungen.Gezeigt().size(), 1u) << name;
        EXPECT_EQ(a.meldungen.Gezeigt()[0].Art, MeldungArt::Information);
        EXPECT_EQ(a.meldungen.Gezeigt()[0].Text, "Bitte zuerst den Beschriftungseditor schließen.");
    }
    a.leiste->Knopf("HandBtn")->click();
    EXPECT_EQ(a.bild->Logik().Werkzeug(), wzHand);
}

TEST(Werkzeugleiste, ExportMitFalscherEndungMeldetUndSchreibtNichts)
{
    Aufbau a;
    QTemporaryDir ordner;
    a.dialoge.Antworten.push_back(ordner.filePath("x.gif"));
    a.leiste->Knopf("ExportBtn")->click();
    ASSERT_EQ(a.meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(a.meldungen.Gezeigt()[0].Text, "Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung.");
    EXPECT_TRUE(QDir(ordner.path()).entryList(QDir::Files).isEmpty());
    // with the area tool the selection alone is written
    a.leiste->WerkzeugWaehlen(wzBereich);
    Ziehen(a.bild, a.W({100, 100}), a.W({300, 250}));
    EXPECT_TRUE(a.bild->BereichInfoPan()->isVisible());
    EXPECT_EQ(a.bild->BereichInfoPan()->text(), " (100,100) - (299,249)  B:200 H:150");
    a.fenster.grab().save(QDir::tempPath() + "/lernbild_bereich.png");
    a.dialoge.Antworten.push_back(ordner.filePath("teil.png"));
    a.leiste->Knopf("ExportBtn")->click();
    EXPECT_EQ(QImage(ordner.filePath("teil.png")).size(), QSize(200, 150));
}

TEST(Lernbild, ZeigerJeWerkzeug)
{
    Aufbau a(ZweiFelder());
    Maus(a.bild, QEvent::MouseMove, a.W(a.Karte(0).center()), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(a.bild->cursor().shape(), Qt::PointingHandCursor);
    Maus(a.bild, QEvent::MouseMove, a.W({10, 590}), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(a.bild->cursor().shape(), Qt::BitmapCursor);
    const MauszeigerBild hand = MauszeigerZeichnen(MauszeigerArt::Hand);
    a.leiste->WerkzeugWaehlen(wzHand);
    EXPECT_EQ(a.bild->cursor().hotSpot(), hand.Hotspot);
    a.leiste->WerkzeugWaehlen(wzRadierer);
    EXPECT_EQ(a.bild->cursor().hotSpot(), MauszeigerZeichnen(MauszeigerArt::Radierer).Hotspot);
    // stamp and red cross have pointers of their own
    a.leiste->WerkzeugWaehlen(wzKreuz);
    EXPECT_EQ(a.bild->cursor().pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
              MauszeigerZeichnen(MauszeigerArt::Kreuz).Bild);
    a.leiste->StempelWaehlen(1);
    EXPECT_EQ(a.bild->cursor().pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
              MauszeigerZeichnen(MauszeigerArt::Stempel).Bild);
}

TEST(Abdeckblatt, GriffeUndKnopf)
{
    struct Fall { int Griff; QPoint Zug; QRect Ergebnis; };
    const QRect start(100, 100, 300, 200);
    const Fall faelle[] = {
        {asMitte, {10, -20}, {110, 80, 300, 200}},
        {asRechts, {50, 30}, {100, 100, 350, 200}},
        {asLinks, {-40, 30}, {60, 100, 340, 200}},
        {asOben | asLinks, {20, 20}, {120, 120, 280, 180}},
        {asUnten, {0, -1000}, {100, 100, 300, kAbdeckMinimum}},
    };
    for (const Fall &f : faelle)
        EXPECT_EQ(AbdeckblattZiehen(start, f.Griff, f.Zug), f.Ergebnis) << f.Griff;
    EXPECT_EQ(AbdeckGriff({5, 5}, {300, 200}), asLinks | asOben);
    EXPECT_EQ(AbdeckGriff({150, 195}, {300, 200}), asUnten);
    EXPECT_EQ(AbdeckGriff({150, 100}, {300, 200}), asMitte);

    Aufbau a;
    TAbdeckblatt *blatt = a.bild->Abdeckblatt();
    a.leiste->Knopf("AbdeckerBtn")->click();
    ASSERT_TRUE(blatt->isVisible());
    EXPECT_EQ(blatt->geometry(), a.bild->rect());
    const QImage bildschirm = a.bild->grab().toImage();
    EXPECT_TRUE(FarbeIst(bildschirm, {a.bild->width() / 2 + 60, a.bild->height() / 2}, QColor(199, 199, 184), 2));
    // dragging the right grip moves the right side only
    const int breite = blatt->width();
    Ziehen(blatt, {breite - 10, blatt->height() / 2}, {breite - 210, blatt->height() / 2});
    EXPECT_EQ(blatt->x(), 0);
    EXPECT_EQ(blatt->width(), breite - 200);
    // touched: the button shows it again over the whole view instead of hiding it
    a.leiste->Knopf("AbdeckerBtn")->click();
    EXPECT_TRUE(blatt->isVisible());
    EXPECT_EQ(blatt->geometry(), a.bild->rect());
    a.leiste->Knopf("AbdeckerBtn")->click();
    EXPECT_FALSE(blatt->isVisible());
}

TEST(Lernbild, BildschirmfotoEinesBemaltenDokuments)
{
    SkriptMeldungen meldungen;
    EinfacheDokumentDienste dienste(meldungen);
    Dokument dok;
    const QString pfad = QStringLiteral(KALUMO_BEISPIELE_ORDNER) + QString::fromUtf8("/Blütenpflanze.kal");
    ASSERT_TRUE(DokumentLesen(dok, dienste, pfad, true)) << meldungen.Texte().join("\n").toStdString();
    Aufbau a(std::move(dok));
    a.fenster.resize(1000 + TWerkzeugleiste::kBreite, 700);
    QApplication::processEvents();
    const QSize v = a.lv->ViewBitmap.size();
    ASSERT_GT(v.width(), 300);
    // uncover one field, then pen, marker, shapes, stamps and text
    if (!a.dok.Objekte.empty()) {
        const QRect k = a.Karte(0);
        if (!k.isEmpty())
            Klick(a.bild, a.W(k.center()));
    }
    a.leiste->StiftWaehlen(1);
    a.leiste->GroesseWaehlen(2);
    Ziehen(a.bild, a.W({40, 40}), a.W({200, 90}));
    a.leiste->WerkzeugWaehlen(wzMarkerGelb);
    Ziehen(a.bild, a.W({40, v.height() - 60}), a.W({300, v.height() - 60}));
    a.leiste->FarbeWaehlen(24);
    a.leiste->StiftWaehlen(2 + (wzPfeil - wzLinie));
    Ziehen(a.bild, a.W({250, 150}), a.W({400, 250}));
    a.leiste->StiftWaehlen(2 + (wzEllipse - wzLinie));
    Ziehen(a.bild, a.W({450, 100}), a.W({600, 200}));
    a.leiste->FarbeWaehlen(13);
    a.leiste->StiftWaehlen(2 + (wzRechteckGefuellt - wzLinie));
    Ziehen(a.bild, a.W({100, 300}), a.W({300, 380}));
    a.leiste->FarbeWaehlen(27);
    a.leiste->StiftWaehlen(2 + (wzDreieck - wzLinie));
    Ziehen(a.bild, a.W({650, 100}), a.W({760, 200}));
    a.leiste->GroesseWaehlen(1);
    for (int n = 1; n <= 6; ++n) {
        a.leiste->StempelWaehlen(n);
        Klick(a.bild, a.W({80 + 60 * n, v.height() - 150}));
    }
    a.leiste->WerkzeugWaehlen(wzKreuz);
    Klick(a.bild, a.W({520, v.height() - 150}));
    a.leiste->WerkzeugWaehlen(wzText);
    a.leiste->FarbeWaehlen(26);
    Klick(a.bild, a.W({450, 300}));
    a.bild->Textfeld()->insert(QString::fromUtf8("Kelchblätter"));
    QTest::keyClick(a.bild->Textfeld(), Qt::Key_Return);

    const QImage bildschirm = a.fenster.grab().toImage();
    bildschirm.save(QDir::tempPath() + "/lernbild.png");
    EXPECT_TRUE(FarbeIst(bildschirm, a.bild->mapTo(&a.fenster, a.W({100, 59})), QColor(255, 0, 0), 40));
    EXPECT_GT(Zaehlen(bildschirm, QRect(a.bild->mapTo(&a.fenster, a.W({450, 300})), QSize(150, 40)), Qt::black, 80),
              20);
}
