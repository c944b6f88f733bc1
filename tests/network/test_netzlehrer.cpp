// The teacher computer: its rows, its best list, its files, its receiving,
// and participants as separate processes on one machine.

#include "network/NetzLehrer.h"
#include "network/NetzTeilnehmer.h"

#include "exercise/Bestenliste.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QUdpSocket>

#include <gtest/gtest.h>

using namespace kalumo;

namespace {

Pause KeinePause()
{
    return [](int) {};
}

QString K(char c)
{
    return QString(30, QLatin1Char(c));
}

QString Init(const QString &kennung, const char *name)
{
    return NachrichtText(TnInitZeilen({kennung, QString::fromUtf8(name), QStringLiteral("08:15:00")}));
}

QString Aktion(const QString &kennung, int objekt, int abgedeckt, int fehlversuche, int ende = endeLaeuft)
{
    TnAktionWerte w;
    w.TeilnehmerKennung = kennung;
    w.Objekt = objekt;
    w.Abgedeckt = abgedeckt;
    w.Fehlversuche = fehlversuche;
    w.EndeGrund = ende;
    w.StartZeit = QStringLiteral("08:15:00");
    w.AnzAbfragen = 3;
    w.Richtig = 2;
    w.Falsch = 1;
    w.OffenePositionen = 1;
    w.Uhr = QStringLiteral("01:05");
    w.Erfolgsquote = 2.0 / 3.0;
    w.Gesamtleistung = 0.5;
    w.Note = 4;
    return NachrichtText(TnAktionZeilen(w));
}

QString Fertig(const QString &kennung, int ende)
{
    return NachrichtText(TnFertigZeilen({kennung, ende, QStringLiteral("02:00")}));
}

QString Best(const QString &kennung, const char *name, double leistung = 0.5)
{
    return NachrichtText(
        TnBestlistZeilen({kennung, QString::fromUtf8(name), QStringLiteral("PC-01"), 45000.5, 120000, leistung},
                         QLatin1Char(',')));
}

// Three query fields numbered 1 … 3 at the objects 0, 1 and 3; object 2 is a fixed label.
NetzLehrerStart Start(const QString &ordner, int verfahren = netzVerfahrenOrdner)
{
    NetzLehrerStart s;
    s.Kom.Ordner = ordner;
    s.Kom.Kanal = QStringLiteral("T-%1").arg(QCoreApplication::applicationPid() % 100000);
    s.Kom.Verfahren = verfahren;
    s.Rechner = QStringLiteral("localhost");
    s.Loesungsnummern = {1, 2, 0, 3};
    s.Abfragespalten = 3;
    s.Protokoll = QStringLiteral("<tit>Netzwerk-Übung\r\n");
    return s;
}

Dokument KleinesDokument()
{
    Dokument d;
    d.Kopf.titel = QStringLiteral("Blütenpflanze");
    d.Basisbild = QImage(4, 3, QImage::Format_RGBA8888);
    d.Basisbild.fill(Qt::white);
    for (int i = 0; i < 4; ++i)
        ObjektHinzufuegen(d, i == 2 ? objFixeBeschriftung : objAbfrageBeschriftung, ebeneTexteUndBilder,
                          QStringLiteral("Teil %1").arg(i), 0, 0, 0.2 * i, 0.5, -1);
    return d;
}

template <class F>
bool Warten(F bedingung, int ms)
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

} // namespace

