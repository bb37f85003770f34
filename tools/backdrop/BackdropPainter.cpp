// The backdrop's grid, labels and captions.
#include "tools/backdrop/BackdropPainter.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "analysis/SpectrumStore.h"
#include "render/BarGraphLayout.h"
#include "tools/backdrop/PixelFont.h"

namespace backdrop {
namespace {

constexpr Rgba kMinorLine{190, 200, 220, 34};
constexpr Rgba kMajorLine{190, 200, 220, 80};
constexpr Rgba kFrame{200, 210, 230, 150};
constexpr Rgba kLabel{225, 232, 245, 255};
constexpr Rgba kCaption{150, 165, 190, 255};
constexpr Rgba kHalo{0, 0, 0, 150};
constexpr int kLabelScale = 2;  // at 100 %
constexpr int kLevelStepDb = 12;
constexpr int kLowestDb = -120;

// The 1-2-5 frequencies carry labels; the other whole multiples of each
// decade get fainter lines.
struct FrequencyMark {
    double hz;
    const char* label;
};
constexpr FrequencyMark kLabelled[] = {
    {20, "20"},   {50, "50"},   {100, "100"}, {200, "200"},   {500, "500"},
    {1000, "1k"}, {2000, "2k"}, {5000, "5k"}, {10000, "10k"}, {20000, "20k"},
};

struct Plot {
    int left;
    int right;
    int top;
    int bottom;
};

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

// Lengths at 100 % in the pixels of a picture for a larger editor: lines
// as thick as the scale rounds to, the pixel font in whole blocks.
struct Sizes {
    double scale;
    int Of(double length) const { return Round(length * scale); }
    int Line() const { return std::max(1, Round(scale)); }
    int LabelScale() const { return Round(kLabelScale * scale); }
};

int XOf(const BandTable& bands, double hz, const Sizes& sizes) {
    return sizes.Of(CBarGraphLayout::FrequencyX(bands, hz));
}

int YOfDb(const CBarGraphLayout& layout, double levelDb, const Sizes& sizes) {
    return sizes.Of(layout.LevelY(CSpectrumStore::LevelOfDb(levelDb)));
}

// The left edge of a label that ends a few pixels from the picture's right.
int RightAligned(const CPixelCanvas& canvas, std::string_view label, const Sizes& sizes) {
    return canvas.Width() - sizes.Of(5) - CPixelFont::TextWidth(label, sizes.LabelScale());
}

void VerticalLine(CPixelCanvas& canvas, int x, int y0, int y1, Rgba colour, const Sizes& sizes) {
    for (int i = 0; i < sizes.Line(); ++i) canvas.VerticalLine(x + i, y0, y1, colour);
}

void HorizontalLine(CPixelCanvas& canvas, int x0, int x1, int y, Rgba colour, const Sizes& sizes) {
    for (int i = 0; i < sizes.Line(); ++i) canvas.HorizontalLine(x0, x1, y + i, colour);
}

bool IsLabelled(double hz) {
    for (const FrequencyMark& mark : kLabelled) {
        if (mark.hz == hz) return true;
    }
    return false;
}

void FrequencyLines(CPixelCanvas& canvas, const BandTable& bands, const Plot& plot,
                    const Sizes& sizes) {
    for (double decade = 10.0; decade <= 10000.0; decade *= 10.0) {
        for (int multiple = 1; multiple <= 9; ++multiple) {
            const double hz = decade * multiple;
            if (hz < 20.0 || hz > 20000.0) continue;
            const Rgba colour = IsLabelled(hz) ? kMajorLine : kMinorLine;
            VerticalLine(canvas, XOf(bands, hz, sizes), plot.top, plot.bottom - 1, colour, sizes);
        }
    }
}

void FrequencyLabels(CPixelCanvas& canvas, const BandTable& bands, const Plot& plot,
                     const Sizes& sizes) {
    const int y = plot.bottom + sizes.Of(8);
    const int labelScale = sizes.LabelScale();
    for (const FrequencyMark& mark : kLabelled) {
        const int x = XOf(bands, mark.hz, sizes);
        VerticalLine(canvas, x, plot.bottom + sizes.Line(), plot.bottom + sizes.Of(4), kFrame,
                     sizes);
        const int width = CPixelFont::TextWidth(mark.label, labelScale);
        canvas.Text(mark.label, x - width / 2, y, labelScale, kLabel, kHalo);
    }
    // The unit sits at the left end of the row: the right end is the level
    // labels' column.
    canvas.Text("Hz", sizes.Of(5), y, labelScale, kCaption, kHalo);
}

void LevelLinesAndLabels(CPixelCanvas& canvas, const CBarGraphLayout& layout, const Plot& plot,
                         const Sizes& sizes) {
    const int labelScale = sizes.LabelScale();
    const int glyphHeight = CPixelFont::kGlyphHeight * labelScale;
    for (int levelDb = 0; levelDb >= kLowestDb; levelDb -= kLevelStepDb) {
        const int y = YOfDb(layout, levelDb, sizes);
        const bool edge = levelDb == 0 || levelDb == kLowestDb;
        if (!edge) {
            HorizontalLine(canvas, plot.left + sizes.Line(), plot.right - 1, y, kMajorLine, sizes);
        }
        // Right-aligned, so the digits line up under each other.
        const std::string label = std::to_string(levelDb);
        canvas.Text(label, RightAligned(canvas, label, sizes), y - glyphHeight / 2, labelScale,
                    kLabel, kHalo);
    }
    canvas.Text("dB", RightAligned(canvas, "dB", sizes), plot.top - glyphHeight - sizes.Of(12),
                labelScale, kCaption, kHalo);
}

void Frame(CPixelCanvas& canvas, const Plot& plot, const Sizes& sizes) {
    const int line = sizes.Line();
    HorizontalLine(canvas, plot.left, plot.right + line - 1, plot.top, kFrame, sizes);
    HorizontalLine(canvas, plot.left, plot.right + line - 1, plot.bottom, kFrame, sizes);
    VerticalLine(canvas, plot.left, plot.top + line, plot.bottom - 1, kFrame, sizes);
    VerticalLine(canvas, plot.right, plot.top + line, plot.bottom - 1, kFrame, sizes);
}

}  // namespace

CPixelCanvas Paint(const BandTable& bands, int percent) {
    const Sizes sizes{percent / 100.0};
    const CBarGraphLayout layout(kHeight);
    // The frame runs along 20 Hz and 20 kHz, along 0 dB and along the base
    // line the bars stand on.
    const Plot plot{XOf(bands, 20.0, sizes), XOf(bands, 20000.0, sizes), YOfDb(layout, 0.0, sizes),
                    YOfDb(layout, kLowestDb, sizes)};
    CPixelCanvas canvas(kWidth * percent / 100, kHeight * percent / 100);
    FrequencyLines(canvas, bands, plot, sizes);
    LevelLinesAndLabels(canvas, layout, plot, sizes);
    Frame(canvas, plot, sizes);
    FrequencyLabels(canvas, bands, plot, sizes);
    return canvas;
}

}  // namespace backdrop
