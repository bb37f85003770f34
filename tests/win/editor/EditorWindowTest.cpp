// The editor inside a host window through the real module: its windows and
// their places, class sharing, open/close cycles under audio, every control
// of the panel, the value texts, the settings dialog, the logs, and a
// picture of the whole editor.
#include "editor/EditorWindows.h"
#include "editor/ViewPicture.h"
#include "resources/resource.h"
#include "tests/win/editor/EditorHost.h"
#include "tools/host/FrameCapture.h"
#include "tools/host/WindowCapture.h"
#include "tools/torture/ModuleHeapCounter.h"

#include <psapi.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <thread>

namespace {

// Parameter and control numbers as the panel's template has them.
constexpr int kCameraX = 0, kYaw = 3, kPitch = 4, kAxis = 5, kHold = 7;

RECT RectInParent(HWND window, HWND parent) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ExpectRect(const RECT& rect, int left, int top, int right, int bottom, const char* what) {
    EXPECT_EQ(rect.left, left) << what;
    EXPECT_EQ(rect.top, top) << what;
    EXPECT_EQ(rect.right, right) << what;
    EXPECT_EQ(rect.bottom, bottom) << what;
}

size_t CountCalls(const std::vector<HostCall>& calls, VstInt32 opcode, VstInt32 index) {
    size_t count = 0;
    for (const HostCall& call : calls) count += call.opcode == opcode && call.index == index;
    return count;
}

using EditorWindows = EditorHost;

TEST_F(EditorWindows, OccupyTheHostWindowAndLeaveItEmpty) {
    const ERect closed = EditorRect();
    EXPECT_EQ(closed.right, 900);
    EXPECT_EQ(closed.bottom, 600);
    OpenEditor();

    const HWND view = MainView();
    ASSERT_NE(view, nullptr);
    char className[64] = {};
    GetClassNameA(view, className, sizeof className);
    EXPECT_STREQ(className, "OR_GUI_MAIN_WINDOW");
    EXPECT_EQ(GetWindowLongA(view, GWL_STYLE) & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE);
    ExpectRect(RectInParent(view, parent_), 0, 0, 900, 400, "main view");
    ASSERT_NE(Controls(), nullptr);
    EXPECT_EQ(GetParent(Controls()), parent_);
    EXPECT_TRUE(IsWindowVisible(Controls()));
    ExpectRect(RectInParent(Controls(), parent_), 0, 400, 900, 600, "controls panel");

    const HWND settings = SettingsDialog();
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(GetWindow(settings, GW_OWNER), parent_) << "a pop-up owned by the host window";
    EXPECT_FALSE(IsWindowVisible(settings));
    EXPECT_EQ(Caption(settings, 0), "");
    char title[64] = {};
    GetWindowTextA(settings, title, sizeof title);
    EXPECT_STREQ(title, "Vantoscope Settings");

    // New children go below their older siblings: the view on top, then
    // the panel, and nothing else in the host window.
    EXPECT_EQ(GetWindow(parent_, GW_CHILD), view);
    EXPECT_EQ(GetWindow(view, GW_HWNDNEXT), Controls());
    EXPECT_EQ(GetWindow(Controls(), GW_HWNDNEXT), nullptr);

    const ERect open = EditorRect();
    EXPECT_EQ(open.left, 0);
    EXPECT_EQ(open.top, 0);
    EXPECT_EQ(open.right, 900);
    EXPECT_EQ(open.bottom, 600);
    SetWindowPos(view, nullptr, 10, 20, 900, 400, SWP_NOZORDER);
    Pump(10);
    const ERect moved = EditorRect();
    EXPECT_EQ(moved.top, 20);
    EXPECT_EQ(moved.bottom, 620) << "the view's bottom plus the panel";
    // The panel keeps its own left and goes to the view's bottom.
    ExpectRect(RectInParent(Controls(), parent_), 0, 420, 900, 620, "panel follows the view");

    CloseEditor();
    EXPECT_EQ(GetWindow(parent_, GW_CHILD), nullptr);
    EXPECT_EQ(GetWindow(settings, GW_OWNER), nullptr) << "settings dialog destroyed";
    EXPECT_FALSE(IsViewClassRegistered());
    const ERect after = EditorRect();
    EXPECT_EQ(after.right, 900);
    EXPECT_EQ(after.bottom, 600);
}

TEST_F(EditorWindows, LogOpenAndCloseInOrder) {
    OpenEditor();
    const std::vector<std::string> open = LoggedFrom("***effEditOpen");
    const std::vector<std::string> expectedOpen = {
        "***effEditOpen",
        "CSynthEditor: Open",
        "CSynthEditor: CreateWindow",
        "Main Window Create, turning on timer",
        "Creating controls window",
        "Controls Create",
        "Creating settings window",
        "Settings Window Create",
        "Created Dialogs",
        "Creating CD3DRenderer",
        "Showing all windows",
        "ControlsDlgProc: show window",
    };
    EXPECT_EQ(open, expectedOpen);

    CloseEditor();
    const std::vector<std::string> expectedClose = {
        "***effEditClose",
        "CSynth: Editor Close",
        "CSynthEditor Close",
        "CD3DRenderer: Destroying",
        "CD3DRenderer: Destroyed",
        "CSynthEditor close settings",
        "SettingsDlgProc: WM_DESTROY",
        "CSynthEditor close controls",
        "ControlsDlgProc: WM_DESTROY",
        "Deleting Brush as closing last dialog",
        "CSynthEditor close main window",
        "WndProc: WM_DESTROY",
        "CSynthEditor close parameters",
        "CSynthEditor Close DONE",
        "CSynth: Editor Close Done",
    };
    EXPECT_EQ(LoggedFrom("***effEditClose"), expectedClose);
}

TEST_F(EditorWindows, TwoInstancesShareOneClassUntilTheLastCloses) {
    AEffect* second = NewInstance();
    ASSERT_NE(second, nullptr);
    OpenEditor();
    OpenEditor(second);
    EXPECT_TRUE(IsViewClassRegistered());
    CloseEditor();
    EXPECT_TRUE(IsViewClassRegistered()) << "the second editor still uses it";
    // A close without an open must not count: the class would outlive the
    // last editor.
    CloseEditor();
    CloseEditor(second);
    EXPECT_FALSE(IsViewClassRegistered());
    OpenEditor();
    EXPECT_TRUE(IsViewClassRegistered());
    CloseEditor();
    EXPECT_FALSE(IsViewClassRegistered());
}

TEST_F(EditorWindows, ClosingThePluginWithTheEditorOpenTakesTheWindowsAlong) {
    OpenEditor();
    Dispatch(effClose);
    instances_.clear();
    Pump(100);  // timer ticks would reach a deleted editor
    EXPECT_EQ(GetWindow(parent_, GW_CHILD), nullptr);
    EXPECT_FALSE(IsViewClassRegistered());
}

TEST_F(EditorWindows, TenCyclesUnderAudioLeakNoWindowsGdiObjectsOrMemory) {
    std::atomic<bool> running{true};
    std::thread audio([this, &running] {
        std::vector<float> left(256, 0.25f), right(256, -0.25f), outLeft(256), outRight(256);
        float* inputs[] = {left.data(), right.data()};
        float* outputs[] = {outLeft.data(), outRight.data()};
        while (running) effect_->processReplacing(effect_, inputs, outputs, 256);
    });
    OpenEditor();  // the drawing set stays for the editor's life
    CloseEditor();
    const HANDLE process = GetCurrentProcess();
    const DWORD gdiBefore = GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD userBefore = GetGuiResources(process, GR_USEROBJECTS);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                         sizeof memory);
    const SIZE_T privateBefore = memory.PrivateUsage;
    // Wine may not count GUI objects; the fonts each open makes for its
    // value texts are checked one by one.
    std::vector<HGDIOBJ> underlinedFonts;
    for (int cycle = 0; cycle < 10; ++cycle) {
        OpenEditor();
        ASSERT_NE(MainView(), nullptr) << cycle;
        for (int id : {IDC_PITCH_VALUE, IDC_X_VALUE, IDC_HOLD_VALUE}) {
            underlinedFonts.push_back(GetPropA(Item(id), "Should_Underlines"));
            ASSERT_EQ(GetObjectType(underlinedFonts.back()), static_cast<DWORD>(OBJ_FONT));
        }
        CloseEditor();
        ASSERT_EQ(GetWindow(parent_, GW_CHILD), nullptr) << cycle;
    }
    for (HGDIOBJ font : underlinedFonts) EXPECT_EQ(GetObjectType(font), 0u) << "font deleted";
    running = false;
    audio.join();
    EXPECT_EQ(GetGuiResources(process, GR_GDIOBJECTS), gdiBefore);
    EXPECT_EQ(GetGuiResources(process, GR_USEROBJECTS), userBefore);
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                         sizeof memory);
    EXPECT_LT(memory.PrivateUsage, privateBefore + 4 * 1024 * 1024)
        << "ten cycles may not keep megabytes";
}

