#include "weston_session.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "poll.h"
#include "process_stop.h"
#include "settled.h"
#include "test_folder.h"
#include "tool_run.h"

WestonSession::WestonSession()
    : m_socket(QStringLiteral("glimmerjig-e2e-%1").arg(QCoreApplication::applicationPid()))
{
    m_weston.setProcessEnvironment(ClientEnvironment());
}

WestonSession::~WestonSession()
{
    // Weston ends its helper clients when it is asked to stop rather than killed.
    support::StopProcess(m_game);
    support::StopProcess(m_weston);
}

QProcessEnvironment WestonSession::ClientEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The game in English, as the tests read it, whatever the desktop running them speaks.
    for (const char* name : {"DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_SOCKET", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), m_socket);
    return environment;
}

bool WestonSession::Start()
{
    if (!m_runtime.isValid() || !m_shots.isValid())
        return false;
    QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_weston.setProcessChannelMode(QProcess::MergedChannels);
    m_weston.setStandardOutputFile(support::TestFile(QStringLiteral("weston.log")));
    // --debug lets the screenshooter in.
    m_weston.start(QStringLiteral("weston"), {"--backend=headless-backend.so", "--socket=" + m_socket,
                                               "--use-pixman", "--debug"});
    if (!m_weston.waitForStarted(5000))
        return false;
    return support::PollUntil([this] {
        return QFile::exists(m_runtime.filePath(m_socket)) || m_weston.state() != QProcess::Running;
    }) && m_weston.state() == QProcess::Running;
}

bool WestonSession::StartGame()
{
    QProcessEnvironment environment = ClientEnvironment();
    environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    environment.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    m_game.setProcessEnvironment(environment);
    // To a file: a pipe nobody reads would fill and stop the game.
    m_game.setStandardErrorFile(support::TestFile(QStringLiteral("game.log")));
    m_game.setProgram(GameExecutable());
    m_game.start();
    return m_game.waitForStarted(5000);
}

QImage WestonSession::Screenshot(const QString& name)
{
    support::ToolOptions options;
    options.environment = ClientEnvironment();
    options.workingDirectory = m_shots.path();
    if (!support::RunTool(QStringLiteral("weston-screenshooter"), {}, options).ok)
        return {};

    QDir shots(m_shots.path());
    const QStringList files = shots.entryList({QStringLiteral("wayland-screenshot-*.png")}, QDir::Files);
    if (files.isEmpty())
        return {};
    QImage screen = QImage(shots.filePath(files.first())).convertToFormat(QImage::Format_RGB32);
    for (const QString& file : files)
        shots.remove(file);

    screen.save(support::TestFile(name + QStringLiteral(".png")));
    // Compare the pixels alone, as the program's pictures carry no colour space.
    screen.setColorSpace(QColorSpace());
    return screen;
}

QString WestonSession::GameProtocolLog() const
{
    QFile log(support::TestFile(QStringLiteral("game.log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
}
