// A caption too wide for its button: smaller type first, then cut short in the middle; the
// whole caption stays the tool tip and the accessible name.
#include <QFontMetrics>
#include <QPushButton>
#include <gtest/gtest.h>

#include "caption_room.h"
#include "qt_print.h"
#include "widgets/classic_look.h"
#include "widgets/fit_caption.h"

namespace {

enum class Fit { kAsItIs, kSmaller, kCut };

TEST(FitCaptionTest, CaptionsFitTheirButtonAndStayWholeForReaders)
{
    const struct {
        const char* caption;
        Fit fit;
    } cases[] = {
        {"mail to: a@b.example", Fit::kAsItIs},
        {"mail to: someone@glimmerjig.example", Fit::kSmaller},
        {"mail to: someone.with.a.longer.name@glimmerjig.example", Fit::kCut},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        const QString caption = QString::fromLatin1(c.caption);
        QPushButton button(caption);
        QFont font = button.font();
        font.setPixelSize(kDialogFontPixels);
        button.setFont(font);
        button.resize(186, 23);
        FitCaption(&button);

        EXPECT_LE(QFontMetrics(button.font()).horizontalAdvance(button.text()), CaptionRoom(button));
        EXPECT_EQ(button.font().pixelSize() < kDialogFontPixels, c.fit != Fit::kAsItIs);
        EXPECT_EQ(button.text() == caption, c.fit != Fit::kCut);
        if (c.fit == Fit::kCut) {
            EXPECT_TRUE(button.text().startsWith(QStringLiteral("mail to: some"))) << button.text().toStdString();
            EXPECT_TRUE(button.text().endsWith(QStringLiteral(".example"))) << button.text().toStdString();
        }
        const QString forReaders = c.fit == Fit::kAsItIs ? QString() : caption;
        EXPECT_EQ(button.toolTip(), forReaders);
        EXPECT_EQ(button.accessibleName(), forReaders);
    }
}

}  // namespace
