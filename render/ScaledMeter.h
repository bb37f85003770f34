// The level meter on a decibel scale: the block peak and RMS as opaque bars
// over 0 to -60 dBFS in the plain meter's 256 rows and colour zones, a
// peak-hold line over each bar, ticks and labels right of the bars and the
// two figures in dBFS under them. Right of that scale stands the short-term
// loudness as a third bar on a LUFS scale of its own, with its ticks, and
// the short-term and integrated figures under the peak and RMS ones.
//
// Thread: user-interface thread only, once per drawn frame.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "analysis/LoudnessSnapshot.h"
#include "render/MeterScale.h"
#include "render/MeterTexture.h"
#include "render/PeakHoldLine.h"

struct ScaledMeterBar {
    int x;           // left edge, view pixels
    int top;         // first row of the bar on the screen (256: empty bar)
    int holdY;       // row of the hold line's top; -1 while there is no line
    double levelDb;  // -inf for silence
};

class CScaledMeter {
public:
    static constexpr int kLevelBarCount = 2;  // block peak, block RMS
    static constexpr int kBarWidth = CMeterTexture::kWidth;
    static constexpr int kBarPitch = kBarWidth + 2;
    static constexpr int kHoldLineRows = 2;
    static constexpr int kTickX = kLevelBarCount * kBarPitch;
    static constexpr int kTickLength = 4;
    static constexpr int kLabelX = kTickX + kTickLength + 2;
    // Room for the widest dBFS label, "-60", in the meter's small font.
    static constexpr int kLabelWidth = 22;
    static constexpr int kLoudnessBarX = kLabelX + kLabelWidth + 4;
    static constexpr int kLoudnessTickX = kLoudnessBarX + kBarPitch;
    static constexpr int kLoudnessLabelX = kLoudnessTickX + kTickLength + 2;
    static constexpr int kFiguresY = kMeterScaleRows + 8;
    // The least width of the meter and its backdrop; longer figures widen it.
    static constexpr int kWidth = kLoudnessLabelX + kLabelWidth + 3;
    static constexpr int kFigureLines = 4;

    using LevelBars = std::array<ScaledMeterBar, kLevelBarCount>;
    using Figures = std::array<std::string, kFigureLines>;

    // Takes the block's linear peak and RMS and the loudness figures at the
    // shared timer's nowMs.
    void Update(double blockPeak, double blockRms, const CLoudnessSnapshot& loudness,
                uint32_t nowMs);

    const LevelBars& BarsOf() const { return bars_; }
    // The short-term loudness; it has no hold line.
    const ScaledMeterBar& LoudnessBar() const { return loudnessBar_; }
    // "peak -3.2 dBFS" and "RMS -12.5 dBFS"; "-inf" in silence.
    std::string PeakText() const;
    std::string RmsText() const;
    // Peak, RMS, then "S -15.0 LUFS" and "I -16.1 LUFS" ("--" until measured).
    Figures FigureTexts() const;

    // Opaque texels in the plain meter's zone colours by the dBFS value of
    // each row, with its black line every third row.
    static CMeterTexture::Texels BuildTexture();
    // The loudness bar's texels: one colour of its own, so that it is never
    // read as a sample level, with the same black lines.
    static CMeterTexture::Texels BuildLoudnessTexture();
    static std::array<MeterTick, kDbfsMeterTicks.size()> Ticks();
    static std::array<MeterTick, kLufsMeterTicks.size()> LoudnessTicks();

private:
    LevelBars bars_{};
    ScaledMeterBar loudnessBar_{kLoudnessBarX, kMeterScaleRows, -1, 0.0};
    CLoudnessSnapshot loudness_;
    std::array<CPeakHoldLine, kLevelBarCount> holdLines_{};
};
