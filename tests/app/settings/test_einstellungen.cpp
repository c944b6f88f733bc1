#include "app/settings/Einstellungen.h"

#include "Einstellungstesthilfen.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <set>

using namespace kalumo;
using namespace kalumo::test;

namespace {

// Every user setting away from its default; strings with umlauts, doubles
// that have no short decimal form.
EinstellungenTyp VeraenderteEinstellungen()
{
    EinstellungenTyp e = TestVorgaben();
    e.Sound = false;
    e.UebNameEingabe = false;
    e.UebStatusInfo = false;
    e.AutoProtSpeichern = true;
    e.ErgebBestListEintragen = true;
    e.UebErgebAnzeigen = false;
    e.Ordner.NetzKom = "/srv/netz/kom/";
    e.NetzKomKanal = "KLASSE-7b";
    e.NetzKomVerfahren = 2;
    e.Ordner.Chronik = "/home/lehrer/Übungen/chronik/";
    e.Ordner.Tauschboerse = "/home/lehrer/tausch börse/";
    e.Ordner.BilderGalerie = "/home/lehrer/galerie/";
    e.Ordner.Protokolle = "/home/lehrer/protokolle/";
    e.Ordner.Bestenlisten = "/home/lehrer/bestenlisten/";
    e.Ordner.Kausp = "/tmp/kausp/";
    for (int i = 0; i < kVerknuepfungsAnzahl; ++i) {
        const QString n = QString::number(i + 1);
        e.Verknuepfungen.Felder[i] = {"/usr/bin/programm" + n, "Rechner " + n, "Öffnet den Rechner " + n};
    }
    e.Verknuepfungen.TastaturDatei = "/usr/local/bin/tastatur";
    e.Verknuepfungen.TastaturHinweis = "Tastatur auf dem Bildschirm";
    e.WerkzeugPos = 1;
    e.StartUpdatePruefen = true;
    for (int i = 0; i < kNotenAnzahl; ++i)
        e.Notenskala.NoteMinQuote[size_t(i + 1)] = 1.0 / (i + 3);
    for (int i = 0; i < kPunkteAnzahl; ++i)
        e.Notenskala.PunkteMinQuote[size_t(i + 1)] = 0.1 * i + 0.001;
    e.Notenskala.BewertSkala = 1;
    e.Schriftart = "Liberation Serif";
    e.Rueckmeldung = {"gut.wav", "schlecht.wav", "Prima!", "Leider falsch.", "Stimmt:", "Stimmt nicht:", "Fehlt:"};
    e.TafelanschriebSchriftart = "DejaVu Sans";
    e.TafelanschriebSchriftgroesse = {20, 40, 60, 80};
    e.UebOpt = {1, 1, "5", "30", 1, 2, 0, 0, true};
    e.UebOptFragen = {1, 0, 1, "10", "15", 0};
    e.UebOptKorb = {2, 1, "7", "45"};
    e.Tauschboerse = {"KALUMO-LX-12345678901234567890", "Frau Müller", "mueller@schule.example", "ZC-9", "geheim;=\"x\""};
    e.Seite = {2, 16, 9};
    e.NeuesBlattVollflaeche = false;
    e.EditorSchrift = {"DejaVu Sans Mono", 12, true};
    e.Symbolstempel.Zeichen = "ABCDEFGHIJ";
    for (int i = 0; i < kStempelAnzahl; ++i)
        e.Symbolstempel.Fontname[i] = "Schrift " + QString::number(i);
    return e;
}

QString Zeile(const QStringList &inhalt, const QString &name)
{
    for (const QString &z : inhalt)
        if (z.startsWith(name + '='))
            return z;
    return {};
}

} // namespace

