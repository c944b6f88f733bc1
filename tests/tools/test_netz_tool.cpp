// kalumo-tool netdat-dump and netz-lehrer: a teacher and three participants
// as separate processes on one machine, in both transports.

#include "Netzprozesse.h"
#include "network/NetzDateien.h"

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

Lauf Beenden(QProcess &p)
{
    return test::ProzessBeenden(p, 60000);
}

Lauf werkzeug(const QStringList &argumente)
{
    QProcess p;
    p.start(QStringLiteral(KALUMO_TOOL), argumente);
    return Beenden(p);
}

QJsonObject json(const QByteArray &text)
{
    return test::JsonObjekt(text);
}

QProcessEnvironment Rechner(const QString &name)
{
    return test::RechnerUmgebung(name);
}

} // namespace

TEST(NetdatDump, EinstellungsdateiAlsJson)
{
    QTemporaryDir dir;
    NetzUebEinstTyp e;
    e.NetzKennung = QStringLiteral("LEHRER-PC");
    e.ZuordnungFalsch = 1;
    e.AbfrageModus = 3;
    e.Zeitlimit = 1;
    e.ZLimit = 240;
    NotenskalaTyp skala;
    skala.BewertSkala = 2;
    const QString voll = dir.filePath("voll.dat");
    ASSERT_TRUE(NetzEinstellungsdateiSchreiben(voll, NetzUebEinstMitSkala(e, skala, 1)));
    const QString knapp = dir.filePath("knapp.dat");
    ASSERT_TRUE(NetzEinstellungsdateiSchreiben(knapp, e));

    Lauf l = werkzeug({"netdat-dump", voll});
    ASSERT_EQ(l.code, 0) << l.fehler.constData();
    QJsonObject o = json(l.aus);
    EXPECT_EQ(o.keys().size(), 13);
    EXPECT_EQ(o["NetzKennung"].toString(), "LEHRER-PC");
    EXPECT_EQ(o["ZuordnungFalsch"].toInt(), 1);
    EXPECT_EQ(o["AbfrageModus"].toInt(), 3);
    EXPECT_EQ(o["ZLimit"].toInt(), 240);
    EXPECT_EQ(o["NoteMinQuote"].toArray().size(), 7);
    EXPECT_EQ(o["PunkteMinQuote"].toArray().size(), 17);
    EXPECT_DOUBLE_EQ(o["NoteMinQuote"].toArray()[0].toDouble(), 1.0);
    EXPECT_EQ(o["BewertSkala"].toInt(), 2);
    EXPECT_EQ(o["AnzZeichenVorgeben"].toInt(), 1);

    // a file without the optional parts: null, the participant keeps its own
    l = werkzeug({"netdat-dump", knapp});
    ASSERT_EQ(l.code, 0);
    o = json(l.aus);
    for (const char *k : {"NoteMinQuote", "PunkteMinQuote", "BewertSkala", "AnzZeichenVorgeben"})
        EXPECT_TRUE(o[k].isNull()) << k;

    // cut short, missing: refused with the program's message
    QFile f(knapp);
    ASSERT_TRUE(f.resize(30));
    for (const QString &pfad : {knapp, dir.filePath("fehlt.dat")}) {
        l = werkzeug({"netdat-dump", pfad});
        EXPECT_EQ(l.code, 1);
        EXPECT_TRUE(l.aus.isEmpty());
        EXPECT_EQ(QString::fromUtf8(l.fehler).trimmed(), NetzEinlesefehlerText(pfad));
    }
    EXPECT_EQ(werkzeug({"netdat-dump"}).code, 2);
}

