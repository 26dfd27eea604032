#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

// One accessible of a program as an accessibility client sees it.
struct Accessible {
    int depth = 0;  // 0 for the application, 1 for its windows
    std::string role;
    std::string name;
    QString description;
    QStringList states;  // AT-SPI state names: "enabled", "focused", "showing", ...
    QRect extents;       // on the screen; null when it has no place

    bool Has(const char* state) const { return states.contains(QLatin1String(state)); }
};

// The client's output, one JSON object a line, in its order (depth first).
std::vector<Accessible> ParseTree(const QByteArray& lines);