TEST(NetzLehrer, ZeilenAusDenNachrichten)
{
    QTemporaryDir dir;
    SkriptMeldungen m;
    NetzLehrer l(m, KeinePause());
    int geaendert = 0;
    l.ZeileGeaendert = [&](int) { ++geaendert; };
    l.Einrichten(Start(dir.path()));
    const NetzKontrollModell &k = l.Kontrolle();
    EXPECT_EQ(k.Kopfzeile(), (QStringList{"Nr.", "Rechner", "Teilnehmer", "Status", "Beginn", "Zeit", "Anz.",
                                           "Richtig", "Falsch", "Quote", "Offen", "Leistung", "Note", "1", "2", "3"}));
    ASSERT_EQ(k.AnzeigeZeilen().size(), 1u);   // one empty row before anyone joined

    // the same computer joins twice: two rows
    l.NachrichtEmpfangen("PC-01", Init(K('A'), "Anna"), "schueler");
    l.NachrichtEmpfangen("PC-01", Init(K('B'), "Ben"), "schueler");
    ASSERT_EQ(k.Zeilenzahl(), 2);
    EXPECT_EQ(k.Zeilen()[0].mid(0, 5), (QStringList{"1", "PC-01", "Anna", "aktiv", "08:15:00"}));
    EXPECT_EQ(k.Zeilen()[1].mid(0, 3), (QStringList{"2", "PC-01", "Ben"}));

    l.NachrichtEmpfangen("PC-01", Aktion(K('A'), 0, abgGeloest, 2), "schueler");   // solution 1: "ff ok"
    l.NachrichtEmpfangen("PC-01", Aktion(K('A'), 3, abgFehlversuch, 1), "schueler");   // solution 3: "f"
    l.NachrichtEmpfangen("PC-01", Aktion(K('A'), 2, abgAufgedeckt, 0), "schueler");   // no solution number
    l.NachrichtEmpfangen("PC-01", Aktion(K('A'), -1, 0, 0), "schueler");
    const QStringList a = k.Zeilen()[0];
    EXPECT_EQ(a.mid(3), (QStringList{"aktiv", "08:15:00", "01:05", "3", "2", "1", "66.7 %", "1", "50.0 %", "4",
                                     "ff ok", "", "f"}));

    l.NachrichtEmpfangen("PC-01", Fertig(K('A'), endeFertig), "schueler");
    EXPECT_EQ(k.Zelle(0, spStatus), "fertig");
    EXPECT_EQ(k.Zelle(0, spZeit), "02:00");
    l.NachrichtEmpfangen("PC-01", Best(K('A'), "Anna", 0.75), "schueler");
    // a best-list report counts once per run
    l.NachrichtEmpfangen("PC-01", Best(K('A'), "Anna", 0.99), "schueler");

    // an aborted run shows "abgebr." and is never entered
    l.NachrichtEmpfangen("PC-01", Fertig(K('B'), endeAbgebrochen), "schueler");
    EXPECT_EQ(k.Zelle(1, spStatus), "abgebr.");
    l.NachrichtEmpfangen("PC-01", Best(K('B'), "Ben"), "schueler");

    // unknown identifiers and objects outside the document touch nothing
    l.NachrichtEmpfangen("PC-09", Aktion(K('Z'), 0, 0, 0), "x");
    l.NachrichtEmpfangen("PC-09", Fertig(K('Z'), 1), "x");
    l.NachrichtEmpfangen("PC-09", Best(K('Z'), "Zoe"), "x");
    l.NachrichtEmpfangen("PC-01", Aktion(K('B'), 4, 0, 0), "schueler");
    l.NachrichtEmpfangen("PC-01", Init(K('A'), "Anna"), "schueler");
    EXPECT_EQ(k.Zelle(1, spAnz), "");
    EXPECT_EQ(k.Zeilenzahl(), 2);

    const NetzEmpfangsstatistik &s = l.Statistik();
    EXPECT_EQ(s.Empfangen, 9);
    EXPECT_EQ(s.Ignoriert, 7);
    EXPECT_EQ(s.Gruende.at(netzgrund::UnbekannteKennung), 3);
    EXPECT_EQ(s.Gruende.at(netzgrund::BestenlisteDoppelt), 1);
    EXPECT_EQ(s.Gruende.at(netzgrund::BestenlisteAbgebrochen), 1);
    EXPECT_EQ(s.Gruende.at(netzgrund::ObjektAusserhalb), 1);
    EXPECT_EQ(s.Gruende.at(netzgrund::DoppelteAnmeldung), 1);
    EXPECT_EQ(geaendert, 8);

    std::vector<BestListDataTyp> liste;
    ASSERT_TRUE(BestenlisteLesen(l.Pfade().Bestenliste(), BestenlisteArt::Netzwerk, liste, m, KeinePause()));
    ASSERT_EQ(liste.size(), 1u);
    EXPECT_EQ(liste[0].Name, "Anna");
    EXPECT_DOUBLE_EQ(liste[0].Leistung, 0.75);
    EXPECT_EQ(liste[0].Dauer, 120000);
    EXPECT_TRUE(m.Texte().isEmpty());
}

