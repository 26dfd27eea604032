#pragma once

#include <string>

// Each real-time test program chooses its SDL audio driver before any test runs; SDL reads
// the environment when the first cue opens the device.
void ConfigureAudioEnvironment();

// Standard error redirected to a file while the object lives.
class CapturedStderr {
public:
    CapturedStderr();
    ~CapturedStderr();
    CapturedStderr(const CapturedStderr&) = delete;
    CapturedStderr& operator=(const CapturedStderr&) = delete;
    // What was written so far.
    std::string Text() const;

private:
    std::string path_;
    int saved_;
};
