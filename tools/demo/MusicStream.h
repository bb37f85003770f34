// The demo host's audio thread: streams the demo music through the
// plug-in's processReplacing in real time, 512 frames per call, from
// construction until destruction.
#pragma once

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "plugin/VstAbi.h"
#include "tools/demo/DemoMusic.h"

class CMusicStream {
public:
    static constexpr int kBlockFrames = 512;

    CMusicStream(AEffect* effect, double sampleRateHz);
    // Stops the thread after its current block.
    ~CMusicStream();

    CMusicStream(const CMusicStream&) = delete;
    CMusicStream& operator=(const CMusicStream&) = delete;

    // Any thread: frames handed to processReplacing so far.
    int64_t FramesStreamed() const { return framesStreamed_.load(); }
    // Any thread: blocks that had to wait for the previous one and so
    // arrived later than real time.
    int64_t LateBlocks() const { return lateBlocks_.load(); }

private:
    // Audio thread: renders, processes and sleeps until the next block is
    // due, so the plug-in sees the music at the pace a listener hears it.
    void Run();

    AEffect* effect_;
    double sampleRateHz_;
    CDemoMusic music_;
    std::vector<float> left_, right_, outLeft_, outRight_;
    std::atomic<bool> running_{true};
    std::atomic<int64_t> framesStreamed_{0};
    std::atomic<int64_t> lateBlocks_{0};
    std::thread thread_;
};
