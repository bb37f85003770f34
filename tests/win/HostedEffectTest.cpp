// The real DLL under a host of our own: its exports, the HTML log in the
// common documents folder, and audio passing through in both precisions
// with the editor closed and open.
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

TEST_F(HostedEffect, CloseWritesTheLogInTheCommonDocumentsFolder) {
    Close(effect_);
    const std::string log = LogFileBytes();
    EXPECT_EQ(log.rfind("<HTML>\r\n<HEAD>\r\n", 0), 0u) << "a whole page, lines ending in CR LF";
    EXPECT_NE(log.find("<br><hr>Logging stopped at "), std::string::npos) << "and its closing";
}

// The editor closed, then open: blocks larger than announced included, which
// the closed editor's direct copy must serve whole.
TEST_F(HostedEffect, AudioPassesThroughBitForBitWithTheEditorClosedAndOpen) {
    auto single = [this](float** in, float** out, int frames) {
        effect_->processReplacing(effect_, in, out, frames);
    };
    auto twice = [this](double** in, double** out, int frames) {
        effect_->processDoubleReplacing(effect_, in, out, frames);
    };
    Dispatch(effSetBlockSize, 0, 512);
    ExpectPassThrough<float>(single, {1, 512, 4096, 1000});
    ExpectPassThrough<double>(twice, {10000});

    HWND parent = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 900, 600, nullptr,
                                  nullptr, nullptr, nullptr);
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(Dispatch(effEditOpen, 0, 0, parent), 1);
    ExpectPassThrough<float>(single, {512, 100, 7, 4096});  // several analysis blocks
    ExpectPassThrough<double>(twice, {4096, 5000});
    EXPECT_EQ(Dispatch(effEditClose), 1);
    DestroyWindow(parent);
}

}  // namespace
