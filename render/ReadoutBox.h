// Where the readout's text box goes: beside the cursor, right and below it
// by default, flipped to the left or above where it would leave the view.
#pragma once

struct ReadoutBoxPlace {
    int left;
    int top;
};

// All in view pixels; gap is the distance from the cursor to the box's
// nearer corner (scaled by the caller with the editor). A box larger than
// the view is held to its top left corner.
ReadoutBoxPlace PlaceReadoutBox(int cursorX, int cursorY, int boxWidth, int boxHeight,
                                int viewWidth, int viewHeight, int gap);
