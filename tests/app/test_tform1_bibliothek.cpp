// The library in the main window: the document entries of "&Themenauswahl"
// with their pages, access keys, column break and radio mark, the paging and
// stepping commands, the dialog "Themenliste"; and the document dialogs of
// the main window: properties behind the document password, the page ratio,
// the font and the margins. KALUMO_BILDSCHIRMFOTOS=FOLDER keeps pictures of
// the menu and the dialogs for a look by eye.

#include "app/TBibliotheksmenue.h"
#include "app/TForm1.h"
#include "document/TDokEigenschaftenForm.h"
#include "document/TRaenderForm.h"
#include "document/TSchriftartForm.h"
#include "document/TSeitenverhaeltnisForm.h"
#include "peripheral/TThemenlisteForm.h"
#include "platform/Dateidialoge.h"
#include "platform/Dateioeffner.h"
#include "platform/Einstellungsspeicher.h"
#include "platform/Passwortabfrage.h"
#include "platform/TPasswortForm.h"
#include "testhilfen/Fixtures.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPdfWriter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace kalumo;

namespace {

void foto(QWidget &w, const QString &name)
{
    const QString ordner = qEnvironmentVariable("KALUMO_BILDSCHIRMFOTOS");
    if (!ordner.isEmpty())
        w.grab().save(QDir(ordner).filePath(name));
}

// The main window started on a folder of documents named t000.kal, t001.kal, …
struct Fenster
{
    QTemporaryDir ordner;
    QDir d{ordner.path()};
    SkriptMeldungen meldungen;
    SkriptDateidialoge dialoge;
    SkriptDateioeffner oeffner;
    SkriptPasswortabfrage passwort;
    EinstellungsspeicherImSpeicher speicher;
    TForm1 form;

    explicit Fenster(int anzahl)
    {
        for (int i = 0; i < anzahl; ++i)
            EXPECT_TRUE(test::DokumentAblegen(Datei(i), QStringLiteral("Thema Nummer %1").arg(i + 1), {}, QSize(400, 300)));
        form.MeldungenSetzen(&meldungen);
        form.DateidialogeSetzen(&dialoge);
        form.DateioeffnerSetzen(&oeffner);
        form.EinstellungsspeicherSetzen(&speicher);
        form.ZentraleKonfigurationSetzen({});
        form.PasswortabfrageSetzen(&passwort);
        form.ArgumenteSetzen({ordner.path()});
        form.resize(1024, 740);
        form.show();
        form.ErsteAktivierungAusfuehren();
    }
    QString Datei(int i) const { return d.filePath(QStringLiteral("t%1.kal").arg(i, 3, 10, QLatin1Char('0'))); }
    const std::vector<QAction *> &Eintraege() const { return form.Bibliotheksmenue()->Eintraege(); }
    int Sichtbare() const
    {
        return int(std::count_if(Eintraege().begin(), Eintraege().end(), [](QAction *a) { return a->isVisible(); }));
    }
    QAction *Aktion(const char *name) const { return form.Aktion(QString::fromLatin1(name)); }
};

// Runs was as soon as the next modal dialog is open.
template<class F>
void imDialog(QObject *ziel, F was)
{
    QTimer::singleShot(0, ziel, was);
}

} // namespace

