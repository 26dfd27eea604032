// Every text Qt's own widgets draw for the game (the window menu, the result boxes, Help's tabs
// and captions, the About box), in every language, with every mark over a letter clear of it
// and a diaeresis as two dots, at every scale a desktop offers.
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <gtest/gtest.h>

#include "game_dlg_fixture.h"
#include "language_scope.h"
#include "mark_clearance.h"

namespace {

struct ShownText {
    QString text;
    QFont font;
};

void AddButtons(const QWidget& box, std::vector<ShownText>& texts)
{
    for (const QPushButton* button : box.findChildren<QPushButton*>())
        texts.push_back({button->text(), button->font()});
    for (const QLabel* label : box.findChildren<QLabel*>())
        texts.push_back({label->text(), label->font()});
}

// The window menu's items, as the game's right click shows them.
void AddMenu(CGameDlg& game, std::vector<ShownText>& texts)
{
    RightClick(&game);
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        for (const QAction* action : menu->actions())
            texts.push_back({QString(action->text()).remove(u'&'), menu->font()});
        menu->close();
    }
}

// What the widgets show in the language spoken now, each in the font its widget draws it with.
// (The windows' titles are the window manager's to draw.)
std::vector<ShownText> ShownTexts()
{
    std::vector<ShownText> texts;
    CGameDlg game{(fake_sound::Reset(), fake_sound::Output()), RecordLaunch};
    EXPECT_TRUE(ShowActive(game));
    AddMenu(game, texts);
    for (const char* result : {"You win!", "You lose!"}) {
        QTimer::singleShot(0, [&texts] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            AddButtons(*box, texts);
            box->accept();
        });
        game.ShowMessage(result, "Glimmerjig");
    }

    CHelpDlg help(nullptr);
    const QTabBar& tabs = help.Tabs();
    for (int i = 0; i < tabs.count(); ++i)
        texts.push_back({tabs.tabText(i), tabs.font()});
    AddButtons(help, texts);
    CAboutDlg about(nullptr);
    AddButtons(about, texts);
    fake_sound::Reset();
    return texts;
}

class WidgetMarksTest : public testing::TestWithParam<Language> {};

TEST_P(WidgetMarksTest, EveryMarkStandsClearOfItsLetterAtEveryScale)
{
    const CLanguageScope language(GetParam());
    ASSERT_TRUE(language.Loaded());
    const std::vector<ShownText> texts = ShownTexts();
    const auto marked = std::count_if(texts.begin(), texts.end(), [](const ShownText& shown) {
        return shown.text.normalized(QString::NormalizationForm_D) != shown.text;
    });
    ASSERT_GT(marked, 0) << "no text with a mark: nothing was measured";
    for (const qreal scale : {1.0, 1.25, 1.5, 1.75, 2.0})
        for (const ShownText& shown : texts)
            EXPECT_EQ(MarkFaults(shown.text, shown.font, scale), "");
}

// On the menu's grey face a pixel a third covered already joins a mark to its capital, as a
// reader sees the menu at 100 %.
TEST_P(WidgetMarksTest, TheMenusMarksStandClearEvenOfFaintInkAt100Percent)
{
    const CLanguageScope language(GetParam());
    ASSERT_TRUE(language.Loaded());
    std::vector<ShownText> texts;
    CGameDlg game{(fake_sound::Reset(), fake_sound::Output()), RecordLaunch};
    ASSERT_TRUE(ShowActive(game));
    AddMenu(game, texts);
    fake_sound::Reset();
    ASSERT_EQ(texts.size(), 4U);
    for (const ShownText& shown : texts)
        EXPECT_EQ(MarkFaults(shown.text, shown.font, 1.0, kThirdCovered), "");
}

INSTANTIATE_TEST_SUITE_P(Languages, WidgetMarksTest,
                         testing::Values(Language::kGerman, Language::kFrench, Language::kSpanish, Language::kPolish,
                                         Language::kRussian),
                         [](const auto& info) { return std::string(LanguageCode(info.param)); });

}  // namespace
