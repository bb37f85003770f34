// Frequency texts of the waterfall's labels: the fixed table of the front
// edge and the grid top, and the text of a peak's frequency, in hertz below
// 1 kHz and in kilohertz with one decimal above.
#pragma once

#include <array>
#include <string>

struct FrequencyMark {
    int hz;
    const char* text;
};

constexpr std::array<FrequencyMark, 11> kFrequencyMarks{{{20, "20"},
                                                         {50, "50"},
                                                         {100, "100"},
                                                         {200, "200"},
                                                         {300, "300"},
                                                         {500, "500"},
                                                         {1000, "1K"},
                                                         {2000, "2K"},
                                                         {5000, "5K"},
                                                         {10000, "10K"},
                                                         {20000, "20K"}}};

// 999 Hz gives "999", 1000 Hz "1.0K", 1234 Hz "1.2K", 12500 Hz "12.5K": the
// decimal is cut, not rounded.
std::string FrequencyLabelText(int hz);
