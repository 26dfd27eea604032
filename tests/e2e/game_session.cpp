#include "game_session.h"

#include <cmath>

#include <QColorSpace>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "board_view.h"
#include "poll.h"
#include "process_stop.h"
#include "settled.h"
#include "test_folder.h"
#include "tool_run.h"
#include "window_manager.h"

namespace {

support::ToolRun Xdotool(const QStringList& arguments, std::vector<int> accepted = {0})
{
    support::ToolOptions options;
    options.accepted = std::move(accepted);
    return support::RunTool(QStringLiteral("xdotool"), arguments, options);
}

}  // namespace

QRect GameSession::GeometryOf(const QString& window)
{
    // xwininfo, since xdotool counts a window manager's frame twice. A window that has gone
    // has no geometry.
    const QString info = WindowInfo(window);
    const auto value = [&info](const char* name) {
        return QRegularExpression(QStringLiteral("(?m)^\\s*%1:\\s*(-?\\d+)").arg(QLatin1String(name))).match(info).captured(1).toInt();
    };
    return QRect(value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"), value("Height"));
}

GameSession::GameSession()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    // English, whatever the desktop running the tests speaks; a test may ask for another.
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    m_game.setProcessEnvironment(environment);
    m_game.setProgram(GameExecutable());
    m_game.setProcessChannelMode(QProcess::ForwardedChannels);
}

GameSession::~GameSession()
{
    support::StopProcess(m_game);
}

void GameSession::AddEnvironment(const QProcessEnvironment& variables)
{
    QProcessEnvironment environment = m_game.processEnvironment();
    environment.insert(variables);
    m_game.setProcessEnvironment(environment);
}

void GameSession::RemoveEnvironment(const QString& name)
{
    QProcessEnvironment environment = m_game.processEnvironment();
    environment.remove(name);
    m_game.setProcessEnvironment(environment);
}

QStringList GameSession::Windows(const QString& title)
{
    // Exit code 1: no such window (yet).
    return Xdotool({"search", "--onlyvisible", "--pid", QString::number(m_game.processId()), "--name", title}, {0, 1})
        .output.split('\n', Qt::SkipEmptyParts);
}

bool GameSession::Start()
{
    m_game.start();
    if (!m_game.waitForStarted(5000))
        return false;
    QStringList found;
    if (!support::PollUntil([&] { return !(found = Windows(QStringLiteral("^Glimmerjig$"))).isEmpty(); }, 60s)) {
        ScreenshotOf(QRect(), QStringLiteral("no-window"));  // the whole screen, for the report
        // What the game has, shown or not, for the report.
        const QStringList all = Xdotool({"search", "--pid", QString::number(m_game.processId()), "--name", ""}, {0, 1})
                                    .output.split('\n', Qt::SkipEmptyParts);
        ADD_FAILURE() << "no window of the game shows; the game " << (Running() ? "runs" : "has ended")
                      << " with " << all.size() << " windows: " << all.join(' ').toStdString();
        for (const QString& window : all)
            ADD_FAILURE() << window.toStdString() << ": " << WindowInfo(window).toStdString();
        return false;
    }
    m_window = found.first();
    return support::PollUntil([this] { return Focus(m_window); }, 15s);
}

bool GameSession::Focus(const QString& window)
{
    // A window manager busy with a window it has just mapped may move the focus after the
    // request, and xdotool's own wait (--sync) gives up silently: ask, then look.
    Xdotool({"windowfocus", window}, {0, 1});
    return Xdotool({"getwindowfocus"}, {0, 1}).output == window;
}

void GameSession::Click(QPoint client, int button)
{
    ClickScreen(Origin() + client, button);
}

void GameSession::ClickScreen(QPoint screen, int button)
{
    Xdotool({"mousemove", "--sync", QString::number(screen.x()), QString::number(screen.y()), "click",
             QString::number(button)});
}

void GameSession::Key(const char* key)
{
    Xdotool({"key", "--clearmodifiers", QString::fromLatin1(key)});
}

QImage GameSession::Screenshot(const QString& name)
{
    return ScreenshotOf(QRect(Origin(), QSize(board_view::kClientWidth, board_view::kClientHeight)), name);
}

QImage GameSession::ScreenshotOf(const QRect& area, const QString& name)
{
    const QString path = support::TestFile(name + QStringLiteral(".png"));
    if (!support::RunTool(QStringLiteral("import"), {"-window", "root", path}).ok)
        return {};
    const QImage window = QImage(path).copy(area);
    window.save(support::TestFile(name + QStringLiteral("-window.png")));
    QImage pixels = window.convertToFormat(QImage::Format_RGB32);
    // The file says sRGB, the program's pictures say nothing: compare the pixels alone.
    pixels.setColorSpace(QColorSpace());
    return pixels;
}

QImage GameSession::SettledScreenshot(const QString& name)
{
    return Settled([&] { return Screenshot(name); });
}

int GameSession::WaitForExit(std::chrono::milliseconds limit)
{
    if (!m_game.waitForFinished(static_cast<int>(limit.count())))
        return -1;
    return m_game.exitStatus() == QProcess::NormalExit ? m_game.exitCode() : -1;
}

QString GameSession::WindowIdOfSize(QSizeF size, double within)
{
    for (const QString& id : Windows(QStringLiteral("^Glimmerjig$"))) {
        const QSize shown = GeometryOf(id).size();
        if (std::abs(shown.width() - size.width()) <= within && std::abs(shown.height() - size.height()) <= within)
            return id;
    }
    return {};
}

QRect GameSession::WindowOfSize(QSize size)
{
    const QString id = WindowIdOfSize(size);
    if (id.isEmpty() || !Focus(id))
        return {};
    return GeometryOf(id);
}

QRect GameSession::WaitForWindowNear(QSizeF size, std::chrono::milliseconds limit)
{
    QRect window;
    support::PollUntil([&] {
        const QString id = WindowIdOfSize(size, 1.0);
        return !id.isEmpty() && !(window = GeometryOf(id)).isEmpty();
    }, limit);
    return window;
}

QRect GameSession::WaitForWindow(QSize size, std::chrono::milliseconds limit)
{
    QRect window;
    support::PollUntil([&] { return !(window = WindowOfSize(size)).isEmpty(); }, limit);
    return window;
}
