// Line breaking, alignment, clipping and measuring of text.
#include "render/GlyphLayout.h"

#include <algorithm>
#include <cstring>

namespace {

struct Line {
    const char* text;
    int32_t count;
    int32_t width;
};

// Rounds towards negative infinity, so that a text wider than its rectangle
// is centred the same way as one narrower.
int32_t HalfOf(int32_t value) {
    return value >= 0 ? value / 2 : -((1 - value) / 2);
}

uint8_t CodeOf(char character) {
    return static_cast<uint8_t>(character);
}

// Breaks at "\r\n", "\n" and "\r". A break at the very end opens no line.
void SplitLines(const GlyphMetricTable& metrics, const char* text, int32_t count, bool singleLine,
                std::vector<Line>& lines) {
    int32_t start = 0;
    for (int32_t i = 0; i < count; ++i) {
        if (singleLine || (text[i] != '\n' && text[i] != '\r')) continue;
        lines.push_back(
            {text + start, i - start, MeasureTextWidth(metrics, text + start, i - start)});
        if (text[i] == '\r' && i + 1 < count && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < count || lines.empty()) {
        lines.push_back(
            {text + start, count - start, MeasureTextWidth(metrics, text + start, count - start)});
    }
}

int32_t LineLeft(const os::Rect& rect, int32_t width, uint32_t format) {
    if ((format & kTextRight) != 0) return rect.right - width;
    if ((format & kTextCenter) != 0) return rect.left + HalfOf(rect.right - rect.left - width);
    return rect.left;
}

int32_t BlockTop(const os::Rect& rect, int32_t height, uint32_t format) {
    if ((format & kTextBottom) != 0) return rect.bottom - height;
    if ((format & kTextVCenter) != 0) return rect.top + HalfOf(rect.bottom - rect.top - height);
    return rect.top;
}

// Trims glyph to rect; false when nothing of it is left.
bool ClipToRect(PlacedGlyph& glyph, const os::Rect& rect) {
    const int32_t left = std::max(glyph.x, rect.left);
    const int32_t top = std::max(glyph.y, rect.top);
    const int32_t right = std::min(glyph.x + glyph.width, rect.right);
    const int32_t bottom = std::min(glyph.y + glyph.height, rect.bottom);
    if (left >= right || top >= bottom) return false;
    glyph.sourceX += left - glyph.x;
    glyph.sourceY += top - glyph.y;
    glyph = {glyph.code, left, top, glyph.sourceX, glyph.sourceY, right - left, bottom - top};
    return true;
}

void PlaceLine(const GlyphMetricTable& metrics, const Line& line, int32_t penX, int32_t top,
               const os::Rect& rect, bool clip, std::vector<PlacedGlyph>& glyphs) {
    for (int32_t i = 0; i < line.count; ++i) {
        const uint8_t code = CodeOf(line.text[i]);
        const GlyphMetric& metric = metrics.glyphs[code];
        if (metric.inkWidth > 0 && metrics.lineHeight > 0) {
            PlacedGlyph glyph{
                code, penX + metric.inkOffset, top, 0, 0, metric.inkWidth, metrics.lineHeight};
            if (!clip || ClipToRect(glyph, rect)) glyphs.push_back(glyph);
        }
        penX += metric.advance;
    }
}

}  // namespace

int32_t MeasureTextWidth(const GlyphMetricTable& metrics, const char* text, int32_t count) {
    int32_t width = 0;
    for (int32_t i = 0; i < count; ++i) width += metrics.glyphs[CodeOf(text[i])].advance;
    return width;
}

int32_t LayoutText(const GlyphMetricTable& metrics, const char* text, int32_t count, os::Rect& rect,
                   uint32_t format, std::vector<PlacedGlyph>* glyphs) {
    if (glyphs != nullptr) glyphs->clear();
    if (text == nullptr) return 0;
    if (count < 0) count = static_cast<int32_t>(std::strlen(text));

    thread_local std::vector<Line> lines;
    lines.clear();
    SplitLines(metrics, text, count, (format & kTextSingleLine) != 0, lines);
    const int32_t height = static_cast<int32_t>(lines.size()) * metrics.lineHeight;

    if ((format & kTextCalcRect) != 0) {
        int32_t width = 0;
        for (const Line& line : lines) width = std::max(width, line.width);
        rect.right = rect.left + width;
        rect.bottom = rect.top + height;
        return height;
    }
    if (glyphs == nullptr) return height;
    const bool clip = (format & kTextNoClip) == 0;
    int32_t top = BlockTop(rect, height, format);
    for (const Line& line : lines) {
        PlaceLine(metrics, line, LineLeft(rect, line.width, format), top, rect, clip, *glyphs);
        top += metrics.lineHeight;
    }
    return height;
}
