#include "document/DokumentDateien.h"
#include "testhilfen/Fixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace kalumo;

namespace {

QByteArray inhaltVon(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void schreibeDatei(const QString &pfad, const QByteArray &daten)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(daten);
}

// Records the calls of the window hooks and answers the dialogs.
class TestDienste : public EinfacheDokumentDienste
{
public:
    using EinfacheDokumentDienste::EinfacheDokumentDienste;

    QString OeffnenDialog(const QString &start) override
    {
        dialogStart = start;
        return oeffnenAntwort;
    }
    QString SpeichernDialog(const QString &start, const QString &vorschlag) override
    {
        dialogStart = start;
        dialogVorschlag = vorschlag;
        return speichernAntwort;
    }
    bool UebungAbbrechenErlaubt() override { return uebungDarfEnden; }
    void ObjekteditorSchliessen() override { ++editorGeschlossen; }
    void LayoutsNeuAufbauen(Dokument &) override { ++layouts; }
    void NachDemSchliessen(Dokument &) override { ++geschlossen; }
    void UebEinstGelesen(const UebEinstBlock &b, bool inDialoge) override
    {
        EinfacheDokumentDienste::UebEinstGelesen(b, inDialoge);
        uebEinstInDialoge = inDialoge;
    }

    QString oeffnenAntwort, speichernAntwort, dialogStart, dialogVorschlag;
    bool uebungDarfEnden = true;
    bool uebEinstInDialoge = false;
    int editorGeschlossen = 0, layouts = 0, geschlossen = 0;
};

class Dateibefehle : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        dienste.StartbildSetzen(test::Farbbild(10, 10, Qt::gray));
    }
    QString pfad(const char *name) const { return ordner.filePath(QString::fromUtf8(name)); }

    // A document on disk with one query label.
    QString beispielAnlegen(const char *name, const char *titel = "Beispiel")
    {
        Dokument d;
        NeuesDokument(d);
        d.Kopf.titel = QString::fromUtf8(titel);
        d.Basisbild = test::Farbbild(30, 20, Qt::white);
        ObjektHinzufuegen(d, objAbfrageBeschriftung, 1, "Wurzel", 0, 0, 0.5, 0.5, -1);
        const QString p = pfad(name);
        schreibeDatei(p, test::Geschrieben(d));
        return p;
    }

    QTemporaryDir ordner;
    SkriptMeldungen meldungen;
    TestDienste dienste{meldungen};
    Dokument dok;
};

} // namespace

TEST_F(Dateibefehle, LesenMachtDasDokumentZumAktuellen)
{
    const QString p = beispielAnlegen("eins.kal");
    dok.Kopf.Dateiname = "/vorher/angezeigt.kal";
    ASSERT_TRUE(DokumentLesen(dok, dienste, p, true));
    EXPECT_TRUE(meldungen.Texte().isEmpty());
    EXPECT_EQ(dok.Kopf.Dateiname, p);
    EXPECT_EQ(dok.Kopf.titel, "Beispiel");
    EXPECT_EQ(dok.Objekte.size(), 1u);
    EXPECT_EQ(dok.Basisbild.size(), QSize(30, 20));
    EXPECT_EQ(dok.Bibliotheksordner, ordner.path());
    EXPECT_EQ(dok.ZuvorAngezeigtesDokument, "/vorher/angezeigt.kal");
    EXPECT_FALSE(dok.Kopf.Geaendert);
    EXPECT_EQ(dienste.layouts, 1);
}

TEST_F(Dateibefehle, FehlendeDateiAendertNichts)
{
    beispielAnlegen("da.kal");
    ASSERT_TRUE(DokumentLesen(dok, dienste, pfad("da.kal"), true));
    const QString fehlt = pfad("fehlt.kal");
    EXPECT_FALSE(DokumentLesen(dok, dienste, fehlt, true));
    EXPECT_EQ(meldungen.Texte(), QStringList{"Die Datei \"" + fehlt + "\" existiert nicht."});
    EXPECT_EQ(dok.Kopf.titel, "Beispiel");
    EXPECT_EQ(dok.Objekte.size(), 1u);
}

