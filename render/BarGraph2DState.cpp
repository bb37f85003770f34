// The 2D bar graph's per-frame state.
#include "render/BarGraph2DState.h"

#include "analysis/LoudnessLine.h"
#include "analysis/Statistics.h"

void CBarGraph2DState::Sync(bool twoDViewShown, bool frozen, bool peakHoldShown,
                            CStatistics& statistics, const CLoudnessSnapshot& loudness) {
    shown_ = twoDViewShown;
    if (!shown_) return;
    frozen_ = frozen;
    peaksShown_ = peakHoldShown;
    text_.Set(statistics.Report() + "\n" + FormatLoudnessLine(loudness));
}

void CBarGraph2DState::ReadTraces(CSpectrumStore& store, BandLevels& level,
                                  BandLevels& peak) const {
    if (frozen_) {
        store.ReadFrozen(level, peak);
    } else {
        store.ReadSnapshot(level, peak);
    }
}
