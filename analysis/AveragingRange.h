// The ranges of the two parameters the spectrum store takes once per
// display frame: "Ave" in tenths of a second and "Hold" in milliseconds.
// Each maximum means for ever.
#pragma once

struct AveragingRange {
    float minimum;
    float maximum;
};

constexpr AveragingRange kAverageRange{0.0f, 101.0f};
constexpr AveragingRange kHoldRange{0.0f, 5100.0f};
