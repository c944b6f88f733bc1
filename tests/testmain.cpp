// Test main: a headless Qt application, then GoogleTest.
#ifdef KALUMO_TEST_WIDGETS
#include <QApplication>
using TestAnwendung = QApplication;
#else
#include <QGuiApplication>
using TestAnwendung = QGuiApplication;
#endif

#include <QTemporaryDir>

#include "platform/Uebersetzung.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // tests never touch the real home: settings and data folders live in a temporary folder
    QTemporaryDir zuhause;
    qputenv("XDG_CONFIG_HOME", (zuhause.path() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (zuhause.path() + "/data").toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", (zuhause.path() + "/etc").toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    TestAnwendung app(argc, argv);
#ifdef KALUMO_TEST_WIDGETS
    // windows show Qt's own texts in German, as in the program
    kalumo::QtUebersetzungLaden(app);
#endif
    // dates and times as the program shows them
    kalumo::DeutschesGebietsschema();
    return RUN_ALL_TESTS();
}
