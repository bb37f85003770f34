// Entry times of the waterfall's rows.
#include "render/RowAges.h"

#include <cassert>

using WaterGeometry::kRows;

void CRowAges::PushFront(uint32_t nowMs) {
    frontSlot_ = (frontSlot_ + kRows - 1) % kRows;
    enteredMs_[static_cast<size_t>(frontSlot_)] = nowMs;
    if (filledRows_ < kRows) ++filledRows_;
}

std::optional<double> CRowAges::AgeSeconds(int row, uint32_t nowMs) const {
    assert(row >= 0 && row < kRows);
    if (row >= filledRows_) return std::nullopt;
    // Unsigned difference: right across the timer's wrap after 49 days.
    const uint32_t ageMs = nowMs - enteredMs_[static_cast<size_t>((frontSlot_ + row) % kRows)];
    return ageMs * 0.001;
}
