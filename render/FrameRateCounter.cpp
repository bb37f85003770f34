// The frame-rate figure and its caption.
#include "render/FrameRateCounter.h"

#include <cstdio>

void CFrameRateCounter::CountFrame(uint32_t nowMs) {
    ++framesCounted_;
    // Unsigned difference: correct across the timer's wrap.
    const uint32_t elapsedMs = nowMs - periodStartMs_;
    if (elapsedMs < kPeriodMs) return;
    const float rate = static_cast<float>(framesCounted_) / static_cast<float>(elapsedMs) * 1000.0f;
    framesPerSecond_ = static_cast<uint32_t>(rate);
    framesCounted_ = 0;
    periodStartMs_ = nowMs;
}

CFrameRateCounter::Text CFrameRateCounter::Caption() const {
    char caption[Text::kCapacity + 1];
    const int length = std::snprintf(caption, sizeof caption, "FPS: %lu",
                                     static_cast<unsigned long>(framesPerSecond_));
    // snprintf counts what it would have written; only what it wrote exists.
    const size_t written = length > 0 ? static_cast<size_t>(length) : 0;
    return Text(std::string_view(caption, written < sizeof caption ? written : sizeof caption - 1));
}
