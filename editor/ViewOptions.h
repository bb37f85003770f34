// The view's own options, chosen from its popup menu and beyond what the
// panel offers. They belong to the plug-in instance: they live in the
// editor state, so they survive closing and reopening the editor, and every
// new instance starts from these defaults, which draw the plain view.
#pragma once

#include <cstdint>

struct ViewOptions {
    // The frequency, note and level under the mouse, with a marker.
    bool showValuesUnderMouse = true;
    // Peak labels placed loudest first, skipping any that would overlap.
    bool tidyPeakLabels = false;
    // Opaque meter bars on a dBFS scale with ticks, hold lines and figures.
    bool meterWithScale = false;
};

// Where the mouse rests over the view, in its client pixels; inside is false
// once it has left the view or while a button is held.
struct HoverState {
    bool inside = false;
    int32_t x = 0;
    int32_t y = 0;
};
