#include "exercise/Normtext.h"

#include <gtest/gtest.h>

using namespace kalumo;

TEST(Normtext, Tabelle)
{
    struct Fall
    {
        const char16_t *ein;
        const char16_t *aus;
    };
    const Fall faelle[] = {
        {u"Haus-\r\nbau", u"Hausbau"},                 // broken word joined
        {u"Nord-\r\nAmerika", u"Nord-Amerika"},        // hyphen kept before a capital
        {u"a\r\n b", u"a b"},                          // line break and blank: one blank
        {u"Ober-\r\närmel", u"Oberärmel"},             // an umlaut is a lower-case letter too
        {u"Seite-\r\n3", u"Seite-3"},                  // a digit has no lower case
        {u"Ende-\r\n", u"Ende-"},                      // nothing after the break
        {u"a    b", u"a b"},                           // four blanks: one pass of three, one of two
        {u"a\tb", u"a\tb"},                            // inner tabs stay
        {u"\t  Wort \r\n", u"Wort"},                   // control characters and blanks at both ends
        {u"zwei\nZeilen\rhier", u"zwei Zeilen hier"},
        {u"\u00FFx", u" \u00FFx"},                     // 0xFF at the start gets a blank in front
        {u"", u""},
        {u"   ", u""},
    };
    for (const Fall &f : faelle)
        EXPECT_EQ(normText(QString::fromUtf16(f.ein)), QString::fromUtf16(f.aus))
            << QString::fromUtf16(f.ein).toStdString();
}

TEST(Normtext, GrossUndKleinschreibungBleibt)
{
    EXPECT_NE(normText(QStringLiteral("Nordsee")), normText(QStringLiteral("nordsee")));
    EXPECT_EQ(normText(QStringLiteral(" Nordsee ")), normText(QStringLiteral("Nordsee")));
}
