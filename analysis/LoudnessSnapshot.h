// The loudness meter's figures as the display reads them. A figure that has
// not been measured yet (too little audio since the last reset, or nothing
// above the gates) is NaN; a measured figure of digital silence is -infinity.
#pragma once

#include <cmath>
#include <limits>

struct CLoudnessSnapshot {
    static constexpr double kNotMeasured = std::numeric_limits<double>::quiet_NaN();

    double momentaryLufs = kNotMeasured;
    double shortTermLufs = kNotMeasured;
    double integratedLufs = kNotMeasured;
    double rangeLu = kNotMeasured;
    double truePeakDbtp = kNotMeasured;
    double samplePeakDbfs = kNotMeasured;
    double maxMomentaryLufs = kNotMeasured;
    double maxShortTermLufs = kNotMeasured;

    static bool IsMeasured(double figure) { return !std::isnan(figure); }
};
