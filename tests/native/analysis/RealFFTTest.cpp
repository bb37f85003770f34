// The real transform against a naive DFT, for every power-of-two size the
// analyser could use.
#include "analysis/RealFFT.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>
#include <vector>

namespace {

struct Spectrum {
    std::vector<long double> re;
    std::vector<long double> im;
};

// X(k) = sum x(n) e^(-2 pi i n k / N), with the angles taken from a table of
// N entries so that the reference stays exact to long double rounding.
Spectrum NaiveDft(const std::vector<double>& x) {
    const size_t n = x.size();
    const long double pi = 3.141592653589793238462643383279502884L;
    std::vector<long double> cosTable(n), sinTable(n);
    for (size_t m = 0; m < n; ++m) {
        cosTable[m] = std::cos(2.0L * pi * m / n);
        sinTable[m] = std::sin(2.0L * pi * m / n);
    }
    Spectrum spectrum{std::vector<long double>(n / 2 + 1), std::vector<long double>(n / 2 + 1)};
    for (size_t k = 0; k <= n / 2; ++k) {
        long double re = 0.0L;
        long double im = 0.0L;
        for (size_t i = 0; i < n; ++i) {
            const size_t angle = (i * k) % n;
            re += x[i] * cosTable[angle];
            im -= x[i] * sinTable[angle];
        }
        spectrum.re[k] = re;
        spectrum.im[k] = im;
    }
    return spectrum;
}

enum class Kernels { kSse2, kAvx2 };

void PrintTo(Kernels kernels, std::ostream* out) {
    *out << (kernels == Kernels::kAvx2 ? "AVX2" : "SSE2");
}

// Every size on each instruction set's kernels: the SSE2 baseline always,
// the AVX2/FMA ones where the processor has them.
class RealFFTSizes : public ::testing::TestWithParam<std::tuple<int, Kernels>> {};

TEST_P(RealFFTSizes, MatchesNaiveDftInTheSpecifiedLayout) {
    const int n = std::get<0>(GetParam());
    const bool avx2 = std::get<1>(GetParam()) == Kernels::kAvx2;
    CRealFFT transform(n, avx2 ? CRealFFT::Isa::kBest : CRealFFT::Isa::kSse2);
    if (avx2 && !transform.UsesAvx2()) GTEST_SKIP() << "the processor has no AVX2/FMA";
    ASSERT_EQ(transform.UsesAvx2(), avx2);

    std::mt19937 generator(static_cast<unsigned>(n));
    std::uniform_real_distribution<double> distribution(-1.0, 1.0);
    std::vector<double> x(static_cast<size_t>(n));
    for (double& sample : x) sample = distribution(generator);

    const Spectrum expected = NaiveDft(x);
    long double largest = 0.0L;
    for (int k = 0; k <= n / 2; ++k) {
        largest = std::max(largest, std::hypot(expected.re[k], expected.im[k]));
    }

    std::vector<double> actual = x;
    transform.Transform(actual.data());
    const long double tolerance = 1e-12L * largest;
    EXPECT_NEAR(actual[0], static_cast<double>(expected.re[0]), tolerance);
    for (int k = 1; k <= n / 2; ++k) {
        ASSERT_NEAR(actual[k], static_cast<double>(expected.re[k]), tolerance) << "Re, bin " << k;
    }
    for (int k = 1; k < n / 2; ++k) {
        ASSERT_NEAR(actual[n - k], static_cast<double>(expected.im[k]), tolerance)
            << "Im, bin " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(PowersOfTwo, RealFFTSizes,
                         ::testing::Combine(::testing::Values(4, 8, 16, 32, 64, 128, 256, 512, 1024,
                                                              2048, 4096),
                                            ::testing::Values(Kernels::kSse2, Kernels::kAvx2)),
                         [](const ::testing::TestParamInfo<std::tuple<int, Kernels>>& info) {
                             const bool avx2 = std::get<1>(info.param) == Kernels::kAvx2;
                             return "N" + std::to_string(std::get<0>(info.param)) +
                                    (avx2 ? "_Avx2" : "_Sse2");
                         });

}  // namespace
