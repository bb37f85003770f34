// CKWeightingFilter: coefficients from the analogue prototypes and the
// two-stage filter of both channels.
#include "analysis/KWeightingFilter.h"

#include <cmath>

namespace {

// The analogue prototypes: a shelf at 1681.97 Hz of +4 dB and a high pass at
// 38.14 Hz, with the quality factors and shelf shape that reproduce the
// published 48 kHz table.
constexpr double kShelfHz = 1681.974450955533;
constexpr double kShelfGainDb = 3.999843853973347;
constexpr double kShelfQ = 0.7071752369554196;
constexpr double kShelfShape = 0.4996667741545416;
constexpr double kHighPassHz = 38.13547087602444;
constexpr double kHighPassQ = 0.5003270373238773;
constexpr double kPi = 3.14159265358979323846;

// Below this a state value only keeps the filter busy with subnormals in
// silence; above the signal's audible range it means nothing.
constexpr double kSettled = 1e-30;

CKWeightingFilter::Biquad ShelfAt(double sampleRateHz) {
    const double k = std::tan(kPi * kShelfHz / sampleRateHz);
    const double high = std::pow(10.0, kShelfGainDb / 20.0);
    const double band = std::pow(high, kShelfShape);
    const double a0 = 1.0 + k / kShelfQ + k * k;
    return {(high + band * k / kShelfQ + k * k) / a0, 2.0 * (k * k - high) / a0,
            (high - band * k / kShelfQ + k * k) / a0, 2.0 * (k * k - 1.0) / a0,
            (1.0 - k / kShelfQ + k * k) / a0};
}

double HighPassA0(double sampleRateHz) {
    const double k = std::tan(kPi * kHighPassHz / sampleRateHz);
    return 1.0 + k / kHighPassQ + k * k;
}

// The table's numerator is 1, -2, 1, which leaves the pass band 0.04 dB above
// unity at 48 kHz (and more at lower rates); the loudness offset absorbs that
// gain, so every rate keeps the 48 kHz pass band.
CKWeightingFilter::Biquad HighPassAt(double sampleRateHz) {
    const double k = std::tan(kPi * kHighPassHz / sampleRateHz);
    const double a0 = HighPassA0(sampleRateHz);
    const double gain = HighPassA0(48000.0) / a0;
    return {gain, -2.0 * gain, gain, 2.0 * (k * k - 1.0) / a0, (1.0 - k / kHighPassQ + k * k) / a0};
}

}  // namespace

CKWeightingFilter::CKWeightingFilter(double sampleRateHz) {
    SetSampleRate(sampleRateHz);
}

void CKWeightingFilter::SetSampleRate(double sampleRateHz) {
    shelf_ = ShelfAt(sampleRateHz);
    highPass_ = HighPassAt(sampleRateHz);
    Reset();
}

void CKWeightingFilter::Reset() {
    left_ = State();
    right_ = State();
}

double CKWeightingFilter::ProcessEnergy(const double* left, const double* right, int frames) {
    const Biquad s = shelf_;
    const Biquad p = highPass_;
    State l = left_, r = right_;
    double energy = 0.0;
    for (int i = 0; i < frames; ++i) {
        const double xl = left[i], xr = right[i];
        const double ul = s.b0 * xl + l.shelf1, ur = s.b0 * xr + r.shelf1;
        l.shelf1 = s.b1 * xl - s.a1 * ul + l.shelf2;
        r.shelf1 = s.b1 * xr - s.a1 * ur + r.shelf2;
        l.shelf2 = s.b2 * xl - s.a2 * ul;
        r.shelf2 = s.b2 * xr - s.a2 * ur;
        const double yl = p.b0 * ul + l.pass1, yr = p.b0 * ur + r.pass1;
        l.pass1 = p.b1 * ul - p.a1 * yl + l.pass2;
        r.pass1 = p.b1 * ur - p.a1 * yr + r.pass2;
        l.pass2 = p.b2 * ul - p.a2 * yl;
        r.pass2 = p.b2 * ur - p.a2 * yr;
        energy += yl * yl + yr * yr;
    }
    Settle(l);
    Settle(r);
    left_ = l;
    right_ = r;
    return energy;
}

// Flushes tiny states to zero, and restarts a channel whose state overflowed
// so that one absurd block cannot leave the meter broken.
void CKWeightingFilter::Settle(State& state) {
    double* values[] = {&state.shelf1, &state.shelf2, &state.pass1, &state.pass2};
    bool finite = true;
    for (double* value : values) {
        if (std::fabs(*value) < kSettled) *value = 0.0;
        finite = finite && std::isfinite(*value);
    }
    if (!finite) state = State();
}
