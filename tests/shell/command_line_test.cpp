// The program as a terminal user meets it: options, mistakes and a missing display.
#include <QLibraryInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int nExitCode = -1;
    bool bCrashed = false;
    QString out, err;
};

using Variables = std::vector<std::pair<const char*, const char*>>;

// Starts the program with the given arguments and display variables ("" leaves one unset), in
// English unless `locale` names other locale variables.
Outcome Start(const QStringList& arguments, const QString& display = {}, const QString& waylandDisplay = {},
              const Variables& locale = {{"LANG", "C.UTF-8"}})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(name));
    for (const auto& [name, value] : locale)
        environment.insert(QString::fromLatin1(name), QString::fromLatin1(value));
    if (!display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), display);
    if (!waylandDisplay.isEmpty())
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), waylandDisplay);
    environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));

    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(GLIMMERJIG_EXECUTABLE), arguments);
    Outcome run;
    if (!program.waitForFinished(20000)) {
        program.kill();
        program.waitForFinished();
        return run;
    }
    run.bCrashed = program.exitStatus() != QProcess::NormalExit;
    run.nExitCode = program.exitCode();
    run.out = QString::fromLocal8Bit(program.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(program.readAllStandardError());
    return run;
}

struct AnswerCase {
    std::string name;
    QStringList arguments;
    const char* stdoutPattern;
};

void PrintTo(const AnswerCase& c, std::ostream* os) { *os << c.name; }

// Answers need no display: every case runs with none.
class AnswerTest : public testing::TestWithParam<AnswerCase> {};

TEST_P(AnswerTest, AnswersOnStandardOutputAndExitsZero)
{
    const Outcome run = Start(GetParam().arguments);
    EXPECT_FALSE(run.bCrashed);
    EXPECT_EQ(run.nExitCode, 0);
    EXPECT_TRUE(QRegularExpression(QString::fromLatin1(GetParam().stdoutPattern)).match(run.out).hasMatch())
        << run.out.toStdString();
    EXPECT_EQ(run.err.toStdString(), "");
}

const char* const kHelp = "^Usage: glimmerjig \\[options\\]\\n(.|\\n)*-h, --help(.|\\n)*-v, --version";
const char* const kVersion = "^glimmerjig " GLIMMERJIG_VERSION "\\n$";

