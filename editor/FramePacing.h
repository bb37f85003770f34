// Frame pacing of the main view: every 4 seconds the frame timer's period is
// nudged so that the measured frame rate approaches the "Max FPS" setting.
// Pure arithmetic, so it runs natively and in the module alike.
#pragma once

#include <cstdint>

struct FramePacing {
    int32_t periodMs;   // the timer period to use from now on
    bool restartTimer;  // true when the timer must be started again with periodMs
};

// The length of one measuring window; the caller paces once elapsed reaches it.
constexpr uint32_t kFramePacingWindowMs = 4000;

// Decides the next timer period from one measuring window: framesCounted
// frames in elapsedMs milliseconds against a target of maxFps. Too slow by
// more than 2 fps shortens the period (1 ms, 2 ms beyond 20 fps off, never
// below 10 ms); too fast by more than 3 fps lengthens it (1 ms, 2 ms beyond
// 20 fps off); more than 30 fps off jumps straight to 1000 / maxFps.
// An empty window (elapsedMs 0) or a target of 0 or less measures nothing
// and keeps the period with no restart. The caller then starts a new window
// (frames counted 0, window start now) in every case.
// User-interface thread (called from the frame timer).
FramePacing PaceFrameTimer(int32_t currentPeriodMs, int32_t framesCounted, uint32_t elapsedMs,
                           int32_t maxFps);
