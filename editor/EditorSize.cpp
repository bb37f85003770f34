// Editor sizes and the screen's scale.
#include "editor/EditorSize.h"

#include <cstdlib>

namespace {

constexpr int kBaseDpi = 96;

}  // namespace

int NearestEditorPercent(int screenDpi) {
    if (screenDpi <= 0) return 100;
    // Compared in DPI x 100 so that no division rounds.
    int nearest = kEditorPercents[0];
    for (int percent : kEditorPercents) {
        if (std::abs(percent * kBaseDpi - screenDpi * 100) <
            std::abs(nearest * kBaseDpi - screenDpi * 100))
            nearest = percent;
    }
    return nearest;
}

int EditorPercent(EditorSize size, int screenDpi) {
    switch (size) {
        case EditorSize::k125:
            return 125;
        case EditorSize::k150:
            return 150;
        case EditorSize::k200:
            return 200;
        case EditorSize::kFollowScreen:
            return NearestEditorPercent(screenDpi);
        case EditorSize::k100:
            break;
    }
    return 100;
}

const char* EditorSizeName(EditorSize size) {
    switch (size) {
        case EditorSize::k125:
            return "125 %";
        case EditorSize::k150:
            return "150 %";
        case EditorSize::k200:
            return "200 %";
        case EditorSize::kFollowScreen:
            return "Follow the screen";
        case EditorSize::k100:
            break;
    }
    return "100 %";
}
