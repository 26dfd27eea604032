#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

// Widget tests draw off screen, also while CTest lists them.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