TEST(TForm1Bibliothek, HundertdreissigDokumenteBlaetternMitSpaltenumbruch)
{
    Fenster f(130);
    QMenu *menue = f.form.Menue("Themenauswahl1");
    // 13 fixed entries, then one per document
    ASSERT_EQ(menue->actions().size(), 13 + 130);
    EXPECT_EQ(menue->actions()[13], f.Eintraege()[0]);
    EXPECT_EQ(f.Eintraege()[0]->objectName(), "MenueThemaItem0");
    EXPECT_EQ(f.Eintraege()[0]->text(), "&1:  Thema Nummer 1");
    EXPECT_EQ(f.Eintraege()[8]->text(), "&9:  Thema Nummer 9");
    EXPECT_EQ(f.Eintraege()[9]->text(), "10:  Thema Nummer 10");
    EXPECT_EQ(f.Sichtbare(), 60);
    EXPECT_EQ(f.form.Bibliotheksmenue()->Spaltenumbruch(), f.Eintraege()[25]);
    EXPECT_FALSE(f.Aktion("Vorherige60Dokumente1")->isEnabled());
    EXPECT_TRUE(f.Aktion("Naechste60Dokumente1")->isEnabled());
    EXPECT_EQ(f.Aktion("Naechste60Dokumente1")->text(), "Nächste 60 Dokumente anzeigen (von 130)");
    menue->popup(QPoint(0, 0));
    foto(*menue, "themenauswahl-130.png");
    menue->hide();

    std::vector<int> anfaenge;
    for (int i = 0; i < 2; ++i) {
        f.Aktion("Naechste60Dokumente1")->trigger();
        anfaenge.push_back(f.form.Programmzustand().Themen().Seitenanfang());
    }
    EXPECT_EQ(anfaenge, (std::vector<int>{60, 70}));
    EXPECT_TRUE(f.Eintraege()[70]->isVisible());
    EXPECT_FALSE(f.Eintraege()[69]->isVisible());
    EXPECT_EQ(f.form.Bibliotheksmenue()->Spaltenumbruch(), f.Eintraege()[95]);
    EXPECT_TRUE(f.Aktion("Vorherige60Dokumente1")->isEnabled());
    EXPECT_FALSE(f.Aktion("Naechste60Dokumente1")->isEnabled());

    // a click on an entry opens its document and marks it
    f.Eintraege()[100]->trigger();
    EXPECT_EQ(f.form.AktuellesDokument().Kopf.Dateiname, f.Datei(100));
    EXPECT_TRUE(f.Eintraege()[100]->isChecked());
    EXPECT_EQ(std::count_if(f.Eintraege().begin(), f.Eintraege().end(), [](QAction *a) { return a->isChecked(); }), 1);
    // Page Down steps through the list; on the last entry nothing changes
    for (int i = 0; i < 40; ++i)
        f.Aktion("NaechstesDokument1")->trigger();
    EXPECT_EQ(f.form.AktuellesDokument().Kopf.Dateiname, f.Datei(129));
    EXPECT_TRUE(f.Eintraege()[129]->isChecked());
    f.Aktion("VorherigesDokument1")->trigger();
    EXPECT_EQ(f.form.AktuellesDokument().Bibliotheksindex, 128);
    EXPECT_TRUE(f.meldungen.Texte().isEmpty());
}

TEST(TForm1Bibliothek, ZwanzigDokumenteOhneUmbruchUndOhneBlaettern)
{
    Fenster f(20);
    EXPECT_EQ(f.Sichtbare(), 20);
    EXPECT_EQ(f.form.Bibliotheksmenue()->Spaltenumbruch(), nullptr);
    EXPECT_FALSE(f.Aktion("Vorherige60Dokumente1")->isEnabled());
    EXPECT_FALSE(f.Aktion("Naechste60Dokumente1")->isEnabled());
    // the button beside the title opens the first document
    QToolButton *naechstes = nullptr;
    for (QToolButton *k : f.form.findChildren<QToolButton *>())
        if (k->toolTip() == "nächstes Dokument öffnen")
            naechstes = k;
    ASSERT_NE(naechstes, nullptr);
    naechstes->click();
    EXPECT_EQ(f.form.AktuellesDokument().Kopf.Dateiname, f.Datei(0));
    EXPECT_EQ(f.form.TitelLabel()->text(), " (1) Thema Nummer 1");
    // "Aktuellen Ordner neu einlesen" reports the count
    ASSERT_TRUE(test::DokumentAblegen(f.d.filePath("neu.kal"), "neu"));
    f.Aktion("OrdnerNeuEinlesen1")->trigger();
    EXPECT_EQ(f.Eintraege().size(), 21u);
    ASSERT_FALSE(f.meldungen.Texte().isEmpty());
    EXPECT_TRUE(f.meldungen.Texte().last().startsWith("21 Themendokument(e) eingelesen."));
}

