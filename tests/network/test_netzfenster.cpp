// The windows of the network exercise: the control display with its two
// pages and buttons, the join dialog with its poll, the communication
// settings dialog.

#include "network/TKommVerzForm.h"
#include "network/TMasterProtForm.h"
#include "network/TNetzUebungTnStartForm.h"

#include "document/DokumentDateien.h"
#include "peripheral/Rtf.h"
#include "platform/Windows1252.h"
#include "testhilfen/QtAusgabe.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPdfWriter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

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

Pause KeinePause()
{
    return [](int) {};
}

QString K(int i)
{
    return QString(29, QLatin1Char('K')) + QChar(u'A' + i);
}

QString Aktion(const QString &kennung, int objekt, int abgedeckt, int fehlversuche, int richtig, int ende = 0)
{
    TnAktionWerte w;
    w.TeilnehmerKennung = kennung;
    w.Objekt = objekt;
    w.Abgedeckt = abgedeckt;
    w.Fehlversuche = fehlversuche;
    w.EndeGrund = ende;
    w.StartZeit = QStringLiteral("08:15:0%1").arg(richtig);
    w.AnzAbfragen = 4;
    w.Richtig = richtig;
    w.Falsch = fehlversuche;
    w.OffenePositionen = 4 - richtig;
    w.Uhr = QStringLiteral("00:%1").arg(10 * richtig, 2, 10, QLatin1Char('0'));
    w.Erfolgsquote = richtig / double(richtig + fehlversuche);
    w.Gesamtleistung = richtig / 4.0;
    w.Note = 5 - richtig;
    return NachrichtText(TnAktionZeilen(w));
}

Dokument Seite()
{
    Dokument d;
    d.Kopf.titel = QStringLiteral("Blütenpflanze");
    d.Basisbild = QImage(8, 6, QImage::Format_RGBA8888);
    d.Basisbild.fill(Qt::white);
    for (int i = 0; i < 4; ++i)
        ObjektHinzufuegen(d, objAbfrageBeschriftung, ebeneTexteUndBilder, QStringLiteral("Teil %1").arg(i + 1), 0, 0,
                          0.2 * i, 0.5, -1);
    for (int i = 0; i < 4; ++i)
        d.Objekte[size_t(i)].AnzeigeNummer = i + 1;
    return d;
}

NetzLehrerStart Start(const QString &ordner)
{
    NetzKomTyp kom;
    kom.Ordner = ordner;
    kom.Kanal = QStringLiteral("F%1").arg(QCoreApplication::applicationPid() % 100000);
    kom.Verfahren = netzVerfahrenOrdner;
    NetzUebEinstTyp e;
    return NetzLehrerStartAufbauen(Seite(), kom, QStringLiteral("LEHRER-PC"), e, 4,
                                   {QStringLiteral("Rechnername:\tLEHRER-PC"), QString()},
                                   [](const QString &s) { return s.trimmed(); });
}

} // namespace

