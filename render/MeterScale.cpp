// Rows, ticks and texts of the decibel meter.
#include "render/MeterScale.h"

#include <cmath>

#include "render/DecimalText.h"

int MeterRowsOfValue(const MeterScale& scale, double value) {
    const double fraction = (value - scale.bottomValue) / (scale.topValue - scale.bottomValue);
    // Written so that NaN (and -inf) land on the empty bar.
    if (!(fraction > 0.0)) return 0;
    if (fraction >= 1.0) return kMeterScaleRows;
    return static_cast<int>(std::lround(fraction * kMeterScaleRows));
}

int MeterRowY(const MeterScale& scale, double value) {
    return kMeterScaleRows - MeterRowsOfValue(scale, value);
}

double MeterValueOfRow(const MeterScale& scale, int row) {
    const double fromTop = (row + 0.5) / kMeterScaleRows;
    return scale.topValue + (scale.bottomValue - scale.topValue) * fromTop;
}

MeterTick MeterTickOf(const MeterScale& scale, int value) {
    return {MeterRowY(scale, value), std::to_string(value)};
}

double DbfsOfLinear(double linear) {
    if (!(linear > 0.0)) return -INFINITY;
    return 20.0 * std::log10(linear);
}

std::string DbfsText(double db) {
    if (std::isinf(db) && db < 0.0) return "-inf";
    return FixedText(db, 1);
}
