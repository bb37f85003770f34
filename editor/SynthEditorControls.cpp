// CSynthEditor: what the controls panel's buttons do to the parameters, the
// display flags, the presets and the spectrum store, independent of how the
// panel is drawn.
#include <fstream>

#include "analysis/SpectrumStore.h"
#include "analysis/Statistics.h"
#include "diag/Log.h"
#include "editor/EditorWindows.h"
#include "editor/SynthEditor.h"
#include "os/Dialog.h"
#include "os/Folders.h"
#include "plugin/VstPlugin.h"

namespace {

constexpr char kLogSource[] = "SynthEditor";

// Where the help page lives when the copy beside the module is missing.
constexpr char kHelpPageAddress[] = "https://www.orlemar.com/html/vantoscope_help.html";

constexpr int kVersionMajor = 0;
constexpr int kVersionMinor = 81;

enum ControlId : int {
    kRenderMode = 1001,
    kFreeze = 1002,
    kPeaks = 1003,
    kPresetReset = 1005,
    kPresetLows = 1006,
    kPresetHighs = 1008,
    kPresetBack = 1009,
    kPresetRight = 1010,
    kAxisToggle = 1013,
    kHertz = 1014,
    kPresetAbove = 1016,
    kGenerator = 1053,
    k2dView = 1054,
    kLabels = 1055,
    kUserStoreFirst = 1057,
    kUserRecallFirst = 1061,
    kResetStats = 1065,
    kMeter = 1066,
    kSettingsButton = 1067,
    kHelpButton = 1068,
    kReferenceFirst = 1069,
    kReferenceStoreFirst = 1073,
    kShowLog = 1078,
    kHelpText = 1082,
    kShowDebugPaneButton = 1100,
};

// The controls that share their place with the help text.
constexpr int kDebugPaneControls[] = {1080, 1079, 1078, 1015, 1031, 1030, 1053, 1081};

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
        case kHertz:
            flag = kFlagFrequenciesInHertz;
            return true;
        case k2dView:
            flag = kFlag2dView;
            return true;
        case kLabels:
            flag = kFlagLabels;
            return true;
        case kMeter:
            flag = kFlagMeter;
            return true;
        case kShowLog:
            flag = kFlagLogShown;
            return true;
        default:
            break;
    }
    if (InRange(controlId, kReferenceFirst, CSpectrumStore::kReferenceCount)) {
        flag = static_cast<DisplayFlag>(kFlagReferenceA + controlId - kReferenceFirst);
        return true;
    }
    return false;
}

// Buttons that select one of the settings' camera presets.
bool CameraPresetOf(int controlId, int& preset) {
    switch (controlId) {
        case kPresetReset:
            preset = CSettings::kReset;
            return true;
        case kPresetLows:
            preset = CSettings::kLows;
            return true;
        case kPresetHighs:
            preset = CSettings::kHighs;
            return true;
        case kPresetBack:
            preset = CSettings::kBack;
            return true;
        case kPresetRight:
            preset = CSettings::kRight;
            return true;
        case kPresetAbove:
            preset = CSettings::kAbove;
            return true;
        default:
            return false;
    }
}

}  // namespace

bool CSynthEditor::OnControlsCommand(int controlId) {
    DisplayFlag flag;
    int preset = 0;
    if (ToggleFlagOf(controlId, flag)) {
        ToggleFlag(flag);
    } else if (CameraPresetOf(controlId, preset)) {
        RecallCameraPreset(Settings().CameraPresets()[preset]);
    } else if (InRange(controlId, kUserStoreFirst, kUserPresetCount)) {
        StoreUserPreset(controlId - kUserStoreFirst);
    } else if (InRange(controlId, kUserRecallFirst, kUserPresetCount)) {
        RecallUserPreset(controlId - kUserRecallFirst);
    } else if (InRange(controlId, kReferenceStoreFirst, CSpectrumStore::kReferenceCount)) {
        StoreReference(controlId - kReferenceStoreFirst);
    } else {
        switch (controlId) {
            case kRenderMode:
                StepFillMode();
                break;
            case kGenerator:
                StepGenerator();
                break;
            case kFreeze:
                ToggleFlag(kFlagFreeze);
                if (store_ != nullptr) store_->CaptureFreeze();
                break;
            case kPeaks:
                ToggleFlag(kFlagPeakHold);
                if (store_ != nullptr) store_->ClearPeaks();
                break;
            case kAxisToggle: {
                CParamControl& axis = *controlsParameters_[kParamAxis];
                CLockable::Hold hold(axis);
                axis.SetEnabled(!axis.IsEnabled());
                break;
            }
            case kResetStats:
                Settings().Statistics().Reset();
                break;
            case kSettingsButton:
                windows_->ShowWindow(settingsDialog_, true);
                windows_->SetFocus(mainView_);
                windows_->SetFocus(settingsDialog_);
                break;
            case kHelpButton:
                windows_->OpenDocument(controlsDialog_, HelpTarget());
                break;
            default:
                for (const auto& parameter : controlsParameters_) {
                    if (parameter->Step(controlId)) return true;
                }
                return false;
        }
    }
    return true;
}

