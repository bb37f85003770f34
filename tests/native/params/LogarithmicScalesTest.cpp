// Index-to-value scales: the band table of ten octaves from 20 Hz and the
// lookup of a frequency's band.
#include "params/LogarithmicScales.h"

#include <gtest/gtest.h>

#include "diag/ErrorSystem.h"
#include "tests/native/support/DiagnosticsCapture.h"

namespace {

class LogScaleTest : public ::testing::Test {
protected:
    void SetUp() override {
        ErrorSystem::Acquire();
        ASSERT_TRUE(scale_.Init(0, 256, 20.0, 21000.0));
    }
    void TearDown() override { ErrorSystem::Release(); }

    DiagnosticsCapture capture_;
    CLogScale scale_;
};

TEST_F(LogScaleTest, TableRunsTenOctavesFromTwentyHertz) {
    EXPECT_DOUBLE_EQ(scale_.ValueAt(0), 20.0);
    EXPECT_DOUBLE_EQ(scale_.ValueAt(128), 640.0);
    EXPECT_DOUBLE_EQ(scale_.ValueAt(256), 20480.0);
    EXPECT_NEAR(scale_.ValueAt(1) / scale_.ValueAt(0), 1.02745, 1e-5);
}

TEST_F(LogScaleTest, IndexOfFindsTheFirstEntryAtOrAboveTheValue) {
    const std::pair<double, int> cases[] = {{20, 0},      {30, 15},     {100, 60},
                                            {1000, 145},  {10000, 230}, {20000, 256},
                                            {20480, 256}, {5, 0},       {-1, 0}};
    for (const auto& [hertz, index] : cases) EXPECT_EQ(scale_.IndexOf(hertz), index) << hertz;
    EXPECT_TRUE(capture_.ErrorBoxes().empty());
}

TEST_F(LogScaleTest, ValueAboveTheTableIsReportedAndGivesZero) {
    EXPECT_EQ(scale_.IndexOf(20481.0), 0);
    const std::vector<ErrorBox> boxes = capture_.ErrorBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              "**** ERROR ****\nLogarithmicScales(67) : Could not get linear from log GLE:0\n");
}

TEST(LogScale, OffsetScaleAddsItsFirstIndex) {
    CLogScale scale;
    scale.Init(10, 20, 0.0, 0.0);
    EXPECT_DOUBLE_EQ(scale.ValueAt(10), 20480.0);
    EXPECT_EQ(scale.IndexOf(20.0), 10);
}

}  // namespace
