// Heights and places of the level meter's bars.
#include "render/MeterBars.h"

#include "render/MeterTexture.h"

namespace {

constexpr float kRmsBarX = CMeterTexture::kWidth + 2.0f;

int RowsOf(double level) {
    const float rows = static_cast<float>(level * CMeterTexture::kHeight);
    // Written so that NaN lands on the empty bar, before any conversion.
    if (!(rows > 0.0f)) return 0;
    if (rows >= static_cast<float>(CMeterTexture::kHeight)) return CMeterTexture::kHeight;
    return static_cast<int>(rows);
}

MeterBar BarOf(double level, float x) {
    const int rows = RowsOf(level);
    const int top = CMeterTexture::kHeight - rows;
    return MeterBar{rows, top, x, static_cast<float>(top)};
}

}  // namespace

MeterBars MeterBarsOf(double blockPeak, double blockRms) {
    return MeterBars{BarOf(blockPeak, 0.0f), BarOf(blockRms, kRmsBarX)};
}
