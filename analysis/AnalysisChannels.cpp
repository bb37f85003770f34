// The analyser's input for each choice of channels.
#include "analysis/AnalysisChannels.h"

AnalysisPair ChooseAnalysisPair(AnalysisChannels channels, const double* left, const double* right,
                                double* scratch, int frames) {
    switch (channels) {
        case AnalysisChannels::kLeft:
            return {left, left};
        case AnalysisChannels::kRight:
            return {right, right};
        case AnalysisChannels::kSide:
            for (int i = 0; i < frames; ++i) scratch[i] = (left[i] - right[i]) * 0.5;
            return {scratch, scratch};
        case AnalysisChannels::kLeftPlusRight:
        case AnalysisChannels::kMid:
            break;
    }
    return {left, right};
}
