#include "art_on_device.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

// How much of device pixel [d, d + 1) art pixel i covers, [origin + i s, origin + (i + 1) s).
double Covered(int d, int i, double origin, double scale)
{
    return std::max(0.0, std::min(d + 1.0, origin + (i + 1) * scale) - std::max<double>(d, origin + i * scale));
}

// Red, green or blue (k = 0, 1, 2) of a colour.
int Channel(QRgb colour, int k)
{
    return static_cast<int>((colour >> (16 - 8 * k)) & 0xffu);
}

// A share a mix must come within of the device pixel's share.
constexpr double kShareTolerance = 0.2;

}  // namespace

ArtOnDevice MeasureArtOnDevice(const QImage& art, const QImage& device, QPointF origin, double scale)
{
    ArtOnDevice result;
    const int left = static_cast<int>(std::ceil(origin.x()));
    const int top = static_cast<int>(std::ceil(origin.y()));
    const int right = static_cast<int>(std::floor(origin.x() + art.width() * scale));
    const int bottom = static_cast<int>(std::floor(origin.y() + art.height() * scale));
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if (!device.rect().contains(x, y))
                continue;
            // The art colours over this device pixel, with the share each covers.
            std::map<QRgb, double> shares;
            const int i0 = static_cast<int>(std::floor((x - origin.x()) / scale));
            const int j0 = static_cast<int>(std::floor((y - origin.y()) / scale));
            for (int j = std::max(0, j0 - 1); j <= std::min(art.height() - 1, j0 + 1); ++j)
                for (int i = std::max(0, i0 - 1); i <= std::min(art.width() - 1, i0 + 1); ++i)
                    if (const double c = Covered(x, i, origin.x(), scale) * Covered(y, j, origin.y(), scale); c > 1e-9)
                        shares[art.pixel(i, j) | 0xff000000u] += c;
            const QRgb shown = device.pixel(x, y) | 0xff000000u;
            ++result.pixels;
            bool good = true;
            if (shares.size() == 1) {
                good = shown == shares.begin()->first;
            } else {
                ++result.mixed;
                // Each channel between the colours' own, and where two colours meet, as far
                // towards each as its share.
                for (int k = 0; k < 3; ++k) {
                    int low = 255, high = 0;
                    for (const auto& [colour, share] : shares) {
                        low = std::min(low, Channel(colour, k));
                        high = std::max(high, Channel(colour, k));
                    }
                    good = good && Channel(shown, k) >= low && Channel(shown, k) <= high;
                }
                if (good && shares.size() == 2) {
                    const auto [a, shareA] = *shares.begin();
                    const auto [b, shareB] = *shares.rbegin();
                    int widest = 0;  // the channel in which the two differ most
                    for (int k = 1; k < 3; ++k)
                        if (std::abs(Channel(b, k) - Channel(a, k)) > std::abs(Channel(b, widest) - Channel(a, widest)))
                            widest = k;
                    const double towardsB = double(Channel(shown, widest) - Channel(a, widest)) /
                                            (Channel(b, widest) - Channel(a, widest));
                    good = std::abs(towardsB - shareB / (shareA + shareB)) <= kShareTolerance;
                    result.widestMix = std::max(result.widestMix, std::min(towardsB, 1 - towardsB));
                }
            }
            if (!good) {
                if (result.wrong++ == 0)
                    result.firstWrong = QStringLiteral("device pixel (%1, %2) is %3 among %4 art colours")
                                            .arg(x).arg(y).arg(QColor(shown).name()).arg(shares.size());
            }
        }
    }
    return result;
}
