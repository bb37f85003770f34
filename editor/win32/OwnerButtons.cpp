// The drawing set and the owner-drawn buttons of both dialogs.
#include "editor/win32/OwnerButtons.h"

#include "editor/win32/DrawingSet.h"

DrawingSet::DrawingSet()
    : faceBrush(CreateSolidBrush(RGB(0, 0, 180))),
      onBrush(CreateSolidBrush(RGB(0, 255, 0))),
      offBrush(CreateSolidBrush(RGB(100, 100, 100))),
      disabledBrush(CreateSolidBrush(RGB(50, 50, 50))),
      lightPen(CreatePen(PS_SOLID, 1, RGB(255, 255, 255))),
      shadowPen(CreatePen(PS_SOLID, 1, RGB(128, 128, 128))) {}

DrawingSet::~DrawingSet() {
    DeleteObject(faceBrush);
    DeleteObject(onBrush);
    DeleteObject(offBrush);
    DeleteObject(lightPen);
    DeleteObject(shadowPen);
    DeleteObject(disabledBrush);
}

namespace {

bool IsPressed(const DRAWITEMSTRUCT& item) {
    return (item.itemState & ODS_FOCUS) != 0 &&
           (item.itemState & (ODS_SELECTED | ODS_CHECKED)) != 0;
}

bool IsDisabled(const DRAWITEMSTRUCT& item) {
    return (item.itemState & (ODS_DISABLED | ODS_INACTIVE)) != 0;
}

void Line(HDC dc, HPEN pen, int x0, int y0, int x1, int y1) {
    const HGDIOBJ previous = SelectObject(dc, pen);
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
    SelectObject(dc, previous);
}

// The indicator's top and bottom: a bar in the lowest fifth of the button.
void IndicatorRows(const RECT& rect, LONG& top, LONG& bottom) {
    const float height = static_cast<float>(rect.bottom - rect.top);
    top = static_cast<LONG>(height * 4.0f / 5.0f);
    bottom = static_cast<LONG>(static_cast<float>(top) + height * 0.125f);
}

}  // namespace

void DrawOwnerButton(const DrawingSet& set, int controlId, HWND dialog, const DRAWITEMSTRUCT& item,
                     int liftPixels) {
    char caption[256] = {};
    GetDlgItemTextA(dialog, controlId, caption, sizeof caption);
    FillRect(item.hDC, &item.rcItem, set.faceBrush);
    const COLORREF colour = IsDisabled(item)  ? set.disabledText
                            : IsPressed(item) ? set.pressedText
                                              : set.normalText;
    const COLORREF previous = SetTextColor(item.hDC, colour);
    SetBkMode(item.hDC, TRANSPARENT);
    RECT textRect = item.rcItem;
    textRect.top -= liftPixels;
    textRect.bottom -= liftPixels;
    DrawTextA(item.hDC, caption, -1, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SetTextColor(item.hDC, previous);
    DrawButtonEdges(set, item.hDC, item.rcItem, IsPressed(item));
}

void DrawButtonEdges(const DrawingSet& set, HDC dc, const RECT& rect, bool pressed) {
    const HPEN light = pressed ? set.shadowPen : set.lightPen;
    const HPEN dark = pressed ? set.lightPen : set.shadowPen;
    Line(dc, light, rect.left, rect.top, rect.right, rect.top);
    Line(dc, light, rect.left, rect.top, rect.left, rect.bottom);
    Line(dc, dark, rect.left + 1, rect.bottom - 1, rect.right, rect.bottom - 1);
    Line(dc, dark, rect.right - 1, rect.top + 1, rect.right - 1, rect.bottom);
}

void DrawToggleButton(const DrawingSet& set, int controlId, HWND dialog, const DRAWITEMSTRUCT& item,
                      bool on) {
    DrawOwnerButton(set, controlId, dialog, item, 2);
    const float width = static_cast<float>(item.rcItem.right - item.rcItem.left);
    const float bar = width / 5.0f;
    RECT indicator;
    indicator.left = static_cast<LONG>(width * 0.5f - bar * 0.5f);
    indicator.right = static_cast<LONG>(static_cast<float>(indicator.left) + bar);
    IndicatorRows(item.rcItem, indicator.top, indicator.bottom);
    const HBRUSH brush = IsDisabled(item) ? set.disabledBrush : on ? set.onBrush : set.offBrush;
    FillRect(item.hDC, &indicator, brush);
}

void DrawThreeWayButton(const DrawingSet& set, int controlId, HWND dialog,
                        const DRAWITEMSTRUCT& item, int state) {
    DrawOwnerButton(set, controlId, dialog, item, 2);
    const float segment =
        static_cast<float>(item.rcItem.right - item.rcItem.left - 4) / 3.0f - 1.0f;
    RECT indicator;
    IndicatorRows(item.rcItem, indicator.top, indicator.bottom);
    for (int i = 0; i < 3; ++i) {
        indicator.left = static_cast<LONG>(static_cast<float>(i) * segment + 2.0f) + i;
        indicator.right = indicator.left + static_cast<LONG>(segment);
        const HBRUSH brush = IsDisabled(item) ? set.disabledBrush
                             : i == state     ? set.onBrush
                                              : set.offBrush;
        FillRect(item.hDC, &indicator, brush);
    }
}
