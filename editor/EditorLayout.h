// The editor's geometry: the 3D view with the controls panel directly below
// it. One value holds every size, so that the window code, the renderer, the
// label placement and the host's editor rectangle agree. Larger editor
// sizes for high-DPI screens multiply every size by their percentage.
#pragma once

struct EditorLayout {
    int viewWidth = 900;
    int viewHeight = 400;
    int panelHeight = 200;

    constexpr int Width() const { return viewWidth; }
    constexpr int Height() const { return viewHeight + panelHeight; }

    // The 100 % layout at percent (125 %: 1125 x 750).
    constexpr EditorLayout AtPercent(int percent) const {
        return {viewWidth * percent / 100, viewHeight * percent / 100, panelHeight * percent / 100};
    }
};

// The layout at 100 %.
inline constexpr EditorLayout kEditorLayout{};
