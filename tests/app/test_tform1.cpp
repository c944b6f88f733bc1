#include "app/TForm1.h"
#include "platform/Dateidialoge.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QDir>
#include <QScrollArea>

#include <gtest/gtest.h>

using namespace kalumo;

namespace {

struct Fenster
{
    SkriptMeldungen meldungen;
    SkriptDateidialoge dialoge;
    TForm1 form;

    explicit Fenster(const QStringList &argumente = {})
    {
        form.MeldungenSetzen(&meldungen);
        form.DateidialogeSetzen(&dialoge);
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
    EXPECT_FALSE(f.form.Aktion("IndividualUebung1")->isEnabled());
    EXPECT_FALSE(f.form.Aktion("Drucken1")->isEnabled());
    EXPECT_FALSE(f.form.Menue("AusschnittScrollen1")->menuAction()->isVisible());
    EXPECT_TRUE(f.meldungen.Texte().isEmpty());

    const QImage bild = f.form.grab().toImage();
    EXPECT_FALSE(bild.isNull());
    // KALUMO_BILDSCHIRMFOTOS=FOLDER keeps the picture for a look by eye
    const QString fotos = qEnvironmentVariable("KALUMO_BILDSCHIRMFOTOS");
    if (!fotos.isEmpty())
        bild.save(fotos + "/startseite.png");
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
    int geschrieben = 0;
    QObject::connect(&f.form, &TForm1::EinstellungenSpeichern, [&] { ++geschrieben; });
    f.meldungen.AntwortVormerken(Antwort::Nein); // "Nein, weiter arbeiten"
    EXPECT_FALSE(f.form.close());
    EXPECT_EQ(geschrieben, 0);
    EXPECT_EQ(f.meldungen.Texte().last(), "Programm beenden?");
    f.meldungen.AntwortVormerken(Antwort::Ja);
    EXPECT_TRUE(f.form.close());
    EXPECT_EQ(geschrieben, 1);
    EXPECT_TRUE(f.form.EinstellungenGeschrieben());
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
    EXPECT_EQ(f.form.Werkzeugleiste()->width(), 118);
    f.form.Aktion("WerkzeugleisteKlappen1")->trigger();
    EXPECT_EQ(f.form.Werkzeugleiste()->maximumWidth(), 0);
    EXPECT_EQ(f.form.Aktion("WerkzeugleisteKlappen1")->text(), "Werkzeugleiste auf&klappen");
    f.form.Aktion("WerkzeugleisteKlappen1")->trigger();
    EXPECT_EQ(f.form.Werkzeugleiste()->maximumWidth(), 118);
    f.form.Aktion("WerkzeugleisteLinks1")->trigger();
    EXPECT_TRUE(f.form.Aktion("WerkzeugleisteLinks1")->isChecked());
    EXPECT_FALSE(f.form.Aktion("WerkzeugleisteRechts1")->isChecked());
}
