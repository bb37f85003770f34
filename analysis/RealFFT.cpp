// CRealFFT: the real sequence is packed into half as many complex values
// (even samples real, odd samples imaginary). A first stage reads them in
// bit-reversed order and computes transforms of 2, 4 or 8 values in
// registers; radix-4 decimation-in-time stages follow; a last pass splits
// the packed transform into the spectrum of the real sequence. Real and
// imaginary parts live in separate arrays and every stage reads its
// twiddles from its own contiguous table, so the vector kernels walk memory
// in order.
#include "analysis/RealFFT.h"

#include <cassert>
#include <cmath>

#include "analysis/FFTKernels.h"

namespace {

using fftkernels::Butterfly2;
using fftkernels::Butterfly4;

constexpr double kPi = 3.141592653589793;
constexpr double kRootHalf = 0.70710678118654752440;

// Two doubles in one SSE2 register, with element-wise arithmetic: the first
// stage runs two groups at once in it.
typedef double Pair __attribute__((vector_size(16)));

// The 8-point transform of values given in bit-reversed order: pairs, then
// one radix-4 step whose twiddles for j = 1 are W^2 = -i, W and W^3, with
// W = e^(-i pi / 4).
template <typename T>
inline void Transform8(T* re, T* im) {
    for (int m = 0; m < 8; m += 2) Butterfly2(re, im, m, m + 1);
    const T re3 = re[3], re5 = re[5], im5 = im[5], re7 = re[7], im7 = im[7];
    re[3] = im[3];
    im[3] = -re3;
    re[5] = (re5 + im5) * kRootHalf;
    im[5] = (im5 - re5) * kRootHalf;
    re[7] = (im7 - re7) * kRootHalf;
    im[7] = -(re7 + im7) * kRootHalf;
    Butterfly4(re, im, 0, 2, 4, 6);
    Butterfly4(re, im, 1, 3, 5, 7);
}

}  // namespace

CRealFFT::CRealFFT(int size, Isa isa)
    : size_(size),
      half_(size / 2),
      usesAvx2_(isa == Isa::kBest && fftkernels::ProcessorHasAvx2()),
      radix4_(usesAvx2_ ? fftkernels::Radix4Avx2 : fftkernels::Radix4Sse2),
      split_(usesAvx2_ ? fftkernels::SplitAvx2 : fftkernels::SplitSse2),
      re_(half_),
      im_(half_),
      bitReversed_(half_) {
    assert(size >= 4 && (size & (size - 1)) == 0);
    int bits = 0;
    while ((1 << bits) < half_) ++bits;
    for (int i = 0; i < half_; ++i) {
        uint32_t reversed = 0;
        for (int b = 0; b < bits; ++b) reversed |= ((i >> b) & 1u) << (bits - 1 - b);
        bitReversed_[i] = reversed;
    }
    firstWidth_ = bits == 1 ? 2 : (bits % 2 == 1 ? 8 : 4);
    for (int length = firstWidth_ * 4; length <= half_; length *= 4) {
        Radix4Stage stage;
        stage.quarter = length / 4;
        stage.twiddles.resize(static_cast<size_t>(6 * stage.quarter));
        double* table = stage.twiddles.data();
        for (int j = 0; j < stage.quarter; ++j) {
            for (int power = 1; power <= 3; ++power) {
                const double angle = -2.0 * kPi * power * j / length;
                table[(2 * power - 2) * stage.quarter + j] = std::cos(angle);
                table[(2 * power - 1) * stage.quarter + j] = std::sin(angle);
            }
        }
        stages_.push_back(std::move(stage));
    }
    splitRe_.resize(static_cast<size_t>(half_ + 1));
    splitIm_.resize(static_cast<size_t>(half_ + 1));
    for (int k = 0; k <= half_; ++k) {
        splitRe_[k] = std::cos(2.0 * kPi * k / size_);
        splitIm_[k] = -std::sin(2.0 * kPi * k / size_);
    }
}

// Gathers each group in bit-reversed order and transforms it in place.
void CRealFFT::FirstStage(const double* x) {
    if (firstWidth_ == 8 && half_ >= 16) {
        FirstStage8Paired(x);
        return;
    }
    double re[8];
    double im[8];
    for (int group = 0; group < half_; group += firstWidth_) {
        for (int m = 0; m < firstWidth_; ++m) {
            const uint32_t source = bitReversed_[group + m];
            re[m] = x[2 * source];
            im[m] = x[2 * source + 1];
        }
        if (firstWidth_ == 2) {
            Butterfly2(re, im, 0, 1);
        } else if (firstWidth_ == 4) {
            Butterfly4(re, im, 0, 1, 2, 3);
        } else {
            Transform8(re, im);
        }
        for (int m = 0; m < firstWidth_; ++m) {
            re_[group + m] = re[m];
            im_[group + m] = im[m];
        }
    }
}

// Groups g and g + groups/2 read neighbouring values (the top bit of the
// group number becomes the lowest bit of the reversed index), so one load
// serves both and the two transforms run side by side in one register.
void CRealFFT::FirstStage8Paired(const double* x) {
    const int groups = half_ / 8;
    const int partnerOffset = (groups / 2) * 8;
    Pair re[8];
    Pair im[8];
    for (int group = 0; group < half_ / 2; group += 8) {
        for (int m = 0; m < 8; ++m) {
            const uint32_t source = bitReversed_[group + m];  // even: the partner reads source + 1
            Pair first, second;
            __builtin_memcpy(&first, x + 2 * source, sizeof first);
            __builtin_memcpy(&second, x + 2 * source + 2, sizeof second);
            re[m] = Pair{first[0], second[0]};
            im[m] = Pair{first[1], second[1]};
        }
        Transform8(re, im);
        for (int m = 0; m < 8; ++m) {
            re_[group + m] = re[m][0];
            im_[group + m] = im[m][0];
            re_[group + partnerOffset + m] = re[m][1];
            im_[group + partnerOffset + m] = im[m][1];
        }
    }
}

void CRealFFT::Transform(double* x) {
    FirstStage(x);
    for (const Radix4Stage& stage : stages_) {
        radix4_(re_.data(), im_.data(), half_, stage.quarter, stage.twiddles.data());
    }
    // Z(k) = E(k) + i O(k) packs the spectra E of the even and O of the odd
    // samples; X(k) = E(k) + e^(-2 pi i k / N) O(k).
    x[0] = re_[0] + im_[0];
    x[half_] = re_[0] - im_[0];
    split_(re_.data(), im_.data(), half_, splitRe_.data(), splitIm_.data(), x);
}
