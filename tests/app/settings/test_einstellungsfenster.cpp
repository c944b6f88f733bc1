#include "app/settings/TDateiordnerForm.h"
#include "app/settings/TVerknuepfungsfelderForm.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kalumo;

TEST(TDateiordnerForm, OkPrueftZeigtDenFehlerAmFeldUndUebernimmtErstGueltigeOrdner)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    OrdnerEingaben ordner;
    for (int i = 0; i < kOrdnerfeldAnzahl; ++i) {
        ordner[size_t(i)] = tmp.filePath(QString::number(i));   // typed without trailing separator
        QDir().mkpath(ordner[size_t(i)]);
    }
    Eingabe(ordner, Ordnerfeld::Protokolle) = tmp.filePath("fehlt");

    SkriptMeldungen meldungen;
    TDateiordnerForm dialog(ordner, meldungen);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Dateiordner");
    EXPECT_EQ(dialog.findChild<QLineEdit *>("OrdnerSerien"), dialog.Feld(Ordnerfeld::Serien));

    dialog.OkKnopf()->click();
    EXPECT_EQ(meldungen.Texte(), QStringList{"Der angegebene Ordner für die Protokolle ist ungültig."});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), dialog.Feld(Ordnerfeld::Protokolle));
    EXPECT_EQ(dialog.Feld(Ordnerfeld::Chronik)->text(), tmp.filePath("0") + "/");   // checked before: shown with '/'

    // "Durchsuchen..." fills the field with the chosen folder
    QString titel;
    dialog.OrdnerwahlSetzen([&](QWidget *, const QString &t, const QString &) {
        titel = t;
        return tmp.filePath("1");
    });
    dialog.DurchsuchenKnopf(Ordnerfeld::Protokolle)->click();
    EXPECT_EQ(titel, "Ordner für Protokolle festlegen");
    EXPECT_EQ(dialog.Feld(Ordnerfeld::Protokolle)->text(), tmp.filePath("1") + "/");

    dialog.OkKnopf()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(meldungen.Texte().size(), 1);
    EXPECT_EQ(Eingabe(dialog.Eingaben(), Ordnerfeld::Protokolle), tmp.filePath("1") + "/");
    EXPECT_EQ(Eingabe(dialog.Eingaben(), Ordnerfeld::Serien), tmp.filePath("5") + "/");

    // "Abbrechen" keeps what the caller had
    TDateiordnerForm abgebrochen(ordner, meldungen);
    abgebrochen.show();
    abgebrochen.Feld(Ordnerfeld::Chronik)->setText(tmp.filePath("2"));
    abgebrochen.AbbrechenKnopf()->click();
    EXPECT_EQ(abgebrochen.result(), QDialog::Rejected);
    EXPECT_EQ(abgebrochen.Eingaben(), ordner);
}

TEST(TVerknuepfungsfelderForm, LoeschenDurchsuchenUndOkMitPruefung)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString datei = tmp.filePath("rechner.sh");
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();

    VerknuepfungsfelderTyp werte;
    werte.Felder[0] = {" " + datei + " ", "Rechner", "Taschenrechner"};
    werte.Felder[2] = {tmp.filePath("fehlt"), "X", "Y"};
    werte.TastaturDatei = datei;
    werte.TastaturHinweis = "Tastatur";

    SkriptMeldungen meldungen;
    TVerknuepfungsfelderForm dialog(werte, meldungen);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Frei belegbare Verknüpfungsfelder für externe Programme");
    EXPECT_EQ(dialog.Werte(), werte);
    EXPECT_EQ(dialog.BeschriftungFeld(Verknuepfungsfeld::Bildschirmtastatur), nullptr);

    dialog.OkKnopf()->click();
    EXPECT_EQ(meldungen.Texte(), QStringList{"Die für Verknüpfungsfeld V3 angegebene Datei ist ungültig."});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), dialog.ProgrammFeld(Verknuepfungsfeld::V3));

    dialog.LoeschenKnopf(Verknuepfungsfeld::V3)->click();
    EXPECT_EQ(dialog.ProgrammFeld(Verknuepfungsfeld::V3)->text(), "");
    EXPECT_EQ(dialog.BeschriftungFeld(Verknuepfungsfeld::V3)->text(), "V3");
    EXPECT_EQ(dialog.HinweisFeld(Verknuepfungsfeld::V3)->text(), "Programmverknüpfung 3");
    dialog.LoeschenKnopf(Verknuepfungsfeld::Bildschirmtastatur)->click();
    EXPECT_EQ(dialog.ProgrammFeld(Verknuepfungsfeld::Bildschirmtastatur)->text(), "");
    EXPECT_EQ(dialog.HinweisFeld(Verknuepfungsfeld::Bildschirmtastatur)->text(), "Bildschirmtastatur");

    QString titel;
    dialog.DateiwahlSetzen([&](QWidget *, const QString &t, const QString &, const QString &) {
        titel = t;
        return datei;
    });
    dialog.DurchsuchenKnopf(Verknuepfungsfeld::V2)->click();
    EXPECT_EQ(titel, "Datei für Verknüpfungsfeld V2 auswählen");
    EXPECT_EQ(dialog.findChild<QLineEdit *>("Programm2")->text(), datei);

    dialog.OkKnopf()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(meldungen.Texte().size(), 1);
    const VerknuepfungsfelderTyp neu = dialog.Werte();
    EXPECT_EQ(neu.Felder[0], (VerknuepfungTyp{datei, "Rechner", "Taschenrechner"}));   // trimmed
    EXPECT_EQ(neu.Felder[1], (VerknuepfungTyp{datei, "V2", "Programmverknüpfung 2"}));
    EXPECT_EQ(neu.Felder[2], (VerknuepfungTyp{"", "V3", "Programmverknüpfung 3"}));
    EXPECT_EQ(neu.TastaturDatei, "");
}
