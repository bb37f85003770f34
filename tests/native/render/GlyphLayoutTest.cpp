// Text layout and measuring with a fixed glyph-metric table.
#include "render/GlyphLayout.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t kLineHeight = 10;

// 'A' is 7 wide with ink reaching 1 to the left, 'i' 3 wide, space 4 wide with
// no ink, every other printable character 5 wide.
GlyphMetricTable FixedMetrics() {
    GlyphMetricTable metrics;
    metrics.lineHeight = kLineHeight;
    for (int code = 32; code < 256; ++code) metrics.glyphs[code] = {5, 0, 5};
    metrics.glyphs['A'] = {7, -1, 8};
    metrics.glyphs['i'] = {3, 0, 4};
    metrics.glyphs[' '] = {4, 0, 0};
    return metrics;
}

std::vector<PlacedGlyph> Layout(const char* text, os::Rect rect, uint32_t format) {
    std::vector<PlacedGlyph> glyphs;
    LayoutText(FixedMetrics(), text, -1, rect, format, &glyphs);
    return glyphs;
}

TEST(GlyphLayout, MeasuresBySummingAdvances) {
    EXPECT_EQ(MeasureTextWidth(FixedMetrics(), "Ai x", 4), 7 + 3 + 4 + 5);
    EXPECT_EQ(MeasureTextWidth(FixedMetrics(), "Ai x", 2), 10);
    // Characters above 127 index the table as unsigned codes.
    EXPECT_EQ(MeasureTextWidth(FixedMetrics(), "\xE9\xFF", 2), 10);
}

TEST(GlyphLayout, CalcRectSetsTheExtentAndPlacesNothing) {
    os::Rect rect{10, 20, 0, 0};
    std::vector<PlacedGlyph> glyphs(3);
    EXPECT_EQ(LayoutText(FixedMetrics(), "AiA", -1, rect, kTextCalcRect | kTextSingleLine, &glyphs),
              kLineHeight);
    EXPECT_EQ(rect.right, 10 + 17);
    EXPECT_EQ(rect.bottom, 20 + kLineHeight);
    EXPECT_TRUE(glyphs.empty());
}

TEST(GlyphLayout, BreaksLinesAtEveryLineEndUnlessSingleLine) {
    os::Rect rect{0, 0, 0, 0};
    EXPECT_EQ(LayoutText(FixedMetrics(), "AA\nii\r\nA\rxxxx", -1, rect, kTextCalcRect, nullptr),
              4 * kLineHeight);
    EXPECT_EQ(rect.right, 20);  // the widest line, "xxxx"

    rect = {0, 0, 0, 0};
    EXPECT_EQ(
        LayoutText(FixedMetrics(), "AA\nii", -1, rect, kTextCalcRect | kTextSingleLine, nullptr),
        kLineHeight);
    EXPECT_EQ(rect.right, 14 + 6);  // the line feed itself has no width
}

TEST(GlyphLayout, LineEndAtTheEndOpensNoLine) {
    os::Rect rect{0, 0, 0, 0};
    EXPECT_EQ(LayoutText(FixedMetrics(), "AA\n", -1, rect, kTextCalcRect, nullptr), kLineHeight);
    rect = {0, 0, 0, 0};
    EXPECT_EQ(LayoutText(FixedMetrics(), "", -1, rect, kTextCalcRect, nullptr), kLineHeight);
    EXPECT_EQ(rect.right, 0);
}

TEST(GlyphLayout, PlacesGlyphsAtPenPlusInkOffsetAndSkipsInklessOnes) {
    const auto glyphs = Layout("A iA", {100, 50, 300, 80}, kTextNoClip);
    ASSERT_EQ(glyphs.size(), 3u);
    EXPECT_EQ(glyphs[0].x, 99);
    EXPECT_EQ(glyphs[1].x, 100 + 7 + 4);
    EXPECT_EQ(glyphs[2].x, 100 + 7 + 4 + 3 - 1);
    for (const PlacedGlyph& glyph : glyphs) EXPECT_EQ(glyph.y, 50);
    EXPECT_EQ(glyphs[2].code, 'A');
    EXPECT_EQ(glyphs[2].width, 8);
    EXPECT_EQ(glyphs[2].height, kLineHeight);
}

