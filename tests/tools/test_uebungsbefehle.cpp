// kalumo-tool exercise and normtext: every example runs with its action
// file to the expected counters, the same seed gives the same bytes, and
// wrong calls are told apart from refused runs.

#include "document/DokumentDateien.h"
#include "peripheral/Rtf.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Werkzeuglauf.h"

using namespace kalumo::test;

namespace {

QString beispiel(const char *name)
{
    return QDir(QStringLiteral(KALUMO_BEISPIELE)).filePath(QString::fromUtf8(name) + QStringLiteral(".kal"));
}

QString aktionen(const char *name)
{
    return QDir(QStringLiteral(KALUMO_UEBUNGSAKTIONEN)).filePath(QString::fromUtf8(name) + QStringLiteral(".json"));
}

} // namespace

TEST(Uebungsbefehl, JedesBeispielMitSeinerAktionsdatei)
{
    struct Fall
    {
        const char *name;
        const char *einstellungen;   // empty: the document's own
        const char *richtig, *falsch, *quote;
        int offen;
        int beurteilt;               // actions that were judged
    };
    const Fall faelle[] = {
        {"Blütenpflanze", "", "5", "1", "83.3 %", 0, 6},
        {"C-Test Jahreszeiten", "", "14", "0", "100.0 %", 0, 14},
        {"Cluster Tiere", "", "8", "1", "88.9 %", 0, 9},
        {"Einzelfragen Hauptstädte", "1,0,0,1,1,0,0,0,180,0", "3", "1", "75.0 %", 0, 4},
        {"Kreuzworträtsel", "", "8", "1", "88.9 %", 0, 9},
        {"Kreuzzuordnung Länder", "", "6", "1", "85.7 %", 0, 7},
        {"Lückentext Rhein", "1,0,0,0,1,1,3,0,180,1", "4", "2", "66.7 %", 0, 1},
        {"Lückentext Wald mit Falschwörtern", "1,0,1,1,1,1,0,0,180,0", "5", "1", "83.3 %", 0, 6},
        {"Multiple Choice Formen und Tiere", "1,0,1,1,1,0,0,0,180,0", "2.00", "1.00", "66.7 %", 0, 3},
        {"Tabelle Formen", "", "8", "1", "88.9 %", 0, 9},
        {"Wörter finden Namenwörter", "", "4", "1", "50.0 %", 0, 1},
    };
    // every example has its action file
    EXPECT_EQ(QDir(QStringLiteral(KALUMO_BEISPIELE)).entryList({"*.kal"}).size(), int(std::size(faelle)));
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        QStringList a = {"exercise", beispiel(f.name), "--seed", "5", "--start", "2024-03-01 08:00:00",
                         "--actions", aktionen(f.name)};
        if (*f.einstellungen)
            a << "--settings" << QString::fromLatin1(f.einstellungen);
        const Lauf l = werkzeug(a);
        ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
        const QJsonObject o = QJsonDocument::fromJson(l.aus).object();
        EXPECT_TRUE(o["refused"].isNull());
        const QJsonObject lauf = o["run"].toObject();
        EXPECT_EQ(lauf["RichtigText"].toString(), f.richtig);
        EXPECT_EQ(lauf["FalschText"].toString(), f.falsch);
        EXPECT_EQ(lauf["QuoteText"].toString(), QString::fromUtf8(f.quote));
        EXPECT_EQ(lauf["OffenePositionen"].toInt(), f.offen);
        EXPECT_EQ(lauf["EndeGrund"].toInt(), 1);
        int beurteilt = 0;
        for (const QJsonValue &v : o["actions"].toArray())
            beurteilt += v.toObject()["judged"].toBool() ? 1 : 0;
        EXPECT_EQ(beurteilt, f.beurteilt);
        EXPECT_FALSE(o["start"]["queries"].toArray().isEmpty() && QString(f.name) != "Wörter finden Namenwörter");
        // the same seed and start once more: the same bytes
        EXPECT_EQ(werkzeug(a).aus, l.aus);
    }
}