TEST(TForm1Bibliothek, ThemenlisteKopierenSpeichernDruckenKommentierenVersenden)
{
    Fenster f(3);
    f.Aktion("ThemenlisteDrucken1")->trigger();
    TThemenlisteForm *liste = f.form.Bibliotheksmenue()->Themenliste();
    ASSERT_TRUE(liste->isVisible());
    EXPECT_EQ(liste->windowTitle(), "Themenliste");
    EXPECT_TRUE(liste->Anzeige()->toPlainText().startsWith("Themenliste\n"));
    EXPECT_TRUE(liste->Anzeige()->toPlainText().contains("3: Thema Nummer 3"));
    liste->ZwischenablageClick();
    EXPECT_TRUE(QApplication::clipboard()->text().contains("1: Thema Nummer 1"));

    liste->KommentardialogSetzen([](QWidget *) { return std::optional<QString>("  Klasse 5b  "); });
    liste->KommentarClick();
    EXPECT_TRUE(liste->Text().endsWith("\r\n<tit>Kommentar\r\nKlasse 5b"));

    QTemporaryDir aus;
    f.dialoge.Antworten.push_back(aus.filePath("liste.rtf"));
    liste->SpeichernClick();
    EXPECT_EQ(f.dialoge.LetzterTitel, "Themenliste in Datei speichern");
    QFile rtf(aus.filePath("liste.rtf"));
    ASSERT_TRUE(rtf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(rtf.readAll().startsWith("{\\rtf"));

    QString auftrag;
    liste->DruckzielSetzen([&](QWidget *, const QString &a) -> std::unique_ptr<QPagedPaintDevice> {
        auftrag = a;
        return std::make_unique<QPdfWriter>(aus.filePath("druck.pdf"));
    });
    liste->DruckenClick();
    EXPECT_EQ(auftrag, "Themenliste");
    EXPECT_GT(QFileInfo(aus.filePath("druck.pdf")).size(), 0);

    SkriptEMailProgramm mail;
    liste->EMailSetzen(&mail);
    liste->ProtokollordnerSetzen(aus.path());
    liste->EMailClick();
    ASSERT_EQ(mail.Aufrufe.size(), 1u);
    EXPECT_EQ(mail.Aufrufe[0].Betreff, "Kalumo-Übungsprotokoll");
    EXPECT_TRUE(mail.Aufrufe[0].Text.startsWith("Anbei Kalumo-Übungsprotokoll zu Themendokument: "));
    ASSERT_EQ(mail.Aufrufe[0].Anhaenge.size(), 1);
    EXPECT_TRUE(QFileInfo(mail.Aufrufe[0].Anhaenge[0]).fileName().startsWith("email-kalprotokoll-"));
    EXPECT_TRUE(QFileInfo::exists(mail.Aufrufe[0].Anhaenge[0]));
    foto(*liste, "themenliste.png");
    liste->close();
}

// Properties: no question without a document password; after one correct
// entry none until another document is read.
TEST(TForm1Dokumentdialoge, EigenschaftenHinterDemDokumentpasswort)
{
    Fenster f(2);
    ASSERT_TRUE(test::DokumentAblegen(f.Datei(1), "Geschützt", "Geheim"));
    f.Aktion("OrdnerNeuEinlesen1")->trigger();
    f.form.Programmzustand().BibliotheksdokumentOeffnen(0);
    TDokEigenschaftenForm *form = f.form.EigenschaftenForm();
    imDialog(form, [&] {
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->TitelEdit()->text(), "Thema Nummer 1");
        EXPECT_EQ(form->PasswortLabel()->text(), "Passwort nicht gesetzt");
        EXPECT_TRUE(form->PasswortLabel()->toolTip().contains("keine Verschlüsselung"));
        EXPECT_TRUE(form->GroesseLabel()->text().endsWith(" Bytes"));
        form->TitelEdit()->setText("Neuer Titel");
        form->ZielpunktCombo()->setCurrentIndex(form->ZielpunktCombo()->findText("unsichtbar"));
        foto(*form, "dokumenteigenschaften.png");
        form->Seiten()->setCurrentIndex(TDokEigenschaftenForm::seiteArbeitsblatt);
        foto(*form, "dokumenteigenschaften-arbeitsblatt.png");
        form->accept();
    });
    f.Aktion("Dokumenteigenschaften1")->trigger();
    EXPECT_EQ(f.passwort.Anzahl, 0);
    EXPECT_EQ(f.form.AktuellesDokument().Kopf.titel, "Neuer Titel");
    EXPECT_EQ(f.form.AktuellesDokument().Kopf.Zielpunktgroesse, 0);
    EXPECT_TRUE(f.form.AktuellesDokument().Kopf.Geaendert);
    f.form.AktuellesDokument().Kopf.Geaendert = false;

    f.form.Programmzustand().BibliotheksdokumentOeffnen(1);
    f.passwort.Antworten = {QString("falsch"), QString("Geheim")};
    imDialog(form, [&] { form->reject(); });
    f.Aktion("Dokumenteigenschaften1")->trigger();
    EXPECT_EQ(f.passwort.Anzahl, 2);
    EXPECT_EQ(f.meldungen.Texte().count("Das Passwort ist falsch."), 1);
    imDialog(form, [&] { form->reject(); });
    f.Aktion("Dokumenteigenschaften2")->trigger();
    EXPECT_EQ(f.passwort.Anzahl, 2); // unlocked until another document is read
    f.form.Programmzustand().BibliotheksdokumentOeffnen(0);
    f.form.Programmzustand().BibliotheksdokumentOeffnen(1);
    f.passwort.Antworten = {std::nullopt};
    f.Aktion("Dokumenteigenschaften1")->trigger(); // cancelled: no dialog
    EXPECT_EQ(f.passwort.Anzahl, 3);
    EXPECT_FALSE(form->isVisible());

    TPasswortForm echt;
    echt.setWindowTitle(kPasswortTitel);
    echt.resize(420, 140);
    QTimer::singleShot(0, &echt, [&] {
        echt.Feld()->setText("abc");
        foto(echt, "passwort.png");
        echt.reject();
    });
    echt.Fragen(QString::fromUtf8(kPasswortTitel), QString::fromUtf8(kDokPasswortErklaerung));
}

