// The windows of the end of a run: "Übung beendet" with its values, the
// repeat choice and the best-list entry, and "Übungsprotokoll" with copy,
// save, print, comment and e-mail.
// KALUMO_BILDSCHIRMFOTOS=FOLDER keeps pictures of both.

#include "exercise/TUebFertigForm.h"
#include "exercise/TUebProtokollForm.h"
#include "peripheral/Rtf.h"
#include "platform/QtMeldungen.h"

#include "testhilfen/QtAusgabe.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QPdfWriter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace kalumo;

namespace {

void Foto(QWidget &w, const char *name)
{
    const QString ordner = qEnvironmentVariable("KALUMO_BILDSCHIRMFOTOS");
    if (ordner.isEmpty())
        return;
    QCoreApplication::processEvents();
    w.grab().save(ordner + "/" + name + ".png");
}

ErgebnisAnzeige Beispiel()
{
    ErgebnisAnzeige a;
    a.Richtig = "3  von  10";
    a.Falsch = "1";
    a.Quote = "75.0 %";
    a.Leistung = "30.0 %";
    a.ZeitBeschriftung = "Verbliebene Zeit:";
    a.Zeit = "00:00";
    a.Offen = "6";
    a.NotenWort = "ungenügend";
    a.NotenLabel = "Note:";
    a.Note = "6";
    a.Gesamtleistung = 0.3;
    return a;
}

const QString kProtokoll = QStringLiteral(
    "<tit>Übungsprotokoll\r\n"
    "Datum/Uhrzeit (Beginn):\t07.03.26 08:05\r\n"
    "Teilnehmername:\tJörg Weiß\r\n"
    "\r\n"
    "<tit>Statistik-Zusammenfassung\r\n"
    "Richtig zugeordnet:\t3\r\n"
    "Fehlversuche:\t1\r\n"
    "Gesamtleistung:\t30.0 %\r\n"
    "Bewertung:\tungenügend\r\n"
    "\r\n"
    "<tit>Detaillierter Ablauf\r\n"
    "00:00 - Übung wird gestartet\r\n"
    "00:04 - RICHTIG - Lückentext \"Größe\" wird richtig zugeordnet\r\n");

QByteArray Lesen(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(TUebFertigForm, ZeigtDasErgebnisUndGibtDieWahlZurueck)
{
    TUebFertigForm form;
    EXPECT_EQ(form.windowTitle(), "Übung beendet");
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    form.Fuellen(Beispiel(), true, {});
    form.show();
    EXPECT_EQ(form.Wert("Richtig")->text(), "3  von  10");
    EXPECT_EQ(form.Wert("Quote")->text(), "75.0 %");
    EXPECT_EQ(form.Wert("Leistung")->text(), "30.0 %");
    EXPECT_EQ(form.ZeitBeschriftung()->text(), "Verbliebene Zeit:");
    EXPECT_EQ(form.Wert("Offen")->text(), "6");
    EXPECT_EQ(form.Wert("NotenWort")->text(), "ungenügend");
    EXPECT_EQ(form.NotenLabel()->text(), "Note:");
    EXPECT_EQ(form.Wert("Note")->text(), "6");
    EXPECT_FALSE(form.Skalenbild()->pixmap().isNull());
    EXPECT_EQ(form.WiederholungGruppe()->title(), "Übung wiederholen");
    EXPECT_EQ(form.FehlerKnopf()->text(), "Nur Abfragen wiederholen, die nicht auf Anhieb korrekt gelöst wurden");
    EXPECT_TRUE(form.KomplettKnopf()->isChecked());
    EXPECT_TRUE(form.FehlerKnopf()->isEnabled());
    EXPECT_FALSE(form.EintragenKnopf()->isVisible());
    EXPECT_FALSE(form.EingetragenLabel()->isVisible());

    // the driven window: "Übung wiederholen" with the failed queries only
    struct Fall
    {
        bool moeglich;
        bool fehlerWaehlen;
        QPushButton *(TUebFertigForm::*knopf)() const;
        bool wiederholen;
        int wiederholung;
    };
    const Fall faelle[] = {
        {true, true, &TUebFertigForm::WiederholenKnopf, true, wiedFehler},
        {true, false, &TUebFertigForm::WiederholenKnopf, true, wiedKomplett},
        {true, true, &TUebFertigForm::LernansichtKnopf, false, wiedFehler},
        // not possible: the choice stands on its first item
        {false, true, &TUebFertigForm::WiederholenKnopf, true, wiedKomplett},
    };
    for (const Fall &f : faelle) {
        form.Fuellen(Beispiel(), f.moeglich, {});
        EXPECT_EQ(form.FehlerKnopf()->isEnabled(), f.moeglich);
        EXPECT_TRUE(form.KomplettKnopf()->isChecked());
        if (f.fehlerWaehlen)
            form.FehlerKnopf()->click();
        (form.*f.knopf)()->click();
        EXPECT_FALSE(form.isVisible());
        const ErgebnisWahl w = form.Wahl();
        EXPECT_EQ(w.Wiederholen, f.wiederholen);
        if (w.Wiederholen)
            EXPECT_EQ(w.Wiederholung, f.wiederholung);
        form.show();
    }
}

TEST(TUebFertigForm, KnoepfeFuerProtokollBestenlisteUndEintrag)
{
    TUebFertigForm form;
    int protokoll = 0, bestenliste = 0, eintraege = 0;
    bool gelingt = false;
    form.ProtokollZeigen = [&] { ++protokoll; };
    form.BestenlisteZeigen = [&] { ++bestenliste; };
    form.InBestenlisteEintragen = [&] {
        ++eintraege;
        return gelingt;
    };
    form.Fuellen(Beispiel(), false, {false, true});
    form.show();
    EXPECT_EQ(form.ProtokollKnopf()->text(), "Übungsprotokoll...");
    EXPECT_EQ(form.BestenlisteKnopf()->text(), "Bestenliste...");
    form.ProtokollKnopf()->click();
    form.BestenlisteKnopf()->click();
    EXPECT_EQ(protokoll, 1);
    EXPECT_EQ(bestenliste, 1);
    EXPECT_TRUE(form.isVisible());

    // offered: a failed entry keeps the button, a made one shows the sentence
    ASSERT_TRUE(form.EintragenKnopf()->isVisible());
    EXPECT_EQ(form.EintragenKnopf()->text(), "In Bestenliste eintragen");
    Foto(form, "ergebnisfenster");
    form.EintragenKnopf()->click();
    EXPECT_TRUE(form.EintragenKnopf()->isVisible());
    EXPECT_FALSE(form.EingetragenLabel()->isVisible());
    gelingt = true;
    form.EintragenKnopf()->click();
    EXPECT_EQ(eintraege, 2);
    EXPECT_FALSE(form.EintragenKnopf()->isVisible());
    EXPECT_TRUE(form.EingetragenLabel()->isVisible());
    EXPECT_EQ(form.EingetragenLabel()->text(), "Das Ergebnis wurde in die Bestenliste eingetragen.");

    // entered automatically: the sentence, no button
    form.Fuellen(Beispiel(), false, {true, false});
    EXPECT_TRUE(form.EingetragenLabel()->isVisible());
    EXPECT_FALSE(form.EintragenKnopf()->isVisible());
    Foto(form, "ergebnisfenster-eingetragen");
}

TEST(TUebProtokollForm, KopierenSpeichernDruckenKommentar)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    SkriptMeldungen meldungen;
    SkriptDateidialoge dialoge;
    SkriptEMailProgramm email;
    TUebProtokollForm form(meldungen, dialoge, email);
    UebungsprotokollTyp protokoll{kProtokoll, false, "Lückentext Rhein.kal"};
    form.Zeigen(protokoll, false);
    EXPECT_EQ(form.windowTitle(), "Übungsprotokoll");
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(form.Anzeige()->isReadOnly());
    EXPECT_TRUE(form.Anzeige()->toPlainText().startsWith("Übungsprotokoll\n"));
    EXPECT_FALSE(form.Anzeige()->toPlainText().contains("<tit>"));
    Foto(form, "protokollfenster");

    // copy: plain text, HTML and RTF of the whole protocol
    form.KopierenKnopf()->click();
    const QMimeData *daten = QApplication::clipboard()->mimeData();
    ASSERT_NE(daten, nullptr);
    EXPECT_TRUE(daten->text().contains("Jörg Weiß"));
    EXPECT_EQ(ProtokollAusRtf(daten->data("text/rtf")), kProtokoll);

    // save: the dialog's title, the file is the RTF of the protocol
    const QString ziel = tmp.filePath("protokoll.rtf");
    dialoge.Antworten = {ziel};
    form.SpeichernKnopf()->click();
    EXPECT_EQ(dialoge.LetzterTitel, "Übungsprotokoll in Datei speichern");
    EXPECT_EQ(ProtokollAusRtf(Lesen(ziel)), kProtokoll);
    // a file that cannot be written: the file error
    dialoge.Antworten = {tmp.filePath("fehlt/protokoll.rtf")};
    form.SpeichernKnopf()->click();
    ASSERT_EQ(meldungen.Texte().size(), 1);
    EXPECT_TRUE(meldungen.Texte()[0].contains("kann nicht geschrieben werden")) << meldungen.Texte()[0].toStdString();
    meldungen.Leeren();

    // print: the job title, and pages drawn
    QString auftrag;
    const QString pdf = tmp.filePath("druck.pdf");
    form.DruckzielSetzen([&](QWidget *, const QString &titel) -> std::unique_ptr<QPagedPaintDevice> {
        auftrag = titel;
        return std::make_unique<QPdfWriter>(pdf);
    });
    form.DruckenKnopf()->click();
    EXPECT_EQ(auftrag, "Übungsprotokoll");
    EXPECT_GT(QFileInfo(pdf).size(), 500);

    // comments: cancelled or blank ones change nothing, others are appended
    std::deque<std::optional<QString>> kommentare = {std::nullopt, QString("   "), QString(" Sehr gut! \n"),
                                                     QString("Zweiter")};
    form.KommentardialogSetzen([&](QWidget *) {
        std::optional<QString> k = kommentare.front();
        kommentare.pop_front();
        return k;
    });
    form.KommentarKnopf()->click();
    form.KommentarKnopf()->click();
    EXPECT_EQ(protokoll.Text, kProtokoll);
    form.KommentarKnopf()->click();
    form.KommentarKnopf()->click();
    EXPECT_EQ(protokoll.Text, kProtokoll + "\r\n<tit>Kommentar\r\nSehr gut!\r\n<tit>Kommentar\r\nZweiter");
    const QString gezeigt = form.Anzeige()->toPlainText();
    EXPECT_TRUE(gezeigt.contains("Sehr gut!") && gezeigt.endsWith("Zweiter")) << gezeigt.toStdString();
    Foto(form, "protokollfenster-kommentar");

    // Escape closes the window
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
}

TEST(TUebProtokollForm, PerEMailVersenden)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    SkriptMeldungen meldungen;
    SkriptDateidialoge dialoge;
    SkriptEMailProgramm email;
    TUebProtokollForm form(meldungen, dialoge, email);
    form.Jetzt = [] { return QDateTime(QDate(2026, 12, 11), QTime(13, 4, 5)); };
    form.ProtokollOrdnerSetzen(tmp.path() + "/");
    UebungsprotokollTyp protokoll{kProtokoll, false, "Lückentext Rhein.kal"};
    form.Zeigen(protokoll, false);
    EXPECT_EQ(form.EMailKnopf()->text(), "Per E-Mail versenden");

