// make_screenshots <folder>: the software centre's screenshots of the real window, taken on
// the X display this runs under (xvfb-run -a -s "-screen 0 1024x768x24 -noreset"), of the game
// this build's end-to-end tests start. Writes <folder>/start.png, the start board, and
// <folder>/game.png, the board once the player has taken the top five smileys of the left
// column and the computer has answered. The same game gives the same pixels, and each picture
// names the Qt release that drew it.
#include <QCoreApplication>
#include <QDir>
#include <iostream>

#include "board_view.h"
#include "game_session.h"

namespace {

// Each picture names the Qt release that drew it: the controls of Qt's style look as they do
// in that release only.
bool Save(QImage shot, const QString& path)
{
    shot.setText(QStringLiteral("Qt"), QString::fromLatin1(qVersion()));
    if (shot.isNull() || !shot.save(path, "PNG")) {
        std::cerr << "make_screenshots: no settled window for " << path.toStdString() << "\n";
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: make_screenshots <folder>\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    GameSession game;
    if (!folder.mkpath(QStringLiteral(".")) || !game.Start()) {
        std::cerr << "make_screenshots: cannot write " << argv[1] << " or start the game\n";
        return 1;
    }
    if (!Save(game.SettledScreenshot(QStringLiteral("start")), folder.filePath(QStringLiteral("start.png"))))
        return 1;
    game.Click(board_view::Centre(board_view::SmileyCell(9, 5)));
    if (!Save(game.SettledScreenshot(QStringLiteral("game")), folder.filePath(QStringLiteral("game.png"))))
        return 1;
    game.Key("Escape");
    return game.WaitForExit(10s) == 0 ? 0 : 1;
}
