// The editor's own logic on a recording window system: the open and close
// sequence with its class count and failure paths, the frame loop and its
// pacing, and what the panel's and the settings dialog's buttons do.
#include "editor/SynthEditor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "analysis/SpectrumStore.h"
#include "analysis/Synth.h"
#include "editor/EditorListener.h"
#include "editor/EditorWindows.h"
#include "os/Dialog.h"
#include "resources/resource.h"
#include "tests/native/support/FakeSystem.h"
#include "tests/native/support/PluginFixture.h"

namespace {

// What the recording window system was asked, and which step it fails.
struct WindowLog {
    std::string failStep;
    int registered = 0;  // classes registered minus unregistered
    std::vector<int32_t> timerPeriods;
    std::set<int32_t> keysDown;
    std::vector<int> commands;
    int renderedFrames = 0;
    CEditorListener* rendererListener = nullptr;
    std::vector<std::pair<int, int>> viewSizes;
    std::vector<std::pair<int, int>> rendererSizes;
    struct Move {
        os::WindowHandle window;
        int width, height;
    };
    std::vector<Move> moves;
    int renderersDestroyed = 0;
    int screenDpi = 96;
};
WindowLog gWindows;

class CRecordingWindows final : public CEditorWindows {
public:
    bool RegisterViewClass() override {
        if (gWindows.failStep == "register") return false;
        gWindows.registered = 1;
        return true;
    }
    void UnregisterViewClass() override { gWindows.registered = 0; }
    os::WindowHandle CreateMainView(os::WindowHandle, int width, int height) override {
        gWindows.viewSizes.push_back({width, height});
        return Make("window", 1);
    }
    os::WindowHandle CreateControlsDialog(os::WindowHandle) override { return Make("controls", 2); }
    os::WindowHandle CreateSettingsDialog(os::WindowHandle) override { return Make("", 3); }
    void DestroyWindow(os::WindowHandle) override {}
    void ShowWindow(os::WindowHandle, bool) override {}
    bool IsWindowShown(os::WindowHandle) override { return false; }
    void MoveWindow(os::WindowHandle window, int, int, int width, int height) override {
        gWindows.moves.push_back({window, width, height});
    }
    void SetFocus(os::WindowHandle) override {}
    void EndDialog(os::WindowHandle, intptr_t) override {}
    void SendCommand(os::WindowHandle, int controlId) override {
        gWindows.commands.push_back(controlId);
    }
    void ShowItem(os::WindowHandle dialog, int controlId, bool show) override {
        os::EnableDialogItem(dialog, -controlId, show);  // visibility kept beside the texts
    }
    void AttachValueText(CParamControl&) override {}
    void CreateDrawingSet() override {}
    bool CreateRenderer(os::WindowHandle, int width, int height,
                        std::vector<CEditorListener*>& syncList) override {
        if (gWindows.failStep == "renderer") return false;
        gWindows.rendererSizes.push_back({width, height});
        if (gWindows.rendererListener != nullptr) syncList.push_back(gWindows.rendererListener);
        return true;
    }
    void RenderFrame() override { ++gWindows.renderedFrames; }
    void NotifySettingsApplied() override {}
    void DestroyRenderer() override { ++gWindows.renderersDestroyed; }
    bool CaptureView(ViewPicture&) override { return false; }
    bool WritePicture(const std::string&, const ViewPicture&) override { return false; }
    void SetFrameTimer(os::WindowHandle, int32_t periodMs) override {
        gWindows.timerPeriods.push_back(periodMs);
    }
    int ScreenDpi(os::WindowHandle) override { return gWindows.screenDpi; }
    bool IsKeyDown(int32_t key) override { return gWindows.keysDown.count(key) != 0; }
    void OpenDocument(os::WindowHandle, const std::string&) override {}

private:
    // Distinct per editor so that the stand-in dialogs of two editors differ.
    os::WindowHandle Make(const std::string& step, uintptr_t n) {
        if (!step.empty() && gWindows.failStep == step) return nullptr;
        return reinterpret_cast<os::WindowHandle>(reinterpret_cast<uintptr_t>(this) + n);
    }
};

class CountingListener final : public CEditorListener {
public:
    void SyncFromEditor(const CSynthEditor&) override { ++syncs; }
    int syncs = 0;
};

class SynthEditorTest : public PluginFixture {
protected:
    void SetUp() override {
        gWindows = WindowLog{};
        gWindows.rendererListener = &renderer_;
        SetClockMs(0);
        SetEditorWindowsFactory([](CSynthEditor&) -> std::unique_ptr<CEditorWindows> {
            return std::make_unique<CRecordingWindows>();
        });
        PluginFixture::SetUp();
    }
    void TearDown() override {
        PluginFixture::TearDown();
        SetEditorWindowsFactory(nullptr);
        os::testing::SetPerformanceCounter(std::nullopt);
        os::testing::ResetDialogs();
    }

