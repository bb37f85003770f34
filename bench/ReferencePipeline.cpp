#include "bench/ReferencePipeline.h"

#include <algorithm>
#include <cmath>

ReferencePipeline::ReferencePipeline()
    : frame_(kSize, 0.0),
      window_(kSize),
      spectrum_(kSize),
      input_(fftw_alloc_real(kSize)),
      output_(fftw_alloc_complex(kSize / 2 + 1)),
      plan_(fftw_plan_dft_r2c_1d(kSize, input_, output_, FFTW_MEASURE)) {
    for (int i = 0; i < kSize; ++i) {
        window_[i] = (1.0 - std::cos(2.0 * 3.141592653589793 * i / (kSize - 1))) * 0.5;
    }
}

ReferencePipeline::~ReferencePipeline() {
    fftw_destroy_plan(plan_);
    fftw_free(output_);
    fftw_free(input_);
}

void ReferencePipeline::Transform(const double* in, double* out) {
    std::copy_n(in, kSize, input_);
    fftw_execute(plan_);
    out[0] = output_[0][0];
    for (int k = 1; k <= kSize / 2; ++k) out[k] = output_[k][0];
    for (int k = 1; k < kSize / 2; ++k) out[kSize - k] = output_[k][1];
}

void ReferencePipeline::Analyse(const double* left, const double* right) {
    constexpr int kHop = kSize / 2;
    constexpr double kScale = 2.0 / kSize * (2.0 / 3.0) / 2.0;  // magnitude, gain, mean of two
    std::fill(spectrum_.begin(), spectrum_.end(), 0.0);
    for (int offset = 0; offset < kSize; offset += kHop) {
        std::copy(frame_.begin() + kHop, frame_.end(), frame_.begin());
        for (int j = 0; j < kHop; ++j)
            frame_[kHop + j] = (left[offset + j] + right[offset + j]) * 0.5;
        for (int i = 0; i < kSize; ++i) input_[i] = frame_[i] * window_[i];
        fftw_execute(plan_);
        for (int k = 1; k < kHop; ++k) {
            spectrum_[k] += std::fabs(output_[k][0]) * kScale;
            spectrum_[kSize - k] += std::fabs(output_[k][1]) * kScale;
        }
    }
    constexpr double kDbPerNeper = 10.0 / 2.302585092994046;
    spectrum_[0] = -120.0;
    for (int k = 1; k < kHop; ++k) {
        const double power =
            spectrum_[k] * spectrum_[k] + spectrum_[kSize - k] * spectrum_[kSize - k];
        const double levelDb = std::log(power) * kDbPerNeper;
        spectrum_[k] = levelDb > -120.0 ? levelDb + 10.0 : levelDb;
    }
}
