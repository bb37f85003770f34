// CDemoMusic: eight bars at 120 beats per minute. Every voice is computed
// from the time since its last note started, so notes begin at zero phase
// and zero level and nothing clicks; only the drums' noise carries state
// from frame to frame, drawn once per frame so that block cutting does not
// change it.
#include "tools/demo/DemoMusic.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kBarSeconds = CDemoMusic::kBeatSeconds * CDemoMusic::kBeatsPerBar;
constexpr double kEighthSeconds = CDemoMusic::kBeatSeconds / 2;

struct Chord {
    int notes[3];  // MIDI note numbers; the first is the root
};

// C, A minor, F, G, then A minor, F, C, G.
constexpr Chord kProgression[CDemoMusic::kBars] = {
    {{60, 64, 67}}, {{57, 60, 64}}, {{53, 57, 60}}, {{55, 59, 62}},
    {{57, 60, 64}}, {{53, 57, 60}}, {{60, 64, 67}}, {{55, 59, 62}},
};
// Root, root, fifth, octave: one bass note per beat.
constexpr int kBassSteps[CDemoMusic::kBeatsPerBar] = {0, 0, 7, 12};

double NoteHz(int midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

// A fast linear attack, then an exponential decay.
double Envelope(double sinceStart, double attackSeconds, double decaySeconds) {
    return std::min(1.0, sinceStart / attackSeconds) * std::exp(-sinceStart / decaySeconds);
}

// A tone with a few harmonics, brighter than a sine and still soft.
double Harmonics(double phase, double second, double third) {
    return std::sin(phase) + second * std::sin(2 * phase) + third * std::sin(3 * phase);
}

const Chord& ChordAt(double loopSeconds) {
    const int bar = std::min(static_cast<int>(loopSeconds / kBarSeconds), CDemoMusic::kBars - 1);
    return kProgression[bar];
}

}  // namespace

CDemoMusic::CDemoMusic(double sampleRateHz, uint32_t seed, unsigned voices)
    : sampleRateHz_(sampleRateHz), voices_(voices) {
    // xorshift must not start from zero; the multiply spreads small seeds.
    noiseState_ = (seed * 2654435761u) ^ 0x9E3779B9u;
    if (noiseState_ == 0) noiseState_ = 1;
}

void CDemoMusic::Render(float* left, float* right, int frames) {
    for (int i = 0; i < frames; ++i) {
        const Stereo frame = NextFrame();
        // tanh keeps the loudest moments of the mix inside full scale and is
        // close to linear everywhere else.
        left[i] = static_cast<float>(std::tanh(frame.left));
        right[i] = static_cast<float>(std::tanh(frame.right));
    }
}

CDemoMusic::Stereo CDemoMusic::NextFrame() {
    const auto loopFrames = static_cast<int64_t>(std::llround(kLoopSeconds * sampleRateHz_));
    const double seconds = static_cast<double>(frame_ % loopFrames) / sampleRateHz_;
    ++frame_;
    const Stereo drums = Drums(seconds);  // always, so the noise stays in step
    Stereo mix{0.0, 0.0};
    auto add = [&mix](Voice voice, unsigned voices, Stereo part) {
        if ((voices & voice) == 0) return;
        mix.left += part.left;
        mix.right += part.right;
    };
    add(kChords, voices_, Chords(seconds));
    const double bass = Bass(seconds);
    add(kBass, voices_, {bass, bass});
    add(kDrums, voices_, drums);
    add(kSweep, voices_, Sweep(seconds));
    return mix;
}

