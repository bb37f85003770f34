// The loudness meter beside an independent implementation (libebur128) on
// music-like signals. The reference's own loudness range takes short-term
// windows a second apart, ours every 100 ms; so the reference range here
// gates and ranks, as a sorted list, its short-term readings at our pace.
#include <ebur128.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "analysis/LoudnessHistogram.h"
#include "tests/native/analysis/LoudnessSignals.h"

namespace {

void KeepAbove(std::vector<double>& lufs, double gate) {
    lufs.erase(std::remove_if(lufs.begin(), lufs.end(), [&](double l) { return !(l > gate); }),
               lufs.end());
}

double RangeOf(std::vector<double> shortTerms) {
    KeepAbove(shortTerms, -70.0);
    double energy = 0.0;
    for (double l : shortTerms) energy += CLoudnessHistogram::EnergyOf(l);
    KeepAbove(shortTerms, CLoudnessHistogram::LoudnessOf(energy / shortTerms.size()) - 20.0);
    std::sort(shortTerms.begin(), shortTerms.end());
    const double last = shortTerms.size() - 1.0;
    return shortTerms[std::llround(last * 0.95)] - shortTerms[std::llround(last * 0.10)];
}

CLoudnessSnapshot MeasureWithReference(const std::vector<StereoSample>& music, int rateHz) {
    const int mode = EBUR128_MODE_S | EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK;
    std::unique_ptr<ebur128_state, void (*)(ebur128_state*)> state(
        ebur128_init(2, rateHz, mode), [](ebur128_state* s) { ebur128_destroy(&s); });
    CLoudnessSnapshot r;
    std::vector<double> momentaries, shortTerms;
    const size_t step = rateHz / 10;
    for (size_t done = 0; done + step <= music.size(); done += step) {
        ebur128_add_frames_double(state.get(), &music[done].first, step);
        ebur128_loudness_momentary(state.get(), &r.momentaryLufs);
        ebur128_loudness_shortterm(state.get(), &r.shortTermLufs);
        momentaries.push_back(r.momentaryLufs);  // a full window from the 4th
        if (done / step >= 29) shortTerms.push_back(r.shortTermLufs);
    }
    ebur128_loudness_global(state.get(), &r.integratedLufs);
    r.rangeLu = RangeOf(shortTerms);
    double peaks[4];
    for (unsigned channel = 0; channel < 2; ++channel) {
        ebur128_true_peak(state.get(), channel, &peaks[channel]);
        ebur128_sample_peak(state.get(), channel, &peaks[2 + channel]);
    }
    r.truePeakDbtp = 20 * std::log10(std::max(peaks[0], peaks[1]));
    r.samplePeakDbfs = 20 * std::log10(std::max(peaks[2], peaks[3]));
    r.maxMomentaryLufs = *std::max_element(momentaries.begin() + 3, momentaries.end());
    r.maxShortTermLufs = *std::max_element(shortTerms.begin(), shortTerms.end());
    return r;
}

TEST(LoudnessMeterReference, EveryFigureAgreesWithAnIndependentMeter) {
    for (int rateHz : {44100, 48000}) {
        const std::vector<StereoSample> music = Music(rateHz, 8.0);
        const CLoudnessSnapshot r = MeasureWithReference(music, rateHz);
        CLoudnessMeter meter(rateHz);
        Feed(
            meter, [&](long long i) { return music[i]; }, music.size(), 4096);
        const CLoudnessSnapshot s = meter.Read();
        EXPECT_NEAR(s.momentaryLufs, r.momentaryLufs, 0.05) << rateHz;
        EXPECT_NEAR(s.shortTermLufs, r.shortTermLufs, 0.05) << rateHz;
        EXPECT_NEAR(s.integratedLufs, r.integratedLufs, 0.05) << rateHz;
        EXPECT_NEAR(s.rangeLu, r.rangeLu, 0.05) << rateHz;
        EXPECT_NEAR(s.maxMomentaryLufs, r.maxMomentaryLufs, 0.05) << rateHz;
        EXPECT_NEAR(s.maxShortTermLufs, r.maxShortTermLufs, 0.05) << rateHz;
        EXPECT_NEAR(s.truePeakDbtp, r.truePeakDbtp, 0.1) << rateHz;
        EXPECT_NEAR(s.samplePeakDbfs, r.samplePeakDbfs, 1e-6) << rateHz;
    }
}

}  // namespace
