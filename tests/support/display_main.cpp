#include <QApplication>
#include <gtest/gtest.h>

// Tests that draw widgets of their own on the display they run under, with the platform
// plugin, fonts and settings the game's own process gets there.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