TEST(NetzLehrer, ZeitlimitUndOhneAbfragespalten)
{
    SkriptMeldungen m;
    NetzLehrer l(m, KeinePause());
    NetzLehrerStart s = Start(QString());
    s.Einstellungen.Zeitlimit = 1;
    s.Abfragespalten = 0;   // find words, text input
    s.SkalaWort = QStringLiteral("Punkte");
    l.Einrichten(s);
    const QStringList kopf = l.Kontrolle().Kopfzeile();
    EXPECT_EQ(kopf.size(), kNetzFesteSpalten);
    EXPECT_EQ(kopf[spZeit], "Restzeit");
    EXPECT_EQ(kopf[spNote], "Punkte");
    l.NachrichtEmpfangen("PC", Init(K('A'), "Anna"), "u");
    l.NachrichtEmpfangen("PC", Aktion(K('A'), 0, 0, 1), "u");   // solution 1, but no query column
    EXPECT_EQ(l.Kontrolle().Zeilen()[0].size(), kNetzFesteSpalten);
    l.NachrichtEmpfangen("PC", Fertig(K('A'), endeZeitlimit), "u");
    EXPECT_EQ(l.Kontrolle().Zelle(0, spStatus), "timeout");
    EXPECT_EQ(l.Kontrolle().Spaltenbreiten(),
              (std::vector<int>{30, 60, 60, 45, 50, 40, 40, 40, 40, 40, 40, 50, 30}));
}

TEST(NetzLehrer, SchreibtDateienUndMarkeZuletzt)
{
    QTemporaryDir dir;
    SkriptMeldungen m;
    EinfacheDokumentDienste dienste(m);
    NetzLehrer l(m, KeinePause());
    const NetzLehrerStart s = Start(dir.path());
    const NetzPfade p = NetzPfadeVon(s.Kom.Ordner, s.Kom.Kanal);
    // left from an earlier exercise: all of it goes, the best list too
    for (const QString &alt : {p.Bestenliste(), p.Praefix() + "vkdnetzuebung-TN-ALT.dat"}) {
        QFile f(alt);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("alt");
    }
    // another channel's exercise is not touched
    const NetzPfade fremd = NetzPfadeVon(dir.path(), "ANDERER");
    ASSERT_TRUE(NetzMarkeSchreiben(fremd));

    const Dokument dok = KleinesDokument();
    ASSERT_TRUE(l.Initiieren(s, dok, dienste)) << m.Texte().join('\n').toStdString();
    EXPECT_TRUE(l.Aktiv());
    EXPECT_TRUE(NetzUebungsdateienVorhanden(p));
    EXPECT_FALSE(QFileInfo::exists(p.Bestenliste()));
    EXPECT_FALSE(QFileInfo::exists(p.Praefix() + "vkdnetzuebung-TN-ALT.dat"));
    NetzUebEinstTyp gelesen;
    ASSERT_TRUE(NetzEinstellungsdateiLesen(p.Einstellungen(), gelesen));
    EXPECT_EQ(gelesen.NetzKennung, "localhost");
    QFile marke(p.Marke());
    ASSERT_TRUE(marke.open(QIODevice::ReadOnly));
    EXPECT_EQ(marke.readAll(), QByteArray("\x0f\x00\x00\x00NetzUebDateiOKX", 19));
    marke.close();
    EXPECT_EQ(NetzBeitrittsstatusPruefen(p).Text, QStringLiteral("Netzwerk-Übung verfügbar: Blütenpflanze"));

    // registration closed and opened again through the marker
    EXPECT_FALSE(l.AnmeldungZulassen(false));
    EXPECT_FALSE(NetzMarkeVorhanden(p));
    EXPECT_EQ(NetzBeitrittsstatusPruefen(p).Text, NetzNichtInitiiertText());
    EXPECT_TRUE(l.AnmeldungZulassen(true));
    EXPECT_TRUE(NetzMarkeVorhanden(p));

    // a participant sends by file and closes: the channel's files stay
    {
        NetzKomTyp kom = s.Kom;
        NetzTeilnehmerVersand v(kom, "localhost", "schueler", "PC-07", m);
        EXPECT_TRUE(v.Senden(TnInitZeilen({K('C'), "Cem", "09:00:00"})));
    }
    EXPECT_TRUE(NetzUebungsdateienVorhanden(p));
    EXPECT_EQ(l.Abholen(), 1);
    ASSERT_EQ(l.Kontrolle().Zeilenzahl(), 1);
    EXPECT_EQ(l.Kontrolle().Zelle(0, spRechner), "PC-07");
    l.NachrichtEmpfangen("PC-07", Fertig(K('C'), 1), "schueler");
    l.NachrichtEmpfangen("PC-07", Best(K('C'), "Cem"), "schueler");
    ASSERT_TRUE(QFileInfo::exists(p.Bestenliste()));

    // the end: the exercise files go, the best list and the other channel stay
    l.Beenden();
    EXPECT_FALSE(l.Aktiv());
    for (const QString &weg : {p.Dokument(), p.Einstellungen(), p.Marke()})
        EXPECT_FALSE(QFileInfo::exists(weg)) << weg.toStdString();
    EXPECT_TRUE(QFileInfo::exists(p.Bestenliste()));
    EXPECT_TRUE(NetzMarkeVorhanden(fremd));
    // messages after the end are not read
    l.NachrichtEmpfangen("PC-07", Init(K('D'), "Dora"), "schueler");
    EXPECT_EQ(l.Kontrolle().Zeilenzahl(), 1);
    m.Leeren();
    EXPECT_FALSE(l.AnmeldungZulassen(true));
    EXPECT_EQ(m.Texte(), QStringList{NetzKeineUebungText()});
    EXPECT_TRUE(m.Texte().size() == 1);
    EXPECT_TRUE(m.Gezeigt()[0].Art == MeldungArt::Information);
}

