// The grid's lines, their boxes and their rebuild on a changed range.
#include "render/WaterfallAxes.h"

#include <gtest/gtest.h>

#include <cmath>

#include "params/LogarithmicScales.h"
#include "render/Line3D.h"

namespace {

class WaterfallAxesTest : public ::testing::Test {
protected:
    void SetUp() override { scale_.Init(0, 256, 20.0, 21000.0); }

    int HorizontalLines() const {
        int count = 0;
        for (const AxisLine& line : axes_.Lines()) count += line.from.y == line.to.y;
        return count;
    }

    CLogScale scale_;
    CWaterfallAxes axes_{scale_, 256};
};

void ExpectNear(const Vector3& actual, const Vector3& expected, const char* what) {
    EXPECT_NEAR(actual.x, expected.x, 1e-3f) << what;
    EXPECT_NEAR(actual.y, expected.y, 1e-3f) << what;
    EXPECT_NEAR(actual.z, expected.z, 1e-3f) << what;
}

}  // namespace

TEST_F(WaterfallAxesTest, MinusSixtyRangeHas28FrequencyLinesAnd7LevelLines) {
    ASSERT_TRUE(axes_.ApplyRange(-60.0f));
    ASSERT_EQ(axes_.Lines().size(), 35u);
    EXPECT_EQ(HorizontalLines(), 7);
    const AxisLine& lowest = axes_.Lines().front();
    EXPECT_EQ(lowest.from.x, -300.0f);
    EXPECT_EQ(lowest.to.y, 200.0f);
    // 1 kHz starts band 145 (20 Hz x 2^(10 x 145 / 256) = 1010 Hz).
    EXPECT_FLOAT_EQ(axes_.FrequencyX(1000.0), 145 * 2.34375f - 300.0f);
    const float heights[] = {200.0f, 166.66667f, 133.33333f, 100.0f, 66.666667f, 33.333333f, 0.0f};
    for (int i = 0; i < 7; ++i) EXPECT_NEAR(axes_.Lines()[28 + i].from.y, heights[i], 1e-3f);
    EXPECT_EQ(CWaterfallAxes::DepthZ(50), 100.0f);
    EXPECT_EQ(CWaterfallAxes::DepthZ(0), -300.0f);
    EXPECT_EQ(CWaterfallAxes::DepthZ(100), 500.0f);
}

TEST_F(WaterfallAxesTest, RebuildsOnlyWhenTheRangeChanges) {
    EXPECT_TRUE(axes_.ApplyRange(-60.0f));
    EXPECT_FALSE(axes_.ApplyRange(-60.0f));
    EXPECT_TRUE(axes_.ApplyRange(-65.0f));
    EXPECT_EQ(HorizontalLines(), 7);  // 0, -10, ..., -60 dB below the top
    EXPECT_TRUE(axes_.ApplyRange(-120.0f));
    EXPECT_EQ(HorizontalLines(), 13);
    EXPECT_FALSE(axes_.ApplyRange(-120.0f));
    // 0 dB: one line, at the top, where a 0 dB band stands.
    EXPECT_TRUE(axes_.ApplyRange(0.0f));
    ASSERT_EQ(HorizontalLines(), 1);
    EXPECT_EQ(axes_.Lines().back().from.y, 200.0f);
}

TEST_F(WaterfallAxesTest, EveryLineBoxSpansItsEndsWithItsThickness) {
    axes_.ApplyRange(-60.0f);
    for (const AxisLine& line : axes_.Lines()) {
        const Vector3 a = TransformCoord({-0.5f, 0.0f, 0.0f}, line.world);
        const Vector3 b = TransformCoord({0.5f, 0.0f, 0.0f}, line.world);
        // The box is symmetric, so either end may come first.
        const bool forwards = std::fabs(a.y - line.from.y) + std::fabs(a.x - line.from.x) < 1e-2f;
        ExpectNear(forwards ? a : b, line.from, "from");
        ExpectNear(forwards ? b : a, line.to, "to");
        const Vector3 middle = (line.from + line.to) * 0.5f;
        EXPECT_NEAR(Length(TransformCoord({0.0f, 0.5f, 0.0f}, line.world) - middle), 0.5f, 1e-3f);
        EXPECT_NEAR(Length(TransformCoord({0.0f, 0.0f, 0.5f}, line.world) - middle), 0.5f, 1e-3f);
    }
}
