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
    // size: a power of two, at least 4.
    explicit CRealFFT(int size);

    int Size() const { return size_; }
    void Transform(double* x);

private:
    void ComplexTransform();

    int size_;
    int half_;  // the real sequence is transformed as half_ complex values
    std::vector<double> re_;
    std::vector<double> im_;
    std::vector<uint32_t> bitReversed_;
    // e^(-2 pi i m / half) for m = 0..half/2-1
    std::vector<double> twiddleRe_;
    std::vector<double> twiddleIm_;
    // e^(-2 pi i k / size) for k = 0..half
    std::vector<double> splitRe_;
    std::vector<double> splitIm_;
};
