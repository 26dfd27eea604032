#pragma once

// What the tests of the cue player through a real sound server share: the program's one
// server, started before the first test and stopped after the last (a test that stops it
// starts it again), and the cues found in what reaches its sinks. Built once per server.

#include "base/cue_ids.h"
#include "base/sound_switch.h"
#include "base/wait.h"
#include "cue_match.h"
#include "sink_recorder.h"
#include "sound/cue_player.h"
#include "sound_server.h"

#include <QCoreApplication>
#include <QMap>
#include <QString>
#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using support::SinkRecorder;
using support::SoundServer;

SoundServer& TheServer();
bool ServerStarted();
double Ms(Clock::duration d);
std::size_t Frames(std::chrono::milliseconds time);
std::size_t Lines(const std::string& text);
// Waits as the game's window does, its events flowing.
void WaitInEventLoop(Clock::time_point deadline);

class ServerTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ServerStarted()) << "the sound server did not start";
        g_bSound = true;
    }
    void TearDown() override { SetWaitFunction(nullptr); }

    // The streams this program holds on the server.
    std::vector<QMap<QString, QString>> GameStreams() const
    {
        auto streams = server.Streams();
        const QString self = QString::number(QCoreApplication::applicationPid());
        std::erase_if(streams, [&self](const auto& stream) { return stream.value(QStringLiteral("application.process.id")) != self; });
        return streams;
    }
    // The click played, and its sound found in what the sink received.
    void ExpectClickAt(const QString& sink);

    SoundServer& server = TheServer();
};

