// The spectrum store: band folding, averaging modes, peak hold, the
// dialog's captures, every sample rate, and the two threads that meet here.
#include "analysis/SpectrumStore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <thread>
#include <vector>

#include "analysis/FFT.h"
#include "analysis/PerformanceTimer.h"
#include "params/ParameterTable.h"
#include "tests/native/support/FakeSystem.h"
#include "tests/native/support/SettingsFixture.h"

namespace {

constexpr double kSilent = -std::numeric_limits<double>::infinity();
using Spectrum = std::vector<double>;

Spectrum Flat(double levelDb) {
    Spectrum spectrum(CFFT::kSize, levelDb);
    spectrum[0] = CFFT::kFloorDb;
    return spectrum;
}

class SpectrumStoreTest : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        SetClockMs(1000);
        timer_ = std::make_unique<CPerformanceTimer>();
        BuildControlsParameters(nullptr, parameters_);
        Rebuild(44100.0);
    }
    void TearDown() override {
        store_.reset();
        parameters_.clear();
        timer_.reset();
        os::testing::SetPerformanceCounter(std::nullopt);
        SettingsFixture::TearDown();
    }

    void Rebuild(double sampleRate) {
        store_.reset();
        settings_->sampleRate = sampleRate;
        store_ = std::make_unique<CSpectrumStore>(*settings_, *timer_);
        ASSERT_TRUE(store_->Initialise());
    }
    // Milliseconds since the timer was made (it was made at 1000 ms).
    void SetClockMs(int64_t ms) { os::testing::SetPerformanceCounter(ms * 1000000); }
    void SetTimerMs(int64_t ms) { SetClockMs(1000 + ms); }

    void SetParameter(int index, float value) { parameters_[index]->SetValue(value); }
    void Sync() {
        store_->SetAveraging(parameters_[kParamAverage]->Value(), parameters_[kParamHold]->Value());
    }

    BandLevels Levels() {
        BandLevels level{}, peak{};
        store_->ReadSnapshot(level, peak);
        return level;
    }
    BandLevels Peaks() {
        BandLevels level{}, peak{};
        store_->ReadSnapshot(level, peak);
        return peak;
    }
    const BandTable& Table() { return *settings_->bandTable; }

    std::unique_ptr<CPerformanceTimer> timer_;
    ParamList parameters_;
    std::unique_ptr<CSpectrumStore> store_;
};

TEST(SpectrumStoreLevels, DecibelsMapLinearlyOntoZeroToOne) {
    EXPECT_EQ(CSpectrumStore::LevelOfDb(0.0), 1.0f);
    EXPECT_EQ(CSpectrumStore::LevelOfDb(6.0), 1.0f);
    EXPECT_FLOAT_EQ(CSpectrumStore::LevelOfDb(-60.0), 0.5f);
    EXPECT_FLOAT_EQ(CSpectrumStore::LevelOfDb(-108.0), 0.1f);
    EXPECT_GT(CSpectrumStore::LevelOfDb(-120.0), 0.0f);
    EXPECT_LT(CSpectrumStore::LevelOfDb(-120.0), 1e-10f);
    EXPECT_EQ(CSpectrumStore::LevelOfDb(-121.0), 0.0f);
    EXPECT_EQ(CSpectrumStore::LevelOfDb(kSilent), 0.0f);
    EXPECT_EQ(CSpectrumStore::LevelOfDb(std::nan("")), 0.0f);
}

TEST_F(SpectrumStoreTest, TopBandReadsBins1850To1901) {
    for (int bin : {1850, 1875, 1901}) {
        Rebuild(44100.0);
        Spectrum spectrum = Flat(kSilent);
        spectrum[bin] = -60.0;
        store_->Update(spectrum.data());
        EXPECT_FLOAT_EQ(Levels()[255], 0.5f) << bin;
    }
    Spectrum spectrum = Flat(kSilent);
    spectrum[1902] = 0.0;
    Rebuild(44100.0);
    store_->Update(spectrum.data());
    EXPECT_EQ(Levels()[255], 0.0f);
}

// Levels that rise with the bin, so that every band differs from the next.
Spectrum Ramp() {
    Spectrum spectrum(CFFT::kSize);
    for (int bin = 0; bin < CFFT::kSize; ++bin) spectrum[bin] = -119.0 + bin * 0.05;
    return spectrum;
}

TEST_F(SpectrumStoreTest, BandsThatShareABinBecomeStraightLines) {
    const Spectrum ramp = Ramp();
    store_->Update(ramp.data());
    const BandLevels level = Levels();
    for (int j = 0; j <= 16; ++j) {
        EXPECT_FLOAT_EQ(level[j], level[0] + (level[16] - level[0]) * j / 16.0f) << j;
    }
    EXPECT_FLOAT_EQ(level[16], CSpectrumStore::LevelOfDb(ramp[1 + Table()[16].lastBin]))
        << "band 16 keeps its own level";
    for (int j = 17; j <= 27; ++j) {
        EXPECT_NEAR(level[j], level[17] + (level[27] - level[17]) * (j - 17) / 10.0f, 1e-6) << j;
    }
    for (int j = 63; j <= 66; ++j) {
        EXPECT_NEAR(level[j], level[63] + (level[66] - level[63]) * (j - 63) / 3.0f, 1e-6) << j;
    }
}

