#pragma once

#include <QString>

// The object names of the windows' controls, after their roles, so that code and tests find a
// control by what it does.
namespace control_name {

// The game window's tool buttons and score box.
inline constexpr char kHelp[] = "help";
inline constexpr char kSound[] = "sound";
inline constexpr char kDemo[] = "demo";
inline constexpr char kHint[] = "hint";
inline constexpr char kBack[] = "back";
inline constexpr char kScore[] = "score";

// Its radio buttons: levels 1..3, board sizes 4..9.
inline QString Level(int level)
{
    return QStringLiteral("level%1").arg(level);
}

inline QString BoardSize(int size)
{
    return QStringLiteral("size%1").arg(size);
}

// The cell of the smiley in column (1..9, 1 at the right) and height (1..column), and the
// mirror that stands for it.
inline QString Smiley(int column, int height)
{
    return QStringLiteral("smiley_%1_%2").arg(column).arg(height);
}

inline QString Mirror(int column, int height)
{
    return QStringLiteral("mirror_%1_%2").arg(column).arg(height);
}

// The help window's buttons and its tab control (the row of tabs over the pages' pane).
inline constexpr char kOk[] = "ok";
inline constexpr char kGoTo[] = "goTo";
inline constexpr char kMailTo[] = "mailTo";  // the About box's mail button too
inline constexpr char kPause[] = "pause";
inline constexpr char kTabs[] = "tabs";

// The frame of a scrolling text: a help page's, the About box's credits.
inline constexpr char kTextFrame[] = "textFrame";

}  // namespace control_name
