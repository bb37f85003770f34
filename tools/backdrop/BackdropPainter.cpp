// The backdrop's grid, labels and captions.
#include "tools/backdrop/BackdropPainter.h"

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
constexpr int kLabelScale = 2;
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

int XOf(const BandTable& bands, double hz) {
    return Round(CBarGraphLayout::FrequencyX(bands, hz));
}

int YOfDb(const CBarGraphLayout& layout, double levelDb) {
    return Round(layout.LevelY(CSpectrumStore::LevelOfDb(levelDb)));
}

// The left edge of a label that ends a few pixels from the picture's right.
int RightAligned(std::string_view label) {
    return kWidth - 5 - CPixelFont::TextWidth(label, kLabelScale);
}

bool IsLabelled(double hz) {
    for (const FrequencyMark& mark : kLabelled) {
        if (mark.hz == hz) return true;
    }
    return false;
}

void FrequencyLines(CPixelCanvas& canvas, const BandTable& bands, const Plot& plot) {
    for (double decade = 10.0; decade <= 10000.0; decade *= 10.0) {
        for (int multiple = 1; multiple <= 9; ++multiple) {
            const double hz = decade * multiple;
            if (hz < 20.0 || hz > 20000.0) continue;
            const Rgba colour = IsLabelled(hz) ? kMajorLine : kMinorLine;
            canvas.VerticalLine(XOf(bands, hz), plot.top, plot.bottom - 1, colour);
        }
    }
}

void FrequencyLabels(CPixelCanvas& canvas, const BandTable& bands, const Plot& plot) {
    const int y = plot.bottom + 8;
    for (const FrequencyMark& mark : kLabelled) {
        const int x = XOf(bands, mark.hz);
        canvas.VerticalLine(x, plot.bottom + 1, plot.bottom + 4, kFrame);
        const int width = CPixelFont::TextWidth(mark.label, kLabelScale);
        canvas.Text(mark.label, x - width / 2, y, kLabelScale, kLabel, kHalo);
    }
    // The unit sits at the left end of the row: the right end is the level
    // labels' column.
    canvas.Text("Hz", 5, y, kLabelScale, kCaption, kHalo);
}

void LevelLinesAndLabels(CPixelCanvas& canvas, const CBarGraphLayout& layout, const Plot& plot) {
    const int glyphHeight = CPixelFont::kGlyphHeight * kLabelScale;
    for (int levelDb = 0; levelDb >= kLowestDb; levelDb -= kLevelStepDb) {
        const int y = YOfDb(layout, levelDb);
        const bool edge = levelDb == 0 || levelDb == kLowestDb;
        if (!edge) canvas.HorizontalLine(plot.left + 1, plot.right - 1, y, kMajorLine);
        // Right-aligned, so the digits line up under each other.
        const std::string label = std::to_string(levelDb);
        canvas.Text(label, RightAligned(label), y - glyphHeight / 2, kLabelScale, kLabel, kHalo);
    }
    canvas.Text("dB", RightAligned("dB"), plot.top - glyphHeight - 12, kLabelScale, kCaption,
                kHalo);
}

void Frame(CPixelCanvas& canvas, const Plot& plot) {
    canvas.HorizontalLine(plot.left, plot.right, plot.top, kFrame);
    canvas.HorizontalLine(plot.left, plot.right, plot.bottom, kFrame);
    canvas.VerticalLine(plot.left, plot.top + 1, plot.bottom - 1, kFrame);
    canvas.VerticalLine(plot.right, plot.top + 1, plot.bottom - 1, kFrame);
}

}  // namespace

CPixelCanvas Paint(const BandTable& bands) {
    const CBarGraphLayout layout(kHeight);
    // The frame runs along 20 Hz and 20 kHz, along 0 dB and along the base
    // line the bars stand on.
    const Plot plot{XOf(bands, 20.0), XOf(bands, 20000.0), YOfDb(layout, 0.0),
                    YOfDb(layout, kLowestDb)};
    CPixelCanvas canvas(kWidth, kHeight);
    FrequencyLines(canvas, bands, plot);
    LevelLinesAndLabels(canvas, layout, plot);
    Frame(canvas, plot);
    FrequencyLabels(canvas, bands, plot);
    return canvas;
}

}  // namespace backdrop