TEST(NetzLehrer, OhneVollstaendigeDateienKeineMarke)
{
    // a file that cannot be written ends the initiation before the marker
    struct Fall
    {
        const char *Name;
        std::function<void(const NetzPfade &)> Vorbereiten;
    };
    const Fall faelle[] = {
        {"Dokument", [](const NetzPfade &p) { QDir().mkpath(p.Dokument()); }},
        {"Einstellungen", [](const NetzPfade &p) { QDir().mkpath(p.Einstellungen()); }},
        {"Ordner fehlt", [](const NetzPfade &p) { QDir(p.Ordner).removeRecursively(); }},
    };
    for (const Fall &f : faelle) {
        QTemporaryDir dir;
        SkriptMeldungen m;
        EinfacheDokumentDienste dienste(m);
        NetzLehrer l(m, KeinePause());
        NetzLehrerStart s = Start(dir.path() + QStringLiteral("/kom"));
        QDir().mkpath(s.Kom.Ordner);
        const NetzPfade p = NetzPfadeVon(s.Kom.Ordner, s.Kom.Kanal);
        f.Vorbereiten(p);
        EXPECT_FALSE(l.Initiieren(s, KleinesDokument(), dienste)) << f.Name;
        EXPECT_FALSE(l.Aktiv()) << f.Name;
        EXPECT_FALSE(QFileInfo::exists(p.Marke())) << f.Name;
        ASSERT_EQ(m.Gezeigt().size(), 1u) << f.Name;
        EXPECT_EQ(m.Gezeigt()[0].Art, MeldungArt::Fehler);
        EXPECT_TRUE(m.Texte()[0].contains(QStringLiteral("kann nicht geschrieben werden"))) << f.Name;
        // nothing half-made is left for a participant to find
        EXPECT_FALSE(QFileInfo(p.Einstellungen()).isFile()) << f.Name;
        EXPECT_FALSE(QFileInfo(p.Dokument()).isFile()) << f.Name;
    }
}

TEST(NetzLehrer, BelegterPortBeendetDieInitiierung)
{
    QTemporaryDir dir;
    SkriptMeldungen m;
    EinfacheDokumentDienste dienste(m);
    NetzLehrer l(m, KeinePause());
    const NetzLehrerStart s = Start(dir.path(), netzVerfahrenDatagramm);
    QUdpSocket belegt;
    if (!belegt.bind(QHostAddress::Any, NetzPort(s.Kom.Kanal, s.Kom.Basisport), QAbstractSocket::DontShareAddress))
        GTEST_SKIP() << "port in use by another program";
    EXPECT_FALSE(l.Initiieren(s, KleinesDokument(), dienste));
    EXPECT_FALSE(NetzMarkeVorhanden(NetzPfadeVon(s.Kom.Ordner, s.Kom.Kanal)));
    ASSERT_EQ(m.Texte().size(), 1);
    EXPECT_TRUE(m.Texte()[0].startsWith(QStringLiteral("Die Nachrichten der Übungsteilnehmer können nicht")));
}

