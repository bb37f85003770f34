// Recursive lock shared by every object that two threads touch: the plug-in,
// the engine, the parameters, the editor, the store, the statistics, the timer
// and the error system. The platform lock (a critical section on Windows) is
// hidden behind a private struct so that this header stays free of OS types.
#pragma once

#include <memory>

class CLockable {
public:
    CLockable();
    virtual ~CLockable();

    CLockable(const CLockable&) = delete;
    CLockable& operator=(const CLockable&) = delete;

    // Waits for the lock; the holding thread may enter again.
    void Lock();
    void Unlock();
    // Takes the lock only if no other thread holds it.
    bool TryLock();

    // Scoped hold: released when the scope ends, also when an exception passes.
    class Hold {
    public:
        explicit Hold(CLockable& lockable) : lockable_(lockable) { lockable_.Lock(); }
        ~Hold() { lockable_.Unlock(); }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        CLockable& lockable_;
    };

    // Scoped try-hold: owns the lock only when Acquired() says so.
    class TryHold {
    public:
        explicit TryHold(CLockable& lockable)
            : lockable_(lockable), acquired_(lockable.TryLock()) {}
        ~TryHold() {
            if (acquired_) lockable_.Unlock();
        }
        TryHold(const TryHold&) = delete;
        TryHold& operator=(const TryHold&) = delete;
        bool Acquired() const { return acquired_; }

    private:
        CLockable& lockable_;
        bool acquired_;
    };

private:
    struct PlatformLock;
    std::unique_ptr<PlatformLock> lock_;
};
