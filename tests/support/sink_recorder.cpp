#include "sink_recorder.h"

#include "poll.h"
#include "process_stop.h"
#include "sound_server.h"

#include <QUuid>
#include <cstring>
#include <fcntl.h>
#include <sys/poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace support {
namespace {

constexpr std::size_t kFrameBytes = 4;

}  // namespace

SinkRecorder::SinkRecorder(const SoundServer& server, const QString& sink)
    : m_pipePath(server.Path(QStringLiteral("monitor-") + QUuid::createUuid().toString(QUuid::Id128)))
{
    // A pipe opened for reading and writing never blocks its opening and never ends, so the
    // reader waits only on poll and stops when told.
    ::mkfifo(m_pipePath.toLocal8Bit().constData(), 0600);
    m_pipe = ::open(m_pipePath.toLocal8Bit().constData(), O_RDWR | O_CLOEXEC);
    m_reader = std::thread([this] { Read(); });
    const QStringList format{QStringLiteral("--format=s16le"), QStringLiteral("--rate=48000"),
                             QStringLiteral("--channels=2"), QStringLiteral("--raw")};
    m_silence.setProcessEnvironment(server.Environment());
    m_silence.setStandardErrorFile(server.Path(QStringLiteral("pacat.log")), QIODevice::Append);
    m_silence.start(QStringLiteral("pacat"), QStringList{QStringLiteral("--playback"), QStringLiteral("--device=") + sink}
                                                 + format + QStringList{QStringLiteral("/dev/zero")});
    m_parec.setProcessEnvironment(server.Environment());
    m_parec.setStandardOutputFile(m_pipePath);
    m_parec.setStandardErrorFile(server.Path(QStringLiteral("parec.log")), QIODevice::Append);
    // A short latency, so that each frame is read soon after it reached the sink.
    m_parec.start(QStringLiteral("parec"), QStringList{QStringLiteral("--device=") + sink + QStringLiteral(".monitor"),
                                                       QStringLiteral("--latency-msec=5")} + format);
}

SinkRecorder::~SinkRecorder()
{
    StopProcess(m_parec);
    StopProcess(m_silence);
    m_quit = true;
    m_reader.join();
    ::close(m_pipe);
    ::unlink(m_pipePath.toLocal8Bit().constData());
}

void SinkRecorder::Read()
{
    std::vector<char> buffer(1 << 16);
    std::size_t held = 0;  // bytes of an incomplete frame at the buffer's start
    while (!m_quit) {
        pollfd ready{m_pipe, POLLIN, 0};
        if (::poll(&ready, 1, 20) <= 0)
            continue;
        const ssize_t count = ::read(m_pipe, buffer.data() + held, buffer.size() - held);
        if (count <= 0)
            continue;
        const std::size_t bytes = held + static_cast<std::size_t>(count);
        const std::size_t whole = bytes / kFrameBytes * kFrameBytes;
        std::lock_guard lock(m_mutex);
        const std::size_t at = m_samples.size();
        m_samples.resize(at + whole / 2);
        std::memcpy(m_samples.data() + at, buffer.data(), whole);
        held = bytes - whole;
        std::memmove(buffer.data(), buffer.data() + whole, held);
    }
}

bool SinkRecorder::Started()
{
    // A fifth of a second: the monitor's first frames come in bursts while its stream starts.
    return WaitForFrames(kRate / 5, 10s);
}

bool SinkRecorder::WaitForFrames(std::size_t count, std::chrono::milliseconds limit)
{
    return PollUntil([this, count] { return Frames() >= count; }, limit);
}

std::size_t SinkRecorder::Frames() const
{
    std::lock_guard lock(m_mutex);
    return m_samples.size() / 2;
}

std::vector<std::int16_t> SinkRecorder::Samples() const
{
    std::lock_guard lock(m_mutex);
    return m_samples;
}

}  // namespace support
