#include "sound_server.h"

#include "poll.h"
#include "process_stop.h"
#include "session_bus.h"
#include "tool_run.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <algorithm>
#include <csignal>
#include <optional>

namespace support {
namespace {

const QStringList kSinks{QStringLiteral("speakers"), QStringLiteral("headphones")};

// pactl's output, or nothing when it fails: the server may not answer yet.
std::optional<QString> TryPactl(const QProcessEnvironment& environment, const QStringList& arguments)
{
    QProcess pactl;
    pactl.setProcessEnvironment(environment);
    pactl.setStandardErrorFile(QProcess::nullDevice());
    pactl.start(QStringLiteral("pactl"), arguments);
    if (!pactl.waitForFinished(5000)) {
        StopProcess(pactl);
        return std::nullopt;
    }
    if (pactl.exitStatus() != QProcess::NormalExit || pactl.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(pactl.readAllStandardOutput());
}

}  // namespace

const char* Name(SoundServerKind kind)
{
    return kind == SoundServerKind::PipeWire ? "PipeWire" : "PulseAudio";
}

SoundServer::SoundServer(SoundServerKind kind) : m_kind(kind)
{
    for (const char* folder : {"run", "home", "home/config", "home/state", "home/data"})
        QDir(m_dir.path()).mkpath(QString::fromLatin1(folder));
    QFile::setPermissions(Path(QStringLiteral("run")), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

SoundServer::~SoundServer()
{
    Stop();
    StopProcess(m_bus);
}

QString SoundServer::Path(const QString& name) const
{
    return m_dir.filePath(name);
}

QProcessEnvironment SoundServer::Environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), Path(QStringLiteral("run")));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_busAddress);
    environment.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + Path(QStringLiteral("run/pulse/native")));
    return environment;
}

void SoundServer::Use() const
{
    const QProcessEnvironment environment = Environment();
    for (const char* name : {"XDG_RUNTIME_DIR", "DBUS_SESSION_BUS_ADDRESS", "PULSE_SERVER"})
        qputenv(name, environment.value(QString::fromLatin1(name)).toUtf8());
}

