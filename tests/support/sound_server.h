#pragma once

#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <chrono>
#include <memory>
#include <vector>

namespace support {

using namespace std::chrono_literals;

// The desktop's sound servers a player may have.
enum class SoundServerKind {
    PipeWire,    // PipeWire with WirePlumber and its PulseAudio interface, pipewire-pulse
    PulseAudio,
};
const char* Name(SoundServerKind kind);

// A sound server of the test's own: its own runtime directory and home, its own D-Bus session
// bus, and two null sinks for sound cards, "speakers" (the default) and "headphones". Programs
// started with Environment(), or this process after Use(), play to it. Every process it starts
// is stopped by its PID when it ends; nothing is left running.
class SoundServer {
public:
    explicit SoundServer(SoundServerKind kind);
    ~SoundServer();
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    // Starts the bus and the server and waits, with a deadline, until the server answers with
    // both sinks made and "speakers" the default; false when it did not.
    bool Start();
    // Stops the server's processes (the bus stays), as a package upgrade does.
    void Stop();
    // Stops and continues the server's processes (SIGSTOP, SIGCONT).
    void Freeze();
    void Thaw();

    // The variables a client needs to find this server.
    QProcessEnvironment Environment() const;
    // Sets them in this process, for the cue player under test.
    void Use() const;

    // pactl's answer to the arguments; the test fails when pactl does.
    QString Pactl(const QStringList& arguments) const;
    // The playback streams the server holds, each as its properties.
    std::vector<QMap<QString, QString>> Streams() const;
    // RUNNING, IDLE or SUSPENDED; empty for a sink the server does not have.
    QString SinkState(const QString& sink) const;
    // The path of a file in the server's own directory.
    QString Path(const QString& name) const;

private:
    void StartProcess(QProcess& process, const QString& program, const QStringList& arguments);
    bool Ready() const;

    SoundServerKind m_kind;
    QTemporaryDir m_dir;
    QProcess m_bus;
    QString m_busAddress;
    // In the order they start; stopped in reverse.
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

}  // namespace support
