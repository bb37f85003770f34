// The waterfall's rows by time: one row per span / 32 whatever the frame
// rate and however uneven the frames, each holding the maxima of its frames.
#include "render/RowHistory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

// The level band 0 has at time t: a 50 ms burst at 2.000 s, quiet elsewhere.
float LevelAt(double seconds) {
    return seconds >= 2.0 && seconds < 2.05 ? 1.0f : 0.1f;
}

struct Played {
    int rows = 0;
    double lastSeconds = 0.0;
    std::vector<float> closedMaxima;  // band 0 of every closed row
};

// Frames at fps for 6 s with times jittered by up to a third of a frame.
Played Play(CRowHistory& history, double fps, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> jitter(-1.0 / 3.0, 1.0 / 3.0);
    Played run;
    BandLevels front{};
    for (int frame = 0;; ++frame) {
        const double seconds = (frame + (frame > 0 ? jitter(random) : 0.0)) / fps;
        if (seconds > 6.0) break;
        front[0] = LevelAt(seconds);
        const int rows = history.Advance(static_cast<uint32_t>(1000 + seconds * 1000.0), front);
        run.rows += rows;
        run.lastSeconds = seconds;
        if (rows > 0) run.closedMaxima.push_back(history.ClosedRow()[0]);
    }
    return run;
}

TEST(RowHistory, SameRowsAndMaximaAtEveryFrameRate) {
    for (double fps : {15.0, 30.0, 60.0}) {
        CRowHistory history;
        history.SetSpanSeconds(2.0);  // a row every 62.5 ms
        ASSERT_TRUE(history.ByTime());
        const Played run = Play(history, fps, 7);
        // Every whole 62.5 ms up to the last frame, whatever the frame rate
        // (1 ms leeway for the clock's whole milliseconds).
        EXPECT_NEAR(run.rows, std::floor(run.lastSeconds / 0.0625), 1) << fps;
        EXPECT_GE(run.rows, 94) << fps;
        int loudRows = 0;
        for (float maximum : run.closedMaxima) loudRows += maximum == 1.0f;
        // At 15 fps no two frames fall in the 50 ms; at 60 fps a row
        // boundary may split the burst between two rows.
        EXPECT_GE(loudRows, fps > 15.0 ? 1 : 0) << fps;
        EXPECT_LE(loudRows, 2) << fps;
    }
}

TEST(RowHistory, AFrameInsideTheBurstLeavesItInAClosedRow) {
    CRowHistory history;
    history.SetSpanSeconds(10.0);  // a row every 312.5 ms
    BandLevels quiet{}, burst{};
    quiet[0] = 0.1f;
    burst[0] = 1.0f;
    EXPECT_EQ(history.Advance(0, quiet), 0) << "the first frame starts the clock";
    EXPECT_EQ(history.Advance(100, burst), 0);
    EXPECT_EQ(history.Advance(200, quiet), 0) << "the front row follows the newest";
    EXPECT_EQ(history.Advance(320, quiet), 1);
    EXPECT_EQ(history.ClosedRow()[0], 1.0f) << "the closed row holds the burst";
    EXPECT_EQ(history.Advance(640, quiet), 1);
    EXPECT_EQ(history.ClosedRow()[0], 0.1f);
}

TEST(RowHistory, ASlowFrameClosesEveryRowItCoversUpToTheWholeSurface) {
    CRowHistory history;
    history.SetSpanSeconds(2.0);
    const BandLevels front{};
    history.Advance(4000000000u, front);
    EXPECT_EQ(history.Advance(4000000000u + 250, front), 4);
    EXPECT_EQ(history.Advance(4000000000u + 10000, front), 32) << "held to the rows there are";
    // The clock wraps after 49.7 days; rows still count forwards.
    EXPECT_EQ(history.Advance(4000000000u + 10000 + 300000000u + 125, front), 32);

    history.SetSpanSeconds(0.0);
    EXPECT_FALSE(history.ByTime());
    history.SetSpanSeconds(5.0);
    EXPECT_EQ(history.Advance(7, front), 0) << "a new span restarts the clock";
    EXPECT_EQ(history.Advance(7 + 156, front), 0);
    EXPECT_EQ(history.Advance(7 + 157, front), 1);
}

}  // namespace
