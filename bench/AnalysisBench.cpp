// Our transform and per-block analysis beside FFTW-based references.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "analysis/FFT.h"
#include "analysis/PerformanceTimer.h"
#include "analysis/RealFFT.h"
#include "analysis/SpectrumStore.h"
#include "bench/ReferencePipeline.h"
#include "params/LogarithmicScales.h"
#include "params/Settings.h"

namespace {

constexpr int kN = CFFT::kSize;
constexpr int kRepetitions = 7;

std::vector<double> Signal(unsigned seed) {
    std::mt19937 generator(seed);
    std::normal_distribution<double> noise(0.0, 0.2);
    std::vector<double> samples(kN);
    for (int i = 0; i < kN; ++i) samples[i] = noise(generator) + 0.5 * std::sin(0.031 * i);
    return samples;
}

void TransformOurs(benchmark::State& state) {
    const std::vector<double> input = Signal(1);
    std::vector<double> work(kN);
    CRealFFT transform(kN);
    for (auto _ : state) {
        std::copy(input.begin(), input.end(), work.begin());
        transform.Transform(work.data());
        benchmark::DoNotOptimize(work.data());
    }
}

void TransformReference(benchmark::State& state) {
    const std::vector<double> input = Signal(1);
    std::vector<double> work(kN);
    ReferencePipeline reference;
    for (auto _ : state) {
        reference.Transform(input.data(), work.data());
        benchmark::DoNotOptimize(work.data());
    }
}

// One analysis block: both transforms, levels, band folding and peaks.
void BlockAnalysisOurs(benchmark::State& state) {
    CSettings settings;
    CPerformanceTimer timer;
    CFFT analyser;
    CSpectrumStore store(settings, timer, CreateBandScale);
    store.Initialise();
    const std::vector<double> left = Signal(2);
    const std::vector<double> right = Signal(3);
    for (auto _ : state) {
        analyser.Analyse(left.data(), right.data());
        store.Update(analyser.Spectrum());
        benchmark::ClobberMemory();
    }
}

void BlockAnalysisReference(benchmark::State& state) {
    CSettings settings;
    CPerformanceTimer timer;
    ReferencePipeline reference;
    CSpectrumStore store(settings, timer, CreateBandScale);
    store.Initialise();
    const std::vector<double> left = Signal(2);
    const std::vector<double> right = Signal(3);
    for (auto _ : state) {
        reference.Analyse(left.data(), right.data());
        store.Update(reference.Spectrum());
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(TransformOurs)->Name("transform 4096/ours")->Repetitions(kRepetitions);
BENCHMARK(TransformReference)->Name("transform 4096/reference")->Repetitions(kRepetitions);
BENCHMARK(BlockAnalysisOurs)->Name("block analysis/ours")->Repetitions(kRepetitions);
BENCHMARK(BlockAnalysisReference)->Name("block analysis/reference")->Repetitions(kRepetitions);