void SoundServer::StartProcess(QProcess& process, const QString& program, const QStringList& arguments)
{
    // The server's own home, so that nothing it saves (the default sink, stream volumes)
    // reaches the machine's or outlives the test.
    QProcessEnvironment environment = Environment();
    environment.insert(QStringLiteral("HOME"), Path(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Path(QStringLiteral("home/config")));
    environment.insert(QStringLiteral("XDG_STATE_HOME"), Path(QStringLiteral("home/state")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), Path(QStringLiteral("home/data")));
    environment.remove(QStringLiteral("PULSE_SERVER"));
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(Path(program + QStringLiteral(".log")), QIODevice::Append);
    process.start(program, arguments);
}

bool SoundServer::Start()
{
    if (m_busAddress.isEmpty())
        m_busAddress = StartSessionBus(m_bus);
    if (m_busAddress.isEmpty()) {
        ADD_FAILURE() << "the session bus did not start";
        return false;
    }
    QList<QPair<QString, QStringList>> programs;
    if (m_kind == SoundServerKind::PipeWire) {
        programs = {{QStringLiteral("pipewire"), {}},
                    {QStringLiteral("wireplumber"), {}},
                    {QStringLiteral("pipewire-pulse"), {}}};
    } else {
        // No start-up script: no card is looked for. The modules a desktop's script loads
        // that bear on a game's stream: stream restore, and letting an idle sink suspend after
        // the module's own timeout.
        programs = {{QStringLiteral("pulseaudio"),
                     {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                      "--log-target=stderr",
                      "--load=module-native-protocol-unix auth-anonymous=1", "--load=module-stream-restore",
                      "--load=module-suspend-on-idle"}}};
    }
    // A socket left by an earlier run would say PipeWire answers before it does.
    QFile::remove(Path(QStringLiteral("run/pipewire-0")));
    for (const auto& [program, arguments] : programs) {
        m_processes.push_back(std::make_unique<QProcess>());
        StartProcess(*m_processes.back(), program, arguments);
        // WirePlumber gives up at once when PipeWire does not answer yet.
        if (program == QStringLiteral("pipewire") &&
            !PollUntil([this] { return QFile::exists(Path(QStringLiteral("run/pipewire-0"))); }, 15s)) {
            ADD_FAILURE() << "PipeWire made no socket; its logs are kept in " << m_dir.path().toStdString();
            m_dir.setAutoRemove(false);
            return false;
        }
    }
    if (!PollUntil([this] { return TryPactl(Environment(), {QStringLiteral("info")}).has_value(); }, 15s)) {
        ADD_FAILURE() << Name(m_kind) << " did not answer; its logs are kept in " << m_dir.path().toStdString();
        m_dir.setAutoRemove(false);
        return false;
    }
    // pipewire-pulse may answer before it can load modules, and a load that pactl gave up on
    // may still have made its sink: a sink is asked for only while it is missing.
    const auto made = [this](const QString& sink) { return !SinkState(sink).isEmpty(); };
    for (const QString& sink : kSinks)
        PollUntil([&] {
            return made(sink) || (TryPactl(Environment(), {QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                                                           QStringLiteral("sink_name=") + sink, QStringLiteral("rate=48000")})
                                  && made(sink));
        }, 15s);
    // The session manager links streams only once it has taken the default, and may first
    // choose one of its own: the test's is set until it holds.
    const auto ready = [this] {
        if (Ready())
            return true;
        TryPactl(Environment(), {QStringLiteral("set-default-sink"), kSinks.front()});
        return false;
    };
    if (!PollUntil(ready, 20s)) {
        ADD_FAILURE() << Name(m_kind) << " did not make its sinks; its logs are kept in " << m_dir.path().toStdString();
        m_dir.setAutoRemove(false);
        return false;
    }
    return true;
}

bool SoundServer::Ready() const
{
    const auto info = TryPactl(Environment(), {QStringLiteral("info")});
    if (!info || !info->contains(QStringLiteral("Default Sink: ") + kSinks.front()))
        return false;
    return std::all_of(kSinks.begin(), kSinks.end(), [this](const QString& sink) { return !SinkState(sink).isEmpty(); });
}

void SoundServer::Stop()
{
    Thaw();
    while (!m_processes.empty()) {
        StopProcess(*m_processes.back());
        m_processes.pop_back();
    }
}

void SoundServer::Freeze()
{
    for (const auto& process : m_processes)
        ::kill(static_cast<pid_t>(process->processId()), SIGSTOP);
}

void SoundServer::Thaw()
{
    for (const auto& process : m_processes)
        if (process->state() == QProcess::Running)
            ::kill(static_cast<pid_t>(process->processId()), SIGCONT);
}

QString SoundServer::Pactl(const QStringList& arguments) const
{
    ToolOptions options;
    options.environment = Environment();
    return RunTool(QStringLiteral("pactl"), arguments, options).output;
}

std::vector<QMap<QString, QString>> SoundServer::Streams() const
{
    std::vector<QMap<QString, QString>> streams;
    const auto text = TryPactl(Environment(), {QStringLiteral("list"), QStringLiteral("sink-inputs")});
    static const QRegularExpression property(QStringLiteral(R"re(^\s+([\w.-]+) = "(.*)"$)re"));
    for (const QString& line : text.value_or(QString()).split('\n')) {
        if (line.startsWith(QStringLiteral("Sink Input #")))
            streams.emplace_back();
        const auto match = property.match(line);
        if (match.hasMatch() && !streams.empty())
            streams.back().insert(match.captured(1), match.captured(2));
    }
    return streams;
}

QString SoundServer::SinkState(const QString& sink) const
{
    const auto text = TryPactl(Environment(), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")});
    for (const QString& line : text.value_or(QString()).split('\n')) {
        const QStringList fields = line.split('\t');
        if (fields.size() >= 5 && fields[1] == sink)
            return fields.back().trimmed();
    }
    return {};
}

}  // namespace support
