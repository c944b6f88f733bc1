// Malformed datagrams and message files fed to the teacher computer's
// receiver: a table of known bad inputs, then random damage to good ones.
// Nothing may crash, every packet is counted once, and what the teacher
// keeps stays bounded.

#include "network/NetzLehrer.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kalumo;

namespace {

Pause KeinePause()
{
    return [](int) {};
}

NetzLehrerStart Start(const QString &ordner)
{
    NetzLehrerStart s;
    s.Kom.Ordner = ordner;
    s.Kom.Kanal = QStringLiteral("FUZZ");
    s.Loesungsnummern = {1, 2, 0, 3};
    s.Abfragespalten = 3;
    return s;
}

NetzPaket Datagramm(const QString &text, const char *rechner = "PC-01")
{
    return {UmschlagAlsDatagramm({QStringLiteral("u"), QString::fromUtf8(rechner), text}), QStringLiteral("test"),
            false};
}

NetzPaket Datei(const QString &text)
{
    return {UmschlagAlsDatei({QStringLiteral("u"), QStringLiteral("PC-01"), text}), QStringLiteral("/kom/x.dat"), true};
}

QString Zeilen(const QStringList &z)
{
    return NachrichtText(z);
}

const QString kA(30, QLatin1Char('A'));

// Good messages of one run, the seed of the random damage.
QStringList GuteNachrichten()
{
    TnAktionWerte w;
    w.TeilnehmerKennung = kA;
    w.Objekt = 1;
    w.Abgedeckt = -2;
    w.Fehlversuche = 1;
    w.StartZeit = QStringLiteral("08:00:00");
    w.AnzAbfragen = 3;
    w.Richtig = 1;
    w.Uhr = QStringLiteral("00:10");
    w.Erfolgsquote = 1;
    w.Gesamtleistung = 0.33;
    w.Note = 5;
    return {Zeilen(TnInitZeilen({kA, QStringLiteral("Anna"), QStringLiteral("08:00:00")})),
            Zeilen(TnAktionZeilen(w)), Zeilen(TnFertigZeilen({kA, 1, QStringLiteral("00:20")})),
            Zeilen(TnBestlistZeilen({kA, QStringLiteral("Anna"), QStringLiteral("PC-01"), 45000.25, 20000, 0.33},
                                    QLatin1Char('.')))};
}

} // namespace

TEST(NetzEmpfangRobust, TabelleUngueltigerPakete)
{
    QTemporaryDir dir;
    SkriptMeldungen m;
    NetzLehrer l(m, KeinePause());
    l.Einrichten(Start(dir.path()));
    l.PaketVerarbeiten(Datagramm(GuteNachrichten()[0]));
    ASSERT_EQ(l.Kontrolle().Zeilenzahl(), 1);

    struct Fall
    {
        const char *Was;
        NetzPaket Paket;
        const char *Grund;
    };
    const QString aktion = GuteNachrichten()[1];
    QString riesig = aktion;
    riesig.replace(QStringLiteral("00:10"), QString(5000, QLatin1Char('9')));
    const Fall faelle[] = {
        {"leer", {QByteArray(), "t", false}, "kein Umschlag"},
        {"nur Kopf", {"Message", "t", false}, "kein Umschlag"},
        {"Binärmüll", {QByteArray(300, '\0'), "t", false}, "kein Umschlag"},
        {"zu groß", {QByteArray(9000, 'x'), "t", false}, "Datagramm zu groß"},
        {"ohne Rechner", Datagramm(aktion, ""), "Rechnername ungültig"},
        {"leere Nachricht", Datagramm(QString()), "leere Nachricht"},
        {"unbekannt", Datagramm(Zeilen({"TN-HALLO", kA})), "unbekannte Nachricht"},
        {"Uhrzeit riesig", Datagramm(riesig), "Uhrzeit ungültig"},
        {"Objekt hinter dem Dokument", Datagramm(QString(aktion).replace("\r\n1\r\n-2\r\n", "\r\n4\r\n-2\r\n")),
         netzgrund::ObjektAusserhalb},
        {"Objekt weit draußen",
         Datagramm(QString(aktion).replace("\r\n1\r\n-2\r\n", "\r\n2147483647\r\n-2\r\n")), netzgrund::ObjektAusserhalb},
        {"fremde Kennung", Datagramm(QString(aktion).replace(kA, QString(30, 'Q'))), netzgrund::UnbekannteKennung},
        {"Datei abgeschnitten", {Datei(aktion).Daten.left(20), "/kom/y.dat", true}, "Nachrichtendatei beschädigt"},
        {"Datei mit Rest", {Datei(aktion).Daten + "??", "/kom/y.dat", true}, "Nachrichtendatei beschädigt"},
        {"Datei fremd", {QByteArray("PK\x03\x04 kein Umschlag"), "/kom/y.dat", true}, "Nachrichtendatei beschädigt"},
    };
    int n = 0;
    for (const Fall &f : faelle) {
        const int vorher = l.Statistik().Ignoriert;
        const auto gruende = l.Statistik().Gruende;
        l.PaketVerarbeiten(f.Paket);
        ++n;
        EXPECT_EQ(l.Statistik().Ignoriert, vorher + 1) << f.Was;
        auto g = l.Statistik().Gruende.find(QString::fromUtf8(f.Grund));
        ASSERT_NE(g, l.Statistik().Gruende.end()) << f.Was;
        const auto alt = gruende.find(g->first);
        EXPECT_EQ(g->second, (alt == gruende.end() ? 0 : alt->second) + 1) << f.Was;
    }
    // the row is untouched
    EXPECT_EQ(l.Kontrolle().Zelle(0, spAnz), "");
    EXPECT_EQ(l.Statistik().Empfangen, 1);
    // one error box for all unreadable message files of the exercise
    ASSERT_EQ(m.Texte().size(), 1);
    EXPECT_EQ(m.Texte()[0], QStringLiteral("Fehler beim Einlesen der Datei \"/kom/y.dat\""));
}

