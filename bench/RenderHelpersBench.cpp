// The per-frame work of our drawing helpers that needs no device: building
// the sprite batch of a typical frame and laying out the 24 lines of the
// on-screen log, each beside a plain copy of the bytes it produces.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "render/GlyphLayout.h"
#include "render/SpriteQueue.h"

namespace {

constexpr int kRepetitions = 7;
constexpr int kLogLines = 24;
constexpr int kLineLength = 80;
// The bar graph's three columns per band segment, bars and peaks, plus its
// backdrop and the meter's two bars.
constexpr int kBarColumns = 765;
constexpr int kSpriteItemsPerFrame = 2 * kBarColumns + 1 + 2;

const char kGradient[] = "gradient";
const char kBackdrop[] = "backdrop";

GlyphMetricTable LogFontMetrics() {
    GlyphMetricTable metrics;
    metrics.lineHeight = 16;
    for (int code = 32; code < 256; ++code) {
        metrics.glyphs[code] = {static_cast<int16_t>(5 + code % 4), -1,
                                static_cast<int16_t>(6 + code % 4)};
    }
    return metrics;
}

std::vector<std::string> LogLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < kLogLines; ++i) {
        std::string line = "D3DDrawWaterGraph(" + std::to_string(100 + i) + ") : ";
        while (line.size() < kLineLength) line += "frame " + std::to_string(i * 7) + " ok ";
        line.resize(kLineLength);
        lines.push_back(line);
    }
    return lines;
}

void BuildSpriteFrame(CSpriteQueue& queue) {
    queue.Clear();
    for (int pass = 0; pass < 2; ++pass) {
        for (int column = 0; column < kBarColumns; ++column) {
            const int top = 256 - (column * 7) % 256;
            const os::Rect source{0, top, 1, pass == 0 ? top + 2 : 256};
            const float position[3] = {66.0f + column, 350.0f - (256 - top), 0.0f};
            queue.Add(kGradient, 4, 256, &source, nullptr, position, 0xFFFFFFFFu);
        }
    }
    queue.Add(kBackdrop, 1024, 512, nullptr, nullptr, nullptr, 0xFFFFFFFFu);
    const os::Rect meter{0, 40, 16, 256};
    queue.Add(kGradient, 16, 256, &meter, nullptr, nullptr, 0xFFFFFFFFu);
    queue.Add(kGradient, 16, 256, &meter, nullptr, nullptr, 0xFFFFFFFFu);
}

void SpriteBatchOurs(benchmark::State& state) {
    CSpriteQueue queue;
    for (auto _ : state) {
        BuildSpriteFrame(queue);
        benchmark::DoNotOptimize(queue.Vertices().data());
    }
}

void SpriteBatchReference(benchmark::State& state) {
    const size_t bytes =
        kSpriteItemsPerFrame * CSpriteQueue::kVerticesPerItem * sizeof(SpriteVertex);
    std::vector<uint8_t> source(bytes, 1), target(bytes);
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), bytes);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
}

// As the on-screen log draws: measure each line, then place its glyphs.
void LogLayoutOurs(benchmark::State& state) {
    const GlyphMetricTable metrics = LogFontMetrics();
    const std::vector<std::string> lines = LogLines();
    std::vector<PlacedGlyph> glyphs;
    glyphs.reserve(kLineLength);
    for (auto _ : state) {
        for (int i = 0; i < kLogLines; ++i) {
            os::Rect rect{0, i * 16, 0, 0};
            LayoutText(metrics, lines[i].c_str(), -1, rect, kTextCalcRect, nullptr);
            LayoutText(metrics, lines[i].c_str(), -1, rect, kTextLeft, &glyphs);
            benchmark::DoNotOptimize(glyphs.data());
        }
    }
}

void LogLayoutReference(benchmark::State& state) {
    const size_t bytes = kLineLength * sizeof(PlacedGlyph);
    std::vector<uint8_t> source(bytes, 1), target(bytes);
    for (auto _ : state) {
        for (int i = 0; i < kLogLines; ++i) {
            std::memcpy(target.data(), source.data(), bytes);
            benchmark::DoNotOptimize(target.data());
            benchmark::ClobberMemory();
        }
    }
}

}  // namespace

BENCHMARK(SpriteBatchOurs)->Name("sprite batch of a frame/ours")->Repetitions(kRepetitions);
BENCHMARK(SpriteBatchReference)
    ->Name("sprite batch of a frame/reference")
    ->Repetitions(kRepetitions);
BENCHMARK(LogLayoutOurs)->Name("glyph layout of 24 log lines/ours")->Repetitions(kRepetitions);
BENCHMARK(LogLayoutReference)
    ->Name("glyph layout of 24 log lines/reference")
    ->Repetitions(kRepetitions);
