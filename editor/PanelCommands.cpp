// CPanelCommands: the controls panel's buttons.
#include "editor/PanelCommands.h"

#include <fstream>

#include "analysis/LoudnessMeter.h"
#include "analysis/SpectrumStore.h"
#include "analysis/Statistics.h"
#include "diag/Log.h"
#include "editor/EditorSession.h"
#include "editor/EditorState.h"
#include "editor/EditorWindows.h"
#include "os/Dialog.h"
#include "os/Folders.h"
#include "resources/resource.h"

namespace {

constexpr char kLogSource[] = "SynthEditor";

// Where the help page lives when the copy beside the module is missing.
constexpr char kHelpPageAddress[] = "https://www.orlemar.com/html/vantoscope_help.html";

constexpr int kVersionMajor = 0;
constexpr int kVersionMinor = 81;

// The controls that share their place with the help text.
constexpr int kDebugPaneControls[] = {
    IDC_FREQUENCY_LABEL, IDC_GENERATOR_LABEL, IDC_SHOW_LOG,  IDC_FREQUENCY_VALUE,
    IDC_FREQUENCY_UP,    IDC_FREQUENCY_DOWN,  IDC_GENERATOR, IDC_DEBUG_LABEL,
};

constexpr char kNavigationHelp[] =
    "To navigate move the mouse over the 3D view above, then:\n"
    "Click and hold mouse button to rotate.\n"
    "Use the keys to change position. The default keys are:\n"
    "W: forward, S: back, A: left, D: right";

bool InRange(int id, int first, int count) {
    return id >= first && id < first + count;
}

// The flag behind each plain toggle button.
bool ToggleFlagOf(int controlId, DisplayFlag& flag) {
    switch (controlId) {
        case IDC_HERTZ:
            flag = kFlagFrequenciesInHertz;
            return true;
        case IDC_2D_VIEW:
            flag = kFlag2dView;
            return true;
        case IDC_LABELS:
            flag = kFlagLabels;
            return true;
        case IDC_METER:
            flag = kFlagMeter;
            return true;
        case IDC_SHOW_LOG:
            flag = kFlagLogShown;
            return true;
        default:
            break;
    }
    if (InRange(controlId, IDC_REFERENCE_A, CSpectrumStore::kReferenceCount)) {
        flag = static_cast<DisplayFlag>(kFlagReferenceA + controlId - IDC_REFERENCE_A);
        return true;
    }
    return false;
}

// Buttons that select one of the settings' camera presets.
bool CameraPresetOf(int controlId, int& preset) {
    switch (controlId) {
        case IDC_PRESET_RESET:
            preset = CSettings::kReset;
            return true;
        case IDC_PRESET_LOWS:
            preset = CSettings::kLows;
            return true;
        case IDC_PRESET_HIGHS:
            preset = CSettings::kHighs;
            return true;
        case IDC_PRESET_BACK:
            preset = CSettings::kBack;
            return true;
        case IDC_PRESET_RIGHT:
            preset = CSettings::kRight;
            return true;
        case IDC_PRESET_ABOVE:
            preset = CSettings::kAbove;
            return true;
        default:
            return false;
    }
}

}  // namespace

bool CPanelCommands::OnCommand(int controlId) {
    constexpr int kUserPresets = CEditorState::kUserPresetCount;
    DisplayFlag flag;
    int preset = 0;
    if (ToggleFlagOf(controlId, flag)) {
        state_.ToggleFlag(flag);
    } else if (CameraPresetOf(controlId, preset)) {
        RecallCameraPreset(settings_.CameraPresets()[preset]);
    } else if (InRange(controlId, IDC_USER_STORE_1, kUserPresets)) {
        StoreUserPreset(controlId - IDC_USER_STORE_1);
    } else if (InRange(controlId, IDC_USER_RECALL_1, kUserPresets)) {
        RecallUserPreset(controlId - IDC_USER_RECALL_1);
    } else if (InRange(controlId, IDC_REFERENCE_STORE_A, CSpectrumStore::kReferenceCount)) {
        StoreReference(controlId - IDC_REFERENCE_STORE_A);
    } else {
        CEditorWindows& windows = *session_.windows;
        switch (controlId) {
            case IDC_RENDER_MODE:
                StepFillMode();
                break;
            case IDC_GENERATOR:
                StepGenerator();
                break;
            case IDC_FREEZE:
                state_.ToggleFlag(kFlagFreeze);
                if (session_.store != nullptr) session_.store->CaptureFreeze();
                break;
            case IDC_PEAKS:
                state_.ToggleFlag(kFlagPeakHold);
                if (session_.store != nullptr) session_.store->ClearPeaks();
                break;
            case IDC_AXIS_TOGGLE: {
                CParamControl& axis = *controls_[kParamAxis];
                CLockable::Hold hold(axis);
                axis.SetEnabled(!axis.IsEnabled());
                break;
            }
            case IDC_RESET_STATS:
                settings_.Statistics().Reset();
                settings_.Loudness().RequestReset();
                break;
            case IDC_SETTINGS:
                windows.ShowWindow(session_.settingsDialog, true);
                windows.SetFocus(session_.mainView);
                windows.SetFocus(session_.settingsDialog);
                break;
            case IDC_HELP_BUTTON:
                windows.OpenDocument(session_.controlsDialog, HelpTarget());
                break;
            default:
                for (const auto& parameter : controls_) {
                    if (parameter->Step(controlId)) return true;
                }
                return false;
        }
    }
    return true;
}

