// Fixes the performance counter and the wall clock that the POSIX layer
// reads; its own formatting of the local time texts still runs.
#include <atomic>

#include "os/posix/Seams.h"
#include "tests/native/support/FakeSystem.h"

namespace os::testing {
namespace {

std::atomic<int64_t> gCounter{0};
std::atomic<std::time_t> gWallClock{0};

}  // namespace

void SetPerformanceCounter(std::optional<int64_t> nanoseconds) {
    if (!nanoseconds) {
        posix::SetCounterSource(nullptr);
        return;
    }
    gCounter.store(*nanoseconds);
    posix::SetCounterSource([] { return gCounter.load(); });
}

void SetWallClock(std::optional<std::time_t> seconds) {
    if (!seconds) {
        posix::SetWallClockSource(nullptr);
        return;
    }
    gWallClock.store(*seconds);
    posix::SetWallClockSource([] { return gWallClock.load(); });
}

}  // namespace os::testing
