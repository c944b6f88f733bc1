// kalumo-tool netz-teilnehmer with netz-lehrer: a teacher and three
// participant computers as separate processes on one machine (different
// KALUMO_RECHNERNAME), in both transports, each participant running the
// real exercise with its action file.

#include "Netzprozesse.h"
#include "network/NetzDateien.h"
#include "network/NetzTeilnehmer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace kalumo;

namespace {

using Lauf = test::Prozesslauf;

// Generous: the machine that runs the tests may be busy.
constexpr int kGeduldMs = 120000;

Lauf Beenden(QProcess &p)
{
    return test::ProzessBeenden(p, kGeduldMs);
}

QJsonObject json(const QByteArray &text)
{
    return test::JsonObjekt(text);
}

QProcessEnvironment Rechner(const QString &name)
{
    return test::RechnerUmgebung(name);
}

QString Beispiel(const char *name)
{
    return QStringLiteral(KALUMO_BEISPIELE) + QLatin1Char('/') + QString::fromUtf8(name) + QStringLiteral(".kal");
}

// A teacher computer (netz-lehrer) on a channel of its own in a temporary folder.
class Lehrer
{
public:
    Lehrer(const QString &kanal, int verfahren, const QString &dok, const QStringList &mehr)
        : m_kanal(kanal), m_verfahren(verfahren)
    {
        m_pfade = NetzPfadeVon(m_dir.path() + QLatin1Char('/'), kanal);
        m_prozess.setProcessEnvironment(Rechner(QStringLiteral("localhost")));
        m_prozess.start(QStringLiteral(KALUMO_TOOL), QStringList{"netz-lehrer", dok, "--folder", m_dir.path(),
                                                                 "--channel", kanal, "--verfahren",
                                                                 QString::number(verfahren), "--seconds", "120"}
                                                         + mehr);
    }
    ~Lehrer()
    {
        if (m_prozess.state() != QProcess::NotRunning) {
            m_prozess.kill();
            m_prozess.waitForFinished();
        }
    }

    bool Bereit()
    {
        QElapsedTimer t;
        t.start();
        while (!NetzMarkeVorhanden(m_pfade) && t.elapsed() < kGeduldMs && m_prozess.state() != QProcess::NotRunning)
            QThread::msleep(20);
        return NetzMarkeVorhanden(m_pfade);
    }

    // A participant computer: runs netz-teilnehmer with the actions (a JSON list) to its end.
    Lauf Teilnehmer(const QString &rechner, const QString &name, const QByteArray &aktionen,
                    const QStringList &mehr = {})
    {
        QFile f(m_dir.filePath(QStringLiteral("aktionen-%1.json").arg(++m_dateien)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(aktionen);
        f.close();
        QProcess p;
        p.setProcessEnvironment(Rechner(rechner));
        p.start(QStringLiteral(KALUMO_TOOL), QStringList{"netz-teilnehmer", "--folder", m_dir.path(), "--channel",
                                                         m_kanal, "--name", name, "--verfahren",
                                                         QString::number(m_verfahren), "--actions", f.fileName()}
                                                 + mehr);
        return Beenden(p);
    }

    Lauf Ende() { return Beenden(m_prozess); }
    const NetzPfade &Pfade() const { return m_pfade; }

private:
    QTemporaryDir m_dir;
    QString m_kanal;
    int m_verfahren;
    NetzPfade m_pfade;
    QProcess m_prozess;
    int m_dateien = 0;
};

QString Kanal(const char *kurz, int verfahren)
{
    return QStringLiteral("%1%2-%3").arg(QLatin1String(kurz)).arg(verfahren).arg(QCoreApplication::applicationPid() % 1000);
}

int OkZellen(const QJsonObject &zeile)
{
    int ok = 0;
    for (int spalte = 1; zeile.contains(QString::number(spalte)); ++spalte)
        ok += zeile[QString::number(spalte)].toString().endsWith(QLatin1String("ok"));
    return ok;
}

// Blütenpflanze: card i belongs on target i.
const QByteArray kAlleRichtig = R"([{"drop": [0, 0]}, {"drop": [1, 1]}, {"drop": [2, 2]}, {"drop": [3, 3]}, {"drop": [4, 4]}])";
// the same twice: the second five answer the repetition
const QByteArray kZweimalAlleRichtig = R"([{"drop": [0, 0]}, {"drop": [1, 1]}, {"drop": [2, 2]}, {"drop": [3, 3]},
  {"drop": [4, 4]}, {"drop": [0, 0]}, {"drop": [1, 1]}, {"drop": [2, 2]}, {"drop": [3, 3]}, {"drop": [4, 4]}])";

} // namespace

