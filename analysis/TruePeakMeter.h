// The largest sample and the largest true peak of two channels since the last
// reset. The true peak is read from the signal oversampled four times by a
// 49-tap polyphase interpolator: one phase is the input itself, the other
// three are 12-tap filters run in single precision, four outputs at a time.
//
// Threads: whoever owns the meter; not shared.
#pragma once

#include <array>

class CTruePeakMeter {
public:
    static constexpr int kMaxFrames = 256;  // per call of Process
    static constexpr int kPhases = 3;       // interpolated between two samples
    static constexpr int kTaps = 12;        // per interpolated phase

    CTruePeakMeter();

    void Reset();
    // The inputs must be finite.
    void Process(const double* left, const double* right, int frames);

    // Linear full-scale magnitudes (1.0 is 0 dBFS), 0 before any sample.
    double SamplePeak() const { return samplePeak_; }
    double TruePeak() const;

    // Tap j of phase p weighs the input sample j places back in the window.
    static const std::array<std::array<float, kTaps>, kPhases>& Coefficients();

private:
    static constexpr int kHistory = kTaps - 1;
    using Window = std::array<float, kHistory + kMaxFrames>;

    float Scan(const double* input, Window& window, int frames);

    Window left_{}, right_{};
    double samplePeak_ = 0.0;
    float interpolatedPeak_ = 0.0f;
};
