// Win32 side of CLockable: one critical section per object.
#include "os/Lockable.h"

#include <windows.h>

struct CLockable::PlatformLock {
    CRITICAL_SECTION section;
};

CLockable::CLockable() : lock_(std::make_unique<PlatformLock>()) {
    InitializeCriticalSection(&lock_->section);
}

CLockable::~CLockable() {
    DeleteCriticalSection(&lock_->section);
}

void CLockable::Lock() {
    EnterCriticalSection(&lock_->section);
}

void CLockable::Unlock() {
    LeaveCriticalSection(&lock_->section);
}

bool CLockable::TryLock() {
    return TryEnterCriticalSection(&lock_->section) != FALSE;
}
