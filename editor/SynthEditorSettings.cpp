// CSynthEditor: the settings dialog's values, where each one lives (the
// settings object or a key binding) and what its buttons do.
#include "analysis/SpectrumStore.h"
#include "editor/EditorWindows.h"
#include "editor/SynthEditor.h"
#include "plugin/VstPlugin.h"

namespace {

constexpr int kCloseButton = 1065;
constexpr int kApplyButton = 1081;
constexpr int kShowDebugPaneButton = 1100;

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

bool CSynthEditor::OnSettingsCommand(int controlId) {
    switch (controlId) {
        case kCloseButton:
            ApplySettings();
            windows_->EndDialog(settingsDialog_, controlId);
            return true;
        case kApplyButton:
            ApplySettings();
            return true;
        case kShowDebugPaneButton:
            ToggleFlag(kFlagDebugPane);
            ShowDebugPane(Flag(kFlagDebugPane));
            return true;
        default:
            for (const auto& parameter : settingsParameters_) {
                if (parameter->Step(controlId)) return true;
            }
            return false;
    }
}

void CSynthEditor::LoadSettings() {
    CSettings& settings = Settings();
    auto load = [this](int position, float value) {
        settingsParameters_[position]->SetValue(value);
    };
    load(kSettingRange3d, static_cast<float>(settings.range3dDb));
    load(kSettingMaxFps, static_cast<float>(settings.maxFrameRate));
    load(kSettingSmoothing, settings.levelFallPerBlock.load() * 100.0f);
    load(kSettingBallistics, settings.peakFallPerSecond.load() * 100.0f);
    load(kSettingControlSensitivity, settings.controlSensitivity * 100.0f);
    for (int position = kSettingForwardKey; position < kSettingsParameterCount; ++position) {
        const int binding = kBindingOfKeyParameter[position - kSettingForwardKey];
        load(position, static_cast<float>(keyBindings_[binding].key));
    }
}

void CSynthEditor::ApplySettings() {
    CSettings& settings = Settings();
    auto value = [this](int position) { return settingsParameters_[position]->Value(); };
    auto atMaximum = [this, &value](int position) {
        return value(position) == settingsParameters_[position]->Spec().maximum;
    };
    settings.range3dDb = static_cast<int32_t>(value(kSettingRange3d));
    settings.maxFrameRate = static_cast<int32_t>(value(kSettingMaxFps));
    settings.levelFallPerBlock =
        atMaximum(kSettingSmoothing) ? kSmoothingOffLevelFall : value(kSettingSmoothing) / 100.0f;
    settings.peakFallPerSecond =
        atMaximum(kSettingBallistics) ? kBallisticsOffPeakFall : value(kSettingBallistics) / 100.0f;
    settings.controlSensitivity = value(kSettingControlSensitivity) / 100.0f;
    for (int position = kSettingForwardKey; position < kSettingsParameterCount; ++position) {
        const int binding = kBindingOfKeyParameter[position - kSettingForwardKey];
        keyBindings_[binding].key = static_cast<int32_t>(value(position));
    }
    windows_->NotifySettingsApplied();
}
