// Loudest-first choice of labels that do not overlap.
#include "render/TidyLabels.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

bool Overlap(const LabelCandidate& a, const LabelCandidate& b, int margin) {
    return a.left < b.right + margin && b.left < a.right + margin && a.top < b.bottom + margin &&
           b.top < a.bottom + margin;
}

// Strictly louder first, then the lower band; NaN after every number.
bool PlacedBefore(const LabelCandidate& a, const LabelCandidate& b) {
    const bool aQuiet = std::isnan(a.loudness), bQuiet = std::isnan(b.loudness);
    if (aQuiet != bQuiet) return bQuiet;
    if (!aQuiet && a.loudness != b.loudness) return a.loudness > b.loudness;
    return a.band < b.band;
}

}  // namespace

// A few dozen labels a frame: the quadratic overlap test costs nothing.
void ChooseTidyLabels(const std::vector<LabelCandidate>& candidates, int margin,
                      std::vector<bool>& keep) {
    std::vector<size_t> order(candidates.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return PlacedBefore(candidates[a], candidates[b]);
    });
    keep.assign(candidates.size(), false);
    std::vector<size_t> placed;
    for (size_t index : order) {
        const bool free = std::none_of(placed.begin(), placed.end(), [&](size_t other) {
            return Overlap(candidates[index], candidates[other], margin);
        });
        if (!free) continue;
        keep[index] = true;
        placed.push_back(index);
    }
}
