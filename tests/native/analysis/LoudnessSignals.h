// Test helper: stereo test signals for the loudness meter, made on the fly
// and fed in host blocks of a chosen size.
#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <utility>
#include <vector>

#include "analysis/LoudnessMeter.h"

using StereoSample = std::pair<double, double>;
using SignalAt = std::function<StereoSample(long long frame)>;

// Feeds frames of the signal; afterBlock, when given, runs after each block.
inline void Feed(CLoudnessMeter& meter, const SignalAt& signal, long long frames, int blockFrames,
                 const std::function<void()>& afterBlock = {}) {
    std::vector<double> left(blockFrames), right(blockFrames);
    for (long long done = 0; done < frames; done += blockFrames) {
        const int count = static_cast<int>(std::min<long long>(blockFrames, frames - done));
        for (int i = 0; i < count; ++i) std::tie(left[i], right[i]) = signal(done + i);
        meter.Process(left.data(), right.data(), count);
        if (afterBlock) afterBlock();
    }
}

struct Level {
    double seconds;
    double dbfs;
};

// The same sine on both channels, stepping through the levels; faded in
// over fadeSeconds (an abrupt start rings in any interpolator).
inline SignalAt SineLevels(double rateHz, double sineHz, std::vector<Level> levels,
                           double phase = 0.0, double fadeSeconds = 0.0) {
    std::vector<std::pair<long long, double>> ends;  // last frame + 1, amplitude
    long long end = 0;
    for (const Level& level : levels) {
        end += std::llround(level.seconds * rateHz);
        ends.emplace_back(end, std::pow(10.0, level.dbfs / 20.0));
    }
    return [=](long long frame) {
        auto it = std::find_if(ends.begin(), ends.end(), [&](auto& e) { return frame < e.first; });
        const double fade = fadeSeconds > 0 ? std::min(1.0, frame / (fadeSeconds * rateHz)) : 1.0;
        const double amplitude = it == ends.end() ? 0.0 : fade * it->second;
        const double value = amplitude * std::sin(2.0 * M_PI * sineHz * frame / rateHz + phase);
        return StereoSample{value, value};
    };
}

inline long long TotalFrames(double rateHz, const std::vector<Level>& levels) {
    long long frames = 0;
    for (const Level& level : levels) frames += std::llround(level.seconds * rateHz);
    return frames;
}

// Music-like: a sine whose level ramps by 30 dB and a chirp, under filtered
// noise bursts whose level steps down; precomputed so that every feed sees
// the same samples.
inline std::vector<StereoSample> Music(double rateHz, double seconds) {
    std::mt19937 generator(11);
    std::normal_distribution<double> noise(0.0, 0.3);
    std::vector<StereoSample> samples(static_cast<size_t>(seconds * rateHz));
    double smooth = 0.0;
    for (size_t i = 0; i < samples.size(); ++i) {
        const double t = i / rateHz;
        smooth += 0.2 * (noise(generator) - smooth);
        const double burst = std::fmod(t, 0.7) < 0.15 ? smooth * std::pow(0.8, std::floor(t)) : 0;
        const double ramp = std::pow(10.0, (-40.0 + 30.0 * t / seconds) / 20.0);
        const double chirp = 0.3 * std::sin(2 * M_PI * (100 * t + 600 * t * t));
        samples[i] = {ramp * std::sin(2 * M_PI * 440 * t) + burst, chirp + 0.5 * burst};
    }
    return samples;
}
