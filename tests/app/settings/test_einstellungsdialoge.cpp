#include "app/settings/Einstellungsdialoge.h"

#include "Einstellungstesthilfen.h"

#include <QDir>

using namespace kalumo;
using namespace kalumo::test;

namespace {

class Dialoglogik : public XdgTest
{
protected:
    void SetUp() override
    {
        XdgTest::SetUp();
        for (const char *o : {"chronik", "prot", "best", "tausch", "galerie", "serien"})
            QDir().mkpath(Pfad(o));
        Schreiben("datei.txt", "x");
        Schreiben("programm", "#!/bin/sh\n");
        QFile(Pfad("programm")).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Valid folders, typed without trailing separator.
    OrdnerEingaben Gueltig() const
    {
        return {Pfad("chronik"), Pfad("prot"), Pfad("best"), Pfad("tausch"), Pfad("galerie"), Pfad("serien")};
    }
};

} // namespace

TEST_F(Dialoglogik, DateiordnerWerdenInDerPruefreihenfolgeGeprueft)
{
    const struct
    {
        const char *fall;
        std::vector<std::pair<Ordnerfeld, QString>> aenderungen;   // relative to Pfad(), "" stays empty
        std::optional<Ordnerfeld> fehler;
    } faelle[] = {
        {"alle gueltig", {}, std::nullopt},
        {"leer", {{Ordnerfeld::Chronik, ""}}, Ordnerfeld::Chronik},
        {"fehlt", {{Ordnerfeld::Protokolle, "gibt-es-nicht"}}, Ordnerfeld::Protokolle},
        {"eine Datei", {{Ordnerfeld::Serien, "datei.txt"}}, Ordnerfeld::Serien},
        {"erster gewinnt", {{Ordnerfeld::Serien, ""}, {Ordnerfeld::Bestenlisten, "fehlt"}, {Ordnerfeld::Tauschboerse, "x"}},
         Ordnerfeld::Bestenlisten},
        {"mit Trennzeichen", {{Ordnerfeld::BilderGalerie, "galerie/"}}, std::nullopt},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.fall);
        OrdnerEingaben e = Gueltig();
        for (const auto &[feld, relativ] : f.aenderungen)
            Eingabe(e, feld) = relativ.isEmpty() ? QString() : Pfad(relativ);
        const OrdnerEingaben vorher = e;
        const OrdnerPruefung p = DateiordnerPruefen(e);
        EXPECT_EQ(p.Fehlerfeld, f.fehler);
        EXPECT_EQ(p.Meldung, f.fehler ? DateiordnerFehlermeldung(*f.fehler) : QString());
        // up to the failing field every non-empty text got its trailing '/', the rest is untouched
        const int bis = f.fehler ? int(*f.fehler) : kOrdnerfeldAnzahl - 1;
        for (int i = 0; i < kOrdnerfeldAnzahl; ++i) {
            const QString &alt = vorher[size_t(i)];
            EXPECT_EQ(e[size_t(i)], i <= bis ? MitTrennzeichen(alt) : alt) << i;
        }
    }
}

TEST(Dateiordner, MeldungenUndZuordnungZuDenOrdnern)
{
    const struct
    {
        Ordnerfeld feld;
        const char *meldung;
        QString OrdnerTyp::*ordner;
    } faelle[] = {
        {Ordnerfeld::Chronik, "Der angegebene Ordner für die Chronik-Screenshots ist ungültig.", &OrdnerTyp::Chronik},
        {Ordnerfeld::Protokolle, "Der angegebene Ordner für die Protokolle ist ungültig.", &OrdnerTyp::Protokolle},
        {Ordnerfeld::Bestenlisten, "Der angegebene Ordner für die Bestenlisten ist ungültig.", &OrdnerTyp::Bestenlisten},
        {Ordnerfeld::Tauschboerse, "Der angegebene Ordner für die Tauschbörse ist ungültig.", &OrdnerTyp::Tauschboerse},
        {Ordnerfeld::BilderGalerie, "Der angegebene Ordner für die Bildergalerie ist ungültig.", &OrdnerTyp::BilderGalerie},
        {Ordnerfeld::Serien, "Der angegebene Ordner zum Öffnen von Übungs-Serien ist ungültig.", &OrdnerTyp::Kausp},
    };
    OrdnerTyp ordner = TestVorgaben().Ordner;
    const OrdnerTyp vorher = ordner;
    OrdnerEingaben neu;
    for (int i = 0; i < kOrdnerfeldAnzahl; ++i)
        neu[size_t(i)] = "/neu/" + QString::number(i) + "/";
    DateiordnerUebernehmen(neu, ordner);
    for (const auto &f : faelle) {
        EXPECT_EQ(DateiordnerFehlermeldung(f.feld), QString::fromUtf8(f.meldung));
        EXPECT_EQ(Eingabe(DateiordnerEingaben(vorher), f.feld), vorher.*f.ordner);
        EXPECT_EQ(ordner.*f.ordner, Eingabe(neu, f.feld));
    }
    EXPECT_EQ(ordner.NetzKom, vorher.NetzKom);   // not a field of the dialog
}

