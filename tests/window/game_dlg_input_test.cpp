// Input while a command runs waits for it; keys, closing, the window menu and the pointer.
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <algorithm>

#include "box_watch.h"
#include "language_scope.h"
#include "game/board.h"
#include "game/opponent.h"
#include "game_dlg_fixture.h"
#include "qt_print.h"

namespace {

class GameDlgInputTest : public GameDlgTest {
protected:
    // Runs the action inside the computer's reply to the player's next move, once.
    void DuringTheReply(std::function<void()> action)
    {
        fake_sound::OnPause() = [this, action, done = false](int n) mutable {
            if (n != 2 || done)
                return;
            done = true;
            action();
            EXPECT_TRUE(dialog.isVisible());
        };
    }

    static long Count(const std::string& event)
    {
        return std::count(fake_sound::Log().begin(), fake_sound::Log().end(), event);
    }

    QRadioButton* Size(int size) { return Find<QRadioButton>(control_name::BoardSize(size)); }
    QRadioButton* Level(int level) { return Find<QRadioButton>(control_name::Level(level)); }
    CCellButton* Demo() { return Find<CCellButton>(control_name::kDemo); }

    // Closes the window menu when it is open; whether it was.
    static bool CloseWindowMenu()
    {
        QWidget* menu = QApplication::activePopupWidget();
        if (menu)
            menu->close();
        return menu != nullptr;
    }

    void StirThePointer()
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), QPointF(1, 1), dialog.mapToGlobal(QPointF(1, 1)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &move);
    }
};

// The computer's reply on the size-9 board after the move 91.
Move ReplyAfterColumnNine()
{
    SetUpBoard(9);
    ClearCells(9, 1);
    CountColumns();
    return ChooseMove(3);
}

TEST_F(GameDlgInputTest, ClicksDuringTheReplyRunAfterItOnceEachAndOnlyOnSmileys)
{
    const Move reply = ReplyAfterColumnNine();
    SetUpBoard(9);
    const int other = reply.column == 1 ? 2 : 1;  // a column the reply leaves alone
    DuringTheReply([&] {
        // Still holding smileys now; the reply's cell is empty by the time its click runs.
        QTest::mouseClick(dialog.SmileyCell(reply.column, reply.height), Qt::LeftButton);
        QTest::mouseClick(dialog.SmileyCell(other, 1), Qt::LeftButton);
        QTest::mouseClick(dialog.SmileyCell(other, 1), Qt::LeftButton);
        EXPECT_EQ(g_board[reply.Code()], 1);
        EXPECT_EQ(g_board[10 * other + 1], 1);
    });
    QTest::mouseClick(dialog.SmileyCell(9, 1), Qt::LeftButton);

    EXPECT_EQ(Count("pause 2"), 2);  // the first move and one queued move got replies
    EXPECT_EQ(g_board[reply.Code()], 0);
    EXPECT_EQ(g_board[10 * other + 1], 0);
    for (int c = 1; c <= 9; ++c)
        for (int h = 1; h <= c; ++h)
            EXPECT_EQ(dialog.SmileyCell(c, h)->isEnabled(), g_board[10 * c + h] == 1) << c << h;
}

TEST_F(GameDlgInputTest, SizeClickDuringTheReplyStartsTheNewGameAfterIt)
{
    DuringTheReply([&] {
        QTest::mouseClick(Size(5), Qt::LeftButton);
        EXPECT_EQ(Count("cue 246"), 0) << testing::PrintToString(fake_sound::Log());
    });
    QTest::mouseClick(dialog.SmileyCell(9, 1), Qt::LeftButton);
    // The game was in progress when the click ran: the computer scores, then the new board.
    const auto& log = fake_sound::Log();
    const auto forfeit = std::find(log.begin(), log.end(), "cue 246");
    ASSERT_NE(forfeit, log.end());
    EXPECT_EQ(*(forfeit + 1), "cue 244");
    EXPECT_EQ(CountColumns(), 15);
    EXPECT_TRUE(Size(5)->isChecked());
    EXPECT_FALSE(Size(9)->isChecked());
    EXPECT_FALSE(dialog.SmileyCell(6, 1)->isEnabled());
}

