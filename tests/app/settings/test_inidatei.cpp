#include "platform/IniDatei.h"

#include <gtest/gtest.h>

using namespace kalumo;

TEST(IniDatei, LiestWieDieKlassischenProfilfunktionen)
{
    const IniDatei ini = IniDatei::AusBytes("\xEF\xBB\xBF"
                                            "vorher=ohne Sektion\r\n"
                                            "; Kommentar\r\n"
                                            "# auch Kommentar\r\n"
                                            "[Ordner]\r\n"
                                            "  OrdnerDefZentral = 1  \r\n"
                                            "OrdnerChronik=\\\\server\\chronik\\\r\n"
                                            "Liste=a, b,c\r\n"
                                            "Zitat=\"  mit Rand  \"\r\n"
                                            "Halb=\"nur vorn\r\n"
                                            "Gleich=a=b\r\n"
                                            "ordnerchronik=zweites Vorkommen\r\n"
                                            "=ohne Namen\r\n"
                                            "[ordner]\r\n"
                                            "Neu=aus zweitem Kopf\r\n"
                                            "[Kaputt\r\n"
                                            "Verloren=1\r\n");
    EXPECT_TRUE(ini.hatSektion("ORDNER"));
    EXPECT_EQ(ini.Int("ordner", "ORDNERDEFZENTRAL", 0), 1);
    EXPECT_EQ(ini.Text("Ordner", "OrdnerChronik", {}), "\\\\server\\chronik\\");   // first occurrence wins
    EXPECT_EQ(ini.Text("Ordner", "Liste", {}), "a, b,c");
    EXPECT_EQ(ini.Text("Ordner", "Zitat", {}), "  mit Rand  ");
    EXPECT_EQ(ini.Text("Ordner", "Halb", {}), "\"nur vorn");
    EXPECT_EQ(ini.Text("Ordner", "Gleich", {}), "a=b");
    EXPECT_EQ(ini.Text("Ordner", "Neu", {}), "aus zweitem Kopf");
    EXPECT_FALSE(ini.hat("Ordner", "vorher"));
    EXPECT_FALSE(ini.hat("Ordner", "Verloren"));
    EXPECT_FALSE(ini.hat("Ordner", ""));
    EXPECT_EQ(ini.Text("Ordner", "Fehlt", "Vorgabe"), "Vorgabe");
}

TEST(IniDatei, ZahlenUndWahrheitswerte)
{
    const IniDatei ini = IniDatei::AusBytes("[T]\n"
                                            "dez=42\nneg=-7\nhex=0x1F\ndollar=$10\nwort=ja\nleer=\n"
                                            "riesig=99999999999\nwahr=true\nfalsch=FALSE\nkomma=85,5\npunkt=85.5\n"
                                            "nan=nan\n");
    const struct
    {
        const char *key;
        int alsInt;      // default 5
        int alsBool;     // -1: the default
        double alsDouble;   // default 0.25
    } faelle[] = {
        {"dez", 42, 1, 42.0},       {"neg", -7, 1, -7.0},   {"hex", 31, 1, 0.25},    {"dollar", 16, 1, 0.25},
        {"wort", 5, -1, 0.25},      {"leer", 5, -1, 0.25},  {"riesig", 5, 1, 99999999999.0},
        {"wahr", 5, 1, 0.25},       {"falsch", 5, 0, 0.25}, {"komma", 5, -1, 85.5},  {"punkt", 5, -1, 85.5},
        {"nan", 5, -1, 0.25},       {"fehlt", 5, -1, 0.25},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.key);
        EXPECT_EQ(ini.Int("T", f.key, 5), f.alsInt);
        if (f.alsBool < 0) {
            EXPECT_TRUE(ini.Bool("T", f.key, true));
            EXPECT_FALSE(ini.Bool("T", f.key, false));
        } else {
            EXPECT_EQ(ini.Bool("T", f.key, !f.alsBool), bool(f.alsBool));
        }
        EXPECT_EQ(ini.Double("T", f.key, 0.25), f.alsDouble);
    }
}

TEST(IniDatei, TextAusWindowsUndFehlendeDatei)
{
    // "Übung" in code page 1252 is not valid UTF-8
    const IniDatei alt = IniDatei::AusBytes("[Start]\nThemenordner=/srv/\xDC" "bung/\n");
    EXPECT_EQ(alt.Text("Start", "Themenordner", {}), QString::fromUtf8("/srv/Übung/"));
    const IniDatei neu = IniDatei::AusBytes("[Start]\nThemenordner=/srv/\xC3\x9C" "bung/\n");
    EXPECT_EQ(neu.Text("Start", "Themenordner", {}), QString::fromUtf8("/srv/Übung/"));

    const IniDatei fehlt = IniDatei::Laden("/gibt/es/nicht/config.ini");
    EXPECT_FALSE(fehlt.Vorhanden());
    EXPECT_FALSE(fehlt.hatSektion("Start"));
}
