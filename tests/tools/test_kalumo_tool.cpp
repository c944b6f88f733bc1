// kalumo-tool as scripts use it: exit codes, JSON on stdout, messages on stderr.

#include <QDir>
#include <QFile>
#include <QImage>

#include "document/DokumentDatei.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Lauf
{
    int code = -1;
    QByteArray aus, fehler;
};

Lauf starten(const QString &programm, const QStringList &argumente)
{
    QProcess p;
    p.start(programm, argumente);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

Lauf werkzeug(const QStringList &argumente)
{
    return starten(QStringLiteral(KALUMO_TOOL), argumente);
}

QStringList beispiele()
{
    QStringList l;
    const QDir d(QStringLiteral(KALUMO_BEISPIELE));
    for (const QString &n : d.entryList({"*.kal"}, QDir::Files, QDir::Name))
        l << d.filePath(n);
    return l;
}

QJsonObject json(const QByteArray &text)
{
    QJsonParseError fehler{};
    const QJsonDocument d = QJsonDocument::fromJson(text, &fehler);
    EXPECT_EQ(fehler.error, QJsonParseError::NoError) << fehler.errorString().toStdString();
    return d.object();
}

} // namespace

TEST(KalumoTool, DumpJedesBeispiels)
{
    const QStringList dateien = beispiele();
    ASSERT_GE(dateien.size(), 3);
    for (const QString &datei : dateien) {
        const Lauf l = werkzeug({"dump", datei});
        ASSERT_EQ(l.code, 0) << datei.toStdString() << l.fehler.toStdString();
        EXPECT_TRUE(l.fehler.isEmpty());
        const QJsonObject o = json(l.aus);
        EXPECT_EQ(o["format"]["magic"].toString(), "KAL-2.24");
        EXPECT_TRUE(o["format"]["keys"].toString().contains("|HD-EinrückRand|"));
        EXPECT_FALSE(o["header"]["titel"].toString().isEmpty());
        EXPECT_EQ(o["header"]["KreuzGitter"].toArray().size(), 30);
        EXPECT_EQ(o["header"]["LueckentabelleSpaltenHtgd"].toArray().size(), 12);
        EXPECT_EQ(o["UebEinst"].toArray().size(), 10);
        EXPECT_EQ(o["Schriftart"].toString(), "Arial");
        EXPECT_EQ(o["Basisbild"]["rgba_sha256"].toString().size(), 64);
        for (const QJsonValue &obj : o["objects"].toArray())
            EXPECT_EQ(obj.toObject()["BildAntw"].toArray().size(), 12);
    }
}

TEST(KalumoTool, DumpFolgtDerReihenfolgeDerDatei)
{
    const Lauf l = werkzeug({"dump", QStringLiteral(KALUMO_BEISPIELE) + "/Blütenpflanze.kal"});
    ASSERT_EQ(l.code, 0);
    const qsizetype typ = l.aus.indexOf("\"Typ\"");
    const qsizetype sx = l.aus.indexOf("\"Sx\"");
    const qsizetype tondatei = l.aus.indexOf("\"Tondatei\"");
    EXPECT_TRUE(typ > 0 && typ < sx && sx < tondatei);
    const QJsonObject o = json(l.aus);
    const QJsonArray objekte = o["objects"].toArray();
    ASSERT_FALSE(objekte.isEmpty());
    EXPECT_EQ(objekte[0].toObject()["Cap"].toString(), "Kronblatt");
    EXPECT_EQ(o["header"]["RandErw"].toArray()[2].toDouble(), 0.4);
}

TEST(KalumoTool, InfoZeigtNurDenKopf)
{
    const QString datei = QStringLiteral(KALUMO_BEISPIELE) + "/Lückentext Rhein.kal";
    const Lauf l = werkzeug({"info", datei});
    ASSERT_EQ(l.code, 0);
    const QJsonObject o = json(l.aus);
    EXPECT_EQ(o["titel"].toString(), "Der Rhein");
    EXPECT_EQ(o["DokTyp"].toInt(), 1);
    EXPECT_FALSE(o.contains("ABAufgabe"));
    EXPECT_FALSE(o.contains("LueckenTabelle"));
}

TEST(KalumoTool, AbgelehnteDateienUndFalscherAufruf)
{
    QTemporaryDir ordner;
    const QString kaputt = ordner.filePath("kaputt.kal");
    {
        QFile f(kaputt);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("nichts als Text");
    }
    const Lauf dump = werkzeug({"dump", kaputt});
    EXPECT_EQ(dump.code, 1);
    EXPECT_TRUE(dump.aus.isEmpty());
    const QList<QByteArray> zeilen = dump.fehler.trimmed().split('\n');
    ASSERT_EQ(zeilen.size(), 2);
    EXPECT_EQ(QString::fromUtf8(zeilen[0]), "Ungültiges Dateiformat.");
    EXPECT_TRUE(QString::fromUtf8(zeilen[1]).startsWith("Die Datei \"" + kaputt + "\" kann nicht gelesen werden."));

    const Lauf fehlt = werkzeug({"dump", ordner.filePath("fehlt.kal")});
    EXPECT_EQ(fehlt.code, 1);
    EXPECT_TRUE(fehlt.fehler.contains("existiert nicht."));

    const Lauf info = werkzeug({"info", kaputt});
    EXPECT_EQ(info.code, 1);
    EXPECT_TRUE(info.fehler.isEmpty());

    EXPECT_EQ(werkzeug({}).code, 2);
    EXPECT_EQ(werkzeug({"dump"}).code, 2);
    EXPECT_EQ(werkzeug({"zeichnen", "a", "b", "c"}).code, 2);
}

