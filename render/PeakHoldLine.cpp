// Hold and fall of the meter's peak line.
#include "render/PeakHoldLine.h"

#include <cmath>

double CPeakHoldLine::Update(double levelDb, uint32_t nowMs) {
    if (std::isnan(levelDb)) levelDb = kSilence;
    // Unsigned difference: right across the timer's wrap.
    const uint32_t sincePeakMs = nowMs - peakMs_;
    const double fallingMs = sincePeakMs > kHoldMs ? sincePeakMs - kHoldMs : 0.0;
    const double lineDb = peakDb_ - kFallDbPerSecond * fallingMs * 0.001;
    // A level at or above the line is the new peak, so the two seconds
    // count from the last frame that reached it.
    if (levelDb >= lineDb) {
        peakDb_ = levelDb;
        peakMs_ = nowMs;
        valueDb_ = levelDb;
    } else {
        valueDb_ = lineDb;
    }
    return valueDb_;
}
