// A short piece of music made by code for the demo: chords, a bass line,
// drum-like noise bursts and a rising sine sweep, rendered as stereo float
// blocks at any sample rate. The same seed and rate always give the same
// samples, however the caller cuts its blocks.
#pragma once

#include <cstdint>

class CDemoMusic {
public:
    // The voices of the piece, to be switched on one by one.
    enum Voice : unsigned {
        kChords = 1u << 0,
        kBass = 1u << 1,
        kDrums = 1u << 2,
        kSweep = 1u << 3,
        kAllVoices = kChords | kBass | kDrums | kSweep,
    };

    CDemoMusic(double sampleRateHz, uint32_t seed, unsigned voices = kAllVoices);

    // Writes the next frames of the piece; it loops every kLoopSeconds.
    void Render(float* left, float* right, int frames);

    static constexpr double kBeatSeconds = 0.5;
    static constexpr int kBeatsPerBar = 4;
    static constexpr int kBars = 8;
    static constexpr double kLoopSeconds = kBeatSeconds * kBeatsPerBar * kBars;
    // The sweep fills the last two bars of every loop.
    static constexpr double kSweepStartSeconds = kLoopSeconds - 2 * kBeatsPerBar * kBeatSeconds;
    static constexpr double kSweepSeconds = kLoopSeconds - kSweepStartSeconds;

private:
    struct Stereo {
        double left;
        double right;
    };

    Stereo NextFrame();
    Stereo Chords(double loopSeconds) const;
    double Bass(double loopSeconds) const;
    Stereo Drums(double loopSeconds);
    Stereo Sweep(double loopSeconds) const;
    double NextNoise();

    double sampleRateHz_;
    unsigned voices_;
    uint32_t noiseState_;
    double previousNoise_ = 0.0;
    int64_t frame_ = 0;
};
