// The view options' values, names and caption.
#include "editor/ViewOptions.h"

namespace {

constexpr char kCaptionSeparator[] = " \xB7 ";

}  // namespace

double SlopeDbPerOctave(SpectralSlope slope) {
    switch (slope) {
        case SpectralSlope::k3DbPerOctave:
            return 3.0;
        case SpectralSlope::k4_5DbPerOctave:
            return 4.5;
        case SpectralSlope::k6DbPerOctave:
            return 6.0;
        case SpectralSlope::kFlat:
            break;
    }
    return 0.0;
}

double HistorySeconds(HistorySpan history) {
    switch (history) {
        case HistorySpan::k2Seconds:
            return 2.0;
        case HistorySpan::k5Seconds:
            return 5.0;
        case HistorySpan::k10Seconds:
            return 10.0;
        case HistorySpan::k30Seconds:
            return 30.0;
        case HistorySpan::kOneRowPerFrame:
            break;
    }
    return 0.0;
}

const char* SlopeName(SpectralSlope slope) {
    switch (slope) {
        case SpectralSlope::k3DbPerOctave:
            return "3 dB/oct";
        case SpectralSlope::k4_5DbPerOctave:
            return "4.5 dB/oct";
        case SpectralSlope::k6DbPerOctave:
            return "6 dB/oct";
        case SpectralSlope::kFlat:
            break;
    }
    return "Flat";
}

const char* HistoryName(HistorySpan history) {
    switch (history) {
        case HistorySpan::k2Seconds:
            return "2 s";
        case HistorySpan::k5Seconds:
            return "5 s";
        case HistorySpan::k10Seconds:
            return "10 s";
        case HistorySpan::k30Seconds:
            return "30 s";
        case HistorySpan::kOneRowPerFrame:
            break;
    }
    return "One row per frame";
}

const char* ChannelsName(AnalysisChannels channels) {
    switch (channels) {
        case AnalysisChannels::kLeft:
            return "Left";
        case AnalysisChannels::kRight:
            return "Right";
        case AnalysisChannels::kMid:
            return "Mid";
        case AnalysisChannels::kSide:
            return "Side";
        case AnalysisChannels::kLeftPlusRight:
            break;
    }
    return "Left + Right";
}

std::string ViewOptionsCaption(const ViewOptions& options) {
    std::string caption;
    auto add = [&caption](const char* part) {
        if (!caption.empty()) caption += kCaptionSeparator;
        caption += part;
    };
    if (options.slope != SpectralSlope::kFlat) add(SlopeName(options.slope));
    if (options.history != HistorySpan::kOneRowPerFrame) add(HistoryName(options.history));
    if (options.channels != AnalysisChannels::kLeftPlusRight) add(ChannelsName(options.channels));
    return caption;
}
