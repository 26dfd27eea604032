#pragma once

#include <QWidget>
#include <string_view>

#include "help/help_texts.h"
#include "widgets/dialog_units.h"
#include "picture_control/picture_text.h"

// Help page index (0..7), or the About box's credits for kHelpPageCount, in a control of its
// host's size and tile, started and then paused so that the caller gives the ticks, in window,
// which is shown.
inline CPictureText& ShownText(QWidget& window, int index)
{
    const bool credits = index == kHelpPageCount;
    auto* control = new CPictureText(&window);
    control->resize(credits ? QSize(dlu::X(124) - 10, dlu::Y(133) - 10) : QSize(dlu::X(265), dlu::Y(136)));
    control->SetText(credits ? CreditsText(EnglishLine) : PageText(index, EnglishLine), '|');
    control->SetColor(kKeyColour, Rgb(255, 0, 255));
    control->SetColor(kLargeColour, Rgb(0, 0, 100));
    control->SetColor(kPlainColour, Rgb(0, 0, 255));
    control->SetBackground(credits ? "Backi2" : "Backi1");
    control->Start();
    control->SetRunning(false);
    window.show();
    return *control;
}
