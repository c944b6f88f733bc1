// kalumo-tool as scripts use it: exit codes, JSON on stdout, messages on stderr.

#include <QDir>
#include <QFile>
#include <QImage>

#include "DokumentJson.h"
#include "document/DokumentDatei.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Werkzeuglauf.h"

using namespace kalumo::test;

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

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

// Every picture a document holds, by the name of its field; the pictures are
// taken out, so that the rest of the document can be compared as JSON.
std::vector<std::pair<QString, QImage>> BilderHerausnehmen(kalumo::DateiInhalt &d)
{
    std::vector<std::pair<QString, QImage>> bilder;
    auto nehmen = [&](const QString &name, QImage &bild) {
        bilder.emplace_back(name, bild);
        bild = QImage();
    };
    nehmen("header.ABLogo", d.Kopf.ABLogo);
    for (size_t r = 0; r < d.Kopf.LueckenTabelle.size(); ++r)
        for (size_t c = 0; c < d.Kopf.LueckenTabelle[r].size(); ++c)
            nehmen(QString("header.LueckenTabelle[%1][%2].Bild").arg(r).arg(c), d.Kopf.LueckenTabelle[r][c].Bild);
    for (size_t i = 0; i < d.Objekte.size(); ++i) {
        nehmen(QString("objects[%1].Bild").arg(i), d.Objekte[i].Bild);
        for (size_t j = 0; j < d.Objekte[i].BildAntw.size(); ++j)
            nehmen(QString("objects[%1].BildAntw[%2]").arg(i).arg(j), d.Objekte[i].BildAntw[j]);
    }
    nehmen("Basisbild", d.Basisbild);
    return bilder;
}

// The differences between two JSON values, one line per field ("objects[2].Cap: ...").
void JsonVergleichen(const QJsonValue &a, const QJsonValue &b, const QString &pfad, QStringList &unterschiede)
{
    if (a.isObject() && b.isObject()) {
        const QJsonObject x = a.toObject(), y = b.toObject();
        QStringList schluessel = x.keys() + y.keys();
        schluessel.removeDuplicates();
        for (const QString &k : schluessel)
            JsonVergleichen(x.value(k), y.value(k), pfad.isEmpty() ? k : pfad + "." + k, unterschiede);
        return;
    }
    if (a.isArray() && b.isArray()) {
        const QJsonArray x = a.toArray(), y = b.toArray();
        if (x.size() != y.size()) {
            unterschiede << QString("%1: %2 entries instead of %3").arg(pfad).arg(x.size()).arg(y.size());
            return;
        }
        for (qsizetype i = 0; i < x.size(); ++i)
            JsonVergleichen(x[i], y[i], QString("%1[%2]").arg(pfad).arg(i), unterschiede);
        return;
    }
    // positions computed with the mathematics library may differ in the
    // last bits between processors
    if (a.isDouble() && b.isDouble()
        && std::abs(a.toDouble() - b.toDouble()) <= 1e-9 * std::max({1.0, std::abs(a.toDouble()), std::abs(b.toDouble())}))
        return;
    if (a != b) {
        auto text = [](const QJsonValue &v) {
            if (v.isObject())
                return QString::fromUtf8(QJsonDocument(v.toObject()).toJson(QJsonDocument::Compact));
            if (v.isArray())
                return QString::fromUtf8(QJsonDocument(v.toArray()).toJson(QJsonDocument::Compact));
            return QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
        };
        unterschiede << QString("%1: %2 instead of %3").arg(pfad, text(a), text(b));
    }
}

// Two pictures drawn with antialiasing on different processors differ a
// little at the edges of shapes and letters: a pixel counts as different
// only when one channel (premultiplied) differs by more than kKanalToleranz,
// and at most kAnteilToleranz of the pixels may differ.
constexpr int kKanalToleranz = 8;
constexpr double kAnteilToleranz = 0.01;

QString BildUnterschied(const QImage &neu, const QImage &alt)
{
    if (neu.isNull() != alt.isNull())
        return neu.isNull() ? QString("no picture instead of one") : QString("a picture instead of none");
    if (neu.isNull())
        return {};
    if (neu.size() != alt.size())
        return QString("%1 x %2 pixels instead of %3 x %4")
            .arg(neu.width()).arg(neu.height()).arg(alt.width()).arg(alt.height());
    const QImage a = neu.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = alt.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    qint64 abweichend = 0;
    int groesste = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb *p = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const QRgb *q = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int d = std::max({std::abs(qRed(p[x]) - qRed(q[x])), std::abs(qGreen(p[x]) - qGreen(q[x])),
                                    std::abs(qBlue(p[x]) - qBlue(q[x])), std::abs(qAlpha(p[x]) - qAlpha(q[x]))});
            groesste = std::max(groesste, d);
            abweichend += d > kKanalToleranz;
        }
    }
    const double anteil = double(abweichend) / (qint64(a.width()) * a.height());
    if (anteil <= kAnteilToleranz)
        return {};
    return QString("%1 % of the pixels differ by more than %2 (up to %3)")
        .arg(anteil * 100, 0, 'f', 2).arg(kKanalToleranz).arg(groesste);
}

