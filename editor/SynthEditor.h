// The user-interface object of one plug-in instance. The engine creates it
// with itself, so the parameter table and key bindings exist before any
// window does; the host then opens and closes its windows any number of
// times. Everything here runs on the host's user-interface thread except
// where a member says otherwise.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

#include "editor/KeyBinding.h"
#include "os/Lockable.h"
#include "os/Window.h"
#include "params/ParameterTable.h"
#include "params/Settings.h"

class CVstPlugin;
class CSpectrumStore;

enum DisplayFlag : int {
    kFlagFreeze,
    kFlagNoiseOn,
    kFlagToneOn,
    kFlagPeakHold,
    kFlagMeter,
    kFlagReferenceA,
    kFlagReferenceB,
    kFlagReferenceC,
    kFlagReferenceD,
    kFlag2dView,
    kFlagLogShown,
    kFlagLabels,
    kFlagFrequenciesInHertz,
    kFlagDebugPane,
    kDisplayFlagCount
};

enum GeneratorMode : int32_t { kGeneratorOff, kGeneratorNoise, kGeneratorTone };
enum FillMode : int32_t { kFillSolid, kFillWireframe, kFillPoints };

class CSynthEditor : public CLockable {
public:
    static constexpr int kUserPresetCount = 4;

    struct NavigationState {
        int32_t cursorX = 0;
        int32_t cursorY = 0;
        int32_t anchorX = 0;
        int32_t anchorY = 0;
        int32_t wheelNotches = 0;
        uint8_t dragging = 0;
    };

    explicit CSynthEditor(CVstPlugin* plugin);
    ~CSynthEditor() override;

    void Open(os::WindowHandle parent, CSpectrumStore* store);
    void Close();

    os::WindowHandle MainView() const { return mainView_; }
    os::WindowHandle Parent() const { return parent_; }
    CSpectrumStore* Store() const { return store_; }

    // The host's parameters 0 to 8 are the controls parameters; null for any
    // other index.
    CParamControl* ControlsParameter(int index);
    ParamList& ControlsParameters() { return controlsParameters_; }
    ParamList& SettingsParameters() { return settingsParameters_; }

    // First binding of the key, or nullptr.
    const KeyBinding* FindKeyBinding(int32_t key) const;
    std::vector<KeyBinding>& KeyBindings() { return keyBindings_; }
    std::array<uint8_t, kCameraActionCount>& KeyHeld() { return keyHeld_; }
    NavigationState& Navigation() { return navigation_; }

    // The audio thread reads the generator switches, so the flags are atomic.
    bool Flag(DisplayFlag flag) const {
        return displayFlags_[flag].load(std::memory_order_relaxed);
    }
    void SetFlag(DisplayFlag flag, bool on) {
        displayFlags_[flag].store(on ? 1 : 0, std::memory_order_relaxed);
    }

    GeneratorMode Generator() const { return generatorMode_; }
    FillMode Fill() const { return fillMode_; }
    int32_t FramePeriodMs() const { return framePeriodMs_; }
    std::array<CameraPreset, kUserPresetCount>& UserPresets() { return userPresets_; }

private:
    CVstPlugin* plugin_;
    ParamList controlsParameters_;
    ParamList settingsParameters_;
    CSpectrumStore* store_ = nullptr;
    std::array<CameraPreset, kUserPresetCount> userPresets_{};
    os::WindowHandle mainView_ = nullptr;
    os::WindowHandle controlsDialog_ = nullptr;
    os::WindowHandle parent_ = nullptr;
    os::WindowHandle settingsDialog_ = nullptr;
    os::Rect mainViewRect_{0, 0, 900, 400};
    os::Rect controlsRect_{0, 400, 900, 600};
    GeneratorMode generatorMode_ = kGeneratorOff;
    std::array<std::atomic<uint8_t>, kDisplayFlagCount> displayFlags_{};
    NavigationState navigation_;
    std::vector<KeyBinding> keyBindings_;
    std::array<uint8_t, kCameraActionCount> keyHeld_{};
    FillMode fillMode_ = kFillSolid;
    int32_t framePeriodMs_ = 14;
    int32_t framesCounted_ = 0;
    uint32_t periodStartMs_ = 0;
};
