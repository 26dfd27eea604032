#pragma once

#include <cstdint>
#include <vector>

// The four cues, composed here and written as complete wave files in their formats.

std::vector<std::uint8_t> FanfareWave();  // 243: the player won
std::vector<std::uint8_t> ClickWave();    // 244: a smiley taken or brought back
std::vector<std::uint8_t> TuneWave();     // 245: the loop behind Help and the demo
std::vector<std::uint8_t> LoseWave();     // 246: the computer won
