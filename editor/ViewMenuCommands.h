// The view's popup menu as data, and what its commands do: the option items
// toggle the view's options in the editor state, the submenus choose one of
// a kind (slope, history, channels, size), the action items (export, loudness
// reset) run what the editor hands in. The window glue builds the system
// menu from Entries() every time it opens, so the check marks always show
// the state and items added later need no change there.
//
// Thread: user-interface thread.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "analysis/AnalysisChannels.h"
#include "editor/EditorSize.h"

class CEditorState;

struct ViewMenuEntry {
    // 0 for a separator or a submenu's title.
    int id = 0;
    std::string caption;
    // Shown right-aligned beside the caption, e.g. "Ctrl+S".
    std::string shortcut;
    bool checked = false;
    // Not empty: the entry opens this submenu.
    std::vector<ViewMenuEntry> children;
};

// What a key pressed in the view asks for.
enum class ViewKeyAction { kNone, kOpenMenu, kCommand };

struct ViewKeyResult {
    ViewKeyAction action = ViewKeyAction::kNone;
    int commandId = 0;
};

// What the action items do; an empty one makes its command do nothing.
struct ViewMenuActions {
    std::function<void()> exportView;     // writes the picture and the table
    std::function<void()> resetLoudness;  // restarts every loudness figure
    // Hands the analysis the channels just chosen.
    std::function<void(AnalysisChannels)> channelsChanged;
    // Gives the editor the size just chosen.
    std::function<void(EditorSize)> editorSizeChosen;
};

class CViewMenuCommands {
public:
    CViewMenuCommands(CEditorState& state, ViewMenuActions actions);

    std::vector<ViewMenuEntry> Entries() const;
    // False when id is none of the menu's commands, which then is left to
    // whoever else handles it.
    bool Execute(int id);

    // virtualKey: the Windows key code of a key pressed while the view has
    // the focus, with the states of Ctrl and Shift.
    static ViewKeyResult KeyAction(int32_t virtualKey, bool control, bool shift);

private:
    CEditorState& state_;
    ViewMenuActions actions_;
};
