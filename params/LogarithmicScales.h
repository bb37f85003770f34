// The logarithmic scale. The spectrum store lays its 256 bands over ten
// octaves from 20 Hz with a CLogScale; the display finds the band of a
// frequency with IndexOf.
#pragma once

#include <cstdint>
#include <memory>

#include "analysis/Scale.h"

// Entries 0..count run from 20 to 20480 in equal ratios of 2^(10 / count),
// whatever low and high say.
class CLogScale : public CScale {
public:
    bool Init(int32_t first, int32_t last, double low, double high) override;
    double ValueAt(int32_t index) const override;
    // first + the first entry at or above value; an error report and 0 when
    // the value lies above the table.
    int32_t IndexOf(double value) const override;

private:
    int32_t first_ = 0;
    int32_t last_ = 0;
    int32_t count_ = 0;
    double low_ = 0.0;
    double high_ = 0.0;
    std::unique_ptr<double[]> table_;
};

// The spectrum store's band scale: always the logarithmic one.
std::unique_ptr<CScale> CreateBandScale();
