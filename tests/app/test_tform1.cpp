#include "Probelauf.h"

#include "app/TForm1.h"
#include "platform/Dateidialoge.h"
#include "platform/Dateioeffner.h"
#include "platform/Einstellungsspeicher.h"
#include "learnview/TInfoForm.h"
#include "learnview/Werkzeuge.h"
#include "app/TLernbild.h"
#include "app/TAbdeckblatt.h"
#include "platform/Passwortabfrage.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QDir>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QScreen>
#include <QTest>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace kalumo;

namespace {

struct Fenster
{
    SkriptMeldungen meldungen;
    SkriptDateidialoge dialoge;
    SkriptDateioeffner oeffner;
    EinstellungsspeicherImSpeicher speicher;
    TForm1 form;

    explicit Fenster(const QStringList &argumente = {}, const QString &zentraleKonfiguration = {})
    {
        form.MeldungenSetzen(&meldungen);
        form.DateidialogeSetzen(&dialoge);
        form.DateioeffnerSetzen(&oeffner);
        form.EinstellungsspeicherSetzen(&speicher);
        form.ZentraleKonfigurationSetzen(zentraleKonfiguration);
        form.ArgumenteSetzen(argumente);
        form.show();
        form.ErsteAktivierungAusfuehren();
    }
};

QString beispiel(const char *name)
{
    return QStringLiteral(KALUMO_BEISPIELE_ORDNER) + "/" + QString::fromUtf8(name);
}

} // namespace

TEST(TForm1, StartseiteMitMenuesUndTitel)
{
    Fenster f;
    EXPECT_EQ(f.form.windowTitle(), "Kalumo");
    QStringList menues;
    for (QAction *a : f.form.menuBar()->actions())
        menues << a->text();
    EXPECT_EQ(menues, (QStringList{"&Datei", "&Themenauswahl", "&Lernansicht", "&Übung", "Lehrer&steuerung",
                                   "&Autorenfunktion", "An&zeige", "&Optionen", "Tausch&börse", "&Hilfe"}));
    EXPECT_TRUE(f.form.StartInfoPan()->isVisible());
    EXPECT_TRUE(f.form.StartInfoPan()->text().startsWith("Um ein Kalumo-Dokument anzuzeigen,"));
    // what exists works, what does not yet is visibly disabled
    EXPECT_TRUE(f.form.Aktion("Oeffnen1")->isEnabled());
    EXPECT_EQ(f.form.Aktion("Oeffnen1")->shortcut(), QKeySequence("Ctrl+O"));
    // the menus name the keys in German
    EXPECT_EQ(f.form.Aktion("Oeffnen1")->shortcut().toString(QKeySequence::NativeText), "Strg+O");
    EXPECT_EQ(f.form.Aktion("NaechstesDokument1")->shortcut().toString(QKeySequence::NativeText), "Bild abwärts");
    EXPECT_TRUE(f.form.Aktion("IndividualUebung1")->isEnabled());
    EXPECT_TRUE(f.form.Aktion("BestenlisteIndividual1")->isEnabled());
    EXPECT_FALSE(f.form.Aktion("TafelanschriebSchriftart1")->isEnabled());
    EXPECT_TRUE(f.form.Aktion("Drucken1")->isEnabled());
    EXPECT_FALSE(f.form.Menue("AusschnittScrollen1")->menuAction()->isVisible());
    EXPECT_TRUE(f.meldungen.Texte().isEmpty());

    const QImage bild = f.form.grab().toImage();
    EXPECT_FALSE(bild.isNull());
    // KALUMO_BILDSCHIRMFOTOS=FOLDER keeps the picture for a look by eye
    const QString fotos = qEnvironmentVariable("KALUMO_BILDSCHIRMFOTOS");
    if (!fotos.isEmpty()) {
        bild.save(fotos + "/startseite.png");
        for (const char *name : {"Datei1", "Themenauswahl1"}) {
            QMenu *m = f.form.Menue(name);
            m->popup(f.form.mapToGlobal(QPoint(10, 30)));
            QApplication::processEvents();
            m->grab().save(fotos + "/menue-" + name + ".png");
            m->hide();
        }
    }
}

