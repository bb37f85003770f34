// The waterfall's CPU work per display frame (spectrum choice, scroll, front
// row heights and normals, surface and curtain written into buffers, level
// texture scrolled in memory) beside a plain copy of the surface's bytes,
// which every frame must write at the least.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "analysis/FFT.h"
#include "analysis/PerformanceTimer.h"
#include "analysis/SpectrumStore.h"
#include "params/LogarithmicScales.h"
#include "params/Settings.h"
#include "render/WaterfallModel.h"

namespace {

constexpr int kRepetitions = 7;
constexpr size_t kSurfaceBytes = WaterGeometry::kSurfaceVertexCount * sizeof(WaterVertex);

void WaterfallFrameOurs(benchmark::State& state) {
    CSettings settings;
    CPerformanceTimer timer;
    CSpectrumStore store(settings, timer, CreateBandScale);
    store.Initialise();
    std::vector<double> spectrum(CFFT::kSize);
    for (double& levelDb : spectrum) levelDb = -100.0 + std::rand() % 100;
    store.Update(spectrum.data());
    CWaterfallModel model(settings.Palette(), -60.0f);
    WaterfallFlags flags;
    flags.peaksShown = true;
    std::vector<WaterVertex> surfaceBuffer(WaterGeometry::kSurfaceVertexCount);
    std::vector<WaterVertex> curtainBuffer(WaterGeometry::kCurtainVertexCount);
    std::vector<uint32_t> texture(LevelTexture::kWidth * LevelTexture::kHeight);
    uint32_t nowMs = store.LastUpdateMs();
    for (auto _ : state) {
        model.Advance(store, nowMs += 16, 44100.0, flags);
        model.Surface().WriteVertices(surfaceBuffer.data());
        std::memcpy(curtainBuffer.data(), model.Curtain().data(),
                    curtainBuffer.size() * sizeof(WaterVertex));
        LevelTexture::Scroll(texture.data(), LevelTexture::kRowBytes, model.NewestTexels());
        benchmark::DoNotOptimize(surfaceBuffer.data());
        benchmark::DoNotOptimize(curtainBuffer.data());
        benchmark::DoNotOptimize(texture.data());
    }
    state.SetBytesProcessed(state.iterations() * kSurfaceBytes);
}

void WaterfallFrameReference(benchmark::State& state) {
    std::vector<WaterVertex> source(WaterGeometry::kSurfaceVertexCount);
    std::vector<WaterVertex> surfaceBuffer(WaterGeometry::kSurfaceVertexCount);
    for (auto _ : state) {
        std::memcpy(surfaceBuffer.data(), source.data(), kSurfaceBytes);
        benchmark::DoNotOptimize(surfaceBuffer.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kSurfaceBytes);
}

}  // namespace

BENCHMARK(WaterfallFrameOurs)->Name("waterfall frame/ours")->Repetitions(kRepetitions);
BENCHMARK(WaterfallFrameReference)->Name("waterfall frame/reference")->Repetitions(kRepetitions);
