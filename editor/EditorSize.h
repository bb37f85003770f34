// The editor's size as the view menu chooses it: 100 % (the plain editor),
// 125 %, 150 % or 200 %, or the scale of the screen the editor is on,
// rounded to the nearest of those four.
#pragma once

#include <cstdint>

enum class EditorSize : int32_t { k100, k125, k150, k200, kFollowScreen };

// Every percentage an editor can have.
inline constexpr int kEditorPercents[] = {100, 125, 150, 200};

// The percentage of a fixed size; for kFollowScreen, that of a screen at
// screenDpi (96 dots per inch is 100 %).
int EditorPercent(EditorSize size, int screenDpi);

// The nearest of the four percentages to a screen's scale; 100 % for a
// DPI that is not positive.
int NearestEditorPercent(int screenDpi);

// The menu's names: "100 %" ... "200 %", "Follow the screen".
const char* EditorSizeName(EditorSize size);
