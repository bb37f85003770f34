// A floating-point RGB picture that the panel art is painted on, with
// coverage-weighted blending so that shapes get smooth edges.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Rgb {
    float r;
    float g;
    float b;
};

Rgb Mix(const Rgb& a, const Rgb& b, float t);

class CCanvas {
public:
    CCanvas(int width, int height, const Rgb& fill);

    int Width() const { return width_; }
    int Height() const { return height_; }

    const Rgb& At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, const Rgb& colour) { pixels_[Index(x, y)] = colour; }
    // Covers the pixel with colour by coverage (0..1); outside pixels are ignored.
    void Blend(int x, int y, const Rgb& colour, float coverage);
    // Multiplies the pixel by factor (darkens below 1, lightens above).
    void Scale(int x, int y, float factor);

    // 8-bit blue, green, red triples, top row first, rounded and clamped.
    std::vector<uint8_t> ToBgr() const;

private:
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};