    // twice in one second: two attachments, counters 0 and 1
    form.EMailKnopf()->click();
    email.Ergebnis = 1;
    form.EMailKnopf()->click();
    ASSERT_EQ(email.Aufrufe.size(), 2u);
    EXPECT_EQ(email.Aufrufe[0].Anhaenge, QStringList{tmp.filePath("email-kalprotokoll-20261211-130405-0.rtf")});
    EXPECT_EQ(email.Aufrufe[1].Anhaenge, QStringList{tmp.filePath("email-kalprotokoll-20261211-130405-1.rtf")});
    EXPECT_EQ(email.Aufrufe[0].Betreff, "Kalumo-Übungsprotokoll");
    EXPECT_EQ(email.Aufrufe[0].Text, "Anbei Kalumo-Übungsprotokoll zu Themendokument: Lückentext Rhein.kal\r\n");
    EXPECT_EQ(ProtokollAusRtf(Lesen(email.Aufrufe[0].Anhaenge[0])), kProtokoll);
    ASSERT_EQ(meldungen.Gezeigt().size(), 2u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Art, MeldungArt::Information);
    EXPECT_EQ(meldungen.Gezeigt()[1].Art, MeldungArt::Warnung);
    meldungen.Leeren();

    // the protocol folder cannot be written: the error, no mail
    form.ProtokollOrdnerSetzen(tmp.filePath("fehlt/"));
    form.EMailKnopf()->click();
    EXPECT_EQ(email.Aufrufe.size(), 2u);
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Art, MeldungArt::Fehler);
    EXPECT_TRUE(meldungen.Texte()[0].endsWith(
        "Das Übungsprotokoll konnte nicht für den E-Mail-Versand zwischengespeichert werden. Überprüfen Sie die "
        "Einstellungen unter \"Optionen | Ordner für Protokolle und Bestenlisten\"."))
        << meldungen.Texte()[0].toStdString();
}

// Boxes and file dialogs belong to the modal window in front, so that a
// window that stays on top does not cover them.
TEST(TUebFertigForm, MeldungenGehoerenZumModalenFenster)
{
    QWidget haupt;
    EXPECT_EQ(DialogEltern(&haupt), QApplication::activeWindow() ? QApplication::activeWindow() : &haupt);
    TUebFertigForm form(&haupt);
    form.setWindowModality(Qt::ApplicationModal);
    form.show();
    EXPECT_EQ(DialogEltern(&haupt), &form);
    form.hide();
}
