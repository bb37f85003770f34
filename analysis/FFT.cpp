// CFFT: windowing, two overlapping transforms per block, averaging and the
// conversion to decibels.
#include "analysis/FFT.h"

#include <algorithm>
#include <cmath>

#include "analysis/Statistics.h"
#include "params/Settings.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kWindowGain = 2.0 / 3.0;
constexpr double kMagnitudeScale = 2.0 * (1.0 / CFFT::kSize);
// Added to every level above the floor, so that a full-scale sine centred on
// a bin reads about 0 dB.
constexpr double kLevelOffsetDb = 10.0;
constexpr double kNoMaximumDb = -100000.0;

}  // namespace

CFFT::CFFT(CSettings& settings)
    : settings_(settings),
      frame_(std::make_unique<double[]>(kSize)),
      spectrum_(std::make_unique<double[]>(kSize)),
      work_(std::make_unique<double[]>(kSize)),
      window_(std::make_unique<double[]>(kSize)),
      transform_(kSize) {
    for (int i = 0; i < kSize; ++i) {
        window_[i] = (1.0 - std::cos(2.0 * kPi * i / (kSize - 1))) * 0.5;
    }
}

void CFFT::ClearFrame() {
    std::fill_n(frame_.get(), kSize, 0.0);
}

double CFFT::ApplyWindow(double* samples) const {
    for (int i = 0; i < kSize; ++i) samples[i] *= window_[i];
    return kWindowGain;
}

void CFFT::Transform(double* samples) {
    transform_.Transform(samples);
    for (int i = 0; i < kSize; ++i) samples[i] = std::fabs(samples[i]) * kMagnitudeScale;
}

void CFFT::Analyse(const double* left, const double* right) {
    std::fill_n(spectrum_.get(), kSize, 0.0);
    int transforms = 0;
    for (int offset = 0; offset < kSize; offset += kHop) {
        std::copy(frame_.get() + kHop, frame_.get() + kSize, frame_.get());
        for (int j = 0; j < kHop; ++j) {
            frame_[kSize - kHop + j] = (left[offset + j] + right[offset + j]) * 0.5;
        }
        std::copy_n(frame_.get(), kSize, work_.get());
        const double gain = ApplyWindow(work_.get());
        Transform(work_.get());
        for (int i = 0; i < kSize; ++i) spectrum_[i] += gain * work_[i];
        ++transforms;
    }
    for (int i = 0; i < kSize; ++i) spectrum_[i] /= transforms;
    ConvertToDecibels();
}

void CFFT::ConvertToDecibels() {
    spectrum_[0] = kFloorDb;
    double maximumDb = kNoMaximumDb;
    int maximumBin = -1;
    for (int k = 1; k < kLevelBins; ++k) {
        const double power =
            spectrum_[kSize - k] * spectrum_[kSize - k] + spectrum_[k] * spectrum_[k];
        double levelDb = 10.0 * std::log10(power);
        if (levelDb > kFloorDb) levelDb += kLevelOffsetDb;
        spectrum_[k] = levelDb;
        if (levelDb > maximumDb) {
            maximumDb = levelDb;
            maximumBin = k;
        }
    }
    const double binHz = settings_.sampleRate.load(std::memory_order_relaxed) / kSize;
    settings_.Statistics().UpdateSpectralMaximum(maximumDb,
                                                 static_cast<int32_t>(binHz * maximumBin));
}
