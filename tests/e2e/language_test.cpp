// The real game in each language it speaks, started under that language's locale: the tool
// buttons' pictures, the help window and the About box as the screen shows them and as a
// screen reader reads them. The screenshots stay in the test's folder.
#include <QCoreApplication>
#include <algorithm>
#include <gtest/gtest.h>

#include "a11y_bus.h"
#include "board_view.h"
#include "game_session.h"
#include "language_scope.h"
#include "poll.h"

namespace {

using namespace board_view;
using Tree = std::vector<Accessible>;

const QSize kHelpSize(405, 293);
const QSize kAboutSize(209, 267);

struct LanguageRun {
    Language language;
    const char* locale;     // LANG
    const char* helpWords;  // words of the first help page
    const char* aboutWords; // words of the About box's credits
};

void PrintTo(const LanguageRun& run, std::ostream* os) { *os << LanguageCode(run.language); }

// The tool buttons and where their pictures stand, in dialog units.
const struct {
    const char* picture;
    const char* name;
    int x, y;
} kToolButtons[] = {
    {"HELPU", "Help", 1, 1}, {"DEMOU", "Demo", 1, 15}, {"HINTU", "Hint", 26, 15}, {"BACKU", "Back", 12, 148}};

QString Translated(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text);
}

// The accessible of that role (any for "") whose name is `name`, from `from` on; tree.end()
// when none.
Tree::const_iterator Find(const Tree& tree, Tree::const_iterator from, const std::string& role, const QString& name)
{
    return std::find_if(from, tree.end(), [&](const Accessible& node) {
        return (role.empty() || node.role == role) && QString::fromStdString(node.name) == name;
    });
}

// Reads the tree until it shows count windows of the game with that name (Help bears the
// game's name, as the game's own window does); false when it did not within the limit. A
// window shows on the screen before the screen reader's bus has it.
bool WaitForWindowsNamed(const AccessibilityBus& bus, qint64 pid, const QString& name, long count, Tree& tree)
{
    return support::PollUntil([&] {
        tree = bus.ReadTree(pid);
        return std::count_if(tree.begin(), tree.end(), [&](const Accessible& node) {
            return node.depth == 1 && QString::fromStdString(node.name) == name;
        }) >= count;
    }, 30s);
}

class LanguageTest : public testing::TestWithParam<LanguageRun> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(language.Loaded());
        ASSERT_TRUE(bus.Start());
        QProcessEnvironment variables = bus.Variables();
        variables.insert(QStringLiteral("LANG"), QString::fromLatin1(GetParam().locale));
        game.AddEnvironment(variables);
        ASSERT_TRUE(game.Start());
    }

    QString Code() const { return QString::fromLatin1(LanguageCode(GetParam().language)); }

    CLanguageScope language{GetParam().language};  // this process's pictures and catalogues
    AccessibilityBus bus;  // declared before the game: the game ends before its buses
    GameSession game;
};

TEST_P(LanguageTest, ToolButtonsHelpAndAboutSpeakTheLanguage)
{
    const QImage window = game.SettledScreenshot(QStringLiteral("main-") + Code());
    Tree tree = bus.ReadTree(game.ProcessId());
    for (const auto& button : kToolButtons) {
        SCOPED_TRACE(button.picture);
        EXPECT_TRUE(Shows(window, {PxX(button.x), PxY(button.y)}, Picture(button.picture)));
        EXPECT_NE(Find(tree, tree.begin(), "button", Translated("CGameControls", button.name)), tree.end());
    }

    // Help, its first page scrolling: its tabs and the words of its text.
    game.Click(Centre({PxX(1), PxY(1)}));
    const QRect help = game.WaitForWindow(kHelpSize, 10s);
    ASSERT_FALSE(help.isEmpty()) << "no help window";
    ASSERT_TRUE(WaitForWindowsNamed(bus, game.ProcessId(), QStringLiteral("Glimmerjig"), 2, tree))
        << "the screen reader does not see the help window";
    // Once its first lines have come up, for the screenshot's sake.
    const QImage opening = game.ScreenshotOf(help, QStringLiteral("help-opening-") + Code());
    EXPECT_TRUE(support::PollUntil([&] { return game.ScreenshotOf(help, QStringLiteral("help-") + Code()) != opening; }))
        << "the help text does not scroll";
    for (const char* title : {"Level", "Score", "About"})
        EXPECT_NE(Find(tree, tree.begin(), "page tab", Translated("HelpPages", title)), tree.end()) << title;
    const auto page = std::find_if(tree.begin(), tree.end(), [](const Accessible& node) {
        return node.description.contains(QLatin1Char('\n'));
    });
    ASSERT_NE(page, tree.end()) << "no text to read on the help page";
    EXPECT_TRUE(page->description.contains(QString::fromUtf8(GetParam().helpWords))) << page->description.toStdString();
    game.Key("Escape");
    ASSERT_TRUE(support::PollUntil([&] { return game.WindowOfSize(kHelpSize).isEmpty(); }));

    // About, from the window menu's last item, once the window has settled after Help.
    game.SettledScreenshot(QStringLiteral("main-after-help-") + Code());
    game.Click(Centre(MirrorCell(5, 2)), 3);
    game.Key("Up");
    game.Key("Return");
    const QRect about = game.WaitForWindow(kAboutSize, 10s);
    ASSERT_FALSE(about.isEmpty()) << "no About box";
    game.ScreenshotOf(about, QStringLiteral("about-") + Code());
    const QString aboutName = Translated("CAboutDlg", "About %1").arg(QStringLiteral("Glimmerjig"));
    ASSERT_TRUE(WaitForWindowsNamed(bus, game.ProcessId(), aboutName, 1, tree)) << "the screen reader does not see the About box";
    const auto box = std::find_if(tree.begin(), tree.end(), [&](const Accessible& node) {
        return node.depth == 1 && QString::fromStdString(node.name) == aboutName;
    });
    ASSERT_NE(box, tree.end()) << aboutName.toStdString();
    const auto credits = Find(tree, box, "", Translated("CAboutDlg", "credits"));
    ASSERT_NE(credits, tree.end());
    EXPECT_TRUE(credits->description.contains(QString::fromUtf8(GetParam().aboutWords)))
        << credits->description.toStdString();
    const auto mail = std::find_if(box, tree.end(), [](const Accessible& node) { return node.role == "button"; });
    ASSERT_NE(mail, tree.end());
    EXPECT_TRUE(QString::fromStdString(mail->name).startsWith(Translated("CAboutDlg", "mail to: %1").arg(QString())))
        << mail->name;
}

INSTANTIATE_TEST_SUITE_P(
    Languages, LanguageTest,
    testing::Values(LanguageRun{Language::kEnglish, "C", "How to PLAY?", "Algorithm and Programming"},
                    LanguageRun{Language::kGerman, "de_DE.UTF-8", "Wie wird GESPIELT?", "und Programmierung"},
                    LanguageRun{Language::kFrench, "fr_FR.UTF-8", "Comment JOUER\u00a0?", "et programmation"},
                    LanguageRun{Language::kSpanish, "es_ES.UTF-8", "¿Cómo JUGAR?", "y programación"},
                    LanguageRun{Language::kPolish, "pl_PL.UTF-8", "Jak GRAĆ?", "i programowanie"},
                    LanguageRun{Language::kRussian, "ru_RU.UTF-8", "Как ИГРАТЬ?", "и программирование"}),
    [](const auto& info) { return std::string(LanguageCode(info.param.language)); });

}  // namespace
