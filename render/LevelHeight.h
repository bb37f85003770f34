// Where a store level (0.0 at -120 dB, 1.0 at 0 dB) stands in the waterfall
// and which palette colour it gets: the 3D range in dB sits at height 0 and
// 0 dB at height 200, linear in dB between. Inline: the waterfall maps every
// band of every frame through it.
#pragma once

#include <algorithm>

#include "render/WaterGeometry.h"

namespace LevelHeight {

constexpr int kQuietestPaletteEntry = 119;
// 1 / 120 as float: the level of one decibel.
constexpr float kLevelPerDb = 0.008333334f;

// 0 at or below the range's floor, 1 at 0 dB. With a range of 0 dB the
// floor is 0 dB itself and the ramp has no width: a level of 1.0 (0 dB or
// louder) then stands at full height and everything quieter at 0.
inline float NormalisedHeight(float level, float range3dDb) {
    const float floorLevel = (range3dDb + 120.0f) * kLevelPerDb;
    const float span = 1.0f - floorLevel;
    if (!(span > 0.0f)) return level >= 1.0f ? 1.0f : 0.0f;
    if (level - floorLevel < 0.0f) return 0.0f;
    return (level - floorLevel) / span;
}

// Scene height 0 to 200 of a level.
inline float HeightOfLevel(float level, float range3dDb) {
    return NormalisedHeight(level, range3dDb) * WaterGeometry::kTopHeight;
}

// Palette entry of a normalised height: 0 (loudest) at 1, 119 at 0; heights
// outside 0..1 are held to the ends.
inline int PaletteIndexOfHeight(float normalisedHeight) {
    const float held = std::clamp(normalisedHeight, 0.0f, 1.0f);
    return static_cast<int>((1.0f - held) * static_cast<double>(kQuietestPaletteEntry));
}

}  // namespace LevelHeight
