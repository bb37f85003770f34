// The brushes, pens and text colours of every owner-drawn button of the
// editor's dialogs. Made by the first open of an editor and kept until the
// editor goes; the GDI objects are released in the order they must be.
#pragma once

#include <windows.h>

struct DrawingSet {
    DrawingSet();
    ~DrawingSet();
    DrawingSet(const DrawingSet&) = delete;
    DrawingSet& operator=(const DrawingSet&) = delete;

    HBRUSH faceBrush;
    HBRUSH onBrush;
    HBRUSH offBrush;
    HBRUSH disabledBrush;
    HPEN lightPen;
    HPEN shadowPen;
    COLORREF normalText = RGB(200, 200, 0);
    COLORREF pressedText = RGB(255, 255, 255);
    COLORREF disabledText = RGB(70, 70, 70);
};
