#pragma once

#include <cstddef>
#include <span>

// The complete RIFF WAVE file of cue 243..246 as compiled into the program; empty for any
// other id. The bytes live as long as the program.
std::span<const std::byte> CueBytes(int id);