TEST(TMasterProtForm, ZeilenLiveBeideSeitenUndKnoepfe)
{
    QTemporaryDir dir;
    SkriptMeldungen m;
    SkriptDateidialoge dialoge;
    EinfacheDokumentDienste dienste(m);
    NetzLehrer lehrer(m, KeinePause());
    ASSERT_TRUE(lehrer.Initiieren(Start(dir.path() + "/"), Seite(), dienste)) << m.Texte().join('\n').toStdString();
    TMasterProtForm form(lehrer, m, dialoge);
    int bestenliste = 0, beendet = 0;
    form.BestenlisteZeigen = [&] { ++bestenliste; };
    form.NachDemBeenden = [&] { ++beendet; };
    form.Zeigen();
    EXPECT_EQ(form.windowTitle(), "Netzwerk-Übung - Kontrollanzeige - Status: aktiv");
    QTableWidget *t = form.Tabelle();
    EXPECT_EQ(t->columnCount(), kNetzFesteSpalten + 4);
    EXPECT_EQ(t->horizontalHeaderItem(spNote)->text(), "Note");
    EXPECT_EQ(t->horizontalHeaderItem(kNetzFesteSpalten + 3)->text(), "4");
    // the given widths at least, wider where a text needs it
    EXPECT_GE(t->columnWidth(spRechner), 60);
    EXPECT_GE(t->columnWidth(kNetzFesteSpalten), 25);
    EXPECT_EQ(t->rowCount(), 1);   // one empty row before anyone joined
    EXPECT_TRUE(form.AnmeldungCheck()->isChecked());

    // the rows follow the messages as they arrive
    const char *namen[] = {"Anna", "Ben", "Cem", "Dora", "Emil"};
    for (int i = 0; i < 5; ++i)
        lehrer.NachrichtEmpfangen(QStringLiteral("PC-%1").arg(i % 3 + 1),
                                  NachrichtText(TnInitZeilen({K(i), QString::fromUtf8(namen[i]), "08:15:00"})), "u");
    for (int i = 0; i < 5; ++i)
        for (int a = 0; a <= i % 4; ++a)
            lehrer.NachrichtEmpfangen("PC", Aktion(K(i), a, a % 2 ? abgFehlversuch : abgGeloest, a % 2, a + 1), "u");
    lehrer.NachrichtEmpfangen("PC", NachrichtText(TnFertigZeilen({K(1), endeAbgebrochen, "00:40"})), "u");
    ASSERT_EQ(t->rowCount(), 5);
    for (int z = 0; z < 5; ++z)
        for (int s = 0; s < t->columnCount(); ++s)
            EXPECT_EQ(t->item(z, s) ? t->item(z, s)->text() : QString(), lehrer.Kontrolle().Zelle(z, s)) << z << s;
    EXPECT_EQ(t->item(1, spStatus)->text(), "abgebr.");
    for (int s = 0; s < t->columnCount(); ++s)
        for (int z = 0; z < 5; ++z)
            EXPECT_LE(t->fontMetrics().horizontalAdvance(t->item(z, s)->text()), t->columnWidth(s)) << z << s;
    EXPECT_EQ(t->item(3, kNetzFesteSpalten + 1)->text(), "f");
    EXPECT_EQ(t->item(0, spRechner)->textAlignment() & Qt::AlignRight, 0);
    EXPECT_NE(t->item(0, spQuote)->textAlignment() & Qt::AlignRight, 0);
    Foto(form, "kontrollanzeige_teilnehmer");

    // participant page: copy and save the tab-separated text
    form.ZwischenablageClick();
    EXPECT_EQ(QApplication::clipboard()->text(), lehrer.Kontrolle().Text());
    dialoge.Antworten.push_back(dir.filePath("tn.txt"));
    form.SpeichernClick();
    EXPECT_EQ(dialoge.LetzterTitel, "Teilnehmerprotokoll in Datei speichern");
    QFile tn(dir.filePath("tn.txt"));
    ASSERT_TRUE(tn.open(QIODevice::ReadOnly));
    EXPECT_EQ(AusWindows1252(tn.readAll()), lehrer.Kontrolle().Text());

    // information page: the solutions, a comment, rich text out
    form.InformationKnopf()->click();
    ASSERT_EQ(form.AktuelleSeite(), TMasterProtForm::Seite::Information);
    EXPECT_TRUE(form.Information()->toPlainText().contains("Lösungen"));
    EXPECT_TRUE(form.Information()->toPlainText().contains("1 - Teil 1"));
    form.KommentardialogSetzen([](QWidget *) { return std::optional<QString>(QStringLiteral("  Gut gemacht. ")); });
    form.KommentarClick();
    form.KommentardialogSetzen([](QWidget *) { return std::optional<QString>(QStringLiteral("   ")); });
    form.KommentarClick();
    form.KommentardialogSetzen([](QWidget *) { return std::optional<QString>(); });
    form.KommentarClick();
    EXPECT_TRUE(lehrer.Protokoll().endsWith("\r\n<tit>Kommentar\r\nGut gemacht.")) << lehrer.Protokoll().toStdString();
    EXPECT_EQ(lehrer.Protokoll().count("<tit>Kommentar"), 1);
    EXPECT_TRUE(form.Information()->toPlainText().contains("Gut gemacht."));
    Foto(form, "kontrollanzeige_information");
    form.ZwischenablageClick();
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasHtml());
    EXPECT_TRUE(QApplication::clipboard()->text().contains("Gut gemacht."));
    dialoge.Antworten.push_back(dir.filePath("info.rtf"));
    form.SpeichernClick();
    EXPECT_EQ(dialoge.LetzterTitel, "Übungsinformation in Datei speichern");
    QFile rtf(dir.filePath("info.rtf"));
    ASSERT_TRUE(rtf.open(QIODevice::ReadOnly));
    const std::optional<QString> zurueck = ProtokollAusRtf(rtf.readAll());
    ASSERT_TRUE(zurueck);
    EXPECT_TRUE(zurueck->contains("Gut gemacht."));

    // printing each page, with its job title
    QStringList auftraege;
    for (const auto seite : {TMasterProtForm::Seite::Information, TMasterProtForm::Seite::Teilnehmer}) {
        const QString pdf = dir.filePath(QStringLiteral("druck%1.pdf").arg(int(seite)));
        form.DruckzielSetzen([&](QWidget *, const QString &auftrag) -> std::unique_ptr<QPagedPaintDevice> {
            auftraege << auftrag;
            return std::make_unique<QPdfWriter>(pdf);
        });
        form.SeiteZeigen(seite);
        form.DruckenClick();
        EXPECT_GT(QFileInfo(pdf).size(), 500) << pdf.toStdString();
    }
    EXPECT_EQ(auftraege, (QStringList{"Netzwerk-Übung", "Teilnehmerprotokoll"}));
    EXPECT_TRUE(m.Texte().isEmpty()) << m.Texte().join('\n').toStdString();

    // registration closed and opened through the marker file
    const NetzPfade p = lehrer.Pfade();
    form.AnmeldungCheck()->click();
    EXPECT_FALSE(form.AnmeldungCheck()->isChecked());
    EXPECT_FALSE(NetzMarkeVorhanden(p));
    form.AnmeldungCheck()->click();
    EXPECT_TRUE(NetzMarkeVorhanden(p));

    form.BestenlisteClick();
    EXPECT_EQ(bestenliste, 1);

    // the end: asked first; "Nein" keeps everything
    m.AntwortVormerken(Antwort::Nein);
    form.BeendenClick();
    EXPECT_TRUE(lehrer.Aktiv());
    EXPECT_EQ(beendet, 0);
    m.AntwortVormerken(Antwort::Ja);
    form.BeendenClick();
    EXPECT_EQ(m.Texte().back(), NetzBeendenFrageText());
    EXPECT_FALSE(lehrer.Aktiv());
    EXPECT_EQ(beendet, 1);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), "Netzwerk-Übung - Kontrollanzeige - Status: beendet");
    EXPECT_FALSE(NetzUebungsdateienVorhanden(p));
    // the rows stay for a look after the end; registration cannot be opened
    EXPECT_EQ(t->rowCount(), 5);
    m.Leeren();
    form.AnmeldungCheck()->click();
    EXPECT_FALSE(form.AnmeldungCheck()->isChecked());
    EXPECT_EQ(m.Texte(), QStringList{NetzKeineUebungText()});
}

