// Where the 2D bar graph puts things. The 256 band levels become 255
// segments of three one-pixel columns from x = 66 to x = 830, band j's level
// at the first column of segment j; columns stand on a base line 33 pixels
// above the view's bottom and are one pixel tall per texel of the 256-row
// gradient. The backdrop's grid is drawn with the same mapping, so its lines
// sit where the bars of those frequencies and levels fall.
#pragma once

#include <array>

#include "analysis/BandRange.h"
#include "analysis/SpectrumStore.h"
#include "params/Settings.h"

class CBarGraphLayout {
public:
    static constexpr int kSegmentCount = kBandCount - 1;
    static constexpr int kColumnsPerSegment = 3;
    static constexpr int kColumnCount = kSegmentCount * kColumnsPerSegment;
    static constexpr float kLeftX = 66.0f;
    static constexpr int kBaseMargin = 33;
    static constexpr int kGradientHeight = 256;
    static constexpr int kPeakMarkRows = 2;

    enum class Mode { kBars, kPeakMarks };

    // One column: the gradient's rows sourceTop..sourceBottom-1 (column 0)
    // drawn with their top left at (x, y). Empty when sourceTop equals
    // sourceBottom.
    struct Column {
        float x;
        float y;
        int sourceTop;
        int sourceBottom;
    };
    using Columns = std::array<Column, kColumnCount>;

    explicit CBarGraphLayout(int viewHeight) : baseY_(viewHeight - kBaseMargin) {}

    float BaseY() const { return static_cast<float>(baseY_); }
    // The top of a column of the level 0..1.
    float LevelY(float level) const { return BaseY() - level * kGradientHeight; }
    // The column that shows a band's own level.
    static float BandX(int band) { return kLeftX + static_cast<float>(band * kColumnsPerSegment); }

    // The columns of 256 levels: in bar mode each stands on the base line and
    // shows the lowest rows of the gradient, so its top has the colour of its
    // own level; in peak mode it is a two-row mark at the level. Levels
    // outside 0..1 (or undefined) are held to that range.
    void Layout(const BandLevels& levels, Mode mode, Columns& columns) const;

    // Position of a frequency among the bands: band i's lower edge is i, its
    // upper edge i + 1, logarithmic in between. Held to the table's range.
    static double BandPosition(const BandTable& bands, double hz);
    // The x at which a frequency is drawn: a band's column stands for the
    // middle of its band.
    static double FrequencyX(const BandTable& bands, double hz);

private:
    int baseY_;
};