TEST_F(EditorWindows, SizeChangesLayOutInPlaceOrWaitForTheNextOpenAndLeakNothing) {
    OpenEditor();
    Command(MainView(), IDM_SIZE_200);
    Pump(30);
    EXPECT_FALSE(LoggedFrom("Editor size 200 %: 1800 x 1200").empty());
    EXPECT_EQ(CountCalls(host_.Calls(), audioMasterSizeWindow, 1800), 1u);
    ExpectRect(RectInParent(MainView(), parent_), 0, 0, 1800, 800, "view at 200 %");
    ExpectRect(RectInParent(Controls(), parent_), 0, 800, 1800, 1200, "panel below it");
    RECT client{};
    GetClientRect(parent_, &client);
    ExpectRect(client, 0, 0, 1800, 1200, "the host's window");
    const ERect rect = EditorRect();
    EXPECT_EQ((rect.right - rect.left) * 10000 + rect.bottom - rect.top, 1800 * 10000 + 1200);
    ViewPicture picture;
    ASSERT_TRUE(Editor().Windows().CaptureView(picture));
    EXPECT_EQ(picture.width * 10000 + picture.height, 1800 * 10000 + 800) << "a new back buffer";

    resizeAnswer_ = false;
    Command(MainView(), IDM_SIZE_100);
    Pump(10);
    ExpectRect(RectInParent(MainView(), parent_), 0, 0, 1800, 800, "kept by a refusing host");
    EXPECT_EQ(LoggedFrom("The host keeps the editor at 1800 x 1200; the new size applies when it "
                         "opens again")
                  .size(),
              1u);
    CloseEditor();
    OpenEditor();
    ExpectRect(RectInParent(MainView(), parent_), 0, 0, 900, 400, "taken at the next open");

    // Fifty changes in place: the plug-in's heap and the window system's
    // objects come back to where they were.
    resizeAnswer_ = true;
    CModuleHeapCounter heap(GetModuleHandleA("Vantoscope.dll"));
    const HANDLE process = GetCurrentProcess();
    const DWORD gdiBefore = GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD userBefore = GetGuiResources(process, GR_USEROBJECTS);
    for (int change = 0; change < 50; ++change) {
        Command(MainView(), change % 2 == 0 ? IDM_SIZE_200 : IDM_SIZE_100);
        Pump(5);
    }
    ExpectRect(RectInParent(MainView(), parent_), 0, 0, 900, 400, "back at 100 %");
    EXPECT_EQ(GetGuiResources(process, GR_GDIOBJECTS), gdiBefore);
    EXPECT_EQ(GetGuiResources(process, GR_USEROBJECTS), userBefore);
    if (heap.IsCounting()) {
        const CModuleHeapCounter::Use use = CModuleHeapCounter::Current();
        EXPECT_LE(use.blocks, 16) << use.bytes << " bytes";
        EXPECT_LE(use.bytes, 64 * 1024);
    }
}

