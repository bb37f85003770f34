// Level statistics: block figures, maxima, the spectral maximum and the
// report text.
#include "analysis/Statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

namespace {

using Block = std::vector<double>;

Block Filled(double value) {
    return Block(CStatistics::kBlockFrames, value);
}

Block Square() {
    Block block(CStatistics::kBlockFrames);
    for (size_t i = 0; i < block.size(); ++i) block[i] = i % 2 == 0 ? 1.0 : -1.0;
    return block;
}

// Two blocks in a row; the block figures are the second's, the maxima those
// of both.
struct BlockCase {
    const char* name;
    Block firstLeft, firstRight, left, right;
    double blockPeak, blockAverage, blockRms, maxPeak, maxAverage, maxRms;
};

TEST(Statistics, BlockFiguresAndMaxima) {
    const double rmsHalfOnOneSide = std::sqrt(0.125);
    const BlockCase cases[] = {
        {"full-scale square wave", Filled(0), Filled(0), Square(), Filled(-1.0), 1, 1, 1, 1, 1, 1},
        {"one channel counts half", Filled(0), Filled(0), Filled(0.5), Filled(0), 0.5, 0.25,
         rmsHalfOnOneSide, 0.5, 0.25, rmsHalfOnOneSide},
        {"silence keeps the maxima", Filled(0.8), Filled(0.8), Filled(0), Filled(0), 0, 0, 0, 0.8,
         0.8, 0.8},
    };
    for (const BlockCase& c : cases) {
        CStatistics statistics;
        statistics.Accumulate(c.firstLeft.data(), c.firstRight.data());
        statistics.Accumulate(c.left.data(), c.right.data());
        const CStatistics::Figures f = statistics.Read();
        EXPECT_NEAR(f.blockPeak, c.blockPeak, 1e-12) << c.name;
        EXPECT_NEAR(f.blockAverage, c.blockAverage, 1e-12) << c.name;
        EXPECT_NEAR(f.blockRms, c.blockRms, 1e-12) << c.name;
        EXPECT_NEAR(f.maxPeak, c.maxPeak, 1e-12) << c.name;
        EXPECT_NEAR(f.maxAverage, c.maxAverage, 1e-12) << c.name;
        EXPECT_NEAR(f.maxRms, c.maxRms, 1e-12) << c.name;
    }
}

TEST(Statistics, SpectralMaximumKeepsTheLoudestSinceReset) {
    CStatistics statistics;
    statistics.UpdateSpectralMaximum(-6.0, 1001);
    statistics.UpdateSpectralMaximum(-100000.0, 0);  // silence
    CStatistics::Figures figures = statistics.Read();
    EXPECT_EQ(figures.frameMaxDb, -100000.0);
    EXPECT_EQ(figures.overallMaxDb, -6.0);
    EXPECT_EQ(figures.overallMaxHz, 1001);
    statistics.Reset();
    EXPECT_EQ(statistics.Report(),
              "Statistics\nMax Sample Peak: 0 ave: 0 rms: 0\nMax value: -120 dB at 0 Hz");
    const Block half = Filled(0.5);
    statistics.Accumulate(half.data(), half.data());
    statistics.UpdateSpectralMaximum(-3.4567, 1001);
    EXPECT_EQ(statistics.Report(),
              "Statistics\nMax Sample Peak: 0.5 ave: 0.5 rms: 0.5\nMax value: -3.46 dB at 1001 Hz");
}

TEST(Statistics, FiguresUseThreeSignificantDigitsAndThreeExponentDigits) {
    const std::pair<double, const char*> cases[] = {
        {0.5, "0.5"},       {0.123456, "0.123"},      {-3.4567, "-3.46"},     {-120.0, "-120"},
        {0.0, "0"},         {0.0000123, "1.23e-005"}, {-100000.0, "-1e+005"}, {1234.0, "1.23e+003"},
        {1e-300, "1e-300"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(CStatistics::FormatFigure(value), text);
}

TEST(Statistics, AudioAndUserInterfaceThreadsMayMeet) {
    CStatistics statistics;
    const Block block = Filled(0.25);
    std::thread audio([&] {
        for (int i = 0; i < 200; ++i) {
            statistics.Accumulate(block.data(), block.data());
            statistics.UpdateSpectralMaximum(-10.0 - i % 7, 100 + i);
        }
    });
    for (int i = 0; i < 200; ++i) {
        EXPECT_FALSE(statistics.Report().empty());
        if (i % 50 == 0) statistics.Reset();
    }
    audio.join();
    EXPECT_LE(statistics.Read().maxPeak, 0.25);
}

}  // namespace
