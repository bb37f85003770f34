// The nearest equal-tempered note of a frequency, tuned to A4 = 440 Hz,
// with the distance in cents: what a musician reads off a peak.
#pragma once

#include <optional>
#include <string>

struct NotePitch {
    int midiNote;  // 69 is A4, 60 is C4 (261.63 Hz)
    int cents;     // -50..+49
};

// Nearest note and whole cents of a frequency; nothing for 0, negative or
// undefined frequencies. The cents are rounded first (half up), so a
// frequency exactly halfway between two notes belongs to the upper one at
// -50 ct and +50 ct never appears.
std::optional<NotePitch> NearestNote(double hz);

// Sharps only and scientific octave numbers: "C#4", "B5", "A-1".
std::string NoteNameText(int midiNote);

// The note and its cents as one text: "B5 +21 ct", "A4 +0 ct".
std::string NotePitchText(const NotePitch& pitch);
