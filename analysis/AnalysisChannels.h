// Which signal the spectrum analysis sees. The audio passes through
// untouched whatever the choice, and loudness always measures the pair.
#pragma once

#include <cstdint>

enum class AnalysisChannels : int32_t {
    kLeftPlusRight,  // the mono mix (L + R) / 2
    kLeft,
    kRight,
    kMid,   // (L + R) / 2
    kSide,  // (L - R) / 2
};

// The two blocks to hand the analyser, which analyses their mean: the pair
// itself, one channel twice, or the side signal written into scratch twice.
// Audio thread: no allocation.
struct AnalysisPair {
    const double* first;
    const double* second;
};
AnalysisPair ChooseAnalysisPair(AnalysisChannels channels, const double* left, const double* right,
                                double* scratch, int frames);
