// The processing calls: exact pass-through in both precisions for any way a
// host cuts its blocks, and safe behaviour for hosts that break the
// block-size contract.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "tests/common/TestSignals.h"
#include "tests/native/support/PluginFixture.h"

namespace {

class ProcessingTest : public PluginFixture {
protected:
    // Sends the signal through in host blocks of the given sizes (cycled)
    // and returns what came out, per channel.
    template <typename Sample>
    std::array<std::vector<Sample>, 2> Run(const std::array<std::vector<Sample>, 2>& input,
                                           const std::vector<int>& blockSizes) {
        std::array<std::vector<Sample>, 2> output;
        for (auto& channel : output) channel.assign(input[0].size(), Sample(42));
        size_t done = 0;
        for (size_t block = 0; done < input[0].size(); ++block) {
            const int frames = std::min<int>(blockSizes[block % blockSizes.size()],
                                             static_cast<int>(input[0].size() - done));
            Sample* in[2] = {const_cast<Sample*>(input[0].data()) + done,
                             const_cast<Sample*>(input[1].data()) + done};
            Sample* out[2] = {output[0].data() + done, output[1].data() + done};
            Process(in, out, frames);
            done += static_cast<size_t>(frames);
        }
        return output;
    }

    void Process(float** in, float** out, int frames) {
        effect_->processReplacing(effect_, in, out, frames);
    }
    void Process(double** in, double** out, int frames) {
        effect_->processDoubleReplacing(effect_, in, out, frames);
    }

    template <typename Sample>
    static void ExpectBitIdentical(const std::vector<Sample>& expected,
                                   const std::vector<Sample>& actual) {
        ASSERT_EQ(expected.size(), actual.size());
        EXPECT_EQ(std::memcmp(expected.data(), actual.data(), expected.size() * sizeof(Sample)), 0);
    }

    template <typename Sample>
    void ExpectPassThrough(const std::vector<int>& blockSizes) {
        const std::array<std::vector<Sample>, 2> input = {Noise<Sample>(9000, 1, true),
                                                          Noise<Sample>(9000, 2, true)};
        const auto output = Run(input, blockSizes);
        ExpectBitIdentical(input[0], output[0]);
        ExpectBitIdentical(input[1], output[1]);
    }
};

class PassThroughBlocks : public ProcessingTest,
                          public ::testing::WithParamInterface<std::vector<int>> {};

TEST_P(PassThroughBlocks, SinglePrecisionIsBitExact) {
    Dispatch(effSetBlockSize, 0, 4096);
    ExpectPassThrough<float>(GetParam());
}

TEST_P(PassThroughBlocks, DoublePrecisionIsBitExact) {
    Dispatch(effSetBlockSize, 0, 4096);
    ExpectPassThrough<double>(GetParam());
}

TEST_P(PassThroughBlocks, BitExactWithTheEditorOpen) {
    Dispatch(effSetBlockSize, 0, 4096);
    int parent = 0;
    Dispatch(effEditOpen, 0, 0, &parent);
    ExpectPassThrough<float>(GetParam());
    ExpectPassThrough<double>(GetParam());
    Dispatch(effEditClose);
}

INSTANTIATE_TEST_SUITE_P(HostBlockSizes, PassThroughBlocks,
                         ::testing::Values(std::vector<int>{1}, std::vector<int>{64},
                                           std::vector<int>{511}, std::vector<int>{4096},
                                           std::vector<int>{100, 1, 4096, 37, 0, 2000}));

TEST_F(ProcessingTest, BlocksLargerThanAnnouncedAreServedInPieces) {
    Dispatch(effSetBlockSize, 0, 64);
    ExpectPassThrough<float>({1000, 64, 65, 3});
    ExpectPassThrough<double>({9000});
}

TEST_F(ProcessingTest, ProcessingBeforeAnyBlockSizePassesAudioThrough) {
    ExpectPassThrough<float>({256, 1, 4096});
    ExpectPassThrough<double>({333});
}

TEST_F(ProcessingTest, ShrinkingAnnouncementKeepsTheLargerBuffers) {
    Dispatch(effSetBlockSize, 0, 1024);
    Dispatch(effSetBlockSize, 0, 16);
    ExpectPassThrough<float>({1024, 1000});
}

TEST_F(ProcessingTest, InPlaceProcessingKeepsTheSignal) {
    std::vector<float> left = Noise<float>(300, 3);
    std::vector<float> right = Noise<float>(300, 4);
    const std::vector<float> expectedLeft = left;
    const std::vector<float> expectedRight = right;
    float* channels[2] = {left.data(), right.data()};
    Process(channels, channels, 300);  // before any block size
    Dispatch(effSetBlockSize, 0, 128);
    Process(channels, channels, 300);  // larger than announced
    ExpectBitIdentical(expectedLeft, left);
    ExpectBitIdentical(expectedRight, right);
}

TEST_F(ProcessingTest, EmptyOrMalformedCallsTouchNothing) {
    Dispatch(effSetBlockSize, 0, 64);
    std::vector<float> left(8, 1.0f);
    std::vector<float> right(8, 2.0f);
    std::vector<float> outLeft(8, 7.0f);
    std::vector<float> outRight(8, 7.0f);
    float* in[2] = {left.data(), right.data()};
    float* out[2] = {outLeft.data(), outRight.data()};
    Process(in, out, 0);
    Process(in, out, -5);
    float* missing[2] = {left.data(), nullptr};
    Process(missing, out, 8);
    effect_->processReplacing(effect_, nullptr, out, 8);
    EXPECT_EQ(outLeft, std::vector<float>(8, 7.0f));
    EXPECT_EQ(outRight, std::vector<float>(8, 7.0f));
}

TEST_F(ProcessingTest, DeprecatedAccumulatingProcessDoesNothing) {
    std::vector<float> left(8, 1.0f);
    std::vector<float> out(8, 7.0f);
    float* in[2] = {left.data(), left.data()};
    float* outs[2] = {out.data(), out.data()};
    effect_->process(effect_, in, outs, 8);
    EXPECT_EQ(out, std::vector<float>(8, 7.0f));
}

}  // namespace
