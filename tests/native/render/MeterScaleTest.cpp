// The decibel meter: rows and ticks of its scale, the peak-hold line's hold
// and fall, and its figures.
#include "render/MeterScale.h"

#include <gtest/gtest.h>

#include <cmath>

#include "render/PeakHoldLine.h"

namespace {

TEST(MeterScale, RowsRunLinearlyInDecibelsAndHoldAtTheEnds) {
    EXPECT_EQ(MeterRowsOfValue(kDbfsMeterScale, 0.0), 256);
    EXPECT_EQ(MeterRowsOfValue(kDbfsMeterScale, 3.5), 256);
    EXPECT_EQ(MeterRowsOfValue(kDbfsMeterScale, -30.0), 128);
    for (double empty : {-60.0, -90.0, -static_cast<double>(INFINITY), static_cast<double>(NAN)}) {
        EXPECT_EQ(MeterRowsOfValue(kDbfsMeterScale, empty), 0) << empty;
    }
    // A loudness scale of its own: -18 LUFS in the middle of -36..0.
    EXPECT_EQ(MeterRowY(MeterScale{0.0, -36.0}, -18.0), 128);
}

TEST(MeterScale, TicksSitOnTheRowsTheirBarsReach) {
    const int expectedY[] = {0, 13, 26, 43, 85, 128, 171, 256};
    for (size_t i = 0; i < kDbfsMeterTicks.size(); ++i) {
        const MeterTick tick = MeterTickOf(kDbfsMeterScale, kDbfsMeterTicks[i]);
        EXPECT_EQ(tick.y, expectedY[i]) << tick.text;
    }
    EXPECT_EQ(MeterTickOf(kDbfsMeterScale, -3).text, "-3");
    // Texture rows take the value of their middle, so a bar's top row has
    // the colour of its own level.
    EXPECT_NEAR(MeterValueOfRow(kDbfsMeterScale, 0), -60.0 / 512, 1e-12);
    EXPECT_NEAR(MeterValueOfRow(kDbfsMeterScale, 255), -60.0 + 60.0 / 512, 1e-12);
}

TEST(MeterScale, FiguresAreInDbfsWithSilenceAsMinusInfinity) {
    EXPECT_EQ(DbfsText(DbfsOfLinear(1.0)), "0.0");
    EXPECT_EQ(DbfsText(DbfsOfLinear(0.2427)), "-12.3");
    EXPECT_EQ(DbfsText(DbfsOfLinear(2.0)), "6.0");
    for (double silent : {0.0, -0.1, static_cast<double>(NAN)}) {
        EXPECT_EQ(DbfsText(DbfsOfLinear(silent)), "-inf") << silent;
    }
}

TEST(PeakHoldLine, HoldsTwoSecondsThenFallsAtTwentyDbPerSecondToTheLevel) {
    CPeakHoldLine line;
    EXPECT_EQ(line.Update(-6.0, 1000), -6.0);
    EXPECT_EQ(line.Update(-40.0, 3000), -6.0);
    EXPECT_DOUBLE_EQ(line.Update(-40.0, 3500), -16.0);
    EXPECT_DOUBLE_EQ(line.Update(-40.0, 4000), -26.0);
    // It meets the level and rests on it.
    EXPECT_EQ(line.Update(-40.0, 5000), -40.0);
    EXPECT_EQ(line.ValueDb(), -40.0);
}

TEST(PeakHoldLine, ALevelReachingTheLineStartsANewHold) {
    CPeakHoldLine line;
    line.Update(-10.0, 0);
    line.Update(-3.0, 1500);  // louder: held from here
    EXPECT_EQ(line.Update(-50.0, 3400), -3.0);
    EXPECT_DOUBLE_EQ(line.Update(-50.0, 4000), -13.0);
    // The falling line passed -20 at 4350; a level of -20 at 5000 stands
    // above it and is held for two seconds from then.
    EXPECT_EQ(line.Update(-20.0, 5000), -20.0);
    EXPECT_EQ(line.Update(-60.0, 6900), -20.0);
    EXPECT_DOUBLE_EQ(line.Update(-60.0, 7500), -30.0);
}

TEST(PeakHoldLine, SilenceAndTheTimersWrapAreHarmless) {
    CPeakHoldLine line;
    EXPECT_EQ(line.Update(-INFINITY, 10), -INFINITY);
    EXPECT_EQ(line.Update(NAN, 20), -INFINITY);
    line.Update(-12.0, 0xFFFFFF00u);
    EXPECT_EQ(line.Update(-INFINITY, 0x100u), -12.0);  // 512 ms later
    EXPECT_DOUBLE_EQ(line.Update(-INFINITY, 0x100u + 2000u), -22.24);
}

}  // namespace
