// CRealFFT: the real sequence is packed into half as many complex values
// (even samples real, odd samples imaginary), transformed with an iterative
// radix-2 FFT, and split back into the spectrum of the real sequence.
#include "analysis/RealFFT.h"

#include <cassert>
#include <cmath>

namespace {
constexpr double kPi = 3.141592653589793;
}

CRealFFT::CRealFFT(int size)
    : size_(size),
      half_(size / 2),
      re_(half_),
      im_(half_),
      bitReversed_(half_),
      twiddleRe_(half_ / 2),
      twiddleIm_(half_ / 2),
      splitRe_(half_ + 1),
      splitIm_(half_ + 1) {
    assert(size >= 4 && (size & (size - 1)) == 0);
    int bits = 0;
    while ((1 << bits) < half_) ++bits;
    for (int i = 0; i < half_; ++i) {
        uint32_t reversed = 0;
        for (int b = 0; b < bits; ++b) reversed |= ((i >> b) & 1u) << (bits - 1 - b);
        bitReversed_[i] = reversed;
    }
    for (int m = 0; m < half_ / 2; ++m) {
        twiddleRe_[m] = std::cos(2.0 * kPi * m / half_);
        twiddleIm_[m] = -std::sin(2.0 * kPi * m / half_);
    }
    for (int k = 0; k <= half_; ++k) {
        splitRe_[k] = std::cos(2.0 * kPi * k / size_);
        splitIm_[k] = -std::sin(2.0 * kPi * k / size_);
    }
}

void CRealFFT::ComplexTransform() {
    for (int length = 2; length <= half_; length <<= 1) {
        const int halfLength = length / 2;
        const int stride = half_ / length;
        for (int start = 0; start < half_; start += length) {
            for (int j = 0; j < halfLength; ++j) {
                const double wRe = twiddleRe_[j * stride];
                const double wIm = twiddleIm_[j * stride];
                const int top = start + j;
                const int bottom = top + halfLength;
                const double vRe = re_[bottom] * wRe - im_[bottom] * wIm;
                const double vIm = re_[bottom] * wIm + im_[bottom] * wRe;
                re_[bottom] = re_[top] - vRe;
                im_[bottom] = im_[top] - vIm;
                re_[top] += vRe;
                im_[top] += vIm;
            }
        }
    }
}

void CRealFFT::Transform(double* x) {
    for (int n = 0; n < half_; ++n) {
        re_[bitReversed_[n]] = x[2 * n];
        im_[bitReversed_[n]] = x[2 * n + 1];
    }
    ComplexTransform();

    // Z(k) = E(k) + i O(k) packs the spectra E of the even and O of the odd
    // samples; X(k) = E(k) + e^(-2 pi i k / N) O(k).
    x[0] = re_[0] + im_[0];
    x[half_] = re_[0] - im_[0];
    for (int k = 1; k < half_; ++k) {
        const int mirror = half_ - k;
        const double evenRe = 0.5 * (re_[k] + re_[mirror]);
        const double evenIm = 0.5 * (im_[k] - im_[mirror]);
        const double oddRe = 0.5 * (im_[k] + im_[mirror]);
        const double oddIm = -0.5 * (re_[k] - re_[mirror]);
        x[k] = evenRe + splitRe_[k] * oddRe - splitIm_[k] * oddIm;
        x[size_ - k] = evenIm + splitRe_[k] * oddIm + splitIm_[k] * oddRe;
    }
}
