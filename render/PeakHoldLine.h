// The peak-hold line over a meter bar: it shows the loudest level of the
// last two seconds, then falls at 20 dB per second until it meets the
// level again, which it never goes below.
//
// Thread: user-interface thread only, once per drawn frame.
#pragma once

#include <cstdint>
#include <limits>

class CPeakHoldLine {
public:
    static constexpr uint32_t kHoldMs = 2000;
    // Fast enough that a line two seconds old is gone within three more
    // seconds on a 60 dB scale, slow enough to be followed by eye.
    static constexpr double kFallDbPerSecond = 20.0;

    // Takes the bar's level (dB, -inf or NaN for silence) at the shared
    // timer's nowMs and returns the line's value for this frame.
    double Update(double levelDb, uint32_t nowMs);

    // The value the line had at its last update (-inf before the first).
    double ValueDb() const { return valueDb_; }

private:
    static constexpr double kSilence = -std::numeric_limits<double>::infinity();

    double peakDb_ = kSilence;
    uint32_t peakMs_ = 0;
    double valueDb_ = kSilence;
};
