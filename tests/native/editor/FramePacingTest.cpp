// Frame timer pacing: steps, jumps, dead bands and the shortest period.
#include "editor/FramePacing.h"

#include <gtest/gtest.h>

namespace {

// One 4-second window in which the timer fired every periodMs.
int32_t FramesAt(int32_t periodMs) {
    return static_cast<int32_t>(kFramePacingWindowMs) / periodMs;
}

TEST(FramePacing, TooFastLengthensOneMillisecondPerWindowUntilWithinThree) {
    // 284 frames in 4 s is 71 fps against the default 60.
    FramePacing pacing = PaceFrameTimer(14, 284, 4000, 60);
    EXPECT_EQ(pacing.periodMs, 15);
    EXPECT_TRUE(pacing.restartTimer);

    // A timer that fires exactly at its period: 15 ms gives 66 fps, 16 ms 62.
    int windows = 1;
    while (pacing.restartTimer && windows < 10) {
        const int32_t before = pacing.periodMs;
        pacing = PaceFrameTimer(before, FramesAt(before), 4000, 60);
        if (pacing.restartTimer) {
            EXPECT_EQ(pacing.periodMs, before + 1);
        }
        ++windows;
    }
    EXPECT_EQ(pacing.periodMs, 16);
    EXPECT_LE(FramesAt(16) / 4.0f - 60.0f, 3.0f);
}

TEST(FramePacing, MoreThanThirtyOffJumpsToTheTargetPeriod) {
    // 1 frame in 4 s is too slow for any target above 30.
    EXPECT_EQ(PaceFrameTimer(14, 1, 4000, 60).periodMs, 16);
    EXPECT_EQ(PaceFrameTimer(14, 1, 4000, 100).periodMs, 10);
    EXPECT_EQ(PaceFrameTimer(40, 1, 4000, 31).periodMs, 32);
    // 71 fps against a target of 20 is too fast by 51.
    EXPECT_EQ(PaceFrameTimer(14, 284, 4000, 20).periodMs, 50);
    // 1 frame against 30 is only 29.75 off: two steps, not a jump.
    EXPECT_EQ(PaceFrameTimer(40, 1, 4000, 30).periodMs, 38);
}

TEST(FramePacing, TwentyToThirtyOffStepsTwice) {
    // 35 fps against 60: too slow by 25.
    EXPECT_EQ(PaceFrameTimer(28, 140, 4000, 60).periodMs, 26);
    // 85 fps against 60: too fast by 25.
    EXPECT_EQ(PaceFrameTimer(12, 340, 4000, 60).periodMs, 14);
}

TEST(FramePacing, DeadBandsLeaveThePeriodAlone) {
    struct Case {
        int32_t frames;
        bool restarts;
    };
    // Against 60 fps: 58 and 62 are inside, 57.75 is too slow by 2.25,
    // 63 (3 off) is inside the wider fast band, 63.25 is outside it.
    for (const Case c : {Case{232, false}, Case{248, false}, Case{231, true}, Case{252, false},
                         Case{253, true}, Case{240, false}}) {
        const FramePacing pacing = PaceFrameTimer(17, c.frames, 4000, 60);
        EXPECT_EQ(pacing.restartTimer, c.restarts) << c.frames;
        EXPECT_EQ(pacing.periodMs, c.restarts ? (c.frames < 240 ? 16 : 18) : 17) << c.frames;
    }
}

TEST(FramePacing, ShorteningNeverGoesBelowTenButLengtheningHasNoFloor) {
    EXPECT_EQ(PaceFrameTimer(10, 380, 4000, 100).periodMs, 10);  // 95 fps, slow by 5
    EXPECT_EQ(PaceFrameTimer(11, 300, 4000, 100).periodMs, 10);  // 75 fps, slow by 25
    // Too fast from a period below 10 (as a host timer might run) goes up by one.
    EXPECT_EQ(PaceFrameTimer(5, 300, 4000, 60).periodMs, 6);  // 75 fps, fast by 15
}

TEST(FramePacing, LongerWindowsMeasureTheRateOverTheirWholeLength) {
    // 426 frames in 6000 ms is 71 fps, as in a 4-second window.
    EXPECT_EQ(PaceFrameTimer(14, 426, 6000, 60).periodMs, 15);
}

TEST(FramePacing, EmptyWindowOrNoTargetKeepsThePeriod) {
    for (const FramePacing pacing :
         {PaceFrameTimer(14, 0, 0, 60), PaceFrameTimer(14, 50, 0, 60),
          PaceFrameTimer(14, 284, 4000, 0), PaceFrameTimer(14, 284, 4000, -5)}) {
        EXPECT_EQ(pacing.periodMs, 14);
        EXPECT_FALSE(pacing.restartTimer);
    }
    // A target above 1000 fps cannot ask for a zero period.
    EXPECT_EQ(PaceFrameTimer(1, 8000, 4000, 1500).periodMs, 1);
}

}  // namespace
