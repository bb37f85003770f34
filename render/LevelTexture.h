// Contents of the waterfall's two textures, written into whatever memory the
// device hands out (rows pitchBytes apart): the 256 x 32 level texture,
// whose bottom row is the newest spectrum's colours and which scrolls up one
// row per frame, and the 256 x 256 gradient of the curtain, the palette from
// quietest (top) to loudest (bottom).
#pragma once

#include <array>
#include <cstdint>

#include "params/Settings.h"

using LevelPalette = std::array<uint32_t, CSettings::kPaletteSize>;

namespace LevelTexture {

constexpr int kWidth = 256;
constexpr int kHeight = 32;
constexpr int kGradientSize = 256;
constexpr int kRowBytes = kWidth * 4;
// Dark green, every texel before the first frame.
constexpr uint32_t kInitialTexel = 0xFF006900;

using TexelRow = std::array<uint32_t, kWidth>;

void Fill(void* bits, int pitchBytes, int width, int height, uint32_t texel);

// Texel row t is palette entry (int)(119 - t * 0.46875) in every column.
void FillGradient(void* bits, int pitchBytes, const LevelPalette& palette);

// Rows 1..31 move up one row and row 31 becomes the newest row; 256 new
// texels per frame.
void Scroll(void* bits, int pitchBytes, const TexelRow& newest);

// Row 31 alone becomes these texels: the front row changed without a
// scroll (the waterfall's history by time).
void ReplaceNewest(void* bits, int pitchBytes, const TexelRow& newest);

}  // namespace LevelTexture