void CPanelCommands::StepFillMode() {
    state_.SetFill(static_cast<FillMode>((state_.Fill() + 1) % 3));
    ShowPanelState();
}

void CPanelCommands::StepGenerator() {
    CGeneratorControls& generator = state_.Generator();
    generator.SetMode(generator.Mode() == kGeneratorOff     ? kGeneratorNoise
                      : generator.Mode() == kGeneratorNoise ? kGeneratorTone
                                                            : kGeneratorOff);
    ShowPanelState();
}

// The modes and the user presets outlive the panel, so a new panel must show
// them as they are: a generator left running at full level must never read
// "Off", and a stored camera position must stay reachable.
void CPanelCommands::ShowPanelState() {
    static constexpr const char* kFillCaptions[] = {"Solid", "Wireframe", "Points"};
    static constexpr const char* kGeneratorCaptions[] = {"Off", "Noise", "Tone"};
    const os::WindowHandle panel = session_.controlsDialog;
    if (panel == nullptr) return;
    os::SetDialogItemText(panel, IDC_RENDER_MODE, kFillCaptions[state_.Fill()]);
    os::SetDialogItemText(panel, IDC_GENERATOR, kGeneratorCaptions[state_.Generator().Mode()]);
    for (int n = 0; n < CEditorState::kUserPresetCount; ++n) {
        if (state_.UserPresetStored(n)) os::EnableDialogItem(panel, IDC_USER_RECALL_1 + n, true);
    }
}

void CPanelCommands::RecallCameraPreset(const CameraPreset& preset) {
    const float values[] = {preset.x, preset.y, preset.z, preset.yawDeg, preset.pitchDeg};
    for (int i = 0; i < 5; ++i) controls_[kParamCameraX + i]->SetValue(values[i]);
}

void CPanelCommands::StoreUserPreset(int n) {
    if (n < 0 || n >= CEditorState::kUserPresetCount) return;
    auto value = [this](int index) { return controls_[index]->Value(); };
    state_.StoreUserPreset(
        n, CameraPreset{value(kParamCameraX), value(kParamCameraY), value(kParamCameraZ),
                        value(kParamYaw), value(kParamPitch)});
    if (session_.controlsDialog != nullptr)
        os::EnableDialogItem(session_.controlsDialog, IDC_USER_RECALL_1 + n, true);
}

void CPanelCommands::RecallUserPreset(int n) {
    if (n >= 0 && n < CEditorState::kUserPresetCount) RecallCameraPreset(state_.UserPreset(n));
}

void CPanelCommands::StoreReference(int n) {
    if (n < 0 || n >= CSpectrumStore::kReferenceCount) return;
    if (session_.store != nullptr) session_.store->CaptureReference(n, state_.Flag(kFlagPeakHold));
    if (session_.controlsDialog == nullptr) return;
    os::EnableDialogItem(session_.controlsDialog, IDC_REFERENCE_A + n, true);
    session_.windows->SendCommand(session_.controlsDialog, IDC_REFERENCE_A + n);
}

bool CPanelCommands::GetToggleState(int controlId) const {
    DisplayFlag flag;
    if (ToggleFlagOf(controlId, flag)) return state_.Flag(flag);
    switch (controlId) {
        case IDC_FREEZE:
            return state_.Flag(kFlagFreeze);
        case IDC_PEAKS:
            return state_.Flag(kFlagPeakHold);
        case IDC_AXIS_TOGGLE:
            return controls_[kParamAxis]->IsEnabled();
        case IDC_SHOW_DEBUG_PANE:
            return state_.Flag(kFlagDebugPane);
        default:
            VS_LOG_ERROR("Unknown enum");
            return false;
    }
}

void CPanelCommands::ShowDebugPane(bool show) {
    const os::WindowHandle panel = session_.controlsDialog;
    if (panel != nullptr) {
        for (int id : kDebugPaneControls) session_.windows->ShowItem(panel, id, show);
        session_.windows->ShowItem(panel, IDC_HELP_TEXT, !show);
        if (!show) os::SetDialogItemText(panel, IDC_HELP_TEXT, kNavigationHelp);
    }
    settings_.showDebugPane = show;
}

std::string CPanelCommands::VersionNumber() {
    return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor);
}

std::string CPanelCommands::VersionText() {
    return "Version: " + VersionNumber();
}

std::string CPanelCommands::HelpTarget() const {
    const std::string page = settings_.DataPath(os::JoinPath("html", "vantoscope_help.html"));
    if (std::ifstream(page).good()) return page;
    return kHelpPageAddress;
}
