// Per-instance settings that the host announces: the sample rate and the
// largest block size seen so far.
#pragma once

#include <cstdint>

class CSettings {
public:
    double SampleRate() const { return sampleRate_; }
    void SetSampleRate(double sampleRate) { sampleRate_ = sampleRate; }

    // 0 until the host first announces a block size.
    int32_t MaxBlockSize() const { return maxBlockSize_; }
    void SetMaxBlockSize(int32_t frames) { maxBlockSize_ = frames; }

private:
    double sampleRate_ = 44100.0;
    int32_t maxBlockSize_ = 0;
};
