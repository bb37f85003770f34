// The view menu as data and its commands: check marks that follow the
// options, one option per command, the export hand-off, and the keys.
#include "editor/ViewMenuCommands.h"

#include <gtest/gtest.h>

#include <atomic>

#include "editor/EditorState.h"
#include "resources/resource.h"

namespace {

constexpr int32_t kKeyApps = 0x5D, kKeyF10 = 0x79;

class ViewMenuCommandsTest : public ::testing::Test {
protected:
    std::atomic<float> frequencyHz_{1000.0f};
    CEditorState state_{frequencyHz_};
    int exports_ = 0;
    CViewMenuCommands commands_{state_, [this] { ++exports_; }};
};

bool CheckedIn(const std::vector<ViewMenuEntry>& entries, int id) {
    for (const ViewMenuEntry& entry : entries) {
        if (entry.id == id) return entry.checked;
    }
    ADD_FAILURE() << "no entry " << id;
    return false;
}

TEST_F(ViewMenuCommandsTest, EntriesListTheOptionsThenTheExportWithItsShortcut) {
    const std::vector<ViewMenuEntry> entries = commands_.Entries();
    ASSERT_EQ(entries.size(), 5u);
    const int ids[] = {IDM_SHOW_VALUES, IDM_TIDY_PEAK_LABELS, IDM_METER_WITH_SCALE, 0, IDM_EXPORT};
    const char* captions[] = {"Show values under the mouse", "Tidy peak labels", "Meter with scale",
                              "", "Export picture and values"};
    const bool checked[] = {true, false, false, false, false};
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].id, ids[i]) << i;
        EXPECT_EQ(entries[i].caption, captions[i]) << i;
        EXPECT_EQ(entries[i].checked, checked[i]) << i;
        EXPECT_TRUE(entries[i].children.empty()) << i;
    }
    EXPECT_EQ(entries[4].shortcut, "Ctrl+S");
    EXPECT_EQ(entries[0].shortcut, "");
}

TEST_F(ViewMenuCommandsTest, EachOptionCommandTogglesItsOwnOptionAndItsCheckMark) {
    const std::pair<int, bool ViewOptions::*> items[] = {
        {IDM_SHOW_VALUES, &ViewOptions::showValuesUnderMouse},
        {IDM_TIDY_PEAK_LABELS, &ViewOptions::tidyPeakLabels},
        {IDM_METER_WITH_SCALE, &ViewOptions::meterWithScale},
    };
    for (const auto& [id, option] : items) {
        const ViewOptions before = state_.Options();
        ASSERT_TRUE(commands_.Execute(id)) << id;
        EXPECT_NE(state_.Options().*option, before.*option) << id;
        EXPECT_EQ(CheckedIn(commands_.Entries(), id), state_.Options().*option) << id;
        for (const auto& [otherId, other] : items) {
            if (otherId == id) continue;
            EXPECT_EQ(state_.Options().*other, before.*other) << id;
        }
        ASSERT_TRUE(commands_.Execute(id));
        EXPECT_EQ(state_.Options().*option, before.*option) << "a second command undoes " << id;
    }
    EXPECT_EQ(exports_, 0);
}

TEST_F(ViewMenuCommandsTest, ExportRunsTheExportAndOtherIdsAreLeftToOthers) {
    EXPECT_TRUE(commands_.Execute(IDM_EXPORT));
    EXPECT_EQ(exports_, 1);
    const ViewOptions before = state_.Options();
    for (int id : {0, IDM_RESET_LOUDNESS, IDM_EXPORT + 1, IDM_SHOW_VALUES - 1, IDC_FREEZE}) {
        EXPECT_FALSE(commands_.Execute(id)) << id;
    }
    EXPECT_EQ(exports_, 1);
    EXPECT_EQ(state_.Options().showValuesUnderMouse, before.showValuesUnderMouse);

    CViewMenuCommands withoutExport(state_, nullptr);
    EXPECT_TRUE(withoutExport.Execute(IDM_EXPORT)) << "still the menu's command, doing nothing";
}

TEST(ViewMenuKeys, MenuKeyAndShiftF10OpenTheMenuAndCtrlSExports) {
    using Action = ViewKeyAction;
    EXPECT_EQ(CViewMenuCommands::KeyAction(kKeyApps, false, false).action, Action::kOpenMenu);
    EXPECT_EQ(CViewMenuCommands::KeyAction(kKeyF10, false, true).action, Action::kOpenMenu);
    EXPECT_EQ(CViewMenuCommands::KeyAction(kKeyF10, false, false).action, Action::kNone);
    EXPECT_EQ(CViewMenuCommands::KeyAction(kKeyF10, true, true).action, Action::kNone);
    const ViewKeyResult save = CViewMenuCommands::KeyAction('S', true, false);
    EXPECT_EQ(save.action, Action::kCommand);
    EXPECT_EQ(save.commandId, IDM_EXPORT);
    EXPECT_EQ(CViewMenuCommands::KeyAction('S', false, false).action, Action::kNone)
        << "S alone is the camera's key";
    EXPECT_EQ(CViewMenuCommands::KeyAction('S', true, true).action, Action::kNone);
    EXPECT_EQ(CViewMenuCommands::KeyAction('W', true, false).action, Action::kNone);
}

}  // namespace
