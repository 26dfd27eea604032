// Help and About in each language the game speaks: every caption shown whole in its control,
// every tab of the help window in its row, and the words in the language asked for.
#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTranslator>
#include <cstring>
#include <gtest/gtest.h>
#include <utility>

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
                         testing::Values(Language::kGerman, Language::kFrench, Language::kSpanish, Language::kPolish,
                                         Language::kRussian),
                         [](const auto& info) { return std::string(LanguageCode(info.param)); });

// A catalogue of the test's own that gives the help window's last tab a title of its choice.
class CLastTabTitle : public QTranslator {
public:
    explicit CLastTabTitle(QString title) : m_title(std::move(title)) {}
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        const bool last = std::strcmp(context, "HelpPages") == 0 && source == HelpPageTexts().back().title;
        return last ? m_title : QString();
    }
    bool isEmpty() const override { return false; }

private:
    QString m_title;
};

int TabPadding(const QTabBar& tabs)
{
    return tabs.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &tabs);
}

// title lengthened by text exactly `pixels` wider in font, as a tab measures its title.
QString Widened(const QString& title, int pixels, const QFont& font)
{
    const QFontMetrics metrics(font);
    const auto width = [&metrics](const QString& text) { return metrics.size(Qt::TextShowMnemonic, text).width(); };
    for (int wide = 0; wide < 40; ++wide)
        for (int narrow = 0; narrow < 40; ++narrow) {
            const QString longer = title + QString(wide, QLatin1Char('W')) + QString(narrow, QLatin1Char('i'));
            if (width(longer) - width(title) == pixels)
                return longer;
        }
    return {};
}

// Titles that would overflow the row by as little as one pixel give up padding round every
// title, a pixel at a time, until the row fits, and no more than it needs.
TEST(HelpTabsTest, TitlesOverflowingTheirRowGiveUpPaddingUntilTheyFit)
{
    int usual = 0;
    int spare = 0;  // pixels the English row leaves free at its right
    QFont font;
    {
        CHelpDlg help(nullptr);
        const QTabBar& tabs = help.Tabs();
        usual = TabPadding(tabs);
        spare = tabs.width() - 1 - tabs.tabRect(tabs.count() - 1).right();
        font = tabs.font();
    }
    ASSERT_GE(spare, 0);
    const struct {
        const char* what;
        int overflow;  // pixels past the row's end at the usual padding
        bool givesUp;
    } cases[] = {
        {"fills the row to its last pixel", 0, false},
        {"overflows by one pixel", 1, true},
        {"overflows by one pixel once a pixel is given up", kHelpPageCount + 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString title = Widened(QString::fromUtf8(HelpPageTexts().back().title), spare + c.overflow, font);
        ASSERT_FALSE(title.isEmpty()) << "no title of that width";
        CLastTabTitle catalogue(title);
        QCoreApplication::installTranslator(&catalogue);
        CHelpDlg help(nullptr);
        QCoreApplication::removeTranslator(&catalogue);
        const QTabBar& tabs = help.Tabs();
        const int last = tabs.count() - 1;
        ASSERT_EQ(tabs.tabText(last), title);
        EXPECT_LE(tabs.tabRect(last).right(), tabs.width() - 1) << "padding " << TabPadding(tabs);
        EXPECT_EQ(TabPadding(tabs) < usual, c.givesUp) << "padding " << TabPadding(tabs);
        if (c.givesUp) {
            EXPECT_GE(tabs.tabRect(last).right() + tabs.count(), tabs.width()) << "more padding given up than needed";
        } else {
            EXPECT_EQ(tabs.tabRect(last).right(), tabs.width() - 1) << "the title is not as wide as asked";
        }
    }
}

}  // namespace