class ControlsPanel : public EditorHost {
protected:
    void SetUp() override {
        EditorHost::SetUp();
        OpenEditor();
        ASSERT_NE(Controls(), nullptr);
        host_.Clear();
    }
};

TEST_F(ControlsPanel, PresetButtonsMoveTheCameraAndTellTheHost) {
    const auto& presets = Settings().CameraPresets();
    EXPECT_FLOAT_EQ(Value(kPitch), presets[CSettings::kReset].pitchDeg) << "open resets the camera";
    const std::pair<int, int> buttons[] = {
        {IDC_PRESET_LOWS, CSettings::kLows},   {IDC_PRESET_HIGHS, CSettings::kHighs},
        {IDC_PRESET_BACK, CSettings::kBack},   {IDC_PRESET_RIGHT, CSettings::kRight},
        {IDC_PRESET_ABOVE, CSettings::kAbove}, {IDC_PRESET_RESET, CSettings::kReset}};
    for (const auto& [id, preset] : buttons) {
        host_.Clear();
        Click(id);
        EXPECT_FLOAT_EQ(Value(0), presets[preset].x) << id;
        EXPECT_FLOAT_EQ(Value(2), presets[preset].z) << id;
        EXPECT_FLOAT_EQ(Value(kYaw), presets[preset].yawDeg) << id;
        EXPECT_GE(CountCalls(host_.Calls(), audioMasterAutomate, kCameraX), 1u) << id;
    }
    char x[16];
    std::snprintf(x, sizeof x, "%3.2f", static_cast<double>(presets[CSettings::kReset].x));
    EXPECT_EQ(Caption(IDC_X_VALUE), x);
}

