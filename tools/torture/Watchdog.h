// Ends the run when a watched thread makes no progress within its limit,
// or when the whole run overruns its deadline: a hang cannot be caught any
// other way, and an unattended test must not wait for it.
#pragma once

#include <atomic>
#include <cstdint>
#include <thread>

class CWatchdog {
public:
    static constexpr int kHangExitCode = 4;

    CWatchdog(uint32_t callLimitMs, uint32_t runLimitMs);
    ~CWatchdog();

    CWatchdog(const CWatchdog&) = delete;
    CWatchdog& operator=(const CWatchdog&) = delete;

private:
    void Watch();
    [[noreturn]] void ReportHang(const char* what);

    uint32_t callLimitMs_;
    uint32_t runLimitMs_;
    std::atomic<bool> running_{true};
    std::thread thread_;
};