TEST_F(Dateibefehle, AbgelehnteDateienMeldenUndSchliessenDasDokument)
{
    const QString nichtLesbar = QStringLiteral(" kann nicht gelesen werden. Mögliche Ursachen:\r\n"
                                               "- Datei existiert nicht\r\n- Ungültiges Dateiformat\r\n"
                                               "- Fehlende Lesezugriffsberechtigung im Netzwerk");
    const QByteArray gut = test::MinimaleDatei("KAL-2.24", 2);
    struct Fall { const char *name; QByteArray daten; QString erste; };
    const Fall faelle[] = {
        {"format.kal", QByteArray("Dies ist kein Dokument."), "Ungültiges Dateiformat."},
        {"neuer.kal", test::MinimaleDatei("KAL-2.25"),
         "Das ausgewählte Dokument wurde mit einer neueren Programmversion erstellt und kann deshalb mit der "
         "vorliegenden Kalumo-Version nicht geöffnet werden."},
        {"kurz.kal", gut.left(gut.size() - 30), QString()},
    };
    for (const Fall &f : faelle) {
        ASSERT_TRUE(DokumentLesen(dok, dienste, beispielAnlegen("gut.kal"), true));
        meldungen.Leeren();
        const QString p = pfad(f.name);
        schreibeDatei(p, f.daten);
        EXPECT_FALSE(DokumentLesen(dok, dienste, p, true)) << f.name;
        QStringList erwartet;
        if (!f.erste.isEmpty())
            erwartet << f.erste;
        erwartet << "Die Datei \"" + p + "\"" + nichtLesbar;
        EXPECT_EQ(meldungen.Texte(), erwartet) << f.name;
        // closed: nothing of the old or the refused document is left
        EXPECT_TRUE(dok.Kopf.Dateiname.isEmpty());
        EXPECT_TRUE(dok.Kopf.titel.isEmpty());
        EXPECT_TRUE(dok.Objekte.empty());
        EXPECT_EQ(dok.Basisbild.size(), QSize(10, 10));
        for (const auto &m : meldungen.Gezeigt())
            EXPECT_EQ(m.Art, MeldungArt::Fehler);
    }
}

TEST_F(Dateibefehle, DokumentAbStartpositionLesen)
{
    const QString p = beispielAnlegen("eingebettet.kal", "Eingebettet");
    const QByteArray dokument = inhaltVon(p);
    const QString paket = pfad("paket.bin");
    schreibeDatei(paket, QByteArray(1234, 'x') + dokument + QByteArray("Nachfolgendes"));
    ASSERT_TRUE(DokumentLesen(dok, dienste, paket, false, 1234));
    EXPECT_EQ(dok.Kopf.titel, "Eingebettet");
    // an embedded document has no file of its own: "Speichern" must not overwrite the package
    EXPECT_TRUE(dok.Kopf.Dateiname.isEmpty());
    EXPECT_FALSE(DokumentLesen(dok, dienste, paket, false, 1'000'000));

    // with a known length only those bytes are read
    ASSERT_TRUE(DokumentLesen(dok, dienste, paket, false, 1234, dokument.size()));
    EXPECT_EQ(dok.Kopf.titel, "Eingebettet");
    EXPECT_TRUE(dok.Kopf.Dateiname.isEmpty());
    EXPECT_FALSE(DokumentLesen(dok, dienste, paket, false, 1234, dokument.size() - 1));
    EXPECT_FALSE(DokumentLesen(dok, dienste, paket, false, 1234, dokument.size() + 100));
}

TEST_F(Dateibefehle, GespeicherteUebungseinstellungenNurMitUebEinstSpeichernUebernehmen)
{
    for (int speichern : {0, 1, 2}) {
        Dokument d;
        NeuesDokument(d);
        d.Basisbild = test::Farbbild(4, 4, Qt::white);
        d.Kopf.UebEinstSpeichern = speichern;
        EinfacheDokumentDienste schreiber(meldungen);
        schreiber.UebEinst = {0, 1, 1, 0, 2, 3, 1, 90, 1};
        const QString p = pfad("einst.kal");
        ASSERT_TRUE(DokumentSchreiben(d, schreiber, p, true));

        dienste.UebEinst = {0, 0, 0, 1, 1, 0, 0, 180, 0};
        ASSERT_TRUE(DokumentLesen(dok, dienste, p, true));
        EXPECT_EQ(dienste.uebEinstInDialoge, speichern > 0);
        EXPECT_EQ(dok.Kopf.UebEinstGeladen, speichern > 0 ? 1 : 0);
        EXPECT_EQ(dienste.UebEinst[7], speichern > 0 ? 90 : 180); // ZLimit
    }
}

