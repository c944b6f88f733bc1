// The settings file, the paths, the communication settings and the
// solutions of a network exercise.

#include "network/NetzDateien.h"
#include "network/NetzNachrichten.h"
#include "network/NetzKommunikation.h"
#include "network/NetzKontrollanzeige.h"
#include "network/NetzLoesungen.h"
#include "network/NetzTeilnehmer.h"

#include "document/Bytestrom.h"
#include "exercise/Bestenliste.h"
#include "testhilfen/Fixtures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kalumo;
using kalumo::test::Roh;

namespace {

NetzUebEinstTyp Beispiel()
{
    NetzUebEinstTyp e;
    e.NetzKennung = QStringLiteral("LEHRER-PC");
    e.ZuordnungRichtig = 1;
    e.ZuordnungFalsch = 2;
    e.Zuordnungstexte = 0;
    e.Zuordnungsziele = 2;
    e.AbfrageModus = 3;
    e.Zeitlimit = 1;
    e.ZLimit = 150;
    NotenskalaTyp s;
    s.NoteMinQuote[1] = 0.9;
    s.PunkteMinQuote[15] = 0.97;
    s.BewertSkala = skalaPunkte0bis15;
    return NetzUebEinstMitSkala(e, s, 1);
}

NetzUebEinstTyp Lesen(const QByteArray &bytes)
{
    QBuffer b;
    b.setData(bytes);
    b.open(QIODevice::ReadOnly);
    return NetzEinstellungenStromLesen(b);
}

} // namespace

TEST(NetzEinstellungsdatei, HinUndZurueckUndLayout)
{
    const NetzUebEinstTyp e = Beispiel();
    const QByteArray bytes = NetzEinstellungsdateiBytes(e);
    // the layout, item by item
    Roh r;
    r.Text("vkdnetzuebung.dat").Text(kNetzEinstellungsSchluessel).Text("LEHRER-PC");
    for (int v : {0, 1, 2, 0, 2, 3, 1, 150})
        r.Int(v);
    for (double q : *e.NoteMinQuote)
        r.Double(q);
    for (double q : *e.PunkteMinQuote)
        r.Double(q);
    r.Int(2).Int(1);
    EXPECT_EQ(bytes, r.Daten());
    EXPECT_EQ(Lesen(bytes), e);

    // without the optional parts the participant keeps its own values
    NetzUebEinstTyp ohne = e;
    ohne.NoteMinQuote.reset();
    ohne.PunkteMinQuote.reset();
    ohne.BewertSkala.reset();
    ohne.AnzZeichenVorgeben.reset();
    const NetzUebEinstTyp gelesen = Lesen(NetzEinstellungsdateiBytes(ohne));
    EXPECT_EQ(gelesen, ohne);
    NotenskalaTyp eigene;
    eigene.BewertSkala = skalaNote1bis5;
    EXPECT_EQ(NetzNotenskala(gelesen, eigene), eigene);
    const NotenskalaTyp vonLehrer = NetzNotenskala(e, eigene);
    EXPECT_EQ(vonLehrer.BewertSkala, skalaPunkte0bis15);
    EXPECT_DOUBLE_EQ(vonLehrer.NoteMinQuote[1], 0.9);

    // only some parts: the key list decides, not the order of presence
    Roh teil;
    teil.Text("egal").Text("NetzUebungMaster|BewertSkala|").Text("X");
    for (int i = 0; i < 8; ++i)
        teil.Int(0);
    teil.Int(4);
    const NetzUebEinstTyp t = Lesen(teil.Daten());
    EXPECT_EQ(t.BewertSkala, 4);
    EXPECT_FALSE(t.NoteMinQuote);
    EXPECT_FALSE(t.AnzZeichenVorgeben);
}

