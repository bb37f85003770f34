// Box-filter reduction of 32-bit texels (four 8-bit channels) to the next
// mip level, as used to fill a texture's mip chain from its top level.
#pragma once

#include <cstdint>

// Size of the level below one of the given size: half, at least 1.
inline uint32_t NextMipSize(uint32_t size) {
    return size > 1 ? size / 2 : 1;
}

// Number of levels of a full chain down to 1 by 1.
uint32_t FullMipChainLength(uint32_t width, uint32_t height);

// Each texel of the smaller level (sourceWidth and sourceHeight halved, at
// least 1) is the channel-wise rounded mean of the source texels it covers.
// Pitches are in texels.
void DownsampleMip(const uint32_t* source, uint32_t sourceWidth, uint32_t sourceHeight,
                   uint32_t sourcePitch, uint32_t* target, uint32_t targetPitch);
