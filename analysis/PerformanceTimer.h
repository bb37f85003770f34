// The process's one millisecond clock: unsigned 32-bit milliseconds since
// the timer was created. Users compare times by unsigned subtraction, which
// stays correct when the count wraps after about 49.7 days. The plug-in
// instances of a process share one timer through SharedReference.
#pragma once

#include <cstdint>

class CPerformanceTimer {
public:
    CPerformanceTimer();

    // Any thread (audio thread for the store, user-interface thread for the
    // editor); lock-free.
    uint32_t GetMilliseconds();

    // (now - start) * 1000 / frequency in signed 64-bit arithmetic,
    // truncated, cut to its low 32 bits.
    static uint32_t ElapsedMilliseconds(int64_t start, int64_t now, int64_t frequency);

    // The process-wide timer, null while no reference exists, and the count
    // of references. Changed only by plug-in construction and close, which
    // hosts run one at a time on their user-interface thread.
    static CPerformanceTimer* Shared();
    static int32_t SharedReferences();

    // One reference to the shared timer for as long as the object lives:
    // the first creates the timer, the last one destroyed deletes it.
    class SharedReference {
    public:
        SharedReference();
        ~SharedReference();
        SharedReference(const SharedReference&) = delete;
        SharedReference& operator=(const SharedReference&) = delete;
        CPerformanceTimer& Timer() const { return *Shared(); }
    };

private:
    int64_t frequency_;
    int64_t start_;
};
