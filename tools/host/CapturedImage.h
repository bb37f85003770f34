// A captured picture in memory: 32-bit 0xAARRGGBB pixels, rows top to
// bottom, with the few operations pixel tests need.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct CapturedImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;

    bool Empty() const { return width <= 0 || height <= 0; }
    // 0 outside the picture.
    uint32_t At(int32_t x, int32_t y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) return 0;
        return pixels[static_cast<size_t>(y) * width + x];
    }
};

inline int32_t RedOf(uint32_t pixel) {
    return static_cast<int32_t>((pixel >> 16) & 0xFF);
}
inline int32_t GreenOf(uint32_t pixel) {
    return static_cast<int32_t>((pixel >> 8) & 0xFF);
}
inline int32_t BlueOf(uint32_t pixel) {
    return static_cast<int32_t>(pixel & 0xFF);
}

// Copies source into target with its top-left corner at (x, y), clipped to
// target: how a view's Direct3D frame is put into a capture of its window.
void PasteImage(CapturedImage& target, const CapturedImage& source, int32_t x, int32_t y);

// Writes image as an opaque PNG file; false when the file cannot be written.
bool SavePng(const CapturedImage& image, const std::string& path);