TEST(NetzEmpfangRobust, ZufaelligBeschaedigtePakete)
{
    QTemporaryDir dir;
    SkriptMeldungen m;
    NetzLehrer l(m, KeinePause());
    l.Einrichten(Start(dir.path()));
    QRandomGenerator zufall(20240611);
    const QStringList gute = GuteNachrichten();

    constexpr int kRunden = 20000;
    for (int runde = 0; runde < kRunden; ++runde) {
        const QString text = gute[int(zufall.bounded(gute.size()))];
        const bool alsDatei = zufall.bounded(2) == 1;
        QByteArray b = alsDatei ? Datei(text).Daten : Datagramm(text).Daten;
        const int schaeden = 1 + int(zufall.bounded(4));
        for (int s = 0; s < schaeden && !b.isEmpty(); ++s) {
            const int pos = int(zufall.bounded(b.size()));
            switch (zufall.bounded(6)) {
            case 0: b[pos] = char(zufall.bounded(256)); break;                 // a byte
            case 1: b[pos] = char(b[pos] ^ (1 << zufall.bounded(8))); break;    // a bit
            case 2: b.truncate(pos); break;                                    // cut
            case 3: b.insert(pos, QByteArray(int(zufall.bounded(40)), char(zufall.bounded(256)))); break;
            case 4: b.remove(pos, int(zufall.bounded(8))); break;
            case 5: b.replace(pos, 1, "\r\n"); break;                           // a line more
            }
        }
        // a fresh identifier now and then, so that rows are made too
        if (zufall.bounded(10) == 0)
            b.replace(QByteArray(30, 'A'), QByteArray::number(runde).leftJustified(30, 'B'));
        l.PaketVerarbeiten({b, QStringLiteral("/kom/z.dat"), alsDatei});
        ASSERT_EQ(l.Statistik().Empfangen + l.Statistik().Ignoriert, runde + 1) << runde;
    }
    EXPECT_GT(l.Statistik().Empfangen, 0);
    EXPECT_GT(l.Statistik().Ignoriert, kRunden / 2);
    EXPECT_LE(l.Kontrolle().Zeilenzahl(), kNetzHoechstzeilen);
    // the reasons are fixed texts: their number stays small whatever arrives
    EXPECT_LT(l.Statistik().Gruende.size(), 40u);
    for (const QStringList &z : l.Kontrolle().Zeilen()) {
        EXPECT_EQ(z.size(), l.Kontrolle().Spaltenzahl());
        for (const QString &zelle : z)
            EXPECT_LE(zelle.size(), std::max(kNetzRechnerHoechstlaenge, kNetzFehlversucheHoechstwert + 3));
    }
    EXPECT_LE(m.Texte().size(), 1 + l.Bestenlisteneintraege());
}

TEST(NetzEmpfangRobust, ZeilenzahlIstBegrenzt)
{
    SkriptMeldungen m;
    NetzLehrer l(m, KeinePause());
    l.Einrichten(Start(QString()));
    for (int i = 0; i < kNetzHoechstzeilen + 50; ++i)
        l.NachrichtEmpfangen(QStringLiteral("PC"),
                             Zeilen(TnInitZeilen({QString::number(i).rightJustified(30, 'K'), QStringLiteral("x"),
                                                  QStringLiteral("08:00")})),
                             QStringLiteral("u"));
    EXPECT_EQ(l.Kontrolle().Zeilenzahl(), kNetzHoechstzeilen);
    EXPECT_EQ(l.Statistik().Gruende.at(netzgrund::ZuVieleTeilnehmer), 50);
}
