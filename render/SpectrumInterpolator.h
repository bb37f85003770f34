// Smooth motion between analysis blocks: the waterfall shows a blend of the
// two newest spectra that moves from the previous one to the newest over
// the time one 4096-sample block takes, then holds.
//
// Thread: user-interface thread only.
#pragma once

#include <cstdint>

#include "analysis/SpectrumStore.h"

class CSpectrumInterpolator {
public:
    // A new analysis block arrived: the target becomes the previous spectrum.
    void TakeTarget(const BandLevels& newest);

    // displayed := previous + (target - previous) * BlendFactor.
    void Interpolate(uint32_t elapsedMs, double sampleRateHz);

    const BandLevels& Displayed() const { return displayed_; }

    // elapsed / block time, at most 1. Without a usable sample rate the
    // target is shown at once.
    static float BlendFactor(uint32_t elapsedMs, double sampleRateHz);

private:
    BandLevels previous_{};
    BandLevels target_{};
    BandLevels displayed_{};
};
