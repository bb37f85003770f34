// The AVX2/FMA kernels of the real FFT. Only these functions are compiled
// for AVX2, and CRealFFT calls them only on processors that report it.
#include <immintrin.h>

#include "analysis/FFTKernels.h"

#define VS_AVX2 __attribute__((target("avx2,fma")))

namespace fftkernels {
namespace {

VS_AVX2 inline void ComplexMultiply(__m256d aRe, __m256d aIm, __m256d bRe, __m256d bIm, __m256d& re,
                                    __m256d& im) {
    re = _mm256_fmsub_pd(aRe, bRe, _mm256_mul_pd(aIm, bIm));
    im = _mm256_fmadd_pd(aRe, bIm, _mm256_mul_pd(aIm, bRe));
}

// Reverses the order of the four doubles of a vector.
VS_AVX2 inline __m256d Reversed(__m256d v) {
    return _mm256_permute4x64_pd(v, 0x1B);
}

}  // namespace

VS_AVX2 void Radix4Avx2(double* re, double* im, int count, int quarter, const double* tw) {
    if (quarter % 4 != 0) {
        Radix4Sse2(re, im, count, quarter, tw);
        return;
    }
    for (int group = 0; group < count; group += 4 * quarter) {
        double* re0 = re + group;
        double* im0 = im + group;
        double* re1 = re0 + quarter;
        double* im1 = im0 + quarter;
        double* re2 = re1 + quarter;
        double* im2 = im1 + quarter;
        double* re3 = re2 + quarter;
        double* im3 = im2 + quarter;
        for (int j = 0; j < quarter; j += 4) {
            __m256d b1Re, b1Im, b2Re, b2Im, b3Re, b3Im;
            ComplexMultiply(_mm256_loadu_pd(re1 + j), _mm256_loadu_pd(im1 + j),
                            _mm256_loadu_pd(tw + 2 * quarter + j),
                            _mm256_loadu_pd(tw + 3 * quarter + j), b1Re, b1Im);
            ComplexMultiply(_mm256_loadu_pd(re2 + j), _mm256_loadu_pd(im2 + j),
                            _mm256_loadu_pd(tw + j), _mm256_loadu_pd(tw + quarter + j), b2Re, b2Im);
            ComplexMultiply(_mm256_loadu_pd(re3 + j), _mm256_loadu_pd(im3 + j),
                            _mm256_loadu_pd(tw + 4 * quarter + j),
                            _mm256_loadu_pd(tw + 5 * quarter + j), b3Re, b3Im);
            const __m256d a0Re = _mm256_loadu_pd(re0 + j), a0Im = _mm256_loadu_pd(im0 + j);
            const __m256d sumRe = _mm256_add_pd(a0Re, b1Re), sumIm = _mm256_add_pd(a0Im, b1Im);
            const __m256d diffRe = _mm256_sub_pd(a0Re, b1Re), diffIm = _mm256_sub_pd(a0Im, b1Im);
            const __m256d pairRe = _mm256_add_pd(b2Re, b3Re), pairIm = _mm256_add_pd(b2Im, b3Im);
            const __m256d crossRe = _mm256_sub_pd(b2Re, b3Re);
            const __m256d crossIm = _mm256_sub_pd(b2Im, b3Im);
            _mm256_storeu_pd(re0 + j, _mm256_add_pd(sumRe, pairRe));
            _mm256_storeu_pd(im0 + j, _mm256_add_pd(sumIm, pairIm));
            _mm256_storeu_pd(re2 + j, _mm256_sub_pd(sumRe, pairRe));
            _mm256_storeu_pd(im2 + j, _mm256_sub_pd(sumIm, pairIm));
            _mm256_storeu_pd(re1 + j, _mm256_add_pd(diffRe, crossIm));
            _mm256_storeu_pd(im1 + j, _mm256_sub_pd(diffIm, crossRe));
            _mm256_storeu_pd(re3 + j, _mm256_sub_pd(diffRe, crossIm));
            _mm256_storeu_pd(im3 + j, _mm256_add_pd(diffIm, crossRe));
        }
    }
}

VS_AVX2 void SplitAvx2(const double* re, const double* im, int half, const double* wRe,
                       const double* wIm, double* x) {
    const int size = 2 * half;
    const __m256d kHalf = _mm256_set1_pd(0.5);
    int k = 1;
    // Four bins k..k+3 against their mirrors half-k..half-k-3.
    for (; k + 3 < half; k += 4) {
        const __m256d zRe = _mm256_loadu_pd(re + k), zIm = _mm256_loadu_pd(im + k);
        const __m256d mRe = Reversed(_mm256_loadu_pd(re + half - k - 3));
        const __m256d mIm = Reversed(_mm256_loadu_pd(im + half - k - 3));
        const __m256d evenRe = _mm256_mul_pd(kHalf, _mm256_add_pd(zRe, mRe));
        const __m256d evenIm = _mm256_mul_pd(kHalf, _mm256_sub_pd(zIm, mIm));
        const __m256d oddRe = _mm256_mul_pd(kHalf, _mm256_add_pd(zIm, mIm));
        const __m256d oddIm = _mm256_mul_pd(kHalf, _mm256_sub_pd(mRe, zRe));
        __m256d turnedRe, turnedIm;
        ComplexMultiply(_mm256_loadu_pd(wRe + k), _mm256_loadu_pd(wIm + k), oddRe, oddIm, turnedRe,
                        turnedIm);
        _mm256_storeu_pd(x + k, _mm256_add_pd(evenRe, turnedRe));
        _mm256_storeu_pd(x + size - k - 3, Reversed(_mm256_add_pd(evenIm, turnedIm)));
    }
    SplitScalar(re, im, half, wRe, wIm, x, k);
}

bool ProcessorHasAvx2() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
}

}  // namespace fftkernels
