#include "base/whole_device.h"

#include <cmath>

namespace {

// Compositors give fractional scales in 120ths: 1.25, 1.5 and 1.75 need at most 4 pixels more.
constexpr int kMostSpare = 7;

}  // namespace

int WholeOnDevice(int logical, double scale)
{
    for (int length = logical; length <= logical + kMostSpare; ++length) {
        const double device = length * scale;
        if (std::abs(device - std::round(device)) < 1e-6)
            return length;
    }
    return logical;
}
