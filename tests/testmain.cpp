// Test main: a headless Qt application, then GoogleTest.
#ifdef KALUMO_TEST_WIDGETS
#include <QApplication>
using TestAnwendung = QApplication;
#else
#include <QGuiApplication>
using TestAnwendung = QGuiApplication;
#endif

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TestAnwendung app(argc, argv);
    return RUN_ALL_TESTS();
}