TEST_F(Dateibefehle, PasswortGeschuetztesDokumentSchliesstDenObjekteditor)
{
    Dokument d;
    NeuesDokument(d);
    d.Basisbild = test::Farbbild(4, 4, Qt::white);
    ObjektHinzufuegen(d, objAbfrageBeschriftung, 1, "a", 0, 0, 0.5, 0.5, -1);
    d.Kopf.DokPasswort = "x";
    const QString p = pfad("geschuetzt.kal");
    schreibeDatei(p, test::Geschrieben(d));
    dok.ObjekteditorOffen = true;
    ASSERT_TRUE(DokumentLesen(dok, dienste, p, true));
    EXPECT_EQ(dok.Objekte[0].Abgedeckt, abgAufgedeckt); // read while the editor was open
    EXPECT_FALSE(dok.ObjekteditorOffen);
    EXPECT_EQ(dienste.editorGeschlossen, 1);
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Art, MeldungArt::Information);
    EXPECT_EQ(meldungen.Texte()[0], "Der Objekteditor wurde automatisch geschlossen, da dieses Dokument vor "
                                    "Änderungen passwort-geschützt ist.");
}

TEST_F(Dateibefehle, SchreibenAlsKopieBehaeltNameUndZustand)
{
    ASSERT_TRUE(DokumentLesen(dok, dienste, beispielAnlegen("orig.kal"), true));
    dok.Kopf.Geaendert = true;
    const QString kopie = pfad("kopie.kal");
    ASSERT_TRUE(DokumentSchreiben(dok, dienste, kopie, false));
    EXPECT_EQ(dok.Kopf.Dateiname, pfad("orig.kal"));
    EXPECT_TRUE(dok.Kopf.Geaendert);
    ASSERT_TRUE(DokumentSchreiben(dok, dienste, kopie, true));
    EXPECT_EQ(dok.Kopf.Dateiname, kopie);
    EXPECT_FALSE(dok.Kopf.Geaendert);
}

TEST_F(Dateibefehle, UngueltigerOrdnerMeldetDenSchreibfehler)
{
    Dokument d;
    NeuesDokument(d);
    const QString p = pfad("gibt/es/nicht.kal");
    EXPECT_FALSE(DokumentSchreiben(d, dienste, p, true));
    EXPECT_EQ(meldungen.Texte(),
              QStringList{"Die Datei \"" + p + "\" kann nicht geschrieben werden. Mögliche Ursachen:\r\n"
                          "- Ungültiger Ordner oder Dateiname\r\n"
                          "- Fehlende Schreibzugriffsberechtigung im Netzwerk"});
    EXPECT_TRUE(d.Kopf.Dateiname.isEmpty());
}

TEST_F(Dateibefehle, AbgebrochenesSchreibenLaesstDieAlteDateiUnberuehrt)
{
    const QString p = beispielAnlegen("wichtig.kal", "Alte Fassung");
    const QByteArray vorher = inhaltVon(p);

    // a large, incompressible picture makes the write run into the file size limit
    Dokument d;
    NeuesDokument(d);
    d.Basisbild = QImage(400, 400, QImage::Format_RGBA8888);
    quint32 zufall = 12345;
    for (int y = 0; y < 400; ++y) {
        auto *z = reinterpret_cast<quint32 *>(d.Basisbild.scanLine(y));
        for (int x = 0; x < 400; ++x)
            z[x] = (zufall = zufall * 1664525u + 1013904223u);
    }
    rlimit alt{};
    getrlimit(RLIMIT_FSIZE, &alt);
    auto *vorherigerHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit eng = alt;
    eng.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &eng), 0);
    const bool ok = DokumentSchreiben(d, dienste, p, true);
    setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, vorherigerHandler);

    EXPECT_FALSE(ok);
    EXPECT_EQ(meldungen.Texte().size(), 1);
    EXPECT_EQ(inhaltVon(p), vorher);
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList{"wichtig.kal"}); // no temporary file left
    EXPECT_TRUE(d.Kopf.Dateiname.isEmpty());
}

