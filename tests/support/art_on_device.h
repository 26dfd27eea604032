#pragma once

#include <QImage>
#include <QPointF>
#include <QString>

// How a piece of pixel art shows on a device at a scale, judged from the device's pixels alone:
// each art pixel covers scale x scale device pixels from origin on. A device pixel inside one
// art pixel must be exactly its colour. One that art pixels of two colours share must lie
// between them, as far towards each as the share of the device pixel it covers (within a
// tolerance): a pixel given wholly to one of them, as nearest-neighbour scaling does, fails.
// Device pixels along the art's outer edge are left out: what is beside the art shares them.
struct ArtOnDevice {
    int pixels = 0;       // device pixels judged
    int mixed = 0;        // of those, shared by art pixels of different colours
    int wrong = 0;        // breaking the rule above
    double widestMix = 0;  // the largest share a mixed pixel took from its minor colour
    QString firstWrong;    // where and how the first wrong pixel is wrong
};

ArtOnDevice MeasureArtOnDevice(const QImage& art, const QImage& device, QPointF origin, double scale);
