// CFFT: windowing, two overlapping transforms per block, averaging and the
// conversion to decibels.
#include "analysis/FFT.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kWindowGain = 2.0 / 3.0;
constexpr double kMagnitudeScale = 2.0 * (1.0 / CFFT::kSize);
// Added to every level above the floor, so that a full-scale sine centred on
// a bin reads about 0 dB.
constexpr double kLevelOffsetDb = 10.0;
constexpr double kNoMaximumDb = -100000.0;
// -120 dB. The offset is decided on the power: the logarithm of exactly this
// power may round to a hair above -120.
constexpr double kFloorPower = 1e-12;
// 10 log10(p) as log(p) * 10 / ln 10: the same to rounding, and the natural
// logarithm is the cheaper call.
constexpr double kDecibelsPerNeper = 10.0 / 2.302585092994045684;

}  // namespace

CFFT::CFFT()
    : frame_(std::make_unique<double[]>(kSize)),
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

// Two transforms per block: the first over the last half of the previous
// block and the first half of this one, the second over this block alone.
// Each frame is windowed (gain correction 2/3) into the work array and
// transformed in place; every component's magnitude, scaled by 2 / 4096, is
// averaged over the two transforms while accumulating.
CFFT::LoudestBin CFFT::Analyse(const double* left, const double* right) {
    constexpr int kTransforms = kSize / kHop;
    constexpr double kScale = kWindowGain * kMagnitudeScale / kTransforms;
    for (int offset = 0; offset < kSize; offset += kHop) {
        std::copy(frame_.get() + kHop, frame_.get() + kSize, frame_.get());
        double* newest = frame_.get() + kSize - kHop;
        for (int j = 0; j < kHop; ++j) newest[j] = (left[offset + j] + right[offset + j]) * 0.5;
        for (int i = 0; i < kSize; ++i) work_[i] = frame_[i] * window_[i];
        transform_.Transform(work_.get());
        if (offset == 0) {
            for (int i = 0; i < kSize; ++i) spectrum_[i] = std::fabs(work_[i]) * kScale;
        } else {
            for (int i = 0; i < kSize; ++i) spectrum_[i] += std::fabs(work_[i]) * kScale;
        }
    }
    return ConvertToDecibels();
}

double CFFT::LevelOfPower(double power) {
    const double levelDb = std::log(power) * kDecibelsPerNeper;
    return power > kFloorPower ? levelDb + kLevelOffsetDb : levelDb;
}

CFFT::LoudestBin CFFT::ConvertToDecibels() {
    spectrum_[0] = kFloorDb;
    LoudestBin loudest{kNoMaximumDb, -1};
    for (int k = 1; k < kLevelBins; ++k) {
        const double power =
            spectrum_[kSize - k] * spectrum_[kSize - k] + spectrum_[k] * spectrum_[k];
        const double levelDb = LevelOfPower(power);
        spectrum_[k] = levelDb;
        if (levelDb > loudest.levelDb) loudest = LoudestBin{levelDb, k};
    }
    return loudest;
}
