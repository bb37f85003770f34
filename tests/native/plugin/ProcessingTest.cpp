// The processing calls: exact pass-through in both precisions for any way a
// host cuts its blocks, and safe behaviour for hosts that break the
// block-size contract.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "analysis/LoudnessMeter.h"
#include "params/Settings.h"

#include "tests/common/TestSignals.h"
#include "tests/native/support/PluginFixture.h"

namespace {

template <typename Sample>
void ExpectBitIdentical(const std::vector<Sample>& expected, const std::vector<Sample>& actual) {
    ASSERT_EQ(expected.size(), actual.size());
    EXPECT_EQ(std::memcmp(expected.data(), actual.data(), expected.size() * sizeof(Sample)), 0);
}

class ProcessingTest : public PluginFixture {
protected:
    template <typename Sample>
    void ExpectPassThrough(const std::vector<int>& blockSizes) {
        const Channels<Sample> input = {Noise<Sample>(9000, 1, true), Noise<Sample>(9000, 2, true)};
        const Channels<Sample> output = FeedBlocks(effect_, input, blockSizes);
        ExpectBitIdentical(input[0], output[0]);
        ExpectBitIdentical(input[1], output[1]);
    }
    void ExpectPassThroughBothPrecisions(const std::vector<int>& blockSizes) {
        ExpectPassThrough<float>(blockSizes);
        ExpectPassThrough<double>(blockSizes);
    }
};

class PassThroughBlocks : public ProcessingTest,
                          public ::testing::WithParamInterface<std::vector<int>> {};

TEST_P(PassThroughBlocks, BitExactWithTheEditorClosedAndOpen) {
    Dispatch(effSetBlockSize, 0, 4096);
    ExpectPassThroughBothPrecisions(GetParam());
    OpenEditor();
    ExpectPassThroughBothPrecisions(GetParam());
}

INSTANTIATE_TEST_SUITE_P(HostBlockSizes, PassThroughBlocks,
                         ::testing::Values(std::vector<int>{1}, std::vector<int>{511},
                                           std::vector<int>{4096},
                                           std::vector<int>{100, 1, 4096, 37, 0, 2000}));

// With the editor closed the input is copied straight through, so only an
// open editor takes the path through the plug-in's buffers.
TEST_F(ProcessingTest, BlocksLargerThanAnnouncedAreServedInPieces) {
    Dispatch(effSetBlockSize, 0, 64);
    OpenEditor();
    ASSERT_TRUE(Engine().IsEditorOpen());
    ExpectPassThrough<float>({1000, 64, 65, 3});
    ExpectPassThrough<double>({9000});
    EXPECT_EQ(Engine().Fill(), (2 * 9000) % 4096) << "every frame reached the analysis";
}

TEST_F(ProcessingTest, ShrinkingAnnouncementKeepsTheLargerBuffers) {
    Dispatch(effSetBlockSize, 0, 1024);
    Dispatch(effSetBlockSize, 0, 16);
    OpenEditor();
    ExpectPassThrough<float>({1024, 1000});
    EXPECT_EQ(Engine().Fill(), 9000 % 4096);
}

TEST_F(ProcessingTest, ProcessingBeforeAnyBlockSizePassesAudioThrough) {
    OpenEditor();
    ExpectPassThroughBothPrecisions({256, 1, 4096});
}

TEST_F(ProcessingTest, InPlaceProcessingKeepsTheSignal) {
    OpenEditor();
    std::vector<float> left = Noise<float>(300, 3);
    std::vector<float> right = Noise<float>(300, 4);
    const std::vector<float> expectedLeft = left;
    const std::vector<float> expectedRight = right;
    float* channels[2] = {left.data(), right.data()};
    ProcessHostBlock(effect_, channels, channels, 300);  // before any block size
    Dispatch(effSetBlockSize, 0, 128);
    ProcessHostBlock(effect_, channels, channels, 300);  // larger than announced
    ExpectBitIdentical(expectedLeft, left);
    ExpectBitIdentical(expectedRight, right);
}

TEST_F(ProcessingTest, EmptyOrMalformedCallsTouchNothing) {
    Dispatch(effSetBlockSize, 0, 64);
    OpenEditor();
    std::vector<float> left(8, 1.0f);
    std::vector<float> right(8, 2.0f);
    std::vector<float> outLeft(8, 7.0f);
    std::vector<float> outRight(8, 7.0f);
    float* in[2] = {left.data(), right.data()};
    float* out[2] = {outLeft.data(), outRight.data()};
    ProcessHostBlock(effect_, in, out, 0);
    ProcessHostBlock(effect_, in, out, -5);
    float* missing[2] = {left.data(), nullptr};
    ProcessHostBlock(effect_, missing, out, 8);
    effect_->processReplacing(effect_, nullptr, out, 8);
    effect_->process(effect_, in, out, 8);  // the deprecated accumulating call
    EXPECT_EQ(outLeft, std::vector<float>(8, 7.0f));
    EXPECT_EQ(outRight, std::vector<float>(8, 7.0f));
    EXPECT_EQ(Engine().Fill(), 0);
}

// The loudness meter hears the input of every block, with or without an
// editor, and restarts only when the rate really changes.
TEST_F(ProcessingTest, LoudnessFollowsTheInputWithTheEditorClosed) {
    constexpr int kRate = 48000;
    constexpr double kPi = 3.141592653589793;
    Dispatch(effSetSampleRate, 0, 0, nullptr, static_cast<float>(kRate));
    Dispatch(effSetBlockSize, 0, 512);
    // A 1 kHz sine at -23 dBFS on both channels reads -23 LUFS (K-weighting
    // is flat there, and two channels add 3 dB to the -3 dB of a sine).
    std::vector<float> sine(kRate);
    for (size_t i = 0; i < sine.size(); ++i) {
        sine[i] = static_cast<float>(std::pow(10.0, -23.0 / 20.0) *
                                     std::sin(2 * kPi * 1000.0 * i / kRate));
    }
    FeedBlocks<float>(effect_, {sine, sine}, {512});
    CLoudnessMeter& loudness = Plugin().Settings()->Loudness();
    EXPECT_NEAR(loudness.Read().momentaryLufs, -23.0, 0.1);

    Dispatch(effSetSampleRate, 0, 0, nullptr, static_cast<float>(kRate));
    EXPECT_TRUE(CLoudnessSnapshot::IsMeasured(loudness.Read().momentaryLufs))
        << "the same rate again keeps the measurement";
    Dispatch(effSetSampleRate, 0, 0, nullptr, 44100.0f);
    EXPECT_FALSE(CLoudnessSnapshot::IsMeasured(loudness.Read().momentaryLufs))
        << "a new rate starts afresh";
}

}  // namespace