TEST(Uebungsbefehl, AusgabeUndAktionen)
{
    const QByteArray skript = R"([{"drop": [0, 1]}, {"drop": [9, 1]}, {"wait": 1000}, {"abort": true}, {"drop": [0, 0]}])";
    const Lauf l = werkzeug({"exercise", beispiel("Blütenpflanze"), "--settings", "1,0,1,1,0,0,0,1,60,0", "--name",
                             "Anna", "--actions", "-"},
                            skript);
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(l.aus).object();
    const QJsonArray a = o["actions"].toArray();
    ASSERT_EQ(a.size(), 5);
    auto aktion = [&](int i) { return a[i].toObject(); };
    EXPECT_EQ(aktion(0)["right"], QJsonValue(false));
    EXPECT_TRUE(aktion(1)["ignored"].toBool());          // no card shows object 9
    EXPECT_TRUE(aktion(2)["right"].isNull());
    EXPECT_FALSE(aktion(2)["ignored"].toBool());
    EXPECT_FALSE(aktion(3)["ignored"].toBool());
    EXPECT_TRUE(aktion(4)["ignored"].toBool());          // after the abort
    // the start: five cards, targets numbered in order, position 1 closed with a red cross afterwards
    const QJsonObject start = o["start"].toObject();
    EXPECT_EQ(start["elements"].toArray().size(), 5);
    EXPECT_EQ(start["elements"][0]["kind"].toString(), "card");
    EXPECT_EQ(start["queries"].toArray().size(), 5);
    const QJsonObject objekt = start["objects"][0].toObject();
    EXPECT_EQ(objekt.keys().size(), 11);
    EXPECT_EQ(objekt["Abgedeckt"].toInt(), -5);
    EXPECT_EQ(objekt["AnzeigeNummer"].toInt(), 1);
    // after the abort: the learning view, no elements
    EXPECT_TRUE(o["end"]["elements"].toArray().isEmpty());
    EXPECT_EQ(o["end"]["objects"][1]["Abgedeckt"].toInt(), 0);
    EXPECT_EQ(o["run"]["RestZeit"].toInt(), 59);
    EXPECT_EQ(o["run"]["FalschText"].toString(), "1");
    // an aborted run has no protocol and no grade
    EXPECT_TRUE(o["protocol"].isNull());
    EXPECT_TRUE(o["grade"].isNull());
}

