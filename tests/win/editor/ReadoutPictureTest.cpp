// The view's extras through the real module, checked by the pixels of
// presented frames: the values under the mouse in the 2D and 3D views, the
// meter with scale and tidy peak labels. Audio is fed on the test's own
// thread between pumps; once it stops, the scene comes to rest, so frames
// with and without the readout can be compared pixel for pixel.
#include "tests/win/editor/PictureHost.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "analysis/SpectrumStore.h"
#include "render/BarGraphLayout.h"
#include "render/D3DCamera.h"
#include "render/HeightFieldRay.h"
#include "render/LevelHeight.h"
#include "render/ScaledMeter.h"
#include "render/SpectrumReadout.h"
#include "render/Unproject.h"
#include "render/WaterGeometry.h"
#include "resources/resource.h"
#include "tools/host/FrameCapture.h"

namespace {

using namespace picture;
// Each picture at 100 % and at 200 %, in layout units throughout.
class ReadoutPicture : public PictureHost, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        PictureHost::SetUp();
        if (HasFatalFailure() || GetParam() == 100) return;
        UseSize(GetParam(), IDM_SIZE_200);
    }
};

// Near the cursor (the box may be flipped to any side of it) and in the
// marker's column; nowhere else.
void ExpectBoxBesideCursorOnly(const CapturedImage& plain, const CapturedImage& hovered, int x,
                               int y) {
    const int left = x - 140, top = y - 110, right = x + 140, bottom = y + 110;
    const int nearBox = DifferingPixels(plain, hovered, left, top, right, bottom);
    EXPECT_GT(nearBox, 2000) << "a box beside the cursor";
    EXPECT_GT(BrightPixels(hovered, left, top, right, bottom) -
                  BrightPixels(plain, left, top, right, bottom),
              40)
        << "its text";
    const int markerColumn = DifferingPixels(plain, hovered, x - 2, 0, x + 3, top) +
                             DifferingPixels(plain, hovered, x - 2, bottom, x + 3, kViewHeight);
    EXPECT_EQ(DifferingPixels(plain, hovered) - nearBox - markerColumn, 0)
        << "nothing drawn elsewhere";
}

