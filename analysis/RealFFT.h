// In-place FFT of a real sequence whose length is a power of two, with
// every twiddle factor computed once at construction: the transform itself
// neither allocates nor calls cos or sin.
//
// Result layout (N = size): x[0] = Re X(0); x[k] = Re X(k) for k = 1..N/2;
// x[N-k] = Im X(k) for k = 1..N/2-1, where X(k) = sum x(n) e^(-2 pi i n k / N).
#pragma once

#include <cstdint>
#include <vector>

class CRealFFT {
public:
    // kBest uses AVX2/FMA where the processor has them, SSE2 otherwise;
    // kSse2 forces the baseline (tests compare the two).
    enum class Isa { kBest, kSse2 };

    // size: a power of two, at least 4.
    explicit CRealFFT(int size, Isa isa = Isa::kBest);

    int Size() const { return size_; }
    bool UsesAvx2() const { return usesAvx2_; }
    void Transform(double* x);

private:
    using Radix4Kernel = void (*)(double*, double*, int, int, const double*);
    using SplitKernel = void (*)(const double*, const double*, int, const double*, const double*,
                                 double*);

    // One radix-4 stage of length 4 * quarter: its twiddles W^j, W^2j and
    // W^3j for j = 0..quarter-1, as six arrays (cos, sin of each power).
    struct Radix4Stage {
        int quarter;
        std::vector<double> twiddles;
    };

    void FirstStage(const double* x);
    void FirstStage8Paired(const double* x);

    int size_;
    int half_;        // the real sequence is transformed as half_ complex values
    int firstWidth_;  // 2, 4 or 8: the small transforms of the first stage
    bool usesAvx2_;
    Radix4Kernel radix4_;
    SplitKernel split_;
    std::vector<double> re_;
    std::vector<double> im_;
    std::vector<uint32_t> bitReversed_;
    std::vector<Radix4Stage> stages_;
    // e^(-2 pi i k / size) for k = 0..half
    std::vector<double> splitRe_;
    std::vector<double> splitIm_;
};
