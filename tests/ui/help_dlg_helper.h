#pragma once

#include <QImage>
#include <QPushButton>
#include <memory>

#include "help/help_texts.h"
#include "picture_text_helper.h"
#include "ui/control_names.h"
#include "ui/help_dlg.h"
#include "ui/help_page.h"

// The help window as a player sees it: shown, active, each page's control at hand.
inline CPictureText& PageText(int index)
{
    return g_pHelpPage[static_cast<std::size_t>(index)]->Text();
}

inline QPushButton* HelpButton(CHelpDlg& dialog, const char* name)
{
    return dialog.findChild<QPushButton*>(name);
}

inline QImage Frame(CPictureText& control)
{
    return Painted(&control);
}

// What a page with no text shows: the tile alone, or one plain colour before it ever had
// its tile.
inline bool ShowsNoText(CPictureText& control)
{
    const QImage frame = Frame(control);
    if (frame == TileOnly(control.size()))
        return true;
    QImage plain(frame.size(), frame.format());
    plain.fill(frame.pixel(0, 0));
    return frame == plain;
}

// A stand-alone control showing help page index as a help page should: its text, the
// magenta key colour over the pale tile, large text dark blue, plain text blue (dark blue
// on the About page), medium and small text red, scrolling at the help pace from the first
// line. Ticks are given by hand, so its timer never fires.
inline void StartAsHelpPage(CPictureText& control, int index)
{
    control.SetText(HelpPageTexts()[static_cast<std::size_t>(index)].text, '|');
    control.SetSpeed(2, 0);
    control.SetColor(0, Rgb(255, 0, 255));
    control.SetColor(4, index == 7 ? Rgb(0, 0, 100) : Rgb(0, 0, 255));
    control.SetColor(1, Rgb(0, 0, 100));
    control.SetColor(2, Rgb(255, 0, 0));
    control.SetColor(3, Rgb(255, 0, 0));
    control.SetBackground("BACKI1");
    control.Start();
}

inline std::unique_ptr<CPictureText> ReferencePage(int index, QSize size)
{
    auto control = std::make_unique<CPictureText>();
    control->resize(size);
    StartAsHelpPage(*control, index);
    return control;
}
