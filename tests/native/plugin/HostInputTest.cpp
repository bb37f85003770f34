// Whatever a host sends (values outside 0..1, not-a-number, infinities,
// denormals, absurd sample rates and block sizes), every call returns, every
// value stays in range, every text stays printable, and the audio stays
// bit for bit the input, or with the generator on, a finite signal in -1..1.
#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "analysis/SpectrumStore.h"
#include "editor/SynthEditor.h"
#include "params/ParamControl.h"
#include "params/ParameterTable.h"
#include "params/Settings.h"
#include "tests/common/TestSignals.h"
#include "tests/native/support/PluginFixture.h"

namespace {

using Limits = std::numeric_limits<float>;

const float kAwkwardFloats[] = {
    0.0f,
    -0.0f,
    Limits::denorm_min(),
    -Limits::denorm_min(),
    Limits::min(),
    1e-30f,
    0.5f,
    1.0f,
    1.0000001f,
    -1.0f,
    -1e-7f,
    361.0f,
    1e30f,
    -1e30f,
    Limits::max(),
    -Limits::max(),
    Limits::infinity(),
    -Limits::infinity(),
    Limits::quiet_NaN(),
    -Limits::quiet_NaN(),
};

bool IsPrintable(const char* text, size_t limit) {
    const size_t length = strnlen(text, limit + 1);
    if (length == 0 || length > limit) return false;
    for (size_t i = 0; i < length; ++i) {
        if (!std::isprint(static_cast<unsigned char>(text[i]))) return false;
    }
    return true;
}

class HostInputTest : public PluginFixture {
protected:
    void SetUp() override {
        PluginFixture::SetUp();
        Dispatch(effSetBlockSize, 0, 1024);
        OpenEditor();
    }

    CSynthEditor& Editor() { return *Plugin().Editor(); }

    void ExpectParameterSane(int index, float sent) {
        const CParamControl& parameter = *Editor().ControlsParameter(index);
        const ParamSpec& spec = parameter.Spec();
        EXPECT_GE(parameter.Value(), spec.minimum) << index << " after " << sent;
        EXPECT_LE(parameter.Value(), spec.maximum) << index << " after " << sent;
        const float normalized = effect_->getParameter(effect_, index);
        EXPECT_TRUE(normalized >= 0.0f && normalized <= 1.0f) << index << " after " << sent;
        char text[32];
        std::memset(text, 'x', sizeof text);
        Dispatch(effGetParamDisplay, index, 0, text);
        EXPECT_TRUE(IsPrintable(text, 8)) << index << " after " << sent << ": " << text;
        EXPECT_TRUE(IsPrintable(parameter.DialogText().c_str(), 16)) << index << " after " << sent;
    }

