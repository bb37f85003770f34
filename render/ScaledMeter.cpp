// The meter's bars, hold lines and figures on the dBFS and LUFS scales.
#include "render/ScaledMeter.h"

#include "analysis/LoudnessLine.h"

namespace {

constexpr uint32_t kLoudnessColour = 0x3CA0FFu;

template <typename ColourOfRow>
CMeterTexture::Texels OpaqueTexels(ColourOfRow colourOfRow) {
    CMeterTexture::Texels texels{};
    for (int row = 0; row < CMeterTexture::kHeight; ++row) {
        const uint32_t colour = row % 3 == 0 ? CMeterTexture::kBlack : colourOfRow(row);
        for (int column = 0; column < CMeterTexture::kWidth; ++column) {
            texels[row * CMeterTexture::kWidth + column] = 0xFF000000u | colour;
        }
    }
    return texels;
}

}  // namespace

void CScaledMeter::Update(double blockPeak, double blockRms, const CLoudnessSnapshot& loudness,
                          uint32_t nowMs) {
    const double levels[kLevelBarCount] = {DbfsOfLinear(blockPeak), DbfsOfLinear(blockRms)};
    for (int i = 0; i < kLevelBarCount; ++i) {
        const double holdDb = holdLines_[i].Update(levels[i], nowMs);
        // A line on the empty bar's floor would only look like a level.
        const int holdRows = MeterRowsOfValue(kDbfsMeterScale, holdDb);
        const int holdY = holdRows > 0 ? MeterRowY(kDbfsMeterScale, holdDb) : -1;
        bars_[i] =
            ScaledMeterBar{i * kBarPitch, MeterRowY(kDbfsMeterScale, levels[i]), holdY, levels[i]};
    }
    loudness_ = loudness;
    loudnessBar_.top = MeterRowY(kLufsMeterScale, loudness.shortTermLufs);
    loudnessBar_.levelDb = loudness.shortTermLufs;
}

std::string CScaledMeter::PeakText() const {
    return "peak " + DbfsText(bars_[0].levelDb) + " dBFS";
}

std::string CScaledMeter::RmsText() const {
    return "RMS " + DbfsText(bars_[1].levelDb) + " dBFS";
}

CScaledMeter::Figures CScaledMeter::FigureTexts() const {
    return {PeakText(), RmsText(), "S " + LoudnessFigureText(loudness_.shortTermLufs) + " LUFS",
            "I " + LoudnessFigureText(loudness_.integratedLufs) + " LUFS"};
}

CMeterTexture::Texels CScaledMeter::BuildTexture() {
    return OpaqueTexels(
        [](int row) { return CMeterTexture::ZoneColour(MeterValueOfRow(kDbfsMeterScale, row)); });
}

CMeterTexture::Texels CScaledMeter::BuildLoudnessTexture() {
    return OpaqueTexels([](int) { return kLoudnessColour; });
}

std::array<MeterTick, kDbfsMeterTicks.size()> CScaledMeter::Ticks() {
    return MeterTicksOf(kDbfsMeterScale, kDbfsMeterTicks);
}

std::array<MeterTick, kLufsMeterTicks.size()> CScaledMeter::LoudnessTicks() {
    return MeterTicksOf(kLufsMeterScale, kLufsMeterTicks);
}