TEST_F(ControlsPanel, MinusAndPlusStepTheirParameterAndShowIt) {
    const struct {
        int minus, plus, parameter;
        float step;
    } steppers[] = {
        {IDC_X_DOWN, IDC_X_UP, 0, 10},        {IDC_Y_DOWN, IDC_Y_UP, 1, 10},
        {IDC_Z_DOWN, IDC_Z_UP, 2, 10},        {IDC_YAW_DOWN, IDC_YAW_UP, 3, 1},
        {IDC_PITCH_DOWN, IDC_PITCH_UP, 4, 1}, {IDC_AVERAGE_DOWN, IDC_AVERAGE_UP, 6, 10},
        {IDC_HOLD_DOWN, IDC_HOLD_UP, 7, 100}, {IDC_FREQUENCY_DOWN, IDC_FREQUENCY_UP, 8, 100},
        {IDC_AXIS_DOWN, IDC_AXIS_UP, 5, 5}};
    for (const auto& s : steppers) {
        const float before = Value(s.parameter);
        host_.Clear();
        Command(Controls(), s.plus);  // the frequency's buttons hide in the debug pane
        EXPECT_FLOAT_EQ(Value(s.parameter), before + s.step) << s.plus;
        EXPECT_EQ(CountCalls(host_.Calls(), audioMasterAutomate, s.parameter), 1u) << s.plus;
        Command(Controls(), s.minus);
        EXPECT_FLOAT_EQ(Value(s.parameter), before) << s.minus;
    }
    Click(IDC_YAW_UP);
    EXPECT_EQ(Caption(IDC_YAW_VALUE), std::to_string(static_cast<int>(Value(kYaw))));
}

TEST_F(ControlsPanel, TogglesFlipTheirFlagsAndModesCycleTheirCaptions) {
    const std::pair<int, DisplayFlag> toggles[] = {{IDC_FREEZE, kFlagFreeze},
                                                   {IDC_PEAKS, kFlagPeakHold},
                                                   {IDC_HERTZ, kFlagFrequenciesInHertz},
                                                   {IDC_2D_VIEW, kFlag2dView},
                                                   {IDC_LABELS, kFlagLabels},
                                                   {IDC_METER, kFlagMeter}};
    for (const auto& [id, flag] : toggles) {
        const bool before = Editor().State().Flag(flag);
        Click(id);
        EXPECT_NE(Editor().State().Flag(flag), before) << id;
        Click(id);
        EXPECT_EQ(Editor().State().Flag(flag), before) << id;
    }
    Command(Controls(), IDC_SHOW_LOG);
    EXPECT_TRUE(Editor().State().Flag(kFlagLogShown));

    const char* fills[] = {"Wireframe", "Points", "Solid"};
    for (int press = 0; press < 3; ++press) {
        Click(IDC_RENDER_MODE);
        EXPECT_EQ(Caption(IDC_RENDER_MODE), fills[press]);
        EXPECT_EQ(Editor().State().Fill(), (press + 1) % 3);
    }
    const char* generators[] = {"Noise", "Tone", "Off"};
    for (int press = 0; press < 3; ++press) {
        Command(Controls(), IDC_GENERATOR);
        EXPECT_EQ(Caption(IDC_GENERATOR), generators[press]);
        EXPECT_EQ(Editor().State().Generator().NoiseOn(), press == 0);
        EXPECT_EQ(Editor().State().Generator().ToneOn(), press == 1);
    }
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_AXIS_VALUE))) << "binding leaves the Axis text enabled";
    EXPECT_FALSE(Editor().ControlsParameters()[kAxis]->IsEnabled());
    Click(IDC_AXIS_TOGGLE);
    EXPECT_TRUE(Editor().ControlsParameters()[kAxis]->IsEnabled());
    Click(IDC_AXIS_TOGGLE);
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_AXIS_VALUE)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_AXIS_UP)));
    EXPECT_EQ(Caption(IDC_VERSION), "Version: 0.81");
    Click(IDC_RESET_STATS);  // Reset Stats: nothing visible here, but no error either
}

