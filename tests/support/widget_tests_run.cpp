#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string_view>

#include "test_arguments.h"

const char* g_expectedArialFace = nullptr;

int RunWidgetTests(int argc, char** argv, const char* platform)
{
    setenv("QT_QPA_PLATFORM", platform, 1);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        constexpr std::string_view kFace = "--arial-face=";
        if (std::string_view(argv[i]).substr(0, kFace.size()) == kFace)
            g_expectedArialFace = argv[i] + kFace.size();
    }
    return RUN_ALL_TESTS();
}