TEST(KalumoTool, ResaveErgibtDasselbeDokument)
{
    QTemporaryDir ordner;
    for (const QString &datei : beispiele()) {
        const QString neu = ordner.filePath("neu.kal");
        ASSERT_EQ(werkzeug({"resave", datei, neu}).code, 0) << datei.toStdString();
        const QJsonObject vorher = json(werkzeug({"dump", datei}).aus);
        const QJsonObject nachher = json(werkzeug({"dump", neu}).aus);
        EXPECT_EQ(vorher, nachher) << datei.toStdString();
    }
    const Lauf l = werkzeug({"resave", ordner.filePath("fehlt.kal"), ordner.filePath("x.kal")});
    EXPECT_EQ(l.code, 1);
    EXPECT_FALSE(QFile::exists(ordner.filePath("x.kal")));
}

TEST(KalumoTool, BeispieleSindAufDemStandDesGenerators)
{
    // the committed examples are what the generator writes today
    QTemporaryDir ordner;
    ASSERT_EQ(starten(QStringLiteral(KALUMO_BEISPIELE_PROGRAMM), {ordner.path()}).code, 0);
    const QStringList neu = QDir(ordner.path()).entryList({"*.kal"}, QDir::Files, QDir::Name);
    QStringList alt;
    for (const QString &p : beispiele())
        alt << QFileInfo(p).fileName();
    EXPECT_EQ(neu, alt);
    for (const QString &name : neu) {
        const QJsonObject erzeugt = json(werkzeug({"dump", ordner.filePath(name)}).aus);
        const QJsonObject gebuendelt = json(werkzeug({"dump", QStringLiteral(KALUMO_BEISPIELE) + "/" + name}).aus);
        EXPECT_EQ(erzeugt, gebuendelt) << name.toStdString() << ": run scripts/make-examples";
    }
}

TEST(KalumoTool, RenderZeigtDieLernansicht)
{
    QTemporaryDir ordner;
    for (const QString &datei : beispiele()) {
        const QString png = ordner.filePath("ansicht.png");
        const Lauf l = werkzeug({"render", datei, png, "--width", "800", "--height", "600"});
        ASSERT_EQ(l.code, 0) << datei.toStdString() << l.fehler.toStdString();
        const QImage bild(png);
        ASSERT_FALSE(bild.isNull());
        EXPECT_LE(bild.width(), 800);
        EXPECT_LE(bild.height(), 600);
        EXPECT_TRUE(bild.width() == 800 || bild.height() == 600) << "the page fills the view in one direction";
    }
    const QString blume = QStringLiteral(KALUMO_BEISPIELE) + "/Blütenpflanze.kal";
    // covered query fields show the blue cover; uncovered ones do not
    auto blauePixel = [&](const QStringList &extra) {
        const QString png = ordner.filePath("blume.png");
        EXPECT_EQ(werkzeug(QStringList{"render", blume, png} + extra).code, 0);
        const QImage b = QImage(png).convertToFormat(QImage::Format_RGB32);
        int n = 0;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                n += b.pixel(x, y) == qRgb(202, 228, 255);
        return n;
    };
    EXPECT_GT(blauePixel({}), 1000);
    EXPECT_EQ(blauePixel({"--uncover"}), 0);
    EXPECT_EQ(werkzeug({"render", blume, ordner.filePath("z.png"), "--zoom", "130"}).code, 2);
    EXPECT_EQ(werkzeug({"render", blume}).code, 2);
    EXPECT_EQ(werkzeug({"render", ordner.filePath("fehlt.kal"), ordner.filePath("z.png")}).code, 1);
}

TEST(KalumoTool, FeindseligeDateiWirdGezeichnetOderAbgelehnt)
{
    // extreme values a hand-made file may hold; the view must neither hang nor crash
    QTemporaryDir ordner;
    auto schreiben = [&](const QString &name, QSize basis) {
        kalumo::Dokument dok;
        kalumo::NeuesDokument(dok);
        dok.Basisbild = QImage(basis, QImage::Format_RGBA8888);
        dok.Basisbild.fill(Qt::white);
        for (int i = 0; i < 4; ++i) {
            const int n = kalumo::ObjektHinzufuegen(dok, i % 2 ? kalumo::objAbfrageBeschriftung : kalumo::objInfopunkt,
                                                    1, "Text", 400, 0, 0.5, 0.5, -1);
            kalumo::ObjDataTyp &o = dok.Objekte[size_t(n)];
            o.LinieDicke = 2147483647;
            o.Sline = 1;
            o.Sx = 0.1;
            o.ZIndex = i % 2 ? 2147483647 : -2147483647 - 1;
        }
        QFile f(ordner.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        kalumo::DokumentStromSchreiben(f, dok);
        return ordner.filePath(name);
    };
    const QString schmal = schreiben("schmal.kal", QSize(1, 60000));
    const QString normal = schreiben("normal.kal", QSize(400, 300));
    const Lauf abgelehnt = werkzeug({"render", schmal, ordner.filePath("a.png")});
    EXPECT_EQ(abgelehnt.code, 1); // a picture 60000 pixels high is more than a document may hold
    EXPECT_TRUE(abgelehnt.fehler.contains("kann nicht gelesen werden"));
    EXPECT_EQ(werkzeug({"render", normal, ordner.filePath("b.png")}).code, 0);
    EXPECT_FALSE(QImage(ordner.filePath("b.png")).isNull());
}
