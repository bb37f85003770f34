// FormatLoudnessLine: fixed one-decimal figures built by hand, since the C
// and stream formatters follow the process's locale.
#include "analysis/LoudnessLine.h"

#include <cmath>

namespace {

std::string Figure(double value) {
    if (!std::isfinite(value)) return "--";
    const long long tenths = std::llround(std::fabs(value) * 10.0);
    std::string text = value < 0.0 && tenths != 0 ? "-" : "";
    text += std::to_string(tenths / 10);
    text += '.';
    text += static_cast<char>('0' + tenths % 10);
    return text;
}

}  // namespace

std::string FormatLoudnessLine(const CLoudnessSnapshot& s) {
    return "Loudness  M " + Figure(s.momentaryLufs) + "  S " + Figure(s.shortTermLufs) + "  I " +
           Figure(s.integratedLufs) + " LUFS  LRA " + Figure(s.rangeLu) + " LU  TP " +
           Figure(s.truePeakDbtp) + " dBTP";
}