TEST(Uebungsbefehl, ProtokollNoteBestenlisteUndRtf)
{
    QTemporaryDir tmp;
    qputenv("KALUMO_RECHNERNAME", "PC-Test");
    const QString liste = tmp.filePath("Blütenpflanze.hsc"), rtf = tmp.filePath("protokoll.rtf");
    const QStringList a = {"exercise", beispiel("Blütenpflanze"), "--start", "2024-03-01 08:00:00", "--name", "Anna",
                           "--actions", aktionen("Blütenpflanze"), "--scale", "2", "--punkte",
                           "0.1,0.2,0.3,0.4,0.5,0.6,0.7,0.75,0.8,0.82,0.84,0.86,0.88,0.9,0.95", "--bestlist", liste,
                           "--protocol", rtf};
    const Lauf l = werkzeug(a);
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(l.aus).object();
    const QString protokoll = o["protocol"].toString();
    EXPECT_TRUE(protokoll.startsWith("<tit>Übungsprotokoll\r\nDatum/Uhrzeit (Beginn):\t")) << protokoll.toStdString();
    EXPECT_TRUE(protokoll.contains("\r\nTeilnehmername:\tAnna\r\nRechnername:\tPC-Test\r\n"));
    EXPECT_TRUE(protokoll.contains("\r\nPunktegrenzen bzgl. Gesamtleistung:\t95.0% / 90.0% / "));
    EXPECT_TRUE(protokoll.contains("<tit>Detaillierter Ablauf\r\n00:00 - Übung wird gestartet\r\n"));
    EXPECT_TRUE(protokoll.endsWith("\r\n"));
    EXPECT_FALSE(protokoll.contains(QRegularExpression("[^\r]\n")));
    // 5 right and 1 failed attempt: 83.3 % earn 10 points on these thresholds
    const QJsonObject note = o["grade"].toObject();
    EXPECT_EQ(note["grade"].toInt(), 10);
    EXPECT_EQ(note["scale_word"].toString(), "Punkte");
    EXPECT_TRUE(protokoll.contains("\r\nBewertung:\t" + note["word"].toString() + "\r\nPunkte:\t10\r\n"));

    // the saved protocol reads back as the same text
    QFile f(rtf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(kalumo::ProtokollAusRtf(f.readAll()).value_or(QString()).toStdString(), protokoll.toStdString());

    // the best list gets one entry per run
    ASSERT_EQ(werkzeug(a).code, 0);
    const Lauf dump = werkzeug({"hsc-dump", liste});
    ASSERT_EQ(dump.code, 0) << dump.fehler.toStdString();
    const QJsonArray eintraege = QJsonDocument::fromJson(dump.aus).object()["entries"].toArray();
    ASSERT_EQ(eintraege.size(), 2);
    EXPECT_EQ(eintraege[0]["Name"].toString(), "Anna");
    EXPECT_EQ(eintraege[0]["Rechner"].toString(), "PC-Test");
    EXPECT_NEAR(eintraege[0]["Leistung"].toDouble(), 5.0 / 6.0, 1e-9);

    // a protocol that cannot be written is reported, and the exit says so
    QStringList b = a;
    b[b.indexOf(rtf)] = tmp.filePath("fehlt/ordner/p.rtf");
    const Lauf kaputt = werkzeug(b);
    EXPECT_EQ(kaputt.code, 1);
    EXPECT_TRUE(QString::fromLocal8Bit(kaputt.fehler).contains("kann nicht geschrieben werden")) << kaputt.fehler.toStdString();
    qunsetenv("KALUMO_RECHNERNAME");
}

TEST(Uebungsbefehl, AbweisungUndFalscherAufruf)
{
    QTemporaryDir tmp;
    kalumo::Dokument dok;
    kalumo::NeuesDokument(dok);
    dok.Basisbild = QImage(40, 30, QImage::Format_RGBA8888);
    dok.Basisbild.fill(Qt::white);
    kalumo::ObjektHinzufuegen(dok, kalumo::objFixeBeschriftung, 1, "nur Text", 0, 1, 0.5, 0.5, -1);
    kalumo::StderrMeldungen m;
    kalumo::EinfacheDokumentDienste d(m);
    const QString ohne = tmp.filePath("ohne.kal");
    ASSERT_TRUE(kalumo::DokumentSchreiben(dok, d, ohne, false));
    const Lauf abgewiesen = werkzeug({"exercise", ohne});
    EXPECT_EQ(abgewiesen.code, 1);
    EXPECT_EQ(QJsonDocument::fromJson(abgewiesen.aus).object()["refused"].toString(),
              QStringLiteral("Dieses Dokument enthält keine Abfrageobjekte."));

    EXPECT_EQ(werkzeug({"exercise"}).code, 2);
    EXPECT_EQ(werkzeug({"exercise", ohne, "--settings", "1,2,3"}).code, 2);
    EXPECT_EQ(werkzeug({"exercise", ohne, "--start", "gestern"}).code, 2);
    EXPECT_EQ(werkzeug({"exercise", beispiel("Blütenpflanze"), "--actions", "-"}, "[{\"fliegen\": 1}]").code, 2);
    EXPECT_EQ(werkzeug({"exercise", beispiel("Blütenpflanze"), "--actions", "-"}, "kein json").code, 2);
    EXPECT_EQ(werkzeug({"exercise", tmp.filePath("fehlt.kal")}).code, 1);
}

TEST(Uebungsbefehl, Normtext)
{
    // Windows-1252 in and out: "ä" is 0xE4
    const Lauf l = werkzeug({"normtext"}, QByteArray("  Haus-\r\nbau und Nord-\r\nAmerika,\r\n \xE4rger \r\n"));
    ASSERT_EQ(l.code, 0);
    EXPECT_EQ(l.aus, QByteArray("Hausbau und Nord-Amerika, \xE4rger"));
    EXPECT_EQ(werkzeug({"normtext", "zu viel"}).code, 2);
}
