#include "widgets/classic_look.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyleFactory>

#include "base/language.h"
#include "widgets/classic_style.h"

QFont SelfSizedFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(AccentedCapitals(GameLanguage()).empty() ? kDialogFontPixels : kMarkedDialogFontPixels);
    return font;
}

void ApplyClassicLook(QApplication& app)
{
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows")))
        app.setStyle(new CClassicStyle(style));

    const QColor grey(192, 192, 192);
    const QColor black(0, 0, 0);
    QPalette palette = app.style()->standardPalette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, grey);
        palette.setColor(group, QPalette::Button, grey);
        palette.setColor(group, QPalette::WindowText, black);
        palette.setColor(group, QPalette::ButtonText, black);
        palette.setColor(group, QPalette::Text, black);
    }
    palette.setColor(QPalette::Disabled, QPalette::Window, grey);
    palette.setColor(QPalette::Disabled, QPalette::Button, grey);
    app.setPalette(palette);

    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kDialogFontPixels);
    app.setFont(font);
}