TEST(TNetzUebungTnStartForm, PollZeigtBeideZustaende)
{
    QTemporaryDir dir;
    SkriptMeldungen m;
    TNetzUebungTnStartForm form(m);
    EXPECT_EQ(form.windowTitle(), "An Netzwerk-Übung teilnehmen");
    EXPECT_EQ(form.NameFeld()->maxLength(), 20);

    // a folder that does not exist: the warning, and nothing to join
    form.Oeffnen(NetzPfadeVon(dir.filePath("fehlt/"), "K"));
    EXPECT_EQ(m.Texte(), QStringList{NetzKomOrdnerFehltText()});
    EXPECT_EQ(form.StatusZeile()->text(), "Bitte warten...");
    EXPECT_FALSE(form.TeilnehmenKnopf()->isEnabled());
    form.reject();
    EXPECT_FALSE(form.PollLaeuft());

    m.Leeren();
    const NetzLehrerStart start = Start(dir.path() + "/");
    const NetzPfade p = NetzPfadeVon(start.Kom.Ordner, start.Kom.Kanal);
    form.Oeffnen(p);
    form.show();
    EXPECT_TRUE(m.Texte().isEmpty());
    EXPECT_TRUE(form.PollLaeuft());
    // the poll itself finds out that nothing is there yet
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.StatusZeile()->text() == NetzNichtInitiiertText(); }, 3000));
    EXPECT_EQ(form.StatusZeile()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_FALSE(form.TeilnehmenKnopf()->isEnabled());
    Foto(form, "beitritt_nicht_initiiert");

    // the teacher initiates: available with the title, in green
    EinfacheDokumentDienste dienste(m);
    NetzLehrer lehrer(m, KeinePause());
    ASSERT_TRUE(lehrer.Initiieren(start, Seite(), dienste));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.TeilnehmenKnopf()->isEnabled(); }, 3000));
    EXPECT_EQ(form.StatusZeile()->text(), "Netzwerk-Übung verfügbar: Blütenpflanze");
    EXPECT_EQ(form.StatusZeile()->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    Foto(form, "beitritt_verfuegbar");

    // no name: refused, the dialog stays
    form.TeilnehmenClick();
    EXPECT_EQ(m.Texte(), QStringList{NetzNameFehltText()});
    EXPECT_TRUE(form.isVisible());
    // registration closed: back to waiting
    lehrer.AnmeldungZulassen(false);
    form.Pruefen();
    EXPECT_FALSE(form.TeilnehmenKnopf()->isEnabled());
    lehrer.AnmeldungZulassen(true);
    form.Pruefen();
    QTest::keyClicks(form.NameFeld(), "  Anna ");
    form.TeilnehmenClick();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.Name(), "Anna");
    EXPECT_FALSE(form.PollLaeuft());
}

