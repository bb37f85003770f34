// The torture run's random source: a seeded xorshift64* generator and the
// awkward values a careless or hostile host hands to a plug-in.
#pragma once

#include <cstdint>

class CTortureRandom {
public:
    explicit CTortureRandom(uint64_t seed);

    uint64_t Next();
    // A whole number in [low, high].
    int64_t Between(int64_t low, int64_t high);
    bool Chance(double probability);

    // ±0, denormals, ±huge, ±inf, NaN, the edges of [0, 1], or an ordinary
    // value in [0, 1].
    float AwkwardFloat();
    // An ordinary normalised parameter value, mostly, else an awkward one.
    float ParameterValue();
    // 8 kHz to 384 kHz: the common rates and odd ones between.
    float SampleRate();
    // 0 to 16384 frames: edges, powers of two and odd sizes.
    int32_t BlockFrames();
    // A parameter or program index: in range, at its edges or far outside.
    int32_t Index(int32_t count);

private:
    uint64_t state_;
};
