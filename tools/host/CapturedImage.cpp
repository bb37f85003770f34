// Combining captures and writing them as PNG files (stb_image_write).
#include "tools/host/CapturedImage.h"

#include <algorithm>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

void PasteImage(CapturedImage& target, const CapturedImage& source, int32_t x, int32_t y) {
    for (int32_t row = std::max(0, -y); row < source.height && row + y < target.height; ++row) {
        for (int32_t column = std::max(0, -x); column < source.width && column + x < target.width;
             ++column) {
            target.pixels[static_cast<size_t>(row + y) * target.width + column + x] =
                source.pixels[static_cast<size_t>(row) * source.width + column];
        }
    }
}

bool SavePng(const CapturedImage& image, const std::string& path) {
    if (image.Empty()) return false;
    std::vector<uint8_t> rgba(image.pixels.size() * 4);
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        const uint32_t pixel = image.pixels[i];
        rgba[i * 4 + 0] = static_cast<uint8_t>(RedOf(pixel));
        rgba[i * 4 + 1] = static_cast<uint8_t>(GreenOf(pixel));
        rgba[i * 4 + 2] = static_cast<uint8_t>(BlueOf(pixel));
        rgba[i * 4 + 3] = 0xFF;
    }
    return stbi_write_png(path.c_str(), image.width, image.height, 4, rgba.data(),
                          image.width * 4) != 0;
}
