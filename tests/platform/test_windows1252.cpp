#include "platform/Windows1252.h"

#include <gtest/gtest.h>

using namespace kalumo;

TEST(Windows1252, JedesByteUebersteht_HinUndZurueck)
{
    QByteArray alle;
    for (int i = 0; i < 256; ++i)
        alle.append(char(i));
    EXPECT_EQ(NachWindows1252(AusWindows1252(alle)), alle);
}

TEST(Windows1252, ZeichenDerCodepage)
{
    struct Fall { unsigned char byte; char16_t zeichen; };
    const Fall faelle[] = {
        {0x41, u'A'}, {0x80, u'€'}, {0x84, u'„'}, {0x93, u'“'}, {0x96, u'–'}, {0x9F, u'Ÿ'},
        {0xC4, u'Ä'}, {0xD6, u'Ö'}, {0xDC, u'Ü'}, {0xDF, u'ß'}, {0xE4, u'ä'}, {0xFC, u'ü'},
    };
    for (const Fall &f : faelle) {
        const QByteArray b(1, char(f.byte));
        EXPECT_EQ(AusWindows1252(b), QString(QChar(f.zeichen))) << int(f.byte);
        EXPECT_EQ(NachWindows1252(QString(QChar(f.zeichen))), b) << int(f.byte);
    }
}

TEST(Windows1252, NichtDarstellbaresWirdFragezeichen)
{
    // Cyrillic, a CJK character and a character outside the basic plane (one '?')
    EXPECT_EQ(NachWindows1252(QString::fromUtf8("a\xD0\x96" "b\xE4\xB8\xAD" "c\xF0\x9F\x98\x80" "d")), QByteArray("a?b?c?d"));
}
