// The package file: every version the program reads, damaged packages, the
// writer's byte layout and the safe names of unpacked documents.

#include "Serienhilfen.h"
#include "series/Seriepaket.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kalumo;
using namespace kalumo::test;

namespace {

LeseErgebnis lesen(const QByteArray &bytes, SeriePaketInhalt &inhalt)
{
    QBuffer puffer;
    puffer.setData(bytes);
    puffer.open(QIODevice::ReadOnly);
    return SeriePaketStromLesen(puffer, inhalt);
}

std::vector<PaketEintragRoh> zweiEintraege()
{
    return {{"C:\\Serien\\eins.kal", "Eins", "eins.kal", 1, 5, 2, DokumentBytes("Eins")},
            {"C:\\Serien\\zwei.kal", "Zwei", "zwei.kal", 3, 0, 0, DokumentBytes("Zwei", dokCluster)}};
}

} // namespace

TEST(SeriepaketLesen, JedeVersionMitIhrenFeldern)
{
    struct Fall
    {
        QByteArray version;
        bool mitModus;
        bool mitSkala;
    };
    for (const Fall &f : {Fall{"01.00", false, false}, Fall{"01.01", true, false}, Fall{"01.02", true, true}}) {
        SCOPED_TRACE(f.version.toStdString());
        const auto eintraege = zweiEintraege();
        // bytes after the last document are ignored
        const QByteArray bytes = PaketRoh(f.version, eintraege) + QByteArray("Anhang ohne Bedeutung");
        SeriePaketInhalt p;
        const LeseErgebnis r = lesen(bytes, p);
        ASSERT_TRUE(r.ok()) << r.Grund.toStdString();
        EXPECT_EQ(p.Kennung, "KASUP-");
        EXPECT_EQ(p.Version, QString::fromLatin1(f.version));
        EXPECT_EQ(p.Ordner, "C:\\Serien\\");
        EXPECT_EQ(p.StdGewichtung, 2);
        EXPECT_EQ(p.StdZeit, 7);
        EXPECT_EQ(p.Uebungsmodus, 1);
        EXPECT_EQ(p.Protokolltitel, "Test");
        EXPECT_EQ(p.Information, "Fach / Thema: <tab>Bio");
        EXPECT_EQ(p.Skala.has_value(), f.mitSkala);
        if (p.Skala) {
            EXPECT_DOUBLE_EQ(p.Skala->NoteMinQuote[0], 0.9);
            EXPECT_DOUBLE_EQ(p.Skala->NoteMinQuote[4], 0.2);
            EXPECT_DOUBLE_EQ(p.Skala->PunkteMinQuote[14], 0.9);
            EXPECT_EQ(p.Skala->BewertSkala, 2);
        }
        ASSERT_EQ(p.Eintraege.size(), 2u);
        for (size_t i = 0; i < 2; ++i) {
            const SeriePaketEintrag &e = p.Eintraege[i];
            EXPECT_EQ(e.Datei, QString::fromLatin1(eintraege[i].Datei));
            EXPECT_EQ(e.Titel, QString::fromLatin1(eintraege[i].Titel));
            EXPECT_EQ(e.Gewichtung, eintraege[i].Gewichtung);
            EXPECT_EQ(e.Zeit, eintraege[i].Zeit);
            EXPECT_EQ(e.Abfragemodus.has_value(), f.mitModus);
            if (e.Abfragemodus)
                EXPECT_EQ(*e.Abfragemodus, eintraege[i].Abfragemodus);
            // the document is read in place: its bytes start at Offset
            EXPECT_EQ(bytes.mid(e.Offset, e.Laenge), eintraege[i].Dokument);
            EXPECT_EQ(bytes.mid(e.Offset - 4, 4), Roh().Int(qint32(e.Laenge)).Daten());
        }
    }
}

TEST(SeriepaketLesen, JedeKuerzungWirdSauberAbgelehnt)
{
    const QByteArray bytes = PaketRoh("01.02", zweiEintraege());
    SeriePaketInhalt ganz;
    ASSERT_TRUE(lesen(bytes, ganz).ok());
    for (qsizetype n = 0; n < bytes.size(); ++n) {
        SeriePaketInhalt p;
        const LeseErgebnis r = lesen(bytes.left(n), p);
        ASSERT_FALSE(r.ok()) << "nach " << n << " Bytes";
        // also a package cut inside its magic is damaged, not of another format
        EXPECT_EQ(r.Status, LeseStatus::Beschaedigt) << n;
        EXPECT_LE(p.Eintraege.size(), 2u);
    }
}

