// The analyser: each 4096-sample stereo block becomes one power spectrum in
// decibels, from two half-overlapping Hann-windowed transforms of the mono
// mix whose magnitudes are averaged.
//
// Spectrum layout after Analyse: [0] = -120; [k] for k = 1..2047 the level of
// bin k in dB (frequency k * sampleRate / 4096, minus infinity for a silent
// bin); [2048..4095] intermediate values that are not levels.
//
// Threads: audio thread only (Analyse); the generator clears the frame from
// the same thread.
#pragma once

#include <cstdint>
#include <memory>

#include "analysis/AnalysisBlock.h"
#include "analysis/RealFFT.h"

class CFFT {
public:
    // One transform spans a whole analysis block.
    static constexpr int kSize = kAnalysisBlockFrames;
    static constexpr int kHop = kSize / 2;
    static constexpr int kLevelBins = kSize / 2;  // levels live in bins 1..kLevelBins-1
    static constexpr double kFloorDb = -120.0;

    // The loudest level bin of a spectrum; bin -1 (and -100000 dB) when
    // every bin is silent.
    struct LoudestBin {
        double levelDb;
        int32_t bin;
    };

    CFFT();

    LoudestBin Analyse(const double* left, const double* right);
    // The level in dB of a bin's power; powers above 1e-12 (-120 dB) are
    // raised by 10 dB.
    static double LevelOfPower(double power);
    // Forgets the signal, so that an old tone does not linger in the
    // overlapping half of the next transform.
    void ClearFrame();

    const double* Spectrum() const { return spectrum_.get(); }
    const double* Frame() const { return frame_.get(); }

private:
    LoudestBin ConvertToDecibels();

    std::unique_ptr<double[]> frame_;
    std::unique_ptr<double[]> spectrum_;
    std::unique_ptr<double[]> work_;
    std::unique_ptr<double[]> window_;
    CRealFFT transform_;
};
