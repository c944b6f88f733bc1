// The windows of the exercise series driven like a user: the creation
// dialog with mouse clicks, drags and edits in its table, the end dialog and
// the status panel.
//
// KALUMO_BILDSCHIRMFOTOS=FOLDER keeps pictures of the three windows for a
// look by eye.

#include "Serienhilfen.h"
#include "series/TUebserieFertigForm.h"
#include "series/TUebserieStatusPan.h"
#include "series/TUebungsserieForm.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace kalumo;
using namespace kalumo::test;

namespace {

void foto(QWidget &w, const char *name)
{
    const QString ordner = qEnvironmentVariable("KALUMO_BILDSCHIRMFOTOS");
    if (!ordner.isEmpty())
        w.grab().save(QDir(ordner).filePath(QString::fromLatin1(name)));
}

QPoint mitte(QTableWidget *t, int zeile, int spalte)
{
    return t->visualRect(t->model()->index(zeile, spalte)).center();
}

void klick(QTableWidget *t, int zeile, int spalte)
{
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, mitte(t, zeile, spalte));
}

QStringList spalte(QTableWidget *t, int s)
{
    QStringList l;
    for (int z = 0; z < t->rowCount(); ++z)
        l << (t->item(z, s) ? t->item(z, s)->text() : QString());
    return l;
}

class Serienfenster : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        ordner = tmp.filePath("Biologie");
        QDir().mkpath(ordner);
        DateiSchreiben(ordner + "/Blüte.kal", DokumentBytes("Die Blüte", dokBildbeschriftung));
        DateiSchreiben(ordner + "/Wald.kal", DokumentBytes("Der Wald", dokLueckentext));
        DateiSchreiben(ordner + "/Tiere.kal", DokumentBytes("Tiere sortieren", dokCluster));
        DateiSchreiben(ordner + "/Fragen.kal", DokumentBytes("Fragen", dokEinzelfragen, true));
        DateiSchreiben(ordner + "/Rätsel.kal", DokumentBytes("", dokKreuzwortraetsel));
        d.bibliothek = ordner + "/";
    }

    QTemporaryDir tmp;
    QString ordner;
    UebungsserieDataTyp serie;
    SkriptSerienDateiDienste d;
};

} // namespace

