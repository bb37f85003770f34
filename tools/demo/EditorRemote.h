// Drives an open editor from outside as a user does: finds its windows in
// the host window (the 3D view, the controls panel, the settings pop-up)
// and presses their buttons. User-interface thread only.
#pragma once

class CEditorRemote {
public:
    explicit CEditorRemote(void* hostWindow) : hostWindow_(hostWindow) {}

    // Null while the editor is closed.
    void* View() const;
    void* ControlsPanel() const;
    void* SettingsDialog() const;

    // A click through the button's own window, as the mouse makes it;
    // false when the panel or the button is missing.
    bool Press(int controlId) const;
    bool PressInSettings(int controlId) const;
    // A hidden button cannot be clicked; its command is sent instead.
    bool Command(int controlId) const;
    // A command of the view's own (its menu's identifiers).
    bool ViewCommand(int commandId) const;

    // The pointer rests over the view at (x, y) of its client area, as a
    // user holds the mouse still; then it leaves the view.
    bool HoverView(int x, int y) const;
    void LeaveView() const;

private:
    static bool Click(void* dialog, int controlId);

    void* hostWindow_;
};