TEST(NetzEinstellungsdatei, JederSchnittUndJederFalscheWertWirdAbgelehnt)
{
    const QByteArray bytes = NetzEinstellungsdateiBytes(Beispiel());
    for (int n = 0; n < bytes.size(); ++n)
        EXPECT_THROW(Lesen(bytes.left(n)), LeseFehler) << n;

    struct Fall
    {
        int Item;     // index of the int among the eight settings
        qint32 Wert;
    };
    const Fall faelle[] = {{0, 2}, {1, 3}, {2, -1}, {3, 2}, {4, 3}, {5, 4}, {6, 3}, {7, -1}, {7, 86401}};
    for (const Fall &f : faelle) {
        Roh r;
        r.Text("vkdnetzuebung.dat").Text("NetzUebungMaster|").Text("X");
        for (int i = 0; i < 8; ++i)
            r.Int(i == f.Item ? f.Wert : 0);
        EXPECT_THROW(Lesen(r.Daten()), LeseFehler) << f.Item << " " << f.Wert;
    }
    auto mitAnhang = [](const char *schluessel, const std::function<void(Roh &)> &anhang) {
        Roh r;
        r.Text("vkdnetzuebung.dat").Text(schluessel).Text("X");
        for (int i = 0; i < 8; ++i)
            r.Int(0);
        anhang(r);
        return r.Daten();
    };
    EXPECT_THROW(Lesen(mitAnhang("NetzUebungMaster|BewertSkala|", [](Roh &r) { r.Int(5); })), LeseFehler);
    EXPECT_THROW(Lesen(mitAnhang("NetzUebungMaster|AnzZeichenVorgeben|", [](Roh &r) { r.Int(2); })), LeseFehler);
    EXPECT_THROW(Lesen(mitAnhang("NetzUebungMaster|NoteMinQuote|",
                                 [](Roh &r) {
                                     for (int i = 0; i < 7; ++i)
                                         r.Double(i == 3 ? 1.5 : 0.5);
                                 })),
                 LeseFehler);
    // a string that claims more than the file holds
    Roh luege;
    luege.Text("vkdnetzuebung.dat").Int(0x7fffffff);
    EXPECT_THROW(Lesen(luege.Daten()), LeseFehler);

    QTemporaryDir dir;
    NetzUebEinstTyp e;
    QString grund;
    EXPECT_FALSE(NetzEinstellungsdateiLesen(dir.filePath("fehlt.dat"), e, &grund));
    QFile gross(dir.filePath("gross.dat"));
    ASSERT_TRUE(gross.open(QIODevice::WriteOnly));
    gross.write(QByteArray(int(kNetzEinstellungsdateiHoechstgroesse) + 1, '\0'));
    gross.close();
    EXPECT_FALSE(NetzEinstellungsdateiLesen(gross.fileName(), e, &grund));
    EXPECT_EQ(grund, "Datei zu groß");
    ASSERT_TRUE(NetzEinstellungsdateiSchreiben(dir.filePath("ok.dat"), Beispiel()));
    ASSERT_TRUE(NetzEinstellungsdateiLesen(dir.filePath("ok.dat"), e));
    EXPECT_EQ(e, Beispiel());
    // a directory in the way: the write fails
    QDir(dir.path()).mkdir("ordner.dat");
    EXPECT_FALSE(NetzEinstellungsdateiSchreiben(dir.filePath("ordner.dat"), Beispiel()));
}

TEST(NetzPfade, NamenImKommunikationsordner)
{
    const NetzPfade p = NetzPfadeVon(QStringLiteral("/srv/kom"), QStringLiteral("MASTER-1"));
    EXPECT_EQ(p.Praefix(), "/srv/kom/MASTER-1-");
    EXPECT_EQ(p.Dokument(), "/srv/kom/MASTER-1-vkdnetzuebung.vkd");
    EXPECT_EQ(p.Einstellungen(), "/srv/kom/MASTER-1-vkdnetzuebung.dat");
    EXPECT_EQ(p.Marke(), "/srv/kom/MASTER-1-vkdnetzuebung.okx");
    EXPECT_EQ(p.Bestenliste(), "/srv/kom/MASTER-1-vkdnetzuebung.hsc");
    EXPECT_EQ(BestenlistePfadNetz(QStringLiteral("/srv/kom/"), QStringLiteral("MASTER-1")), p.Bestenliste());
    EXPECT_EQ(p.NachrichtenMuster(), "MASTER-1-vkdnetzuebung-TN-*.dat");
    QRandomGenerator z(7);
    const QString n = p.NachrichtendateiName(z);
    EXPECT_TRUE(QDir::match(p.NachrichtenMuster(), n)) << n.toStdString();
    EXPECT_EQ(n.size(), QStringLiteral("MASTER-1-vkdnetzuebung-TN-.dat").size() + 12);
    const QString k = NetzTeilnehmerKennungErzeugen(z);
    EXPECT_EQ(k.size(), 30);
    for (const QChar c : k)
        EXPECT_TRUE(c >= u'A' && c <= u'Z');
}

