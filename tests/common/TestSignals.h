// Signals shared by the native tests and the tests through the DLL.
#pragma once

#include <limits>
#include <random>
#include <vector>

// Uniform noise in -1..1 from a fixed seed; with edgeValues the first four
// samples are +0, -0, the smallest denormal and the largest finite value,
// which an exact pass-through must keep bit for bit too.
template <typename Sample>
std::vector<Sample> Noise(size_t count, unsigned seed, bool edgeValues = false) {
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> distribution(-1.0, 1.0);
    std::vector<Sample> samples(count);
    for (Sample& sample : samples) sample = static_cast<Sample>(distribution(generator));
    if (edgeValues && count > 4) {
        samples[0] = Sample(0);
        samples[1] = -Sample(0);
        samples[2] = std::numeric_limits<Sample>::denorm_min();
        samples[3] = std::numeric_limits<Sample>::max();
    }
    return samples;
}
