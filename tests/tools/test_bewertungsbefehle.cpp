// kalumo-tool grade and hsc-dump: JSON on stdout, messages on stderr, exit codes.

#include "exercise/Bestenliste.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Werkzeuglauf.h"

using namespace kalumo::test;

#include <memory>

using namespace kalumo;

namespace {

QJsonObject json(const QByteArray &text)
{
    QJsonParseError fehler{};
    const QJsonDocument d = QJsonDocument::fromJson(text, &fehler);
    EXPECT_EQ(fehler.error, QJsonParseError::NoError) << text.constData();
    return d.object();
}

QString Schreiben(const QTemporaryDir &tmp, const QString &name, const QByteArray &inhalt)
{
    QFile f(tmp.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
    return f.fileName();
}

struct NotenFall
{
    QStringList argumente;
    int note;
    const char *wort;
    const char *skalenwort;
};

} // namespace

TEST(KalumoToolGrade, NotenUndPunkteMitVorgabenUndEigenenGrenzen)
{
    const NotenFall faelle[] = {
        {{"0.8", "0"}, 2, "gut", "Note"},
        {{"0.85", "0"}, 1, "sehr gut", "Note"},
        {{"0.2499", "0"}, 6, "ungenügend", "Note"},
        {{"0.2", "1"}, 5, "mangelhaft", "Note"},
        {{"0.95", "2"}, 15, "sehr gut", "Punkte"},
        {{"0.949", "2"}, 14, "sehr gut", "Punkte"},
        {{"0.24", "2"}, 0, "ungenügend", "Punkte"},
        {{"0.9", "3"}, 5, "sehr gut", "Note"},
        {{"0.1", "3"}, 1, "mangelhaft", "Note"},
        {{"1", "4"}, 12, "sehr gut", "Punkte"},
        {{"0", "4"}, 0, "mangelhaft", "Punkte"},
        {{"0.85", "0", "--note", "0.9,0.8,0.7,0.6,0.5"}, 2, "gut", "Note"},
        {{"0.45", "0", "--note", "0.9,0.8,0.7,0.6,0.5"}, 6, "ungenügend", "Note"},
        {{"0.99", "2", "--punkte", "0.1,0.15,0.2,0.25,0.3,0.35,0.4,0.45,0.5,0.55,0.6,0.7,0.8,0.9,1"}, 14, "sehr gut",
         "Punkte"},
        {{"0.5", "2", "--note", "0.9,0.8,0.7,0.6,0.5", "--punkte",
          "0.1,0.15,0.2,0.25,0.3,0.35,0.4,0.45,0.5,0.55,0.6,0.7,0.8,0.9,1"},
         9, "befriedigend", "Punkte"},
    };
    for (const NotenFall &f : faelle) {
        const Lauf l = werkzeug(QStringList{"grade"} + f.argumente);
        ASSERT_EQ(l.code, 0) << f.argumente.join(' ').toStdString() << l.fehler.constData();
        const QJsonObject o = json(l.aus);
        EXPECT_EQ(o.keys(), (QStringList{"grade", "scale_word", "word"}));
        EXPECT_EQ(o["grade"].toInt(), f.note) << f.argumente.join(' ').toStdString();
        EXPECT_EQ(o["word"].toString(), QString::fromUtf8(f.wort)) << f.argumente.join(' ').toStdString();
        EXPECT_EQ(o["scale_word"].toString(), f.skalenwort);
        EXPECT_TRUE(l.fehler.isEmpty());
    }
}

TEST(KalumoToolGrade, UnbekannteSkalaUndFalscherAufruf)
{
    const Lauf unbekannt = werkzeug({"grade", "0.5", "5"});
    EXPECT_EQ(unbekannt.code, 1);
    EXPECT_TRUE(unbekannt.aus.isEmpty());
    EXPECT_EQ(QString::fromUtf8(unbekannt.fehler), "Unbekannte Bewertungsskala 5 (bekannt sind 0 bis 4).\n");

    const QStringList falsch[] = {
        {"grade"},
        {"grade", "0.5"},
        {"grade", "abc", "0"},
        {"grade", "1.5", "0"},
        {"grade", "0.5", "null"},
        {"grade", "0.5", "0", "--note", "0.9,0.8,0.7,0.6"},
        {"grade", "0.5", "0", "--note", "0.9,0.8,0.7,0.6,x"},
        {"grade", "0.5", "0", "--punkte", "0.5"},
        {"grade", "0.5", "0", "--note"},
        {"grade", "0.5", "0", "--scale", "2"},
    };
    for (const QStringList &a : falsch) {
        const Lauf l = werkzeug(a);
        EXPECT_EQ(l.code, 2) << a.join(' ').toStdString();
        EXPECT_TRUE(l.aus.isEmpty());
    }
}

TEST(KalumoToolHscDump, EintraegeInDateiUndFensterreihenfolge)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const BestListDataTyp a{"Anna", "PC-01", 45000.5, 61000, 0.85};
    const BestListDataTyp b{QString::fromUtf8("Jörg"), "PC-02", 45000.75, 59000, 0.85};
    const BestListDataTyp c{"Cem", "PC-03", 45001.0, 30000, 0.95};
    const QString pfad = Schreiben(tmp, "liste.hsc", BestenlisteBytes({kBestenlisteSchluessel, {a, b, c}}));
    const Lauf l = werkzeug({"hsc-dump", pfad});
    ASSERT_EQ(l.code, 0) << l.fehler.constData();
    const QJsonObject o = json(l.aus);
    EXPECT_EQ(o["keys"].toString(), kBestenlisteSchluessel);
    auto namen = [](const QJsonArray &liste) {
        QStringList n;
        for (const QJsonValue &e : liste)
            n << e["Name"].toString();
        return n;
    };
    EXPECT_EQ(namen(o["entries"].toArray()), (QStringList{"Anna", QString::fromUtf8("Jörg"), "Cem"}));
    EXPECT_EQ(namen(o["sorted"].toArray()), (QStringList{"Cem", QString::fromUtf8("Jörg"), "Anna"}));
    const QJsonObject erster = o["entries"].toArray()[0].toObject();
    EXPECT_EQ(erster.keys(), (QStringList{"Beginn", "Dauer", "Leistung", "Name", "Rechner"}));
    EXPECT_EQ(erster["Rechner"].toString(), "PC-01");
    EXPECT_EQ(erster["Beginn"].toDouble(), 45000.5);
    EXPECT_EQ(erster["Dauer"].toInt(), 61000);
    EXPECT_EQ(erster["Leistung"].toDouble(), 0.85);
}

