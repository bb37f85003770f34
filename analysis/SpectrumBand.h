// Moving-average state of one band: a ring of the last `window` band levels
// and their running sum. The ring has room for ten seconds of analysis
// blocks; the window never exceeds it.
#pragma once

#include <cstdint>
#include <memory>

class SpectrumBand {
public:
    explicit SpectrumBand(uint32_t capacity)
        : ring_(std::make_unique<float[]>(capacity)), capacity_(capacity), window_(capacity) {}

    uint32_t Capacity() const { return capacity_; }
    uint32_t Window() const { return window_; }
    uint32_t Count() const { return count_; }
    float Sum() const { return sum_; }

    // Starts a new average over window blocks, 1..capacity.
    void Restart(uint32_t window) {
        window_ = window < 1 ? 1 : (window > capacity_ ? capacity_ : window);
        writeIndex_ = 0;
        count_ = 0;
        sum_ = 0.0f;
    }

    // Moving average: the oldest level leaves once the ring is full.
    void Push(float level) {
        if (count_ >= window_) sum_ -= ring_[writeIndex_];
        sum_ += level;
        ring_[writeIndex_] = level;
        if (++writeIndex_ >= window_) writeIndex_ = 0;
        if (count_ < window_) ++count_;
    }

    // Cumulative average: every level counts for ever.
    void Accumulate(float level) {
        sum_ += level;
        ++count_;
    }

    float Mean() const { return count_ == 0 ? 0.0f : sum_ / static_cast<float>(count_); }

private:
    std::unique_ptr<float[]> ring_;
    uint32_t capacity_;
    uint32_t window_;
    uint32_t writeIndex_ = 0;
    uint32_t count_ = 0;
    float sum_ = 0.0f;
};
