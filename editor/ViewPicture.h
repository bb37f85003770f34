// A picture of the view as it was presented: rows top to bottom, each pixel
// 0xAARRGGBB with the alpha byte opaque.
#pragma once

#include <cstdint>
#include <vector>

struct ViewPicture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;
};