TEST_F(ControlsPanel, UserPresetsAndReferencesUnlockTheirButtons) {
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_USER_RECALL_2)));
    Click(IDC_X_UP);  // X up
    const float storedX = Value(kCameraX);
    Click(IDC_USER_STORE_2);  // store user preset 2
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_USER_RECALL_2)));
    Click(IDC_PRESET_RESET);
    EXPECT_NE(Value(kCameraX), storedX);
    Click(IDC_USER_RECALL_2);
    EXPECT_FLOAT_EQ(Value(kCameraX), storedX);

    EXPECT_FALSE(IsWindowEnabled(Item(IDC_REFERENCE_C)));
    Click(IDC_REFERENCE_STORE_C);  // store reference C
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_REFERENCE_C)));
    EXPECT_TRUE(Editor().State().Flag(kFlagReferenceC)) << "storing shows the trace";
    Click(IDC_REFERENCE_STORE_C);
    EXPECT_FALSE(Editor().State().Flag(kFlagReferenceC))
        << "storing again toggles it as a click would";
    Click(IDC_REFERENCE_C);
    EXPECT_TRUE(Editor().State().Flag(kFlagReferenceC));

    // A new panel: the stored camera position is still reachable, the traces
    // went with the old store, and the running generator says so.
    Command(Controls(), IDC_GENERATOR);
    CloseEditor();
    OpenEditor();
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_USER_RECALL_2)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_USER_RECALL_1)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_REFERENCE_C)));
    EXPECT_EQ(Caption(IDC_GENERATOR), "Noise");
    Command(Controls(), IDC_GENERATOR);
    Command(Controls(), IDC_GENERATOR);
}

TEST_F(ControlsPanel, DraggingAValueTextChangesItAndBracketsTheEdit) {
    const HWND text = Item(IDC_HOLD_VALUE);  // "Peak hold", step 100
    const float before = Value(kHold);
    SendMessageA(text, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(text, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
    SendMessageA(text, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 4));
    SendMessageA(text, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 3));
    SendMessageA(text, WM_LBUTTONUP, 0, MAKELPARAM(5, 3));
    EXPECT_FLOAT_EQ(Value(kHold), before + 300) << "three pixels up";
    EXPECT_EQ(CountCalls(host_.Calls(), audioMasterBeginEdit, kHold), 1u);
    EXPECT_EQ(CountCalls(host_.Calls(), audioMasterEndEdit, kHold), 1u);
    EXPECT_EQ(Caption(IDC_HOLD_VALUE), std::to_string(static_cast<int>(before + 300)));

    SendMessageA(text, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 3));
    SendMessageA(text, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(text, WM_MOUSEMOVE, MK_LBUTTON | MK_CONTROL, MAKELPARAM(5, 5));
    SendMessageA(text, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_FLOAT_EQ(Value(kHold), before + 100 - 1) << "down two pixels, then 1 with Ctrl";
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetPropA(text, "Should_Colour"), reinterpret_cast<HANDLE>(1));
}

