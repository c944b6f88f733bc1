// kalumo-tool series-pack and kausp-dump: a package built from a script and
// shown again, the user's grading scale in it, and refused inputs that leave
// an existing package alone.

#include "document/DokumentDatei.h"
#include "platform/Einstellungsspeicher.h"
#include "testhilfen/Fixtures.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include "Werkzeuglauf.h"

using namespace kalumo::test;

using namespace kalumo;

namespace {

QByteArray bytesVon(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void schreiben(const QString &pfad, const QByteArray &b)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(b);
}

QByteArray dokument(const QString &titel, int typ)
{
    Dokument dok;
    dok.Kopf.titel = titel;
    dok.Kopf.DokTyp = typ;
    dok.Kopf.UebEinstSpeichern = 0;   // the series decides the query mode
    dok.Basisbild = test::Farbbild(4, 3, Qt::green);
    return test::Geschrieben(dok);
}

QString sha256(const QByteArray &b)
{
    return QString::fromLatin1(QCryptographicHash::hash(b, QCryptographicHash::Sha256).toHex());
}

class SerieTool : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        bild = tmp.filePath("bild.kal");
        korb = tmp.filePath("korb.kal");
        eigene = QStringLiteral(KALUMO_BEISPIELE) + "/Einzelfragen Hauptstädte.kal";   // stores its settings
        schreiben(bild, dokument("Bild", dokBildbeschriftung));
        schreiben(korb, dokument("", dokCluster));
    }

    QTemporaryDir tmp;
    QString bild, korb, eigene;
};

} // namespace

TEST_F(SerieTool, PackenUndZeigen)
{
    // the user's grading scale goes into the package
    {
        IniEinstellungsspeicher speicher;
        speicher.setzen("Opt-NoteMinQuote1", 0.9);
        speicher.setzen("Opt-PunkteMinQuote15", 0.97);
        speicher.setzen("Opt-BewertSkala", 2);
        ASSERT_TRUE(speicher.sichern());
    }
    const QString paket = tmp.filePath("serie.kausp");
    const Lauf pack = werkzeug({"series-pack", paket, bild, korb, eigene, "--title", "Bio 7b", "--info",
                                "Fach / Thema: <tab>Bio\nKlasse / Kurs: <tab>7b", "--mode", "2", "--weights",
                                "1,1,2", "--minutes", "5,0,3", "--modes", "3,1,3"});
    ASSERT_EQ(pack.code, 0) << pack.fehler.toStdString();
    EXPECT_TRUE(pack.aus.isEmpty());
    QFile::remove(IniEinstellungsspeicher::StandardPfad());

    const Lauf dump = werkzeug({"kausp-dump", paket});
    ASSERT_EQ(dump.code, 0) << dump.fehler.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(dump.aus).object();
    EXPECT_EQ(o.keys().size(), 11);
    EXPECT_EQ(o["magic"].toString(), "KASUP-");
    EXPECT_EQ(o["version"].toString(), "01.02");
    EXPECT_EQ(o["reserved"].toString(), "");
    EXPECT_EQ(o["ordner"].toString(), tmp.path() + "/");
    EXPECT_EQ(o["std_gewichtung"].toInt(), 1);
    EXPECT_EQ(o["std_zeit"].toInt(), 0);
    EXPECT_EQ(o["Uebungsmodus"].toInt(), 2);
    EXPECT_EQ(o["Protokolltitel"].toString(), "Bio 7b");
    EXPECT_EQ(o["Information"].toString(), "Fach / Thema: <tab>Bio\r\nKlasse / Kurs: <tab>7b");
    const QJsonObject skala = o["skala"].toObject();
    ASSERT_EQ(skala["NoteMinQuote"].toArray().size(), 5);
    ASSERT_EQ(skala["PunkteMinQuote"].toArray().size(), 15);
    EXPECT_DOUBLE_EQ(skala["NoteMinQuote"].toArray()[0].toDouble(), 0.9);
    EXPECT_DOUBLE_EQ(skala["NoteMinQuote"].toArray()[1].toDouble(), 0.7);
    EXPECT_DOUBLE_EQ(skala["PunkteMinQuote"].toArray()[14].toDouble(), 0.97);
    EXPECT_EQ(skala["BewertSkala"].toInt(), 2);

    const QJsonArray eintraege = o["entries"].toArray();
    ASSERT_EQ(eintraege.size(), 3);
    const QStringList dateien = {bild, korb, eigene};
    const QStringList titel = {"Bild", "(ohne Titel)", "Hauptstädte Europas"};
    const std::vector<int> modi = {3, 1, -2};   // stored settings keep -2 whatever --modes says
    const std::vector<int> gewichte = {1, 1, 2}, zeiten = {5, 0, 3};
    const QByteArray inhalt = bytesVon(paket);
    for (int i = 0; i < 3; ++i) {
        const QJsonObject e = eintraege[i].toObject();
        EXPECT_EQ(e["Datei"].toString(), dateien[i]);
        EXPECT_EQ(e["Titel"].toString(), titel[i]);
        EXPECT_EQ(e["Sortname"].toString(), QFileInfo(dateien[i]).fileName().toLower());
        EXPECT_EQ(e["Gewichtung"].toInt(), gewichte[size_t(i)]);
        EXPECT_EQ(e["Zeit"].toInt(), zeiten[size_t(i)]);
        EXPECT_EQ(e["Abfragemodus"].toInt(), modi[size_t(i)]);
        EXPECT_EQ(e["sha256"].toString(), sha256(bytesVon(dateien[i])));
        EXPECT_EQ(inhalt.mid(e["Offset"].toInteger(), e["Laenge"].toInteger()), bytesVon(dateien[i]));
    }

    // defaults: weight 1, time 0, mode 0, the dialog's title and information
    const QString einfach = tmp.filePath("einfach.kausp");
    ASSERT_EQ(werkzeug({"series-pack", einfach, bild}).code, 0);
    const QJsonObject d = QJsonDocument::fromJson(werkzeug({"kausp-dump", einfach}).aus).object();
    EXPECT_EQ(d["Protokolltitel"].toString(), "Titel der Übungsserie");
    EXPECT_EQ(d["Information"].toString(), "Fach / Thema: <tab>\r\nKlasse / Kurs: <tab>\r\nTestform / Beschreibung: <tab>");
    EXPECT_EQ(d["Uebungsmodus"].toInt(), 0);
    EXPECT_EQ(d["skala"].toObject()["BewertSkala"].toInt(), 0);
    const QJsonObject e = d["entries"].toArray()[0].toObject();
    EXPECT_EQ(e["Gewichtung"].toInt(), 1);
    EXPECT_EQ(e["Zeit"].toInt(), 0);
    EXPECT_EQ(e["Abfragemodus"].toInt(), 0);
}

