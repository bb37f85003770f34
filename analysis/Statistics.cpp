// CStatistics: block accumulation, spectral maximum and the report text.
#include "analysis/Statistics.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr double kPerSampleOfBothChannels = 1.0 / (2 * CStatistics::kBlockFrames);
}

CStatistics::CStatistics() {
    Reset();
}

void CStatistics::Reset() {
    Hold hold(*this);
    figures_ = Figures();
}

void CStatistics::Accumulate(const double* left, const double* right) {
    Hold hold(*this);
    double peak = 0.0;
    double sum = 0.0;
    double sumOfSquares = 0.0;
    for (int i = 0; i < kBlockFrames; ++i) {
        for (const double sample : {left[i], right[i]}) {
            const double magnitude = std::fabs(sample);
            if (magnitude > peak) peak = magnitude;
            sum += magnitude;
            sumOfSquares += sample * sample;
        }
    }
    figures_.blockPeak = peak;
    if (peak > figures_.maxPeak) figures_.maxPeak = peak;
    figures_.blockAverage = sum * kPerSampleOfBothChannels;
    if (figures_.blockAverage > figures_.maxAverage) figures_.maxAverage = figures_.blockAverage;
    figures_.blockRms = std::sqrt(sumOfSquares * kPerSampleOfBothChannels);
    if (figures_.blockRms > figures_.maxRms) figures_.maxRms = figures_.blockRms;
}

void CStatistics::UpdateSpectralMaximum(double levelDb, int32_t frequencyHz) {
    Hold hold(*this);
    figures_.frameMaxDb = levelDb;
    figures_.frameMaxHz = frequencyHz;
    if (levelDb > figures_.overallMaxDb) {
        figures_.overallMaxDb = levelDb;
        figures_.overallMaxHz = frequencyHz;
    }
}

CStatistics::Figures CStatistics::Read() {
    Hold hold(*this);
    return figures_;
}

std::string CStatistics::Report() {
    const Figures figures = Read();
    return "Statistics\nMax Sample Peak: " + FormatFigure(figures.maxPeak) +
           " ave: " + FormatFigure(figures.maxAverage) + " rms: " + FormatFigure(figures.maxRms) +
           "\nMax value: " + FormatFigure(figures.overallMaxDb) + " dB at " +
           std::to_string(figures.overallMaxHz) + " Hz";
}

std::string CStatistics::FormatFigure(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.3g", value);
    std::string formatted = text;
    const size_t exponent = formatted.find('e');
    if (exponent == std::string::npos) return formatted;
    // "e-05" becomes "e-005": mantissa, sign, then at least three digits.
    const std::string mantissaAndSign = formatted.substr(0, exponent + 2);
    std::string digits = formatted.substr(exponent + 2);
    while (digits.size() < 3) digits.insert(0, "0");
    return mantissaAndSign + digits;
}
