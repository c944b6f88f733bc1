#include "exercise/Bestenliste.h"

#include "document/Bytestrom.h"
#include "platform/Datumswert.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QtEndian>

#include "testhilfen/QtAusgabe.h"

#include <gtest/gtest.h>

#include <unistd.h>

using namespace kalumo;

namespace {

// little-endian items, built by hand so each test shows what the file holds
QByteArray I32(qint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian<qint32>(v, b.data());
    return b;
}
QByteArray F64(double d)
{
    quint64 bits;
    std::memcpy(&bits, &d, 8);
    QByteArray b(8, '\0');
    qToLittleEndian<quint64>(bits, b.data());
    return b;
}
QByteArray Str(const QByteArray &s)
{
    return I32(qint32(s.size())) + s;
}

const QByteArray kKopf = Str("VKD-HSC-1.00") + Str("|HSC-Name|HSC-Rechner|HSC-Beginn|HSC-Dauer|HSC-Leistung|");

QByteArray Eintrag(const QByteArray &name, const QByteArray &rechner, double beginn, qint32 dauer, double leistung)
{
    return Str(name) + Str(rechner) + F64(beginn) + I32(dauer) + F64(leistung);
}

const BestListDataTyp kAnna{"Anna", "PC-01", 45000.5, 61000, 0.85};
const BestListDataTyp kJoerg{QString::fromUtf8("Jörg"), "PC-02", 45000.75, 59000, 0.85};
const BestListDataTyp kCem{"Cem", "PC-03", 45001.0, 30000, 0.4};

// A pause that does not wait but counts.
struct ZaehlPause
{
    int anzahl = 0;
    Pause pause()
    {
        return [this](int ms) {
            EXPECT_EQ(ms, 100);
            ++anzahl;
        };
    }
};

class BestenlisteDatei : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_tmp.isValid()); }
    QString Pfad(const QString &name) const { return m_tmp.filePath(name); }
    QString Schreiben(const QString &name, const QByteArray &inhalt) const
    {
        QFile f(Pfad(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
        return Pfad(name);
    }
    static QByteArray Lesen(const QString &pfad)
    {
        QFile f(pfad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList Dateien() const { return QDir(m_tmp.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir m_tmp;
};

BestenlisteInhalt AusBytes(QByteArray bytes)
{
    QBuffer b(&bytes);
    b.open(QIODevice::ReadOnly);
    return BestenlisteStromLesen(b);
}

} // namespace

TEST(Bestenliste, DateiformatByteFuerByte)
{
    const QByteArray erwartet = kKopf + Eintrag("Anna", "PC-01", 45000.5, 61000, 0.85)
        + Eintrag("J\xf6rg", "PC-02", 45000.75, 59000, 0.85);
    EXPECT_EQ(BestenlisteBytes({QString::fromLatin1(kBestenlisteSchluessel), {kAnna, kJoerg}}), erwartet);
    const BestenlisteInhalt inhalt = AusBytes(erwartet);
    EXPECT_EQ(inhalt.Schluessel, kBestenlisteSchluessel);
    ASSERT_EQ(inhalt.Eintraege.size(), 2u);
    EXPECT_EQ(inhalt.Eintraege[0], kAnna);
    EXPECT_EQ(inhalt.Eintraege[1], kJoerg);
}

TEST(Bestenliste, FehlendeSchluesselLesenAlsLeerOderNull)
{
    const QByteArray datei = Str("VKD-HSC-1.00") + Str("|HSC-Name|HSC-Leistung|") + Str("Anna") + F64(0.5)
        + Str("Bea") + F64(0.75);
    const BestenlisteInhalt inhalt = AusBytes(datei);
    ASSERT_EQ(inhalt.Eintraege.size(), 2u);
    EXPECT_EQ(inhalt.Eintraege[1], (BestListDataTyp{"Bea", "", 0.0, 0, 0.75}));
    // written in the same layout, so the file stays readable
    EXPECT_EQ(BestenlisteEintragBytes(kAnna, inhalt.Schluessel), Str("Anna") + F64(0.85));
}

TEST(Bestenliste, BeschaedigteDateienWerdenAbgelehnt)
{
    const struct
    {
        const char *name;
        QByteArray bytes;
    } faelle[] = {
        {"leer", QByteArray()},
        {"falsche Kennung", Str("VKD-HSC-1.01") + Str(kBestenlisteSchluessel)},
        {"Dokument statt Liste", Str("KAL-2.24") + Str("|HD-vers|")},
        {"riesige Namenslänge", kKopf + I32(0x7ffffff0) + "Anna"},
        {"negative Namenslänge", kKopf + I32(-4) + "Anna"},
        {"Eintrag ohne Leistung", kKopf + Str("Anna") + Str("PC") + F64(1.0) + I32(5)},
        {"Leistung keine Zahl", kKopf + Str("Anna") + Str("PC") + F64(1.0) + I32(5) + F64(std::nan(""))},
        // a key list without any field would make every entry zero bytes long
        {"Einträge ohne Felder", Str("VKD-HSC-1.00") + Str("|HSC-Nichts|") + "Rest"},
    };
    for (const auto &f : faelle)
        EXPECT_THROW(AusBytes(f.bytes), LeseFehler) << f.name;
    EXPECT_TRUE(AusBytes(Str("VKD-HSC-1.00") + Str("|HSC-Nichts|")).Eintraege.empty());
}

TEST(Bestenliste, JedeKuerzungEinerGueltigenListe)
{
    const QByteArray kopf = kKopf;
    const QByteArray e1 = Eintrag("Anna", "PC-01", 45000.5, 61000, 0.85);
    const QByteArray e2 = Eintrag("Bo", "PC-02", 45000.75, 59000, 0.5);
    const QByteArray ganz = kopf + e1 + e2;
    for (qsizetype n = 0; n <= ganz.size(); ++n) {
        const QByteArray teil = ganz.left(n);
        size_t erwartet = 0;
        bool gueltig = true;
        if (n == kopf.size())
            erwartet = 0;
        else if (n == kopf.size() + e1.size())
            erwartet = 1;
        else if (n == ganz.size())
            erwartet = 2;
        else
            gueltig = false;
        if (gueltig) {
            BestenlisteInhalt inhalt;
            ASSERT_NO_THROW(inhalt = AusBytes(teil)) << n;
            EXPECT_EQ(inhalt.Eintraege.size(), erwartet) << n;
        } else {
            EXPECT_THROW(AusBytes(teil), LeseFehler) << n;
        }
    }
}

TEST_F(BestenlisteDatei, ErsterEintragLegtKennungUndSchluesselAnZweiterHaengtNurAn)
{
    const QString pfad = Pfad("liste.hsc");
    ASSERT_TRUE(BestenlisteAnhaengen(pfad, kAnna));
    EXPECT_EQ(Lesen(pfad), kKopf + Eintrag("Anna", "PC-01", 45000.5, 61000, 0.85));
    ASSERT_TRUE(BestenlisteAnhaengen(pfad, kCem));
    EXPECT_EQ(Lesen(pfad), kKopf + Eintrag("Anna", "PC-01", 45000.5, 61000, 0.85)
                               + Eintrag("Cem", "PC-03", 45001.0, 30000, 0.4));
    // an empty file (left by a writer that stopped at once) is started afresh
    const QString leer = Schreiben("leer.hsc", QByteArray());
    ASSERT_TRUE(BestenlisteAnhaengen(leer, kCem));
    EXPECT_EQ(Lesen(leer), kKopf + Eintrag("Cem", "PC-03", 45001.0, 30000, 0.4));
    EXPECT_EQ(Dateien(), (QStringList{"leer.hsc", "liste.hsc"}));   // no temporary file left behind
}

TEST_F(BestenlisteDatei, AnhaengenLaesstFremdeUndBeschaedigteDateienUnangetastet)
{
    const QByteArray torn = kKopf + Eintrag("Anna", "PC-01", 1.0, 2, 0.5).left(11);
    const QByteArray fremd = Str("KAL-2.24") + Str("|HD-vers|") + QByteArray(40, 'x');
    for (const QByteArray &alt : {torn, fremd, QByteArray("kurz")}) {
        const QString pfad = Schreiben("alt.hsc", alt);
        EXPECT_FALSE(BestenlisteAnhaengen(pfad, kCem));
        EXPECT_EQ(Lesen(pfad), alt);
    }
    // a folder in the way
    QDir(m_tmp.path()).mkdir("ordner.hsc");
    EXPECT_FALSE(BestenlisteAnhaengen(Pfad("ordner.hsc"), kCem));
    EXPECT_EQ(Dateien(), QStringList{"alt.hsc"});
}

TEST_F(BestenlisteDatei, AnhaengenErsetztDieDateiStattSieZuAendern)
{
    // a second name for the old file keeps seeing exactly the old bytes: the
    // list is never written in place, so an interrupted append cannot tear it
    const QString pfad = Pfad("liste.hsc");
    ASSERT_TRUE(BestenlisteAnhaengen(pfad, kAnna));
    const QByteArray vorher = Lesen(pfad);
    ASSERT_EQ(::link(QFile::encodeName(pfad).constData(), QFile::encodeName(Pfad("zweitname")).constData()), 0);
    ASSERT_TRUE(BestenlisteAnhaengen(pfad, kJoerg));
    EXPECT_EQ(Lesen(Pfad("zweitname")), vorher);
    EXPECT_EQ(AusBytes(Lesen(pfad)).Eintraege, (std::vector<BestListDataTyp>{kAnna, kJoerg}));
}

TEST_F(BestenlisteDatei, FuenfVersucheDannSchreibfehler)
{
    const QString pfad = Pfad("fehlt/liste.hsc");
    SkriptMeldungen meldungen;
    ZaehlPause pause;
    EXPECT_FALSE(BestenlisteEintragen(pfad, kAnna, BestenlisteArt::Individual, meldungen, pause.pause()));
    EXPECT_EQ(pause.anzahl, 4);
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Art, MeldungArt::Fehler);
    EXPECT_EQ(meldungen.Texte()[0],
              "Die Datei \"" + pfad
                  + "\" kann nicht geschrieben werden. Mögliche Ursachen:\r\n- Ungültiger Ordner oder Dateiname\r\n"
                    "- Fehlende Schreibzugriffsberechtigung im Netzwerk\r\n\r\nDie Bestenliste konnte nicht gespeichert "
                    "werden. Überprüfen Sie die Einstellungen unter \"Optionen / Ordner für Protokolle und "
                    "Bestenlisten\".");

    // the network list has no folder hint
    meldungen.Leeren();
    EXPECT_FALSE(BestenlisteEintragen(pfad, kAnna, BestenlisteArt::Netzwerk, meldungen, pause.pause()));
    EXPECT_TRUE(meldungen.Texte()[0].endsWith("- Fehlende Schreibzugriffsberechtigung im Netzwerk"));
}

TEST_F(BestenlisteDatei, EinErneuterVersuchTraegtGenauEinmalEin)
{
    // the folder appears while the program waits between two attempts
    const QString pfad = Pfad("spaeter/liste.hsc");
    SkriptMeldungen meldungen;
    int pausen = 0;
    const Pause pause = [&](int) {
        if (++pausen == 2)
            QDir(m_tmp.path()).mkdir("spaeter");
    };
    EXPECT_TRUE(BestenlisteEintragen(pfad, kAnna, BestenlisteArt::Individual, meldungen, pause));
    EXPECT_EQ(pausen, 2);
    EXPECT_TRUE(meldungen.Texte().isEmpty());
    EXPECT_EQ(AusBytes(Lesen(pfad)).Eintraege, std::vector<BestListDataTyp>{kAnna});
}

TEST_F(BestenlisteDatei, LesenMeldetFehlendeUndUnlesbareListen)
{
    SkriptMeldungen meldungen;
    ZaehlPause pause;
    std::vector<BestListDataTyp> liste{kAnna};

    EXPECT_FALSE(BestenlisteLesen(Pfad("fehlt.hsc"), BestenlisteArt::Individual, liste, meldungen, pause.pause()));
    EXPECT_TRUE(liste.empty());
    EXPECT_EQ(meldungen.Gezeigt()[0].Art, MeldungArt::Information);
    EXPECT_EQ(meldungen.Texte()[0],
              "Zu diesem Dokument gibt es bisher keine Einträge in der Bestenliste. Überprüfen Sie ggf. die "
              "Einstellungen im Menü \"Optionen\", um die Bestenliste zu nutzen.");
    EXPECT_EQ(pause.anzahl, 0);

    meldungen.Leeren();
    EXPECT_FALSE(BestenlisteLesen(Pfad("fehlt.hsc"), BestenlisteArt::Netzwerk, liste, meldungen, pause.pause()));
    EXPECT_EQ(meldungen.Texte()[0], "Die Bestenliste zur aktuellen Netzwerk-Übung enthält noch keine Einträge.");

    // a wrong magic is unreadable: five attempts, then the read error
    meldungen.Leeren();
    const QString falsch = Schreiben("falsch.hsc", Str("VKD-HSC-2.00") + Str(kBestenlisteSchluessel));
    EXPECT_FALSE(BestenlisteLesen(falsch, BestenlisteArt::Netzwerk, liste, meldungen, pause.pause()));
    EXPECT_EQ(pause.anzahl, 4);
    EXPECT_EQ(meldungen.Gezeigt()[0].Art, MeldungArt::Fehler);
    EXPECT_EQ(meldungen.Texte()[0],
              "Die Datei \"" + falsch
                  + "\" kann nicht gelesen werden. Mögliche Ursachen:\r\n- Datei existiert nicht\r\n- Ungültiges "
                    "Dateiformat\r\n- Fehlende Lesezugriffsberechtigung im Netzwerk\r\n\r\nMöglicherweise existiert "
                    "die Datei noch nicht, weil noch kein Teilnehmer die Übung beendet hat.");
    EXPECT_TRUE(liste.empty());

    meldungen.Leeren();
    const QString gut = Schreiben("gut.hsc", kKopf + Eintrag("Anna", "PC-01", 45000.5, 61000, 0.85));
    QString schluessel;
    EXPECT_TRUE(BestenlisteLesen(gut, BestenlisteArt::Individual, liste, meldungen, pause.pause(), &schluessel));
    EXPECT_EQ(liste, std::vector<BestListDataTyp>{kAnna});
    EXPECT_EQ(schluessel, kBestenlisteSchluessel);
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}

TEST(Bestenliste, ReihenfolgeNachLeistungDannKuerzererDauerDannDatei)
{
    std::vector<BestListDataTyp> liste{
        {"langsam", "", 0, 61000, 0.85}, {"schwach", "", 0, 1000, 0.4}, {"schnell", "", 0, 59000, 0.85},
        {"best", "", 0, 90000, 1.0},     {"gleich1", "", 1, 59000, 0.85}, {"gleich2", "", 2, 59000, 0.85},
    };
    BestenlisteSortieren(liste);
    QStringList namen;
    for (const auto &e : liste)
        namen << e.Name;
    EXPECT_EQ(namen, (QStringList{"best", "schnell", "gleich1", "gleich2", "langsam", "schwach"}));
}

TEST(Bestenliste, PfadeDerListen)
{
    EXPECT_EQ(BestenlistePfadIndividual("/daten/best/", "/home/a/Tiere.kal"), "/daten/best/Tiere.hsc");
    EXPECT_EQ(BestenlistePfadIndividual("/daten/best", "/home/a/mein.test.kal"), "/daten/best/mein.test.hsc");
    EXPECT_EQ(BestenlistePfadIndividual("/daten/best/", "C:\\Themen\\Alt.vkd"), "/daten/best/Alt.hsc");
    EXPECT_EQ(BestenlistePfadIndividual("/daten/best/", "ohne_endung"), "/daten/best/ohne_endung.hsc");
    EXPECT_EQ(BestenlistePfadIndividual("/daten/best/", ""), "");
    EXPECT_EQ(BestenlistePfadNetz("/srv/kom/", "MASTER-1"), "/srv/kom/MASTER-1-vkdnetzuebung.hsc");
}

TEST(Bestenliste, TabelleUndTextDesFensters)
{
    std::vector<BestListDataTyp> liste{kAnna, {"Bo", "PC-09", 45000.5, 3725999, 1.0}, {"X", "Y", 1e300, -5, 0.0}};
    const auto zeilen = BestenlisteZeilen(liste);
    ASSERT_EQ(zeilen.size(), 3u);
    const QString datum = QLocale().toString(DatumswertZuZeit(45000.5), QLocale::ShortFormat);
    EXPECT_EQ(zeilen[0], (QStringList{"1", "Anna", "PC-01", "85.0 %", "01:01", datum}));
    EXPECT_EQ(zeilen[1][3], "100.0 %");
    EXPECT_EQ(zeilen[1][4], "62:05");   // whole seconds
    EXPECT_EQ(zeilen[2][4], "00:00");
    EXPECT_EQ(zeilen[2][5], "");        // no date that exists
    EXPECT_EQ(BestenlisteText({kAnna}),
              "Pos.\tName\tRechner\tLeistung\tZeit (Min:Sek)\tDatum/Uhrzeit\r\n1\tAnna\tPC-01\t85.0 %\t01:01\t" + datum
                  + "\r\n");
    EXPECT_EQ(BestenlisteSpaltenbreiten(), (std::vector<int>{40, 200, 100, 80, 80, 140}));
    EXPECT_EQ(DauerText(6000000), "100:00");
}

TEST_F(BestenlisteDatei, AnzeigeVerweigertOderLiestUndSortiert)
{
    SkriptMeldungen meldungen;
    ZaehlPause pause;
    BestenlisteOrt ort;
    ort.DokumentGespeichert = false;
    EXPECT_FALSE(BestenlisteFuerAnzeige(ort, meldungen, pause.pause()));
    EXPECT_EQ(meldungen.Texte(), QStringList{"Da das aktuelle Dokument nicht gespeichert wurde, bzw. kein Dokument "
                                             "geöffnet wurde, ist keine Bestenliste verfügbar."});
    meldungen.Leeren();
    ort.DokumentGespeichert = true;
    ort.Pfad = Schreiben("liste.hsc", BestenlisteBytes({kBestenlisteSchluessel, {kCem, kAnna, kJoerg}}));
    ort.NetzTeilnahmeAktiv = true;
    EXPECT_FALSE(BestenlisteFuerAnzeige(ort, meldungen, pause.pause()));
    EXPECT_EQ(meldungen.Texte(),
              QStringList{"Während der Netzwerk-Übung ist die Bestenliste der Individual-Übung nicht einsehbar."});

    // the network list may be looked at during a participation
    meldungen.Leeren();
    ort.Art = BestenlisteArt::Netzwerk;
    const auto anzeige = BestenlisteFuerAnzeige(ort, meldungen, pause.pause());
    ASSERT_TRUE(anzeige);
    EXPECT_EQ(anzeige->Titel, "Bestenliste - Netzwerk-Übung");
    EXPECT_EQ(anzeige->Eintraege, (std::vector<BestListDataTyp>{kJoerg, kAnna, kCem}));

    // a failed read shows an empty list after its message
    ort.Pfad = Pfad("fehlt.hsc");
    ort.Art = BestenlisteArt::Individual;
    ort.NetzTeilnahmeAktiv = false;
    const auto leer = BestenlisteFuerAnzeige(ort, meldungen, pause.pause());
    ASSERT_TRUE(leer);
    EXPECT_EQ(leer->Titel, "Bestenliste - Individual-Übung");
    EXPECT_TRUE(leer->Eintraege.empty());
}

TEST_F(BestenlisteDatei, EintragAmEndeEinerUebung)
{
    SkriptMeldungen meldungen;
    ZaehlPause pause;
    const QString pfad = Pfad("doc.hsc");
    BestenlisteLaufTyp lauf{true, true, "  ", 45000.5, 61234, 0.75};

    // a partial repetition is never entered, even with the option on
    BestenlisteLaufTyp teil = lauf;
    teil.Komplett = false;
    BestenlisteAmEnde ende = BestenlisteNachUebung(teil, true, pfad, "PC-07", meldungen, pause.pause());
    EXPECT_FALSE(ende.Eingetragen);
    EXPECT_FALSE(ende.Anbieten);
    EXPECT_FALSE(QFileInfo::exists(pfad));
    // nor is a network or series run, nor a document without a file
    BestenlisteLaufTyp netz = lauf;
    netz.Individual = false;
    EXPECT_FALSE(BestenlisteNachUebung(netz, true, pfad, "PC-07", meldungen, pause.pause()).Anbieten);
    EXPECT_FALSE(BestenlisteNachUebung(lauf, true, "", "PC-07", meldungen, pause.pause()).Anbieten);

    // option off: only offered
    ende = BestenlisteNachUebung(lauf, false, pfad, "PC-07", meldungen, pause.pause());
    EXPECT_TRUE(ende.Anbieten);
    EXPECT_FALSE(QFileInfo::exists(pfad));

    // "In Bestenliste eintragen" or the option on: entered with "(kein Name)"
    ASSERT_TRUE(InBestenlisteEintragen(lauf, pfad, "PC-07", meldungen, pause.pause()));
    ende = BestenlisteNachUebung(lauf, true, pfad, "PC-07", meldungen, pause.pause());
    EXPECT_TRUE(ende.Eingetragen);
    EXPECT_FALSE(ende.Anbieten);
    const BestListDataTyp erwartet{"(kein Name)", "PC-07", 45000.5, 61234, 0.75};
    EXPECT_EQ(AusBytes(Lesen(pfad)).Eintraege, (std::vector<BestListDataTyp>{erwartet, erwartet}));
    EXPECT_TRUE(meldungen.Texte().isEmpty());

    // a failed entry is offered again after the error box
    const QString kaputt = Schreiben("kaputt.hsc", "kaputt");
    ende = BestenlisteNachUebung(lauf, true, kaputt, "PC-07", meldungen, pause.pause());
    EXPECT_FALSE(ende.Eingetragen);
    EXPECT_TRUE(ende.Anbieten);
    EXPECT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(Lesen(kaputt), "kaputt");
}

TEST(Bestenliste, EintragAusLauf)
{
    BestenlisteLaufTyp lauf{true, true, " Mia ", 45000.5, qint64(1) << 40, 0.5};
    const BestListDataTyp e = BestenlisteEintragAusLauf(lauf, "PC");
    EXPECT_EQ(e.Name, " Mia ");   // kept as typed
    EXPECT_EQ(e.Dauer, std::numeric_limits<qint32>::max());
    lauf.DauerMs = -3;
    EXPECT_EQ(BestenlisteEintragAusLauf(lauf, "PC").Dauer, 0);
}

TEST(Datumswert, TageSeit1899)
{
    const struct
    {
        double wert;
        QDateTime zeit;
    } faelle[] = {
        {0.0, QDateTime(QDate(1899, 12, 30), QTime(0, 0))},
        {2.5, QDateTime(QDate(1900, 1, 1), QTime(12, 0))},
        {45000.75, QDateTime(QDate(2023, 3, 15), QTime(18, 0))},
        {-1.25, QDateTime(QDate(1899, 12, 29), QTime(6, 0))},
    };
    for (const auto &f : faelle) {
        EXPECT_EQ(DatumswertZuZeit(f.wert), f.zeit) << f.wert;
        EXPECT_DOUBLE_EQ(DatumswertAus(f.zeit), f.wert) << f.wert;
    }
    EXPECT_FALSE(DatumswertZuZeit(1e300).isValid());
    EXPECT_FALSE(DatumswertZuZeit(std::nan("")).isValid());
    const QDateTime jetzt = QDateTime::currentDateTime();
    EXPECT_LE(std::abs(DatumswertZuZeit(DatumswertAus(jetzt)).msecsTo(jetzt)), 1);
}
