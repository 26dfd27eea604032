#include "sway_session.h"

#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include "poll.h"
#include "process_stop.h"
#include "settled.h"
#include "test_folder.h"

namespace {

// Where the config's exec tells Xwayland's display: empty when sway runs none.
const QString kDisplayFile = QStringLiteral("display");

// Gives a file or folder to the session's user.
bool GiveTo(const QString& path, uid_t user, gid_t group)
{
    return ::chown(QFile::encodeName(path).constData(), user, group) == 0;
}

// The first node of sway's tree, depth first, that holds.
QJsonObject FindNode(const QJsonObject& node, const std::function<bool(const QJsonObject&)>& wanted)
{
    if (wanted(node))
        return node;
    for (const char* children : {"nodes", "floating_nodes"}) {
        for (const QJsonValue child : node.value(QLatin1String(children)).toArray()) {
            if (QJsonObject found = FindNode(child.toObject(), wanted); !found.isEmpty())
                return found;
        }
    }
    return {};
}

}  // namespace

SwaySession::SwaySession(double scale) : m_outputs{{QSize(2100, 1260), scale}}, m_topLeft(true) {}

SwaySession::SwaySession(std::vector<Output> outputs) : m_outputs(std::move(outputs)), m_topLeft(false) {}

SwaySession::~SwaySession()
{
    support::StopProcess(m_game);
    support::StopProcess(m_keyboard);
    // sway takes its Xwayland down when asked to stop.
    support::StopProcess(m_sway);
}

QProcessEnvironment SwaySession::SessionEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // No other display, no scale but the desktop's, the game in English as the tests read it.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "SWAYSOCK", "QT_QPA_PLATFORM",
                             "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING",
                             "QT_SCALE_FACTOR_ROUNDING_POLICY", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("HOME"), m_home.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), m_socket);
    return environment;
}

QStringList SwaySession::AsUser(const QString& program, const QStringList& arguments) const
{
    return m_user + QStringList{program} + arguments;
}

support::ToolRun SwaySession::RunAsUser(const QString& program, const QStringList& arguments, std::vector<int> accepted)
{
    const QStringList command = AsUser(program, arguments);
    support::ToolOptions options;
    options.environment = SessionEnvironment();
    options.accepted = std::move(accepted);
    return support::RunTool(command.first(), command.mid(1), options);
}

QString SwaySession::Start()
{
    if (!m_runtime.isValid() || !m_home.isValid()) {
        ADD_FAILURE() << "no temporary folders";
        return {};
    }
    uid_t user = ::geteuid();
    gid_t group = ::getegid();
    if (user == 0) {
        const passwd* nobody = ::getpwnam("nobody");
        if (nobody == nullptr)
            return QStringLiteral("running as root, and no user \"nobody\" to run sway as");
        user = nobody->pw_uid;
        group = nobody->pw_gid;
        m_user = {QStringLiteral("setpriv"), QStringLiteral("--reuid=%1").arg(user),
                  QStringLiteral("--regid=%1").arg(group), QStringLiteral("--clear-groups"), QStringLiteral("--")};
    }

    QFile config(m_home.filePath(QStringLiteral("config")));
    if (!config.open(QIODevice::WriteOnly)) {
        ADD_FAILURE() << "cannot write sway's config";
        return {};
    }
    QString lines;
    double left = 0;
    for (std::size_t i = 0; i < m_outputs.size(); ++i) {
        const Output& output = m_outputs[i];
        lines += QStringLiteral("output HEADLESS-%1 resolution %2x%3 scale %4 position %5 0\n")
                     .arg(i + 1).arg(output.size.width()).arg(output.size.height()).arg(output.scale).arg(left);
        left += std::round(output.size.width() / output.scale);
    }
    lines += QStringLiteral("default_border none\ndefault_floating_border none\n");
    if (m_topLeft)
        lines += QStringLiteral("for_window [floating] move absolute position 0 0\n");
    lines += QStringLiteral("exec sh -c 'echo \"$DISPLAY\" > %1.new && mv %1.new %1'\n").arg(m_home.filePath(kDisplayFile));
    config.write(lines.toUtf8());
    config.close();
    QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!GiveTo(m_runtime.path(), user, group) || !GiveTo(m_home.path(), user, group) ||
        !GiveTo(config.fileName(), user, group)) {
        ADD_FAILURE() << "cannot give the session's folders to uid " << user;
        return {};
    }

    QProcessEnvironment environment = SessionEnvironment();
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
    environment.insert(QStringLiteral("WLR_HEADLESS_OUTPUTS"), QString::number(m_outputs.size()));
    environment.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
    environment.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
    m_sway.setProcessEnvironment(environment);
    m_sway.setProcessChannelMode(QProcess::MergedChannels);
    const QString log = support::TestFile(QStringLiteral("sway.log"));
    m_sway.setStandardOutputFile(log);
    const QStringList command = AsUser(QStringLiteral("sway"), {QStringLiteral("-c"), config.fileName()});
    m_sway.start(command.first(), command.mid(1));
    m_sway.waitForStarted(5000);
    const QString display = m_home.filePath(kDisplayFile);
    m_ipc = m_runtime.filePath(QStringLiteral("sway-ipc.%1.%2.sock").arg(user).arg(m_sway.processId()));
    const bool up = support::PollUntil([&] {
        return (QFile::exists(display) && QFile::exists(m_ipc)) || m_sway.state() != QProcess::Running;
    }, 20s) && m_sway.state() == QProcess::Running;
    if (!up) {
        support::StopProcess(m_sway);
        QFile file(log);
        const QStringList lines = file.open(QIODevice::ReadOnly)
                                      ? QString::fromLocal8Bit(file.readAll()).split('\n', Qt::SkipEmptyParts)
                                      : QStringList();
        return QStringLiteral("sway did not come up: ") + lines.mid(std::max<qsizetype>(0, lines.size() - 3)).join(" / ");
    }
    const QStringList sockets =
        QDir(m_runtime.path()).entryList({QStringLiteral("wayland-*")}, QDir::System).filter(QRegularExpression(QStringLiteral("^wayland-\\d+$")));
    if (sockets.size() != 1) {
        ADD_FAILURE() << "sway made these Wayland sockets: " << sockets.join(' ').toStdString();
        return {};
    }
    m_socket = sockets.first();
    QFile told(display);
    if (told.open(QIODevice::ReadOnly))
        m_display = QString::fromLocal8Bit(told.readAll()).trimmed();

    // wtype sleeps an hour before its only key: its keyboard stays in the seat, idle.
    m_keyboard.setProcessEnvironment(SessionEnvironment());
    m_keyboard.setProcessChannelMode(QProcess::ForwardedChannels);
    const QStringList keyboard = AsUser(QStringLiteral("wtype"), {"-s", "3600000", "-k", "F12"});
    m_keyboard.start(keyboard.first(), keyboard.mid(1));
    EXPECT_TRUE(support::PollUntil([this] {
        return Swaymsg(QStringLiteral("get_inputs")).contains(QLatin1String("\"keyboard\""));
    })) << "the virtual keyboard did not join the seat";
    return {};
}