TEST_F(SerieTool, AbgelehnteEingabenLassenDasPaketStehen)
{
    const QString paket = tmp.filePath("alt.kausp");
    schreiben(paket, "altes Paket");
    const QString kaputt = tmp.filePath("kaputt.kal");
    schreiben(kaputt, "kein Dokument");
    struct Fall
    {
        const char *name;
        QStringList argumente;
        int code;
        QString meldung;   // start of the first line on standard error
    };
    const std::vector<Fall> faelle = {
        {"unlesbares Dokument", {bild, kaputt}, 1, "Die Datei \"" + kaputt + "\" kann nicht gelesen werden."},
        {"fehlendes Dokument", {bild, tmp.filePath("fehlt.kal")}, 1, "Die Datei \"" + tmp.filePath("fehlt.kal") + "\" existiert nicht."},
        {"Gewichte 0", {bild, korb, "--weights", "0,0"}, 1, "Die Gewichtungen der ausgewählten Übungen ergeben zusammen 0."},
        {"negatives Gewicht", {bild, korb, "--weights", "3,-1"}, 1, "Die Gewichtung der Übung Nr. 2 ist negativ."},
        {"zu wenige Gewichte", {bild, korb, "--weights", "1"}, 2, "Aufruf:"},
        {"Modus 3", {bild, "--mode", "3"}, 2, "Aufruf:"},
        {"Abfragemodus für Cluster", {korb, "--modes", "2"}, 2, "Der Abfragemodus 2 ist für das Dokument"},
        {"keine Zahl", {bild, "--minutes", "fünf"}, 2, "Aufruf:"},
        {"kein Dokument", {}, 2, "Aufruf:"},
    };
    for (const Fall &f : faelle) {
        const Lauf l = werkzeug(QStringList{"series-pack", paket} + f.argumente);
        EXPECT_EQ(l.code, f.code) << f.name;
        EXPECT_TRUE(QString::fromUtf8(l.fehler).startsWith(f.meldung)) << f.name << ": " << l.fehler.toStdString();
        EXPECT_EQ(bytesVon(paket), "altes Paket") << f.name;
    }
    EXPECT_EQ(QDir(tmp.path()).entryList({"*.kausp"}, QDir::Files), QStringList{"alt.kausp"});
}

TEST_F(SerieTool, DumpLehntKaputtePaketeAb)
{
    const QString paket = tmp.filePath("p.kausp");
    ASSERT_EQ(werkzeug({"series-pack", paket, bild, korb}).code, 0);
    const QByteArray gut = bytesVon(paket);

    // bytes after the last document are ignored
    schreiben(paket, gut + "Anhang");
    EXPECT_EQ(werkzeug({"kausp-dump", paket}).code, 0);

    const Lauf dokumentStattPaket = werkzeug({"kausp-dump", bild});
    EXPECT_EQ(dokumentStattPaket.code, 1);
    EXPECT_EQ(dokumentStattPaket.fehler.trimmed(), "Ungültiges Dateiformat.");
    EXPECT_TRUE(dokumentStattPaket.aus.isEmpty());

    // the entry count is item 8: behind four strings and three ints
    QByteArray negativ = gut;
    qsizetype pos = 0;
    for (int i = 0; i < 4; ++i) {
        const qint32 n = qFromLittleEndian<qint32>(negativ.constData() + pos);
        pos += 4 + n;
    }
    pos += 12;
    ASSERT_EQ(qFromLittleEndian<qint32>(negativ.constData() + pos), 2);
    qToLittleEndian<qint32>(-1, negativ.data() + pos);
    schreiben(paket, negativ);
    const QString lesefehler = "Die Datei \"" + paket + "\" kann nicht gelesen werden.";
    const Lauf l = werkzeug({"kausp-dump", paket});
    EXPECT_EQ(l.code, 1);
    EXPECT_TRUE(QString::fromUtf8(l.fehler).startsWith(lesefehler)) << l.fehler.toStdString();

    schreiben(paket, gut.left(gut.size() - 1));
    const Lauf gekuerzt = werkzeug({"kausp-dump", paket});
    EXPECT_EQ(gekuerzt.code, 1);
    EXPECT_TRUE(QString::fromUtf8(gekuerzt.fehler).startsWith(lesefehler));
    EXPECT_EQ(werkzeug({"kausp-dump"}).code, 2);
}
