// The settings dialog's values and buttons: where each value lives (the
// settings object or a key binding), loading them when the dialog is shown
// and applying them on "Apply" and "Close".
//
// Thread: user-interface thread.
#pragma once

#include "params/ParameterTable.h"

class CEditorState;
class CPanelCommands;
class CSettings;
struct EditorSession;

class CSettingsCommands {
public:
    // panel: shows and hides the debug pane that the dialog switches.
    CSettingsCommands(CEditorState& state, ParamList& parameters, CSettings& settings,
                      const EditorSession& session, CPanelCommands& panel)
        : state_(state),
          parameters_(parameters),
          settings_(settings),
          session_(session),
          panel_(panel) {}

    // The action of a control; true when something claimed it.
    bool OnCommand(int controlId);
    void Load();
    void Apply();

private:
    CEditorState& state_;
    ParamList& parameters_;
    CSettings& settings_;
    const EditorSession& session_;
    CPanelCommands& panel_;
};