TEST_F(ControlsPanel, SettingsDialogLoadsAppliesAndRebindsKeys) {
    Click(IDC_SETTINGS);
    const HWND settings = SettingsDialog();
    EXPECT_TRUE(IsWindowVisible(settings));
    const std::pair<int, const char*> keys[] = {
        {IDC_FORWARD_KEY_VALUE, "W"},      {IDC_ROTATE_LEFT_KEY_VALUE, "A"},
        {IDC_ROTATE_RIGHT_KEY_VALUE, "E"}, {IDC_MOVE_LEFT_KEY_VALUE, "A"},
        {IDC_MOVE_RIGHT_KEY_VALUE, "D"},   {IDC_MOVE_BACK_KEY_VALUE, "S"}};
    for (const auto& [id, name] : keys) EXPECT_EQ(Caption(settings, id), name) << id;
    EXPECT_EQ(Caption(settings, IDC_MAX_FPS_VALUE), "60");
    EXPECT_EQ(Caption(settings, IDC_SMOOTHING_VALUE), "off")
        << "0.11 per block loads as the maximum";

    host_.Clear();
    const HWND maxFps = GetDlgItem(settings, IDC_MAX_FPS_VALUE);
    SendMessageA(maxFps, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(maxFps, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(3, 2));
    SendMessageA(maxFps, WM_LBUTTONUP, 0, MAKELPARAM(3, 2));
    EXPECT_EQ(Caption(settings, IDC_MAX_FPS_VALUE), "70") << "one pixel up, one step of 10";
    EXPECT_TRUE(host_.Calls().empty()) << "settings are no host parameters";
    Click(settings, IDC_MAX_FPS_DOWN);
    Click(settings, IDC_MAX_FPS_UP);      // Max FPS up
    Click(settings, IDC_FORWARD_KEY_UP);  // Forward key W -> X
    EXPECT_EQ(Caption(settings, IDC_FORWARD_KEY_VALUE), "X");
    EXPECT_EQ(Settings().maxFrameRate, 60) << "nothing applies before Apply";
    Click(settings, IDC_SETTINGS_APPLY);
    EXPECT_EQ(Settings().maxFrameRate, 70);
    EXPECT_FLOAT_EQ(Settings().levelFallPerBlock.load(), 1.0f);
    EXPECT_EQ(Dispatch(effEditKeyDown, 'x'), 1);
    EXPECT_EQ(Editor().State().KeyHeld()[kActionForward], 1);
    EXPECT_EQ(Dispatch(effEditKeyUp, 'w'), 0) << "W drives nothing any more";
    EXPECT_EQ(Dispatch(effEditKeyUp, 'x'), 1);

    Click(settings, IDC_SHOW_DEBUG_PANE);  // Show Debug Pane in Editor
    EXPECT_TRUE(IsWindowVisible(Item(IDC_GENERATOR)));
    EXPECT_FALSE(IsWindowVisible(Item(IDC_HELP_TEXT)));
    EXPECT_TRUE(Settings().showDebugPane);
    Click(settings, IDC_SETTINGS_CLOSE);  // Close applies and hides
    EXPECT_FALSE(IsWindowVisible(settings));

    CloseEditor();
    OpenEditor();
    EXPECT_FALSE(IsWindowVisible(Item(IDC_GENERATOR))) << "a new panel hides the debug pane";
    EXPECT_FALSE(Editor().State().Flag(kFlagDebugPane)) << "and its button agrees";
    EXPECT_EQ(Caption(IDC_HELP_TEXT).rfind("To navigate move the mouse", 0), 0u);
}

TEST_F(ControlsPanel, MainViewTurnsMouseInputIntoNavigation) {
    const HWND view = MainView();
    NavigationState& navigation = Editor().State().Navigation();
    SendMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 50));
    EXPECT_EQ(GetCapture(), view);
    EXPECT_EQ(navigation.anchorX, 100);
    SendMessageA(view, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(130, 40));
    EXPECT_EQ(navigation.dragging, 1);
    EXPECT_EQ(navigation.cursorX, 130);
    Dispatch(effEditKeyDown, 'w');
    EXPECT_EQ(Editor().State().KeyHeld()[kActionForward], 1);
    SendMessageA(view, WM_LBUTTONUP, 0, MAKELPARAM(130, 40));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(navigation.dragging, 0);
    EXPECT_EQ(Editor().State().KeyHeld()[kActionForward], 0) << "a release stops every key move";

    RECT bounds;
    GetWindowRect(view, &bounds);
    SendMessageA(view, WM_MOUSEWHEEL, MAKEWPARAM(0, 2 * WHEEL_DELTA + 40),
                 MAKELPARAM(bounds.left + 7, bounds.top + 9));
    EXPECT_EQ(navigation.wheelNotches, 2);
    EXPECT_EQ(navigation.cursorX, 7);
    SendMessageA(view, WM_MOUSEWHEEL, MAKEWPARAM(0, -100), MAKELPARAM(bounds.left, bounds.top));
    EXPECT_EQ(navigation.wheelNotches, 0) << "less than a notch replaces the count with 0";

    Dispatch(effEditKeyDown, 'd');
    SendMessageA(view, WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(Editor().State().KeyHeld()[kActionMoveRight], 0) << "focus loss stops the motion";
}