// Each option Qt takes for itself, with its value where it takes one, whatever that value looks
// like: the game's own option after it still answers.
std::vector<AnswerCase> QtOptionCases()
{
    const std::pair<const char*, const char*> options[] = {
        {"platform", "offscreen"}, {"platformpluginpath", "/usr/lib/qt6/plugins"}, {"platformtheme", "gtk3"},
        {"plugin", "evdevtouch"}, {"qwindowgeometry", "400x300+10+10"}, {"qwindowicon", "game.png"},
        {"qwindowtitle", "A title"}, {"geometry", "400x300"}, {"title", "Glimmerjig"}, {"icon", "game.png"},
        {"session", "1234"}, {"display", ":1"}, {"name", "glimmerjig"}, {"visual", "0x21"},
        {"style", "fusion"}, {"stylesheet", "game.qss"}, {"qmljsdebugger", "port:3768"},
        {"reverse", nullptr}, {"widgetcount", nullptr}, {"nograb", nullptr}, {"dograb", nullptr},
        {"testability", nullptr}};
    std::vector<AnswerCase> cases;
    for (const auto& [option, value] : options) {
        QStringList arguments{QLatin1Char('-') + QLatin1String(option)};
        if (value != nullptr)
            arguments << QLatin1String(value);
        cases.push_back({std::string("Qt_") + option, arguments << QStringLiteral("--version"), kVersion});
    }
    cases.push_back({"Qt_geometry_fromCorner", {"-geometry", "-0-0", "--version"}, kVersion});
    // Those Qt also takes as one argument.
    const std::pair<const char*, const char*> joinedOptions[] = {
        {"style", "fusion"}, {"stylesheet", "game.qss"}, {"qmljsdebugger", "port:3768"}};
    for (const auto& [option, value] : joinedOptions) {
        const QString joined = QStringLiteral("-%1=%2").arg(QLatin1String(option), QLatin1String(value));
        cases.push_back({std::string("Qt_joined_") + option, {joined, QStringLiteral("--version")}, kVersion});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(QtOptions, AnswerTest, testing::ValuesIn(QtOptionCases()),
                         [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(Options, AnswerTest,
                         testing::Values(AnswerCase{"Help", {"--help"}, kHelp}, AnswerCase{"H", {"-h"}, kHelp},
                                         AnswerCase{"Version", {"--version"}, kVersion},
                                         AnswerCase{"V", {"-v"}, kVersion},
                                         AnswerCase{"HelpWins", {"--version", "--help"}, kHelp},
                                         AnswerCase{"VersionAmongQtOptions",
                                                    {"-platform", "offscreen", "-style=windows", "--version"}, kVersion},
                                         AnswerCase{"HelpAmongQtOptions",
                                                    {"-display", ":1", "--qwindowgeometry", "+10+10", "-reverse", "--help"},
                                                    kHelp}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    QStringList arguments;
    QString display, waylandDisplay;
    int nExitCode;
    const char* lastLinePattern;  // the program's own line, the last on standard error
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class RefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, SaysWhyInOneLineAndExitsWithItsCode)
{
    const RefusalCase& c = GetParam();
    const Outcome run = Start(c.arguments, c.display, c.waylandDisplay);
    EXPECT_FALSE(run.bCrashed);
    EXPECT_EQ(run.nExitCode, c.nExitCode);
    EXPECT_EQ(run.out.toStdString(), "");
    const QStringList lines = run.err.split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(QRegularExpression(QString::fromLatin1(c.lastLinePattern)).match(lines.last()).hasMatch())
        << run.err.toStdString();
    // Qt may warn before; the program itself writes exactly one line.
    EXPECT_EQ(run.err.count(QStringLiteral("glimmerjig: ")), 1) << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, RefusalTest,
    testing::Values(RefusalCase{"UnknownLong", {"--frob"}, {}, {}, 2, "^glimmerjig: .*'frob'.*--help"},
                    RefusalCase{"UnknownShort", {"-x"}, {}, {}, 2, "^glimmerjig: .*'x'.*--help"},
                    RefusalCase{"UnknownAfterHelp", {"--help", "--frob"}, {}, {}, 2, "^glimmerjig: .*'frob'"},
                    RefusalCase{"Argument", {"board"}, {}, {}, 2, "^glimmerjig: .*'board'.*--help"},
                    RefusalCase{"QtOptionWithoutValue", {"-style"}, {}, {}, 2, "^glimmerjig: missing value after '-style'.*--help"},
                    RefusalCase{"ValueToOwnOption", {"--help=1"}, {}, {}, 2, "^glimmerjig: option '--help' takes no value.*--help"},
                    RefusalCase{"UnknownAmongQtOptions", {"-platform", "offscreen", "--frob"}, {}, {}, 2, "^glimmerjig: .*'frob'"},
                    RefusalCase{"UnknownWithValue", {"--frob=1"}, {}, {}, 2, "^glimmerjig: .*'frob'.*--help"},
                    RefusalCase{"NoDisplay", {}, {}, {}, 1, "^glimmerjig: .*DISPLAY.*WAYLAND_DISPLAY"},
                    RefusalCase{"NoDisplayAfterSeparator", {"--"}, {}, {}, 1, "^glimmerjig: .*DISPLAY.*WAYLAND_DISPLAY"},
                    RefusalCase{"DeadX", {}, ":4097", {}, 1, "^glimmerjig: .*display could not be reached"},
                    RefusalCase{"DeadWayland", {}, {}, "glimmerjig-no-such-socket", 1,
                                "^glimmerjig: .*display could not be reached"}),
    [](const auto& info) { return std::string(info.param.name); });

// In another language every refusal is the game's own sentence in the catalogue's words and
// quotes, never the parser's: it starts in lower case after the program's name and quotes with
// the language's marks, as the hint after it does.
struct TranslatedRefusalCase {
    const char* name;
    QStringList arguments;
    const char* quoted;  // what the refusal names
};

void PrintTo(const TranslatedRefusalCase& c, std::ostream* os) { *os << c.name; }

class TranslatedRefusalTest : public testing::TestWithParam<TranslatedRefusalCase> {};

TEST_P(TranslatedRefusalTest, SpeaksInTheCataloguesVoice)
{
    const Outcome run = Start(GetParam().arguments, {}, {}, {{"LANG", "de_DE.UTF-8"}});
    EXPECT_EQ(run.nExitCode, 2);
    const QString pattern = QStringLiteral("^glimmerjig: \\p{Ll}[^']*„%1“[^']*Mehr dazu unter „glimmerjig --help“\\.$")
                                .arg(QRegularExpression::escape(QString::fromUtf8(GetParam().quoted)));
    const QStringList lines = run.err.split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(QRegularExpression(pattern).match(lines.last()).hasMatch()) << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(German, TranslatedRefusalTest,
                         testing::Values(TranslatedRefusalCase{"UnknownOption", {"--frob"}, "frob"},
                                         TranslatedRefusalCase{"ValueToOwnOption", {"--version=2"}, "--version"},
                                         TranslatedRefusalCase{"QtOptionWithoutValue", {"-display"}, "-display"},
                                         TranslatedRefusalCase{"Argument", {"board"}, "board"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The language of --help follows the locale variables as gettext programs follow them; Qt's
// own catalogue speaks for the parser's headings.
struct LanguageCase {
    const char* name;
    Variables locale;
    const char* ownLine;    // a line of the game's catalogue
    const char* qtLanguage; // whose Qt catalogue words the parser's heading; "" for English
};

void PrintTo(const LanguageCase& c, std::ostream* os) { *os << c.name; }

// The parser's heading as this machine's Qt catalogue of the language words it (Qt's
// translators reword it between releases); empty when that catalogue is missing.
QString QtHeading(const char* language)
{
    const QString english = QStringLiteral("Options:");
    if (*language == '\0')
        return english;
    QTranslator catalogue;
    if (!catalogue.load(QStringLiteral("qtbase_") + QLatin1String(language),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return {};
    const QString heading = catalogue.translate("QCommandLineParser", "Options:");
    return heading == english ? QString() : heading;
}

class LanguageTest : public testing::TestWithParam<LanguageCase> {};

TEST_P(LanguageTest, HelpSpeaksTheChosenLanguage)
{
    const QString heading = QtHeading(GetParam().qtLanguage);
    ASSERT_FALSE(heading.isEmpty()) << "no Qt catalogue with the heading in " << GetParam().qtLanguage;
    const Outcome run = Start({QStringLiteral("--help")}, {}, {}, GetParam().locale);
    EXPECT_EQ(run.nExitCode, 0);
    EXPECT_TRUE(run.out.contains(QString::fromUtf8(GetParam().ownLine))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(heading)) << run.out.toStdString();
}

const char* const kEnglishLine = "Show this help and exit.";
const char* const kGermanLine = "Diese Hilfe anzeigen und beenden.";
const char* const kFrenchLine = "Afficher cette aide et quitter.";
const char* const kSpanishLine = "Muestra esta ayuda y sale.";
const char* const kPolishLine = "Wyświetla tę pomoc i kończy działanie.";
const char* const kRussianLine = "Показать эту справку и выйти.";

INSTANTIATE_TEST_SUITE_P(
    Locales, LanguageTest,
    testing::Values(LanguageCase{"C", {{"LANG", "C"}}, kEnglishLine, ""},
                    LanguageCase{"German", {{"LANG", "de_DE.UTF-8"}}, kGermanLine, "de"},
                    LanguageCase{"French", {{"LANG", "fr_FR.UTF-8"}}, kFrenchLine, "fr"},
                    LanguageCase{"Spanish", {{"LANG", "es_ES.UTF-8"}}, kSpanishLine, "es"},
                    LanguageCase{"Polish", {{"LANG", "pl_PL.UTF-8"}}, kPolishLine, "pl"},
                    LanguageCase{"Russian", {{"LANG", "ru_RU.UTF-8"}}, kRussianLine, "ru"},
                    LanguageCase{"Unspoken", {{"LANG", "pt_BR.UTF-8"}}, kEnglishLine, ""},
                    LanguageCase{"FirstSpokenOfList", {{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "pt:fr:de"}}, kFrenchLine, "fr"},
                    LanguageCase{"EnglishInList", {{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_GB:de"}}, kEnglishLine, ""},
                    LanguageCase{"ListIgnoredUnderC", {{"LANG", "C"}, {"LANGUAGE", "fr"}}, kEnglishLine, ""},
                    LanguageCase{"ListIgnoredUnderCUtf8", {{"LANG", "C.UTF-8"}, {"LANGUAGE", "fr"}}, kEnglishLine, ""},
                    LanguageCase{"ListIgnoredUnderPosix", {{"LANG", "POSIX"}, {"LANGUAGE", "de"}}, kEnglishLine, ""},
                    LanguageCase{"ListIgnoredUnderMessagesC", {{"LANG", "es_ES.UTF-8"}, {"LC_MESSAGES", "C.UTF-8"}, {"LANGUAGE", "fr"}}, kEnglishLine, ""},
                    LanguageCase{"ListUnderMessagesOverLangC", {{"LANG", "C"}, {"LC_MESSAGES", "de_DE.UTF-8"}, {"LANGUAGE", "fr"}}, kFrenchLine, "fr"},
                    LanguageCase{"MessagesOverLang", {{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "es_ES.UTF-8"}}, kSpanishLine, "es"},
                    LanguageCase{"MessagesCOverLang", {{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "C"}}, kEnglishLine, ""},
                    LanguageCase{"AllOverMessages", {{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "es_ES.UTF-8"}, {"LC_ALL", "de_DE.UTF-8"}}, kGermanLine, "de"},
                    LanguageCase{"AllCOverMessages", {{"LC_MESSAGES", "es_ES.UTF-8"}, {"LC_ALL", "C.UTF-8"}, {"LANGUAGE", "fr"}}, kEnglishLine, ""},
                    LanguageCase{"ListUnderAllOverMessagesC", {{"LC_MESSAGES", "C"}, {"LC_ALL", "de_DE.UTF-8"}, {"LANGUAGE", "fr"}}, kFrenchLine, "fr"},
                    LanguageCase{"EmptyAllIgnored", {{"LANG", "es_ES.UTF-8"}, {"LC_ALL", ""}}, kSpanishLine, "es"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
