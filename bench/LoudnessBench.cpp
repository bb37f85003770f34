// The loudness meter beside libebur128 on the same 10 s of stereo audio at
// 48 kHz, fed in host blocks of 512 frames, every figure on: momentary,
// short-term, integrated, loudness range and true peak.
#include <benchmark/benchmark.h>
#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "analysis/LoudnessMeter.h"

namespace {

constexpr int kRepetitions = 7;
constexpr int kRateHz = 48000;
constexpr int kFrames = 10 * kRateHz;
constexpr int kHostBlock = 512;

// Noise bursts over a chord whose level swells, different on each side.
struct Music {
    std::vector<float> left, right, interleaved;
    Music() : left(kFrames), right(kFrames), interleaved(2 * kFrames) {
        std::mt19937 generator(7);
        std::normal_distribution<float> noise(0.0f, 0.1f);
        for (int i = 0; i < kFrames; ++i) {
            const double t = static_cast<double>(i) / kRateHz;
            const double swell = 0.2 + 0.15 * std::sin(2.0 * M_PI * 0.3 * t);
            const double chord =
                std::sin(2.0 * M_PI * 220.0 * t) + std::sin(2.0 * M_PI * 277.2 * t);
            const float burst = std::fmod(t, 0.5) < 0.1 ? noise(generator) : 0.0f;
            left[i] = static_cast<float>(swell * chord) + burst;
            right[i] = static_cast<float>(swell * std::sin(2.0 * M_PI * 330.0 * t)) + burst;
            interleaved[2 * i] = left[i];
            interleaved[2 * i + 1] = right[i];
        }
    }
};

const Music& TheMusic() {
    static const Music music;
    return music;
}

void LoudnessOurs(benchmark::State& state) {
    const Music& music = TheMusic();
    for (auto _ : state) {
        CLoudnessMeter meter(kRateHz);
        for (int done = 0; done < kFrames; done += kHostBlock) {
            const int frames = std::min(kHostBlock, kFrames - done);
            meter.Process(music.left.data() + done, music.right.data() + done, frames);
        }
        benchmark::DoNotOptimize(meter.Read());
    }
}

void LoudnessReference(benchmark::State& state) {
    const Music& music = TheMusic();
    const int mode = EBUR128_MODE_M | EBUR128_MODE_S | EBUR128_MODE_I | EBUR128_MODE_LRA |
                     EBUR128_MODE_TRUE_PEAK;
    for (auto _ : state) {
        ebur128_state* meter = ebur128_init(2, kRateHz, mode);
        for (int done = 0; done < kFrames; done += kHostBlock) {
            const int frames = std::min(kHostBlock, kFrames - done);
            ebur128_add_frames_float(meter, music.interleaved.data() + 2 * done, frames);
        }
        double figures[7];
        ebur128_loudness_momentary(meter, &figures[0]);
        ebur128_loudness_shortterm(meter, &figures[1]);
        ebur128_loudness_global(meter, &figures[2]);
        ebur128_loudness_range(meter, &figures[3]);
        ebur128_true_peak(meter, 0, &figures[4]);
        ebur128_true_peak(meter, 1, &figures[5]);
        ebur128_sample_peak(meter, 0, &figures[6]);
        benchmark::DoNotOptimize(figures);
        ebur128_destroy(&meter);
    }
}

}  // namespace

BENCHMARK(LoudnessOurs)->Name("loudness of 10 s/ours")->Repetitions(kRepetitions);
BENCHMARK(LoudnessReference)->Name("loudness of 10 s/reference")->Repetitions(kRepetitions);
