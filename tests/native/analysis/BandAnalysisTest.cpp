// The band analysis on numbers: level mapping, folding bins into bands,
// shared-bin smoothing, decay, moving and cumulative averages, peak hold,
// release and fall.
#include "analysis/BandAnalysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "analysis/AnalysisBlock.h"
#include "analysis/FFT.h"

namespace {

constexpr double kSilent = -std::numeric_limits<double>::infinity();
// At 44.1 kHz the 20 Hz bin is bin 1.
constexpr double kBinHz = 44100.0 / CFFT::kSize;
constexpr double kBlocksPerSecond = 44100.0 / kAnalysisBlockFrames;
constexpr float kPeakFallPerSecond = 0.1f;
using Spectrum = std::vector<double>;

Spectrum Flat(double levelDb) {
    Spectrum spectrum(CFFT::kSize, levelDb);
    spectrum[0] = CFFT::kFloorDb;
    return spectrum;
}

BandRange Bins(int32_t first, int32_t last) {
    return {0.0, 0.0, first, last};
}

// Band i reads bins 20 + 2i and 21 + 2i: no two bands share a bin.
BandTable SeparateBands() {
    BandTable table{};
    for (int band = 0; band < kBandCount; ++band) table[band] = Bins(20 + 2 * band, 21 + 2 * band);
    return table;
}

class BandAnalysisTest : public ::testing::Test {
protected:
    void SetUp() override { analysis_.Prepare(kBlocksPerSecond); }

    // One block as the store runs it: the fold, then the peaks.
    void Block(const Spectrum& spectrum, uint32_t elapsedMs = 0) {
        analysis_.Fold(spectrum.data(), table_, kBinHz, fallPerBlock_);
        analysis_.UpdatePeaks(elapsedMs, kPeakFallPerSecond);
    }
    float Level(int band) const { return analysis_.Levels()[band]; }
    float Peak(int band) const { return analysis_.Peaks()[band]; }

