// CAudioThread: a short sleep now and then leaves the plug-in lock free for
// the user-interface thread, as the gaps between a real host's blocks do.
#include "tools/torture/AudioThread.h"

#include <chrono>
#include <cstdio>

#include "tools/torture/ActivityBoard.h"

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
        if (random_.Chance(0.5)) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    board.Retire(boardSlot_);
}
