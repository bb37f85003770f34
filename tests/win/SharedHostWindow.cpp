// SharedHostWindow: a test environment that owns one CHostWindow.
#include "tests/win/SharedHostWindow.h"

SharedHostWindow* SharedHostWindow::Register(const char* caption, int x, int y, int clientWidth,
                                             int clientHeight) {
    auto* window = new SharedHostWindow(caption, x, y, clientWidth, clientHeight);
    ::testing::AddGlobalTestEnvironment(window);  // which takes ownership
    return window;
}

SharedHostWindow::SharedHostWindow(const char* caption, int x, int y, int clientWidth,
                                   int clientHeight)
    : caption_(caption), x_(x), y_(y), clientWidth_(clientWidth), clientHeight_(clientHeight) {}

void SharedHostWindow::SetUp() {
    window_ = std::make_unique<CHostWindow>(nullptr, caption_.c_str(), x_, y_, clientWidth_,
                                            clientHeight_);
    CHostWindow::Pump(0);
}

bool SharedHostWindow::SetClientSize(int clientWidth, int clientHeight) {
    return window_ != nullptr && window_->SetClientSize(clientWidth, clientHeight);
}

void SharedHostWindow::TearDown() {
    window_.reset();
}
