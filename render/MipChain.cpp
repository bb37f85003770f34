// Box filter of the mip chain.
#include "render/MipChain.h"

uint32_t FullMipChainLength(uint32_t width, uint32_t height) {
    uint32_t levels = 1;
    while (width > 1 || height > 1) {
        width = NextMipSize(width);
        height = NextMipSize(height);
        ++levels;
    }
    return levels;
}

void DownsampleMip(const uint32_t* source, uint32_t sourceWidth, uint32_t sourceHeight,
                   uint32_t sourcePitch, uint32_t* target, uint32_t targetPitch) {
    const uint32_t width = NextMipSize(sourceWidth);
    const uint32_t height = NextMipSize(sourceHeight);
    // An odd or unit dimension folds one or two source texels per target texel.
    const uint32_t spanX = sourceWidth > 1 ? 2 : 1;
    const uint32_t spanY = sourceHeight > 1 ? 2 : 1;
    const uint32_t count = spanX * spanY;
    for (uint32_t y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < width; ++x) {
            uint32_t sums[4] = {0, 0, 0, 0};
            for (uint32_t dy = 0; dy < spanY; ++dy) {
                for (uint32_t dx = 0; dx < spanX; ++dx) {
                    const uint32_t texel = source[(y * spanY + dy) * sourcePitch + x * spanX + dx];
                    for (int channel = 0; channel < 4; ++channel) {
                        sums[channel] += (texel >> (8 * channel)) & 0xFFu;
                    }
                }
            }
            uint32_t mean = 0;
            for (int channel = 0; channel < 4; ++channel) {
                mean |= ((sums[channel] + count / 2) / count) << (8 * channel);
            }
            target[y * targetPitch + x] = mean;
        }
    }
}
