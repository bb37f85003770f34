// Level and gradient texture contents.
#include "render/LevelTexture.h"

#include <cassert>
#include <cstring>

namespace LevelTexture {

namespace {
uint32_t* Row(void* bits, int pitchBytes, int row) {
    return reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(bits) +
                                       static_cast<ptrdiff_t>(row) * pitchBytes);
}
constexpr float kEntriesPerGradientRow = 0.46875f;
}  // namespace

void Fill(void* bits, int pitchBytes, int width, int height, uint32_t texel) {
    for (int row = 0; row < height; ++row) {
        uint32_t* texels = Row(bits, pitchBytes, row);
        for (int column = 0; column < width; ++column) texels[column] = texel;
    }
}

void FillGradient(void* bits, int pitchBytes, const LevelPalette& palette) {
    for (int row = 0; row < kGradientSize; ++row) {
        const int entry =
            static_cast<int>(119.0f - static_cast<float>(row) * kEntriesPerGradientRow);
        uint32_t* texels = Row(bits, pitchBytes, row);
        for (int column = 0; column < kGradientSize; ++column) texels[column] = palette[entry];
    }
}

void Scroll(void* bits, int pitchBytes, const TexelRow& newest) {
    assert(pitchBytes >= kRowBytes);
    for (int row = 1; row < kHeight; ++row) {
        std::memcpy(Row(bits, pitchBytes, row - 1), Row(bits, pitchBytes, row), kRowBytes);
    }
    std::memcpy(Row(bits, pitchBytes, kHeight - 1), newest.data(), kRowBytes);
}

void ReplaceNewest(void* bits, int pitchBytes, const TexelRow& newest) {
    assert(pitchBytes >= kRowBytes);
    std::memcpy(Row(bits, pitchBytes, kHeight - 1), newest.data(), kRowBytes);
}

}  // namespace LevelTexture
