// The view's popup menu: built from the view menu commands' entries each
// time it opens and owned by the view window, which receives the chosen
// item as WM_COMMAND.
#pragma once

#include <windows.h>

class CSynthEditor;

// Opens the menu at a point in screen coordinates and returns once it has
// closed. Frames keep coming meanwhile: the menu's modal loop dispatches the
// view's timer messages.
void ShowViewMenu(HWND view, CSynthEditor& editor, POINT screenPoint);

// Where a WM_CONTEXTMENU asks for the menu: the given screen point of a
// click, or for the keyboard's (-1, -1) the cursor when it is over the view,
// else the view's centre.
POINT ViewMenuPoint(HWND view, LPARAM lParam);
