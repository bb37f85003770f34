// CWin32EditorWindows: what the editor's lifecycle asks of Win32, and the
// factory that the module installs when it loads.
#include "editor/win32/Win32EditorWindows.h"

#include <objbase.h>
#include <shellapi.h>

#include "diag/Log.h"
#include "editor/DialogTemplateFont.h"
#include "editor/EditorLayout.h"
#include "editor/SynthEditor.h"
#include "editor/win32/FaultSeam.h"
#include "editor/win32/PngFile.h"
#include "editor/win32/ValueText.h"
#include "editor/win32/WindowProcs.h"
#include "os/Folders.h"
#include "params/Settings.h"
#include "render/d3d9/D3DDrawBarGraph2D.h"
#include "render/d3d9/D3DDrawFPS.h"
#include "render/d3d9/D3DDrawLog.h"
#include "render/d3d9/D3DDrawMeter.h"
#include "render/d3d9/D3DDrawOptionsCaption.h"
#include "render/d3d9/D3DDrawWaterGraph.h"
#include "render/d3d9/D3DRenderer.h"
#include "resources/resource.h"

namespace {

constexpr char kLogSource[] = "SynthEditor";

HINSTANCE Module() {
    return static_cast<HINSTANCE>(os::ModuleInstance());
}

HWND Hwnd(os::WindowHandle window) {
    return static_cast<HWND>(window);
}

std::unique_ptr<CEditorWindows> MakeWin32Windows(CSynthEditor& editor) {
    return std::make_unique<CWin32EditorWindows>(editor);
}

// Every editor made in this module draws into real windows.
const bool gInstalled = (SetEditorWindowsFactory(&MakeWin32Windows), true);

}  // namespace

const DrawingSet* DrawingSetOf(CSynthEditor& editor) {
    return static_cast<CWin32EditorWindows&>(editor.Windows()).Drawing();
}

CWin32EditorWindows::CWin32EditorWindows(CSynthEditor& editor) : editor_(editor) {}

CWin32EditorWindows::~CWin32EditorWindows() {
    DestroyRenderer();
}

bool CWin32EditorWindows::RegisterViewClass() {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(Module(), kMainViewClass, &existing)) return true;
    if (FaultInjected("register")) return false;
    WNDCLASSEXA viewClass{};
    viewClass.cbSize = sizeof viewClass;
    viewClass.style = CS_HREDRAW | CS_VREDRAW;
    viewClass.lpfnWndProc = MainViewProc;
    viewClass.cbWndExtra = 8;
    viewClass.hInstance = Module();
    viewClass.hCursor = LoadCursor(nullptr, IDC_HAND);
    viewClass.lpszClassName = kMainViewClass;
    return RegisterClassExA(&viewClass) != 0;
}

void CWin32EditorWindows::UnregisterViewClass() {
    UnregisterClassA(kMainViewClass, Module());
}

os::WindowHandle CWin32EditorWindows::CreateMainView(os::WindowHandle parent, int width,
                                                     int height) {
    if (FaultInjected("window")) return nullptr;
    HWND view = CreateWindowExA(0, kMainViewClass, "Vantoscope", WS_CHILD, 0, 0, width, height,
                                Hwnd(parent), nullptr, Module(), nullptr);
    if (view != nullptr)
        SetWindowLongPtrA(view, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&editor_));
    return view;
}

namespace {

// Stands in for a dialog's own procedure while a copy is only measured.
INT_PTR CALLBACK MeasuredDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

std::vector<RECT> ChildRects(HWND dialog) {
    std::vector<RECT> rects;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&rect), 2);
        rects.push_back(rect);
    }
    return rects;
}

}  // namespace

