// The loudness meter's line of text for the display.
#pragma once

#include <string>

#include "analysis/LoudnessSnapshot.h"

// "Loudness  M -14.2  S -15.0  I -16.1 LUFS  LRA 5.2 LU  TP -0.8 dBTP": one
// decimal with '.' whatever the locale; a figure without a finite value
// (not measured yet, or silence) reads "--".
std::string FormatLoudnessLine(const CLoudnessSnapshot& snapshot);

// One figure as the line writes it: "-16.1", or "--" without a finite value.
std::string LoudnessFigureText(double value);
