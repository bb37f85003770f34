// A small built-in 5 by 7 pixel font for the backdrop's labels: digits and
// the few letters the axis labels need ("k", "Hz", "dB"), each glyph drawn
// as scale by scale blocks, one blank column between glyphs.
#pragma once

#include <string_view>

class CPixelFont {
public:
    static constexpr int kGlyphWidth = 5;
    static constexpr int kGlyphHeight = 7;
    static constexpr int kAdvance = kGlyphWidth + 1;

    // Whether the pixel (column, row) of a character's glyph is set; false for
    // characters the font does not have.
    static bool PixelSet(char character, int column, int row);
    static bool HasGlyph(char character);
    // Width in pixels of a text at a scale, without the trailing blank column.
    static int TextWidth(std::string_view text, int scale);
};
