#include "shell/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <vector>

#include "base/product.h"
#include "shell/catalogues.h"
#include "shell/qt_options.h"

namespace {

void Print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The catalogues' context for the command line's texts.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The parser's own complaint, in the game's words and quotes rather than Qt's: an unknown
// option, or a value given to one of the game's options, which take none.
QString ParseError(const QCommandLineParser& parser, const QStringList& arguments)
{
    if (!parser.unknownOptionNames().isEmpty())
        return CommandLine::tr("unknown option '%1'.").arg(parser.unknownOptionNames().first());
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        if (argument.startsWith(QLatin1Char('-')) && argument.contains(QLatin1Char('=')))
            return CommandLine::tr("option '%1' takes no value.").arg(argument.section(QLatin1Char('='), 0, 0));
    }
    return parser.errorText();
}

}  // namespace

CommandLineOutcome HandleCommandLine(int argc, char** argv)
{
    if (argc <= 1)
        return {true, 0, false};

    // A window-less application object for the parser and the catalogues. It is told the
    // program's name in place of the path it was started by, which the usage line names.
    std::vector<char*> named(argv, argv + argc + 1);
    char name[] = "glimmerjig";
    named[0] = name;
    int namedCount = argc;
    QCoreApplication app(namedCount, named.data());
    QCoreApplication::setApplicationName(QStringLiteral("glimmerjig"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kProductVersion));
    InstallCatalogues(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        CommandLine::tr("A puzzle game: take smileys in turn; whoever takes the last one loses."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  CommandLine::tr("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     CommandLine::tr("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    // "-style" is one unknown option, not five unknown letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

    const QString program = QStringLiteral("glimmerjig: ");
    const QString hint =
        QLatin1Char(' ') + CommandLine::tr("Try '%1'.").arg(QStringLiteral("glimmerjig --help")) + QLatin1Char('\n');
    const ArgumentsForGame own = WithoutQtOptions(QCoreApplication::arguments());
    if (!own.strMissingValue.isEmpty()) {
        Print(stderr, program + CommandLine::tr("missing value after '%1'.").arg(own.strMissingValue) + hint);
        return {false, 2, false};
    }
    if (!parser.parse(own.arguments)) {
        Print(stderr, program + ParseError(parser, own.arguments) + hint);
        return {false, 2, false};
    }
    if (!parser.positionalArguments().isEmpty()) {
        const QString argument = parser.positionalArguments().first();
        Print(stderr, program + CommandLine::tr("unexpected argument '%1'.").arg(argument) + hint);
        return {false, 2, false};
    }
    if (parser.isSet(help)) {
        const QString qtOptions =
            CommandLine::tr("Qt's own options (-platform, -display, -style, …) are also taken.");
        Print(stdout, parser.helpText() + QLatin1Char('\n') + qtOptions + QLatin1Char('\n'));
        return {false, 0, false};
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("glimmerjig %1\n").arg(QString::fromLatin1(kProductVersion)));
        return {false, 0, false};
    }
    return {true, 0, own.bWindowSystemNamed};
}

bool HasDisplay()
{
    // A platform chosen by hand (offscreen, vnc, ...) is trusted to know what it needs.
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    }
    std::fputs("glimmerjig: no graphical display to open a window on: neither DISPLAY nor WAYLAND_DISPLAY is set.\n",
               stderr);
    return false;
}
