#include <QCoreApplication>
#include <gtest/gtest.h>

// Tests that run processes and wait for them with Qt's event loop, without a window of their own.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
