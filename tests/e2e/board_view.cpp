#include "board_view.h"

#include <QRect>

#include "assets/pictures.h"

namespace board_view {

QPoint SmileyCell(int column, int height) { return {PxX(55 + 17 * (9 - column)), PxY(148 - 16 * (height - 1))}; }
QPoint MirrorCell(int column, int height) { return {PxX(55 + 17 * (column - 1)), PxY(4 + 16 * (height - 1))}; }

QImage Picture(const char* name)
{
    QImage picture;
    LoadPicture(name, &picture);
    return picture.convertToFormat(QImage::Format_RGB32);
}

bool Shows(const QImage& window, QPoint cell, const QImage& picture)
{
    return window.copy(QRect(cell, picture.size())) == picture;
}

bool ShowsWithFocusMark(const QImage& window, QPoint cell, const QImage& picture)
{
    const QImage shown = window.copy(QRect(cell, picture.size()));
    QRect marked;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (shown.pixel(x, y) != picture.pixel(x, y))
                marked |= QRect(x, y, 1, 1);
    if (marked.isEmpty() || marked.width() < 3 || marked.height() < 3)
        return false;
    const QRect inside = marked.adjusted(1, 1, -1, -1);
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (shown.pixel(x, y) != picture.pixel(x, y))
                return false;
    return true;
}

Board Read(const QImage& window)
{
    const QImage yellow = Picture("MYIMAGEU"), grey = Picture("MYIMAGEX");
    const QImage white = Picture("IMAGEX"), cyan = Picture("IMAGEU");
    Board board;
    for (int c = 1; c <= 9; ++c) {
        for (int h = 1; h <= c; ++h) {
            const QPoint smiley = SmileyCell(c, h), mirror = MirrorCell(c, h);
            Shows(window, smiley, yellow) ? ++board.yellow : Shows(window, smiley, grey) ? ++board.grey : ++board.other;
            Shows(window, mirror, white) ? ++board.white : Shows(window, mirror, cyan) ? ++board.cyan : ++board.other;
        }
    }
    return board;
}

QImage FindWindow(const QImage& screen)
{
    const QImage smiley = Picture("MYIMAGEU");
    const QRgb first = smiley.pixel(0, 0);
    for (int y = 0; y + smiley.height() <= screen.height(); ++y) {
        for (int x = 0; x + smiley.width() <= screen.width(); ++x) {
            if (screen.pixel(x, y) != first || !Shows(screen, {x, y}, smiley))
                continue;
            // The window's icon in a title bar may be the same face: the bottom of the column
            // must show one too.
            const QPoint origin = QPoint(x, y) - SmileyCell(9, 9);
            if (!Shows(screen, origin + SmileyCell(9, 1), smiley))
                continue;
            return screen.copy(origin.x(), origin.y(), kClientWidth, kClientHeight);
        }
    }
    return {};
}

testing::AssertionResult IsStartBoard(const QImage& window)
{
    const Board board = Read(window);
    const bool tools = Shows(window, {PxX(1), PxY(1)}, Picture("HELPU")) &&
                       Shows(window, {PxX(26), PxY(1)}, Picture("SOUNDU"));
    if (board.yellow == 45 && board.white == 45 && board.other == 0 && tools)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << board.yellow << " yellow, " << board.white << " white, "
                                       << board.other << " other cells; tool buttons "
                                       << (tools ? "shown" : "missing");
}

}  // namespace board_view