TEST_F(Dateibefehle, Speicherfrage)
{
    struct Fall { bool geaendert; bool mitDatei; Antwort antwort; bool weiter; bool gespeichert; };
    const Fall faelle[] = {
        {false, true, Antwort::Ja, true, false},
        {true, true, Antwort::Ja, true, true},
        {true, true, Antwort::Nein, true, false},
        {true, true, Antwort::Abbrechen, false, false},
        {true, false, Antwort::Nein, true, false},
    };
    for (const Fall &f : faelle) {
        meldungen.Leeren();
        const QString p = beispielAnlegen("frage.kal");
        ASSERT_TRUE(DokumentLesen(dok, dienste, p, true));
        if (!f.mitDatei)
            dok.Kopf.Dateiname.clear();
        dok.Kopf.titel = "geändert";
        dok.Kopf.Geaendert = f.geaendert;
        if (f.geaendert)
            meldungen.AntwortVormerken(f.antwort);
        EXPECT_EQ(AenderungenSpeichernFragen(dok, dienste), f.weiter);
        if (!f.geaendert) {
            EXPECT_TRUE(meldungen.Texte().isEmpty());
        } else {
            EXPECT_EQ(meldungen.Gezeigt()[0].Art, MeldungArt::Frage);
            EXPECT_EQ(meldungen.Texte()[0], f.mitDatei ? "Änderungen im aktuellen Dokument unter \"" + p + "\" speichern?"
                                                       : QStringLiteral("Aktuelles Dokument speichern?"));
        }
        HeaderDataTyp kopf;
        ASSERT_TRUE(KopfLesen(p, kopf));
        EXPECT_EQ(kopf.titel == "geändert", f.gespeichert);
    }
}

TEST_F(Dateibefehle, SpeicherfrageHaeltAnWennDasSpeichernScheitert)
{
    Dokument d;
    NeuesDokument(d);
    d.Kopf.Geaendert = true;
    meldungen.AntwortVormerken(Antwort::Ja);
    dienste.speichernAntwort.clear(); // the save dialog is cancelled
    EXPECT_FALSE(AenderungenSpeichernFragen(d, dienste));
    EXPECT_TRUE(d.Kopf.Geaendert);
}

TEST_F(Dateibefehle, OeffnenSpeichernUnterUndSchliessen)
{
    const QString p = beispielAnlegen("start.kal");
    dok.Bibliotheksordner = ordner.path();
    dienste.oeffnenAntwort = p;
    ASSERT_TRUE(BefehlOeffnen(dok, dienste));
    EXPECT_EQ(dienste.dialogStart, ordner.path());
    EXPECT_EQ(dok.Kopf.Dateiname, p);

    dienste.speichernAntwort = pfad("neu"); // the default extension is added
    ASSERT_TRUE(BefehlSpeichernUnter(dok, dienste));
    EXPECT_EQ(dienste.dialogVorschlag, "start.kal");
    EXPECT_EQ(dok.Kopf.Dateiname, pfad("neu.kal"));
    EXPECT_TRUE(QFile::exists(pfad("neu.kal")));

    dok.Kopf.Geaendert = true;
    meldungen.AntwortVormerken(Antwort::Abbrechen);
    EXPECT_FALSE(BefehlSchliessen(dok, dienste));
    EXPECT_EQ(dok.Kopf.Dateiname, pfad("neu.kal"));

    meldungen.AntwortVormerken(Antwort::Nein);
    ASSERT_TRUE(BefehlSchliessen(dok, dienste));
    EXPECT_TRUE(dok.Kopf.Dateiname.isEmpty());
    EXPECT_TRUE(dok.Objekte.empty());
    EXPECT_EQ(dok.ZuvorAngezeigtesDokument, pfad("neu.kal"));
    EXPECT_EQ(dienste.geschlossen, 1);

    dienste.uebungDarfEnden = false;
    EXPECT_FALSE(BefehlOeffnen(dok, dienste));
}

TEST_F(Dateibefehle, KopfLesenScheitertStill)
{
    HeaderDataTyp kopf;
    EXPECT_FALSE(KopfLesen(pfad("fehlt.kal"), kopf));
    const QString p = pfad("falsch.kal");
    schreibeDatei(p, "kein Dokument");
    EXPECT_FALSE(KopfLesen(p, kopf));
    EXPECT_TRUE(KopfLesen(beispielAnlegen("gut.kal", "Kopf"), kopf));
    EXPECT_EQ(kopf.titel, "Kopf");
}
