#include "shell/qt_options.h"

#include <algorithm>
#include <iterator>

namespace {

struct QtOption {
    const char* name;
    bool bTakesValue;
};

// What QGuiApplication, QApplication and the X11 platform plugin take out of argv on
// Debian's Qt 6 (-geometry, -title, -icon, -name, -visual and -display are X11's own).
constexpr QtOption kQtOptions[] = {
    {"platform", true},   {"platformpluginpath", true}, {"platformtheme", true},  {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},   {"qwindowtitle", true},   {"geometry", true},
    {"title", true},      {"icon", true},               {"session", true},        {"display", true},
    {"name", true},       {"visual", true},             {"style", true},          {"stylesheet", true},
    {"qmljsdebugger", true}, {"reverse", false},        {"widgetcount", false},   {"nograb", false},
    {"dograb", false},    {"testability", false},
};
// Those Qt also takes as one argument, -name=value.
constexpr const char* kJoinedValue[] = {"style", "stylesheet", "qmljsdebugger"};

const QtOption* Find(const QString& name)
{
    const auto found = std::find_if(std::begin(kQtOptions), std::end(kQtOptions),
                                    [&name](const QtOption& option) { return name == QLatin1String(option.name); });
    return found == std::end(kQtOptions) ? nullptr : found;
}

bool TakesJoinedValue(const QString& name)
{
    return std::any_of(std::begin(kJoinedValue), std::end(kJoinedValue),
                       [&name](const char* joined) { return name == QLatin1String(joined); });
}

}  // namespace

ArgumentsForGame WithoutQtOptions(const QStringList& arguments)
{
    ArgumentsForGame result{{}, false, {}};
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        // Qt reads its options after "--" too.
        if (i == 0 || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("--")) {
            result.arguments << argument;
            continue;
        }
        const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (equals > 0 && TakesJoinedValue(name.left(equals)))
            continue;
        const QtOption* option = Find(name);
        if (option == nullptr) {
            result.arguments << argument;
            continue;
        }
        if (option->bTakesValue && i + 1 >= arguments.size()) {
            result.strMissingValue = argument;
            continue;
        }
        if (option->bTakesValue) {
            ++i;
            if (name == QLatin1String("platform") || name == QLatin1String("display"))
                result.bWindowSystemNamed = true;
        }
    }
    return result;
}
