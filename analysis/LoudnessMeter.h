// Loudness of the stereo signal as broadcast meters read it: momentary
// (400 ms), short-term (3 s) and integrated loudness, loudness range, true
// peak and sample peak, with the largest momentary and short-term readings.
// Both channels weigh 1. The audio is measured in 100 ms steps; each step
// publishes a new snapshot.
//
// Threads: Process runs on the audio thread and never allocates, waits or
// logs. Read runs on the user-interface thread and never blocks the audio
// thread (the snapshot goes through a triple buffer). RequestReset may come
// from any thread; the audio thread restarts at its next Process, and until
// then Read shows nothing measured, so that a reset shows even while the
// host sends no audio. Construction
// and SetSampleRate run on the user-interface thread and must not overlap
// Process (the caller's lock orders them).
#pragma once

#include <array>
#include <atomic>

#include "analysis/KWeightingFilter.h"
#include "analysis/LoudnessHistogram.h"
#include "analysis/LoudnessSnapshot.h"
#include "analysis/TripleBuffer.h"
#include "analysis/TruePeakMeter.h"

class CLoudnessMeter {
public:
    static constexpr double kMinSampleRateHz = 8000.0;
    static constexpr double kMaxSampleRateHz = 384000.0;

    explicit CLoudnessMeter(double sampleRateHz);

    // Restarts every figure; rates outside 8 kHz to 384 kHz are clamped.
    void SetSampleRate(double sampleRateHz);
    double SampleRateHz() const { return sampleRateHz_; }

    void RequestReset() { resetsRequested_.fetch_add(1, std::memory_order_acq_rel); }

    // Blocks of any length; non-finite samples count as silence.
    void Process(const double* left, const double* right, int frames);
    void Process(const float* left, const float* right, int frames);

    CLoudnessSnapshot Read();

private:
    static constexpr int kChunkFrames = CTruePeakMeter::kMaxFrames;
    static constexpr int kMomentarySteps = 4;
    static constexpr int kShortTermSteps = 30;

    template <typename Sample>
    void ProcessSamples(const Sample* left, const Sample* right, int frames);
    template <typename Sample>
    void Measure(const Sample* left, const Sample* right, int frames);
    void Restart();
    void CloseStep();
    double WindowEnergy(int steps) const;

    double sampleRateHz_ = 0.0;
    int stepFrames_ = 0;
    CKWeightingFilter filter_;
    CTruePeakMeter peaks_;
    CLoudnessHistogram gatingBlocks_;  // momentary windows, for integrated loudness
    CLoudnessHistogram shortTerms_;    // short-term windows, for loudness range

    // Sums of squares of the finished 100 ms steps, newest at ring_[newest_].
    std::array<double, kShortTermSteps> ring_{};
    int newest_ = 0;
    int stepsDone_ = 0;  // saturates at kShortTermSteps
    int stepFill_ = 0;
    double stepEnergy_ = 0.0;
    std::array<double, kChunkFrames> left_{}, right_{};  // the chunk, made finite

    // The figures with the number of resets they follow.
    struct Published {
        CLoudnessSnapshot figures;
        unsigned resets = 0;
    };

    CLoudnessSnapshot figures_;
    unsigned resetsDone_ = 0;  // audio thread's
    CTripleBuffer<Published> published_;
    std::atomic<unsigned> resetsRequested_{0};
};