TEST_F(SpectrumStoreTest, DecayRisesAtOnceAndFallsByTheFallPerBlock) {
    const Spectrum loud = Flat(0.0);
    const Spectrum silent = Flat(kSilent);
    store_->Update(loud.data());
    EXPECT_EQ(Levels()[100], 1.0f);
    store_->Update(silent.data());
    EXPECT_FLOAT_EQ(Levels()[100], 0.89f);
    store_->Update(silent.data());
    EXPECT_FLOAT_EQ(Levels()[100], 0.78f);
    settings_->levelFallPerBlock = 1.0f;
    store_->Update(silent.data());
    EXPECT_EQ(Levels()[100], 0.0f);
}

TEST_F(SpectrumStoreTest, MovingAverageOverTenBlocksAt44100) {
    SetParameter(kParamAverage, 10);
    Sync();
    const Spectrum loud = Flat(0.0);
    const Spectrum half = Flat(-60.0);
    store_->Update(loud.data());
    EXPECT_FLOAT_EQ(Levels()[200], 1.0f);
    store_->Update(half.data());
    EXPECT_FLOAT_EQ(Levels()[200], 0.75f) << "while filling: the mean so far";
    for (int i = 0; i < 9; ++i) store_->Update(half.data());
    EXPECT_FLOAT_EQ(Levels()[200], 0.5f) << "the loud block has left the ten-block window";
}

TEST_F(SpectrumStoreTest, InfiniteAverageAccumulatesAndPausesTheHold) {
    SetParameter(kParamAverage, 101);
    Sync();
    const Spectrum loud = Flat(0.0);
    const Spectrum silent = Flat(kSilent);
    store_->Update(loud.data());
    for (int i = 0; i < 3; ++i) store_->Update(silent.data());
    EXPECT_FLOAT_EQ(Levels()[50], 0.25f);
    for (int i = 0; i < 196; ++i) store_->Update(silent.data());
    EXPECT_FLOAT_EQ(Levels()[50], 0.005f) << "no ring limits the infinite average";
    SetTimerMs(100000);
    Sync();
    store_->Update(silent.data());
    EXPECT_EQ(Peaks()[50], 1.0f) << "no release while the average is infinite";
}

TEST_F(SpectrumStoreTest, LeavingTheInfiniteAverageRestartsTheBands) {
    SetParameter(kParamAverage, 10);
    Sync();
    SetParameter(kParamAverage, 101);
    Sync();
    const Spectrum loud = Flat(0.0);
    for (int i = 0; i < 50; ++i) store_->Update(loud.data());
    SetParameter(kParamAverage, 10);
    Sync();
    const Spectrum half = Flat(-60.0);
    for (int i = 0; i < 10; ++i) store_->Update(half.data());
    EXPECT_FLOAT_EQ(Levels()[120], 0.5f);
}

TEST_F(SpectrumStoreTest, TinyAverageFromTheHostUsesAOneBlockWindow) {
    parameters_[kParamAverage]->SetNormalized(0.005f);  // about 0.5
    Sync();
    const Spectrum loud = Flat(0.0);
    const Spectrum half = Flat(-60.0);
    store_->Update(loud.data());
    store_->Update(half.data());
    EXPECT_FLOAT_EQ(Levels()[10], 0.5f);
}

TEST_F(SpectrumStoreTest, PeaksHoldThenFallAtTheBallisticsRate) {
    SetParameter(kParamHold, 500);
    const Spectrum loud = Flat(0.0);
    const Spectrum silent = Flat(kSilent);
    settings_->levelFallPerBlock = 1.0f;
    SetTimerMs(0);
    Sync();
    store_->Update(loud.data());
    EXPECT_EQ(Peaks()[30], 1.0f);
    SetTimerMs(400);
    Sync();
    store_->Update(silent.data());
    EXPECT_EQ(Levels()[30], 0.0f);
    EXPECT_EQ(Peaks()[30], 1.0f) << "held";
    SetTimerMs(500);
    Sync();  // 500 ms since the store began: every peak is released
    store_->Update(silent.data());
    EXPECT_NEAR(Peaks()[30], 0.99f, 1e-6) << "0.1 per second for the 100 ms since the last update";
    SetTimerMs(1500);
    store_->Update(silent.data());
    EXPECT_NEAR(Peaks()[30], 0.89f, 1e-6);
    SetTimerMs(11500);
    store_->Update(silent.data());
    EXPECT_EQ(Peaks()[30], 0.0f);
    store_->Update(loud.data());
    EXPECT_EQ(Peaks()[30], 1.0f) << "overtaken and held again";
}

