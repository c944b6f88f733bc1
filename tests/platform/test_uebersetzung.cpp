// Qt's own texts in German: key names in menus and the standard dialogs.

#include "platform/Uebersetzung.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QKeySequence>
#include <QLocale>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kalumo;

TEST(Uebersetzung, TastennamenAufDeutsch)
{
    // the test program loads the translation at start as the program does;
    // loading it once more changes nothing
    EXPECT_TRUE(QtUebersetzungLaden(*qApp)) << QtUebersetzungsordner().toStdString();
    const struct
    {
        const char *Portabel;
        const char *Deutsch;
    } faelle[] = {
        {"Ctrl+O", "Strg+O"},
        {"PgDown", "Bild abwärts"},
        {"PgUp", "Bild aufwärts"},
        {"Ctrl+Shift+S", "Strg+Umschalt+S"},
        {"Ctrl+Del", "Strg+Entf"},
        {"Alt+Home", "Alt+Pos1"},
        {"Alt+Backspace", "Alt+Rücktaste"},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(QKeySequence(QString::fromLatin1(f.Portabel)).toString(QKeySequence::NativeText).toStdString(),
                  f.Deutsch);
}

TEST(Uebersetzung, DateidialogAufDeutsch)
{
    QTemporaryDir ordner;
    QFileDialog dialog(nullptr, "Dokument öffnen", ordner.path(), "Kalumo-Dokumente (*.kal)");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.resize(640, 420);
    dialog.show();
    QApplication::processEvents();
    QStringList texte;
    for (const QLabel *l : dialog.findChildren<QLabel *>())
        texte << l->text();
    for (const QAbstractButton *k : dialog.findChildren<QAbstractButton *>())
        texte << k->text();
    EXPECT_TRUE(texte.contains("Suchen in:")) << texte.join(" | ").toStdString();
    EXPECT_TRUE(texte.contains("Datei&name:")) << texte.join(" | ").toStdString();
    EXPECT_TRUE(texte.contains("&Öffnen")) << texte.join(" | ").toStdString();
    EXPECT_TRUE(texte.contains("Abbrechen")) << texte.join(" | ").toStdString();
    EXPECT_FALSE(texte.contains("Cancel"));
    const QString fotos = qEnvironmentVariable("KALUMO_BILDSCHIRMFOTOS");
    if (!fotos.isEmpty())
        dialog.grab().save(fotos + "/dateidialog.png");
}

TEST(Uebersetzung, DatumUndZeitAufDeutsch)
{
    // the test program sets the regional format at start as the program does
    DeutschesGebietsschema();
    const QDateTime t(QDate(2023, 3, 15), QTime(12, 0));
    const QString text = QLocale().toString(t, QLocale::ShortFormat);
    if (QLocale::system().language() == QLocale::German)
        GTEST_SKIP() << "a German system keeps its own regional settings";
    EXPECT_EQ(text.toStdString(), "15.03.23 12:00");
}
