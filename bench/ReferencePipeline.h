// The per-block analysis done with FFTW, as the reference our own path is
// measured against: same frame handling, window, averaging and levels, with
// FFTW's real-to-complex transform and log() instead of log10().
#pragma once

#include <fftw3.h>

#include <vector>

#include "analysis/AnalysisBlock.h"

class ReferencePipeline {
public:
    static constexpr int kSize = kAnalysisBlockFrames;

    ReferencePipeline();
    ~ReferencePipeline();
    ReferencePipeline(const ReferencePipeline&) = delete;
    ReferencePipeline& operator=(const ReferencePipeline&) = delete;

    // FFTW's transform of in, repacked to our layout in out.
    void Transform(const double* in, double* out);
    void Analyse(const double* left, const double* right);
    const double* Spectrum() const { return spectrum_.data(); }

private:
    std::vector<double> frame_;
    std::vector<double> window_;
    std::vector<double> spectrum_;
    double* input_;
    fftw_complex* output_;
    fftw_plan plan_;
};
