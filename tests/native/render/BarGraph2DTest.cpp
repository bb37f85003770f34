// The 2D bar graph's data side: the columns of a trace, the gradient, the
// frequency mapping the backdrop shares, the traces and text it takes each
// frame, and texts cut to their buffers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "analysis/FFT.h"
#include "analysis/LoudnessSnapshot.h"
#include "analysis/PerformanceTimer.h"
#include "analysis/Statistics.h"
#include "params/LogarithmicScales.h"
#include "render/BarGradient.h"
#include "render/BarGraph2DState.h"
#include "render/BarGraphLayout.h"
#include "tests/native/support/SettingsFixture.h"

namespace {

using Layout = CBarGraphLayout;

BandLevels Filled(float level) {
    BandLevels levels;
    levels.fill(level);
    return levels;
}

Layout::Columns ColumnsOf(const BandLevels& levels, Layout::Mode mode) {
    Layout::Columns columns{};
    Layout(400).Layout(levels, mode, columns);
    return columns;
}

TEST(BarGraphLayout, FullLevelsStandFromTheBaseLineTo256PixelsAbove) {
    const Layout::Columns columns = ColumnsOf(Filled(1.0f), Layout::Mode::kBars);
    EXPECT_EQ(columns.front().x, 66.0f);
    EXPECT_EQ(columns.back().x, 830.0f);
    for (const Layout::Column& column : columns) {
        ASSERT_EQ(column.y, 111.0f);
        ASSERT_EQ(column.sourceTop, 0);
        ASSERT_EQ(column.sourceBottom, 256);
    }
    for (const Layout::Column& column : ColumnsOf(Filled(0.0f), Layout::Mode::kBars)) {
        ASSERT_EQ(column.sourceTop, column.sourceBottom) << "silence draws nothing";
    }
}

TEST(BarGraphLayout, SegmentsStepFromOneBandToTheNextInThreeColumns) {
    BandLevels levels = Filled(0.0f);
    levels[10] = 0.75f;  // 192 rows
    const Layout::Columns bars = ColumnsOf(levels, Layout::Mode::kBars);
    // Segment 9 rises towards band 10, segment 10 falls from it.
    EXPECT_EQ(bars[27].sourceTop, 256);
    EXPECT_EQ(bars[28].sourceTop, 256 - 64);
    EXPECT_EQ(bars[29].sourceTop, 256 - 128);
    EXPECT_EQ(bars[30].sourceTop, 256 - 192);
    EXPECT_EQ(bars[30].x, Layout::BandX(10));
    EXPECT_EQ(bars[30].y, 367.0f - 192.0f);
    EXPECT_EQ(bars[31].sourceTop, 256 - 128);

    const Layout::Columns marks = ColumnsOf(levels, Layout::Mode::kPeakMarks);
    EXPECT_EQ(marks[30].sourceBottom - marks[30].sourceTop, 2);
    EXPECT_EQ(marks[30].y, bars[30].y);
}

TEST(BarGraphLayout, LevelsOutsideTheRangeAndQuietMarksStayInsideTheGradient) {
    BandLevels levels = Filled(std::numeric_limits<float>::quiet_NaN());
    levels[0] = 7.0f;
    levels[1] = -3.0f;
    levels[2] = 1.5f / 256.0f;
    for (Layout::Mode mode : {Layout::Mode::kBars, Layout::Mode::kPeakMarks}) {
        for (const Layout::Column& column : ColumnsOf(levels, mode)) {
            ASSERT_GE(column.sourceTop, 0);
            ASSERT_LE(column.sourceTop, column.sourceBottom);
            ASSERT_LE(column.sourceBottom, 256);
        }
    }
    EXPECT_EQ(ColumnsOf(levels, Layout::Mode::kBars)[0].sourceTop, 0);
}

TEST(BarGradient, RowsRunThroughThePaletteFromLoudestToQuietest) {
    CBarGradient::Palette palette{};
    for (int entry = 0; entry < CSettings::kPaletteSize; ++entry) palette[entry] = 1000u + entry;
    const CBarGradient::Texels texels = CBarGradient::Build(palette);
    EXPECT_EQ(texels[0], palette[0]);
    EXPECT_EQ(texels[255 * CBarGradient::kWidth], palette[119]);
    EXPECT_EQ(texels[128 * CBarGradient::kWidth + 3], palette[60]);
    for (int row = 1; row < CBarGradient::kHeight; ++row) {
        ASSERT_GE(texels[row * CBarGradient::kWidth], texels[(row - 1) * CBarGradient::kWidth]);
    }
}

class BarGraphWithStore : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        timer_ = std::make_unique<CPerformanceTimer>();
        store_ = std::make_unique<CSpectrumStore>(*settings_, *timer_, CreateBandScale);
        ASSERT_TRUE(store_->Initialise());
    }
    void TearDown() override {
        store_.reset();
        timer_.reset();
        SettingsFixture::TearDown();
    }
    const BandTable& Table() { return *settings_->bandTable; }

    std::unique_ptr<CPerformanceTimer> timer_;
    std::unique_ptr<CSpectrumStore> store_;
};