TEST(SeriepaketLesen, FalscheKennungUndUnmoeglicheLaengen)
{
    struct Fall
    {
        const char *name;
        QByteArray bytes;
        LeseStatus erwartet;
    };
    const QByteArray dok = DokumentBytes("D");
    auto kopf = [](qint32 n) {
        Roh r;
        r.Text("KASUP-").Text("01.01").Text("").Text("").Int(1).Int(0).Int(0).Int(n).Text("T").Text("I");
        return r;
    };
    Roh negativ = kopf(-1);
    Roh riesig = kopf(0x7fffffff);
    Roh zuViele = kopf(3);   // three entries need at least 72 bytes
    zuViele.Text("a").Text("b").Text("c").Int(1).Int(0).Int(0);
    Roh laengeNegativ = kopf(1);
    laengeNegativ.Text("a.kal").Text("A").Text("a.kal").Int(1).Int(0).Int(0).Int(-5).Bytes(dok);
    Roh laengeZuGross = kopf(1);
    laengeZuGross.Text("a.kal").Text("A").Text("a.kal").Int(1).Int(0).Int(0).Int(qint32(dok.size() + 1)).Bytes(dok);
    Roh leer = kopf(0);

    const std::vector<Fall> faelle = {
        {"Dokument statt Paket", dok, LeseStatus::UngueltigesFormat},
        {"Kennung ohne Strich", Roh().Text("KASUP").Text("01.02").Daten(), LeseStatus::UngueltigesFormat},
        {"Kennung klein", Roh().Text("kasup-").Text("01.02").Daten(), LeseStatus::UngueltigesFormat},
        {"negative Anzahl", negativ.Daten(), LeseStatus::Beschaedigt},
        {"riesige Anzahl", riesig.Daten(), LeseStatus::Beschaedigt},
        {"mehr Einträge als Bytes", zuViele.Daten(), LeseStatus::Beschaedigt},
        {"negative Dokumentlänge", laengeNegativ.Daten(), LeseStatus::Beschaedigt},
        {"Dokument länger als die Datei", laengeZuGross.Daten(), LeseStatus::Beschaedigt},
        {"leere Datei", QByteArray(), LeseStatus::Beschaedigt},
    };
    for (const Fall &f : faelle) {
        SeriePaketInhalt p;
        EXPECT_EQ(lesen(f.bytes, p).Status, f.erwartet) << f.name;
    }
    SeriePaketInhalt p;
    EXPECT_TRUE(lesen(leer.Daten(), p).ok()) << "ein Paket ohne Einträge ist lesbar";
    EXPECT_TRUE(p.Eintraege.empty());
}

TEST(SeriepaketSchreiben, ByteFuerByteUndZurueck)
{
    SeriePaketInhalt p;
    p.Version = "99.99";          // ignored: the writer always writes 01.02
    p.Reserviert = "ignoriert";
    p.Ordner = "/home/lehrer/Serie/";
    p.StdGewichtung = 2;
    p.StdZeit = 7;
    p.Uebungsmodus = 1;
    p.Protokolltitel = "Test";
    p.Information = "Fach / Thema: <tab>Bio";
    SerienSkalaTyp s;
    s.NoteMinQuote = {0.9, 0.8, 0.6, 0.45, 0.2};
    for (int i = 0; i < 15; ++i)
        s.PunkteMinQuote[size_t(i)] = 0.06 * (i + 1);
    s.BewertSkala = 2;
    p.Skala = s;
    const auto roh = zweiEintraege();
    std::vector<QByteArray> dokumente;
    for (const auto &e : roh) {
        SeriePaketEintrag x;
        x.Datei = QString::fromLatin1(e.Datei);
        x.Titel = QString::fromLatin1(e.Titel);
        x.Sortname = QString::fromLatin1(e.Sortname);
        x.Gewichtung = e.Gewichtung;
        x.Zeit = e.Zeit;
        x.Abfragemodus = e.Abfragemodus;
        p.Eintraege.push_back(x);
        dokumente.push_back(e.Dokument);
    }
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    SeriePaketStromSchreiben(puffer, p, dokumente);

    // the same bytes as built by hand, except the folder
    QByteArray erwartet = PaketRoh("01.02", roh);
    const QByteArray alterOrdner = Roh().Text("C:\\Serien\\").Daten();
    erwartet.replace(erwartet.indexOf(alterOrdner), alterOrdner.size(), Roh().Text("/home/lehrer/Serie/").Daten());
    EXPECT_EQ(puffer.data(), erwartet);

    SeriePaketInhalt gelesen;
    ASSERT_TRUE(lesen(puffer.data(), gelesen).ok());
    EXPECT_EQ(gelesen.Version, "01.02");
    EXPECT_EQ(gelesen.Reserviert, "");
    EXPECT_EQ(gelesen.Skala, p.Skala);
    ASSERT_EQ(gelesen.Eintraege.size(), 2u);
    EXPECT_EQ(puffer.data().mid(gelesen.Eintraege[1].Offset, gelesen.Eintraege[1].Laenge), dokumente[1]);
}

