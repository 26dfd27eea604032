// The fatal-error box: the text and caption as given, exclamation icon, OK, the owner window.
#include <QWidget>
#include <gtest/gtest.h>

#include "base/fatal_error.h"
#include "box_watch.h"
#include "qt_print.h"
#include "shell/fatal_presenter.h"

namespace {

// Shows the box, reads it and presses its OK button.
ShownBox ShowAndConfirm(const char* text, const char* caption)
{
    CBoxWatch watch;
    ShowFatalErrorBox(text, caption);
    return watch.Seen().value_or(ShownBox{});
}

TEST(FatalBoxTest, ShowsTheCodeUnderTheCaptionOwnedByTheWindow)
{
    QWidget window;
    window.show();
    SetFatalErrorOwner(&window);
    const ShownBox shown = ShowAndConfirm("016", FatalErrorCaption());
    EXPECT_EQ(shown.text, QStringLiteral("016"));
    EXPECT_EQ(shown.caption, QString::fromLatin1(FatalErrorCaption()));
    EXPECT_TRUE(shown.caption.startsWith(QStringLiteral("  G i m m e r j i g  ")));
    EXPECT_EQ(shown.icon, QMessageBox::Warning);
    EXPECT_EQ(shown.buttons, 1);
    EXPECT_EQ(shown.owner, &window);
    SetFatalErrorOwner(nullptr);
}

TEST(FatalBoxTest, WithoutAWindowTheBoxHasNoOwnerAndSingleByteTextStays)
{
    {
        QWidget gone;
        SetFatalErrorOwner(&gone);
    }
    const ShownBox shown = ShowAndConfirm("Sound ?", "\xA9 caption");
    EXPECT_EQ(shown.owner, nullptr);
    EXPECT_EQ(shown.text, QStringLiteral("Sound ?"));
    EXPECT_EQ(shown.caption, QString(QChar(0xA9)) + QStringLiteral(" caption"));
}

}  // namespace