QString SwaySession::Swaymsg(const QString& type)
{
    return RunAsUser(QStringLiteral("swaymsg"), {"-s", m_ipc, "-t", type, "-r"}).output;
}

bool SwaySession::HasXwayland() const
{
    return !m_display.isEmpty() && !QStandardPaths::findExecutable(QStringLiteral("Xwayland")).isEmpty();
}

bool SwaySession::StartGame(Client client)
{
    // The session's user runs a copy of its own: the build may be in a folder only root may
    // enter. The program holds its pictures and sounds, and the project's libraries are linked in.
    QString game = GameExecutable();
    if (!m_user.isEmpty()) {
        const QString copy = m_home.filePath(QStringLiteral("glimmerjig"));
        const QFileInfo home(m_home.path());
        if (!QFile::exists(copy) && (!QFile::copy(game, copy) || !GiveTo(copy, home.ownerId(), home.groupId()))) {
            ADD_FAILURE() << "cannot give the session's user a copy of " << game.toStdString();
            return false;
        }
        game = copy;
    }
    QProcessEnvironment environment = SessionEnvironment();
    environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    if (client == Client::kWayland) {
        environment.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    } else {
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.insert(QStringLiteral("DISPLAY"), m_display);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    }
    m_game.setProcessEnvironment(environment);
    // To a file: a pipe nobody reads would fill and stop the game.
    m_game.setStandardErrorFile(support::TestFile(QStringLiteral("game.log")));
    const QStringList command = AsUser(game, {});
    m_game.start(command.first(), command.mid(1));
    return m_game.waitForStarted(5000);
}

QImage SwaySession::Screenshot(const QString& name, int output)
{
    const QString path = m_home.filePath(QStringLiteral("screen.png"));
    QFile::remove(path);
    if (!RunAsUser(QStringLiteral("grim"), {"-o", QStringLiteral("HEADLESS-%1").arg(output), path}).ok)
        return {};
    QImage screen = QImage(path).convertToFormat(QImage::Format_RGB32);
    screen.save(support::TestFile(name + QStringLiteral(".png")));
    // Compare the pixels alone, as the program's pictures carry no colour space.
    screen.setColorSpace(QColorSpace());
    return screen;
}

QString SwaySession::GameLog() const
{
    QFile log(support::TestFile(QStringLiteral("game.log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
}

QJsonObject SwaySession::GameView()
{
    const qint64 pid = m_game.processId();
    const QJsonObject tree = QJsonDocument::fromJson(Swaymsg(QStringLiteral("get_tree")).toUtf8()).object();
    return FindNode(tree, [pid](const QJsonObject& node) { return node.value(QLatin1String("pid")).toInteger() == pid; });
}

QJsonObject SwaySession::FocusedView()
{
    const QJsonObject tree = QJsonDocument::fromJson(Swaymsg(QStringLiteral("get_tree")).toUtf8()).object();
    return FindNode(tree, [](const QJsonObject& node) {
        return node.value(QLatin1String("focused")).toBool() && node.contains(QLatin1String("pid"));
    });
}

bool SwaySession::Key(const QString& key)
{
    return RunAsUser(QStringLiteral("wtype"), {"-k", key}).ok;
}

bool SwaySession::Command(const QString& command)
{
    return RunAsUser(QStringLiteral("swaymsg"), {"-s", m_ipc, command}).ok;
}

QSize SwaySession::XWindowSize(qint64 window)
{
    const QString info =
        RunAsUser(QStringLiteral("xwininfo"), {"-display", m_display, "-id", QString::number(window)}).output;
    const auto value = [&info](const char* name) {
        return QRegularExpression(QStringLiteral("(?m)^\\s*%1:\\s*(\\d+)").arg(QLatin1String(name))).match(info).captured(1).toInt();
    };
    return QSize(value("Width"), value("Height"));
}
