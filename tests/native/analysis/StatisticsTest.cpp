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

TEST(Statistics, FullScaleSquareWaveReadsOneEverywhere) {
    CStatistics statistics;
    Block left(CStatistics::kBlockFrames);
    for (size_t i = 0; i < left.size(); ++i) left[i] = i % 2 == 0 ? 1.0 : -1.0;
    const Block right = Filled(-1.0);
    statistics.Accumulate(left.data(), right.data());
    const CStatistics::Figures figures = statistics.Read();
    EXPECT_EQ(figures.blockPeak, 1.0);
    EXPECT_EQ(figures.blockAverage, 1.0);
    EXPECT_EQ(figures.blockRms, 1.0);
    EXPECT_EQ(figures.maxPeak, 1.0);
}

TEST(Statistics, BothChannelsCountTowardsEachFigure) {
    CStatistics statistics;
    const Block left = Filled(0.5);
    const Block right = Filled(0.0);
    statistics.Accumulate(left.data(), right.data());
    const CStatistics::Figures figures = statistics.Read();
    EXPECT_EQ(figures.blockPeak, 0.5);
    EXPECT_DOUBLE_EQ(figures.blockAverage, 0.25);
    EXPECT_DOUBLE_EQ(figures.blockRms, std::sqrt(0.125));
}

TEST(Statistics, SilenceClearsTheBlockFiguresButKeepsTheMaxima) {
    CStatistics statistics;
    const Block loud = Filled(0.8);
    const Block silence = Filled(0.0);
    statistics.Accumulate(loud.data(), loud.data());
    statistics.Accumulate(silence.data(), silence.data());
    const CStatistics::Figures figures = statistics.Read();
    EXPECT_EQ(figures.blockPeak, 0.0);
    EXPECT_EQ(figures.blockAverage, 0.0);
    EXPECT_EQ(figures.blockRms, 0.0);
    EXPECT_EQ(figures.maxPeak, 0.8);
    EXPECT_NEAR(figures.maxAverage, 0.8, 1e-12);
    EXPECT_NEAR(figures.maxRms, 0.8, 1e-12);
}

TEST(Statistics, SpectralMaximumKeepsTheLoudestSinceReset) {
    CStatistics statistics;
    statistics.UpdateSpectralMaximum(-6.0, 1001);
    statistics.UpdateSpectralMaximum(-100000.0, 0);  // silence
    CStatistics::Figures figures = statistics.Read();
    EXPECT_EQ(figures.frameMaxDb, -100000.0);
    EXPECT_EQ(figures.frameMaxHz, 0);
    EXPECT_EQ(figures.overallMaxDb, -6.0);
    EXPECT_EQ(figures.overallMaxHz, 1001);
    statistics.Reset();
    figures = statistics.Read();
    EXPECT_EQ(figures.overallMaxDb, -120.0);
    EXPECT_EQ(figures.overallMaxHz, 0);
}

TEST(Statistics, ReportAfterResetAndAfterSignal) {
    CStatistics statistics;
    EXPECT_EQ(statistics.Report(),
              "Statistics\nMax Sample Peak: 0 ave: 0 rms: 0\nMax value: -120 dB at 0 Hz");
    const Block half = Filled(0.5);
    statistics.Accumulate(half.data(), half.data());
    statistics.UpdateSpectralMaximum(-3.4567, 1001);
    EXPECT_EQ(statistics.Report(),
              "Statistics\nMax Sample Peak: 0.5 ave: 0.5 rms: 0.5\nMax value: -3.46 dB at 1001 Hz");
}

TEST(Statistics, FiguresUseThreeSignificantDigitsAndThreeExponentDigits) {
    EXPECT_EQ(CStatistics::FormatFigure(0.5), "0.5");
    EXPECT_EQ(CStatistics::FormatFigure(0.123456), "0.123");
    EXPECT_EQ(CStatistics::FormatFigure(-3.4567), "-3.46");
    EXPECT_EQ(CStatistics::FormatFigure(-120.0), "-120");
    EXPECT_EQ(CStatistics::FormatFigure(0.0), "0");
    EXPECT_EQ(CStatistics::FormatFigure(0.0000123), "1.23e-005");
    EXPECT_EQ(CStatistics::FormatFigure(-100000.0), "-1e+005");
    EXPECT_EQ(CStatistics::FormatFigure(1234.0), "1.23e+003");
    EXPECT_EQ(CStatistics::FormatFigure(1e-300), "1e-300");
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
