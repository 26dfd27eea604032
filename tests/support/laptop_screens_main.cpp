#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryFile>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string_view>

#include "laptop_screens.h"
#include "test_arguments.h"

const char* g_expectedArialFace = nullptr;

QScreen* LaptopScreen(double scale)
{
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->devicePixelRatio() == scale)
            return screen;
    ADD_FAILURE() << "no screen of scale " << scale;
    return QGuiApplication::primaryScreen();
}

// Widget tests drawn off screen on one screen per laptop scale, side by side.
int main(int argc, char** argv)
{
    QJsonArray screens;
    int left = 0;
    for (const double scale : kLaptopScales) {
        screens.append(QJsonObject{{"name", QStringLiteral("scale %1").arg(scale)}, {"x", left}, {"y", 0},
                                   {"width", 1920}, {"height", 1080}, {"logicalDpi", 96}, {"dpr", scale}});
        left += 1920;
    }
    QTemporaryFile config;
    if (!config.open() || config.write(QJsonDocument(QJsonObject{{"screens", screens}}).toJson()) < 0 || !config.flush())
        return EXIT_FAILURE;
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.fileName()).toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        constexpr std::string_view kFace = "--arial-face=";
        if (std::string_view(argv[i]).substr(0, kFace.size()) == kFace)
            g_expectedArialFace = argv[i] + kFace.size();
    }
    return RUN_ALL_TESTS();
}
