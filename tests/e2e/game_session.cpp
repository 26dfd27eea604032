#include "game_session.h"

#include <QColorSpace>
#include <QDir>
#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QThread>

#include "board_view.h"

GameSession::GameSession()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    m_game.setProcessEnvironment(environment);
    // The program from this build, or another copy of it (the installed package, say).
    m_game.setProgram(qEnvironmentVariable("GLIMMERJIG_EXECUTABLE", QStringLiteral(GLIMMERJIG_EXECUTABLE)));
    m_game.setProcessChannelMode(QProcess::ForwardedChannels);
}

GameSession::~GameSession()
{
    if (m_game.state() != QProcess::NotRunning) {
        m_game.kill();
        m_game.waitForFinished(5000);
    }
}

void GameSession::AddEnvironment(const QProcessEnvironment& variables)
{
    QProcessEnvironment environment = m_game.processEnvironment();
    environment.insert(variables);
    m_game.setProcessEnvironment(environment);
}

QString GameSession::Xdotool(const QStringList& arguments)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    xdotool.waitForFinished(15000);
    return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
}

bool GameSession::Start()
{
    m_game.start();
    if (!m_game.waitForStarted(5000))
        return false;
    m_window = Xdotool({"search", "--sync", "--onlyvisible", "--pid", QString::number(m_game.processId()),
                        "--name", "^Glimmerjig$"})
                   .section('\n', 0, 0);
    if (m_window.isEmpty())
        return false;
    const QString geometry = Xdotool({"getwindowgeometry", "--shell", m_window});
    const QRegularExpression x(QStringLiteral("X=(-?\\d+)")), y(QStringLiteral("Y=(-?\\d+)"));
    m_origin = QPoint(x.match(geometry).captured(1).toInt(), y.match(geometry).captured(1).toInt());
    Xdotool({"windowfocus", "--sync", m_window});
    return true;
}

void GameSession::Click(QPoint client, int button)
{
    ClickScreen(m_origin + client, button);
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
    return ScreenshotOf(QRect(m_origin, QSize(board_view::kClientWidth, board_view::kClientHeight)), name);
}

QImage GameSession::ScreenshotOf(const QRect& area, const QString& name)
{
    const QString folder = QStringLiteral(SCREENSHOT_DIR);
    QDir().mkpath(folder);
    const QString path = folder + '/' + name + QStringLiteral(".png");
    QProcess::execute(QStringLiteral("import"), {"-window", "root", path});
    const QImage window = QImage(path).copy(area);
    window.save(folder + '/' + name + QStringLiteral("-window.png"));
    QImage pixels = window.convertToFormat(QImage::Format_RGB32);
    // The file says sRGB, the program's pictures say nothing: compare the pixels alone.
    pixels.setColorSpace(QColorSpace());
    return pixels;
}

QImage GameSession::SettledScreenshot(const QString& name)
{
    QImage last = Screenshot(name);
    for (int i = 0; i < 40; ++i) {
        QThread::msleep(750);
        QImage now = Screenshot(name);
        if (now == last)
            return now;
        last = now;
    }
    return last;
}

int GameSession::WaitForExit(int milliseconds)
{
    if (!m_game.waitForFinished(milliseconds))
        return -1;
    return m_game.exitStatus() == QProcess::NormalExit ? m_game.exitCode() : -1;
}

QRect GameSession::WaitForWindow(QSize size, int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    do {
        const QString found = Xdotool({"search", "--onlyvisible", "--pid", QString::number(m_game.processId()),
                                       "--name", "^Glimmerjig$"});
        for (const QString& id : found.split('\n', Qt::SkipEmptyParts)) {
            const QString geometry = Xdotool({"getwindowgeometry", "--shell", id});
            const auto value = [&geometry](const char* name) {
                return QRegularExpression(QStringLiteral("(?m)^%1=(-?\\d+)").arg(QLatin1String(name)))
                    .match(geometry).captured(1).toInt();
            };
            const QRect window(value("X"), value("Y"), value("WIDTH"), value("HEIGHT"));
            if (window.size() == size) {
                Xdotool({"windowfocus", "--sync", id});
                return window;
            }
        }
        QThread::msleep(100);
    } while (clock.elapsed() < milliseconds);
    return {};
}

bool GameSession::StillShows(QSize size, int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        if (WaitForWindow(size, 0).isEmpty())
            return false;
        QThread::msleep(100);
    }
    return true;
}