// What differs between two document files, one line per field; empty when
// they hold the same document (pictures within the tolerance above).
QStringList DokumentUnterschiede(const QString &neu, const QString &alt)
{
    kalumo::DateiInhalt inhalt[2];
    const QString pfade[2] = {neu, alt};
    for (int i = 0; i < 2; ++i) {
        QFile f(pfade[i]);
        if (!f.open(QIODevice::ReadOnly))
            return {pfade[i] + ": cannot be opened"};
        const kalumo::LeseErgebnis e = kalumo::DokumentStromLesen(f, inhalt[i]);
        if (!e.ok())
            return {pfade[i] + ": " + e.Grund};
    }
    const auto bilderNeu = BilderHerausnehmen(inhalt[0]);
    const auto bilderAlt = BilderHerausnehmen(inhalt[1]);
    QStringList unterschiede;
    JsonVergleichen(json(kalumo::DateiInhaltJson(inhalt[0]).Text()), json(kalumo::DateiInhaltJson(inhalt[1]).Text()),
                    QString(), unterschiede);
    for (size_t i = 0; i < bilderNeu.size() && i < bilderAlt.size(); ++i) {
        const QString u = BildUnterschied(bilderNeu[i].second, bilderAlt[i].second);
        if (!u.isEmpty())
            unterschiede << bilderNeu[i].first + ": " + u;
    }
    return unterschiede;
}

} // namespace

TEST(KalumoTool, VergleichDerBeispieleNenntDasFeldUndDuldetKantenglaettung)
{
    // the comparison the next test relies on: it names the field that
    // differs and lets antialiased edges differ a little
    QTemporaryDir ordner;
    kalumo::Dokument dok;
    kalumo::NeuesDokument(dok);
    dok.Basisbild = QImage(200, 100, QImage::Format_RGBA8888);
    dok.Basisbild.fill(Qt::white);
    kalumo::ObjektHinzufuegen(dok, kalumo::objAbfrageBeschriftung, 1, "Blatt", 0, 0, 0.5, 0.5, -1);
    auto schreiben = [&](const QString &name, kalumo::Dokument d) {
        QFile f(ordner.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        kalumo::DokumentStromSchreiben(f, d);
        return ordner.filePath(name);
    };
    const QString original = schreiben("a.kal", dok);

    // another processor: every pixel a step apart, a few edge pixels more
    kalumo::Dokument kanten = dok;
    kanten.Basisbild.fill(QColor(253, 255, 254));
    for (int x = 0; x < 40; ++x)
        kanten.Basisbild.setPixelColor(x * 5, 50, QColor(190, 190, 190));
    kalumo::Dokument fleck = dok; // a real change of the picture
    for (int y = 20; y < 40; ++y)
        for (int x = 20; x < 60; ++x)
            fleck.Basisbild.setPixelColor(x, y, Qt::red);
    kalumo::Dokument text = dok;
    text.Objekte[0].Cap = "Blüte";

    EXPECT_EQ(DokumentUnterschiede(schreiben("kanten.kal", kanten), original), QStringList());
    const QStringList f = DokumentUnterschiede(schreiben("fleck.kal", fleck), original);
    ASSERT_EQ(f.size(), 1) << f.join('\n').toStdString();
    EXPECT_TRUE(f[0].startsWith("Basisbild: 4.00 % of the pixels differ")) << f[0].toStdString();
    const QStringList t = DokumentUnterschiede(schreiben("text.kal", text), original);
    ASSERT_EQ(t.size(), 1) << t.join('\n').toStdString();
    EXPECT_EQ(t[0], QString::fromUtf8("objects[0].Cap: \"Blüte\" instead of \"Blatt\""));
}

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

TEST(KalumoTool, LibraryListetDieBeispieleWieDasThemenmenue)
{
    const Lauf l = werkzeug({"library", QStringLiteral(KALUMO_BEISPIELE)});
    ASSERT_EQ(l.code, 0);
    const QJsonObject o = json(l.aus);
    const QJsonArray eintraege = o["entries"].toArray();
    EXPECT_EQ(o["count"].toInt(), eintraege.size());
    EXPECT_EQ(o["column_break"].toInt(), -1);
    ASSERT_GE(eintraege.size(), 10);
    EXPECT_EQ(eintraege[0].toObject()["caption"].toString(), "&1:  Aufbau einer Blütenpflanze");
    EXPECT_TRUE(eintraege[9].toObject()["caption"].toString().startsWith("10:  "));
    const Lauf fehlt = werkzeug({"library", QStringLiteral(KALUMO_BEISPIELE) + "/gibt-es-nicht"});
    EXPECT_EQ(fehlt.code, 1);
    EXPECT_TRUE(fehlt.fehler.contains("existiert nicht."));
    EXPECT_EQ(werkzeug({"library"}).code, 2);
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
    ASSERT_EQ(Starten(QStringLiteral(KALUMO_BEISPIELE_PROGRAMM), {ordner.path()}).code, 0);
    const QStringList neu = QDir(ordner.path()).entryList({"*.kal"}, QDir::Files, QDir::Name);
    QStringList alt;
    for (const QString &p : beispiele())
        alt << QFileInfo(p).fileName();
    EXPECT_EQ(neu, alt);
    for (const QString &name : neu) {
        // pictures drawn with antialiasing are compared within a tolerance
        const QStringList unterschiede
            = DokumentUnterschiede(ordner.filePath(name), QStringLiteral(KALUMO_BEISPIELE) + "/" + name);
        EXPECT_TRUE(unterschiede.isEmpty()) << name.toStdString() << " differs (run scripts/make-examples):\n  "
                                            << unterschiede.mid(0, 20).join("\n  ").toStdString();
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
