#include "platform/Meldungen.h"

#include <gtest/gtest.h>

using namespace kalumo;

TEST(Meldungen, SkriptBeantwortetFragenInReihenfolgeUndZeichnetAufUndSagtSonstNein)
{
    SkriptMeldungen m;
    m.AntwortVormerken(Antwort::Ja);
    m.AntwortVormerken(Antwort::Abbrechen);
    m.Information("eins");
    EXPECT_EQ(m.Frage("zwei", FrageKnoepfe::JaNeinAbbrechen), Antwort::Ja);
    EXPECT_EQ(m.Frage("drei", FrageKnoepfe::JaNeinAbbrechen), Antwort::Abbrechen);
    EXPECT_EQ(m.Frage("vier"), Antwort::Nein); // nothing queued: never agree by accident
    m.Fehler("fünf");
    EXPECT_EQ(m.Texte(), (QStringList{"eins", "zwei", "drei", "vier", "fünf"}));
    EXPECT_EQ(m.Gezeigt().back().Art, MeldungArt::Fehler);
}

TEST(Meldungen, TitelSindDeutsch)
{
    EXPECT_EQ(MeldungTitel(MeldungArt::Information), "Information");
    EXPECT_EQ(MeldungTitel(MeldungArt::Frage), "Bestätigung");
    EXPECT_EQ(MeldungTitel(MeldungArt::Warnung), "Warnung");
    EXPECT_EQ(MeldungTitel(MeldungArt::Fehler), "Fehler");
}

TEST(Meldungen, StderrZeigtJedeMeldungAufEinerZeile)
{
    EXPECT_EQ(StderrMeldungen::Einzeilig("a\r\nb\nc\rd"), "a b c d");
}
