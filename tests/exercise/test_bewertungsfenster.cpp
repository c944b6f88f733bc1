#include "exercise/Notenskalabild.h"
#include "exercise/TBestListForm.h"
#include "exercise/TNotenskalaForm.h"

#include "testhilfen/QtAusgabe.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kalumo;

namespace {

// KALUMO_BILDSCHIRMFOTOS=FOLDER keeps pictures of the windows for a look by eye.
void Foto(QWidget &w, const char *name)
{
    const QString ordner = qEnvironmentVariable("KALUMO_BILDSCHIRMFOTOS");
    if (!ordner.isEmpty())
        w.grab().save(ordner + "/" + name + ".png");
}

void FotoBild(const QImage &bild, const char *name)
{
    const QString ordner = qEnvironmentVariable("KALUMO_BILDSCHIRMFOTOS");
    if (!ordner.isEmpty())
        bild.save(ordner + "/" + name + ".png");
}

std::vector<BestListDataTyp> Eintraege(int n)
{
    std::vector<BestListDataTyp> e;
    for (int i = 0; i < n; ++i)
        e.push_back({QString::fromUtf8("Schüler %1").arg(i + 1), QStringLiteral("PC-%1").arg(i % 7), 45000.5 + i,
                     60000 + 1000 * i, 1.0 - 0.01 * i});
    return e;
}

} // namespace

TEST(TNotenskalaForm, FelderZeilenUndPruefungBeimOk)
{
    NotenskalaTyp skala;
    SkriptMeldungen meldungen;
    TNotenskalaForm dialog(skala, meldungen);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Noten-/Punkteskala zur Bewertung der Übungsergebnisse");
    EXPECT_EQ(dialog.NotenFeld(1)->text(), "85,0");
    EXPECT_EQ(dialog.PunkteFeld(15)->text(), "95,0");
    EXPECT_FALSE(dialog.NotenFeld(6)->isEnabled());
    EXPECT_TRUE(dialog.SkalaKnopf(0)->isChecked());
    EXPECT_EQ(dialog.NotenText(1)->text(), "Note 1 - sehr gut");
    Foto(dialog, "notenskala");

    // scale 3 relabels the grade rows and hides the sixth
    dialog.SkalaKnopf(3)->click();
    EXPECT_EQ(dialog.NotenText(1)->text(), "Note 5 - sehr gut");
    EXPECT_EQ(dialog.NotenText(5)->text(), "Note 1 - mangelhaft");
    EXPECT_FALSE(dialog.NotenFeld(6)->isVisible());
    // scale 1 sets grade 5 to 0, scale 0 back to 25
    dialog.SkalaKnopf(1)->click();
    EXPECT_EQ(dialog.NotenFeld(5)->text(), "0,0");
    dialog.SkalaKnopf(0)->click();
    EXPECT_EQ(dialog.NotenFeld(5)->text(), "25,0");
    EXPECT_TRUE(dialog.NotenFeld(6)->isVisible());
    // scale 4 hides 13 to 15 points, and the rows below move up
    const int y12 = dialog.PunkteFeld(12)->y();
    dialog.SkalaKnopf(4)->click();
    QApplication::processEvents();
    EXPECT_FALSE(dialog.PunkteFeld(13)->isVisible());
    EXPECT_FALSE(dialog.PunkteText(15)->isVisible());
    EXPECT_TRUE(dialog.PunkteFeld(12)->isVisible());
    EXPECT_LT(dialog.PunkteFeld(12)->y(), y12);
    Foto(dialog, "notenskala-skala4");

    // a wrong value: the first violation, the field gets the focus, the dialog stays
    dialog.NotenFeld(3)->setText("71");
    dialog.OkKnopf()->click();
    EXPECT_EQ(meldungen.Texte(), QStringList{"Alle Werte müssen im Bereich von 0 bis 100% liegen.\r\nDer Wert für "
                                             "Note 2 darf nicht kleiner sein als der Wert für Note 3."});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), dialog.NotenFeld(2));

    dialog.NotenFeld(3)->setText("57,5");
    dialog.PunkteFeld(14)->setText("99");   // hidden on scale 4, taken over all the same
    dialog.OkKnopf()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Ergebnis().NoteMinQuote[3], 0.575);
    EXPECT_EQ(dialog.Ergebnis().PunkteMinQuote[14], 0.99);
    EXPECT_EQ(dialog.Ergebnis().BewertSkala, 4);
    EXPECT_EQ(dialog.Ergebnis().NoteMinQuote[5], 0.25);
}

TEST(TNotenskalaForm, AusfuehrenVerweigertWaehrendEinerUebungUndBeiSperre)
{
    NotenskalaTyp skala;
    skala.BewertSkala = 2;
    SkriptMeldungen meldungen;
    NotenskalaZustand zustand;
    zustand.Laeuft = true;
    EXPECT_FALSE(TNotenskalaForm::Ausfuehren(nullptr, skala, zustand, meldungen));
    EXPECT_EQ(meldungen.Texte(), QStringList{"Die Noten-/Punkteskala kann während einer Übung nicht geändert werden."});
    EXPECT_EQ(meldungen.Gezeigt()[0].Art, MeldungArt::Information);
    zustand = {};
    zustand.Gesperrt = true;
    EXPECT_FALSE(TNotenskalaForm::Ausfuehren(nullptr, skala, zustand, meldungen));
    EXPECT_EQ(skala.BewertSkala, 2);

    // allowed: "Abbrechen" keeps the scale, "OK" takes the choice over
    zustand = {};
    QTimer::singleShot(0, [] {
        auto *d = qobject_cast<TNotenskalaForm *>(QApplication::activeModalWidget());
        ASSERT_TRUE(d);
        d->SkalaKnopf(1)->click();
        d->AbbrechenKnopf()->click();
    });
    EXPECT_FALSE(TNotenskalaForm::Ausfuehren(nullptr, skala, zustand, meldungen));
    EXPECT_EQ(skala.BewertSkala, 2);
    QTimer::singleShot(0, [] {
        auto *d = qobject_cast<TNotenskalaForm *>(QApplication::activeModalWidget());
        ASSERT_TRUE(d);
        d->SkalaKnopf(1)->click();
        d->OkKnopf()->click();
    });
    EXPECT_TRUE(TNotenskalaForm::Ausfuehren(nullptr, skala, zustand, meldungen));
    EXPECT_EQ(skala.BewertSkala, 1);
    EXPECT_EQ(skala.NoteMinQuote[5], 0.0);
}

