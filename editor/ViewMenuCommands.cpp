// The view menu's items and commands.
#include "editor/ViewMenuCommands.h"

#include <utility>

#include "editor/EditorState.h"
#include "resources/resource.h"

namespace {

struct OptionItem {
    int id;
    const char* caption;
    bool ViewOptions::*option;
};

constexpr OptionItem kOptionItems[] = {
    {IDM_SHOW_VALUES, "Show values under the mouse", &ViewOptions::showValuesUnderMouse},
    {IDM_TIDY_PEAK_LABELS, "Tidy peak labels", &ViewOptions::tidyPeakLabels},
    {IDM_METER_WITH_SCALE, "Meter with scale", &ViewOptions::meterWithScale},
};

// Windows virtual-key codes of the keys the view answers.
constexpr int32_t kKeyS = 'S';
constexpr int32_t kKeyApps = 0x5D;
constexpr int32_t kKeyF10 = 0x79;

const OptionItem* OptionItemOf(int id) {
    for (const OptionItem& item : kOptionItems) {
        if (item.id == id) return &item;
    }
    return nullptr;
}

}  // namespace

CViewMenuCommands::CViewMenuCommands(CEditorState& state, ViewMenuActions actions)
    : state_(state), actions_(std::move(actions)) {}

std::vector<ViewMenuEntry> CViewMenuCommands::Entries() const {
    std::vector<ViewMenuEntry> entries;
    for (const OptionItem& item : kOptionItems) {
        ViewMenuEntry entry;
        entry.id = item.id;
        entry.caption = item.caption;
        entry.checked = state_.Options().*item.option;
        entries.push_back(std::move(entry));
    }
    entries.emplace_back();  // separator
    ViewMenuEntry resetEntry;
    resetEntry.id = IDM_RESET_LOUDNESS;
    resetEntry.caption = "Reset loudness";
    entries.push_back(std::move(resetEntry));
    ViewMenuEntry exportEntry;
    exportEntry.id = IDM_EXPORT;
    exportEntry.caption = "Export picture and values";
    exportEntry.shortcut = "Ctrl+S";
    entries.push_back(std::move(exportEntry));
    return entries;
}

bool CViewMenuCommands::Execute(int id) {
    if (const OptionItem* item = OptionItemOf(id)) {
        bool& option = state_.Options().*item->option;
        option = !option;
        return true;
    }
    const std::function<void()>* action = id == IDM_EXPORT           ? &actions_.exportView
                                          : id == IDM_RESET_LOUDNESS ? &actions_.resetLoudness
                                                                     : nullptr;
    if (action == nullptr) return false;
    if (*action) (*action)();
    return true;
}

ViewKeyResult CViewMenuCommands::KeyAction(int32_t virtualKey, bool control, bool shift) {
    if (virtualKey == kKeyApps || (virtualKey == kKeyF10 && shift && !control))
        return {ViewKeyAction::kOpenMenu, 0};
    if (virtualKey == kKeyS && control && !shift) return {ViewKeyAction::kCommand, IDM_EXPORT};
    return {};
}
