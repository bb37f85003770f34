// The frame-rate figure: measured over at least a second, counted only where
// frames are drawn, correct across the timer's wrap.
#include "render/FrameRateCounter.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// Frames at the given rate from startMs for durationMs; returns the time of
// the frame after the last.
uint32_t DrawFrames(CFrameRateCounter& counter, uint32_t startMs, int framesPerSecond,
                    int durationMs) {
    const int frames = framesPerSecond * durationMs / 1000;
    for (int frame = 0; frame < frames; ++frame) {
        counter.CountFrame(startMs + static_cast<uint32_t>(frame * 1000 / framesPerSecond));
    }
    return startMs + static_cast<uint32_t>(frames * 1000 / framesPerSecond);
}

TEST(FrameRateCounter, TheFirstFigureCoversTheTimeSinceTheTimerStarted) {
    CFrameRateCounter counter;
    EXPECT_EQ(counter.Caption().View(), "FPS: 0");
    // One frame in the five seconds since the timer started.
    counter.CountFrame(5000);
    EXPECT_EQ(counter.FramesPerSecond(), 0u);
    DrawFrames(counter, 5020, 50, 1000);
    EXPECT_EQ(counter.FramesPerSecond(), 50u);
    EXPECT_EQ(counter.Caption().View(), "FPS: 50");
}

TEST(FrameRateCounter, SteadyFramesGiveTheirRateAfterEachFullSecond) {
    CFrameRateCounter counter;
    counter.CountFrame(1000);
    uint32_t nowMs = DrawFrames(counter, 1020, 60, 990);
    EXPECT_EQ(counter.FramesPerSecond(), 1u) << "no figure before a full second";
    nowMs = DrawFrames(counter, nowMs, 60, 2000);
    EXPECT_GE(counter.FramesPerSecond(), 59u);
    EXPECT_LE(counter.FramesPerSecond(), 61u);
    EXPECT_EQ(counter.Caption().View(), "FPS: " + std::to_string(counter.FramesPerSecond()));
}

TEST(FrameRateCounter, MeasuresAcrossTheTimersWrap) {
    CFrameRateCounter counter;
    const uint32_t beforeWrap = UINT32_MAX - 499;
    counter.CountFrame(beforeWrap);
    DrawFrames(counter, beforeWrap + 25, 40, 3000);
    EXPECT_GE(counter.FramesPerSecond(), 39u);
    EXPECT_LE(counter.FramesPerSecond(), 41u);
}

}  // namespace