TEST(TForm1, OeffnenZeigtDasDokumentUndSeinenNamen)
{
    Fenster f({QStringLiteral(KALUMO_BEISPIELE_ORDNER)});
    f.dialoge.Antworten.push_back(beispiel("Blütenpflanze.kal"));
    f.form.Aktion("Oeffnen1")->trigger();
    EXPECT_EQ(f.dialoge.LetzterTitel, "Dokument öffnen");
    EXPECT_EQ(QDir(f.dialoge.LetzterOrdner), QDir(QStringLiteral(KALUMO_BEISPIELE_ORDNER)));
    EXPECT_TRUE(f.meldungen.Texte().isEmpty());
    EXPECT_EQ(f.form.windowTitle(), "Kalumo - Blütenpflanze.kal");
    // the first document of its folder's library
    EXPECT_EQ(f.form.TitelLabel()->text(), " (1) Aufbau einer Blütenpflanze");
    EXPECT_FALSE(f.form.StartInfoPan()->isVisible());
    EXPECT_EQ(f.form.AktuellesDokument().Objekte.size(), 7u);
    // the learning view shows the covered query fields
    const QImage ansicht = f.form.Ansicht().ViewBitmap.convertToFormat(QImage::Format_RGB32);
    int abgedeckt = 0;
    for (int y = 0; y < ansicht.height(); ++y)
        for (int x = 0; x < ansicht.width(); ++x)
            abgedeckt += ansicht.pixel(x, y) == qRgb(202, 228, 255);
    EXPECT_GT(abgedeckt, 500);
    f.form.Aktion("AlleAufdecken1")->trigger();
    EXPECT_EQ(f.form.AktuellesDokument().Objekte[0].Abgedeckt, abgAufgedeckt);

    const QString fotos = qEnvironmentVariable("KALUMO_BILDSCHIRMFOTOS");
    if (!fotos.isEmpty())
        f.form.grab().toImage().save(fotos + "/dokument.png");

    f.form.Aktion("Schliessen1")->trigger();
    EXPECT_EQ(f.form.windowTitle(), "Kalumo");
    EXPECT_TRUE(f.form.StartInfoPan()->isVisible());
}

TEST(TForm1, DokumentAufDerKommandozeile)
{
    Fenster f({beispiel("Lückentext Rhein.kal")});
    EXPECT_EQ(f.form.windowTitle(), "Kalumo - Lückentext Rhein.kal");
    Fenster kaputt({beispiel("gibt es nicht.kal")});
    EXPECT_EQ(kaputt.form.windowTitle(), "Kalumo");
    ASSERT_EQ(kaputt.meldungen.Texte().size(), 1);
    EXPECT_TRUE(kaputt.meldungen.Texte()[0].endsWith("existiert nicht."));
}

TEST(TForm1, SchliessenFragtBisZumEndeUndSchreibtEinmal)
{
    Fenster f;
    f.form.Aktion("Tonausgabe1")->trigger(); // sound off
    f.meldungen.AntwortVormerken(Antwort::Nein); // "Nein, weiter arbeiten"
    EXPECT_FALSE(f.form.close());
    EXPECT_EQ(f.speicher.Gesichert(), 0);
    EXPECT_EQ(f.meldungen.Texte().last(), "Programm beenden?");
    f.meldungen.AntwortVormerken(Antwort::Ja);
    EXPECT_TRUE(f.form.close());
    EXPECT_EQ(f.speicher.Gesichert(), 1);
    EXPECT_FALSE(f.speicher.Bool("opt-sound", true));
    EXPECT_TRUE(f.form.close()); // a second close writes nothing more
    EXPECT_EQ(f.speicher.Gesichert(), 1);
}

TEST(TForm1, GeaendertesDokumentVerhindertDasSchliessenBeiAbbrechen)
{
    Fenster f({beispiel("Blütenpflanze.kal")});
    f.form.AktuellesDokument().Kopf.Geaendert = true;
    f.meldungen.AntwortVormerken(Antwort::Abbrechen);
    EXPECT_FALSE(f.form.close());
    EXPECT_TRUE(f.form.AktuellesDokument().Kopf.Geaendert);
    EXPECT_EQ(f.meldungen.Texte().size(), 1); // the end dialog was not reached
}

TEST(TForm1, WerkzeugleisteKlappenUndSeiteWechseln)
{
    Fenster f;
    EXPECT_GE(f.form.Werkzeugleiste()->width(), 118);
    f.form.Aktion("WerkzeugleisteKlappen1")->trigger();
    EXPECT_EQ(f.form.Werkzeugleiste()->maximumWidth(), 0);
    EXPECT_EQ(f.form.Aktion("WerkzeugleisteKlappen1")->text(), "Werkzeugleiste auf&klappen");
    f.form.Aktion("WerkzeugleisteKlappen1")->trigger();
    EXPECT_GE(f.form.Werkzeugleiste()->maximumWidth(), 118);
    f.form.Aktion("WerkzeugleisteLinks1")->trigger();
    EXPECT_TRUE(f.form.Aktion("WerkzeugleisteLinks1")->isChecked());
    EXPECT_FALSE(f.form.Aktion("WerkzeugleisteRechts1")->isChecked());
}

