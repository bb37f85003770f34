// The display line of the loudness meter.
#include "analysis/LoudnessLine.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

TEST(LoudnessLine, OneDecimalAndDashesForWhatIsNotMeasured) {
    CLoudnessSnapshot s;
    EXPECT_EQ(FormatLoudnessLine(s), "Loudness  M --  S --  I -- LUFS  LRA -- LU  TP -- dBTP");
    s.momentaryLufs = -14.24;
    s.shortTermLufs = -15.0;
    s.integratedLufs = -16.06;
    s.rangeLu = 5.2;
    s.truePeakDbtp = -0.8;
    EXPECT_EQ(FormatLoudnessLine(s),
              "Loudness  M -14.2  S -15.0  I -16.1 LUFS  LRA 5.2 LU  TP -0.8 dBTP");
    s.momentaryLufs = -std::numeric_limits<double>::infinity();  // silence
    s.truePeakDbtp = -0.04;
    s.rangeLu = 12.96;
    // A locale with a decimal comma changes nothing.
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(FormatLoudnessLine(s),
              "Loudness  M --  S -15.0  I -16.1 LUFS  LRA 13.0 LU  TP 0.0 dBTP");
    std::setlocale(LC_NUMERIC, "C");
}
