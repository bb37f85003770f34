// POSIX side of the counter and the local time texts. The monotonic clock
// is the same on every processor, so no pinning is needed here.
#include "os/Clock.h"

#include <time.h>

#include <atomic>

#include "os/posix/Seams.h"

namespace os {
namespace {

std::atomic<posix::CounterSource> gCounterSource{nullptr};
std::atomic<posix::WallClockSource> gWallClockSource{nullptr};

}  // namespace

int64_t PerformanceFrequencyPinned() {
    return 1000000000;
}

int64_t PerformanceCounterPinned() {
    if (const posix::CounterSource source = gCounterSource.load()) return source();
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

LocalTimeTexts ReadLocalTimeTexts() {
    const time_t seconds = posix::WallClockSeconds();
    tm local{};
    localtime_r(&seconds, &local);
    char date[512] = {};
    char clock[512] = {};
    strftime(date, sizeof date, "%a %b %d %Y", &local);
    strftime(clock, sizeof clock, "%H:%M:%S", &local);
    return LocalTimeTexts{date, clock};
}

namespace posix {

void SetCounterSource(CounterSource source) {
    gCounterSource.store(source);
}

void SetWallClockSource(WallClockSource source) {
    gWallClockSource.store(source);
}

std::time_t WallClockSeconds() {
    const WallClockSource source = gWallClockSource.load();
    return source != nullptr ? source() : time(nullptr);
}

}  // namespace posix
}  // namespace os
