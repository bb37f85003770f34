// Places the glyphs of a text in a rectangle the way the drawing-text call
// does: lines broken at line feeds (unless single-line), each aligned left,
// centred or right, the block aligned top, centred or bottom, glyphs clipped
// to the rectangle unless told not to, or only measured. Device-free; the
// font supplies the metrics of its glyph atlas.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "os/Window.h"

// The format flags, with the values of the Windows DT_ flags of the same name.
enum TextFormat : uint32_t {
    kTextLeft = 0x0,
    kTextCenter = 0x1,
    kTextRight = 0x2,
    kTextVCenter = 0x4,
    kTextBottom = 0x8,
    kTextSingleLine = 0x20,
    kTextNoClip = 0x100,
    kTextCalcRect = 0x400,
};

struct GlyphMetric {
    int16_t advance = 0;    // pen movement to the next glyph
    int16_t inkOffset = 0;  // from the pen to the left edge of the glyph's atlas cell
    int16_t inkWidth = 0;   // width of the atlas cell; 0 for a glyph with nothing to draw
};

struct GlyphMetricTable {
    int32_t lineHeight = 0;  // also the height of every atlas cell
    std::array<GlyphMetric, 256> glyphs{};
};

// One glyph to draw: the part of its atlas cell from (sourceX, sourceY)
// of size width by height, drawn with its top-left corner at (x, y).
struct PlacedGlyph {
    uint8_t code;
    int32_t x, y;
    int32_t sourceX, sourceY;
    int32_t width, height;
};

// Width of count characters of text as the pen advances over them.
int32_t MeasureTextWidth(const GlyphMetricTable& metrics, const char* text, int32_t count);

// Lays out count characters of text (up to its terminating zero when count
// is negative) in rect. With kTextCalcRect it only sets rect's right and
// bottom to the extent of the text and places nothing; otherwise it replaces
// the contents of glyphs (when not null). Returns the height of the text.
int32_t LayoutText(const GlyphMetricTable& metrics, const char* text, int32_t count, os::Rect& rect,
                   uint32_t format, std::vector<PlacedGlyph>* glyphs);
