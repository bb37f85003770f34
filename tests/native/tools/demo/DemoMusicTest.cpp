// The demo's music: repeatable, finite, inside full scale, and each voice
// sounds where the piece puts it.
#include "tools/demo/DemoMusic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct Channels {
    std::vector<float> left;
    std::vector<float> right;
};

Channels Render(CDemoMusic& music, int frames, int blockFrames) {
    Channels out{std::vector<float>(frames), std::vector<float>(frames)};
    for (int done = 0; done < frames; done += blockFrames) {
        const int count = std::min(blockFrames, frames - done);
        music.Render(out.left.data() + done, out.right.data() + done, count);
    }
    return out;
}

Channels RenderSeconds(double rateHz, double seconds, unsigned voices, uint32_t seed = 7) {
    CDemoMusic music(rateHz, seed, voices);
    return Render(music, static_cast<int>(seconds * rateHz), 4096);
}

double Rms(const std::vector<float>& samples, double rateHz, double fromSeconds, double seconds) {
    const auto first = static_cast<size_t>(fromSeconds * rateHz);
    const auto count = static_cast<size_t>(seconds * rateHz);
    double sum = 0.0;
    for (size_t i = first; i < first + count; ++i) sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / count);
}

int ZeroCrossings(const std::vector<float>& samples, double rateHz, double from, double seconds) {
    const auto first = static_cast<size_t>(from * rateHz);
    const auto last = first + static_cast<size_t>(seconds * rateHz);
    int crossings = 0;
    for (size_t i = first + 1; i < last; ++i) {
        if ((samples[i - 1] < 0.0f) != (samples[i] < 0.0f)) ++crossings;
    }
    return crossings;
}

// Rates low enough to keep a whole loop quick under the sanitizers.
constexpr double kRate = 24000.0;

TEST(DemoMusicTest, SameSeedGivesTheSameSamplesHoweverTheBlocksAreCut) {
    const int frames = static_cast<int>(2 * kRate);
    CDemoMusic whole(kRate, 11);
    const Channels reference = Render(whole, frames, frames);
    for (int blockFrames : {1, 64, 511, 4096}) {
        CDemoMusic cut(kRate, 11);
        const Channels pieces = Render(cut, frames, blockFrames);
        EXPECT_EQ(pieces.left, reference.left) << blockFrames << "-frame blocks";
        EXPECT_EQ(pieces.right, reference.right) << blockFrames << "-frame blocks";
    }
    CDemoMusic otherSeed(kRate, 12);
    EXPECT_NE(Render(otherSeed, frames, frames).left, reference.left);
}

class DemoMusicRateTest : public ::testing::TestWithParam<double> {};

TEST_P(DemoMusicRateTest, StaysFiniteAndInsideFullScaleForAWholeLoop) {
    const double rateHz = GetParam();
    const Channels out = RenderSeconds(rateHz, CDemoMusic::kLoopSeconds, CDemoMusic::kAllVoices);
    for (const std::vector<float>* channel : {&out.left, &out.right}) {
        for (size_t i = 0; i < channel->size(); ++i) {
            const float sample = (*channel)[i];
            ASSERT_TRUE(std::isfinite(sample) && std::fabs(sample) <= 1.0f)
                << sample << " at frame " << i << ", " << rateHz << " Hz";
        }
    }
    EXPECT_GT(Rms(out.left, rateHz, 0.0, CDemoMusic::kLoopSeconds), 0.05);
    EXPECT_NE(out.left, out.right) << "the mix is stereo";
}

INSTANTIATE_TEST_SUITE_P(Rates, DemoMusicRateTest, ::testing::Values(8000.0, 44100.0, 192000.0));

TEST(DemoMusicTest, EveryVoiceSoundsInEveryBarItPlays) {
    const double barSeconds = CDemoMusic::kBeatSeconds * CDemoMusic::kBeatsPerBar;
    for (unsigned voice : {CDemoMusic::kChords, CDemoMusic::kBass, CDemoMusic::kDrums}) {
        const Channels out = RenderSeconds(kRate, CDemoMusic::kLoopSeconds, voice);
        for (int bar = 0; bar < CDemoMusic::kBars; ++bar) {
            EXPECT_GT(Rms(out.left, kRate, bar * barSeconds, barSeconds), 0.01)
                << "voice " << voice << ", bar " << bar;
        }
    }
}

TEST(DemoMusicTest, DrumsHitOnTheBeatAndFadeBeforeTheNext) {
    const Channels out = RenderSeconds(kRate, 4.0, CDemoMusic::kDrums);
    for (int beat = 0; beat < 7; ++beat) {
        const double start = beat * CDemoMusic::kBeatSeconds;
        const double hit = Rms(out.left, kRate, start, 0.05);
        const double tail = Rms(out.left, kRate, start + CDemoMusic::kBeatSeconds - 0.05, 0.05);
        EXPECT_GT(hit, 10 * tail) << "beat " << beat;
    }
}

TEST(DemoMusicTest, SweepIsSilentUntilItsBarsThenRisesInPitch) {
    const Channels out = RenderSeconds(kRate, CDemoMusic::kLoopSeconds, CDemoMusic::kSweep);
    EXPECT_EQ(Rms(out.left, kRate, 0.0, CDemoMusic::kSweepStartSeconds), 0.0);
    const double start = CDemoMusic::kSweepStartSeconds + 0.1;
    const double end = CDemoMusic::kLoopSeconds - 0.35;
    const int early = ZeroCrossings(out.left, kRate, start, 0.25);
    const int late = ZeroCrossings(out.left, kRate, end, 0.25);
    EXPECT_GT(early, 0);
    EXPECT_GT(late, 20 * early) << "early " << early << ", late " << late;
    EXPECT_GT(Rms(out.left, kRate, start, 0.25), 0.05);
    EXPECT_GT(Rms(out.right, kRate, end, 0.25), 0.05);
}

}  // namespace
