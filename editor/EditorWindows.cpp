// The factory of the editor's window system, and the headless stand-in that
// serves when no window system was installed: windows are distinct tokens,
// nothing is drawn and every call succeeds
// except those that need a picture.
#include "editor/EditorWindows.h"

#include <atomic>

namespace {

std::atomic<EditorWindowsFactory> gFactory{nullptr};

class CHeadlessWindows final : public CEditorWindows {
public:
    bool RegisterViewClass() override { return true; }
    void UnregisterViewClass() override {}
    os::WindowHandle CreateMainView(os::WindowHandle, int, int) override { return NewToken(); }
    os::WindowHandle CreateControlsDialog(os::WindowHandle) override { return NewToken(); }
    os::WindowHandle CreateSettingsDialog(os::WindowHandle) override { return NewToken(); }
    void DestroyWindow(os::WindowHandle) override {}
    void ShowWindow(os::WindowHandle, bool) override {}
    bool IsWindowShown(os::WindowHandle) override { return false; }
    void MoveWindow(os::WindowHandle, int, int, int, int) override {}
    void SetFocus(os::WindowHandle) override {}
    void EndDialog(os::WindowHandle, intptr_t) override {}
    void SendCommand(os::WindowHandle, int) override {}
    void ShowItem(os::WindowHandle, int, bool) override {}
    void AttachValueText(CParamControl&) override {}
    void CreateDrawingSet() override {}
    bool CreateRenderer(os::WindowHandle, int, int, std::vector<CEditorListener*>&) override {
        return true;
    }
    void RenderFrame() override {}
    void NotifySettingsApplied() override {}
    void DestroyRenderer() override {}
    // Nothing is drawn, so there is nothing to capture or write.
    bool CaptureView(ViewPicture&) override { return false; }
    bool WritePicture(const std::string&, const ViewPicture&) override { return false; }
    void SetFrameTimer(os::WindowHandle, int32_t) override {}
    int ScreenDpi(os::WindowHandle) override { return 96; }
    bool IsKeyDown(int32_t) override { return false; }
    void OpenDocument(os::WindowHandle, const std::string&) override {}

private:
    // Tokens are never dereferenced; distinct values keep the stand-in
    // dialogs of the POSIX side apart.
    static os::WindowHandle NewToken() {
        static std::atomic<uintptr_t> next{0x1000};
        return reinterpret_cast<os::WindowHandle>(next.fetch_add(0x10));
    }
};

}  // namespace

void SetEditorWindowsFactory(EditorWindowsFactory factory) {
    gFactory.store(factory);
}

std::unique_ptr<CEditorWindows> CreateEditorWindows(CSynthEditor& editor) {
    const EditorWindowsFactory factory = gFactory.load();
    if (factory != nullptr) return factory(editor);
    return std::make_unique<CHeadlessWindows>();
}
