// High-resolution counter and local wall-clock texts.
#pragma once

#include <cstdint>
#include <string>

namespace os {

// Counter reads are made with the calling thread pinned to the first
// processor, so that every reading comes from the same processor's counter;
// the thread's own affinity is restored before returning.
int64_t PerformanceFrequencyPinned();
int64_t PerformanceCounterPinned();

struct LocalTimeTexts {
    std::string date;  // e.g. "Sat Dec 05 2026"
    std::string time;  // the user's default time format, e.g. "10:53:17"
};

LocalTimeTexts ReadLocalTimeTexts();

}  // namespace os
