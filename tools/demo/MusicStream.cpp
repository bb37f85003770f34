// CMusicStream: the block deadlines are counted from the start, not from
// the previous block, so that a slow call does not make the stream drift.
#include "tools/demo/MusicStream.h"

#include <windows.h>

#include <chrono>

namespace {

constexpr uint32_t kMusicSeed = 2026;

}  // namespace

CMusicStream::CMusicStream(AEffect* effect, double sampleRateHz)
    : effect_(effect),
      sampleRateHz_(sampleRateHz),
      music_(sampleRateHz, kMusicSeed),
      left_(kBlockFrames),
      right_(kBlockFrames),
      outLeft_(kBlockFrames),
      outRight_(kBlockFrames),
      thread_(&CMusicStream::Run, this) {}

CMusicStream::~CMusicStream() {
    running_ = false;
    thread_.join();
}

void CMusicStream::Run() {
    // Hosts raise their audio threads above the user interface, so that
    // drawing, here a software rasteriser, cannot starve the music.
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    float* inputs[] = {left_.data(), right_.data()};
    float* outputs[] = {outLeft_.data(), outRight_.data()};
    while (running_) {
        music_.Render(left_.data(), right_.data(), kBlockFrames);
        effect_->processReplacing(effect_, inputs, outputs, kBlockFrames);
        const int64_t streamed = framesStreamed_ += kBlockFrames;
        const auto due = start + std::chrono::duration_cast<Clock::duration>(
                                     std::chrono::duration<double>(streamed / sampleRateHz_));
        if (Clock::now() > due) ++lateBlocks_;
        std::this_thread::sleep_until(due);
    }
}
