// A host for the editor tests: a 900 by 600 top-level window as a DAW gives
// its plug-ins, shared by every test, the module loaded and instantiated as
// a host does, the host calls, debugger output and error boxes recorded, and
// the host's message pump.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "analysis/Synth.h"
#include "editor/SynthEditor.h"
#include "params/Settings.h"
#include "plugin/VstPlugin.h"
#include "tests/win/SharedHostWindow.h"
#include "tools/host/CapturedImage.h"
#include "tools/host/DebugOutputCapture.h"
#include "tools/host/ErrorBoxWatcher.h"
#include "tools/host/HostCallRecorder.h"
#include "tools/host/HostWindow.h"
#include "tools/host/PluginModule.h"

class EditorHost : public ::testing::Test {
protected:
    static constexpr int kHostWidth = 900;
    static constexpr int kHostHeight = 600;

    // The module under test, beside the test program.
    virtual std::string ModuleName() const { return "Vantoscope.dll"; }

    void SetUp() override;
    void TearDown() override;

    AEffect* NewInstance();
    VstIntPtr Dispatch(AEffect* effect, VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr);
    VstIntPtr Dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr) {
        return Dispatch(effect_, opcode, index, value, ptr);
    }
    void OpenEditor(AEffect* effect = nullptr);
    void CloseEditor(AEffect* effect = nullptr);
    ERect EditorRect();

    // Runs the host's message loop for a while, as between user actions.
    static void Pump(int milliseconds) { CHostWindow::Pump(milliseconds); }

    CSynthEditor& Editor(AEffect* effect = nullptr);
    CSettings& Settings() { return *static_cast<CVstPlugin*>(effect_->object)->Settings(); }
    float Value(int controlsParameter) {
        return Editor().ControlsParameters()[controlsParameter]->Value();
    }
    HWND MainView() const { return FindWindowExA(parent_, nullptr, "OR_GUI_MAIN_WINDOW", nullptr); }
    HWND Controls() { return static_cast<HWND>(Editor().ControlsDialog()); }
    HWND SettingsDialog() { return static_cast<HWND>(Editor().SettingsDialog()); }
    HWND Item(int id) { return GetDlgItem(Controls(), id); }
    std::string Caption(HWND dialog, int id);
    std::string Caption(int id) { return Caption(Controls(), id); }
    // A click through the button's own window, as the mouse would make it.
    void Click(HWND dialog, int id);
    void Click(int id) { Click(Controls(), id); }
    // The command a click sends, for controls a click cannot reach.
    void Command(HWND dialog, int id);

    bool IsViewClassRegistered() const;
    // The log texts from the first one equal to first on, without source
    // names, line numbers or placement lines.
    std::vector<std::string> LoggedFrom(const std::string& first) const;
    // The client area of the host window as GDI sees it.
    CapturedImage CaptureClientArea() const;

    static SharedHostWindow* const hostWindow_;
    CDebugOutputCapture debugOutput_;
    CErrorBoxWatcher errorBoxes_;
    CHostCallRecorder host_;
    std::unique_ptr<CPluginModule> module_;
    std::vector<AEffect*> instances_;
    AEffect* effect_ = nullptr;
    HWND parent_ = nullptr;
    // Texts that the error boxes of the test must contain, in order.
    std::vector<std::string> expectedErrors_;
    // Whether the host gives its window the size an editor asks for.
    bool resizeAnswer_ = true;
};
