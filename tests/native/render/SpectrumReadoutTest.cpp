// The readout beside the mouse: notes and cents, texts, the band under the
// cursor in the bar graph, the box's place and the age of waterfall rows.
#include "render/SpectrumReadout.h"

#include <gtest/gtest.h>

#include <cmath>

#include "render/LevelHeight.h"
#include "render/NoteName.h"
#include "render/ReadoutBox.h"
#include "render/RowAges.h"

namespace {

std::string NoteOf(double hz) {
    const auto pitch = NearestNote(hz);
    return pitch ? NotePitchText(*pitch) : "none";
}

double CentsAboveA4(double cents) {
    return 440.0 * std::pow(2.0, cents / 1200.0);
}

TEST(NoteName, NamesTheNearestNoteWithSharpsAndScientificOctaves) {
    EXPECT_EQ(NoteOf(440.0), "A4 +0 ct");
    EXPECT_EQ(NoteOf(261.63), "C4 +0 ct");
    EXPECT_EQ(NoteOf(277.18), "C#4 +0 ct");
    EXPECT_EQ(NoteOf(1000.0), "B5 +21 ct");
    EXPECT_EQ(NoteOf(63.5), "B1 +49 ct");
    // Octaves change at C, not at A, also below C-1.
    EXPECT_EQ(NoteOf(246.94), "B3 +0 ct");
    EXPECT_EQ(NoteOf(7.7169), "B-2 +0 ct");
    for (double hz : {0.0, -440.0, static_cast<double>(NAN), static_cast<double>(INFINITY)}) {
        EXPECT_EQ(NoteOf(hz), "none") << hz;
    }
}

TEST(NoteName, ExactlyHalfwayBelongsToTheUpperNote) {
    EXPECT_EQ(NoteOf(CentsAboveA4(50.0)), "A#4 -50 ct");
    EXPECT_EQ(NoteOf(CentsAboveA4(-50.0)), "A4 -50 ct");
    EXPECT_EQ(NoteOf(CentsAboveA4(49.4)), "A4 +49 ct");
    // Cents are rounded before the note is chosen: 49.6 is already 50.
    EXPECT_EQ(NoteOf(CentsAboveA4(49.6)), "A#4 -50 ct");
    EXPECT_EQ(NoteOf(CentsAboveA4(-50.6)), "G#4 +49 ct");
}

TEST(ReadoutText, FrequenciesKeepThreeSignificantDigitsAcrossUnits) {
    EXPECT_EQ(FrequencyText(63.5), "63.5 Hz");
    EXPECT_EQ(FrequencyText(5.24), "5.2 Hz");
    EXPECT_EQ(FrequencyText(440.4), "440 Hz");
    EXPECT_EQ(FrequencyText(12345.0), "12.3 kHz");
    // Rounding up into the next unit takes that unit's form.
    EXPECT_EQ(FrequencyText(99.96), "100 Hz");
    EXPECT_EQ(FrequencyText(999.7), "1.00 kHz");
    EXPECT_EQ(FrequencyText(9996.0), "10.0 kHz");
    EXPECT_EQ(FrequencyText(99960.0), "100 kHz");
}

TEST(ReadoutText, BoxLinesCarryLevelPeakAndAgeWhenGiven) {
    ReadoutValues values;
    values.frequencyHz = 1000.0;
    values.levelDb = -12.34;
    EXPECT_EQ(ReadoutText(values), "1.00 kHz\nB5 +21 ct\n-12.3 dB");
    values.peakDb = -8.0;
    values.ageSeconds = 1.23;
    EXPECT_EQ(ReadoutText(values), "1.00 kHz\nB5 +21 ct\n-12.3 dB\npeak -8.0 dB\nage 1.2 s");
    EXPECT_EQ(LevelText(-0.04), "0.0 dB");  // no minus sign on a rounded zero
}

TEST(ReadoutLevels, HeightsReadBackAsTheLevelsThatMadeThem) {
    for (float range : {-60.0f, -90.0f, -120.0f}) {
        for (double db : {0.0, -6.0, -45.5}) {
            const auto level = static_cast<float>(1.0 + db / 120.0);
            EXPECT_NEAR(DbOfStoreLevel(level), db, 1e-4) << db;
            EXPECT_NEAR(DbOfHeight(LevelHeight::HeightOfLevel(level, range), range), db, 1e-3)
                << db << " dB at range " << range;
        }
    }
    EXPECT_DOUBLE_EQ(SlopeOffsetDb(4000.0, 4.5), 9.0);
}

TEST(BandUnderCursor2D, EachDrawnColumnBelongsToItsNearestBand) {
    // Band j's own column is x = 66 + 3 j; the two after it lean towards j + 1.
    EXPECT_EQ(BandUnderCursor2D(66.0f, 1.0f), 0);
    EXPECT_EQ(BandUnderCursor2D(67.9f, 1.0f), 0);
    EXPECT_EQ(BandUnderCursor2D(68.0f, 1.0f), 1);
    EXPECT_EQ(BandUnderCursor2D(828.0f, 1.0f), 254);
    EXPECT_EQ(BandUnderCursor2D(830.5f, 1.0f), 255);
    EXPECT_FALSE(BandUnderCursor2D(65.9f, 1.0f));
    EXPECT_FALSE(BandUnderCursor2D(831.0f, 1.0f));
    // Scaled layouts map back to their columns.
    EXPECT_EQ(BandUnderCursor2D(66.0f * 2.0f, 2.0f), 0);
    EXPECT_EQ(BandUnderCursor2D((66.0f + 3 * 200) * 1.25f, 1.25f), 200);
    EXPECT_FALSE(BandUnderCursor2D(65.0f * 1.5f, 1.5f));
    EXPECT_FALSE(BandUnderCursor2D(831.0f * 2.0f, 2.0f));
}

TEST(ReadoutBox, SitsRightBelowTheCursorAndFlipsAtTheEdges) {
    auto place = [](int x, int y) { return PlaceReadoutBox(x, y, 100, 60, 900, 400, 16); };
    EXPECT_EQ(place(200, 100).left, 216);
    EXPECT_EQ(place(200, 100).top, 116);
    EXPECT_EQ(place(850, 100).left, 734);  // left of the cursor
    EXPECT_EQ(place(200, 380).top, 304);   // above the cursor
    EXPECT_EQ(place(784, 324).left, 800);  // just fits on the right
    EXPECT_EQ(place(784, 324).top, 340);
    // Too big for either side: held in the view.
    EXPECT_EQ(PlaceReadoutBox(50, 30, 880, 390, 900, 400, 16).top, 0);
    EXPECT_EQ(PlaceReadoutBox(50, 30, 950, 450, 900, 400, 16).left, 0);
}

TEST(RowAges, RowsAgeFromTheFrameThatBroughtThemIn) {
    CRowAges ages;
    EXPECT_FALSE(ages.AgeSeconds(0, 1000));
    for (uint32_t frame = 0; frame < 40; ++frame) ages.PushFront(1000 + frame * 20);
    // The front row came with the last frame, row 31 with the 31st before it.
    EXPECT_DOUBLE_EQ(*ages.AgeSeconds(0, 1780 + 5), 0.005);
    EXPECT_DOUBLE_EQ(*ages.AgeSeconds(31, 1780), 31 * 0.02);
    CRowAges young;
    young.PushFront(0xFFFFFFF0u);
    young.PushFront(0x10u);  // across the timer's wrap
    EXPECT_DOUBLE_EQ(*young.AgeSeconds(1, 0x20u), 0.048);
    EXPECT_FALSE(young.AgeSeconds(2, 0x20u));
}

}  // namespace
