// What the editor shows and how the user steers it, apart from the
// parameters: the display flags, the fill mode, the test-signal generator's
// controls, the user camera presets, the key bindings with their held keys,
// the mouse navigation and hover state, and the view's menu options. It lives
// with the editor object, so all of it survives closing and reopening the
// windows. The panel, settings and menu commands change it; the display
// components read it as const.
//
// Threads: user-interface thread, except the generator controls, which the
// audio thread reads (see CGeneratorControls).
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

#include "analysis/GeneratorControls.h"
#include "editor/KeyBinding.h"
#include "editor/ViewOptions.h"
#include "params/Settings.h"

enum DisplayFlag : int {
    kFlagFreeze,
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

enum FillMode : int32_t { kFillSolid, kFillWireframe, kFillPoints };

// Pointer and wheel input of the main view, in its client pixels.
struct NavigationState {
    int32_t cursorX = 0;
    int32_t cursorY = 0;
    int32_t anchorX = 0;
    int32_t anchorY = 0;
    int32_t wheelNotches = 0;
    uint8_t dragging = 0;
};

using KeyHeldFlags = std::array<uint8_t, kCameraActionCount>;

class CEditorState {
public:
    static constexpr int kUserPresetCount = 4;

    // frequencyHz: the live value of the "Freq" parameter, read by the
    // generator.
    explicit CEditorState(const std::atomic<float>& frequencyHz);

    bool Flag(DisplayFlag flag) const { return flags_[flag]; }
    void SetFlag(DisplayFlag flag, bool on) { flags_[flag] = on; }
    void ToggleFlag(DisplayFlag flag) { flags_[flag] = !flags_[flag]; }

    FillMode Fill() const { return fillMode_; }
    void SetFill(FillMode mode) { fillMode_ = mode; }

    CGeneratorControls& Generator() { return generator_; }
    const CGeneratorControls& Generator() const { return generator_; }

    // A stored preset's recall button stays enabled in every new panel.
    const CameraPreset& UserPreset(int n) const { return userPresets_[n]; }
    bool UserPresetStored(int n) const { return userPresetStored_[n]; }
    void StoreUserPreset(int n, const CameraPreset& preset);

    // First binding of the key, or nullptr.
    const KeyBinding* FindKeyBinding(int32_t key) const;
    std::vector<KeyBinding>& KeyBindings() { return keyBindings_; }
    const std::vector<KeyBinding>& KeyBindings() const { return keyBindings_; }
    KeyHeldFlags& KeyHeld() { return keyHeld_; }
    const KeyHeldFlags& KeyHeld() const { return keyHeld_; }
    void ReleaseAllKeys() { keyHeld_.fill(0); }

    NavigationState& Navigation() { return navigation_; }
    const NavigationState& Navigation() const { return navigation_; }

    ViewOptions& Options() { return options_; }
    const ViewOptions& Options() const { return options_; }
    HoverState& Hover() { return hover_; }
    const HoverState& Hover() const { return hover_; }

private:
    std::array<bool, kDisplayFlagCount> flags_{};
    FillMode fillMode_ = kFillSolid;
    CGeneratorControls generator_;
    std::array<CameraPreset, kUserPresetCount> userPresets_{};
    std::array<bool, kUserPresetCount> userPresetStored_{};
    std::vector<KeyBinding> keyBindings_;
    KeyHeldFlags keyHeld_{};
    NavigationState navigation_;
    ViewOptions options_;
    HoverState hover_;
};
