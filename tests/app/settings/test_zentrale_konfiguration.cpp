#include "app/settings/Einstellungen.h"

#include "Einstellungstesthilfen.h"

#include <QDir>

#include <functional>

using namespace kalumo;
using namespace kalumo::test;

namespace {

// The record config.ini is applied to: user values that differ from every
// fixed default, so that "kept" and "reset" can be told apart.
EinstellungenTyp Aktuell()
{
    EinstellungenTyp e = TestVorgaben();
    e.Verknuepfungen.Felder[0] = {"/usr/bin/alt", "Alt", "Alter Hinweis"};
    e.Verknuepfungen.TastaturDatei = "/usr/bin/alte-tastatur";
    e.Verknuepfungen.TastaturHinweis = "Alte Tastatur";
    e.Tauschboerse = {"KALUMO-LX-11111111111111111111", "Alt", "alt@example.org", "ALTCODE", "altes Kennwort"};
    e.Proxy.BasicAuthentication = true;
    e.Notenskala.NoteMinQuote[2] = 0.7000000000000001;
    return e;
}

struct Fall
{
    const char *name;
    const char *ini;
    std::function<void(EinstellungenTyp &)> erwartet;   // applied to Aktuell()
};

const auto kUnveraendert = [](EinstellungenTyp &) {};

class ZentraleKonfiguration : public XdgTest, public ::testing::WithParamInterface<Fall>
{};

} // namespace

TEST_P(ZentraleKonfiguration, WendetNurEingeschalteteSektionenAn)
{
    const Fall &f = GetParam();
    EinstellungenTyp e = Aktuell();
    ASSERT_TRUE(ZentraleKonfigurationLaden(Schreiben("config.ini", f.ini), e));
    EinstellungenTyp erwartet = Aktuell();
    f.erwartet(erwartet);
    EXPECT_EQ(Inhalt(e), Inhalt(erwartet));
}

