#include "platform/Einstellungsspeicher.h"

#include "Einstellungstesthilfen.h"


#include <cmath>
#include <limits>
#include <memory>

using namespace kalumo;
using kalumo::test::XdgTest;

namespace {

class Speicher : public XdgTest, public ::testing::WithParamInterface<bool>
{
protected:
    // The parameter picks the store: true the INI file, false memory.
    std::unique_ptr<WerteSpeicher> Neu()
    {
        if (GetParam())
            return std::make_unique<IniEinstellungsspeicher>(Pfad("config/Kalumo/Kalumo.ini"));
        return std::make_unique<EinstellungsspeicherImSpeicher>();
    }
};

// Reads a value back with the getter of the type it was written with.
EinstellungsWert Zurueck(const Einstellungsspeicher &s, const QString &name, const EinstellungsWert &wie)
{
    switch (wie.index()) {
    case 0: return s.Bool(name, !std::get<bool>(wie));
    case 1: return s.Int(name, std::get<int>(wie) ^ 1);
    case 2: return s.Double(name, -1.0);
    default: return s.Text(name, QStringLiteral("<fehlt>"));
    }
}

} // namespace

TEST_P(Speicher, NamenVergleichenOhneRuecksichtAufGrossKleinschreibung)
{
    auto s = Neu();
    s->setzen("UebOpt-ZeitLimit", 2);
    EXPECT_TRUE(s->hat("UebOpt-Zeitlimit"));
    EXPECT_TRUE(s->hat("uebopt-zeitlimit"));
    EXPECT_EQ(s->Int("UebOpt-Zeitlimit", 0), 2);

    // a later write under another spelling replaces the value, the first spelling stays
    s->setzen("UEBOPT-ZEITLIMIT", 3);
    EXPECT_EQ(s->Namen(), QStringList{"UebOpt-ZeitLimit"});
    EXPECT_EQ(s->Int("UebOpt-Zeitlimit", 0), 3);
    EXPECT_FALSE(s->hat("UebOpt-Zeitlimit2"));
}

TEST_P(Speicher, FehlendeOderUnlesbareWerteGebenDieVorgabe)
{
    auto s = Neu();
    s->setzen("Wort", QStringLiteral("abc"));
    s->setzen("Leer", QString());
    for (const char *name : {"Fehlt", "Wort", "Leer"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(s->Int(name, 42), 42);
        EXPECT_EQ(s->Double(name, 0.5), 0.5);
        EXPECT_TRUE(s->Bool(name, true));
        EXPECT_FALSE(s->Bool(name, false));
    }
    EXPECT_EQ(s->Text("Fehlt", "v"), "v");
    EXPECT_EQ(s->Text("Leer", "v"), "");   // an empty string is a value of its own
}

TEST_P(Speicher, EinLiteralIstEinText)
{
    // without the overload for literals "Arial" would become the bool true
    auto s = Neu();
    s->setzen("Opt-Schriftart", "Arial");
    ASSERT_TRUE(s->Wert("Opt-Schriftart"));
    EXPECT_EQ(s->Wert("Opt-Schriftart")->index(), 3u);
    EXPECT_EQ(s->Text("Opt-Schriftart", {}), "Arial");
}

INSTANTIATE_TEST_SUITE_P(InDateiUndImSpeicher, Speicher, ::testing::Bool(),
                         [](const auto &info) { return info.param ? "Ini" : "Speicher"; });

using IniSpeicher = XdgTest;

TEST_F(IniSpeicher, JederWertKommtMitSeinemTypUnveraendertZurueck)
{
    const struct
    {
        const char *name;
        EinstellungsWert wert;
    } faelle[] = {
        {"Wahr", true},
        {"Falsch", false},
        {"Null", 0},
        {"Klein", std::numeric_limits<int>::min()},
        {"Gross", std::numeric_limits<int>::max()},
        {"Quote", 0.85},
        {"Drittel", 1.0 / 3.0},
        {"Summe", 0.1 + 0.2},
        {"Winzig", 4.9e-324},
        {"Riesig", -1.7976931348623157e308},
        {"Ganz", 2.0},
        {"Umlaute", QStringLiteral("Grüße aus Köln: Übung, Ärger; ß")},
        {"Zeichen", QStringLiteral("üû«JKL+-rf")},
        {"Sonder", QStringLiteral("a=b \"zitiert\" ; # [x] \\pfad\\ %20 @Variant(x)")},
        {"Raender", QStringLiteral("  Leerzeichen aussen  ")},
        {"Zeilen", QStringLiteral("eins\r\nzwei\tdrei")},
        {"Leer", QString()},
        {"WieBool", QStringLiteral("true")},
        {"WieZahl", QStringLiteral("0.5")},
        {"Opt-ProtOrdner", QStringLiteral("/home/lehrer/Übungen/protokolle/")},
    };
    const QString pfad = Pfad("config/Kalumo/Kalumo.ini");
    {
        IniEinstellungsspeicher s(pfad);
        for (const auto &f : faelle)
            std::visit([&](const auto &w) { s.setzen(f.name, w); }, f.wert);
        ASSERT_TRUE(s.sichern());
    }
    IniEinstellungsspeicher wieder(pfad);
    EXPECT_EQ(wieder.Namen().size(), qsizetype(std::size(faelle)));
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.name);
        const EinstellungsWert zurueck = Zurueck(wieder, f.name, f.wert);
        EXPECT_TRUE(zurueck == f.wert) << WerteSpeicher::AlsText(zurueck).toStdString();
    }
    EXPECT_TRUE(std::signbit(wieder.Double("Riesig", 0)));
}

