// The real DLL under a host of our own: exports, processing in both
// precisions, the HTML log and instance sharing.
#include <windows.h>

#include <cstring>
#include <vector>

#include "tests/common/TestSignals.h"
#include "tests/win/HostedEffectFixture.h"

namespace {

TEST(HostedModule, ExportsTheEntryAsVSTPluginMainAndMainAtOneAddress) {
    CPluginModule module(CPluginModule::ProgramFolder() + "Vantoscope.dll");
    ASSERT_TRUE(module.IsLoaded());
    ASSERT_NE(module.Entry("VSTPluginMain"), nullptr);
    EXPECT_EQ(module.Entry("main"), module.Entry("VSTPluginMain"));
}

TEST(HostedModule, RefusesAHostThatAnswersZeroToTheVersionQuery) {
    CDebugOutputCapture debugOutput;
    CHostCallRecorder oldHost(0);
    CPluginModule module(CPluginModule::ProgramFolder() + "Vantoscope.dll");
    EXPECT_EQ(module.Instantiate(&CHostCallRecorder::Callback), nullptr);
    ASSERT_EQ(oldHost.Calls().size(), 1u);
    EXPECT_EQ(oldHost.Calls()[0].opcode, audioMasterVersion);
    EXPECT_FALSE(debugOutput.Contains("ErrorSystem Created")) << "nothing may be created";
}

using HostedEffect = HostedEffectFixture;

template <typename Sample, typename Process>
void ExpectPassThrough(Process process, const std::vector<int>& blockSizes) {
    const size_t total = 10000;
    const std::vector<Sample> left = Noise<Sample>(total, 1);
    const std::vector<Sample> right = Noise<Sample>(total, 2);
    std::vector<Sample> outLeft(total, Sample(9)), outRight(total, Sample(9));
    size_t done = 0;
    for (size_t block = 0; done < total; ++block) {
        const int frames =
            std::min<int>(blockSizes[block % blockSizes.size()], static_cast<int>(total - done));
        Sample* in[2] = {const_cast<Sample*>(left.data()) + done,
                         const_cast<Sample*>(right.data()) + done};
        Sample* out[2] = {outLeft.data() + done, outRight.data() + done};
        process(in, out, frames);
        done += static_cast<size_t>(frames);
    }
    EXPECT_EQ(std::memcmp(left.data(), outLeft.data(), total * sizeof(Sample)), 0);
    EXPECT_EQ(std::memcmp(right.data(), outRight.data(), total * sizeof(Sample)), 0);
}

TEST_F(HostedEffect, AudioPassesThroughBitForBitInBothPrecisions) {
    auto single = [this](float** in, float** out, int frames) {
        effect_->processReplacing(effect_, in, out, frames);
    };
    auto twice = [this](double** in, double** out, int frames) {
        effect_->processDoubleReplacing(effect_, in, out, frames);
    };
    ExpectPassThrough<float>(single, {128});  // before any block size
    Dispatch(effSetSampleRate, 0, 0, nullptr, 48000.0f);
    Dispatch(effSetBlockSize, 0, 512);
    Dispatch(effMainsChanged, 0, 1);
    ExpectPassThrough<float>(single, {1, 64, 511, 512, 100, 3});
    ExpectPassThrough<double>(twice, {512, 7, 333});
    ExpectPassThrough<float>(single, {4096, 1000});  // larger than announced
    ExpectPassThrough<double>(twice, {10000});
}

TEST_F(HostedEffect, CloseDeletesTheInstanceAndWritesTheLog) {
    Dispatch(effSetSampleRate, 0, 0, nullptr, 96000.0f);
    Close(effect_);
    EXPECT_TRUE(debugOutput_.Contains("ErrorSystem Destroyed."));
    const std::string log = LogFileBytes();
    EXPECT_EQ(log.rfind("<HTML>\r\n<HEAD>\r\n<TITLE>Orlemar Plugin System Log</TITLE>", 0), 0u);
    for (const char* line : {") : Vantoscope Begin\r\n<br>", ") : Initial SR set to: 44100\r\n<br>",
                             ") : Sample rate set to 96000\r\n<br>", ") : CVstPlugin: CLOSE",
                             ") : Vantoscope End\r\n<br>", "<br><hr>Logging stopped at "}) {
        EXPECT_NE(log.find(line), std::string::npos) << line;
    }
    EXPECT_NE(log.find("VstPlugin("), std::string::npos);
}

TEST_F(HostedEffect, TwoInstancesShareOneErrorSystemAndOneLog) {
    AEffect* second = module_->Instantiate(&CHostCallRecorder::Callback);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, effect_);
    EXPECT_TRUE(debugOutput_.Contains("ErrorSystem Ref Count++"));
    Close(second);
    EXPECT_TRUE(debugOutput_.Contains("ErrorSystem Ref Count--"));
    EXPECT_FALSE(debugOutput_.Contains("ErrorSystem Destroyed."));
    Close(effect_);
    EXPECT_TRUE(debugOutput_.Contains("ErrorSystem Destroyed."));

    const std::string log = LogFileBytes();
    const size_t firstBegin = log.find("Vantoscope Begin");
    ASSERT_NE(firstBegin, std::string::npos);
    EXPECT_NE(log.find("Vantoscope Begin", firstBegin + 1), std::string::npos);
    const size_t firstHeader = log.find("<HTML>");
    EXPECT_EQ(log.find("<HTML>", firstHeader + 1), std::string::npos) << "one header only";
}

TEST_F(HostedEffect, EditorOpenAnalysesWhileAudioStillPassesThrough) {
    HWND parent = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 900, 600, nullptr,
                                  nullptr, nullptr, nullptr);
    ASSERT_NE(parent, nullptr);
    Dispatch(effSetBlockSize, 0, 1024);
    EXPECT_EQ(Dispatch(effEditOpen, 0, 0, parent), 1);
    auto single = [this](float** in, float** out, int frames) {
        effect_->processReplacing(effect_, in, out, frames);
    };
    auto twice = [this](double** in, double** out, int frames) {
        effect_->processDoubleReplacing(effect_, in, out, frames);
    };
    ExpectPassThrough<float>(single, {1024, 100, 7});  // several analysis blocks
    ExpectPassThrough<double>(twice, {4096, 5000});
    EXPECT_EQ(Dispatch(effEditClose), 1);
    DestroyWindow(parent);
    Close(effect_);
    const std::string log = LogFileBytes();
    EXPECT_NE(log.find("VstPlugin("), std::string::npos);
    EXPECT_NE(log.find(") : ***effEditOpen\r\n"), std::string::npos);
    EXPECT_NE(log.find(") : CSynth: Editor Close Done\r\n"), std::string::npos);
}

}  // namespace
