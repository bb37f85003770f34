// ControlsDlgProc: the controls panel below the 3D view. Button actions are
// the editor's; this procedure draws the panel and routes its messages.
#include "diag/Log.h"
#include "editor/SynthEditor.h"
#include "editor/win32/OwnerButtons.h"
#include "editor/win32/WindowProcs.h"
#include "os/Folders.h"
#include "resources/resource.h"

namespace {

constexpr char kLogSource[] = "SynthEditor";

// Shared by every panel of the process: made by the first, freed with the
// last.
int gLivePanels = 0;
HBITMAP gPanelBitmap = nullptr;
HBRUSH gPanelBrush = nullptr;

// A panel larger than 100 % has the picture drawn to its own size.
constexpr char kScaledBrushProperty[] = "Vantoscope.PanelBrush";
constexpr char kScaledBitmapProperty[] = "Vantoscope.PanelBitmap";

CSynthEditor* EditorOf(HWND dialog) {
    return static_cast<CSynthEditor*>(GetPropA(dialog, kControlsEditorProperty));
}

bool IsToggle(int id) {
    switch (id) {
        case IDC_FREEZE:
        case IDC_PEAKS:
        case IDC_AXIS_TOGGLE:
        case IDC_HERTZ:
        case IDC_2D_VIEW:
        case IDC_LABELS:
        case IDC_METER:
        case IDC_SHOW_LOG:
            return true;
        default:
            return id >= IDC_REFERENCE_A && id <= IDC_REFERENCE_D;
    }
}

// The panel's picture drawn for percent; for a size without one, the
// shared picture stretched smoothly to it.
void MakeScaledBrush(HWND dialog, int percent) {
    const int resource = percent == 125   ? IDB_CONTROLS_PANEL_125
                         : percent == 150 ? IDB_CONTROLS_PANEL_150
                         : percent == 200 ? IDB_CONTROLS_PANEL_200
                                          : 0;
    HBITMAP drawn = resource != 0 ? LoadBitmapA(static_cast<HINSTANCE>(os::ModuleInstance()),
                                                MAKEINTRESOURCEA(resource))
                                  : nullptr;
    if (drawn != nullptr) {
        SetPropA(dialog, kScaledBitmapProperty, drawn);
        SetPropA(dialog, kScaledBrushProperty, CreatePatternBrush(drawn));
        return;
    }
    BITMAP source{};
    if (gPanelBitmap == nullptr || GetObjectA(gPanelBitmap, sizeof source, &source) == 0) return;
    const int width = source.bmWidth * percent / 100, height = source.bmHeight * percent / 100;
    HDC screen = GetDC(nullptr);
    HDC from = CreateCompatibleDC(screen), to = CreateCompatibleDC(screen);
    HBITMAP scaled = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ oldFrom = SelectObject(from, gPanelBitmap), oldTo = SelectObject(to, scaled);
    SetStretchBltMode(to, HALFTONE);
    SetBrushOrgEx(to, 0, 0, nullptr);
    StretchBlt(to, 0, 0, width, height, from, 0, 0, source.bmWidth, source.bmHeight, SRCCOPY);
    SelectObject(to, oldTo);
    SelectObject(from, oldFrom);
    DeleteDC(to);
    DeleteDC(from);
    ReleaseDC(nullptr, screen);
    SetPropA(dialog, kScaledBitmapProperty, scaled);
    SetPropA(dialog, kScaledBrushProperty, CreatePatternBrush(scaled));
}

HBRUSH PanelBrushOf(HWND dialog) {
    auto brush = static_cast<HBRUSH>(GetPropA(dialog, kScaledBrushProperty));
    return brush != nullptr ? brush : gPanelBrush;
}

void OnInitDialog(HWND dialog, int percent) {
    VS_LOG("Controls Create");
    if (gLivePanels == 0) {
        gPanelBitmap = LoadBitmapA(static_cast<HINSTANCE>(os::ModuleInstance()),
                                   MAKEINTRESOURCEA(IDB_CONTROLS_PANEL));
        if (gPanelBitmap == nullptr) {
            VS_LOG_ERROR("Could not load bitmap");
        } else {
            gPanelBrush = CreatePatternBrush(gPanelBitmap);
        }
    }
    ++gLivePanels;
    if (percent > 100) MakeScaledBrush(dialog, percent);
}

void OnDestroy(HWND dialog) {
    VS_LOG("ControlsDlgProc: WM_DESTROY");
    if (--gLivePanels == 0) {
        VS_LOG("Deleting Brush as closing last dialog");
        DeleteObject(gPanelBrush);
        DeleteObject(gPanelBitmap);
        gPanelBrush = nullptr;
        gPanelBitmap = nullptr;
    }
    RemovePropA(dialog, kControlsEditorProperty);
    DeleteObject(static_cast<HGDIOBJ>(RemovePropA(dialog, kScaledBrushProperty)));
    DeleteObject(static_cast<HGDIOBJ>(RemovePropA(dialog, kScaledBitmapProperty)));
}

void OnDrawItem(HWND dialog, CSynthEditor& editor, const DRAWITEMSTRUCT& item) {
    const DrawingSet* set = DrawingSetOf(editor);
    if (set == nullptr) return;
    const int id = static_cast<int>(item.CtlID);
    if (id == IDC_RENDER_MODE) {
        DrawThreeWayButton(*set, id, dialog, item, editor.State().Fill());
    } else if (id == IDC_GENERATOR) {
        DrawThreeWayButton(*set, id, dialog, item, editor.State().Generator().Mode());
    } else if (IsToggle(id)) {
        DrawToggleButton(*set, id, dialog, item, editor.PanelCommands().GetToggleState(id));
    } else {
        DrawOwnerButton(*set, id, dialog, item, 0);
    }
}

// The statics are transparent over the panel's picture: the brush origin
// lines the pattern up with the dialog's own background.
HBRUSH OnStaticColour(HWND dialog, HDC dc, HWND control) {
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    POINT origin{0, 0};
    MapWindowPoints(control, dialog, &origin, 1);
    SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
    return PanelBrushOf(dialog);
}

}  // namespace

INT_PTR CALLBACK ControlsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    CSynthEditor* editor = EditorOf(dialog);
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog(dialog, static_cast<int>(lParam));
            return 1;
        case WM_DESTROY:
            OnDestroy(dialog);
            return 1;
        case WM_SHOWWINDOW:
            if (wParam == 0) return 1;
            VS_LOG("ControlsDlgProc: show window");
            SetDlgItemTextA(dialog, IDC_VERSION, CPanelCommands::VersionText().c_str());
            return 0;
        case WM_COMMAND: {
            if (editor == nullptr) return 0;
            const int id = LOWORD(wParam);
            const bool handled = editor->PanelCommands().OnCommand(id);
            // Toggles and switches show their state in their indicator.
            if (handled) InvalidateRect(GetDlgItem(dialog, id), nullptr, FALSE);
            return handled ? 1 : 0;
        }
        case WM_DRAWITEM:
            if (editor != nullptr)
                OnDrawItem(dialog, *editor, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return 1;
        case WM_CTLCOLORDLG:
            return reinterpret_cast<INT_PTR>(PanelBrushOf(dialog));
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<INT_PTR>(OnStaticColour(dialog, reinterpret_cast<HDC>(wParam),
                                                            reinterpret_cast<HWND>(lParam)));
        case WM_CHANGEUISTATE:
        case WM_UPDATEUISTATE:
            return 1;
        default:
            return 0;
    }
}
