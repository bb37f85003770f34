// The view at 200 % through the real module, checked by the pixels of
// presented frames: everything stands where it stands at 100 %, twice as
// far from the corner, and the text is rendered at the larger size rather
// than stretched.
#include <cmath>
#include <utility>

#include "render/BarGraph2DState.h"
#include "render/BarGraphLayout.h"
#include "tests/win/editor/PictureHost.h"

namespace {

using namespace picture;

// The column of the graph's highest red pixel, the tip of the loudest bar.
int TipColumn(const CapturedImage& frame, int scale) {
    const CBarGraphLayout layout(kViewHeight);
    for (int y = static_cast<int>(layout.LevelY(1.0f)) * scale; y < frame.height; ++y) {
        for (int x = 0; x < frame.width; ++x) {
            const uint32_t pixel = frame.At(x, y);
            if (RedOf(pixel) > 200 && GreenOf(pixel) < 150 && BlueOf(pixel) < 80) return x;
        }
    }
    return -1;
}
bool IsTextGreen(uint32_t pixel) {
    return GreenOf(pixel) > 60 && RedOf(pixel) < GreenOf(pixel) / 2 && BlueOf(pixel) < 60;
}
bool IsPureTextGreen(uint32_t pixel) {
    return GreenOf(pixel) > 240 && RedOf(pixel) < 16 && BlueOf(pixel) < 16;
}

class SizePicture : public PictureHost {
protected:
    // The share of the statistics text's pixels drawn in the full text
    // colour: glyphs drawn texel for pixel keep most of theirs, stretched
    // ones smear into blends.
    static double PureShare(const CapturedImage& frame, int scale) {
        int text = 0, pure = 0;
        const int left = CBarGraph2DState::kTextX * scale, top = CBarGraph2DState::kTextY * scale;
        for (int y = top; y < top + 60 * scale; ++y) {
            for (int x = left; x < left + 400 * scale; ++x) {
                text += IsTextGreen(frame.At(x, y));
                pure += IsPureTextGreen(frame.At(x, y));
            }
        }
        return text > 0 ? static_cast<double>(pure) / text : 0.0;
    }
};

TEST_F(SizePicture, TwoHundredPercentDrawsTheSameViewAtTwiceTheSizeWithSharpText) {
    Press(IDC_2D_VIEW);
    PlayAndSettle(1000.0, 0.5f);
    const CapturedImage small = Frame("size-100.png");
    const int x = static_cast<int>(CBarGraphLayout::BandX(BandOf(1000.0)));
    UseSize(200, IDM_SIZE_200);
    const CapturedImage large = capture_->LastFrame();
    ASSERT_EQ(large.width * 10000 + large.height, 1800 * 10000 + 800);
    EXPECT_TRUE(SavePng(large, std::string(VANTOSCOPE_SCREENSHOT_DIR) + "/size-200.png"));
    // The tone's bar tip at twice its column.
    const int smallTip = TipColumn(small, 1);
    ASSERT_GT(smallTip, 0);
    EXPECT_NEAR(smallTip, x, 3) << "the 1 kHz band's column";
    EXPECT_NEAR(TipColumn(large, 2), 2 * smallTip, 3);
    const double smallShare = PureShare(small, 1), largeShare = PureShare(large, 2);
    EXPECT_GT(smallShare, 0.2);
    EXPECT_GT(largeShare, smallShare * 0.8) << "glyphs rendered at 200 %, not stretched";

    // The mouse in the larger window: the box comes beside the pointer at
    // its pixels and names the band under it, the marker on its column.
    HoverAt(x, 150);
    ASSERT_TRUE(Editor().State().Hover().inside);
    EXPECT_EQ(Editor().State().Hover().x, x) << "kept in layout units";
    WaitFrames(2);
    const CapturedImage hovered = capture_->LastFrame();
    EXPECT_TRUE(SavePng(hovered, std::string(VANTOSCOPE_SCREENSHOT_DIR) + "/size-200-readout.png"));
    int nearBox = 0;
    for (int py = 2 * 150 - 220; py < 2 * 150 + 220; ++py) {
        for (int px = 2 * x - 280; px < 2 * x + 280; ++px)
            nearBox += hovered.At(px, py) != large.At(px, py);
    }
    EXPECT_GT(nearBox, 4 * 2000) << "a box of twice the size beside the pointer";
    LeaveView();

    // The waterfall with its labels and meter, for people to look at.
    Press(IDC_2D_VIEW);
    Press(IDC_LABELS);
    Press(IDC_METER);
    Editor().State().Options().meterWithScale = true;
    WaitFrames(kRestFrames);
    EXPECT_TRUE(SavePng(capture_->LastFrame(),
                        std::string(VANTOSCOPE_SCREENSHOT_DIR) + "/size-200-3d.png"));
}

}  // namespace