TEST(Einstellungen, LeererSpeicherLaesstDieVorgabenDerTabelle)
{
    EinstellungenTyp e = TestVorgaben();
    QRandomGenerator zufall(1);
    EinstellungenLaden(EinstellungsspeicherImSpeicher(), e, &zufall);
    const QStringList inhalt = Inhalt(e);

    // type 0 bool, 1 int, 2 double, 3 string
    QStringList erwartet = {
        "Opt-Sound=0:true", "Opt-UebNameEingabe=0:true", "Opt-UebStatusInfo=0:true",
        "Opt-AutoProtSpeichern=0:false", "Opt-ErgebBestListEintragen=0:false", "Opt-UebErgebAnzeigen=0:true",
        "NetzKomOrdner=3:/home/lehrer/.local/share/Kalumo/kom/", "NetzKomKanal=3:MASTER-1", "NetzKomVerfahren=1:1",
        "Opt-ChronikOrdner=3:/home/lehrer/.local/share/Kalumo/chronik/",
        "Opt-TauschboerseOrdner=3:/home/lehrer/.local/share/Kalumo/tauschboerse/",
        "Opt-BilderGalerieOrdner=3:/home/lehrer/.local/share/Kalumo/bildergalerie/",
        "Opt-ProtOrdner=3:/home/lehrer/.local/share/Kalumo/protokolle/",
        "Opt-BestListOrdner=3:/home/lehrer/.local/share/Kalumo/bestenlisten/",
        "Opt-KAUSPOrdner=3:/home/lehrer/.local/share/Kalumo/kausp/",
        "Opt-VerknuepfungT=3:", "Opt-VerknuepfungHintT=3:Bildschirmtastatur", "Opt-WerkzeugPos=1:0",
        "StartUpdatePruefen=0:false", "Opt-BewertSkala=1:0", "Opt-Schriftart=3:Arial",
        "Opt-Uebungsrueckmeldung-RichtigTonDatei=3:richtig1.wav", "Opt-Uebungsrueckmeldung-FalschTonDatei=3:falsch1.wav",
        "Opt-Uebungsrueckmeldung-RichtigText=3:Richtig!", "Opt-Uebungsrueckmeldung-FalschText=3:Falsch!",
        "Opt-Uebungsrueckmeldung-MCRichtigText=3:Richtig:", "Opt-Uebungsrueckmeldung-MCFalschText=3:Falsch:",
        "Opt-Uebungsrueckmeldung-MCFehlendText=3:Fehlend:", "Opt-TafelanschriebSchriftart=3:Arial",
        "UebOpt-AbfrageModus=1:0", "UebOpt-ZeitLimit=1:0", "UebOpt-ZLimitMin=3:3", "UebOpt-ZLimitSek=3:0",
        "UebOpt-ZuordnungRichtig=1:0", "UebOpt-ZuordnungFalsch=1:0", "UebOpt-Zuordnungstexte=1:1",
        "UebOpt-Zuordnungsziele=1:1", "UebOpt-AnzZeichenVorgeben=0:false",
        "UebOptFragen-ZuordnungFalsch=1:0", "UebOptFragen-Zuordnungstexte=1:1", "UebOptFragen-Zeitlimit=1:0",
        "UebOptFragen-ZLimitMin=3:3", "UebOptFragen-ZLimitSek=3:0", "UebOptFragen-Zuordnungsziele=1:1",
        "UebOptKorb-AbfrageModus=1:0", "UebOptKorb-Zeitlimit=1:0", "UebOptKorb-ZLimitMin=3:3",
        "UebOptKorb-ZLimitSek=3:0", "TB-Name=3:", "TB-Email=3:", "TB-Zugangscode=3:", "TB-Kennwort=3:",
        "Dok-SeitRatioArt=1:1", "Dok-SeitRatioBreite=1:10", "Dok-SeitRatioHoehe=1:7",
        "Dok-SeitRatioNeuesBlattVollflaeche=0:true", "EditorSchriftart-FontName=3:Arial",
        "EditorSchriftart-FontSize=1:10", "EditorSchriftart-FontFett=0:false",
        "Symbolstempel-Zeichen=3:üû«JKL+-rf",
    };
    for (int n = 1; n <= 3; ++n) {
        erwartet << QString("Opt-Verknuepfung%1=3:").arg(n) << QString("Opt-VerknuepfungName%1=3:V%1").arg(n)
                 << QString("Opt-VerknuepfungHint%1=3:Programmverknüpfung %1").arg(n);
    }
    const char *noten[] = {"0.85", "0.7", "0.55", "0.4", "0.25"};
    for (int n = 1; n <= 5; ++n)
        erwartet << QString("Opt-NoteMinQuote%1=2:%2").arg(n).arg(noten[n - 1]);
    const char *punkte[] = {"0.25", "0.3", "0.35", "0.4", "0.45", "0.5", "0.55", "0.6",
                            "0.65", "0.7", "0.75", "0.8", "0.85", "0.9", "0.95"};
    for (int n = 1; n <= 15; ++n)
        erwartet << QString("Opt-PunkteMinQuote%1=2:%2").arg(n).arg(punkte[n - 1]);
    for (int n = 1; n <= 4; ++n)
        erwartet << QString("Opt-TafelanschriebSchriftgroesse%1=1:%2").arg(n).arg(18 * n);
    for (int n = 1; n <= 10; ++n)
        erwartet << QString("Symbolstempel-Fontname%1=3:%2").arg(n).arg(n <= 6 ? "Wingdings" : "Arial");
    erwartet << "Proxy=0||0|||0" << "Aenderbar=1111111" << "Themenordner=" << "NetzKomBasisport=47600";

    for (const QString &z : erwartet)
        EXPECT_EQ(Zeile(inhalt, z.section('=', 0, 0)), z);
    // exactly these values and the generated user id are written (the last
    // four only come from config.ini)
    EXPECT_EQ(inhalt.size(), erwartet.size() + 1);
    EXPECT_EQ(EinstellungsNamen().size(), erwartet.size() + 1 - 4);
    EXPECT_TRUE(EinstellungsNamen().contains("TB-Benutzer"));
}