TEST(SeriepaketSchreiben, EinMisslungenesSchreibenLaesstDieAlteDateiStehen)
{
    QTemporaryDir tmp;
    const QString pfad = tmp.filePath("alt.kausp");
    DateiSchreiben(pfad, "altes Paket");
    SeriePaketInhalt p;
    p.Eintraege.resize(2);
    EXPECT_FALSE(SeriePaketDateiSchreiben(pfad, p, {QByteArray("nur eines")}));
    EXPECT_EQ(Dateibytes(pfad), "altes Paket");
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList{"alt.kausp"});
    EXPECT_FALSE(SeriePaketDateiSchreiben(tmp.path(), p, {{}, {}})) << "a folder is no package";

    EXPECT_TRUE(SeriePaketDateiSchreiben(pfad, p, {DokumentBytes("A"), DokumentBytes("B")}));
    SeriePaketInhalt gelesen;
    EXPECT_TRUE(SeriePaketDateiLesen(pfad, gelesen).ok());
    EXPECT_EQ(gelesen.Eintraege.size(), 2u);
}

TEST(SeriepaketNamen, NurSichereDateinamen)
{
    const std::vector<std::pair<QString, QString>> faelle = {
        {"C:\\Serien\\Bäume.kal", "Bäume.kal"},
        {"/home/lehrer/Blüte.kal", "Blüte.kal"},
        {"../x.kal", "x.kal"},
        {"/etc/x.kal", "x.kal"},
        {"C:\\x.kal", "x.kal"},
        {"C:x.kal", "x.kal"},
        {"\\\\server\\freigabe\\..\\y.kal", "y.kal"},
        {"..", "Dokument 4.kal"},
        {"", "Dokument 4.kal"},
        {"a/b/", "Dokument 4.kal"},
        {".bashrc", "bashrc.kal"},
        {"...kal", "kal.kal"},
        {"evil.sh", "evil.sh.kal"},
        {"x.KAL", "x.KAL"},
        {"alt.vkd", "alt.vkd"},
        {"Frage?*<>|\".kal", "Frage______.kal"},
        {QStringLiteral("Zeile\tmit\nSteuerzeichen.kal"), "Zeile_mit_Steuerzeichen.kal"},
        {"Punkt am Ende. .kal", "Punkt am Ende.kal"},
        {"con.kal", "_con.kal"},
        {"LPT1.txt.kal", "_LPT1.txt.kal"},
        {"consonant.kal", "consonant.kal"},
    };
    for (const auto &[gespeichert, erwartet] : faelle)
        EXPECT_EQ(SichererDateiname(gespeichert, 4), erwartet) << gespeichert.toStdString();

    const QString lang = SichererDateiname(QString(500, QLatin1Char('a')) + ".kal", 1);
    EXPECT_LE(lang.toUtf8().size(), 200);
    EXPECT_TRUE(lang.endsWith(".kal"));
}

TEST(SeriepaketNamen, GleicheNamenWerdenUnterschieden)
{
    EXPECT_EQ(EntpackNamen({"../x.kal", "/etc/x.kal", "C:\\x.kal", "X.kal", "y.kal"}),
              (QStringList{"x.kal", "x (2).kal", "x (3).kal", "X (4).kal", "y.kal"}));
}
