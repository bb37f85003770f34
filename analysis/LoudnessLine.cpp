// FormatLoudnessLine: fixed one-decimal figures built by hand, since the C
// and stream formatters follow the process's locale.
#include "analysis/LoudnessLine.h"

#include <cmath>

std::string LoudnessFigureText(double value) {
    if (!std::isfinite(value)) return "--";
    const long long tenths = std::llround(std::fabs(value) * 10.0);
    std::string text = value < 0.0 && tenths != 0 ? "-" : "";
    text += std::to_string(tenths / 10);
    text += '.';
    text += static_cast<char>('0' + tenths % 10);
    return text;
}

std::string FormatLoudnessLine(const CLoudnessSnapshot& s) {
    return "Loudness  M " + LoudnessFigureText(s.momentaryLufs) + "  S " +
           LoudnessFigureText(s.shortTermLufs) + "  I " + LoudnessFigureText(s.integratedLufs) +
           " LUFS  LRA " + LoudnessFigureText(s.rangeLu) + " LU  TP " +
           LoudnessFigureText(s.truePeakDbtp) + " dBTP";
}
