// The waterfall's per-frame work driven from a real spectrum store: the
// blend between blocks, freeze, peaks, references and the label heights.
#include "render/WaterfallModel.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "analysis/FFT.h"
#include "analysis/PerformanceTimer.h"
#include "params/LogarithmicScales.h"
#include "render/LevelHeight.h"
#include "tests/native/support/FakeSystem.h"
#include "tests/native/support/SettingsFixture.h"

using namespace WaterGeometry;

namespace {

class WaterfallModelTest : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        os::testing::SetPerformanceCounter(int64_t{1000} * 1000000);
        timer_ = std::make_unique<CPerformanceTimer>();
        settings_->sampleRate = 40960.0;      // one block every 100 ms
        settings_->levelFallPerBlock = 1.0f;  // levels follow each block at once
        store_ = std::make_unique<CSpectrumStore>(*settings_, *timer_, CreateBandScale);
        ASSERT_TRUE(store_->Initialise());
        model_ = std::make_unique<CWaterfallModel>(settings_->Palette(), -60.0f);
    }
    void TearDown() override {
        model_.reset();
        store_.reset();
        timer_.reset();
        os::testing::SetPerformanceCounter(std::nullopt);
        SettingsFixture::TearDown();
    }

    void Feed(double levelDb) {
        std::vector<double> spectrum(CFFT::kSize, levelDb);
        store_->Update(spectrum.data());
    }
    void Frame(uint32_t msAfterUpdate, const WaterfallFlags& flags = {}) {
        model_->Advance(*store_, store_->LastUpdateMs() + msAfterUpdate, 40960.0, flags);
    }
    float Front(int column) { return model_->Surface().HeightAt(0, column); }

    std::unique_ptr<CPerformanceTimer> timer_;
    std::unique_ptr<CSpectrumStore> store_;
    std::unique_ptr<CWaterfallModel> model_;
};

TEST_F(WaterfallModelTest, FrontRowBlendsFromThePreviousBlockToTheNewest) {
    Feed(-60.0);  // the floor of the -60 dB range
    Frame(100);
    Feed(0.0);
    Frame(0);
    EXPECT_EQ(Front(10), 0.0f);
    Frame(50);
    EXPECT_NEAR(Front(10), 100.0f, 1e-3f);
    // Curtain and texture follow the front row.
    EXPECT_NEAR(model_->Curtain()[kColumns + 10].y, 100.0f, 1e-3f);
    EXPECT_NEAR(model_->Curtain()[kColumns + 10].v, 0.5f, 1e-5f);
    EXPECT_EQ(model_->NewestTexels()[10], settings_->Palette()[59]);
    Frame(100);
    EXPECT_FLOAT_EQ(Front(10), 200.0f);
    EXPECT_EQ(model_->NewestTexels()[10], settings_->Palette()[0]);
    Frame(400);
    EXPECT_FLOAT_EQ(Front(10), 200.0f);
    // The next block starts from where the last one ended.
    Feed(-30.0);
    Frame(0);
    EXPECT_FLOAT_EQ(Front(10), 200.0f);
    Frame(100);
    EXPECT_NEAR(Front(10), 100.0f, 1e-3f);
    // Without a sample rate the newest block shows at once.
    EXPECT_EQ(CSpectrumInterpolator::BlendFactor(0, 0.0), 1.0f);
}

TEST_F(WaterfallModelTest, ThirtySecondFrameAfterAFreezeShowsTheFrozenSpectrumInEveryRow) {
    Feed(-30.0);
    store_->CaptureFreeze();
    Feed(0.0);
    WaterfallFlags frozen;
    frozen.frozen = true;
    for (int frame = 1; frame < kRows; ++frame) Frame(200, frozen);
    EXPECT_EQ(model_->Surface().HeightAt(kRows - 1, 0), 0.0f);
    Frame(200, frozen);
    for (int row = 0; row < kRows; ++row) {
        for (int column : {0, 128, 255}) {
            ASSERT_NEAR(model_->Surface().HeightAt(row, column), 100.0f, 1e-3f) << row;
        }
    }
    // Leaving the freeze shows the live spectrum again.
    Frame(200);
    EXPECT_FLOAT_EQ(Front(0), 200.0f);
}

TEST_F(WaterfallModelTest, SpheresAndLabelsStandOnPeaksAndReferences) {
    Feed(0.0);
    Feed(-30.0);  // the peak holds 0 dB
    store_->CaptureReference(2, false);
    WaterfallFlags flags;
    flags.labelsShown = true;
    Frame(100, flags);
    Frame(100, flags);
    // Without peaks the labels stand on the front row of the frame before.
    EXPECT_NEAR(model_->LabelHeights()[40], 100.0f, 1e-3f);

    flags.peaksShown = true;
    flags.referencesShown[2] = true;
    Frame(100, flags);
    EXPECT_FLOAT_EQ(model_->PeakHeights()[40], 200.0f);
    EXPECT_FLOAT_EQ(model_->LabelHeights()[40], 200.0f);
    EXPECT_NEAR(model_->ReferenceHeights(2)[40], 100.0f, 1e-3f);

    // A new range applies to new rows only.
    model_->SetRange(-120.0f);
    Frame(100, flags);
    EXPECT_NEAR(Front(40), 150.0f, 1e-3f);
    EXPECT_NEAR(model_->Surface().HeightAt(1, 40), 100.0f, 1e-3f);
}

}  // namespace
