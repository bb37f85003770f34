// CSettingsCommands: the settings dialog's values and buttons.
#include "editor/SettingsCommands.h"

#include "editor/EditorSession.h"
#include "editor/EditorState.h"
#include "editor/EditorWindows.h"
#include "editor/PanelCommands.h"
#include "resources/resource.h"

namespace {

// The binding each key parameter edits, by settings position from the
// forward key on.
constexpr int kBindingOfKeyParameter[] = {
    kActionForward,  kActionRotateLeft, kActionRotateRight,
    kActionMoveLeft, kActionMoveRight,  kActionBack,
};
static_assert(sizeof kBindingOfKeyParameter / sizeof kBindingOfKeyParameter[0] ==
              kSettingsParameterCount - kSettingForwardKey);

// At the maximum these two show "off": the level falls at once, the peak
// drops within a tenth of a second.
constexpr float kSmoothingOffLevelFall = 1.0f;
constexpr float kBallisticsOffPeakFall = 10.0f;

}  // namespace

bool CSettingsCommands::OnCommand(int controlId) {
    switch (controlId) {
        case IDC_SETTINGS_CLOSE:
            Apply();
            session_.windows->EndDialog(session_.settingsDialog, controlId);
            return true;
        case IDC_SETTINGS_APPLY:
            Apply();
            return true;
        case IDC_SHOW_DEBUG_PANE:
            state_.ToggleFlag(kFlagDebugPane);
            panel_.ShowDebugPane(state_.Flag(kFlagDebugPane));
            return true;
        default:
            for (const auto& parameter : parameters_) {
                if (parameter->Step(controlId)) return true;
            }
            return false;
    }
}

void CSettingsCommands::Load() {
    auto load = [this](int position, float value) { parameters_[position]->SetValue(value); };
    load(kSettingRange3d, static_cast<float>(settings_.range3dDb));
    load(kSettingMaxFps, static_cast<float>(settings_.maxFrameRate));
    load(kSettingSmoothing, settings_.levelFallPerBlock.load() * 100.0f);
    load(kSettingBallistics, settings_.peakFallPerSecond.load() * 100.0f);
    load(kSettingControlSensitivity, settings_.controlSensitivity * 100.0f);
    for (int position = kSettingForwardKey; position < kSettingsParameterCount; ++position) {
        const int binding = kBindingOfKeyParameter[position - kSettingForwardKey];
        load(position, static_cast<float>(state_.KeyBindings()[binding].key));
    }
}

void CSettingsCommands::Apply() {
    auto value = [this](int position) { return parameters_[position]->Value(); };
    auto atMaximum = [this, &value](int position) {
        return value(position) == parameters_[position]->Spec().maximum;
    };
    settings_.range3dDb = static_cast<int32_t>(value(kSettingRange3d));
    settings_.maxFrameRate = static_cast<int32_t>(value(kSettingMaxFps));
    settings_.levelFallPerBlock =
        atMaximum(kSettingSmoothing) ? kSmoothingOffLevelFall : value(kSettingSmoothing) / 100.0f;
    settings_.peakFallPerSecond =
        atMaximum(kSettingBallistics) ? kBallisticsOffPeakFall : value(kSettingBallistics) / 100.0f;
    settings_.controlSensitivity = value(kSettingControlSensitivity) / 100.0f;
    for (int position = kSettingForwardKey; position < kSettingsParameterCount; ++position) {
        const int binding = kBindingOfKeyParameter[position - kSettingForwardKey];
        state_.KeyBindings()[binding].key = static_cast<int32_t>(value(position));
    }
    session_.windows->NotifySettingsApplied();
}
