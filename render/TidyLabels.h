// Which peak labels to draw when their boxes would pile up: the loudest
// labels win their place and any label that would overlap one already
// placed is left out.
#pragma once

#include <vector>

struct LabelCandidate {
    // Screen box in pixels; right and bottom are just outside it, so boxes
    // that only touch do not overlap.
    int left, top, right, bottom;
    float loudness;  // larger is louder; NaN counts as the quietest
    int band;        // breaks ties: the lower band first
};

// keep[i] says whether candidates[i] is drawn; the caller keeps its own
// drawing order. Kept boxes are at least margin pixels apart (0: they may
// touch).
void ChooseTidyLabels(const std::vector<LabelCandidate>& candidates, int margin,
                      std::vector<bool>& keep);
