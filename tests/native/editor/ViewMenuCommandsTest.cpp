// The view menu as data and its commands: check marks that follow the
// options, one option per command, the export hand-off, and the keys.
#include "editor/ViewMenuCommands.h"

#include <gtest/gtest.h>

#include <atomic>

#include "editor/EditorState.h"
#include "resources/resource.h"

namespace {

class ViewMenuCommandsTest : public ::testing::Test {
protected:
    // "id caption\tshortcut" with " [x]" for a check mark, one per entry.
    std::vector<std::string> Shown() const {
        std::vector<std::string> lines;
        for (const ViewMenuEntry& entry : commands_.Entries()) {
            lines.push_back(std::to_string(entry.id) + " " + entry.caption +
                            (entry.shortcut.empty() ? "" : "\t" + entry.shortcut) +
                            (entry.checked ? " [x]" : ""));
        }
        return lines;
    }

    std::atomic<float> frequencyHz_{1000.0f};
    CEditorState state_{frequencyHz_};
    int exports_ = 0;
    int loudnessResets_ = 0;
    CViewMenuCommands commands_{state_, {[this] { ++exports_; }, [this] { ++loudnessResets_; }}};
};

TEST_F(ViewMenuCommandsTest, EntriesShowTheOptionsCheckedAsTheStateSaysThenTheExport) {
    EXPECT_EQ(Shown(), (std::vector<std::string>{"40001 Show values under the mouse [x]",
                                                 "40002 Tidy peak labels", "40003 Meter with scale",
                                                 "0 ", "40041 Reset loudness",
                                                 "40040 Export picture and values\tCtrl+S"}));
    state_.Options() = ViewOptions{false, true, true};
    EXPECT_EQ(Shown()[0], "40001 Show values under the mouse");
    EXPECT_EQ(Shown()[2], "40003 Meter with scale [x]");
}

TEST_F(ViewMenuCommandsTest, EachOptionCommandTogglesOnlyItsOwnOption) {
    const std::pair<int, bool ViewOptions::*> items[] = {
        {IDM_SHOW_VALUES, &ViewOptions::showValuesUnderMouse},
        {IDM_TIDY_PEAK_LABELS, &ViewOptions::tidyPeakLabels},
        {IDM_METER_WITH_SCALE, &ViewOptions::meterWithScale},
    };
    for (const auto& [id, option] : items) {
        const ViewOptions before = state_.Options();
        ASSERT_TRUE(commands_.Execute(id)) << id;
        for (const auto& [otherId, other] : items)
            EXPECT_EQ(state_.Options().*other, (before.*other) != (otherId == id)) << id;
        commands_.Execute(id);
        EXPECT_EQ(state_.Options().*option, before.*option) << "a second command undoes " << id;
    }
    EXPECT_EQ(exports_, 0);
}

TEST_F(ViewMenuCommandsTest, ActionsRunTheirOwnHandOffAndOtherIdsAreLeftToOthers) {
    EXPECT_TRUE(commands_.Execute(IDM_EXPORT));
    EXPECT_EQ(exports_, 1);
    EXPECT_TRUE(commands_.Execute(IDM_RESET_LOUDNESS));
    EXPECT_EQ(loudnessResets_, 1);
    for (int id : {0, IDM_SHOW_VALUES - 1, IDC_FREEZE}) EXPECT_FALSE(commands_.Execute(id)) << id;
    EXPECT_EQ(exports_ + loudnessResets_, 2);
    CViewMenuCommands withoutActions(state_, {});
    EXPECT_TRUE(withoutActions.Execute(IDM_EXPORT) && withoutActions.Execute(IDM_RESET_LOUDNESS))
        << "no hand-off: no crash";
}

TEST(ViewMenuKeys, MenuKeyAndShiftF10OpenTheMenuAndOnlyCtrlSExports) {
    constexpr int32_t kApps = 0x5D, kF10 = 0x79;
    auto action = [](int32_t key, bool control, bool shift) {
        return CViewMenuCommands::KeyAction(key, control, shift).action;
    };
    EXPECT_EQ(action(kApps, false, false), ViewKeyAction::kOpenMenu);
    EXPECT_EQ(action(kF10, false, true), ViewKeyAction::kOpenMenu);
    EXPECT_EQ(action(kF10, false, false), ViewKeyAction::kNone);
    EXPECT_EQ(CViewMenuCommands::KeyAction('S', true, false).commandId, IDM_EXPORT);
    EXPECT_EQ(action('S', false, false), ViewKeyAction::kNone) << "S alone moves the camera";
    EXPECT_EQ(action('W', true, false), ViewKeyAction::kNone);
}

}  // namespace