TEST(TForm1, VorschaubildSchreibenUndOhneRueckfrageEnden)
{
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("vorschau.png");
    Fenster f({beispiel("Blütenpflanze.kal"), "/vb", datei, "90"});
    const QImage v(datei);
    ASSERT_FALSE(v.isNull());
    EXPECT_EQ(v.height(), 90);
    // the learning picture as shown, scaled to a height of 90 with its aspect
    const QImage &ansicht = f.form.Ansicht().ViewBitmap;
    EXPECT_NEAR(v.width(), 90.0 * ansicht.width() / ansicht.height(), 1.0);
    EXPECT_TRUE(f.form.close());
    EXPECT_TRUE(f.meldungen.Texte().isEmpty());
}

TEST(TForm1, EinstellungenUndZentraleKonfigurationBeimStart)
{
    QTemporaryDir ordner;
    const QString ini = ordner.filePath("config.ini");
    {
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[OptionenAenderbar]\nOptionenAenderbarDefZentral=1\nNamenseingabe=0\nNotenskala=0\n"
                "[Start]\nThemenordner=" + QFile::encodeName(QStringLiteral(KALUMO_BEISPIELE_ORDNER)) + "\n");
    }
    SkriptMeldungen meldungen;
    EinstellungsspeicherImSpeicher speicher;
    speicher.setzen("Opt-UebNameEingabe", false);
    speicher.setzen("Opt-WerkzeugPos", 1);
    speicher.setzen("Opt-VerknuepfungName1", QStringLiteral("Rechner"));
    TForm1 form;
    form.MeldungenSetzen(&meldungen);
    form.EinstellungsspeicherSetzen(&speicher);
    form.ZentraleKonfigurationSetzen(ini);
    form.show();
    form.ErsteAktivierungAusfuehren();
    EXPECT_FALSE(form.Aktion("Namenseingabe1")->isChecked());
    EXPECT_FALSE(form.Aktion("Namenseingabe1")->isEnabled()); // locked centrally
    EXPECT_TRUE(form.Aktion("Tonausgabe1")->isEnabled());
    EXPECT_TRUE(form.Aktion("WerkzeugleisteLinks1")->isChecked());
    EXPECT_EQ(form.VerknuepfungsKnopf(0)->text(), "Rechner");
    EXPECT_EQ(QDir(form.AktuellesDokument().Bibliotheksordner), QDir(QStringLiteral(KALUMO_BEISPIELE_ORDNER)));
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}

