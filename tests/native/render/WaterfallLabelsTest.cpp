// Label texts and their scene points, and where the camera puts them.
#include "render/WaterfallLabels.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "params/LogarithmicScales.h"
#include "render/D3DCamera.h"
#include "render/FrequencyLabel.h"
#include "render/LabelPlacement.h"
#include "render/WaterfallAxes.h"

namespace {

class WaterfallLabelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        scale_.Init(0, 256, 20.0, 21000.0);
        for (int band = 0; band < 256; ++band) {
            table_[band] = {scale_.ValueAt(band), scale_.ValueAt(band + 1), 0, 0};
        }
        heights_.fill(0.0f);
        inputs_.labelHeights = &heights_;
        inputs_.bandTable = &table_;
    }
    std::vector<WaterfallLabel> Build() {
        std::vector<WaterfallLabel> labels;
        CWaterfallLabels::Build(inputs_, axes_, labels);
        return labels;
    }
    static std::vector<WaterfallLabel> WithText(const std::vector<WaterfallLabel>& labels,
                                                const std::string& text) {
        std::vector<WaterfallLabel> found;
        std::copy_if(labels.begin(), labels.end(), std::back_inserter(found),
                     [&](const WaterfallLabel& label) { return label.text == text; });
        return found;
    }

    CLogScale scale_;
    CWaterfallAxes axes_{scale_, 256};
    BandTable table_{};
    BandLevels heights_{};
    LabelInputs inputs_;
};

}  // namespace

TEST(FrequencyLabelText, HertzBelowOneKilohertzThenKilohertzWithACutDecimal) {
    EXPECT_EQ(FrequencyLabelText(20), "20");
    EXPECT_EQ(FrequencyLabelText(999), "999");
    EXPECT_EQ(FrequencyLabelText(1000), "1.0K");
    EXPECT_EQ(FrequencyLabelText(1299), "1.2K");
    EXPECT_EQ(FrequencyLabelText(12500), "12.5K");
    EXPECT_EQ(FrequencyLabelText(20000), "20.0K");
}

TEST_F(WaterfallLabelsTest, DefaultGridCarriesFrequenciesAndLevelsAtItsDepth) {
    const std::vector<WaterfallLabel> labels = Build();
    // 11 marks at the front edge and 11 at the grid top, 6 levels x 3 columns.
    ASSERT_EQ(labels.size(), 22u + 18u);
    const std::vector<WaterfallLabel> oneK = WithText(labels, "1K");
    ASSERT_EQ(oneK.size(), 2u);
    EXPECT_EQ(oneK[0].position.z, -300.0f);
    EXPECT_EQ(oneK[0].position.y, 0.0f);
    EXPECT_EQ(oneK[1].position.z, 100.0f);
    EXPECT_EQ(oneK[1].position.y, 200.0f);
    EXPECT_EQ(WithText(labels, "10K").size(), 2u);
    EXPECT_EQ(WithText(labels, "0").size(), 0u);
    const std::vector<WaterfallLabel> minus60 = WithText(labels, "-60");
    ASSERT_EQ(minus60.size(), 3u);
    EXPECT_EQ(minus60[0].position.y, 0.0f);
    EXPECT_EQ(minus60[1].position.x, -300.0f);
    EXPECT_EQ(minus60[2].position.x, 300.0f);
    EXPECT_NEAR(WithText(labels, "-10")[0].position.y, 166.6667f, 1e-3f);
}

TEST_F(WaterfallLabelsTest, OddRangeLabelsEachLevelAtItsOwnHeight) {
    inputs_.range3dDb = -65.0f;
    const std::vector<WaterfallLabel> labels = Build();
    EXPECT_EQ(WithText(labels, "-65")[0].position.y, 0.0f);
    EXPECT_NEAR(WithText(labels, "-5")[0].position.y, 200.0f * 60.0f / 65.0f, 1e-3f);
    EXPECT_TRUE(WithText(labels, "-60").empty());
    inputs_.range3dDb = 0.0f;
    EXPECT_EQ(Build().size(), 22u);
    inputs_.axisShown = false;
    inputs_.frequencyLabelsShown = false;
    EXPECT_TRUE(Build().empty());
}

TEST_F(WaterfallLabelsTest, PeakLabelsNameTheHighestBandOfEachGroupAboveTwentyUnits) {
    inputs_.axisShown = false;
    inputs_.frequencyLabelsShown = false;
    inputs_.labelsShown = true;
    heights_[145] = 150.0f;  // group 18: the band from 1010 Hz
    heights_[147] = 150.0f;  // equal, later: not taken
    heights_[8] = 20.0f;     // group 1: not above 20
    heights_[250] = 20.5f;
    const std::vector<WaterfallLabel> labels = Build();
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(
        labels[0].text,
        FrequencyLabelText(static_cast<int>((scale_.ValueAt(145) + scale_.ValueAt(146)) * 0.5)));
    EXPECT_EQ(labels[0].text, "1.0K");
    EXPECT_EQ(labels[0].position.x, 145 * 2.34375f - 300.0f);
    EXPECT_EQ(labels[0].position.y, 152.0f);
    EXPECT_EQ(labels[0].position.z, -302.0f);
    EXPECT_EQ(labels[1].position.y, 22.5f);
    // Tidy placement ranks them by the band each names.
    EXPECT_EQ(labels[0].peakBand, 145);
    EXPECT_EQ(labels[1].peakBand, 250);
}

TEST_F(WaterfallLabelsTest, ResetCameraSeesTheLabelsInFrequencyOrderAcrossTheView) {
    CSettings settings;
    CD3DCamera camera(settings.CameraPresets()[CSettings::kReset]);
    Matrix4 view;
    camera.BuildView(view);
    const Matrix4 projection = PerspectiveFovLHMatrix(0.5235988f, 900.0f / 400.0f, 1.0f, 1500.0f);
    inputs_.axisShown = false;
    float previousX = -1.0f;
    for (const WaterfallLabel& label : Build()) {
        const LabelBox box = PlaceLabel(label.position, 20, 12, projection, view);
        const float centreX = (box.left + box.right) * 0.5f;
        EXPECT_TRUE(box.visible) << label.text;
        EXPECT_GT(centreX, previousX) << label.text;
        EXPECT_GE(centreX, 0.0f) << label.text;
        EXPECT_LE(centreX, 900.0f) << label.text;
        // The front edge lies in the lower part of the view, below the horizon.
        EXPECT_GT(box.top, 200) << label.text;
        EXPECT_LT(box.bottom, 400) << label.text;
        previousX = centreX;
    }
    // The front edge's middle is near the view's middle column (camera x = 5).
    const LabelBox middle = PlaceLabel({0.0f, 0.0f, -300.0f}, 0, 0, projection, view);
    EXPECT_NEAR(middle.left, 450, 10);
    // A point behind the camera is not drawn.
    EXPECT_FALSE(PlaceLabel({5.0f, 285.0f, -900.0f}, 0, 0, projection, view).visible);
}
