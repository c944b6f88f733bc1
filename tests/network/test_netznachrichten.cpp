// The four messages and the envelope: building, reading back, refusing.

#include "network/NetzNachrichten.h"

#include "document/Bytestrom.h"
#include "platform/Netzweg.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace kalumo;

namespace {

const QString kKennung = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZABCD");

QString Zeilen(std::initializer_list<const char *> z)
{
    QString t;
    for (const char *s : z)
        t += QString::fromUtf8(s) + QStringLiteral("\r\n");
    return t;
}

} // namespace

TEST(NetzNachrichten, JedeNachrichtHinUndZurueck)
{
    const TnInitTyp init{kKennung, QStringLiteral("Jörg"), QStringLiteral("08:15:00")};
    EXPECT_EQ(TnInitZeilen(init), (QStringList{"TN-INIT", kKennung, QStringLiteral("Jörg"), "08:15:00"}));
    const auto i = NachrichtLesen(NachrichtText(TnInitZeilen(init)));
    ASSERT_TRUE(i && std::holds_alternative<TnInitTyp>(*i));
    EXPECT_EQ(std::get<TnInitTyp>(*i), init);

    TnAktionWerte w;
    w.TeilnehmerKennung = kKennung;
    w.Objekt = 7;
    w.Abgedeckt = -2;
    w.Fehlversuche = 2;
    w.EndeGrund = endeLaeuft;
    w.StartZeit = QStringLiteral("08:15:00");
    w.AnzAbfragen = 12;
    w.Richtig = 3;
    w.Falsch = 1;
    w.OffenePositionen = 6;
    w.Uhr = QStringLiteral("02:10");
    w.Erfolgsquote = 0.75;
    w.Gesamtleistung = 0.3;
    w.Note = 5;
    const QStringList z = TnAktionZeilen(w);
    EXPECT_EQ(z, (QStringList{"TN-AKTION", kKennung, "7", "-2", "2", "0", "08:15:00", "12", "3", "1", "6", "02:10",
                              "75.0", "30.0", "5"}));
    const auto a = NachrichtLesen(NachrichtText(z));
    ASSERT_TRUE(a && std::holds_alternative<TnAktionTyp>(*a));
    const TnAktionTyp &m = std::get<TnAktionTyp>(*a);
    EXPECT_EQ(m.Objekt, 7);
    EXPECT_EQ(m.Abgedeckt, -2);
    EXPECT_EQ(m.Fehlversuche, 2);
    EXPECT_DOUBLE_EQ(m.Erfolgsquote, 0.75);
    EXPECT_DOUBLE_EQ(m.Gesamtleistung, 0.3);
    EXPECT_EQ(m.QuoteText, "75.0");
    EXPECT_EQ(m.Note, 5);

    // multiple choice: two decimals; no reported object: index -1 and zeros
    w.MultipleChoice = true;
    w.Richtig = 1.0 / 3.0;
    w.Falsch = 2.0 / 3.0;
    w.Objekt = -1;
    const QStringList mc = TnAktionZeilen(w);
    EXPECT_EQ(mc[2], "-1");
    EXPECT_EQ(mc[3], "0");
    EXPECT_EQ(mc[4], "0");
    EXPECT_EQ(mc[8], "0.33");
    EXPECT_EQ(mc[9], "0.67");
    const auto amc = NachrichtLesen(NachrichtText(mc));
    ASSERT_TRUE(amc);
    EXPECT_EQ(std::get<TnAktionTyp>(*amc).RichtigText, "0.33");

    const TnFertigTyp fertig{kKennung, endeZeitlimit, QStringLiteral("00:00")};
    const auto f = NachrichtLesen(NachrichtText(TnFertigZeilen(fertig)));
    ASSERT_TRUE(f);
    EXPECT_EQ(std::get<TnFertigTyp>(*f), fertig);

    // the best-list report in both decimal separators
    const TnBestlistTyp best{kKennung, QStringLiteral("Jörg"), QStringLiteral("PC-07"), 45321.3456789, 61234, 0.85};
    for (const QChar trenner : {QLatin1Char('.'), QLatin1Char(',')}) {
        const QStringList bz = TnBestlistZeilen(best, trenner);
        EXPECT_TRUE(bz[4].contains(trenner)) << bz[4].toStdString();
        const auto b = NachrichtLesen(NachrichtText(bz));
        ASSERT_TRUE(b) << bz.join('|').toStdString();
        const TnBestlistTyp &r = std::get<TnBestlistTyp>(*b);
        EXPECT_NEAR(r.StartZeit, best.StartZeit, 1e-9);
        EXPECT_EQ(r.DauerMs, best.DauerMs);
        EXPECT_DOUBLE_EQ(r.Gesamtleistung, 0.85);
        EXPECT_EQ(r.Rechner, "PC-07");
    }
}