TEST(TBestListForm, RasterText_SpeichernUndZwischenablage)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    SkriptMeldungen meldungen;
    SkriptDateidialoge dialoge;
    TBestListForm fenster(meldungen, dialoge);
    fenster.show();
    // an empty list still shows one body row
    EXPECT_EQ(fenster.Tabelle()->rowCount(), 1);
    EXPECT_FALSE(fenster.DruckenKnopf()->isEnabled());

    const std::vector<BestListDataTyp> eintraege = Eintraege(12);
    fenster.Fuellen({BestenlisteTitel(BestenlisteArt::Netzwerk), eintraege});
    EXPECT_EQ(fenster.windowTitle(), "Bestenliste - Netzwerk-Übung");
    QTableWidget *t = fenster.Tabelle();
    ASSERT_EQ(t->rowCount(), 12);
    ASSERT_EQ(t->columnCount(), 6);
    EXPECT_EQ(t->horizontalHeaderItem(4)->text(), "Zeit (Min:Sek)");
    EXPECT_EQ(t->item(0, 1)->text(), QString::fromUtf8("Schüler 1"));
    EXPECT_EQ(t->item(1, 3)->text(), "99.0 %");
    EXPECT_EQ(t->item(1, 4)->text(), "01:01");
    EXPECT_TRUE(t->item(0, 0)->textAlignment() & Qt::AlignRight);
    EXPECT_TRUE(t->item(0, 1)->textAlignment() & Qt::AlignLeft);
    EXPECT_TRUE(t->item(0, 4)->textAlignment() & Qt::AlignRight);
    EXPECT_EQ(t->columnWidth(1), 200);
    EXPECT_EQ(t->rowHeight(0), 19);
    Foto(fenster, "bestenliste");

    fenster.ZwischenablageKnopf()->click();
    EXPECT_EQ(QApplication::clipboard()->text(), BestenlisteText(eintraege));

    const QString ziel = tmp.filePath("liste.txt");
    dialoge.Antworten = {ziel};
    fenster.SpeichernKnopf()->click();
    EXPECT_EQ(dialoge.LetzterTitel, "Bestenliste in Datei speichern");
    QFile f(ziel);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray inhalt = f.readAll();
    EXPECT_TRUE(inhalt.startsWith("Pos.\tName\tRechner\tLeistung\tZeit (Min:Sek)\tDatum/Uhrzeit\r\n1\tSch\xfcler 1\t"));
    EXPECT_EQ(inhalt.count("\r\n"), 13);

    // a folder that cannot be written: the write error, nothing else
    dialoge.Antworten = {tmp.filePath("fehlt/liste.txt")};
    fenster.SpeichernKnopf()->click();
    ASSERT_EQ(meldungen.Texte().size(), 1);
    EXPECT_TRUE(meldungen.Texte()[0].contains("kann nicht geschrieben werden"));
}

TEST(TBestListForm, DruckenAlsTabelleUeberMehrereSeiten)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    SkriptMeldungen meldungen;
    SkriptDateidialoge dialoge;
    TBestListForm fenster(meldungen, dialoge);
    fenster.Fuellen({BestenlisteTitel(BestenlisteArt::Individual), Eintraege(120)});
    const QString pdf = tmp.filePath("druck.pdf");
    int gefragt = 0;
    fenster.DruckzielSetzen([&](QWidget *) -> std::unique_ptr<QPagedPaintDevice> {
        ++gefragt;
        return std::make_unique<QPdfWriter>(pdf);
    });
    fenster.DruckenKnopf()->click();
    EXPECT_EQ(gefragt, 1);
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray inhalt = f.readAll();
    EXPECT_TRUE(inhalt.startsWith("%PDF"));
    EXPECT_GE(inhalt.count("/Type /Page\n") + inhalt.count("/Type /Page\r") + inhalt.count("/Type /Page "), 2);
    EXPECT_TRUE(meldungen.Texte().isEmpty());

    // cancelled print dialog: nothing
    fenster.DruckzielSetzen([](QWidget *) { return nullptr; });
    fenster.DruckenKnopf()->click();
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}

TEST(TBestListForm, ZeigenVerweigertOhneDokument)
{
    SkriptMeldungen meldungen;
    SkriptDateidialoge dialoge;
    TBestListForm fenster(meldungen, dialoge);
    BestenlisteOrt ort;
    ort.DokumentGespeichert = false;
    fenster.Zeigen(ort);
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_EQ(meldungen.Texte().size(), 1);
}

TEST(Notenskalabild, BilderZumAnsehen)
{
    const QColor fenster(240, 240, 240);
    for (int s = 0; s < kSkalenAnzahl; ++s) {
        NotenskalaTyp skala;
        skala.BewertSkala = s;
        const QImage bild = NotenskalaBild(skala, 0.725, QSize(150, 220), fenster);
        EXPECT_EQ(bild.size(), QSize(150, 220));
        FotoBild(bild, QStringLiteral("skalenbild-%1").arg(s).toUtf8().constData());
    }
}
