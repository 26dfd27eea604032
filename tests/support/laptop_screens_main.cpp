#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>
#include <QTemporaryFile>
#include <cstdlib>
#include <gtest/gtest.h>

#include "laptop_screens.h"
#include "test_arguments.h"

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
    return RunWidgetTests(argc, argv, ("offscreen:configfile=" + config.fileName()).toLocal8Bit().constData());
}
