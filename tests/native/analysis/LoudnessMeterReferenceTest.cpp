// The loudness meter beside an independent implementation (libebur128) on
// music-like signals. The reference's loudness range takes short-term
// windows a second apart; ours takes them every 100 ms, so the reference
// range here is computed from its short-term readings at that pace, gated
// and ranked as a sorted list.
#include <ebur128.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "analysis/LoudnessHistogram.h"
#include "tests/native/analysis/LoudnessSignals.h"

namespace {

struct Reference {
    double momentary, shortTerm, integrated, range, truePeakDb, samplePeakDb, maxMomentary,
        maxShortTerm;
};

// Power mean in LUFS of the readings from the first that passes the gate.
double PowerMean(const std::vector<double>& lufs) {
    double energy = 0.0;
    for (double l : lufs) energy += CLoudnessHistogram::EnergyOf(l);
    return CLoudnessHistogram::LoudnessOf(energy / lufs.size());
}

double RangeOf(std::vector<double> shortTerms) {
    shortTerms.erase(
        std::remove_if(shortTerms.begin(), shortTerms.end(), [](double l) { return !(l > -70.0); }),
        shortTerms.end());
    const double gate = PowerMean(shortTerms) - 20.0;
    shortTerms.erase(
        std::remove_if(shortTerms.begin(), shortTerms.end(), [&](double l) { return !(l > gate); }),
        shortTerms.end());
    std::sort(shortTerms.begin(), shortTerms.end());
    const double last = shortTerms.size() - 1.0;
    return shortTerms[std::llround(last * 0.95)] - shortTerms[std::llround(last * 0.10)];
}

Reference MeasureWithReference(const std::vector<StereoSample>& music, int rateHz) {
    using State = std::unique_ptr<ebur128_state, void (*)(ebur128_state*)>;
    State state(ebur128_init(2, rateHz, EBUR128_MODE_S | EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK),
                [](ebur128_state* s) { ebur128_destroy(&s); });
    Reference r{};
    std::vector<double> momentaries, shortTerms;
    const size_t step = rateHz / 10;
    for (size_t done = 0; done + step <= music.size(); done += step) {
        ebur128_add_frames_double(state.get(), &music[done].first, step);
        ebur128_loudness_momentary(state.get(), &r.momentary);
        ebur128_loudness_shortterm(state.get(), &r.shortTerm);
        momentaries.push_back(r.momentary);
        if (done / step >= 29) shortTerms.push_back(r.shortTerm);
    }
    ebur128_loudness_global(state.get(), &r.integrated);
    r.range = RangeOf(shortTerms);
    double peaks[4];
    for (unsigned channel = 0; channel < 2; ++channel) {
        ebur128_true_peak(state.get(), channel, &peaks[channel]);
        ebur128_sample_peak(state.get(), channel, &peaks[2 + channel]);
    }
    r.truePeakDb = 20 * std::log10(std::max(peaks[0], peaks[1]));
    r.samplePeakDb = 20 * std::log10(std::max(peaks[2], peaks[3]));
    r.maxMomentary = *std::max_element(momentaries.begin() + 3, momentaries.end());
    r.maxShortTerm = *std::max_element(shortTerms.begin(), shortTerms.end());
    return r;
}

struct Piece {
    const char* name;
    std::vector<StereoSample> samples;
};

// A sine whose level ramps by 30 dB, and noise bursts of changing level.
std::vector<Piece> Pieces(int rateHz) {
    std::vector<StereoSample> ramp(8 * rateHz), bursts(8 * rateHz);
    std::mt19937 generator(5);
    std::normal_distribution<double> noise(0.0, 1.0);
    double smooth = 0.0;
    for (int i = 0; i < 8 * rateHz; ++i) {
        const double t = static_cast<double>(i) / rateHz;
        const double gain = std::pow(10.0, (-40.0 + 30.0 * t / 8.0) / 20.0);
        ramp[i] = {gain * std::sin(2 * M_PI * 440 * t), 0.5 * gain * std::sin(2 * M_PI * 3000 * t)};
        smooth += 0.1 * (noise(generator) - smooth);
        const double level = std::fmod(t, 0.5) < 0.2 ? std::pow(10.0, -std::floor(t) / 10.0) : 0.0;
        bursts[i] = {level * smooth, 0.7 * level * smooth};
    }
    return {{"level ramp", ramp}, {"noise bursts", bursts}, {"music", Music(rateHz, 8.0)}};
}

TEST(LoudnessMeterReference, EveryFigureAgreesWithAnIndependentMeter) {
    for (int rateHz : {44100, 48000}) {
        for (const Piece& piece : Pieces(rateHz)) {
            const Reference r = MeasureWithReference(piece.samples, rateHz);
            CLoudnessMeter meter(rateHz);
            Feed(
                meter, [&](long long i) { return piece.samples[i]; }, piece.samples.size(), 4096);
            const CLoudnessSnapshot s = meter.Read();
            const std::string what = std::string(piece.name) + " at " + std::to_string(rateHz);
            EXPECT_NEAR(s.momentaryLufs, r.momentary, 0.05) << what;
            EXPECT_NEAR(s.shortTermLufs, r.shortTerm, 0.05) << what;
            EXPECT_NEAR(s.integratedLufs, r.integrated, 0.05) << what;
            EXPECT_NEAR(s.rangeLu, r.range, 0.05) << what;
            EXPECT_NEAR(s.maxMomentaryLufs, r.maxMomentary, 0.05) << what;
            EXPECT_NEAR(s.maxShortTermLufs, r.maxShortTerm, 0.05) << what;
            EXPECT_NEAR(s.truePeakDbtp, r.truePeakDb, 0.1) << what;
            EXPECT_NEAR(s.samplePeakDbfs, r.samplePeakDb, 1e-6) << what;
        }
    }
}

}  // namespace
