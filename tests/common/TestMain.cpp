// gtest entry point shared by every test program. A QApplication exists for the
// whole run because widgets, fonts and QPainter on QImage need one.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    // Settings that Qt and the program keep per user (file dialog history,
    // the program's settings file) go to a folder of this run, not into the
    // account running the tests.
    QTemporaryDir config;
    if (config.isValid())
        setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
