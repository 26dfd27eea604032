#pragma once

#include <QStringList>

// The command line less the options that Qt's application object takes for itself
// (-platform, -display, -style, -qwindowgeometry, ...; with one dash or two, and -style=...),
// so that the game's own parser sees only its own.
struct ArgumentsForGame {
    QStringList arguments;     // the program's name first, as given
    bool bWindowSystemNamed;   // -platform or -display chose where the window goes
    QString strMissingValue;   // a Qt option given last without its value; empty for none
};

ArgumentsForGame WithoutQtOptions(const QStringList& arguments);
