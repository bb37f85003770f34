// Win32 side of the performance counter and the local time texts.
#include "os/Clock.h"

#include <windows.h>

namespace os {
namespace {

// Pins the calling thread to the first processor for the lifetime of the
// object and restores the thread's previous mask afterwards.
class FirstProcessorPin {
public:
    FirstProcessorPin() : previousMask_(SetThreadAffinityMask(GetCurrentThread(), 1)) {}
    ~FirstProcessorPin() {
        if (previousMask_ != 0) SetThreadAffinityMask(GetCurrentThread(), previousMask_);
    }
    FirstProcessorPin(const FirstProcessorPin&) = delete;
    FirstProcessorPin& operator=(const FirstProcessorPin&) = delete;

private:
    DWORD_PTR previousMask_;
};

}  // namespace

int64_t PerformanceFrequencyPinned() {
    FirstProcessorPin pin;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart;
}

int64_t PerformanceCounterPinned() {
    FirstProcessorPin pin;
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

LocalTimeTexts ReadLocalTimeTexts() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char date[512] = {};
    char time[512] = {};
    GetDateFormatA(LOCALE_SYSTEM_DEFAULT, 0, &now, "ddd MMM dd yyyy", date, sizeof date);
    GetTimeFormatA(LOCALE_USER_DEFAULT, LOCALE_NOUSEROVERRIDE, &now, nullptr, time, sizeof time);
    return LocalTimeTexts{date, time};
}

}  // namespace os