// Every control of the panel as a share of the panel's width and height.
std::vector<std::pair<int, std::array<double, 4>>> ControlPlaces(HWND panel) {
    RECT client{};
    GetClientRect(panel, &client);
    std::vector<std::pair<int, std::array<double, 4>>> places;
    for (HWND child = GetWindow(panel, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT rect = RectInParent(child, panel);
        const double width = client.right, height = client.bottom;
        places.push_back(
            {GetDlgCtrlID(child),
             {rect.left / width, rect.top / height, rect.right / width, rect.bottom / height}});
    }
    return places;
}

// The panel at each larger size: every control where it stands at 100 %,
// times the scale, and an open settings dialog open again.
class ControlsPanelAtSize : public ControlsPanel, public ::testing::WithParamInterface<int> {
protected:
    static int CommandOf(int percent) {
        return percent == 125 ? IDM_SIZE_125 : percent == 150 ? IDM_SIZE_150 : IDM_SIZE_200;
    }
};

TEST_P(ControlsPanelAtSize, EveryControlKeepsItsPlace) {
    const int percent = GetParam();
    const auto before = ControlPlaces(Controls());
    Click(IDC_SETTINGS);
    Command(MainView(), CommandOf(percent));
    Pump(50);
    ASSERT_NE(SettingsDialog(), nullptr);
    EXPECT_TRUE(IsWindowVisible(SettingsDialog())) << "an open settings dialog stays open";
    const int width = 900 * percent / 100, viewHeight = 400 * percent / 100;
    const int height = 600 * percent / 100;
    ExpectRect(RectInParent(Controls(), parent_), 0, viewHeight, width, height, "the panel");
    const auto after = ControlPlaces(Controls());
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after[i].first, before[i].first);
        for (int side = 0; side < 4; ++side) {
            EXPECT_NEAR(after[i].second[side], before[i].second[side], 0.01)
                << "control " << before[i].first << ", side " << side;
        }
    }
    CFrameCapture frames;
    ASSERT_TRUE(frames.Installed());
    RedrawWindow(parent_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const DWORD deadline = GetTickCount() + 3000;
    while (frames.FramesPresented() < 3 && GetTickCount() < deadline) Pump(20);
    CapturedImage editor = CaptureClientArea();
    ASSERT_EQ(editor.width * 10000 + editor.height, width * 10000 + height);
    PasteImage(editor, frames.LastFrame(), 0, 0);
    const std::string folder = CPluginModule::ProgramFolder() + "..\\screenshots";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string suffix = "-" + std::to_string(percent) + ".png";
    EXPECT_TRUE(SavePng(editor, folder + "\\editor" + suffix));
    EXPECT_TRUE(SavePng(CaptureFromScreen(SettingsDialog(), true), folder + "\\settings" + suffix));
}

INSTANTIATE_TEST_SUITE_P(Sizes, ControlsPanelAtSize, ::testing::Values(125, 150, 200),
                         [](const ::testing::TestParamInfo<int>& size) {
                             return "At" + std::to_string(size.param);
                         });

TEST_F(ControlsPanel, ScreenshotOfTheWholeEditor) {
    CFrameCapture frames;  // the view's Direct3D frames, which GDI may miss
    ASSERT_TRUE(frames.Installed());
    Click(IDC_FREEZE);  // Freeze and Meter on: their indicators light up
    Click(IDC_METER);
    RedrawWindow(parent_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const DWORD deadline = GetTickCount() + 3000;
    while (frames.FramesPresented() < 3 && GetTickCount() < deadline) Pump(20);
    CapturedImage editor = CaptureClientArea();
    ASSERT_EQ(editor.width, kHostWidth);
    ASSERT_EQ(editor.height, kHostHeight);
    const CapturedImage view = frames.LastFrame();
    ASSERT_FALSE(view.Empty()) << "the view presents frames";
    EXPECT_EQ(view.width, 900);
    EXPECT_EQ(view.height, 400);
    PasteImage(editor, view, 0, 0);
    const std::string folder = CPluginModule::ProgramFolder() + "..\\screenshots";
    CreateDirectoryA(folder.c_str(), nullptr);
    EXPECT_TRUE(SavePng(editor, folder + "\\editor.png"));
}

}  // namespace