TEST_P(ReadoutPicture, BarGraphShowsTheToneBandUnderTheMouseAndLeavesNoTrace) {
    Press(IDC_2D_VIEW);
    PlayAndSettle(1000.0, 0.5f);
    WaitFrames(3);
    const CapturedImage before = Frame("readout-2d-before.png");
    const int band = BandOf(1000.0);
    const int x = static_cast<int>(CBarGraphLayout::BandX(band));
    const int y = 150;
    // The readout names the band whose column the cursor is over.
    ASSERT_EQ(BandUnderCursor2D(static_cast<float>(x), 1.0f), band);
    HoverAt(x, y);
    ASSERT_TRUE(Editor().State().Hover().inside);
    const CapturedImage hovered = Frame("readout-2d.png");
    ExpectBoxBesideCursorOnly(before, hovered, x, y);
    LeaveView();
    EXPECT_FALSE(Editor().State().Hover().inside);
    EXPECT_EQ(DifferingPixels(before, Frame("readout-2d-after.png")), 0);
    // A held button is navigation: no box.
    SendMessageA(MainView(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
    EXPECT_FALSE(Editor().State().Hover().inside);
    EXPECT_EQ(DifferingPixels(before, Frame("readout-2d-button.png")), 0);
}

TEST_P(ReadoutPicture, WaterfallShowsTheRidgeUnderTheMouseAndNothingOverTheSky) {
    PlayAndSettle(1000.0, 0.5f);
    WaitFrames(kRestFrames);
    const CapturedImage before = Frame("readout-3d-before.png");
    // The surface at rest: every row holds the store's levels.
    const float range = static_cast<float>(Settings().range3dDb);
    BandLevels levels{}, peaks{};
    Editor().Store()->ReadSnapshot(levels, peaks);
    SurfaceHeights heights{};
    for (int row = 0; row < WaterGeometry::kRows; ++row) {
        for (int band = 0; band < WaterGeometry::kColumns; ++band) {
            heights[row * WaterGeometry::kColumns + band] =
                LevelHeight::HeightOfLevel(levels[band], range);
        }
    }
    const int band = BandOf(1000.0);
    const float ridge = heights[band];
    ASSERT_GT(ridge, 100.0f);
    CD3DCamera camera(Settings().CameraPresets()[CSettings::kReset]);
    Matrix4 view;
    camera.BuildView(view);
    const Matrix4 projection = PerspectiveFovLHMatrix(
        30.0f * kDegreesToRadians, static_cast<float>(kViewWidth) / kViewHeight, 1.0f, 1500.0f);
    const Viewport viewport{0, 0, kViewWidth, kViewHeight, 0, 1};
    const Vector3 onRidge =
        ProjectToScreen({WaterGeometry::ColumnX(band), ridge * 0.8f, WaterGeometry::RowZ(0)},
                        viewport, projection, view, IdentityMatrix());
    const int x = static_cast<int>(onRidge.x);
    const int y = static_cast<int>(onRidge.y);
    // The ray under that pixel meets the surface first at the tone's band.
    const auto ray =
        CursorRay(static_cast<float>(x), static_cast<float>(y), viewport, projection, view);
    ASSERT_TRUE(ray);
    const auto hit = FirstHit(*ray, WaterfallHeightField(heights));
    ASSERT_TRUE(hit);
    EXPECT_LE(std::abs(hit->column - band), 1) << hit->column << " for " << band;
    HoverAt(x, y);
    const CapturedImage hovered = Frame("readout-3d.png");
    ExpectBoxBesideCursorOnly(before, hovered, x, y);
    // Over the sky the ray meets nothing and nothing is drawn.
    HoverAt(450, 3);
    EXPECT_EQ(DifferingPixels(before, Frame("readout-3d-sky.png")), 0);
    LeaveView();
    EXPECT_EQ(DifferingPixels(before, Frame("readout-3d-after.png")), 0);
}

TEST_P(ReadoutPicture, MeterWithScaleDrawsOpaqueBarsTicksAndFigures) {
    Press(IDC_METER);
    PlayAndSettle(1000.0, 0.5f);  // peak -6 dBFS, RMS -9 dBFS
    WaitFrames(kRestFrames);
    const CapturedImage plain = Frame("meter-plain.png");
    Editor().State().Options().meterWithScale = true;
    const CapturedImage scaled = Frame("meter-with-scale.png");
    // Near the bottom the plain bars have all but faded; the scaled ones
    // are as opaque as at the top.
    for (int x : {8, CScaledMeter::kBarPitch + 8}) {
        EXPECT_FALSE(IsOpaqueGreen(PixelAt(plain, x, 250))) << x;
        EXPECT_TRUE(IsOpaqueGreen(PixelAt(scaled, x, 250))) << x;
        EXPECT_TRUE(IsOpaqueGreen(PixelAt(scaled, x, 100))) << x;
    }
    // Tick labels right of the bars, figures under them.
    EXPECT_GT(BrightPixels(scaled, CScaledMeter::kLabelX, 0, CScaledMeter::kLabelX + 24, 256), 40);
    EXPECT_EQ(BrightPixels(plain, CScaledMeter::kLabelX, 0, CScaledMeter::kLabelX + 24, 256), 0);
    EXPECT_GT(BrightPixels(scaled, 0, CScaledMeter::kFiguresY, 90, CScaledMeter::kFiguresY + 30),
              40);
    Editor().State().Options().meterWithScale = false;
    EXPECT_EQ(DifferingPixels(plain, Frame("meter-plain-again.png")), 0);
}

TEST_P(ReadoutPicture, TidyLabelsKeepOnlyTheLouderOfTwoCloseNeighbours) {
    Press(IDC_LABELS);
    // Bands 150 and 152, in neighbouring groups of eight bands: their
    // labels stand a few pixels apart.
    PlayAndSettle(1160.0, 0.5f, 1230.0, 0.4f);
    WaitFrames(kRestFrames);
    const CapturedImage crowded = Frame("labels-crowded.png");
    Editor().State().Options().tidyPeakLabels = true;
    const CapturedImage tidy = Frame("labels-tidy.png");
    EXPECT_GT(DifferingPixels(crowded, tidy), 10) << "a label left out";
    // Above the ridges one label's text is left of two.
    const int crowdedText = BrightPixels(crowded, 0, 0, kViewWidth, 230);
    const int tidyText = BrightPixels(tidy, 0, 0, kViewWidth, 230);
    EXPECT_GT(tidyText, 20);
    EXPECT_LT(tidyText, crowdedText);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ReadoutPicture, ::testing::Values(100, 200),
                         [](const ::testing::TestParamInfo<int>& size) {
                             return "At" + std::to_string(size.param);
                         });

}  // namespace
