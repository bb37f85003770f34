// What the controls panel's buttons do to the editor state, the camera
// parameters, the settings and the spectrum store, independent of how the
// panel is drawn. The editor owns one; the panel's dialog procedure calls it.
//
// Thread: user-interface thread.
#pragma once

#include <string>

#include "params/ParameterTable.h"

class CEditorState;
class CSettings;
struct CameraPreset;
struct EditorSession;

class CPanelCommands {
public:
    CPanelCommands(CEditorState& state, ParamList& controls, CSettings& settings,
                   const EditorSession& session)
        : state_(state), controls_(controls), settings_(settings), session_(session) {}

    // The action of a control; true when something claimed it.
    bool OnCommand(int controlId);
    // The state a toggle button's indicator shows.
    bool GetToggleState(int controlId) const;

    void ShowDebugPane(bool show);
    void RecallCameraPreset(const CameraPreset& preset);
    void StoreUserPreset(int n);
    void RecallUserPreset(int n);
    void StoreReference(int n);
    // A new panel shows the modes and stored presets as they are.
    void ShowPanelState();

    // "Version: 0.81", the text the panel shows once it is visible.
    static std::string VersionText();
    // "0.81": the version alone, as exports record it.
    static std::string VersionNumber();
    // The help page beside the module, or the web address when it is missing.
    std::string HelpTarget() const;

private:
    void StepFillMode();
    void StepGenerator();

    CEditorState& state_;
    ParamList& controls_;
    CSettings& settings_;
    const EditorSession& session_;
};
