#include "server_fixture.h"

#include "audio_test_main.h"
#include "poll.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

constexpr auto kKind = static_cast<support::SoundServerKind>(GLIMMERJIG_SOUND_SERVER);

SoundServer* g_server = nullptr;
bool g_started = false;

class ServerEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        // A server that does not start fails each test: a fatal failure here would only
        // skip them, and a skipped test passes.
        m_server = std::make_unique<SoundServer>(kKind);
        g_server = m_server.get();
        g_started = m_server->Start();
        if (g_started)
            m_server->Use();
    }
    void TearDown() override
    {
        g_server = nullptr;
        m_server.reset();
    }

private:
    std::unique_ptr<SoundServer> m_server;
};

}  // namespace

SoundServer& TheServer()
{
    return *g_server;
}

bool ServerStarted()
{
    return g_started;
}

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

std::size_t Frames(std::chrono::milliseconds time)
{
    return static_cast<std::size_t>(time.count()) * SinkRecorder::kRate / 1000;
}

std::size_t Lines(const std::string& text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

void WaitInEventLoop(Clock::time_point deadline)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    if (left <= 0ms)
        return;
    QEventLoop loop;
    QTimer::singleShot(left, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void ServerTest::ExpectClickAt(const QString& sink)
{
    SinkRecorder recorder(server, sink);
    ASSERT_TRUE(recorder.Started());
    const std::size_t before = recorder.Frames();
    PlayCue(kCueClick);
    ASSERT_TRUE(g_bSound);
    const auto click = CueSamples(kCueClick);
    ASSERT_TRUE(recorder.WaitForFrames(before + click.size() / 2 + Frames(100ms), 5s));
    // That it arrives sample for sample is the cue tests' concern; here, that it arrives.
    const auto recording = recorder.Samples();
    EXPECT_LT(FirstSound(recording, before), recording.size() / 2) << "nothing reached " << sink.toStdString();
}

void ConfigureAudioEnvironment()
{
    // SDL chooses its driver as a player's game does.
    ::unsetenv("SDL_AUDIODRIVER");
    static int argc = 1;
    static char name[] = "sound_server_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    testing::AddGlobalTestEnvironment(new ServerEnvironment);
}