TEST_F(SpectrumStoreTest, InfiniteHoldNeverReleases) {
    SetParameter(kParamHold, 5100);
    const Spectrum loud = Flat(0.0);
    const Spectrum silent = Flat(kSilent);
    store_->Update(loud.data());
    for (int ms = 0; ms < 20000; ms += 1000) {
        SetTimerMs(ms);
        Sync();
        store_->Update(silent.data());
    }
    EXPECT_EQ(Peaks()[0], 1.0f);
}

TEST_F(SpectrumStoreTest, DialogCapturesAndPeakClearing) {
    const Spectrum loud = Flat(0.0);
    const Spectrum half = Flat(-60.0);
    store_->Update(loud.data());
    store_->CaptureFreeze();
    settings_->levelFallPerBlock = 1.0f;
    store_->Update(half.data());
    store_->CaptureReference(0, false);
    store_->CaptureReference(1, true);
    store_->CaptureReference(7, true);  // no such trace: ignored

    BandLevels level{}, peak{}, reference{};
    store_->ReadFrozen(level, peak);
    EXPECT_EQ(level[5], 1.0f);
    EXPECT_EQ(peak[5], 1.0f);
    store_->ReadReference(0, reference);
    EXPECT_FLOAT_EQ(reference[5], 0.5f);
    store_->ReadReference(1, reference);
    EXPECT_EQ(reference[5], 1.0f);

    store_->ClearPeaks();
    store_->Update(half.data());
    EXPECT_FLOAT_EQ(Peaks()[5], 0.5f) << "the current levels become the new peaks";
}

TEST_F(SpectrumStoreTest, NewFrameIsTakenOnce) {
    EXPECT_FALSE(store_->TakeNewFrame());
    const Spectrum loud = Flat(0.0);
    SetTimerMs(250);
    store_->Update(loud.data());
    EXPECT_TRUE(store_->TakeNewFrame());
    EXPECT_FALSE(store_->TakeNewFrame());
    EXPECT_EQ(store_->LastUpdateMs(), 250u);
}

TEST_F(SpectrumStoreTest, UninitialisedStoreIgnoresUpdates) {
    CSpectrumStore fresh(*settings_, *timer_);
    const Spectrum loud = Flat(0.0);
    fresh.Update(loud.data());
    EXPECT_FALSE(fresh.TakeNewFrame());
    fresh.Release();
    EXPECT_FALSE(fresh.IsInitialised());
}

class SampleRates : public SpectrumStoreTest, public ::testing::WithParamInterface<double> {};

// Every band stays inside the spectrum and inside its ring, whatever the rate
// and the averaging; bands above Nyquist show silence.
TEST_P(SampleRates, NeverReadOrWriteOutOfBounds) {
    Rebuild(GetParam());
    const Spectrum loud = Flat(-3.0);
    for (float average : {0.0f, 10.0f, 100.0f, 0.3f, 101.0f}) {
        parameters_[kParamAverage]->SetNormalized(average / 101.0f);
        Sync();
        for (int i = 0; i < 30; ++i) store_->Update(loud.data());
        for (float level : Levels()) ASSERT_TRUE(level >= 0.0f && level <= 1.0f);
    }
    const double nyquistHz = GetParam() / 2.0;
    for (int band = 0; band < kBandCount; ++band) {
        if (Table()[band].lowerHz > nyquistHz + GetParam() / CFFT::kSize) {
            EXPECT_EQ(Levels()[band], 0.0f) << "band " << band << " lies above Nyquist";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rates, SampleRates, ::testing::Values(8000.0, 22050.0, 40000.0, 384000.0),
                         [](const ::testing::TestParamInfo<double>& info) {
                             return std::to_string(static_cast<int>(info.param)) + "Hz";
                         });

TEST_F(SpectrumStoreTest, AudioAndUserInterfaceThreadsMeetOnlyUnderTheLock) {
    os::testing::SetPerformanceCounter(std::nullopt);
    const Spectrum loud = Flat(-6.0);
    std::thread audio([&] {
        for (int i = 0; i < 300; ++i) store_->Update(loud.data());
    });
    for (int i = 0; i < 300; ++i) {
        SetParameter(kParamAverage, static_cast<float>((i % 3) * 10));
        Sync();
        store_->CaptureFreeze();
        store_->CaptureReference(i % 4, i % 2 == 0);
        if (i % 10 == 0) store_->ClearPeaks();
        store_->TakeNewFrame();
        BandLevels level{}, peak{};
        store_->ReadSnapshot(level, peak);
    }
    audio.join();
    for (float level : Levels()) EXPECT_LE(level, 1.0f);
}

}  // namespace
