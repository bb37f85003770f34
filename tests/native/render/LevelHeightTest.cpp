// Level to height and palette entry, including the 3D range of 0 dB.
#include "render/LevelHeight.h"

#include <gtest/gtest.h>

#include "analysis/SpectrumStore.h"

using namespace LevelHeight;

namespace {
float Level(double levelDb) {
    return CSpectrumStore::LevelOfDb(levelDb);
}
}  // namespace

TEST(LevelHeight, MinusSixtyRangePutsZeroDbAtTheTopAndItsFloorOnTheGround) {
    EXPECT_FLOAT_EQ(HeightOfLevel(Level(0.0), -60.0f), 200.0f);
    EXPECT_NEAR(HeightOfLevel(Level(-30.0), -60.0f), 100.0f, 1e-3f);
    EXPECT_EQ(HeightOfLevel(Level(-60.0), -60.0f), 0.0f);
    EXPECT_EQ(HeightOfLevel(Level(-90.0), -60.0f), 0.0f);
    EXPECT_EQ(HeightOfLevel(0.0f, -60.0f), 0.0f);
    EXPECT_NEAR(HeightOfLevel(Level(-60.0), -120.0f), 100.0f, 1e-3f);
}

TEST(LevelHeight, PaletteRunsFromEntry119AtTheFloorToEntry0AtFullLevel) {
    for (float range : {-120.0f, -60.0f, -65.0f, -10.0f}) {
        const float floorLevel = Level(range);
        EXPECT_EQ(PaletteIndexOfHeight(NormalisedHeight(floorLevel, range)), 119) << range;
        EXPECT_EQ(PaletteIndexOfHeight(NormalisedHeight(1.0f, range)), 0) << range;
    }
    EXPECT_EQ(PaletteIndexOfHeight(NormalisedHeight(Level(-30.0), -60.0f)), 59);
    // Out-of-range heights never index outside the palette.
    EXPECT_EQ(PaletteIndexOfHeight(1.5f), 0);
    EXPECT_EQ(PaletteIndexOfHeight(-0.5f), 119);
}

TEST(LevelHeight, ZeroDbRangeShowsOnlyFullLevelsAtFullHeight) {
    EXPECT_EQ(HeightOfLevel(1.0f, 0.0f), 200.0f);
    EXPECT_EQ(PaletteIndexOfHeight(NormalisedHeight(1.0f, 0.0f)), 0);
    EXPECT_EQ(HeightOfLevel(Level(-0.1), 0.0f), 0.0f);
    EXPECT_EQ(PaletteIndexOfHeight(NormalisedHeight(Level(-0.1), 0.0f)), 119);
    EXPECT_EQ(HeightOfLevel(0.0f, 0.0f), 0.0f);
}
