// CWatchdog: polls the activity board twice a second.
#include "tools/torture/Watchdog.h"

#include <windows.h>

#include <chrono>
#include <cstdio>

#include "tools/torture/ActivityBoard.h"

CWatchdog::CWatchdog(uint32_t callLimitMs, uint32_t runLimitMs)
    : callLimitMs_(callLimitMs), runLimitMs_(runLimitMs), thread_([this] { Watch(); }) {}

CWatchdog::~CWatchdog() {
    running_ = false;
    thread_.join();
}

void CWatchdog::Watch() {
    const uint32_t start = GetTickCount();
    while (running_) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        if (CActivityBoard::Instance().StaleSlot(callLimitMs_) >= 0) {
            ReportHang("a call made no progress");
        }
        if (GetTickCount() - start > runLimitMs_) ReportHang("the run overran its deadline");
    }
}

void CWatchdog::ReportHang(const char* what) {
    std::printf("\nHANG: %s (call limit %u ms, run limit %u ms). Threads:\n", what,
                static_cast<unsigned>(callLimitMs_), static_cast<unsigned>(runLimitMs_));
    CActivityBoard::Instance().Print();
    std::printf("torture: FAILED (hang)\n");
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), kHangExitCode);
    for (;;) Sleep(1000);
}
