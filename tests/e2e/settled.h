#pragma once

#include <QImage>
#include <QString>
#include <chrono>
#include <functional>

using namespace std::chrono_literals;

// The path of the game under test: this build's, or another copy of it (the installed
// package, say) named by GLIMMERJIG_EXECUTABLE.
QString GameExecutable();

// The longest the game's window stands still inside a command: a one-shot cue of up to 1.28 s,
// a pause of up to 1000 ms. Shots that stay equal for less prove nothing.
inline constexpr std::chrono::milliseconds kLongestStill{1300};

// Shoots until the picture has not changed for longer than kLongestStill; the last shot, or
// a null image when it never stood still (or never showed anything) within the limit.
QImage Settled(const std::function<QImage()>& shoot, std::chrono::milliseconds limit = 30s);
