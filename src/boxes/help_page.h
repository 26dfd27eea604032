#pragma once

#include <QWidget>
#include <array>

#include "help/help_texts.h"

class CPictureText;

// A page's title in the game's language: its tab's caption and the name a screen reader gives
// its text.
QString PageTitle(const HelpPageText& page);

// One toggle per help page, flipped by every Pause press on it: false at program start and
// never reset, neither by a tab change nor by opening the help window again. A page paused
// and then restarted therefore needs a second press before it pauses again.
extern std::array<bool, kHelpPageCount> g_bPauseToggle;

// The page of one help tab: its text scrolling in a framed picture-text control over the
// pale tile. Created hidden and empty; it holds text only between StartText and StopText.
class CHelpPage : public QWidget {
    Q_OBJECT

public:
    // The page of tab index (0..kHelpPageCount-1) in the tab area parent.
    CHelpPage(int index, QWidget* parent);

    // Loads the page's text with the help colours and scrolls it from its first line. A line
    // that was emerging when the page was stopped emerges once more before the first.
    void StartText();
    // Pauses or resumes the scrolling where it stands, as the page's toggle says, and flips
    // the toggle.
    void TogglePause();
    // Ends the scrolling and drops the text.
    void StopText();

    CPictureText& Text() { return *m_text; }

private:
    std::size_t m_nIndex;
    CPictureText* m_text;
};
