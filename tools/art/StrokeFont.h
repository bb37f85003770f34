// The capital letters of the product's name as centre lines of strokes, so
// that the name can be drawn at any size with smooth edges.
#pragma once

#include <string>
#include <vector>

struct Segment {
    float x0;
    float y0;
    float x1;
    float y1;
};

// Glyphs are kGlyphWidth wide per unit of height, y downwards.
constexpr float kGlyphWidth = 0.7f;

// The strokes of text with its top-left corner at (left, top), letters
// height tall and advance apart. Letters without a glyph leave a gap.
std::vector<Segment> TextStrokes(const std::string& text, float left, float top, float height,
                                 float advance);
