// The editor's geometry: the 3D view with the controls panel directly below
// it. One value holds every size, so that the window code, the renderer, the
// label placement and the host's editor rectangle agree.
#pragma once

struct EditorLayout {
    int viewWidth = 900;
    int viewHeight = 400;
    int panelHeight = 200;

    constexpr int Width() const { return viewWidth; }
    constexpr int Height() const { return viewHeight + panelHeight; }
};

// The layout at 100 %.
inline constexpr EditorLayout kEditorLayout{};
