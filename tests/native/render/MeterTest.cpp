// The level meter: its texture's colour zones, separators and fade, and the
// bars the block figures give.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "render/MeterBars.h"
#include "render/MeterTexture.h"

namespace {

uint32_t Colour(uint32_t texel) {
    return texel & 0xFFFFFFu;
}
uint32_t Alpha(uint32_t texel) {
    return texel >> 24;
}

TEST(MeterTexture, RowsAreColouredByTheLevelTheirHeightStandsFor) {
    for (int row = 1; row < CMeterTexture::kHeight; ++row) {
        if (row % 3 == 0) continue;
        const double levelDb = 20.0 * std::log10((256.0 - row) / 256.0);
        const uint32_t expected = levelDb < -4.0   ? CMeterTexture::kGreen
                                  : levelDb < -1.0 ? CMeterTexture::kYellow
                                                   : CMeterTexture::kRed;
        EXPECT_EQ(Colour(CMeterTexture::RowTexel(row)), expected) << "row " << row;
    }
    // The zone edges as the eye sees them.
    EXPECT_EQ(Colour(CMeterTexture::RowTexel(26)), CMeterTexture::kRed);
    EXPECT_EQ(Colour(CMeterTexture::RowTexel(28)), CMeterTexture::kYellow);
    EXPECT_EQ(Colour(CMeterTexture::RowTexel(94)), CMeterTexture::kYellow);
    EXPECT_EQ(Colour(CMeterTexture::RowTexel(95)), CMeterTexture::kGreen);
}

TEST(MeterTexture, EveryThirdRowIsBlackAndRowsFadeTowardsSilence) {
    const CMeterTexture::Texels texels = CMeterTexture::Build();
    for (int row = 0; row < CMeterTexture::kHeight; ++row) {
        for (int column = 0; column < CMeterTexture::kWidth; ++column) {
            ASSERT_EQ(texels[row * CMeterTexture::kWidth + column], CMeterTexture::RowTexel(row));
        }
        if (row % 3 == 0) {
            EXPECT_EQ(Colour(CMeterTexture::RowTexel(row)), 0u) << row;
        }
    }
    EXPECT_EQ(Alpha(CMeterTexture::RowTexel(1)), 255u);
    EXPECT_EQ(Alpha(CMeterTexture::RowTexel(128)), 128u);
    EXPECT_EQ(Alpha(CMeterTexture::RowTexel(255)), 1u);
}

TEST(MeterBars, BarsStandOnRow256AndAreAsTallAsTheirLinearLevel) {
    const MeterBars full = MeterBarsOf(1.0, 1.0);
    EXPECT_EQ(full.peak.heightRows, 256);
    EXPECT_EQ(full.peak.sourceTop, 0);
    EXPECT_EQ(full.peak.y, 0.0f);
    EXPECT_EQ(full.peak.x, 0.0f);
    EXPECT_EQ(full.rms.x, 18.0f);
    EXPECT_EQ(Colour(CMeterTexture::RowTexel(1)), CMeterTexture::kRed);

    const MeterBars half = MeterBarsOf(0.5, 0.8);
    EXPECT_EQ(half.peak.heightRows, 128);
    EXPECT_EQ(half.peak.y, 128.0f);
    EXPECT_EQ(CMeterTexture::ZoneColour(CMeterTexture::RowLevelDb(half.peak.sourceTop)),
              CMeterTexture::kGreen);
    EXPECT_EQ(half.rms.heightRows, 204);
    EXPECT_EQ(CMeterTexture::ZoneColour(CMeterTexture::RowLevelDb(half.rms.sourceTop)),
              CMeterTexture::kYellow);
}

TEST(MeterBars, LevelsOutsideTheTextureAreHeldToIt) {
    EXPECT_EQ(MeterBarsOf(1.7, 1e300).peak.sourceTop, 0);
    EXPECT_EQ(MeterBarsOf(1.7, 1e300).rms.sourceTop, 0);
    const double undefined = std::numeric_limits<double>::quiet_NaN();
    for (double level : {0.0, -0.5, undefined, 0.001}) {
        const MeterBars bars = MeterBarsOf(level, level);
        EXPECT_EQ(bars.peak.heightRows, 0) << level;
        EXPECT_EQ(bars.rms.sourceTop, 256) << level;
    }
}

}  // namespace
