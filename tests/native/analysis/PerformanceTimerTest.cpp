// The millisecond clock: conversion, truncation and the 32-bit wrap.
#include "analysis/PerformanceTimer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <thread>

namespace {

TEST(PerformanceTimer, ConvertsCountsToTruncatedMilliseconds) {
    EXPECT_EQ(CPerformanceTimer::ElapsedMilliseconds(0, 0, 10000000), 0u);
    EXPECT_EQ(CPerformanceTimer::ElapsedMilliseconds(0, 9999, 10000000), 0u);
    EXPECT_EQ(CPerformanceTimer::ElapsedMilliseconds(0, 10000, 10000000), 1u);
    EXPECT_EQ(CPerformanceTimer::ElapsedMilliseconds(500, 30500, 3000000), 10u);
    EXPECT_EQ(CPerformanceTimer::ElapsedMilliseconds(1000, 1000 + 2 * 2441406, 2441406), 2000u);
    // 292 years of a nanosecond counter: counts * 1000 would not fit 64 bits.
    const int64_t largest = std::numeric_limits<int64_t>::max();
    EXPECT_EQ(CPerformanceTimer::ElapsedMilliseconds(0, largest, 1000000000),
              static_cast<uint32_t>(largest / 1000000));
}

TEST(PerformanceTimer, WrapsAfterTwoToTheThirtyTwoMilliseconds) {
    constexpr int64_t kFrequency = 1000;  // one count per millisecond
    const int64_t start = 123456789;
    const int64_t justBefore = start + (int64_t{1} << 32) - 1;
    const int64_t justAfter = start + (int64_t{1} << 32) + 5;
    EXPECT_EQ(CPerformanceTimer::ElapsedMilliseconds(start, justBefore, kFrequency), 0xFFFFFFFFu);
    EXPECT_EQ(CPerformanceTimer::ElapsedMilliseconds(start, justAfter, kFrequency), 5u);
    // Unsigned subtraction across the wrap still gives the elapsed time.
    const uint32_t before = CPerformanceTimer::ElapsedMilliseconds(start, justBefore, kFrequency);
    const uint32_t after = CPerformanceTimer::ElapsedMilliseconds(start, justAfter, kFrequency);
    EXPECT_EQ(static_cast<uint32_t>(after - before), 6u);
}

TEST(PerformanceTimer, CountsUpFromCreation) {
    CPerformanceTimer timer;
    const uint32_t first = timer.GetMilliseconds();
    EXPECT_LT(first, 1000u);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_GE(timer.GetMilliseconds() - first, 19u);
}

}  // namespace
