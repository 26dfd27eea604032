#pragma once

#include <QProcess>
#include <QString>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace support {

class SoundServer;

// What reaches a sink of a test's sound server, recorded from its monitor as 16-bit stereo
// frames at 48 kHz. The recorder keeps the sink running while
// it lives: PipeWire's null sink runs only while something plays to it, so silence does.
class SinkRecorder {
public:
    static constexpr int kRate = 48000;

    SinkRecorder(const SoundServer& server, const QString& sink);
    ~SinkRecorder();
    SinkRecorder(const SinkRecorder&) = delete;
    SinkRecorder& operator=(const SinkRecorder&) = delete;

    // Waits until the monitor delivers frames steadily; false at the deadline.
    bool Started();
    // Waits until count frames have arrived in all; false at the deadline.
    bool WaitForFrames(std::size_t count, std::chrono::milliseconds limit);
    std::size_t Frames() const;
    // Interleaved samples, left and right, of every frame so far.
    std::vector<std::int16_t> Samples() const;

private:
    void Read();

    int m_pipe = -1;
    QString m_pipePath;
    QProcess m_silence;
    QProcess m_parec;
    std::atomic<bool> m_quit{false};
    mutable std::mutex m_mutex;
    std::vector<std::int16_t> m_samples;
    std::thread m_reader;
};

}  // namespace support
