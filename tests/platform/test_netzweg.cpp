// The two ways of the network exercise's messages: datagrams over the
// loopback and message files in a folder.

#include "platform/Netzweg.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QTemporaryDir>
#include <QThread>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

using namespace kalumo;

namespace {

// Runs the event loop until bedingung holds or ms have passed.
template <class F>
bool Warten(F bedingung, int ms = 3000)
{
    QElapsedTimer t;
    t.start();
    while (!bedingung()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}

// A port of the range that is free now (the tests may run in parallel).
quint16 FreierPort()
{
    for (int versuch = 0; versuch < 200; ++versuch) {
        const QString kanal = QStringLiteral("T%1").arg(QCoreApplication::applicationPid() * 7 + versuch);
        const quint16 port = NetzPort(kanal);
        QUdpSocket s;
        if (s.bind(QHostAddress::Any, port, QAbstractSocket::DontShareAddress))
            return port;
    }
    return 0;
}

struct Empfang
{
    std::vector<NetzPaket> Pakete;
    std::vector<NetzVerworfen> Verworfen;

    void Verbinden(NetzAnnahme &a)
    {
        a.BeiPaket([this](const NetzPaket &p) { Pakete.push_back(p); });
        a.BeiVerworfen([this](const NetzVerworfen &v) { Verworfen.push_back(v); });
    }
};

} // namespace

TEST(NetzPort, RegelUndBereich)
{
    // the documented rule: base + FNV-1a(channel in capitals) mod 1000
    struct Fall
    {
        const char *Kanal;
        int Basis;
        int Port;
    };
    const Fall faelle[] = {
        {"MASTER-1", kNetzBasisportVorgabe, 48433},
        {"master-1", kNetzBasisportVorgabe, 48433},   // without regard to case
        {"KLASSE5A", kNetzBasisportVorgabe, 48368},
        {"Raum 12", kNetzBasisportVorgabe, 48157},
        {"MASTER-1", 20000, 20833},                   // the administrator's base
        {"MASTER-1", 80, 48433},                      // a base below 1024 is not taken
        {"MASTER-1", 65000, 48433},                   // nor one whose range would pass 65535
    };
    for (const Fall &f : faelle)
        EXPECT_EQ(NetzPort(QString::fromUtf8(f.Kanal), f.Basis), f.Port) << f.Kanal << " " << f.Basis;

    for (int i = 0; i < 2000; ++i) {
        const quint16 p = NetzPort(QStringLiteral("K%1").arg(i), kNetzBasisportMax);
        EXPECT_GE(p, kNetzBasisportMax);
        EXPECT_LE(int(p), 65535);
    }
    EXPECT_EQ(NetzBasisportGueltig(kNetzBasisportMin), kNetzBasisportMin);
    EXPECT_EQ(NetzBasisportGueltig(kNetzBasisportMax), kNetzBasisportMax);
    EXPECT_EQ(NetzBasisportGueltig(kNetzBasisportMax + 1), kNetzBasisportVorgabe);
}

TEST(NetzDatagramm, ZweiRechnerUeberLoopback)
{
    const quint16 port = FreierPort();
    ASSERT_NE(port, 0);
    auto annahme = UdpAnnahme(port);
    Empfang e;
    e.Verbinden(*annahme);
    QString fehler;
    ASSERT_TRUE(annahme->Starten(&fehler)) << fehler.toStdString();

    // a second teacher on the same port is refused, not silently sharing it
    auto zweite = UdpAnnahme(port);
    EXPECT_FALSE(zweite->Starten(&fehler));
    EXPECT_FALSE(fehler.isEmpty());

    auto absender = UdpAbsender(QStringLiteral("localhost"), port);
    ASSERT_TRUE(absender->Senden("eins", &fehler)) << fehler.toStdString();
    ASSERT_TRUE(absender->Senden(QByteArray("zwei\r\n\xe4", 7)));
    // the notifier delivers through the event loop: nobody calls Abholen
    ASSERT_TRUE(Warten([&] { return e.Pakete.size() == 2; }));
    EXPECT_EQ(e.Pakete[0].Daten, "eins");
    EXPECT_EQ(e.Pakete[1].Daten, QByteArray("zwei\r\n\xe4", 7));
    EXPECT_FALSE(e.Pakete[0].AusDatei);

    // nothing larger than a message is read into memory
    QUdpSocket roh;
    roh.writeDatagram(QByteArray(int(kNetzDatagrammHoechstgroesse) + 1, 'x'), QHostAddress::LocalHost, port);
    absender->Senden("drei");
    ASSERT_TRUE(Warten([&] { return e.Pakete.size() == 3; }));
    ASSERT_EQ(e.Verworfen.size(), 1u);
    EXPECT_EQ(e.Verworfen[0].Grund, QStringLiteral("Datagramm zu groß"));
    EXPECT_EQ(e.Pakete[2].Daten, "drei");

    // the participant never needs the port: the sender refuses an oversized message itself
    EXPECT_FALSE(absender->Senden(QByteArray(int(kNetzDatagrammHoechstgroesse) + 1, 'y'), &fehler));

    annahme->Stoppen();
    EXPECT_FALSE(annahme->Aktiv());
    absender->Senden("vier");
    QCoreApplication::processEvents();
    EXPECT_EQ(e.Pakete.size(), 3u);
    // after stopping, the port is free again
    EXPECT_TRUE(zweite->Starten());
}

TEST(NetzDatagramm, UnbekannterRechner)
{
    auto absender = UdpAbsender(QStringLiteral("kein-solcher-rechner.invalid"), 48000);
    QString fehler;
    EXPECT_FALSE(absender->Senden("x", &fehler));
    EXPECT_TRUE(fehler.contains(QStringLiteral("nicht gefunden")));
    EXPECT_FALSE(UdpAbsender(QString(), 48000)->Senden("x"));
}

TEST(NetzOrdner, SchreibenUmbenennenLesenLoeschen)
{
    QTemporaryDir dir;
    const QString ordner = dir.path() + QLatin1Char('/');
    int n = 0;
    auto absender = OrdnerAbsender(ordner, [&] { return QStringLiteral("K-TN-%1.dat").arg(++n); });
    ASSERT_TRUE(absender->Senden("erste"));
    QThread::msleep(20);   // distinct modification times
    ASSERT_TRUE(absender->Senden("zweite"));
    // no temporary file is left behind
    EXPECT_EQ(QDir(ordner).entryList(QDir::Files | QDir::Hidden).size(), 2);

    // a taken name is never overwritten: the next name is tried
    QThread::msleep(20);   // another writer's file, later than the second
    QFile belegt(ordner + QStringLiteral("K-TN-3.dat"));
    ASSERT_TRUE(belegt.open(QIODevice::WriteOnly));
    belegt.write("fremd");
    belegt.close();
    ASSERT_TRUE(absender->Senden("dritte"));
    EXPECT_TRUE(QFileInfo::exists(ordner + QStringLiteral("K-TN-4.dat")));

    // an empty file is left for later; a stranger's file outside the pattern is not touched
    QFile(ordner + QStringLiteral("K-TN-0.dat")).open(QIODevice::WriteOnly);
    QFile anders(ordner + QStringLiteral("L-TN-1.dat"));
    ASSERT_TRUE(anders.open(QIODevice::WriteOnly));
    anders.write("anderer Kanal");
    anders.close();

    auto annahme = OrdnerAnnahme(ordner, QStringLiteral("K-TN-*.dat"), 150);
    Empfang e;
    e.Verbinden(*annahme);
    ASSERT_TRUE(annahme->Starten());
    EXPECT_EQ(annahme->Abholen(), 4);
    ASSERT_EQ(e.Pakete.size(), 4u);
    // oldest first
    EXPECT_EQ(e.Pakete[0].Daten, "erste");
    EXPECT_EQ(e.Pakete[1].Daten, "zweite");
    EXPECT_TRUE(e.Pakete[0].AusDatei);
    EXPECT_TRUE(e.Pakete[0].Herkunft.endsWith(QStringLiteral("K-TN-1.dat")));
    const QStringList rest = QDir(ordner).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(rest, (QStringList{"K-TN-0.dat", "L-TN-1.dat"}));
    EXPECT_EQ(annahme->Abholen(), 0);

    // too large: deleted unread, with a reason
    QFile gross(ordner + QStringLiteral("K-TN-9.dat"));
    ASSERT_TRUE(gross.open(QIODevice::WriteOnly));
    gross.write(QByteArray(int(kNetzNachrichtendateiHoechstgroesse) + 1, 'x'));
    gross.close();
    EXPECT_EQ(annahme->Abholen(), 0);
    ASSERT_EQ(e.Verworfen.size(), 1u);
    EXPECT_EQ(e.Verworfen[0].Grund, QStringLiteral("Nachrichtendatei zu groß"));
    EXPECT_FALSE(QFileInfo::exists(gross.fileName()));
}

TEST(NetzOrdner, ZeitgeberHoltAbUndStehtNachStoppen)
{
    QTemporaryDir dir;
    const QString ordner = dir.path() + QLatin1Char('/');
    auto annahme = OrdnerAnnahme(ordner, QStringLiteral("K-TN-*.dat"), 20);
    Empfang e;
    e.Verbinden(*annahme);
    EXPECT_FALSE(OrdnerAnnahme(ordner + QStringLiteral("fehlt/"), QStringLiteral("*"))->Starten());
    ASSERT_TRUE(annahme->Starten());
    int n = 0;
    auto absender = OrdnerAbsender(ordner, [&] { return QStringLiteral("K-TN-%1.dat").arg(++n); });
    absender->Senden("a");
    ASSERT_TRUE(Warten([&] { return e.Pakete.size() == 1; }));
    annahme->Stoppen();
    absender->Senden("b");
    QThread::msleep(60);
    QCoreApplication::processEvents();
    EXPECT_EQ(e.Pakete.size(), 1u);
    EXPECT_TRUE(QFileInfo::exists(ordner + QStringLiteral("K-TN-2.dat")));
}

TEST(NetzOrdner, LiestNieEineHalbGeschriebeneDatei)
{
    // a writer under the temporary name is invisible to the teacher
    QTemporaryDir dir;
    const QString ordner = dir.path() + QLatin1Char('/');
    QFile halb(ordner + NetzTemporaererName(QStringLiteral("K-TN-1.dat")));
    ASSERT_TRUE(halb.open(QIODevice::WriteOnly));
    halb.write("halb");
    halb.flush();
    auto annahme = OrdnerAnnahme(ordner, QStringLiteral("K-TN-*.dat"));
    Empfang e;
    e.Verbinden(*annahme);
    ASSERT_TRUE(annahme->Starten());
    EXPECT_EQ(annahme->Abholen(), 0);
    EXPECT_TRUE(halb.exists());
    halb.close();

    // many writers at once while the teacher polls: every message arrives
    // whole and exactly once
    constexpr int kSchreiber = 4;
    constexpr int kJeSchreiber = 150;
    std::atomic<int> gesendet{0};
    std::vector<std::thread> threads;
    for (int s = 0; s < kSchreiber; ++s) {
        threads.emplace_back([&, s] {
            int n = 0;
            auto absender = OrdnerAbsender(ordner, [&] { return QStringLiteral("K-TN-%1-%2.dat").arg(s).arg(++n); });
            for (int i = 0; i < kJeSchreiber; ++i) {
                // a message of 20 000 bytes, every byte the writer's letter
                if (absender->Senden(QByteArray(20000, char('a' + s))))
                    ++gesendet;
            }
        });
    }
    std::vector<NetzPaket> erhalten;
    annahme->BeiPaket([&](const NetzPaket &p) { erhalten.push_back(p); });
    QElapsedTimer t;
    t.start();
    while (int(erhalten.size()) < kSchreiber * kJeSchreiber && t.elapsed() < 20000)
        annahme->Abholen();
    for (std::thread &th : threads)
        th.join();
    annahme->Abholen();
    EXPECT_EQ(gesendet.load(), kSchreiber * kJeSchreiber);
    ASSERT_EQ(int(erhalten.size()), kSchreiber * kJeSchreiber);
    for (const NetzPaket &p : erhalten) {
        ASSERT_EQ(p.Daten.size(), 20000);
        EXPECT_EQ(p.Daten.count(p.Daten.front()), 20000);
    }
    EXPECT_TRUE(e.Verworfen.empty());
}

TEST(NetzOrdner, NachrichtenEinesAbsendersInReihenfolge)
{
    // sent faster than the file system's clock ticks, read in the order sent
    QTemporaryDir dir;
    const QString ordner = dir.path() + QLatin1Char('/');
    quint32 z = 12345;
    auto absender = OrdnerAbsender(ordner, [&] {
        // random names, as the participants choose them
        QString n = QStringLiteral("K-TN-");
        for (int i = 0; i < 12; ++i) {
            z = z * 1103515245u + 12345u;
            n += QChar(u'A' + int((z >> 16) % 26));
        }
        return n + QStringLiteral(".dat");
    });
    for (int i = 0; i < 60; ++i)
        ASSERT_TRUE(absender->Senden(QByteArray::number(i)));
    auto annahme = OrdnerAnnahme(ordner, QStringLiteral("K-TN-*.dat"));
    std::vector<int> reihenfolge;
    annahme->BeiPaket([&](const NetzPaket &p) { reihenfolge.push_back(p.Daten.toInt()); });
    ASSERT_TRUE(annahme->Starten());
    EXPECT_EQ(annahme->Abholen(), 60);
    for (int i = 0; i < int(reihenfolge.size()); ++i)
        EXPECT_EQ(reihenfolge[size_t(i)], i);
}
