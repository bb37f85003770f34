// The user-interface object of one plug-in instance. It lives as long as the
// engine; the host opens and closes its windows any number of times.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "editor/KeyBinding.h"
#include "os/Lockable.h"
#include "os/Window.h"

class CVstPlugin;

class CSynthEditor : public CLockable {
public:
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

    // Host's user-interface thread.
    void Open(os::WindowHandle parent);
    void Close();

    os::WindowHandle MainView() const { return mainView_; }
    os::WindowHandle Parent() const { return parent_; }

    // First binding of the key, or nullptr.
    const KeyBinding* FindKeyBinding(int32_t key) const;
    std::vector<KeyBinding>& KeyBindings() { return keyBindings_; }
    std::array<uint8_t, kCameraActionCount>& KeyHeld() { return keyHeld_; }
    NavigationState& Navigation() { return navigation_; }

private:
    CVstPlugin* plugin_;
    os::WindowHandle mainView_ = nullptr;
    os::WindowHandle parent_ = nullptr;
    NavigationState navigation_;
    std::vector<KeyBinding> keyBindings_;
    std::array<uint8_t, kCameraActionCount> keyHeld_{};
};
