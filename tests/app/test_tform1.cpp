#include "app/TForm1.h"

#include <QApplication>
#include <QMenuBar>

#include <gtest/gtest.h>

using namespace kalumo;

TEST(TForm1, StartetMitTitelUndOeffnetEinBeispiel)
{
    SkriptMeldungen meldungen;
    TForm1 fenster;
    fenster.MeldungenSetzen(&meldungen);
    fenster.show();
    EXPECT_EQ(fenster.windowTitle(), "Kalumo");
    ASSERT_FALSE(fenster.menuBar()->actions().isEmpty());
    EXPECT_EQ(fenster.menuBar()->actions().first()->text(), "&Datei");

    fenster.Kommandozeile({QStringLiteral(KALUMO_BEISPIELE_ORDNER) + "/Blütenpflanze.kal"});
    EXPECT_TRUE(meldungen.Texte().isEmpty());
    EXPECT_EQ(fenster.windowTitle(), "Kalumo - Blütenpflanze.kal");
    EXPECT_EQ(fenster.AktuellesDokument().Objekte.size(), 7u);
    const QImage bild = fenster.grab().toImage();
    EXPECT_FALSE(bild.isNull());
    // KALUMO_BILDSCHIRMFOTOS=FOLDER keeps the picture for a look by eye
    const QString fotos = qEnvironmentVariable("KALUMO_BILDSCHIRMFOTOS");
    if (!fotos.isEmpty())
        bild.save(fotos + "/hauptfenster.png");
}