TEST(NetzNachrichten, UngueltigeNachrichtenMitGrund)
{
    const QString k = kKennung;
    struct Fall
    {
        QString Text;
        const char *Grund;
    };
    const Fall faelle[] = {
        {QString(), "leere Nachricht"},
        {Zeilen({"TN-WAS"}), "unbekannte Nachricht"},
        {Zeilen({"tn-init", "ABC", "x", "1"}), "unbekannte Nachricht"},
        {Zeilen({"TN-INIT", "ABC", "Anna"}), "zu wenige Zeilen"},
        {Zeilen({"TN-INIT", "", "Anna", "08:00"}), "Teilnehmerkennung ungültig"},
        {Zeilen({"TN-INIT", "AB/C", "Anna", "08:00"}), "Teilnehmerkennung ungültig"},
        {Zeilen({"TN-INIT", "ABC", "An\tna", "08:00"}), "Teilnehmername ungültig"},
        {"TN-INIT\r\n" + QString(65, 'A') + "\r\nAnna\r\n08:00\r\n", "Teilnehmerkennung ungültig"},
        {"TN-INIT\r\nABC\r\n" + QString(101, 'x') + "\r\n08:00\r\n", "Teilnehmername ungültig"},
        {Zeilen({"TN-AKTION", "ABC", "-2", "0", "0", "0", "08:00", "3", "1", "0", "2", "00:10", "50.0", "25.0", "4"}),
         "Objektindex ungültig"},
        {Zeilen({"TN-AKTION", "ABC", "x1", "0", "0", "0", "08:00", "3", "1", "0", "2", "00:10", "50.0", "25.0", "4"}),
         "Objektindex ungültig"},
        {Zeilen({"TN-AKTION", "ABC", "99999999999", "0", "0", "0", "08:00", "3", "1", "0", "2", "00:10", "50.0", "25.0",
                 "4"}),
         "Objektindex ungültig"},
        {Zeilen({"TN-AKTION", "ABC", "1", "0", "1000", "0", "08:00", "3", "1", "0", "2", "00:10", "50.0", "25.0", "4"}),
         "Fehlversuche ungültig"},
        {Zeilen({"TN-AKTION", "ABC", "1", "0", "0", "4", "08:00", "3", "1", "0", "2", "00:10", "50.0", "25.0", "4"}),
         "Endegrund ungültig"},
        {Zeilen({"TN-AKTION", "ABC", "1", "0", "0", "0", "08:00", "3", "nan", "0", "2", "00:10", "50.0", "25.0", "4"}),
         "Richtig ungültig"},
        {Zeilen({"TN-AKTION", "ABC", "1", "0", "0", "0", "08:00", "3", "1", "-1", "2", "00:10", "50.0", "25.0", "4"}),
         "Falsch ungültig"},
        {Zeilen({"TN-AKTION", "ABC", "1", "0", "0", "0", "08:00", "3", "1", "0", "2", "00:10", "150.0", "25.0", "4"}),
         "Erfolgsquote ungültig"},
        {Zeilen({"TN-AKTION", "ABC", "1", "0", "0", "0", "08:00", "3", "1", "0", "2", "00:10", "50.0", "inf", "4"}),
         "Gesamtleistung ungültig"},
        {Zeilen({"TN-AKTION", "ABC", "1", "0", "0", "0", "08:00", "3", "1", "0", "2", "00:10", "50.0", "25.0", "16"}),
         "Note ungültig"},
        {Zeilen({"TN-FERTIG", "ABC", "9", "00:10"}), "Endegrund ungültig"},
        {Zeilen({"TN-BESTLIST", "ABC", "Anna", "PC", "45000.5", "-1", "0.5"}), "Dauer ungültig"},
        {Zeilen({"TN-BESTLIST", "ABC", "Anna", "PC", "45000.5", "1000", "1.5"}), "Gesamtleistung ungültig"},
        {Zeilen({"TN-BESTLIST", "ABC", "Anna", "PC", "1e300", "1000", "0.5"}), "Startzeit ungültig"},
    };
    for (const Fall &f : faelle) {
        QString grund;
        EXPECT_FALSE(NachrichtLesen(f.Text, &grund)) << f.Text.toStdString();
        EXPECT_EQ(grund, QString::fromUtf8(f.Grund)) << f.Text.toStdString();
    }
    // extra lines after the known ones are tolerated, a lone LF as well
    EXPECT_TRUE(NachrichtLesen(QStringLiteral("TN-FERTIG\nABC\n1\n00:10\nmehr\n")));
}

