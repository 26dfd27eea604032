#pragma once

#include <QSize>
#include <QString>

// What a Wayland client last told the compositor about a toplevel's pixels, read from
// the client's WAYLAND_DEBUG log: the size of the buffer it attached, the scale it declared
// for it, and the size a viewport shows it at. Empty or zero for what it never sent.
struct ToplevelBuffer {
    QSize buffer;        // in buffer pixels
    int bufferScale = 1; // wl_surface.set_buffer_scale
    QSize viewport;      // wp_viewport.set_destination, in the compositor's logical pixels
    int preferredScale = 0;  // the last wp_fractional_scale_v1.preferred_scale, in 120ths
};

#include <vector>

// Every toplevel's, in the order the client made them.
std::vector<ToplevelBuffer> ToplevelBuffers(const QString& protocolLog);
// The first toplevel's.
ToplevelBuffer LastToplevelBuffer(const QString& protocolLog);
