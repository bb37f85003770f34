// Contents of the level meter's texture: 16 by 256 ARGB texels, row 0 at
// full scale. Each row is coloured by the level in dB that its height stands
// for (green below -4 dB, yellow below -1 dB, red above), every third row is
// a black separator, and the rows fade out towards silence.
#pragma once

#include <array>
#include <cstdint>

class CMeterTexture {
public:
    static constexpr int kWidth = 16;
    static constexpr int kHeight = 256;
    static constexpr uint32_t kGreen = 0x00FF00u;
    static constexpr uint32_t kYellow = 0xFFFF00u;
    static constexpr uint32_t kRed = 0xFF0000u;
    static constexpr uint32_t kBlack = 0x000000u;

    using Texels = std::array<uint32_t, kWidth * kHeight>;

    // Row by row from the top, as a locked texture is laid out (pitch aside).
    static Texels Build();
    // The texel of row 0..255 (every column of a row is the same).
    static uint32_t RowTexel(int row);
    // The zone colour (RGB, no alpha) of a level in dB.
    static uint32_t ZoneColour(double levelDb);
    // 20 log10 of the linear level that row stands for.
    static double RowLevelDb(int row);
};