TEST(NetzUmschlag, DatagrammUndDateiHinUndZurueck)
{
    const NetzUmschlag u{QStringLiteral("schüler"), QStringLiteral("PC-07"),
                         NachrichtText(TnFertigZeilen({kKennung, endeFertig, QStringLiteral("01:02")}))};
    const QByteArray d = UmschlagAlsDatagramm(u);
    EXPECT_TRUE(d.startsWith("Message\r\nsch\xfcler\r\nPC-07\r\nTN-FERTIG\r\n"));
    const auto ud = DatagrammLesen(d);
    ASSERT_TRUE(ud);
    EXPECT_EQ(*ud, u);

    const QByteArray datei = UmschlagAlsDatei(u);
    const auto uf = NachrichtendateiLesen(datei);
    ASSERT_TRUE(uf);
    EXPECT_EQ(*uf, u);

    // every cut of the file is refused, never read past its end
    for (int n = 0; n < datei.size(); ++n) {
        QString grund;
        EXPECT_FALSE(NachrichtendateiLesen(datei.left(n), &grund)) << n;
        EXPECT_FALSE(grund.isEmpty());
    }
    QString grund;
    EXPECT_FALSE(NachrichtendateiLesen(datei + "x", &grund));
    EXPECT_EQ(grund, "Nachrichtendatei beschädigt");
}

TEST(NetzUmschlag, FremdeBytesWerdenAbgelehnt)
{
    struct Fall
    {
        QByteArray Daten;
        const char *Grund;
    };
    const Fall datagramme[] = {
        {"", "kein Umschlag"},
        {"Message\r\nbenutzer\r\n", "kein Umschlag"},
        {"Massage\r\nb\r\nPC\r\nTN-INIT\r\n", "kein Umschlag"},
        {"Message\r\nb\r\n\r\nTN-INIT\r\n", "Rechnername ungültig"},
        {"Message\r\nb\x01\r\nPC\r\nTN-INIT\r\n", "Benutzername ungültig"},
        {QByteArray(int(kNetzDatagrammHoechstgroesse) + 1, 'M'), "Datagramm zu groß"},
    };
    for (const Fall &f : datagramme) {
        QString grund;
        EXPECT_FALSE(DatagrammLesen(f.Daten, &grund)) << f.Daten.left(40).toStdString();
        EXPECT_EQ(grund, QString::fromUtf8(f.Grund));
    }

    // a length that claims more than the file holds
    QByteArray luege("\x07\x00\x00\x00Message\xff\xff\xff\x7f", 15);
    QString grund;
    EXPECT_FALSE(NachrichtendateiLesen(luege, &grund));
    EXPECT_EQ(grund, "Nachrichtendatei beschädigt");
    EXPECT_FALSE(NachrichtendateiLesen(QByteArray("\x04\x00\x00\x00Mess", 8), &grund));
    EXPECT_EQ(grund, "kein Umschlag");
}

TEST(NetzNachrichten, Statuswoerter)
{
    EXPECT_EQ(EndeGrundStatus(0), "aktiv");
    EXPECT_EQ(EndeGrundStatus(1), "fertig");
    EXPECT_EQ(EndeGrundStatus(2), "abgebr.");
    EXPECT_EQ(EndeGrundStatus(3), "timeout");
    EXPECT_EQ(EndeGrundStatus(4), "");
}