TEST(NetzLehrerBefehl, FalscherAufruf)
{
    QTemporaryDir dir;
    const QString dok = QStringLiteral(KALUMO_BEISPIELE) + QStringLiteral("/Blütenpflanze.kal");
    const QStringList falsch[] = {
        {"netz-lehrer", dok, "--channel", "K"},                                   // no folder
        {"netz-lehrer", dok, "--folder", dir.path()},                             // no channel
        {"netz-lehrer", dok, "--folder", dir.path(), "--channel", "K", "--verfahren", "2"},
        {"netz-lehrer", dok, "--folder", dir.path(), "--channel", "K", "--settings", "1,0,0"},
        {"netz-lehrer", dok, "--folder", dir.path(), "--channel", "K", "--settings", "1,0,0,0,1,1,7,0,180,0"},
        {"netz-lehrer", dok, "--folder", dir.path(), "--channel", "K", "--seconds"},
    };
    for (const QStringList &a : falsch)
        EXPECT_EQ(werkzeug(a).code, 2) << a.join(' ').toStdString();
    // a channel longer than 8 characters, a folder that does not exist
    Lauf l = werkzeug({"netz-lehrer", dok, "--folder", dir.path(), "--channel", "NEUNZEICH"});
    EXPECT_EQ(l.code, 1);
    EXPECT_FALSE(l.fehler.isEmpty());
    EXPECT_EQ(werkzeug({"netz-lehrer", dok, "--folder", dir.filePath("fehlt"), "--channel", "K"}).code, 1);
    // no exercise file was left behind
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

class NetzLehrerUndTeilnehmer : public testing::TestWithParam<int>
{
};

TEST_P(NetzLehrerUndTeilnehmer, DreiTeilnehmerAlsEigeneProzesse)
{
    const int verfahren = GetParam();
    QTemporaryDir dir;
    const QString kanal = QStringLiteral("W%1-%2").arg(verfahren).arg(QCoreApplication::applicationPid() % 10000);
    const QString dok = QStringLiteral(KALUMO_BEISPIELE) + QStringLiteral("/Blütenpflanze.kal");

    QProcess lehrer;
    lehrer.setProcessEnvironment(Rechner(QStringLiteral("localhost")));
    lehrer.start(QStringLiteral(KALUMO_TOOL), {"netz-lehrer", dok, "--folder", dir.path(), "--channel", kanal,
                                               "--verfahren", QString::number(verfahren), "--participants", "4",
                                               "--seconds", "30"});
    const NetzPfade p = NetzPfadeVon(dir.path() + QLatin1Char('/'), kanal);
    QElapsedTimer t;
    t.start();
    while (!NetzMarkeVorhanden(p) && t.elapsed() < 20000)
        QThread::msleep(20);
    ASSERT_TRUE(NetzMarkeVorhanden(p)) << lehrer.readAllStandardError().constData();
    NetzUebEinstTyp einst;
    ASSERT_TRUE(NetzEinstellungsdateiLesen(p.Einstellungen(), einst));
    EXPECT_EQ(einst.NetzKennung, "localhost");

    // one run finished, one aborted, one ended by the time limit; PC-B joins twice
    struct Teilnehmer
    {
        const char *Rechner, *Name;
        int Antworten, Ende;
    };
    const Teilnehmer teilnehmer[] = {
        {"PC-A", "Anna", 3, 1}, {"PC-B", "Ben", 1, 2}, {"PC-C", "Cem", 2, 3}, {"PC-B", "Ben", 3, 1}};
    for (const Teilnehmer &tn : teilnehmer) {
        QProcess pr;
        pr.setProcessEnvironment(Rechner(QString::fromUtf8(tn.Rechner)));
        pr.start(QStringLiteral(KALUMO_TESTTEILNEHMER),
                 {p.Ordner, kanal, QString::number(verfahren), QString::fromUtf8(tn.Name),
                  QString::number(tn.Antworten), QString::number(tn.Ende)});
        const Lauf l = Beenden(pr);
        ASSERT_EQ(l.code, 0) << l.fehler.constData();
    }
    const Lauf l = Beenden(lehrer);
    ASSERT_EQ(l.code, 0) << l.fehler.constData();
    const QJsonObject o = json(l.aus);

    const QJsonArray zeilen = o["rows"].toArray();
    ASSERT_EQ(zeilen.size(), 4) << l.aus.constData();
    const char *status[] = {"fertig", "abgebr.", "timeout", "fertig"};
    for (int i = 0; i < 4; ++i) {
        const QJsonObject z = zeilen[i].toObject();
        EXPECT_EQ(z["Nr."].toString(), QString::number(i + 1));
        EXPECT_EQ(z["Rechner"].toString(), teilnehmer[i].Rechner);
        EXPECT_EQ(z["Teilnehmer"].toString(), teilnehmer[i].Name);
        EXPECT_EQ(z["Status"].toString(), status[i]);
        EXPECT_TRUE(z.contains("Note"));
        // every answered query field shows "ok" in the column of its number
        int ok = 0;
        for (int spalte = 1; z.contains(QString::number(spalte)); ++spalte)
            ok += z[QString::number(spalte)].toString() == "ok";
        EXPECT_EQ(ok, teilnehmer[i].Antworten) << i;
    }
    EXPECT_EQ(zeilen[0].toObject()["Anz."].toString(), "3");

    // the aborted run is not entered; the timeout is
    const QJsonArray liste = o["bestlist"].toObject()["entries"].toArray();
    ASSERT_EQ(liste.size(), 3);
    EXPECT_EQ(liste[0].toObject()["Name"].toString(), "Anna");
    EXPECT_EQ(liste[1].toObject()["Rechner"].toString(), "PC-C");
    // 4 joins, 9 answers, 4 ends, 3 best-list reports
    EXPECT_EQ(o["received"].toInt(), 20);
    EXPECT_EQ(o["ignored"].toObject()["count"].toInt(), 0);
    EXPECT_TRUE(o["protocol"].toString().startsWith("<tit>Netzwerk-Übung\r\n"));

    // the end removed the exercise files and kept the best list
    EXPECT_FALSE(NetzMarkeVorhanden(p));
    EXPECT_FALSE(QFileInfo::exists(p.Dokument()));
    EXPECT_TRUE(QFileInfo::exists(p.Bestenliste()));
}

INSTANTIATE_TEST_SUITE_P(BeideVerfahren, NetzLehrerUndTeilnehmer, testing::Values(0, 1));