class NetzTeilnehmerBefehl : public testing::TestWithParam<int>
{
};

// Joins, answers, an abort, a time-limit end, one computer joining again and
// repeating, and registration closed at the end.
TEST_P(NetzTeilnehmerBefehl, LehrerUndDreiTeilnehmerRechner)
{
    const int verfahren = GetParam();
    // a time limit of 60 seconds, for everybody
    Lehrer lehrer(Kanal("T", verfahren), verfahren, Beispiel("Blütenpflanze"),
                  {"--settings", "1,0,0,0,1,1,0,1,60,0", "--participants", "5"});
    ASSERT_TRUE(lehrer.Bereit()) << lehrer.Ende().fehler.constData();

    struct Fall
    {
        const char *Rechner, *Name;
        QByteArray Aktionen;
        QStringList Mehr;
        int Laeufe;
    };
    const Fall faelle[] = {
        {"PC-A", "Anna", kAlleRichtig, {}, 1},
        {"PC-B", "Ben", R"([{"drop": [0, 0]}, {"drop": [2, 1]}, {"abort": true}])", {}, 1},
        {"PC-C", "Cem", R"([{"drop": [1, 1]}, {"wait": 61000}])", {}, 1},
        // the same computer again, and once more through "Übung wiederholen"
        {"PC-A", "Anna", kZweimalAlleRichtig, {"--repeat", "1"}, 2},
    };
    for (const Fall &f : faelle) {
        const Lauf l = lehrer.Teilnehmer(QString::fromUtf8(f.Rechner), QString::fromUtf8(f.Name), f.Aktionen, f.Mehr);
        ASSERT_EQ(l.code, 0) << f.Rechner << l.fehler.constData() << l.aus.constData();
        const QJsonObject o = json(l.aus);
        EXPECT_TRUE(o["refused"].isNull());
        EXPECT_EQ(o["joins"].toArray().size(), f.Laeufe) << f.Rechner;
        EXPECT_EQ(o["joins"].toArray()[0].toString().size(), kNetzTeilnehmerKennungLaenge);
    }
    // registration closed ("Anmeldung weiterer Teilnehmer zulassen" cleared): nobody joins
    ASSERT_TRUE(NetzMarkeLoeschen(lehrer.Pfade()));
    const Lauf zu = lehrer.Teilnehmer(QStringLiteral("PC-D"), QStringLiteral("Dora"), kAlleRichtig);
    EXPECT_EQ(zu.code, 1);
    EXPECT_EQ(json(zu.aus)["refused"].toString(), NetzNichtInitiiertText());

    const Lauf l = lehrer.Ende();
    ASSERT_EQ(l.code, 0) << l.fehler.constData();
    const QJsonObject o = json(l.aus);
    const QJsonArray zeilen = o["rows"].toArray();
    ASSERT_EQ(zeilen.size(), 5) << l.aus.constData();
    struct Zeile
    {
        const char *Rechner, *Name, *Status;
        int Ok;
    };
    const Zeile erwartet[] = {{"PC-A", "Anna", "fertig", 5},
                              {"PC-B", "Ben", "abgebr.", 1},
                              {"PC-C", "Cem", "timeout", 1},
                              {"PC-A", "Anna", "fertig", 5},
                              {"PC-A", "Anna", "fertig", 5}};
    for (int i = 0; i < 5; ++i) {
        const QJsonObject z = zeilen[i].toObject();
        EXPECT_EQ(z["Nr."].toString(), QString::number(i + 1));
        EXPECT_EQ(z["Rechner"].toString(), erwartet[i].Rechner) << i;
        EXPECT_EQ(z["Teilnehmer"].toString(), erwartet[i].Name) << i;
        EXPECT_EQ(z["Status"].toString(), erwartet[i].Status) << i;
        EXPECT_TRUE(z.contains("Restzeit")) << i;
        EXPECT_EQ(OkZellen(z), erwartet[i].Ok) << i;
    }
    EXPECT_EQ(zeilen[0].toObject()["Leistung"].toString(), "100.0 %");
    EXPECT_EQ(zeilen[1].toObject()["Falsch"].toString(), "1");
    EXPECT_EQ(zeilen[2].toObject()["Restzeit"].toString(), "00:00");

    // the aborted run is not entered; the time-limit end is
    const QJsonArray liste = o["bestlist"].toObject()["entries"].toArray();
    ASSERT_EQ(liste.size(), 4) << l.aus.constData();
    const char *namen[] = {"Anna", "Cem", "Anna", "Anna"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(liste[i].toObject()["Name"].toString(), namen[i]) << i;
    // 5 joins, 5 + 2 + 1 + 10 judged answers, 5 ends, 4 best-list reports
    EXPECT_EQ(o["received"].toInt(), 32);
    EXPECT_EQ(o["ignored"].toObject()["count"].toInt(), 0) << l.aus.constData();
}

INSTANTIATE_TEST_SUITE_P(BeideVerfahren, NetzTeilnehmerBefehl, testing::Values(0, 1));

// Find words and typed input have no query columns; the protocol of a
// multiple-choice document lists the correct answers of each question.
TEST(NetzTeilnehmerDokumente, OhneAbfragespaltenUndLoesungenDerMehrfachauswahl)
{
    struct Fall
    {
        const char *Dokument;
        QStringList Einstellungen;
        const char *Aktionen;   // the example's action file
        bool Spalten;
    };
    const Fall faelle[] = {
        {"Wörter finden Namenwörter", {}, "Wörter finden Namenwörter", false},
        {"Lückentext Rhein", {"--settings", "1,0,0,0,1,1,3,0,180,0"}, nullptr, false},
        {"Multiple Choice Formen und Tiere", {"--settings", "1,0,0,0,0,0,0,0,180,0"}, "Multiple Choice Formen und Tiere", true},
    };
    int n = 0;
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.Dokument);
        const int verfahren = n % 2;
        Lehrer lehrer(Kanal("S", n++), verfahren, Beispiel(f.Dokument), f.Einstellungen + QStringList{"--participants", "1"});
        ASSERT_TRUE(lehrer.Bereit()) << lehrer.Ende().fehler.constData();
        QByteArray aktionen = "[]";
        if (f.Aktionen) {
            QFile a(QStringLiteral(KALUMO_UEBUNGSAKTIONEN) + QLatin1Char('/') + QString::fromUtf8(f.Aktionen)
                    + QStringLiteral(".json"));
            ASSERT_TRUE(a.open(QIODevice::ReadOnly));
            aktionen = a.readAll();
        }
        const Lauf t = lehrer.Teilnehmer(QStringLiteral("PC-A"), QStringLiteral("Anna"), aktionen);
        ASSERT_EQ(t.code, 0) << t.fehler.constData();
        const Lauf l = lehrer.Ende();
        ASSERT_EQ(l.code, 0) << l.fehler.constData();
        const QJsonObject o = json(l.aus);
        const QJsonArray zeilen = o["rows"].toArray();
        ASSERT_EQ(zeilen.size(), 1) << l.aus.constData();
        const QJsonObject z = zeilen[0].toObject();
        EXPECT_EQ(z.contains("1"), f.Spalten) << l.aus.constData();
        EXPECT_EQ(z["Teilnehmer"].toString(), "Anna");
        if (f.Spalten) {
            const QString protokoll = o["protocol"].toString();
            EXPECT_TRUE(protokoll.contains("<tit>Lösungen")) << protokoll.toStdString();
            for (const char *zeile : {"\r\n1 - Hund, Delfin\r\n", "\r\n2 - Drei\r\n"})
                EXPECT_TRUE(protokoll.contains(QString::fromUtf8(zeile))) << protokoll.toStdString();
            // the multiple-choice counts travel with two decimals
            EXPECT_TRUE(z["Richtig"].toString().contains('.')) << z["Richtig"].toString().toStdString();
        }
    }
}
