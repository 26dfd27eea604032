#pragma once

#include <QString>

// Every control of the game window is named after its control id, so code and tests find
// it by the id the layout gives it: "ctl1062".
inline QString ControlName(int id)
{
    return QStringLiteral("ctl%1").arg(id);
}
