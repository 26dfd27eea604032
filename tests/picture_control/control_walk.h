#pragma once

#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "picture_control/picture_text.h"

// A picture-text control on the screen driven through its whole public API in any order:
// text, tile, colours, start, pause, stop, clear, ticks, resizes and exposures. A twin off the
// screen is given the same calls. After each step what the screen shows of the control must
// equal the twin painted whole. Steps are read from bytes, so a seeded generator and a fuzzer
// drive it alike. Needs a QApplication on the offscreen platform.
class CControlWalk {
public:
    CControlWalk();

    // Runs the step the bytes from `at` describe and moves `at` past them; false when the
    // screen then differs from the full repaint.
    bool Step(const std::uint8_t*& at, const std::uint8_t* end);
    // The steps run so far, one a line, and where the screen first differed.
    std::string Report() const;

private:
    void Apply(int op, std::uint8_t a, std::uint8_t b);
    bool ScreenMatches();

    QWidget m_window;
    CPictureText* m_control;  // owned by m_window
    CPictureText m_twin;
    std::vector<std::string> m_steps;
    std::string m_difference;
};