TEST_F(XdgTest, EinstellungenUeberstehenSpeichernUndLadenMitDerIniDatei)
{
    const EinstellungenTyp veraendert = VeraenderteEinstellungen();
    const QStringList vorgaben = Inhalt(TestVorgaben());
    const QStringList erwartet = Inhalt(veraendert);
    // the fixture really moves every value away from its default
    for (const QString &name : EinstellungsNamen())
        EXPECT_NE(Zeile(erwartet, name), Zeile(vorgaben, name)) << name.toStdString();

    IniEinstellungsspeicher datei;   // $XDG_CONFIG_HOME/Kalumo/Kalumo.ini
    ASSERT_TRUE(EinstellungenSpeichern(datei, veraendert));
    ASSERT_TRUE(QFileInfo(Pfad("config/Kalumo/Kalumo.ini")).isFile());

    EinstellungenTyp geladen = TestVorgaben();
    EinstellungenLaden(IniEinstellungsspeicher(), geladen);
    EXPECT_EQ(Inhalt(geladen), erwartet);
}

TEST(Einstellungen, NurVorhandeneWerteWerdenUebernommenUndNamenSindUnabhaengigVonDerSchreibweise)
{
    EinstellungsspeicherImSpeicher s;
    s.setzen("UEBOPT-ZEITLIMIT", 1);          // any spelling is the same value
    s.setzen("opt-sound", false);
    s.setzen("Opt-ProtOrdner", "/home/lehrer/protokolle");   // typed without trailing separator
    s.setzen("TB-Benutzer", "KALUMO-LX-00000000000000000001");

    EinstellungenTyp e = TestVorgaben();
    EinstellungenLaden(s, e);
    EXPECT_EQ(e.UebOpt.Zeitlimit, 1);
    EXPECT_FALSE(e.Sound);
    EXPECT_EQ(e.Ordner.Protokolle, "/home/lehrer/protokolle/");
    EXPECT_EQ(e.Tauschboerse.Benutzer, "KALUMO-LX-00000000000000000001");

    EinstellungenTyp erwartet = TestVorgaben();
    erwartet.UebOpt.Zeitlimit = 1;
    erwartet.Sound = false;
    erwartet.Ordner.Protokolle = "/home/lehrer/protokolle/";
    erwartet.Tauschboerse.Benutzer = e.Tauschboerse.Benutzer;
    EXPECT_EQ(Inhalt(e), Inhalt(erwartet));
}

TEST(Einstellungen, TauschboersenBenutzerWirdEinmalErzeugtUndDannBehalten)
{
    const QRegularExpression format("^KALUMO-LX-[0-9]{20}$");
    QRandomGenerator a(7), b(7), c(8);
    const QString id = TBBenutzerErzeugen(a);
    EXPECT_TRUE(format.match(id).hasMatch()) << id.toStdString();
    EXPECT_EQ(TBBenutzerErzeugen(b), id);   // a seeded source repeats itself
    EXPECT_NE(TBBenutzerErzeugen(c), id);

    // every digit 0..9 turns up
    std::set<QChar> ziffern;
    for (int i = 0; i < 20; ++i)
        for (QChar z : TBBenutzerErzeugen(a).mid(10))
            ziffern.insert(z);
    EXPECT_EQ(ziffern.size(), 10u);

    // absent or empty: generated; present: kept through save and load
    EinstellungsspeicherImSpeicher s;
    s.setzen("TB-Benutzer", QString());
    EinstellungenTyp e = TestVorgaben();
    EinstellungenLaden(s, e);
    EXPECT_TRUE(format.match(e.Tauschboerse.Benutzer).hasMatch());
    ASSERT_TRUE(EinstellungenSpeichern(s, e));
    EinstellungenTyp wieder = TestVorgaben();
    EinstellungenLaden(s, wieder);
    EXPECT_EQ(wieder.Tauschboerse.Benutzer, e.Tauschboerse.Benutzer);
}

