#pragma once

#include <QImage>
#include <QStringList>

// Every cell's and tool button's art in the game's main window as a device at a scale shows
// it, judged by MeasureArtOnDevice (art_on_device.h), the client area's top-left at the
// image's top-left.
struct WindowArt {
    int pixels = 0;         // device pixels judged, over all the pictures
    int mixed = 0;          // of those, shared by art pixels of different colours
    int wrong = 0;          // breaking the art rule
    double widestMix = 0;   // the largest share a mixed pixel took from its minor colour
    int foreign = 0;        // of the pixels judged, those in a colour their picture lacks
    QStringList faults;     // a line per picture with a wrong pixel or none judged
};

WindowArt MeasureWindowArt(const QImage& window, double scale);
