// CCanvas: blending and conversion to 8-bit pixels.
#include "tools/art/Canvas.h"

#include <algorithm>
#include <cmath>

Rgb Mix(const Rgb& a, const Rgb& b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

CCanvas::CCanvas(int width, int height, const Rgb& fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void CCanvas::Blend(int x, int y, const Rgb& colour, float coverage) {
    if (!Inside(x, y) || coverage <= 0.0f) return;
    Rgb& pixel = pixels_[Index(x, y)];
    pixel = Mix(pixel, colour, std::min(coverage, 1.0f));
}

void CCanvas::Scale(int x, int y, float factor) {
    if (!Inside(x, y)) return;
    Rgb& pixel = pixels_[Index(x, y)];
    pixel = {pixel.r * factor, pixel.g * factor, pixel.b * factor};
}

std::vector<uint8_t> CCanvas::ToBgr() const {
    const auto to8 = [](float v) {
        return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 255.0f)));
    };
    std::vector<uint8_t> bytes;
    bytes.reserve(pixels_.size() * 3);
    for (const Rgb& p : pixels_) {
        bytes.push_back(to8(p.b));
        bytes.push_back(to8(p.g));
        bytes.push_back(to8(p.r));
    }
    return bytes;
}
