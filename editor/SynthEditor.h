// The user-interface object of one plug-in instance. The engine creates it
// with itself, so the parameter table, the key bindings and the display
// state exist before any window does; the host then opens and closes its
// windows any number of times. It owns the parameters, the editor state,
// the panel, settings and view menu commands, the export and the frame
// loop, and brings the windows, dialogs and renderer up and down in order.
// Everything here runs on the host's user-interface thread except where a
// member says otherwise.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "analysis/EngineEditor.h"
#include "editor/EditorLayout.h"
#include "editor/EditorSession.h"
#include "editor/EditorState.h"
#include "editor/FrameLoop.h"
#include "editor/PanelCommands.h"
#include "editor/SettingsCommands.h"
#include "editor/ViewExport.h"
#include "editor/ViewMenuCommands.h"
#include "os/Lockable.h"
#include "os/Window.h"
#include "params/ParameterTable.h"

class CEditorHostWindow;
class CParameterAutomation;
class CPerformanceTimer;
class CSettings;
class CStoreSync;

class CSynthEditor final : public CLockable, public CEngineEditor {
public:
    // settings and timer outlive the editor; automation (the effect, or
    // null) hears of the user's edits of the host's parameters, and
    // hostWindow (the effect, or null) is asked for a new editor size.
    CSynthEditor(CSettings& settings, CPerformanceTimer& timer, CParameterAutomation* automation,
                 CEditorHostWindow* hostWindow = nullptr);
    ~CSynthEditor() override;

    // Lifecycle, driven by the dispatcher through the engine.
    void Open(os::WindowHandle parent, CSpectrumStore* store) override;
    void Close() override;
    bool IsOpen() const { return countsAsOpen_; }
    // Keeps the controls panel directly below the main view.
    void PositionWindows();

    // The size of the open editor; while closed, the size the next open
    // takes.
    EditorLayout Layout() const;
    // Chooses the editor's size. While open, the host is asked to resize
    // its window: when it does, the editor lays itself out again in place;
    // when it refuses, the size applies at the next open.
    void SetEditorSize(EditorSize size);
    // Pixels of the open editor in layout units, the pixels at 100 %.
    int ToLayoutUnits(int pixels) const { return pixels * 100 / percent_; }
    // The size of the open editor in percent of the plain one.
    int Percent() const { return percent_; }

    // One tick of the frame timer.
    void OnFrame(bool mouseCaptured);

    // The audio thread reads the generator's switches and frequency here.
    const CGeneratorControls& Generator() const override { return state_.Generator(); }

    CEditorState& State() { return state_; }
    const CEditorState& State() const { return state_; }
    CPanelCommands& PanelCommands() { return panel_; }
    CSettingsCommands& SettingsCommands() { return settingsCommands_; }
    CFrameLoop& FrameLoop() { return frameLoop_; }
    CViewMenuCommands& ViewMenu() { return viewMenu_; }
    CViewExport& ViewExport() { return viewExport_; }

    os::WindowHandle MainView() const { return session_.mainView; }
    os::WindowHandle ControlsDialog() const { return session_.controlsDialog; }
    os::WindowHandle SettingsDialog() const { return session_.settingsDialog; }
    os::WindowHandle Parent() const { return session_.parent; }
    CSpectrumStore* Store() const { return session_.store; }
    const std::vector<CEditorListener*>& SyncList() const { return session_.syncList; }
    CSettings& Settings() const { return settings_; }
    CPerformanceTimer& Timer() const { return timer_; }
    CEditorWindows& Windows() { return *windows_; }

    // The host's parameters 0 to 8 are the controls parameters; null for any
    // other index.
    CParamControl* ControlsParameter(int index);
    const CParamControl* ControlsParameter(int index) const;
    ParamList& ControlsParameters() { return controlsParameters_; }
    ParamList& SettingsParameters() { return settingsParameters_; }

    // Editors whose open counted towards the shared window class.
    static int32_t OpenEditorCount();

private:
    void CreateDialogs();
    void BindParameters(ParamList& parameters, os::WindowHandle dialog, bool automate);
    void CreateRenderer();
    void ShowAllWindows();
    int PercentForNextOpen() const;
    void ResizeInPlace(int percent);
    void DestroyDialogs();
    void FollowScreen();

    CSettings& settings_;
    CPerformanceTimer& timer_;
    CEditorHostWindow* hostWindow_;
    // The size of the open editor, in percent of the plain one.
    int percent_ = 100;
    // Following the screen: when it was last looked at, and the size the
    // host refused last (0: none), which is not asked for again.
    uint32_t screenCheckedMs_ = 0;
    int refusedPercent_ = 0;
    ParamList controlsParameters_;
    ParamList settingsParameters_;
    EditorSession session_;
    CEditorState state_;
    CPanelCommands panel_;
    CSettingsCommands settingsCommands_;
    CFrameLoop frameLoop_;
    CViewExport viewExport_;
    CViewMenuCommands viewMenu_;
    os::Rect mainViewRect_;
    os::Rect controlsRect_;
    bool countsAsOpen_ = false;
    std::unique_ptr<CStoreSync> storeSync_;
    // Last: its windows and renderer go before anything they point at.
    std::unique_ptr<CEditorWindows> windows_;
};
