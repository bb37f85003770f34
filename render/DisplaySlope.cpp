// CDisplaySlope: the offsets per band and their application.
#include "render/DisplaySlope.h"

#include <algorithm>

#include "render/SpectrumReadout.h"

namespace {

constexpr double kLevelSpanDb = 120.0;

}  // namespace

// Rebuilt on every call while tilted (256 logarithms a frame): the table
// may be rebuilt in place when a new store starts.
void CDisplaySlope::Set(double dbPerOctave, const BandTable* bands) {
    dbPerOctave_ = dbPerOctave;
    flat_ = dbPerOctave == 0.0 || bands == nullptr;
    if (flat_) return;
    for (int band = 0; band < kBandCount; ++band) {
        offsets_[static_cast<size_t>(band)] = static_cast<float>(
            SlopeOffsetDb(BandCentreHz(*bands, band), dbPerOctave) / kLevelSpanDb);
    }
}

double CDisplaySlope::OffsetDb(int band) const {
    return static_cast<double>(offsets_[static_cast<size_t>(band)]) * kLevelSpanDb;
}

void CDisplaySlope::Apply(BandLevels& levels) const {
    if (flat_) return;
    // The floor means nothing measured there: tilting it would draw a ramp
    // out of silence.
    for (size_t band = 0; band < levels.size(); ++band) {
        if (levels[band] <= 0.0f) continue;
        levels[band] = std::clamp(levels[band] + offsets_[band], 0.0f, 1.0f);
    }
}
