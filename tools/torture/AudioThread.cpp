// CAudioThread: blocks are paced at kSpeed times real time, as a host that
// renders faster than real time does; unpaced, a group of instances would
// starve the user-interface thread of the processor, which no host does.
#include "tools/torture/AudioThread.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "tools/torture/ActivityBoard.h"

namespace {

constexpr double kSpeed = 4.0;

}  // namespace

CAudioThread::CAudioThread(AEffect* effect, uint64_t seed, CFindings& findings, int boardSlot,
                           std::string name)
    : effect_(effect),
      random_(seed),
      checker_(findings),
      boardSlot_(boardSlot),
      name_(std::move(name)),
      thread_([this] { Run(); }) {}

CAudioThread::~CAudioThread() {
    running_ = false;
    pauseWanted_ = false;
    thread_.join();
}

void CAudioThread::Pause() {
    pauseWanted_ = true;
    while (!paused_) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void CAudioThread::Resume() {
    pauseWanted_ = false;
}

void CAudioThread::Announce(float sampleRate, int blockFrames) {
    sampleRate_ = sampleRate;
    announcedFrames_ = blockFrames;
}

void CAudioThread::Run() {
    CActivityBoard& board = CActivityBoard::Instance();
    auto due = std::chrono::steady_clock::now();
    while (running_) {
        if (pauseWanted_) {
            paused_ = true;
            while (pauseWanted_) std::this_thread::sleep_for(std::chrono::milliseconds(1));
            paused_ = false;
            continue;
        }
        const int frames = random_.BlockFrames();
        char context[160];
        std::snprintf(context, sizeof context,
                      "%s block %lld, %d frames (rate %.9g, announced %d),", name_.c_str(),
                      blocks_.load(), frames, static_cast<double>(sampleRate_.load()),
                      announcedFrames_.load());
        board.Note(boardSlot_, "%s", context);
        checker_.Process(effect_, frames, random_, context);
        board.Retire(boardSlot_);
        ++blocks_;
        due = std::max(due, std::chrono::steady_clock::now() - std::chrono::milliseconds(100));
        due += std::chrono::microseconds(
            static_cast<long long>(std::max(1000.0, 1e6 * frames / (kSpeed * sampleRate_.load()))));
        std::this_thread::sleep_until(due);
    }
    board.Retire(boardSlot_);
}