TEST(NetzLehrer, UngueltigerKanalWirdAbgelehnt)
{
    QTemporaryDir dir;
    SkriptMeldungen m;
    EinfacheDokumentDienste dienste(m);
    NetzLehrer l(m, KeinePause());
    NetzLehrerStart s = Start(dir.path());
    s.Kom.Kanal = QStringLiteral("../X");
    EXPECT_FALSE(l.Initiieren(s, KleinesDokument(), dienste));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 0);
    EXPECT_EQ(QDir(dir.path() + "/..").entryList({"X-vkdnetzuebung*"}, QDir::Files).size(), 0);
}

// Teacher and participants as separate processes on one machine, in both transports.
class NetzZweiRechner : public ::testing::TestWithParam<int>
{};

TEST_P(NetzZweiRechner, TeilnehmerAlsEigeneProzesse)
{
    const int verfahren = GetParam();
    QTemporaryDir dir;
    SkriptMeldungen m;
    EinfacheDokumentDienste dienste(m);
    NetzLehrer l(m, KeinePause());
    NetzLehrerStart s = Start(dir.path(), verfahren);
    s.Kom.Kanal += QString::number(verfahren);
    ASSERT_TRUE(l.Initiieren(s, KleinesDokument(), dienste)) << m.Texte().join('\n').toStdString();

    struct Tn
    {
        const char *Rechner;
        const char *Name;
        int Antworten;
        int Ende;
    };
    const Tn teilnehmer[] = {{"PC-01", "Anna", 3, endeFertig}, {"PC-02", "Ben", 1, endeAbgebrochen},
                             {"PC-03", "Cem", 2, endeZeitlimit}};
    std::vector<std::unique_ptr<QProcess>> prozesse;
    for (const Tn &t : teilnehmer) {
        auto pr = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("KALUMO_RECHNERNAME", t.Rechner);
        env.insert("KALUMO_BENUTZER", QStringLiteral("schueler-") + t.Rechner);
        pr->setProcessEnvironment(env);
        pr->start(QStringLiteral(KALUMO_TESTTEILNEHMER),
                  {s.Kom.Ordner, s.Kom.Kanal, QString::number(verfahren), QString::fromUtf8(t.Name),
                   QString::number(t.Antworten), QString::number(t.Ende)});
        prozesse.push_back(std::move(pr));
    }
    for (auto &pr : prozesse) {
        // the teacher keeps receiving while the participants run
        ASSERT_TRUE(Warten([&] { return pr->state() == QProcess::NotRunning; }, 20000));
        EXPECT_EQ(pr->exitCode(), 0) << pr->readAllStandardError().toStdString();
    }
    ASSERT_TRUE(Warten([&] { return l.BeendeteLaeufe() == 3 && l.Bestenlisteneintraege() == 2; }, 5000))
        << l.Kontrolle().Text().toStdString();
    EXPECT_EQ(l.Statistik().Ignoriert, 0);
    EXPECT_EQ(l.Statistik().Empfangen, 3 + 6 + 3 + 2);

    const NetzKontrollModell &k = l.Kontrolle();
    ASSERT_EQ(k.Zeilenzahl(), 3);
    std::map<QString, QStringList> nachRechner;
    for (const QStringList &z : k.Zeilen())
        nachRechner[z[spRechner]] = z;
    EXPECT_EQ(nachRechner["PC-01"][spStatus], "fertig");
    EXPECT_EQ(nachRechner["PC-01"][spTeilnehmer], "Anna");
    EXPECT_EQ(nachRechner["PC-01"].mid(kNetzFesteSpalten), (QStringList{"ok", "ok", ""}));
    EXPECT_EQ(nachRechner["PC-02"][spStatus], "abgebr.");
    EXPECT_EQ(nachRechner["PC-03"][spStatus], "timeout");

    std::vector<BestListDataTyp> liste;
    ASSERT_TRUE(BestenlisteLesen(l.Pfade().Bestenliste(), BestenlisteArt::Netzwerk, liste, m, KeinePause()));
    ASSERT_EQ(liste.size(), 2u);
    QStringList namen = {liste[0].Name, liste[1].Name};
    namen.sort();
    EXPECT_EQ(namen, (QStringList{"Anna", "Cem"}));
    l.Beenden();
    // every message file was read and deleted
    EXPECT_TRUE(QDir(s.Kom.Ordner).entryList({"*-TN-*"}, QDir::Files | QDir::Hidden).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(BeideVerfahren, NetzZweiRechner, ::testing::Values(0, 1));