TEST(TForm1, VerknuepfungsknopfOeffnetSeinProgramm)
{
    QTemporaryDir ordner;
    const QString programm = ordner.filePath("rechner.sh");
    {
        QFile f(programm);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    Fenster f;
    f.form.Einstellungen().Verknuepfungen.Felder[1].Datei = programm;
    QTest::mouseClick(f.form.VerknuepfungsKnopf(1), Qt::LeftButton);
    ASSERT_EQ(f.oeffner.Aufrufe.size(), 1);
    EXPECT_TRUE(f.oeffner.Aufrufe[0].endsWith(programm));
    f.oeffner.Erfolg = false;
    QTest::mouseClick(f.form.VerknuepfungsKnopf(1), Qt::MiddleButton);
    EXPECT_EQ(f.meldungen.Texte(), QStringList{"Die Datei \"" + programm + "\" kann nicht geöffnet werden."});
}

TEST(TForm1, OhneBestaetigtesEndeWerdenKeineEinstellungenGeschrieben)
{
    EinstellungsspeicherImSpeicher speicher;
    {
        SkriptMeldungen meldungen;
        TForm1 form;
        form.MeldungenSetzen(&meldungen);
        form.EinstellungsspeicherSetzen(&speicher);
        form.ZentraleKonfigurationSetzen({});
        form.show();
        form.ErsteAktivierungAusfuehren();
        // the window goes away without the closing sequence, as when the program is killed
    }
    EXPECT_EQ(speicher.Gesichert(), 0);
}

TEST(TForm1, TitelLabelZeigtAufKlickEinFragezeichen)
{
    Fenster f({beispiel("Blütenpflanze.kal")});
    QTest::mouseClick(f.form.TitelLabel(), Qt::LeftButton);
    EXPECT_EQ(f.form.TitelLabel()->text(), " (1) ?");
    EXPECT_EQ(f.form.TitelLabel()->toolTip(), "Titel anzeigen");
    QTest::mouseClick(f.form.TitelLabel(), Qt::LeftButton);
    EXPECT_EQ(f.form.TitelLabel()->text(), " (1) Aufbau einer Blütenpflanze");
}

TEST(TForm1, InfopunktOeffnetDasInformationsfensterNachDemPasswort)
{
    Fenster f({beispiel("Blütenpflanze.kal")});
    SkriptPasswortabfrage abfrage;
    f.form.PasswortabfrageSetzen(&abfrage);
    auto &objekte = f.form.AktuellesDokument().Objekte;
    const auto it = std::find_if(objekte.begin(), objekte.end(), [](const ObjDataTyp &o) { return o.Typ == objInfopunkt; });
    ASSERT_NE(it, objekte.end());
    const int index = int(it - objekte.begin());
    f.form.move(0, 0);
    f.form.ShowInfoText(index);
    ASSERT_TRUE(f.form.InfoForm()->isVisible());
    EXPECT_EQ(f.form.InfoForm()->Kopie(), it->Cap);
    EXPECT_LE(f.form.InfoForm()->height(), 566);
    EXPECT_GE(f.form.InfoForm()->TextBreite(), 400);
    EXPECT_GE(f.form.InfoForm()->frameGeometry().top(), f.form.screen()->availableGeometry().top());
    EXPECT_EQ(abfrage.Anzahl, 0);
    const QString fotos = qEnvironmentVariable("KALUMO_BILDSCHIRMFOTOS");
    if (!fotos.isEmpty()) {
        QTest::qWait(300);
        f.form.InfoForm()->grab().toImage().save(fotos + "/infofenster.png");
        f.form.screen()->grabWindow(0).save(fotos + "/infofenster-bildschirm.png");
    }
    f.form.InfoForm()->hide();

    it->BildKenn = "Geheim";
    abfrage.Antworten.push_back(QString("falsch"));
    f.form.ShowInfoText(index);
    EXPECT_FALSE(f.form.InfoForm()->isVisible());
    EXPECT_EQ(f.meldungen.Texte().last(), "Das Passwort ist falsch.");
}

TEST(TForm1, AbdeckblattUndZeichnungenUeberDemDokument)
{
    Fenster f({beispiel("Blütenpflanze.kal")});
    f.form.resize(1024, 740);
    QApplication::processEvents();
    TLernbild *bild = f.form.Lernbild();
    // a pen stroke across the picture
    bild->WerkzeugSetzen(wzStift);
    const QPoint a = bild->Bildversatz() + QPoint(100, 200);
    QTest::mousePress(bild, Qt::LeftButton, {}, a);
    for (int i = 1; i <= 10; ++i)
        QTest::mouseMove(bild, a + QPoint(20 * i, 5 * i));
    QTest::mouseRelease(bild, Qt::LeftButton, {}, a + QPoint(200, 50));
    EXPECT_TRUE(f.form.Ansicht().AnsichtGezeichnet);

    f.form.Aktion("AbdeckblattEinblenden1")->trigger();
    TAbdeckblatt *blatt = bild->Abdeckblatt();
    ASSERT_TRUE(blatt->isVisible());
    // pulled up from the bottom grip to cover the lower half
    blatt->setGeometry(0, bild->height() / 2, bild->width(), bild->height() / 2);
    const QString fotos = qEnvironmentVariable("KALUMO_BILDSCHIRMFOTOS");
    if (!fotos.isEmpty())
        f.form.grab().toImage().save(fotos + "/abdeckblatt.png");
    f.form.Aktion("AbdeckblattAusblenden1")->trigger();
    EXPECT_FALSE(blatt->isVisible());
}

// A run attached to the window's session takes over the picture area: the
// menus follow the mode, the picture area's clicks and keys reach the run's
// engine and its drawing shows over the picture, the clock ticks, and the
// "Lernansicht" button leaves the run after the exercise guard.
TEST(TForm1, LaufUebernimmtBildflaecheUndUhr)
{
    Fenster f({beispiel("Blütenpflanze.kal")});
    f.form.resize(1024, 740);
    QApplication::processEvents();
    auto lauf = std::make_unique<test::Probelauf>();
    test::Probelauf *roh = lauf.get();
    int verlassen = 0;
    roh->verlassen = &verlassen;
    f.form.Programmzustand().LaufStarten(std::move(lauf));
    EXPECT_EQ(f.form.Ansichtsmodus(), modusUebung);
    EXPECT_FALSE(f.form.Aktion("Oeffnen1")->isEnabled());
    EXPECT_FALSE(f.form.Menue("Lernansicht1")->isEnabled());
    auto *knopf = f.form.findChild<QToolButton *>("LernansichtBtn");
    ASSERT_NE(knopf, nullptr);
    EXPECT_EQ(knopf->text(), "Übung abbrechen");

    TLernbild *bild = f.form.Lernbild();
    const QPoint mitte = bild->Bildversatz() + QPoint(200, 200);
    const int vorher = f.form.AktuellesDokument().Objekte[0].Abgedeckt;
    QTest::mouseClick(bild, Qt::LeftButton, {}, mitte);
    EXPECT_EQ(roh->druecke, 1);
    EXPECT_EQ(f.form.AktuellesDokument().Objekte[0].Abgedeckt, vorher);
    EXPECT_EQ(bild->cursor().shape(), Qt::PointingHandCursor);
    bild->setFocus();
    QTest::keyClick(bild, Qt::Key_Space);
    EXPECT_EQ(roh->tasten, 1);
    const QImage gezeigt = bild->grab().toImage();
    EXPECT_EQ(gezeigt.pixelColor(bild->Bildversatz() + QPoint(5, 5)), QColor(Qt::green));
    QTRY_VERIFY_WITH_TIMEOUT(roh->takte >= 2, 2000);

    // the guard asks; "Nein" keeps the run, "Ja" leaves it
    f.meldungen.AntwortVormerken(Antwort::Nein);
    knopf->click();
    EXPECT_EQ(f.form.Ansichtsmodus(), modusUebung);
    EXPECT_EQ(f.meldungen.Texte().last(),
              "Die aktuelle Übung ist noch nicht beendet.\r\nÜbung wirklich abbrechen?");
    f.meldungen.AntwortVormerken(Antwort::Ja);
    knopf->click();
    EXPECT_EQ(f.form.Ansichtsmodus(), modusLernansicht);
    EXPECT_EQ(verlassen, 1);
    EXPECT_TRUE(f.form.Aktion("Oeffnen1")->isEnabled());
    EXPECT_EQ(knopf->text(), "Lernansicht");
    // the learning view answers the picture area again
    QTest::mouseClick(bild, Qt::LeftButton, {}, f.form.Ansicht().KartenPixel(f.form.AktuellesDokument().Objekte[0])
                                                    .translated(bild->Bildversatz() - f.form.Ansicht().AnsichtsVersatz())
                                                    .center());
    EXPECT_NE(f.form.AktuellesDokument().Objekte[0].Abgedeckt, vorher);

    // a run that ends by itself returns to the learning view without a question
    auto kurz = std::make_unique<test::Probelauf>();
    kurz->endetImTakt = true;
    f.form.Programmzustand().LaufStarten(std::move(kurz));
    EXPECT_EQ(f.form.Ansichtsmodus(), modusUebung);
    const int fragen = f.meldungen.Texte().size();
    QTRY_COMPARE_WITH_TIMEOUT(f.form.Ansichtsmodus(), int(modusLernansicht), 2000);
    EXPECT_EQ(f.meldungen.Texte().size(), fragen);
}

namespace {

// Keys reach the window's shortcuts and key handling only while it is active.
void Aktivieren(QWidget &w)
{
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

} // namespace

// The hidden menu "&Werkzeug" chooses every tool of the learning view, by
// its entry and by its shortcut; its check marks and the toolbar's buttons
// show the same tool whichever side chose it.
TEST(TForm1, VerstecktesWerkzeugmenueUndWerkzeugleisteZeigenDasselbe)
{
    Fenster f({beispiel("Blütenpflanze.kal")});
    Interaktion &logik = f.form.Programmzustand().Lerninteraktion();
    EXPECT_FALSE(f.form.Menue("Werkzeug1")->menuAction()->isVisible());
    auto knopf = [&](const char *name) { return f.form.findChild<QToolButton *>(name); };
    struct Fall { const char *eintrag; int werkzeug; const char *knopf; };
    const Fall faelle[] = {
        {"HandWerkzeug1", wzHand, "HandBtn"},         {"StiftWerkzeug1", wzStift, "StiftBtn"},
        {"GelbMarker1", wzMarkerGelb, nullptr},       {"GruenMarker1", wzMarkerGruen, nullptr},
        {"RadierWerkzeug1", wzRadierer, "RadierBtn"}, {"Haekchen1", wzStempel, "SymbolBtn"},
        {"RotesKreuz1", wzKreuz, nullptr},            {"Schlagwoerter1", wzText, "TexteingabeBtn"},
        {"ZeigerWerkzeug1", wzZeiger, "ZeigerBtn"},
    };
    const char *knoepfe[] = {"ZeigerBtn", "HandBtn", "StiftBtn", "RadierBtn", "SymbolBtn", "TexteingabeBtn"};
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.eintrag);
        QAction *a = f.form.Aktion(fall.eintrag);
        ASSERT_NE(a, nullptr);
        EXPECT_TRUE(a->isEnabled());
        EXPECT_FALSE(a->shortcut().isEmpty());
        a->trigger();
        EXPECT_EQ(logik.Werkzeug(), fall.werkzeug);
        for (const Fall &anderer : faelle)
            EXPECT_EQ(f.form.Aktion(anderer.eintrag)->isChecked(), anderer.werkzeug == fall.werkzeug) << anderer.eintrag;
        for (const char *k : knoepfe)
            EXPECT_EQ(knopf(k)->isChecked(), fall.knopf && QByteArray(k) == fall.knopf) << k;
    }

    // the toolbar's choice shows in the menu; a shape of the pen menu counts as the pen
    knopf("HandBtn")->click();
    EXPECT_TRUE(f.form.Aktion("HandWerkzeug1")->isChecked());
    EXPECT_FALSE(f.form.Aktion("ZeigerWerkzeug1")->isChecked());
    logik.WerkzeugSetzen(wzEllipse);
    f.form.ZustandAnzeigen();
    EXPECT_TRUE(f.form.Aktion("StiftWerkzeug1")->isChecked());
    // the pen entry takes the pen last chosen in the pen menu
    f.form.Aktion("ZeigerWerkzeug1")->trigger();
    f.form.Aktion("StiftWerkzeug1")->trigger();
    EXPECT_EQ(logik.Werkzeug(), wzEllipse);

    // the shortcuts work although the menu is hidden
    Aktivieren(f.form);
    QTest::keyClick(&f.form, Qt::Key_6, Qt::ControlModifier);
    EXPECT_EQ(logik.Werkzeug(), wzRadierer);
    QTest::keyClick(&f.form, Qt::Key_8, Qt::ControlModifier);
    EXPECT_EQ(logik.Werkzeug(), wzKreuz);
    QTest::keyClick(&f.form, Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(logik.Werkzeug(), wzZeiger);
    EXPECT_TRUE(f.meldungen.Texte().isEmpty());
}

// Ctrl + numeric-pad plus / minus step through the levels the buttons show.
TEST(TForm1, ZoomtastenGehenDieStufenDerKnoepfe)
{
    Fenster f({beispiel("Blütenpflanze.kal")});
    Aktivieren(f.form);
    const Qt::KeyboardModifiers ziffernblock = Qt::ControlModifier | Qt::KeypadModifier;
    const std::pair<Qt::Key, int> schritte[] = {
        {Qt::Key_Plus, 2}, {Qt::Key_Plus, 4}, {Qt::Key_Plus, 4}, {Qt::Key_Minus, 2}, {Qt::Key_Minus, 0}, {Qt::Key_Minus, 0}};
    for (const auto &[taste, stufe] : schritte) {
        QTest::keyClick(f.form.Lernbild(), taste, ziffernblock);
        EXPECT_EQ(f.form.Ansicht().ZoomStufe, stufe);
        EXPECT_EQ(f.form.Aktion("Zoom150")->isChecked(), stufe == 2);
        EXPECT_EQ(f.form.findChild<QToolButton *>("ZoomPan4")->isChecked(), stufe == 4);
    }
}

// The stamps and the text font the user configured are the ones drawn.
TEST(TForm1, GespeicherteStempelUndTafelschriftWerdenBenutzt)
{
    SkriptMeldungen meldungen;
    EinstellungsspeicherImSpeicher speicher;
    speicher.setzen("Symbolstempel-Zeichen", QStringLiteral("ABCDEFGHIJ"));
    speicher.setzen("Symbolstempel-Fontname1", QStringLiteral("DejaVu Sans"));
    speicher.setzen("Opt-TafelanschriebSchriftart", QStringLiteral("DejaVu Serif"));
    TForm1 form;
    form.MeldungenSetzen(&meldungen);
    form.EinstellungsspeicherSetzen(&speicher);
    form.ZentraleKonfigurationSetzen({});
    form.ArgumenteSetzen({beispiel("Blütenpflanze.kal")});
    form.show();
    form.ErsteAktivierungAusfuehren();
    Interaktion &logik = form.Programmzustand().Lerninteraktion();
    EXPECT_EQ(logik.Stempel.Zeichen, "ABCDEFGHIJ");
    EXPECT_EQ(logik.Stempel.Fontname[0], "DejaVu Sans");
    EXPECT_EQ(logik.TextfeldSchrift().family(), "DejaVu Serif");

    // stamp 1 draws an "A" where it is clicked: ink in the stamp's middle
    logik.WerkzeugSetzen(wzStempel);
    TLernbild *bild = form.Lernbild();
    const QPoint punkt(60, 60);
    const QImage vorher = form.Ansicht().ViewBitmap.copy();
    QTest::mouseClick(bild, Qt::LeftButton, {}, bild->Bildversatz() + punkt);
    const QImage &nachher = form.Ansicht().ViewBitmap;
    int geaendert = 0;
    for (int y = punkt.y() - 20; y < punkt.y() + 20; ++y)
        for (int x = punkt.x() - 20; x < punkt.x() + 20; ++x)
            geaendert += vorher.pixel(x, y) != nachher.pixel(x, y);
    EXPECT_GT(geaendert, 20);
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}

// A click on the start page hides its hint; closing a document brings it back.
TEST(TForm1, KlickAufDieStartseiteBlendetDenHinweisAus)
{
    Fenster f;
    ASSERT_TRUE(f.form.StartInfoPan()->isVisible());
    QTest::mouseClick(f.form.StartInfoPan(), Qt::LeftButton);
    EXPECT_FALSE(f.form.StartInfoPan()->isVisible());
    EXPECT_TRUE(f.form.Lernbild()->isVisible());
    f.dialoge.Antworten.push_back(beispiel("Blütenpflanze.kal"));
    f.form.Aktion("Oeffnen1")->trigger();
    f.form.Aktion("Schliessen1")->trigger();
    EXPECT_TRUE(f.form.StartInfoPan()->isVisible());
}

// The info point of a multiple-choice question opens the info window.
TEST(TForm1, InfopunktEinerMultipleChoiceFrageOeffnetDasInformationsfenster)
{
    Fenster f({beispiel("Multiple Choice Formen und Tiere.kal")});
    auto &objekte = f.form.AktuellesDokument().Objekte;
    const auto it = std::find_if(objekte.begin(), objekte.end(), [](const ObjDataTyp &o) { return o.Typ == objMCInfopunkt; });
    ASSERT_NE(it, objekte.end()) << "the example has an info point at a question";
    f.form.ObjektAktivieren(int(it - objekte.begin()));
    ASSERT_TRUE(f.form.InfoForm()->isVisible());
    EXPECT_EQ(f.form.InfoForm()->Kopie(), it->Cap);
    EXPECT_TRUE(f.meldungen.Texte().isEmpty());
    f.form.InfoForm()->hide();
}

// F1 hands the help page to the desktop; the website entry hands over the
// product's address; a failure is said.
TEST(TForm1, HilfeUndWebsiteGehenAnDenDesktop)
{
    Fenster f;
    QTemporaryDir hilfe;
    {
        QFile seite(hilfe.filePath("index.html"));
        ASSERT_TRUE(seite.open(QIODevice::WriteOnly));
    }
    f.form.Einstellungen().Ordner.Hilfe = hilfe.path() + "/";
    ASSERT_TRUE(f.form.Aktion("Inhalt1")->isEnabled());
    EXPECT_EQ(f.form.Aktion("Inhalt1")->shortcut(), QKeySequence("F1"));
    Aktivieren(f.form);
    QTest::keyClick(&f.form, Qt::Key_F1);
    EXPECT_EQ(f.oeffner.Aufrufe, QStringList{"oeffnen:" + hilfe.filePath("index.html")});
    EXPECT_TRUE(f.meldungen.Texte().isEmpty());
    // without the page nothing is handed over and the user is told
    QFile::remove(hilfe.filePath("index.html"));
    f.form.Aktion("Inhalt1")->trigger();
    EXPECT_EQ(f.oeffner.Aufrufe.size(), 1);
    EXPECT_EQ(f.meldungen.Texte().last(),
              "Die Datei \"" + hilfe.filePath("index.html") + "\" kann nicht geöffnet werden.");
    f.form.Aktion("Website1")->trigger();
    EXPECT_EQ(f.oeffner.Aufrufe.last(), "adresse:https://www.kalumo.de/");
    f.oeffner.Erfolg = false;
    f.form.Aktion("Website1")->trigger();
    EXPECT_EQ(f.meldungen.Texte().last(), "Die Internetseite \"https://www.kalumo.de/\" kann nicht geöffnet werden.");
}

// An error while the picture area's engine draws is reported, and the view keeps working.
TEST(TForm1, FehlerBeimZeichnenWirdGemeldet)
{
    Fenster f({beispiel("Blütenpflanze.kal")});
    auto lauf = std::make_unique<test::Probelauf>();
    test::Probelauf *roh = lauf.get();
    roh->wirftBeimDruck = true;
    f.form.Programmzustand().LaufStarten(std::move(lauf));
    TLernbild *bild = f.form.Lernbild();
    QTest::mouseClick(bild, Qt::LeftButton, {}, bild->Bildversatz() + QPoint(50, 50));
    EXPECT_EQ(f.meldungen.Texte(), QStringList{"Fehler aufgetreten (Speicher voll)"});
    roh->wirftBeimDruck = false;
    QTest::mouseClick(bild, Qt::LeftButton, {}, bild->Bildversatz() + QPoint(50, 50));
    EXPECT_EQ(roh->druecke, 1);
    EXPECT_EQ(f.meldungen.Texte().size(), 1);
}

// A question document opened after another starts at its first question.
TEST(TForm1, NeuesFragedokumentBeginntBeiFrageEins)
{
    Fenster f({beispiel("Einzelfragen Hauptstädte.kal")});
    Interaktion &logik = f.form.Programmzustand().Lerninteraktion();
    ASSERT_GT(f.form.AktuellesDokument().Kopf.AnzFrageNummern, 1);
    EXPECT_EQ(f.form.Ansicht().AktFrageNummer, 1);
    logik.FrageWechseln(objNavLetzte);
    EXPECT_GT(f.form.Ansicht().AktFrageNummer, 1);
    f.dialoge.Antworten.push_back(beispiel("Einzelfragen Hauptstädte.kal"));
    f.form.Aktion("Oeffnen1")->trigger();
    EXPECT_EQ(f.form.Ansicht().AktFrageNummer, 1);
}

// The second "Alt+Enter" entry shows the key beside its caption and leaves
// the key to the first, so that it is never ambiguous.
TEST(TForm1, DokumenteigenschaftenZweimalMitAltEingabe)
{
    Fenster f;
    EXPECT_EQ(f.form.Aktion("Dokumenteigenschaften1")->shortcut(), QKeySequence("Alt+Return"));
    EXPECT_TRUE(f.form.Aktion("Dokumenteigenschaften2")->shortcut().isEmpty());
    EXPECT_TRUE(f.form.Aktion("Dokumenteigenschaften2")->text().startsWith("Dokument&eigenschaften...\t"));
    EXPECT_TRUE(f.form.Aktion("Dokumenteigenschaften2")->text().endsWith(
        QKeySequence("Alt+Return").toString(QKeySequence::NativeText)));
}

// The link buttons stand in the group "Externe Programme"; with the toolbar
// on the left its collapse button moves to the left edge.
TEST(TForm1, ExterneProgrammeUndKlappknopfAufDerSeiteDerLeiste)
{
    Fenster f;
    f.form.resize(1024, 740);
    QApplication::processEvents();
    auto *gruppe = f.form.findChild<QGroupBox *>("ExterneProgrammeBox");
    ASSERT_NE(gruppe, nullptr);
    EXPECT_EQ(gruppe->title(), "Externe Programme");
    EXPECT_TRUE(gruppe->isAncestorOf(f.form.VerknuepfungsKnopf(0)));
    auto *klapp = f.form.findChild<QToolButton *>("WerkzeugKlappBtn");
    const int mitte = f.form.width() / 2;
    EXPECT_GT(klapp->mapTo(&f.form, QPoint()).x(), mitte);
    f.form.Aktion("WerkzeugleisteLinks1")->trigger();
    QApplication::processEvents();
    EXPECT_LT(klapp->mapTo(&f.form, QPoint()).x(), mitte);
    EXPECT_EQ(klapp->text(), "<");
    const QString fotos = qEnvironmentVariable("KALUMO_BILDSCHIRMFOTOS");
    if (!fotos.isEmpty())
        f.form.grab().save(fotos + "/hauptfenster-leiste-links.png");
}
