// The frame-rate figure: frames are counted where they are drawn and the
// rate is measured over periods of at least one second, so it is the rate
// of frames really produced while the figure was shown.
//
// Threads: user-interface thread only.
#pragma once

#include <cstdint>

#include "render/BoundedText.h"

class CFrameRateCounter {
public:
    static constexpr uint32_t kPeriodMs = 1000;
    // "FPS: " and up to ten digits.
    using Text = CBoundedText<16>;

    // One drawn frame at the shared timer's nowMs. The first figure covers
    // the whole time since the timer started, during which only shown frames
    // were counted, so it reads low; the next period gives the true rate.
    void CountFrame(uint32_t nowMs);

    uint32_t FramesPerSecond() const { return framesPerSecond_; }
    // "FPS: " and the last measured rate in unsigned decimal.
    Text Caption() const;

private:
    uint32_t periodStartMs_ = 0;
    uint32_t framesPerSecond_ = 0;
    uint32_t framesCounted_ = 0;
};