// Chords struck on beats one and three, their notes spread across the
// stereo field.
CDemoMusic::Stereo CDemoMusic::Chords(double loopSeconds) const {
    const double sinceHit = std::fmod(loopSeconds, 2 * kBeatSeconds);
    const double level = 0.09 * Envelope(sinceHit, 0.01, 0.6);
    constexpr double kLeftGain[3] = {0.9, 0.7, 0.5};
    Stereo sum{0.0, 0.0};
    for (int note = 0; note < 3; ++note) {
        const double phase = kTwoPi * NoteHz(ChordAt(loopSeconds).notes[note]) * sinceHit;
        const double sample = level * Harmonics(phase, 0.4, 0.2);
        sum.left += kLeftGain[note] * sample;
        sum.right += kLeftGain[2 - note] * sample;
    }
    return sum;
}

double CDemoMusic::Bass(double loopSeconds) const {
    const double inBar = std::fmod(loopSeconds, kBarSeconds);
    const int beat = std::min(static_cast<int>(inBar / kBeatSeconds), kBeatsPerBar - 1);
    const double sinceBeat = inBar - beat * kBeatSeconds;
    const int note = ChordAt(loopSeconds).notes[0] - 24 + kBassSteps[beat];
    const double phase = kTwoPi * NoteHz(note) * sinceBeat;
    return 0.28 * Envelope(sinceBeat, 0.005, 0.25) * Harmonics(phase, 0.3, 0.0);
}

// A kick on beats one and three (a sine falling from 150 to 50 Hz), a noise
// snare on two and four, and a high-passed noise hat on every eighth.
CDemoMusic::Stereo CDemoMusic::Drums(double loopSeconds) {
    const double noise = NextNoise();
    const double hiss = 0.5 * (noise - previousNoise_);
    previousNoise_ = noise;

    const double inHalfBar = std::fmod(loopSeconds, 2 * kBeatSeconds);
    const double sinceKick = inHalfBar < kBeatSeconds ? inHalfBar : 1e9;
    const double sinceSnare = inHalfBar >= kBeatSeconds ? inHalfBar - kBeatSeconds : 1e9;
    const double sinceHat = std::fmod(loopSeconds, kEighthSeconds);

    constexpr double kDropSeconds = 0.03;
    const double kickPhase =
        kTwoPi *
        (50.0 * sinceKick + 100.0 * kDropSeconds * (1.0 - std::exp(-sinceKick / kDropSeconds)));
    const double kick = 0.45 * Envelope(sinceKick, 0.002, 0.12) * std::sin(kickPhase);
    const double snare = Envelope(sinceSnare, 0.001, 0.07) *
                         (0.22 * noise + 0.1 * std::sin(kTwoPi * 190.0 * sinceSnare));
    const double hat = 0.07 * Envelope(sinceHat, 0.001, 0.015) * hiss;
    return {kick + snare + 0.6 * hat, kick + 0.85 * snare + hat};
}

// An exponential sweep from 60 Hz to 12 kHz (or just below the Nyquist
// frequency at low rates), moving from left to right.
CDemoMusic::Stereo CDemoMusic::Sweep(double loopSeconds) const {
    const double since = loopSeconds - kSweepStartSeconds;
    if (since < 0.0) return {0.0, 0.0};
    constexpr double kStartHz = 60.0;
    const double endHz = std::min(12000.0, 0.45 * sampleRateHz_);
    const double rate = std::log(endHz / kStartHz) / kSweepSeconds;
    const double phase = kTwoPi * kStartHz * (std::exp(rate * since) - 1.0) / rate;
    constexpr double kFadeSeconds = 0.05;
    const double fade =
        std::min({1.0, since / kFadeSeconds, (kSweepSeconds - since) / kFadeSeconds});
    const double sample = 0.18 * fade * std::sin(phase);
    const double across = since / kSweepSeconds;
    return {(1.0 - 0.7 * across) * sample, (0.3 + 0.7 * across) * sample};
}

// xorshift32, scaled to [-1, 1).
double CDemoMusic::NextNoise() {
    noiseState_ ^= noiseState_ << 13;
    noiseState_ ^= noiseState_ >> 17;
    noiseState_ ^= noiseState_ << 5;
    return static_cast<double>(noiseState_ >> 8) * (2.0 / 16777216.0) - 1.0;
}
