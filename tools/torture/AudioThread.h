// The host's audio thread for one instance: processes blocks of random
// sizes back to back and checks each one, until stopped. Like a host, the
// user-interface thread pauses it around sample-rate and block-size changes.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

#include "plugin/VstAbi.h"
#include "tools/torture/ProcessChecker.h"
#include "tools/torture/TortureRandom.h"

class CFindings;

class CAudioThread {
public:
    CAudioThread(AEffect* effect, uint64_t seed, CFindings& findings, int boardSlot,
                 std::string name);
    ~CAudioThread();

    CAudioThread(const CAudioThread&) = delete;
    CAudioThread& operator=(const CAudioThread&) = delete;

    // The user-interface thread: waits until no block is in flight, and
    // keeps the thread idle until Resume.
    void Pause();
    void Resume();
    // The user-interface thread: the format last announced, for reports.
    void Announce(float sampleRate, int blockFrames);
    long long BlocksProcessed() const { return blocks_.load(); }

private:
    void Run();

    AEffect* effect_;
    CTortureRandom random_;
    CProcessChecker checker_;
    int boardSlot_;
    std::string name_;
    std::atomic<bool> running_{true};
    std::atomic<bool> pauseWanted_{false};
    std::atomic<bool> paused_{false};
    std::atomic<long long> blocks_{0};
    std::atomic<float> sampleRate_{0.0f};
    std::atomic<int> announcedFrames_{0};
    std::thread thread_;
};
