// Feeds one block through the plug-in's processing calls and checks what
// comes back: with the test signal off, the output must equal the input bit
// for bit, on both precisions, in separate buffers or in place.
#pragma once

#include <string>
#include <vector>

#include "plugin/VstAbi.h"

class CFindings;
class CTortureRandom;

class CProcessChecker {
public:
    static constexpr int kMaxFrames = 16384;

    explicit CProcessChecker(CFindings& findings);

    // The thread that processes this instance: one block of frames, with a
    // description of the call for any finding.
    void Process(AEffect* effect, int frames, CTortureRandom& random, const std::string& context);

    long long BlocksProcessed() const { return blocks_; }

private:
    template <typename Sample>
    struct Channels {
        std::vector<Sample> in[2], out[2], expected[2];
    };

    template <typename Sample>
    Channels<Sample>& Buffers();
    template <typename Sample>
    void Run(AEffect* effect, int frames, bool inPlace, CTortureRandom& random,
             const std::string& context);
    template <typename Sample>
    void FillInput(std::vector<Sample>* channels, int frames, CTortureRandom& random);
    template <typename Sample>
    void Compare(const std::vector<Sample>* expected, Sample* const* actual, int frames,
                 const std::string& context);

    CFindings& findings_;
    Channels<float> floats_;
    Channels<double> doubles_;
    long long blocks_ = 0;
};
