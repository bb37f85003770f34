// The popup menu of the view, made from its entries and destroyed when it
// closes.
#include "editor/win32/ViewMenu.h"

#include <string>
#include <vector>

#include "editor/SynthEditor.h"

namespace {

void AppendEntries(HMENU menu, const std::vector<ViewMenuEntry>& entries);

void AppendEntry(HMENU menu, const ViewMenuEntry& entry) {
    if (!entry.children.empty()) {
        HMENU submenu = CreatePopupMenu();
        AppendEntries(submenu, entry.children);
        // The menu owns the submenu from here and destroys it with itself.
        AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu),
                    entry.caption.c_str());
        return;
    }
    if (entry.id == 0) {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        return;
    }
    // A tab puts the shortcut in the menu's right-aligned column.
    const std::string text =
        entry.shortcut.empty() ? entry.caption : entry.caption + "\t" + entry.shortcut;
    AppendMenuA(menu, MF_STRING | (entry.checked ? MF_CHECKED : MF_UNCHECKED),
                static_cast<UINT_PTR>(entry.id), text.c_str());
}

void AppendEntries(HMENU menu, const std::vector<ViewMenuEntry>& entries) {
    for (const ViewMenuEntry& entry : entries) AppendEntry(menu, entry);
}

}  // namespace

void ShowViewMenu(HWND view, CSynthEditor& editor, POINT screenPoint) {
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr) return;
    AppendEntries(menu, editor.ViewMenu().Entries());
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screenPoint.x,
                   screenPoint.y, 0, view, nullptr);
    DestroyMenu(menu);
}

POINT ViewMenuPoint(HWND view, LPARAM lParam) {
    const POINT given{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (given.x != -1 || given.y != -1) return given;
    RECT client;
    GetClientRect(view, &client);
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(view, &point);
    if (!PtInRect(&client, point)) point = POINT{client.right / 2, client.bottom / 2};
    ClientToScreen(view, &point);
    return point;
}
