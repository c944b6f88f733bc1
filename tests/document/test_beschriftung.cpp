#include "document/Beschriftung.h"

#include <gtest/gtest.h>

using namespace kalumo;

namespace {

struct Fall
{
    const char *caption;   // lines joined with CR LF
    const char *gespeichert;
};

// Captions and their stored form, both ways.
const Fall kFaelle[] = {
    {"", ""},
    {"Wurzel", "Wurzel"},
    {"a b", "\"a b\""},
    {"x\r\n\r\ny,z", "x,,\"y,z\""},
    {"Er sagte \"Hallo\"", "\"Er sagte \"\"Hallo\"\"\""},
    {"eins\r\nzwei", "eins,zwei"},
    {"Tab\there", "\"Tab\there\""},
    {" führend", "\" führend\""},
    {"Straße,Weg", "\"Straße,Weg\""},
};

} // namespace

TEST(Beschriftung, KodierenUndDekodieren)
{
    for (const Fall &f : kFaelle) {
        const QString cap = QString::fromUtf8(f.caption);
        EXPECT_EQ(BeschriftungKodieren(cap), QString::fromUtf8(f.gespeichert)) << f.caption;
        EXPECT_EQ(BeschriftungDekodieren(QString::fromUtf8(f.gespeichert)), cap) << f.gespeichert;
    }
}

TEST(Beschriftung, EineLeereZeileWirdZuZweiAnfuehrungszeichen)
{
    EXPECT_EQ(BeschriftungKodieren("\r\n"), "\"\"");
    EXPECT_EQ(BeschriftungDekodieren("\"\""), "");
}

TEST(Beschriftung, ZeilenendenAllerArtenUndAbschliessenderUmbruch)
{
    EXPECT_EQ(BeschriftungKodieren("a\nb\rc\r\nd\r\n"), "a,b,c,d");
}

TEST(Beschriftung, LesenUeberspringtLeerraumUmKommasUndAmEnde)
{
    struct { const char *gespeichert; const char *caption; } faelle[] = {
        {"  a ,  b  ", "a\r\nb"},
        {"\"a\"\"\"  , b", "a\"\r\nb"},
        {"a,", "a"},
        {"\"offen", "offen"},        // an unterminated quote ends at the end of the text
    };
    for (const auto &f : faelle) {
        QString s = QString::fromUtf8(f.gespeichert);
        EXPECT_EQ(BeschriftungDekodieren(s), QString::fromUtf8(f.caption)) << f.gespeichert;
    }
    // a NUL in the stored text is neither a separator nor part of a word, and never stalls the reader
    const QString mitNull = QString("a") + QChar(0) + QString("b");
    EXPECT_EQ(BeschriftungDekodieren(mitNull), "a\r\nb");
}
