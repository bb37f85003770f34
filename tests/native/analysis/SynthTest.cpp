// The engine's processing path: pass-through, the cutting into 4096-sample
// analysis blocks, the test-signal generator and the editor hand-over.
#include "analysis/Synth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <thread>
#include <vector>

#include "analysis/FFT.h"
#include "analysis/SpectrumStore.h"
#include "analysis/Statistics.h"
#include "editor/SynthEditor.h"
#include "params/ParameterTable.h"
#include "params/Settings.h"
#include "tests/native/support/PluginFixture.h"

namespace {

class SynthTest : public PluginFixture {
protected:
    void SetUp() override {
        PluginFixture::SetUp();
        Dispatch(effSetSampleRate, 0, 0, nullptr, 44100.0f);
        Dispatch(effSetBlockSize, 0, 16384);
    }

    CSynthEditor& Editor() { return *Plugin().Editor(); }

    // Processes frames of a constant signal; returns the outputs.
    Channels<double> Process(int frames, double left = 0.25, double right = -0.5) {
        return FeedConstant(effect_, frames, left, right);
    }
};

TEST_F(SynthTest, ClosedEditorOnlyPassesAudioThrough) {
    Process(10000);
    EXPECT_EQ(Engine().Fill(), 0);
    EXPECT_EQ(Plugin().Settings()->Statistics().Read().maxPeak, 0.0);
}

TEST_F(SynthTest, BlocksOfHundredFramesAnalyseFirstInThe41stCall) {
    OpenEditor();
    CSpectrumStore& store = *Engine().Store();
    for (int call = 1; call <= 40; ++call) {
        Process(100);
        ASSERT_FALSE(store.TakeNewFrame()) << "call " << call;
    }
    EXPECT_EQ(Engine().Fill(), 4000);
    Process(100);
    EXPECT_TRUE(store.TakeNewFrame());
    EXPECT_EQ(Engine().Fill(), 4);
}

TEST_F(SynthTest, OneLargeBlockCompletesSeveralAnalyses) {
    OpenEditor();
    std::vector<double> left(10000, 0.0), right(10000, 0.0);
    std::fill_n(left.begin(), 4096, 0.75);  // only the first analysis block is loud
    std::vector<double> outLeft(10000), outRight(10000);
    double* in[2] = {left.data(), right.data()};
    double* out[2] = {outLeft.data(), outRight.data()};
    effect_->processDoubleReplacing(effect_, in, out, 10000);
    EXPECT_EQ(Engine().Fill(), 1808);
    const CStatistics::Figures figures = Plugin().Settings()->Statistics().Read();
    EXPECT_EQ(figures.maxPeak, 0.75);
    EXPECT_EQ(figures.blockPeak, 0.0) << "the second, silent block was analysed last";
}

TEST_F(SynthTest, ResultDoesNotDependOnHowTheHostCutsItsBlocks) {
    auto analyse = [this](const std::vector<int>& sizes) {
        OpenEditor();
        std::vector<double> signal(3 * 4096);
        for (size_t i = 0; i < signal.size(); ++i) signal[i] = 0.5 * std::sin(0.07 * i);
        std::vector<double> out(signal.size());
        size_t done = 0;
        for (size_t n = 0; done < signal.size(); ++n) {
            const int frames =
                std::min<int>(sizes[n % sizes.size()], static_cast<int>(signal.size() - done));
            double* in[2] = {signal.data() + done, signal.data() + done};
            double* outs[2] = {out.data() + done, out.data() + done};
            effect_->processDoubleReplacing(effect_, in, outs, frames);
            done += static_cast<size_t>(frames);
        }
        BandLevels level{}, peak{};
        Engine().Store()->ReadSnapshot(level, peak);
        Dispatch(effEditClose);
        Engine().Analyser().ClearFrame();
        return level;
    };
    const BandLevels whole = analyse({4096});
    EXPECT_EQ(analyse({1}), whole);
    EXPECT_EQ(analyse({64}), whole);
    EXPECT_EQ(analyse({511}), whole);
    EXPECT_EQ(analyse({100, 3, 4000}), whole);
}

TEST_F(SynthTest, ToneReplacesBothOutputsWithOneSine) {
    OpenEditor();
    Editor().State().Generator().SetMode(kGeneratorTone);
    const int64_t start = CSynth::SampleCounter();
    const auto out = Process(512);
    for (int i = 0; i < 512; ++i) {
        const double expected =
            std::sin(2.0 * 3.141592653589793 / 44100.0 * 1000.0 * static_cast<double>(start + i));
        ASSERT_EQ(out[0][i], expected) << i;
        ASSERT_EQ(out[1][i], expected) << i;
    }
    EXPECT_EQ(CSynth::SampleCounter(), start + 512);
}

TEST_F(SynthTest, NoiseIsIndependentPerChannelAndInRange) {
    OpenEditor();
    Editor().State().Generator().SetMode(kGeneratorNoise);
    const auto out = Process(4096);
    EXPECT_NE(out[0], out[1]);
    for (int channel = 0; channel < 2; ++channel) {
        for (double sample : out[channel]) {
            ASSERT_GE(sample, -1.0);
            ASSERT_LE(sample, 32766.0 * 2.0 / 32767.0 - 1.0);
        }
    }
}

TEST_F(SynthTest, GeneratorHasNoEffectWhileTheEditorIsClosed) {
    Editor().State().Generator().SetMode(kGeneratorNoise);
    const auto out = Process(256, 0.25, -0.5);
    EXPECT_EQ(out[0], std::vector<double>(256, 0.25));
    EXPECT_EQ(out[1], std::vector<double>(256, -0.5));
}

TEST_F(SynthTest, EachCallTakesTheCurrentFrequency) {
    OpenEditor();
    Editor().State().Generator().SetMode(kGeneratorTone);
    Process(100);
    Editor().ControlsParameter(kParamFrequency)->SetValue(2000);
    const int64_t start = CSynth::SampleCounter();
    const auto out = Process(20);
    const double w = 2.0 * 3.141592653589793 / 44100.0;
    for (int i = 0; i < 20; ++i) {
        ASSERT_EQ(out[0][i], std::sin(w * 2000.0 * static_cast<double>(start + i))) << i;
    }
}

TEST_F(SynthTest, ToneKeepsItsPhaseAcrossSecondBoundaries) {
    OpenEditor();
    Editor().State().Generator().SetMode(kGeneratorTone);
    const int64_t start = CSynth::SampleCounter();
    const auto out = Process(44100 + 500);
    const double w = 2.0 * 3.141592653589793 / 44100.0;
    for (int i = 0; i < 44100 + 500; i += 97) {
        ASSERT_EQ(out[0][i], std::sin(w * 1000.0 * static_cast<double>(start + i))) << i;
    }
    bool frameHoldsTheTone = false;
    for (int i = 0; i < CFFT::kSize; ++i)
        frameHoldsTheTone |= Engine().Analyser().Frame()[i] != 0.0;
    EXPECT_TRUE(frameHoldsTheTone) << "an unchanged frequency keeps the frame";
}

// The old tone must not linger in the overlapping half of the next
// transform: a new frequency clears the analyser's frame, also when the host
// changes it between two calls.
TEST_F(SynthTest, FrequencyChangeClearsTheAnalysisFrame) {
    OpenEditor();
    Editor().State().Generator().SetMode(kGeneratorTone);
    auto frameIsSilent = [this] {
        const double* frame = Engine().Analyser().Frame();
        return std::all_of(frame, frame + CFFT::kSize, [](double x) { return x == 0.0; });
    };
    // Reopening empties the blocks but keeps the frame, so that no analysis
    // block completes in the two samples that follow.
    auto toneThenTwoSamples = [&](float frequency) {
        Process(2 * CFFT::kSize);
        Dispatch(effEditClose);
        OpenEditor();
        Editor().ControlsParameter(kParamFrequency)->SetValue(frequency);
        Process(2);
        return frameIsSilent();
    };
    EXPECT_FALSE(toneThenTwoSamples(1000)) << "an unchanged frequency keeps the frame";
    EXPECT_TRUE(toneThenTwoSamples(2000));
}

TEST_F(SynthTest, ReopenedEditorStartsFromAnEmptyStoreAndBlock) {
    OpenEditor();
    Process(5000, 1.0, 1.0);
    Dispatch(effEditClose);
    EXPECT_EQ(Engine().Store(), nullptr);
    EXPECT_EQ(Engine().Fill(), 0);
    OpenEditor();
    BandLevels level{}, peak{};
    Engine().Store()->ReadSnapshot(level, peak);
    EXPECT_EQ(level, BandLevels{});
    EXPECT_EQ(peak, BandLevels{});
    EXPECT_EQ(Engine().Fill(), 0);
}

TEST_F(SynthTest, OpeningTwiceReplacesTheEditorSafely) {
    OpenEditor();
    Process(5000);
    OpenEditor();
    EXPECT_EQ(Engine().Fill(), 0);
    EXPECT_TRUE(Engine().IsEditorOpen());
    EXPECT_TRUE(Engine().Store()->IsInitialised());
}

TEST_F(SynthTest, AudioThreadAndEditorOpenCloseDoNotRace) {
    std::atomic<bool> running{true};
    std::thread audio([&] {
        std::vector<float> left(300, 0.1f), right(300, 0.2f), outLeft(300), outRight(300);
        float* in[2] = {left.data(), right.data()};
        float* out[2] = {outLeft.data(), outRight.data()};
        while (running) effect_->processReplacing(effect_, in, out, 300);
    });
    for (int i = 0; i < 20; ++i) {
        OpenEditor();
        BandLevels level{}, peak{};
        for (int frame = 0; frame < 20; ++frame) {
            Engine().Store()->SetAveraging(Editor().ControlsParameter(kParamAverage)->Value(),
                                           Editor().ControlsParameter(kParamHold)->Value());
            Engine().Store()->ReadSnapshot(level, peak);
        }
        Dispatch(effEditClose);
    }
    running = false;
    audio.join();
    EXPECT_FALSE(Engine().IsEditorOpen());
}

}  // namespace
