// Blending the front spectrum between analysis blocks.
#include "render/SpectrumInterpolator.h"

#include <gtest/gtest.h>

namespace {
// 40960 Hz makes one 4096-sample block last exactly 100 ms.
constexpr double kTenBlocksPerSecond = 40960.0;

BandLevels Flat(float level) {
    BandLevels levels;
    levels.fill(level);
    return levels;
}
}  // namespace

TEST(SpectrumInterpolator, MovesFromThePreviousBlockToTheNewestOverOneBlock) {
    CSpectrumInterpolator interpolator;
    interpolator.TakeTarget(Flat(0.2f));
    interpolator.TakeTarget(Flat(0.6f));
    const struct {
        uint32_t elapsedMs;
        float level;
    } cases[] = {{0, 0.2f},   {50, 0.4f},   {100, 0.6f},
                 {101, 0.6f}, {5000, 0.6f}, {0xFFFFFFF0u, 0.6f}};
    for (const auto& c : cases) {
        interpolator.Interpolate(c.elapsedMs, kTenBlocksPerSecond);
        EXPECT_FLOAT_EQ(interpolator.Displayed()[0], c.level) << c.elapsedMs << " ms";
        EXPECT_FLOAT_EQ(interpolator.Displayed()[255], c.level) << c.elapsedMs << " ms";
    }
}

TEST(SpectrumInterpolator, BlockTimeFollowsTheSampleRate) {
    EXPECT_NEAR(CSpectrumInterpolator::BlendFactor(46, 44100.0), 46.0f / 92.879818f, 1e-5f);
    EXPECT_EQ(CSpectrumInterpolator::BlendFactor(93, 44100.0), 1.0f);
    EXPECT_LT(CSpectrumInterpolator::BlendFactor(170, 22050.0), 1.0f);
    // Without a sample rate the newest block shows at once.
    EXPECT_EQ(CSpectrumInterpolator::BlendFactor(0, 0.0), 1.0f);
}
