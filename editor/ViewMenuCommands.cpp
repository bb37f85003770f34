// The view menu's items and commands.
#include "editor/ViewMenuCommands.h"

#include <cstddef>
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

template <typename Value>
struct ChoiceItem {
    int id;
    Value value;
};

constexpr ChoiceItem<SpectralSlope> kSlopeItems[] = {
    {IDM_SLOPE_FLAT, SpectralSlope::kFlat},
    {IDM_SLOPE_3_DB, SpectralSlope::k3DbPerOctave},
    {IDM_SLOPE_4_5_DB, SpectralSlope::k4_5DbPerOctave},
    {IDM_SLOPE_6_DB, SpectralSlope::k6DbPerOctave},
};
constexpr ChoiceItem<HistorySpan> kHistoryItems[] = {
    {IDM_HISTORY_PER_FRAME, HistorySpan::kOneRowPerFrame},
    {IDM_HISTORY_2_S, HistorySpan::k2Seconds},
    {IDM_HISTORY_5_S, HistorySpan::k5Seconds},
    {IDM_HISTORY_10_S, HistorySpan::k10Seconds},
    {IDM_HISTORY_30_S, HistorySpan::k30Seconds},
};
constexpr ChoiceItem<AnalysisChannels> kChannelItems[] = {
    {IDM_CHANNELS_LEFT_RIGHT, AnalysisChannels::kLeftPlusRight},
    {IDM_CHANNELS_LEFT, AnalysisChannels::kLeft},
    {IDM_CHANNELS_RIGHT, AnalysisChannels::kRight},
    {IDM_CHANNELS_MID, AnalysisChannels::kMid},
    {IDM_CHANNELS_SIDE, AnalysisChannels::kSide},
};

constexpr ChoiceItem<EditorSize> kSizeItems[] = {
    {IDM_SIZE_100, EditorSize::k100},
    {IDM_SIZE_125, EditorSize::k125},
    {IDM_SIZE_150, EditorSize::k150},
    {IDM_SIZE_200, EditorSize::k200},
    {IDM_SIZE_FOLLOW_SCREEN, EditorSize::kFollowScreen},
};

// A submenu of one choice, the current one checked.
template <typename Value, size_t N>
ViewMenuEntry ChoiceMenu(const char* title, const ChoiceItem<Value> (&items)[N], Value current,
                         const char* (*nameOf)(Value)) {
    ViewMenuEntry menu;
    menu.caption = title;
    for (const ChoiceItem<Value>& item : items) {
        ViewMenuEntry entry;
        entry.id = item.id;
        entry.caption = nameOf(item.value);
        entry.checked = item.value == current;
        menu.children.push_back(std::move(entry));
    }
    return menu;
}

// Sets option to the item's value when id is one of the items.
template <typename Value, size_t N>
bool Choose(const ChoiceItem<Value> (&items)[N], int id, Value& option) {
    for (const ChoiceItem<Value>& item : items) {
        if (item.id != id) continue;
        option = item.value;
        return true;
    }
    return false;
}

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
    const ViewOptions& options = state_.Options();
    entries.push_back(ChoiceMenu("Slope", kSlopeItems, options.slope, SlopeName));
    entries.push_back(ChoiceMenu("History", kHistoryItems, options.history, HistoryName));
    entries.push_back(ChoiceMenu("Channels", kChannelItems, options.channels, ChannelsName));
    entries.push_back(ChoiceMenu("Size", kSizeItems, options.editorSize, EditorSizeName));
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
    ViewOptions& options = state_.Options();
    if (Choose(kSlopeItems, id, options.slope) || Choose(kHistoryItems, id, options.history))
        return true;
    if (Choose(kChannelItems, id, options.channels)) {
        if (actions_.channelsChanged) actions_.channelsChanged(options.channels);
        return true;
    }
    EditorSize size = options.editorSize;
    if (Choose(kSizeItems, id, size)) {
        if (actions_.editorSizeChosen) actions_.editorSizeChosen(size);
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
