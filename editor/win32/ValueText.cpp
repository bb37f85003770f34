// The value texts' subclass and the colouring subclass of their dialogs.
// Everything runs on the user-interface thread.
#include "editor/win32/ValueText.h"

#include "editor/win32/WindowProcs.h"
#include "params/ParamControl.h"

namespace {

constexpr char kOriginalProc[] = "Original_Proc";
constexpr char kOriginalFont[] = "Original_font";
constexpr char kUnderlinedFont[] = "Should_Underlines";
constexpr char kColourMark[] = "Should_Colour";
constexpr COLORREF kValueColour = RGB(255, 255, 0);

// Shared by every value text: a press always sets it, so a drag starts from
// the press point of the text being dragged.
int gLastDragY = 0;

WNDPROC OriginalProc(HWND window) {
    return reinterpret_cast<WNDPROC>(GetPropA(window, kOriginalProc));
}

void SetFont(HWND text, const char* property) {
    SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(GetPropA(text, property)), FALSE);
}

CParamControl* ParameterOf(HWND text) {
    return reinterpret_cast<CParamControl*>(GetWindowLongPtrA(text, GWLP_USERDATA));
}

// The host hears of the press and release of an automatable value, so it
// can group the drag into one undo step.
void ReportEdit(HWND text, bool begin) {
    CParamControl* parameter = ParameterOf(text);
    if (parameter == nullptr) return;
    if (begin) {
        parameter->BeginEdit();
    } else {
        parameter->EndEdit();
    }
}

void DragStep(HWND text, WPARAM wParam, int y) {
    CParamControl* parameter = ParameterOf(text);
    const int dy = gLastDragY - y;
    if (parameter != nullptr) {
        const float delta = (wParam & MK_CONTROL) != 0
                                ? (dy > 0 ? 1.0f : -1.0f)
                                : static_cast<float>(dy) * parameter->Spec().step;
        parameter->AddDelta(delta);
    }
    gLastDragY = y;
}

void EndHoverIfOutside(HWND text, LPARAM lParam) {
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(text, &point);
    RECT bounds;
    GetWindowRect(text, &bounds);
    if (PtInRect(&bounds, point)) return;
    SetFont(text, kOriginalFont);
    InvalidateRect(text, nullptr, FALSE);
    ReleaseCapture();
}

void Detach(HWND text) {
    SetWindowLongPtrA(text, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OriginalProc(text)));
    RemovePropA(text, kOriginalProc);
    SetFont(text, kOriginalFont);
    RemovePropA(text, kOriginalFont);
    DeleteObject(static_cast<HFONT>(RemovePropA(text, kUnderlinedFont)));
    RemovePropA(text, kColourMark);
}

}  // namespace

void AttachValueTextControl(CParamControl& parameter) {
    HWND text = GetDlgItem(static_cast<HWND>(parameter.Dialog()), parameter.Spec().valueControl);
    if (text == nullptr) return;
    HWND dialog = GetParent(text);
    if (dialog != nullptr &&
        GetWindowLongPtrA(dialog, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(DialogColourProc)) {
        SetPropA(dialog, kOriginalProc,
                 reinterpret_cast<HANDLE>(GetWindowLongPtrA(dialog, GWLP_WNDPROC)));
        SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DialogColourProc));
    }
    SetWindowLongPtrA(text, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&parameter));
    SetWindowLongPtrA(text, GWL_STYLE, GetWindowLongPtrA(text, GWL_STYLE) | SS_NOTIFY);
    SetPropA(text, kOriginalProc, reinterpret_cast<HANDLE>(GetWindowLongPtrA(text, GWLP_WNDPROC)));
    SetWindowLongPtrA(text, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ValueTextProc));

    auto font = reinterpret_cast<HFONT>(SendMessageA(text, WM_GETFONT, 0, 0));
    SetPropA(text, kOriginalFont, font);
    LOGFONTA description{};
    GetObjectA(font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT), sizeof description,
               &description);
    description.lfUnderline = 1;
    SetPropA(text, kUnderlinedFont, CreateFontIndirectA(&description));
    SetPropA(text, kColourMark, reinterpret_cast<HANDLE>(1));
}

LRESULT CALLBACK ValueTextProc(HWND text, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC original = OriginalProc(text);
    switch (message) {
        case WM_SETCURSOR: {
            HCURSOR hand = LoadCursor(nullptr, IDC_HAND);
            SetCursor(hand != nullptr ? hand : LoadCursor(nullptr, IDC_ARROW));
            return 1;
        }
        case WM_MOUSEMOVE:
            if (GetCapture() != text) {
                SetFont(text, kUnderlinedFont);
                SetCapture(text);
            } else if ((wParam & MK_LBUTTON) != 0) {
                DragStep(text, wParam, static_cast<short>(HIWORD(lParam)));
            } else {
                EndHoverIfOutside(text, lParam);
            }
            break;
        case WM_LBUTTONDOWN:
            SetCapture(text);
            gLastDragY = static_cast<short>(HIWORD(lParam));
            ReportEdit(text, true);
            break;
        case WM_LBUTTONUP:
            SetFont(text, kOriginalFont);
            ReleaseCapture();
            ReportEdit(text, false);
            break;
        case WM_DESTROY:
            Detach(text);
            break;
        default:
            break;
    }
    return CallWindowProcA(original, text, message, wParam, lParam);
}

LRESULT CALLBACK DialogColourProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC original = OriginalProc(dialog);
    switch (message) {
        case WM_DESTROY:
            SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
            RemovePropA(dialog, kOriginalProc);
            break;
        case WM_CTLCOLORSTATIC: {
            const auto hdc = reinterpret_cast<HDC>(wParam);
            if (GetPropA(reinterpret_cast<HWND>(lParam), kColourMark) != nullptr) {
                const LRESULT result = CallWindowProcA(original, dialog, message, wParam, lParam);
                SetTextColor(hdc, kValueColour);
                return result;
            }
            SetTextColor(hdc, RGB(255, 255, 255));
            SetBkMode(hdc, TRANSPARENT);
            break;
        }
        default:
            break;
    }
    return CallWindowProcA(original, dialog, message, wParam, lParam);
}
