// Level to height and palette entry.
#include "render/LevelHeight.h"

#include <algorithm>

#include "render/WaterGeometry.h"

namespace LevelHeight {

namespace {
// 1 / 120 as float: the level of one decibel.
constexpr float kLevelPerDb = 0.008333334f;
constexpr float kFullLevel = 1.0f;
}  // namespace

float NormalisedHeight(float level, float range3dDb) {
    const float floorLevel = (range3dDb + 120.0f) * kLevelPerDb;
    const float span = kFullLevel - floorLevel;
    if (!(span > 0.0f)) return level >= kFullLevel ? 1.0f : 0.0f;
    if (level - floorLevel < 0.0f) return 0.0f;
    return (level - floorLevel) / span;
}

float HeightOfLevel(float level, float range3dDb) {
    return NormalisedHeight(level, range3dDb) * WaterGeometry::kTopHeight;
}

int PaletteIndexOfHeight(float normalisedHeight) {
    const float held = std::clamp(normalisedHeight, 0.0f, 1.0f);
    return static_cast<int>((1.0f - held) * static_cast<double>(kQuietestPaletteEntry));
}

}  // namespace LevelHeight
