// The recursive lock with scoped holds and try-holds.
#include "os/Lockable.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <stdexcept>
#include <thread>

namespace {

bool TryFromOtherThread(CLockable& lockable) {
    return std::async(std::launch::async,
                      [&lockable] {
                          CLockable::TryHold hold(lockable);
                          return hold.Acquired();
                      })
        .get();
}

TEST(Lockable, HoldingThreadMayEnterAgain) {
    CLockable lockable;
    CLockable::Hold outer(lockable);
    CLockable::Hold inner(lockable);
    EXPECT_TRUE(lockable.TryLock());
    lockable.Unlock();
}

TEST(Lockable, TryHoldFailsWhileAnotherThreadHolds) {
    CLockable lockable;
    {
        CLockable::Hold hold(lockable);
        EXPECT_FALSE(TryFromOtherThread(lockable));
    }
    EXPECT_TRUE(TryFromOtherThread(lockable));
}

TEST(Lockable, HoldIsReleasedWhenAnExceptionPasses) {
    CLockable lockable;
    try {
        CLockable::Hold hold(lockable);
        throw std::runtime_error("passing through");
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(TryFromOtherThread(lockable));
}

TEST(Lockable, ExcludesConcurrentWriters) {
    CLockable lockable;
    int counter = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 10000; ++i) {
                CLockable::Hold hold(lockable);
                ++counter;
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(counter, 40000);
}

}  // namespace
