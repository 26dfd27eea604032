// The fatal-error box: the text and caption as given, exclamation icon, OK, the owner window.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "qt_print.h"
#include "base/fatal_error.h"
#include "shell/fatal_presenter.h"

namespace {

struct Shown {
    QString text, caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* owner = nullptr;
    int buttons = 0;
};

// Reads the box that the call opens and presses its OK button.
Shown ShowAndConfirm(const char* text, const char* caption)
{
    Shown shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        shown = {box->text(), box->windowTitle(), box->icon(), box->parentWidget(),
                 static_cast<int>(box->buttons().size())};
        box->button(QMessageBox::Ok)->click();
    });
    ShowFatalErrorBox(text, caption);
    return shown;
}

TEST(FatalBoxTest, ShowsTheCodeUnderTheCaptionOwnedByTheWindow)
{
    QWidget window;
    window.show();
    SetFatalErrorOwner(&window);
    const Shown shown = ShowAndConfirm("016", FatalErrorCaption());
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
    const Shown shown = ShowAndConfirm("Sound ?", "\xA9 caption");
    EXPECT_EQ(shown.owner, nullptr);
    EXPECT_EQ(shown.text, QStringLiteral("Sound ?"));
    EXPECT_EQ(shown.caption, QString(QChar(0xA9)) + QStringLiteral(" caption"));
}

}  // namespace
