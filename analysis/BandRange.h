// The frequency range of one display band and the spectrum bins it covers.
// Bins are counted from the bin that holds 20 Hz.
#pragma once

#include <array>
#include <cstdint>

struct BandRange {
    double lowerHz;
    double upperHz;
    int32_t firstBin;
    int32_t lastBin;
};

constexpr int kBandCount = 256;

// One range per band, lowest first.
using BandTable = std::array<BandRange, kBandCount>;