    CBandAnalysis analysis_{0};
    BandTable table_ = SeparateBands();
    float fallPerBlock_ = 0.11f;
};

TEST(BandLevels, DecibelsMapLinearlyOntoZeroToOne) {
    EXPECT_EQ(CBandAnalysis::LevelOfDb(0.0), 1.0f);
    EXPECT_EQ(CBandAnalysis::LevelOfDb(6.0), 1.0f);
    EXPECT_FLOAT_EQ(CBandAnalysis::LevelOfDb(-60.0), 0.5f);
    EXPECT_FLOAT_EQ(CBandAnalysis::LevelOfDb(-108.0), 0.1f);
    EXPECT_GT(CBandAnalysis::LevelOfDb(-120.0), 0.0f);
    EXPECT_LT(CBandAnalysis::LevelOfDb(-120.0), 1e-10f);
    EXPECT_EQ(CBandAnalysis::LevelOfDb(-121.0), 0.0f);
    EXPECT_EQ(CBandAnalysis::LevelOfDb(kSilent), 0.0f);
    EXPECT_EQ(CBandAnalysis::LevelOfDb(std::nan("")), 0.0f);
}

TEST_F(BandAnalysisTest, BandTakesTheLoudestOfItsBinsCountedFromThe20HzBin) {
    fallPerBlock_ = 1.0f;  // every block stands alone
    table_[200] = Bins(1849, 1900);
    for (int bin : {1850, 1875, 1901}) {
        Spectrum spectrum = Flat(kSilent);
        spectrum[bin] = -60.0;
        Block(spectrum);
        EXPECT_FLOAT_EQ(Level(200), 0.5f) << bin;
    }
    Spectrum spectrum = Flat(kSilent);
    spectrum[1849] = 0.0;  // the bins on either side are not the band's
    spectrum[1902] = 0.0;
    spectrum[1850] = -60.0;
    spectrum[1875] = -30.0;
    Block(spectrum);
    EXPECT_FLOAT_EQ(Level(200), 0.75f);
}

// Above the analyser's last level bin the spectrum holds no levels (and
// below 20.5 kHz sample rates a band's bins run past its end).
TEST_F(BandAnalysisTest, BinsPastTheLastLevelBinAreNeverRead) {
    table_[254] = Bins(2040, 5000);
    table_[255] = Bins(3000, 6000);
    Spectrum spectrum = Flat(kSilent);
    for (int bin = CFFT::kLevelBins; bin < CFFT::kSize; ++bin) spectrum[bin] = 0.0;
    spectrum[2041] = -60.0;
    Block(spectrum);
    EXPECT_FLOAT_EQ(Level(254), 0.5f);
    EXPECT_EQ(Level(255), 0.0f) << "a band with no bin left reads as silence";
}

// Bands 0..3 share bin 0 and are drawn towards band 4; bands 7..9 share
// band 6's bin and are drawn towards band 10; bands 11..13 are too few to
// smooth, and the run 252..255 is still open after the last band.
TEST_F(BandAnalysisTest, RunsOfBandsThatShareAFirstBinBecomeStraightLines) {
    for (int band = 0; band < 4; ++band) table_[band] = Bins(0, band);
    for (int band = 7; band < 10; ++band) table_[band] = Bins(table_[6].firstBin, 40 + band);
    for (int band = 12; band < 14; ++band) table_[band] = Bins(table_[11].firstBin, 50 + band);
    for (int band = 253; band < 256; ++band) table_[band] = Bins(table_[252].firstBin, 600 + band);
    Spectrum ramp(CFFT::kSize);
    for (int bin = 0; bin < CFFT::kSize; ++bin) ramp[bin] = -119.0 + bin * 0.05;
    const auto own = [&](int band) {
        return CBandAnalysis::LevelOfDb(ramp[1 + table_[band].lastBin]);
    };
    Block(ramp);
    for (int j = 0; j <= 4; ++j)
        EXPECT_NEAR(Level(j), own(0) + (own(4) - own(0)) * j / 4.0f, 1e-6) << j;
    EXPECT_EQ(Level(6), own(6)) << "the band before the run keeps its own level";
    for (int j = 7; j <= 10; ++j) {
        EXPECT_NEAR(Level(j), own(7) + (own(10) - own(7)) * (j - 7) / 3.0f, 1e-6) << j;
    }
    for (int band : {11, 12, 13, 252, 253, 254, 255}) EXPECT_EQ(Level(band), own(band)) << band;
}

TEST_F(BandAnalysisTest, DecayRisesAtOnceAndFallsByTheFallPerBlock) {
    const Spectrum silent = Flat(kSilent);
    Block(Flat(0.0));
    EXPECT_EQ(Level(100), 1.0f);
    Block(silent);
    EXPECT_FLOAT_EQ(Level(100), 0.89f);
    Block(silent);
    EXPECT_FLOAT_EQ(Level(100), 0.78f);
    fallPerBlock_ = 1.0f;
    Block(silent);
    EXPECT_EQ(Level(100), 0.0f);
}

TEST_F(BandAnalysisTest, MovingAverageOverTheBlocksOfItsWindow) {
    analysis_.AverageOver(1000, kBlocksPerSecond);  // ten whole blocks
    const Spectrum half = Flat(-60.0);
    Block(Flat(0.0));
    EXPECT_FLOAT_EQ(Level(200), 1.0f);
    Block(half);
    EXPECT_FLOAT_EQ(Level(200), 0.75f) << "while filling: the mean so far";
    for (int i = 0; i < 9; ++i) Block(half);
    EXPECT_FLOAT_EQ(Level(200), 0.5f) << "the loud block has left the ten-block window";
}

TEST_F(BandAnalysisTest, WindowShorterThanABlockAveragesOverOne) {
    analysis_.AverageOver(50, kBlocksPerSecond);
    Block(Flat(0.0));
    Block(Flat(-60.0));
    EXPECT_FLOAT_EQ(Level(10), 0.5f);
}

TEST_F(BandAnalysisTest, CumulativeAverageHasNoRingLimit) {
    analysis_.AverageForEver();
    const Spectrum silent = Flat(kSilent);
    Block(Flat(0.0));
    for (int i = 0; i < 3; ++i) Block(silent);
    EXPECT_FLOAT_EQ(Level(50), 0.25f);
    for (int i = 0; i < 196; ++i) Block(silent);
    EXPECT_FLOAT_EQ(Level(50), 0.005f);
}

TEST_F(BandAnalysisTest, LeavingTheCumulativeAverageRestartsTheBands) {
    analysis_.AverageOver(1000, kBlocksPerSecond);
    analysis_.AverageForEver();
    for (int i = 0; i < 50; ++i) Block(Flat(0.0));
    analysis_.AverageOver(1000, kBlocksPerSecond);  // the same window as before
    for (int i = 0; i < 10; ++i) Block(Flat(-60.0));
    EXPECT_FLOAT_EQ(Level(120), 0.5f);
}

TEST_F(BandAnalysisTest, ReleasedPeaksFallAtTheirRateUntilOvertaken) {
    const Spectrum loud = Flat(0.0);
    const Spectrum silent = Flat(kSilent);
    fallPerBlock_ = 1.0f;
    Block(loud);
    analysis_.ReleasePeaksEvery(500, 500);
    Block(silent, 1000);
    EXPECT_NEAR(Peak(30), 0.9f, 1e-6) << "0.1 per second";
    Block(silent, 10000);
    EXPECT_EQ(Peak(30), 0.0f) << "and no lower";
    Block(loud);
    analysis_.ReleasePeaksEvery(500, 999);
    Block(silent, 100);
    EXPECT_EQ(Peak(30), 1.0f) << "overtaken and held until the next release";
    analysis_.ReleasePeaksEvery(500, 1000);
    Block(silent, 100);
    EXPECT_NEAR(Peak(30), 0.99f, 1e-6);
}

TEST_F(BandAnalysisTest, HoldingForEverStopsAReleasedPeakFalling) {
    Block(Flat(0.0));
    analysis_.ReleasePeaksEvery(0, 0);
    analysis_.HoldForEver();
    Block(Flat(kSilent), 20000);
    EXPECT_EQ(Peak(0), 1.0f);
}

}  // namespace
