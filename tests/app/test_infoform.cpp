#include "learnview/TInfoForm.h"
#include "platform/Dateidialoge.h"
#include "platform/Meldungen.h"
#include "platform/TPasswortForm.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kalumo;

TEST(TInfoForm, ZeigtDenTextUndSpeichertKopierenKopie)
{
    SkriptMeldungen meldungen;
    SkriptDateidialoge dialoge;
    TInfoForm form(meldungen, dialoge);
    QImage raster(300, 120, QImage::Format_ARGB32_Premultiplied);
    raster.fill(Qt::white);
    form.Anzeigen(raster, "Die Wurzel {hält} fest.", QRect(500, 60, 320, 154));
    EXPECT_EQ(form.windowTitle(), "Information");
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.isModal());
    EXPECT_EQ(form.Textbild()->pixmap().size(), QSize(300, 120));

    QTemporaryDir ordner;
    dialoge.Antworten.push_back(ordner.filePath("info.rtf"));
    form.SpeichernKnopf()->click();
    EXPECT_EQ(dialoge.LetzterTitel, "Infotext in Datei speichern");
    QFile f(ordner.filePath("info.rtf"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("Die Wurzel \\{h\\'e4lt\\} fest."));

    form.ZwischenablageKnopf()->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Die Wurzel {hält} fest.");
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}

TEST(TPasswortForm, GibtDieEingabeOderNichtsZurueck)
{
    TPasswortForm form;
    QTimer::singleShot(0, &form, [&] {
        form.Feld()->setText("Geheim");
        form.accept();
    });
    EXPECT_EQ(form.Fragen("Bitte Passwort eingeben", "text"), std::optional<QString>("Geheim"));
    EXPECT_EQ(form.windowTitle(), "Bitte Passwort eingeben");
    EXPECT_EQ(form.Feld()->echoMode(), QLineEdit::Password);
    QTimer::singleShot(0, &form, [&] { form.reject(); });
    EXPECT_EQ(form.Fragen("Bitte Passwort eingeben", "text"), std::nullopt);
}
