// The waterfall's history by time: with a span, the clock shares it out
// evenly among the rows, and a row closes every span / 32 seconds holding
// the largest height of each band over every frame it covered, so a short
// event is never lost between rows. Between closes the front row keeps
// following the newest spectrum. The same span whatever the frame rate: a
// slow frame that covers several rows closes them all.
//
// Thread: user-interface thread only, once per drawn frame.
#pragma once

#include <cstdint>

#include "analysis/BandAnalysis.h"

class CRowHistory {
public:
    // 0 for one row per frame, which needs no clock; a change restarts the
    // clock at the next frame.
    void SetSpanSeconds(double seconds);
    bool ByTime() const { return spanSeconds_ > 0.0; }
    double RowSeconds() const;

    // Takes the frame's front heights at the shared timer's nowMs and
    // returns how many rows close with it (0: the front row is only
    // replaced; at most the waterfall's row count).
    int Advance(uint32_t nowMs, const BandLevels& front);

    // The last row that closed: the largest of each band over its frames.
    const BandLevels& ClosedRow() const { return closed_; }

private:
    double spanSeconds_ = 0.0;
    bool started_ = false;
    uint32_t lastMs_ = 0;
    double openMs_ = 0.0;  // how long the open row has run
    BandLevels maxima_{};
    BandLevels closed_{};
};