void CSynthEditor::StepFillMode() {
    fillMode_ = static_cast<FillMode>((fillMode_ + 1) % 3);
    ShowPanelState();
}

void CSynthEditor::StepGenerator() {
    generatorMode_ = generatorMode_ == kGeneratorOff     ? kGeneratorNoise
                     : generatorMode_ == kGeneratorNoise ? kGeneratorTone
                                                         : kGeneratorOff;
    SetFlag(kFlagNoiseOn, generatorMode_ == kGeneratorNoise);
    SetFlag(kFlagToneOn, generatorMode_ == kGeneratorTone);
    ShowPanelState();
}

// The modes and the user presets outlive the panel, so a new panel must show
// them as they are: a generator left running at full level must never read
// "Off", and a stored camera position must stay reachable.
void CSynthEditor::ShowPanelState() {
    static constexpr const char* kFillCaptions[] = {"Solid", "Wireframe", "Points"};
    static constexpr const char* kGeneratorCaptions[] = {"Off", "Noise", "Tone"};
    if (controlsDialog_ == nullptr) return;
    os::SetDialogItemText(controlsDialog_, kRenderMode, kFillCaptions[fillMode_]);
    os::SetDialogItemText(controlsDialog_, kGenerator, kGeneratorCaptions[generatorMode_]);
    for (int n = 0; n < kUserPresetCount; ++n) {
        if (userPresetStored_[n]) os::EnableDialogItem(controlsDialog_, kUserRecallFirst + n, true);
    }
}

void CSynthEditor::RecallCameraPreset(const CameraPreset& preset) {
    const float values[] = {preset.x, preset.y, preset.z, preset.yawDeg, preset.pitchDeg};
    for (int i = 0; i < 5; ++i) controlsParameters_[kParamCameraX + i]->SetValue(values[i]);
}

void CSynthEditor::StoreUserPreset(int n) {
    if (n < 0 || n >= kUserPresetCount) return;
    auto value = [this](int index) { return controlsParameters_[index]->Value(); };
    userPresets_[n] = CameraPreset{value(kParamCameraX), value(kParamCameraY), value(kParamCameraZ),
                                   value(kParamYaw), value(kParamPitch)};
    userPresetStored_[n] = true;
    if (controlsDialog_ != nullptr)
        os::EnableDialogItem(controlsDialog_, kUserRecallFirst + n, true);
}

void CSynthEditor::RecallUserPreset(int n) {
    if (n >= 0 && n < kUserPresetCount) RecallCameraPreset(userPresets_[n]);
}

void CSynthEditor::StoreReference(int n) {
    if (n < 0 || n >= CSpectrumStore::kReferenceCount) return;
    if (store_ != nullptr) store_->CaptureReference(n, Flag(kFlagPeakHold));
    if (controlsDialog_ == nullptr) return;
    os::EnableDialogItem(controlsDialog_, kReferenceFirst + n, true);
    windows_->SendCommand(controlsDialog_, kReferenceFirst + n);
}

bool CSynthEditor::GetToggleState(int controlId) {
    DisplayFlag flag;
    if (ToggleFlagOf(controlId, flag)) return Flag(flag);
    switch (controlId) {
        case kFreeze:
            return Flag(kFlagFreeze);
        case kPeaks:
            return Flag(kFlagPeakHold);
        case kAxisToggle:
            return controlsParameters_[kParamAxis]->IsEnabled();
        case kShowDebugPaneButton:
            return Flag(kFlagDebugPane);
        default:
            VS_LOG_ERROR("Unknown enum");
            return false;
    }
}

void CSynthEditor::ShowDebugPane(bool show) {
    if (controlsDialog_ != nullptr) {
        for (int id : kDebugPaneControls) windows_->ShowItem(controlsDialog_, id, show);
        windows_->ShowItem(controlsDialog_, kHelpText, !show);
        if (!show) os::SetDialogItemText(controlsDialog_, kHelpText, kNavigationHelp);
    }
    Settings().showDebugPane = show;
}

std::string CSynthEditor::VersionText() {
    return "Version: " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor);
}

std::string CSynthEditor::HelpTarget() const {
    const std::string page =
        plugin_->Settings()->DataPath(os::JoinPath("html", "vantoscope_help.html"));
    if (std::ifstream(page).good()) return page;
    return kHelpPageAddress;
}
