// The tool buttons' words in every language stand clear of the dotted frame the button shows
// once the keyboard has moved the focus to it: at least one pixel of face between the frame's
// line and the word's ink on every side, as in English.
#include <QHBoxLayout>
#include <QTest>
#include <gtest/gtest.h>

#include "active_window.h"
#include "language_scope.h"
#include "pictures_helper.h"
#include "widgets/cell_button.h"

namespace {

// The box round the word's ink: the black pixels inside the button's bevel.
QRect WordInk(const QImage& picture)
{
    QRect ink;
    for (int y = 2; y < picture.height() - 2; ++y)
        for (int x = 2; x < picture.width() - 2; ++x)
            if (picture.pixel(x, y) == qRgb(0, 0, 0))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// The box round what the focus frame changed in the painted button.
QRect FocusFrame(const QImage& focused, const QImage& picture)
{
    QRect frame;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (focused.pixel(x, y) != picture.pixel(x, y))
                frame |= QRect(x, y, 1, 1);
    return frame;
}

class WordFocusTest : public testing::TestWithParam<Language> {};

TEST_P(WordFocusTest, EveryWordLeavesAClearPixelInsideTheFocusFrame)
{
    const CLanguageScope language(GetParam());
    ASSERT_TRUE(language.Loaded());
    for (const char* caption : {"HELP", "DEMO", "HINT", "BACK"}) {
        SCOPED_TRACE(caption);
        QWidget window;
        auto* before = new CCellButton(QStringLiteral("SOUND"), &window);
        auto* button = new CCellButton(QString::fromLatin1(caption), &window);
        auto* layout = new QHBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(button);
        for (CCellButton* each : {before, button})
            each->setFocusPolicy(Qt::StrongFocus);
        ASSERT_TRUE(ShowActive(window));
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        ASSERT_TRUE(button->hasFocus());

        const QImage picture = ProgramPicture(std::string(caption) + "U");
        const QRect frame = FocusFrame(Painted(button), picture);
        ASSERT_FALSE(frame.isEmpty()) << "no focus frame painted";
        const QRect ink = WordInk(picture);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_TRUE(frame.adjusted(2, 2, -2, -2).contains(ink))
            << "frame " << frame.left() << ".." << frame.right() << " x " << frame.top() << ".."
            << frame.bottom() << ", word " << ink.left() << ".." << ink.right() << " x " << ink.top()
            << ".." << ink.bottom();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, WordFocusTest, testing::ValuesIn(kLanguages),
                         [](const testing::TestParamInfo<Language>& info) {
                             return std::string(LanguageCode(info.param));
                         });

}  // namespace