TEST_F(Dialoglogik, VerknuepfungenBrauchenVorhandeneDateien)
{
    const struct
    {
        const char *fall;
        std::array<QString, 4> programme;   // V1, V2, V3, keyboard
        std::optional<Verknuepfungsfeld> fehler;
    } faelle[] = {
        {"alle leer", {"", "  ", "", ""}, std::nullopt},
        {"mit Leerraum", {"  " + Pfad("programm") + " ", Pfad("datei.txt"), "", ""}, std::nullopt},
        {"fehlt", {Pfad("programm"), Pfad("fehlt"), "", ""}, Verknuepfungsfeld::V2},
        {"ein Ordner", {"", "", Pfad("chronik"), ""}, Verknuepfungsfeld::V3},
        {"Tastatur", {"", "", "", "onboard"}, Verknuepfungsfeld::Bildschirmtastatur},
        {"erster gewinnt", {Pfad("fehlt"), "", "", Pfad("fehlt")}, Verknuepfungsfeld::V1},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.fall);
        VerknuepfungsfelderTyp v;
        for (int i = 0; i < 3; ++i)
            v.Felder[i].Datei = f.programme[i];
        v.TastaturDatei = f.programme[3];
        const VerknuepfungsPruefung p = VerknuepfungenPruefen(v);
        EXPECT_EQ(p.Fehlerfeld, f.fehler);
        EXPECT_EQ(p.Meldung, f.fehler ? VerknuepfungFehlermeldung(*f.fehler) : QString());
    }

    EXPECT_EQ(VerknuepfungFehlermeldung(Verknuepfungsfeld::V1), "Die für Verknüpfungsfeld V1 angegebene Datei ist ungültig.");
    EXPECT_EQ(VerknuepfungFehlermeldung(Verknuepfungsfeld::V3), "Die für Verknüpfungsfeld V3 angegebene Datei ist ungültig.");
    EXPECT_EQ(VerknuepfungFehlermeldung(Verknuepfungsfeld::Bildschirmtastatur),
              "Die für Verknüpfungsfeld für Bildschirmtastatur angegebene Datei ist ungültig.");
}

TEST(Verknuepfungen, LoeschenSetztDasFeldZurueckUndUebernommenWirdGetrimmt)
{
    VerknuepfungsfelderTyp v;
    for (int i = 0; i < 3; ++i)
        v.Felder[i] = {" /p" + QString::number(i) + " ", " Name ", " Hinweis "};
    v.TastaturDatei = "/usr/bin/onboard ";
    v.TastaturHinweis = "Tastatur";

    VerknuepfungsfelderTyp geloescht = v;
    VerknuepfungLoeschen(geloescht, Verknuepfungsfeld::V2);
    EXPECT_EQ(geloescht.Felder[1], (VerknuepfungTyp{"", "V2", "Programmverknüpfung 2"}));
    EXPECT_EQ(geloescht.Felder[0], v.Felder[0]);
    EXPECT_EQ(geloescht.TastaturDatei, v.TastaturDatei);
    VerknuepfungLoeschen(geloescht, Verknuepfungsfeld::Bildschirmtastatur);
    EXPECT_EQ(geloescht.TastaturDatei, "");
    EXPECT_EQ(geloescht.TastaturHinweis, "Bildschirmtastatur");
    EXPECT_EQ(geloescht.Felder[2], v.Felder[2]);

    const VerknuepfungsfelderTyp b = VerknuepfungenBereinigt(v);
    EXPECT_EQ(b.Felder[0], (VerknuepfungTyp{"/p0", "Name", "Hinweis"}));
    EXPECT_EQ(b.TastaturDatei, "/usr/bin/onboard");
}

TEST_F(Dialoglogik, VerknuepfungOeffnenStartetProgrammeUndMeldetFehler)
{
    SkriptMeldungen meldungen;
    SkriptDateioeffner oeffner;
    EXPECT_TRUE(VerknuepfungOeffnen(Pfad("datei.txt"), oeffner, meldungen));
    EXPECT_TRUE(VerknuepfungOeffnen(Pfad("programm"), oeffner, meldungen));
    EXPECT_EQ(oeffner.Aufrufe, (QStringList{"oeffnen:" + Pfad("datei.txt"), "starten:" + Pfad("programm")}));
    EXPECT_TRUE(meldungen.Texte().isEmpty());

    oeffner.Erfolg = false;
    EXPECT_FALSE(VerknuepfungOeffnen("/pfad/zu/datei.pdf", oeffner, meldungen));
    EXPECT_EQ(meldungen.Texte(), QStringList{"Die Datei \"/pfad/zu/datei.pdf\" kann nicht geöffnet werden."});
    EXPECT_EQ(meldungen.Gezeigt().back().Art, MeldungArt::Fehler);

    const struct
    {
        const char *programm;
        Qt::MouseButton knopf;
        VerknuepfungsKlick aktion;
    } klicks[] = {
        {"/usr/bin/x", Qt::LeftButton, VerknuepfungsKlick::Oeffnen},
        {"/usr/bin/x", Qt::MiddleButton, VerknuepfungsKlick::Oeffnen},
        {"/usr/bin/x", Qt::RightButton, VerknuepfungsKlick::DialogZeigen},
        {"", Qt::LeftButton, VerknuepfungsKlick::DialogZeigen},
        {"  ", Qt::MiddleButton, VerknuepfungsKlick::DialogZeigen},
    };
    for (const auto &k : klicks)
        EXPECT_EQ(VerknuepfungKlickAuswerten(k.programm, k.knopf), k.aktion) << k.programm << " " << int(k.knopf);
}
