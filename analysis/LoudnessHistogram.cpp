// CLoudnessHistogram: gated means and percentiles over energy bins.
#include "analysis/LoudnessHistogram.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// Full-scale sine at 997 Hz on one channel reads -3.01 LUFS: the K-weighting
// gain there is +0.691 dB.
constexpr double kOffsetLu = -0.691;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}  // namespace

double CLoudnessHistogram::LoudnessOf(double energy) {
    if (energy <= 0.0) return -std::numeric_limits<double>::infinity();
    return kOffsetLu + 10.0 * std::log10(energy);
}

double CLoudnessHistogram::EnergyOf(double lufs) {
    return std::pow(10.0, (lufs - kOffsetLu) / 10.0);
}

CLoudnessHistogram::CLoudnessHistogram() : counts_(kBins, 0), energies_(kBins, 0.0) {}

void CLoudnessHistogram::Clear() {
    for (int bin = lowest_; bin <= highest_; ++bin) {
        counts_[bin] = 0;
        energies_[bin] = 0.0;
    }
    count_ = 0;
    energy_ = 0.0;
    lowest_ = kBins;
    highest_ = -1;
}

void CLoudnessHistogram::Add(double energy) {
    const double lufs = LoudnessOf(energy);
    if (!(lufs > kAbsoluteGateLufs)) return;
    const int bin = BinOf(lufs);
    ++counts_[bin];
    energies_[bin] += energy;
    ++count_;
    energy_ += energy;
    lowest_ = std::min(lowest_, bin);
    highest_ = std::max(highest_, bin);
}

int CLoudnessHistogram::BinOf(double lufs) const {
    const double position = std::floor((lufs - kAbsoluteGateLufs) / kBinLu);
    return static_cast<int>(std::clamp(position, 0.0, static_cast<double>(kBins - 1)));
}

double CLoudnessHistogram::BinLoudness(int bin) const {
    return LoudnessOf(energies_[bin] / static_cast<double>(counts_[bin]));
}

// Bins below the gate's own bin lie wholly below it; the gate's bin counts by
// the mean of its blocks.
int CLoudnessHistogram::FirstGatedBin(double gateLu) const {
    const double gateEnergy = energy_ / static_cast<double>(count_) * std::pow(10.0, gateLu / 10.0);
    int bin = std::max(lowest_, BinOf(LoudnessOf(gateEnergy)));
    while (bin <= highest_ && (counts_[bin] == 0 ||
                               energies_[bin] / static_cast<double>(counts_[bin]) <= gateEnergy)) {
        ++bin;
    }
    return bin;
}

double CLoudnessHistogram::GatedLoudness(double gateLu) const {
    if (count_ == 0) return kNaN;
    uint64_t count = 0;
    double energy = 0.0;
    for (int bin = FirstGatedBin(gateLu); bin <= highest_; ++bin) {
        count += counts_[bin];
        energy += energies_[bin];
    }
    return LoudnessOf(energy / static_cast<double>(count));
}

double CLoudnessHistogram::Range(double gateLu, double lowFraction, double highFraction) const {
    if (count_ == 0) return kNaN;
    const int first = FirstGatedBin(gateLu);
    uint64_t gated = 0;
    for (int bin = first; bin <= highest_; ++bin) gated += counts_[bin];
    // Nearest rank, counted from 0, of the sorted gated blocks.
    const auto lowRank = static_cast<uint64_t>(std::llround((gated - 1) * lowFraction));
    const auto highRank = static_cast<uint64_t>(std::llround((gated - 1) * highFraction));
    double low = kNaN, high = kNaN;
    uint64_t below = 0;
    for (int bin = first; bin <= highest_; ++bin) {
        if (counts_[bin] == 0) continue;
        below += counts_[bin];
        if (std::isnan(low) && lowRank < below) low = BinLoudness(bin);
        if (highRank < below) {
            high = BinLoudness(bin);
            break;
        }
    }
    return high - low;
}
