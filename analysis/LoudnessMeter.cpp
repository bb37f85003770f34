// CLoudnessMeter: chunks the host's blocks into 100 ms steps and turns each
// finished step into momentary, short-term, gated and peak figures.
#include "analysis/LoudnessMeter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kIntegratedGateLu = -10.0;
constexpr double kRangeGateLu = -20.0;
constexpr double kRangeLowFraction = 0.10;
constexpr double kRangeHighFraction = 0.95;
// Far above any real signal (+120 dBFS), and keeps every square finite.
constexpr double kLargestSample = 1e6;

double Decibels(double magnitude) {
    if (magnitude <= 0.0) return -std::numeric_limits<double>::infinity();
    return 20.0 * std::log10(magnitude);
}

double Larger(double figure, double candidate) {
    return std::isnan(figure) ? candidate : std::max(figure, candidate);
}

}  // namespace

CLoudnessMeter::CLoudnessMeter(double sampleRateHz) : filter_(kMinSampleRateHz) {
    SetSampleRate(sampleRateHz);
}

void CLoudnessMeter::SetSampleRate(double sampleRateHz) {
    sampleRateHz_ = std::isfinite(sampleRateHz)
                        ? std::clamp(sampleRateHz, kMinSampleRateHz, kMaxSampleRateHz)
                        : kMinSampleRateHz;
    stepFrames_ = static_cast<int>(std::lround(sampleRateHz_ / 10.0));
    filter_.SetSampleRate(sampleRateHz_);
    resetsDone_ = resetsRequested_.load(std::memory_order_acquire);
    Restart();
}

void CLoudnessMeter::Restart() {
    filter_.Reset();
    peaks_.Reset();
    gatingBlocks_.Clear();
    shortTerms_.Clear();
    ring_.fill(0.0);
    newest_ = 0;
    stepsDone_ = 0;
    stepFill_ = 0;
    stepEnergy_ = 0.0;
    figures_ = CLoudnessSnapshot();
    published_.Publish({figures_, resetsDone_});
}

CLoudnessSnapshot CLoudnessMeter::Read() {
    const Published& published = published_.Read();
    if (published.resets != resetsRequested_.load(std::memory_order_acquire))
        return CLoudnessSnapshot();
    return published.figures;
}

void CLoudnessMeter::Process(const double* left, const double* right, int frames) {
    ProcessSamples(left, right, frames);
}

void CLoudnessMeter::Process(const float* left, const float* right, int frames) {
    ProcessSamples(left, right, frames);
}

template <typename Sample>
void CLoudnessMeter::ProcessSamples(const Sample* left, const Sample* right, int frames) {
    const unsigned requested = resetsRequested_.load(std::memory_order_acquire);
    if (requested != resetsDone_) {
        resetsDone_ = requested;
        Restart();
    }
    int done = 0;
    while (done < frames) {
        const int chunk = std::min({frames - done, stepFrames_ - stepFill_, kChunkFrames});
        Measure(left + done, right + done, chunk);
        done += chunk;
        if (stepFill_ == stepFrames_) CloseStep();
    }
}

template <typename Sample>
void CLoudnessMeter::Measure(const Sample* left, const Sample* right, int frames) {
    for (int i = 0; i < frames; ++i) {
        const double l = left[i], r = right[i];
        left_[i] = std::isfinite(l) ? std::clamp(l, -kLargestSample, kLargestSample) : 0.0;
        right_[i] = std::isfinite(r) ? std::clamp(r, -kLargestSample, kLargestSample) : 0.0;
    }
    stepEnergy_ += filter_.ProcessEnergy(left_.data(), right_.data(), frames);
    peaks_.Process(left_.data(), right_.data(), frames);
    stepFill_ += frames;
}

// Mean square over the newest steps, summed over the channels.
double CLoudnessMeter::WindowEnergy(int steps) const {
    double sum = 0.0;
    for (int k = 0; k < steps; ++k) {
        sum += ring_[(newest_ - k + kShortTermSteps) % kShortTermSteps];
    }
    return sum / (static_cast<double>(steps) * stepFrames_);
}

// Gating blocks are the momentary windows (400 ms, a new one every 100 ms);
// the range is taken over the short-term windows at the same pace.
void CLoudnessMeter::CloseStep() {
    newest_ = (newest_ + 1) % kShortTermSteps;
    ring_[newest_] = stepEnergy_;
    stepEnergy_ = 0.0;
    stepFill_ = 0;
    stepsDone_ = std::min(stepsDone_ + 1, kShortTermSteps);

    if (stepsDone_ >= kMomentarySteps) {
        const double energy = WindowEnergy(kMomentarySteps);
        figures_.momentaryLufs = CLoudnessHistogram::LoudnessOf(energy);
        figures_.maxMomentaryLufs = Larger(figures_.maxMomentaryLufs, figures_.momentaryLufs);
        gatingBlocks_.Add(energy);
        figures_.integratedLufs = gatingBlocks_.GatedLoudness(kIntegratedGateLu);
    }
    if (stepsDone_ >= kShortTermSteps) {
        const double energy = WindowEnergy(kShortTermSteps);
        figures_.shortTermLufs = CLoudnessHistogram::LoudnessOf(energy);
        figures_.maxShortTermLufs = Larger(figures_.maxShortTermLufs, figures_.shortTermLufs);
        shortTerms_.Add(energy);
        figures_.rangeLu = shortTerms_.Range(kRangeGateLu, kRangeLowFraction, kRangeHighFraction);
    }
    figures_.samplePeakDbfs = Decibels(peaks_.SamplePeak());
    figures_.truePeakDbtp = Decibels(peaks_.TruePeak());
    published_.Publish({figures_, resetsDone_});
}
