// The loudness meter on the broadcast meters' compliance signals at three
// rates, whatever the host's block size, through resets, non-finite samples
// and a reader on another thread.
#include "analysis/LoudnessMeter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <limits>
#include <thread>

#include "tests/native/analysis/LoudnessSignals.h"

namespace {

class LoudnessCompliance : public ::testing::TestWithParam<double> {
protected:
    double rate_ = GetParam();
};

TEST_P(LoudnessCompliance, IntegratedLoudnessOfSteadyAndGatedProgrammes) {
    const std::vector<std::vector<Level>> programmes = {
        {{20, -23}},
        {{20, -33}},
        {{10, -36}, {60, -23}, {10, -36}},
        {{10, -72}, {10, -36}, {60, -23}, {10, -36}, {10, -72}},
        {{20, -26}, {20.1, -20}, {20, -26}},
    };
    for (size_t p = 0; p < programmes.size(); ++p) {
        CLoudnessMeter meter(rate_);
        Feed(meter, SineLevels(rate_, 1000, programmes[p]), TotalFrames(rate_, programmes[p]),
             4096);
        const CLoudnessSnapshot s = meter.Read();
        const double expected = p == 1 ? -33.0 : -23.0;
        EXPECT_NEAR(s.integratedLufs, expected, 0.1) << "programme " << p + 1;
        if (p < 2) {
            EXPECT_NEAR(s.momentaryLufs, expected, 0.1) << "programme " << p + 1;
            EXPECT_NEAR(s.shortTermLufs, expected, 0.1) << "programme " << p + 1;
        }
    }
}

// Loud and quiet parts alternate with the window's period: every window holds
// the same energy, so the reading stays at -23 once the window is full.
TEST_P(LoudnessCompliance, MomentaryAndShortTermStaySteadyOverTheirWindows) {
    struct Case {
        double loudSeconds, quietSeconds, windowSeconds;
        double CLoudnessSnapshot::*figure;
    };
    for (const Case c : {Case{0.18, 0.22, 0.4, &CLoudnessSnapshot::momentaryLufs},
                         Case{1.34, 1.66, 3.0, &CLoudnessSnapshot::shortTermLufs}}) {
        std::vector<Level> levels;
        for (int i = 0; i < 5; ++i)
            levels.insert(levels.end(), {{c.loudSeconds, -20}, {c.quietSeconds, -30}});
        CLoudnessMeter meter(rate_);
        long long fed = 0;
        const int step = static_cast<int>(rate_ / 10);
        Feed(meter, SineLevels(rate_, 1000, levels), TotalFrames(rate_, levels), step, [&] {
            fed += step;
            const double reading = meter.Read().*c.figure;
            if (fed < c.windowSeconds * rate_)
                EXPECT_TRUE(std::isnan(reading));
            else
                EXPECT_NEAR(reading, -23.0, 0.1) << "after " << fed << " frames";
        });
    }
}

TEST_P(LoudnessCompliance, TruePeakOfSinesBetweenSamples) {
    struct Case {
        double sineHz, phase, dbfs;
    };
    for (const Case c :
         {Case{rate_ / 4, M_PI / 4, -6}, Case{1000, 0.0, -3}, Case{rate_ / 6, 0.0, 0},
          Case{rate_ * 0.3, 0.1, -1}, Case{rate_ / 8, M_PI / 8, -0.5}}) {
        CLoudnessMeter meter(rate_);
        Feed(meter, SineLevels(rate_, c.sineHz, {{1, c.dbfs}}, c.phase, 0.05), llround(rate_), 512);
        const CLoudnessSnapshot s = meter.Read();
        EXPECT_LE(s.truePeakDbtp, c.dbfs + 0.2) << c.sineHz << " Hz";
        EXPECT_GE(s.truePeakDbtp, c.dbfs - 0.4) << c.sineHz << " Hz";
        EXPECT_LE(s.samplePeakDbfs, s.truePeakDbtp) << c.sineHz << " Hz";
    }
}

TEST_P(LoudnessCompliance, LoudnessRangeOfLevelSteps) {
    const std::pair<std::vector<Level>, double> cases[] = {
        {{{20, -20}, {20, -30}}, 10},
        {{{20, -20}, {20, -15}}, 5},
        {{{20, -40}, {20, -20}}, 20},
        {{{20, -50}, {20, -35}, {20, -20}, {20, -35}, {20, -50}}, 15},
    };
    for (const auto& [levels, range] : cases) {
        CLoudnessMeter meter(rate_);
        Feed(meter, SineLevels(rate_, 1000, levels), TotalFrames(rate_, levels), 4096);
        EXPECT_NEAR(meter.Read().rangeLu, range, 1.0) << "expected " << range;
    }
}

INSTANTIATE_TEST_SUITE_P(Rates, LoudnessCompliance, ::testing::Values(44100.0, 48000.0, 96000.0));

void ExpectSameFigures(const CLoudnessSnapshot& a, const CLoudnessSnapshot& b, const char* what) {
    const double CLoudnessSnapshot::*figures[] = {
        &CLoudnessSnapshot::momentaryLufs,    &CLoudnessSnapshot::shortTermLufs,
        &CLoudnessSnapshot::integratedLufs,   &CLoudnessSnapshot::rangeLu,
        &CLoudnessSnapshot::truePeakDbtp,     &CLoudnessSnapshot::samplePeakDbfs,
        &CLoudnessSnapshot::maxMomentaryLufs, &CLoudnessSnapshot::maxShortTermLufs};
    for (auto f : figures) EXPECT_NEAR(a.*f, b.*f, 1e-6) << what;  // fails on NaN too
}

SignalAt Play(const std::vector<StereoSample>& samples) {
    return [&samples](long long frame) { return samples[frame]; };
}

TEST(LoudnessMeter, FiguresDoNotDependOnHowTheHostCutsBlocks) {
    const std::vector<StereoSample> music = Music(48000, 4.05);
    CLoudnessMeter whole(48000);
    Feed(whole, Play(music), music.size(), 4096);
    for (int block : {1, 64, 511}) {
        CLoudnessMeter meter(48000);
        Feed(meter, Play(music), music.size(), block);
        ExpectSameFigures(meter.Read(), whole.Read(), std::to_string(block).c_str());
    }
}

TEST(LoudnessMeter, NonFiniteSamplesCountAsSilence) {
    std::vector<StereoSample> music = Music(48000, 4.05), spoilt = music;
    const double bad[] = {std::numeric_limits<double>::quiet_NaN(), HUGE_VAL, -HUGE_VAL};
    for (size_t i = 0; i < music.size(); i += 997) {
        music[i] = {0.0, 0.0};
        spoilt[i] = {bad[i % 3], bad[(i + 1) % 3]};
    }
    for (size_t i = 48000; i < 52800; ++i) music[i] = {0.0, 0.0}, spoilt[i] = {bad[0], bad[1]};
    CLoudnessMeter clean(48000), meter(48000);
    Feed(clean, Play(music), music.size(), 512);
    Feed(meter, Play(spoilt), spoilt.size(), 512);
    ExpectSameFigures(meter.Read(), clean.Read(), "non-finite samples");
}

TEST(LoudnessMeter, ResetAndRateChangeStartAgain) {
    CLoudnessMeter meter(48000);
    Feed(meter, SineLevels(48000, 1000, {{4, -10}}), 4 * 48000, 4096);
    meter.RequestReset();
    EXPECT_TRUE(std::isnan(meter.Read().integratedLufs)) << "shown at once, with no audio";
    Feed(meter, SineLevels(48000, 1000, {{0.3, -30}}), 0.3 * 48000, 4096);
    EXPECT_TRUE(std::isnan(meter.Read().momentaryLufs));
    Feed(meter, SineLevels(48000, 1000, {{1, -30}}), 48000, 4096);
    EXPECT_NEAR(meter.Read().integratedLufs, -30.0, 0.1);
    EXPECT_NEAR(meter.Read().maxMomentaryLufs, -30.0, 0.1);
    EXPECT_NEAR(meter.Read().truePeakDbtp, -30.0, 0.1);

    meter.SetSampleRate(1e6);
    EXPECT_EQ(meter.SampleRateHz(), CLoudnessMeter::kMaxSampleRateHz);
    EXPECT_TRUE(std::isnan(meter.Read().integratedLufs));
    meter.SetSampleRate(0.0);
    EXPECT_EQ(meter.SampleRateHz(), CLoudnessMeter::kMinSampleRateHz);
    CLoudnessMeter fresh(8000);
    for (CLoudnessMeter* m : {&meter, &fresh})
        Feed(*m, SineLevels(8000, 500, {{0.5, 0}}), 4000, 100);
    EXPECT_EQ(meter.Read().momentaryLufs, fresh.Read().momentaryLufs);
    EXPECT_EQ(meter.Read().truePeakDbtp, fresh.Read().truePeakDbtp);
}

// The reader sees whole snapshots in order while the writer measures; its
// reset requests land between blocks.
TEST(LoudnessMeter, ReaderOnAnotherThreadSeesWholeSnapshots) {
    CLoudnessMeter meter(48000);
    std::atomic<bool> done{false};
    std::thread writer([&] {
        Feed(meter, SineLevels(48000, 1000, {{6, -20}}), 6 * 48000, 512);
        done = true;
    });
    int reads = 0;
    while (!done) {
        const CLoudnessSnapshot s = meter.Read();
        if (!std::isnan(s.momentaryLufs)) {
            EXPECT_NEAR(s.momentaryLufs, -20.0, 0.1);
            EXPECT_GE(s.maxMomentaryLufs, s.momentaryLufs);
            EXPECT_NEAR(s.integratedLufs, -20.0, 0.1);
        }
        if (++reads % 1000 == 0) meter.RequestReset();
        std::this_thread::yield();
    }
    writer.join();
    // A reset may have landed last: one more step measures again.
    Feed(meter, SineLevels(48000, 1000, {{0.1, -20}}), 4800, 512);
    EXPECT_NEAR(meter.Read().samplePeakDbfs, -20.0, 0.01);
}

}  // namespace