INSTANTIATE_TEST_SUITE_P(
    Sektionen, ZentraleKonfiguration,
    ::testing::Values(
        Fall{"OrdnerAusgeschaltet",
             "[Ordner]\nOrdnerDefZentral=0\nOrdnerChronik=/srv/chronik/\nOrdnerProtokoll=/srv/prot/\n", kUnveraendert},
        Fall{"OrdnerOhneSchalter", "[Ordner]\nOrdnerChronik=/srv/chronik/\n", kUnveraendert},
        Fall{"SchalterNichtLesbar", "[Ordner]\nOrdnerDefZentral=ja\nOrdnerChronik=/srv/chronik/\n", kUnveraendert},
        Fall{"OrdnerEingeschaltet",
             "[ordner]\nordnerdefzentral=1\nOrdnerChronik=/srv/chronik\nOrdnerProtokoll=/srv/prot/\n"
             "OrdnerBestenliste=/srv/best/\nOrdnerTauschboerse=/srv/tausch/\nOrdnerBilderGalerie=\n"
             "Opt-KAUSPOrdner=/srv/kausp/\n",
             [](EinstellungenTyp &e) {
                 e.Ordner.Chronik = "/srv/chronik/";   // given a trailing separator
                 e.Ordner.Protokolle = "/srv/prot/";
                 e.Ordner.Bestenlisten = "/srv/best/";
                 e.Ordner.Tauschboerse = "/srv/tausch/";
                 e.Ordner.Kausp = "/srv/kausp/";   // an empty folder keeps the current one
             }},
        Fall{"NotenskalaAenderbarGesperrt",
             "[OptionenAenderbar]\nOptionenAenderbarDefZentral=1\nNotenskala=0\nStatusinfo=1\n",
             [](EinstellungenTyp &e) { e.Aenderbar.Notenskala = false; }},
        Fall{"AenderbarAlleGesperrt",
             "[OptionenAenderbar]\nOptionenAenderbarDefZentral=-1\nNamenseingabe=0\nStatusinfo=0\n"
             "ProtokollAutospeichern=0\nBestenlisteAutoeintrag=0\nUebungsergebnisAnzeigen=0\nNotenskala=0\n"
             "ProtokollderletztenUebung=0\n",
             [](EinstellungenTyp &e) { e.Aenderbar = {false, false, false, false, false, false, false}; }},
        Fall{"TauschboerseOhneAgb",
             "[Tauschboerse]\nTauschboerseDefZentral=1\nName=Schule\nZugangscode=NEU\n",
             [](EinstellungenTyp &e) {
                 e.Tauschboerse.Name = "Schule";
                 e.Tauschboerse.Zugangscode.clear();
             }},
        Fall{"TauschboerseMitAgb",
             "[Tauschboerse]\nTauschboerseDefZentral=1\nZugangscode=NEU\nKennwort=\nAGB_akzeptiert=1\n",
             [](EinstellungenTyp &e) {
                 e.Tauschboerse.Zugangscode = "NEU";
                 e.Tauschboerse.Kennwort.clear();
             }},
        Fall{"TauschboerseAusgeschaltet", "[Tauschboerse]\nTauschboerseDefZentral=0\nAGB_akzeptiert=0\n",
             kUnveraendert},
        Fall{"Notenskala",
             "[Notenskala]\nNotenskalaDefZentral=1\nNote1=90\nNote3=57,5\nPunkte15=99\nBewertSkala=1\n",
             [](EinstellungenTyp &e) {
                 e.Notenskala.NoteMinQuote[1] = 0.9;
                 e.Notenskala.NoteMinQuote[3] = 0.575;   // Note2 is missing: its odd current quota stays exactly
                 e.Notenskala.PunkteMinQuote[15] = 0.99;
                 e.Notenskala.BewertSkala = 1;
             }},
        Fall{"VerknuepfungsfelderMitFestenVorgaben",
             "[Verknuepfungsfelder]\nVerknuepfungDefZentral=1\nVerknuepfung2Datei=/usr/bin/rechner\n"
             "Verknuepfung2Beschriftung=Rechner\nVerknuepfungBildschirmtastatur=/usr/bin/onboard\n",
             [](EinstellungenTyp &e) {
                 e.Verknuepfungen.Felder[0].Name = "V1";
                 e.Verknuepfungen.Felder[0].Hinweis = "Programmverknüpfung 1";
                 e.Verknuepfungen.Felder[1] = {"/usr/bin/rechner", "Rechner", "Programmverknüpfung 2"};
                 e.Verknuepfungen.TastaturDatei = "/usr/bin/onboard";
                 e.Verknuepfungen.TastaturHinweis = "Bildschirmtastatur";
             }},
        Fall{"Proxy", "[Proxy]\nProxyDefZentral=1\nProxyServer=proxy.schule\nProxyPort=3128\nProxyBasicAuthentication=0\n",
             [](EinstellungenTyp &e) { e.Proxy = {true, "proxy.schule", 3128, "", "", false}; }},
        Fall{"ProxyOhneAnmeldeart", "[Proxy]\nProxyDefZentral=1\nProxyBenutzer=schueler\n",
             [](EinstellungenTyp &e) { e.Proxy = {true, "", 0, "schueler", "", true}; }},
        Fall{"OptionenUndUpdate",
             "[Optionen]\nOptionenDefZentral=1\nTonausgabe=0\nNamenseingabe=0\nStatusinfo=0\n"
             "ProtokollAutospeichern=1\nBestenlisteAutoeintrag=1\nUebungsergebnisAnzeigen=0\nSchriftart=DejaVu Sans\n"
             "WerkzeugPos=1\nTafelanschriebSchriftart=Liberation Serif\nTafelanschriebSchriftgroesse3=50\n"
             "[UpdateCheck]\nUpdateCheckDefZentral=1\nUpdateCheck=1\n",
             [](EinstellungenTyp &e) {
                 e.Sound = e.UebNameEingabe = e.UebStatusInfo = e.UebErgebAnzeigen = false;
                 e.AutoProtSpeichern = e.ErgebBestListEintragen = true;
                 e.Schriftart = "DejaVu Sans";
                 e.WerkzeugPos = 1;
                 e.TafelanschriebSchriftart = "Liberation Serif";
                 e.TafelanschriebSchriftgroesse[2] = 50;
                 e.StartUpdatePruefen = true;
             }},
        Fall{"NetzKomUndRueckmeldung",
             "[NetzKom]\nNetzKomDefZentral=1\nNetzKomOrdner=/srv/kom\nNetzKomKanal=RAUM-12\nNetzKomVerfahren=2\n"
             "[Uebungsrueckmeldung]\nUebungsrueckmeldungDefZentral=1\nRichtigText=Super!\nMCFehlendText=Es fehlt:\n",
             [](EinstellungenTyp &e) {
                 e.Ordner.NetzKom = "/srv/kom/";
                 e.NetzKomKanal = "RAUM-12";
                 e.NetzKomVerfahren = 2;
                 e.Rueckmeldung.RichtigText = "Super!";
                 e.Rueckmeldung.MCFehlendText = "Es fehlt:";
             }},
        // the base port of the datagram channels counts without the switch; outside
        // 1024 … 64536 it is the default
        Fall{"NetzKomBasisport", "[NetzKom]\nNetzKomBasisport=50000\n",
             [](EinstellungenTyp &e) { e.NetzKomBasisport = 50000; }},
        Fall{"NetzKomBasisportUngueltig", "[NetzKom]\nNetzKomBasisport=65000\n", kUnveraendert},
        Fall{"NetzKomBasisportKeineZahl", "[NetzKom]\nNetzKomBasisport=hoch\n", kUnveraendert},
        Fall{"Themenordner", "[Start]\nThemenordner=/srv/themen\n",
             [](EinstellungenTyp &e) { e.Themenordner = "/srv/themen/"; }},
        Fall{"KaputteDatei", "\x01\xFF[[[\n=\n[Ordner\nOrdnerDefZentral=1\n", kUnveraendert}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(XdgTest, OhneConfigIniBleibtAllesWieEsIst)
{
    EinstellungenTyp e = TestVorgaben();
    e.Themenordner = "/srv/themen/";
    const QStringList vorher = Inhalt(e);
    EXPECT_FALSE(ZentraleKonfigurationLaden(Pfad("fehlt/config.ini"), e));
    EXPECT_FALSE(ZentraleKonfigurationLaden(QString(), e));
    EXPECT_EQ(Inhalt(e), vorher);
}

TEST_F(XdgTest, ConfigIniNebenDemProgrammVorDerDesSystems)
{
    QDir().mkpath(Pfad("programm"));
    QDir().mkpath(Pfad("etc1/Kalumo"));
    QDir().mkpath(Pfad("etc2/Kalumo"));
    const QStringList system = {Pfad("etc1/Kalumo"), Pfad("etc2/Kalumo/")};
    EXPECT_EQ(ZentraleKonfigurationFinden(Pfad("programm"), system), "");
    Schreiben("etc2/Kalumo/config.ini", "");
    EXPECT_EQ(ZentraleKonfigurationFinden(Pfad("programm"), system), Pfad("etc2/Kalumo/config.ini"));
    Schreiben("etc1/Kalumo/config.ini", "");
    EXPECT_EQ(ZentraleKonfigurationFinden(Pfad("programm"), system), Pfad("etc1/Kalumo/config.ini"));
    Schreiben("programm/config.ini", "");
    EXPECT_EQ(ZentraleKonfigurationFinden(Pfad("programm") + "/", system), Pfad("programm/config.ini"));

    const QByteArray alt = qgetenv("XDG_CONFIG_DIRS");
    qputenv("XDG_CONFIG_DIRS", "/etc/schule:relativ:/etc/xdg/");
    EXPECT_EQ(SystemKonfigurationsOrdner(), (QStringList{"/etc/schule/Kalumo/", "/etc/xdg/Kalumo/"}));
    qunsetenv("XDG_CONFIG_DIRS");
    EXPECT_EQ(SystemKonfigurationsOrdner(), QStringList{"/etc/xdg/Kalumo/"});
    if (!alt.isNull())
        qputenv("XDG_CONFIG_DIRS", alt);
}

TEST_F(XdgTest, DieZentraleVorgabeGewinntUndLandetBeimBeendenImSpeicherDesBenutzers)
{
    EinstellungsspeicherImSpeicher benutzer;
    benutzer.setzen("Opt-ChronikOrdner", "/home/lehrer/chronik/");
    benutzer.setzen("Opt-ProtOrdner", "/home/lehrer/protokolle/");
    const QString ini = Schreiben("config.ini", "[Ordner]\nOrdnerDefZentral=1\nOrdnerChronik=/srv/chronik/\n");

    EinstellungenTyp e = TestVorgaben();
    EinstellungenLaden(benutzer, e);
    ZentraleKonfigurationLaden(ini, e);
    ASSERT_TRUE(EinstellungenSpeichern(benutzer, e));
    EXPECT_EQ(benutzer.Text("Opt-ChronikOrdner", {}), "/srv/chronik/");
    EXPECT_EQ(benutzer.Text("Opt-ProtOrdner", {}), "/home/lehrer/protokolle/");
    EXPECT_EQ(benutzer.Gesichert(), 1);
}
