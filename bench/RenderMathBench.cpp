// The 3D view's per-frame matrix building beside a plain copy of the bytes
// those matrices occupy: the camera's view alone, and a whole waterfall frame
// (view, the grid lines' worlds under their parent, one translation per peak
// sphere).
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "render/D3DCamera.h"
#include "render/Matrix4.h"

namespace {

constexpr int kRepetitions = 7;
constexpr int kLines = 16;
constexpr int kSpheres = 256;
// View, then per line scaling, rotation, translation, two products and the
// parent product, then one translation per sphere.
constexpr int kFrameMatrices = 1 + kLines * 6 + kSpheres;

void CameraViewOurs(benchmark::State& state) {
    CD3DCamera camera;
    Matrix4 view;
    float yawDeg = 0.0f;
    for (auto _ : state) {
        camera.SetFromParameters(40, 120, -650, yawDeg, 12);
        camera.BuildView(view);
        benchmark::DoNotOptimize(&view);
        yawDeg += 0.5f;
    }
}

void CameraViewReference(benchmark::State& state) {
    const Matrix4 source = IdentityMatrix();
    Matrix4 view;
    for (auto _ : state) {
        benchmark::DoNotOptimize(&source);
        std::memcpy(&view, &source, sizeof view);
        benchmark::DoNotOptimize(&view);
    }
}

void FrameMatricesOurs(benchmark::State& state) {
    CD3DCamera camera;
    std::vector<Matrix4> out(kFrameMatrices);
    float depth = -300.0f;
    for (auto _ : state) {
        Matrix4* next = out.data();
        camera.SetFromParameters(40, 120, -650, 17, 12);
        camera.BuildView(*next++);
        const Matrix4 parent = TranslationMatrix(0, 0, depth);
        for (int line = 0; line < kLines; ++line) {
            const float x = line * 37.5f - 300.0f;
            Matrix4& scale = *next++ = ScalingMatrix(600, 0.5f, 0.5f);
            Matrix4& turn = *next++ = RotationYawPitchRollMatrix(0, 0, 1.5707964f);
            Matrix4& move = *next++ = TranslationMatrix(x, 100, 0);
            Matrix4& scaledTurn = *next++ = scale * turn;
            Matrix4& world = *next++ = scaledTurn * move;
            *next++ = world * parent;
        }
        for (int sphere = 0; sphere < kSpheres; ++sphere) {
            *next++ = TranslationMatrix(sphere * 2.34375f - 300.0f, 0.5f * sphere, -300);
        }
        benchmark::DoNotOptimize(out.data());
        depth += 0.25f;
    }
}

void FrameMatricesReference(benchmark::State& state) {
    const std::vector<Matrix4> source(kFrameMatrices, IdentityMatrix());
    std::vector<Matrix4> out(kFrameMatrices);
    for (auto _ : state) {
        benchmark::DoNotOptimize(source.data());
        std::memcpy(out.data(), source.data(), sizeof(Matrix4) * kFrameMatrices);
        benchmark::DoNotOptimize(out.data());
    }
}

}  // namespace

#define VS_RENDER_BENCHMARK(function, name) \
    BENCHMARK(function)->Name(name)->Repetitions(kRepetitions)

VS_RENDER_BENCHMARK(CameraViewOurs, "camera view/ours");
VS_RENDER_BENCHMARK(CameraViewReference, "camera view/reference");
VS_RENDER_BENCHMARK(FrameMatricesOurs, "waterfall frame matrices/ours");
VS_RENDER_BENCHMARK(FrameMatricesReference, "waterfall frame matrices/reference");
