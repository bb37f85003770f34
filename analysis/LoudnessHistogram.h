// Loudness of many blocks kept in bounded memory: a histogram of 0.01 LU bins
// from the absolute gate (-70 LUFS) up, each bin holding its count and the sum
// of its blocks' energies. Gated means are therefore exact apart from the one
// bin that straddles a relative gate, and percentiles are exact to a bin.
//
// Threads: whoever owns the meter; not shared.
#pragma once

#include <cstdint>
#include <vector>

class CLoudnessHistogram {
public:
    static constexpr double kAbsoluteGateLufs = -70.0;
    static constexpr double kTopLufs = 30.0;  // louder blocks share the top bin
    static constexpr double kBinLu = 0.01;
    static constexpr int kBins = 10000;
    static_assert(kBins * kBinLu == kTopLufs - kAbsoluteGateLufs, "bins must cover the range");

    // Mean square of the K-weighted channels, summed over channels, to and
    // from loudness.
    static double LoudnessOf(double energy);
    static double EnergyOf(double lufs);

    CLoudnessHistogram();

    void Clear();
    // One block's energy; blocks at or below the absolute gate are not kept.
    void Add(double energy);

    // The mean loudness of the kept blocks above the relative gate, gateLu
    // (negative) below the mean of all kept blocks. NaN while none is kept.
    double GatedLoudness(double gateLu) const;
    // Between the two percentiles (fractions) of the loudness of the blocks
    // above the relative gate. NaN while none is kept.
    double Range(double gateLu, double lowFraction, double highFraction) const;

private:
    int BinOf(double lufs) const;
    // The first bin whose blocks lie above the relative gate.
    int FirstGatedBin(double gateLu) const;
    double BinLoudness(int bin) const;

    std::vector<uint64_t> counts_;
    std::vector<double> energies_;
    uint64_t count_ = 0;
    double energy_ = 0.0;
    int lowest_ = kBins;  // the used bins, so that Clear touches only those
    int highest_ = -1;
};
