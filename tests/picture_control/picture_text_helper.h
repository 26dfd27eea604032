#pragma once

#include <QApplication>
#include <QBackingStore>
#include <QImage>
#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "help/help_texts.h"
#include "picture_text/markup.h"
#include "pictures_helper.h"
#include "widgets/dialog_units.h"
#include "picture_control/picture_text.h"

// The control's sizes in its two hosts: a help page and the About box.
inline const QSize kPageSize(dlu::X(265), dlu::Y(136));
inline const QSize kAboutSize(dlu::X(124), dlu::Y(133));
inline constexpr QRgb kMagenta = qRgb(255, 0, 255);

// A control set up as the help pages set theirs: magenta key colour over the BACKI1 tile.
inline std::unique_ptr<CPictureText> MakeControl(std::string_view text, QSize size = kPageSize,
                                                 const char* tile = "BACKI1")
{
    auto control = std::make_unique<CPictureText>();
    control->resize(size);
    control->SetText(text, '|');
    control->SetColor(0, Rgb(255, 0, 255));
    control->SetBackground(tile);
    return control;
}

inline void Ticks(CPictureText& control, int count)
{
    for (int i = 0; i < count; ++i)
        control.RunTicks(1);
}

// What the screen shows of a part of a window: its backing store, which keeps what earlier
// paints drew wherever a repaint did not reach, in the device's pixels (a grab of the window
// would give the part at its size in device-independent pixels): the pixels the part covers
// whole. A device pixel the part shares with its neighbour is left out.
inline QImage OnScreen(QWidget& window, const QRect& part)
{
    const auto* store = dynamic_cast<const QImage*>(window.backingStore()->paintDevice());
    if (store == nullptr)
        return {};
    const double scale = store->devicePixelRatio();
    const auto first = [scale](int at) { return static_cast<int>(std::ceil(at * scale - 1e-9)); };
    const auto end = [scale](int at) { return static_cast<int>(std::floor(at * scale + 1e-9)); };
    const QRect device(QPoint(first(part.left()), first(part.top())),
                       QPoint(end(part.left() + part.width()) - 1, end(part.top() + part.height()) - 1));
    return store->copy(device).convertToFormat(QImage::Format_RGB32);
}

// A control in a shown window as the screen shows it once the paints asked for are done.
inline QImage Shown(CPictureText& control)
{
    QApplication::processEvents();
    return OnScreen(*control.window(), control.geometry());
}

// The background alone: the tile repeated from the top-left corner.
inline QImage TileOnly(QSize size, const std::string& tile = "BACKI1")
{
    const QImage piece = ProgramPicture(tile);
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, piece.pixel(x % piece.width(), y % piece.height()));
    return image;
}

// The frame with the top `rows` rows of a picture at `at`: magenta lets the frame show.
inline QImage WithPicture(QImage frame, const std::string& name, QPoint at, int rows = INT_MAX)
{
    const QImage picture = ProgramPicture(name);
    for (int y = 0; y < std::min(rows, picture.height()); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QPoint p = at + QPoint(x, y);
            if (frame.rect().contains(p) && picture.pixel(x, y) != kMagenta)
                frame.setPixel(p, picture.pixel(x, y));
        }
    return frame;
}

// The bounding box of the pixels that differ from the background alone.
inline QRect Ink(const QImage& frame, const QImage& background)
{
    QRect box;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            if (frame.pixel(x, y) != background.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

// The rows from the first to the last holding anything but the key colour; 0 when none does.
inline int InkRows(const QImage& frame)
{
    int top = frame.height(), bottom = -1;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            if (frame.pixel(x, y) != kMagenta) {
                top = std::min(top, y);
                bottom = y;
            }
    return std::max(bottom - top + 1, 0);
}

// A line of a picture text in the game's language, from the catalogues installed in the
// application: the LineTranslator the help window uses.
inline std::string CatalogueText(const char* context, const std::string& english)
{
    return QCoreApplication::translate(context, english.c_str()).toStdString();
}

// A stand-alone control showing help page index as a help page should: its text in the game's
// language, the
// magenta key colour over the pale tile, large text dark blue, plain text blue (dark blue
// on the About page), medium and small text red, scrolling at the help pace from the first
// line. Ticks are given by hand, so its timer never fires.
inline void StartAsHelpPage(CPictureText& control, int index)
{
    control.SetText(PageText(index, CatalogueText), '|');
    control.SetSpeed(2, 0);
    control.SetColor(0, Rgb(255, 0, 255));
    control.SetColor(4, index == 7 ? Rgb(0, 0, 100) : Rgb(0, 0, 255));
    control.SetColor(1, Rgb(0, 0, 100));
    control.SetColor(2, Rgb(255, 0, 0));
    control.SetColor(3, Rgb(255, 0, 0));
    control.SetBackground("BACKI1");
    control.Start();
}

inline std::unique_ptr<CPictureText> ReferencePage(int index, QSize size)
{
    auto control = std::make_unique<CPictureText>();
    control->resize(size);
    StartAsHelpPage(*control, index);
    return control;
}

// How many rows the content moved up between two frames of a control over a fixed
// background: the smallest d for which every row of after, but the d rows new at its bottom
// and `partial` more (device rows a design row only partly covers), shows where the
// background is hidden just as before's row d below it does; -1 when none.
inline int RowsScrolled(const QImage& before, const QImage& after, const QImage& background, int partial = 0)
{
    const auto hidden = [&background](const QImage& frame, int y) {
        std::vector<bool> row(static_cast<std::size_t>(frame.width()));
        for (int x = 0; x < frame.width(); ++x)
            row[static_cast<std::size_t>(x)] = frame.pixel(x, y) != background.pixel(x, y);
        return row;
    };
    for (int d = 0; d < after.height(); ++d) {
        bool same = true;
        for (int y = 0; y + d + partial < after.height() && same; ++y)
            same = hidden(after, y) == hidden(before, y + d);
        if (same)
            return d;
    }
    return -1;
}

// Every line of text the game shows in the language of the scope, with the font of its kind.
struct ShippedLine {
    QString text;
    TextFont font;
};

inline std::vector<ShippedLine> ShippedLines()
{
    std::string all = CreditsText(CatalogueText);
    for (int i = 0; i < kHelpPageCount; ++i)
        all += kTextSeparator + PageText(i, CatalogueText);
    std::vector<ShippedLine> lines;
    for (const std::string& line : CutLines(all, kTextSeparator)) {
        const LineClass what = ClassifyLine(line);
        const QString text = QString::fromUtf8(what.shown).trimmed();
        if (what.kind == LineKind::kPicture || text.isEmpty())
            continue;
        const TextFont font = what.kind == LineKind::kLarge    ? TextFont::kLarge
                              : what.kind == LineKind::kMedium ? TextFont::kMedium
                              : what.kind == LineKind::kSmall  ? TextFont::kSmall
                                                               : TextFont::kPlain;
        lines.push_back({text, font});
    }
    return lines;
}

// The characters of every text the game shows in the language of the scope.
inline std::set<char32_t> ShippedCharacters()
{
    std::string all = CreditsText(CatalogueText);
    for (int i = 0; i < kHelpPageCount; ++i)
        all += PageText(i, CatalogueText);
    std::set<char32_t> characters;
    for (const std::string& line : CutLines(all, '|')) {
        const LineClass what = ClassifyLine(line);
        if (what.kind != LineKind::kPicture)
            for (const char32_t c : QString::fromUtf8(what.shown).toUcs4())
                characters.insert(c);
    }
    return characters;
}
