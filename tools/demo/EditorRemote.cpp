// CEditorRemote: the view is the host window's child of the editor's view
// class, the panel is its next sibling, and the settings dialog is a pop-up
// owned by the host window.
#include "tools/demo/EditorRemote.h"

#include <windows.h>

namespace {

constexpr char kViewClass[] = "OR_GUI_MAIN_WINDOW";
constexpr char kSettingsTitle[] = "Vantoscope Settings";

struct OwnedSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwnedSettings(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<OwnedSearch*>(parameter);
    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    if (GetWindow(window, GW_OWNER) != search->owner || lstrcmpA(title, kSettingsTitle) != 0) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

}  // namespace

void* CEditorRemote::View() const {
    return FindWindowExA(static_cast<HWND>(hostWindow_), nullptr, kViewClass, nullptr);
}

void* CEditorRemote::ControlsPanel() const {
    const HWND view = static_cast<HWND>(View());
    return view != nullptr ? GetWindow(view, GW_HWNDNEXT) : nullptr;
}

void* CEditorRemote::SettingsDialog() const {
    OwnedSearch search{static_cast<HWND>(hostWindow_), nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindOwnedSettings, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool CEditorRemote::Press(int controlId) const {
    return Click(ControlsPanel(), controlId);
}

bool CEditorRemote::PressInSettings(int controlId) const {
    return Click(SettingsDialog(), controlId);
}

bool CEditorRemote::Command(int controlId) const {
    const HWND panel = static_cast<HWND>(ControlsPanel());
    const HWND button = panel != nullptr ? GetDlgItem(panel, controlId) : nullptr;
    if (button == nullptr) return false;
    SendMessageA(panel, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    return true;
}

bool CEditorRemote::Click(void* dialog, int controlId) {
    const HWND button =
        dialog != nullptr ? GetDlgItem(static_cast<HWND>(dialog), controlId) : nullptr;
    if (button == nullptr) return false;
    SendMessageA(button, BM_CLICK, 0, 0);
    return true;
}

bool CEditorRemote::ViewCommand(int commandId) const {
    const HWND view = static_cast<HWND>(View());
    if (view == nullptr) return false;
    SendMessageA(view, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
    return true;
}

// The real pointer goes there too, or the view's leave tracking would find
// it outside and take the readout away at once.
bool CEditorRemote::HoverView(int x, int y) const {
    const HWND view = static_cast<HWND>(View());
    if (view == nullptr) return false;
    POINT screen{x, y};
    ClientToScreen(view, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageA(view, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    return true;
}

void CEditorRemote::LeaveView() const {
    SetCursorPos(0, 0);
    const HWND view = static_cast<HWND>(View());
    if (view != nullptr) SendMessageA(view, WM_MOUSELEAVE, 0, 0);
}