    static void SetClockMs(int64_t ms) { os::testing::SetPerformanceCounter(ms * 1000000); }
    CSynthEditor& Editor() { return *Plugin().Editor(); }
    void Open() { Dispatch(effEditOpen, 0, 0, &parent_); }
    std::string Text(int id) { return os::testing::DialogItemText(Editor().ControlsDialog(), id); }
    bool Shown(int id) { return os::testing::DialogItemEnabled(Editor().ControlsDialog(), -id); }
    std::vector<std::string> Errors() const {
        std::vector<std::string> texts;
        for (const ErrorBox& box : capture_.ErrorBoxes()) texts.push_back(box.text);
        return texts;
    }
    bool ErrorContains(const std::string& text) const {
        const std::vector<std::string> errors = Errors();
        return errors.size() == 1 && errors[0].find(text) != std::string::npos;
    }

    int parent_ = 0;
    CountingListener renderer_;
};

// The host's rectangle for the editor as width x height.
std::pair<int, int> RectSize(AEffect* effect) {
    ERect* rect = nullptr;
    effect->dispatcher(effect, effEditGetRect, 0, 0, &rect, 0.0f);
    return {rect->right - rect->left, rect->bottom - rect->top};
}

TEST_F(SynthEditorTest, EditorSizeAsksTheHostAndLaysOutInPlaceOnlyWhenItAgrees) {
    using Size = std::pair<int, int>;
    EXPECT_EQ(RectSize(effect_), Size(900, 600));
    Editor().SetEditorSize(EditorSize::k150);
    EXPECT_TRUE(Logged("Editor size 150 %: 1350 x 900"));
    EXPECT_EQ(RectSize(effect_), Size(1350, 900)) << "what the next open takes";
    Open();
    EXPECT_EQ(gWindows.viewSizes.back(), Size(1350, 600));
    EXPECT_EQ(gWindows.rendererSizes.back(), Size(1350, 600));
    EXPECT_TRUE(host_.CallsWith(audioMasterSizeWindow).empty()) << "closed: nothing to ask";

    std::vector<Size> asked;
    bool agree = true;
    host_.SetSizeWindowHandler([&](AEffect*, int width, int height) {
        asked.emplace_back(width, height);
        return agree;
    });
    Editor().SetEditorSize(EditorSize::k200);
    EXPECT_EQ(asked, std::vector<Size>{Size(1800, 1200)});
    EXPECT_TRUE(Logged("Editor size 200 %: 1800 x 1200"));
    ASSERT_GE(gWindows.moves.size(), 2u);
    const auto& viewMove = gWindows.moves[gWindows.moves.size() - 2];
    EXPECT_EQ(viewMove.window, Editor().MainView());
    EXPECT_EQ(Size(viewMove.width, viewMove.height), Size(1800, 800));
    EXPECT_EQ(Size(gWindows.moves.back().width, gWindows.moves.back().height), Size(1800, 400));
    EXPECT_EQ(gWindows.renderersDestroyed, 1);
    EXPECT_EQ(gWindows.rendererSizes.back(), Size(1800, 800)) << "a new back buffer";
    EXPECT_EQ(RectSize(effect_), Size(1800, 1200));
    Editor().SetEditorSize(EditorSize::k200);
    EXPECT_EQ(asked.size(), 1u) << "the same size asks nothing";

    agree = false;
    Editor().SetEditorSize(EditorSize::k100);
    EXPECT_EQ(asked.back(), Size(900, 600));
    EXPECT_TRUE(
        Logged("The host keeps the editor at 1800 x 1200; the new size applies when it "
               "opens again"));
    EXPECT_EQ(gWindows.renderersDestroyed, 1);
    EXPECT_EQ(RectSize(effect_), Size(1800, 1200));
    Dispatch(effEditClose);
    Open();
    EXPECT_EQ(gWindows.viewSizes.back(), Size(900, 400)) << "taken at the next open";

    agree = true;
    gWindows.screenDpi = 144;
    Editor().SetEditorSize(EditorSize::kFollowScreen);
    EXPECT_EQ(asked.back(), Size(1350, 900)) << "a screen at 150 %";

    // Moved to a screen at 200 %: the next look, a second on, follows it;
    // a refused size is not asked for again.
    gWindows.screenDpi = 192;
    SetClockMs(500);
    Editor().OnFrame(false);
    EXPECT_EQ(asked.back(), Size(1350, 900)) << "not looked at within the second";
    SetClockMs(2000);
    Editor().OnFrame(false);
    EXPECT_EQ(asked.back(), Size(1800, 1200));
    gWindows.screenDpi = 120;
    agree = false;
    SetClockMs(3100);
    Editor().OnFrame(false);
    EXPECT_EQ(asked.back(), Size(1125, 750));
    const size_t askedBefore = asked.size();
    SetClockMs(4200);
    Editor().OnFrame(false);
    EXPECT_EQ(asked.size(), askedBefore);
}

TEST_F(SynthEditorTest, CloseWithoutOpenLeavesTheClassCountAlone) {
    const int32_t before = CSynthEditor::OpenEditorCount();
    Dispatch(effEditClose);
    EXPECT_EQ(CSynthEditor::OpenEditorCount(), before);
    Open();
    EXPECT_EQ(CSynthEditor::OpenEditorCount(), before + 1);
    Dispatch(effEditClose);
    Dispatch(effEditClose);
    EXPECT_EQ(CSynthEditor::OpenEditorCount(), before);
    EXPECT_EQ(gWindows.registered, 0) << "the last close unregisters";
}

struct FailureCase {
    const char* step;
    const char* error;
    bool hasView;
    bool hasControls;
};

class SynthEditorFailure : public SynthEditorTest,
                           public ::testing::WithParamInterface<FailureCase> {};

TEST_P(SynthEditorFailure, ReportsOnceAndClosesCleanly) {
    const FailureCase& failure = GetParam();
    gWindows.failStep = failure.step;
    const int32_t before = CSynthEditor::OpenEditorCount();
    Open();
    EXPECT_TRUE(ErrorContains(failure.error)) << testing::PrintToString(Errors());
    EXPECT_EQ(Editor().MainView() != nullptr, failure.hasView);
    EXPECT_EQ(Editor().ControlsDialog() != nullptr, failure.hasControls);
    Editor().OnFrame(false);  // a tick finds nothing to sync or an empty list
    Dispatch(effEditClose);
    EXPECT_EQ(CSynthEditor::OpenEditorCount(), before);
    EXPECT_EQ(Editor().MainView(), nullptr);
    EXPECT_TRUE(Editor().SyncList().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SynthEditorFailure,
    ::testing::Values(FailureCase{"register", "Failed to register window class", false, false},
                      FailureCase{"window", "Failed to create window", false, false},
                      FailureCase{"controls", "Controls dialog NOT created", true, false},
                      FailureCase{"renderer", "Could not setup direct 3d", true, true}),
    [](const auto& info) { return std::string(info.param.step); });

TEST_F(SynthEditorTest, EveryFrameSyncsRendererAndStoreThenPacesEveryFourSeconds) {
    Open();
    ASSERT_EQ(Editor().SyncList().size(), 2u) << "renderer, then the store";
    EXPECT_EQ(Editor().SyncList()[0], &renderer_);
    // 71 frames per second for 4000 ms against 60: one millisecond longer.
    for (int frame = 1; frame <= 284; ++frame) {
        SetClockMs(frame * 4000 / 284);
        Editor().OnFrame(false);
    }
    EXPECT_EQ(renderer_.syncs, 284);
    EXPECT_EQ(gWindows.renderedFrames, 284);
    EXPECT_EQ(gWindows.timerPeriods, std::vector<int32_t>{15});
    EXPECT_EQ(Editor().FrameLoop().FramePeriodMs(), 15);
    // One frame in the next window is far too slow: straight to 1000 / 60.
    SetClockMs(8000);
    Editor().OnFrame(false);
    EXPECT_EQ(gWindows.timerPeriods.back(), 16);
}

// Records the camera depth that a component would see in its sync.
class CameraWatcher final : public CEditorListener {
public:
    void SyncFromEditor(const CSynthEditor& editor) override {
        seenZ = editor.ControlsParameter(kParamCameraZ)->Value();
    }
    float seenZ = -1.0f;
};

TEST_F(SynthEditorTest, HeldKeysMoveTheCameraBeforeTheComponentsSyncAndOnlyOverAScene) {
    CameraWatcher watcher;
    gWindows.rendererListener = &watcher;
    Open();
    Editor().State().KeyHeld()[kActionForward] = 1;
    SetClockMs(50);
    Editor().OnFrame(false);
    const float z = Editor().ControlsParameter(kParamCameraZ)->Value();
    EXPECT_GT(z, 0.0f) << "forward along the look axis";
    EXPECT_EQ(watcher.seenZ, z);
    Dispatch(effEditClose);

    gWindows.failStep = "renderer";
    Open();
    SetClockMs(100);
    Editor().OnFrame(false);
    EXPECT_EQ(Editor().ControlsParameter(kParamCameraZ)->Value(), z) << "no view, no camera";
}

TEST_F(SynthEditorTest, PollingTakesTheFirstBindingOfEachHeldKey) {
    Open();
    gWindows.keysDown = {'A', 'E'};
    Editor().OnFrame(true);
    const auto& held = Editor().State().KeyHeld();
    EXPECT_EQ(held[kActionMoveLeft], 1);
    EXPECT_EQ(held[kActionRotateLeft], 0) << "A's first binding is Move Left";
    EXPECT_EQ(held[kActionRotateRight], 1);
    gWindows.keysDown.clear();
    Editor().OnFrame(false);
    EXPECT_EQ(held[kActionRotateRight], 1) << "keys are polled only while the view holds the mouse";
    Editor().OnFrame(true);
    EXPECT_EQ(held[kActionRotateRight], 0);
}

TEST_F(SynthEditorTest, ShowingTheWindowsResetsTheCameraAndHidesTheDebugPane) {
    Open();
    EXPECT_EQ(gWindows.commands, std::vector<int>{IDC_PRESET_RESET});
    EXPECT_FALSE(Shown(IDC_GENERATOR));
    EXPECT_TRUE(Shown(IDC_HELP_TEXT));
    EXPECT_EQ(
        Text(IDC_HELP_TEXT).rfind("To navigate move the mouse over the 3D view above, then:\n", 0),
        0u);
    EXPECT_TRUE(Editor().SettingsCommands().OnCommand(IDC_SHOW_DEBUG_PANE));
    EXPECT_TRUE(Shown(IDC_GENERATOR));
    EXPECT_FALSE(Shown(IDC_HELP_TEXT));
    EXPECT_TRUE(Plugin().Settings()->showDebugPane);
    Dispatch(effEditClose);
    Open();
    EXPECT_FALSE(Editor().PanelCommands().GetToggleState(1100))
        << "flag and hidden pane agree after a reopen";
    EXPECT_FALSE(Plugin().Settings()->showDebugPane);
}

TEST_F(SynthEditorTest, GeneratorAndRenderModeCycleThroughTheirCaptions) {
    Open();
    const char* generator[] = {"Noise", "Tone", "Off"};
    const char* fill[] = {"Wireframe", "Points", "Solid"};
    for (int press = 0; press < 3; ++press) {
        ASSERT_TRUE(Editor().PanelCommands().OnCommand(IDC_GENERATOR));
        ASSERT_TRUE(Editor().PanelCommands().OnCommand(IDC_RENDER_MODE));
        EXPECT_EQ(Text(IDC_GENERATOR), generator[press]);
        EXPECT_EQ(Text(IDC_RENDER_MODE), fill[press]);
        EXPECT_EQ(Editor().State().Generator().NoiseOn(), press == 0);
        EXPECT_EQ(Editor().State().Generator().ToneOn(), press == 1);
    }
    EXPECT_EQ(Editor().State().Fill(), kFillSolid);
    EXPECT_FALSE(Editor().PanelCommands().OnCommand(1999)) << "no parameter claims it";
}

TEST_F(SynthEditorTest, ReopenedPanelShowsTheModesThatOutlivedTheOldOne) {
    Open();
    ASSERT_TRUE(Editor().PanelCommands().OnCommand(IDC_GENERATOR));
    ASSERT_TRUE(Editor().PanelCommands().OnCommand(IDC_RENDER_MODE));
    ASSERT_TRUE(Editor().PanelCommands().OnCommand(IDC_USER_STORE_2));  // store User 2
    Dispatch(effEditClose);
    Open();
    EXPECT_EQ(Text(IDC_GENERATOR), "Noise") << "a running generator must not read Off";
    EXPECT_EQ(Text(IDC_RENDER_MODE), "Wireframe");
    EXPECT_TRUE(Editor().State().Generator().NoiseOn());
}

TEST_F(SynthEditorTest, UnknownToggleIsReportedAndDrawnOff) {
    EXPECT_FALSE(Editor().PanelCommands().GetToggleState(IDC_RENDER_MODE));
    EXPECT_TRUE(ErrorContains("Unknown enum"));
}

TEST_F(SynthEditorTest, PresetsAreClampedOrWrappedByTheirParameters) {
    Open();
    Editor().PanelCommands().RecallCameraPreset(
        CameraPreset{5000.0f, -5000.0f, 1.0f, 400.0f, -10.0f});
    auto value = [this](int index) { return Editor().ControlsParameter(index)->Value(); };
    EXPECT_EQ(value(kParamCameraX), 999.0f);
    EXPECT_EQ(value(kParamCameraY), -999.0f);
    EXPECT_EQ(value(kParamYaw), 40.0f);
    EXPECT_EQ(value(kParamPitch), 350.0f);
    EXPECT_FALSE(os::testing::DialogItemEnabled(Editor().ControlsDialog(), IDC_USER_RECALL_4) &&
                 os::testing::DialogItemTextWrites(Editor().ControlsDialog(), IDC_USER_RECALL_4) >
                     0);
    Editor().PanelCommands().StoreUserPreset(3);
    EXPECT_TRUE(os::testing::DialogItemEnabled(Editor().ControlsDialog(), IDC_USER_RECALL_4));
    Editor().PanelCommands().OnCommand(IDC_PRESET_RESET);
    Editor().PanelCommands().RecallUserPreset(3);
    EXPECT_EQ(value(kParamCameraX), 999.0f);
}

TEST_F(SynthEditorTest, SettingsLoadAndApplyThroughTheirParameters) {
    Open();
    CSettings& settings = *Plugin().Settings();
    Editor().SettingsCommands().Load();
    ParamList& parameters = Editor().SettingsParameters();
    EXPECT_EQ(parameters[kSettingSmoothing]->Value(), 11.0f) << "0.11 x 100 is the maximum";
    EXPECT_EQ(parameters[kSettingBallistics]->Value(), 10.0f);
    EXPECT_EQ(parameters[kSettingRotateRightKey]->Value(), 'E');
    Editor().SettingsCommands().OnCommand(IDC_SETTINGS_APPLY);
    EXPECT_EQ(settings.levelFallPerBlock.load(), 1.0f) << "\"off\" falls at once";
    EXPECT_FLOAT_EQ(settings.peakFallPerSecond.load(), 0.1f);

    parameters[kSettingBallistics]->SetValue(21.0f);
    parameters[kSettingSmoothing]->SetValue(5.0f);
    parameters[kSettingMaxFps]->SetValue(20.0f);
    parameters[kSettingRotateLeftKey]->SetValue('Q');
    parameters[kSettingMoveBackKey]->SetValue('Z');
    Editor().SettingsCommands().OnCommand(IDC_SETTINGS_CLOSE);  // Close applies too
    EXPECT_EQ(settings.peakFallPerSecond.load(), 10.0f);
    EXPECT_FLOAT_EQ(settings.levelFallPerBlock.load(), 0.05f);
    EXPECT_EQ(settings.maxFrameRate, 20);
    EXPECT_EQ(Editor().State().FindKeyBinding('Q')->action, kActionRotateLeft);
    EXPECT_EQ(Editor().State().FindKeyBinding('Z')->action, kActionBack);
    EXPECT_EQ(Editor().State().FindKeyBinding('S'), nullptr);
}

}  // namespace

TEST_F(SynthEditorTest, ExportCommandWithoutAPictureReportsOnceAndWritesNothing) {
    Open();
    EXPECT_TRUE(Editor().ViewMenu().Execute(IDM_EXPORT));
    EXPECT_TRUE(ErrorContains("Export failed: the view could not be captured"));
    EXPECT_FALSE(std::filesystem::exists(capture_.Folder() / "Vantoscope"));
}
