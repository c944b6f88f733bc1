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
    EXPECT_FALSE(f.form.Aktion("IndividualUebung1")->isEnabled());
    EXPECT_FALSE(f.form.Aktion("UebungAbbrechen1")->isEnabled());
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
    EXPECT_EQ(f.form.TitelLabel()->text(), " Aufbau einer Blütenpflanze");
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
    EXPECT_EQ(f.form.TitelLabel()->text(), " ?");
    EXPECT_EQ(f.form.TitelLabel()->toolTip(), "Titel anzeigen");
    QTest::mouseClick(f.form.TitelLabel(), Qt::LeftButton);
    EXPECT_EQ(f.form.TitelLabel()->text(), " Aufbau einer Blütenpflanze");
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
