// The user-interface object of one plug-in instance. The engine creates it
// with itself, so the parameter table and key bindings exist before any
// window does; the host then opens and closes its windows any number of
// times. Everything here runs on the host's user-interface thread except
// where a member says otherwise.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editor/KeyBinding.h"
#include "os/Lockable.h"
#include "os/Window.h"
#include "params/ParameterTable.h"
#include "params/Settings.h"

class CVstPlugin;
class CSpectrumStore;
class CEditorListener;
class CEditorWindows;
class CStoreSync;

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

    // Lifecycle, driven by the dispatcher through the engine.
    void Open(os::WindowHandle parent, CSpectrumStore* store);
    void Close();
    bool IsOpen() const { return countsAsOpen_; }
    // Keeps the controls panel directly below the main view.
    void PositionWindows();

    // One tick of the frame timer: polls the keys while the view holds the
    // mouse, synchronises every listener, renders, and every four seconds
    // adapts the timer's period to the "Max FPS" setting.
    void OnFrame(bool mouseCaptured);
    void PollKeys();

    // Controls panel: the action of a control, true when something claimed
    // it; the state a toggle button shows.
    bool OnControlsCommand(int controlId);
    bool GetToggleState(int controlId);
    void ShowDebugPane(bool show);
    void RecallCameraPreset(const CameraPreset& preset);
    void StoreUserPreset(int n);
    void RecallUserPreset(int n);
    void StoreReference(int n);
    // "Version: 0.81", the text the panel shows once it is visible.
    static std::string VersionText();
    // The help page beside the module, or the web address when it is missing.
    std::string HelpTarget() const;

    // Settings dialog: load when shown, apply on "Apply" and "Close".
    bool OnSettingsCommand(int controlId);
    void LoadSettings();
    void ApplySettings();

    os::WindowHandle MainView() const { return mainView_; }
    os::WindowHandle ControlsDialog() const { return controlsDialog_; }
    os::WindowHandle SettingsDialog() const { return settingsDialog_; }
    os::WindowHandle Parent() const { return parent_; }
    CSpectrumStore* Store() const { return store_; }
    CVstPlugin* Plugin() const { return plugin_; }
    CSettings& Settings();
    CEditorWindows& Windows() { return *windows_; }
    const std::vector<CEditorListener*>& SyncList() const { return syncList_; }

    // The host's parameters 0 to 8 are the controls parameters; null for any
    // other index.
    CParamControl* ControlsParameter(int index);
    ParamList& ControlsParameters() { return controlsParameters_; }
    ParamList& SettingsParameters() { return settingsParameters_; }

    // First binding of the key, or nullptr.
    const KeyBinding* FindKeyBinding(int32_t key) const;
    std::vector<KeyBinding>& KeyBindings() { return keyBindings_; }
    std::array<uint8_t, kCameraActionCount>& KeyHeld() { return keyHeld_; }
    void ReleaseAllKeys() { keyHeld_.fill(0); }
    NavigationState& Navigation() { return navigation_; }

    // The audio thread reads the generator switches, so the flags are atomic.
    bool Flag(DisplayFlag flag) const {
        return displayFlags_[flag].load(std::memory_order_relaxed) != 0;
    }
    void SetFlag(DisplayFlag flag, bool on) {
        displayFlags_[flag].store(on ? 1 : 0, std::memory_order_relaxed);
    }
    void ToggleFlag(DisplayFlag flag) { SetFlag(flag, !Flag(flag)); }

    GeneratorMode Generator() const { return generatorMode_; }
    FillMode Fill() const { return fillMode_; }
    int32_t FramePeriodMs() const { return framePeriodMs_; }
    std::array<CameraPreset, kUserPresetCount>& UserPresets() { return userPresets_; }

    // Editors whose open counted towards the shared window class.
    static int32_t OpenEditorCount();

private:
    void CreateDialogs();
    void BindParameters(ParamList& parameters, os::WindowHandle dialog, bool automate);
    void CreateRenderer();
    void ShowAllWindows();
    void AdaptFramePeriod(uint32_t nowMs);
    uint32_t NowMs() const;
    void StepGenerator();
    void StepFillMode();
    void ShowPanelState();

    std::vector<CEditorListener*> syncList_;
    CVstPlugin* plugin_;
    ParamList controlsParameters_;
    ParamList settingsParameters_;
    CSpectrumStore* store_ = nullptr;
    std::array<CameraPreset, kUserPresetCount> userPresets_{};
    std::array<bool, kUserPresetCount> userPresetStored_{};
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
    bool countsAsOpen_ = false;
    std::unique_ptr<CStoreSync> storeSync_;
    // Last: its windows and renderer go before anything they point at.
    std::unique_ptr<CEditorWindows> windows_;
};
