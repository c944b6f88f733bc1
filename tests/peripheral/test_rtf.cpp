#include "peripheral/Rtf.h"


#include <gtest/gtest.h>

using namespace kalumo;

TEST(Rtf, TextWirdMitEscapesGeschrieben)
{
    const QByteArray rtf = RtfAusText(QString::fromUtf8("Größe {a}\\b\r\nzweite Zeile\t€ ☺"), "Arial", 11);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_TRUE(rtf.endsWith("}"));
    EXPECT_TRUE(rtf.contains("\\fs22 "));
    EXPECT_TRUE(rtf.contains("Gr\\'f6\\'dfe \\{a\\}\\\\b\\par\r\nzweite Zeile\\tab \\'80 \\u9786?"));
    // braces stay balanced, so the file is one group
    int tiefe = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
            continue;
        }
        tiefe += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
        ASSERT_GE(tiefe, 0);
    }
    EXPECT_EQ(tiefe, 0);
}
