// CTruePeakMeter: the interpolator's design and its SSE loop.
#include "analysis/TruePeakMeter.h"

#include <emmintrin.h>

#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

constexpr int kFactor = 4;
constexpr int kLength = kFactor * CTruePeakMeter::kTaps + 1;
constexpr int kCentre = kLength / 2;
static_assert(kCentre % kFactor == 0, "phase 0 must be the input itself");

// A Kaiser window of this shape keeps every phase within 0.03 dB up to a
// third of the sample rate.
constexpr double kKaiserBeta = 5.0;
constexpr double kPi = 3.14159265358979323846;

double BesselI0(double x) {
    double sum = 1.0, term = 1.0;
    for (int k = 1; k < 40; ++k) {
        term *= (x / (2.0 * k)) * (x / (2.0 * k));
        sum += term;
    }
    return sum;
}

// Windowed sinc with its cut-off at the input's Nyquist frequency; each phase
// is scaled to unity gain at DC so that a constant reads its own level.
std::array<std::array<float, CTruePeakMeter::kTaps>, CTruePeakMeter::kPhases> Design() {
    std::array<std::array<float, CTruePeakMeter::kTaps>, CTruePeakMeter::kPhases> phases{};
    for (int p = 0; p < CTruePeakMeter::kPhases; ++p) {
        std::array<double, CTruePeakMeter::kTaps> taps{};
        double sum = 0.0;
        for (int j = 0; j < CTruePeakMeter::kTaps; ++j) {
            const int n = p + 1 + kFactor * j;
            const double x = static_cast<double>(n - kCentre) / kFactor;
            const double ratio = static_cast<double>(n - kCentre) / kCentre;
            const double window =
                BesselI0(kKaiserBeta * std::sqrt(1.0 - ratio * ratio)) / BesselI0(kKaiserBeta);
            taps[j] = window * std::sin(kPi * x) / (kPi * x);
            sum += taps[j];
        }
        for (int j = 0; j < CTruePeakMeter::kTaps; ++j) {
            phases[p][j] = static_cast<float>(taps[j] / sum);
        }
    }
    return phases;
}

}  // namespace

const std::array<std::array<float, CTruePeakMeter::kTaps>, CTruePeakMeter::kPhases>&
CTruePeakMeter::Coefficients() {
    static const auto coefficients = Design();
    return coefficients;
}

CTruePeakMeter::CTruePeakMeter() {
    Coefficients();  // designed here, never on the audio thread
}

void CTruePeakMeter::Reset() {
    left_.fill(0.0f);
    right_.fill(0.0f);
    samplePeak_ = 0.0;
    interpolatedPeak_ = 0.0f;
}

double CTruePeakMeter::TruePeak() const {
    return std::max(samplePeak_, static_cast<double>(interpolatedPeak_));
}

void CTruePeakMeter::Process(const double* left, const double* right, int frames) {
    assert(frames >= 0 && frames <= kMaxFrames);
    const float peak = std::max(Scan(left, left_, frames), Scan(right, right_, frames));
    interpolatedPeak_ = std::max(interpolatedPeak_, peak);
}

// The window holds the last kHistory samples of earlier calls, then this
// call's samples. Output i of a phase lies between window samples i + 5 and
// i + 6; it needs window[i .. i + kTaps - 1].
float CTruePeakMeter::Scan(const double* input, Window& window, int frames) {
    float* samples = window.data() + kHistory;
    for (int i = 0; i < frames; ++i) {
        samples[i] = static_cast<float>(input[i]);
        samplePeak_ = std::max(samplePeak_, std::fabs(input[i]));
    }
    const auto& c = Coefficients();
    const float* w = window.data();
    const __m128 magnitude = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
    __m128 peak = _mm_setzero_ps();
    int i = 0;
    for (; i + 4 <= frames; i += 4) {
        __m128 a0 = _mm_setzero_ps(), a1 = _mm_setzero_ps(), a2 = _mm_setzero_ps();
        for (int j = 0; j < kTaps; ++j) {
            const __m128 x = _mm_loadu_ps(w + i + kHistory - j);
            a0 = _mm_add_ps(a0, _mm_mul_ps(_mm_set1_ps(c[0][j]), x));
            a1 = _mm_add_ps(a1, _mm_mul_ps(_mm_set1_ps(c[1][j]), x));
            a2 = _mm_add_ps(a2, _mm_mul_ps(_mm_set1_ps(c[2][j]), x));
        }
        peak = _mm_max_ps(peak, _mm_and_ps(a0, magnitude));
        peak = _mm_max_ps(peak, _mm_and_ps(a1, magnitude));
        peak = _mm_max_ps(peak, _mm_and_ps(a2, magnitude));
    }
    alignas(16) float lanes[4];
    _mm_store_ps(lanes, peak);
    float result = std::max(std::max(lanes[0], lanes[1]), std::max(lanes[2], lanes[3]));
    for (; i < frames; ++i) {
        for (int p = 0; p < kPhases; ++p) {
            float sum = 0.0f;
            for (int j = 0; j < kTaps; ++j) sum += c[p][j] * w[i + kHistory - j];
            result = std::max(result, std::fabs(sum));
        }
    }
    std::copy(window.begin() + frames, window.begin() + frames + kHistory, window.begin());
    return result;
}
