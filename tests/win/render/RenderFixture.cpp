// The window, log and capture shared by the renderer tests.
#include "tests/win/render/RenderFixture.h"

#include <windows.h>

#include "diag/ErrorSystem.h"

namespace {

constexpr char kWindowClass[] = "VantoscopeRenderTest";

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

int CLogRecorder::Count(const std::string& text) const {
    int count = 0;
    for (const std::string& line : lines) count += line.find(text) != std::string::npos ? 1 : 0;
    return count;
}

void RenderFixture::SetUp() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kWindowClass;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    RegisterClassA(&windowClass);
    RECT frame{0, 0, 900, 400};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    window_ = CreateWindowExA(0, kWindowClass, "Render test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                              0, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
    PumpMessages();
    errorBoxes_ = std::make_unique<CErrorBoxWatcher>();
    ErrorSystem::Acquire();
    ErrorSystem::Instance()->AddListener(&log_);
    capture_ = std::make_unique<CFrameCapture>();
    ASSERT_TRUE(capture_->Installed());
}

void RenderFixture::TearDown() {
    capture_.reset();
    if (ErrorSystem::Instance() != nullptr) {
        ErrorSystem::Instance()->RemoveListener(&log_);
        ErrorSystem::Release();
    }
    // The watcher reads the texts of this thread's windows, which needs this
    // thread to answer; the window goes first so that joining the watcher
    // cannot wait on it.
    if (window_ != nullptr) DestroyWindow(static_cast<HWND>(window_));
    PumpMessages();
    errorBoxes_.reset();
}

std::unique_ptr<CD3DRenderer> RenderFixture::MakeRenderer(CD3DRenderer::TestHooks hooks) {
    auto renderer = std::make_unique<CD3DRenderer>();
    renderer->SetTestHooks(std::move(hooks));
    renderer->Setup(window_);
    return renderer;
}

CapturedImage RenderFixture::RenderAndCapture(CD3DRenderer& renderer) {
    PumpMessages();
    const uint32_t before = capture_->FramesPresented();
    EXPECT_TRUE(renderer.RenderFrame());
    EXPECT_EQ(capture_->FramesPresented(), before + 1) << "no frame was presented";
    return capture_->LastFrame();
}