TEST_F(Serienfenster, TabelleMitMausUndTastatur)
{
    TUebungsserieForm f(serie, d);
    f.resize(1000, 760);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    EXPECT_EQ(f.windowTitle(), "Übungs-Serie erstellen");
    EXPECT_EQ(f.OrdnerFeld()->text(), ordner + "/");
    EXPECT_EQ(f.focusWidget(), f.StartenKnopf());
    EXPECT_TRUE(f.StartenKnopf()->isDefault());
    EXPECT_FALSE(f.NotenskalaKnopf()->isEnabled()) << "no grading-scale dialog connected";
    EXPECT_EQ(f.TitelFeld()->text(), "Titel der Übungsserie");
    EXPECT_EQ(f.InformationFeld()->toPlainText(), "Fach / Thema: <tab>\nKlasse / Kurs: <tab>\nTestform / Beschreibung: <tab>");
    EXPECT_TRUE(f.UebungsmodusKnopf(0)->isChecked());
    EXPECT_EQ(f.StdGewichtungFeld()->value(), 1);
    EXPECT_EQ(f.StdZeitFeld()->minimum(), 0);
    EXPECT_EQ(f.StdZeitFeld()->maximum(), 999);

    QTableWidget *t = f.Tabelle();
    ASSERT_EQ(t->rowCount(), 5);
    for (int s = 0; s < kSerienSpalten; ++s) {
        EXPECT_EQ(t->horizontalHeaderItem(s)->text(), Serienerstellung::Kopfzeile()[s]);
        // at least the given width; wider where a header needs it
        EXPECT_GE(t->columnWidth(s), Serienerstellung::Spaltenbreiten()[size_t(s)]);
        EXPECT_LE(t->columnWidth(s), Serienerstellung::Spaltenbreiten()[size_t(s)] + 60);
    }
    EXPECT_EQ(t->rowHeight(0), 19);
    EXPECT_EQ(spalte(t, spalteDatei), (QStringList{"Blüte.kal", "Fragen.kal", "Rätsel.kal", "Tiere.kal", "Wald.kal"}));
    EXPECT_EQ(spalte(t, spalteTitel),
              (QStringList{"Die Blüte", "Fragen", "(ohne Titel)", "Tiere sortieren", "Der Wald"}));
    EXPECT_TRUE(t->item(0, spalteAktiv)->textAlignment() & Qt::AlignHCenter);
    EXPECT_FALSE(t->item(0, spalteTitel)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(t->item(0, spalteGewichtung)->flags() & Qt::ItemIsEditable);

    // "Aktiv" switches with a click; a double click repeats it
    klick(t, 1, spalteAktiv);
    EXPECT_EQ(t->item(1, spalteAktiv)->text(), "nein");
    EXPECT_FALSE(serie.Dokumente[1].Aktiv);
    QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, mitte(t, 2, spalteAktiv));
    EXPECT_EQ(t->item(2, spalteAktiv)->text(), "ja") << "two switches";

    // the query mode of the cluster steps 0, 1, 0; stored settings stay
    klick(t, 3, spalteAbfragemodus);
    EXPECT_EQ(t->item(3, spalteAbfragemodus)->text(), "Texte/Bilder einzeln");
    klick(t, 3, spalteAbfragemodus);
    EXPECT_EQ(t->item(3, spalteAbfragemodus)->text(), "Freie Zuordnung");
    klick(t, 1, spalteAbfragemodus);
    EXPECT_EQ(t->item(1, spalteAbfragemodus)->text(), "wird aus KAL geladen");

    // typing into a weight cell
    t->setCurrentCell(4, spalteGewichtung);
    t->editItem(t->item(4, spalteGewichtung));
    auto *editor = t->viewport()->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    editor->setText(" 2 5 ");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();   // the view commits the edit queued
    EXPECT_EQ(serie.Dokumente[4].Gewichtung, 25);
    EXPECT_EQ(t->item(4, spalteGewichtung)->text(), " 2 5 ");

    // dragging the position number of the last row to the top
    QTest::mousePress(t->viewport(), Qt::LeftButton, {}, mitte(t, 4, spaltePos));
    QTest::mouseRelease(t->viewport(), Qt::LeftButton, {}, mitte(t, 0, spaltePos));
    EXPECT_EQ(spalte(t, spalteDatei), (QStringList{"Wald.kal", "Blüte.kal", "Fragen.kal", "Rätsel.kal", "Tiere.kal"}));
    EXPECT_EQ(spalte(t, spaltePos), (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(t->item(0, spalteGewichtung)->text(), "25");
    foto(f, "uebungsserie_erstellen.png");
}

TEST_F(Serienfenster, KnoepfeSchreibenStartenUndDurchsuchen)
{
    TUebungsserieForm f(serie, d);
    f.show();
    QTableWidget *t = f.Tabelle();
    klick(t, 0, spalteAktiv);
    klick(t, 2, spalteAktiv);
    f.TitelFeld()->setText("Test 7b");
    f.InformationFeld()->setPlainText("Fach / Thema: <tab>Bio\nKlasse / Kurs: <tab>7b");
    f.UebungsmodusKnopf(2)->setChecked(true);

    const QString paket = tmp.filePath("biologie.kausp");
    d.dialoge.Antworten = {paket};
    f.PaketKnopf()->click();
    EXPECT_TRUE(f.isVisible()) << "the dialog stays open";
    EXPECT_EQ(d.dialoge.LetzterVorschlag, "Test 7b.kausp");
    SeriePaketInhalt p;
    ASSERT_TRUE(SeriePaketDateiLesen(paket, p).ok());
    EXPECT_EQ(p.Eintraege.size(), 3u);
    EXPECT_EQ(p.Uebungsmodus, 2);
    EXPECT_EQ(p.Information, "Fach / Thema: <tab>Bio\r\nKlasse / Kurs: <tab>7b");

    // "Durchsuchen..." scans the chosen folder at once; an invalid one is reported at the field
    d.dialoge.Antworten = {tmp.filePath("fehlt")};
    f.DurchsuchenKnopf()->click();
    EXPECT_EQ(d.dialoge.LetzterTitel, "Ordner für Übungsserie auswählen");
    EXPECT_EQ(d.meldungen.Texte(), QStringList{"Der angegebene Ordner für die Übungsserie ist ungültig."});
    EXPECT_EQ(f.focusWidget(), f.OrdnerFeld());
    EXPECT_EQ(t->rowCount(), 1);

    f.OrdnerFeld()->setText(ordner);
    f.EinlesenKnopf()->click();
    EXPECT_EQ(t->rowCount(), 5);
    klick(t, 0, spalteAktiv);
    f.StartenKnopf()->click();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(serie.Dokumente.size(), 4u);
    EXPECT_EQ(f.Uebungsmodus(), 2);
    EXPECT_EQ(serie.Protokolltitel, "Test 7b");

    // without any active entry the dialog stays open
    TUebungsserieForm leer(serie, d);
    leer.show();
    for (int z = 0; z < leer.Tabelle()->rowCount(); ++z)
        klick(leer.Tabelle(), z, spalteAktiv);
    d.meldungen.Leeren();
    leer.StartenKnopf()->click();
    EXPECT_TRUE(leer.isVisible());
    EXPECT_EQ(d.meldungen.Texte(), QStringList{"Es wurden noch keine Kalumo-Dokumente für die Übungs-Serie ausgewählt."});
    QTest::keyClick(&leer, Qt::Key_Escape);
    EXPECT_EQ(leer.result(), QDialog::Rejected);
}

TEST_F(Serienfenster, GeoeffnetesPaketWirdBeimAnzeigenGeladen)
{
    const QString paket = tmp.filePath("p.kausp");
    DateiSchreiben(paket, PaketRoh("01.02", {{"C:\\S\\Blüte.kal", "Die Blüte", "blüte.kal", 3, 2, 1,
                                               Dateibytes(ordner + "/Blüte.kal")}},
                                   1, "Serie", "Zeile 1\r\nZeile 2"));
    TUebungsserieForm f(serie, d);
    int skalaDialoge = 0;
    f.NotenskalaDialogSetzen([&] { ++skalaDialoge; });
    f.PaketSetzen(paket, ordner);
    f.show();
    EXPECT_EQ(f.Tabelle()->rowCount(), 1);
    EXPECT_EQ(f.Tabelle()->item(0, spalteGewichtung)->text(), "3");
    EXPECT_EQ(f.Tabelle()->item(0, spalteAbfragemodus)->text(), "Texte/Bilder einzeln");
    EXPECT_EQ(f.StdGewichtungFeld()->value(), 2);
    EXPECT_EQ(f.StdZeitFeld()->value(), 7);
    EXPECT_TRUE(f.UebungsmodusKnopf(1)->isChecked());
    EXPECT_EQ(f.InformationFeld()->toPlainText(), "Zeile 1\nZeile 2");
    EXPECT_EQ(d.skalaGesetzt, 1);
    f.NotenskalaKnopf()->click();
    EXPECT_EQ(skalaDialoge, 1);

    // the next time the dialog scans its folder again
    f.hide();
    f.show();
    EXPECT_EQ(f.Tabelle()->rowCount(), 5);
}

TEST(Serienende, ZusammenfassungSkalaUndProtokoll)
{
    UebungsserieDataTyp serie;
    serie.Gesamtleistung = 0.5;
    serie.Gesamtprotokoll = "<tit>Gesamtprotokoll der Übungsserie";
    TUebserieFertigForm f;
    EXPECT_EQ(f.windowTitle(), "Übungsserie beendet");
    EXPECT_FALSE(f.ProtokollKnopf()->isEnabled());
    EXPECT_TRUE(f.ProtokollKnopf()->isDefault());

    double gezeichnet = -1;
    f.SkalabildSetzen([&](double leistung, QSize groesse) {
        gezeichnet = leistung;
        QImage b(groesse, QImage::Format_RGB32);
        b.fill(Qt::white);
        QPainter p(&b);
        p.fillRect(QRect(10, 10, 40, groesse.height() - 20), QColor(255, 255, 0));
        return b;
    });
    QString gezeigt;
    f.ProtokollfensterSetzen([&](const QString &t) { gezeigt = t; });
    f.Anzeigen(serie, {12, "gut", "Punkte"});
    f.show();
    EXPECT_EQ(f.LeistungWert()->text(), "50.0 %");
    EXPECT_EQ(f.BewertungWert()->text(), "gut");
    EXPECT_EQ(f.NoteLabel()->text(), "Punkte:");
    EXPECT_EQ(f.NoteWert()->text(), "12");
    EXPECT_DOUBLE_EQ(gezeichnet, 0.5);
    EXPECT_EQ(f.SkalaBild()->pixmap().size(), TUebserieFertigForm::kSkalabildGroesse);
    foto(f, "uebungsserie_beendet.png");

    f.ProtokollKnopf()->click();
    EXPECT_EQ(gezeigt, serie.Gesamtprotokoll);
    EXPECT_TRUE(f.isVisible());
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());
}

TEST(Serienstatus, NummerUndAnzahl)
{
    TUebserieStatusPan p;
    p.Anzeigen(0, 3);
    EXPECT_EQ(p.NummerLabel()->text(), "1");
    EXPECT_EQ(p.VonLabel()->text(), "von  3");
    p.Anzeigen(2, 3);
    EXPECT_EQ(p.NummerLabel()->text(), "3");
    p.show();
    foto(p, "uebungsserie_status.png");
}