TEST(NetzKommunikation, SperreWaehrendEinerNetzwerkUebung)
{
    struct Fall
    {
        bool Uebungsmodus;
        int UebArt;
        bool Erlaubt;
    };
    // the teacher computer stays in the learning view while its exercise runs
    const Fall faelle[] = {{false, 0, true}, {true, 0, true},  {true, 10, true},
                           {true, 1, false}, {false, 2, false}, {true, 2, false}};
    for (const Fall &f : faelle) {
        SkriptMeldungen m;
        EXPECT_EQ(KommEinstellungenAenderbar(f.Uebungsmodus, f.UebArt, m), f.Erlaubt) << f.UebArt;
        EXPECT_EQ(m.Texte().isEmpty(), f.Erlaubt);
        if (!f.Erlaubt) {
            EXPECT_EQ(m.Texte()[0], KommGesperrtText());
        }
    }
    SkriptMeldungen m;
    QTemporaryDir dir;
    NetzKomTyp kom;
    KommDialogWerte w{dir.path(), QStringLiteral("NEU"), 0};
    EXPECT_EQ(KommEinstellungenUebernehmen(w, kom, true, m), KommOkErgebnis::Gesperrt);
    EXPECT_EQ(kom, NetzKomTyp());
}

TEST(NetzKommunikation, OkPrueftOrdnerKanalUndZugriff)
{
    QTemporaryDir dir;
    NetzKomTyp kom;
    kom.Basisport = 30000;
    {
        SkriptMeldungen m;
        KommDialogWerte w{dir.path(), QStringLiteral("KLASSE5A"), netzVerfahrenOrdner};
        EXPECT_EQ(KommEinstellungenUebernehmen(w, kom, false, m), KommOkErgebnis::Uebernommen);
        EXPECT_EQ(kom.Ordner, dir.path() + "/");
        EXPECT_EQ(kom.Kanal, "KLASSE5A");
        EXPECT_EQ(kom.Verfahren, 0);
        EXPECT_EQ(kom.Basisport, 30000);
        EXPECT_TRUE(m.Texte().isEmpty());   // the test of OK is silent on success
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());   // "AVXZ_1" is gone again
    }
    struct Fall
    {
        QString Ordner;
        QString Kanal;
        KommOkErgebnis Ergebnis;
        QString Meldung;
    };
    const Fall faelle[] = {
        {dir.path() + "/fehlt", "K", KommOkErgebnis::OrdnerUngueltig, KommOrdnerUngueltigText()},
        {"", "K", KommOkErgebnis::OrdnerUngueltig, KommOrdnerUngueltigText()},
        {dir.path(), "NEUNZEICH", KommOkErgebnis::KanalUngueltig, KommKanalZuLangText()},
        {dir.path(), "A/B", KommOkErgebnis::KanalUngueltig, KommKanalUngueltigText()},
        {dir.path(), "K*", KommOkErgebnis::KanalUngueltig, KommKanalUngueltigText()},
        {dir.path(), "..", KommOkErgebnis::KanalUngueltig, KommKanalUngueltigText()},
        {dir.path(), " ", KommOkErgebnis::KanalUngueltig, KommKanalLeerText()},
    };
    for (const Fall &f : faelle) {
        SkriptMeldungen m;
        const NetzKomTyp vorher = kom;
        KommDialogWerte w{f.Ordner, f.Kanal, 1};
        EXPECT_EQ(KommEinstellungenUebernehmen(w, kom, false, m), f.Ergebnis) << f.Kanal.toStdString();
        EXPECT_EQ(kom, vorher);
        EXPECT_EQ(m.Texte(), QStringList{f.Meldung});
    }
    // the access test: datagrams need none, the folder method writes and deletes a file
    SkriptMeldungen m;
    EXPECT_TRUE(KommZugriffstest(dir.path(), netzVerfahrenDatagramm, m, true, false));
    EXPECT_TRUE(KommZugriffstest(dir.path(), netzVerfahrenOrdner, m, true, false));
    QFile(dir.filePath("AVXZ_1")).open(QIODevice::WriteOnly);   // a leftover: the next number is taken
    EXPECT_TRUE(KommZugriffstest(dir.path(), netzVerfahrenOrdner, m, true, false));
    EXPECT_TRUE(QFile::exists(dir.filePath("AVXZ_1")));
    EXPECT_FALSE(QFile::exists(dir.filePath("AVXZ_2")));
    EXPECT_FALSE(KommZugriffstest(dir.path() + "/fehlt", netzVerfahrenOrdner, m, false, false));
    EXPECT_EQ(m.Texte(), (QStringList{KommDatagrammTestText(), KommTestErfolgreichText(), KommTestErfolgreichText(),
                                      KommRechteText(dir.path() + "/fehlt", false)}));
    EXPECT_EQ(m.Gezeigt().back().Art, MeldungArt::Warnung);
    EXPECT_TRUE(KommRechteText("X", false).contains("unter dem Menüpunkt \"Optionen / Kommunikationsordner...\" ein"));
    EXPECT_FALSE(KommRechteText("X", true).contains("Menüpunkt"));
    EXPECT_TRUE(KommPortHinweis("MASTER-1", kNetzBasisportVorgabe).contains("48433"));
}

