// Contents of the 2D bar graph's gradient texture: 4 by 256 ARGB texels,
// row t taking the level palette's entry t * 120 / 256, so row 0 is the
// loudest colour. The bars draw only column 0; all four hold the same.
#pragma once

#include <array>
#include <cstdint>

#include "params/Settings.h"

class CBarGradient {
public:
    static constexpr int kWidth = 4;
    static constexpr int kHeight = 256;
    using Palette = std::array<uint32_t, CSettings::kPaletteSize>;
    using Texels = std::array<uint32_t, kWidth * kHeight>;

    static int PaletteEntryOfRow(int row);
    static Texels Build(const Palette& palette);
};
