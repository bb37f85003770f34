// Readout values and their texts.
#include "render/SpectrumReadout.h"

#include <cmath>

#include "render/BarGraphLayout.h"
#include "render/DecimalText.h"
#include "render/NoteName.h"
#include "render/WaterGeometry.h"

namespace {

constexpr double kLevelSpanDb = 120.0;

constexpr int kFinestUnitExponent = -1;
constexpr int kCoarsestUnitExponent = 3;

// Hz as "<n> Hz" or "<n> kHz" once rounded to a whole number of units of
// 10^unitExponent Hz; nothing when that needs a fourth digit, except in the
// coarsest unit.
std::optional<std::string> TextInUnits(double hz, int unitExponent) {
    const double unitHz = std::pow(10.0, unitExponent);
    const long long units = std::llround(hz / unitHz);
    if (units >= 1000 && unitExponent < kCoarsestUnitExponent) return std::nullopt;
    // Units of 0.1, 1 Hz, then 10, 100, 1000 Hz shown in kHz.
    const bool kilo = unitExponent >= 1;
    const int decimals = kilo ? 3 - unitExponent : -unitExponent;
    return FixedText(static_cast<double>(units) * unitHz / (kilo ? 1000.0 : 1.0), decimals) +
           (kilo ? " kHz" : " Hz");
}

}  // namespace

std::optional<int> BandUnderCursor2D(float cursorX, float layoutScale) {
    const double layoutX = static_cast<double>(cursorX) / layoutScale - CBarGraphLayout::kLeftX;
    // Also turns away NaN and the infinities of a zero scale.
    if (!(layoutX >= 0.0 && layoutX < CBarGraphLayout::kColumnCount)) return std::nullopt;
    const auto offset = static_cast<int>(layoutX);
    // Column 3 j shows band j, columns 3 j + 1 and 3 j + 2 lie a third and
    // two thirds of the way to band j + 1.
    return (offset + 1) / CBarGraphLayout::kColumnsPerSegment;
}

double BandCentreHz(const BandTable& bands, int band) {
    const BandRange& range = bands[static_cast<size_t>(band)];
    return std::sqrt(range.lowerHz * range.upperHz);
}

double DbOfStoreLevel(float level) {
    return (static_cast<double>(level) - 1.0) * kLevelSpanDb;
}

double DbOfHeight(float height, float range3dDb) {
    return static_cast<double>(range3dDb) *
           (1.0 - static_cast<double>(height) / WaterGeometry::kTopHeight);
}

double SlopeOffsetDb(double hz, double slopeDbPerOctave) {
    return slopeDbPerOctave * std::log2(hz / 1000.0);
}

std::string FrequencyText(double hz) {
    for (int unitExponent = kFinestUnitExponent;; ++unitExponent) {
        if (auto text = TextInUnits(hz, unitExponent)) return *text;
    }
}

std::string LevelText(double db) {
    return FixedText(db, 1) + " dB";
}

std::string ReadoutText(const ReadoutValues& values) {
    std::string text = FrequencyText(values.frequencyHz);
    if (const auto pitch = NearestNote(values.frequencyHz)) text += "\n" + NotePitchText(*pitch);
    text += "\n" + LevelText(values.levelDb);
    if (values.peakDb) text += "\npeak " + LevelText(*values.peakDb);
    if (values.ageSeconds) text += "\nage " + FixedText(*values.ageSeconds, 1) + " s";
    return text;
}