TEST_F(GameDlgInputTest, CloseDuringACommandWaitsForItAndDropsQueuedClicks)
{
    DuringTheReply([&] {
        QTest::mouseClick(Level(1), Qt::LeftButton);
        EXPECT_TRUE(Level(1)->isChecked());  // checked at once, its command waits
        QTest::mouseClick(dialog.SmileyCell(1, 1), Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QTest::mouseClick(dialog.SmileyCell(9, 1), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(g_board[11], 1);
    EXPECT_EQ(Count("pause 2"), 1);
    // The level the game plays stays the one the buttons show.
    EXPECT_TRUE(Level(3)->isChecked());
    EXPECT_FALSE(Level(1)->isChecked());
}

TEST_F(GameDlgInputTest, CommandsStartedAfterACloseRequestNeverRun)
{
    DuringTheReply([&] {
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::mouseClick(dialog.SmileyCell(1, 1), Qt::LeftButton);
        QTest::mouseClick(Demo(), Qt::LeftButton);
        QTest::mouseClick(Size(5), Qt::LeftButton);
    });
    QTest::mouseClick(dialog.SmileyCell(9, 1), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(g_board[11], 1);
    EXPECT_EQ(Count("pause 1"), 0) << "the demo ran";
    EXPECT_EQ(Count("cue 246"), 0) << "the size click forfeited the game";
    EXPECT_TRUE(Size(9)->isChecked());
}

// While the demo plays, the input that ends it is used up; Esc still closes the window.
TEST_F(GameDlgInputTest, InputThatEndsTheDemoIsUsedUp)
{
    struct Case {
        const char* name;
        std::function<void()> stir;
        bool closes;
    };
    const Case cases[] = {
        {"Space on the focused Demo button",
         [this] {
             Demo()->setFocus();
             QTest::keyClick(Demo(), Qt::Key_Space);
         },
         false},
        {"a click on Demo", [this] { QTest::mouseClick(Demo(), Qt::LeftButton); }, false},
        {"a click on a smiley",
         [this] { QTest::mouseClick(dialog.SmileyCell(1, 1), Qt::LeftButton); }, false},
        {"a right click on a mirror", [this] { RightClick(dialog.MirrorCell(3, 1)); }, false},
        {"Esc", [this] { QTest::keyClick(&dialog, Qt::Key_Escape); }, true},
        {"Ctrl+Q", [this] { QTest::keyClick(&dialog, Qt::Key_Q, Qt::ControlModifier); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int demoPauses = 0;
        fake_sound::OnPause() = [&](int n) {
            if (n != 1)
                return;
            ++demoPauses;
            if (demoPauses == 3)
                c.stir();
            if (demoPauses == 100)
                StirThePointer();  // a demo nothing ended: stop it for the report
        };
        QTest::mouseClick(Demo(), Qt::LeftButton);
        // Three passes, the demo's closing second, and nothing after it.
        EXPECT_EQ(demoPauses, 4);
        EXPECT_EQ(dialog.isVisible(), !c.closes);
        EXPECT_FALSE(CloseWindowMenu()) << "the input that ended the demo opened the menu";
        EXPECT_EQ(CountColumns(), 45);
        fake_sound::OnPause() = nullptr;
    }
}

TEST_F(GameDlgInputTest, EnterDoesNothingAndEscAndCtrlQClose)
{
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Escape, Qt::NoModifier}, std::pair{Qt::Key_Q, Qt::ControlModifier}}) {
        ASSERT_TRUE(ShowActive(dialog));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QTest::keyClick(&dialog, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(CountColumns(), 45);
        EXPECT_TRUE(fake_sound::Log().empty());
        QTest::keyClick(&dialog, key, modifiers);
        EXPECT_FALSE(dialog.isVisible()) << QKeySequence(key | modifiers).toString().toStdString();
    }
}

// F1 presses the Help button: pressed while the computer replies, it opens Help after the
// reply, as a click would.
TEST_F(GameDlgInputTest, F1OpensHelpOnceTheRunningCommandIsOver)
{
    int smileysWhenHelpOpened = -1;
    DuringTheReply([&] {
        QTimer::singleShot(0, [&] {
            auto* help = qobject_cast<CHelpDlg*>(QApplication::activeModalWidget());
            ASSERT_TRUE(help);
            smileysWhenHelpOpened = CountColumns();
            help->accept();
        });
        QTest::keyClick(&dialog, Qt::Key_F1);
    });
    QTest::mouseClick(dialog.SmileyCell(9, 1), Qt::LeftButton);
    EXPECT_EQ(smileysWhenHelpOpened, CountColumns()) << "Help opened inside the reply, or not at all";
    EXPECT_EQ(Count("cue 245"), 1);
}

TEST_F(GameDlgInputTest, WindowMenuOffersMinimizeCloseAndAboutWithoutBlocking)
{
    RightClick(&dialog);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu) << "the menu is open while the window's loop runs on";
    QStringList items;
    for (QAction* action : menu->actions())
        items << action->text();
    EXPECT_EQ(items, (QStringList{QStringLiteral("&Minimize"), QStringLiteral("&Close"), QString(),
                                  QStringLiteral("&About Game   G l i m m e r j i g…")}));
    menu->actions().at(1)->trigger();
    menu->close();
    EXPECT_FALSE(dialog.isVisible());
}

// Each item of the window menu answers a key of its own, in every language.
TEST(GameDlgLanguageTest, WindowMenuItemsHaveAccessKeysOfTheirOwnInEveryLanguage)
{
    for (Language language : kLanguages) {
        SCOPED_TRACE(LanguageCode(language));
        CLanguageScope scope(language);
        CGameDlg window{(fake_sound::Reset(), fake_sound::Output()), RecordLaunch};
        ASSERT_TRUE(ShowActive(window));
        RightClick(&window);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu);
        QStringList keys;
        for (const QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            const QString text = action->text();
            EXPECT_EQ(text.count(QLatin1Char('&')), 1) << text.toStdString();
            keys << text.mid(text.indexOf(QLatin1Char('&')) + 1, 1).toLower();
        }
        menu->close();
        EXPECT_EQ(keys.size(), 3);
        EXPECT_EQ(keys.removeDuplicates(), 0) << keys.join(QLatin1Char(' ')).toStdString();
    }
    fake_sound::Reset();
}

// Wherever the right click lands: disabled controls pass it to the window as well.
TEST_F(GameDlgInputTest, ARightClickAnywhereOpensTheWindowMenu)
{
    dialog.EnableSmiley(11, false);
    const struct {
        const char* where;
        QWidget* widget;
    } places[] = {
        {"the window", &dialog},
        {"a smiley", dialog.SmileyCell(5, 2)},
        {"an empty cell", dialog.SmileyCell(1, 1)},
        {"a mirror", dialog.MirrorCell(5, 2)},
        {"the score box", Find(control_name::kScore)},
        {"a size button", Size(6)},
        {"the Back button", Find(control_name::kBack)},
    };
    for (const auto& place : places) {
        ASSERT_TRUE(place.widget) << place.where;
        RightClick(place.widget);
        EXPECT_TRUE(CloseWindowMenu()) << place.where;
    }
    EXPECT_FALSE(dialog.MirrorCell(5, 2)->isEnabled());
    EXPECT_TRUE(fake_sound::Log().empty());
}

TEST_F(GameDlgInputTest, WindowMenuIsNotOfferedWhileACommandRuns)
{
    // Should a menu open, it is closed again so the test reports instead of hanging.
    bool opened = false;
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [&] { opened = CloseWindowMenu() || opened; });
    guard.start(20);
    DuringTheReply([&] {
        for (QWidget* where : {static_cast<QWidget*>(&dialog), static_cast<QWidget*>(dialog.MirrorCell(4, 4)),
                               static_cast<QWidget*>(dialog.SmileyCell(9, 1))}) {
            RightClick(where);
            opened = opened || QApplication::activePopupWidget() != nullptr;
        }
    });
    QTest::mouseClick(dialog.SmileyCell(9, 1), Qt::LeftButton);
    EXPECT_FALSE(opened);
    EXPECT_EQ(Count("pause 2"), 1);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(GameDlgInputTest, MouseMotionOverTheWindowStirsThePlayer)
{
    dialog.WatchForPlayer();
    EXPECT_FALSE(dialog.PlayerHasStirred());
    // A move the platform reports only to the window, not as a global position.
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), dialog.mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(dialog.SmileyCell(2, 1), &move);
    EXPECT_TRUE(dialog.PlayerHasStirred());
    dialog.WatchForPlayer();
    EXPECT_FALSE(dialog.PlayerHasStirred());
}

TEST_F(GameDlgInputTest, MessageBoxHasTheTextCaptionExclamationAndOk)
{
    CBoxWatch watch;
    dialog.ShowMessage("You win!", "       Glimmerjig");
    ASSERT_TRUE(watch.Seen());
    EXPECT_EQ(watch.Seen()->text, QStringLiteral("You win!"));
    EXPECT_EQ(watch.Seen()->caption, QStringLiteral("       Glimmerjig"));
    EXPECT_EQ(watch.Seen()->icon, QMessageBox::Warning);
    EXPECT_EQ(watch.Seen()->buttons, 1);
    EXPECT_EQ(watch.Seen()->owner, &dialog);
}

TEST_F(GameDlgInputTest, MessageBoxSpeaksTheGameLanguageAndKeepsTheNameInItsCaption)
{
    const struct {
        Language language;
        const char* win;
        const char* lose;
    } cases[] = {{Language::kGerman, "Du hast gewonnen!", "Du hast verloren!"},
                 {Language::kFrench, "Vous avez gagn\u00e9\u00a0!", "Vous avez perdu\u00a0!"},
                 {Language::kSpanish, "\u00a1Has ganado!", "\u00a1Has perdido!"},
                 {Language::kPolish, "Wygrywasz!", "Przegrywasz!"},
                 {Language::kRussian, "Вы выиграли!", "Вы проиграли!"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(LanguageCode(c.language));
        CLanguageScope language(c.language);
        ASSERT_TRUE(language.Loaded());
        for (const auto& [english, shown] : {std::pair{"You win!", c.win}, std::pair{"You lose!", c.lose}}) {
            CBoxWatch watch;
            dialog.ShowMessage(english, "       Glimmerjig");
            ASSERT_TRUE(watch.Seen());
            EXPECT_EQ(watch.Seen()->text, QString::fromUtf8(shown));
            EXPECT_EQ(watch.Seen()->caption, QStringLiteral("       Glimmerjig"));
        }
    }
}

}  // namespace
