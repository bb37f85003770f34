// The SSE2 kernels of the real FFT, with scalar loops for the short edges.
#include <emmintrin.h>

#include "analysis/FFTKernels.h"

namespace fftkernels {
namespace {

// Radix-4 butterflies j..j+n-1 of one group, one at a time.
void Radix4Scalar(double* re0, double* im0, int quarter, const double* tw, int first, int end) {
    double* re1 = re0 + quarter;
    double* im1 = im0 + quarter;
    double* re2 = re1 + quarter;
    double* im2 = im1 + quarter;
    double* re3 = re2 + quarter;
    double* im3 = im2 + quarter;
    const double* w1Re = tw;
    const double* w1Im = w1Re + quarter;
    const double* w2Re = w1Im + quarter;
    const double* w2Im = w2Re + quarter;
    const double* w3Re = w2Im + quarter;
    const double* w3Im = w3Re + quarter;
    for (int j = first; j < end; ++j) {
        const double x1Re = re1[j], x2Re = re2[j], x3Re = re3[j];
        re1[j] = x1Re * w2Re[j] - im1[j] * w2Im[j];
        im1[j] = x1Re * w2Im[j] + im1[j] * w2Re[j];
        re2[j] = x2Re * w1Re[j] - im2[j] * w1Im[j];
        im2[j] = x2Re * w1Im[j] + im2[j] * w1Re[j];
        re3[j] = x3Re * w3Re[j] - im3[j] * w3Im[j];
        im3[j] = x3Re * w3Im[j] + im3[j] * w3Re[j];
        Butterfly4(re0 + j, im0 + j, 0, quarter, 2 * quarter, 3 * quarter);
    }
}

inline void ComplexMultiply(__m128d aRe, __m128d aIm, __m128d bRe, __m128d bIm, __m128d& re,
                            __m128d& im) {
    re = _mm_sub_pd(_mm_mul_pd(aRe, bRe), _mm_mul_pd(aIm, bIm));
    im = _mm_add_pd(_mm_mul_pd(aRe, bIm), _mm_mul_pd(aIm, bRe));
}

// Swaps the two doubles of a vector.
inline __m128d Reversed(__m128d v) {
    return _mm_shuffle_pd(v, v, 1);
}

}  // namespace

void Radix4Sse2(double* re, double* im, int count, int quarter, const double* tw) {
    const int vectorEnd = quarter & ~1;
    for (int group = 0; group < count; group += 4 * quarter) {
        double* re0 = re + group;
        double* im0 = im + group;
        double* re1 = re0 + quarter;
        double* im1 = im0 + quarter;
        double* re2 = re1 + quarter;
        double* im2 = im1 + quarter;
        double* re3 = re2 + quarter;
        double* im3 = im2 + quarter;
        for (int j = 0; j < vectorEnd; j += 2) {
            __m128d b1Re, b1Im, b2Re, b2Im, b3Re, b3Im;
            ComplexMultiply(_mm_loadu_pd(re1 + j), _mm_loadu_pd(im1 + j),
                            _mm_loadu_pd(tw + 2 * quarter + j), _mm_loadu_pd(tw + 3 * quarter + j),
                            b1Re, b1Im);
            ComplexMultiply(_mm_loadu_pd(re2 + j), _mm_loadu_pd(im2 + j), _mm_loadu_pd(tw + j),
                            _mm_loadu_pd(tw + quarter + j), b2Re, b2Im);
            ComplexMultiply(_mm_loadu_pd(re3 + j), _mm_loadu_pd(im3 + j),
                            _mm_loadu_pd(tw + 4 * quarter + j), _mm_loadu_pd(tw + 5 * quarter + j),
                            b3Re, b3Im);
            const __m128d a0Re = _mm_loadu_pd(re0 + j), a0Im = _mm_loadu_pd(im0 + j);
            const __m128d sumRe = _mm_add_pd(a0Re, b1Re), sumIm = _mm_add_pd(a0Im, b1Im);
            const __m128d diffRe = _mm_sub_pd(a0Re, b1Re), diffIm = _mm_sub_pd(a0Im, b1Im);
            const __m128d pairRe = _mm_add_pd(b2Re, b3Re), pairIm = _mm_add_pd(b2Im, b3Im);
            const __m128d crossRe = _mm_sub_pd(b2Re, b3Re), crossIm = _mm_sub_pd(b2Im, b3Im);
            _mm_storeu_pd(re0 + j, _mm_add_pd(sumRe, pairRe));
            _mm_storeu_pd(im0 + j, _mm_add_pd(sumIm, pairIm));
            _mm_storeu_pd(re2 + j, _mm_sub_pd(sumRe, pairRe));
            _mm_storeu_pd(im2 + j, _mm_sub_pd(sumIm, pairIm));
            _mm_storeu_pd(re1 + j, _mm_add_pd(diffRe, crossIm));
            _mm_storeu_pd(im1 + j, _mm_sub_pd(diffIm, crossRe));
            _mm_storeu_pd(re3 + j, _mm_sub_pd(diffRe, crossIm));
            _mm_storeu_pd(im3 + j, _mm_add_pd(diffIm, crossRe));
        }
        Radix4Scalar(re0, im0, quarter, tw, vectorEnd, quarter);
    }
}

void SplitScalar(const double* re, const double* im, int half, const double* wRe, const double* wIm,
                 double* x, int first) {
    const int size = 2 * half;
    for (int k = first; k < half; ++k) {
        const int mirror = half - k;
        const double evenRe = 0.5 * (re[k] + re[mirror]);
        const double evenIm = 0.5 * (im[k] - im[mirror]);
        const double oddRe = 0.5 * (im[k] + im[mirror]);
        const double oddIm = 0.5 * (re[mirror] - re[k]);
        x[k] = evenRe + wRe[k] * oddRe - wIm[k] * oddIm;
        x[size - k] = evenIm + wRe[k] * oddIm + wIm[k] * oddRe;
    }
}

void SplitSse2(const double* re, const double* im, int half, const double* wRe, const double* wIm,
               double* x) {
    const int size = 2 * half;
    const __m128d kHalf = _mm_set1_pd(0.5);
    int k = 1;
    // Pairs k, k+1 against their mirrors half-k, half-k-1.
    for (; k + 1 < half; k += 2) {
        const __m128d zRe = _mm_loadu_pd(re + k), zIm = _mm_loadu_pd(im + k);
        const __m128d mRe = Reversed(_mm_loadu_pd(re + half - k - 1));
        const __m128d mIm = Reversed(_mm_loadu_pd(im + half - k - 1));
        const __m128d evenRe = _mm_mul_pd(kHalf, _mm_add_pd(zRe, mRe));
        const __m128d evenIm = _mm_mul_pd(kHalf, _mm_sub_pd(zIm, mIm));
        const __m128d oddRe = _mm_mul_pd(kHalf, _mm_add_pd(zIm, mIm));
        const __m128d oddIm = _mm_mul_pd(kHalf, _mm_sub_pd(mRe, zRe));
        __m128d turnedRe, turnedIm;
        ComplexMultiply(_mm_loadu_pd(wRe + k), _mm_loadu_pd(wIm + k), oddRe, oddIm, turnedRe,
                        turnedIm);
        _mm_storeu_pd(x + k, _mm_add_pd(evenRe, turnedRe));
        _mm_storeu_pd(x + size - k - 1, Reversed(_mm_add_pd(evenIm, turnedIm)));
    }
    SplitScalar(re, im, half, wRe, wIm, x, k);
}

}  // namespace fftkernels
