// The window system behind the editor: the calls that create, show, move
// and destroy its three windows and the renderer, and that touch dialog
// controls. The Win32 glue installs its implementation when the module
// loads; without one (native builds) the editor runs on a headless stand-in
// whose windows are bare tokens, so its logic runs and is testable anywhere.
// Everything here runs on the host's user-interface thread.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "os/Window.h"

class CSynthEditor;
class CParamControl;
class CEditorListener;
struct ViewPicture;

class CEditorWindows {
public:
    virtual ~CEditorWindows() = default;

    // The main view's class, registered once for every editor of the
    // process; registering finds an existing class first.
    virtual bool RegisterViewClass() = 0;
    virtual void UnregisterViewClass() = 0;

    // Null on failure. The main view is created hidden with the editor
    // attached, width by height pixels, and starts its frame timer.
    virtual os::WindowHandle CreateMainView(os::WindowHandle parent, int width, int height) = 0;
    virtual os::WindowHandle CreateControlsDialog(os::WindowHandle parent) = 0;
    virtual os::WindowHandle CreateSettingsDialog(os::WindowHandle parent) = 0;
    virtual void DestroyWindow(os::WindowHandle window) = 0;
    virtual void ShowWindow(os::WindowHandle window, bool show) = 0;
    virtual bool IsWindowShown(os::WindowHandle window) = 0;
    // Moves without changing the Z order.
    virtual void MoveWindow(os::WindowHandle window, int x, int y, int width, int height) = 0;
    virtual void SetFocus(os::WindowHandle window) = 0;
    virtual void EndDialog(os::WindowHandle dialog, intptr_t result) = 0;

    // The same as a click: the dialog procedure handles it before this
    // returns.
    virtual void SendCommand(os::WindowHandle dialog, int controlId) = 0;
    virtual void ShowItem(os::WindowHandle dialog, int controlId, bool show) = 0;

    // Turns the parameter's value text into a draggable, coloured control;
    // the parameter's lock is held and its dialog set.
    virtual void AttachValueText(CParamControl& parameter) = 0;

    // Brushes and pens of the owner-drawn buttons; made once, kept until the
    // editor goes.
    virtual void CreateDrawingSet() = 0;

    // Creates the renderer on the view, width by height pixels, and sets it
    // up. On success the display components and the renderer are appended
    // to syncList and true is returned; on failure the renderer stays
    // without components.
    virtual bool CreateRenderer(os::WindowHandle view, int width, int height,
                                std::vector<CEditorListener*>& syncList) = 0;
    virtual void RenderFrame() = 0;
    virtual void NotifySettingsApplied() = 0;
    virtual void DestroyRenderer() = 0;

    // Draws a frame now and copies it as presented; false without a device
    // or while it is lost.
    virtual bool CaptureView(ViewPicture& picture) = 0;
    // Encodes the picture as a PNG file at path; false on any failure, with
    // no file left behind.
    virtual bool WritePicture(const std::string& path, const ViewPicture& picture) = 0;

    virtual void SetFrameTimer(os::WindowHandle view, int32_t periodMs) = 0;
    // Dots per inch of the screen the window is on (the main screen for
    // null); 96 is 100 %.
    virtual int ScreenDpi(os::WindowHandle window) = 0;
    virtual bool IsKeyDown(int32_t virtualKey) = 0;

    // Hands the page (a file path or a web address) to the user's browser.
    virtual void OpenDocument(os::WindowHandle owner, const std::string& target) = 0;
};

using EditorWindowsFactory = std::unique_ptr<CEditorWindows> (*)(CSynthEditor& editor);

// The factory the next editors use; null goes back to the headless one.
void SetEditorWindowsFactory(EditorWindowsFactory factory);
std::unique_ptr<CEditorWindows> CreateEditorWindows(CSynthEditor& editor);