TEST(TForm1Dokumentdialoge, RaenderPruefenUndSpeichernErstWennBeidePaareStimmen)
{
    Fenster f(1);
    f.form.Programmzustand().BibliotheksdokumentOeffnen(0);
    TRaenderForm *r = f.form.RaenderForm();
    // typed in the user's decimal notation
    auto setzen = [r](double links, double oben, double rechts, double unten) {
        const QLocale l;
        r->Feld(TRaenderForm::feldLinks)->setText(l.toString(links));
        r->Feld(TRaenderForm::feldOben)->setText(l.toString(oben));
        r->Feld(TRaenderForm::feldRechts)->setText(l.toString(rechts));
        r->Feld(TRaenderForm::feldUnten)->setText(l.toString(unten));
    };
    const std::array<double, 4> vorher = f.form.AktuellesDokument().Kopf.EinrueckRand;
    imDialog(r, [&] {
        foto(*r, "raender.png");
        setzen(10, 30.1, 10, 30);
        EXPECT_FALSE(r->OkClick());
        EXPECT_EQ(f.meldungen.Texte().last(), RaenderObenUntenFehler());
        setzen(-1, 10, 10, 10);
        EXPECT_FALSE(r->OkClick());
        EXPECT_EQ(f.meldungen.Texte().last(), RaenderLinksRechtsFehler());
        EXPECT_TRUE(r->isVisible());
        r->reject();
    });
    EXPECT_FALSE(f.form.RaenderEinstellen());
    EXPECT_EQ(f.form.AktuellesDokument().Kopf.EinrueckRand, vorher);

    imDialog(r, [&] {
        setzen(5, 30, 7.5, 30);
        EXPECT_TRUE(r->OkClick());
    });
    EXPECT_TRUE(f.form.RaenderEinstellen());
    const std::array<double, 4> &neu = f.form.AktuellesDokument().Kopf.EinrueckRand;
    EXPECT_DOUBLE_EQ(neu[0], 0.05);
    EXPECT_DOUBLE_EQ(neu[1], 0.30);
    EXPECT_DOUBLE_EQ(neu[2], 0.075);
    EXPECT_DOUBLE_EQ(neu[3], 0.30);
}

TEST(TForm1Dokumentdialoge, SeitenverhaeltnisUndSchriftart)
{
    Fenster f(1);
    f.form.Programmzustand().BibliotheksdokumentOeffnen(0);
    TSeitenverhaeltnisForm *s = f.form.SeitenverhaeltnisForm();
    imDialog(s, [&] {
        EXPECT_EQ(s->Seiten()->currentIndex(), TSeitenverhaeltnisForm::seiteAktuell);
        s->Arbeitsblatt(TSeitenverhaeltnisForm::seiteAktuell);
        EXPECT_TRUE(s->Festgelegt(TSeitenverhaeltnisForm::seiteAktuell)->isChecked());
        s->Hoehe(TSeitenverhaeltnisForm::seiteVorgabe)->setValue(9); // editing chooses the fixed ratio
        EXPECT_TRUE(s->Festgelegt(TSeitenverhaeltnisForm::seiteVorgabe)->isChecked());
        foto(*s, "seitenverhaeltnis.png");
        s->accept();
    });
    f.Aktion("Seitenverhaeltnis1")->trigger();
    const HeaderDataTyp &k = f.form.AktuellesDokument().Kopf;
    EXPECT_EQ(k.SeitRatioHoehe, 12);
    // a 400 x 300 picture on a 10:12 page: 360 pixels are added below and above
    EXPECT_NEAR(k.RandErw[1] + k.RandErw[3], 480.0 / 300 - 1, 1e-3);
    EXPECT_EQ(f.form.Einstellungen().Seite.SeitRatioHoehe, 9);
    EXPECT_TRUE(k.Geaendert);

    TSchriftartForm *schrift = f.form.SchriftartForm();
    ASSERT_GT(schrift->Liste()->count(), 0);
    const QString gewaehlt = schrift->Liste()->itemText(schrift->Liste()->count() - 1);
    imDialog(schrift, [&] {
        schrift->Liste()->setCurrentIndex(schrift->Liste()->count() - 1);
        EXPECT_EQ(schrift->Vorschau()->text(), gewaehlt);
        EXPECT_EQ(schrift->Vorschau()->font().family(), gewaehlt);
        foto(*schrift, "schriftart.png");
        schrift->accept();
    });
    f.Aktion("DokumentSchriftart1")->trigger();
    EXPECT_EQ(f.form.Programmzustand().Schriftart(), gewaehlt);
}