TEST(GlyphLayout, AlignsEachLineWithinTheRectangle) {
    // Lines 10 ("xx") and 15 ("xxx") wide in a rectangle 101 wide.
    const auto centred = Layout("xx\nxxx", {0, 0, 101, 100}, kTextCenter);
    ASSERT_EQ(centred.size(), 5u);
    EXPECT_EQ(centred[0].x, 45);  // (101 - 10) / 2 rounded down
    EXPECT_EQ(centred[2].x, 43);
    EXPECT_EQ(centred[2].y, kLineHeight);

    const auto right = Layout("xx\nxxx", {0, 0, 101, 100}, kTextRight);
    EXPECT_EQ(right[1].x + 5, 101);
    EXPECT_EQ(right[4].x + 5, 101);

    // Wider than the rectangle: centred about its middle, overhanging both sides.
    const auto wide = Layout("xxx", {0, 0, 10, 10}, kTextCenter | kTextNoClip);
    EXPECT_EQ(wide[0].x, -3);
}

TEST(GlyphLayout, AlignsTheBlockVertically) {
    EXPECT_EQ(Layout("x", {0, 0, 50, 40}, kTextBottom | kTextSingleLine)[0].y, 30);
    EXPECT_EQ(Layout("x", {0, 0, 50, 41}, kTextVCenter | kTextSingleLine)[0].y, 15);
}

TEST(GlyphLayout, ClipsToTheRectangleUnlessNoClip) {
    // "xxx" from x = 0: the second glyph is cut at 8, the third lies outside.
    const auto clipped = Layout("xxx", {0, 4, 8, 100}, kTextLeft);
    ASSERT_EQ(clipped.size(), 2u);
    EXPECT_EQ(clipped[0].y, 4);
    EXPECT_EQ(clipped[0].sourceY, 0);
    EXPECT_EQ(clipped[1].x, 5);
    EXPECT_EQ(clipped[1].width, 3);
    EXPECT_EQ(clipped[1].sourceX, 0);

    // Cut on the left: the source moves with the cut. "xx" is 10 wide, right
    // aligned in 7 pixels, so the first glyph starts 3 pixels early.
    const auto cutLeft = Layout("xx", {2, 0, 9, 100}, kTextRight);
    ASSERT_EQ(cutLeft.size(), 2u);
    EXPECT_EQ(cutLeft[0].x, 2);
    EXPECT_EQ(cutLeft[0].sourceX, 3);
    EXPECT_EQ(cutLeft[0].width, 2);
    EXPECT_EQ(cutLeft[1].x, 4);
    EXPECT_EQ(cutLeft[1].sourceX, 0);
    EXPECT_EQ(cutLeft[1].width, 5);

    // Ink left of the pen is clipped at the rectangle's edge.
    const auto inkLeft = Layout("A", {0, 0, 100, 100}, kTextLeft);
    ASSERT_EQ(inkLeft.size(), 1u);
    EXPECT_EQ(inkLeft[0].x, 0);
    EXPECT_EQ(inkLeft[0].sourceX, 1);
    EXPECT_EQ(inkLeft[0].width, 7);

    EXPECT_EQ(Layout("xxx", {0, 4, 8, 100}, kTextNoClip).size(), 3u);
}

TEST(GlyphLayout, ClippingAtTheTopMovesTheSource) {
    os::Rect rect{0, 0, 100, 6};
    std::vector<PlacedGlyph> glyphs;
    // The line is 10 high and centred on a 6-high rectangle: 2 cut at each end.
    LayoutText(FixedMetrics(), "x", -1, rect, kTextVCenter | kTextSingleLine, &glyphs);
    ASSERT_EQ(glyphs.size(), 1u);
    EXPECT_EQ(glyphs[0].y, 0);
    EXPECT_EQ(glyphs[0].sourceY, 2);
    EXPECT_EQ(glyphs[0].height, 6);
}

}  // namespace
