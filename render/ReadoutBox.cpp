// Placement of the readout box beside the cursor.
#include "render/ReadoutBox.h"

#include <algorithm>

namespace {

// After the cursor when the box fits there, else before it; then held in
// the view.
int PlaceAlong(int cursor, int size, int viewSize, int gap) {
    int start = cursor + gap;
    if (start + size > viewSize) start = cursor - gap - size;
    return std::max(0, std::min(start, viewSize - size));
}

}  // namespace

ReadoutBoxPlace PlaceReadoutBox(int cursorX, int cursorY, int boxWidth, int boxHeight,
                                int viewWidth, int viewHeight, int gap) {
    return {PlaceAlong(cursorX, boxWidth, viewWidth, gap),
            PlaceAlong(cursorY, boxHeight, viewHeight, gap)};
}
