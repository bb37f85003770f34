// The length of one analysis block: the frames the engine gathers before it
// analyses, the frames the statistics take at once and the size of each
// transform. Everything that counts in blocks uses this one value.
#pragma once

constexpr int kAnalysisBlockFrames = 4096;

// The real transform needs a power of two; it also makes 1 / frames exact
// in float, so a block's duration carries no rounding.
static_assert(kAnalysisBlockFrames >= 4 && (kAnalysisBlockFrames & (kAnalysisBlockFrames - 1)) == 0,
              "the analysis block is a power of two");
