// The level meter on a decibel scale: the block peak and RMS as opaque bars
// over 0 to -60 dBFS in the plain meter's 256 rows and colour zones, a
// peak-hold line over each bar, ticks and labels right of the bars and the
// two figures in dBFS under them. The scale column sits right after the
// last bar, so a further bar (on a scale of its own) moves it right.
//
// Thread: user-interface thread only, once per drawn frame.
#pragma once

#include <array>
#include <cstdint>
#include <string>

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
    static constexpr int kBarCount = 2;  // block peak, block RMS
    static constexpr int kBarWidth = CMeterTexture::kWidth;
    static constexpr int kBarPitch = kBarWidth + 2;
    static constexpr int kHoldLineRows = 2;
    static constexpr int kTickX = kBarCount * kBarPitch;
    static constexpr int kTickLength = 4;
    static constexpr int kLabelX = kTickX + kTickLength + 2;
    static constexpr int kFiguresY = kMeterScaleRows + 8;

    using Bars = std::array<ScaledMeterBar, kBarCount>;

    // Takes the block's linear peak and RMS at the shared timer's nowMs.
    void Update(double blockPeak, double blockRms, uint32_t nowMs);

    const Bars& BarsOf() const { return bars_; }
    // "peak -3.2 dBFS" and "RMS -12.5 dBFS"; "-inf" in silence.
    std::string PeakText() const;
    std::string RmsText() const;

    // Opaque texels in the plain meter's zone colours by the dBFS value of
    // each row, with its black line every third row.
    static CMeterTexture::Texels BuildTexture();
    static std::array<MeterTick, kDbfsMeterTicks.size()> Ticks();
    // Tops of the tick labels, lines of lineHeight pixels: centred on their
    // ticks, within the bar's rows, and pushed down below the label above
    // where the ticks stand closer than a line (0, -3, -6 dBFS).
    static std::array<int, kDbfsMeterTicks.size()> TickLabelTops(int lineHeight);

private:
    Bars bars_{};
    std::array<CPeakHoldLine, kBarCount> holdLines_{};
};
