// The level meter on a scale in decibels: the 256 rows of a bar run
// linearly in value from the scale's bottom (empty bar) to its top (full
// bar). The dBFS scale of the peak and RMS bars spans 0 to -60 dBFS; other
// bars (a loudness bar in LUFS) take scales of their own.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

struct MeterScale {
    double topValue;
    double bottomValue;
};

inline constexpr int kMeterScaleRows = 256;
inline constexpr MeterScale kDbfsMeterScale{0.0, -60.0};
inline constexpr std::array<int, 8> kDbfsMeterTicks{0, -3, -6, -10, -20, -30, -40, -60};
// The loudness bar marks the common delivery targets: -14 LUFS for
// streaming, -23 LUFS for broadcast.
inline constexpr MeterScale kLufsMeterScale{0.0, -60.0};
inline constexpr std::array<int, 8> kLufsMeterTicks{0, -10, -14, -18, -23, -30, -40, -60};

struct MeterTick {
    int y;             // row from the bar's top, 0..256
    std::string text;  // the value as a whole number: "-3"
};

// Rows of a bar showing value, rounded to the nearest row: 0 at or below
// the bottom (also -inf and NaN), 256 at or above the top.
int MeterRowsOfValue(const MeterScale& scale, double value);

// Where the top of that bar, or the tick of that value, sits: rows from the
// top of the meter (0 at the top value, 256 at the bottom value).
int MeterRowY(const MeterScale& scale, double value);

// The value at the middle of texel row 0..255 (row 0 at the top), to
// colour a meter texture by zones of that scale.
double MeterValueOfRow(const MeterScale& scale, int row);

// A tick and its label at a value of the scale.
MeterTick MeterTickOf(const MeterScale& scale, int value);

template <size_t N>
std::array<MeterTick, N> MeterTicksOf(const MeterScale& scale, const std::array<int, N>& values) {
    std::array<MeterTick, N> ticks{};
    for (size_t i = 0; i < N; ++i) ticks[i] = MeterTickOf(scale, values[i]);
    return ticks;
}

// Tops of the tick labels, lines of lineHeight pixels: centred on their
// ticks, within the bar's rows, and pushed down below the label above
// where the ticks stand closer than a line.
template <size_t N>
std::array<int, N> MeterTickLabelTops(const std::array<MeterTick, N>& ticks, int lineHeight) {
    std::array<int, N> tops{};
    int freeFrom = 0;
    for (size_t i = 0; i < N; ++i) {
        const int centred = std::min(ticks[i].y - lineHeight / 2, kMeterScaleRows - lineHeight / 2);
        tops[i] = std::max(centred, freeFrom);
        freeFrom = tops[i] + lineHeight;
    }
    return tops;
}

// 20 log10 of a linear sample level; -inf for silence (0, negative or NaN).
double DbfsOfLinear(double linear);

// "-12.3", "0.0", "-inf" for silence.
std::string DbfsText(double db);
