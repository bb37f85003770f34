// CRowHistory: the row clock and the maxima of the open row.
#include "render/RowHistory.h"

#include <algorithm>
#include <cmath>

#include "render/WaterGeometry.h"

void CRowHistory::SetSpanSeconds(double seconds) {
    if (seconds == spanSeconds_) return;
    spanSeconds_ = seconds;
    started_ = false;
}

double CRowHistory::RowSeconds() const {
    return spanSeconds_ / WaterGeometry::kRows;
}

int CRowHistory::Advance(uint32_t nowMs, const BandLevels& front) {
    if (!started_) {
        started_ = true;
        lastMs_ = nowMs;
        openMs_ = 0.0;
        maxima_ = front;
        return 0;
    }
    for (size_t band = 0; band < front.size(); ++band)
        maxima_[band] = std::max(maxima_[band], front[band]);
    // Unsigned: a clock that wraps still counts forwards.
    openMs_ += static_cast<double>(nowMs - lastMs_);
    lastMs_ = nowMs;
    const double rowMs = RowSeconds() * 1000.0;
    const double due = std::floor(openMs_ / rowMs);
    if (due < 1.0) return 0;
    openMs_ -= due * rowMs;
    closed_ = maxima_;
    maxima_ = front;
    return static_cast<int>(std::min(due, static_cast<double>(WaterGeometry::kRows)));
}
