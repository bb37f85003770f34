// The window, log and capture shared by the renderer tests.
#include "tests/win/render/RenderFixture.h"

#include <windows.h>

#include "diag/ErrorSystem.h"
#include "tools/host/HostWindow.h"

SharedHostWindow* const RenderFixture::hostWindow_ =
    SharedHostWindow::Register("Render test", 0, 0, 900, 400);

int CLogRecorder::Count(const std::string& text) const {
    int count = 0;
    for (const std::string& line : lines) count += line.find(text) != std::string::npos ? 1 : 0;
    return count;
}

void RenderFixture::SetUp() {
    window_ = hostWindow_->Handle();
    ASSERT_NE(window_, nullptr);
    CHostWindow::Pump(0);
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
    CHostWindow::Pump(0);
    errorBoxes_.reset();
}

std::unique_ptr<CD3DRenderer> RenderFixture::MakeRenderer(CD3DRenderer::TestHooks hooks) {
    auto renderer = std::make_unique<CD3DRenderer>();
    renderer->SetTestHooks(std::move(hooks));
    renderer->Setup(window_);
    return renderer;
}

CapturedImage RenderFixture::RenderAndCapture(CD3DRenderer& renderer) {
    CHostWindow::Pump(0);
    const uint32_t before = capture_->FramesPresented();
    EXPECT_TRUE(renderer.RenderFrame());
    EXPECT_EQ(capture_->FramesPresented(), before + 1) << "no frame was presented";
    return capture_->LastFrame();
}
