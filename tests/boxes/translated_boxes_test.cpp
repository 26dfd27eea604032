// Help and About in each language the game speaks: every caption shown whole in its control,
// every tab of the help window in its row, and the words in the language asked for.
#include <QFontMetrics>
#include <QPushButton>
#include <QTabBar>
#include <gtest/gtest.h>

#include "base/product.h"
#include "caption_room.h"
#include "help_dlg_helper.h"
#include "language_scope.h"
#include "boxes/about_dlg.h"

namespace {

class TranslatedBoxesTest : public testing::TestWithParam<Language> {};

// Shown whole and clear of the focus frame; only a caption holding an address (mail, web site)
// may take a smaller type than the dialog's, as the English web caption does.
void ExpectWholeCaptions(const QWidget& box, const QFont& dialogFont)
{
    for (const QPushButton* button : box.findChildren<QPushButton*>()) {
        SCOPED_TRACE(button->objectName().toStdString());
        const bool address = button->text().contains(QLatin1String(kContactEmail)) ||
                             button->text().contains(QLatin1String(kWebHost));
        if (!address) {
            EXPECT_EQ(button->font(), dialogFont) << button->text().toStdString();
        }
        EXPECT_FALSE(button->text().contains(QChar(0x2026))) << button->text().toStdString();
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), CaptionRoom(*button))
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
                         testing::Values(Language::kGerman, Language::kFrench, Language::kSpanish, Language::kPolish),
                         [](const auto& info) { return std::string(LanguageCode(info.param)); });

}  // namespace
