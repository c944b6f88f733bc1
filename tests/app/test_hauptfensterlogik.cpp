#include "app/Hauptfensterlogik.h"
#include "app/Hauptmenue.h"
#include "app/Mauszeiger.h"
#include "app/Menuezustand.h"
#include "learnview/Lernansicht.h"
#include "platform/Meldungen.h"

#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace kalumo;

TEST(Anzeige, PruefungMitWarnung)
{
    struct Fall { int b, h, t; bool ok; };
    const Fall faelle[] = {{960, 720, 16, true}, {959, 720, 16, false}, {960, 719, 32, false},
                           {960, 720, 15, true}, {1920, 1080, 14, false}, {3840, 2160, 32, true}};
    for (const Fall &f : faelle)
        EXPECT_EQ(AnzeigeGeeignet(f.b, f.h, f.t), f.ok) << f.b << "x" << f.h << "x" << f.t;
    const QString w = AnzeigeWarnung(959, 720, 16);
    EXPECT_TRUE(w.startsWith("Ungeeigneter Grafikmodus! (Windows-Systemsteuerung / Eigenschaften von Anzeige)\r\n\r\n"));
    EXPECT_TRUE(w.contains("von mindestens 16 Bit (High Color) eingestellt sein. \r\nAktuelle Einstellungen:\r\n"
                           "- Auflösung: 959 x 720 Pixel\r\n- Farbtiefe: 16 Bit\r\n\r\nProgramm trotzdem starten?"));
}

TEST(Titel, FensterUndTitelLabel)
{
    EXPECT_EQ(FensterTitel(""), "Kalumo");
    EXPECT_EQ(FensterTitel("/home/lehrer/Blume.kal"), "Kalumo - Blume.kal");
    struct Fall { int index; const char *titel; bool verborgen; const char *text; };
    const Fall faelle[] = {
        {-1, "Die Blume", false, " Die Blume"},
        {-1, "", false, " (ohne Titel)"},
        {2, "Die Blume", false, " (3) Die Blume"},
        {2, "Die Blume", true, " (3) ?"},
        {-1, "Die Blume", true, " ?"},
    };
    for (const Fall &f : faelle)
        EXPECT_EQ(TitelLabelText(f.index, QString::fromUtf8(f.titel), f.verborgen), QString::fromUtf8(f.text));
}

TEST(Startseite, TextUndBild)
{
    EXPECT_EQ(StartseitenText(),
              "Um ein Kalumo-Dokument anzuzeigen,\r\n\r\nrufen Sie das Menü \"Themenauswahl\" oder \"Datei / Öffnen\" "
              "auf.\r\n\r\n\r\n\r\nFür einen neuen Tafelanschrieb\r\n\r\nklicken Sie auf den Knopf \"Neues Blatt\" "
              "(rechts bei Tafelanschrieb).\r\n");
    const QImage b = StartbildErzeugen();
    EXPECT_EQ(b.size(), QSize(1000, 700));
    EXPECT_EQ(b.format(), QImage::Format_RGBA8888);
}

