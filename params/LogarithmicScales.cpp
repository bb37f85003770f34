// CLogScale: the band edges and the band of a frequency; the store's scale.
#include "params/LogarithmicScales.h"

#include <cmath>

#include "diag/Log.h"

namespace {
constexpr char kLogSource[] = "LogarithmicScales";
constexpr double kLowestHz = 20.0;
constexpr double kOctaves = 10.0;
// Logs and message boxes have always shown this report under line 67; it
// keeps that number wherever the call moves in this file.
constexpr int kIndexOfErrorLine = 67;
}  // namespace

bool CLogScale::Init(int32_t first, int32_t last, double low, double high) {
    low_ = low;
    high_ = high;
    first_ = first;
    last_ = last;
    count_ = last - first;
    if (count_ < 0) {
        table_.reset();
        return true;
    }
    table_ = std::make_unique<double[]>(static_cast<size_t>(count_) + 2);
    for (int32_t i = 0; i <= count_; ++i) {
        const double octave = static_cast<double>(i) / static_cast<double>(count_) * kOctaves;
        table_[i] = std::pow(2.0, octave) * kLowestHz;
    }
    return true;
}

double CLogScale::ValueAt(int32_t index) const {
    return table_[index];
}

// A value above the table is reported; the caller gets index 0, so a
// frequency beyond 20480 Hz lands on the first band.
int32_t CLogScale::IndexOf(double value) const {
    for (int32_t i = 0; i <= count_; ++i) {
        if (table_[i] >= value) return first_ + i;
    }
    diag::LogErrorLine("Could not get linear from log", kLogSource, kIndexOfErrorLine);
    return 0;
}

std::unique_ptr<CScale> CreateBandScale() {
    return std::make_unique<CLogScale>();
}
