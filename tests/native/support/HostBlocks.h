// Test helper: feeds a stereo signal through an effect the way a host does,
// in blocks of the given sizes (cycled), and returns what came out.
#pragma once

#include <algorithm>
#include <array>
#include <vector>

#include "plugin/VstAbi.h"

template <typename Sample>
using Channels = std::array<std::vector<Sample>, 2>;

inline void ProcessHostBlock(AEffect* effect, float** in, float** out, int frames) {
    effect->processReplacing(effect, in, out, frames);
}

inline void ProcessHostBlock(AEffect* effect, double** in, double** out, int frames) {
    effect->processDoubleReplacing(effect, in, out, frames);
}

// Outputs start as 42 everywhere, so that an untouched sample shows.
template <typename Sample>
Channels<Sample> FeedBlocks(AEffect* effect, const Channels<Sample>& input,
                            const std::vector<int>& blockSizes) {
    Channels<Sample> output;
    for (auto& channel : output) channel.assign(input[0].size(), Sample(42));
    size_t done = 0;
    for (size_t block = 0; done < input[0].size(); ++block) {
        const int frames = std::min<int>(blockSizes[block % blockSizes.size()],
                                         static_cast<int>(input[0].size() - done));
        Sample* in[2] = {const_cast<Sample*>(input[0].data()) + done,
                         const_cast<Sample*>(input[1].data()) + done};
        Sample* out[2] = {output[0].data() + done, output[1].data() + done};
        ProcessHostBlock(effect, in, out, frames);
        done += static_cast<size_t>(std::max(frames, 0));
    }
    return output;
}

// A constant signal of the given frames through one host block.
inline Channels<double> FeedConstant(AEffect* effect, int frames, double left, double right) {
    return FeedBlocks<double>(
        effect, {std::vector<double>(frames, left), std::vector<double>(frames, right)}, {frames});
}
