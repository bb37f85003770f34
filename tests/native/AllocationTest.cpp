// The audio thread never allocates: every operator new of this program is
// counted while the counting thread processes audio, with the editor open,
// the generator on and analysis blocks completing. A plug-in whose
// construction runs out of memory half-way releases what it took.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "analysis/LoudnessMeter.h"
#include "analysis/PerformanceTimer.h"
#include "analysis/Synth.h"
#include "editor/SynthEditor.h"
#include "plugin/VstEntry.h"
#include "plugin/VstPlugin.h"
#include "tests/native/support/DiagnosticsCapture.h"
#include "tools/host/HostCallRecorder.h"

// The replacement pair below is matched, but once inlined into the tests GCC
// sees std::free receive what "new" returned and warns.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {
thread_local bool tCounting = false;
std::atomic<int> gAllocations{0};
// Counts down on this thread; the allocation that brings it to zero fails.
thread_local int tAllocationsBeforeFailure = -1;
}  // namespace

void* operator new(std::size_t size) {
    if (tCounting) gAllocations.fetch_add(1);
    if (tAllocationsBeforeFailure > 0 && --tAllocationsBeforeFailure == 0) {
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace {

template <typename Body>
int AllocationsDuring(Body body) {
    gAllocations = 0;
    tCounting = true;
    body();
    tCounting = false;
    return gAllocations.load();
}

class AudioThreadAllocations : public ::testing::Test {
protected:
    void SetUp() override {
        effect_ = VSTPluginMain(&CHostCallRecorder::Callback);
        ASSERT_NE(effect_, nullptr);
        effect_->dispatcher(effect_, effSetBlockSize, 0, 512, nullptr, 0.0f);
        effect_->dispatcher(effect_, effEditOpen, 0, 0, nullptr, 0.0f);
    }
    void TearDown() override {
        effect_->dispatcher(effect_, effEditClose, 0, 0, nullptr, 0.0f);
        effect_->dispatcher(effect_, effClose, 0, 0, nullptr, 0.0f);
    }
    CSynthEditor& Editor() { return *static_cast<CVstPlugin*>(effect_->object)->Editor(); }

    DiagnosticsCapture capture_;
    CHostCallRecorder host_;
    AEffect* effect_ = nullptr;
};

TEST_F(AudioThreadAllocations, CounterSeesAllocations) {
    EXPECT_GT(AllocationsDuring([] { std::vector<int> grown(100); }), 0);
}

TEST_F(AudioThreadAllocations, NoneWhileProcessingAndAnalysing) {
    std::vector<float> left(512, 0.3f), right(512, -0.1f), outLeft(512), outRight(512);
    float* in[2] = {left.data(), right.data()};
    float* out[2] = {outLeft.data(), outRight.data()};
    std::vector<double> leftD(700, 0.2), rightD(700, 0.4), outLeftD(700), outRightD(700);
    double* inD[2] = {leftD.data(), rightD.data()};
    double* outD[2] = {outLeftD.data(), outRightD.data()};

    const int allocations = AllocationsDuring([&] {
        for (int call = 0; call < 40; ++call) effect_->processReplacing(effect_, in, out, 512);
        Editor().State().Generator().SetMode(kGeneratorTone);
        for (int call = 0; call < 40; ++call) effect_->processReplacing(effect_, in, out, 512);
        Editor().State().Generator().SetMode(kGeneratorOff);
        Editor().State().Generator().SetMode(kGeneratorNoise);
        // Larger than announced: served in pieces.
        for (int call = 0; call < 30; ++call)
            effect_->processDoubleReplacing(effect_, inD, outD, 700);
    });
    EXPECT_EQ(allocations, 0);
}

TEST(LoudnessMeterAllocations, NoneWhileMeasuringOrResetting) {
    CLoudnessMeter meter(48000);
    std::vector<float> left(4096, 0.3f), right(4096, -0.1f);
    const int allocations = AllocationsDuring([&] {
        for (int call = 0; call < 200; ++call) {
            meter.Process(left.data(), right.data(), 1 + call * 20);
            if (call == 100) meter.RequestReset();
        }
    });
    EXPECT_EQ(allocations, 0);
}

// Whichever allocation of the construction fails, the shared timer and the
// error system are released again.
TEST(ConstructionFailure, ReleasesTheSharedServices) {
    // The first allocation is the host recording its version query.
    for (int failing = 2; failing < 400; failing += 3) {
        DiagnosticsCapture capture;
        CHostCallRecorder host;
        tAllocationsBeforeFailure = failing;
        AEffect* effect = VSTPluginMain(&CHostCallRecorder::Callback);
        const bool failed = tAllocationsBeforeFailure == 0;
        tAllocationsBeforeFailure = -1;
        // A failure that a stream absorbed (a log line cut short) lets the
        // construction finish; that instance closes as any other.
        if (effect != nullptr) effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
        EXPECT_EQ(ErrorSystem::Instance(), nullptr) << failing;
        EXPECT_EQ(CPerformanceTimer::Shared(), nullptr) << failing;
        EXPECT_EQ(CPerformanceTimer::SharedReferences(), 0) << failing;
        if (!failed) break;  // the construction needs fewer allocations than this
    }
}

}  // namespace