TEST_F(XdgTest, OrdnerLiegenBeimProgrammNurWennEsTragbarBenutztWird)
{
    // portable: a writable program folder of its own
    QDir().mkpath(Pfad("tragbar"));
    const OrdnerUmgebung tragbar = OrdnerUmgebungErmitteln(Pfad("tragbar"));
    EXPECT_EQ(tragbar.Programm, Pfad("tragbar") + "/");
    EXPECT_EQ(tragbar.Ressourcen, tragbar.Programm);
    EXPECT_EQ(tragbar.Daten, Pfad("daten") + "/Kalumo/");
    EXPECT_TRUE(tragbar.ProgrammBeschreibbar);

    // installed: <prefix>/bin with <prefix>/share/kalumo, even when writable
    QDir().mkpath(Pfad("usr/bin"));
    QDir().mkpath(Pfad("usr/share/kalumo"));
    const OrdnerUmgebung installiert = OrdnerUmgebungErmitteln(Pfad("usr/bin/"));
    EXPECT_EQ(installiert.Ressourcen, Pfad("usr/share/kalumo") + "/");
    EXPECT_FALSE(installiert.ProgrammBeschreibbar);

    const struct
    {
        const OrdnerUmgebung &umgebung;
        QString arbeit;
    } faelle[] = {{tragbar, tragbar.Programm}, {installiert, installiert.Daten}};
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.arbeit.toStdString());
        const OrdnerTyp o = OrdnerVorgaben(f.umgebung);
        EXPECT_EQ(o.Sound, f.umgebung.Ressourcen + "sound/");
        EXPECT_EQ(o.Hilfe, f.umgebung.Ressourcen + "hilfe/");
        EXPECT_EQ(o.Setup, f.umgebung.Ressourcen + "setup/");
        EXPECT_EQ(o.Chronik, f.arbeit + "chronik/");
        EXPECT_EQ(o.Tauschboerse, f.arbeit + "tauschboerse/");
        EXPECT_EQ(o.BilderGalerie, f.arbeit + "bildergalerie/");
        EXPECT_EQ(o.Protokolle, f.arbeit + "protokolle/");
        EXPECT_EQ(o.Bestenlisten, f.arbeit + "bestenlisten/");
        EXPECT_EQ(o.NetzKom, f.arbeit + "kom/");
        EXPECT_EQ(o.Kausp, f.arbeit + "kausp/");
        EXPECT_EQ(o.Bibliothek, f.umgebung.Ressourcen);
    }

    const OrdnerTyp daten = OrdnerVorgaben(installiert);
    EXPECT_TRUE(ArbeitsordnerAnlegen(daten));
    for (const QString &o : {daten.Chronik, daten.Protokolle, daten.Kausp, daten.NetzKom})
        EXPECT_TRUE(QFileInfo(o).isDir()) << o.toStdString();
    EXPECT_FALSE(QFileInfo(daten.Sound).exists());   // read-only resources are not created
}

TEST_F(XdgTest, BildschirmtastaturIstDieErsteGefundene)
{
    const auto programm = [this](const QString &relativ) {
        QFile f(Schreiben(relativ, "#!/bin/sh\n"));
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    };
    QDir().mkpath(Pfad("a"));
    QDir().mkpath(Pfad("b"));
    const QStringList pfade = {Pfad("a"), Pfad("b")};
    EXPECT_EQ(BildschirmtastaturVorgabe(pfade), "");
    programm("b/florence");
    EXPECT_EQ(BildschirmtastaturVorgabe(pfade), Pfad("b/florence"));
    programm("b/onboard");
    EXPECT_EQ(BildschirmtastaturVorgabe(pfade), Pfad("b/onboard"));
}
