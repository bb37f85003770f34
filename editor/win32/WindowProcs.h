// The window and dialog procedures of the editor, and the names under which
// windows find their editor.
#pragma once

#include <windows.h>

class CSynthEditor;
struct DrawingSet;

constexpr char kMainViewClass[] = "OR_GUI_MAIN_WINDOW";
constexpr char kControlsEditorProperty[] = "ControlInstancePointer";
constexpr char kSettingsEditorProperty[] = "SettingsInstancePointer";
constexpr UINT_PTR kFrameTimerId = 1;

LRESULT CALLBACK MainViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ControlsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SettingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The drawing set of the editor that owns the dialog; null before it exists.
const DrawingSet* DrawingSetOf(CSynthEditor& editor);
