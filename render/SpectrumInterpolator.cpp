// Time interpolation of the waterfall's front spectrum.
#include "render/SpectrumInterpolator.h"

#include <algorithm>

#include "analysis/AnalysisBlock.h"

namespace {
// Analysis blocks per sample; exact, the block being a power of two.
constexpr float kBlocksPerSample = 1.0f / kAnalysisBlockFrames;
static_assert(kBlocksPerSample * kAnalysisBlockFrames == 1.0f);
constexpr float kMillisecondsPerSecond = 1000.0f;
}  // namespace

void CSpectrumInterpolator::TakeTarget(const BandLevels& newest) {
    previous_ = target_;
    target_ = newest;
}

float CSpectrumInterpolator::BlendFactor(uint32_t elapsedMs, double sampleRateHz) {
    const float blocksPerSecond = static_cast<float>(sampleRateHz) * kBlocksPerSample;
    if (!(blocksPerSecond > 0.0f)) return 1.0f;
    const float blockMs = kMillisecondsPerSecond / blocksPerSecond;
    return std::min(static_cast<float>(elapsedMs) / blockMs, 1.0f);
}

void CSpectrumInterpolator::Interpolate(uint32_t elapsedMs, double sampleRateHz) {
    const float blend = BlendFactor(elapsedMs, sampleRateHz);
    for (size_t band = 0; band < displayed_.size(); ++band) {
        displayed_[band] = previous_[band] + (target_[band] - previous_[band]) * blend;
    }
}
