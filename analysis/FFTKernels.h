// The inner loops of CRealFFT, in a portable SSE2 form (the x86-64 baseline)
// and an AVX2/FMA form that CRealFFT picks only when the processor has it,
// and the scalar butterflies they share. Complex data are split arrays: re[]
// and im[].
#pragma once

namespace fftkernels {

// The radix-4 butterfly of the decimation-in-time stages on four values whose
// twiddles are already applied: a0 + (-1)^m b1 + (-i)^m b2 + i^m b3.
template <typename T>
inline void Butterfly4(T* re, T* im, int a, int b, int c, int d) {
    const T sumRe = re[a] + re[b], sumIm = im[a] + im[b];
    const T diffRe = re[a] - re[b], diffIm = im[a] - im[b];
    const T pairRe = re[c] + re[d], pairIm = im[c] + im[d];
    const T crossRe = re[c] - re[d], crossIm = im[c] - im[d];
    re[a] = sumRe + pairRe;
    im[a] = sumIm + pairIm;
    re[c] = sumRe - pairRe;
    im[c] = sumIm - pairIm;
    re[b] = diffRe + crossIm;
    im[b] = diffIm - crossRe;
    re[d] = diffRe - crossIm;
    im[d] = diffIm + crossRe;
}

template <typename T>
inline void Butterfly2(T* re, T* im, int a, int b) {
    const T aRe = re[a], aIm = im[a];
    re[a] = aRe + re[b];
    im[a] = aIm + im[b];
    re[b] = aRe - re[b];
    im[b] = aIm - im[b];
}

// One radix-4 decimation-in-time stage over all groups of length 4 * quarter
// of the count complex values. twiddles: cos W^j, sin W^j, cos W^2j, sin W^2j,
// cos W^3j, sin W^3j, each quarter long, W = e^(-2 pi i / (4 * quarter)).
void Radix4Sse2(double* re, double* im, int count, int quarter, const double* twiddles);
void Radix4Avx2(double* re, double* im, int count, int quarter, const double* twiddles);

// Splits the transform Z of the packed half-length sequence into the spectrum
// of the real sequence: for k = 1..half-1,
//   X(k) = (Z(k) + conj Z(half-k)) / 2 + w(k) (Z(k) - conj Z(half-k)) / 2i
// written as x[k] = Re X(k), x[2 half - k] = Im X(k). w holds e^(-2 pi i k / 2 half).
void SplitSse2(const double* re, const double* im, int half, const double* wRe, const double* wIm,
               double* x);
void SplitAvx2(const double* re, const double* im, int half, const double* wRe, const double* wIm,
               double* x);

// The same for k = first..half-1, one bin at a time: the vector kernels
// finish with it.
void SplitScalar(const double* re, const double* im, int half, const double* wRe, const double* wIm,
                 double* x, int first);

bool ProcessorHasAvx2();

}  // namespace fftkernels
