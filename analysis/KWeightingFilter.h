// The K-weighting of loudness measurement on two channels: a high shelf of
// about +4 dB above 1.5 kHz, modelling the head, then a second-order high
// pass at about 38 Hz. Both stages come from their analogue prototypes by the
// bilinear transform at the actual sample rate, so every rate from 8 kHz to
// 384 kHz gets the same curve (at 48 kHz the coefficients are the published
// table's).
//
// Threads: whoever owns the meter; not shared.
#pragma once

class CKWeightingFilter {
public:
    struct Biquad {
        double b0, b1, b2, a1, a2;  // a0 is 1
    };

    explicit CKWeightingFilter(double sampleRateHz);

    // Clears the state as well.
    void SetSampleRate(double sampleRateHz);
    void Reset();

    // Filters both channels and returns the sum of the squares of every
    // filtered sample of both. The inputs must be finite.
    double ProcessEnergy(const double* left, const double* right, int frames);

    const Biquad& Shelf() const { return shelf_; }
    const Biquad& HighPass() const { return highPass_; }

private:
    // Transposed direct form II: two state values per stage and channel.
    struct State {
        double shelf1 = 0.0, shelf2 = 0.0, pass1 = 0.0, pass2 = 0.0;
    };

    void Settle(State& state);

    Biquad shelf_{};
    Biquad highPass_{};
    State left_, right_;
};
