// The 2D bar graph's gradient texture contents.
#include "render/BarGradient.h"

int CBarGradient::PaletteEntryOfRow(int row) {
    // 0.46875 is 120 / 256: the palette spread over the texture's rows.
    return static_cast<int>(static_cast<float>(row) * 0.46875f);
}

CBarGradient::Texels CBarGradient::Build(const Palette& palette) {
    Texels texels{};
    for (int row = 0; row < kHeight; ++row) {
        const uint32_t colour = palette[PaletteEntryOfRow(row)];
        for (int column = 0; column < kWidth; ++column) texels[row * kWidth + column] = colour;
    }
    return texels;
}
