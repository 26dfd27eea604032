// Help and About in each language the game speaks: every caption shown whole in its control,
// every tab of the help window in its row, and the words in the language asked for.
#include <QFontMetrics>
#include <QPushButton>
#include <QTabBar>
#include <gtest/gtest.h>

#include "help_dlg_helper.h"
#include "language_scope.h"
#include "boxes/about_dlg.h"

namespace {

class TranslatedBoxesTest : public testing::TestWithParam<Language> {};

// Shown whole: neither elided nor shrunk below the font the button started with.
void ExpectWholeCaptions(const QWidget& box, const QFont& dialogFont)
{
    for (const QPushButton* button : box.findChildren<QPushButton*>()) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_EQ(button->font(), dialogFont) << button->text().toStdString();
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), button->width() - 8)
            << button->text().toStdString();
    }
}

TEST_P(TranslatedBoxesTest, HelpAndAboutShowEveryCaptionWholeInTheLanguage)
{
    CLanguageScope language(GetParam());
    ASSERT_TRUE(language.Loaded());
    CHelpDlg help(nullptr);
    const QFont dialogFont = help.font();
    ExpectWholeCaptions(help, dialogFont);
    const QTabBar& tabs = help.Tabs();
    for (int i = 0; i < tabs.count(); ++i)
        EXPECT_LE(tabs.tabRect(i).right(), tabs.width() - 1) << tabs.tabText(i).toStdString();
    EXPECT_NE(tabs.tabText(1), QStringLiteral("Level"));
    EXPECT_NE(HelpButton(help, control_name::kGoTo)->text().left(5), QStringLiteral("GoTo:"));

    CAboutDlg about(nullptr);
    ExpectWholeCaptions(about, dialogFont);
    EXPECT_NE(about.MailButton().text().left(8), QStringLiteral("mail to:"));
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedBoxesTest,
                         testing::Values(Language::kGerman, Language::kFrench, Language::kSpanish),
                         [](const auto& info) { return std::string(LanguageCode(info.param)); });

}  // namespace
