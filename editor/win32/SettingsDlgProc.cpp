// SettingsDlgProc: the settings pop-up. It loads the settings each time it
// is shown; "Apply" and "Close" write them back through the editor.
#include "diag/Log.h"
#include "editor/SynthEditor.h"
#include "editor/win32/OwnerButtons.h"
#include "editor/win32/WindowProcs.h"
#include "resources/resource.h"

namespace {

constexpr char kLogSource[] = "SynthEditor";

int gLiveSettingsDialogs = 0;

CSynthEditor* EditorOf(HWND dialog) {
    return static_cast<CSynthEditor*>(GetPropA(dialog, kSettingsEditorProperty));
}

void OnDrawItem(HWND dialog, CSynthEditor& editor, const DRAWITEMSTRUCT& item) {
    const DrawingSet* set = DrawingSetOf(editor);
    if (set == nullptr) return;
    const int id = static_cast<int>(item.CtlID);
    if (id == IDC_SHOW_DEBUG_PANE) {
        DrawToggleButton(*set, id, dialog, item, editor.PanelCommands().GetToggleState(id));
    } else {
        DrawOwnerButton(*set, id, dialog, item, 0);
    }
}

}  // namespace

INT_PTR CALLBACK SettingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    CSynthEditor* editor = EditorOf(dialog);
    switch (message) {
        case WM_INITDIALOG:
            ++gLiveSettingsDialogs;
            VS_LOG("Settings Window Create");
            return 1;
        case WM_DESTROY:
            VS_LOG("SettingsDlgProc: WM_DESTROY");
            --gLiveSettingsDialogs;
            RemovePropA(dialog, kSettingsEditorProperty);
            return 1;
        case WM_SHOWWINDOW:
            if (wParam != 0 && editor != nullptr) {
                VS_LOG("SettingsDlgProc: show window");
                editor->SettingsCommands().Load();
            }
            return 0;
        case WM_COMMAND: {
            if (editor == nullptr) return 0;
            const int id = LOWORD(wParam);
            const bool handled = editor->SettingsCommands().OnCommand(id);
            if (handled) InvalidateRect(GetDlgItem(dialog, id), nullptr, FALSE);
            return handled ? 1 : 0;
        }
        case WM_DRAWITEM:
            if (editor != nullptr)
                OnDrawItem(dialog, *editor, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return 1;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
            if (message == WM_CTLCOLORSTATIC) {
                SetTextColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
                SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            }
            return reinterpret_cast<INT_PTR>(GetStockObject(BLACK_BRUSH));
        default:
            return 0;
    }
}
