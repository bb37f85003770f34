// K-weighting: the published 48 kHz coefficients, the curve at other rates,
// and a state that survives absurd input.
#include "analysis/KWeightingFilter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

TEST(KWeightingFilter, ReproducesThePublishedCoefficientsAt48kHz) {
    const CKWeightingFilter filter(48000);
    const CKWeightingFilter::Biquad& s = filter.Shelf();
    const CKWeightingFilter::Biquad& p = filter.HighPass();
    EXPECT_NEAR(s.b0, 1.53512485958697, 1e-10);
    EXPECT_NEAR(s.b1, -2.69169618940638, 1e-10);
    EXPECT_NEAR(s.b2, 1.19839281085285, 1e-10);
    EXPECT_NEAR(s.a1, -1.69065929318241, 1e-10);
    EXPECT_NEAR(s.a2, 0.73248077421585, 1e-10);
    EXPECT_NEAR(p.a1, -1.99004745483398, 1e-10);
    EXPECT_NEAR(p.a2, 0.99007225036621, 1e-10);
}

// Mean square gain of a sine after the filter has settled, in dB.
double GainDb(double rateHz, double sineHz) {
    CKWeightingFilter filter(rateHz);
    const int frames = static_cast<int>(rateHz);
    std::vector<double> sine(frames);
    for (int i = 0; i < frames; ++i) sine[i] = std::sin(2 * M_PI * sineHz * i / rateHz);
    filter.ProcessEnergy(sine.data(), sine.data(), frames);
    const double energy = filter.ProcessEnergy(sine.data(), sine.data(), frames);
    return 10 * std::log10(energy / frames);  // two channels of mean square 1/2
}

TEST(KWeightingFilter, SameCurveAtEveryRate) {
    for (double sineHz : {20.0, 100.0, 997.0, 3500.0, 10000.0}) {
        const double at48k = GainDb(48000, sineHz);
        for (double rateHz : {8000.0, 22050.0, 44100.0, 96000.0, 384000.0}) {
            // The bilinear transform bends the shelf towards the Nyquist frequency.
            if (sineHz > rateHz / 20) continue;
            EXPECT_NEAR(GainDb(rateHz, sineHz), at48k, 0.05) << sineHz << " Hz at " << rateHz;
        }
    }
    EXPECT_NEAR(GainDb(48000, 997), 0.691, 0.01);
    EXPECT_LT(GainDb(48000, 20), -10.0);
}

TEST(KWeightingFilter, StaysFiniteAfterOverflowingInput) {
    CKWeightingFilter filter(44100);
    std::vector<double> huge(64, std::numeric_limits<double>::max()), quiet(64, 0.5);
    EXPECT_FALSE(std::isfinite(filter.ProcessEnergy(huge.data(), huge.data(), 64)));
    EXPECT_TRUE(std::isfinite(filter.ProcessEnergy(quiet.data(), quiet.data(), 64)));
}

}  // namespace
