// A small seeded generator (SplitMix64) so that the art comes out the same
// on every machine and every run.
#pragma once

#include <cstdint>

class CRandom {
public:
    explicit CRandom(uint64_t seed) : state_(seed) {}

    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [-1, 1), from the top 24 bits so that the float is exact.
    float Signed() { return static_cast<float>(Next() >> 40) / 8388608.0f - 1.0f; }

private:
    uint64_t state_;
};