TEST(TKommVerzForm, FelderOkUndZugriffstest)
{
    QTemporaryDir dir;
    SkriptMeldungen m;
    SkriptDateidialoge dialoge;
    NetzKomTyp kom;
    kom.Ordner = dir.filePath("fehlt/");
    TKommVerzForm form(kom, m, dialoge);
    form.show();
    EXPECT_EQ(form.windowTitle(), "Kommunikation für Netzwerk-Übungen");
    EXPECT_EQ(form.KanalFeld()->text(), "MASTER-1");
    EXPECT_EQ(form.KanalFeld()->maxLength(), 8);
    EXPECT_TRUE(form.DatagrammKnopf()->isChecked());
    EXPECT_TRUE(form.PortHinweis()->text().contains("48433"));
    Foto(form, "kommunikation");

    // a folder that does not exist: refused, nothing stored
    form.OkClick();
    EXPECT_EQ(m.Texte(), QStringList{KommOrdnerUngueltigText()});
    EXPECT_EQ(form.result(), 0);
    EXPECT_EQ(kom.Kanal, "MASTER-1");

    // the folder dialog, the folder method, another channel
    dialoge.Antworten.push_back(dir.path());
    for (QPushButton *k : form.findChildren<QPushButton *>())
        if (k->text() == "&Durchsuchen...")
            k->click();
    EXPECT_EQ(dialoge.LetzterTitel, "Kommunikationsordner festlegen");
    EXPECT_EQ(form.OrdnerFeld()->text(), dir.path() + "/");
    form.OrdnerKnopf()->click();
    form.KanalFeld()->setText("KLASSE7");
    EXPECT_TRUE(form.PortHinweis()->text().contains("KLASSE7"));
    m.Leeren();
    form.ZugriffstestClick();
    EXPECT_EQ(m.Texte(), QStringList{KommTestErfolgreichText()});
    form.DatagrammKnopf()->click();
    m.Leeren();
    form.ZugriffstestClick();
    EXPECT_EQ(m.Texte(), QStringList{KommDatagrammTestText()});
    form.OrdnerKnopf()->click();
    m.Leeren();
    form.OkClick();
    EXPECT_TRUE(m.Texte().isEmpty());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(kom.Ordner, dir.path() + "/");
    EXPECT_EQ(kom.Kanal, "KLASSE7");
    EXPECT_EQ(kom.Verfahren, netzVerfahrenOrdner);

    // refused while this computer takes part in or runs a network exercise
    for (const auto &[modus, art] : {std::pair{true, 1}, std::pair{false, 2}}) {
        m.Leeren();
        EXPECT_FALSE(form.Ausfuehren(modus, art));
        EXPECT_EQ(m.Texte(), QStringList{KommGesperrtText()});
    }
}
