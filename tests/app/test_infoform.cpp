#include "learnview/TInfoForm.h"
#include "learnview/TextFlow.h"
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
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kalumo;

TEST(TInfoForm, ZeigtDenTextUndSpeichertKopierenKopie)
{
    SkriptMeldungen meldungen;
    SkriptDateidialoge dialoge;
    TInfoForm form(meldungen, dialoge);
    const QString text = "Die Wurzel {hält} fest.";
    form.Anzeigen(text, text, [](QImage &raster, const QString &t) { return InfotextSetzen(raster, t); },
                  QRect(100, 50, 1000, 700));
    EXPECT_EQ(form.windowTitle(), "Information");
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.isModal());

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

TEST(TInfoForm, TextFolgtDerFensterbreite)
{
    SkriptMeldungen meldungen;
    SkriptDateidialoge dialoge;
    TInfoForm form(meldungen, dialoge);
    const QString text = "Die Wurzel hält die Pflanze im Boden fest\r\nund nimmt Wasser und Nährsalze auf.";
    std::vector<int> breiten;
    auto setzer = [&](QImage &raster, const QString &t) {
        breiten.push_back(raster.width());
        return InfotextSetzen(raster, t);
    };
    form.Anzeigen(text, text, setzer, QRect(100, 50, 1000, 700));
    QApplication::processEvents();
    // the text is set to the width of the scroll box, not to a narrow column
    ASSERT_FALSE(breiten.empty());
    EXPECT_EQ(breiten.back(), form.TextBreite());
    EXPECT_GE(form.TextBreite(), 400);
    const QSize breit = form.Textbild()->pixmap().size();
    EXPECT_EQ(breit.width(), form.TextBreite());
    // two paragraphs of a few words each: two lines at this width
    QImage probe(breit.width(), 3000, QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(breit.height(), InfotextSetzen(probe, "Die Wurzel hält die Pflanze im Boden fest\nx"));
    // the whole text and the buttons are visible
    EXPECT_LE(breit.height(), form.Textbild()->parentWidget()->height());

    // narrower: the text is set again, on more lines
    form.resize(260, form.height());
    QApplication::processEvents();
    EXPECT_EQ(form.Textbild()->pixmap().width(), form.TextBreite());
    EXPECT_GT(form.Textbild()->pixmap().height(), breit.height());
}

TEST(TInfoForm, FensterBleibtAufDemBildschirm)
{
    SkriptMeldungen meldungen;
    SkriptDateidialoge dialoge;
    TInfoForm form(meldungen, dialoge);
    auto setzer = [](QImage &raster, const QString &t) { return InfotextSetzen(raster, t); };
    const QRect frei = form.screen()->availableGeometry();
    const QString lang = QString("Zeile\r\n").repeated(200);
    // main windows above, right of and below the screen, and one larger than it
    const QRect haupt[] = {QRect(frei.left(), frei.top() - 80, 900, 700),
                           QRect(frei.right() - 100, frei.top() + 10, 900, 700),
                           QRect(frei.left() - 500, frei.bottom() - 5, 900, 700),
                           QRect(frei.left() - 100, frei.top() - 100, frei.width() + 400, frei.height() + 400)};
    for (const QRect &h : haupt) {
        SCOPED_TRACE(QString("%1,%2 %3x%4").arg(h.x()).arg(h.y()).arg(h.width()).arg(h.height()).toStdString());
        form.Anzeigen(lang, lang, setzer, h);
        QTest::qWait(150); // a window manager frames and moves the window a moment later
        EXPECT_TRUE(frei.contains(form.frameGeometry())) << "the whole window, title bar included";
        EXPECT_LE(form.height(), 566);
    }
}

TEST(TPasswortForm, GibtDieEingabeOderNichtsZurueck)
{
    TPasswortForm form;
    QString angezeigt;
    QTimer::singleShot(0, &form, [&] {
        form.Feld()->setText("Geheim");
        angezeigt = form.Feld()->displayText();
        form.accept();
    });
    EXPECT_EQ(form.Fragen("Bitte Passwort eingeben", "text"), std::optional<QString>("Geheim"));
    EXPECT_EQ(form.windowTitle(), "Bitte Passwort eingeben");
    EXPECT_EQ(form.Feld()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(angezeigt, "******") << "every character shows as a star";
    QTimer::singleShot(0, &form, [&] { form.reject(); });
    EXPECT_EQ(form.Fragen("Bitte Passwort eingeben", "text"), std::nullopt);
}
