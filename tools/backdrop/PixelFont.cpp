// The backdrop's 5 by 7 pixel font.
#include "tools/backdrop/PixelFont.h"

#include <array>

namespace {

struct Glyph {
    char character;
    std::array<const char*, CPixelFont::kGlyphHeight> rows;
};

// Drawn as they look: '#' is a set pixel.
constexpr Glyph kGlyphs[] = {
    {'0', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    {'-', {".....", ".....", ".....", "..###", ".....", ".....", "....."}},
    {'k', {"#....", "#....", "#..#.", "#.#..", "##...", "#.#..", "#..#."}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'z', {".....", ".....", "#####", "...#.", "..#..", ".#...", "#####"}},
    {'d', {"....#", "....#", ".##.#", "#..##", "#...#", "#...#", ".####"}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {' ', {".....", ".....", ".....", ".....", ".....", ".....", "....."}},
};

const Glyph* Find(char character) {
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.character == character) return &glyph;
    }
    return nullptr;
}

}  // namespace

bool CPixelFont::HasGlyph(char character) {
    return Find(character) != nullptr;
}

bool CPixelFont::PixelSet(char character, int column, int row) {
    const Glyph* glyph = Find(character);
    if (glyph == nullptr || column < 0 || column >= kGlyphWidth || row < 0 || row >= kGlyphHeight) {
        return false;
    }
    return glyph->rows[row][column] == '#';
}

int CPixelFont::TextWidth(std::string_view text, int scale) {
    if (text.empty()) return 0;
    return (static_cast<int>(text.size()) * kAdvance - 1) * scale;
}