TEST(KalumoToolHscDump, FehlendeUndBeschaedigteListen)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const Lauf fehlt = werkzeug({"hsc-dump", tmp.filePath("fehlt.hsc")});
    EXPECT_EQ(fehlt.code, 1);
    EXPECT_TRUE(fehlt.aus.isEmpty());
    EXPECT_EQ(QString::fromUtf8(fehlt.fehler), BestenlisteLeerText(BestenlisteArt::Individual) + "\n");

    const QString falsch = Schreiben(tmp, "falsch.hsc", "\x0c\0\0\0VKD-HSC-0.99" + QByteArray(4, '\0'));
    const Lauf l = werkzeug({"hsc-dump", falsch});
    EXPECT_EQ(l.code, 1);
    EXPECT_TRUE(l.aus.isEmpty());
    EXPECT_EQ(QString::fromUtf8(l.fehler),
              StderrMeldungen::Einzeilig(BestenlisteLesefehlerText(falsch, BestenlisteArt::Individual)) + "\n");

    EXPECT_EQ(werkzeug({"hsc-dump"}).code, 2);
    EXPECT_EQ(werkzeug({"hsc-dump", falsch, "mehr"}).code, 2);
}

TEST(KalumoToolHscDump, JedeKuerzungEinerGueltigenListe)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const BestenlisteInhalt leer;
    const QByteArray kopf = BestenlisteBytes(leer);
    const QByteArray e1 = BestenlisteEintragBytes({"A", "P1", 45000.5, 61000, 0.85});
    const QByteArray e2 = BestenlisteEintragBytes({"B", "P2", 45000.25, 1000, 0.5});
    const QByteArray ganz = kopf + e1 + e2;
    // one file per cut, read by several tools at a time
    constexpr qsizetype kGleichzeitig = 8;
    for (qsizetype start = 0; start <= ganz.size(); start += kGleichzeitig) {
        std::vector<std::unique_ptr<QProcess>> laeufe;
        for (qsizetype n = start; n <= ganz.size() && n < start + kGleichzeitig; ++n) {
            const QString pfad = Schreiben(tmp, QStringLiteral("kurz%1.hsc").arg(n), ganz.left(n));
            auto p = std::make_unique<QProcess>();
            p->start(QStringLiteral(KALUMO_TOOL), {"hsc-dump", pfad});
            laeufe.push_back(std::move(p));
        }
        for (size_t k = 0; k < laeufe.size(); ++k) {
            const qsizetype n = start + qsizetype(k);
            QProcess &p = *laeufe[k];
            ASSERT_TRUE(p.waitForFinished(60000));
            const QByteArray aus = p.readAllStandardOutput();
            const QByteArray fehler = p.readAllStandardError();
            int eintraege = -1;
            if (n == kopf.size())
                eintraege = 0;
            else if (n == kopf.size() + e1.size())
                eintraege = 1;
            else if (n == ganz.size())
                eintraege = 2;
            if (eintraege < 0) {
                EXPECT_EQ(p.exitCode(), 1) << "cut at " << n;
                EXPECT_TRUE(aus.isEmpty()) << n;
                EXPECT_TRUE(fehler.startsWith("Die Datei \"")) << n;
            } else {
                ASSERT_EQ(p.exitCode(), 0) << "cut at " << n << fehler.constData();
                EXPECT_EQ(json(aus)["entries"].toArray().size(), eintraege) << n;
            }
        }
    }
}