TEST(Kommandozeile, OrdnerDokumentPaketUndVorschau)
{
    QTemporaryDir d;
    const QString ordner = QDir::cleanPath(d.path());
    for (const char *name : {"Blume.kal", "Serie.KAUSP", "serie.kausp"}) {
        QFile f(ordner + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    struct Fall { QStringList args; QString startordner, dokument, paket; bool vorschau; QString datei; int hoehe; };
    const Fall faelle[] = {
        {{}, "", "", "", false, "vorschaubild.png", 200},
        {{ordner}, ordner + "/", "", "", false, "vorschaubild.png", 200},
        {{ordner + "/"}, ordner + "/", "", "", false, "vorschaubild.png", 200},
        {{ordner + "/Blume.kal"}, ordner + "/", ordner + "/Blume.kal", "", false, "vorschaubild.png", 200},
        {{ordner + "/Serie.KAUSP"}, ordner + "/", "", ordner + "/Serie.KAUSP", false, "vorschaubild.png", 200},
        {{ordner + "/serie.kausp"}, ordner + "/", "", ordner + "/serie.kausp", false, "vorschaubild.png", 200},
        {{ordner + "/Blume.kal", "/vb"}, ordner + "/", ordner + "/Blume.kal", "", true, "vorschaubild.png", 200},
        {{ordner + "/Blume.kal", "/vb", "/tmp/v.png", "120"}, ordner + "/", ordner + "/Blume.kal", "", true, "/tmp/v.png", 120},
        {{ordner + "/Blume.kal", "/vb", "/tmp/v.png", "viel"}, ordner + "/", ordner + "/Blume.kal", "", true, "/tmp/v.png", 200},
    };
    for (const Fall &f : faelle) {
        const Startargumente a = KommandozeileAuswerten(f.args);
        const std::string fall = f.args.join(' ').toStdString();
        EXPECT_EQ(a.Startordner, f.startordner) << fall;
        EXPECT_EQ(a.Startdokument, f.dokument) << fall;
        EXPECT_EQ(a.Paket, f.paket) << fall;
        EXPECT_EQ(a.Vorschau, f.vorschau) << fall;
        EXPECT_EQ(a.VorschauDatei, f.datei) << fall;
        EXPECT_EQ(a.VorschauHoehe, f.hoehe) << fall;
    }
}

TEST(Modus, MenuesUndPanelsJeModus)
{
    struct Fall
    {
        MenueEingaben e;
        bool oeffnen, arbeitsblatt, lehrer, einstellungen;
        bool titel, status, gesperrt;
        const char *knopf;
    };
    MenueEingaben lern;
    MenueEingaben uebung;
    uebung.Ansichtsmodus = modusUebung;
    MenueEingaben lehrer = uebung;
    lehrer.UebArt = uebNetzInitiiert;
    MenueEingaben gesperrt;
    gesperrt.LernansichtSperren = 1;
    gesperrt.ArbeitsblattSperren = 1;
    gesperrt.UebEinstSpeichern = kUebEinstGesperrt;
    MenueEingaben puzzleOhneStatus;
    puzzleOhneStatus.Ansichtsmodus = modusSchiebepuzzle;
    puzzleOhneStatus.Einstellungen.UebStatusInfo = false;
    const Fall faelle[] = {
        {lern, true, true, false, true, true, false, false, "Lernansicht"},
        {uebung, false, false, false, true, false, true, false, "Übung abbrechen"},
        {lehrer, false, false, false, true, false, true, false, "Übung abbrechen"},
        {gesperrt, true, false, false, false, true, false, true, "Lernansicht"},
        {puzzleOhneStatus, false, false, false, true, false, false, false, "Übung abbrechen"},
    };
    for (size_t i = 0; i < std::size(faelle); ++i) {
        const Fall &f = faelle[i];
        const MenueZustand a = MenueZustandBerechnen(f.e);
        EXPECT_EQ(a.Eintrag("Oeffnen1").Aktiv, f.oeffnen) << i;
        EXPECT_EQ(a.Eintrag("Schliessen1").Aktiv, f.oeffnen) << i;
        EXPECT_EQ(a.Eintrag("Themenauswahl1").Aktiv, f.oeffnen) << i;
        // worksheets only in the learning view and when the author did not lock them
        EXPECT_EQ(a.Eintrag("ArbeitsblattErstellen1").Aktiv, f.arbeitsblatt) << i;
        EXPECT_EQ(a.Eintrag("Uebungseinstellungen1").Aktiv, f.einstellungen) << i;
        EXPECT_EQ(a.TitelPanSichtbar, f.titel) << i;
        EXPECT_EQ(a.UebStatusSichtbar, f.status) << i;
        EXPECT_EQ(a.LernansichtGesperrtSichtbar, f.gesperrt) << i;
        EXPECT_EQ(a.LernansichtKnopfText, QString::fromUtf8(f.knopf)) << i;
    }
    MenueEingaben serie = uebung;
    serie.UebArt = uebSerie;
    EXPECT_TRUE(MenueZustandBerechnen(serie).SerieStatusSichtbar);
    EXPECT_TRUE(MenueZustandBerechnen(serie).IndividualGedrueckt);
    MenueEingaben teilnehmer = uebung;
    teilnehmer.UebArt = uebNetzTeilnahme;
    EXPECT_TRUE(MenueZustandBerechnen(teilnehmer).NetzGedrueckt);
    EXPECT_FALSE(MenueZustandBerechnen(teilnehmer).IndividualGedrueckt);
    // the teacher keeps the menu "Lehrersteuerung" outside the learning view
    MenueEingaben lehrerLernansicht;
    lehrerLernansicht.UebArt = uebNetzInitiiert;
    EXPECT_TRUE(MenueZustandBerechnen(lehrerLernansicht).Eintrag("Lehrersteuerung1").Aktiv);
    EXPECT_TRUE(MenueZustandBerechnen(lehrer).Eintrag("Lehrersteuerung1").Aktiv);
    EXPECT_FALSE(MenueZustandBerechnen(uebung).Eintrag("Lehrersteuerung1").Aktiv);

    // which of the stacked panels shows: the picture area, the exercise panel
    // (with the exercise or the puzzle board) or the start hint, and the
    // toolbar beside them
    struct Flaeche { MenueEingaben e; bool bild, werkzeuge, uebungPan, startInfo, uebungsflaeche, puzzle; };
    MenueEingaben offen;
    offen.DokumentOffen = true;
    MenueEingaben uebungOffen = uebung;
    uebungOffen.DokumentOffen = true;
    const Flaeche flaechen[] = {
        {lern, true, true, false, true, false, false},
        {offen, true, true, false, false, false, false},
        {uebungOffen, false, false, true, false, true, false},
        {uebung, false, false, true, false, true, false},
        {puzzleOhneStatus, false, false, true, false, false, true},
    };
    for (size_t i = 0; i < std::size(flaechen); ++i) {
        const MenueZustand z = MenueZustandBerechnen(flaechen[i].e);
        EXPECT_EQ(z.LernbildSichtbar, flaechen[i].bild) << i;
        EXPECT_EQ(z.WerkzeugleisteSichtbar, flaechen[i].werkzeuge) << i;
        EXPECT_EQ(z.UebungPanSichtbar, flaechen[i].uebungPan) << i;
        EXPECT_EQ(z.StartInfoSichtbar, flaechen[i].startInfo) << i;
        EXPECT_EQ(z.UebungsflaecheSichtbar, flaechen[i].uebungsflaeche) << i;
        EXPECT_EQ(z.PuzzleSichtbar, flaechen[i].puzzle) << i;
    }
    // the start dialog of a run shows its button pressed; the puzzle stays
    // available in every mode (it refuses with a message while a run lasts)
    MenueEingaben dialog;
    dialog.StartDialogOffen = true;
    EXPECT_TRUE(MenueZustandBerechnen(dialog).IndividualGedrueckt);
    EXPECT_FALSE(MenueZustandBerechnen(lern).IndividualGedrueckt);
    EXPECT_TRUE(MenueZustandBerechnen(puzzleOhneStatus).Eintrag("Schiebepuzzle1").Aktiv);
}

// Every entry of the table gets a state, and what the table says stays true:
// an entry whose function does not exist is never enabled, a hidden one
// never shown, a plain entry never checked.
TEST(Menuezustand, JederEintragAusDerTabelle)
{
    MenueEingaben alles;
    alles.AGBAdresse = true;
    alles.BibliothekAnzahl = 130; // a middle page: both paging entries work
    alles.BibliothekSeitenanfang = 60;
    alles.ProtokollVorhanden = true;
    const MenueZustand z = MenueZustandBerechnen(alles);
    std::function<void(const std::vector<MenuePunkt> &)> pruefen = [&](const std::vector<MenuePunkt> &l) {
        for (const MenuePunkt &p : l) {
            if (p.IstTrenner())
                continue;
            SCOPED_TRACE(p.Name.toStdString());
            ASSERT_EQ(z.Eintraege.count(p.Name), 1u);
            const EintragZustand &e = z.Eintrag(p.Name);
            EXPECT_EQ(e.Aktiv, p.Verfuegbar);
            if (!p.Ankreuzbar) {
                EXPECT_FALSE(e.Angekreuzt);
            }
            if (p.Name != "AGBAnzeigen1") {
                EXPECT_EQ(e.Sichtbar, p.Sichtbar);
            }
            if (p.Name == "Naechste60Dokumente1") {
                EXPECT_EQ(e.Text, p.Text + " (von 130)");
            } else if (p.Name != "WerkzeugleisteKlappen1") {
                EXPECT_EQ(e.Text, p.Text);
            }
            pruefen(p.Unterpunkte);
        }
    };
    pruefen(Hauptmenue());
    EXPECT_TRUE(z.Eintrag("AGBAnzeigen1").Sichtbar);
    EXPECT_FALSE(MenueZustandBerechnen(MenueEingaben{}).Eintrag("AGBAnzeigen1").Sichtbar);
    // the last protocol only once a run has left one
    EXPECT_FALSE(MenueZustandBerechnen(MenueEingaben{}).Eintrag("ProtokollLetzteUebung1").Aktiv);
}

TEST(Menuezustand, SperrenDerZentralenKonfigurationUndHaekchen)
{
    MenueEingaben e;
    e.Einstellungen.Sound = false;
    e.Einstellungen.UebNameEingabe = true;
    e.Einstellungen.Aenderbar.Namenseingabe = false;
    e.Einstellungen.Aenderbar.ProtokollderletztenUebung = false;
    e.Einstellungen.Aenderbar.Notenskala = false;
    e.Ebenen = {true, false, true, false};
    e.Nummerierung = numZufaellig;
    e.ZoomStufe = 2;
    e.Werkzeugposition = 1;
    e.WerkzeugleisteOffen = false;
    const MenueZustand z = MenueZustandBerechnen(e);
    // a locked option shows its value but cannot be changed
    EXPECT_TRUE(z.Eintrag("Namenseingabe1").Angekreuzt);
    EXPECT_FALSE(z.Eintrag("Namenseingabe1").Aktiv);
    EXPECT_FALSE(z.Eintrag("Tonausgabe1").Angekreuzt);
    EXPECT_TRUE(z.Eintrag("Tonausgabe1").Aktiv);
    EXPECT_FALSE(z.Eintrag("ProtokollLetzteUebung1").Aktiv);
    EXPECT_FALSE(z.Eintrag("Notenskala1").Aktiv);
    const std::pair<const char *, bool> haekchen[] = {
        {"Ebene0Menue", true},          {"Ebene1Menue", false},          {"Ebene2Menue", true},
        {"Ebene3Menue", false},         {"NummerierungZufaellig1", true}, {"NummerierungGeordnet1", false},
        {"NummerierungFragezeichen1", false}, {"Zoom100", false},         {"Zoom150", true},
        {"Zoom200", false},             {"WerkzeugleisteLinks1", true},  {"WerkzeugleisteRechts1", false},
    };
    for (const auto &[name, an] : haekchen)
        EXPECT_EQ(z.Eintrag(name).Angekreuzt, an) << name;
    EXPECT_EQ(z.Eintrag("WerkzeugleisteKlappen1").Text, "Werkzeugleiste auf&klappen");
    // collapsed on the left: the arrow points right, where the toolbar comes from
    EXPECT_EQ(z.KlappKnopfText, ">");
    EXPECT_EQ(z.KlappKnopfHinweis, "Werkzeugleiste aufklappen");
    e.WerkzeugleisteOffen = true;
    EXPECT_EQ(MenueZustandBerechnen(e).KlappKnopfText, "<");
}

TEST(Tastatur, Aktionen)
{
    const TastenZustand fragen{dokEinzelfragen, 5, false};
    const TastenZustand bild{dokBildbeschriftung, 5, false};
    const TastenZustand editor{dokMultipleChoice, 5, true};
    const TastenZustand puzzle{dokEinzelfragen, 5, false, modusSchiebepuzzle};
    const TastenZustand uebung{dokEinzelfragen, 5, false, modusUebung};
    struct Fall { int key; int mods; TastenZustand z; TastenAktion a; };
    const Fall faelle[] = {
        {Qt::Key_G, Qt::ShiftModifier | Qt::AltModifier, bild, TastenAktion::FensterZuruecksetzen},
        {Qt::Key_G, Qt::AltModifier, bild, TastenAktion::Keine},
        {Qt::Key_End, 0, fragen, TastenAktion::LetzteFrage},
        {Qt::Key_Home, 0, fragen, TastenAktion::ErsteFrage},
        {Qt::Key_Left, 0, fragen, TastenAktion::VorherigeFrage},
        {Qt::Key_Right, 0, fragen, TastenAktion::NaechsteFrage},
        {Qt::Key_Right, 0, bild, TastenAktion::Keine},
        {Qt::Key_Right, 0, editor, TastenAktion::Keine},
        {Qt::Key_Right, Qt::ShiftModifier, fragen, TastenAktion::Keine},
        {Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, bild, TastenAktion::ZoomHinein},
        {Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier, bild, TastenAktion::ZoomHeraus},
        {Qt::Key_Plus, Qt::ControlModifier, bild, TastenAktion::Keine},
        // while the puzzle runs its arrow keys move tiles; only the window reset acts
        {Qt::Key_Left, 0, puzzle, TastenAktion::Keine},
        {Qt::Key_End, 0, puzzle, TastenAktion::Keine},
        {Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, puzzle, TastenAktion::Keine},
        {Qt::Key_G, Qt::ShiftModifier | Qt::AltModifier, puzzle, TastenAktion::FensterZuruecksetzen},
        // an exercise's arrows choose targets: the view keeps its question and 100 %
        {Qt::Key_Right, 0, uebung, TastenAktion::Keine},
        {Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, uebung, TastenAktion::Keine},
        {Qt::Key_G, Qt::ShiftModifier | Qt::AltModifier, uebung, TastenAktion::FensterZuruecksetzen},
    };
    for (const Fall &f : faelle)
        EXPECT_EQ(TasteAuswerten(f.key, f.mods, f.z), f.a) << f.key << " " << f.mods;
    EXPECT_EQ(TasteAuswerten(Qt::Key_End, 0, {dokEinzelfragen, 0, false}), TastenAktion::Keine);
    // the question keys do what the question buttons do
    EXPECT_EQ(FrageKnopf(TastenAktion::ErsteFrage), objNavErste);
    EXPECT_EQ(FrageKnopf(TastenAktion::LetzteFrage), objNavLetzte);
    EXPECT_EQ(FrageKnopf(TastenAktion::VorherigeFrage), objNavZurueck);
    EXPECT_EQ(FrageKnopf(TastenAktion::NaechsteFrage), objNavVor);
    EXPECT_EQ(FrageKnopf(TastenAktion::ZoomHinein), -1);
}

TEST(Schliessen, JedeVerweigerungHaeltAn)
{
    struct Schritte : SchliessSchritte
    {
        int verweigern = -1;
        QStringList gefragt;
        bool schritt(int n, const char *name)
        {
            gefragt << name;
            return n != verweigern;
        }
        bool UebungAbbrechenErlaubt() override { return schritt(0, "Übung"); }
        bool AenderungenSpeichernFragen() override { return schritt(1, "Speichern"); }
        bool ChronikFragen() override { return schritt(2, "Chronik"); }
        bool BeendenBestaetigen() override { return schritt(3, "Beenden"); }
    };
    const QStringList alle{"Übung", "Speichern", "Chronik", "Beenden"};
    for (int n = 0; n < 4; ++n) {
        Schritte s;
        s.verweigern = n;
        EXPECT_FALSE(SchliessenErlaubt(s));
        EXPECT_EQ(s.gefragt, alle.mid(0, n + 1));
    }
    Schritte s;
    EXPECT_TRUE(SchliessenErlaubt(s));
    EXPECT_EQ(s.gefragt, alle);
}

TEST(Schliessen, UebungsschutzUndChronikfrage)
{
    SkriptMeldungen m;
    EXPECT_TRUE(UebungAbbrechenErlaubt({modusLernansicht, false}, m));
    EXPECT_TRUE(UebungAbbrechenErlaubt({modusUebung, true}, m));
    EXPECT_TRUE(m.Texte().isEmpty());
    m.AntwortVormerken(Antwort::Nein);
    EXPECT_FALSE(UebungAbbrechenErlaubt({modusUebung, false}, m));
    m.AntwortVormerken(Antwort::Ja);
    EXPECT_TRUE(UebungAbbrechenErlaubt({modusSchiebepuzzle, false}, m));
    EXPECT_EQ(m.Texte(), (QStringList{"Die aktuelle Übung ist noch nicht beendet.\r\nÜbung wirklich abbrechen?",
                                      "Das aktuelle Schiebepuzzle ist noch nicht gelöst.\r\nÜbung wirklich abbrechen?"}));
    EXPECT_EQ(ChronikFrage(1, "/c/"), "1 Chronik-Screenshot wurde im Ordner /c/ als PNG-Bilddatei abgelegt.\r\n"
                                      "Soll diese jetzt gelöscht werden?");
    EXPECT_EQ(ChronikFrage(3, "/c/"), "3 Chronik-Screenshots wurden im Ordner /c/ als PNG-Bilddateien abgelegt.\r\n"
                                      "Sollen diese jetzt gelöscht werden?");
}

TEST(Hauptmenue, AlleMenuesMitEindeutigenNamenUndZugriffstasten)
{
    QStringList titel;
    for (const MenuePunkt &m : Hauptmenue())
        titel << m.Text;
    EXPECT_EQ(titel, (QStringList{"&Datei", "&Themenauswahl", "&Lernansicht", "&Übung", "Lehrer&steuerung",
                                  "&Autorenfunktion", "An&zeige", "&Optionen", "Tausch&börse", "&Hilfe"}));
    QStringList namen;
    std::function<void(const std::vector<MenuePunkt> &)> sammeln = [&](const std::vector<MenuePunkt> &l) {
        for (const MenuePunkt &p : l) {
            if (p.IstTrenner())
                continue;
            namen << p.Name;
            EXPECT_TRUE(p.Text.contains('&') || p.Name.startsWith("Vorherige60") || p.Name.startsWith("Naechste60")
                        || p.Name.startsWith("PasswortSpeichern") || p.Name.startsWith("Uebungsserie")
                        || p.Name == "NeuCTestFalschwoerter1" || p.Name == "Uebungsrueckmeldung1"
                        || p.Name == "UpdatePruefen1")
                << p.Name.toStdString();
            if (!p.Kurzwahl.isEmpty()) {
                EXPECT_FALSE(QKeySequence(p.Kurzwahl).isEmpty()) << p.Name.toStdString();
            }
            sammeln(p.Unterpunkte);
        }
    };
    sammeln(Hauptmenue());
    EXPECT_EQ(namen.removeDuplicates(), 0);
    ASSERT_NE(MenuePunktSuchen("Oeffnen1"), nullptr);
    EXPECT_EQ(MenuePunktSuchen("Oeffnen1")->Text, "Ö&ffnen...");
    EXPECT_EQ(MenuePunktSuchen("Schliessen1")->Kurzwahl, "Ctrl+F4");
    EXPECT_EQ(MenuePunktSuchen("UebungsserieAusfuehren1")->Kurzwahl, "Ctrl+Shift+Ü");
    EXPECT_EQ(MenuePunktSuchen("Zoom200")->Text, "&200 % ");
}

TEST(Mauszeiger, JederZeigerIstSichtbar)
{
    for (MauszeigerArt art : {MauszeigerArt::Ziehen, MauszeigerArt::Stift, MauszeigerArt::Marker,
                              MauszeigerArt::Radierer, MauszeigerArt::Stempel, MauszeigerArt::Hand, MauszeigerArt::Text,
                              MauszeigerArt::Kreuz}) {
        const MauszeigerBild z = MauszeigerZeichnen(art);
        ASSERT_EQ(z.Bild.size(), QSize(32, 32));
        EXPECT_TRUE(QRect(0, 0, 32, 32).contains(z.Hotspot));
        int deckend = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                deckend += qAlpha(z.Bild.pixel(x, y)) > 128;
        EXPECT_GT(deckend, 40) << int(art);
    }
    // the red cross has a pointer of its own: red at its hot spot
    const MauszeigerBild kreuz = MauszeigerZeichnen(MauszeigerArt::Kreuz);
    EXPECT_NE(kreuz.Bild, MauszeigerZeichnen(MauszeigerArt::Stempel).Bild);
    const QColor mitte = kreuz.Bild.pixelColor(kreuz.Hotspot + QPoint(1, 0));
    EXPECT_GT(mitte.red(), 150);
    EXPECT_LT(mitte.green(), 60);
}

// The paging entries of "&Themenauswahl" follow the library's page.
TEST(Menuezustand, BlaetterEintraegeDerThemenauswahl)
{
    struct Fall
    {
        int anzahl, anfang;
        bool vorherige, naechste;
    };
    for (const Fall &f : {Fall{20, 0, false, false}, Fall{130, 0, false, true}, Fall{130, 70, true, false}}) {
        MenueEingaben e;
        e.BibliothekAnzahl = f.anzahl;
        e.BibliothekSeitenanfang = f.anfang;
        const MenueZustand z = MenueZustandBerechnen(e);
        EXPECT_EQ(z.Eintrag("Vorherige60Dokumente1").Aktiv, f.vorherige);
        EXPECT_EQ(z.Eintrag("Naechste60Dokumente1").Aktiv, f.naechste);
        EXPECT_EQ(z.Eintrag("Naechste60Dokumente1").Text, QStringLiteral("Nächste 60 Dokumente anzeigen (von %1)").arg(f.anzahl));
        e.Ansichtsmodus = modusUebung; // the menu belongs to the learning view
        EXPECT_FALSE(MenueZustandBerechnen(e).Eintrag("Themenauswahl1").Aktiv);
    }
}