    // Two analysis blocks of noise, once as it is and once through the
    // generator; the store is synchronised as a display frame would do.
    void ExpectAudioSafe(const char* context) {
        const Channels<float> input = {Noise<float>(8192, 5, true), Noise<float>(8192, 6, true)};
        const Channels<float> passed = FeedBlocks(effect_, input, {1000, 4096, 5});
        EXPECT_EQ(std::memcmp(passed[0].data(), input[0].data(), 8192 * sizeof(float)), 0)
            << context;
        EXPECT_EQ(std::memcmp(passed[1].data(), input[1].data(), 8192 * sizeof(float)), 0)
            << context;
        for (GeneratorMode generator : {kGeneratorTone, kGeneratorNoise}) {
            Editor().State().Generator().SetMode(generator);
            const Channels<float> generated = FeedBlocks(effect_, input, {4096, 3});
            Editor().State().Generator().SetMode(kGeneratorOff);
            for (const std::vector<float>& channel : generated) {
                for (float sample : channel) {
                    ASSERT_TRUE(std::isfinite(sample) && std::fabs(sample) <= 1.0f)
                        << context << ": " << sample;
                }
            }
        }
        CSpectrumStore& store = *Engine().Store();
        store.SetAveraging(Editor().ControlsParameter(kParamAverage)->Value(),
                           Editor().ControlsParameter(kParamHold)->Value());
        BandLevels level{}, peak{};
        store.ReadSnapshot(level, peak);
        for (int band = 0; band < kBandCount; ++band) {
            ASSERT_TRUE(level[band] >= 0.0f && level[band] <= 1.0f) << context << " band " << band;
            ASSERT_TRUE(peak[band] >= 0.0f && peak[band] <= 1.0f) << context << " band " << band;
        }
    }
};

TEST_F(HostInputTest, SetParameterWithAnyValue) {
    for (int index = -1; index <= kControlsParameterCount; ++index) {
        for (float value : kAwkwardFloats) {
            effect_->setParameter(effect_, index, value);
            if (index >= 0 && index < kControlsParameterCount) ExpectParameterSane(index, value);
        }
    }
    ExpectAudioSafe("after the sweep");
    effect_->setParameter(effect_, kParamYaw, -0.25f);
    EXPECT_EQ(Editor().ControlsParameter(kParamYaw)->Value(), 270.0f) << "-90 degrees, wrapped";
    effect_->setParameter(effect_, kParamYaw, 2.5f);
    EXPECT_EQ(Editor().ControlsParameter(kParamYaw)->Value(), 180.0f) << "900 degrees, wrapped";
}

TEST_F(HostInputTest, ParameterSetValueWithAnyValue) {
    for (int index = 0; index < kControlsParameterCount; ++index) {
        CParamControl& parameter = *Editor().ControlsParameter(index);
        for (float value : kAwkwardFloats) {
            const float before = parameter.Value();
            parameter.SetValue(value);
            ExpectParameterSane(index, value);
            if (!std::isfinite(value)) {
                EXPECT_EQ(parameter.Value(), before) << index;
            }
        }
        parameter.SetValue(parameter.Spec().maximum);
        ExpectParameterSane(index, parameter.Spec().maximum);
        ExpectAudioSafe(parameter.Name());
    }
}

TEST_F(HostInputTest, StoreTakesAnyAveragingValues) {
    CSpectrumStore& store = *Engine().Store();
    for (float average : kAwkwardFloats) {
        for (float hold : {0.0f, Limits::quiet_NaN(), -Limits::infinity(), 1e30f, 5100.0f}) {
            store.SetAveraging(average, hold);
        }
        ExpectAudioSafe("store sweep");
    }
}

TEST_F(HostInputTest, SampleRateOutsideTheSaneRangeKeepsTheLastGoodOne) {
    const float rates[] = {48000.0f,
                           0.0f,
                           -0.0f,
                           -44100.0f,
                           Limits::denorm_min(),
                           999.0f,
                           1000.0f,
                           1536000.0f,
                           1536001.0f,
                           1e30f,
                           Limits::infinity(),
                           -Limits::infinity(),
                           Limits::quiet_NaN(),
                           96000.0f};
    float lastGood = 44100.0f;
    for (float rate : rates) {
        Dispatch(effSetSampleRate, 0, 0, nullptr, rate);
        const bool sane =
            rate >= CVstPlugin::kLowestSampleRate && rate <= CVstPlugin::kHighestSampleRate;
        if (sane) lastGood = rate;
        EXPECT_EQ(Plugin().getSampleRate(), lastGood) << rate;
        EXPECT_EQ(Plugin().Settings()->sampleRate.load(), lastGood) << rate;
        // A fresh store builds its band table at the current rate.
        Dispatch(effEditClose);
        OpenEditor();
        ExpectAudioSafe("sample rate sweep");
    }
    EXPECT_TRUE(Logged(") : Sample rate set to 48000\n"));
    EXPECT_TRUE(Logged(") : Sample rate 0 ignored, keeping 48000\n"));
    EXPECT_TRUE(Logged(") : Sample rate nan ignored, keeping "));
}

TEST_F(HostInputTest, AnyBlockSizeAnnouncement) {
    for (VstIntPtr size : {VstIntPtr{0}, VstIntPtr{-1}, VstIntPtr{INT_MIN}, VstIntPtr{1},
                           VstIntPtr{4097}, VstIntPtr{INT_MAX}, VstIntPtr{1} << 40}) {
        Dispatch(effSetBlockSize, 0, size);
        EXPECT_LE(Plugin().Settings()->maxBlockSize, CVstPlugin::kLargestBufferFrames) << size;
        EXPECT_GE(Plugin().Settings()->maxBlockSize, 1024) << size;
        ExpectAudioSafe("block size sweep");
    }
    EXPECT_EQ(Plugin().Settings()->maxBlockSize, CVstPlugin::kLargestBufferFrames);
    EXPECT_TRUE(Logged(") : Buffers limited to 65536 frames\n"));
}

}  // namespace
