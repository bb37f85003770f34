// The values shown beside the mouse: which band the cursor points at in the
// 2D bar graph, the band's frequency and level as the store and the
// waterfall keep them, and the lines of text of the readout box.
#pragma once

#include <optional>
#include <string>

#include "params/Settings.h"

struct ReadoutValues {
    double frequencyHz = 0.0;
    double levelDb = 0.0;
    std::optional<double> peakDb;      // while peaks are held
    std::optional<double> ageSeconds;  // rows behind the front (3D view)
};

// The band whose column is under cursor x (view pixels) in the bar graph
// drawn at layoutScale (1.0 at 100 %). Only the drawn columns count: none
// left of the first band's column or right of the last segment's column.
std::optional<int> BandUnderCursor2D(float cursorX, float layoutScale);

// Geometric middle of a band's frequency range, the frequency its level
// stands for on the logarithmic axis.
double BandCentreHz(const BandTable& bands, int band);

// Decibels of a store level: 0.0 is -120 dB, 1.0 is 0 dB, linear between.
double DbOfStoreLevel(float level);

// Decibels of a waterfall height 0..200 at the 3D range: 0 stands for the
// range itself (or quieter), 200 for 0 dB.
double DbOfHeight(float height, float range3dDb);

// What a spectral tilt of slopeDbPerOctave adds at a frequency: 0 at 1 kHz.
double SlopeOffsetDb(double hz, double slopeDbPerOctave);

// Three significant digits: "63.5 Hz", "440 Hz", "1.00 kHz", "12.3 kHz".
// Below 100 Hz one decimal ("5.2 Hz"); the unit follows the rounded value,
// so 999.7 Hz reads "1.00 kHz".
std::string FrequencyText(double hz);

// "-12.3 dB": one decimal.
std::string LevelText(double db);

// Lines separated by '\n': frequency, note and cents (when the frequency
// has one), level, then "peak ..." and "age 1.2 s" when given.
std::string ReadoutText(const ReadoutValues& values);
