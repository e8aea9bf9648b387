// gtest entry point shared by every test program. A QApplication exists for the
// whole run because widgets, fonts and QPainter on QImage need one.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
