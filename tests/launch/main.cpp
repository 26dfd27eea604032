#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

// The launcher's message boxes are drawn off screen, also while CTest lists the tests.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
