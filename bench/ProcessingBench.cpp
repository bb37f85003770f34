// The processing call per host block, without analysis, beside a plain copy
// of the same data.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "plugin/VstEntry.h"
#include "tools/host/HostCallRecorder.h"

namespace {

constexpr int kRepetitions = 7;

// editorOpen: the output also feeds the analysis blocks, and every 4096th
// frame completes one analysis, whose cost is spread over the calls.
void Process(benchmark::State& state, bool editorOpen) {
    const int frames = static_cast<int>(state.range(0));
    CHostCallRecorder host;
    AEffect* effect = VSTPluginMain(&CHostCallRecorder::Callback);
    effect->dispatcher(effect, effSetBlockSize, 0, frames, nullptr, 0.0f);
    int parent = 0;
    if (editorOpen) effect->dispatcher(effect, effEditOpen, 0, 0, &parent, 0.0f);
    std::vector<float> left(frames, 0.25f), right(frames, -0.25f), outLeft(frames),
        outRight(frames);
    float* in[2] = {left.data(), right.data()};
    float* out[2] = {outLeft.data(), outRight.data()};
    for (auto _ : state) {
        effect->processReplacing(effect, in, out, frames);
        benchmark::DoNotOptimize(outLeft.data());
        benchmark::DoNotOptimize(outRight.data());
    }
    if (editorOpen) effect->dispatcher(effect, effEditClose, 0, 0, nullptr, 0.0f);
    effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
}

void ProcessOurs(benchmark::State& state) {
    Process(state, false);
}
void ProcessEditorOpenOurs(benchmark::State& state) {
    Process(state, true);
}

void ProcessReference(benchmark::State& state) {
    const int frames = static_cast<int>(state.range(0));
    std::vector<float> left(frames, 0.25f), right(frames, -0.25f), outLeft(frames),
        outRight(frames);
    for (auto _ : state) {
        std::copy(left.begin(), left.end(), outLeft.begin());
        std::copy(right.begin(), right.end(), outRight.begin());
        benchmark::DoNotOptimize(outLeft.data());
        benchmark::DoNotOptimize(outRight.data());
    }
}

}  // namespace

#define VS_PROCESS_BENCHMARK(function, name) \
    BENCHMARK(function)->Name(name)->Arg(64)->Arg(512)->Arg(4096)->Repetitions(kRepetitions)

VS_PROCESS_BENCHMARK(ProcessOurs, "process, editor closed/ours");
VS_PROCESS_BENCHMARK(ProcessReference, "process, editor closed/reference");
VS_PROCESS_BENCHMARK(ProcessEditorOpenOurs, "process, editor open/ours");
VS_PROCESS_BENCHMARK(ProcessReference, "process, editor open/reference");
