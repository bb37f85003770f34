// The meter's bars, hold lines and figures on the dBFS scale.
#include "render/ScaledMeter.h"

#include <algorithm>

void CScaledMeter::Update(double blockPeak, double blockRms, uint32_t nowMs) {
    const double levels[kBarCount] = {DbfsOfLinear(blockPeak), DbfsOfLinear(blockRms)};
    for (int i = 0; i < kBarCount; ++i) {
        const double holdDb = holdLines_[i].Update(levels[i], nowMs);
        // A line on the empty bar's floor would only look like a level.
        const int holdRows = MeterRowsOfValue(kDbfsMeterScale, holdDb);
        const int holdY = holdRows > 0 ? MeterRowY(kDbfsMeterScale, holdDb) : -1;
        bars_[i] =
            ScaledMeterBar{i * kBarPitch, MeterRowY(kDbfsMeterScale, levels[i]), holdY, levels[i]};
    }
}

std::string CScaledMeter::PeakText() const {
    return "peak " + DbfsText(bars_[0].levelDb) + " dBFS";
}

std::string CScaledMeter::RmsText() const {
    return "RMS " + DbfsText(bars_[1].levelDb) + " dBFS";
}

CMeterTexture::Texels CScaledMeter::BuildTexture() {
    CMeterTexture::Texels texels{};
    for (int row = 0; row < CMeterTexture::kHeight; ++row) {
        const uint32_t colour =
            row % 3 == 0 ? CMeterTexture::kBlack
                         : CMeterTexture::ZoneColour(MeterValueOfRow(kDbfsMeterScale, row));
        for (int column = 0; column < CMeterTexture::kWidth; ++column) {
            texels[row * CMeterTexture::kWidth + column] = 0xFF000000u | colour;
        }
    }
    return texels;
}

std::array<MeterTick, kDbfsMeterTicks.size()> CScaledMeter::Ticks() {
    std::array<MeterTick, kDbfsMeterTicks.size()> ticks{};
    for (size_t i = 0; i < ticks.size(); ++i) {
        ticks[i] = MeterTickOf(kDbfsMeterScale, kDbfsMeterTicks[i]);
    }
    return ticks;
}

std::array<int, kDbfsMeterTicks.size()> CScaledMeter::TickLabelTops(int lineHeight) {
    const auto ticks = Ticks();
    std::array<int, kDbfsMeterTicks.size()> tops{};
    int freeFrom = 0;
    for (size_t i = 0; i < ticks.size(); ++i) {
        const int centred = std::min(ticks[i].y - lineHeight / 2, kMeterScaleRows - lineHeight / 2);
        tops[i] = std::max(centred, freeFrom);
        freeFrom = tops[i] + lineHeight;
    }
    return tops;
}
