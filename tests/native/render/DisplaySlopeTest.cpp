// The display's spectral slope: the tilt about 1 kHz per octave, held to the
// store's level range, and nothing at all while flat.
#include "render/DisplaySlope.h"

#include <gtest/gtest.h>

#include <cmath>

#include "render/SpectrumReadout.h"

namespace {

// Bands centred on 1 Hz x 1.1^n from 20 Hz up.
BandTable GeometricBands() {
    BandTable bands{};
    double lower = 20.0;
    for (BandRange& band : bands) {
        band.lowerHz = lower;
        band.upperHz = lower * 1.03;
        lower = band.upperHz;
    }
    return bands;
}

int BandNear(const BandTable& bands, double hz) {
    int nearest = 0;
    for (int band = 0; band < kBandCount; ++band) {
        if (std::fabs(std::log(BandCentreHz(bands, band) / hz)) <
            std::fabs(std::log(BandCentreHz(bands, nearest) / hz)))
            nearest = band;
    }
    return nearest;
}

TEST(DisplaySlope, TiltsAboutOneKilohertzByTheSlopePerOctave) {
    const BandTable bands = GeometricBands();
    for (double slope : {3.0, 4.5, 6.0}) {
        CDisplaySlope tilt;
        tilt.Set(slope, &bands);
        for (double hz : {100.0, 1000.0, 10000.0}) {
            const int band = BandNear(bands, hz);
            const double centre = BandCentreHz(bands, band);
            EXPECT_NEAR(tilt.OffsetDb(band), slope * std::log2(centre / 1000.0), 1e-4) << hz;
        }
        // A decade is 3.32 octaves: 100 Hz and 10 kHz move by -/+3.32 x slope.
        EXPECT_NEAR(SlopeOffsetDb(100.0, slope), -3.3219 * slope, 1e-3);
        EXPECT_NEAR(SlopeOffsetDb(10000.0, slope), 3.3219 * slope, 1e-3);
        EXPECT_EQ(SlopeOffsetDb(1000.0, slope), 0.0);

        BandLevels levels;
        levels.fill(0.5f);  // -60 dB everywhere
        tilt.Apply(levels);
        const int high = BandNear(bands, 10000.0), low = BandNear(bands, 100.0);
        EXPECT_NEAR(DbOfStoreLevel(levels[high]), -60.0 + tilt.OffsetDb(high), 1e-3);
        EXPECT_NEAR(DbOfStoreLevel(levels[low]), -60.0 + tilt.OffsetDb(low), 1e-3);
    }
}

TEST(DisplaySlope, HoldsTheLevelRangeAndLeavesLevelsAloneWhenFlat) {
    const BandTable bands = GeometricBands();
    CDisplaySlope tilt;
    tilt.Set(6.0, &bands);
    BandLevels levels;
    levels.fill(1.0f);
    levels[0] = 0.0f;
    tilt.Apply(levels);
    EXPECT_EQ(levels[kBandCount - 1], 1.0f) << "0 dB tilted up stays at the top";
    EXPECT_EQ(levels[0], 0.0f) << "the floor tilted down stays at the floor";
    levels.fill(0.0f);
    tilt.Apply(levels);
    EXPECT_EQ(levels[kBandCount - 1], 0.0f) << "silence is not tilted up into a ramp";

    BandLevels raw;
    for (int band = 0; band < kBandCount; ++band) raw[band] = band * 0.0051f - 0.1f;
    BandLevels untouched = raw;
    for (const BandTable* table : {&bands, static_cast<const BandTable*>(nullptr)}) {
        CDisplaySlope flat;
        flat.Set(table != nullptr ? 0.0 : 6.0, table);
        EXPECT_TRUE(flat.IsFlat());
        flat.Apply(untouched);
        EXPECT_EQ(untouched, raw) << "not even held to the range";
    }
}

}  // namespace
