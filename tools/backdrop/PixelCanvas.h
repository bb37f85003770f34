// A straight-alpha RGBA picture that starts fully transparent, with the few
// drawing operations the backdrop needs: blended pixels, axis-parallel
// lines and pixel-font text. Drawing outside the picture is clipped.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

struct Rgba {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
    uint8_t alpha;
};

class CPixelCanvas {
public:
    CPixelCanvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Rows from the top, four bytes per pixel in R G B A order.
    const uint8_t* Bytes() const { return bytes_.data(); }
    Rgba At(int x, int y) const;

    // Lays colour over what is there ("over" compositing).
    void Blend(int x, int y, Rgba colour);
    void HorizontalLine(int x0, int x1, int y, Rgba colour);
    void VerticalLine(int x, int y0, int y1, Rgba colour);
    // Text with its top left at (x, y); each glyph pixel is a scale by scale
    // block. A dark halo one block wide keeps it readable over the bars.
    void Text(std::string_view text, int x, int y, int scale, Rgba colour, Rgba halo);

private:
    void Glyphs(std::string_view text, int x, int y, int scale, int grow, Rgba colour);

    int width_;
    int height_;
    std::vector<uint8_t> bytes_;
};