// At 100 % the template as it is; larger, a copy whose font is larger by
// the editor's percentage, so every control grows with it.
HWND CWin32EditorWindows::CreateDialogAtSize(int templateId, HWND parent, DLGPROC procedure) {
    const int percent = editor_.Percent();
    if (percent == 100) {
        return CreateDialogParamA(Module(), MAKEINTRESOURCEA(templateId), parent, procedure,
                                  percent);
    }
    HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5));
    HGLOBAL loaded = found != nullptr ? LoadResource(Module(), found) : nullptr;
    const auto* bytes =
        static_cast<const uint8_t*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    if (bytes == nullptr) return nullptr;
    const std::vector<uint8_t> scaled = WithScaledDialogFont(
        std::vector<uint8_t>(bytes, bytes + SizeofResource(Module(), found)), percent);
    return CreateDialogIndirectParamA(Module(), reinterpret_cast<LPCDLGTEMPLATEA>(scaled.data()),
                                      parent, procedure, percent);
}

// A font's metrics do not grow exactly with its size (Tahoma at 10 points
// is relatively wider than at 8), so a panel of a fixed size would clip its
// right end. Every control goes where it stands at 100 %, times the scale:
// a hidden copy of the plain dialog is measured for that.
void CWin32EditorWindows::PlaceControlsAsAt100(HWND dialog, int templateId, HWND parent) {
    const int percent = editor_.Percent();
    if (percent == 100 || dialog == nullptr) return;
    HWND plain =
        CreateDialogParamA(Module(), MAKEINTRESOURCEA(templateId), parent, MeasuredDialogProc, 0);
    if (plain == nullptr) return;
    const std::vector<RECT> places = ChildRects(plain);
    ::DestroyWindow(plain);
    size_t index = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr && index < places.size();
         child = GetWindow(child, GW_HWNDNEXT), ++index) {
        const RECT& place = places[index];
        const int left = MulDiv(place.left, percent, 100), top = MulDiv(place.top, percent, 100);
        SetWindowPos(child, nullptr, left, top, MulDiv(place.right, percent, 100) - left,
                     MulDiv(place.bottom, percent, 100) - top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

os::WindowHandle CWin32EditorWindows::CreateControlsDialog(os::WindowHandle parent) {
    if (FaultInjected("controls")) return nullptr;
    HWND dialog = CreateDialogAtSize(IDD_CONTROLS, Hwnd(parent), ControlsDlgProc);
    PlaceControlsAsAt100(dialog, IDD_CONTROLS, Hwnd(parent));
    if (dialog != nullptr) SetPropA(dialog, kControlsEditorProperty, &editor_);
    return dialog;
}

os::WindowHandle CWin32EditorWindows::CreateSettingsDialog(os::WindowHandle parent) {
    HWND dialog = CreateDialogAtSize(IDD_SETTINGS, Hwnd(parent), SettingsDlgProc);
    if (dialog != nullptr) SetPropA(dialog, kSettingsEditorProperty, &editor_);
    return dialog;
}

void CWin32EditorWindows::DestroyWindow(os::WindowHandle window) {
    ::DestroyWindow(Hwnd(window));
}

void CWin32EditorWindows::ShowWindow(os::WindowHandle window, bool show) {
    if (window != nullptr) ::ShowWindow(Hwnd(window), show ? SW_SHOW : SW_HIDE);
}

bool CWin32EditorWindows::IsWindowShown(os::WindowHandle window) {
    return window != nullptr && IsWindowVisible(Hwnd(window)) != FALSE;
}

void CWin32EditorWindows::MoveWindow(os::WindowHandle window, int x, int y, int width, int height) {
    SetWindowPos(Hwnd(window), nullptr, x, y, width, height, SWP_NOZORDER);
}

void CWin32EditorWindows::SetFocus(os::WindowHandle window) {
    if (window != nullptr) ::SetFocus(Hwnd(window));
}

void CWin32EditorWindows::EndDialog(os::WindowHandle dialog, intptr_t result) {
    if (dialog != nullptr) ::EndDialog(Hwnd(dialog), result);
}

void CWin32EditorWindows::SendCommand(os::WindowHandle dialog, int controlId) {
    HWND control = GetDlgItem(Hwnd(dialog), controlId);
    SendMessageA(Hwnd(dialog), WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(control));
}

void CWin32EditorWindows::ShowItem(os::WindowHandle dialog, int controlId, bool show) {
    ::ShowWindow(GetDlgItem(Hwnd(dialog), controlId), show ? SW_SHOW : SW_HIDE);
}

void CWin32EditorWindows::AttachValueText(CParamControl& parameter) {
    AttachValueTextControl(parameter);
}

void CWin32EditorWindows::CreateDrawingSet() {
    if (!drawingSet_) drawingSet_ = std::make_unique<DrawingSet>();
}

bool CWin32EditorWindows::CreateRenderer(os::WindowHandle view, int width, int height,
                                         std::vector<CEditorListener*>& syncList) {
    renderer_ = std::make_unique<CD3DRenderer>();
    if (FaultInjected("renderer") || !renderer_->Setup(view, width, height)) return false;
    // The display components in drawing order: the bar graph comes after
    // the others so that the 2D view covers them in the screen-space pass;
    // only the options caption stands over it.
    CSettings& settings = editor_.Settings();
    CSpectrumStore* store = editor_.Store();
    AddComponent(std::make_unique<CD3DDrawLog>(), syncList);
    AddComponent(std::make_unique<CD3DDrawFPS>(settings, editor_.Timer()), syncList);
    auto waterfall = std::make_unique<CD3DDrawWaterGraph>(settings, editor_.Timer(),
                                                          editor_.FrameLoop().Camera());
    waterfall->SetStore(store);
    AddComponent(std::move(waterfall), syncList);
    auto meter = std::make_unique<CD3DDrawMeter>(settings.Statistics(), settings.Loudness(),
                                                 editor_.Timer());
    meter->SetStore(store);
    AddComponent(std::move(meter), syncList);
    auto barGraph = std::make_unique<CD3DDrawBarGraph2D>(settings);
    barGraph->SetStore(store);
    AddComponent(std::move(barGraph), syncList);
    AddComponent(std::make_unique<CD3DDrawOptionsCaption>(), syncList);
    syncList.push_back(renderer_.get());
    return true;
}

template <typename Component>
void CWin32EditorWindows::AddComponent(std::unique_ptr<Component> component,
                                       std::vector<CEditorListener*>& syncList) {
    CEditorListener* listener = component.get();
    renderer_->AddComponent(component.release());
    syncList.push_back(listener);
}

void CWin32EditorWindows::RenderFrame() {
    if (renderer_) renderer_->RenderFrame();
}

void CWin32EditorWindows::NotifySettingsApplied() {
    if (!renderer_) return;
    for (const auto& component : renderer_->Components()) {
        component->OnSettingsApplied(renderer_->Device());
    }
}

void CWin32EditorWindows::DestroyRenderer() {
    renderer_.reset();
}

bool CWin32EditorWindows::CaptureView(ViewPicture& picture) {
    if (!renderer_) return false;
    renderer_->RequestCapture();
    renderer_->RenderFrame();
    return renderer_->TakeCapture(picture);
}

bool CWin32EditorWindows::WritePicture(const std::string& path, const ViewPicture& picture) {
    return WritePngFile(path, picture);
}

void CWin32EditorWindows::SetFrameTimer(os::WindowHandle view, int32_t periodMs) {
    if (view != nullptr) SetTimer(Hwnd(view), kFrameTimerId, static_cast<UINT>(periodMs), nullptr);
}

int CWin32EditorWindows::ScreenDpi(os::WindowHandle window) {
    // Per window from Windows 10 1607 on (the host's own awareness decides
    // what it reports); before that, the system's.
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (window != nullptr && dpiForWindow != nullptr)
        return static_cast<int>(dpiForWindow(Hwnd(window)));
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

bool CWin32EditorWindows::IsKeyDown(int32_t virtualKey) {
    return GetAsyncKeyState(virtualKey) != 0;
}

void CWin32EditorWindows::OpenDocument(os::WindowHandle owner, const std::string& target) {
    VS_LOG("Opening " << target);
    if (FaultInjected("browser")) return;
    // The shell may hand the page over through COM; its result does not
    // matter when COM is already set up on this thread.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    ShellExecuteA(Hwnd(owner), "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
