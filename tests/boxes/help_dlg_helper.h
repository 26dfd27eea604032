#pragma once

#include <QImage>
#include <QPushButton>

#include "picture_text_helper.h"
#include "boxes/help_dlg.h"
#include "boxes/help_page.h"
#include "widgets/control_names.h"

// The help window as a player sees it: shown, active, each page's control at hand.
inline CPictureText& PageTextControl(int index)
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
