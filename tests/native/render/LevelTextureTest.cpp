// The level texture's scroll in pitched memory.
#include "render/LevelTexture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
constexpr int kPitch = LevelTexture::kRowBytes + 64;  // padded, as drivers hand out
constexpr uint32_t kPadding = 0xDEADBEEF;

uint32_t Texel(const std::vector<uint32_t>& bits, int row, int column) {
    return bits[row * (kPitch / 4) + column];
}
}  // namespace

TEST(LevelTexture, ScrollMovesRowsUpAndPutsTheNewestAtTheBottom) {
    std::vector<uint32_t> bits(LevelTexture::kHeight * kPitch / 4, kPadding);
    LevelTexture::Fill(bits.data(), kPitch, LevelTexture::kWidth, LevelTexture::kHeight,
                       LevelTexture::kInitialTexel);
    LevelTexture::TexelRow row;
    for (uint32_t frame = 1; frame <= 32; ++frame) {
        for (int column = 0; column < LevelTexture::kWidth; ++column)
            row[column] = frame * 1000 + column;
        LevelTexture::Scroll(bits.data(), kPitch, row);
        EXPECT_EQ(Texel(bits, 31, 5), frame * 1000 + 5);
        EXPECT_EQ(Texel(bits, 0, 5), frame == 32 ? 1005u : LevelTexture::kInitialTexel);
    }
    EXPECT_EQ(Texel(bits, 15, 255), 16u * 1000 + 255);
    for (int r = 0; r < LevelTexture::kHeight; ++r) {
        ASSERT_EQ(Texel(bits, r, LevelTexture::kWidth), kPadding) << r;
    }
}