TEST(NetzLoesungen, NummernJeDokumenttyp)
{
    auto obj = [](int typ, int frage, int anzeige, const char *cap = "x") {
        ObjDataTyp o;
        o.Typ = typ;
        o.FrageNummer = frage;
        o.AnzeigeNummer = anzeige;
        o.Cap = QString::fromUtf8(cap);
        return o;
    };
    Dokument d;
    // image labelling: the numbers the view shows; text input only kinds 0, 3, 60
    d.Kopf.DokTyp = dokBildbeschriftung;
    d.Objekte = {obj(objAbfrageBeschriftung, -1, 2), obj(objFixeBeschriftung, -1, -1), obj(objAbfrageBild, -1, 1),
                 obj(objAbfrageLuecke, -1, 0)};
    EXPECT_EQ(NetzLoesungsnummern(d, false), (std::vector<int>{2, 0, 1, 0}));
    EXPECT_EQ(NetzLoesungsnummern(d, true), (std::vector<int>{2, 0, 0, 0}));
    EXPECT_EQ(NetzAbfragespalten(d, false, 2), 2);
    EXPECT_EQ(NetzAbfragespalten(d, true, 2), 0);

    d.Kopf.DokTyp = dokEinzelfragen;
    d.Objekte = {obj(objFrageText, 1, -1), obj(objFrageAntwort, 1, 1), obj(objFrageAntwort, 2, 2)};
    EXPECT_EQ(NetzLoesungsnummern(d, false), (std::vector<int>{0, 1, 2}));

    d.Kopf.DokTyp = dokCluster;
    d.Objekte = {obj(40, 0, -1), obj(41, 1, -1), obj(43, 2, -1), obj(42, 3, -1)};
    EXPECT_EQ(NetzLoesungsnummern(d, false), (std::vector<int>{0, 1, 2, 0}));

    // cross matching: each element carries its partner's pair number
    d.Kopf.DokTyp = dokKreuzZuordnung;
    d.Objekte = {obj(50, 1, -1), obj(51, 2, -1), obj(52, -1, -1)};
    d.Objekte[0].PartnerIndex = 1;
    d.Objekte[1].PartnerIndex = 0;
    d.Objekte[2].PartnerIndex = 0;
    EXPECT_EQ(NetzLoesungsnummern(d, false), (std::vector<int>{2, 1, 0}));

    d.Kopf.DokTyp = dokWoerterFinden;
    EXPECT_EQ(NetzAbfragespalten(d, false, 5), 0);
}

