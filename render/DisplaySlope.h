// The spectral slope of the display: every displayed level of a band is
// tilted by slope x log2(centre / 1 kHz) dB, so that 1 kHz stays where it
// is and music, which falls towards the highs, shows them level. Only what
// is drawn is tilted; the store, the statistics and the export are not.
//
// Thread: user-interface thread only.
#pragma once

#include "analysis/BandAnalysis.h"
#include "analysis/BandRange.h"

class CDisplaySlope {
public:
    // Once per frame before Apply; flat without a table.
    void Set(double dbPerOctave, const BandTable* bands);

    bool IsFlat() const { return flat_; }
    double DbPerOctave() const { return dbPerOctave_; }
    double OffsetDb(int band) const;

    // Store levels (0.0 at -120 dB, 1.0 at 0 dB) tilted and held to 0..1;
    // the floor (0.0) stays, and everything is left exactly as it is while
    // flat.
    void Apply(BandLevels& levels) const;

private:
    double dbPerOctave_ = 0.0;
    bool flat_ = true;
    BandLevels offsets_{};  // in store levels
};
