// The editor's windows on Win32: the main view class and window, the two
// dialogs from the module's resources, the drawing set and the renderer.
#pragma once

#include <windows.h>

#include <memory>

#include "editor/EditorWindows.h"
#include "editor/win32/DrawingSet.h"

class CD3DRenderer;

class CWin32EditorWindows final : public CEditorWindows {
public:
    explicit CWin32EditorWindows(CSynthEditor& editor);
    ~CWin32EditorWindows() override;

    bool RegisterViewClass() override;
    void UnregisterViewClass() override;
    os::WindowHandle CreateMainView(os::WindowHandle parent, int width, int height) override;
    os::WindowHandle CreateControlsDialog(os::WindowHandle parent) override;
    os::WindowHandle CreateSettingsDialog(os::WindowHandle parent) override;
    void DestroyWindow(os::WindowHandle window) override;
    void ShowWindow(os::WindowHandle window, bool show) override;
    bool IsWindowShown(os::WindowHandle window) override;
    void MoveWindow(os::WindowHandle window, int x, int y, int width, int height) override;
    void SetFocus(os::WindowHandle window) override;
    void EndDialog(os::WindowHandle dialog, intptr_t result) override;
    void SendCommand(os::WindowHandle dialog, int controlId) override;
    void ShowItem(os::WindowHandle dialog, int controlId, bool show) override;
    void AttachValueText(CParamControl& parameter) override;
    void CreateDrawingSet() override;
    bool CreateRenderer(os::WindowHandle view, int width, int height,
                        std::vector<CEditorListener*>& syncList) override;
    void RenderFrame() override;
    void NotifySettingsApplied() override;
    void DestroyRenderer() override;
    bool CaptureView(ViewPicture& picture) override;
    bool WritePicture(const std::string& path, const ViewPicture& picture) override;
    void SetFrameTimer(os::WindowHandle view, int32_t periodMs) override;
    int ScreenDpi(os::WindowHandle window) override;
    bool IsKeyDown(int32_t virtualKey) override;
    void OpenDocument(os::WindowHandle owner, const std::string& target) override;

    const DrawingSet* Drawing() const { return drawingSet_.get(); }

private:
    // Hands the component to the renderer and its listener to the frame's
    // sync list.
    template <typename Component>
    void AddComponent(std::unique_ptr<Component> component,
                      std::vector<CEditorListener*>& syncList);

    HWND CreateDialogAtSize(int templateId, HWND parent, DLGPROC procedure);
    void PlaceControlsAsAt100(HWND dialog, int templateId, HWND parent);

    CSynthEditor& editor_;
    std::unique_ptr<DrawingSet> drawingSet_;
    std::unique_ptr<CD3DRenderer> renderer_;
};
