#include "platform/Rechner.h"

#include <QSysInfo>

#include <gtest/gtest.h>

using namespace kalumo;

TEST(Rechner, NamenAusDerUmgebungOderVomSystem)
{
    qputenv("KALUMO_RECHNERNAME", "PC-RAUM-12");
    qputenv("KALUMO_BENUTZERNAME", "schueler7");
    EXPECT_EQ(Rechnername(), "PC-RAUM-12");
    EXPECT_EQ(Rechnerbenutzer(), "schueler7");
    qunsetenv("KALUMO_RECHNERNAME");
    qunsetenv("KALUMO_BENUTZERNAME");
    EXPECT_EQ(Rechnername(), QSysInfo::machineHostName());
    EXPECT_FALSE(Rechnerbenutzer().isEmpty());

    // KALUMO_BENUTZER wins over the older KALUMO_BENUTZERNAME
    qputenv("KALUMO_BENUTZER", "lehrer");
    qputenv("KALUMO_BENUTZERNAME", "schueler7");
    EXPECT_EQ(Rechnerbenutzer(), "lehrer");
    qunsetenv("KALUMO_BENUTZER");
    qunsetenv("KALUMO_BENUTZERNAME");
}
