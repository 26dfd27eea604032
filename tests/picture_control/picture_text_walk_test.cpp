// The control's whole public API in random order, with a fixed seed: after every step the
// screen shows what a full repaint of the control's state shows. The fuzz stage runs the same
// walk on the fuzzer's bytes for longer.
#include <gtest/gtest.h>
#include <random>
#include <vector>

#include "control_walk.h"

namespace {

TEST(PictureTextWalkTest, ScreenEqualsAFullRepaintAfterEveryStep)
{
    constexpr int kSequences = 50;
    constexpr int kSteps = 80;
    std::mt19937 random(20261208);
    for (int sequence = 0; sequence < kSequences; ++sequence) {
        std::vector<std::uint8_t> bytes(3 * kSteps);
        for (std::uint8_t& byte : bytes)
            byte = static_cast<std::uint8_t>(random());
        CControlWalk walk;
        const std::uint8_t* at = bytes.data();
        while (at < bytes.data() + bytes.size())
            ASSERT_TRUE(walk.Step(at, bytes.data() + bytes.size())) << "sequence " << sequence << ":\n" << walk.Report();
    }
}

}  // namespace
