// POSIX side of CLockable: a recursive mutex per object.
#include "os/Lockable.h"

#include <mutex>

struct CLockable::PlatformLock {
    std::recursive_mutex mutex;
};

CLockable::CLockable() : lock_(std::make_unique<PlatformLock>()) {}

CLockable::~CLockable() = default;

void CLockable::Lock() {
    lock_->mutex.lock();
}

void CLockable::Unlock() {
    lock_->mutex.unlock();
}

bool CLockable::TryLock() {
    return lock_->mutex.try_lock();
}
