// Drawing of the editor's owner-drawn buttons: a blue face with a caption,
// a light and a dark edge that swap when pressed, and for toggles and
// three-way switches an indicator bar under the caption.
#pragma once

#include <windows.h>

struct DrawingSet;

void DrawOwnerButton(const DrawingSet& set, int controlId, HWND dialog, const DRAWITEMSTRUCT& item,
                     int liftPixels);
void DrawToggleButton(const DrawingSet& set, int controlId, HWND dialog, const DRAWITEMSTRUCT& item,
                      bool on);
void DrawThreeWayButton(const DrawingSet& set, int controlId, HWND dialog,
                        const DRAWITEMSTRUCT& item, int state);
void DrawButtonEdges(const DrawingSet& set, HDC dc, const RECT& rect, bool pressed);
