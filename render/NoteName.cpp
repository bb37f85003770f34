// Note names and cents of frequencies.
#include "render/NoteName.h"

#include <array>
#include <cmath>

#include "render/DecimalText.h"

namespace {

constexpr double kA4Hz = 440.0;
constexpr int kA4Midi = 69;
constexpr int kCentsPerSemitone = 100;
constexpr std::array<const char*, 12> kNames{"C",  "C#", "D",  "D#", "E",  "F",
                                             "F#", "G",  "G#", "A",  "A#", "B"};

// Division that rounds towards minus infinity, for notes below C-1.
int FloorDiv(long long a, int b) {
    return static_cast<int>(a >= 0 ? a / b : -((-a + b - 1) / b));
}

}  // namespace

std::optional<NotePitch> NearestNote(double hz) {
    if (!(hz > 0.0) || std::isinf(hz)) return std::nullopt;
    const double centsFromA4 = 1200.0 * std::log2(hz / kA4Hz);
    const auto totalCents =
        static_cast<long long>(std::floor(centsFromA4 + 0.5)) + kA4Midi * kCentsPerSemitone;
    const int note = FloorDiv(totalCents + kCentsPerSemitone / 2, kCentsPerSemitone);
    return NotePitch{note, static_cast<int>(totalCents - 1LL * note * kCentsPerSemitone)};
}

std::string NoteNameText(int midiNote) {
    const int octave = FloorDiv(midiNote, 12) - 1;
    const int pitchClass = midiNote - (octave + 1) * 12;
    return kNames[static_cast<size_t>(pitchClass)] + std::to_string(octave);
}

std::string NotePitchText(const NotePitch& pitch) {
    return NoteNameText(pitch.midiNote) + " " + SignedIntegerText(pitch.cents) + " ct";
}
