// Hands the newest value from one writer thread to one reader thread without
// either ever waiting: three slots, one owned by each side and one in the
// middle, swapped with a single atomic exchange.
//
// Threads: Publish on the writer thread only, Read on the reader thread only.
// Either side may change hands between threads when an outside lock orders
// the hand-over.
#pragma once

#include <array>
#include <atomic>

template <typename T>
class CTripleBuffer {
public:
    // Writer: the value becomes the newest; a slower reader skips older ones.
    void Publish(const T& value) {
        slots_[back_] = value;
        back_ = middle_.exchange(back_ | kFresh, std::memory_order_acq_rel) & kIndex;
    }

    // Reader: the newest published value (the initial T before any).
    const T& Read() {
        if (middle_.load(std::memory_order_relaxed) & kFresh) {
            front_ = middle_.exchange(front_, std::memory_order_acq_rel) & kIndex;
        }
        return slots_[front_];
    }

private:
    static constexpr int kIndex = 3;
    static constexpr int kFresh = 4;

    std::array<T, 3> slots_{};
    int back_ = 0;
    int front_ = 1;
    std::atomic<int> middle_{2};
};
