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
    std::vector<AnalysisChannels> channelsHandedOn_;
    std::vector<EditorSize> sizesChosen_;
    CViewMenuCommands commands_{state_,
                                {[this] { ++exports_; }, [this] { ++loudnessResets_; },
                                 [this](AnalysisChannels c) { channelsHandedOn_.push_back(c); },
                                 [this](EditorSize size) { sizesChosen_.push_back(size); }}};
};

TEST_F(ViewMenuCommandsTest, EntriesShowTheOptionsCheckedAsTheStateSaysThenTheExport) {
    EXPECT_EQ(Shown(),
              (std::vector<std::string>{
                  "40001 Show values under the mouse [x]", "40002 Tidy peak labels",
                  "40003 Meter with scale", "0 Slope", "0 History", "0 Channels", "0 Size", "0 ",
                  "40041 Reset loudness", "40040 Export picture and values\tCtrl+S"}));
    state_.Options() = ViewOptions{false, true, true};
    EXPECT_EQ(Shown()[0], "40001 Show values under the mouse");
    EXPECT_EQ(Shown()[2], "40003 Meter with scale [x]");
}

TEST_F(ViewMenuCommandsTest, SubmenusChooseOneOfAKindCheckedAndChannelsReachTheAnalysis) {
    auto submenu = [this](size_t index) {
        std::vector<std::string> lines;
        const std::vector<ViewMenuEntry> entries = commands_.Entries();
        for (const ViewMenuEntry& entry : entries[index].children)
            lines.push_back(std::to_string(entry.id) + " " + entry.caption +
                            (entry.checked ? " [x]" : ""));
        return lines;
    };
    EXPECT_EQ(submenu(3), (std::vector<std::string>{"40010 Flat [x]", "40011 3 dB/oct",
                                                    "40012 4.5 dB/oct", "40013 6 dB/oct"}));
    EXPECT_EQ(submenu(4), (std::vector<std::string>{"40020 One row per frame [x]", "40021 2 s",
                                                    "40022 5 s", "40023 10 s", "40024 30 s"}));
    EXPECT_EQ(submenu(5), (std::vector<std::string>{"40030 Left + Right [x]", "40031 Left",
                                                    "40032 Right", "40033 Mid", "40034 Side"}));
    for (int id : {IDM_SLOPE_4_5_DB, IDM_HISTORY_10_S, IDM_CHANNELS_SIDE})
        ASSERT_TRUE(commands_.Execute(id)) << id;
    EXPECT_EQ(state_.Options().slope, SpectralSlope::k4_5DbPerOctave);
    EXPECT_EQ(state_.Options().history, HistorySpan::k10Seconds);
    EXPECT_EQ(submenu(5)[4], "40034 Side [x]");
    EXPECT_EQ(submenu(5)[0], "40030 Left + Right");
    EXPECT_TRUE(commands_.Execute(IDM_CHANNELS_RIGHT));
    EXPECT_EQ(channelsHandedOn_,
              (std::vector<AnalysisChannels>{AnalysisChannels::kSide, AnalysisChannels::kRight}));
    EXPECT_TRUE(state_.Options().showValuesUnderMouse) << "toggles untouched";
    EXPECT_EQ(submenu(6), (std::vector<std::string>{"40050 100 % [x]", "40051 125 %", "40052 150 %",
                                                    "40053 200 %", "40054 Follow the screen"}));
    // The sizes go to the editor, which asks the host before it takes one.
    for (int id : {IDM_SIZE_200, IDM_SIZE_FOLLOW_SCREEN}) EXPECT_TRUE(commands_.Execute(id)) << id;
    EXPECT_EQ(sizesChosen_, (std::vector<EditorSize>{EditorSize::k200, EditorSize::kFollowScreen}));
    EXPECT_EQ(state_.Options().editorSize, EditorSize::k100);
}

TEST(ViewOptions, CaptionNamesOnlyWhatDiffersFromThePlainSpectrum) {
    ViewOptions options;
    EXPECT_EQ(ViewOptionsCaption(options), "") << "the defaults draw the plain view";
    options.meterWithScale = true;
    EXPECT_EQ(ViewOptionsCaption(options), "");
    options.slope = SpectralSlope::k4_5DbPerOctave;
    options.history = HistorySpan::k10Seconds;
    options.channels = AnalysisChannels::kSide;
    EXPECT_EQ(ViewOptionsCaption(options), "4.5 dB/oct \xB7 10 s \xB7 Side");
    options.slope = SpectralSlope::kFlat;
    EXPECT_EQ(ViewOptionsCaption(options), "10 s \xB7 Side");
    EXPECT_EQ(SlopeDbPerOctave(SpectralSlope::k6DbPerOctave), 6.0);
    EXPECT_EQ(HistorySeconds(HistorySpan::kOneRowPerFrame), 0.0);
    EXPECT_EQ(HistorySeconds(HistorySpan::k30Seconds), 30.0);
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
