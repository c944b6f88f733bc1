// Dialog "Übungsrückmeldung": its groups and fields, "Durchsuchen..." with
// the sound folder, "OK" and "Abbrechen".
// KALUMO_BILDSCHIRMFOTOS=FOLDER keeps a picture of it.

#include "app/settings/TUebungsrueckmeldungForm.h"

#include "testhilfen/QtAusgabe.h"

#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kalumo;

TEST(TUebungsrueckmeldungForm, FelderDurchsuchenOkUndAbbrechen)
{
    QTemporaryDir sound;
    ASSERT_TRUE(sound.isValid());
    const UebungsrueckmeldungTyp vorgabe;
    SkriptDateidialoge dialoge;
    TUebungsrueckmeldungForm dialog(vorgabe, dialoge, sound.path() + "/");
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Übungsrückmeldung");
    QStringList gruppen;
    for (const QGroupBox *g : dialog.findChildren<QGroupBox *>())
        gruppen << g->title();
    EXPECT_EQ(gruppen, (QStringList{" Textrückmeldung (bis ca. 30 Zeichen, Größe skaliert)",
                                    " Tondateien (WAV-Dateien) ",
                                    " Textrückmeldung (kurz) für Multiple-Choice (teilweise richtige Antwort) und "
                                    "für Übung \"Wörter finden\" "}));
    // the fields start with the values given
    EXPECT_EQ(dialog.RichtigText()->text(), "Richtig!");
    EXPECT_EQ(dialog.FalschTon()->text(), "falsch1.wav");
    EXPECT_EQ(dialog.MCFehlend()->text(), "Fehlend:");
    const char *foto = "rueckmeldungsdialog";
    if (const QString ordner = qEnvironmentVariable("KALUMO_BILDSCHIRMFOTOS"); !ordner.isEmpty())
        dialog.grab().save(ordner + "/" + foto + ".png");

    // "Durchsuchen...": a file of the sound folder by its name, others with their folder
    dialoge.Antworten = {sound.filePath("applaus.wav"), "/srv/klaenge/gong.wav", ""};
    dialog.RichtigDurchsuchen()->click();
    EXPECT_EQ(dialoge.LetzterTitel, "Ton-Datei auswählen");
    EXPECT_EQ(dialoge.LetzterOrdner, sound.path() + "/");
    EXPECT_EQ(dialog.RichtigTon()->text(), "applaus.wav");
    dialog.FalschDurchsuchen()->click();
    EXPECT_EQ(dialog.FalschTon()->text(), "/srv/klaenge/gong.wav");
    dialog.FalschDurchsuchen()->click();   // cancelled: the field stays
    EXPECT_EQ(dialog.FalschTon()->text(), "/srv/klaenge/gong.wav");

    dialog.RichtigText()->setText("Super!");
    dialog.MCRichtig()->setText("Stimmt:");
    dialog.OkKnopf()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const UebungsrueckmeldungTyp w = dialog.Werte();
    EXPECT_EQ(w.RichtigText, "Super!");
    EXPECT_EQ(w.FalschText, "Falsch!");
    EXPECT_EQ(w.RichtigTonDatei, "applaus.wav");
    EXPECT_EQ(w.FalschTonDatei, "/srv/klaenge/gong.wav");
    EXPECT_EQ(w.MCRichtigText, "Stimmt:");
    EXPECT_EQ(w.MCFalschText, "Falsch:");

    TUebungsrueckmeldungForm abbrechen(vorgabe, dialoge, sound.path());
    abbrechen.show();
    abbrechen.AbbrechenKnopf()->click();
    EXPECT_EQ(abbrechen.result(), QDialog::Rejected);
}
