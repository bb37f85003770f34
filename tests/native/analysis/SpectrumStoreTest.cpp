// The spectrum store: its band table, the "Ave" and "Hold" values it hands
// to the band analysis, the snapshots and the dialog's captures, every
// sample rate, and the two threads that meet here.
#include "analysis/SpectrumStore.h"

#include <gtest/gtest.h>

#include <limits>
#include <thread>
#include <vector>

#include "analysis/FFT.h"
#include "analysis/PerformanceTimer.h"
#include "params/LogarithmicScales.h"
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
        store_ = std::make_unique<CSpectrumStore>(*settings_, *timer_, CreateBandScale);
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

// At 44.1 kHz the 20 Hz bin is bin 1: bands 0..15 read bin 0 of the table,
// 16..26 bin 1, and the last run of bands that share a bin is 63..65.
TEST_F(SpectrumStoreTest, BandTableAt44100) {
    EXPECT_EQ(Table()[0].lowerHz, 20.0);
    EXPECT_NEAR(Table()[255].upperHz, 20480.0, 1e-9);
    for (int band = 0; band < 27; ++band) EXPECT_EQ(Table()[band].firstBin, band < 16 ? 0 : 1);
    EXPECT_EQ(Table()[27].firstBin, 2);
    EXPECT_EQ(Table()[63].firstBin, Table()[65].firstBin);
    EXPECT_NE(Table()[65].firstBin, Table()[66].firstBin);
    EXPECT_EQ(Table()[255].firstBin, 1849);
    EXPECT_EQ(Table()[255].lastBin, 1900);
    Spectrum spectrum = Flat(kSilent);
    spectrum[1901] = -60.0;
    store_->Update(spectrum.data());
    EXPECT_FLOAT_EQ(Levels()[255], 0.5f) << "the top band reads up to spectrum bin 1901";
}

// "Ave" counts tenths of a second: 10 averages over the ten whole blocks
// of a second at 44.1 kHz, and a tiny value from the host over one block.
TEST_F(SpectrumStoreTest, AveIsTheAveragingTimeInTenthsOfASecond) {
    SetParameter(kParamAverage, 10);
    Sync();
    const Spectrum half = Flat(-60.0);
    store_->Update(Flat(0.0).data());
    for (int i = 0; i < 9; ++i) store_->Update(half.data());
    EXPECT_FLOAT_EQ(Levels()[200], 0.55f) << "the loud block is one of ten";
    store_->Update(half.data());
    EXPECT_FLOAT_EQ(Levels()[200], 0.5f);

    parameters_[kParamAverage]->SetNormalized(0.005f);  // about 0.5
    Sync();
    store_->Update(Flat(0.0).data());
    store_->Update(half.data());
    EXPECT_FLOAT_EQ(Levels()[10], 0.5f);
}

// At their "inf" maximum "Ave" averages for ever and pauses the hold, and
// "Hold" never releases.
TEST_F(SpectrumStoreTest, InfiniteAveAndInfiniteHold) {
    const Spectrum silent = Flat(kSilent);
    SetParameter(kParamAverage, 101);
    Sync();
    store_->Update(Flat(0.0).data());
    for (int i = 0; i < 3; ++i) store_->Update(silent.data());
    EXPECT_FLOAT_EQ(Levels()[50], 0.25f);
    SetTimerMs(100000);
    Sync();
    store_->Update(silent.data());
    EXPECT_EQ(Peaks()[50], 1.0f) << "no release while the average is infinite";
    SetParameter(kParamAverage, 0);
    SetParameter(kParamHold, 5100);
    SetTimerMs(200000);
    Sync();
    store_->Update(silent.data());
    EXPECT_EQ(Peaks()[50], 1.0f) << "no release while the hold is infinite";
}

// Releases are timed from the store's creation and measured at display
// frames; the fall from the previous update.
TEST_F(SpectrumStoreTest, HoldReleasesPeaksEveryHoldMilliseconds) {
    SetParameter(kParamHold, 500);
    settings_->levelFallPerBlock = 1.0f;
    SetTimerMs(0);
    Sync();
    store_->Update(Flat(0.0).data());
    SetTimerMs(400);
    Sync();
    store_->Update(Flat(kSilent).data());
    EXPECT_EQ(Peaks()[30], 1.0f) << "held";
    SetTimerMs(500);
    Sync();
    store_->Update(Flat(kSilent).data());
    EXPECT_NEAR(Peaks()[30], 0.99f, 1e-6) << "0.1 per second for the 100 ms since the last update";
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
    CSpectrumStore fresh(*settings_, *timer_, CreateBandScale);
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