TEST_F(BarGraphWithStore, EachFrequencyIsDrawnAtTheColumnOfItsBand) {
    for (double hz : {31.0, 100.0, 1000.0, 4321.0, 16000.0}) {
        int band = 0;
        while (Table()[band].upperHz <= hz) ++band;
        EXPECT_NEAR(Layout::FrequencyX(Table(), hz), Layout::BandX(band), 1.5) << hz << " Hz";
    }
    // The band edges fall between the columns of their two bands.
    EXPECT_DOUBLE_EQ(Layout::FrequencyX(Table(), Table()[144].lowerHz),
                     (Layout::BandX(143) + Layout::BandX(144)) / 2.0);
    EXPECT_DOUBLE_EQ(Layout::FrequencyX(Table(), 5.0), Layout::FrequencyX(Table(), 20.0));
    EXPECT_DOUBLE_EQ(Layout::FrequencyX(Table(), 1e6), Layout::BandX(255) + 1.5);
}

TEST_F(BarGraphWithStore, FreezeDrawsTheCapturedTracesAndTheReportFollowsTheStatistics) {
    CStatistics& statistics = settings_->Statistics();
    CLoudnessSnapshot loudness;
    CBarGraph2DState state;
    state.Sync(false, false, true, statistics, loudness);
    EXPECT_FALSE(state.Shown());
    EXPECT_TRUE(state.Text().Empty()) << "no report while the 2D view is off";

    store_->CaptureFreeze();
    const std::vector<double> loud(CFFT::kSize, 0.0);
    store_->Update(loud.data());
    statistics.UpdateSpectralMaximum(-3.0, 1000);
    BandLevels level{}, peak{};
    state.Sync(true, true, true, statistics, loudness);
    state.ReadTraces(*store_, level, peak);
    EXPECT_EQ(level[100], 0.0f);
    EXPECT_TRUE(state.PeaksShown());
    EXPECT_EQ(state.Text().View(),
              statistics.Report() + "\nLoudness  M --  S --  I -- LUFS  LRA -- LU  TP -- dBTP")
        << "the loudness line follows the report, unmeasured figures as --";

    loudness.integratedLufs = -23.04;
    state.Sync(true, false, false, statistics, loudness);
    EXPECT_NE(state.Text().View().find("I -23.0 LUFS"), std::string_view::npos);
    state.ReadTraces(*store_, level, peak);
    EXPECT_EQ(level[100], 1.0f);
    EXPECT_EQ(peak[100], 1.0f);
}

TEST(BoundedText, LongerTextsAreCutAtTheCapacity) {
    CBarGraph2DState::StatisticsText text(std::string(1000, 's'));
    EXPECT_EQ(text.Length(), CBarGraph2DState::StatisticsText::kCapacity);
    EXPECT_EQ(std::string(text.CStr()), std::string(text.Length(), 's'));
    text.Set("Statistics\nshort");
    EXPECT_EQ(std::string(text.CStr()), "Statistics\nshort");
}

}  // namespace
