// Box filter of the mip chain.
#include "render/MipChain.h"

#include <gtest/gtest.h>

namespace {

TEST(MipChain, FullChainReachesOneByOne) {
    EXPECT_EQ(FullMipChainLength(1, 1), 1u);
    EXPECT_EQ(FullMipChainLength(256, 32), 9u);
    EXPECT_EQ(FullMipChainLength(900, 400), 10u);
    EXPECT_EQ(FullMipChainLength(4, 256), 9u);
}

TEST(MipChain, AveragesEachChannelWithRounding) {
    // Channels apart so that a carry between them would show.
    const uint32_t source[4] = {0xFF000000u, 0xFF0000FFu, 0x00FF0001u, 0x01FF0002u};
    uint32_t target = 0;
    DownsampleMip(source, 2, 2, 2, &target, 1);
    // alpha (255+255+0+1)/4 = 127.75, red 127.5, green 0, blue (255+1+2)/4 = 64.5
    EXPECT_EQ(target, 0x80800041u);
}

TEST(MipChain, HonoursPitchesAndThinLevels) {
    // A 4 by 1 row with padding in its pitch becomes 2 by 1.
    const uint32_t row[6] = {10, 20, 30, 50, 999, 999};
    uint32_t target[3] = {0, 0, 777};
    DownsampleMip(row, 4, 1, 6, target, 3);
    EXPECT_EQ(target[0], 15u);
    EXPECT_EQ(target[1], 40u);
    EXPECT_EQ(target[2], 777u);

    // A 1 by 2 column becomes 1 by 1.
    const uint32_t column[2] = {0x00000010u, 0x00000030u};
    uint32_t single = 0;
    DownsampleMip(column, 1, 2, 1, &single, 1);
    EXPECT_EQ(single, 0x20u);
}

}  // namespace
