// CPerformanceTimer: counter readings converted to milliseconds.
#include "analysis/PerformanceTimer.h"

#include <memory>

#include "os/Clock.h"

namespace {

std::unique_ptr<CPerformanceTimer> gSharedTimer;
int32_t gSharedReferences = 0;

}  // namespace

CPerformanceTimer::CPerformanceTimer()
    : frequency_(os::PerformanceFrequencyPinned()), start_(os::PerformanceCounterPinned()) {}

// The start and the frequency never change after construction, so the
// conversion needs no lock: the audio thread reads the clock without waiting.
uint32_t CPerformanceTimer::GetMilliseconds() {
    return ElapsedMilliseconds(start_, os::PerformanceCounterPinned(), frequency_);
}

// Whole seconds and the remainder are converted apart: the same truncated
// result as (now - start) * 1000 / frequency, without the product leaving 64
// bits after a few months of a nanosecond counter.
uint32_t CPerformanceTimer::ElapsedMilliseconds(int64_t start, int64_t now, int64_t frequency) {
    if (frequency <= 0) return 0;
    const int64_t counts = now - start;
    const int64_t milliseconds = counts / frequency * 1000 + counts % frequency * 1000 / frequency;
    return static_cast<uint32_t>(static_cast<uint64_t>(milliseconds));
}

CPerformanceTimer* CPerformanceTimer::Shared() {
    return gSharedTimer.get();
}

int32_t CPerformanceTimer::SharedReferences() {
    return gSharedReferences;
}

CPerformanceTimer::SharedReference::SharedReference() {
    if (!gSharedTimer) gSharedTimer = std::make_unique<CPerformanceTimer>();
    ++gSharedReferences;
}

CPerformanceTimer::SharedReference::~SharedReference() {
    if (--gSharedReferences < 1) gSharedTimer.reset();
}
