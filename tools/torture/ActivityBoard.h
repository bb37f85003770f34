// What each thread of the torture run is doing right now, so that a crash
// or a hang can be reported with the call that caused it. Each thread owns
// one slot and writes only that slot; readers may see a line mid-update,
// which is acceptable for a report written while the process dies.
#pragma once

#include <atomic>
#include <cstdint>

class CActivityBoard {
public:
    static constexpr int kSlots = 24;

    // The process's board, for the crash handler and the watchdog.
    static CActivityBoard& Instance();

    // The thread owning slot: records what it is about to do, and when.
    void Note(int slot, const char* format, ...);
    // The thread owning slot: the slot stops being watched (idle or done).
    void Retire(int slot);
    // The watchdog: the first slot whose note is older than limitMs, or -1.
    int StaleSlot(uint32_t limitMs) const;
    // Any thread, even a dying one: prints every live slot to stdout.
    void Print() const;

private:
    struct Slot {
        std::atomic<bool> live{false};
        std::atomic<uint32_t> sinceMs{0};
        char text[240] = {};
    };
    Slot slots_[kSlots];
};
