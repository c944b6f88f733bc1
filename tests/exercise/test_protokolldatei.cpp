// Protocol files: the names with date, time, computer and counter, the
// counter rising in one second, the file error with its addition, the RTF
// read back with headings and umlauts, comments and the e-mail texts.

#include "exercise/Protokolldatei.h"
#include "peripheral/Rtf.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kalumo;

namespace {

const QDateTime kZeit(QDate(2026, 3, 7), QTime(8, 5, 9));

const QString kProtokoll = QStringLiteral(
    "<tit>Übungsprotokoll\r\n"
    "Teilnehmername:\tJörg Weiß\r\n"
    "\r\n"
    "<TIT>Detaillierter Ablauf\r\n"
    "00:03 - RICHTIG - Lückentext \"Größe\" wird richtig zugeordnet\r\n");

QByteArray lesen(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(Protokolldatei, Dateinamen)
{
    EXPECT_EQ(ProtokollDateiname(kZeit, "PC-07", 0), "20260307-080509-PC-07-0.rtf");
    EXPECT_EQ(ProtokollDateiname(kZeit, "PC-07", 12), "20260307-080509-PC-07-12.rtf");
    // a computer name never leads out of the folder
    EXPECT_EQ(ProtokollDateiname(kZeit, "../a/b:c", 1), "20260307-080509-.._a_b_c-1.rtf");
    EXPECT_EQ(EMailProtokollDateiname(kZeit, 3), "email-kalprotokoll-20260307-080509-3.rtf");
}

TEST(Protokolldatei, ZweiSpeicherungenInEinerSekundeZaehlenHoch)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    SkriptMeldungen meldungen;
    const std::optional<QString> erste = ProtokollAutoSpeichern(kProtokoll, tmp.path() + "/", "PC-07", kZeit, meldungen);
    const std::optional<QString> zweite =
        ProtokollAutoSpeichern(kProtokoll + "Kommentar", tmp.path() + "/", "PC-07", kZeit, meldungen);
    ASSERT_TRUE(erste && zweite);
    EXPECT_EQ(*erste, tmp.filePath("20260307-080509-PC-07-0.rtf"));
    EXPECT_EQ(*zweite, tmp.filePath("20260307-080509-PC-07-1.rtf"));
    EXPECT_TRUE(meldungen.Texte().isEmpty());
    // nothing but the two protocols is left behind
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    // the first is not overwritten, and reads back with headings and umlauts
    const std::optional<QString> zurueck = ProtokollAusRtf(lesen(*erste));
    ASSERT_TRUE(zurueck);
    EXPECT_EQ(*zurueck, QString(kProtokoll).replace("<TIT>", "<tit>"));
    const std::optional<std::vector<RtfAbsatz>> absaetze = RtfAbsaetze(lesen(*erste));
    ASSERT_TRUE(absaetze);
    EXPECT_EQ(absaetze->front().Text, "Übungsprotokoll");
    EXPECT_TRUE(absaetze->front().Fett);

    // the e-mail attachment takes its own names in the same folder
    const std::optional<QString> anhang = ProtokollFuerEMailSpeichern(kProtokoll, tmp.path(), kZeit, meldungen);
    ASSERT_TRUE(anhang);
    EXPECT_EQ(*anhang, tmp.filePath("email-kalprotokoll-20260307-080509-0.rtf"));
}

TEST(Protokolldatei, NichtSchreibbarerOrdnerGibtDenDateifehler)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    // a folder below a plain file cannot exist, whoever runs the test
    QFile datei(tmp.filePath("datei"));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.close();
    const QString ordner = tmp.filePath("datei/protokolle/");
    struct Fall
    {
        bool email;
        QString name;
        QString zusatz;
    };
    const Fall faelle[] = {
        {false, "20260307-080509-PC-07-0.rtf",
         "Das Übungsprotokoll konnte nicht automatisch gespeichert werden. Überprüfen Sie die Einstellungen unter "
         "\"Optionen / Ordner für Protokolle und Bestenlisten\"."},
        {true, "email-kalprotokoll-20260307-080509-0.rtf",
         "Das Übungsprotokoll konnte nicht für den E-Mail-Versand zwischengespeichert werden. Überprüfen Sie die "
         "Einstellungen unter \"Optionen | Ordner für Protokolle und Bestenlisten\"."},
    };
    for (const Fall &f : faelle) {
        SkriptMeldungen meldungen;
        const std::optional<QString> pfad =
            f.email ? ProtokollFuerEMailSpeichern(kProtokoll, ordner, kZeit, meldungen)
                    : ProtokollAutoSpeichern(kProtokoll, ordner, "PC-07", kZeit, meldungen);
        EXPECT_FALSE(pfad);
        ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
        EXPECT_EQ(meldungen.Gezeigt()[0].Art, MeldungArt::Fehler);
        EXPECT_EQ(meldungen.Gezeigt()[0].Text,
                  "Die Datei \"" + QDir::toNativeSeparators(QDir(ordner).filePath(f.name))
                      + "\" kann nicht geschrieben werden. Mögliche Ursachen:\r\n- Ungültiger Ordner oder "
                        "Dateiname\r\n- Fehlende Schreibzugriffsberechtigung im Netzwerk\r\n\r\n"
                      + f.zusatz);
    }
}

TEST(Protokolldatei, KommentarUndEMailTexte)
{
    struct Fall
    {
        QString kommentar;
        bool angehaengt;
        QString ergebnis;
    };
    const Fall faelle[] = {
        {"  Gut gemacht, Jürgen!\n", true, "X\r\n<tit>Kommentar\r\nGut gemacht, Jürgen!"},
        {" \r\n\t", false, "X"},
        {"", false, "X"},
    };
    for (const Fall &f : faelle) {
        QString p = "X";
        EXPECT_EQ(KommentarAnhaengen(p, f.kommentar), f.angehaengt) << f.kommentar.toStdString();
        EXPECT_EQ(p, f.ergebnis);
    }
    // in the rich text the comment is a heading with its text below
    QString p = kProtokoll;
    KommentarAnhaengen(p, "Prima");
    const std::optional<QString> zurueck = ProtokollAusRtf(ProtokollAlsRtf(p));
    ASSERT_TRUE(zurueck);
    EXPECT_TRUE(zurueck->endsWith("<tit>Kommentar\r\nPrima\r\n")) << zurueck->toStdString();

    EXPECT_EQ(ProtokollEMailBetreff(), "Kalumo-Übungsprotokoll");
    UebungsprotokollTyp einzeln{kProtokoll, false, "Blütenpflanze.kal"};
    EXPECT_EQ(ProtokollEMailText(einzeln), "Anbei Kalumo-Übungsprotokoll zu Themendokument: Blütenpflanze.kal\r\n");
    UebungsprotokollTyp serie{kProtokoll, true, "x.kal"};
    EXPECT_EQ(ProtokollEMailText(serie), "Anbei Kalumo-Übungsprotokoll zur Übungsserie\r\n");
}