TEST(NetzLoesungen, ProtokollMitMultipleChoiceUndBuchstaben)
{
    auto obj = [](int typ, int frage, const char *cap) {
        ObjDataTyp o;
        o.Typ = typ;
        o.FrageNummer = frage;
        o.Cap = QString::fromUtf8(cap);
        return o;
    };
    Dokument d;
    d.Kopf.DokTyp = dokMultipleChoice;
    // question 1: two correct answers; question 2: none; question 10 sorts after 2 (right-aligned)
    d.Objekte = {obj(objMCFrage, 1, "Welche sind rund?"), obj(24, 1, "+"), obj(25, 1, "Kreis"),
                 obj(24, 1, "-"),                       obj(25, 1, "Quadrat"), obj(24, 1, "+"),
                 obj(25, 1, "Kugel"),                   obj(objMCFrageBild, 2, "Frage"), obj(24, 2, "+ "),
                 obj(25, 2, "fast"),                    obj(objMCFrage, 10, "Zehn"), obj(24, 10, "+"),
                 obj(27, 10, "Bildantwort")};
    const std::vector<int> n = NetzLoesungsnummern(d, false);
    EXPECT_EQ(n, (std::vector<int>{1, 0, 0, 0, 0, 0, 0, 2, 0, 0, 10, 0, 0}));
    const QString p = NetzProtokollAufbauen(d, n, {"Rechnername:\tLEHRER", ""}, nullptr);
    EXPECT_EQ(p, QStringLiteral("<tit>Netzwerk-Übung\r\nRechnername:\tLEHRER\r\n\r\n<tit>Lösungen\r\n"
                                "Hinweise: Die Nummern dienen zur Zuordnung im Teilnehmerprotokoll am Lehrer-PC.\r\n"
                                "Wenn in den Übungseinstellungen \"zufällig gemischt\" gewählt wurde, ist die "
                                "Nummerierung auf den Teilnehmer-PCs davon abweichend.\r\n"
                                "1 - Kreis, Kugel\r\n2 - (keine)\r\n10 - Bildantwort\r\n"));

    // letters, the normalised caption, images of cluster cards
    Dokument c;
    c.Kopf.DokTyp = dokCluster;
    c.Kopf.NumArt = 1;
    c.Objekte = {obj(41, 2, "  Hund "), obj(43, 1, ""), obj(41, 27, "katze")};
    const QString q = NetzProtokollAufbauen(c, NetzLoesungsnummern(c, false), {},
                                            [](const QString &s) { return s.trimmed().toUpper(); });
    EXPECT_TRUE(q.endsWith(QStringLiteral("A - (Bild)\r\nA' - KATZE\r\nB - HUND\r\n"))) << q.toStdString();
}

TEST(NetzKontrollanzeige, AbfragezellenUndText)
{
    struct Fall
    {
        int Fehlversuche;
        int Abgedeckt;
        const char *Zelle;
    };
    const Fall faelle[] = {{0, abgAufgedeckt, "ok"}, {0, abgGeloest, "ok"}, {1, abgFehlversuch, "f"},
                           {2, abgGeloest, "ff ok"}, {3, abgOhneRueckmeldung, "fff"}, {0, abgAusstehend, ""}};
    for (const Fall &f : faelle)
        EXPECT_EQ(NetzKontrollModell::AbfrageZelle(f.Fehlversuche, f.Abgedeckt), f.Zelle);
    EXPECT_EQ(NetzKontrollModell::AbfrageZelle(5000, 0).size(), kNetzFehlversucheHoechstwert + 3);

    NetzKontrollModell k;
    k.Einrichten(2, false, QStringLiteral("Note"));
    EXPECT_EQ(k.Text(), QStringLiteral("Nr.\tRechner\tTeilnehmer\tStatus\tBeginn\tZeit\tAnz.\tRichtig\tFalsch\tQuote\t"
                                       "Offen\tLeistung\tNote\t1\t2\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n"));
    k.TeilnehmerHinzufuegen("PC-1", "Anna", "08:00:00");
    EXPECT_TRUE(k.Text().endsWith("1\tPC-1\tAnna\taktiv\t08:00:00\t\t\t\t\t\t\t\t\t\t\r\n"));
    EXPECT_EQ(k.Rechtsbuendig(), (std::vector<bool>{true, false, false, true, true, true, true, true, true, true, true,
                                                    true, true, true, true}));
    EXPECT_EQ(KontrollanzeigeTitel(true), QStringLiteral("Netzwerk-Übung - Kontrollanzeige - Status: aktiv"));
    EXPECT_EQ(KontrollanzeigeTitel(false), QStringLiteral("Netzwerk-Übung - Kontrollanzeige - Status: beendet"));
}
