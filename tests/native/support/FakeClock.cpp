// Counter and local time texts for the native tests: the monotonic clock
// unless a test fixes the counter, the real time unless it fixes the texts.
#include "os/Clock.h"

#include <time.h>

#include <atomic>
#include <mutex>
#include <optional>

#include "tests/native/support/FakeSystem.h"

namespace os {
namespace {

std::mutex gTimeMutex;
std::optional<std::pair<std::string, std::string>> gFixedTexts;
std::atomic<bool> gCounterFixed{false};
std::atomic<int64_t> gFixedCounter{0};

}  // namespace

int64_t PerformanceFrequencyPinned() {
    return 1000000000;
}

int64_t PerformanceCounterPinned() {
    if (gCounterFixed.load()) return gFixedCounter.load();
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

LocalTimeTexts ReadLocalTimeTexts() {
    {
        std::lock_guard<std::mutex> hold(gTimeMutex);
        if (gFixedTexts) return LocalTimeTexts{gFixedTexts->first, gFixedTexts->second};
    }
    const time_t seconds = time(nullptr);
    tm local{};
    localtime_r(&seconds, &local);
    char date[512] = {};
    char clock[512] = {};
    strftime(date, sizeof date, "%a %b %d %Y", &local);
    strftime(clock, sizeof clock, "%H:%M:%S", &local);
    return LocalTimeTexts{date, clock};
}

namespace testing {

void SetPerformanceCounter(std::optional<int64_t> nanoseconds) {
    gFixedCounter.store(nanoseconds.value_or(0));
    gCounterFixed.store(nanoseconds.has_value());
}

void SetLocalTimeTexts(std::optional<std::pair<std::string, std::string>> dateAndTime) {
    std::lock_guard<std::mutex> hold(gTimeMutex);
    gFixedTexts = std::move(dateAndTime);
}

}  // namespace testing
}  // namespace os
