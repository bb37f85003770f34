// The harness itself: error boxes are seen, recorded and closed, and
// debugger output is captured.
#include <windows.h>

#include <thread>

#include "tools/host/DebugOutputCapture.h"
#include "tools/host/ErrorBoxWatcher.h"

#include <gtest/gtest.h>

namespace {

TEST(ErrorBoxWatcher, ClosesErrorBoxesAndRecordsTheirText) {
    CErrorBoxWatcher watcher;
    int answer = 0;
    std::thread owner([&answer] {
        answer = MessageBoxA(nullptr, "**** ERROR ****\nTest(1) : boom GLE:0\n", "Error", MB_OK);
    });
    ASSERT_TRUE(watcher.WaitForErrors(1, 20000));
    owner.join();
    EXPECT_EQ(answer, IDOK);
    ASSERT_EQ(watcher.Errors().size(), 1u);
    EXPECT_EQ(watcher.Errors()[0], "**** ERROR ****\nTest(1) : boom GLE:0\n");
}

TEST(ErrorBoxWatcher, LeavesOtherBoxesAlone) {
    CErrorBoxWatcher watcher;
    HWND other = CreateWindowExA(0, "STATIC", "Warning", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                 nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    Sleep(100);
    EXPECT_TRUE(IsWindow(other));
    EXPECT_TRUE(watcher.Errors().empty());
    DestroyWindow(other);
}

TEST(DebugOutputCapture, SeesOutputDebugString) {
    CDebugOutputCapture capture;
    OutputDebugStringA("harness check\n");
    EXPECT_TRUE(capture.Contains("harness check"));
}

}  // namespace
