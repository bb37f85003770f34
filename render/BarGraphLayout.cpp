// The 2D bar graph's columns and the frequency and level mapping they share
// with the backdrop.
#include "render/BarGraphLayout.h"

#include <algorithm>
#include <cmath>

namespace {

float Held(float level) {
    if (!(level > 0.0f)) return 0.0f;  // also NaN
    return std::min(level, 1.0f);
}

}  // namespace

void CBarGraphLayout::Layout(const BandLevels& levels, Mode mode, Columns& columns) const {
    constexpr auto kRows = static_cast<float>(kGradientHeight);
    int column = 0;
    for (int segment = 0; segment < kSegmentCount; ++segment) {
        const float from = Held(levels[segment]) * kRows;
        const float to = Held(levels[segment + 1]) * kRows;
        const float step = (to - from) / kColumnsPerSegment;
        for (int i = 0; i < kColumnsPerSegment; ++i, ++column) {
            const float height = static_cast<float>(i) * step + from;
            Column& out = columns[column];
            out.x = kLeftX + static_cast<float>(column);
            out.y = BaseY() - height;
            out.sourceTop = kGradientHeight - static_cast<int>(height);
            // A mark of a level below two rows would reach under the
            // gradient's last row; it is cut there.
            out.sourceBottom = mode == Mode::kBars
                                   ? kGradientHeight
                                   : std::min(out.sourceTop + kPeakMarkRows, kGradientHeight);
        }
    }
}

double CBarGraphLayout::BandPosition(const BandTable& bands, double hz) {
    if (!(hz > bands.front().lowerHz)) return 0.0;
    if (hz >= bands.back().upperHz) return kBandCount;
    const auto above =
        std::upper_bound(bands.begin(), bands.end(), hz,
                         [](double value, const BandRange& band) { return value < band.lowerHz; });
    const auto band = static_cast<int>(above - bands.begin()) - 1;
    const BandRange& range = bands[band];
    return band + std::log(hz / range.lowerHz) / std::log(range.upperHz / range.lowerHz);
}

double CBarGraphLayout::FrequencyX(const BandTable& bands, double hz) {
    return kLeftX + (BandPosition(bands, hz) - 0.5) * kColumnsPerSegment;
}
