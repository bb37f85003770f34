// Where a store level (0.0 at -120 dB, 1.0 at 0 dB) stands in the waterfall
// and which palette colour it gets: the 3D range in dB sits at height 0 and
// 0 dB at height 200, linear in dB between.
#pragma once

namespace LevelHeight {

constexpr int kQuietestPaletteEntry = 119;

// 0 at or below the range's floor, 1 at 0 dB. With a range of 0 dB the
// floor is 0 dB itself and the ramp has no width: a level of 1.0 (0 dB or
// louder) then stands at full height and everything quieter at 0.
float NormalisedHeight(float level, float range3dDb);

// Scene height 0 to 200 of a level.
float HeightOfLevel(float level, float range3dDb);

// Palette entry of a normalised height: 0 (loudest) at 1, 119 at 0; heights
// outside 0..1 are held to the ends.
int PaletteIndexOfHeight(float normalisedHeight);

}  // namespace LevelHeight