TEST_F(IniSpeicher, HandgeschriebeneUndFremdeWerteBleibenErhalten)
{
    const QString pfad = Schreiben("Kalumo.ini",
                                   "; von Hand\n"
                                   "[General]\n"
                                   "UebOpt-ZeitLimit=1\n"
                                   "Opt-Sound=false\n"
                                   "Opt-NoteMinQuote1=0.9\n"
                                   "Fremd-Wert=behalten\n"
                                   "kaputte Zeile ohne Gleichheitszeichen\n"
                                   "[Andere Gruppe]\n"
                                   "Schluessel=7\n");
    IniEinstellungsspeicher s(pfad);
    EXPECT_EQ(s.Int("UebOpt-Zeitlimit", 0), 1);
    EXPECT_FALSE(s.Bool("opt-sound", true));
    EXPECT_EQ(s.Double("Opt-NoteMinQuote1", 0), 0.9);

    s.setzen("Opt-Sound", true);
    ASSERT_TRUE(s.sichern());
    IniEinstellungsspeicher wieder(pfad);
    EXPECT_TRUE(wieder.Bool("Opt-Sound", false));
    EXPECT_EQ(wieder.Int("UebOpt-Zeitlimit", 0), 1);
    EXPECT_EQ(wieder.Text("Fremd-Wert", {}), "behalten");
    EXPECT_EQ(wieder.Int("Andere Gruppe/Schluessel", 0), 7);
}

TEST_F(IniSpeicher, LiegtUnterXdgConfigHomeUndMeldetNichtSchreibbareDateien)
{
    EXPECT_EQ(IniEinstellungsspeicher::StandardPfad(), Pfad("config") + "/Kalumo/Kalumo.ini");
    IniEinstellungsspeicher fehlt(Pfad("gibt-es-nicht/Kalumo.ini"));
    EXPECT_TRUE(fehlt.Namen().isEmpty());

    // the folder of the file cannot be created: a file is in the way
    Schreiben("datei", "x");
    IniEinstellungsspeicher blockiert(Pfad("datei/Kalumo/Kalumo.ini"));
    blockiert.setzen("Opt-Sound", true);
    EXPECT_FALSE(blockiert.sichern());
}
