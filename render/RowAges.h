// How old each row of the waterfall is: the time every front row entered,
// kept in step with the surface's scroll, so the readout can say how long
// ago the row under the mouse was the newest spectrum.
//
// Thread: user-interface thread only.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "render/WaterGeometry.h"

class CRowAges {
public:
    // Call whenever the surface takes a new front row, with the shared
    // timer's milliseconds of that frame.
    void PushFront(uint32_t nowMs);

    // Seconds since row (0 = front) entered, measured at nowMs; nothing for
    // rows that no frame has filled yet.
    std::optional<double> AgeSeconds(int row, uint32_t nowMs) const;

private:
    std::array<uint32_t, WaterGeometry::kRows> enteredMs_{};
    int frontSlot_ = 0;
    int filledRows_ = 0;
};
