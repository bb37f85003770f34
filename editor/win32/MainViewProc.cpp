// MainViewProc: the 3D view's window. Its timer drives the frame loop; its
// mouse input becomes the editor's navigation state; a right-click without
// a drag, the Menu key or Shift+F10 opens its menu, whose commands (and
// Ctrl+S) arrive here.
#include "diag/Log.h"
#include "editor/SynthEditor.h"
#include "editor/win32/ViewMenu.h"
#include "editor/win32/WindowProcs.h"

namespace {

constexpr char kLogSource[] = "SynthEditor";
constexpr int kWheelNotch = WHEEL_DELTA;

CSynthEditor* EditorOf(HWND window) {
    return reinterpret_cast<CSynthEditor*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

POINT PointOf(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// The editor's state keeps the mouse in layout units (the pixels of the
// editor at 100 %), whatever size the editor has.
POINT LayoutPointOf(const CSynthEditor& editor, POINT pixels) {
    return POINT{editor.ToLayoutUnits(pixels.x), editor.ToLayoutUnits(pixels.y)};
}

void LogPlacement(const WINDOWPOS& placement) {
    VS_LOG("WM_WINDOWPOSCHANGED: x:" << placement.x << " y:" << placement.y
                                     << " w: " << placement.cx << " h: " << placement.cy
                                     << " flags:" << static_cast<unsigned>(placement.flags));
}

// The readout follows the mouse only while no button is held: a press
// starts navigation, and a drag must not leave a box behind.
void OnMouseMove(HWND window, CSynthEditor* editor, WPARAM wParam, LPARAM lParam) {
    if (editor == nullptr) return;
    const POINT point = LayoutPointOf(*editor, PointOf(lParam));
    const bool buttonHeld = (wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0;
    if (GetCapture() == window && (wParam & (MK_LBUTTON | MK_RBUTTON)) != 0) {
        editor->State().Navigation().cursorX = point.x;
        editor->State().Navigation().cursorY = point.y;
        editor->State().Navigation().dragging = 1;
    }
    HoverState& hover = editor->State().Hover();
    if (buttonHeld || editor->State().Navigation().dragging != 0) {
        hover.inside = false;
        return;
    }
    if (!hover.inside) {
        // Asked again on each entry: Windows ends the tracking when it sends
        // WM_MOUSELEAVE.
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
    }
    hover = HoverState{true, point.x, point.y};
}

void OnButtonDown(HWND window, CSynthEditor* editor, LPARAM lParam) {
    SetCapture(window);
    if (editor != nullptr) {
        const POINT point = LayoutPointOf(*editor, PointOf(lParam));
        editor->State().Hover().inside = false;
        NavigationState& navigation = editor->State().Navigation();
        navigation.cursorX = navigation.anchorX = point.x;
        navigation.cursorY = navigation.anchorY = point.y;
    }
    SetFocus(window);
}

void OnButtonUp(CSynthEditor* editor, LPARAM lParam) {
    ReleaseCapture();
    if (editor == nullptr) return;
    const POINT point = LayoutPointOf(*editor, PointOf(lParam));
    editor->State().Navigation().cursorX = point.x;
    editor->State().Navigation().cursorY = point.y;
    editor->State().Navigation().dragging = 0;
    editor->State().ReleaseAllKeys();
}

void OnWheel(HWND window, CSynthEditor* editor, WPARAM wParam, LPARAM lParam) {
    if (editor == nullptr) return;
    RECT bounds;
    GetWindowRect(window, &bounds);
    const POINT point = PointOf(lParam);
    const POINT inView = LayoutPointOf(*editor, POINT{point.x - bounds.left, point.y - bounds.top});
    editor->State().Navigation().cursorX = inView.x;
    editor->State().Navigation().cursorY = inView.y;
    editor->State().Navigation().wheelNotches = static_cast<short>(HIWORD(wParam)) / kWheelNotch;
}

// A right button released where it was pressed opens the menu; one that
// dragged has rotated the camera and stops there.
void OnRightButtonUp(HWND window, CSynthEditor* editor, LPARAM lParam) {
    const bool dragged = editor != nullptr && editor->State().Navigation().dragging != 0;
    OnButtonUp(editor, lParam);
    if (editor == nullptr || dragged) return;
    POINT point = PointOf(lParam);
    ClientToScreen(window, &point);
    ShowViewMenu(window, *editor, point);
}

// True when the key was one of the view's own.
bool OnKeyDown(HWND window, CSynthEditor* editor, WPARAM wParam) {
    if (editor == nullptr) return false;
    const ViewKeyResult result = CViewMenuCommands::KeyAction(
        static_cast<int32_t>(wParam), GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0);
    if (result.action == ViewKeyAction::kOpenMenu) {
        ShowViewMenu(window, *editor, ViewMenuPoint(window, -1));
    } else if (result.action == ViewKeyAction::kCommand) {
        editor->ViewMenu().Execute(result.commandId);
    }
    return result.action != ViewKeyAction::kNone;
}

}  // namespace

LRESULT CALLBACK MainViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CSynthEditor* editor = EditorOf(window);
    switch (message) {
        case WM_CREATE:
            VS_LOG("Main Window Create, turning on timer");
            SetTimer(window, kFrameTimerId, CFrameLoop::kFirstFramePeriodMs, nullptr);
            return 0;
        case WM_DESTROY:
            KillTimer(window, kFrameTimerId);
            VS_LOG("WndProc: WM_DESTROY");
            return 0;
        case WM_SETFOCUS:
        case WM_CHANGEUISTATE:
        case WM_UPDATEUISTATE:
            return 0;
        case WM_KILLFOCUS:
            if (editor != nullptr) editor->State().ReleaseAllKeys();
            return 0;
        case WM_WINDOWPOSCHANGED:
            LogPlacement(*reinterpret_cast<const WINDOWPOS*>(lParam));
            if (editor != nullptr) editor->PositionWindows();
            return 0;
        case WM_TIMER:
            if (editor != nullptr) editor->OnFrame(GetCapture() == window);
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(window, editor, wParam, lParam);
            return 0;
        case WM_MOUSELEAVE:
            if (editor != nullptr) editor->State().Hover().inside = false;
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            OnButtonDown(window, editor, lParam);
            return 0;
        case WM_LBUTTONUP:
        case WM_MBUTTONUP:
            OnButtonUp(editor, lParam);
            return 0;
        case WM_RBUTTONUP:
            OnRightButtonUp(window, editor, lParam);
            return 0;
        case WM_CONTEXTMENU:
            if (editor != nullptr) ShowViewMenu(window, *editor, ViewMenuPoint(window, lParam));
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (OnKeyDown(window, editor, wParam)) return 0;
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_KEYUP:
            // The system would open the menu a second time on the Menu
            // key's release.
            if (wParam == VK_APPS) return 0;
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_COMMAND:
            if (editor != nullptr && editor->ViewMenu().Execute(LOWORD(wParam))) return 0;
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_MOUSEWHEEL:
            OnWheel(window, editor, wParam, lParam);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}
