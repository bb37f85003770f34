// FramePacing: the period adjustment of the frame timer.
#include "editor/FramePacing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Shortening never goes below this; the platform's timers cannot keep up
// with much less anyway.
constexpr int32_t kShortestPeriodMs = 10;
constexpr float kSlowDeadBandFps = 2.0f;
constexpr float kFastDeadBandFps = 3.0f;
constexpr float kDoubleStepFps = 20.0f;
constexpr float kJumpFps = 30.0f;

// maxFps is at least 1 here, so the quotient fits.
int64_t PeriodForRate(float maxFps) {
    return static_cast<int64_t>(1000.0f / maxFps);
}

// Back to the timer's type; the steps above work in 64 bits so that no
// period the caller passes can overflow.
int32_t ToPeriod(int64_t periodMs, int64_t shortestMs) {
    return static_cast<int32_t>(std::clamp<int64_t>(periodMs, shortestMs, INT32_MAX));
}

}  // namespace

FramePacing PaceFrameTimer(int32_t currentPeriodMs, int32_t framesCounted, uint32_t elapsedMs,
                           int32_t maxFps) {
    // Without a window or a target there is nothing to compare; dividing
    // by either would give infinities that cannot become a period.
    if (elapsedMs == 0 || maxFps <= 0) return {currentPeriodMs, false};
    int64_t periodMs = currentPeriodMs;

    const float fps = static_cast<float>(framesCounted) / static_cast<float>(elapsedMs) * 1000.0f;
    const float target = static_cast<float>(maxFps);
    const float off = std::fabs(fps - target);

    if (off > kSlowDeadBandFps && target > fps) {
        periodMs -= 1;
        if (off > kJumpFps) {
            periodMs = PeriodForRate(target);
        } else if (off > kDoubleStepFps) {
            periodMs -= 1;
        }
        return {ToPeriod(periodMs, kShortestPeriodMs), true};
    }
    if (off > kFastDeadBandFps && target <= fps) {
        periodMs += 1;
        if (off > kJumpFps) {
            periodMs = PeriodForRate(target);
        } else if (off > kDoubleStepFps) {
            periodMs += 1;
        }
        // A target above 1000 fps would ask for a zero period, which some
        // timers treat as "as fast as possible"; 1 ms is the shortest asked.
        return {ToPeriod(periodMs, 1), true};
    }
    return {currentPeriodMs, false};
}
