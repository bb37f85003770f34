// The top-level host window that every test of a program shares: made
// before the first test and destroyed after the last. Under Wine without a
// window manager, destroying a shown top-level window waits two seconds,
// which a window per test would pay again and again. Tests leave it as they
// found it: empty, and at its size.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tools/host/HostWindow.h"

class SharedHostWindow : public ::testing::Environment {
public:
    // Registers the window with the test program; call once, at start-up.
    static SharedHostWindow* Register(const char* caption, int x, int y, int clientWidth,
                                      int clientHeight);

    void SetUp() override;
    void TearDown() override;

    // Null outside the test run or when the window could not be made.
    void* Handle() const { return window_ != nullptr ? window_->Handle() : nullptr; }
    // Gives the client area a new size; false without the window.
    bool SetClientSize(int clientWidth, int clientHeight);
    // Back to the size it was made with.
    void RestoreSize() { SetClientSize(clientWidth_, clientHeight_); }

private:
    SharedHostWindow(const char* caption, int x, int y, int clientWidth, int clientHeight);

    std::string caption_;
    int x_, y_, clientWidth_, clientHeight_;
    std::unique_ptr<CHostWindow> window_;
};
