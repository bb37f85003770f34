// Drawing on the backdrop's RGBA picture.
#include "tools/backdrop/PixelCanvas.h"

#include <algorithm>
#include <cmath>

#include "tools/backdrop/PixelFont.h"

CPixelCanvas::CPixelCanvas(int width, int height)
    : width_(width), height_(height), bytes_(static_cast<size_t>(width) * height * 4, 0) {}

Rgba CPixelCanvas::At(int x, int y) const {
    const uint8_t* pixel = &bytes_[(static_cast<size_t>(y) * width_ + x) * 4];
    return Rgba{pixel[0], pixel[1], pixel[2], pixel[3]};
}

void CPixelCanvas::Blend(int x, int y, Rgba colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    uint8_t* pixel = &bytes_[(static_cast<size_t>(y) * width_ + x) * 4];
    const double top = colour.alpha / 255.0;
    const double below = pixel[3] / 255.0 * (1.0 - top);
    const double alpha = top + below;
    if (alpha <= 0.0) return;
    const auto mix = [&](uint8_t over, uint8_t under) {
        return static_cast<uint8_t>(std::lround((over * top + under * below) / alpha));
    };
    pixel[0] = mix(colour.red, pixel[0]);
    pixel[1] = mix(colour.green, pixel[1]);
    pixel[2] = mix(colour.blue, pixel[2]);
    pixel[3] = static_cast<uint8_t>(std::lround(alpha * 255.0));
}

void CPixelCanvas::HorizontalLine(int x0, int x1, int y, Rgba colour) {
    for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x) Blend(x, y, colour);
}

void CPixelCanvas::VerticalLine(int x, int y0, int y1, Rgba colour) {
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y) Blend(x, y, colour);
}

void CPixelCanvas::Text(std::string_view text, int x, int y, int scale, Rgba colour, Rgba halo) {
    // The halo is the glyphs grown by one pixel, laid down first and blended
    // once per pixel so that overlapping growth does not darken it further.
    CPixelCanvas haloMask(width_, height_);
    haloMask.Glyphs(text, x, y, scale, 1, Rgba{0, 0, 0, 255});
    for (int row = 0; row < height_; ++row) {
        for (int column = 0; column < width_; ++column) {
            if (haloMask.At(column, row).alpha != 0) Blend(column, row, halo);
        }
    }
    Glyphs(text, x, y, scale, 0, colour);
}

void CPixelCanvas::Glyphs(std::string_view text, int x, int y, int scale, int grow, Rgba colour) {
    for (size_t index = 0; index < text.size(); ++index) {
        const int left = x + static_cast<int>(index) * CPixelFont::kAdvance * scale;
        for (int row = 0; row < CPixelFont::kGlyphHeight; ++row) {
            for (int column = 0; column < CPixelFont::kGlyphWidth; ++column) {
                if (!CPixelFont::PixelSet(text[index], column, row)) continue;
                for (int dy = -grow; dy < scale + grow; ++dy) {
                    for (int dx = -grow; dx < scale + grow; ++dx) {
                        const int px = left + column * scale + dx;
                        const int py = y + row * scale + dy;
                        if (px < 0 || py < 0 || px >= width_ || py >= height_) continue;
                        if (grow > 0) {
                            bytes_[(static_cast<size_t>(py) * width_ + px) * 4 + 3] = 255;
                        } else {
                            Blend(px, py, colour);
                        }
                    }
                }
            }
        }
    }
}
